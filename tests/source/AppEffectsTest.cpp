// The effect commands of the running program: an effect chosen from the command menu opens its
// dialog over the main window, applies to the selection on OK (undo restores it) and changes nothing
// on Cancel.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EchoForm.h"
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

} // namespace app_test
