// The menu keys on a main menu: Alt alone enters navigation and its key-up is consumed, Alt held shows
// the key tips on the fake clock, Alt+letter clicks a unique accelerator and only selects a shared one,
// F10 only when the manager uses it and without modifiers; a mouse-down ends navigation.
#include "BarNavigationFixture.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/navigation/BarMenuKeys.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

using namespace navigation_test;
using bar_standins::TStandInToolbar;
using TPicture = bars_test::BarPaintingTest::TPicture;

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

TEST_F(MainMenuKeysTest, InNavigationModeOnlyTheSelectedItemLooksSelected) {
    // The flat look draws a selected toolbar item; the painter base draws none.
    painter = std::make_unique<TovBarFlatPainter>();
    TStandInToolbar* menu = MainMenu({"&File", "&Edit", "&View", "&Help"}, false);
    const TRect client = menu->GetClientRect();
    auto paint = [&] {
        TPicture picture = Picture(uiWidthOfRect(client), uiHeightOfRect(client));
        menu->PaintTo(picture.Canvas.get());
        return picture;
    };
    const TPicture before = paint();
    ovBarNavigationMenuKeyDown(manager, VK_MENU, {ssAlt}, false);
    ovBarNavigationMenuKeyUp(manager, VK_MENU, {});
    controller->ProcessKey(VK_RIGHT, {});
    ASSERT_EQ(SelectedCaption(), "&File");
    const TPicture after = paint();
    SaveSurfaceToPng(*GdiGetBitmapSurface(after.Bitmap->Handle()),
                     OutputPath("navigation-main-menu-first-item.png"));

    const TRect file = menu->Links()->Items(0)->Control()->GetBoundsRect();
    int changedInside = 0, changedOutside = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            if (before.At(x, y) == after.At(x, y)) continue;
            const bool inside = x >= file.left && x < file.right && y >= file.top && y < file.bottom;
            ++(inside ? changedInside : changedOutside);
        }
    EXPECT_GT(changedInside, uiWidthOfRect(file)) << "the first item is drawn selected";
    EXPECT_EQ(changedOutside, 0) << "nothing else changes";
}

} // namespace
