#include "StdCtrlsTestSupport.h"

#include "platform/vcl/TrackBar.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace trackbar_test {

using stdctrls_test::StdCtrlsTest;

class TrackBarTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        bar = new TTrackBar(form);
        bar->SetBounds(10, 10, 216, 45);
        bar->SetParent(form);
        bar->SetMax(100);
        bar->SetPageSize(10);
        bar->SetLineSize(1);
        bar->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
        bar->SetFocus();
        Pump();
    }
    TTrackBar* bar = nullptr;
    int changes = 0;
};

TEST_F(TrackBarTest, KeysStepByLineAndPageAndStopAtTheEnds) {
    const struct {
        int Key;
        int Expected;
    } steps[] = {{VK_RIGHT, 1}, {VK_DOWN, 2},  {VK_NEXT, 12},   {VK_UP, 11}, {VK_PRIOR, 1},
                 {VK_PRIOR, 0}, {VK_END, 100}, {VK_RIGHT, 100}, {VK_HOME, 0}};
    for (const auto& s : steps) {
        Key(s.Key);
        EXPECT_EQ(bar->Position(), s.Expected) << s.Key;
    }
    EXPECT_EQ(changes, 8); // the step past the end moved nothing
}

TEST_F(TrackBarTest, DragTheThumbAndPageTowardsAClick) {
    const RECT thumb = bar->ThumbRect();
    const int y = (thumb.top + thumb.bottom) / 2;
    const int x = (thumb.left + thumb.right) / 2;
    MouseDown(bar, x, y);
    MouseMoveTo(bar, bar->PositionToPixel(40), y);
    EXPECT_EQ(bar->Position(), 40);
    MouseMoveTo(bar, 500, y);
    EXPECT_EQ(bar->Position(), 100);
    MouseUp(bar, 500, y);
    // A click on the channel left of the thumb pages once towards it.
    Click(bar, bar->PositionToPixel(20), y);
    EXPECT_EQ(bar->Position(), 90);
    // Pixel and position map onto each other over the whole travel.
    for (int pos : {0, 17, 50, 99, 100})
        EXPECT_EQ(bar->PixelToPosition(bar->PositionToPixel(pos)), pos);
}

TEST_F(TrackBarTest, MessagesSetWithoutNotifying) {
    ::SendMessage(bar->Handle(), TBM_SETRANGEMAX, TRUE, 1000);
    ::SendMessage(bar->Handle(), TBM_SETPOS, TRUE, 1500);
    EXPECT_EQ(::SendMessage(bar->Handle(), TBM_GETPOS, 0, 0), 1000);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(::SendMessage(bar->Handle(), TBM_SETPAGESIZE, 0, 50), 10);
    EXPECT_EQ(bar->PageSize(), 50);
    Key(VK_PRIOR);
    EXPECT_EQ(bar->Position(), 950);
}

} // namespace trackbar_test
