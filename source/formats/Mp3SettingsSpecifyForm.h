// "Configure MP3 Settings": channel mode, and either a constant bit rate or a variable one between a
// minimum and a maximum, by quality level or by average rate; XING header and checksums.
#pragma once

#include "source/formats/FormatSettingsBaseForm.h"

class TCheckBox;
class TComboBox;
class TGroupBox;
class TImageSlider;
class TLabel;
class TRadioButton;

class TMp3SettingsSpecifyForm : public TFormatSpecifyForm {
public:
    TMp3SettingsSpecifyForm(TComponent* AOwner, TGlobalVars& Vars);
    void LoadParams() override;
    void StoreParams() override;

    TComboBox* ComboBoxMode = nullptr;
    TRadioButton* RadioButtonConstant = nullptr;
    TComboBox* ComboBoxConstant = nullptr;
    TRadioButton* RadioButtonVariable = nullptr;
    TGroupBox* GroupBoxVariable = nullptr;
    TLabel* LabelMin = nullptr;
    TComboBox* ComboBoxMin = nullptr;
    TLabel* LabelMax = nullptr;
    TComboBox* ComboBoxMax = nullptr;
    TRadioButton* RadioButtonQuality = nullptr;
    TLabel* LabelLow = nullptr;
    TImageSlider* ImageSliderQuality = nullptr;
    TLabel* LabelHigh = nullptr;
    TLabel* LabelQuality = nullptr;
    TRadioButton* RadioButtonSetAverage = nullptr;
    TComboBox* ComboBoxSetAverage = nullptr;
    TCheckBox* CheckBoxWriteXING = nullptr;
    TCheckBox* CheckBoxChecksum = nullptr;

    void FormShow(TObject* Sender);
    // The enabling of every part by the radio buttons (the handler of all four).
    void RadioButtonConstantClick(TObject* Sender);
    // The two limits keep the maximum above the minimum.
    void ComboBoxMinChange(TObject* Sender);
    void ComboBoxMaxChange(TObject* Sender);
    void ImageSliderQualityChange(TObject* Sender);
};
