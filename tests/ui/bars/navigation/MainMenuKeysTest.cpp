// The menu keys on a main menu: Alt alone enters navigation and its key-up is consumed, Alt held shows
// the key tips on the fake clock, Alt+letter clicks a unique accelerator and only selects a shared one,
// F10 only when the manager uses it and without modifiers; a mouse-down ends navigation.
#include "BarNavigationFixture.h"

#include "platform/win/WinKeys.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/navigation/BarMenuKeys.h"
#include "ui/bars/navigation/BarNavigationController.h"

using namespace navigation_test;
using bar_standins::TStandInToolbar;

namespace {

class MainMenuKeysTest : public BarNavigationTest {};

TEST_F(MainMenuKeysTest, AltAloneEntersNavigationOnTheMainMenuAndItsKeyUpIsConsumed) {
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

TEST_F(MainMenuKeysTest, AltHeldShowsTheKeyTipsAndTypingOneRunsItsItem) {
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

TEST_F(MainMenuKeysTest, AltReleasedEarlyShowsTheKeyTipsAtOnce) {
    MainMenu({"&File", "&Edit"}, true);
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false);
    Run(100);
    EXPECT_TRUE(ovBarNavigationMenuKeyUp(manager, VK_MENU, {}));
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E"}));
    Run(1000);
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E"})) << "the old wait shows nothing twice";
}

TEST_F(MainMenuKeysTest, AltLetterClicksAUniqueAcceleratorAndOnlySelectsASharedOne) {
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

TEST_F(MainMenuKeysTest, F10IsTheMenuKeyOnlyWhenTheManagerSaysSoAndWithoutModifiers) {
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

} // namespace
