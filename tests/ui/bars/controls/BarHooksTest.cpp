// The bar system's hooks: they exist while a manager exists, Delete reaches the design controller only
// while customizing, an exception inside a hook never leaves it, and right-button releases outside an
// open chain are consumed.
#include "BarWindowTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestWindowClass.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/core/platform/SystemHooks.h"

using namespace bars_test;

namespace {

// A focused window that records the keys and button messages it receives.
struct TKeyTarget {
    static std::vector<std::pair<UINT, WPARAM>>& Messages() {
        static std::vector<std::pair<UINT, WPARAM>> messages;
        return messages;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_KEYDOWN || AMsg == WM_RBUTTONUP || AMsg == WM_LBUTTONDOWN)
            Messages().emplace_back(AMsg, AWParam);
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    static HWND Create() {
        EnsureTestWindowClass("BarHooksTestTarget", &Proc);
        Messages().clear();
        HWND wnd = CreateWindowEx(0, "BarHooksTestTarget", "", WS_OVERLAPPED | WS_VISIBLE, 10, 400, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(wnd);
        SetFocus(wnd);
        olva::win::PumpMessages();
        return wnd;
    }
    static int Count(UINT AMsg, WPARAM AWParam) {
        int n = 0;
        for (const auto& [msg, wparam] : Messages())
            if (msg == AMsg && wparam == AWParam) ++n;
        return n;
    }
};

class BarHooksTest : public BarWindowTest {
protected:
    void TearDown() override {
        ovBarHookPoints() = TovBarHookPoints{};
        BarWindowTest::TearDown();
    }
};

} // namespace

TEST_F(BarHooksTest, TheHooksExistWhileAManagerExists) {
    // The fixture's manager is alive.
    EXPECT_TRUE(ovBarHooksInstalled());
    EXPECT_TRUE(ovIsHookInstalled(hkKeyboard));
    EXPECT_TRUE(ovIsHookInstalled(hkMouse));
    EXPECT_TRUE(ovIsHookInstalled(hkCallWndProc));
    const int keyboardProcs = ovHookProcCount(hkKeyboard);
    auto* secondForm = TCustomForm::New<TForm>(nullptr);
    new TovBarManager(secondForm);
    EXPECT_EQ(keyboardProcs, ovHookProcCount(hkKeyboard)) << "a second manager installs nothing more";
    delete secondForm;
    EXPECT_TRUE(ovBarHooksInstalled()) << "one manager is left";
    EXPECT_EQ(keyboardProcs, ovHookProcCount(hkKeyboard));
    menus.clear();
    delete form;
    form = nullptr;
    manager = nullptr;
    EXPECT_FALSE(ovBarHooksInstalled());
    auto* owner = TCustomForm::New<TForm>(nullptr);
    new TovBarManager(owner);
    EXPECT_TRUE(ovBarHooksInstalled());
    delete owner;
    EXPECT_FALSE(ovBarHooksInstalled());
}

TEST_F(BarHooksTest, DeleteReachesTheDesignControllerOnlyWhileCustomizing) {
    int deletes = 0;
    ovBarHookPoints().DeleteSelectedObjects = [&](TovBarManager* AManager, bool) {
        EXPECT_EQ(manager, AManager);
        ++deletes;
        return true;
    };
    HWND target = TKeyTarget::Create();
    ASSERT_EQ(target, GetFocus());

    PressKey(VK_DELETE);
    EXPECT_EQ(0, deletes) << "Delete typed in the editor is the editor's";
    EXPECT_EQ(1, TKeyTarget::Count(WM_KEYDOWN, VK_DELETE));

    manager->SetIsCustomizing(true);
    PressKey(VK_DELETE);
    EXPECT_EQ(1, deletes);
    EXPECT_EQ(1, TKeyTarget::Count(WM_KEYDOWN, VK_DELETE)) << "the customizing Delete is consumed";

    manager->SetIsCustomizing(false);
    PressKey(VK_DELETE);
    EXPECT_EQ(1, deletes);
    EXPECT_EQ(2, TKeyTarget::Count(WM_KEYDOWN, VK_DELETE));
    DestroyWindow(target);
}

TEST_F(BarHooksTest, AnExceptionNeverLeavesAHookProcedure) {
    ovBarHookPoints().IsKeyForNavigation = [](WORD, TShiftState) -> bool {
        throw Exception("navigation failed");
    };
    ovBarHookPoints().MouseDownLeavesNavigation = [] { throw Exception("mouse failed"); };
    ovBarHookPoints().RouteWindowMessage = [](HWND, UINT AMsg, WPARAM, LPARAM) {
        if (AMsg == WM_USER + 5) throw Exception("routing failed");
    };
    HWND target = TKeyTarget::Create();
    EXPECT_NO_THROW(PressKey('A'));
    EXPECT_NO_THROW(olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 50, 450));
    EXPECT_NO_THROW(olva::win::PumpMessages());
    EXPECT_NO_THROW(SendMessage(target, WM_USER + 5, 0, 0));
    EXPECT_EQ(1, TKeyTarget::Count(WM_LBUTTONDOWN, MK_LBUTTON)) << "the press still arrives";
    EXPECT_GE(reportedErrors.size(), 3u);

    // Called straight, each procedure reports and returns.
    LRESULT result = 0;
    EXPECT_NO_THROW(ovBarKeyboardHookProc(HC_ACTION, 'B', 0, result));
    MOUSEHOOKSTRUCT data{};
    data.hwnd = target;
    EXPECT_NO_THROW(ovBarMouseHookProc(HC_ACTION, WM_LBUTTONDOWN, data, result));
    EXPECT_NO_THROW(ovBarCallWndProcHookProc(target, WM_USER + 5, 0, 0));
    DestroyWindow(target);
}

TEST_F(BarHooksTest, ARightButtonReleaseOutsideAnOpenChainIsConsumed) {
    HWND target = TKeyTarget::Create();
    OpenMenu(300, 100, {"One"});
    olva::win::InjectMouse(olva::win::MouseAction::Move, 50, 450);
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, 50, 450);
    olva::win::PumpMessages();
    EXPECT_EQ(0, TKeyTarget::Count(WM_RBUTTONUP, 0));
    ASSERT_NE(nullptr, ovBarActiveBarControl()) << "a release closes nothing";
    DestroyWindow(target);
}

TEST_F(BarHooksTest, TheKeyUpOfAKeyThatClosedTheBarsIsConsumed) {
    HWND target = TKeyTarget::Create();
    TWindowedMenu* menu = OpenMenu(300, 100, {"One"});
    olva::win::InjectKey(VK_ESCAPE, true);
    olva::win::PumpMessages();
    EXPECT_FALSE(menu->IsActive());
    olva::win::InjectKey(VK_ESCAPE, false);
    olva::win::PumpMessages();
    EXPECT_EQ(0, TKeyTarget::Count(WM_KEYDOWN, VK_ESCAPE));
    // The next Escape is the focused window's again.
    PressKey(VK_ESCAPE);
    EXPECT_EQ(1, TKeyTarget::Count(WM_KEYDOWN, VK_ESCAPE));
    DestroyWindow(target);
}

namespace {

class WheelMenu : public TWindowedMenu {
public:
    using TWindowedMenu::TWindowedMenu;
    bool HandlesMouseWheel() const override { return Handles; }
    bool Handles = false;
};

} // namespace

TEST_F(BarHooksTest, TheMouseWheelKindFollowsTheActiveBar) {
    EXPECT_EQ(3, ovBarActiveBarMouseWheelKind());
    WheelMenu menu(manager);
    menu.SetActive(true);
    EXPECT_EQ(0, ovBarActiveBarMouseWheelKind());
    menu.Handles = true;
    EXPECT_EQ(1, ovBarActiveBarMouseWheelKind());
    menu.SetActive(false);
    EXPECT_EQ(3, ovBarActiveBarMouseWheelKind());
}

namespace {

// An item whose control stands for an in-place editor that has the keyboard focus.
class EditorControl : public TovBarItemControl {
public:
    using TovBarItemControl::TovBarItemControl;
    bool IsWinControl() const override { return true; }
    bool Focused() const override { return true; }
};

const TovBarItemControlClass EditorControlClass{"EditorControl", &ovMakeItemControl<EditorControl>};

class EditorItem : public TovBarButton {
public:
    using TovBarButton::TovBarButton;
    const TovBarItemControlClass* GetControlClass(bool) const override { return &EditorControlClass; }
};

} // namespace

TEST_F(BarHooksTest, AKeyTypedInAnOpenMenusEditorReachesTheEditor) {
    HWND target = TKeyTarget::Create();
    TWindowedMenu* menu = OpenMenu(300, 100, {"One"});
    TovBarItemLink* link = menu->Add(new EditorItem(form));
    menu->Layout(120);
    ASSERT_NE(nullptr, dynamic_cast<EditorControl*>(link->Control()));
    menu->SetSelectedControl(link->Control());
    PressKey(VK_DOWN);
    EXPECT_EQ(link->Control(), menu->SelectedControl()) << "the menu did not take the key";
    EXPECT_EQ(1, TKeyTarget::Count(WM_KEYDOWN, VK_DOWN)) << "the focused window (the editor) got it";
    DestroyWindow(target);
}
