// Fixture of the menu tests: the bar painting fixture with real menu windows on the headless screen
// (sub-items open TovBarSubMenuControl windows), a shown form, popup menus owned by it, commands that
// count their clicks, scripted mouse and keys, and pictures of a screen region.
#pragma once

#include "tests/ui/bars/BarPaintingTestSupport.h"

#include "ui/bars/popupmenus/PopupMenu.h"

#include <functional>
#include <string>
#include <vector>

class TovBarButton;
class TovBarSubItem;
class TovBarSubMenuControl;

namespace menus_test {

class MenuWindowFactory : public bars_test::PaintingFactory {
public:
    IovBarControl* CreateSubMenuControl(TovBarItemLinks* ALinks) override;
    // Told of every sub-menu made (tests hook its popup notification).
    std::function<void(TovBarSubMenuControl*)> OnCreate;
};

class MenusTest : public bars_test::BarPaintingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    TovBarPopupMenu* MakePopup();
    // A button whose clicks are counted in AClicks (and logged by caption).
    TovBarButton* Command(const std::string& ACaption, int* AClicks = nullptr, int AImage = -1);
    TovBarSubItem* SubMenu(const std::string& ACaption);
    // Scripted input; it becomes messages when a loop retrieves it.
    void MoveMouse(int X, int Y);
    void Press(int X, int Y, bool ARight = false);
    void Release(int X, int Y, bool ARight = false);
    void ClickAt(int X, int Y, bool ARight = false);
    void Key(WORD AKey);
    void KeyWithControl(WORD AKey);
    // Puts the cursor at the point (its move handled now).
    void PlaceCursor(int X, int Y);
    // The screen centre of the menu's item with the caption.
    TPoint ItemCentre(TovBarSubMenuControl* AMenu, const std::string& ACaption);
    TRect WindowBounds(TovBarSubMenuControl* AMenu);
    // A part of the composed screen saved under build/test-output/bars.
    void SaveScreenPart(const TRect& R, const std::string& AName);

    // Runs AScript when the loop that is running dispatches it (after what is already queued).
    void PostScript(std::function<void()> AScript);
    // A plain window that counts the messages it is sent or posted.
    HWND CountingWindow();
    int MessagesReceived(UINT AMessage) const;

    MenuWindowFactory menuFactory;
    std::vector<std::string> clickLog;

private:
    static LRESULT ScriptWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
    HWND FScriptWindow = nullptr;
    std::vector<std::function<void()>> FScripts;
    std::vector<UINT> FReceived;
};

} // namespace menus_test
