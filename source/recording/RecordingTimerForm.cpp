#include "source/recording/RecordingTimerForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "source/dialogs/DialogSupport.h"

#include <cmath>

namespace recording_timer_detail {

constexpr double SecondsPerDay = 86400.0;

// A time of day or span cut to whole seconds, as its text shows it.
TDateTime WholeSeconds(TDateTime Value) {
    return TDateTime(std::floor(double(Value) * SecondsPerDay + 1e-6) / SecondsPerDay);
}

} // namespace recording_timer_detail

using namespace recording_timer_detail;

TRecordingTimerForm::TRecordingTimerForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("RecordingTimerForm");
    SetUpDialogForm(*this, "Recording Timer ", 376, 206);

    GroupBoxStart = PlaceControl<TGroupBox>(this, this, "GroupBoxStart", 10, 8, 356, 80);
    GroupBoxStart->SetCaption("Start Recording:");
    RadioButtonManually =
        PlaceControl<TRadioButton>(this, GroupBoxStart, "RadioButtonManually", 12, 20, 150, 17);
    RadioButtonManually->SetCaption("&Manually");
    RadioButtonManually->SetChecked(true);
    RadioButtonManually->OnClick = TNotifyEvent(this, &TRecordingTimerForm::RadioButtonClick);
    RadioButtonAutomatically =
        PlaceControl<TRadioButton>(this, GroupBoxStart, "RadioButtonAutomatically", 12, 46, 124, 17);
    RadioButtonAutomatically->SetCaption("&Automatically On:");
    RadioButtonAutomatically->OnClick = TNotifyEvent(this, &TRecordingTimerForm::RadioButtonClick);
    DateTimePickerAutomaticallyData = PlaceControl<TDateTimePicker>(
        this, GroupBoxStart, "DateTimePickerAutomaticallyData", 140, 43, 100, 21);
    DateTimePickerAutomaticallyData->SetKind(dtkDate);
    DateTimePickerAutomaticallyTime = PlaceControl<TDateTimePicker>(
        this, GroupBoxStart, "DateTimePickerAutomaticallyTime", 246, 43, 84, 21);
    DateTimePickerAutomaticallyTime->SetKind(dtkTime);
    DateTimePickerAutomaticallyTime->SetFormat("HH:mm:ss");

    GroupBoxWhenRecording = PlaceControl<TGroupBox>(this, this, "GroupBoxWhenRecording", 10, 96, 356, 64);
    GroupBoxWhenRecording->SetCaption("When Recording:");
    CheckBoxStopAfter =
        PlaceControl<TCheckBox>(this, GroupBoxWhenRecording, "CheckBoxStopAfter", 12, 28, 90, 17);
    CheckBoxStopAfter->SetCaption("&Stop After");
    CheckBoxStopAfter->OnClick = TNotifyEvent(this, &TRecordingTimerForm::CheckBoxStopAfterClick);
    DateTimePickerWhenRecordingTime = PlaceControl<TDateTimePicker>(
        this, GroupBoxWhenRecording, "DateTimePickerWhenRecordingTime", 104, 25, 84, 21);
    DateTimePickerWhenRecordingTime->SetKind(dtkTime);
    DateTimePickerWhenRecordingTime->SetFormat("HH:mm:ss");
    LabelDurationUnits = AddLabel(this, GroupBoxWhenRecording, "hours : minutes : seconds", 194, 28);
    LabelDurationUnits->SetName("LabelDurationUnits");

    ButtonStart = AddDialogButton(this, this, "&Start Timer Record", 155, 172);
    ButtonStart->SetName("ButtonStart");
    ButtonStart->SetWidth(130);
    ButtonStart->SetDefault(true);
    ButtonStart->OnClick = TNotifyEvent(this, &TRecordingTimerForm::ButtonStartClick);
    ButtonCancel = AddDialogButton(this, this, "&Cancel", 291, 172, mrCancel);
    ButtonCancel->SetName("ButtonCancel");

    OnShow = TNotifyEvent(this, &TRecordingTimerForm::FormShow);
    UpdateEnabled();
}

TDateTime TRecordingTimerForm::StartAt() const {
    const double day = std::floor(double(DateTimePickerAutomaticallyData->Date()));
    const double time = double(DateTimePickerAutomaticallyTime->Time());
    return WholeSeconds(TDateTime(day + (time - std::floor(time))));
}

TDateTime TRecordingTimerForm::Duration() const {
    const double time = double(DateTimePickerWhenRecordingTime->Time());
    return WholeSeconds(TDateTime(time - std::floor(time)));
}

void TRecordingTimerForm::LockStart() {
    FStartLocked = true;
    RadioButtonManually->SetChecked(true);
    UpdateEnabled();
}

void TRecordingTimerForm::UpdateEnabled() {
    const bool automatic = RadioButtonAutomatically->Checked() && !FStartLocked;
    RadioButtonManually->SetEnabled(!FStartLocked);
    RadioButtonAutomatically->SetEnabled(!FStartLocked);
    DateTimePickerAutomaticallyData->SetEnabled(automatic);
    DateTimePickerAutomaticallyTime->SetEnabled(automatic);
    DateTimePickerWhenRecordingTime->SetEnabled(CheckBoxStopAfter->Checked());
    LabelDurationUnits->SetEnabled(CheckBoxStopAfter->Checked());
}

void TRecordingTimerForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    UpdateEnabled();
}

void TRecordingTimerForm::RadioButtonClick(TObject*) {
    UpdateEnabled();
}

void TRecordingTimerForm::CheckBoxStopAfterClick(TObject*) {
    UpdateEnabled();
}

void TRecordingTimerForm::ButtonStartClick(TObject*) {
    if (RadioButtonAutomatically->Checked() && Now() > StartAt()) {
        DateTimePickerAutomaticallyTime->SetFocus();
        Application()->MessageBox("The entered starting date and time has already passed.",
                                  Application()->Title(), MB_OK | MB_ICONERROR);
        return;
    }
    if (double(Duration()) <= 0) DateTimePickerWhenRecordingTime->SetTime(TDateTime(10 / SecondsPerDay));
    SetModalResult(mrOk);
}
