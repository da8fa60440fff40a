// The help viewer on this system: the manual's pages lie in a folder named like the program beside it
// and open in the desktop's browser through xdg-open, which is looked up once; a missing opener or page
// says so. No browser is started: the starts are recorded.
#include "source/help/HelpViewer.h"
#include "TestFolder.h"
#include "platform/rtl/Exception.h"
#include "source/HelpAddress.h"
#include "source/ShellOpen.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

struct TStart {
    std::string Program;
    std::vector<std::string> Arguments;
};

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Folder =
            std::make_unique<TTestFolder>(::testing::UnitTest::GetInstance()->current_test_info()->name());
        Bin = Folder->Path() + "bin/";
        Empty = Folder->Path() + "empty/";
        std::filesystem::create_directories(Bin);
        std::filesystem::create_directories(Empty);
        std::filesystem::create_directories(Folder->Path() + "app/olva-help");
        std::filesystem::create_directories(Folder->Path() + "broken");
        Opener = Folder->Write("bin/xdg-open", "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(Opener, std::filesystem::perms::owner_all);
        Program = Folder->Path() + "app/olva";
        Folder->Write("app/olva-help/appoptions.htm", "<p>options</p>");
    }

    std::string Message(const std::function<void()>& Request) {
        try {
            Request();
        } catch (const Exception& e) {
            return e.Message();
        }
        return "(no error)";
    }

    std::unique_ptr<TTestFolder> Folder;
    std::string Bin, Empty, Opener, Program;
    TEnvironmentGuard Environment;
    std::vector<TStart> Starts;
    TProgramStartOverride Recorder{
        [this](const std::string& Program, const std::vector<std::string>& Arguments) {
            Starts.push_back({Program, Arguments});
        }};
};

TEST(HelpPageFileTest, TheManualOfAnAddressIsTheFolderNamedLikeTheProgram) {
    EXPECT_EQ(HelpPageFile("/opt/olva/olva.chm::/appoptions.htm"), "/opt/olva/olva-help/appoptions.htm");
    EXPECT_EQ(HelpPageFile(HelpPageAddress("/opt/olva/editor.bin", "BasicAudioEditing")),
              "/opt/olva/editor-help/basicaudioediting.htm");
    EXPECT_EQ(HelpPageFile("/opt/olva/olva.chm"), "");
}

TEST_F(HelpViewerTest, ThePageOpensThroughTheOpenerFoundOnceOnThePath) {
    Environment.Set("PATH", Empty + ":" + Bin);
    TDesktopHelpViewer viewer;
    EXPECT_EQ(viewer.HtmlHelp(nullptr, HelpPageAddress(Program, "APPOptions"), HH_DISPLAY_TOPIC, 0), 1);
    ASSERT_EQ(Starts.size(), 1u);
    EXPECT_EQ(Starts[0].Program, Opener);
    EXPECT_EQ(Starts[0].Arguments, std::vector<std::string>{Folder->Path() + "app/olva-help/appoptions.htm"});
    // Kept for the life of the viewer: a later request does not look again.
    Environment.Set("PATH", Empty);
    EXPECT_EQ(viewer.HtmlHelp(nullptr, HelpPageAddress(Program, "AppOptions"), HH_DISPLAY_TOPIC, 0), 1);
    ASSERT_EQ(Starts.size(), 2u);
    EXPECT_EQ(Starts[1].Program, Opener);
    // Other commands show nothing.
    EXPECT_EQ(viewer.HtmlHelp(nullptr, HelpPageAddress(Program, "APPOptions"), 28, 0), 0);
    EXPECT_EQ(Starts.size(), 2u);
}

TEST_F(HelpViewerTest, WithoutAnOpenerEveryRequestSaysSoUntilOneIsThere) {
    Environment.Set("PATH", Empty);
    TDesktopHelpViewer viewer;
    const std::string address = HelpPageAddress(Program, "APPOptions");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Message([&] { viewer.HtmlHelp(nullptr, address, HH_DISPLAY_TOPIC, 0); }),
                  "The manual cannot be shown: no program to open web pages was found (xdg-open, from "
                  "xdg-utils, is not installed).\nYou can open its page in a web browser yourself:\n" +
                      Folder->Path() + "app/olva-help/appoptions.htm");
        EXPECT_FALSE(viewer.Loaded());
    }
    Environment.Set("PATH", Bin);
    EXPECT_EQ(viewer.HtmlHelp(nullptr, address, HH_DISPLAY_TOPIC, 0), 1);
    EXPECT_TRUE(viewer.Loaded());
    EXPECT_EQ(Starts.size(), 1u);
}

TEST_F(HelpViewerTest, AnOpenerThatCannotRunAndAMissingPageAreSaid) {
    const std::string broken = Folder->Write("broken/xdg-open", "not a program");
    std::filesystem::permissions(broken,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Environment.Set("PATH", Folder->Path() + "broken");
    TDesktopHelpViewer viewer;
    EXPECT_EQ(Message([&] { viewer.HtmlHelp(nullptr, HelpPageAddress(Program, "APPOptions"), 0, 0); }),
              "The manual cannot be shown: the program to open web pages (" + broken +
                  ") cannot be run.\nYou can open its page in a web browser yourself:\n" + Folder->Path() +
                  "app/olva-help/appoptions.htm");
    EXPECT_FALSE(viewer.Loaded());

    Environment.Set("PATH", Bin);
    TDesktopHelpViewer working;
    EXPECT_EQ(Message([&] { working.HtmlHelp(nullptr, HelpPageAddress(Program, "Effects"), 0, 0); }),
              "The help page \"" + Folder->Path() + "app/olva-help/effects.htm\" was not found.");
    // A program renamed looks for the manual of its new name.
    EXPECT_EQ(Message([&] {
                  working.HtmlHelp(nullptr, HelpPageAddress(Folder->Path() + "app/editor", "APPOptions"), 0,
                                   0);
              }),
              "The help page \"" + Folder->Path() + "app/editor-help/appoptions.htm\" was not found.");
    EXPECT_TRUE(Starts.empty());
}

TEST_F(HelpViewerTest, AnOverrideTakesEveryRequestOfTheProgram) {
    std::vector<std::string> addresses;
    {
        THelpViewerOverride viewer([&](HWND, const std::string& Address, UINT, DWORD_PTR) {
            addresses.push_back(Address);
            return 7;
        });
        EXPECT_EQ(HtmlHelp(nullptr, "x.chm::/a.htm", 0, 0), 7);
        ShowHelpPage(nullptr, "Editing");
    }
    ASSERT_EQ(addresses.size(), 2u);
    EXPECT_TRUE(addresses[1].ends_with(".chm::/editing.htm")) << addresses[1];
    EXPECT_TRUE(Starts.empty());
}

// Openers run for real: one that fails at once (the desktop has no browser) is said in plain words; one
// that keeps running (it waits for the browser it opened) is not waited for longer than a moment.
TEST(HelpOpenerTest, AnOpenerFailingAtOnceMeansNoBrowserAndOneStillRunningMeansShown) {
    TTestFolder folder("help-opener-outcomes");
    std::filesystem::create_directories(folder.Path() + "app/olva-help");
    folder.Write("app/olva-help/effects.htm", "<p>effects</p>");
    const std::string address = HelpPageAddress(folder.Path() + "app/olva", "Effects");
    const std::string page = folder.Path() + "app/olva-help/effects.htm";
    struct Case {
        const char* Script;
        std::string Expected;
    };
    for (const Case& c :
         {Case{"exit 3",
               "The manual cannot be shown: no web browser is set up on this computer.\nYou can open "
               "its page in a web browser yourself:\n" +
                   page},
          Case{"exit 0", "(no error)"}, Case{"exec /bin/sleep 3", "(no error)"}}) {
        std::filesystem::remove_all(folder.Path() + "bin");
        std::filesystem::create_directories(folder.Path() + "bin");
        const std::string opener = folder.Write("bin/xdg-open", std::string("#!/bin/sh\n") + c.Script + "\n");
        std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
        TEnvironmentGuard environment;
        environment.Set("PATH", folder.Path() + "bin");
        TDesktopHelpViewer viewer;
        const auto started = std::chrono::steady_clock::now();
        std::string message = "(no error)";
        try {
            EXPECT_EQ(viewer.HtmlHelp(nullptr, address, HH_DISPLAY_TOPIC, 0), 1);
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, c.Expected) << c.Script;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << c.Script;
    }
}

// The page names the program asks for, each as its windows pass it.
const char* const ProgramPages[] = {"WelcometoAPP",
                                    "Editing",
                                    "BookmarksandRegions",
                                    "RecordQuicktour",
                                    "ImportingAudioTracksfromCD",
                                    "BasicAudioEditing",
                                    "ConnectingYourStereoEquipment",
                                    "CreateOpenandSaveaudiofiles",
                                    "APPOptions",
                                    "WAVSettings",
                                    "MP3Settings",
                                    "OGGSettings",
                                    "WMASettings",
                                    "Effects",
                                    "BatchConverter",
                                    "RecordControl",
                                    "AdvancedRecordingOptions",
                                    "favorites"};

TEST(InstalledManualTest, EveryPageTheProgramAsksForIsBesideTheProgramAndItsLinksLeadToPages) {
    // The manual as the build puts it beside the program.
    const std::filesystem::path manual =
        std::filesystem::path(OLVA_TEST_OUT_DIR).parent_path() / "source" / "olva-help";
    ASSERT_TRUE(std::filesystem::is_directory(manual)) << manual;
    for (const char* page : ProgramPages) {
        const std::string file =
            HelpPageFile(HelpPageAddress((manual.parent_path() / "olva").string(), page));
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << page;
    }
    const std::regex link("href=\"([^\"#:]+)\"");
    for (const auto& entry : std::filesystem::directory_iterator(manual)) {
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string html = text.str();
        for (auto it = std::sregex_iterator(html.begin(), html.end(), link); it != std::sregex_iterator();
             ++it)
            EXPECT_TRUE(std::filesystem::exists(manual / (*it)[1].str()))
                << entry.path().filename() << " links to " << (*it)[1].str();
    }
}

} // namespace
