// Re-entrancy on the popup road: an item's action that frees the item itself, the sub-item whose menu it
// sits in, or the whole popup menu component, reached by a mouse click, by Enter and by its accelerator.
// Each runs once, the loop ends and nothing touches the freed objects afterwards (the sanitize build
// runs these under AddressSanitizer).
#include "MenusTestSupport.h"

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

enum class Freed { Item, SubItem, Popup };
enum class Way { Mouse, Enter, Accelerator };

struct ReentrancyCase {
    const char* name;
    Freed freed;
    Way way;
    bool inSubMenu; // the freeing command sits in the "Effects" sub-menu, not on the root menu
};

class MenuReentrancyTest : public MenusTest, public ::testing::WithParamInterface<ReentrancyCase> {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        popup = MakePopup();
        popup->ItemLinks()->AddItem(Command("&Cut"));
        effects = SubMenu("&Effects");
        effects->ItemLinks()->AddItem(Command("&Normalize"));
        popup->ItemLinks()->AddItem(effects);
        drop = Command("&Drop");
        drop->SetOnClick(TNotifyEvent([this](TObject*) { FreeWhatTheCaseSays(); }, drop));
        (GetParam().inSubMenu ? effects->ItemLinks() : popup->ItemLinks())->AddItem(drop);
        popup->OnPopup = TNotifyEvent(
            [this](TObject*) {
                root = popup->GetSubMenuControl();
                PostScript([this] { RunScript(); });
            },
            this);
    }

    void FreeWhatTheCaseSays() {
        ++runs;
        switch (GetParam().freed) {
        case Freed::Item:
            delete drop;
            drop = nullptr;
            break;
        case Freed::SubItem:
            delete effects;
            effects = nullptr;
            break;
        case Freed::Popup:
            delete popup;
            popup = nullptr;
            break;
        }
    }

    // Opens the sub-menu when the command sits there, then chooses the command the case's way.
    void RunScript() {
        TovBarSubMenuControl* menu = root;
        if (GetParam().inSubMenu) {
            // Its unique accelerator opens the sub-menu now.
            ::SendMessage(root->Handle(), WM_KEYDOWN, 'E', 0);
            menu = ChildMenu();
        }
        Choose(menu);
    }

    TovBarSubMenuControl* ChildMenu() const {
        return effects != nullptr ? dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl())
                                  : nullptr;
    }

    void Choose(TovBarSubMenuControl* AMenu) {
        ASSERT_NE(AMenu, nullptr);
        switch (GetParam().way) {
        case Way::Mouse: {
            const TPoint p = ItemCentre(AMenu, "&Drop");
            MoveMouse(p.x, p.y);
            ClickAt(p.x, p.y);
            break;
        }
        case Way::Enter:
            Key(VK_UP); // round to the last item, the command
            Key(VK_RETURN);
            break;
        case Way::Accelerator:
            Key('D');
            break;
        }
    }

    TovBarPopupMenu* popup = nullptr;
    TovBarSubItem* effects = nullptr;
    TovBarButton* drop = nullptr;
    TovBarSubMenuControl* root = nullptr;
    int runs = 0;
};

TEST_P(MenuReentrancyTest, TheActionRunsOnceAndTheChainClosesWithoutTouchingWhatItFreed) {
    PlaceCursor(300, 200);
    popup->PopupFromCursorPos();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(CurrentBarControl(), nullptr) << "no menu of the chain is left active";
    if (popup != nullptr) {
        EXPECT_FALSE(popup->PopupVisible());
        EXPECT_EQ(popup->LastCloseUpReason(), bcrItemClick);
    }
    olva::win::PumpMessages();
    EXPECT_EQ(runs, 1) << "nothing queued runs it again";
    if (popup != nullptr) {
        // The menu still works after the freeing: open it again and close it with Escape.
        popup->OnPopup = TNotifyEvent([this](TObject*) { PostScript([this] { Key(VK_ESCAPE); }); }, this);
        popup->PopupFromCursorPos();
        EXPECT_EQ(popup->LastCloseUpReason(), bcrEscape);
        EXPECT_EQ(runs, 1);
    }
}

const ReentrancyCase kCases[] = {
    {"ItemByMouse", Freed::Item, Way::Mouse, false},
    {"ItemByEnter", Freed::Item, Way::Enter, false},
    {"ItemByAccelerator", Freed::Item, Way::Accelerator, false},
    {"PopupByEnter", Freed::Popup, Way::Enter, false},
    {"PopupByAccelerator", Freed::Popup, Way::Accelerator, false},
    {"SubMenuItemByMouse", Freed::Item, Way::Mouse, true},
    {"SubMenuItemByEnter", Freed::Item, Way::Enter, true},
    {"OwnSubItemByMouse", Freed::SubItem, Way::Mouse, true},
    {"OwnSubItemByEnter", Freed::SubItem, Way::Enter, true},
    {"OwnSubItemByAccelerator", Freed::SubItem, Way::Accelerator, true},
    {"PopupFromSubMenuByMouse", Freed::Popup, Way::Mouse, true},
    {"PopupFromSubMenuByAccelerator", Freed::Popup, Way::Accelerator, true},
};

INSTANTIATE_TEST_SUITE_P(Ways, MenuReentrancyTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ReentrancyCase>& AInfo) {
                             return AInfo.param.name;
                         });

} // namespace
} // namespace menus_test
