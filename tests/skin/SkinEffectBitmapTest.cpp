// The morph transitions and the lighten effect of TskEffectBmp, with a sheet of every transition at a
// quarter, half and three quarters for the eye.
#include "SkinTestSupport.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "skin/draw/SkinEffectBitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace skin_effect_bitmap_test {
using namespace skintest;

TskEffectBmp Solid(int w, int h, std::uint32_t colour) {
    auto bitmap = MakeBitmap(w, h, [colour](int, int) { return colour; });
    return TskEffectBmp(bitmap->Handle());
}

// Columns numbered by their blue channel, rows by their green channel.
TskEffectBmp Numbered(int w, int h, int red) {
    auto bitmap =
        MakeBitmap(w, h, [red](int x, int y) { return std::uint32_t(RGB(BYTE(red), BYTE(y), BYTE(x))); });
    return TskEffectBmp(bitmap->Handle());
}

TEST(SkinEffectBitmapTest, ACopyHasTheBitmapsPixelsInPaddedRows) {
    auto bitmap = MakeBitmap(5, 2, [](int x, int y) { return std::uint32_t(RGB(BYTE(x), BYTE(y), 7)); });
    TskEffectBmp effect(bitmap->Handle());
    EXPECT_EQ(effect.PixelWidth(), 5);
    EXPECT_EQ(effect.RowBytes(), 16);
    EXPECT_EQ(effect.ByteSize(), 32);
    EXPECT_EQ(effect.Pixel(4, 1), RGB(4, 1, 7));
    auto target = MakeBitmap(7, 4, [](int, int) { return 0u; });
    effect.DrawAt(target->Canvas()->Handle(), 1, 1);
    EXPECT_EQ(PixelOf(*target, 5, 2), std::uint32_t(RGB(4, 1, 7)));
    EXPECT_EQ(PixelOf(*target, 6, 2), 0u);
    TskEffectBmp none(nullptr);
    EXPECT_EQ(none.PixelWidth(), 0);
}

TEST(SkinEffectBitmapTest, CrossFadeRoundsHalvesToEvenAndClampsItsAmount) {
    TskEffectBmp image = Solid(3, 2, 0x000000);
    image.CrossFade(Solid(3, 2, 0xFFFFFF), 0.5);
    EXPECT_EQ(image.Pixel(1, 1), RGB(128, 128, 128)); // 127.5 -> 128
    TskEffectBmp over = Solid(3, 2, 0x102030);
    over.CrossFade(Solid(3, 2, 0xFFFFFF), 7);
    EXPECT_EQ(over.Pixel(0, 0), RGB(255, 255, 255));
    TskEffectBmp nan = Solid(3, 2, 0x102030);
    nan.CrossFade(Solid(3, 2, 0xFFFFFF), std::nan(""));
    EXPECT_EQ(nan.Pixel(0, 0), COLORREF(0x102030));
    TskEffectBmp other = Solid(3, 2, 0x102030);
    other.CrossFade(Solid(4, 2, 0xFFFFFF), 0.5);
    EXPECT_EQ(other.Pixel(0, 0), COLORREF(0x102030));
}

TEST(SkinEffectBitmapTest, WipeFromLeftAtZeroStillBlendsTwoColumns) {
    TskEffectBmp image = Solid(10, 2, 0x000000);
    image.WipeFromLeft(Solid(10, 2, 0xFFFFFF), 0);
    EXPECT_EQ(image.Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(image.Pixel(1, 0), RGB(0, 0, 0));
    // At a half: columns 0..5 with weights 0, 1/5, ... 1 of the current image.
    TskEffectBmp half = Solid(10, 1, 0x000000);
    half.WipeFromLeft(Solid(10, 1, 0xFFFFFF), 0.5);
    EXPECT_EQ(half.Pixel(1, 0), RGB(204, 204, 204));
    EXPECT_EQ(half.Pixel(5, 0), RGB(0, 0, 0));
    EXPECT_EQ(half.Pixel(9, 0), RGB(0, 0, 0));
}

TEST(SkinEffectBitmapTest, ImagesTooNarrowForAnEdgeAreLeftAlone) {
    using Effect = void (TskEffectBmp::*)(const TskEffectBmp&, double);
    for (Effect effect :
         {&TskEffectBmp::WipeFromLeft, &TskEffectBmp::WipeFromRight, &TskEffectBmp::PushFromLeft,
          &TskEffectBmp::SlideFromLeft, &TskEffectBmp::SlideFromRight, &TskEffectBmp::SplitHorizontal}) {
        TskEffectBmp image = Solid(1, 5, 0x123456);
        (image.*effect)(Solid(1, 5, 0xFFFFFF), 0.5);
        EXPECT_EQ(image.Pixel(0, 2), COLORREF(0x123456));
    }
    TskEffectBmp flat = Solid(5, 1, 0x123456);
    flat.SplitVertical(Solid(5, 1, 0xFFFFFF), 0.5);
    EXPECT_EQ(flat.Pixel(2, 0), COLORREF(0x123456));
}

TEST(SkinEffectBitmapTest, PushesAndSlidesMoveWholeColumns) {
    auto blues = [](const TskEffectBmp& image) {
        std::vector<int> out;
        for (int x = 0; x < image.PixelWidth(); ++x)
            out.push_back(int(GetBValue(image.Pixel(x, 0))) + 100 * GetRValue(image.Pixel(x, 0)));
        return out;
    };
    // Current columns 0..5 (red 0), target columns 0..5 (red 1); x = 1/3 of 6 gives a = 2.
    TskEffectBmp push = Numbered(6, 1, 0);
    push.PushFromLeft(Numbered(6, 1, 1), 1.0 / 3);
    EXPECT_EQ(blues(push), (std::vector<int>{103, 104, 105, 0, 1, 2}));
    TskEffectBmp slideLeft = Numbered(6, 1, 0);
    slideLeft.SlideFromLeft(Numbered(6, 1, 1), 1.0 / 3);
    EXPECT_EQ(blues(slideLeft), (std::vector<int>{104, 105, 2, 3, 4, 5}));
    TskEffectBmp slideRight = Numbered(6, 1, 0);
    slideRight.SlideFromRight(Numbered(6, 1, 1), 1.0 / 3);
    EXPECT_EQ(blues(slideRight), (std::vector<int>{0, 1, 2, 3, 100, 101}));
    TskEffectBmp pushAll = Numbered(6, 1, 0);
    pushAll.PushFromLeft(Numbered(6, 1, 1), 1);
    EXPECT_EQ(blues(pushAll), (std::vector<int>{100, 101, 102, 103, 104, 105}));
}

TEST(SkinEffectBitmapTest, SplitsOpenABandOfTheTargetFromTheMiddle) {
    TskEffectBmp across = Solid(11, 3, 0x000000);
    across.SplitHorizontal(Solid(11, 3, 0xFFFFFF), 1.0 / 11 * 3);
    // a = 3, band 4..6, fade 4: weights grow by a quarter outwards.
    for (int x = 4; x <= 6; ++x)
        EXPECT_EQ(across.Pixel(x, 1), RGB(255, 255, 255)) << x;
    EXPECT_EQ(across.Pixel(3, 1), RGB(191, 191, 191));
    EXPECT_EQ(across.Pixel(7, 1), RGB(191, 191, 191));
    EXPECT_EQ(across.Pixel(0, 1), RGB(0, 0, 0));
    TskEffectBmp whole = Solid(8, 3, 0x000000);
    whole.SplitHorizontal(Solid(8, 3, 0xFFFFFF), 1);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(whole.Pixel(x, 0), RGB(255, 255, 255));

    TskEffectBmp down = Solid(2, 9, 0x000000);
    down.SplitFromCenter(Solid(2, 9, 0xFFFFFF), 1.0 / 9 * 3);
    // Narrower than high: rows. a = 3, band 3..5, fade (9 - 3 - 1) div 2 = 2.
    EXPECT_EQ(down.Pixel(0, 4), RGB(255, 255, 255));
    EXPECT_EQ(down.Pixel(0, 2), RGB(128, 128, 128));
    EXPECT_EQ(down.Pixel(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(down.Pixel(1, 7), RGB(0, 0, 0));
    // No room to fade: the rows outside the band stay at the target.
    TskEffectBmp tight = Solid(1, 3, 0x000000);
    tight.SplitVertical(Solid(1, 3, 0xFFFFFF), 1.0 / 3);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(tight.Pixel(0, y), RGB(255, 255, 255));
}

TEST(SkinEffectBitmapTest, WipeFromRightAndLighten) {
    TskEffectBmp wipe = Solid(10, 1, 0x000000);
    wipe.WipeFromRight(Solid(10, 1, 0xFFFFFF), 0.5);
    // b = 5, step 1/5: column 9 shows the target, columns 8..5 fade towards the current image.
    EXPECT_EQ(wipe.Pixel(9, 0), RGB(255, 255, 255));
    EXPECT_EQ(wipe.Pixel(8, 0), RGB(204, 204, 204));
    EXPECT_EQ(wipe.Pixel(5, 0), RGB(51, 51, 51));
    EXPECT_EQ(wipe.Pixel(4, 0), RGB(0, 0, 0));
    EXPECT_EQ(wipe.Pixel(0, 0), RGB(0, 0, 0));
    TskEffectBmp light = Solid(2, 2, 0x000000);
    light.Lighten(0.5);
    EXPECT_EQ(light.Pixel(1, 1), RGB(128, 128, 128));
    light.Lighten(-3);
    EXPECT_EQ(light.Pixel(1, 1), RGB(128, 128, 128));
}

// The seven transitions a skinned button morphs with, each at 0.25, 0.5 and 0.75, from a blue picture
// with a light disc to an orange one with dark stripes.
TEST(SkinEffectBitmapTest, SheetOfTheMorphTransitions) {
    const int w = 72, h = 40;
    auto from = MakeBitmap(w, h, [&](int x, int y) {
        const bool disc = (x - 36) * (x - 36) + (y - 20) * (y - 20) < 120;
        return disc ? std::uint32_t(RGB(230, 240, 255)) : std::uint32_t(RGB(30, 60 + y * 2, 170 + x));
    });
    auto to = MakeBitmap(w, h, [&](int x, int y) {
        return (x / 6) % 2 ? std::uint32_t(RGB(120, 50, 10)) : std::uint32_t(RGB(250, 160 + y, 40));
    });
    using Effect = void (TskEffectBmp::*)(const TskEffectBmp&, double);
    const std::pair<const char*, Effect> kinds[] = {
        {"mkdefault", &TskEffectBmp::CrossFade},         {"mkgradient", &TskEffectBmp::SplitFromCenter},
        {"mkleftgradient", &TskEffectBmp::WipeFromLeft}, {"mkrightgradient", &TskEffectBmp::WipeFromRight},
        {"mkleftslide", &TskEffectBmp::SlideFromLeft},   {"mkrightslide", &TskEffectBmp::SlideFromRight},
        {"mkpush", &TskEffectBmp::PushFromLeft}};
    const int labelWidth = 110, gap = 8;
    TBitmap sheet;
    sheet.SetSize(labelWidth + 3 * (w + gap) + gap, 7 * (h + gap) + gap + 18);
    TCanvas* canvas = sheet.Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect{0, 0, sheet.Width(), sheet.Height()});
    canvas->Font()->SetColor(clBlack);
    for (int c = 0; c < 3; ++c)
        canvas->TextOut(labelWidth + c * (w + gap) + 20, 2, c == 0 ? "0.25" : c == 1 ? "0.5" : "0.75");
    const TskEffectBmp target(to->Handle());
    for (int k = 0; k < 7; ++k) {
        const int y = 18 + gap + k * (h + gap);
        canvas->TextOut(6, y + h / 2 - 7, kinds[k].first);
        for (int c = 0; c < 3; ++c) {
            TskEffectBmp image(from->Handle());
            (image.*kinds[k].second)(target, 0.25 * (c + 1));
            image.DrawAt(canvas->Handle(), labelWidth + c * (w + gap), y);
        }
    }
    EXPECT_TRUE(SavePng(sheet, "effects/morph-transitions.png"));
}

} // namespace skin_effect_bitmap_test
