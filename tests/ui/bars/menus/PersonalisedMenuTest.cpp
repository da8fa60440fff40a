// Personalised menus: rarely used items hidden behind the expand mark until the menu expands (after
// four idle seconds, on Ctrl+Down, on Down past the last shown item, or a click on the mark).
#include "MenusTestSupport.h"

#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"

namespace menus_test {
namespace {

class PersonalisedMenuTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        manager->SetStyle(bmsFlat);
        manager->MenusShowRecentItemsFirst = true;
        manager->ShowFullMenusAfterDelay = true;
        popup = MakePopup();
        popup->ItemLinks()->UseRecentItems = true;
        for (const char* caption : {"Undo", "Cut", "Copy", "Paste special", "Mix paste", "Crossfade"})
            popup->ItemLinks()->AddItem(Command(caption));
        // The last three are rarely used.
        for (int i = 3; i < 6; ++i)
            popup->ItemLinks()->Items(i)->SetMostRecentlyUsed(false);
    }
    TovBarSubMenuControl* Open() {
        popup->PopupEx(200, 150, 0, 0, true, nullptr, false, nullptr);
        return popup->GetSubMenuControl();
    }
    static std::string Selected(TovBarSubMenuControl* AMenu) {
        return AMenu->SelectedControl() != nullptr ? AMenu->SelectedControl()->Item()->Caption() : "";
    }

    TovBarPopupMenu* popup = nullptr;
};

TEST_F(PersonalisedMenuTest, ACollapsedMenuShowsTheMarkAndExpandsAfterFourIdleSeconds) {
    TovBarSubMenuControl* menu = Open();
    ASSERT_TRUE(menu->HasMark());
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 3);
    const int collapsedHeight = WindowBounds(menu).bottom - WindowBounds(menu).top;
    Run(3999);
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 3);
    Run(1);
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 6);
    EXPECT_FALSE(menu->HasMark());
    EXPECT_GT(WindowBounds(menu).bottom - WindowBounds(menu).top, collapsedHeight) << "the window grew";
    EXPECT_TRUE(TovBarSubMenuControl::MenusExpanded());
    menu->CloseUp(bcrOther);
    EXPECT_FALSE(TovBarSubMenuControl::MenusExpanded()) << "until the chain closes";
}

TEST_F(PersonalisedMenuTest, HoveringAnItemForFourSecondsOnlySelectsTheMark) {
    TovBarSubMenuControl* menu = Open();
    Run(1000);
    const TPoint cut = ItemCentre(menu, "Cut");
    MoveMouse(cut.x, cut.y);
    olva::win::PumpMessages();
    ASSERT_EQ(Selected(menu), "Cut");
    Run(3999);
    EXPECT_EQ(menu->GetMarkState(), 0);
    Run(1);
    EXPECT_EQ(menu->GetMarkState(), 1) << "the mark is selected";
    Run(5000);
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 3) << "but the menu did not expand";
    menu->CloseUp(bcrOther);
}

TEST_F(PersonalisedMenuTest, CtrlDownExpandsAtAnySelection) {
    TovBarSubMenuControl* menu = Open();
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    olva::win::InjectKey(VK_CONTROL, true);
    olva::win::PumpMessages();
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    olva::win::InjectKey(VK_CONTROL, false);
    olva::win::PumpMessages();
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 6);
    EXPECT_EQ(Selected(menu), "Undo") << "the selection stays";
    menu->CloseUp(bcrOther);
}

TEST_F(PersonalisedMenuTest, DownOnTheLastShownItemExpandsAndMovesToTheNextHiddenOne) {
    TovBarSubMenuControl* menu = Open();
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_UP, 0);
    ASSERT_EQ(Selected(menu), "Copy");
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 6);
    EXPECT_EQ(Selected(menu), "Paste special");
    menu->CloseUp(bcrOther);
}

TEST_F(PersonalisedMenuTest, AClickOnTheSelectedMarkExpands) {
    TovBarSubMenuControl* menu = Open();
    Run(10);
    const TRect mark = menu->GetMarkRect();
    POINT p{(mark.left + mark.right) / 2, (mark.top + mark.bottom) / 2};
    ::ClientToScreen(menu->Handle(), &p);
    MoveMouse(p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_EQ(menu->GetMarkState(), 1);
    ClickAt(p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_EQ(popup->ItemLinks()->VisibleItemCount(), 6);
    menu->CloseUp(bcrOther);
}

} // namespace
} // namespace menus_test
