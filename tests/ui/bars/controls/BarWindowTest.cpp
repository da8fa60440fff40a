// Bar windows on the headless screen: the window never activates, a click runs its item once and closes
// the chain of menus with reason item click, hot tracking and keys move the selection, Escape closes one
// level, a press outside closes the chain and still reaches its window, the private messages, and a click
// whose handler frees its own bar.
#include "BarWindowTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestWindowClass.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/hooks/BarHooks.h"

using namespace bars_test;

namespace {

// A plain window that records the button presses it receives.
struct TRecordingWindow {
    static std::vector<UINT>& Messages() {
        static std::vector<UINT> messages;
        return messages;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_LBUTTONDOWN || AMsg == WM_KEYDOWN) Messages().push_back(AMsg);
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    static HWND Create(const TRect& R) {
        EnsureTestWindowClass("BarWindowTestTarget", &Proc);
        Messages().clear();
        HWND wnd = CreateWindowEx(0, "BarWindowTestTarget", "", WS_POPUP | WS_VISIBLE, R.left, R.top,
                                  R.right - R.left, R.bottom - R.top, nullptr, nullptr, nullptr, nullptr);
        return wnd;
    }
};

} // namespace

TEST_F(BarWindowTest, ANewBarIsHiddenWithoutPositionAndNormal) {
    TWindowedMenu menu(manager);
    EXPECT_EQ(0, menu.ViewState());
    EXPECT_EQ(-1, menu.LastMousePosition().x);
    EXPECT_EQ(-1, menu.LastMousePosition().y);
    const TRect bounds = menu.BoundsRect();
    EXPECT_EQ(100, bounds.left);
    EXPECT_EQ(100, bounds.top);
    EXPECT_EQ(50, bounds.right - bounds.left);
    EXPECT_EQ(30, bounds.bottom - bounds.top);
    EXPECT_FALSE(menu.HandleAllocated());
    menu.HandleNeeded();
    ASSERT_TRUE(menu.HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(menu.Handle()));
    EXPECT_EQ(&menu, TCustomovBarControl::FromHandle(menu.Handle()));
}

TEST_F(BarWindowTest, AClickOnABarNeverActivatesItsWindow) {
    form->Show();
    olva::win::PumpMessages();
    HWND active = GetActiveWindow();
    ASSERT_EQ(form->Handle(), active);
    TWindowedMenu* menu = OpenMenu(600, 100, {"One", "Two"});
    EXPECT_EQ(MA_NOACTIVATE, SendMessage(menu->Handle(), WM_MOUSEACTIVATE, WPARAM(form->Handle()),
                                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)));
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, ItemCentre(menu, 0).x, ItemCentre(menu, 0).y);
    olva::win::PumpMessages();
    EXPECT_EQ(active, GetActiveWindow());
}

TEST_F(BarWindowTest, AClickRunsTheItemOnceAndClosesTheChainWithItemClick) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File", "Edit"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open", "Save"}, parent);
    ASSERT_EQ(child, ovBarActiveBarControl());
    EXPECT_TRUE(parent->IsInActiveBarChain());

    Click(ItemCentre(child, 1));

    EXPECT_EQ(1, ClicksOf("Save"));
    EXPECT_EQ(0, ClicksOf("Open"));
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrItemClick}, child->CloseUps);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrItemClick}, parent->CloseUps);
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
    EXPECT_FALSE(child->IsActive());
    EXPECT_FALSE(parent->IsActive());
}

TEST_F(BarWindowTest, TheMouseHotTracksItemsAndEmptySpaceKeepsAnOpenChildsItem) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"Cut", "Copy", "Paste"});
    MoveTo(ItemCentre(menu, 0));
    EXPECT_EQ(ItemControl(menu, 0), menu->SelectedControl());
    EXPECT_EQ(1, menu->ViewState());
    MoveTo(ItemCentre(menu, 2));
    EXPECT_EQ(ItemControl(menu, 2), menu->SelectedControl());
    EXPECT_TRUE(ItemControl(menu, 2)->SelectedByMouse());
    // Leaving the bar drops the hot item once the tracking timer sees the cursor outside.
    MoveTo(TPoint{5, 5});
    Run(50);
    EXPECT_EQ(nullptr, menu->SelectedControl());
    EXPECT_EQ(0, menu->ViewState());
}

TEST_F(BarWindowTest, KeysReachTheActiveBarThroughTheHooks) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"New", "Open", "Close"});
    PressKey(VK_DOWN);
    EXPECT_EQ(ItemControl(menu, 0), menu->SelectedControl());
    PressKey(VK_DOWN);
    EXPECT_EQ(ItemControl(menu, 1), menu->SelectedControl());
    PressKey(VK_UP);
    PressKey(VK_UP);
    EXPECT_EQ(ItemControl(menu, 2), menu->SelectedControl()) << "the selection wraps";
    PressKey(VK_HOME);
    EXPECT_EQ(ItemControl(menu, 0), menu->SelectedControl());
    PressKey(VK_END);
    EXPECT_EQ(ItemControl(menu, 2), menu->SelectedControl());
    EXPECT_FALSE(ItemControl(menu, 2)->SelectedByMouse());
    PressKey(VK_RETURN);
    EXPECT_EQ(1, ClicksOf("Close"));
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrItemClick}, menu->CloseUps);
}

TEST_F(BarWindowTest, AUniqueAcceleratorClicksASharedOneOnlyMovesTheSelection) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"&Save", "Sen&d", "&Select", "&Open"});
    PressKey('S');
    EXPECT_EQ(ItemControl(menu, 0), menu->SelectedControl());
    PressKey('S');
    EXPECT_EQ(ItemControl(menu, 2), menu->SelectedControl());
    EXPECT_EQ(0, ClicksOf("&Save") + ClicksOf("&Select"));
    EXPECT_TRUE(menu->IsActive());
    PressKey('O');
    EXPECT_EQ(1, ClicksOf("&Open"));
    EXPECT_FALSE(menu->IsActive());
}

TEST_F(BarWindowTest, EscapeClosesOneLevel) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File", "Edit"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open", "Save"}, parent);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(bcrEscape, child->CloseUpReason());
    EXPECT_FALSE(child->IsActive());
    EXPECT_FALSE(IsWindowVisible(child->Handle()));
    EXPECT_TRUE(parent->IsActive());
    EXPECT_TRUE(IsWindowVisible(parent->Handle()));
    EXPECT_EQ(parent, ovBarActiveBarControl());
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(parent->IsActive());
    EXPECT_FALSE(IsWindowVisible(parent->Handle()));
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
}

TEST_F(BarWindowTest, APressOutsideClosesTheChainAndStillReachesItsWindow) {
    HWND target = TRecordingWindow::Create(TRect{10, 400, 210, 500});
    TWindowedMenu* parent = OpenMenu(300, 100, {"File", "Edit"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open", "Save"}, parent);
    Click(TPoint{50, 450});
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, child->CloseUps);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, parent->CloseUps);
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
    EXPECT_EQ(std::vector<UINT>{WM_LBUTTONDOWN}, TRecordingWindow::Messages());
    EXPECT_EQ(0, ClicksOf("Open") + ClicksOf("Save") + ClicksOf("File"));
    DestroyWindow(target);
}

TEST_F(BarWindowTest, APressInsideTheChainClosesNothing) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File", "Edit"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open", "Save"}, parent);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, ItemCentre(parent, 1).x,
                           ItemCentre(parent, 1).y);
    olva::win::PumpMessages();
    EXPECT_TRUE(child->CloseUps.empty());
    EXPECT_TRUE(parent->CloseUps.empty());
    EXPECT_EQ(child, ovBarActiveBarControl());
}

TEST_F(BarWindowTest, ThePrivateMessagesRebuildAndCloseLater) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"One", "Two"});
    TWeakLink<TovBarItemControl> old(ItemControl(menu, 0));
    PostMessage(menu->Handle(), WM_OVBAR_REBUILD, 0, 0);
    EXPECT_TRUE(old) << "nothing happens before the message is handled";
    olva::win::PumpMessages();
    EXPECT_FALSE(old) << "the rebuild made the item controls again";
    ASSERT_NE(nullptr, ItemControl(menu, 0));
    EXPECT_TRUE(menu->ViewInfo()->ContainsItemControl(ItemControl(menu, 0)));

    PostMessage(menu->Handle(), WM_OVBAR_CLOSEUP, 0x100 | bcrEscape, 0);
    EXPECT_TRUE(menu->CloseUps.empty());
    olva::win::PumpMessages();
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrEscape}, menu->CloseUps);
    EXPECT_FALSE(menu->IsActive());
}

TEST_F(BarWindowTest, AClickWhoseHandlerFreesItsBarEndsQuietly) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Close all"}, parent);
    bool childGone = false, parentGone = false;
    child->OnDestroyed = [&] { childGone = true; };
    parent->OnDestroyed = [&] { parentGone = true; };
    ButtonOf(child, 0)->SetOnClick(TNotifyEvent(
        [&](TObject*) {
            FreeMenu(child);
            FreeMenu(parent);
        },
        this));
    Click(ItemCentre(child, 0));
    EXPECT_TRUE(childGone);
    EXPECT_TRUE(parentGone);
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
    EXPECT_TRUE(reportedErrors.empty());
    // The screen goes on working.
    TWindowedMenu* again = OpenMenu(300, 100, {"Again"});
    Click(ItemCentre(again, 0));
    EXPECT_EQ(1, ClicksOf("Again"));
}

TEST_F(BarWindowTest, DestroyingTheActiveBarLeavesNoActiveBar) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open"}, parent);
    FreeMenu(child);
    EXPECT_EQ(parent, ovBarActiveBarControl()) << "the bar it replaced is active again";
    EXPECT_EQ(nullptr, parent->ChildBar());
    FreeMenu(parent);
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
}

namespace {

// Toolbar windows that show their toolbars' own links, so that the manager's toolbars find them.
class ToolbarWindowsTest : public BarWindowTest {
protected:
    void TearDown() override {
        toolbars.clear();
        BarWindowTest::TearDown();
    }
    bar_standins::TStandInToolbar* AddToolbar(int X, int Y, const std::string& ACaption, bool AShow = true) {
        // No fake window for the toolbar: the stand-in is its window.
        IovBarWindowFactory* previous = ovSetBarWindowFactory(nullptr);
        TovBar* bar = manager->Bars()->Add();
        ovSetBarWindowFactory(previous);
        bar->ItemLinks()->AddItem(Button(ACaption));
        auto toolbar = std::make_unique<bar_standins::TStandInToolbar>(manager, bar, true);
        toolbar->SetPainter(painter.get());
        toolbar->MarkShown = false;
        toolbar->Layout();
        const TRect client = toolbar->GetClientRect();
        toolbar->SetBounds(TRect{X, Y, X + client.right, Y + client.bottom});
        toolbar->HandleNeeded();
        if (AShow) toolbar->Show();
        auto* result = toolbar.get();
        toolbars.push_back(std::move(toolbar));
        return result;
    }
    void PressCtrlTab(bool AShift = false) {
        olva::win::InjectKey(VK_CONTROL, true);
        if (AShift) olva::win::InjectKey(VK_SHIFT, true);
        PressKey(VK_TAB);
        if (AShift) olva::win::InjectKey(VK_SHIFT, false);
        olva::win::InjectKey(VK_CONTROL, false);
        olva::win::PumpMessages();
    }
    std::vector<std::unique_ptr<bar_standins::TStandInToolbar>> toolbars;
};

} // namespace

TEST_F(ToolbarWindowsTest, CtrlTabMovesToTheNextShownToolbarAndComesBack) {
    auto* first = AddToolbar(600, 10, "Cut");
    AddToolbar(600, 60, "Hidden", false);
    auto* third = AddToolbar(600, 110, "Paste");
    first->BarGetFocus(first->ItemLinks()->VisibleItems(0)->Control());
    ASSERT_EQ(first, ovBarActiveBarControl());

    PressCtrlTab();
    EXPECT_EQ(third, ovBarActiveBarControl()) << "the hidden toolbar is passed by";
    EXPECT_EQ(third->ItemLinks()->VisibleItems(0)->Control(), third->SelectedControl());
    EXPECT_FALSE(first->IsActive());
    EXPECT_EQ(nullptr, first->SelectedControl());

    PressCtrlTab();
    EXPECT_EQ(first, ovBarActiveBarControl()) << "past the last toolbar the walk starts again";
    PressCtrlTab(true);
    EXPECT_EQ(third, ovBarActiveBarControl()) << "Ctrl+Shift+Tab goes back";
    third->Hide();
    EXPECT_EQ(nullptr, first->GetNextBarControl(true)) << "the walk came back to its start";
}

TEST_F(BarWindowTest, AltClosesTheChainWithReasonOther) {
    TWindowedMenu* parent = OpenMenu(300, 100, {"File"});
    TWindowedMenu* child = OpenMenu(430, 100, {"Open"}, parent);
    PressKey(VK_MENU);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, child->CloseUps);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, parent->CloseUps);
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
}

TEST_F(BarWindowTest, OnlyBarsOfTheActiveChainHearTheMouse) {
    TWindowedMenu* outside = OpenMenu(600, 300, {"Elsewhere"});
    outside->SetActive(false);
    TWindowedMenu* menu = OpenMenu(300, 100, {"Here"});
    MoveTo(ItemCentre(outside, 0));
    EXPECT_EQ(nullptr, outside->SelectedControl()) << "a bar outside the chain is not hot-tracked";
    MoveTo(ItemCentre(menu, 0));
    EXPECT_EQ(ItemControl(menu, 0), menu->SelectedControl());
}

TEST_F(BarWindowTest, TheHintFollowsTheSelectionThroughItsHookPoint) {
    std::vector<TovBarItemControl*> shown;
    int hidden = 0;
    ovBarHookPoints().ActivateHint = [&](TCustomovBarControl*, TovBarItemControl* AControl) {
        shown.push_back(AControl);
    };
    ovBarHookPoints().HideHint = [&](TovBarManager*) { ++hidden; };
    TWindowedMenu* menu = OpenMenu(300, 100, {"One", "Two"});
    const int hiddenOnOpen = hidden;
    EXPECT_GE(hiddenOnOpen, 1) << "joining the chain hides the hint";
    MoveTo(ItemCentre(menu, 1));
    EXPECT_EQ(std::vector<TovBarItemControl*>{ItemControl(menu, 1)}, shown);
    Click(ItemCentre(menu, 1));
    EXPECT_GT(hidden, hiddenOnOpen) << "a press hides it";
    ovBarHookPoints() = TovBarHookPoints{};
}

TEST_F(BarWindowTest, ABarWhoseWindowIsDestroyedFromOutsideLivesOnWithoutOne) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"One"});
    // The window goes as it goes with the owner window it belongs to.
    DestroyWindow(menu->Handle());
    EXPECT_FALSE(menu->HandleAllocated());
    EXPECT_FALSE(menu->IsActive());
    EXPECT_EQ(nullptr, ovBarActiveBarControl());
    menu->HandleNeeded();
    EXPECT_TRUE(menu->HandleAllocated()) << "a new window can be made";
    EXPECT_EQ(menu, TCustomovBarControl::FromHandle(menu->Handle()));
}

TEST_F(BarWindowTest, AFinishedEditorKeepsItsSelectionOnlyWithTheOption) {
    for (const bool keep : {false, true}) {
        TWindowedMenu* menu = OpenMenu(300, 100, {"Find"});
        TovBarBehaviorOptions options;
        if (keep) options.Include(bboKeepSelection);
        menu->SetBehaviorOptions(options);
        TovBarItemControl* control = ItemControl(menu, 0);
        menu->EditControlFinished(control);
        if (keep) {
            EXPECT_EQ(control, menu->SelectedControl());
            EXPECT_TRUE(menu->CloseUps.empty());
        } else {
            EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrEscape}, menu->CloseUps);
        }
        FreeMenu(menu);
    }
}

TEST_F(BarWindowTest, TheMouseIsOverTheBarOnItsWindowOnly) {
    TWindowedMenu* menu = OpenMenu(300, 100, {"One"});
    EXPECT_TRUE(menu->IsMouseOverBar(ItemCentre(menu, 0)));
    EXPECT_FALSE(menu->IsMouseOverBar(TPoint{5, 700}));
    EXPECT_TRUE(menu->ShouldCloseUpForWindow(form->Handle()));
}

TEST_F(BarWindowTest, CancelModeAndLosingTheFocusToNoWindowCloseTheBar) {
    TWindowedMenu* first = OpenMenu(300, 100, {"One"});
    SendMessage(first->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, first->CloseUps);
    TWindowedMenu* second = OpenMenu(300, 200, {"Two"});
    SendMessage(second->Handle(), WM_KILLFOCUS, WPARAM(form->Handle()), 0);
    EXPECT_TRUE(second->CloseUps.empty()) << "the focus went to a window";
    SendMessage(second->Handle(), WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(std::vector<TovBarCloseUpReason>{bcrOther}, second->CloseUps);
}
