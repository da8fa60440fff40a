#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace combobox_test {

using stdctrls_test::StdCtrlsTest;

class ComboBoxTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        combo = new TComboBox(form);
        combo->SetBounds(10, 10, 150, combo->Height());
        combo->SetParent(form);
        for (const char* s : {"44100 Hz", "48000 Hz", "8000 Hz", "11025 Hz", "22050 Hz", "96000 Hz"})
            combo->Items()->Add(s);
        combo->OnChange = [this](TObject*) { log.push_back("change " + combo->Text()); };
        combo->OnSelect = [this](TObject*) { log.push_back("select"); };
        ShowForm();
    }
    void Focus() {
        combo->SetFocus();
        Pump();
    }
    TComboBox* combo = nullptr;
    std::vector<std::string> log;
};

TEST_F(ComboBoxTest, PickWithTheMouseFromAListThatDoesNotTakeTheActivation) {
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(0);
    Click(combo, 140, 8); // the button
    ASSERT_TRUE(combo->DroppedDown());
    TCustomListBox* list = combo->DropDownList();
    EXPECT_NE(::GetWindowLong(list->Handle(), GWL_EXSTYLE) & WS_EX_NOACTIVATE, 0);
    EXPECT_EQ(::GetActiveWindow(), form->Handle());
    EXPECT_TRUE(combo->Focused());
    // The list opens under the box, as wide as the box.
    RECT r{};
    ::GetWindowRect(list->Handle(), &r);
    EXPECT_EQ(r.left, combo->ClientToScreen(POINT{0, 0}).x);
    EXPECT_EQ(r.top, combo->ClientToScreen(POINT{0, combo->Height()}).y);
    EXPECT_EQ(r.right - r.left, 150);
    // Hovering highlights, a click picks.
    const RECT item = list->ItemRect(3);
    MouseMoveTo(list, 20, (item.top + item.bottom) / 2);
    EXPECT_EQ(list->ItemIndex(), 3);
    Click(list, 20, (item.top + item.bottom) / 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"change 11025 Hz", "select"}));
}

TEST_F(ComboBoxTest, AClickElsewhereClosesTheListWithoutAChoice) {
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(1);
    Click(combo, 40, 8);
    ASSERT_TRUE(combo->DroppedDown());
    Click(form, 300, 200);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(ComboBoxTest, KeysOpenMoveChooseAndCancel) {
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(0);
    Focus();
    // Closed, the arrows choose directly.
    Key(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"change 48000 Hz", "select"}));
    log.clear();
    // Alt+Down opens; the arrows move in the list only; Esc keeps the old choice.
    Chord({VK_MENU}, VK_DOWN);
    ASSERT_TRUE(combo->DroppedDown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(combo->DropDownList()->ItemIndex(), 3);
    Key(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_TRUE(log.empty());
    // F4 opens; Enter takes the highlighted item and does not reach the dialog.
    Key(VK_F4);
    Key(VK_END);
    Key(VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->Text(), "96000 Hz");
    // Typing the start of an item chooses it.
    Advance(2000);
    Type("2");
    EXPECT_EQ(combo->Text(), "22050 Hz");
    Advance(2000);
    Type("48");
    EXPECT_EQ(combo->Text(), "48000 Hz");
}

TEST_F(ComboBoxTest, DropDownStyleEditsItsTextAndStepsThroughItems) {
    Focus();
    EXPECT_TRUE(combo->EditControl()->Focused());
    Type("12000 Hz");
    EXPECT_EQ(combo->Text(), "12000 Hz");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(log.back(), "change 12000 Hz");
    log.clear();
    Key(VK_DOWN);
    EXPECT_EQ(combo->Text(), "44100 Hz");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"change 44100 Hz", "select"}));
    // Text naming an item selects it.
    combo->SetText("8000 Hz");
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, TheOpenListScrollsByItsBarAndStaysOpen) {
    combo->SetStyle(csDropDownList);
    combo->SetDropDownCount(3);
    Click(combo, 140, 8);
    ASSERT_TRUE(combo->DroppedDown());
    TCustomListBox* list = combo->DropDownList();
    TScrollBar* bar = list->ScrollBar();
    ASSERT_TRUE(bar->Visible());
    // A click on the bar's lower arrow scrolls one item; the list keeps the mouse and stays open.
    const POINT arrow = list->ScreenToClient(bar->ClientToScreen(POINT{bar->Width() / 2, bar->Height() - 4}));
    Click(list, arrow.x, arrow.y);
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_TRUE(combo->DroppedDown());
    // Then a click on an item picks it.
    const RECT item = list->ItemRect(2);
    MouseMoveTo(list, 10, (item.top + item.bottom) / 2);
    Click(list, 10, (item.top + item.bottom) / 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ComboBoxTest, MessagesCallersSend) {
    const HWND h = combo->Handle();
    EXPECT_EQ(::SendMessage(h, CB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(
        ::SendMessage(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("22050 hz")),
        4);
    EXPECT_EQ(::SendMessage(h, CB_GETCURSEL, 0, 0), CB_ERR);
    ::SendMessage(h, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(combo->Text(), "8000 Hz");
    char text[32] = {};
    EXPECT_EQ(::SendMessage(h, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(text)), 8);
    EXPECT_STREQ(text, "96000 Hz");
    TObject data;
    ::SendMessage(h, CB_SETITEMDATA, 1, reinterpret_cast<LPARAM>(&data));
    EXPECT_EQ(combo->Items()->Objects(1), &data);
    ::SendMessage(h, CB_SHOWDROPDOWN, 1, 0);
    EXPECT_EQ(::SendMessage(h, CB_GETDROPPEDSTATE, 0, 0), 1);
    ::SendMessage(h, CB_SHOWDROPDOWN, 0, 0);
    EXPECT_FALSE(combo->DroppedDown());
    // Deleting an item before the chosen one keeps the choice on its item.
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "8000 Hz");
}

} // namespace combobox_test
