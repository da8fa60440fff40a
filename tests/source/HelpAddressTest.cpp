// Help pages: the address of a page in the manual named like the program, and the viewer's answer.
#include "source/HelpAddress.h"
#include "TestFolder.h"
#include "platform/rtl/Exception.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

TEST(HelpAddressTest, ThePageNameIsLowerCasedAfterTheProgramsManual) {
    EXPECT_EQ(HelpPageAddress("/opt/olva/olva", "APPOptions"), "/opt/olva/olva.chm::/appoptions.htm");
    EXPECT_EQ(HelpPageAddress("/opt/olva/editor.bin", "CreateOpenandSaveaudiofiles"),
              "/opt/olva/editor.chm::/createopenandsaveaudiofiles.htm");
    // The running program's own file names the manual.
    EXPECT_TRUE(HelpPageAddress("WelcometoAPP").ends_with("olva_app_tests.chm::/welcometoapp.htm"))
        << HelpPageAddress("WelcometoAPP");
}

TEST(HelpAddressTest, WithoutAViewerAHelpRequestSaysSo) {
    // A path on which no viewer is found, whatever this machine has installed.
    TTestFolder empty("help-without-viewer");
    TEnvironmentGuard environment;
    environment.Set("PATH", empty.Path());
    try {
        ShowHelpPage(nullptr, "APPOptions");
        FAIL() << "no viewer, yet no error";
    } catch (const Exception& e) {
        EXPECT_TRUE(
            e.Message().starts_with("The manual cannot be shown: no program to open web pages was found"))
            << e.Message();
        EXPECT_TRUE(e.Message().ends_with("olva_app_tests-help/appoptions.htm")) << e.Message();
    }
}
