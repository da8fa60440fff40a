#include "source/formats/WaveFormatSpecifyForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatListControls.h"
#include "source/formats/OutputFormatTexts.h"

TWaveFormatSpecifyForm::TWaveFormatSpecifyForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatSpecifyForm(AOwner, Vars) {
    TComponentLoading loading(this);
    SetName("WaveFormatSpecifyForm");
    SetUpDialogForm(*this, "Configure Wave Settings", 280, 160);
    ComboBoxSampleRate = MakeListCombo(this, this, "ComboBoxSampleRate", WavSampleRateItems(), 104, 12, 160);
    AddLabel(this, this, "Sample &Rate:", 12, 15, ComboBoxSampleRate);
    ComboBoxBitDepth = MakeListCombo(this, this, "ComboBoxBitDepth", WavBitDepthItems(), 104, 42, 160);
    AddLabel(this, this, "&Bit Depth:", 12, 45, ComboBoxBitDepth);
    GroupBoxChannels = PlaceControl<TGroupBox>(this, this, "GroupBoxChannels", 12, 74, 252, 46);
    GroupBoxChannels->SetCaption("Channels");
    RadioButtonMono = PlaceControl<TRadioButton>(this, GroupBoxChannels, "RadioButtonMono", 16, 20, 100, 17);
    RadioButtonMono->SetCaption("&Mono");
    RadioButtonStereo =
        PlaceControl<TRadioButton>(this, GroupBoxChannels, "RadioButtonStereo", 130, 20, 100, 17);
    RadioButtonStereo->SetCaption("&Stereo");
    AddDialogButton(this, this, "OK", 108, 128, mrOk)->SetName("ButtonOK");
    AddDialogButton(this, this, "Cancel", 189, 128, mrCancel)->SetName("ButtonCancel");
    SetActiveControl(ComboBoxSampleRate);
    OnShow = TNotifyEvent(this, &TWaveFormatSpecifyForm::FormShow);
}

void TWaveFormatSpecifyForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TWaveFormatSpecifyForm::LoadParams() {
    ComboBoxSampleRate->SetItemIndex(ListIndex(FVars.OutputWAVSampleType, ComboBoxSampleRate));
    ComboBoxBitDepth->SetItemIndex(ListIndex(FVars.OutputWAVBitesPerSample, ComboBoxBitDepth));
    RadioButtonStereo->SetChecked(FVars.OutputWAVMode == 0);
    RadioButtonMono->SetChecked(FVars.OutputWAVMode == 1);
}

void TWaveFormatSpecifyForm::StoreParams() {
    StoreListIndex(ComboBoxSampleRate, FVars.OutputWAVSampleType);
    StoreListIndex(ComboBoxBitDepth, FVars.OutputWAVBitesPerSample);
    if (RadioButtonStereo->Checked()) FVars.OutputWAVMode = 0;
    if (RadioButtonMono->Checked()) FVars.OutputWAVMode = 1;
}
