// The text-to-speech command and dialog over a real editor and the speech engine: speech of a short
// sentence inserted at the cursor in the document's format, Cancel and the close box, an empty text, a
// failed synthesis, and speech without a document.
#include "tests/source/recording/ToolTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/devices/TextToAudio2.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/ProgressBar.h"
#include "source/GlobalVars.h"
#include "source/speech/SpeechRoad.h"
#include "source/speech/TextToSpeechForm.h"

namespace text_to_speech_test {

using namespace tool_test;

class TextToSpeech : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        if (TTextToAudio2().GetVoiceCount() <= 0) GTEST_SKIP() << "no speech voices here";
    }
    TTextToSpeechForm* Dialog() const { return dynamic_cast<TTextToSpeechForm*>(ActiveForm()); }
    // Types the text and asks for the speech; waits for the dialog to end when `Wait`.
    void Speak(const std::string& Text, bool Wait = true) {
        Then([this, Text, Wait] {
            TTextToSpeechForm* dialog = Dialog();
            ASSERT_NE(dialog, nullptr);
            dialog->MemoInputString->SetText(Text);
            dialog->ButtonSynthesize->Click();
            if (Wait) ASSERT_TRUE(PumpUntil([dialog] { return dialog->ModalResult() != mrNone; }));
        });
    }
    std::string SpeechFile() const { return GlobalVars().TempFolder + "SynthesizeSpeech.wav"; }
};

TEST(TextToSpeechVoice, TheDialogOpensOnTheEnglishVoice) {
    struct TCase {
        std::vector<std::string> Names;
        int Expected;
    };
    const TCase cases[] = {
        {{"Afrikaans", "English (Great Britain)", "English (America)", "French"}, 2},
        {{"Afrikaans", "English (Scotland)", "English (Great Britain)"}, 1},
        {{"Afrikaans", "German"}, 0},
        {{}, 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(DefaultVoiceIndex(c.Names), c.Expected) << c.Names.size();
}

TEST_F(TextToSpeech, ASentenceIsSpokenIntoTheDocumentAtTheCursor) {
    OpenDocument(22050, 1, 1.0, 0.5);
    Then([this] {
        TTextToSpeechForm* dialog = Dialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Caption(), "Synthesize Speech");
        EXPECT_EQ(dialog->SampleRate, 22050);
        EXPECT_EQ(dialog->Channels, 1);
        // The speech is made in the temporary folder, never beside the program.
        EXPECT_EQ(dialog->TargetPath, SpeechFile());
        EXPECT_GT(dialog->ComboBoxVoice->Items()->Count(), 0);
        // The dialog opens on the English voice, whichever place the engine's list gives it.
        std::vector<std::string> names;
        for (int i = 0; i < dialog->ComboBoxVoice->Items()->Count(); ++i)
            names.push_back(dialog->ComboBoxVoice->Items()->Strings(i));
        EXPECT_EQ(dialog->ComboBoxVoice->ItemIndex(), DefaultVoiceIndex(names));
        EXPECT_EQ(dialog->ComboBoxVoice->Text().rfind("English", 0), 0u) << dialog->ComboBoxVoice->Text();
        EXPECT_EQ(dialog->TextToAudio->GetVoiceName(), dialog->ComboBoxVoice->Text());
        dialog->MemoInputString->SetText("Welcome to the sound editor.");
        Picture(dialog, "speech", "speech-dialog");
    });
    Speak("Welcome to the sound editor.");
    RunTextToSpeechCommand(*Host);
    EXPECT_EQ(Host->StopCalls, 1);
    ASSERT_EQ(Host->Inserted.size(), 1u);
    const TSound& speech = Host->Inserted[0];
    EXPECT_EQ(speech.SampleRate, 22050);
    EXPECT_EQ(speech.Channels, 1);
    EXPECT_GT(Seconds(speech), 0.8);
    EXPECT_GT(PeakBetween(speech, 0, Seconds(speech)), 0.05);
    EXPECT_EQ(Host->Editor().Position().GetLength(), 22050 + std::int64_t(speech.Samples.size()));
    EXPECT_TRUE(Host->Modified);
    EXPECT_FALSE(FileExists(SpeechFile()));
}

TEST_F(TextToSpeech, CancelAndTheCloseBoxLeaveTheDocumentAndNoFile) {
    OpenDocument(44100, 2, 1.0, 0.0);
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Cancel");
        // Long enough that the synthesis is still on its way when the dialog is closed.
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "A long text, spoken slowly and at length, sentence after sentence. ";
        Speak(text, false);
        Then([this, closeBox] {
            TTextToSpeechForm* dialog = Dialog();
            EXPECT_FALSE(dialog->ButtonSynthesize->Enabled()); // busy
            if (closeBox)
                dialog->Close();
            else
                dialog->ButtonCancel->Click();
        });
        RunTextToSpeechCommand(*Host);
        EXPECT_TRUE(Host->Inserted.empty());
        EXPECT_EQ(Host->Editor().Position().GetLength(), 44100);
        EXPECT_FALSE(Host->Modified);
        EXPECT_FALSE(FileExists(SpeechFile()));
    }
}

TEST_F(TextToSpeech, WithoutTextTheDialogSaysSoAndStays) {
    OpenDocument(44100, 2, 1.0, 0.0);
    Then([this] {
        TTextToSpeechForm* dialog = Dialog();
        dialog->ButtonSynthesize->Click();
        EXPECT_EQ(dialog->ModalResult(), mrNone);
        EXPECT_TRUE(dialog->ButtonSynthesize->Enabled());
        dialog->ButtonCancel->Click();
    });
    RunTextToSpeechCommand(*Host);
    EXPECT_EQ(Boxes, std::vector<std::string>{"No Text of Speech to Synthesize."});
    EXPECT_TRUE(Host->Inserted.empty());
}

// A synthesis that fails ends with its reason and the dialog stays, rather than handing on no file.
TEST_F(TextToSpeech, AFailedSynthesisSaysWhyAndTheDialogStays) {
    Speak("Nowhere to go.", false);
    Then([this] {
        TTextToSpeechForm* dialog = Dialog();
        ASSERT_TRUE(PumpUntil([dialog] { return dialog->ButtonSynthesize->Enabled(); }));
        EXPECT_EQ(dialog->ModalResult(), mrNone);
        dialog->ButtonCancel->Click();
    });
    EXPECT_FALSE(RunSpeechDialog(*Owner, 22050, 1, Scratch + "no-such-folder/speech.wav"));
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_FALSE(Boxes[0].empty());
}

TEST_F(TextToSpeech, TheDocumentsFormatIsKeptUpTo96000Hz) {
    OpenDocument(96000, 2, 0.5, 0.0);
    Speak("High rate.");
    RunTextToSpeechCommand(*Host);
    ASSERT_EQ(Host->Inserted.size(), 1u);
    EXPECT_EQ(Host->Inserted[0].SampleRate, 96000);
    EXPECT_EQ(Host->Inserted[0].Channels, 2);
}

TEST_F(TextToSpeech, WithoutADocumentTheChosenFormatMakesOne) {
    Host->PromptRate = 16000;
    Host->PromptChannels = 1;
    Speak("A new document.");
    RunTextToSpeechCommand(*Host);
    EXPECT_EQ(Host->Prompts, 1);
    ASSERT_EQ(Host->NewDocuments.size(), 1u);
    EXPECT_EQ(Host->NewDocuments[0], std::make_pair(16000, 1));
    ASSERT_EQ(Host->Inserted.size(), 1u);
    EXPECT_EQ(Host->Inserted[0].SampleRate, 16000);
    EXPECT_FALSE(FileExists(SpeechFile()));

    // Cancelled, the new-file dialog ends the command before the speech dialog.
    Host->Editor().Close();
    Host->PromptAccepts = false;
    RunTextToSpeechCommand(*Host);
    EXPECT_EQ(Host->Prompts, 2);
    EXPECT_EQ(Host->Inserted.size(), 1u);
}

} // namespace text_to_speech_test
