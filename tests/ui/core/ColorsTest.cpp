#include "ui/core/graphics/Colors.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/Screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::uint32_t Pixel(int b, int g, int r, int a) {
    return static_cast<std::uint32_t>(b | (g << 8) | (r << 16) | (a << 24));
}

// The blend formula, written out in double precision for comparison.
std::uint32_t ExpectedBlend(std::uint32_t s, std::uint32_t d, int k) {
    const double c = k / 255.0, dd = c * (s >> 24), e = 1 - dd / 255;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8)
        out |= static_cast<std::uint32_t>(
                   std::lround(std::min(255.0, c * ((s >> shift) & 0xFF) + e * ((d >> shift) & 0xFF))))
               << shift;
    out |= static_cast<std::uint32_t>(std::lround(std::min(255.0, dd + e * (d >> 24)))) << 24;
    return out;
}

TEST(ColorsTest, BlendPixelFollowsItsFormula) {
    struct Case {
        std::uint32_t s, d;
        int k;
    };
    const std::vector<Case> cases = {
        {Pixel(10, 20, 30, 255), Pixel(200, 100, 50, 255), 0},
        {Pixel(10, 20, 30, 255), Pixel(200, 100, 50, 7), 255},
        {Pixel(60, 60, 60, 128), Pixel(200, 100, 50, 255), 255},
        {Pixel(60, 0, 90, 100), Pixel(1, 2, 3, 4), 77},
        {Pixel(255, 255, 255, 255), Pixel(255, 255, 255, 255), 200},
    };
    for (const Case& c : cases) {
        std::uint32_t d = c.d;
        uiBlendPixel(c.s, d, c.k);
        const std::uint32_t expected = ExpectedBlend(c.s, c.d, c.k);
        for (int shift = 0; shift < 32; shift += 8)
            EXPECT_NEAR(static_cast<int>((d >> shift) & 0xFF), static_cast<int>((expected >> shift) & 0xFF),
                        1)
                << std::hex << c.s << " over " << c.d << " k " << std::dec << c.k;
    }
    std::uint32_t d = Pixel(1, 2, 3, 4);
    uiBlendPixel(Pixel(9, 9, 9, 255), d, 0);
    EXPECT_EQ(d, Pixel(1, 2, 3, 4));
    uiBlendPixel(Pixel(10, 20, 30, 255), d, 255);
    EXPECT_EQ(d, Pixel(10, 20, 30, 255));
}

TEST(ColorsTest, RoundClampHalvesToEvenAndClamps) {
    EXPECT_EQ(uiRoundClampByte(2.5f), 2);
    EXPECT_EQ(uiRoundClampByte(3.5f), 4);
    EXPECT_EQ(uiRoundClampByte(-3.0f), 0);
    EXPECT_EQ(uiRoundClampByte(300.0f), 255);
    EXPECT_EQ(uiClampByte(256), 255);
}

TEST(ColorsTest, HslOfPrimariesAndRoundTrips) {
    const TovHSL red = TovColorSpaceConverter::ColorToHSL(clRed);
    EXPECT_DOUBLE_EQ(red.H, 0);
    EXPECT_DOUBLE_EQ(red.S, 1);
    EXPECT_DOUBLE_EQ(red.L, 0.5);
    const TovHSL blue = TovColorSpaceConverter::ColorToHSL(clBlue);
    EXPECT_DOUBLE_EQ(blue.H, 2.0 / 3);
    EXPECT_DOUBLE_EQ(TovColorSpaceConverter::ColorToHSL(0x808080).S, 0);
    for (TColor c : {clRed, clLime, clBlue, TColor(0x123456), TColor(0xFEDCBA), TColor(0x808080), clWhite,
                     clBlack, TColor(0x00A0FF)}) {
        const TovHSL hsl = TovColorSpaceConverter::ColorToHSL(c);
        EXPECT_EQ(TovColorSpaceConverter::HSLToColor(hsl.H, hsl.S, hsl.L), c) << std::hex << c;
        const TovHSV hsv = uiColorToHSV(c);
        EXPECT_LT(hsv.H, 360);
        EXPECT_EQ(uiHSVToColor(hsv.H, hsv.S, hsv.V), c) << std::hex << c;
    }
}

TEST(ColorsTest, HsvHueOf360IsRedAgain) {
    EXPECT_EQ(uiHSVToColor(360, 1, 1), clRed);
    EXPECT_EQ(uiHSVToColor(480, 1, 1), uiHSVToColor(120, 1, 1));
    EXPECT_EQ(uiHSVToColor(-120, 1, 1), uiHSVToColor(240, 1, 1));
}

TEST(ColorsTest, BrightnessAndLightness) {
    const TovHSV grey = uiColorToHSV(0x404040);
    const TovHSV brighter = uiColorToHSV(uiAdjustColorBrightness(0x404040, 50));
    EXPECT_EQ(brighter.S, 0);
    EXPECT_NEAR(brighter.V, grey.V + (1 - grey.V) / 2, 1.0 / 255);
    const TovHSV darker = uiColorToHSV(uiAdjustColorBrightness(0x4080C0, -50));
    EXPECT_GT(darker.S, uiColorToHSV(0x4080C0).S);
    EXPECT_LT(darker.V, uiColorToHSV(0x4080C0).V);
    EXPECT_EQ(TovColorHelper::ChangeLightness(clRed, 0.5), clWhite);
    EXPECT_EQ(TovColorHelper::ChangeLightness(clRed, -1), clBlack);
}

TEST(ColorsTest, BlendedSystemColours) {
    olva::win::ResetSystemOverrides();
    const COLORREF face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clHighlight),
                   window = ColorToRGB(clWindow);
    const TColor blended = uiGetBlendedSystemColor(14, 44, 40);
    for (int shift = 0; shift < 24; shift += 8) {
        const auto ch = [shift](COLORREF c) { return static_cast<int>((c >> shift) & 0xFF); };
        const long expected =
            std::min(255L, std::lround(ch(face) * 0.14) + std::lround(ch(highlight) * 0.44) +
                               std::lround(ch(window) * 0.40));
        EXPECT_NEAR((blended >> shift) & 0xFF, expected, 0) << shift;
    }
    // On a true-colour screen the nearest display colour is the colour itself.
    EXPECT_EQ(uiGetUltraFlatHotColor(), blended);
    EXPECT_EQ(uiGetUltraFlatSelectedColor(), uiGetBlendedSystemColor(-2, 30, 72));
    olva::win::SetSysColorOverride(COLOR_BTNFACE, 0xFFFFFF);
    EXPECT_EQ(uiGetBlendedSystemColor(14, 44, 40), static_cast<TColor>(ColorToRGB(clHighlight)));
    olva::win::ResetSystemOverrides();
}

TEST(ColorsTest, ColorizeTintsGreyKeepsTransparentAndNeverWraps) {
    EXPECT_EQ(uiColorizePixel(Pixel(128, 128, 128, 255), 0x204060), Pixel(0x20, 0x40, 0x60, 255));
    EXPECT_EQ(uiColorizePixel(Pixel(0, 0, 0, 255), 0x204060), Pixel(0, 0, 0, 255));
    EXPECT_EQ(uiColorizePixel(Pixel(7, 8, 9, 0), 0x204060), Pixel(7, 8, 9, 0));
    // A channel above its alpha is not a valid premultiplied pixel; it must read as white, not wrap dark.
    const std::uint32_t bright = uiColorizePixel(Pixel(200, 200, 200, 130), 0x808080);
    EXPECT_EQ(static_cast<int>(bright & 0xFF), 253 * 130 / 255); // wrapping would give 65

    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(2, 1);
    auto* row = static_cast<std::uint32_t*>(bitmap.ScanLine(0));
    row[0] = Pixel(128, 128, 128, 255);
    row[1] = Pixel(128, 128, 128, 0);
    uiColorizeBitmap(&bitmap, 0x204060);
    row = static_cast<std::uint32_t*>(bitmap.ScanLine(0));
    EXPECT_EQ(row[0], Pixel(0x20, 0x40, 0x60, 255));
    EXPECT_EQ(row[1], Pixel(128, 128, 128, 0));
}

TEST(ColorsTest, Sentinels) {
    EXPECT_FALSE(uiIsDrawableColor(clNone));
    EXPECT_FALSE(uiIsDrawableColor(clDefault));
    EXPECT_TRUE(uiIsDrawableColor(clBlack));
    EXPECT_EQ(uiColorRGBPart(0x80FFEEDD), 0xFFEEDDu);
}

} // namespace
