// Pictures of menu windows as the headless screen shows them, under build/test-output/bars/: a context
// menu with glyphs, check marks, shortcuts, a disabled item and groups; an open sub-menu; a scrolling
// menu at the screen's bottom; a collapsed personalised menu.
#include "MenusTestSupport.h"

#include "platform/vcl/ShortCuts.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/core/base/Geometry.h"

namespace menus_test {
namespace {

class MenuScreenshotsTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        // The flat look: selection, check marks and the glyph column drawn.
        manager->SetStyle(bmsFlat);
        popup = MakePopup();
    }
    TovBarSubMenuControl* Open(int X, int Y) {
        popup->PopupEx(X, Y, 0, 0, false, nullptr, false, nullptr);
        olva::win::PumpMessages();
        return popup->GetSubMenuControl();
    }
    void Hover(TovBarSubMenuControl* AMenu, const std::string& ACaption) {
        const TPoint p = ItemCentre(AMenu, ACaption);
        MoveMouse(p.x, p.y);
        olva::win::PumpMessages();
    }
    // The region around the menus with a margin of the desktop.
    void Save(const TRect& R, const std::string& AName) { SaveScreenPart(uiGrowRect(R, 12, 12), AName); }

    TovBarPopupMenu* popup = nullptr;
};

TEST_F(MenuScreenshotsTest, AContextMenuWithGlyphsChecksShortcutsADisabledItemAndGroups) {
    TovBarButton* cut = Command("Cu&t", nullptr, 0);
    cut->SetShortCut(ShortCut('X', scCtrl));
    TovBarButton* copy = Command("&Copy", nullptr, 1);
    copy->SetShortCut(ShortCut('C', scCtrl));
    TovBarButton* paste = Command("&Paste", nullptr, 2);
    paste->SetShortCut(ShortCut('V', scCtrl));
    paste->SetEnabled(false);
    TovBarButton* snap = Command("&Snap to zero crossings");
    snap->SetButtonStyle(bsChecked);
    snap->SetDown(true);
    TovBarButton* follow = Command("&Follow playback", nullptr, 3);
    follow->SetButtonStyle(bsChecked);
    follow->SetDown(true);
    TovBarButton* select = Command("Select &all");
    select->SetShortCut(ShortCut('A', scCtrl));
    popup->ItemLinks()->AddItem(cut);
    popup->ItemLinks()->AddItem(copy);
    popup->ItemLinks()->AddItem(paste);
    popup->ItemLinks()->AddItem(snap)->SetBeginGroup(true);
    popup->ItemLinks()->AddItem(follow);
    popup->ItemLinks()->AddItem(select)->SetBeginGroup(true);
    TovBarSubMenuControl* menu = Open(40, 40);
    Hover(menu, "&Copy");
    Save(WindowBounds(menu), "menus-context.png");
    EXPECT_EQ(menu->SelectedControl()->Item(), copy);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuScreenshotsTest, AnOpenSubMenu) {
    popup->ItemLinks()->AddItem(Command("&Undo", nullptr, 4));
    TovBarSubItem* effects = SubMenu("&Effects");
    for (const char* caption : {"&Normalize...", "Fade &in", "Fade &out", "&Reverse", "&Echo..."})
        effects->ItemLinks()->AddItem(Command(caption));
    effects->ItemLinks()->Items(3)->SetBeginGroup(true);
    popup->ItemLinks()->AddItem(effects)->SetBeginGroup(true);
    popup->ItemLinks()->AddItem(Command("&Properties"));
    TovBarSubMenuControl* menu = Open(40, 40);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    olva::win::PumpMessages();
    auto* child = dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl());
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child->Handle(), nullptr);
    TRect both{};
    const TRect a = WindowBounds(menu), b = WindowBounds(child);
    ::UnionRect(&both, &a, &b);
    Save(both, "menus-submenu.png");
    menu->CloseUp(bcrOther);
}

TEST_F(MenuScreenshotsTest, AScrollingMenuAtTheScreensBottom) {
    for (int i = 1; i <= 70; ++i)
        popup->ItemLinks()->AddItem(Command("Marker " + std::to_string(i)));
    TovBarSubMenuControl* menu = Open(60, 900);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_END, 0);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_UP, 0);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_UP, 0);
    olva::win::PumpMessages();
    EXPECT_TRUE(menu->CanScrollUp());
    const TRect bounds = WindowBounds(menu);
    Save(TRect{bounds.left, bounds.bottom - 320, bounds.right, bounds.bottom}, "menus-scrolling-bottom.png");
    Save(TRect{bounds.left, bounds.top, bounds.right, bounds.top + 120}, "menus-scrolling-top.png");
    menu->CloseUp(bcrOther);
}

TEST_F(MenuScreenshotsTest, ACollapsedPersonalisedMenu) {
    manager->MenusShowRecentItemsFirst = true;
    popup->ItemLinks()->UseRecentItems = true;
    for (const char* caption :
         {"&Open...", "&Save", "Save &as...", "&Export...", "&Batch convert...", "E&xit"})
        popup->ItemLinks()->AddItem(Command(caption));
    popup->ItemLinks()->Items(3)->SetMostRecentlyUsed(false);
    popup->ItemLinks()->Items(4)->SetMostRecentlyUsed(false);
    popup->ItemLinks()->Items(5)->SetBeginGroup(true);
    TovBarSubMenuControl* menu = Open(40, 40);
    ASSERT_TRUE(menu->HasMark());
    Save(WindowBounds(menu), "menus-personalised-collapsed.png");
    menu->CloseUp(bcrOther);
}

} // namespace
} // namespace menus_test
