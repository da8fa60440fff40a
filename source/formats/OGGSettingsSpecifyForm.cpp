#include "source/formats/OGGSettingsSpecifyForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatListControls.h"
#include "source/formats/OutputFormatTexts.h"

TOGGSettingsSpecifyForm::TOGGSettingsSpecifyForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatSpecifyForm(AOwner, Vars) {
    TComponentLoading loading(this);
    SetName("OGGSettingsSpecifyForm");
    SetUpDialogForm(*this, "Configure OGG Settings", 372, 214);
    const TNotifyEvent enabling(this, &TOGGSettingsSpecifyForm::RadioButtonAverageClick);

    RadioButtonVariable = PlaceControl<TRadioButton>(this, this, "RadioButtonVariable", 12, 12, 200, 17);
    RadioButtonVariable->SetCaption("&Variable Bit Rate");
    RadioButtonVariable->OnClick = enabling;
    LabelLow = AddLabel(this, this, "Low", 30, 44);
    LabelLow->SetName("LabelLow");
    ImageSliderQuality = PlaceControl<TImageSlider>(this, this, "ImageSliderQuality", 64, 36, 220, 30);
    ImageSliderQuality->SetIncrement(1);
    ImageSliderQuality->SetRange(1, 100);
    ImageSliderQuality->SetOptions(TSliderOptions{soShowFocus, soSmooth});
    ImageSliderQuality->OnChange = TNotifyEvent(this, &TOGGSettingsSpecifyForm::ImageSliderQualityChange);
    LabelHigh = AddLabel(this, this, "High", 292, 44);
    LabelHigh->SetName("LabelHigh");
    LabelQuality = AddLabel(this, this, "60%", 326, 44);
    LabelQuality->SetName("LabelQuality");

    RadioButtonAverage = PlaceControl<TRadioButton>(this, this, "RadioButtonAverage", 12, 82, 140, 17);
    RadioButtonAverage->SetCaption("&Average Bit Rate:");
    RadioButtonAverage->OnClick = enabling;
    ComboBoxSetAverage = MakeListCombo(this, this, "ComboBoxSetAverage", OggBitRateItems(), 160, 80, 100);

    GroupBoxMode = PlaceControl<TGroupBox>(this, this, "GroupBoxMode", 12, 114, 348, 48);
    GroupBoxMode->SetCaption("Mode");
    RadioButtonStereo = PlaceControl<TRadioButton>(this, GroupBoxMode, "RadioButtonStereo", 16, 20, 100, 17);
    RadioButtonStereo->SetCaption("Stereo");
    RadioButtonMono = PlaceControl<TRadioButton>(this, GroupBoxMode, "RadioButtonMono", 150, 20, 100, 17);
    RadioButtonMono->SetCaption("Mono");

    AddDialogButton(this, this, "OK", 204, 178, mrOk)->SetName("ButtonOK");
    AddDialogButton(this, this, "Cancel", 285, 178, mrCancel)->SetName("ButtonCancel");
    SetActiveControl(RadioButtonVariable);
    OnShow = TNotifyEvent(this, &TOGGSettingsSpecifyForm::FormShow);
}

void TOGGSettingsSpecifyForm::LoadParams() {
    RadioButtonAverage->SetChecked(FVars.OutputOGGABR);
    RadioButtonVariable->SetChecked(!RadioButtonAverage->Checked());
    ImageSliderQuality->SetValue(FVars.OutputOGGQualityValue);
    ImageSliderQualityChange(this);
    ComboBoxSetAverage->SetItemIndex(ListIndex(FVars.OutputOGGABRBitRate, ComboBoxSetAverage));
    RadioButtonStereo->SetChecked(FVars.OutputOGGMode == 0);
    RadioButtonMono->SetChecked(FVars.OutputOGGMode == 1);
}

void TOGGSettingsSpecifyForm::StoreParams() {
    FVars.OutputOGGABR = RadioButtonAverage->Checked();
    FVars.OutputOGGQualityValue = ImageSliderQuality->Value();
    StoreListIndex(ComboBoxSetAverage, FVars.OutputOGGABRBitRate);
    if (RadioButtonStereo->Checked()) FVars.OutputOGGMode = 0;
    if (RadioButtonMono->Checked()) FVars.OutputOGGMode = 1;
}

void TOGGSettingsSpecifyForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    RadioButtonAverageClick(this);
    ImageSliderQualityChange(this);
}

void TOGGSettingsSpecifyForm::RadioButtonAverageClick(TObject*) {
    ComboBoxSetAverage->SetEnabled(RadioButtonAverage->Checked());
    const bool variable = RadioButtonVariable->Checked();
    for (TControl* control : {static_cast<TControl*>(ImageSliderQuality), static_cast<TControl*>(LabelLow),
                              static_cast<TControl*>(LabelHigh), static_cast<TControl*>(LabelQuality)})
        control->SetEnabled(variable);
}

void TOGGSettingsSpecifyForm::ImageSliderQualityChange(TObject*) {
    LabelQuality->SetCaption(std::to_string(ImageSliderQuality->Value()) + "%");
}
