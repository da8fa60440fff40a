#include "StdCtrlsTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/EditBuffer.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace edit_test {

using stdctrls_test::StdCtrlsTest;

// ---- The buffer on its own

TEST(EditBufferTest, TypingInARowIsOneUndoStepAndASecondUndoRedoes) {
    TEditBuffer b;
    b.SetText("ab");
    b.MoveCaret(2, false);
    for (const char* c : {"c", "d", "e"})
        ASSERT_TRUE(b.ReplaceSelection(c, true));
    EXPECT_EQ(b.Text(), "abcde");
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "ab");
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), "abcde");
    // Moving the caret ends the run: the next typing is a step of its own.
    b.MoveCaret(0, false);
    b.ReplaceSelection("x", true);
    b.Undo();
    EXPECT_EQ(b.Text(), "abcde");
}

struct TInsertCase {
    const char* Start;
    int MaxLength;
    bool Digits;
    TEditCharCase Case;
    const char* Insert;
    bool Accepted;
    const char* Result;
};

TEST(EditBufferTest, InsertRules) {
    const TInsertCase cases[] = {
        {"12", 4, false, ecNormal, "345", true, "1234"},  // cut to the room left
        {"1234", 4, false, ecNormal, "5", false, "1234"}, // no room at all
        {"12", 0, true, ecNormal, "3a", false, "12"},     // digits only refuses the whole paste
        {"12", 0, true, ecNormal, "34", true, "1234"},
        {"ab", 0, false, ecUpperCase, "cD", true, "ABCD"},
        {"AB", 0, false, ecLowerCase, "Cd", true, "abcd"},
        {"a", 0, false, ecNormal, "b\r\nc", true, "abc"}, // one line: line breaks dropped
        {"", 0, false, ecNormal, "h\xC3\xA9!", true, "h\xC3\xA9!"},
    };
    for (const TInsertCase& c : cases) {
        TEditBuffer b;
        b.SetCharCase(c.Case);
        b.SetText(c.Start);
        b.SetMaxLength(c.MaxLength);
        b.SetNumbersOnly(c.Digits);
        b.MoveCaret(b.Length(), false);
        EXPECT_EQ(b.ReplaceSelection(c.Insert), c.Accepted) << c.Start << " + " << c.Insert;
        EXPECT_EQ(b.Text(), c.Result) << c.Start << " + " << c.Insert;
    }
}

TEST(EditBufferTest, CharactersNotBytesAreCounted) {
    TEditBuffer b;
    b.SetText("\xC3\xA9t\xC3\xA9"); // three characters, five bytes
    EXPECT_EQ(b.Length(), 3);
    b.MoveCaret(3, false);
    ASSERT_TRUE(b.DeleteBackward(false));
    EXPECT_EQ(b.Text(), "\xC3\xA9t");
}

TEST(EditBufferTest, WordMoves) {
    TEditBuffer b;
    b.SetText("one two, three");
    EXPECT_EQ(b.NextWordStart(0), 4);
    EXPECT_EQ(b.NextWordStart(4), 7); // the comma is a stop of its own
    EXPECT_EQ(b.PreviousWordStart(14), 9);
    EXPECT_EQ(b.PreviousWordStart(9), 7);
    EXPECT_EQ(b.WordStart(5), 4);
    EXPECT_EQ(b.WordEnd(5), 7);
    b.MoveCaret(14, false);
    ASSERT_TRUE(b.DeleteBackward(true));
    EXPECT_EQ(b.Text(), "one two, ");
}

TEST(EditBufferTest, SetTextKeepsTheWholeValueAndTypingStaysLimited) {
    // The limit is on what the user types and pastes; text the program sets stays whole.
    TEditBuffer b;
    b.SetMaxLength(3);
    b.SetText("11025");
    EXPECT_EQ(b.Text(), "11025");
    EXPECT_EQ(b.CaretPos(), 0);
    // Over the limit already: nothing more goes in, and deleting one of the five still leaves no room.
    b.MoveCaret(b.Length(), false);
    EXPECT_FALSE(b.ReplaceSelection("9", true));
    ASSERT_TRUE(b.DeleteBackward(false));
    EXPECT_FALSE(b.ReplaceSelection("9", true));
    EXPECT_EQ(b.Text(), "1102");
    // Typing over the whole text is cut to the limit again.
    b.SelectAll();
    ASSERT_TRUE(b.ReplaceSelection("123456", true));
    EXPECT_EQ(b.Text(), "123");
}

// ---- The control under a user's hands

class EditTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 200, 21);
        edit->SetParent(form);
        edit->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
        edit->SetFocus();
        Pump();
    }
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(EditTest, TypeSelectCopyPasteAndUndo) {
    Type("hello world");
    EXPECT_EQ(edit->Text(), "hello world");
    EXPECT_EQ(changes, 11);
    // Shift+Ctrl+Left selects the last word; Ctrl+C copies it.
    Chord({VK_SHIFT, VK_CONTROL}, VK_LEFT);
    EXPECT_EQ(edit->SelText(), "world");
    Chord({VK_CONTROL}, 'C');
    EXPECT_EQ(olva::win::GetClipboardText().value_or(""), "world");
    // Home, then paste in front.
    Key(VK_HOME);
    Chord({VK_CONTROL}, 'V');
    EXPECT_EQ(edit->Text(), "worldhello world");
    EXPECT_EQ(edit->SelStart(), 5);
    // Undo takes the paste back, a second undo puts it again.
    Chord({VK_CONTROL}, 'Z');
    EXPECT_EQ(edit->Text(), "hello world");
    Chord({VK_CONTROL}, 'Z');
    EXPECT_EQ(edit->Text(), "worldhello world");
    // Shift+End, Shift+Del cuts; Shift+Ins pastes it back.
    Key(VK_HOME);
    Chord({VK_SHIFT}, VK_END);
    Chord({VK_SHIFT}, VK_DELETE);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(olva::win::GetClipboardText().value_or(""), "worldhello world");
    Chord({VK_SHIFT}, VK_INSERT);
    EXPECT_EQ(edit->Text(), "worldhello world");
    // Backspace and Delete.
    Key(VK_BACK);
    Key(VK_HOME);
    Key(VK_DELETE);
    EXPECT_EQ(edit->Text(), "orldhello worl");
}

TEST_F(EditTest, MouseClickPlacesCaretAndDoubleClickSelectsAWord) {
    edit->SetText("alpha beta gamma");
    const int betaMiddle = (edit->XFromChar(6) + edit->XFromChar(10)) / 2;
    DoubleClick(edit, betaMiddle, 10);
    EXPECT_EQ(edit->SelText(), "beta");
    // A click on the right half of a character puts the caret after it.
    const int x = edit->XFromChar(2) + (edit->XFromChar(3) - edit->XFromChar(2)) * 3 / 4;
    Click(edit, x, 10);
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 0);
    // Dragging selects.
    MouseDown(edit, edit->XFromChar(0), 10);
    MouseMoveTo(edit, edit->XFromChar(5), 10);
    MouseUp(edit, edit->XFromChar(5), 10);
    EXPECT_EQ(edit->SelText(), "alpha");
}

TEST_F(EditTest, ReadOnlyRefusesEditsButCopiesAndShowsGrey) {
    edit->SetText("fixed");
    changes = 0;
    edit->SetReadOnly(true);
    edit->SelectAll();
    Type("x");
    Key(VK_BACK);
    Chord({VK_CONTROL}, 'X');
    EXPECT_EQ(edit->Text(), "fixed");
    EXPECT_EQ(changes, 0);
    Chord({VK_CONTROL}, 'C');
    EXPECT_EQ(olva::win::GetClipboardText().value_or(""), "fixed");
    EXPECT_EQ(ColorAt(edit, edit->Width() - 5, 4), ColorToRGB(clBtnFace));
}

TEST_F(EditTest, NumberStyleOnTheWindowAllowsDigitsOnly) {
    const LONG style = ::GetWindowLong(edit->Handle(), GWL_STYLE);
    ::SetWindowLong(edit->Handle(), GWL_STYLE, style | ES_NUMBER);
    Type("4a4.");
    EXPECT_EQ(edit->Text(), "44");
    olva::win::SetClipboardText(nullptr, "12x");
    Chord({VK_CONTROL}, 'V');
    EXPECT_EQ(edit->Text(), "44");
}

TEST_F(EditTest, MessagesCallersSend) {
    edit->SetText("0123456789");
    ::SendMessage(edit->Handle(), EM_SETSEL, 2, 5);
    DWORD start = 0, end = 0;
    ::SendMessage(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                  reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);
    ::SendMessage(edit->Handle(), EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("ab"));
    EXPECT_EQ(edit->Text(), "01ab56789");
    EXPECT_EQ(::SendMessage(edit->Handle(), EM_CANUNDO, 0, 0), 1);
    ::SendMessage(edit->Handle(), EM_SETSEL, 0, -1);
    EXPECT_EQ(edit->SelLength(), 9);
    ::SendMessage(edit->Handle(), EM_LIMITTEXT, 3, 0);
    Type("wxyz");
    EXPECT_EQ(edit->Text(), "wxy");
}

TEST_F(EditTest, PasswordHidesTextAndIsNeverCopied) {
    edit->SetPasswordChar(U'*');
    Type("secret");
    olva::win::SetClipboardText(nullptr, "before");
    Chord({VK_CONTROL}, 'A');
    Chord({VK_CONTROL}, 'C');
    EXPECT_EQ(olva::win::GetClipboardText().value_or(""), "before");
    EXPECT_EQ(edit->Text(), "secret");
    // The caret after six stars, not after the wider letters.
    EXPECT_EQ(edit->XFromChar(6) - edit->XFromChar(0), edit->XFromChar(3) * 2 - edit->XFromChar(0) * 2);
}

TEST_F(EditTest, TheProgramsTextStaysWholeWhileTheUsersIsLimited) {
    edit->SetMaxLength(3);
    edit->SetText("22500");
    EXPECT_EQ(edit->Text(), "22500");
    EXPECT_EQ(changes, 1);
    SendMessage(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-12345"));
    EXPECT_EQ(edit->Text(), "-12345");
    EXPECT_EQ(SendMessage(edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 6);
    // The user's typing and pasting keep to the three characters.
    edit->SelectAll();
    Type("98765");
    EXPECT_EQ(edit->Text(), "987");
    Key(VK_END);
    Type("4");
    EXPECT_EQ(edit->Text(), "987");
    edit->SetText("");
    olva::win::SetClipboardText(nullptr, "123456");
    Chord({VK_CONTROL}, 'V');
    EXPECT_EQ(edit->Text(), "123");
}

} // namespace edit_test
