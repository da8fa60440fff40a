#include "source/formats/Mp3SettingsSpecifyForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatListControls.h"
#include "source/formats/OutputFormatTexts.h"

#include <initializer_list>

namespace mp3_specify_form_detail {

TRadioButton* MakeRadio(TCustomForm* Form, TWinControl* Parent, const char* Name, const char* Caption,
                        int Left, int Top, int Width) {
    auto* radio = PlaceControl<TRadioButton>(Form, Parent, Name, Left, Top, Width, 17);
    radio->SetCaption(Caption);
    return radio;
}

void Enable(std::initializer_list<TControl*> Controls, bool Enabled) {
    for (TControl* control : Controls)
        control->SetEnabled(Enabled);
}

} // namespace mp3_specify_form_detail

TMp3SettingsSpecifyForm::TMp3SettingsSpecifyForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatSpecifyForm(AOwner, Vars) {
    using namespace mp3_specify_form_detail;
    TComponentLoading loading(this);
    SetName("Mp3SettingsSpecifyForm");
    SetUpDialogForm(*this, "Configure MP3 Settings", 400, 334);
    const TNotifyEvent enabling(this, &TMp3SettingsSpecifyForm::RadioButtonConstantClick);

    ComboBoxMode = MakeListCombo(this, this, "ComboBoxMode", Mp3ModeItems(), 160, 12, 120);
    AddLabel(this, this, "M&ode:", 12, 15, ComboBoxMode);
    RadioButtonConstant = MakeRadio(this, this, "RadioButtonConstant", "&Constant Bit Rate", 12, 46, 140);
    RadioButtonConstant->OnClick = enabling;
    ComboBoxConstant = MakeListCombo(this, this, "ComboBoxConstant", Mp3BitRateItems(), 160, 44, 120);
    RadioButtonVariable = MakeRadio(this, this, "RadioButtonVariable", "&Variable Bit Rate", 12, 76, 140);
    RadioButtonVariable->OnClick = enabling;

    GroupBoxVariable = PlaceControl<TGroupBox>(this, this, "GroupBoxVariable", 12, 98, 376, 172);
    ComboBoxMin = MakeListCombo(this, GroupBoxVariable, "ComboBoxMin", Mp3VbrMinItems(), 96, 20, 84);
    ComboBoxMin->OnChange = TNotifyEvent(this, &TMp3SettingsSpecifyForm::ComboBoxMinChange);
    LabelMin = AddLabel(this, GroupBoxVariable, "Min. Bit Rate:", 14, 23, ComboBoxMin);
    LabelMin->SetName("LabelMin");
    ComboBoxMax = MakeListCombo(this, GroupBoxVariable, "ComboBoxMax", Mp3VbrMaxItems(), 278, 20, 84);
    ComboBoxMax->OnChange = TNotifyEvent(this, &TMp3SettingsSpecifyForm::ComboBoxMaxChange);
    LabelMax = AddLabel(this, GroupBoxVariable, "Max. Bit Rate:", 196, 23, ComboBoxMax);
    LabelMax->SetName("LabelMax");

    RadioButtonQuality =
        MakeRadio(this, GroupBoxVariable, "RadioButtonQuality", "&Quality Level", 14, 54, 160);
    RadioButtonQuality->OnClick = enabling;
    LabelLow = AddLabel(this, GroupBoxVariable, "Low: 9", 32, 84);
    LabelLow->SetName("LabelLow");
    ImageSliderQuality =
        PlaceControl<TImageSlider>(this, GroupBoxVariable, "ImageSliderQuality", 80, 76, 184, 34);
    ImageSliderQuality->SetIncrement(1);
    ImageSliderQuality->SetRange(0, 9);
    ImageSliderQuality->SetOptions(TSliderOptions{soShowFocus, soShowPoints});
    ImageSliderQuality->OnChange = TNotifyEvent(this, &TMp3SettingsSpecifyForm::ImageSliderQualityChange);
    LabelHigh = AddLabel(this, GroupBoxVariable, "High: 0", 272, 84);
    LabelHigh->SetName("LabelHigh");
    LabelQuality = AddLabel(this, GroupBoxVariable, "", 344, 84);
    LabelQuality->Font()->SetStyle(TFontStyles{fsBold});
    LabelQuality->SetName("LabelQuality");

    RadioButtonSetAverage =
        MakeRadio(this, GroupBoxVariable, "RadioButtonSetAverage", "Set &Average Bit Rate:", 14, 116, 160);
    RadioButtonSetAverage->OnClick = enabling;
    ComboBoxSetAverage =
        MakeListCombo(this, GroupBoxVariable, "ComboBoxSetAverage", Mp3BitRateItems(), 180, 114, 90);
    CheckBoxWriteXING =
        PlaceControl<TCheckBox>(this, GroupBoxVariable, "CheckBoxWriteXING", 14, 144, 350, 17);
    CheckBoxWriteXING->SetCaption("Write &XING compatible variable bit rate header");

    CheckBoxChecksum = PlaceControl<TCheckBox>(this, this, "CheckBoxChecksum", 12, 278, 200, 17);
    CheckBoxChecksum->SetCaption("Check&sum");
    AddDialogButton(this, this, "OK", 232, 302, mrOk)->SetName("ButtonOK");
    AddDialogButton(this, this, "Cancel", 313, 302, mrCancel)->SetName("ButtonCancel");
    SetActiveControl(ComboBoxMode);
    OnShow = TNotifyEvent(this, &TMp3SettingsSpecifyForm::FormShow);
}

void TMp3SettingsSpecifyForm::LoadParams() {
    ComboBoxMode->SetItemIndex(ListIndex(FVars.OutputMP3Mode, ComboBoxMode));
    RadioButtonConstant->SetChecked(FVars.OutputMP3CBR);
    RadioButtonVariable->SetChecked(!RadioButtonConstant->Checked());
    ComboBoxConstant->SetItemIndex(ListIndex(FVars.OutputMP3CBRBitRate, ComboBoxConstant));
    ComboBoxMin->SetItemIndex(ListIndex(FVars.OutputMP3VBRBitRateMin, ComboBoxMin));
    ComboBoxMax->SetItemIndex(ListIndex(FVars.OutputMP3VBRBitRateMax, ComboBoxMax));
    RadioButtonQuality->SetChecked(FVars.OutputMP3QualityLevel);
    RadioButtonSetAverage->SetChecked(!RadioButtonQuality->Checked());
    ImageSliderQuality->SetValue(9 - FVars.OutputMP3QualityLevelValue);
    ImageSliderQualityChange(this);
    ComboBoxSetAverage->SetItemIndex(ListIndex(FVars.OutputMP3ABRBitRate, ComboBoxSetAverage));
    CheckBoxWriteXING->SetChecked(FVars.OutputMP3WriteXING);
    CheckBoxChecksum->SetChecked(FVars.OutputMP3Checksum);
}

void TMp3SettingsSpecifyForm::StoreParams() {
    StoreListIndex(ComboBoxMode, FVars.OutputMP3Mode);
    FVars.OutputMP3CBR = RadioButtonConstant->Checked();
    StoreListIndex(ComboBoxConstant, FVars.OutputMP3CBRBitRate);
    StoreListIndex(ComboBoxMin, FVars.OutputMP3VBRBitRateMin);
    StoreListIndex(ComboBoxMax, FVars.OutputMP3VBRBitRateMax);
    FVars.OutputMP3QualityLevel = RadioButtonQuality->Checked();
    FVars.OutputMP3QualityLevelValue = 9 - ImageSliderQuality->Value();
    StoreListIndex(ComboBoxSetAverage, FVars.OutputMP3ABRBitRate);
    FVars.OutputMP3WriteXING = CheckBoxWriteXING->Checked();
    FVars.OutputMP3Checksum = CheckBoxChecksum->Checked();
}

void TMp3SettingsSpecifyForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    RadioButtonConstantClick(this);
}

void TMp3SettingsSpecifyForm::RadioButtonConstantClick(TObject*) {
    using mp3_specify_form_detail::Enable;
    const bool variable = RadioButtonVariable->Checked();
    ComboBoxConstant->SetEnabled(RadioButtonConstant->Checked());
    Enable({GroupBoxVariable, LabelMin, ComboBoxMin, LabelMax, ComboBoxMax, RadioButtonQuality,
            RadioButtonSetAverage, CheckBoxWriteXING},
           variable);
    Enable({ImageSliderQuality, LabelLow, LabelHigh, LabelQuality},
           variable && RadioButtonQuality->Checked());
    ComboBoxSetAverage->SetEnabled(variable && RadioButtonSetAverage->Checked());
}

void TMp3SettingsSpecifyForm::ComboBoxMinChange(TObject*) {
    if (ComboBoxMax->ItemIndex() < ComboBoxMin->ItemIndex())
        ComboBoxMax->SetItemIndex(ComboBoxMin->ItemIndex());
}

void TMp3SettingsSpecifyForm::ComboBoxMaxChange(TObject*) {
    if (ComboBoxMin->ItemIndex() > ComboBoxMax->ItemIndex())
        ComboBoxMin->SetItemIndex(ComboBoxMax->ItemIndex());
}

void TMp3SettingsSpecifyForm::ImageSliderQualityChange(TObject*) {
    LabelQuality->SetCaption(std::to_string(9 - ImageSliderQuality->Value()));
}
