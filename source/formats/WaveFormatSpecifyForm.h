// "Configure Wave Settings": the sample rate, sample size and channels of WAV output.
#pragma once

#include "source/formats/FormatSettingsBaseForm.h"

class TComboBox;
class TGroupBox;
class TRadioButton;

class TWaveFormatSpecifyForm : public TFormatSpecifyForm {
public:
    TWaveFormatSpecifyForm(TComponent* AOwner, TGlobalVars& Vars);
    void LoadParams() override;
    void StoreParams() override;

    TComboBox* ComboBoxSampleRate = nullptr;
    TComboBox* ComboBoxBitDepth = nullptr;
    TGroupBox* GroupBoxChannels = nullptr;
    TRadioButton* RadioButtonMono = nullptr;
    TRadioButton* RadioButtonStereo = nullptr;

private:
    void FormShow(TObject* Sender);
};
