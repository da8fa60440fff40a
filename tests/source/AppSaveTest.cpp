// Saving as a user does: a selection into a file of its own, the document as each of the four formats
// (then opened again and compared), a name the writer cannot write under, and the save prompt at close.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioInformation2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/mainform/MainForm.h"

#include <cmath>
#include <filesystem>

namespace app_test {

namespace {

// The RMS of each channel over consecutive blocks of `Block` frames.
std::vector<double> BlockLevels(const TDecoded& Sound, int Block) {
    std::vector<double> levels;
    const std::size_t frames = Sound.Samples.size() / std::size_t(Sound.Channels);
    for (std::size_t start = 0; start + std::size_t(Block) <= frames; start += std::size_t(Block))
        for (int c = 0; c < Sound.Channels; ++c) {
            double sum = 0;
            for (std::size_t i = start; i < start + std::size_t(Block); ++i) {
                const double v = Sound.Samples[i * std::size_t(Sound.Channels) + std::size_t(c)];
                sum += v * v;
            }
            levels.push_back(std::sqrt(sum / Block));
        }
    return levels;
}

} // namespace

class AppSaveTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Original = TestPiece(44100, 2, 1.0);
        Wav = Documents + "piece.wav";
        WriteSound(Wav, Original, 44100, 2, 1);
    }
    // Drags the mouse across the waveform from one fraction of its width to another.
    void DragSelect(double From, double To) {
        TAudioEditorSurface* surface = MainForm->AudioEditor->Surface();
        const int y = surface->ClientHeight() / 3;
        const POINT a = surface->ClientToScreen(POINT{int(surface->ClientWidth() * From), y});
        const POINT b = surface->ClientToScreen(POINT{int(surface->ClientWidth() * To), y});
        olva::win::InjectMouse(olva::win::MouseAction::Move, a.x, a.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftDown, a.x, a.y);
        olva::win::InjectMouse(olva::win::MouseAction::Move, (a.x + b.x) / 2, b.y);
        olva::win::InjectMouse(olva::win::MouseAction::Move, b.x, b.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftUp, b.x, b.y);
        Pump();
    }
    void SaveAs(TAction* Action, const std::string& Path) {
        ThenChooseFile(Path);
        ThenKey(VK_RETURN); // the format's quality dialog, as it stands
        Command(Action);
    }
    std::vector<float> Original;
    std::string Wav;
};

TEST_F(AppSaveTest, SavingTheSelectionWritesItAloneAndLeavesTheDocumentAsItWas) {
    StartApp();
    Drop({Wav});
    DragSelect(0.25, 0.5);
    TAudioEditor2Position& position = MainForm->AudioEditor->Position();
    const std::int64_t start = position.GetSelectionStart(), end = position.GetSelectionEnd();
    ASSERT_GT(end - start, 4000);
    MainForm->SetModified(true);
    const std::string caption = MainForm->Caption();
    const std::string part = Documents + "part.wav";
    SaveAs(MainForm->ActionSaveSelect, part);
    const TDecoded saved = ReadSound(part);
    ASSERT_EQ(saved.Samples.size(), std::size_t(end - start) * 2);
    for (std::size_t i = 0; i < saved.Samples.size(); i += 997)
        EXPECT_NEAR(saved.Samples[i], Original[std::size_t(start) * 2 + i], 1.0 / 32768) << i;
    // The document keeps its name, caption and mark; the new file heads the recent lists.
    EXPECT_EQ(MainForm->FileName, Wav);
    EXPECT_EQ(MainForm->Caption(), caption);
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
    EXPECT_EQ(MainForm->Bars().MRUFiles().Items().front(), part);
    // Copy To New takes the same road.
    const std::string copy = Documents + "copy.ogg";
    SaveAs(MainForm->ActionCopyToNew, copy);
    EXPECT_EQ(ReadSound(copy).Channels, 2);
    EXPECT_EQ(MainForm->FileName, Wav);
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
}

TEST_F(AppSaveTest, SaveAsWritesEachFormatThatOpensAgainWithTheSameSound) {
    StartApp();
    Drop({Wav});
    const std::vector<double> expected = BlockLevels(TDecoded{44100, 2, Original}, 4410);
    struct TCase {
        const char* Name;
        int Channels;
        double Tolerance; // of the block levels, relative
    };
    const TCase cases[] = {
        {"again.wav", 2, 1e-4}, {"again.mp3", 2, 0.08}, {"again.ogg", 2, 0.08}, {"again.wma", 2, 0.08}};
    for (const TCase& c : cases) {
        const std::string path = Documents + c.Name;
        MainForm->SetModified(true);
        SaveAs(MainForm->ActionSaveAs, path);
        ASSERT_TRUE(std::filesystem::exists(path)) << c.Name;
        EXPECT_EQ(MainForm->FileName, path);
        EXPECT_EQ(MainForm->AudioEditor->Tag(), 11) << c.Name;
        EXPECT_EQ(MainForm->Bars().Ribbon().DocumentName(), path);
        const TDecoded decoded = ReadSound(path);
        EXPECT_EQ(decoded.SampleRate, 44100) << c.Name;
        ASSERT_EQ(decoded.Channels, c.Channels) << c.Name;
        const double frames = double(decoded.Samples.size()) / decoded.Channels;
        EXPECT_NEAR(frames, 44100, 2500) << c.Name;
        const std::vector<double> levels = BlockLevels(decoded, 4410);
        ASSERT_GE(levels.size(), expected.size() - 2) << c.Name;
        // The middle blocks (the codecs' start-up delay shifts the first by a little).
        for (std::size_t i = 4; i + 4 < expected.size(); ++i)
            EXPECT_NEAR(levels[i], expected[i], expected[i] * c.Tolerance + 1e-4) << c.Name << " block " << i;
    }
    // Opened again (dropped), each file is the current document and the recent list's top entry.
    Drop({Documents + "again.wav"});
    EXPECT_EQ(MainForm->FileName, Documents + "again.wav");
    EXPECT_EQ(MainForm->AudioEditor->Document().Length(), 44100);
    const std::vector<float> samples = MainForm->AudioEditor->Document().ReadInterleaved(0, 44100);
    for (std::size_t i = 0; i < samples.size(); i += 611)
        EXPECT_NEAR(samples[i], Original[i], 1.0 / 32768) << i;
}

TEST_F(AppSaveTest, ADocumentNamedInAFormatOnlyReadAsksForANameInsteadOfSavingNothing) {
    const std::string mp2 = Documents + "radio.mp2";
    std::filesystem::copy_file(Wav, mp2);
    StartApp();
    Drop({mp2});
    MainForm->SetModified(true);
    Then([this] {
        EXPECT_EQ(ActiveForm()->Caption(), "Save As");
        auto* name = dynamic_cast<TEdit*>(ActiveForm()->ActiveControl());
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->Text(), "radio");
    });
    ThenChooseFile(Documents + "radio.wav");
    ThenKey(VK_RETURN);
    Key('S', {VK_CONTROL});
    EXPECT_EQ(MainForm->FileName, Documents + "radio.wav");
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 11);
    EXPECT_EQ(ReadSound(Documents + "radio.wav").Samples.size(), Original.size());
}

// Saving never resamples nor mixes channels by default: the WAV dialog opens on the document's own rate
// and channels, and Enter writes them; a cancelled dialog leaves the stored choice as it was.
TEST_F(AppSaveTest, SavingAWavKeepsTheDocumentsRateAndChannelsUnlessTheUserPicksOthers) {
    struct TCase {
        int Rate, Channels;
        bool SaveAs;
    };
    StartApp();
    const TGlobalVars stored = GlobalVars();
    for (const TCase& c : {TCase{48000, 1, false}, TCase{22050, 1, true}, TCase{96000, 2, false}}) {
        const std::string path = Documents + "own-" + std::to_string(c.Rate) + ".wav";
        WriteSound(path, TestPiece(c.Rate, c.Channels, 0.5), c.Rate, c.Channels, 1);
        Drop({path});
        Key(VK_DELETE); // an edit: the selection, or nothing, goes
        MainForm->SetModified(true);
        const std::string target = c.SaveAs ? Documents + "copy-" + std::to_string(c.Rate) + ".wav" : path;
        if (c.SaveAs) ThenChooseFile(target);
        if (c.Rate == 48000) ThenPicture("save-wav-offers-the-documents-format");
        ThenKey(VK_RETURN);
        if (c.SaveAs)
            Command(MainForm->ActionSaveAs);
        else
            Key('S', {VK_CONTROL});
        const TDecoded written = ReadSound(target);
        EXPECT_EQ(written.SampleRate, c.Rate);
        EXPECT_EQ(written.Channels, c.Channels) << c.Rate;
        EXPECT_NEAR(double(written.Samples.size()) / c.Channels, c.Rate * 0.5, 2) << c.Rate;
    }
    // Cancelled: nothing written, and the stored WAV choice is what it was before the offers.
    GlobalVars().OutputWAVType = stored.OutputWAVType;
    GlobalVars().OutputWAVSampleType = stored.OutputWAVSampleType;
    GlobalVars().OutputWAVMode = stored.OutputWAVMode;
    MainForm->SetModified(true);
    ThenKey(VK_ESCAPE);
    Key('S', {VK_CONTROL});
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
    EXPECT_EQ(GlobalVars().OutputWAVType, stored.OutputWAVType);
    EXPECT_EQ(GlobalVars().OutputWAVSampleType, stored.OutputWAVSampleType);
    EXPECT_EQ(GlobalVars().OutputWAVMode, stored.OutputWAVMode);
}

class AppClosePromptTest : public AppSaveTest, public ::testing::WithParamInterface<int> {};

TEST_P(AppClosePromptTest, TheCloseAsksAboutAChangedDocumentAndDoesWhatTheAnswerSays) {
    const int answer = GetParam(); // 'Y', 'N' or VK_ESCAPE
    StartApp();
    Drop({Wav});
    // A change through the tag dialog: a new title.
    Then([this] { dynamic_cast<TEdit*>(ActiveForm()->FindComponent("EditTitle"))->SetText("Evening"); });
    ThenKey(VK_RETURN);
    Command(MainForm->ActionEditID3);
    ASSERT_EQ(MainForm->AudioEditor->Tag(), 10);
    const auto before = std::filesystem::last_write_time(Wav);

    ThenReadBox();
    ThenKey(answer);
    if (answer == 'Y') ThenKey(VK_RETURN); // the WAV quality dialog
    CloseMainWindow();
    ASSERT_EQ(BoxTexts.size(), 1u);
    EXPECT_EQ(BoxTexts[0], "Do you want to save the changes you made to \"" + Wav + "\"?");
    TAudioInformation2 information;
    information.Open(Wav);
    if (answer == VK_ESCAPE) {
        EXPECT_FALSE(Application()->Terminated());
        EXPECT_TRUE(MainForm->Showing());
        EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
        EXPECT_EQ(std::filesystem::last_write_time(Wav), before);
    } else {
        EXPECT_TRUE(Application()->Terminated());
        EXPECT_EQ(information.Tags().Title, answer == 'Y' ? "Evening" : "");
        MainForm = nullptr;
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, AppClosePromptTest, ::testing::Values(int('Y'), int('N'), VK_ESCAPE));

} // namespace app_test
