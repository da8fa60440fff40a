// Keys and presses through the bar system's hooks on the headless screen: Alt pressed and released alone
// enters navigation on the main menu and its key-up never reaches the focused window; arrows then move
// along the main menu; Alt held shows the key tips on the fake clock; Alt+letter clicks a unique
// accelerator; a mouse-down ends navigation.
#include "BarNavigationFixture.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestWindowClass.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/navigation/BarNavigationController.h"

using namespace navigation_test;
using bar_standins::TStandInToolbar;

namespace {

// A child window of the form with the focus, recording the keys that reach it.
struct TFocusedChild {
    static std::vector<std::pair<UINT, WPARAM>>& Messages() {
        static std::vector<std::pair<UINT, WPARAM>> messages;
        return messages;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_KEYDOWN || AMsg == WM_KEYUP || AMsg == WM_SYSKEYDOWN || AMsg == WM_SYSKEYUP)
            Messages().emplace_back(AMsg, AWParam);
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    static HWND Create(HWND AParent) {
        EnsureTestWindowClass("NavigationHooksTestChild", &Proc);
        Messages().clear();
        HWND wnd = CreateWindowEx(0, "NavigationHooksTestChild", "", WS_CHILD | WS_VISIBLE, 10, 60, 200, 100,
                                  AParent, nullptr, nullptr, nullptr);
        SetFocus(wnd);
        olva::win::PumpMessages();
        return wnd;
    }
    static int Count(WPARAM AKey) {
        int n = 0;
        for (const auto& message : Messages())
            if (message.second == AKey) ++n;
        return n;
    }
};

class NavigationHooksTest : public BarNavigationTest {
protected:
    void SetUp() override {
        BarNavigationTest::SetUp();
        form->Show();
        olva::win::PumpMessages();
        child = TFocusedChild::Create(form->Handle());
    }
    void TearDown() override {
        DestroyWindow(child);
        BarNavigationTest::TearDown();
    }
    void Key(int AKey, bool ADown) {
        olva::win::InjectKey(AKey, ADown);
        olva::win::PumpMessages();
    }
    std::string MainSelection(TStandInToolbar* AMenu) {
        TovBarItemControl* control = AMenu->SelectedControl();
        return control != nullptr ? control->Item()->Caption() : "(none)";
    }

    HWND child = nullptr;
};

TEST_F(NavigationHooksTest, AltAloneEntersNavigationAndItsKeyUpIsConsumed) {
    TStandInToolbar* menu = MainMenu({"&File", "&Edit", "&View"}, false);
    ASSERT_EQ(GetFocus(), child);
    Key(VK_MENU, true);
    Key(VK_MENU, false);
    EXPECT_TRUE(controller->NavigationMode());
    EXPECT_EQ(TFocusedChild::Count(VK_MENU), 1) << "the key-down only";
    Key(VK_RIGHT, true);
    Key(VK_RIGHT, false);
    EXPECT_EQ(MainSelection(menu), "&File");
    Key(VK_RIGHT, true);
    Key(VK_RIGHT, false);
    EXPECT_EQ(MainSelection(menu), "&Edit");
    EXPECT_EQ(TFocusedChild::Count(VK_RIGHT), 0) << "navigation keys are the bars'";

    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 150, 200);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, 150, 200);
    olva::win::PumpMessages();
    EXPECT_FALSE(controller->NavigationMode());
    EXPECT_EQ(MainSelection(menu), "(none)");
    Key(VK_RIGHT, true);
    Key(VK_RIGHT, false);
    EXPECT_EQ(TFocusedChild::Count(VK_RIGHT), 2) << "after the press the arrows are the window's again";
}

TEST_F(NavigationHooksTest, AltHeldShowsTheKeyTipsAndALetterRunsItsItem) {
    MainMenu({"&File", "&Edit", "&View"}, true);
    Key(VK_MENU, true);
    Run(499);
    EXPECT_TRUE(windows.Shown().empty());
    Run(1);
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E", "V"}));
    Key(VK_MENU, false);
    Key('V', true);
    Key('V', false);
    EXPECT_EQ(clicks, (std::vector<std::string>{"&View"}));
    EXPECT_TRUE(windows.Shown().empty());
    EXPECT_EQ(TFocusedChild::Count('V'), 0) << "the typed key tip is consumed";
}

TEST_F(NavigationHooksTest, AltLetterClicksAUniqueAccelerator) {
    MainMenu({"&File", "&Edit", "&Format"}, false);
    Key(VK_MENU, true);
    Key('E', true);
    Key('E', false);
    Key(VK_MENU, false);
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Edit"}));
    EXPECT_FALSE(controller->NavigationMode()) << "Alt was not alone";
}

} // namespace
