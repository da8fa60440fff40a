// A label answers the mouse as any control does: a click runs OnClick, a double click OnDblClick, and a
// disabled label runs neither.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Label.h"

#include <gtest/gtest.h>

namespace label_click_test {

using stdctrls_test::StdCtrlsTest;

TEST_F(StdCtrlsTest, ALabelTakesClicksAndDoubleClicks) {
    auto* label = new TLabel(form);
    label->SetCaption("0 dB");
    label->SetBounds(10, 10, 60, 16);
    label->SetParent(form);
    int clicks = 0, doubleClicks = 0;
    label->OnClick = TNotifyEvent([&](TObject*) { ++clicks; }, label);
    label->OnDblClick = TNotifyEvent([&](TObject*) { ++doubleClicks; }, label);
    ShowForm();
    Click(label, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
    Advance(1000);
    DoubleClick(label, 5, 5);
    EXPECT_EQ(doubleClicks, 1);
    label->SetEnabled(false);
    Click(label, 5, 5);
    DoubleClick(label, 5, 5);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 2);
}

} // namespace label_click_test
