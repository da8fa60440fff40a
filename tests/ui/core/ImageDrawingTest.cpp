#include "GraphicsTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/ImageList.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/graphics/AlphaBitmap.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/ImageList.h"
#include "ui/core/graphics/ImageServices.h"
#include "ui/core/graphics/WorkBitmaps.h"

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class ImageDrawingTest : public UiCoreTest {};

constexpr std::uint32_t kRed = Bgra(0, 0, 255, 255);
constexpr std::uint32_t kHalfGreen = Bgra(0, 128, 0, 128); // premultiplied: green at half opacity
constexpr TColor kGround = 0x203040;                       // red 0x40, green 0x30, blue 0x20
const std::uint32_t kGroundPixel = ColorRefToPixel(kGround);

// 4 x 4, 32-bit: a red 2 x 2 square at the top left on half-transparent green, the last pixel empty.
std::unique_ptr<TBitmap> AlphaGlyph() {
    auto glyph = MakeBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixelAt(*glyph, x, y, x < 2 && y < 2 ? kRed : kHalfGreen);
    SetPixelAt(*glyph, 3, 3, 0);
    return glyph;
}

// 4 x 4, 24-bit: a blue 2 x 2 square in the middle of the key colour (its bottom-left pixel).
std::unique_ptr<TBitmap> MaskedGlyph() {
    auto glyph = MakeBitmap(4, 4, clFuchsia);
    glyph->Canvas()->Brush()->SetColor(clBlue);
    glyph->Canvas()->FillRect(RECT{1, 1, 3, 3});
    glyph->SetPixelFormat(pf24bit);
    return glyph;
}

// Premultiplied S over D with the constant alpha K (alpha of the result kept as well).
std::uint32_t Over(std::uint32_t S, std::uint32_t D, int K = 255) {
    std::uint32_t out = 0;
    const double sa = ChannelOf(S, 24) * K / 255.0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double v = ChannelOf(S, shift) * K / 255.0 + ChannelOf(D, shift) * (1 - sa / 255.0);
        out |= std::uint32_t(std::lround(std::min(255.0, v))) << shift;
    }
    return out;
}
std::uint32_t GreyOf(std::uint32_t P, int AGrey) {
    return Bgra(AGrey, AGrey, AGrey, ChannelOf(P, 24));
}

::testing::AssertionResult Near(std::uint32_t AActual, std::uint32_t AExpected, int ATolerance = 1) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(ChannelOf(AActual, shift) - ChannelOf(AExpected, shift)) > ATolerance)
            return ::testing::AssertionFailure() << std::hex << AActual << " is not near " << AExpected;
    return ::testing::AssertionSuccess();
}

struct Probe {
    int x, y;
    std::uint32_t expected; // colour channels compared within 1
};

// Draws into a 12 x 12 ground with the glyph rectangle (4, 4, 8, 8).
std::unique_ptr<TBitmap> DrawOnGround(TBitmap* AGlyph, TCustomImageList* AList, TuiGlyphDrawMode AMode) {
    auto target = MakeBitmap(12, 12, kGround);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, AGlyph, AList, 0, AMode);
    return target;
}

void ExpectProbes(TBitmap& ATarget, const std::vector<Probe>& AProbes, const char* AName) {
    for (const Probe& p : AProbes)
        EXPECT_TRUE(Near(PixelAt(ATarget, p.x, p.y), p.expected)) << AName << " at " << p.x << "," << p.y;
}

TEST_F(ImageDrawingTest, AlphaGlyphInEveryDrawMode) {
    auto glyph = AlphaGlyph();
    const std::uint32_t shadow = ColorRefToPixel(ColorToRGB(clBtnShadow));
    const int lumaAltRed = uiRoundClampByte(0.0729f * 255);
    const int lumaAltGreen = uiRoundClampByte(0.7146f * 128);
    const int lumaRed = uiRoundClampByte(0.299f * 255);
    auto lighten = [](int c) { return c + MulDiv(255 - c, 3, 10); };
    const std::uint32_t ground = kGroundPixel;
    struct Case {
        TuiGlyphDrawMode mode;
        const char* name;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {gdmNormal,
         "normal",
         {{4, 4, kRed}, {6, 4, Over(kHalfGreen, ground)}, {7, 7, ground}, {3, 3, ground}}},
        // Grey at 151/255.
        {gdmDisabled,
         "disabled",
         {{4, 4, Over(GreyOf(kRed, lumaAltRed), ground, 151)},
          {6, 6, Over(GreyOf(kHalfGreen, lumaAltGreen), ground, 151)},
          {7, 7, ground}}},
        {gdmFaded, "faded", {{5, 5, Over(GreyOf(kRed, lumaRed), ground, 64)}, {7, 7, ground}}},
        {gdmGrayScale,
         "grey",
         {{4, 4, GreyOf(kRed, 255 / 3)}, {6, 6, Over(GreyOf(kHalfGreen, 128 / 3), ground)}}},
        {gdmLight,
         "light",
         {{4, 4, Bgra(lighten(0), lighten(0), 255, 255)},
          {6, 6, Over(Bgra(0, MulDiv(128, 200, 255), 0, MulDiv(128, 200, 255)), ground)}}},
        // Moved up and left by one; the silhouette two pixels right and down shows where the glyph is clear.
        {gdmShadowed,
         "shadowed",
         {{3, 3, kRed},
          {7, 7, shadow},
          {6, 6, shadow},
          {8, 7, shadow},
          {8, 8, ground},
          {2, 2, ground},
          {5, 3, Over(kHalfGreen, ground)}}},
    };
    for (const Case& c : cases) {
        auto target = DrawOnGround(glyph.get(), nullptr, c.mode);
        ExpectProbes(*target, c.probes, c.name);
    }
}

TEST_F(ImageDrawingTest, MaskedGlyphInEveryDrawMode) {
    auto glyph = MaskedGlyph();
    const std::uint32_t blue = ColorRefToPixel(clBlue, 255);
    const std::uint32_t highlight = ColorRefToPixel(ColorToRGB(clBtnHighlight));
    const std::uint32_t shadow = ColorRefToPixel(ColorToRGB(clBtnShadow));
    std::uint32_t disabled = GreyOf(blue, uiRoundClampByte(0.114f * 255));
    uiBlendPixel(ovColorToRGBQuad(clBtnShadow, 0xC0), disabled, 238);
    auto lighten = [](int c) { return c + MulDiv(255 - c, 3, 10); };
    struct Case {
        TuiGlyphDrawMode mode;
        const char* name;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {gdmNormal, "normal", {{5, 5, blue}, {6, 6, blue}, {4, 4, kGroundPixel}, {7, 7, kGroundPixel}}},
        // The highlight silhouette one pixel right and down, where the glyph is clear.
        {gdmDisabled,
         "disabled",
         {{5, 5, disabled}, {7, 7, highlight}, {7, 6, highlight}, {4, 4, kGroundPixel}}},
        {gdmFaded, "faded", {{5, 5, Over(GreyOf(blue, uiRoundClampByte(0.114f * 255)), kGroundPixel, 64)}}},
        {gdmGrayScale, "grey", {{5, 5, GreyOf(blue, 85)}, {4, 4, kGroundPixel}}},
        {gdmLight, "light", {{5, 5, Bgra(255, lighten(0), lighten(0), 255)}}},
        {gdmShadowed, "shadowed", {{4, 4, blue}, {6, 6, shadow}, {7, 7, shadow}, {8, 8, kGroundPixel}}},
    };
    for (const Case& c : cases) {
        auto target = DrawOnGround(glyph.get(), nullptr, c.mode);
        ExpectProbes(*target, c.probes, c.name);
    }
}

TEST_F(ImageDrawingTest, ListImagesDrawAsTheirGlyphsDo) {
    TuiImageList alphaList(nullptr, 4, 4);
    auto alphaGlyph = AlphaGlyph();
    alphaList.Add(alphaGlyph.get(), nullptr);
    TImageList maskedList(nullptr, 4, 4);
    auto maskedGlyph = MaskedGlyph();
    maskedList.AddMasked(maskedGlyph.get(), clFuchsia);
    for (TuiGlyphDrawMode mode : {gdmNormal, gdmDisabled, gdmFaded, gdmGrayScale, gdmLight, gdmShadowed}) {
        auto fromGlyph = DrawOnGround(alphaGlyph.get(), nullptr, mode);
        auto fromList = DrawOnGround(nullptr, &alphaList, mode);
        auto maskedFromGlyph = DrawOnGround(maskedGlyph.get(), nullptr, mode);
        auto maskedFromList = DrawOnGround(nullptr, &maskedList, mode);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                EXPECT_TRUE(Near(PixelAt(*fromList, x, y), PixelAt(*fromGlyph, x, y)))
                    << mode << " " << x << "," << y;
                EXPECT_TRUE(Near(PixelAt(*maskedFromList, x, y), PixelAt(*maskedFromGlyph, x, y)))
                    << mode << " " << x << "," << y;
            }
    }
}

// The glyphs again as images between and after opaque neighbours of one strip, the last at the strip's
// end: each draws exactly as its glyph does in every mode, with nothing of a neighbour's pixels or mask.
TEST_F(ImageDrawingTest, ImagesAmongOpaqueNeighboursDrawAsTheirGlyphsDo) {
    auto alphaGlyph = AlphaGlyph();
    auto maskedGlyph = MaskedGlyph();
    auto opaque = MakeBitmap(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixelAt(*opaque, x, y, Bgra(0, 200, 200, 255));
    TImageList maskedList(nullptr, 4, 4);
    TImageList alphaList(nullptr, 4, 4);
    for (int i = 0; i < 2; ++i) {
        maskedList.AddMasked(opaque.get(), clFuchsia);
        maskedList.AddMasked(maskedGlyph.get(), clFuchsia);
        alphaList.Add(opaque.get(), nullptr);
        alphaList.Add(alphaGlyph.get(), nullptr);
    }
    struct Case {
        TBitmap* glyph;
        TCustomImageList* list;
    };
    for (const Case& c : {Case{maskedGlyph.get(), &maskedList}, Case{alphaGlyph.get(), &alphaList}})
        for (int index : {1, 3})
            for (TuiGlyphDrawMode mode :
                 {gdmNormal, gdmDisabled, gdmFaded, gdmGrayScale, gdmLight, gdmShadowed}) {
                auto fromGlyph = DrawOnGround(c.glyph, nullptr, mode);
                auto fromList = MakeBitmap(12, 12, kGround);
                uiDrawImage(fromList->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, nullptr,
                            c.list, index, mode);
                for (int y = 0; y < 12; ++y)
                    for (int x = 0; x < 12; ++x)
                        EXPECT_EQ(PixelAt(*fromList, x, y), PixelAt(*fromGlyph, x, y))
                            << (c.list == &maskedList ? "masked" : "alpha") << " image " << index << " mode "
                            << mode << " at " << x << "," << y;
            }
}

TEST_F(ImageDrawingTest, NothingToDrawAndABrushBackground) {
    auto target = MakeBitmap(12, 12, kGround);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, nullptr, nullptr, 0,
                gdmNormal);
    TImageList empty(nullptr, 4, 4);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, nullptr, &empty, 0,
                gdmNormal);
    EXPECT_EQ(BoundsOfColor(*target, kGround), (RECT{0, 0, 12, 12}));

    auto glyph = AlphaGlyph();
    TBrush brush;
    brush.SetColor(clYellow);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{2, 2, 10, 10}, glyph.get(), nullptr, 0,
                gdmNormal, false, &brush);
    EXPECT_EQ(ColorAt(*target, 2, 2), clYellow);
    EXPECT_EQ(ColorAt(*target, 1, 1), kGround);
    EXPECT_EQ(ColorAt(*target, 4, 4), clRed);
}

TEST_F(ImageDrawingTest, AGlyphWithoutAnyAlphaIsOpaqueWithItsBottomLeftColourClear) {
    auto glyph = MakeBitmap(4, 4, clLime);
    glyph->Canvas()->Brush()->SetColor(clNavy);
    glyph->Canvas()->FillRect(RECT{0, 0, 2, 4});
    auto target = DrawOnGround(glyph.get(), nullptr, gdmNormal);
    // The bottom-left pixel is navy: navy is clear, lime stays.
    EXPECT_EQ(ColorAt(*target, 4, 4), kGround);
    EXPECT_EQ(ColorAt(*target, 6, 4), clLime);
    auto kept = MakeBitmap(12, 12, kGround);
    uiDrawImage(kept->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, glyph.get(), nullptr, 0,
                gdmNormal, false, nullptr, clLime, false);
    EXPECT_EQ(ColorAt(*kept, 4, 4), clNavy);
    EXPECT_EQ(ColorAt(*kept, 6, 4), kGround);
}

TEST_F(ImageDrawingTest, TheHookIsOfferedEveryImageFirst) {
    auto glyph = AlphaGlyph();
    TRect offered{};
    bool answer = true;
    uiDrawImageHook = [&](TuiCanvas* ACanvas, TCustomImageList*, int, TuiGlyphDrawMode AMode, const TRect& R,
                          TBitmap* AGlyph) {
        offered = R;
        EXPECT_EQ(AGlyph, glyph.get());
        EXPECT_EQ(AMode, gdmFaded);
        if (answer) ACanvas->FillRect(R, clLime);
        return answer;
    };
    auto target = MakeBitmap(12, 12, kGround);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{2, 2, 12, 12}, glyph.get(), nullptr, 0,
                gdmFaded);
    EXPECT_EQ(offered, (TRect{2, 2, 6, 6}));
    EXPECT_EQ(BoundsOfColor(*target, clLime), (RECT{4, 4, 8, 8}));
    answer = false;
    auto normal = MakeBitmap(12, 12, kGround);
    uiDrawImage(normal->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{2, 2, 12, 12}, glyph.get(), nullptr, 0,
                gdmFaded);
    EXPECT_EQ(BoundsOfColor(*normal, clLime), (RECT{0, 0, 0, 0}));
    EXPECT_NE(ColorAt(*normal, 4, 4), kGround);
    uiDrawImageHook = nullptr;
}

TEST_F(ImageDrawingTest, TheWorkBitmapsAreMadeOnceAndReused) {
    auto glyph = AlphaGlyph();
    auto target = MakeBitmap(40, 40, kGround);
    uiDrawImage(target->Canvas()->Handle(), TRect{4, 4, 8, 8}, TRect{0, 0, 12, 12}, glyph.get(), nullptr, 0,
                gdmShadowed);
    TuiAlphaBitmap* draw = uiWorkBitmapDraw(1, 1);
    TuiAlphaBitmap* image = uiWorkBitmapImage(1, 1);
    TuiAlphaBitmap* mask = uiWorkBitmapMask(1, 1);
    uiDrawImage(target->Canvas()->Handle(), TRect{10, 10, 30, 30}, TRect{0, 0, 40, 40}, glyph.get(), nullptr,
                0, gdmShadowed);
    EXPECT_EQ(draw->Width(), 40);
    EXPECT_EQ(image->Width(), 6); // the glyph and its shadow
    EXPECT_EQ(mask->Width(), 4);
    EXPECT_EQ(uiWorkBitmapDraw(2, 2), draw);
    EXPECT_EQ(uiWorkBitmapImage(2, 2), image);
    EXPECT_EQ(uiWorkBitmapMask(2, 2), mask);
    EXPECT_TRUE(draw->TransparentColors().empty());
    EXPECT_EQ(PixelAt(*draw, 1, 1), 0u);
}

// ---- Alpha blending

// A premultiplied source of varied pixels and a gradient destination.
std::unique_ptr<TBitmap> VariedSource(int W, int H) {
    auto source = MakeBitmap(W, H);
    unsigned seed = 12345;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int a = int((seed >> 8) & 0xFF);
            auto channel = [&](int k) { return int((seed >> (8 + 3 * k)) & 0xFF) * a / 255; };
            SetPixelAt(*source, x, y, Bgra(channel(1), channel(2), channel(3), a));
        }
    return source;
}
std::unique_ptr<TBitmap> GradientTarget(int W, int H) {
    auto target = MakeBitmap(W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            SetPixelAt(*target, x, y, Bgra(x * 7 % 256, y * 11 % 256, (x + y) * 5 % 256, (x * y) % 256));
    return target;
}

TEST_F(ImageDrawingTest, SystemBlendingAndPixelBlendingAgreeWithinOne) {
    const TuiAlphaBlendFunction system = uiAlphaBlendFunction();
    ASSERT_NE(system, nullptr);
    auto source = VariedSource(16, 16);
    struct Case {
        TRect dest;
        int alpha;
    };
    const std::vector<Case> cases = {
        {{2, 3, 18, 19}, 255}, {{2, 3, 18, 19}, 151}, {{2, 3, 18, 19}, 64},
        {{2, 3, 18, 19}, 0},   {{0, 0, 24, 20}, 255}, {{5, 1, 13, 9}, 200},
    };
    for (const Case& c : cases) {
        auto bySystem = GradientTarget(30, 30);
        auto byPixels = GradientTarget(30, 30);
        uiSetAlphaBlendFunction(system);
        uiAlphaBlendBitmaps(bySystem.get(), source.get(), c.dest, std::uint8_t(c.alpha), false,
                            TRect{0, 0, 16, 16});
        uiSetAlphaBlendFunction(nullptr);
        uiAlphaBlendBitmaps(byPixels.get(), source.get(), c.dest, std::uint8_t(c.alpha), false,
                            TRect{0, 0, 16, 16});
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const std::uint32_t a = PixelAt(*bySystem, x, y), b = PixelAt(*byPixels, x, y);
                for (int shift = 0; shift < 32; shift += 8)
                    ASSERT_LE(std::abs(ChannelOf(a, shift) - ChannelOf(b, shift)), 1)
                        << c.alpha << " at " << x << "," << y << " channel " << shift;
            }
    }
    uiSetAlphaBlendFunction(system);
}

TEST_F(ImageDrawingTest, EmptyRectanglesBlendNothingAndSmoothingStaysInsideTheDestination) {
    auto source = MakeBitmap(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            SetPixelAt(*source, x, y, Bgra(0, 0, 200, 255));
    auto target = MakeBitmap(40, 40, clWhite);
    uiAlphaBlendBitmaps(target.get(), source.get(), TRect{0, 0, 20, 20}, 255, false, TRect{0, 0, 0, 8});
    uiAlphaBlendBitmaps(target.get(), source.get(), TRect{5, 5, 5, 20}, 255, false, TRect{0, 0, 8, 8});
    EXPECT_EQ(BoundsOfColor(*target, clWhite), (RECT{0, 0, 40, 40}));
    uiAlphaBlendBitmaps(target.get(), source.get(), TRect{5, 6, 25, 36}, 255, true, TRect{0, 0, 8, 8});
    EXPECT_EQ(ColorAt(*target, 4, 20), clWhite);
    EXPECT_EQ(ColorAt(*target, 25, 20), clWhite);
    EXPECT_EQ(ColorAt(*target, 15, 36), clWhite);
    EXPECT_TRUE(Near(PixelAt(*target, 15, 20), Bgra(0, 0, 200, 0), 3));
    EXPECT_TRUE(Near(PixelAt(*target, 5, 6), Bgra(0, 0, 200, 0), 3));
}

// ---- Resampling

TEST_F(ImageDrawingTest, LanczosKeepsUniformColourAndAlphaAndReachesBothEnds) {
    struct Case {
        int sw, sh, w, h;
    };
    // Small sources scaled down reach far beyond their ends.
    const std::vector<Case> cases = {
        {1, 1, 10, 10}, {1, 3, 10, 1}, {10, 1, 1, 1}, {3, 2, 1, 1}, {7, 5, 16, 3}};
    for (const Case& c : cases) {
        auto source = MakeBitmap(c.sw, c.sh);
        for (int y = 0; y < c.sh; ++y)
            for (int x = 0; x < c.sw; ++x)
                SetPixelAt(*source, x, y, Bgra(40, 120, 200, 180));
        auto target = MakeBitmap(c.w, c.h);
        uiResample(source.get(), target.get(), true);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const std::uint32_t p = PixelAt(*target, x, y);
                EXPECT_TRUE(Near(p, Bgra(40, 120, 200, 180), 4))
                    << c.sw << "x" << c.sh << " at " << x << "," << y;
                EXPECT_LE(std::abs(ChannelOf(p, 24) - 180), 4);
            }
    }
    // End pixels land on end pixels: black to white over ten pixels.
    auto ramp = MakeBitmap(2, 1);
    SetPixelAt(*ramp, 0, 0, Bgra(0, 0, 0, 255));
    SetPixelAt(*ramp, 1, 0, Bgra(255, 255, 255, 255));
    auto wide = MakeBitmap(10, 1);
    uiResample(ramp.get(), wide.get(), true);
    EXPECT_LE(ChannelOf(PixelAt(*wide, 0, 0), 8), 10);
    EXPECT_GE(ChannelOf(PixelAt(*wide, 9, 0), 8), 245);
    for (int x = 1; x < 10; ++x)
        EXPECT_GE(ChannelOf(PixelAt(*wide, x, 0), 8), ChannelOf(PixelAt(*wide, x - 1, 0), 8) - 8);
}

// ---- Fitting, regions and other services

TEST(ImageRectTest, EveryFitMode) {
    const TRect r{10, 20, 110, 70}; // 100 x 50
    struct Case {
        TSize size;
        TuiImageFitMode mode;
        int percent;
        bool centre;
        TRect expected;
    };
    const std::vector<Case> cases = {
        {{40, 30}, ifmNormal, 150, true, {30, 22, 90, 67}},
        {{40, 30}, ifmNormal, 150, false, {10, 20, 70, 65}},
        {{40, 30}, ifmStretch, 100, true, {10, 20, 110, 70}},
        {{40, 30}, ifmProportionalStretch, 100, true, {27, 20, 93, 70}},
        {{200, 25}, ifmProportionalStretch, 100, false, {10, 20, 110, 32}},
        {{40, 30}, ifmFit, 100, true, {40, 30, 80, 60}},
        {{200, 25}, ifmFit, 100, true, {10, 39, 110, 51}},
        {{40, 30}, ifmFill, 100, true, {10, 7, 110, 82}},
        {{200, 25}, ifmFill, 100, true, {-140, 20, 260, 70}},
        {{0, 30}, ifmFill, 100, true, r},
        {{40, -1}, ifmNormal, 100, true, r},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiGetImageRect(r, c.size, c.mode, c.percent, c.centre), c.expected)
            << c.mode << " " << c.size.cx << "x" << c.size.cy;
}

TEST_F(ImageDrawingTest, ARegionFromABitmapCoversExactlyItsOtherColours) {
    auto bitmap = MakeBitmap(6, 3, clWhite);
    const std::vector<TPoint> marked = {{0, 0}, {1, 0}, {3, 0}, {5, 1}, {2, 2}, {3, 2}, {4, 2}};
    for (const TPoint& p : marked)
        bitmap->Canvas()->SetPixels(p.x, p.y, clRed);
    SetPixelAt(*bitmap, 0, 1, Bgra(255, 255, 255, 77)); // white with another alpha is still white
    HRGN region = uiCreateRegionFromBitmap(bitmap.get(), clWhite);
    ASSERT_NE(region, nullptr);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) {
            bool isMarked = false;
            for (const TPoint& p : marked)
                isMarked = isMarked || (p.x == x && p.y == y);
            EXPECT_EQ(PtInRegion(region, x, y) != FALSE, isMarked) << x << "," << y;
        }
    DeleteObject(region);
    auto blank = MakeBitmap(4, 4, clWhite);
    EXPECT_EQ(uiCreateRegionFromBitmap(blank.get(), clWhite), nullptr);
}

TEST_F(ImageDrawingTest, ATransparentColourBitmapBecomesAnAlphaBitmap) {
    auto glyph = MaskedGlyph();
    TBitmap target;
    uiConvertTransparentBitmapToAlpha(glyph.get(), &target);
    EXPECT_EQ(target.PixelFormat(), pf32bit);
    EXPECT_EQ(PixelAt(target, 0, 0), 0u);
    EXPECT_EQ(PixelAt(target, 1, 1), ColorRefToPixel(clBlue, 255));
}

TEST_F(ImageDrawingTest, HatchingPartOfADC) {
    auto target = MakeBitmap(20, 20, clWhite);
    uiTransformDCRect(target->Canvas()->Handle(), TRect{4, 4, 12, 12}, clRed, clBlue, 255, 255, 4);
    EXPECT_EQ(ColorAt(*target, 3, 3), clWhite);
    // Squares are counted from the bottom row: the bottom-left square takes the first colour.
    EXPECT_EQ(ColorAt(*target, 5, 10), clRed);
    EXPECT_EQ(ColorAt(*target, 9, 10), clBlue);
    EXPECT_EQ(ColorAt(*target, 5, 5), clBlue);
    EXPECT_EQ(ColorAt(*target, 12, 12), clWhite);
}

TEST_F(ImageDrawingTest, DesignMarkerFillsHatchesFramesCastsAShadowAndClipsItselfOut) {
    auto target = MakeBitmap(60, 40, clWhite);
    TuiCanvas canvas(target->Canvas());
    const TRect r{10, 10, 40, 30};
    uiDrawDesignRect(&canvas, r, true);
    const TColor fill = 0x9090FF;
    EXPECT_EQ(ColorAt(*target, 10, 20), GetScaledColor(fill, 50));
    EXPECT_EQ(ColorAt(*target, 39, 29), GetScaledColor(fill, 50));
    EXPECT_EQ(ColorAt(*target, 40, 30), static_cast<TColor>(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(*target, 41, 20), clWhite);
    // Lines of three-quarter strength run down to the right from the top edge.
    EXPECT_EQ(ColorAt(*target, 36, 12), GetScaledColor(fill, 75));
    EXPECT_EQ(ColorAt(*target, 21, 20), fill);
    canvas.FillRect(TRect{0, 0, 60, 40}, clBlack);
    EXPECT_EQ(ColorAt(*target, 21, 20), fill);
    EXPECT_EQ(ColorAt(*target, 40, 30), static_cast<TColor>(ColorToRGB(clBtnShadow)));
    EXPECT_EQ(ColorAt(*target, 5, 5), clBlack);
}

TEST_F(ImageDrawingTest, AttachingAnImageListMovesTheLinkAndTheFreeNotification) {
    TImageList first(nullptr), second(nullptr);
    TComponent owner(nullptr);
    TChangeLink link;
    int fired = 0;
    link.OnChange = TNotifyEvent([&](TObject*) { ++fired; });
    TCustomImageList* field = nullptr;
    uiAttachImageList(&first, field, &link, &owner);
    EXPECT_EQ(field, &first);
    EXPECT_EQ(link.Sender(), &first);
    EXPECT_EQ(fired, 1);
    uiAttachImageList(&first, field, &link, &owner);
    EXPECT_EQ(fired, 1);
    uiAttachImageList(&second, field, &link, &owner);
    EXPECT_EQ(link.Sender(), &second);
    EXPECT_EQ(fired, 2);
    uiAttachImageList(nullptr, field, &link, &owner);
    EXPECT_EQ(field, nullptr);
    EXPECT_EQ(link.Sender(), nullptr);
    EXPECT_EQ(fired, 3);
}

TEST(ImageSizeTest, GlyphFirstThenAValidListImage) {
    auto glyph = MakeBitmap(5, 7);
    TImageList list(nullptr, 16, 12);
    auto image = MakeBitmap(16, 12);
    list.Add(image.get(), nullptr);
    EXPECT_EQ(uiGetImageSize(glyph.get(), &list, 0), (TSize{5, 7}));
    EXPECT_EQ(uiGetImageSize(nullptr, &list, 0), (TSize{16, 12}));
    EXPECT_EQ(uiGetImageSize(nullptr, &list, 1), (TSize{0, 0}));
    TBitmap empty;
    EXPECT_EQ(uiGetImageSize(&empty, nullptr, 0), (TSize{0, 0}));
    EXPECT_FALSE(uiIsImageAssigned(&list, -1));
    EXPECT_TRUE(uiIsImageAssigned(&list, 0));
}

} // namespace
