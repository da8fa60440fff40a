// A click sent by a program (BM_CLICK) does what a completed press does for each kind of button.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/RadioButton.h"

namespace button_click_message_test {
namespace {

using stdctrls_test::StdCtrlsTest;

TEST_F(StdCtrlsTest, ClickMessagePressesPushButtonsCheckBoxesAndRadioButtons) {
    int clicks = 0;
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = TNotifyEvent([&](TObject*) { ++clicks; }, &clicks);
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetAllowGrayed(true);
    auto* first = new TRadioButton(form);
    first->SetParent(form);
    first->SetChecked(true);
    auto* second = new TRadioButton(form);
    second->SetParent(form);
    ShowForm();
    button->Perform(BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    box->Perform(BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), cbGrayed);
    box->Perform(BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), cbChecked);
    second->Perform(BM_CLICK, 0, 0);
    EXPECT_TRUE(second->Checked());
    EXPECT_FALSE(first->Checked());
}

} // namespace
} // namespace button_click_message_test
