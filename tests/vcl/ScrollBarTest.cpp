#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ScrollBar.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace scrollbar_test {

using stdctrls_test::StdCtrlsTest;

class ScrollBarTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        bar = new TScrollBar(form);
        bar->SetBounds(10, 10, 216, 16); // a 184-pixel track between two 16-pixel arrows
        bar->SetParent(form);
        bar->OnScroll = [this](TObject*, TScrollCode code, int&) { codes.push_back(code); };
        ShowForm();
    }
    TScrollBar* bar = nullptr;
    std::vector<TScrollCode> codes;
};

TEST_F(ScrollBarTest, ArrowsStepTrackPagesAndHoldingRepeats) {
    bar->SetParams(0, 0, 65535);
    bar->SetSmallChange(10);
    bar->SetLargeChange(1000);
    Click(bar, 210, 8); // right arrow
    EXPECT_EQ(bar->Position(), 10);
    Click(bar, 150, 8); // the track right of the thumb
    EXPECT_EQ(bar->Position(), 1010);
    // Holding the arrow steps once, then repeats after a pause, every 50 ms.
    MouseDown(bar, 210, 8);
    EXPECT_EQ(bar->Position(), 1020);
    Advance(399);
    EXPECT_EQ(bar->Position(), 1020);
    Advance(1);
    Advance(50);
    Advance(50);
    MouseUp(bar, 210, 8);
    Advance(500);
    EXPECT_EQ(bar->Position(), 1050);
    EXPECT_EQ(codes.back(), scEndScroll);
}

TEST_F(ScrollBarTest, ThumbDragCoversTheWholeRangeUpTo65535) {
    bar->SetParams(0, 0, 65535);
    bar->SetPageSize(0);
    const int start = bar->ThumbStart() + bar->ThumbLength() / 2;
    MouseDown(bar, start, 8);
    MouseMoveTo(bar, 400, 8);
    EXPECT_EQ(bar->Position(), 65535);
    MouseMoveTo(bar, start + (216 - 2 * 16 - 16) / 2, 8);
    EXPECT_NEAR(bar->Position(), 32768, 400);
    MouseUp(bar, start + (216 - 2 * 16 - 16) / 2, 8);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[codes.size() - 3], scTrack);
    EXPECT_EQ(codes[codes.size() - 2], scPosition);
}

TEST_F(ScrollBarTest, PageSizeLimitsThePositionAndSizesTheThumb) {
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(25);
    EXPECT_EQ(bar->ThumbLength(), 184 * 25 / 100);
    bar->SetPosition(1000);
    EXPECT_EQ(bar->MaxPosition(), 75);
    EXPECT_EQ(bar->Position(), 75);
    EXPECT_EQ(bar->ThumbStart() + bar->ThumbLength(), 216 - 16);
    // OnScroll may change where the bar goes.
    bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 40; };
    bar->SetFocus();
    Pump();
    Key(VK_HOME);
    EXPECT_EQ(bar->Position(), 40);
}

} // namespace scrollbar_test
