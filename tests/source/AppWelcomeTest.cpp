// The welcome window as the user meets it after start or through its command: each of its choices
// leads to its command, the recent files, their "Clear", the tutorials, the start-up check box and the
// links' look under the mouse.
#include "AppTestSupport.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Image.h"
#include "platform/vcl/Picture.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/RecentFilesFile.h"
#include "source/SettingsFile.h"
#include "source/help/HelpViewer.h"
#include "source/mainform/MainForm.h"
#include "source/welcome/LinkLabel.h"
#include "source/welcome/WelcomeStartForm.h"

#include <filesystem>

namespace app_test {

class AppWelcomeTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The program's own banner, as the build draws it beside the program.
        const std::filesystem::path art =
            std::filesystem::path(OLVA_TEST_OUT_DIR).parent_path() / "source" / "welcome.png";
        ASSERT_TRUE(std::filesystem::exists(art)) << art;
        std::filesystem::copy_file(art, ProgramFolder + "welcome.png");
        std::filesystem::create_directories(DataFolder);
    }

    TWelcomeStartForm* Welcome() const { return dynamic_cast<TWelcomeStartForm*>(ActiveForm()); }

    // A step that clicks a control of the welcome window chosen when it runs.
    void ThenClick(std::function<TControl*(TWelcomeStartForm&)> Control) {
        Then([this, Control] {
            ASSERT_NE(Welcome(), nullptr) << "no welcome window";
            ClickOn(Control(*Welcome()));
        });
    }

    void WriteRecentFiles(const std::vector<std::string>& Paths) {
        WriteRecentFilesFile(DataFolder + RecentFilesFileName, Paths);
    }
};

TEST_F(AppWelcomeTest, AfterStartItGreetsWithThePictureAndTheRecentFilesAndCloseChoosesNothing) {
    const std::string a = Documents + "first.wav", b = Documents + "second.mp3";
    WriteRecentFiles({a, b});
    CloseWelcomeWindow = false;
    Then([this, a, b] {
        TWelcomeStartForm* welcome = Welcome();
        ASSERT_NE(welcome, nullptr);
        EXPECT_EQ(welcome->Caption(), "Welcome to OLVA Audio Editor!");
        EXPECT_EQ(welcome->ImageMain->Picture()->Width(), 600);
        EXPECT_TRUE(welcome->lab1->Visible());
        EXPECT_EQ(welcome->lab1->Caption(), "first.wav");
        EXPECT_EQ(welcome->lab1->Hint(), a);
        EXPECT_EQ(welcome->lab2->Caption(), "second.mp3");
        EXPECT_EQ(welcome->lab2->Hint(), b);
        EXPECT_FALSE(welcome->lab3->Visible());
        EXPECT_TRUE(welcome->labClear->Visible());
        EXPECT_TRUE(welcome->CheckBoxShowAtStart->Checked());
        // Centred on the main window.
        EXPECT_EQ(welcome->Left(), MainForm->Left() + (MainForm->Width() - welcome->Width()) / 2);
        EXPECT_EQ(welcome->Top(), MainForm->Top() + (MainForm->Height() - welcome->Height()) / 2);
    });
    ThenPicture("welcome-window");
    ThenClick([](TWelcomeStartForm& w) { return w.ButtonClose; });
    StartApp();
    EXPECT_TRUE(Steps.empty());
    EXPECT_FALSE(MainForm->DocumentOpen);
    EXPECT_TRUE(GlobalVars().ShowStartDialog);
}

TEST_F(AppWelcomeTest, EachChoiceRunsItsCommand) {
    StartApp();
    CloseWelcomeWindow = false;
    struct TChoice {
        const char* Link;
        TAction* TMainForm::*Command;
    };
    const TChoice choices[] = {
        {"LabelNewFile", &TMainForm::ActionNewFile},
        {"LabelNewRecording", &TMainForm::ActionRecord},
        {"LabelMore", &TMainForm::ActionOpenFile},
        {"LabelLoadFromCD", &TMainForm::ActionLoadCD},
        {"LabelTextToSpeech", &TMainForm::ActionTextToSpeech},
    };
    std::vector<std::string> ran;
    for (const TChoice& choice : choices)
        (MainForm->*choice.Command)
            ->SetOnExecute(TNotifyEvent(
                [&ran, action = MainForm->*choice.Command](TObject*) { ran.push_back(action->Name()); },
                nullptr));
    for (const TChoice& choice : choices) {
        ran.clear();
        ThenClick([&choice](TWelcomeStartForm& w) {
            return dynamic_cast<TControl*>(w.FindComponent(choice.Link));
        });
        Command(MainForm->ActionWelcomeWindow);
        EXPECT_EQ(ran, std::vector<std::string>{(MainForm->*choice.Command)->Name()}) << choice.Link;
        EXPECT_EQ(ActiveForm(), MainForm) << choice.Link;
    }
}

TEST_F(AppWelcomeTest, ARecentFileOpensAndAMissingOneIsSaidAndLeavesBothRecentLists) {
    const std::string here = Documents + "here.wav", gone = Documents + "gone.wav";
    WriteSound(here, TestPiece(8000, 1, 0.2), 8000, 1, 1);
    WriteSound(gone, TestPiece(8000, 1, 0.2), 8000, 1, 1);
    WriteRecentFiles({gone, here});
    StartApp();
    ASSERT_EQ(MainForm->Bars().MRUFiles().Items(), (std::vector<std::string>{gone, here}));
    std::filesystem::remove(gone);
    CloseWelcomeWindow = false;
    ThenClick([](TWelcomeStartForm& w) { return w.lab2; });
    Command(MainForm->ActionWelcomeWindow);
    EXPECT_EQ(MainForm->FileName, here);

    ThenClick([](TWelcomeStartForm& w) { return w.lab1; });
    ThenReadBox();
    ThenKey(VK_RETURN);
    Command(MainForm->ActionWelcomeWindow);
    EXPECT_EQ(BoxTexts, std::vector<std::string>{gone + " was not found."});
    EXPECT_EQ(MainForm->FileName, here);
    EXPECT_EQ(MainForm->Bars().MRUFiles().Items(), std::vector<std::string>{here});
    EXPECT_EQ(MainForm->Bars().Ribbon().GetExtraPaneItems().IndexOfText(gone), -1);
    // The welcome window does not come back by itself.
    EXPECT_EQ(ActiveForm(), MainForm);
}

TEST_F(AppWelcomeTest, ClearEmptiesTheRecentFilesAndTheWindowStaysOpen) {
    WriteRecentFiles({Documents + "a.wav", Documents + "b.wav", Documents + "c.wav", Documents + "d.wav"});
    StartApp();
    CloseWelcomeWindow = false;
    Then([this] {
        EXPECT_TRUE(Welcome()->lab3->Visible());
        EXPECT_EQ(Welcome()->lab3->Caption(), "c.wav");
    });
    ThenClick([](TWelcomeStartForm& w) { return w.labClear; });
    Then([this] {
        TWelcomeStartForm* welcome = Welcome();
        ASSERT_NE(welcome, nullptr);
        for (TControl* hidden : {(TControl*)welcome->lab1, (TControl*)welcome->lab2, (TControl*)welcome->lab3,
                                 (TControl*)welcome->labClear})
            EXPECT_FALSE(hidden->Visible());
        EXPECT_TRUE(welcome->LabelMore->Visible());
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
    EXPECT_TRUE(ReadRecentFilesFile(DataFolder + RecentFilesFileName).empty());
    EXPECT_TRUE(std::filesystem::exists(DataFolder + RecentFilesFileName));
    EXPECT_TRUE(MainForm->Bars().MRUFiles().Items().empty());
    EXPECT_EQ(MainForm->Bars().Ribbon().GetExtraPaneItems().Count(), 0);
}

TEST_F(AppWelcomeTest, WithoutRecentFilesOnlyMoreIsOffered) {
    StartApp();
    CloseWelcomeWindow = false;
    Then([this] {
        TWelcomeStartForm* welcome = Welcome();
        EXPECT_FALSE(welcome->lab1->Visible());
        EXPECT_FALSE(welcome->labClear->Visible());
        EXPECT_TRUE(welcome->LabelMore->Visible());
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
}

TEST_F(AppWelcomeTest, UncheckingShowAtStartHoldsEvenWhenTheWindowIsClosed) {
    StartApp();
    CloseWelcomeWindow = false;
    // The link label beside the box toggles it, and the setting follows at once.
    ThenClick([](TWelcomeStartForm& w) { return w.LabelShowAtStart; });
    Then([this] {
        EXPECT_FALSE(Welcome()->CheckBoxShowAtStart->Checked());
        EXPECT_FALSE(GlobalVars().ShowStartDialog);
    });
    ThenClick([](TWelcomeStartForm& w) { return w.ButtonClose; });
    Command(MainForm->ActionWelcomeWindow);
    EXPECT_FALSE(GlobalVars().ShowStartDialog);
    // Kept with the settings at exit, so the next start shows no welcome window.
    CloseMainWindow();
    MainForm = nullptr;
    TGlobalVars stored;
    stored.ShowStartDialog = true;
    ASSERT_TRUE(LoadSettings(stored, DataFolder + SettingsFileName));
    EXPECT_FALSE(stored.ShowStartDialog);
}

TEST_F(AppWelcomeTest, ATutorialOpensItsPageAndTheWindowStays) {
    StartApp();
    CloseWelcomeWindow = false;
    std::vector<std::string> addresses;
    THelpViewerOverride viewer([&](HWND, const std::string& Address, UINT, DWORD_PTR) {
        addresses.push_back(Address);
        return 1;
    });
    for (int i = 0; i < 4; ++i)
        ThenClick([i](TWelcomeStartForm& w) { return w.LabelTutorials[std::size_t(i)]; });
    Then([this] { EXPECT_NE(Welcome(), nullptr); });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
    ASSERT_EQ(addresses.size(), 4u);
    const char* pages[] = {"recordquicktour", "importingaudiotracksfromcd", "basicaudioediting",
                           "connectingyourstereoequipment"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(addresses[std::size_t(i)].ends_with(std::string(".chm::/") + pages[i] + ".htm"))
            << addresses[std::size_t(i)];
}

TEST_F(AppWelcomeTest, ALinkIsUnderlinedAndLightBlueWhileTheMouseIsOverIt) {
    StartApp();
    CloseWelcomeWindow = false;
    Then([this] {
        EXPECT_EQ(Welcome()->LabelNewFile->Cursor(), crHandPoint);
        EXPECT_EQ(Welcome()->LabelNewFile->Font()->Color(), TLinkLabel::NormalColor);
        MoveTo(Welcome()->LabelNewFile);
    });
    Then([this] {
        EXPECT_TRUE(Welcome()->LabelNewFile->Font()->Style().Contains(fsUnderline));
        EXPECT_EQ(Welcome()->LabelNewFile->Font()->Color(), RGB(154, 215, 243));
    });
    ThenPicture("welcome-window-link-under-mouse");
    Then([this] { MoveTo(Welcome()->LabelTutorial); });
    Then([this] {
        EXPECT_FALSE(Welcome()->LabelNewFile->Font()->Style().Contains(fsUnderline));
        EXPECT_EQ(Welcome()->LabelNewFile->Font()->Color(), RGB(255, 255, 255));
        // Still bold: only the underline comes and goes.
        EXPECT_TRUE(Welcome()->LabelNewFile->Font()->Style().Contains(fsBold));
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
}

TEST_F(AppWelcomeTest, AMissingOrBrokenPictureLeavesTheBannerEmpty) {
    std::filesystem::remove(ProgramFolder + "welcome.png");
    StartApp();
    CloseWelcomeWindow = false;
    Then([this] { EXPECT_EQ(Welcome()->ImageMain->Picture()->Width(), 0); });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
    Root->Write("program/welcome.png", "not a picture");
    Then([this] { EXPECT_EQ(Welcome()->ImageMain->Picture()->Width(), 0); });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionWelcomeWindow);
}

TEST_F(AppWelcomeTest, AStartWithAFileShowsNoWelcome) {
    const std::string wav = Documents + "start.wav";
    WriteSound(wav, TestPiece(8000, 1, 0.2), 8000, 1, 1);
    CloseWelcomeWindow = false;
    StartApp({wav});
    EXPECT_EQ(MainForm->FileName, wav);
    EXPECT_TRUE(Unanswered.empty());
}

} // namespace app_test
