// The effect commands of the running program: an effect chosen from the command menu opens its
// dialog over the main window, applies to the selection on OK (undo restores it) and changes nothing
// on Cancel; the ribbon's filter and one-click buttons, items of the command menu for now, run theirs.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/views/AudioTransformDisplay2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/EnvelopeForm.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/HighPassForm.h"
#include "source/effects/PeakEQForm.h"
#include "source/effects/PitchChangeForm.h"
#include "source/effects/SpeedChangeForm.h"
#include "source/interim/InterimCommandMenu.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainForm.h"

namespace app_test {

class AppEffectsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Wav = Documents + "piece.wav";
        WriteSound(Wav, TestPiece(22050, 2, 1.0), 22050, 2, 1);
    }
    // The document's samples from start to end.
    std::vector<float> Samples(std::int64_t start, std::int64_t end) {
        TAudioEditor2Position& position = MainForm->AudioEditor->Position();
        position.SetSelection(-1);
        position.SetSelectionStart(start);
        position.SetSelectionEnd(end);
        return MainForm->AudioEditor->GetSamples(end - start);
    }
    void OpenAndSelect(std::int64_t start, std::int64_t end) {
        ThenChooseFile(Wav);
        Command(MainForm->ActionOpenFile);
        ASSERT_TRUE(MainForm->DocumentOpen);
        Before = Samples(0, 22050);
        Samples(start, end);
    }
    std::string Wav;
    std::vector<float> Before;
};

TEST_F(AppEffectsTest, EchoFromTheMenuAppliesToTheSelectionAndUndoRestoresIt) {
    StartApp();
    OpenAndSelect(2205, 11025);
    Then([this] {
        auto* echo = dynamic_cast<TEchoForm*>(ActiveForm());
        ASSERT_NE(echo, nullptr);
        EXPECT_EQ(echo->Left(), MainForm->Left() + (MainForm->Width() - echo->Width()) / 2);
        EXPECT_EQ(echo->Top(), MainForm->Top() + (MainForm->Height() - echo->Height()) / 2);
        echo->ImageSliderFeedbackGain->SetFocus();
    });
    ThenKey(VK_END); // feedback 100
    ThenKey('P', {VK_MENU});
    ThenKey(VK_DOWN); // the preset "Echo": 200, 70, 40
    ThenPicture("effect-echo-over-main-window");
    ThenKey(VK_RETURN);
    Command(MainForm->ActionEcho);
    EXPECT_TRUE(Unanswered.empty());
    EXPECT_EQ(GlobalVars().DefEchoDelayTime, 200);
    EXPECT_EQ(GlobalVars().DefEchoFeedbackGain, 40);
    EXPECT_TRUE(MainForm->Modified());
    const std::vector<float> after = Samples(0, 22050);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 2205 * 2, Before.begin()));
    EXPECT_FALSE(std::equal(after.begin() + 2205 * 2, after.begin() + 11025 * 2, Before.begin() + 2205 * 2));
    MainForm->AudioEditor->Undo();
    EXPECT_EQ(Samples(0, 22050), Before);
}

// A level that would clip says so, with the peak it would reach, before anything changes: No goes back
// to the dialog to mend the level, Yes applies it; a level within full scale asks nothing.
TEST_F(AppEffectsTest, AmplifyAndNormalizeSayWhenTheResultWouldClip) {
    StartApp();
    OpenAndSelect(0, 22050);
    GlobalVars().DefAmplify = 500;
    ThenKey(VK_RETURN); // the dialog's OK with 500 %
    ThenPicture("amplify-would-clip");
    ThenReadBox();
    ThenKey('N');
    Then([this] { EXPECT_NE(dynamic_cast<TAmplifyForm*>(ActiveForm()), nullptr); }); // back to mend it
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionAmplify);
    EXPECT_TRUE(Unanswered.empty());
    ASSERT_EQ(BoxTexts.size(), 1u);
    EXPECT_TRUE(BoxTexts[0].starts_with("The result would clip: its peak would reach +")) << BoxTexts[0];
    EXPECT_FALSE(MainForm->Modified());
    EXPECT_EQ(Samples(0, 22050), Before);
    // Yes applies it as asked.
    Samples(0, 22050);
    ThenKey(VK_RETURN);
    ThenKey('Y');
    Command(MainForm->ActionAmplify);
    EXPECT_TRUE(MainForm->Modified());
    EXPECT_NE(Samples(0, 22050), Before);
    // Normalizing to 100 % reaches full scale and no further: nothing to ask.
    BoxTexts.clear();
    GlobalVars().DefNormalize = 100;
    Samples(0, 22050);
    ThenKey(VK_RETURN);
    Command(MainForm->ActionNormalize);
    EXPECT_TRUE(BoxTexts.empty());
    EXPECT_TRUE(Unanswered.empty());
}

TEST(ClipWarningTest, ThePeakIsGivenInDecibelsAndPercentOnlyBeyondFullScale) {
    EXPECT_EQ(ClipWarningText(0.5), "");
    EXPECT_EQ(ClipWarningText(1.0), "");
    EXPECT_EQ(ClipWarningText(2.0),
              "The result would clip: its peak would reach +6.0 dB (200% of full scale), "
              "and the louder parts would be cut off.\n\nApply it anyway? Choose No to "
              "change the level.");
    EXPECT_TRUE(
        ClipWarningText(9.99).starts_with("The result would clip: its peak would reach +20.0 dB (999%"));
}

TEST_F(AppEffectsTest, CancelLeavesTheDocumentAndItsMarkAlone) {
    StartApp();
    OpenAndSelect(0, 22050);
    Then([this] { ASSERT_NE(dynamic_cast<TEffectForm*>(ActiveForm()), nullptr); });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionFlanger);
    EXPECT_TRUE(Unanswered.empty());
    EXPECT_FALSE(MainForm->Modified());
    EXPECT_EQ(Samples(0, 22050), Before);
}

// Every dialog of these commands comes up over the main window; Esc leaves the document alone.
TEST_F(AppEffectsTest, TheFilterEqualizerSpeedPitchAndEnvelopeCommandsOpenTheirDialogs) {
    StartApp();
    OpenAndSelect(2205, 11025);
    const std::vector<std::pair<TAction*, std::function<bool(TCustomForm*)>>> commands{
        {MainForm->ActionHighPass, [](TCustomForm* f) { return dynamic_cast<THighPassForm*>(f) != nullptr; }},
        {MainForm->ActionEqualizer,
         [](TCustomForm* f) { return dynamic_cast<TEqualizerForm*>(f) != nullptr; }},
        {MainForm->ActionEnvelope, [](TCustomForm* f) { return dynamic_cast<TEnvelopeForm*>(f) != nullptr; }},
        {MainForm->ActionSpeedChange,
         [](TCustomForm* f) { return dynamic_cast<TSpeedChangeForm*>(f) != nullptr; }},
        {MainForm->ActionPitchChange,
         [](TCustomForm* f) { return dynamic_cast<TPitchChangeForm*>(f) != nullptr; }},
    };
    for (const auto& [action, isTheDialog] : commands) {
        bool shown = false;
        Then([&, isTheDialog = isTheDialog] {
            shown = isTheDialog(ActiveForm());
            if (shown && action == MainForm->ActionEnvelope) {
                EXPECT_EQ(static_cast<TEnvelopeForm*>(ActiveForm())->TD->ScaleXMax(), 11025.0f);
            }
        });
        ThenKey(VK_ESCAPE);
        Command(action);
        EXPECT_TRUE(shown) << action->Name();
    }
    EXPECT_TRUE(Unanswered.empty());
    EXPECT_TRUE(BoxTexts.empty());
    EXPECT_FALSE(MainForm->Modified());
    EXPECT_EQ(Samples(0, 22050), Before);
}

// A speed of 0 is refused with its own message; the dialog stays open with the text as typed.
TEST_F(AppEffectsTest, SpeedChangeRefusesZero) {
    StartApp();
    OpenAndSelect(0, 22050);
    ThenKey(VK_HOME);
    ThenKey(VK_END, {VK_SHIFT});
    ThenType("0");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenPicture("speed-change-refuses-zero");
    ThenKey(VK_RETURN);
    Then([this] {
        auto* speed = dynamic_cast<TSpeedChangeForm*>(ActiveForm());
        ASSERT_NE(speed, nullptr);
        EXPECT_EQ(speed->EditSpeedAdjust->Text(), "0");
        EXPECT_TRUE(speed->EditSpeedAdjust->Focused());
    });
    ThenPicture("speed-change-after-refusal");
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionSpeedChange);
    EXPECT_TRUE(Unanswered.empty());
    EXPECT_EQ(BoxTexts,
              std::vector<std::string>{"Speed Change Percent must be more than 0. Please try again."});
    EXPECT_FALSE(MainForm->Modified());
}

TEST_F(AppEffectsTest, TheRibbonsOneClickAndFilterButtonsRunFromTheCommandMenu) {
    StartApp();
    OpenAndSelect(2205, 11025);
    BarCommand("Invert");
    std::vector<float> after = Samples(0, 22050);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool selected = i >= 2205 * 2 && i < 11025 * 2;
        ASSERT_EQ(after[i], selected ? -Before[i] : Before[i]) << i;
    }
    EXPECT_TRUE(MainForm->Modified());
    MainForm->AudioEditor->Undo();
    Samples(2205, 11025);
    BarCommand("Voice Breath Noise Reduction");
    after = Samples(0, 22050);
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 2205 * 2, Before.begin()));
    EXPECT_NE(after, Before);
    MainForm->AudioEditor->Undo();
    // A filter button opens its dialog; Esc changes nothing.
    Samples(2205, 11025);
    Then([this] { ASSERT_NE(dynamic_cast<TPeakEQForm*>(ActiveForm()), nullptr); });
    ThenKey(VK_ESCAPE);
    BarCommand("Peak EQ");
    EXPECT_TRUE(Unanswered.empty());
    EXPECT_EQ(Samples(0, 22050), Before);
}

// Each of the ten buttons reaches its own effect command, and the availability rule can grey it.
TEST_F(AppEffectsTest, EachBarButtonRunsItsEffectCommandAndCanBeDisabled) {
    class TRecorder : public IEffectCommands {
    public:
        explicit TRecorder(std::vector<TEffectCommand>& Ran) : FRan(Ran) {}
        void RunEffect(TEffectCommand Command) override { FRan.push_back(Command); }

    private:
        std::vector<TEffectCommand>& FRan;
    };
    StartApp();
    // The buttons work on a document: without one the availability rule disables them.
    ThenChooseFile(Wav);
    Command(MainForm->ActionOpenFile);
    ASSERT_TRUE(MainForm->DocumentOpen);
    std::vector<TEffectCommand> ran;
    MainForm->SetEffectCommands(std::make_unique<TRecorder>(ran));
    const std::pair<std::string, TEffectCommand> buttons[] = {
        {"Vibrato", TEffectCommand::Vibrato},
        {"Peak EQ", TEffectCommand::PeakEQ},
        {"Notch Filter", TEffectCommand::NotchFilter},
        {"Band Pass", TEffectCommand::BandPass},
        {"Low Pass", TEffectCommand::LowPass},
        {"Low Shelf", TEffectCommand::LowShelf},
        {"High Shelf", TEffectCommand::HighShelf},
        {"Invert", TEffectCommand::Invert},
        {"Cassette Noise Reduction", TEffectCommand::CassetteNoiseReduction},
        {"Voice Breath Noise Reduction", TEffectCommand::VoiceBreathNoiseReduction},
    };
    for (const auto& [caption, command] : buttons) {
        ran.clear();
        BarCommand(caption);
        EXPECT_EQ(ran, std::vector<TEffectCommand>{command}) << caption;
    }
    auto* menu = dynamic_cast<TInterimCommandMenu*>(&MainForm->Bars());
    ASSERT_NE(menu, nullptr);
    const auto item = [menu](const std::string& tab, const std::string& caption) -> TMenuItem* {
        TMenuItem* items = menu->TabMenu(tab)->Items();
        for (int i = 0; i < items->Count(); ++i)
            if (items->Items(i)->Caption() == caption) return items->Items(i);
        return nullptr;
    };
    ASSERT_NE(item("Effect", "Low Shelf"), nullptr);
    ASSERT_NE(item("Noise Reduction", "Cassette Noise Reduction"), nullptr);
    MainForm->Bars().BarItems().SetEnabled(TBarItem::LowShelf, false);
    EXPECT_FALSE(item("Effect", "Low Shelf")->Enabled());
    EXPECT_FALSE(MainForm->Bars().BarItems().Enabled(TBarItem::LowShelf));
    EXPECT_TRUE(item("Noise Reduction", "Cassette Noise Reduction")->Enabled());
}

} // namespace app_test
