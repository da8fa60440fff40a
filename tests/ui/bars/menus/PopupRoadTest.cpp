// The popup road end to end on the headless screen: a popup menu opened at the cursor runs its own loop
// while scripted mouse and keys reach its windows, and returns when the menu closes.
#include "MenusTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"

namespace menus_test {
namespace {

class PopupRoadTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        popup = MakePopup();
        popup->ItemLinks()->AddItem(Command("Cut", &cutClicks));
        popup->ItemLinks()->AddItem(Command("Copy", &copyClicks));
        effects = SubMenu("Effects");
        effects->ItemLinks()->AddItem(Command("Normalize", &normalizeClicks));
        effects->ItemLinks()->AddItem(Command("Fade in"));
        popup->ItemLinks()->AddItem(effects)->SetBeginGroup(true);
        popup->OnPopup = TNotifyEvent(
            [this](TObject*) {
                ++popups;
                root = popup->GetSubMenuControl();
                // The window is made and placed after this notice: the script runs from the loop.
                if (script) PostScript(script);
            },
            this);
        popup->OnCloseUpWithReason = [this](TObject*, TovBarCloseUpReason AReason) {
            reasons.push_back(AReason);
        };
    }

    // Runs AScript once the menu is open (its windows exist), from the menu's loop.
    void OpenAt(int X, int Y, std::function<void()> AScript) {
        script = std::move(AScript);
        PlaceCursor(X, Y);
        popup->PopupFromCursorPos();
    }

    TovBarPopupMenu* popup = nullptr;
    TovBarSubItem* effects = nullptr;
    TovBarSubMenuControl* root = nullptr;
    std::function<void()> script;
    int cutClicks = 0, copyClicks = 0, normalizeClicks = 0, popups = 0;
    std::vector<TovBarCloseUpReason> reasons;
};

TEST_F(PopupRoadTest, OpensAtTheCursorAndAClickRunsTheItemOnceAndClosesWithItemClick) {
    TRect bounds{};
    OpenAt(300, 200, [&] {
        bounds = WindowBounds(root);
        const TPoint copy = ItemCentre(root, "Copy");
        MoveMouse(copy.x, copy.y);
        ClickAt(copy.x, copy.y);
    });
    EXPECT_EQ(bounds.left, 300);
    EXPECT_EQ(bounds.top, 200);
    EXPECT_EQ(copyClicks, 1);
    EXPECT_EQ(cutClicks, 0);
    ASSERT_EQ(reasons.size(), 1u);
    EXPECT_EQ(reasons[0], bcrItemClick);
    EXPECT_FALSE(popup->PopupVisible());
    EXPECT_EQ(popup->GetSubMenuControl(), nullptr);
    EXPECT_EQ(CurrentBarControl(), nullptr);
    olva::win::PumpMessages();
    EXPECT_EQ(copyClicks, 1) << "nothing runs it again after the loop";
}

TEST_F(PopupRoadTest, ARightClickOnAnItemOfAContextMenuRunsIt) {
    OpenAt(300, 200, [&] {
        const TPoint cut = ItemCentre(root, "Cut");
        MoveMouse(cut.x, cut.y);
        ClickAt(cut.x, cut.y, true);
    });
    EXPECT_EQ(cutClicks, 1);
    EXPECT_EQ(reasons, std::vector<TovBarCloseUpReason>{bcrItemClick});
}

TEST_F(PopupRoadTest, AnItemOfAnOpenSubMenuRunsOnceAndClosesTheWholeChain) {
    TovBarSubMenuControl* child = nullptr;
    TRect itemBounds{}, childBounds{};
    menuFactory.OnCreate = [&](TovBarSubMenuControl* AMenu) {
        child = AMenu;
        AMenu->OnPopupNotify = [&](TovBarSubMenuControl*) {
            PostScript([&] {
                childBounds = WindowBounds(child);
                const TPoint normalize = ItemCentre(child, "Normalize");
                MoveMouse(normalize.x, normalize.y);
                ClickAt(normalize.x, normalize.y);
            });
        };
    };
    OpenAt(300, 200, [&] {
        for (int i = 0; i < root->ItemLinks()->VisibleItemCount(); ++i)
            if (root->ItemLinks()->VisibleItems(i)->Item() == effects)
                itemBounds = root->GetItemControlRect(root->ItemLinks()->VisibleItems(i)->Control());
        const TPoint sub = ItemCentre(root, "Effects");
        MoveMouse(sub.x, sub.y);
        ClickAt(sub.x, sub.y);
    });
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(childBounds.left, itemBounds.right) << "the sub-menu opens beside its item";
    EXPECT_LT(childBounds.top, itemBounds.top) << "its first item level with the opening one";
    EXPECT_EQ(normalizeClicks, 1);
    EXPECT_EQ(reasons, std::vector<TovBarCloseUpReason>{bcrItemClick});
    EXPECT_EQ(child->Handle(), nullptr);
    EXPECT_EQ(CurrentBarControl(), nullptr);
}

TEST_F(PopupRoadTest, EscapeClosesOneLevelAtATime) {
    bool rootOpenWhenChildClosed = false;
    TovBarCloseUpReason childReason = bcrNone;
    menuFactory.OnCreate = [&](TovBarSubMenuControl* AMenu) {
        AMenu->OnCloseUpNotify = [&](TovBarSubMenuControl*, TovBarCloseUpReason AReason) {
            rootOpenWhenChildClosed = popup->PopupVisible();
            childReason = AReason;
        };
    };
    OpenAt(300, 200, [&] {
        const TPoint sub = ItemCentre(root, "Effects");
        MoveMouse(sub.x, sub.y);
        ClickAt(sub.x, sub.y);
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
    });
    EXPECT_TRUE(rootOpenWhenChildClosed);
    EXPECT_NE(childReason, bcrNone) << "the sub-menu did close";
    EXPECT_EQ(reasons, std::vector<TovBarCloseUpReason>{bcrEscape});
    EXPECT_EQ(normalizeClicks, 0);
}

TEST_F(PopupRoadTest, AClickElsewhereClosesTheMenuAndReachesThatWindowAfterTheLoop) {
    int formClicks = 0;
    form->SetBounds(600, 500, 300, 200);
    olva::win::PumpMessages();
    form->OnMouseDown =
        TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++formClicks; }, form);
    OpenAt(100, 100, [&] { ClickAt(700, 600); });
    EXPECT_EQ(reasons, std::vector<TovBarCloseUpReason>{bcrOther});
    EXPECT_EQ(formClicks, 0) << "not while the menu's loop runs";
    olva::win::PumpMessages();
    EXPECT_EQ(formClicks, 1) << "the click reaches the form once the loop has ended";
}

TEST_F(PopupRoadTest, AQuitDuringTheLoopEndsItAndIsPostedAgain) {
    OpenAt(100, 100, [&] { ::PostQuitMessage(7); });
    EXPECT_FALSE(popup->PopupVisible());
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(PopupRoadTest, CommandsPostedWhileTheMenuIsOpenAreDroppedOtherMessagesArrive) {
    HWND target = CountingWindow();
    OpenAt(100, 100, [&] {
        ::PostMessage(target, WM_COMMAND, 1, 0);
        ::PostMessage(target, WM_APP + 77, 0, 0);
        Key(VK_ESCAPE);
    });
    olva::win::PumpMessages();
    EXPECT_EQ(MessagesReceived(WM_COMMAND), 0);
    EXPECT_EQ(MessagesReceived(WM_APP + 77), 1);
}

TEST_F(PopupRoadTest, PopupWhileOpenReturnsAtOnce) {
    int nested = 0;
    OpenAt(100, 100, [&] {
        popup->Popup(50, 50);
        ++nested;
        Key(VK_ESCAPE);
    });
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(popups, 1);
}

TEST_F(PopupRoadTest, PopupExWithoutItsLoopReturnsOpenAndThenPopupIsModalAgain) {
    popup->PopupEx(100, 100, 0, 0, false, nullptr, false, nullptr);
    EXPECT_TRUE(popup->PopupVisible()) << "returned with the menu open";
    EXPECT_TRUE(popup->UseOwnMessageLoop()) << "defaults restored";
    root->CloseUp(bcrOther);
    EXPECT_FALSE(popup->PopupVisible());
    bool loopRan = false;
    OpenAt(100, 100, [&] {
        loopRan = true;
        Key(VK_ESCAPE);
    });
    EXPECT_TRUE(loopRan);
    EXPECT_EQ(reasons.back(), bcrEscape) << "the second popup ran its own loop until Escape";
}

TEST_F(PopupRoadTest, PopupAtRectKeepsTheAlignmentAfterwards) {
    popup->SetPopupAlignment(paCenter);
    TRect bounds{};
    script = [&] {
        bounds = WindowBounds(root);
        Key(VK_ESCAPE);
    };
    popup->PopupAtRect(500, 300, TRect{400, 280, 500, 300}, paRight);
    EXPECT_EQ(bounds.right, 500) << "right-aligned at the point";
    EXPECT_EQ(popup->PopupAlignment(), paCenter);
}

TEST_F(PopupRoadTest, BarSizeIsNeverNegative) {
    popup->SetBarSize(-5);
    EXPECT_EQ(popup->BarSize(), 0);
}

} // namespace
} // namespace menus_test
