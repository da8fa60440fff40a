// The quality dialog of one output format ("Wave File Setup", "MP3 File Setup", "OGG File Setup",
// "WMA File Setup"): a preset chosen on a slider, or (all but WMA) the detailed settings of the
// "Configure ..." dialog, summarised beside it. The dialog keeps nothing itself: LoadParams and
// StoreParams move its choice from and to the output settings of the settings record; the detailed
// settings are stored as soon as the configure dialog is accepted, even when this one is cancelled.
#pragma once

#include "platform/vcl/Form.h"
#include "source/formats/OutputFormatTexts.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TButton;
class TImageSlider;
class TLabel;
class TRadioButton;
class TFormatSpecifyForm;
struct TGlobalVars;

// What tells the four dialogs apart.
struct TFormatPresetModel {
    std::string Name;
    std::string Caption;
    std::string HelpTopic;
    const std::vector<TPresetText>& (*PresetTexts)();
    std::uint8_t TGlobalVars::*PresetsField;
    // The preset/specify choice; null for a dialog with presets only.
    std::uint8_t TGlobalVars::*TypeField = nullptr;
    std::string (*Describe)(const TGlobalVars&) = nullptr;
    std::function<TFormatSpecifyForm*(TComponent* Owner, TGlobalVars& Vars)> MakeSpecifyForm;
};

class TFormatPresetForm : public TForm {
public:
    TFormatPresetForm(TComponent* AOwner, TGlobalVars& Vars, const TFormatPresetModel& Model);

    void LoadParams();
    void StoreParams();

    // Null in the WMA dialog: RadioButtonPresetQuality, RadioButtonSpecifySettings, LabelSpecifySettings,
    // ButtonConfigure.
    TRadioButton* RadioButtonPresetQuality = nullptr;
    TRadioButton* RadioButtonSpecifySettings = nullptr;
    TImageSlider* ImageSliderPreset = nullptr;
    TLabel* LabelPresetQuality1 = nullptr;
    TLabel* LabelPresetQuality2 = nullptr;
    TLabel* LabelLowQuality = nullptr;
    TLabel* LabelHighQuality = nullptr;
    TLabel* LabelSpecifySettings = nullptr;
    TButton* ButtonConfigure = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;

    void FormShow(TObject* Sender);
    void RadioButtonPresetQualityClick(TObject* Sender);
    void ImageSliderPresetChange(TObject* Sender);
    void ButtonConfigureClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);

private:
    bool HasSpecify() const { return FModel.TypeField != nullptr; }
    TGlobalVars& FVars;
    const TFormatPresetModel& FModel;
};

class TWaveFormatForm : public TFormatPresetForm {
public:
    TWaveFormatForm(TComponent* AOwner, TGlobalVars& Vars);
    static const TFormatPresetModel& DialogModel();
};

class TMp3FormatForm : public TFormatPresetForm {
public:
    TMp3FormatForm(TComponent* AOwner, TGlobalVars& Vars);
    static const TFormatPresetModel& DialogModel();
};

class TOGGFormatForm : public TFormatPresetForm {
public:
    TOGGFormatForm(TComponent* AOwner, TGlobalVars& Vars);
    static const TFormatPresetModel& DialogModel();
};

class TWMAFormatForm : public TFormatPresetForm {
public:
    TWMAFormatForm(TComponent* AOwner, TGlobalVars& Vars);
    static const TFormatPresetModel& DialogModel();
};

// The quality dialog of a save format code (1 WAV, 2 MP3, 6 OGG, 11 WMA); null for any other code.
TFormatPresetForm* MakeFormatPresetForm(TComponent* AOwner, int FormatCode, TGlobalVars& Vars);
