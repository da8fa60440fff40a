#include "source/dialogs/ConvertSampleRateForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/RadioButton.h"
#include "source/dialogs/DialogSupport.h"

#include <algorithm>
#include <string>

const std::vector<int>& ConvertSampleRates() {
    static const std::vector<int> rates{96000, 88200, 48000, 44100, 32000, 22050, 16000, 11025, 8000, 6000};
    return rates;
}

TConvertSampleRateForm::TConvertSampleRateForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("ConvertSampleRateForm");
    SetUpDialogForm(*this, "Convert Sample Rate", 290, 150);

    ComboBoxRate = new TComboBox(this);
    ComboBoxRate->SetName("ComboBoxRate");
    ComboBoxRate->SetStyle(csDropDownList);
    ComboBoxRate->SetBounds(122, 14, 150, 21);
    ComboBoxRate->SetParent(this);
    AddLabel(this, this, "New Sample Rate:", 12, 17, ComboBoxRate);
    FRates = ConvertSampleRates();
    for (int rate : FRates)
        ComboBoxRate->Items()->Add(std::to_string(rate) + " Hz");
    ComboBoxRate->SetItemIndex(3);

    GroupBoxSChannels = new TGroupBox(this);
    GroupBoxSChannels->SetName("GroupBoxSChannels");
    GroupBoxSChannels->SetCaption("Channels");
    GroupBoxSChannels->SetBounds(12, 46, 260, 52);
    GroupBoxSChannels->SetParent(this);
    RadioButtonMono = new TRadioButton(this);
    RadioButtonMono->SetCaption("Mono");
    RadioButtonMono->SetBounds(16, 22, 100, 17);
    RadioButtonMono->SetParent(GroupBoxSChannels);
    RadioButtonStereo = new TRadioButton(this);
    RadioButtonStereo->SetCaption("Stereo");
    RadioButtonStereo->SetBounds(136, 22, 100, 17);
    RadioButtonStereo->SetParent(GroupBoxSChannels);
    RadioButtonStereo->SetChecked(true);

    AddDialogButton(this, this, "OK", 116, 114, mrOk);
    AddDialogButton(this, this, "Cancel", 197, 114, mrCancel);
    SetActiveControl(ComboBoxRate);
    OnShow = TNotifyEvent(this, &TConvertSampleRateForm::FormShow);
}

void TConvertSampleRateForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TConvertSampleRateForm::SelectRate(int Rate) {
    auto found = std::find(FRates.begin(), FRates.end(), Rate);
    if (found == FRates.end() && Rate > 0) {
        // The list runs from the highest rate down; the new entry keeps that order.
        found = std::find_if(FRates.begin(), FRates.end(), [Rate](int listed) { return listed < Rate; });
        const int index = static_cast<int>(found - FRates.begin());
        ComboBoxRate->Items()->Insert(index, std::to_string(Rate) + " Hz");
        found = FRates.insert(found, Rate);
    }
    ComboBoxRate->SetItemIndex(found == FRates.end() ? 3 : static_cast<int>(found - FRates.begin()));
}

int TConvertSampleRateForm::SelectedRate() const {
    const int index = ComboBoxRate->ItemIndex();
    return index >= 0 && index < static_cast<int>(FRates.size()) ? FRates[static_cast<std::size_t>(index)]
                                                                 : 44100;
}

void TConvertSampleRateForm::SelectChannels(int Channels) {
    SetChannelsItemIndex(Channels == 1 ? 0 : 1);
}

int TConvertSampleRateForm::SelectedChannels() const {
    return ChannelsItemIndex() == 0 ? 1 : 2;
}

int TConvertSampleRateForm::ChannelsItemIndex() const {
    if (RadioButtonMono->Checked()) return 0;
    return RadioButtonStereo->Checked() ? 1 : -1;
}

void TConvertSampleRateForm::SetChannelsItemIndex(int Index) {
    RadioButtonMono->SetChecked(Index == 0);
    RadioButtonStereo->SetChecked(Index == 1);
}
