#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Edit.h"
#include "platform/vcl/UpDown.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <vector>

namespace updown_test {

using stdctrls_test::StdCtrlsTest;

class UpDownTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 100, 21);
        edit->SetParent(form);
        updown = new TUpDown(form);
        updown->SetParent(form);
        updown->SetMax(2000);
        updown->SetIncrement(250);
        updown->SetAssociate(edit);
        updown->OnClick = [this](TObject*, TUDBtnType b) { clicks.push_back(b); };
        ShowForm();
    }
    TEdit* edit = nullptr;
    TUpDown* updown = nullptr;
    std::vector<TUDBtnType> clicks;
};

TEST_F(UpDownTest, SitsBesideItsEditAndStepsTheNumberShownThere) {
    EXPECT_EQ(edit->Width(), 100 - updown->Width());
    EXPECT_EQ(updown->Left(), edit->Left() + edit->Width());
    EXPECT_EQ(updown->Height(), 21);
    EXPECT_EQ(edit->Text(), "0");
    Click(updown, 5, 3); // the upper button
    EXPECT_EQ(edit->Text(), "250");
    EXPECT_TRUE(edit->Focused());
    // The number typed in the edit is where the next step starts; thousands get their separator.
    edit->SelectAll();
    Type("1000");
    Click(updown, 5, 3);
    EXPECT_EQ(edit->Text(), "1,250");
    EXPECT_EQ(updown->Position(), 1250);
    Click(updown, 5, 18); // the lower button
    EXPECT_EQ(edit->Text(), "1,000");
    EXPECT_EQ(clicks, (std::vector<TUDBtnType>{btNext, btNext, btPrev}));
}

TEST_F(UpDownTest, ArrowKeysInTheEditStepAndTheEndsHoldOrWrap) {
    edit->SetFocus();
    Pump();
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(updown->Position(), 500);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(updown->Position(), 0);
    updown->SetWrap(true);
    Key(VK_DOWN);
    EXPECT_EQ(updown->Position(), 2000);
    // OnChanging may refuse a step.
    updown->OnChanging = [](TObject*, bool& allow) { allow = false; };
    Key(VK_UP);
    EXPECT_EQ(updown->Position(), 2000);
}

TEST_F(UpDownTest, HoldingAButtonRepeats) {
    MouseDown(updown, 5, 3);
    Advance(400);
    Advance(50);
    MouseUp(updown, 5, 3);
    Advance(500);
    EXPECT_EQ(updown->Position(), 750);
}

TEST_F(UpDownTest, FreeingTheEditFirstLeavesTheUpDownWorking) {
    edit->Free();
    edit = nullptr;
    updown->SetPosition(500);
    EXPECT_EQ(updown->Position(), 500);
    EXPECT_EQ(updown->Associate(), nullptr);
}

} // namespace updown_test
