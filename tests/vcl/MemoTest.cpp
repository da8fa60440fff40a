#include "StdCtrlsTestSupport.h"

#include "platform/rtl/Strings.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Memo.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace memo_test {

using stdctrls_test::StdCtrlsTest;

class MemoTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        memo = new TMemo(form);
        memo->SetBounds(10, 10, 200, 80);
        memo->SetParent(form);
        ShowForm();
        memo->SetFocus();
        Pump();
    }
    TMemo* memo = nullptr;
};

TEST_F(MemoTest, EnterStartsLinesAndTheArrowsMoveBetweenThem) {
    Type("first");
    Key(VK_RETURN);
    Type("second line");
    Key(VK_RETURN);
    Type("3");
    EXPECT_EQ(memo->Text(), "first\r\nsecond line\r\n3");
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(1), "second line");
    Key(VK_UP);
    EXPECT_EQ(memo->CaretPos().y, 1);
    Key(VK_END);
    EXPECT_EQ(memo->CaretPos().x, 11);
    Key(VK_UP); // the shorter line above: its end
    EXPECT_EQ(memo->CaretPos().y, 0);
    EXPECT_EQ(memo->CaretPos().x, 5);
    Chord({VK_SHIFT}, VK_DOWN);
    Chord({VK_SHIFT}, VK_END);
    EXPECT_EQ(memo->SelText(), "\r\nsecond line");
    Key(VK_DELETE);
    EXPECT_EQ(memo->Text(), "first\r\n3");
}

TEST_F(MemoTest, LinesEditTheTextLineByLine) {
    memo->Lines()->Add("alpha");
    memo->Lines()->Add("beta");
    memo->Lines()->Insert(1, "between");
    EXPECT_EQ(memo->Text(), "alpha\r\nbetween\r\nbeta\r\n");
    memo->Lines()->SetStrings(0, "ALPHA");
    memo->Lines()->Delete(2);
    EXPECT_EQ(memo->Text(), "ALPHA\r\nbetween\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    memo->SetText("one\ntwo\rthree");
    EXPECT_EQ(memo->Lines()->Count(), 3); // every kind of line break counts
    EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree");
}

TEST_F(MemoTest, LongLinesWrapAtWordsAndTheMemoScrolls) {
    memo->SetScrollBars(ssVertical);
    std::string words;
    for (int i = 0; i < 100; ++i)
        words += "word" + std::to_string(i) + " ";
    memo->SetText(words);
    const int wrapped = memo->VisualLineCount();
    EXPECT_GT(wrapped, 12);
    memo->SetWordWrap(false);
    EXPECT_EQ(memo->VisualLineCount(), 1);
    memo->SetWordWrap(true);
    // Ctrl+End goes to the end and scrolls it into view; the wheel scrolls back.
    Chord({VK_CONTROL}, VK_END);
    EXPECT_GT(memo->TopLine(), 0);
    EXPECT_EQ(memo->CaretPos().y, wrapped - 1);
    Wheel(memo, 50, 30, 5 * WHEEL_DELTA);
    EXPECT_EQ(memo->TopLine(), 0);
}

TEST_F(MemoTest, EnterIsTheMemosButEscStillCancelsTheDialog) {
    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(300, 200, 75, 25);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    auto* ok = new TButton(form);
    ok->SetParent(form);
    ok->SetBounds(200, 200, 75, 25);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    form->Hide();
    form->SetActiveControl(memo);
    for (int vk : {VK_RETURN, VK_RETURN, VK_ESCAPE}) {
        olva::win::InjectKey(vk, true);
        olva::win::InjectKey(vk, false);
    }
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    // Without WantReturns, Enter presses the default button.
    memo->SetWantReturns(false);
    form->Hide();
    form->SetActiveControl(memo);
    olva::win::InjectKey(VK_RETURN, true);
    olva::win::InjectKey(VK_RETURN, false);
    EXPECT_EQ(form->ShowModal(), mrOk);
}

} // namespace memo_test
