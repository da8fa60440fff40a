// The range controls answer a "get range" message through the pointers it carries, either one optional.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/UpDown.h"

namespace range_query_test {
namespace {

using stdctrls_test::StdCtrlsTest;

TEST_F(StdCtrlsTest, RangeControlsAnswerGetRangeThroughTheGivenPointers) {
    auto* bar = new TScrollBar(form);
    bar->SetParent(form);
    bar->SetParams(5, -3, 40);
    auto* updown = new TUpDown(form);
    updown->SetParent(form);
    updown->Perform(UDM_SETRANGE32, static_cast<WPARAM>(-7), 70);
    ShowForm();
    struct Case {
        TControl* Control;
        UINT Msg;
        int Min;
        int Max;
    };
    const Case cases[] = {{bar, SBM_GETRANGE, -3, 40}, {updown, UDM_GETRANGE32, -7, 70}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Msg);
        int min = 99, max = 99;
        c.Control->Perform(c.Msg, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
        EXPECT_EQ(min, c.Min);
        EXPECT_EQ(max, c.Max);
        max = 99;
        c.Control->Perform(c.Msg, 0, reinterpret_cast<LPARAM>(&max));
        EXPECT_EQ(max, c.Max);
        min = 99;
        c.Control->Perform(c.Msg, reinterpret_cast<WPARAM>(&min), 0);
        EXPECT_EQ(min, c.Min);
    }
}

} // namespace
} // namespace range_query_test
