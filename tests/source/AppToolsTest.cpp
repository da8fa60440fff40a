// The main window's tools through the whole program: recording with F5 into a new document, text to
// speech from the command menu into the open document, and the frequency analysis window following the
// editor's cursor.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/devices/AudioRecord2.h"
#include "audio/devices/TextToAudio2.h"
#include "audio/views/AudioVisualization2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Memo.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/analysis/FreAnalysisForm.h"
#include "source/mainform/MainForm.h"
#include "source/recording/RecordControlForm.h"
#include "source/speech/TextToSpeechForm.h"
#include "tests/source/recording/ToolTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

namespace app_test {

TEST_F(AppTest, F5RecordsIntoANewDocumentInTheChosenFormat) {
    const tool_test::TSignal input = tool_test::TSignal().Tone(10, 440, 0.5);
    const std::string capture = Documents + "capture-in.raw";
    std::ofstream(capture, std::ios::binary)
        .write(reinterpret_cast<const char*>(input.Samples.data()),
               std::streamsize(input.Samples.size() * 4));
    Environment.Set("SDL_AUDIODRIVER", "disk");
    Environment.Set("SDL_DISKAUDIOFILEIN", capture);
    Environment.Set("SDL_DISKAUDIOFILE", Documents + "capture-out.raw");
    Environment.Set("SDL_DISKAUDIODELAY", "1");
    StartApp();
    ASSERT_FALSE(MainForm->DocumentOpen);
    Then([this] { EXPECT_EQ(ActiveForm()->Caption(), "New Sample"); });
    ThenKey(VK_RETURN); // 44,100 Hz stereo
    Then([this] {
        auto* window = dynamic_cast<TRecordControlForm*>(ActiveForm());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->RecordSampleRate, 44100);
        window->ActionRecord->Execute();
        ASSERT_TRUE(tool_test::WaitFor([&] { return window->AudioRecord->FramesCaptured() >= 22050; },
                                       [this] { Pump(); }));
        Advance(1520);
        window->ActionList->UpdateActions(); // as the idle loop does
        Pump();
        window->Update();
        EXPECT_EQ(window->LabelTime->Caption(), "00:00:01:520");
        EXPECT_TRUE(olva::win::SaveWindowPng(window->Handle(), PicturePath("recording-window")));
        window->ButtonKeep->Click();
    });
    Key(VK_F5);
    ASSERT_TRUE(MainForm->DocumentOpen);
    EXPECT_EQ(MainForm->FileName, "Untitled");
    EXPECT_TRUE(MainForm->Modified());
    EXPECT_EQ(MainForm->AudioEditor->FileInfo().GetSampleRate(), 44100);
    EXPECT_GE(MainForm->AudioEditor->Position().GetLength(), 22050);
    EXPECT_EQ(GlobalVars().RecordingFile, GlobalVars().TempFolder + "Recording.wav");
}

TEST_F(AppTest, TextToSpeechFromTheMenuGoesIntoTheOpenDocumentAtTheCursor) {
    if (TTextToAudio2().GetVoiceCount() <= 0) GTEST_SKIP() << "no speech voices here";
    const std::string wav = Documents + "tone.wav";
    WriteSound(wav, TestPiece(22050, 1, 1.0), 22050, 1, afWav);
    StartApp({wav});
    ASSERT_TRUE(MainForm->DocumentOpen);
    MainForm->AudioEditor->Position().SetCursor(11025);
    Then([this] {
        auto* dialog = dynamic_cast<TTextToSpeechForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        dialog->MemoInputString->SetText("Inserted at the cursor.");
        dialog->ButtonSynthesize->Click();
        ASSERT_TRUE(tool_test::WaitFor([&] { return dialog->ModalResult() != mrNone; }, [this] { Pump(); }));
    });
    Command(MainForm->ActionTextToSpeech);
    EXPECT_GT(MainForm->AudioEditor->Position().GetLength(), 22050 + 11025);
    EXPECT_TRUE(MainForm->Modified());
    EXPECT_FALSE(std::filesystem::exists(GlobalVars().TempFolder + "SynthesizeSpeech.wav"));
}

TEST_F(AppTest, TheFrequencyAnalysisWindowFollowsTheCursor) {
    // Half a second of silence, then a 2 kHz tone.
    std::vector<float> samples(44100, 0.0f);
    for (std::size_t i = 22050; i < samples.size(); ++i)
        samples[i] = float(0.5 * std::sin(2 * M_PI * 2000 * double(i) / 44100));
    const std::string wav = Documents + "half.wav";
    WriteSound(wav, samples, 44100, 1, afWav);
    StartApp({wav});
    TFreAnalysisForm* analysis = MainForm->FrequencyAnalysisWindow();
    ASSERT_NE(analysis, nullptr);
    EXPECT_FALSE(analysis->Visible());
    Command(MainForm->ActionFrequencyAnalysis);
    EXPECT_TRUE(analysis->Visible());
    auto loudest = [&] {
        const std::vector<float>& levels = analysis->AudioVisualization->Levels();
        return levels.empty() ? -200.0f : *std::max_element(levels.begin(), levels.end());
    };
    analysis->ComboBoxViewType->SetItemIndex(2); // "Normal"
    analysis->ApplySettings();
    MainForm->AudioEditor->Position().SetCursor(0);
    EXPECT_LT(loudest(), -60);
    MainForm->AudioEditor->Position().SetCursor(30000);
    EXPECT_GT(loudest(), -10);
    Pump();
    analysis->Update();
    EXPECT_TRUE(olva::win::SaveWindowPng(analysis->Handle(), PicturePath("frequency-analysis-normal")));
}

} // namespace app_test
