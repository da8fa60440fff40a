// Edit items in a menu window on the headless screen: a click shows the real edit window over the text
// field and gives it the keyboard; leaving stores the text, hides the window and gives the keyboard back;
// Escape, Enter and the modifiers; the right button; the formatting rectangle; read-only windows; text
// longer than any old 255-character buffer; and the edit layout.
#include "EditControlsTestSupport.h"

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/bars/itemcontrols/EditControls.h"
#include "ui/core/base/Geometry.h"

#include <gtest/gtest.h>

using namespace edit_controls_test;

namespace {

TovBarEditControl* EditControl(TovBarItemControl* AControl) {
    return dynamic_cast<TovBarEditControl*>(AControl);
}

std::string WindowText(HWND AWnd) {
    char buffer[1024] = {};
    ::GetWindowText(AWnd, buffer, sizeof(buffer));
    return buffer;
}

} // namespace

TEST_F(EditControlsTest, EditItemsGetTheEditControl) {
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {NewEdit("Name", "x")});
    EXPECT_NE(nullptr, EditControl(ControlOf(menu, 0)));
    EXPECT_TRUE(ControlOf(menu, 0)->IsWinControl());
}

TEST_F(EditControlsTest, FocusInShowsTheWindowOverTheFieldAndFocusOutStoresHidesAndGivesTheKeyboardBack) {
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit, Button("Other")});
    HWND before = ::GetFocus();
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    HWND window = control->GetHandle();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(window, ::GetFocus());
    EXPECT_EQ(before, control->RememberedFocus());
    EXPECT_EQ("old", WindowText(window));
    // The window lies on the text field, and its formatting rectangle is the painter's inner rectangle.
    RECT placed{};
    ::GetWindowRect(window, &placed);
    const TRect field = control->Parts()[0];
    const TPoint origin = ScreenPoint(menu, TPoint{field.left, field.top});
    EXPECT_EQ(origin.x, placed.left);
    EXPECT_EQ(origin.y, placed.top);
    EXPECT_EQ(uiWidthOfRect(field), placed.right - placed.left);
    RECT formatting{};
    ::SendMessage(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&formatting));
    TRect expected{0, 0, uiWidthOfRect(field), uiHeightOfRect(field)};
    painter->EditGetInnerRect(iptMenu, expected);
    EXPECT_EQ(expected.left, formatting.left);
    EXPECT_EQ(expected.top, formatting.top);
    EXPECT_EQ(expected.right, formatting.right);
    EXPECT_EQ(expected.bottom, formatting.bottom);

    // All the old text is selected: typing replaces it, and the item hears of the change.
    int changes = 0;
    edit->OnCurChange = TNotifyEvent([&](TObject*) { ++changes; }, this);
    Type("new");
    EXPECT_EQ("new", WindowText(window));
    EXPECT_EQ("old", edit->GetText());
    EXPECT_GT(changes, 0);

    menu->ClearSelection();
    olva::win::PumpMessages();
    EXPECT_FALSE(control->Focused());
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ("new", edit->GetText());
    EXPECT_EQ(before, ::GetFocus());
}

struct TEscapeCase {
    const char* Name;
    std::vector<int> Modifiers;
    bool AlwaysSaveText;
    bool Stored;
};

class EditEscapeTest : public EditControlsTest, public ::testing::WithParamInterface<TEscapeCase> {};

TEST_P(EditEscapeTest, EscapeDiscardsTheTypedTextUnlessSavedAlwaysOrWithCtrlOrAlt) {
    const TEscapeCase& c = GetParam();
    manager->AlwaysSaveText = c.AlwaysSaveText;
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    Type("typed");
    PressKeyWith(VK_ESCAPE, c.Modifiers);
    EXPECT_FALSE(control->Focused());
    EXPECT_FALSE(::IsWindowVisible(control->GetHandle()));
    EXPECT_EQ(c.Stored ? "typed" : "old", edit->GetText()) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Cases, EditEscapeTest,
                         ::testing::Values(TEscapeCase{"Escape", {}, false, false},
                                           TEscapeCase{"EscapeAlwaysSave", {}, true, true},
                                           TEscapeCase{"CtrlEscape", {VK_CONTROL}, false, true},
                                           TEscapeCase{"AltEscape", {VK_MENU}, false, true}),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(EditControlsTest, EnterStoresTheTextAndClosesTheChainWithItemClick) {
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    Type("entered");
    PressKey(VK_RETURN);
    EXPECT_EQ("entered", edit->GetText());
    ASSERT_FALSE(menu->CloseUps.empty());
    EXPECT_EQ(bcrItemClick, menu->CloseUps.front());
    EXPECT_FALSE(menu->IsActive());
}

TEST_F(EditControlsTest, ARightPressInTheEditWindowGoesToTheBarNotToTheEdit) {
    TovBarEdit* edit = NewEdit("Name", "text");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    menu->Messages.clear();
    const TPoint p = PartCentre(menu, 0, 0);
    MoveTo(p);
    ASSERT_EQ(control->GetHandle(), ::WindowFromPoint(p));
    olva::win::InjectMouse(olva::win::MouseAction::RightDown, p.x, p.y);
    olva::win::PumpMessages();
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_NE(std::find(menu->Messages.begin(), menu->Messages.end(), UINT(WM_RBUTTONDOWN)),
              menu->Messages.end());
    // The edit window opened no menu of its own and kept the keyboard.
    EXPECT_EQ(control->GetHandle(), ::GetFocus());
}

TEST_F(EditControlsTest, AReadOnlyEditShowsAReadOnlyWindowThatKeepsTheText) {
    TovBarEdit* edit = NewEdit("Name", "fixed");
    edit->ReadOnly = true;
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    EXPECT_NE(0, ::GetWindowLong(control->GetHandle(), GWL_STYLE) & ES_READONLY);
    Type("zzz");
    PressKey(VK_RETURN);
    EXPECT_EQ("fixed", edit->GetText());
}

// The edit window once was read into a 256-byte buffer: everything after 255 characters was lost.
TEST_F(EditControlsTest, TextsLongerThan255CharactersComeBackWhole) {
    for (int maxLength : {0, 400}) {
        const std::string longText(300, 'a');
        TovBarEdit* edit = NewEdit("Long", longText);
        edit->SetMaxLength(maxLength);
        TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
        TovBarEditControl* control = EditControl(ControlOf(menu, 0));
        Click(PartCentre(menu, 0, 0));
        ASSERT_TRUE(control->Focused());
        EXPECT_EQ(longText, control->GetText());
        PressKey(VK_END);
        Type("bc");
        PressKey(VK_RETURN);
        EXPECT_EQ(longText + "bc", edit->GetText()) << "MaxLength " << maxLength;
        menus.clear();
    }
}

TEST_F(EditControlsTest, MaxLengthStaysTheInputLimit) {
    TovBarEdit* edit = NewEdit("Short", "");
    edit->SetMaxLength(3);
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    Type("abcdef");
    EXPECT_EQ("abc", control->GetText());
}

TEST_F(EditControlsTest, AnOnKeyDownThatFreesTheItemDropsTheKey) {
    TovBarEdit* edit = NewEdit("Doomed", "text");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit, Button("Stay")});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    edit->OnKeyDown = TKeyEvent([&](TObject*, WORD&, TShiftState) { delete edit; }, this);
    PressKey('X');
    EXPECT_EQ(1, menu->ItemLinks()->VisibleItemCount());
}

TEST_F(EditControlsTest, TabAndShiftTabStoreTheTextAndGoThroughTheTabHandler) {
    std::vector<bool> moves;
    ovBarWinControlTabHandler() = [&](TovBarItemControl*, bool AForward) {
        moves.push_back(AForward);
        return true;
    };
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    Type("tabbed");
    PressKey(VK_TAB);
    EXPECT_EQ("tabbed", edit->GetText());
    PressKeyWith(VK_TAB, {VK_SHIFT});
    ovBarWinControlTabHandler() = nullptr;
    EXPECT_EQ((std::vector<bool>{true, false}), moves);
}

TEST_F(EditControlsTest, F10InTheEditWindowClosesTheChainAndGoesToTheBarKeyboardHook) {
    std::vector<WORD> menuKeys;
    ovBarHookPoints().ProcessMenuKey = [&](WORD AKey, LPARAM) {
        menuKeys.push_back(AKey);
        return true;
    };
    TovBarEdit* edit = NewEdit("Name", "old");
    TRecordingMenu* menu = OpenItemsMenu(100, 100, {edit});
    TovBarEditControl* control = EditControl(ControlOf(menu, 0));
    Click(PartCentre(menu, 0, 0));
    ASSERT_TRUE(control->Focused());
    // The thread's keyboard hook sees a typed F10 first; the edit window's own handling is what a key
    // that reaches it gets.
    ::SendMessage(control->GetHandle(), WM_KEYDOWN, VK_F10, 0);
    EXPECT_FALSE(menu->IsActive());
    EXPECT_NE(std::find(menuKeys.begin(), menuKeys.end(), WORD(VK_F10)), menuKeys.end());
}
