// TTextToSpeechForm: "Synthesize Speech" — the user types a text and chooses a voice; the dialog renders
// the text with that voice into its target file in the caller's format and closes with OK once the file
// is complete. Cancel stops a synthesis on its way and leaves no file.
#pragma once

#include "platform/vcl/Form.h"

#include <memory>
#include <string>
#include <vector>

class TButton;
class TComboBox;
class TGroupBox;
class TLabel;
class TMemo;
class TProgressBar;
class TTextToAudio2;

class TTextToSpeechForm : public TForm {
public:
    // Lists the installed voices; without any it says so and ShowModal then ends at once with Cancel.
    explicit TTextToSpeechForm(TComponent* AOwner);
    ~TTextToSpeechForm() override;

    // Set by the caller before showing.
    int SampleRate = 44100;
    int Channels = 2;
    std::string TargetPath;

    std::unique_ptr<TTextToAudio2> TextToAudio;
    TGroupBox* GroupBoxText = nullptr;
    TMemo* MemoInputString = nullptr;
    TLabel* LabelVoice = nullptr;
    TComboBox* ComboBoxVoice = nullptr;
    TLabel* LabelProgress = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TButton* ButtonSynthesize = nullptr;
    TButton* ButtonCancel = nullptr;

    int ShowModal() override;

    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ComboBoxVoiceChange(TObject* Sender);
    void ButtonSynthesizeClick(TObject* Sender);
    void ButtonCancelClick(TObject* Sender);
    void TextToAudioConvertBlock(int Percent);
    void TextToAudioEndConvert();

private:
    void SetInputEnabled(bool Enabled);
    bool FNoEngine = false;
};

// The voice the dialog opens on, among the engine's voice names: American English, else the first
// English voice, else the first voice.
int DefaultVoiceIndex(const std::vector<std::string>& Names);
