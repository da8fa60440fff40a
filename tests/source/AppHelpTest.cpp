// The main window's help and web commands, the Help tab's and Tools tab's buttons without an action, and
// the About box. Nothing is started for real: the starts and help requests are recorded.
#include "AppTestSupport.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/PageControl.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/ShellOpen.h"
#include "source/help/AboutForm.h"
#include "source/help/CompanionPrograms.h"
#include "source/help/HelpViewer.h"
#include "source/mainform/MainForm.h"

#include <filesystem>

namespace app_test {

class AppHelpTest : public AppTest {
protected:
    struct TStart {
        std::string Program;
        std::vector<std::string> Arguments;
        friend bool operator==(const TStart&, const TStart&) = default;
        friend std::ostream& operator<<(std::ostream& out, const TStart& s) {
            out << s.Program;
            for (const std::string& a : s.Arguments)
                out << " " << a;
            return out;
        }
    };
    TStart Opened(const std::string& Address) const { return {"xdg-open", {Address}}; }

    std::vector<TStart> Starts;
    std::vector<std::string> HelpAddresses;
    TProgramStartOverride Recorder{
        [this](const std::string& Program, const std::vector<std::string>& Arguments) {
            Starts.push_back({Program, Arguments});
        }};
    THelpViewerOverride Viewer{[this](HWND, const std::string& Address, UINT Command, DWORD_PTR Data) {
        EXPECT_EQ(Command, 0u);
        EXPECT_EQ(Data, 0u);
        HelpAddresses.push_back(Address);
        return 1;
    }};
};

TEST_F(AppHelpTest, TheHelpAndWebCommandsShowTheManualAndTheProgramsPages) {
    StartApp();
    const TGlobalVars& vars = GlobalVars();
    Command(MainForm->ActionHelp);
    Key(VK_F1);
    ASSERT_EQ(HelpAddresses.size(), 2u);
    for (const std::string& address : HelpAddresses)
        EXPECT_TRUE(address.ends_with("olva_app_tests.chm::/welcometoapp.htm")) << address;
    Command(MainForm->ActionProductPage);
    Command(MainForm->ActionTechnicalSupport);
    Command(MainForm->ActionCompanyHomepage);
    BarCommand("Upgrade to Latest Version");
    EXPECT_EQ(Starts, (std::vector<TStart>{Opened(vars.ProductWebPage), Opened(vars.SupportWebPage),
                                           Opened(vars.CompanyWebPage), Opened(vars.UpgradeWebPage)}));
}

TEST_F(AppHelpTest, TheHelpTabsNumberedButtonsOpenTheSourcePageAndFiveManualPages) {
    StartApp();
    for (const char* button : {"1. How to change audio source", "2. Record Quick Tour",
                               "3. Importing Audio Tracks from CDs", "4. Basic Audio Editing",
                               "5. Connecting Your Stereo Equipment", "6. Bookmarks and Regions"})
        BarCommand(button);
    EXPECT_EQ(Starts, std::vector<TStart>{Opened(GlobalVars().SupportWebPage + "recording-source/")});
    const char* pages[] = {"recordquicktour", "importingaudiotracksfromcd", "basicaudioediting",
                           "connectingyourstereoequipment", "bookmarksandregions"};
    ASSERT_EQ(HelpAddresses.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_TRUE(HelpAddresses[i].ends_with(std::string(".chm::/") + pages[i] + ".htm"))
            << HelpAddresses[i];
}

TEST_F(AppHelpTest, ACompanionProgramStartsFromTheProgramsFolderOrItsPageOpensWhenItIsMissing) {
    StartApp();
    const std::vector<TCompanionProgram>& programs = CompanionPrograms();
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_STREQ(programs[0].Caption, "Audio Converter");
    EXPECT_STREQ(programs[1].Caption, "CD Burner");
    BarCommand("Audio Converter");
    const std::string installed = Root->Write(std::string("program/") + programs[1].FileName, "#!/bin/sh\n");
    BarCommand("CD Burner");
    EXPECT_EQ(Starts, (std::vector<TStart>{Opened(GlobalVars().CompanyWebPage + programs[0].Page),
                                           TStart{installed, {}}}));
}

TEST_F(AppHelpTest, TheAboutBoxShowsTheVersionAndItsUpdatesButtonTheUpgradePage) {
    StartApp();
    Then([this] {
        auto* about = dynamic_cast<TFormAbout*>(ActiveForm());
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->Caption(), "About ");
        EXPECT_EQ(about->LabelTitle->Caption(), "OLVA Audio Editor version: 2.5");
        EXPECT_EQ(about->LabelProductVersion->Caption(), "OLVA Audio Editor 2.5");
        EXPECT_EQ(about->PageControl->ActivePage(), about->TabSheetAbout);
        EXPECT_EQ(about->Left(), MainForm->Left() + (MainForm->Width() - about->Width()) / 2);
    });
    ThenPicture("about-box");
    Then([this] { dynamic_cast<TFormAbout*>(ActiveForm())->PageControl->SetActivePageIndex(1); });
    ThenPicture("about-box-update");
    Then([this] { ClickOn(dynamic_cast<TFormAbout*>(ActiveForm())->ButtonUpdates); });
    Then([this] { EXPECT_EQ(Starts, std::vector<TStart>{Opened(GlobalVars().UpgradeWebPage)}); });
    ThenKey(VK_ESCAPE); // "&OK" closes the box from the keyboard too
    Command(MainForm->ActionAbout);
    EXPECT_EQ(ActiveForm(), MainForm);
}

TEST_F(AppHelpTest, WithoutTheVersionFileTheAboutBoxShowsAnEmptyVersion) {
    std::filesystem::remove(ProgramFolder + VersionFileName);
    StartApp();
    Then([this] {
        EXPECT_EQ(dynamic_cast<TFormAbout*>(ActiveForm())->LabelTitle->Caption(),
                  "OLVA Audio Editor version: ");
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionAbout);
}

} // namespace app_test
