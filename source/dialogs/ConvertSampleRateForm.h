// "Convert Sample Rate": a new sample rate from the list and mono or stereo, for converting the
// document and for choosing the default format of new files.
#pragma once

#include "platform/vcl/Form.h"

#include <vector>

class TComboBox;
class TGroupBox;
class TRadioButton;

class TConvertSampleRateForm : public TForm {
public:
    explicit TConvertSampleRateForm(TComponent* AOwner);

    // Selects the entry of `Rate`; a rate the list does not hold gets an entry of its own, in order,
    // so that the dialog always starts from the rate the caller has.
    void SelectRate(int Rate);
    // The rate of the selected entry (44100 when none is selected).
    int SelectedRate() const;
    // 1 channel selects "Mono", any other count "Stereo".
    void SelectChannels(int Channels);
    int SelectedChannels() const;
    // The channel choice as an item index: 0 mono, 1 stereo.
    int ChannelsItemIndex() const;
    void SetChannelsItemIndex(int Index);

    TComboBox* ComboBoxRate = nullptr;
    TGroupBox* GroupBoxSChannels = nullptr;
    TRadioButton* RadioButtonMono = nullptr;
    TRadioButton* RadioButtonStereo = nullptr;

private:
    void FormShow(TObject* Sender);
    std::vector<int> FRates; // the rate of each list entry
};

// The list's rates, in order (index 3, 44100 Hz, is selected at creation).
const std::vector<int>& ConvertSampleRates();
