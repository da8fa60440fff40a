// Keys in an open menu: Up and Down go round its items and Tab goes down; Right on an item without a
// sub-menu moves the main menu to its next item and Left to the previous one; Escape while the menu's
// key tips show closes it and brings back the main menu's.
#include "BarNavigationFixture.h"

#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarNavigationController.h"

using namespace navigation_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

class MenuNavigationTest : public BarNavigationTest {
protected:
    void SetUp() override {
        BarNavigationTest::SetUp();
        main = MainMenu({"&File", "&Edit", "&View"}, true);
        main->BarGetFocus(main->Links()->Items(0)->Control());
        menu = Menu();
        for (const char* caption : {"&New", "&Open", "&Save"})
            menu->Add(CountedButton(caption));
        menu->Layout();
        menu->SetScreenOrigin(TPoint{0, 30});
        menu->SetParentBarControl(main);
        // The open menu is the active bar, as when the mouse or the keyboard opened it.
        SetCurrentBarControl(menu);
        controller->ChangeSelectedObject(false, HelperOf(menu->Links()->Items(0)));
    }
    void TearDown() override {
        ReleaseCurrentBarControl(menu);
        BarNavigationTest::TearDown();
    }
    std::string MainSelection() {
        TovBarItemControl* control = main->SelectedControl();
        return control != nullptr ? control->Item()->Caption() : "(none)";
    }

    TStandInToolbar* main = nullptr;
    TStandInMenu* menu = nullptr;
};

TEST_F(MenuNavigationTest, UpAndDownGoRoundTheItemsAndTabGoesDown) {
    const struct {
        WORD Key;
        TShiftState Shift;
        const char* Selected;
    } steps[] = {{VK_DOWN, {}, "&Open"}, {VK_DOWN, {}, "&Save"}, {VK_DOWN, {}, "&New"},
                 {VK_UP, {}, "&Save"},   {VK_TAB, {}, "&New"},   {VK_TAB, {ssShift}, "&Save"}};
    for (const auto& step : steps) {
        ASSERT_TRUE(controller->IsKeyForNavigation(step.Key, step.Shift));
        controller->ProcessKey(step.Key, step.Shift);
        EXPECT_EQ(SelectedCaption(), step.Selected) << "key " << step.Key;
    }
    EXPECT_EQ(menu->SelectedControl(), menu->Links()->Items(2)->Control());
    EXPECT_EQ(MainSelection(), "&File") << "the main menu keeps the item that opened the menu";
}

TEST_F(MenuNavigationTest, RightAndLeftMoveTheMainMenuFromAnItemWithoutASubMenu) {
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(MainSelection(), "&Edit");
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(MainSelection(), "&View");
    controller->ProcessKey(VK_LEFT, {});
    EXPECT_EQ(MainSelection(), "&Edit");
    EXPECT_TRUE(clicks.empty());
}

TEST_F(MenuNavigationTest, EscapeFromTheMenusKeyTipsClosesItAndShowsTheMainMenus) {
    TovBarAccessibilityHelper* menuHelper = ovBarControlHelper(menu);
    EXPECT_EQ(menuHelper->KeyTipParent(), HelperOf(main->Links()->Items(0))) << "the item that opened it";
    controller->ShowKeyTips(menuHelper, "");
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"N", "O", "S"}));
    controller->ProcessKey(VK_ESCAPE, {});
    EXPECT_EQ(menu->CloseUpReason(), bcrEscape);
    EXPECT_EQ(controller->KeyTipContainer(), ovBarControlHelper(main));
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E", "V"}));
}

TEST_F(MenuNavigationTest, RightOnASubMenuItemOpensItsMenuInstead) {
    auto* recent = new TovBarSubItem(form);
    recent->SetCaption("&Recent");
    recent->ItemLinks()->AddItem(CountedButton("One.wav"));
    TovBarItemLink* link = menu->Add(recent);
    menu->Layout();
    controller->ChangeSelectedObject(false, HelperOf(link));
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(MainSelection(), "&File") << "the main menu stays where it is";
    EXPECT_TRUE(link->Control()->IsDroppedDown());
    EXPECT_TRUE(clicks.empty());
    // The stand-in frees its item controls before its base closes the menus they opened: the sub-item
    // goes first, taking its open menu with it.
    delete recent;
}

TEST_F(MenuNavigationTest, APersonalisedMenuExpandsOnCtrlDownAndOnDownPastItsLastShownItem) {
    manager->SetStyle(bmsFlat);
    manager->MenusShowRecentItemsFirst = true;
    for (const bool ctrl : {true, false}) {
        TStandInMenu* personal = Menu();
        personal->Links()->UseRecentItems = true;
        for (const char* caption : {"Undo", "Cut", "Copy", "Mix paste", "Crossfade"})
            personal->Add(CountedButton(caption));
        for (int i = 3; i < 5; ++i)
            personal->Links()->Items(i)->SetMostRecentlyUsed(false);
        // Collapsed, as a personalised menu opens.
        personal->Links()->SetRecentItemCount(personal->Links()->CalcRecentItemCount());
        personal->Layout();
        ASSERT_TRUE(personal->HasMark());
        ASSERT_EQ(personal->Links()->VisibleItemCount(), 3);
        SetCurrentBarControl(personal);
        controller->ChangeSelectedObject(false, HelperOf(personal->Links()->Items(ctrl ? 0 : 2)));
        controller->ProcessKey(VK_DOWN, ctrl ? TShiftState{ssCtrl} : TShiftState{});
        EXPECT_EQ(personal->Links()->VisibleItemCount(), 5) << (ctrl ? "Ctrl+Down" : "Down on the last item");
        if (ctrl) EXPECT_EQ(SelectedCaption(), "Undo") << "Ctrl+Down only expands";
        ReleaseCurrentBarControl(personal);
        personal->CloseUp(bcrOther);
        TovBarSubMenuControl::SetMenusExpanded(false);
    }
}

} // namespace
