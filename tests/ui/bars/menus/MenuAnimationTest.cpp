// The arithmetic of the opening animations: which one maRandom picks, unfold and slide steps, the part
// of the menu's picture each step shows.
#include "ui/bars/controls/SubMenuControlAnimation.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuAnimationChoice, RandomPicksEachEffectForAThird) {
    struct Case {
        int Random;
        TovBarMenuAnimations Expected;
    };
    for (const Case& c : {Case{0, maUnfold}, Case{32, maUnfold}, Case{33, maSlide}, Case{65, maSlide},
                          Case{66, maFade}, Case{99, maFade}})
        EXPECT_EQ(ovBarResolveRandomAnimation(c.Random), c.Expected) << c.Random;
    int counts[5] = {};
    for (int r = 0; r < 100; ++r)
        ++counts[ovBarResolveRandomAnimation(r)];
    EXPECT_EQ(counts[maUnfold], 33);
    EXPECT_EQ(counts[maSlide], 33);
    EXPECT_EQ(counts[maFade], 34);
}

TEST(MenuAnimationSteps, UnfoldOfATallMenuTakes25StepsOf8) {
    const TovBarAnimationInfo info =
        ovBarMakeAnimationInfo(maUnfold, TRect{100, 50, 300, 350}, 0, 0, false, false);
    EXPECT_EQ(info.FirstValue, 100);
    EXPECT_EQ(info.Delta, 200);
    EXPECT_EQ(info.Step, 8);
    EXPECT_EQ(ovBarAnimationStepCount(info), 25);
    const TovBarAnimationFrame first = ovBarAnimationFrame(info, 1);
    EXPECT_EQ(first.Width, 8);
    EXPECT_EQ(first.Height, 108);
    EXPECT_EQ(first.Window.left, 100);
    EXPECT_EQ(first.Window.top, 50);
    const TovBarAnimationFrame last = ovBarAnimationFrame(info, 25);
    EXPECT_EQ(last.Width, 200);
    EXPECT_EQ(last.Height, 300);
}

TEST(MenuAnimationSteps, UnfoldOfAWideMenuGrowsTheWidthAhead) {
    const TovBarAnimationInfo info =
        ovBarMakeAnimationInfo(maUnfold, TRect{0, 0, 300, 100}, 0, 0, false, false);
    EXPECT_EQ(info.FirstValue, -200);
    EXPECT_EQ(info.Delta, 100);
    const TovBarAnimationFrame first = ovBarAnimationFrame(info, 1);
    EXPECT_EQ(first.Width, 208);
    EXPECT_EQ(first.Height, 8);
}

TEST(MenuAnimationSteps, SlideTakes17StepsOf17PixelsAtFullWidth) {
    const TovBarAnimationInfo info =
        ovBarMakeAnimationInfo(maSlide, TRect{0, 0, 150, 300}, 0, 0, false, false);
    EXPECT_EQ(info.Step, 17);
    EXPECT_EQ(ovBarAnimationStepCount(info), 17);
    const TovBarAnimationFrame last = ovBarAnimationFrame(info, 17);
    EXPECT_EQ(last.Height, 289);
    EXPECT_EQ(last.Width, 150);
}

TEST(MenuAnimationSteps, EachDirectionKeepsItsOwnEdgeAndShowsItsPartOfThePicture) {
    struct Case {
        bool Left, Up;
        TPoint WindowTopLeft, ImageOrigin;
    };
    // A 200 x 300 menu at (100, 50); step 1 shows 8 x 108.
    for (const Case& c : {Case{false, false, {100, 50}, {0, 192}}, Case{true, false, {292, 50}, {192, 192}},
                          Case{false, true, {100, 242}, {0, 0}}, Case{true, true, {292, 242}, {0, 0}}}) {
        const TovBarAnimationInfo info =
            ovBarMakeAnimationInfo(maUnfold, TRect{100, 50, 300, 350}, 0, 0, c.Left, c.Up);
        const TovBarAnimationFrame frame = ovBarAnimationFrame(info, 1);
        EXPECT_EQ(frame.Window.left, c.WindowTopLeft.x) << c.Left << c.Up;
        EXPECT_EQ(frame.Window.top, c.WindowTopLeft.y) << c.Left << c.Up;
        EXPECT_EQ(frame.ImageOrigin.x, c.ImageOrigin.x) << c.Left << c.Up;
        EXPECT_EQ(frame.ImageOrigin.y, c.ImageOrigin.y) << c.Left << c.Up;
    }
}

} // namespace
