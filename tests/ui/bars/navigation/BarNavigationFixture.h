// Fixture of the keyboard-navigation tests on stand-in bar windows: the bar painting tests' fixture
// with the navigation controller made anew for each test, buttons that record their clicks, main
// menus and toolbars that show their toolbar's own links, and a toolbar helper that is its own key-tip
// container with recording key-tip windows, as a ribbon's would be.
#pragma once

#include "NavigationTestSupport.h"

#include "tests/ui/bars/BarPaintingTestSupport.h"

#include "ui/bars/navigation/BarControlAccessibilityHelpers.h"

#include <string>
#include <vector>

class TovBarButton;
class TovBarNavigationController;

namespace navigation_test {

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

class BarNavigationTest : public bars_test::BarPaintingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A button whose clicks are recorded by caption.
    TovBarButton* CountedButton(const std::string& ACaption);
    TovBarAccessibilityHelper* HelperOf(TovBarItemLink* ALink);
    // The caption of the selected item ("(none)" without one).
    std::string SelectedCaption();
    // A toolbar showing a new toolbar's own links (captions shown), laid out from AOrigin on screen.
    bar_standins::TStandInToolbar*
    OwnToolbar(TovBarDockingStyle AStyle, const std::vector<std::string>& ACaptions, POINT AOrigin = {0, 0});
    // The manager's main menu along the top; with AWithKeyTips its helper is a key-tip container.
    bar_standins::TStandInToolbar* MainMenu(const std::vector<std::string>& ACaptions, bool AWithKeyTips);

    TovBarNavigationController* controller = nullptr;
    RecordingKeyTipWindows windows;
    std::vector<std::string> clicks;
    int factoryId = 0;
};

} // namespace navigation_test
