// Keyboard navigation over real item controls on stand-in toolbars: Tab and Shift+Tab along horizontal
// and vertically docked toolbars, arrows that follow the way the toolbar lies, the items' automatic key
// tips, and caption buttons navigated from the last.
#include "BarNavigationFixture.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/Panel.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"
#include "ui/bars/navigation/BarNavigationController.h"

using namespace navigation_test;
using bar_standins::TStandInToolbar;

namespace {

class ToolbarNavigationTest : public BarNavigationTest {};

TEST_F(ToolbarNavigationTest, TabGoesForwardAndShiftTabBackOnEveryToolbar) {
    for (const TovBarDockingStyle style : {dsTop, dsLeft, dsNone, dsRight}) {
        TStandInToolbar* toolbar = Toolbar(style);
        toolbar->Add(Button("One"));
        toolbar->Add(Button("Two"));
        toolbar->Add(Button("Three"), true);
        toolbar->Layout();
        controller->ChangeSelectedObject(true, HelperOf(toolbar->Links()->Items(0)));
        std::vector<std::string> order;
        for (const TShiftState shift :
             {TShiftState{}, TShiftState{}, TShiftState{}, TShiftState{ssShift}, TShiftState{ssShift}}) {
            controller->ProcessKey(VK_TAB, shift);
            order.push_back(SelectedCaption());
        }
        EXPECT_EQ(order, (std::vector<std::string>{"Two", "Three", "One", "Three", "Two"}))
            << "docking style " << style;
        EXPECT_EQ(toolbar->SelectedControl(), toolbar->Links()->Items(1)->Control())
            << "the bar shows the selection";
        controller->EndKeyboardHandling();
    }
}

TEST_F(ToolbarNavigationTest, ArrowsFollowTheWayTheToolbarLies) {
    TStandInToolbar* horizontal = Toolbar(dsTop);
    TStandInToolbar* vertical = Toolbar(dsLeft);
    for (TStandInToolbar* toolbar : {horizontal, vertical}) {
        toolbar->Add(Button("One"));
        toolbar->Add(Button("Two"));
        toolbar->Layout();
    }
    const struct {
        TStandInToolbar* Toolbar;
        int From;
        WORD Key;
        const char* To;
    } cases[] = {
        {horizontal, 0, VK_RIGHT, "Two"}, {horizontal, 1, VK_RIGHT, "One"}, // round the end
        {horizontal, 0, VK_LEFT, "Two"},  {horizontal, 0, VK_DOWN, "One"},  // nothing below
        {vertical, 0, VK_DOWN, "Two"},    {vertical, 1, VK_UP, "One"},
        {vertical, 1, VK_DOWN, "Two"},    {vertical, 0, VK_UP, "One"},
    };
    for (const auto& c : cases) {
        controller->ChangeSelectedObject(false, HelperOf(c.Toolbar->Links()->Items(c.From)));
        controller->ProcessKey(c.Key, {});
        EXPECT_EQ(SelectedCaption(), c.To)
            << (c.Toolbar == vertical ? "vertical" : "horizontal") << " from " << c.From << " key " << c.Key;
        controller->EndKeyboardHandling();
    }
}

TEST_F(ToolbarNavigationTest, ItemsKeyTipsComeFromTheUserTheShortCutTheCaptionOrY) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("&Open"));
    TovBarButton* save = Button("Save");
    save->SetShortCut(ShortCut('S', scCtrl));
    toolbar->Add(save);
    TovBarButton* saveAs = Button("Save &As");
    saveAs->SetShortCut(ShortCut(VK_F12, 0));
    toolbar->Add(saveAs);
    toolbar->Add(Button("Plain"));
    TovBarButton* copy = Button("&Copy");
    copy->KeyTip = "COPYX";
    toolbar->Add(copy);
    toolbar->Add(Button("Other"));
    toolbar->Layout();

    TovBarKeyTipDataList list;
    ovBarControlHelper(toolbar)->CollectKeyTipsData(list);
    std::vector<std::string> keyTips;
    for (const auto& data : list)
        keyTips.push_back(data->Info.KeyTip);
    EXPECT_EQ(keyTips, (std::vector<std::string>{"O", "S", "A", "Y1", "COP", "Y2"}));
    const TRect open = ovBarItemControlHelper(toolbar->Links()->Items(0)->Control())->ScreenBounds();
    EXPECT_EQ(list[0]->Info.BasePoint.x, (open.left + open.right) / 2) << "centred on the item";
    EXPECT_EQ(list[0]->Info.HorzAlign, 2);
}

TEST_F(ToolbarNavigationTest, CaptionButtonsAreNavigatedFromTheLastAndTheirKeyTipsClickThem) {
    MainMenu({"&File"}, true);
    TovBar* bar = manager->GetMainMenuBar();
    TovBarCaptionButtons* buttons = bar->CaptionButtons();
    std::vector<std::string> pressed;
    for (int i = 0; i < 3; ++i) {
        TovBarCaptionButton* button = buttons->Add();
        button->Bounds = RECT{300 + 20 * i, 2, 316 + 20 * i, 18};
        button->SetOnClick(TNotifyEvent(
            [&pressed, i](TObject*) { pressed.push_back("button " + std::to_string(i)); }, this));
    }
    auto* toolbar = dynamic_cast<TStandInToolbar*>(bar->GetControl());
    ASSERT_NE(toolbar, nullptr);
    TovBarAccessibilityHelper* toolbarHelper = ovBarControlHelper(toolbar);
    ASSERT_EQ(toolbarHelper->GetChildCount(), 2) << "the item and the caption buttons";
    TovBarAccessibilityHelper* captionHelper = toolbarHelper->BarChild(1);
    ASSERT_EQ(captionHelper->GetChildCount(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* child = dynamic_cast<TovBarCaptionButtonAccessibilityHelper*>(captionHelper->BarChild(i));
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->Button(), buttons->Items(2 - i));
    }

    controller->ShowKeyTips(toolbarHelper, "");
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "Y1", "Y2", "Y3"}));
    controller->ProcessKey('Y', {});
    controller->ProcessKey('1', {});
    EXPECT_EQ(pressed, (std::vector<std::string>{"button 2"})) << "Y1 is the last button";
}

TEST_F(ToolbarNavigationTest, CtrlTabGoesToTheNextToolbarAndStopsAtTheEnds) {
    TStandInToolbar* first = OwnToolbar(dsTop, {"One", "Two"});
    TStandInToolbar* hidden = OwnToolbar(dsTop, {"Hidden"}, {0, 30});
    hidden->SetVisible(false);
    TStandInToolbar* second = OwnToolbar(dsTop, {"Three"}, {0, 60});
    controller->ChangeSelectedObject(true, HelperOf(first->Links()->Items(1)));

    controller->ProcessKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(controller->GetSelectedObjectParent(), ovBarControlHelper(second))
        << "the hidden toolbar is skipped";
    EXPECT_TRUE(second->IsActive());
    EXPECT_EQ(second->SelectedControl(), nullptr) << "the toolbar gets the focus with no item selected";
    EXPECT_EQ(first->SelectedControl(), nullptr) << "the first toolbar let its item go";

    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(SelectedCaption(), "Three");
    controller->ProcessKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(SelectedCaption(), "Three") << "no toolbar after the last";
    controller->ProcessKey(VK_TAB, {ssCtrl, ssShift});
    EXPECT_EQ(controller->GetSelectedObjectParent(), ovBarControlHelper(first));
}

TEST_F(ToolbarNavigationTest, CtrlTabGoesOnIntoTheNextManagerOfTheForm) {
    TStandInToolbar* own = OwnToolbar(dsTop, {"One"});
    // A second manager of the form, on a panel of it; the managers know their form through its window.
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    form->Show();
    auto* other = new TovBarManager(panel);
    auto otherToolbar = std::make_unique<TStandInToolbar>(other, other->Bars()->Add(), true);
    otherToolbar->Bar()->ItemLinks()->AddItem(Button("Two"));
    controller->ChangeSelectedObject(true, HelperOf(own->Links()->Items(0)));
    controller->ProcessKey(VK_TAB, {ssCtrl});
    EXPECT_EQ(controller->GetSelectedObjectParent(), ovBarControlHelper(otherToolbar.get()));
    controller->ProcessKey(VK_TAB, {ssCtrl, ssShift});
    EXPECT_EQ(controller->GetSelectedObjectParent(), ovBarControlHelper(own));
    controller->ProcessKey(VK_TAB, {ssCtrl, ssShift});
    EXPECT_EQ(controller->GetSelectedObjectParent(), ovBarControlHelper(own)) << "nothing before the first";
    controller->EndKeyboardHandling();
    otherToolbar.reset();
    delete panel;
}

TEST_F(ToolbarNavigationTest, ADockListsItsToolbarsRowByRowAndGathersTheirKeyTips) {
    TovDockControl dock(manager, dsTop);
    TStandInToolbar* secondRow = OwnToolbar(dsTop, {"&Cut", "&Paste"}, {0, 30});
    TStandInToolbar* firstRowRight = OwnToolbar(dsTop, {"&Bold"}, {200, 0});
    TStandInToolbar* firstRowLeft = OwnToolbar(dsTop, {"&New", "&Open"}, {0, 0});
    const struct {
        TStandInToolbar* Toolbar;
        TRect InDock;
    } placed[] = {
        {secondRow, {0, 30, 150, 60}}, {firstRowRight, {200, 0, 260, 30}}, {firstRowLeft, {0, 0, 150, 30}}};
    for (const auto& p : placed) {
        p.Toolbar->SetDockControl(&dock);
        p.Toolbar->SetBoundsInDock(p.InDock);
    }
    TovBarAccessibilityHelper* dockHelper = ovDockControlHelper(&dock);
    ASSERT_EQ(dockHelper->GetChildCount(), 3);
    EXPECT_EQ(dockHelper->BarChild(0), ovBarControlHelper(firstRowLeft));
    EXPECT_EQ(dockHelper->BarChild(1), ovBarControlHelper(firstRowRight));
    EXPECT_EQ(dockHelper->BarChild(2), ovBarControlHelper(secondRow));
    EXPECT_EQ(ovBarControlHelper(secondRow)->BarParent(), dockHelper);

    TovBarKeyTipDataList list;
    dockHelper->CollectKeyTipsData(list);
    std::vector<std::string> keyTips;
    for (const auto& data : list)
        keyTips.push_back(data->Info.KeyTip);
    EXPECT_EQ(keyTips, (std::vector<std::string>{"N", "O", "B", "C", "P"}));

    // Tab stays in its toolbar: from the last item it goes round to the first.
    controller->ChangeSelectedObject(true, HelperOf(firstRowLeft->Links()->Items(1)));
    EXPECT_EQ(controller->GetSelectedObject()->GetNextLogicalObject({}),
              HelperOf(firstRowLeft->Links()->Items(0)))
        << "within a toolbar Tab goes round";
    for (TStandInToolbar* toolbar : {secondRow, firstRowRight, firstRowLeft})
        toolbar->SetDockControl(nullptr);
}

TEST_F(ToolbarNavigationTest, AHelperOutlivingItsToolbarTakesNoPartAndANewToolbarGetsANewOne) {
    auto first = std::make_unique<TStandInToolbar>(manager, manager->Bars()->Add());
    first->Add(Button("One"));
    TovBarHelperRef old(ovBarControlHelper(first.get()));
    TovBarHelperRef item(HelperOf(first->Links()->Items(0)));
    controller->ChangeSelectedObject(false, item.Get());
    ASSERT_EQ(controller->GetSelectedObject(), item.Get());
    first.reset();
    EXPECT_FALSE(old->IsOwnerAlive());
    EXPECT_EQ(old->GetChildCount(), 0);
    EXPECT_EQ(old->GetState(0), STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(controller->GetSelectedObject(), nullptr) << "the selection went with its toolbar";
    TovBarKeyTipDataList list;
    old->CollectKeyTipsData(list);
    EXPECT_TRUE(list.empty());

    auto second = std::make_unique<TStandInToolbar>(manager, manager->Bars()->Add());
    TovBarAccessibilityHelper* fresh = ovBarControlHelper(second.get());
    EXPECT_NE(fresh, old.Get());
    EXPECT_TRUE(fresh->IsOwnerAlive());
}

TEST_F(ToolbarNavigationTest, ADockWithRowsListsItsToolbarsRowByRowAndColumnByColumn) {
    auto dock = std::make_unique<TovDockControl>(manager, dsTop);
    dock->SetParentOrigin(TPoint{100, 100});
    dock->SetBounds(TRect{0, 0, 600, 0});
    TStandInToolbar* left = OwnToolbar(dsTop, {"&New", "&Open"});
    TStandInToolbar* right = OwnToolbar(dsTop, {"&Bold"});
    TStandInToolbar* below = OwnToolbar(dsTop, {"&Cut"});
    dock->DockBarControl(left, TPoint{0, 0}, true);
    dock->DockBarControl(right, TPoint{300, 0}, true);
    dock->DockBarControl(below, TPoint{0, 12}, true);
    ASSERT_EQ(dock->DockRowCount(), 2);
    ASSERT_EQ(dock->RowIndexOfControl(below), 1);

    TovBarAccessibilityHelper* dockHelper = ovDockControlHelper(dock.get());
    ASSERT_EQ(dockHelper->GetChildCount(), 3);
    EXPECT_EQ(dockHelper->BarChild(0), ovBarControlHelper(left));
    EXPECT_EQ(dockHelper->BarChild(1), ovBarControlHelper(right));
    EXPECT_EQ(dockHelper->BarChild(2), ovBarControlHelper(below));
    EXPECT_EQ(ovBarControlHelper(below)->BarParent(), dockHelper);
    TovBarKeyTipDataList list;
    dockHelper->CollectKeyTipsData(list);
    std::vector<std::string> keyTips;
    for (const auto& data : list)
        keyTips.push_back(data->Info.KeyTip);
    EXPECT_EQ(keyTips, (std::vector<std::string>{"N", "O", "B", "C"}));
    // The docks hold their rows' columns, which point at the toolbars: the dock goes first.
    dock.reset();
}

} // namespace
