#include "source/formats/FormatPresetForm.h"

#include "audio/AudioOutputFormat.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/DialogSupport.h"
#include "source/formats/Mp3SettingsSpecifyForm.h"
#include "source/formats/OGGSettingsSpecifyForm.h"
#include "source/formats/WaveFormatSpecifyForm.h"

#include <memory>

namespace format_preset_form_detail {

constexpr int DialogWidth = 384;
constexpr int Indent = 30;

TLabel* MakeLabel(TCustomForm* Form, const char* Name, const std::string& Caption, int Left, int Top) {
    TLabel* label = AddLabel(Form, Form, Caption, Left, Top);
    label->SetName(Name);
    return label;
}

} // namespace format_preset_form_detail

TFormatPresetForm::TFormatPresetForm(TComponent* AOwner, TGlobalVars& Vars, const TFormatPresetModel& Model)
    : TForm(AOwner), FVars(Vars), FModel(Model) {
    using namespace format_preset_form_detail;
    TComponentLoading loading(this);
    SetName(Model.Name);
    int y = 12;
    if (HasSpecify()) {
        RadioButtonPresetQuality =
            PlaceControl<TRadioButton>(this, this, "RadioButtonPresetQuality", 12, y, 200, 17);
        RadioButtonPresetQuality->SetCaption("&Preset Quality:");
        RadioButtonPresetQuality->SetChecked(true);
        RadioButtonPresetQuality->OnClick =
            TNotifyEvent(this, &TFormatPresetForm::RadioButtonPresetQualityClick);
        y += 24;
    }
    const int textLeft = HasSpecify() ? Indent : 12;
    LabelPresetQuality1 = MakeLabel(this, "LabelPresetQuality1", "", textLeft, y);
    LabelPresetQuality1->Font()->SetStyle(TFontStyles{fsBold});
    LabelPresetQuality2 = MakeLabel(this, "LabelPresetQuality2", "", textLeft, y + 18);
    y += 46;
    LabelLowQuality = MakeLabel(this, "LabelLowQuality", "Low Quality,\r\nSmall Size", textLeft, y + 2);
    ImageSliderPreset = PlaceControl<TImageSlider>(this, this, "ImageSliderPreset", 112, y, 168, 34);
    ImageSliderPreset->SetIncrement(1);
    ImageSliderPreset->SetRange(0, static_cast<int>(Model.PresetTexts().size()) - 1);
    ImageSliderPreset->SetOptions(TSliderOptions{soShowFocus, soShowPoints});
    ImageSliderPreset->OnChange = TNotifyEvent(this, &TFormatPresetForm::ImageSliderPresetChange);
    LabelHighQuality = MakeLabel(this, "LabelHighQuality", "High Quality,\r\nLarge Size", 290, y + 2);
    y += 48;
    if (HasSpecify()) {
        RadioButtonSpecifySettings =
            PlaceControl<TRadioButton>(this, this, "RadioButtonSpecifySettings", 12, y, 200, 17);
        RadioButtonSpecifySettings->SetCaption("&Specify Settings:");
        RadioButtonSpecifySettings->OnClick =
            TNotifyEvent(this, &TFormatPresetForm::RadioButtonPresetQualityClick);
        y += 24;
        LabelSpecifySettings = MakeLabel(this, "LabelSpecifySettings", "", Indent, y + 2);
        LabelSpecifySettings->SetAutoSize(false);
        LabelSpecifySettings->SetWordWrap(true);
        LabelSpecifySettings->SetBounds(Indent, y + 2, 258, 56);
        ButtonConfigure = AddDialogButton(this, this, "&Configure...", 297, y);
        ButtonConfigure->SetName("ButtonConfigure");
        ButtonConfigure->OnClick = TNotifyEvent(this, &TFormatPresetForm::ButtonConfigureClick);
        y += 62; // four lines of summary: the longest MP3 one needs them
    }
    y += 6;
    ButtonOK = AddDialogButton(this, this, "OK", DialogWidth - 3 * 81 - 6, y, mrOk);
    ButtonOK->SetName("ButtonOK");
    ButtonCancel = AddDialogButton(this, this, "Cancel", DialogWidth - 2 * 81 - 6, y, mrCancel);
    ButtonCancel->SetName("ButtonCancel");
    ButtonHelp = AddDialogButton(this, this, "&Help", DialogWidth - 81 - 6, y);
    ButtonHelp->SetName("ButtonHelp");
    ButtonHelp->OnClick = TNotifyEvent(this, &TFormatPresetForm::ButtonHelpClick);
    SetUpDialogForm(*this, Model.Caption, DialogWidth, y + 23 + 12);
    SetActiveControl(HasSpecify() ? static_cast<TWinControl*>(RadioButtonPresetQuality) : ImageSliderPreset);
    OnShow = TNotifyEvent(this, &TFormatPresetForm::FormShow);
}

void TFormatPresetForm::LoadParams() {
    if (HasSpecify()) {
        const int type = FVars.*FModel.TypeField;
        if (type == 0) RadioButtonPresetQuality->SetChecked(true);
        if (type == 1) RadioButtonSpecifySettings->SetChecked(true);
    }
    ImageSliderPreset->SetValue(FVars.*FModel.PresetsField);
}

void TFormatPresetForm::StoreParams() {
    if (HasSpecify()) {
        if (RadioButtonPresetQuality->Checked()) FVars.*FModel.TypeField = 0;
        if (RadioButtonSpecifySettings->Checked()) FVars.*FModel.TypeField = 1;
    }
    FVars.*FModel.PresetsField = static_cast<std::uint8_t>(ImageSliderPreset->Value());
}

void TFormatPresetForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    if (HasSpecify()) {
        RadioButtonPresetQualityClick(this);
        LabelSpecifySettings->SetCaption(FModel.Describe(FVars));
    }
    ImageSliderPresetChange(this);
}

void TFormatPresetForm::RadioButtonPresetQualityClick(TObject*) {
    const bool preset = RadioButtonPresetQuality->Checked();
    const bool specify = RadioButtonSpecifySettings->Checked();
    for (TControl* control :
         {static_cast<TControl*>(LabelPresetQuality1), static_cast<TControl*>(LabelPresetQuality2),
          static_cast<TControl*>(LabelLowQuality), static_cast<TControl*>(LabelHighQuality),
          static_cast<TControl*>(ImageSliderPreset)})
        control->SetEnabled(preset);
    LabelSpecifySettings->SetEnabled(specify);
    ButtonConfigure->SetEnabled(specify);
}

void TFormatPresetForm::ImageSliderPresetChange(TObject*) {
    const auto& texts = FModel.PresetTexts();
    const int position = ImageSliderPreset->Value();
    if (position < 0 || position >= static_cast<int>(texts.size())) return;
    LabelPresetQuality1->SetCaption(texts[std::size_t(position)].Quality);
    LabelPresetQuality2->SetCaption(texts[std::size_t(position)].Detail);
}

void TFormatPresetForm::ButtonConfigureClick(TObject*) {
    std::unique_ptr<TFormatSpecifyForm> dialog(FModel.MakeSpecifyForm(this, FVars));
    CenterOnOwner(*dialog, *this);
    dialog->LoadParams();
    if (dialog->ShowModal() != mrOk) return;
    dialog->StoreParams();
    LabelSpecifySettings->SetCaption(FModel.Describe(FVars));
}

void TFormatPresetForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), FModel.HelpTopic);
}

const TFormatPresetModel& TWaveFormatForm::DialogModel() {
    static const TFormatPresetModel model{"WaveFormatForm",
                                          "Wave File Setup",
                                          "WAVSettings",
                                          WavPresetTexts,
                                          &TGlobalVars::OutputWAVPersets,
                                          &TGlobalVars::OutputWAVType,
                                          DescribeWavSettings,
                                          [](TComponent* owner, TGlobalVars& vars) -> TFormatSpecifyForm* {
                                              return TCustomForm::New<TWaveFormatSpecifyForm>(owner, vars);
                                          }};
    return model;
}
TWaveFormatForm::TWaveFormatForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatPresetForm(AOwner, Vars, DialogModel()) {}

const TFormatPresetModel& TMp3FormatForm::DialogModel() {
    static const TFormatPresetModel model{"Mp3FormatForm",
                                          "MP3 File Setup",
                                          "MP3Settings",
                                          Mp3PresetTexts,
                                          &TGlobalVars::OutputMP3Presets,
                                          &TGlobalVars::OutputMP3Type,
                                          DescribeMp3Settings,
                                          [](TComponent* owner, TGlobalVars& vars) -> TFormatSpecifyForm* {
                                              return TCustomForm::New<TMp3SettingsSpecifyForm>(owner, vars);
                                          }};
    return model;
}
TMp3FormatForm::TMp3FormatForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatPresetForm(AOwner, Vars, DialogModel()) {}

const TFormatPresetModel& TOGGFormatForm::DialogModel() {
    static const TFormatPresetModel model{"OGGFormatForm",
                                          "OGG File Setup",
                                          "OGGSettings",
                                          OggPresetTexts,
                                          &TGlobalVars::OutputOGGPresets,
                                          &TGlobalVars::OutputOGGType,
                                          DescribeOggSettings,
                                          [](TComponent* owner, TGlobalVars& vars) -> TFormatSpecifyForm* {
                                              return TCustomForm::New<TOGGSettingsSpecifyForm>(owner, vars);
                                          }};
    return model;
}
TOGGFormatForm::TOGGFormatForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatPresetForm(AOwner, Vars, DialogModel()) {}

const TFormatPresetModel& TWMAFormatForm::DialogModel() {
    static const TFormatPresetModel model{
        "WMAFormatForm", "WMA File Setup", "WMASettings", WmaPresetTexts, &TGlobalVars::OutputWMAPresets,
        nullptr,         nullptr,          nullptr};
    return model;
}
TWMAFormatForm::TWMAFormatForm(TComponent* AOwner, TGlobalVars& Vars)
    : TFormatPresetForm(AOwner, Vars, DialogModel()) {}

TFormatPresetForm* MakeFormatPresetForm(TComponent* AOwner, int FormatCode, TGlobalVars& Vars) {
    switch (FormatCode) {
    case afWav:
        return TCustomForm::New<TWaveFormatForm>(AOwner, Vars);
    case afMp3:
        return TCustomForm::New<TMp3FormatForm>(AOwner, Vars);
    case afOgg:
        return TCustomForm::New<TOGGFormatForm>(AOwner, Vars);
    case afWma:
        return TCustomForm::New<TWMAFormatForm>(AOwner, Vars);
    default:
        return nullptr;
    }
}
