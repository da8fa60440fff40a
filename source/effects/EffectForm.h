// TEffectForm: what every effect dialog does, run by the dialog's parameter model (EffectModel.h).
//
// A dialog shows the last used parameters (LoadParams, from the settings record), lets the user change
// them with edits, image sliders and a preset list, previews the effect through its host, and leaves
// the accepted values in the settings record (StoreParams). It processes no audio.
//
// Controls, by the names other parts of the program fill and read them by (each also the component's
// Name): per parameter Label<Name>, Edit<Name>, and for slider parameters ImageSlider<Name>,
// Label<Name>Min, Label<Name>Max (a band has only its slider <Name> and its label Label<Name>, and the
// marks of the bands' scale are named by the model); then LabelPreset and ComboBoxPreset (in dialogs
// with presets), ButtonOK, ButtonCancel, ButtonHelp, ButtonPreview and TimerMonitor (those two only in
// dialogs with a preview) and Bevel. The dialog classes give the controls members of those names.
//
// Behaviour:
// - Showing: the font follows the desktop's hint font; unsigned edits take digits only; every edit
//   shows its slider's value; the host's Previewing flag is cleared and the monitor timer stopped.
// - A slider's change writes its value into its edit. An edit's change moves the slider when the text
//   is a whole number within the slider's range, else shows the text red; leaving the edit replaces a
//   text that is no number or below the range by the minimum, above the range by the maximum.
// - Signed edits take only digits, "-", "." and Backspace; "-" only over the whole text or at the start
//   of a text without one. Refused keys beep.
// - A preset writes its values into the controls; item 0 "Select Preset" does nothing. A double click
//   on a mark of the bands' scale sets every band to the mark's value.
// - OK, by the model: closes at once; takes the focus first (so the edit being left is clamped); or
//   checks one edit against its range, saying what is wrong and staying open with the focus in the
//   edit. An edit checked also on leaving it does the same when the focus goes elsewhere than to OK
//   (which checks it next) or Cancel (which always cancels).
// - Preview stores the values (the identifier with them) and starts the host's preview with the
//   controls disabled; the monitor timer (50 ms) enables them once the computation is over and restores
//   the button once nothing plays. Pressing it again ("&Stop") stops the preview.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Form.h"
#include "source/effects/EffectModel.h"

#include <string>
#include <vector>

class TBevel;
class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TImageSlider;
class TLabel;
class TTimer;
class TEffectDialogHost;

class TEffectForm : public TForm {
public:
    // Host may be null: the dialog then has no preview and no help.
    TEffectForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);

    const TEffectDialogModel& Model() const { return FModel; }
    TEffectDialogHost* Host() const { return FHost; }

    // Settings record -> controls: edits get the decimal text, sliders the value (clamped by the slider).
    virtual void LoadParams();
    // Controls -> settings record. Every edit is read first (a text that is no whole number raises
    // EConvertError "'<text>' is not a valid integer value" and nothing is written), then the
    // identifier and the fields are written together.
    virtual void StoreParams();
    // Enables or disables every label, slider, the preset controls and the four buttons; edits stay
    // enabled but become read-only while disabled.
    void SetControlsEnabled(bool Enabled);

    // ---- Controls common to every dialog (ButtonPreview and TimerMonitor are null without preview)
    TLabel* LabelPreset = nullptr;
    TComboBox* ComboBoxPreset = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;
    TButton* ButtonPreview = nullptr;
    TTimer* TimerMonitor = nullptr;
    TBevel* Bevel = nullptr;

    // ---- The controls of parameter i (null where the parameter has none)
    TLabel* ParameterLabel(int i) const { return FParameters[i].Label; }
    TEdit* ParameterEdit(int i) const { return FParameters[i].Edit; }
    TImageSlider* ParameterSlider(int i) const { return FParameters[i].Slider; }
    TLabel* ParameterMinLabel(int i) const { return FParameters[i].MinLabel; }
    TLabel* ParameterMaxLabel(int i) const { return FParameters[i].MaxLabel; }
    TGroupBox* Group(int i) const { return FGroups[i]; }
    // The labels of the bands' scale, in the order of the model's marks.
    TLabel* ScaleMark(int i) const { return FScaleMarks[i]; }
    // The group box around the preset controls (null without one).
    TGroupBox* PresetGroupBox() const { return FPresetGroup; }

    // ---- Event handlers
    virtual void FormShow(TObject* Sender);
    void ComboBoxPresetChange(TObject* Sender);
    void ButtonPreviewClick(TObject* Sender);
    void TimerMonitorTimer(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    void ButtonOKClick(TObject* Sender);
    // The handlers every parameter's controls share; Sender tells the parameter.
    void EditChange(TObject* Sender);
    void EditExit(TObject* Sender);
    void EditKeyPress(TObject* Sender, TKeyChar& Key);
    void ImageSliderChange(TObject* Sender);
    // A double click on a mark of the bands' scale sets every band to the mark's value.
    void ScaleMarkDblClick(TObject* Sender);

protected:
    // Hands the controls of parameter i to the dialog's named members.
    void Bind(int i, TLabel*& Label, TEdit*& Edit);
    void Bind(int i, TLabel*& Label, TEdit*& Edit, TImageSlider*& Slider, TLabel*& MinLabel,
              TLabel*& MaxLabel);
    void Bind(int i, TLabel*& Label, TImageSlider*& Slider);

private:
    struct TParameterControls {
        TLabel* Label = nullptr;
        TEdit* Edit = nullptr;
        TImageSlider* Slider = nullptr;
        TLabel* MinLabel = nullptr;
        TLabel* MaxLabel = nullptr;
    };
    // The layout's column widths, measured in the dialog's font.
    struct TColumns {
        int Caption = 0, MinText = 0, MaxText = 0, Edit = 0, Scale = 0;
    };

    void BuildControls();
    TColumns MeasureColumns();
    // Each builder lays its part out from y down and answers where the next part starts.
    int BuildRows(int y, const TColumns& Columns, int RowWidth, int ClientWidth);
    int BuildBands(int y, const TColumns& Columns, int ClientWidth);
    int BuildPresets(int y, const TColumns& Columns, int ClientWidth);
    void BuildButtons(int y, int ClientWidth);
    // Each mark of the bands' scale beside the thumbs' centre line at its value.
    void PlaceScaleMarks();
    TGroupBox* MakeGroup(int Index, int y, int ClientWidth);
    TImageSlider* MakeSlider(const TEffectParameter& Parameter, const std::string& Name, TWinControl* Parent,
                             RECT Bounds);
    int IndexOf(TObject* Control) const;
    // The message for a value the OK check refuses; empty for a value it accepts.
    std::string CheckMessage(int Value) const;
    // The check of an edit checked on leaving it: a refused value brings the focus back and the message.
    void CheckOnExit(int i);

    const TEffectDialogModel& FModel;
    TEffectDialogHost* FHost;
    std::vector<TParameterControls> FParameters;
    std::vector<TGroupBox*> FGroups;
    std::vector<TLabel*> FScaleMarks;
    TGroupBox* FPresetGroup = nullptr;
};

// An error box with the application's title and the error icon.
void ShowEffectError(const std::string& Text);
