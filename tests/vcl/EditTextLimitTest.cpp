// The length limit of an edit box limits what the user types and pastes; text the program sets (the
// Text property, WM_SETTEXT) stays whole, as in the platform's own edit control.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Edit.h"
#include "platform/vcl/EditBuffer.h"
#include "platform/win/Clipboard.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace edit_text_limit_test {

using stdctrls_test::StdCtrlsTest;

TEST(EditBufferLimitTest, SetTextKeepsTheWholeValueAndTypingStaysLimited) {
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

class EditTextLimitTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 120, 21);
        edit->SetMaxLength(3);
        edit->SetParent(form);
        edit->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
        edit->SetFocus();
        Pump();
    }
    TEdit* edit = nullptr;
    int changes = 0;
};

TEST_F(EditTextLimitTest, TheProgramsTextStaysWholeWhileTheUsersIsLimited) {
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

} // namespace edit_text_limit_test
