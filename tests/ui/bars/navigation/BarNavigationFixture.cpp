#include "BarNavigationFixture.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarItemAccessibilityHelpers.h"
#include "ui/bars/navigation/BarNavigationController.h"

using bar_standins::TStandInToolbar;

namespace navigation_test {

void BarNavigationTest::SetUp() {
    BarPaintingTest::SetUp();
    ovFreeBarNavigationController();
    controller = BarNavigationController();
}

void BarNavigationTest::TearDown() {
    if (factoryId != 0) ovUnregisterBarControlHelperFactory(factoryId);
    ovFreeBarNavigationController();
    BarPaintingTest::TearDown();
}

TovBarButton* BarNavigationTest::CountedButton(const std::string& ACaption) {
    TovBarButton* button = Button(ACaption);
    button->SetOnClick(TNotifyEvent([this, ACaption](TObject*) { clicks.push_back(ACaption); }, this));
    return button;
}

TovBarAccessibilityHelper* BarNavigationTest::HelperOf(TovBarItemLink* ALink) {
    return ovBarItemControlHelper(ALink->Control());
}

std::string BarNavigationTest::SelectedCaption() {
    auto* helper = dynamic_cast<TovBarItemControlAccessibilityHelper*>(controller->GetSelectedObject());
    return helper != nullptr ? helper->Control()->Item()->Caption() : "(none)";
}

TStandInToolbar* BarNavigationTest::OwnToolbar(TovBarDockingStyle AStyle,
                                               const std::vector<std::string>& ACaptions, POINT AOrigin) {
    TovBar* bar = manager->Bars()->Add();
    bar->SetDockingStyle(AStyle);
    auto toolbar = std::make_unique<TStandInToolbar>(manager, bar, true);
    toolbar->DockingStyleOverride = AStyle;
    toolbar->SetPainter(painter.get());
    toolbar->MarkShown = false;
    for (const std::string& caption : ACaptions) {
        TovBarItemLink* link = bar->ItemLinks()->AddItem(CountedButton(caption));
        link->SetUserPaintStyle(psCaption);
    }
    toolbar->Layout();
    toolbar->SetScreenOrigin(AOrigin);
    auto* result = toolbar.get();
    standIns.push_back(std::move(toolbar));
    return result;
}

TStandInToolbar* BarNavigationTest::MainMenu(const std::vector<std::string>& ACaptions, bool AWithKeyTips) {
    TStandInToolbar* menu = OwnToolbar(dsTop, ACaptions);
    manager->SetMainMenuBar(menu->Bar());
    if (AWithKeyTips)
        factoryId = ovRegisterBarControlHelperFactory(
            [this, menu](TCustomovBarControl* AControl) -> TovBarAccessibilityHelper* {
                return AControl == menu ? new KeyTipToolbarHelper(menu, &windows) : nullptr;
            });
    return menu;
}

} // namespace navigation_test
