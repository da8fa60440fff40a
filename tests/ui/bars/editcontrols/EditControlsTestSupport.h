// Fixture of the edit and combo control tests: a menu window on the headless screen holding edits and
// combos whose item controls host real "EDIT" windows, a recording of the messages the menu window gets,
// and scripted keys (with modifiers), clicks and wheel turns that go through the window system.
#pragma once

#include "../controls/BarWindowTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"

#include <string>
#include <vector>

class TovBarEditControl;
class TCustomovBarComboControl;
class TovBarComboControl;

namespace edit_controls_test {

// A menu window that records the messages its window procedure sees.
class TRecordingMenu : public bars_test::TWindowedMenu {
public:
    using TWindowedMenu::TWindowedMenu;
    void WndProc(TMessage& AMessage) override {
        Messages.push_back(AMessage.Msg);
        TWindowedMenu::WndProc(AMessage);
    }
    std::vector<UINT> Messages;
};

class EditControlsTest : public bars_test::BarWindowTest {
protected:
    void TearDown() override;

    TovBarEdit* NewEdit(const std::string& ACaption, const std::string& AText = {});
    TovBarCombo* NewCombo(const std::string& ACaption, const std::vector<std::string>& AStrings);
    // A menu window at (X, Y) holding the items, shown and active.
    TRecordingMenu* OpenItemsMenu(int X, int Y, const std::vector<TovBarItem*>& AItems);
    TovBarItemControl* ControlOf(TCustomovBarControl* AMenu, int AIndex) const;
    // The screen point of a bar client point of the menu.
    TPoint ScreenPoint(TCustomovBarControl* AMenu, const TPoint& P) const;
    // The centre of a part of an item control, on the screen.
    TPoint PartCentre(TCustomovBarControl* AMenu, int AIndex, int APart) const;
    void Press(const TPoint& P);
    void Release(const TPoint& P);
    void Wheel(const TPoint& P, int ADelta);
    // A key pressed while the modifiers are held.
    void PressKeyWith(int AKey, const std::vector<int>& AModifiers);
    void Type(const std::string& AText);
    // A popup window standing for a combo's drop-down list (hidden).
    HWND MakeListWindow();

    std::vector<HWND> listWindows;
};

} // namespace edit_controls_test
