// Popup-menu links: a right click on a control (or on a child of it) shows the bar popup menu linked to
// it, the menu key too; OnAction moves the point or refuses; the shortcut question reaches the links of
// the control, of a parent that takes its children, and of the manager of the window around; freed
// controls and menus leave the links; a control outside the manager's form is refused.
#include "MenusTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/owner/BarShortCuts.h"
#include "ui/bars/popupmenus/PopupComponent.h"
#include "ui/bars/popupmenus/PopupMenuLinks.h"

#include <vector>

namespace menus_test {
namespace {

// A popup menu that records where it was asked to pop up instead of opening.
class TRecordingPopup : public TovBarCustomPopupMenuComponent {
public:
    using TovBarCustomPopupMenuComponent::TovBarCustomPopupMenuComponent;
    void Popup(int X, int Y) override { Shown.push_back(TPoint{X, Y}); }
    std::vector<TPoint> Shown;
};

struct TActionSeen {
    int X, Y;
    bool ByMouse;
};

class PopupMenuLinksTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        form->SetBounds(100, 100, 400, 300);
        area = new TPanel(form);
        area->SetParent(form);
        area->SetBounds(20, 20, 300, 200);
        child = new TPanel(form);
        child->SetParent(area);
        child->SetBounds(150, 100, 100, 60);
        menu = new TRecordingPopup(form);
        link = manager->PopupMenuLinks()->Add();
        link->SetControl(area);
        link->SetPopupMenu(menu);
        link->OnAction = TovBarPopupMenuLinkActionEvent(
            [this](TObject*, int& X, int& Y, bool AByMouse, bool& AAllow) {
                seen.push_back(TActionSeen{X, Y, AByMouse});
                if (MoveBy != 0) {
                    X += MoveBy;
                    Y += MoveBy;
                }
                if (Refuse) AAllow = false;
            },
            this);
        olva::win::PumpMessages();
    }
    // A right click at a client point of the control.
    void RightClick(TControl* AControl, POINT P) {
        const POINT screen = AControl->ClientToScreen(P);
        ClickAt(screen.x, screen.y, true);
        olva::win::PumpMessages();
    }

    TPanel* area = nullptr;
    TPanel* child = nullptr;
    TRecordingPopup* menu = nullptr;
    TovBarPopupMenuLink* link = nullptr;
    std::vector<TActionSeen> seen;
    int MoveBy = 0;
    bool Refuse = false;
};

TEST_F(PopupMenuLinksTest, ARightClickOnTheControlOrOnAChildShowsTheMenuUnlessChildrenAreLeftOut) {
    RightClick(area, POINT{30, 40});
    ASSERT_EQ(menu->Shown.size(), 1u);
    EXPECT_EQ(menu->Shown[0], TPoint(area->ClientToScreen(POINT{30, 40})));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].ByMouse);
    EXPECT_EQ(seen[0].X, 30);

    RightClick(child, POINT{10, 10});
    ASSERT_EQ(menu->Shown.size(), 2u) << "the child's context menu reaches the link";
    EXPECT_EQ(menu->Shown[1], TPoint(child->ClientToScreen(POINT{10, 10})));

    link->ProcessChildren = false;
    RightClick(child, POINT{10, 10});
    EXPECT_EQ(menu->Shown.size(), 2u) << "a click on a child shows nothing";
    RightClick(area, POINT{30, 40});
    EXPECT_EQ(menu->Shown.size(), 3u) << "the control itself still does";
    EXPECT_FALSE(area->OnContextPopup) << "the control's own handler is back after each message";
}

TEST_F(PopupMenuLinksTest, TheMenuKeyAsksNotByMouseAndOnActionMovesOrRefuses) {
    area->Perform(WM_CONTEXTMENU, 0, static_cast<LPARAM>(-1));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_FALSE(seen[0].ByMouse);
    EXPECT_EQ(seen[0].X, -1);
    EXPECT_EQ(seen[0].Y, -1);
    EXPECT_EQ(menu->Shown.size(), 1u);

    MoveBy = 5;
    RightClick(area, POINT{30, 40});
    ASSERT_EQ(menu->Shown.size(), 2u);
    EXPECT_EQ(menu->Shown[1], TPoint(area->ClientToScreen(POINT{35, 45})));

    MoveBy = 0;
    Refuse = true;
    RightClick(area, POINT{30, 40});
    EXPECT_EQ(menu->Shown.size(), 2u) << "refused";
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(PopupMenuLinksTest, TheControlsOwnHandlerGoesFirstAndMayTakeTheClick) {
    int own = 0;
    area->OnContextPopup = TContextPopupEvent(
        [&](TObject*, POINT, bool& AHandled) {
            ++own;
            AHandled = own > 1;
        },
        this);
    RightClick(area, POINT{30, 40});
    EXPECT_EQ(own, 1);
    EXPECT_EQ(menu->Shown.size(), 1u);
    RightClick(area, POINT{30, 40});
    EXPECT_EQ(own, 2);
    EXPECT_EQ(menu->Shown.size(), 1u) << "handled by the control's own handler";
    EXPECT_TRUE(area->OnContextPopup) << "and that handler stays the control's";
}

TEST_F(PopupMenuLinksTest, TheShortCutQuestionGoesToTheControlItsParentAndTheManagerAround) {
    int runs = 0;
    TovBarButton* command = Command("Mark", &runs);
    command->SetShortCut(ShortCut('K', scCtrl));
    menu->ItemLinks()->AddItem(command);
    TovBarPopupMenuLinks* links = manager->PopupMenuLinks();
    const TShortCut ctrlK = ShortCut('K', scCtrl);

    EXPECT_TRUE(links->IsShortCut(area, ctrlK));
    EXPECT_EQ(runs, 1) << "a shortcut typed is a click";
    EXPECT_TRUE(links->IsShortCut(child, ctrlK)) << "through the parent that takes its children";
    link->ProcessChildren = false;
    EXPECT_FALSE(links->IsShortCut(child, ctrlK));
    EXPECT_FALSE(links->IsShortCut(area, ShortCut('J', scCtrl)));
    Refuse = true;
    EXPECT_FALSE(links->IsShortCut(area, ctrlK)) << "OnAction refuses as for the menu key";
    Refuse = false;
    ASSERT_FALSE(seen.empty());
    EXPECT_FALSE(seen.back().ByMouse);

    // A manager inside the form (owned by the panel) has no link: its question goes up to the form's.
    link->ProcessChildren = true;
    auto* inner = new TovBarManager(area);
    EXPECT_TRUE(inner->PopupMenuLinks()->IsShortCut(child, ctrlK));
    delete inner;
    EXPECT_EQ(runs, 3);

    // The bar keyboard's question starts with the focused control's links.
    int before = runs;
    ::SetFocus(child->Handle());
    EXPECT_TRUE(ovBarIsShortCut(manager, ctrlK));
    EXPECT_EQ(runs, before + 1);
}

TEST_F(PopupMenuLinksTest, FreedControlsAndMenusLeaveTheLinksAndForeignControlsAreRefused) {
    delete child;
    child = nullptr;
    TPanel* second = new TPanel(form);
    second->SetParent(area);
    TovBarPopupMenuLink* other = manager->PopupMenuLinks()->Add();
    other->SetControl(second);
    EXPECT_EQ(other->Control(), second);
    delete second;
    EXPECT_EQ(other->Control(), nullptr);

    delete menu;
    menu = nullptr;
    EXPECT_EQ(link->PopupMenu(), nullptr);
    RightClick(area, POINT{30, 40});
    ASSERT_EQ(seen.size(), 1u) << "the link still acts, with no menu to show";

    auto* foreign = new TForm(nullptr);
    auto* outside = new TPanel(foreign);
    outside->SetParent(foreign);
    other->SetControl(outside);
    EXPECT_EQ(other->Control(), nullptr) << "a control outside the manager's form";
    delete foreign;

    TovBarPopupMenuLink* removed = link;
    link = nullptr;
    delete removed;
    RightClick(area, POINT{30, 40});
    EXPECT_EQ(seen.size(), 1u) << "a freed link leaves the control's messages alone";
}

} // namespace
} // namespace menus_test
