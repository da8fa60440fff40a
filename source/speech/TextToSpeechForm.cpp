#include "source/speech/TextToSpeechForm.h"

#include "audio/devices/TextToAudio2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/ProgressBar.h"
#include "source/WaitCursor.h"
#include "source/dialogs/DialogSupport.h"

#include <algorithm>

namespace text_to_speech_detail {

// The speech engine's speed, volume and pitch: normal speed, full volume, the voice's own pitch.
constexpr int NormalSpeed = 0, FullVolume = 100, OwnPitch = -1;
constexpr int SampleBits = 16;

void ShowError(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}

} // namespace text_to_speech_detail

using namespace text_to_speech_detail;

TTextToSpeechForm::TTextToSpeechForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("TextToSpeechForm");
    SetUpDialogForm(*this, "Synthesize Speech", 410, 272);

    GroupBoxText = PlaceControl<TGroupBox>(this, this, "GroupBoxText", 10, 8, 390, 140);
    GroupBoxText->SetCaption("&Text of Speech to Synthesize");
    MemoInputString = PlaceControl<TMemo>(this, GroupBoxText, "MemoInputString", 10, 20, 370, 110);
    MemoInputString->SetScrollBars(ssVertical);

    ComboBoxVoice = PlaceControl<TComboBox>(this, this, "ComboBoxVoice", 10, 174, 390, 21);
    ComboBoxVoice->SetStyle(csDropDownList);
    ComboBoxVoice->OnChange = TNotifyEvent(this, &TTextToSpeechForm::ComboBoxVoiceChange);
    LabelVoice = AddLabel(this, this, "&Voice or Speech Engine:", 10, 157, ComboBoxVoice);
    LabelVoice->SetName("LabelVoice");

    ProgressBar = PlaceControl<TProgressBar>(this, this, "ProgressBar", 10, 220, 390, 16);
    LabelProgress = AddLabel(this, this, "&Progress:", 10, 203);
    LabelProgress->SetName("LabelProgress");

    ButtonSynthesize = AddDialogButton(this, this, "Synthesize Speech", 194, 243);
    ButtonSynthesize->SetName("ButtonSynthesize");
    ButtonSynthesize->SetWidth(125);
    ButtonSynthesize->SetDefault(true);
    ButtonSynthesize->OnClick = TNotifyEvent(this, &TTextToSpeechForm::ButtonSynthesizeClick);
    ButtonCancel = AddDialogButton(this, this, "Cancel", 325, 243);
    ButtonCancel->SetName("ButtonCancel");
    ButtonCancel->SetCancel(true);
    ButtonCancel->OnClick = TNotifyEvent(this, &TTextToSpeechForm::ButtonCancelClick);

    OnShow = TNotifyEvent(this, &TTextToSpeechForm::FormShow);
    OnClose = TCloseEvent(this, &TTextToSpeechForm::FormClose);
    loading.End();

    TextToAudio = std::make_unique<TTextToAudio2>();
    TextToAudio->OnConvertBlock = [this](int Percent) { TextToAudioConvertBlock(Percent); };
    TextToAudio->OnEndConvert = [this] { TextToAudioEndConvert(); };
    const int voices = TextToAudio->GetVoiceCount();
    if (voices <= 0) {
        ShowError("No Speech Engine detected.");
        FNoEngine = true;
        return;
    }
    for (int i = 0; i < voices; ++i) {
        TextToAudio->SetCurrentVoice(i);
        ComboBoxVoice->Items()->Add(TextToAudio->GetVoiceName());
    }
    // The list is in the engine's alphabetical order, which starts far from the language most users
    // speak to the program in: the dialog opens on the English voice.
    std::vector<std::string> names;
    for (int i = 0; i < ComboBoxVoice->Items()->Count(); ++i)
        names.push_back(ComboBoxVoice->Items()->Strings(i));
    const int voice = DefaultVoiceIndex(names);
    TextToAudio->SetCurrentVoice(voice);
    ComboBoxVoice->SetItemIndex(voice);
}

int DefaultVoiceIndex(const std::vector<std::string>& Names) {
    int firstEnglish = -1;
    for (std::size_t i = 0; i < Names.size(); ++i) {
        if (Names[i] == "English (America)") return static_cast<int>(i);
        if (firstEnglish < 0 && Names[i].rfind("English", 0) == 0) firstEnglish = static_cast<int>(i);
    }
    return firstEnglish >= 0 ? firstEnglish : 0;
}

TTextToSpeechForm::~TTextToSpeechForm() {
    TextToAudio->OnConvertBlock = nullptr;
    TextToAudio->OnEndConvert = nullptr;
}

int TTextToSpeechForm::ShowModal() {
    // Without a speech engine there is nothing to offer: the dialog ends before it is shown.
    if (FNoEngine) return mrCancel;
    return TForm::ShowModal();
}

void TTextToSpeechForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TTextToSpeechForm::FormClose(TObject*, TCloseAction&) {
    // The close box ends a synthesis on its way as Cancel does.
    if (ModalResult() != mrOk) TextToAudio->Cancel();
}

void TTextToSpeechForm::ComboBoxVoiceChange(TObject*) {
    TextToAudio->SetVoiceName(ComboBoxVoice->Text());
}

void TTextToSpeechForm::SetInputEnabled(bool Enabled) {
    MemoInputString->SetEnabled(Enabled);
    LabelVoice->SetEnabled(Enabled);
    ComboBoxVoice->SetEnabled(Enabled);
    ButtonSynthesize->SetEnabled(Enabled);
}

void TTextToSpeechForm::ButtonSynthesizeClick(TObject*) {
    if (MemoInputString->Lines()->Count() == 0) {
        ShowError("No Text of Speech to Synthesize.");
        return;
    }
    TextToAudio->SetOutputFormat(SampleRate, Channels);
    TextToAudio->SetSpeed(NormalSpeed);
    TextToAudio->SetVolume(FullVolume);
    TextToAudio->SetPitch(OwnPitch);
    TWaitCursor wait;
    SetInputEnabled(false);
    std::string text = MemoInputString->Text();
    text.erase(std::remove(text.begin(), text.end(), '<'), text.end());
    TextToAudio->Synthesize(text, TargetPath, SampleBits);
}

void TTextToSpeechForm::ButtonCancelClick(TObject*) {
    TextToAudio->Cancel();
    SetModalResult(mrCancel);
}

void TTextToSpeechForm::TextToAudioConvertBlock(int Percent) {
    ProgressBar->SetPosition(Percent);
}

void TTextToSpeechForm::TextToAudioEndConvert() {
    SetInputEnabled(true);
    // A synthesis that failed wrote no file: say why and stay, rather than hand on a missing file.
    if (!TextToAudio->LastError().empty()) {
        ProgressBar->SetPosition(0);
        ShowError(TextToAudio->LastError());
        return;
    }
    SetModalResult(mrOk);
}
