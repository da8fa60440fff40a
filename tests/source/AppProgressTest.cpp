// Long work as a user waits for it: the progress window comes up at once and offers Cancel, which ends
// an open or an effect and leaves the document as it was; what the start-up schedules waits for a
// command's progress loop to end.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgramStart.h"
#include "source/ProgressForm.h"
#include "source/mainform/MainForm.h"

namespace app_test {

class AppProgressTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        First = Documents + "first.wav";
        Second = Documents + "second.wav";
        WriteSound(First, TestPiece(22050, 2, 2.0), 22050, 2, 1);
        WriteSound(Second, TestPiece(44100, 1, 3.0), 44100, 1, 1);
    }
    // The user clicks Cancel as soon as the progress window shows (a picture of it is kept).
    void CancelWhenTheProgressWindowShows() {
        TFormProgress* progress = MainForm->FormProgress;
        TNotifyEvent shown = progress->OnShow;
        progress->OnShow = TNotifyEvent(
            [this, progress, shown](TObject* Sender) {
                shown(Sender);
                Shown.push_back(progress->ButtonCancel->Visible());
                // The picture once the window is up and drawn, as the click reaches the button.
                TNotifyEvent clicked = progress->ButtonCancel->OnClick;
                progress->ButtonCancel->OnClick = TNotifyEvent(
                    [progress, clicked](TObject* Button) {
                        RedrawWindow(progress->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
                        olva::win::SaveWindowPng(progress->Handle(), PicturePath("progress-with-cancel"));
                        TNotifyEvent restored = clicked;
                        progress->ButtonCancel->OnClick = restored;
                        restored(Button);
                    },
                    progress);
                ClickOn(progress->ButtonCancel);
                // Last: this handler goes with it.
                TNotifyEvent restored = shown;
                progress->OnShow = restored;
            },
            this);
    }
    std::string First, Second;
    std::vector<bool> Shown; // whether Cancel was offered, each time the window showed
};

TEST_F(AppProgressTest, CancelEndsAnOpenOrAnEffectAndLeavesTheDocumentAsItWas) {
    StartApp();
    ASSERT_TRUE(MainForm->OpenAudioFile(First));
    TAudioEditor2& editor = *MainForm->AudioEditor;
    struct Case {
        const char* Name;
        std::function<void()> Command;
    };
    const Case cases[] = {
        {"open another file", [this] { MainForm->OpenAudioFile(Second); }},
        {"an effect on the whole document",
         [&] {
             editor.Position().SetSelection(-1);
             editor.Position().SetSelectionStart(0);
             editor.Position().SetSelectionEnd(editor.Position().GetLength());
             editor.Transform().Amplify(300.0f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<float> before = editor.Document().ReadInterleaved(0, editor.Document().Length());
        const bool undoable = editor.UndoAvailable();
        Shown.clear();
        CancelWhenTheProgressWindowShows();
        EXPECT_THROW(c.Command(), EAbort);
        Pump();
        EXPECT_EQ(Shown, std::vector<bool>{true});
        EXPECT_EQ(MainForm->FileName, First);
        EXPECT_EQ(editor.FileInfo().GetSampleRate(), 22050);
        EXPECT_EQ(editor.Document().ReadInterleaved(0, editor.Document().Length()), before);
        EXPECT_EQ(editor.UndoAvailable(), undoable);
        EXPECT_FALSE(MainForm->Modified());
        // The window is the user's again, and the progress window is gone.
        EXPECT_TRUE(MainForm->Enabled());
        EXPECT_FALSE(MainForm->FormProgress->Showing());
    }
    // Without a Cancel the same open goes through.
    EXPECT_TRUE(MainForm->OpenAudioFile(Second));
    EXPECT_EQ(MainForm->FileName, Second);
}

TEST_F(AppProgressTest, TheWelcomeWindowWaitsForAnOpenThatRunsWhenItIsDue) {
    CloseWelcomeWindow = false;
    SetProgramEnvironment({ProgramFolder, {}});
    MainForm = StartProgram();
    MainForm->Show();
    Pump();
    // The start's timer is due when the open begins: its progress loop handles the messages.
    Clock->Advance(250);
    bool openWhenWelcomed = false;
    Then([&] {
        openWhenWelcomed = MainForm->DocumentOpen;
        ActiveForm()->SetModalResult(mrCancel);
    });
    ASSERT_TRUE(MainForm->OpenAudioFile(First));
    Advance(250);
    EXPECT_TRUE(Steps.empty()) << "the welcome window never came";
    EXPECT_TRUE(openWhenWelcomed) << "the welcome window came inside the open";
}

} // namespace app_test
