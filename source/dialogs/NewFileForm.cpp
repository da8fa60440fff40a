#include "source/dialogs/NewFileForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ValueTables.h"
#include "source/dialogs/DialogSupport.h"

#include <array>

namespace {

constexpr std::array<int, NewFileSampleRateCount> Rates{96000, 88200, 48000, 44100, 32000, 24000,
                                                        22050, 16000, 12000, 11025, 8000,  6000};
constexpr std::array<const char*, NewFileSampleRateCount> RateTexts{"96,000", "88,200", "48,000", "44,100",
                                                                    "32,000", "24,000", "22,050", "16,000",
                                                                    "12,000", "11,025", "8,000",  "6,000"};
constexpr int DesignRateIndex = 3; // 44,100

} // namespace

int NewFileSampleRateFromIndex(int Index) {
    return Index >= 0 && Index < NewFileSampleRateCount ? Rates[static_cast<std::size_t>(Index)] : 44100;
}

TNewFileForm::TNewFileForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("NewFileForm");
    SetUpDialogForm(*this, "New Sample", 280, 150);

    cbSampleRate = new TComboBox(this);
    cbSampleRate->SetName("cbSampleRate");
    cbSampleRate->SetStyle(csDropDownList);
    cbSampleRate->SetBounds(124, 14, 100, 21);
    cbSampleRate->SetParent(this);
    for (const char* text : RateTexts)
        cbSampleRate->Items()->Add(text);
    cbSampleRate->SetItemIndex(DesignRateIndex);
    AddLabel(this, this, "Sample &Rate (Hz):", 12, 17, cbSampleRate);

    auto* channels = new TGroupBox(this);
    channels->SetCaption("Channels");
    channels->SetBounds(12, 46, 256, 56);
    channels->SetParent(this);
    rbStereo = new TRadioButton(this);
    rbStereo->SetName("rbStereo");
    rbStereo->SetCaption("Ste&reo (Dual)");
    rbStereo->SetBounds(14, 24, 110, 17);
    rbStereo->SetParent(channels);
    rbStereo->SetChecked(true);
    rbMono = new TRadioButton(this);
    rbMono->SetName("rbMono");
    rbMono->SetCaption("&Mono (Single)");
    rbMono->SetBounds(132, 24, 110, 17);
    rbMono->SetParent(channels);

    AddDialogButton(this, this, "OK", 31, 116, mrOk);
    AddDialogButton(this, this, "Cancel", 112, 116, mrCancel);
    ButtonHelp = AddDialogButton(this, this, "&Help", 193, 116);
    ButtonHelp->OnClick = TNotifyEvent(this, &TNewFileForm::ButtonHelpClick);
    SetActiveControl(cbSampleRate);
    OnShow = TNotifyEvent(this, &TNewFileForm::FormShow);
}

void TNewFileForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TNewFileForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), "CreateOpenandSaveaudiofiles");
}

void TNewFileForm::LoadParams(const TGlobalVars& Vars) {
    if (Vars.DefNewFileSampleRate < NewFileSampleRateCount)
        cbSampleRate->SetItemIndex(Vars.DefNewFileSampleRate);
    if (Vars.DefNewFileChannels == 0) rbStereo->SetChecked(true);
    if (Vars.DefNewFileChannels == 1) rbMono->SetChecked(true);
}

void TNewFileForm::StoreParams(TGlobalVars& Vars) const {
    if (cbSampleRate->ItemIndex() >= 0)
        Vars.DefNewFileSampleRate = static_cast<std::uint8_t>(cbSampleRate->ItemIndex());
    if (rbStereo->Checked()) Vars.DefNewFileChannels = 0;
    if (rbMono->Checked()) Vars.DefNewFileChannels = 1;
}

int TNewFileForm::SampleRate() const {
    return NewFileSampleRateFromIndex(cbSampleRate->ItemIndex());
}

int TNewFileForm::Channels() const {
    return rbMono->Checked() ? 1 : 2;
}
