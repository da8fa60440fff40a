// Keyboard navigation over real item controls on stand-in toolbars: Tab and Shift+Tab along horizontal
// and vertically docked toolbars, arrows turned with a vertical toolbar, the items' automatic key tips,
// Alt alone, Alt held, Alt+letter and F10 on a main menu, caption buttons navigated from the last, and a
// mouse-down ending navigation.
#include "NavigationTestSupport.h"

#include "tests/ui/bars/BarPaintingTestSupport.h"

#include "platform/win/WinKeys.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/navigation/BarControlAccessibilityHelpers.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"
#include "ui/bars/navigation/BarMenuKeys.h"
#include "ui/bars/navigation/BarNavigationController.h"

using namespace bars_test;
using namespace navigation_test;
using bar_standins::TStandInToolbar;

namespace {

// A toolbar helper that is its own key-tip container, as a ribbon's would be.
class KeyTipToolbarHelper : public TovBarControlAccessibilityHelper {
public:
    KeyTipToolbarHelper(TovBarControl* AToolbar, RecordingKeyTipWindows* AWindows)
        : TovBarControlAccessibilityHelper(AToolbar), FWindows(AWindows) {}
    bool SupportsKeyTips(IovBarKeyTipWindowsManager*& AManager) override {
        AManager = FWindows;
        return true;
    }

private:
    RecordingKeyTipWindows* FWindows;
};

class ToolbarNavigationTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        ovFreeBarNavigationController();
        controller = BarNavigationController();
    }
    void TearDown() override {
        if (factoryId != 0) ovUnregisterBarControlHelperFactory(factoryId);
        ovFreeBarNavigationController();
        BarPaintingTest::TearDown();
    }

    TovBarButton* CountedButton(const std::string& ACaption) {
        TovBarButton* button = Button(ACaption);
        button->SetOnClick(TNotifyEvent([this, ACaption](TObject*) { clicks.push_back(ACaption); }, this));
        return button;
    }
    TovBarAccessibilityHelper* HelperOf(TovBarItemLink* ALink) {
        return ovBarItemControlHelper(ALink->Control());
    }
    std::string SelectedCaption() {
        auto* helper = dynamic_cast<TovBarItemControlAccessibilityHelper*>(controller->GetSelectedObject());
        return helper != nullptr ? helper->Control()->Item()->Caption() : "(none)";
    }
    // A main menu showing the manager's main-menu bar's own links, laid out along the top.
    TStandInToolbar* MainMenu(const std::vector<std::string>& ACaptions, bool AWithKeyTips) {
        TovBar* bar = manager->Bars()->Add();
        bar->SetDockingStyle(dsTop);
        manager->SetMainMenuBar(bar);
        auto menu = std::make_unique<TStandInToolbar>(manager, bar, true);
        menu->SetPainter(painter.get());
        menu->MarkShown = false;
        for (const std::string& caption : ACaptions) {
            TovBarItemLink* link = bar->ItemLinks()->AddItem(CountedButton(caption));
            link->SetUserPaintStyle(psCaption);
        }
        menu->Layout();
        auto* result = menu.get();
        standIns.push_back(std::move(menu));
        if (AWithKeyTips)
            factoryId = ovRegisterBarControlHelperFactory(
                [this, result](TCustomovBarControl* AControl) -> TovBarAccessibilityHelper* {
                    return AControl == result ? new KeyTipToolbarHelper(result, &windows) : nullptr;
                });
        return result;
    }

    TovBarNavigationController* controller = nullptr;
    RecordingKeyTipWindows windows;
    std::vector<std::string> clicks;
    int factoryId = 0;
};

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

TEST_F(ToolbarNavigationTest, AltAloneEntersNavigationOnTheMainMenuAndItsKeyUpIsConsumed) {
    TStandInToolbar* menu = MainMenu({"&File", "&Edit", "&View"}, false);
    EXPECT_FALSE(ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false)) << "the key-down goes on";
    EXPECT_TRUE(ovBarNavigationMenuKeyUp(manager, VK_MENU, {}));
    EXPECT_TRUE(controller->NavigationMode());
    EXPECT_TRUE(menu->IsActive());
    EXPECT_FALSE(controller->AreKeyTipsShown()) << "no key-tip windows without a container that has them";
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(SelectedCaption(), "&File");
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_EQ(SelectedCaption(), "&Edit");

    controller->MouseDown();
    EXPECT_FALSE(controller->NavigationMode());
    EXPECT_EQ(menu->SelectedControl(), nullptr) << "a mouse-down ends navigation";

    // Alt with another key between its down and up is no menu key.
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false);
    ovBarNavigationMenuKeyDown(manager, VK_SHIFT, {ssAlt, ssShift}, false);
    EXPECT_FALSE(ovBarNavigationMenuKeyUp(manager, VK_MENU, {}));
    EXPECT_FALSE(controller->NavigationMode());
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolbarNavigationTest, AltHeldShowsTheKeyTipsAndTypingOneRunsItsItem) {
    MainMenu({"&File", "&Edit", "&View"}, true);
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false);
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, true);
    Run(499);
    EXPECT_TRUE(windows.Shown().empty());
    Run(1);
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E", "V"}));
    // Releasing Alt after the key tips came leaves them up.
    ovBarNavigationMenuKeyUp(manager, VK_MENU, {});
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E", "V"}));
    ASSERT_TRUE(controller->IsKeyForNavigation('E', {}));
    controller->ProcessKey('E', {});
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Edit"}));
    EXPECT_FALSE(controller->AreKeyTipsShown());
    EXPECT_TRUE(windows.Shown().empty());
}

TEST_F(ToolbarNavigationTest, AltReleasedEarlyShowsTheKeyTipsAtOnce) {
    MainMenu({"&File", "&Edit"}, true);
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false);
    Run(100);
    EXPECT_TRUE(ovBarNavigationMenuKeyUp(manager, VK_MENU, {}));
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E"}));
    Run(1000);
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E"})) << "the old wait shows nothing twice";
}

TEST_F(ToolbarNavigationTest, AltLetterClicksAUniqueAcceleratorAndOnlySelectsASharedOne) {
    TStandInToolbar* menu = MainMenu({"&File", "F&ormat", "&Edit", "&Find"}, false);
    EXPECT_TRUE(ovBarNavigationMenuAccel(manager, 'E', {ssAlt}));
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Edit"}));
    clicks.clear();
    EXPECT_TRUE(ovBarNavigationMenuAccel(manager, 'F', {ssAlt}));
    EXPECT_TRUE(clicks.empty()) << "two items share F";
    EXPECT_EQ(menu->SelectedControl(), menu->Links()->Items(0)->Control());
    EXPECT_FALSE(ovBarNavigationMenuAccel(manager, 'Q', {ssAlt})) << "no item has Q";
    EXPECT_FALSE(ovBarNavigationMenuAccel(manager, 'E', {})) << "only with Alt";
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ToolbarNavigationTest, F10IsTheMenuKeyOnlyWhenTheManagerSaysSoAndWithoutModifiers) {
    MainMenu({"&File", "&Edit"}, false);
    const struct {
        bool UseF10;
        TShiftState Shift;
        bool Enters;
    } cases[] = {{true, {}, true}, {false, {}, false}, {true, {ssShift}, false}, {true, {ssCtrl}, false}};
    for (const auto& c : cases) {
        manager->UseF10ForMenu = c.UseF10;
        ovBarNavigationMenuKeyDown(manager, VK_F10, c.Shift, false);
        EXPECT_EQ(ovBarNavigationMenuKeyUp(manager, VK_F10, c.Shift), c.Enters);
        EXPECT_EQ(controller->NavigationMode(), c.Enters);
        controller->EndKeyboardHandling();
    }
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

} // namespace
