// TRecordingTimerForm: "Recording Timer " — when a recording starts (by hand, or at a date and time)
// and whether it stops by itself after a duration. OK checks that a timed start lies ahead and turns a
// zero duration into ten seconds.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/vcl/Form.h"

class TButton;
class TCheckBox;
class TDateTimePicker;
class TGroupBox;
class TLabel;
class TRadioButton;

class TRecordingTimerForm : public TForm {
public:
    explicit TRecordingTimerForm(TComponent* AOwner);

    TGroupBox* GroupBoxStart = nullptr;
    TRadioButton* RadioButtonManually = nullptr;
    TRadioButton* RadioButtonAutomatically = nullptr;
    TDateTimePicker* DateTimePickerAutomaticallyData = nullptr;
    TDateTimePicker* DateTimePickerAutomaticallyTime = nullptr;
    TGroupBox* GroupBoxWhenRecording = nullptr;
    TCheckBox* CheckBoxStopAfter = nullptr;
    TDateTimePicker* DateTimePickerWhenRecordingTime = nullptr;
    TLabel* LabelDurationUnits = nullptr;
    TButton* ButtonStart = nullptr;
    TButton* ButtonCancel = nullptr;

    // The start the pickers show: the date picker's day at the time picker's time, to the second.
    TDateTime StartAt() const;
    // The duration picker's time, to the second.
    TDateTime Duration() const;

    void FormShow(TObject* Sender);
    void RadioButtonClick(TObject* Sender);
    void CheckBoxStopAfterClick(TObject* Sender);
    void ButtonStartClick(TObject* Sender);

private:
    // The pickers follow the choices: start pickers with "Automatically On:", duration with "Stop After".
    void UpdateEnabled();
    bool FStartLocked = false; // while recording only the stop-after part can be changed

public:
    // Selects "Manually" and disables both radio buttons and the start pickers.
    void LockStart();
};
