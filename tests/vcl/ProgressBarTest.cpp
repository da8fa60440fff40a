#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ProgressBar.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace progressbar_test {

using stdctrls_test::StdCtrlsTest;

class ProgressBarTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        bar = new TProgressBar(form);
        bar->SetBounds(10, 10, 202, 18); // 200 pixels inside the frame
        bar->SetParent(form);
        ShowForm();
    }
    TProgressBar* bar = nullptr;
};

TEST_F(ProgressBarTest, PositionFillsItsShareAndStaysInRange) {
    const struct {
        int Min, Max, Pos, Expected, Filled;
    } cases[] = {
        {0, 100, 50, 50, 100},    {0, 100, 150, 100, 200},       {0, 100, -5, 0, 0},
        {100, 300, 150, 150, 50}, {0, 65535, 65535, 65535, 200},
    };
    for (const auto& c : cases) {
        bar->SetRange(c.Min, c.Max);
        bar->SetPosition(c.Pos);
        EXPECT_EQ(bar->Position(), c.Expected);
        EXPECT_EQ(bar->FilledPixels(), c.Filled);
    }
}

TEST_F(ProgressBarTest, SmoothBarPaintsItsShareInTheHighlightColour) {
    bar->SetSmooth(true);
    bar->SetPosition(25);
    EXPECT_EQ(ColorAt(bar, 1 + 40, 9), ColorToRGB(clHighlight));
    EXPECT_EQ(ColorAt(bar, 1 + 60, 9), ColorToRGB(clBtnFace));
    // Blocks leave gaps of the face colour between them.
    bar->SetSmooth(false);
    bar->SetPosition(100);
    int gaps = 0;
    for (int x = 1; x < 201; ++x)
        if (COLORREF(ColorAt(bar, x, 9)) == ColorToRGB(clBtnFace)) ++gaps;
    EXPECT_GT(gaps, 10);
}

TEST_F(ProgressBarTest, StepsAndMessages) {
    bar->SetStep(30);
    for (int i = 0; i < 3; ++i)
        bar->StepIt();
    EXPECT_EQ(bar->Position(), 90);
    bar->StepIt(); // past the end starts again
    EXPECT_EQ(bar->Position(), 20);
    ::SendMessage(bar->Handle(), PBM_SETRANGE32, 0, 1000);
    EXPECT_EQ(::SendMessage(bar->Handle(), PBM_SETPOS, 400, 0), 20);
    EXPECT_EQ(::SendMessage(bar->Handle(), PBM_DELTAPOS, 100, 0), 400);
    EXPECT_EQ(::SendMessage(bar->Handle(), PBM_GETPOS, 0, 0), 500);
    EXPECT_EQ(::SendMessage(bar->Handle(), PBM_GETRANGE, FALSE, 0), 1000);
}

} // namespace progressbar_test
