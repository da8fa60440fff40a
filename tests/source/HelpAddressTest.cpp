// Help pages: the address of a page in the manual named like the program, and the viewer's answer.
#include "source/HelpAddress.h"
#include "platform/rtl/Exception.h"

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
    try {
        ShowHelpPage(nullptr, "APPOptions");
        FAIL() << "no viewer, yet no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
    }
}
