// Fixture of the bar scene: a shown form whose manager has real windows on the headless screen — the
// main menu and two toolbar rows docked at the top (the second truncated), a toolbar on the left, a
// floating toolbar with its caption, close button and mark, and a status-bar-like bar at the bottom —
// taken in every look the bar painters offer.
#pragma once

#include "tests/ui/bars/menus/MenusTestSupport.h"

#include <string>
#include <vector>

class TovBar;
class TovBarControl;
class TovBarSubItem;

namespace scene_test {

class BarSceneTest : public menus_test::MenusTest {
protected:
    // The themed look needs a test theme bound before the painters start; the other looks are taken
    // without one (the recording theme's plain fills would stand in for their colours).
    explicit BarSceneTest(bool AThemed = false) : FThemed(AThemed) {}
    void SetUp() override;
    void TearDown() override;

    // The looks this fixture draws: the painter base, every manager style and the skinned look over the
    // test skin; with the theme bound only the themed look.
    std::vector<std::string> Looks() const;
    // Makes the manager draw with the look (the painter base and the skin through the painter slot of
    // the standard style, which is given back at the end of the test).
    void UseLook(const std::string& ALook);
    void BuildScene();
    // Opens the main menu's "Effects" menu with a click and its "Fade" sub-menu with keys.
    void OpenMenus();
    void CloseMenus();
    static TovBarControl* Window(TovBar* ABar);
    TRect ScreenRect(TovBar* ABar) const;

    TovBar* mainMenu = nullptr;
    TovBar* standard = nullptr;
    TovBar* transport = nullptr;
    TovBar* format = nullptr;
    TovBar* tools = nullptr;
    TovBar* palette = nullptr;
    TovBar* status = nullptr;
    TovBarSubItem* effects = nullptr;
    TovBarSubItem* fade = nullptr;
    TovBarSubMenuControl* effectsMenu = nullptr;
    TovBarSubMenuControl* fadeMenu = nullptr;

private:
    TovBar* AddBar(const std::string& ACaption, TovBarDockingStyle AStyle, int ARow, int AOffset,
                   const std::vector<std::string>& AButtons, bool AGlyphs);
    bool FThemed = false;
};

class ThemedBarSceneTest : public BarSceneTest {
protected:
    ThemedBarSceneTest() : BarSceneTest(true) {}
};

} // namespace scene_test
