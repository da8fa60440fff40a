// Combos in a menu window on the headless screen: F4, Alt+Down and Alt+Up open and close the drop-down
// window without the edit window seeing them; a press on the button of an open list closes it on release;
// without an editor a press anywhere on the field toggles; Up, Down and the wheel step through the strings
// without opening; Enter commits the index; a read-only combo never opens; the open list counts as the
// control's window.
#include "EditControlsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/itemcontrols/ComboControls.h"

#include <gtest/gtest.h>

using namespace edit_controls_test;

namespace {

constexpr int ButtonPart = 3;

class ComboControlsTest : public EditControlsTest {
protected:
    // A combo with three strings whose drop-down window is a plain popup; the menu is open and the combo
    // focused by a click on its text field.
    TovBarComboControl* OpenFocusedCombo(bool AShowEditor = true, bool AReadOnly = false) {
        combo = NewCombo("Size", {"small", "medium", "large"});
        combo->ShowEditor = AShowEditor;
        combo->ReadOnly = AReadOnly;
        list = MakeListWindow();
        combo->OnGetDropDownWindow =
            TovBarGetDropDownWindowEvent([this](TObject*, HWND& AWnd) { AWnd = list; }, this);
        combo->OnKeyDown = TKeyEvent([this](TObject*, WORD&, TShiftState) { ++keysSeen; }, this);
        menu = OpenItemsMenu(100, 100, {combo});
        auto* control = dynamic_cast<TovBarComboControl*>(ControlOf(menu, 0));
        // The field's middle, left of the button.
        const TRect field = control->Parts()[0];
        Click(ScreenPoint(menu, TPoint{field.left + 8, (field.top + field.bottom) / 2}));
        return control;
    }
    bool ListShown() const { return ::IsWindowVisible(list) != FALSE; }

    TovBarCombo* combo = nullptr;
    TRecordingMenu* menu = nullptr;
    HWND list = nullptr;
    int keysSeen = 0;
};

} // namespace

TEST_F(ComboControlsTest, F4AltDownAndAltUpToggleTheListWithoutReachingTheWindow) {
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->Focused());
    ASSERT_FALSE(ListShown());
    PressKey(VK_F4);
    EXPECT_TRUE(control->IsDroppedDown());
    EXPECT_TRUE(ListShown());
    PressKey(VK_F4);
    EXPECT_FALSE(ListShown());
    PressKeyWith(VK_DOWN, {VK_MENU});
    EXPECT_TRUE(ListShown());
    EXPECT_TRUE(menu->IsActive()) << "letting Alt go after Alt+Down must not close the menu";
    PressKeyWith(VK_UP, {VK_MENU});
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(0, keysSeen);
    EXPECT_EQ(-1, control->LocalItemIndex());
}

TEST_F(ComboControlsTest, AClickOnTheButtonOpensAndASecondOneCloses) {
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->Focused());
    const TPoint button = PartCentre(menu, 0, ButtonPart);
    Click(button);
    EXPECT_TRUE(ListShown());
    Click(button);
    EXPECT_FALSE(ListShown());
    EXPECT_FALSE(control->IsDroppedDown());
    EXPECT_NE(control->GetHandle(), ::GetCapture());
}

// Where the bar hands the press over on the press itself (toolbars), the window holds the mouse until the
// release, and an open list closes only then.
TEST_F(ComboControlsTest, APressOnTheButtonOfAnOpenListClosesItOnRelease) {
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->Focused());
    PressKey(VK_F4);
    ASSERT_TRUE(ListShown());
    const TRect button = control->Parts()[ButtonPart];
    POINT p{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ::MapWindowPoints(menu->Handle(), control->GetHandle(), &p, 1);
    ::SendMessage(control->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_TRUE(ListShown());
    EXPECT_EQ(control->GetHandle(), ::GetCapture());
    ::SendMessage(control->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_FALSE(ListShown());
    EXPECT_NE(control->GetHandle(), ::GetCapture());
    // A closed list opens on the press.
    ::SendMessage(control->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    EXPECT_TRUE(ListShown());
    ::SendMessage(control->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    EXPECT_TRUE(ListShown());
}

TEST_F(ComboControlsTest, WithoutAnEditorAPressAnywhereOnTheFieldToggles) {
    TovBarComboControl* control = OpenFocusedCombo(false);
    ASSERT_TRUE(control->Focused());
    EXPECT_TRUE(ListShown()) << "the focusing press on the field opened it";
    const TRect field = control->Parts()[0];
    const TPoint p = ScreenPoint(menu, TPoint{field.left + 4, (field.top + field.bottom) / 2});
    Click(p);
    EXPECT_FALSE(ListShown());
    // The window is read-only and has no size: the painter shows the text.
    EXPECT_NE(0, ::GetWindowLong(control->GetHandle(), GWL_STYLE) & ES_READONLY);
    RECT r{};
    ::GetWindowRect(control->GetHandle(), &r);
    EXPECT_EQ(0, r.right - r.left);
    EXPECT_TRUE(control->CanDrawTextField());
}

TEST_F(ComboControlsTest, UpDownAndTheWheelStepTheShownStringWithoutOpeningAndEnterCommits) {
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->Focused());
    combo->SetItemIndex(-1);
    PressKey(VK_DOWN);
    EXPECT_EQ(0, control->LocalItemIndex());
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    EXPECT_EQ(2, control->LocalItemIndex()) << "stops at the last string";
    EXPECT_EQ("large", control->GetText());
    PressKey(VK_UP);
    EXPECT_EQ("medium", control->GetText());
    const TPoint field = PartCentre(menu, 0, 0);
    MoveTo(field);
    Wheel(field, -1);
    EXPECT_EQ(2, control->LocalItemIndex());
    Wheel(field, 1);
    Wheel(field, 1);
    Wheel(field, 1);
    EXPECT_EQ(0, control->LocalItemIndex()) << "stops at the first string";
    EXPECT_FALSE(ListShown());
    EXPECT_EQ(-1, combo->ItemIndex());
    PressKey(VK_RETURN);
    EXPECT_EQ(0, combo->ItemIndex());
    EXPECT_EQ("small", combo->GetText());
}

TEST_F(ComboControlsTest, AReadOnlyComboNeverOpens) {
    TovBarComboControl* control = OpenFocusedCombo(true, true);
    ASSERT_TRUE(control->Focused());
    PressKey(VK_F4);
    PressKeyWith(VK_DOWN, {VK_MENU});
    Click(PartCentre(menu, 0, ButtonPart));
    EXPECT_FALSE(ListShown());
    EXPECT_FALSE(control->IsDroppedDown());
}

TEST_F(ComboControlsTest, TheOpenListBelongsToTheControl) {
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->Focused());
    EXPECT_TRUE(control->ContainsWindow(control->GetHandle()));
    EXPECT_FALSE(control->ContainsWindow(list));
    PressKey(VK_F4);
    EXPECT_TRUE(control->ContainsWindow(list));
    EXPECT_TRUE(menu->OwnsWindow(list));
    PressKey(VK_F4);
    EXPECT_FALSE(control->ContainsWindow(list));
}

TEST_F(ComboControlsTest, ADropDownWindowTakesTheEditsFontAndColoursOnlyFromAnActiveLink) {
    combo = NewCombo("Size", {"small", "medium", "large"});
    TWinControl dropDown(nullptr);
    dropDown.Font()->SetName("Courier");
    dropDown.Font()->SetHeight(-20);
    dropDown.Font()->SetColor(clRed);
    dropDown.SetColor(clLime);
    combo->ApplyEditStyleToWindow(&dropDown);
    EXPECT_EQ(dropDown.Font()->Name(), "Courier") << "no active link: nothing to take";
    EXPECT_EQ(dropDown.Color(), clLime);

    combo = nullptr;
    TovBarComboControl* control = OpenFocusedCombo();
    ASSERT_TRUE(control->IsActive());
    combo->ApplyEditStyleToWindow(&dropDown);
    const LOGFONT edit = control->EditLogFont();
    EXPECT_EQ(dropDown.Font()->Name(), std::string(edit.lfFaceName));
    EXPECT_EQ(dropDown.Font()->Height(), edit.lfHeight);
    TColor text = clNone, back = clNone;
    control->GetEditColors(text, back);
    EXPECT_EQ(dropDown.Font()->Color(), text);
    EXPECT_EQ(dropDown.Color(), back);
    EXPECT_NE(dropDown.Color(), clLime);
}
