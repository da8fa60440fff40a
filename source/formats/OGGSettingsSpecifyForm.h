// "Configure OGG Settings": a variable bit rate by quality percent, or an average bit rate; stereo or
// mono.
#pragma once

#include "source/formats/FormatSettingsBaseForm.h"

class TComboBox;
class TGroupBox;
class TImageSlider;
class TLabel;
class TRadioButton;

class TOGGSettingsSpecifyForm : public TFormatSpecifyForm {
public:
    TOGGSettingsSpecifyForm(TComponent* AOwner, TGlobalVars& Vars);
    void LoadParams() override;
    void StoreParams() override;

    TRadioButton* RadioButtonVariable = nullptr;
    TLabel* LabelLow = nullptr;
    TImageSlider* ImageSliderQuality = nullptr;
    TLabel* LabelHigh = nullptr;
    TLabel* LabelQuality = nullptr;
    TRadioButton* RadioButtonAverage = nullptr;
    TComboBox* ComboBoxSetAverage = nullptr;
    // The "Mode" choice: item 0 "Stereo", item 1 "Mono".
    TGroupBox* GroupBoxMode = nullptr;
    TRadioButton* RadioButtonStereo = nullptr;
    TRadioButton* RadioButtonMono = nullptr;

    void FormShow(TObject* Sender);
    void RadioButtonAverageClick(TObject* Sender);
    void ImageSliderQualityChange(TObject* Sender);
};
