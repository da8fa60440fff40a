// Keys in menus: arrows, Right and Left into and out of sub-menus, Enter, unique and shared accelerators,
// and the keys a running menu loop hands to its deepest open menu.
#include "MenusTestSupport.h"

#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"

namespace menus_test {
namespace {

class MenuKeysTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        popup = MakePopup();
        popup->ItemLinks()->AddItem(Command("&Copy", &copyClicks));
        popup->ItemLinks()->AddItem(Command("&Paste", &pasteClicks));
        popup->ItemLinks()->AddItem(Command("C&lear"));
        popup->ItemLinks()->AddItem(Command("&Crop", &cropClicks));
        effects = SubMenu("&Effects");
        effects->ItemLinks()->AddItem(Command("&Normalize", &normalizeClicks));
        effects->ItemLinks()->AddItem(Command("&Fade in"));
        popup->ItemLinks()->AddItem(effects)->SetBeginGroup(true);
    }
    TovBarSubMenuControl* Open() {
        popup->PopupEx(200, 150, 0, 0, true, nullptr, false, nullptr);
        return popup->GetSubMenuControl();
    }
    static void Send(TovBarSubMenuControl* AMenu, WORD AKey) {
        ::SendMessage(AMenu->Handle(), WM_KEYDOWN, AKey, 0);
    }
    static std::string Selected(TovBarSubMenuControl* AMenu) {
        return AMenu->SelectedControl() != nullptr ? AMenu->SelectedControl()->Item()->Caption() : "";
    }
    TovBarSubMenuControl* Child() {
        return dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl());
    }

    TovBarPopupMenu* popup = nullptr;
    TovBarSubItem* effects = nullptr;
    int copyClicks = 0, pasteClicks = 0, cropClicks = 0, normalizeClicks = 0;
};

TEST_F(MenuKeysTest, ArrowsMoveTheSelectionAndWrap) {
    TovBarSubMenuControl* menu = Open();
    Send(menu, VK_DOWN);
    EXPECT_EQ(Selected(menu), "&Copy");
    Send(menu, VK_DOWN);
    EXPECT_EQ(Selected(menu), "&Paste");
    Send(menu, VK_UP);
    Send(menu, VK_UP);
    EXPECT_EQ(Selected(menu), "&Effects") << "up from the first goes round to the last";
    menu->CloseUp(bcrOther);
}

TEST_F(MenuKeysTest, RightOpensTheSubMenuOnItsFirstItemAndLeftGoesBack) {
    TovBarSubMenuControl* menu = Open();
    Send(menu, VK_UP);
    ASSERT_EQ(Selected(menu), "&Effects");
    Send(menu, VK_RIGHT);
    TovBarSubMenuControl* child = Child();
    ASSERT_NE(child, nullptr);
    ASSERT_NE(child->Handle(), nullptr);
    EXPECT_EQ(Selected(child), "&Normalize");
    EXPECT_EQ(menu->DeepestOpenMenu(), child);
    Send(child, VK_LEFT);
    EXPECT_EQ(child->Handle(), nullptr) << "the sub-menu closed";
    EXPECT_TRUE(popup->PopupVisible()) << "its parent stays";
    EXPECT_EQ(Selected(menu), "&Effects");
    EXPECT_EQ(menu->DeepestOpenMenu(), menu);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuKeysTest, EnterChoosesTheSelectedItem) {
    TovBarSubMenuControl* menu = Open();
    Send(menu, VK_DOWN);
    Send(menu, VK_DOWN);
    Send(menu, VK_RETURN);
    EXPECT_EQ(pasteClicks, 1);
    EXPECT_FALSE(popup->PopupVisible());
    EXPECT_EQ(popup->LastCloseUpReason(), bcrItemClick);
}

TEST_F(MenuKeysTest, AUniqueAcceleratorChoosesItsItemASharedOneOnlyMovesBetweenThem) {
    TovBarSubMenuControl* menu = Open();
    Send(menu, 'C');
    EXPECT_EQ(Selected(menu), "&Copy");
    EXPECT_EQ(copyClicks, 0) << "C is shared by Copy and Crop";
    Send(menu, 'C');
    EXPECT_EQ(Selected(menu), "&Crop");
    Send(menu, 'C');
    EXPECT_EQ(Selected(menu), "&Copy");
    EXPECT_EQ(copyClicks + cropClicks, 0);
    Send(menu, 'P');
    EXPECT_EQ(pasteClicks, 1) << "P is Paste's alone";
    EXPECT_FALSE(popup->PopupVisible());
}

TEST_F(MenuKeysTest, AUniqueAcceleratorOfASubItemOpensItsMenu) {
    TovBarSubMenuControl* menu = Open();
    Send(menu, 'E');
    ASSERT_NE(Child(), nullptr);
    EXPECT_NE(Child()->Handle(), nullptr);
    Send(Child(), 'N');
    EXPECT_EQ(normalizeClicks, 1);
    EXPECT_FALSE(popup->PopupVisible()) << "the whole chain closed";
}

TEST_F(MenuKeysTest, TheLoopHandsKeysToTheDeepestOpenMenu) {
    popup->OnPopup = TNotifyEvent(
        [this](TObject*) {
            PostScript([this] {
                Key(VK_UP);     // Effects
                Key(VK_RIGHT);  // into its menu, on Normalize
                Key(VK_RETURN); // chosen
            });
        },
        this);
    PlaceCursor(10, 10);
    popup->Popup(200, 150);
    EXPECT_EQ(normalizeClicks, 1);
    EXPECT_EQ(popup->LastCloseUpReason(), bcrItemClick);
}

} // namespace
} // namespace menus_test
