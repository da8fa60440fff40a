// The framed progress bar: percent values (above 100, negative, repeated), parts, the orientation from
// the size, the bar styles and their settings, the LED layouts, the two-colour text, the level meters'
// gradient, and the frame controller.
#include "SkinControlTestSupport.h"
#include "SkinTestSupport.h"

#include "platform/vcl/Font.h"
#include "skin/framed/FrProgressBar.h"

#include <gtest/gtest.h>

namespace fr_progress_bar_test {
using namespace skintest;

class FrProgressBarTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Bar = new TFrProgressBar(Form);
        Bar->SetParent(Form);
        Bar->OnChange =
            TProgressChangeEvent([this](TObject*, int Percent) { Changes.push_back(Percent); }, this);
        ShowForm();
    }
    TFrProgressBar* Bar = nullptr;
    std::vector<int> Changes;
};

TEST_F(FrProgressBarTest, PercentsBeyondTheRangeAndRepeatedOnes) {
    StyleAsProgressWindowBar(Bar, 20, 20);
    const TRect body = Bar->BodyRect();
    EXPECT_EQ(body, (TRect{0, 0, 267, 25}));
    Bar->SetPercent(150);
    EXPECT_EQ(Bar->FilledRect(body), body);
    EXPECT_EQ(Bar->BarText(), "150%");
    Bar->SetPercent(150);
    Bar->SetPercent(-20);
    EXPECT_EQ(Bar->FilledRect(body).right, 0);
    EXPECT_EQ(Bar->BarText(), "0%");
    EXPECT_EQ(ColorAt(Bar, 2, 2), 0u); // nothing filled: the black remainder
    EXPECT_EQ(Changes, (std::vector<int>{150, -20}));
}

TEST_F(FrProgressBarTest, PartsSetThePercent) {
    Bar->SetPartsComplete(2);
    EXPECT_EQ(Bar->PartsComplete(), 0u); // no total: limited to it, and the percent stays
    EXPECT_TRUE(Changes.empty());
    Bar->SetTotalParts(3);
    Bar->SetPartsComplete(1);
    EXPECT_EQ(Bar->Percent(), 33);
    Bar->SetPartsComplete(2);
    EXPECT_EQ(Bar->Percent(), 67);
    Bar->SetPartsComplete(9);
    EXPECT_EQ(Bar->PartsComplete(), 3u);
    EXPECT_EQ(Bar->Percent(), 100);
    Bar->SetShowParts(true);
    EXPECT_EQ(Bar->BarText(), "3 / 3");
    // A new total starts over.
    Bar->SetTotalParts(10);
    EXPECT_EQ(Bar->PartsComplete(), 0u);
    EXPECT_EQ(Bar->Percent(), 0);
    EXPECT_EQ(Changes, (std::vector<int>{33, 67, 100, 0}));
}

TEST_F(FrProgressBarTest, TheShapeDecidesTheOrientation) {
    EXPECT_EQ(Bar->Width(), 200);
    EXPECT_EQ(Bar->Height(), 24);
    Bar->SetBounds(10, 10, 8, 326);
    EXPECT_EQ(Bar->Orientation(), orVertical);
    Bar->SetBounds(10, 10, 267, 25);
    EXPECT_EQ(Bar->Orientation(), orHorizontal);
}

TEST_F(FrProgressBarTest, BarStyleSwitchesTheTextAndTheGap) {
    Bar->SetBarStyle(bsLED);
    EXPECT_FALSE(Bar->ShowPercent());
    EXPECT_EQ(Bar->InteriorOffset(), 1);
    Bar->SetBarStyle(bsGradient);
    EXPECT_TRUE(Bar->ShowPercent());
    EXPECT_EQ(Bar->InteriorOffset(), 0);
    EXPECT_EQ(Bar->BarText(), "0%");
}

TEST_F(FrProgressBarTest, LedLayouts) {
    struct Case {
        int Extent, Segments, Count, Size, Margin;
    } cases[] = {
        {60, 20, 10, 6, 0}, // short bars use at most ten segments
        {100, 20, 20, 5, 0}, {103, 20, 20, 5, 1}, {80, 12, 10, 8, 0},
        {200, 7, 7, 28, 2},  {5, 20, 10, 0, 2}, // too short for a segment: nothing is drawn
    };
    for (const Case& c : cases) {
        int count = 0, size = 0, margin = 0;
        TFrCustomProgressBar::LedLayout(c.Extent, c.Segments, count, size, margin);
        EXPECT_EQ(count, c.Count) << c.Extent;
        EXPECT_EQ(size, c.Size) << c.Extent;
        EXPECT_EQ(margin, c.Margin) << c.Extent;
    }
}

TEST_F(FrProgressBarTest, TheLedBarLightsNoMoreSegmentsThanItHas) {
    Bar->SetBounds(20, 20, 104, 20);
    Bar->SetBarStyle(bsLED);
    Bar->SetBorderOuter(fsNone);
    Bar->SetThemeAware(false);
    Bar->SetBackColor(clBlack);
    Bar->SetBarColor(clLime);
    // The body is 102 wide inside the one-pixel gap: 20 segments of 5, margins of 1.
    Bar->SetPercent(50);
    EXPECT_EQ(ColorAt(Bar, 1 + 1 + 5 * 9 + 2, 10), std::uint32_t(ColorToRGB(clLime)));
    EXPECT_EQ(ColorAt(Bar, 1 + 1 + 5 * 10 + 2, 10), 0u);
    Bar->SetPercent(300);
    EXPECT_EQ(ColorAt(Bar, 1 + 1 + 5 * 19 + 2, 10), std::uint32_t(ColorToRGB(clLime)));
    Bar->SetPercent(-5);
    EXPECT_EQ(ColorAt(Bar, 1 + 1 + 2, 10), 0u);
}

TEST_F(FrProgressBarTest, TheTextReadsInTwoColours) {
    StyleAsProgressWindowBar(Bar, 20, 20);
    Bar->SetPercent(50);
    // The filled part ends at Round(133.5) = 134; the text is centred on 133.
    const auto picture = Capture(Bar);
    int darkOnFill = 0, greenOnBlack = 0;
    for (int y = 4; y < 21; ++y) {
        for (int x = 115; x < 134; ++x) {
            const std::uint32_t c = PixelOf(*picture, x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 60) ++darkOnFill;
        }
        for (int x = 134; x < 152; ++x) {
            const std::uint32_t c = PixelOf(*picture, x, y);
            if (GetGValue(c) > 80 && GetRValue(c) < 40) ++greenOnBlack;
        }
    }
    EXPECT_GT(darkOnFill, 8);
    EXPECT_GT(greenOnBlack, 8);
    // The fill runs from green at the left to red at its own right end.
    EXPECT_NEAR(GetGValue(ColorAt(Bar, 0, 2)), 0x78, 3);
    EXPECT_LT(GetRValue(ColorAt(Bar, 0, 2)), 4);
    EXPECT_GT(GetRValue(ColorAt(Bar, 133, 2)), 240);
}

TEST_F(FrProgressBarTest, AMeterFillsFromTheBottomRedAboveGreen) {
    Form->SetClientHeight(360);
    StyleAsLevelMeter(Bar, 20, 10);
    Bar->SetPercent(40);
    // Round(40 x 326 / 100) = 130 rows from the bottom.
    EXPECT_EQ(ColorAt(Bar, 4, 195), 0u);
    auto near = [](std::uint32_t A, std::uint32_t B) {
        return std::abs(int(GetRValue(A)) - int(GetRValue(B))) <= 3 &&
               std::abs(int(GetGValue(A)) - int(GetGValue(B))) <= 3 &&
               std::abs(int(GetBValue(A)) - int(GetBValue(B))) <= 3;
    };
    EXPECT_TRUE(near(ColorAt(Bar, 4, 196), 0x140DFF));
    EXPECT_TRUE(near(ColorAt(Bar, 4, 325), 0x147800));
}

TEST_F(FrProgressBarTest, AFrameControllerRestylesTheBorder) {
    auto* controller = new TFrFrameController(Form);
    controller->SetFrameStyle(fsFlat);
    controller->SetFrameColor(clRed);
    controller->SetColor(clYellow);
    Bar->SetFrameController(controller);
    // Nothing while the controller's frame is not visible.
    EXPECT_EQ(Bar->BorderOuter(), fsLowered);
    controller->SetFrameVisible(true);
    EXPECT_EQ(Bar->BorderOuter(), fsFlat);
    EXPECT_EQ(Bar->FlatColor(), clRed);
    EXPECT_EQ(Bar->FlatColorAdjustment(), 0);
    EXPECT_EQ(Bar->BackColor(), clYellow);
    // Settings left out of the notifications stay.
    Bar->SetFrameControllerNotifications(TFrFrameControllerNotifications{fcpFrameStyle});
    controller->SetColor(clAqua);
    EXPECT_EQ(Bar->BackColor(), clYellow);
    controller->Free();
    EXPECT_EQ(Bar->FrameController(), nullptr);
}

} // namespace fr_progress_bar_test
