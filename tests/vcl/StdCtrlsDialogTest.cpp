// A user's habits in a dialog: Tab through the controls, accelerators, Enter and Esc, Space on buttons,
// check boxes and radio groups.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace stdctrls_dialog_test {

using olva::win::InjectKey;
using stdctrls_test::StdCtrlsTest;

class DialogTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        nameLabel = Put(new TLabel(form), 8, 12);
        nameLabel->SetCaption("&Name:");
        name = Put(new TEdit(form), 60, 8);
        nameLabel->SetFocusControl(name);
        other = Put(new TEdit(form), 60, 36);
        loop = Put(new TCheckBox(form), 8, 64);
        loop->SetCaption("&Loop");
        group = Put(new TGroupBox(form), 8, 90);
        group->SetCaption("&Channels");
        group->SetBounds(8, 90, 200, 90);
        mono = Put(new TRadioButton(form), 8, 8, group);
        mono->SetCaption("Mono");
        stereo = Put(new TRadioButton(form), 8, 30, group);
        stereo->SetCaption("Stereo");
        joint = Put(new TRadioButton(form), 8, 52, group);
        joint->SetCaption("Joint");
        stereo->SetChecked(true);
        ok = Put(new TButton(form), 220, 200);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        cancel = Put(new TButton(form), 300, 200);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        form->SetActiveControl(name);
    }
    template <class T> T* Put(T* control, int x, int y, TWinControl* parent = nullptr) {
        control->SetLeft(x);
        control->SetTop(y);
        control->SetParent(parent != nullptr ? parent : form);
        return control;
    }
    void Alt(int vk) { Chord({VK_MENU}, vk); }
    // Queues the keys, then runs the form modally until they close it.
    int RunModalAfter(std::initializer_list<int> keys) {
        for (int vk : keys) {
            InjectKey(vk, true);
            InjectKey(vk, false);
        }
        return form->ShowModal();
    }
    TLabel* nameLabel = nullptr;
    TEdit* name = nullptr;
    TEdit* other = nullptr;
    TCheckBox* loop = nullptr;
    TGroupBox* group = nullptr;
    TRadioButton* mono = nullptr;
    TRadioButton* stereo = nullptr;
    TRadioButton* joint = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
};

TEST_F(DialogTest, TabVisitsTabStopsInOrderAndOnlyTheCheckedRadio) {
    ShowForm();
    EXPECT_TRUE(name->Focused());
    const TWinControl* expected[] = {other, loop, stereo, ok, cancel, name};
    for (const TWinControl* control : expected) {
        Key(VK_TAB);
        EXPECT_EQ(form->ActiveControl(), control);
    }
    Chord({VK_SHIFT}, VK_TAB);
    EXPECT_EQ(form->ActiveControl(), cancel);
}

TEST_F(DialogTest, ArrowsMoveThroughARadioGroupAndCheckWhatTheyReach) {
    ShowForm();
    int clicks = 0;
    joint->OnClick = [&](TObject*) { ++clicks; };
    stereo->SetFocus();
    Pump();
    Key(VK_DOWN);
    EXPECT_TRUE(joint->Focused());
    EXPECT_TRUE(joint->Checked());
    EXPECT_FALSE(stereo->Checked());
    EXPECT_EQ(clicks, 1);
    // Tab now stops at the newly checked button only.
    EXPECT_TRUE(joint->TabStop());
    EXPECT_FALSE(stereo->TabStop());
}

TEST_F(DialogTest, AcceleratorsReachLabelsCheckBoxesAndGroups) {
    ShowForm();
    other->SetFocus();
    Pump();
    Alt('N');
    EXPECT_TRUE(name->Focused());
    int clicks = 0;
    loop->OnClick = [&](TObject*) { ++clicks; };
    Alt('L');
    EXPECT_TRUE(loop->Checked());
    EXPECT_TRUE(loop->Focused());
    EXPECT_EQ(clicks, 1);
    Alt('C');
    EXPECT_TRUE(stereo->Focused());
    // Without Alt, a letter typed into an edit box is text, not an accelerator.
    name->SetFocus();
    Pump();
    Type("l");
    EXPECT_EQ(name->Text(), "l");
    EXPECT_TRUE(loop->Checked());
}

TEST_F(DialogTest, SpaceAndClicksToggleACheckBoxThroughItsStates) {
    ShowForm();
    loop->SetAllowGrayed(true);
    loop->SetFocus();
    Pump();
    const TCheckBoxState expected[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState state : expected) {
        Key(VK_SPACE);
        EXPECT_EQ(loop->State(), state);
    }
    Click(loop, 5, 8);
    EXPECT_EQ(loop->State(), cbGrayed);
    EXPECT_EQ(::SendMessage(loop->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_INDETERMINATE));
    // A press that leaves the box before the button goes up does nothing.
    MouseDown(loop, 5, 8);
    MouseMoveTo(loop, 300, 8);
    MouseUp(loop, 300, 8);
    EXPECT_EQ(loop->State(), cbGrayed);
}

struct TModalCase {
    const char* What;
    std::initializer_list<int> Keys;
    int Result;
};

TEST_F(DialogTest, EnterAndEscEndTheDialog) {
    const TModalCase cases[] = {
        {"Enter in an edit box presses the default button", {VK_RETURN}, mrOk},
        {"Esc presses the cancel button", {VK_ESCAPE}, mrCancel},
        {"Enter on a focused push button presses that one",
         {VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_RETURN},
         mrCancel},
        {"Space on a focused push button presses it", {VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_SPACE}, mrOk},
    };
    for (const TModalCase& c : cases) {
        form->SetActiveControl(name);
        EXPECT_EQ(RunModalAfter(c.Keys), c.Result) << c.What;
    }
}

TEST_F(DialogTest, TheDefaultButtonGivesEnterAwayToAFocusedButton) {
    ShowForm();
    EXPECT_TRUE(ok->Active());
    cancel->SetFocus();
    Pump();
    EXPECT_FALSE(ok->Active());
    EXPECT_TRUE(cancel->Active());
    name->SetFocus();
    Pump();
    EXPECT_TRUE(ok->Active());
    EXPECT_FALSE(cancel->Active());
}

TEST_F(DialogTest, AutoSizedLabelFitsItsTextAndKeepsItsRightEdgeWhenRightAligned) {
    TLabel* label = Put(new TLabel(form), 10, 200);
    label->SetCaption("Gain");
    const int fourChars = label->Width();
    label->SetCaption("Gain (dB)");
    EXPECT_GT(label->Width(), fourChars);
    EXPECT_EQ(label->Height(), nameLabel->Height());
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("dB");
    EXPECT_EQ(label->Left() + label->Width(), right);
    // The "&" of an accelerator takes no room.
    TLabel* plain = Put(new TLabel(form), 10, 220);
    plain->SetCaption("Name:");
    EXPECT_EQ(plain->Width(), nameLabel->Width());
}

} // namespace stdctrls_dialog_test
