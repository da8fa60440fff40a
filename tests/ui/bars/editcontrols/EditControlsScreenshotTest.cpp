// Pictures of a menu window with edits and combos on the headless screen: idle, an edit focused with its
// edit window showing and typed text, and a combo dropped down with its list below it.
#include "EditControlsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/itemcontrols/ComboControls.h"

#include <gtest/gtest.h>

using namespace edit_controls_test;

TEST_F(EditControlsTest, MenuWithEditsAndCombosIdleFocusedAndDroppedDown) {
    TovBarEdit* name = NewEdit("Name", "Take 3");
    TovBarCombo* size = NewCombo("Size", {"Small", "Medium", "Large"});
    size->SetItemIndex(1);
    TovBarEdit* locked = NewEdit("Locked", "read only");
    locked->SetEnabled(false);
    HWND list = ::CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "STATIC", "Small\nMedium\nLarge",
                                 WS_POPUP | WS_BORDER, 0, 0, 110, 54, nullptr, nullptr, nullptr, nullptr);
    listWindows.push_back(list);
    size->OnGetDropDownWindow =
        TovBarGetDropDownWindowEvent([list](TObject*, HWND& AWnd) { AWnd = list; }, this);
    TRecordingMenu* menu = OpenItemsMenu(40, 40, {Button("Open"), name, size, locked});
    ASSERT_TRUE(olva::win::SaveWindowPng(menu->Handle(), OutputPath("edit_controls_menu_idle.png")));

    auto* edit = dynamic_cast<TovBarEditControl*>(ControlOf(menu, 1));
    Click(PartCentre(menu, 1, 0));
    ASSERT_TRUE(edit->Focused());
    PressKey(VK_END);
    Type(" (final)");
    olva::win::PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(edit->GetHandle()));
    ASSERT_TRUE(olva::win::SaveWindowPng(menu->Handle(), OutputPath("edit_controls_menu_focused.png")));

    auto* combo = dynamic_cast<TovBarComboControl*>(ControlOf(menu, 2));
    Click(PartCentre(menu, 2, 3));
    ASSERT_TRUE(combo->IsDroppedDown());
    olva::win::PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(list));
    ASSERT_TRUE(olva::win::SaveScreenPng(OutputPath("edit_controls_menu_dropped_down.png")));
    // The focused edit stored its text when the combo took the focus.
    EXPECT_EQ("Take 3 (final)", name->GetText());
}
