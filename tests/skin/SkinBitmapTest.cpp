// The pixel engine: TskBitmap's sizes, alpha operations, the three drawing routes (unscaled and scaled
// to the nearest pixel) onto bitmaps and DCs, and its assignments.
#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Picture.h"
#include "skin/draw/SkinBitmap.h"
#include "skin/draw/SkinPixelRows.h"

#include <gtest/gtest.h>

#include <random>

namespace skin_bitmap_test {
using namespace skintest;

std::uint32_t Bgra(int b, int g, int r, int a) {
    return std::uint32_t(b) | (std::uint32_t(g) << 8) | (std::uint32_t(r) << 16) | (std::uint32_t(a) << 24);
}

void Fill(TskBitmap& Bitmap, std::uint32_t Value) {
    for (int y = 0; y < Bitmap.PixelHeight(); ++y)
        for (int x = 0; x < Bitmap.PixelWidth(); ++x)
            *Bitmap.PixelAddress(x, y) = Value;
}

// The blend the engine promises, one pixel at a time.
std::uint32_t Blended(std::uint32_t s, std::uint32_t d) {
    const std::uint32_t a = s >> 24;
    if (a == 0) return d;
    if (a == 255) return s;
    std::uint32_t out = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
        const std::uint32_t sc = (s >> (8 * c)) & 0xFF, dc = (d >> (8 * c)) & 0xFF;
        out |= ((sc * a + dc * (255 - a)) / 256) << (8 * c);
    }
    return out;
}

TEST(SkinBitmapTest, SizesAreAbsoluteAndZeroChangesNothing) {
    TskBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetSize(-10, 5);
    EXPECT_EQ(bitmap.PixelWidth(), 10);
    EXPECT_EQ(bitmap.PixelHeight(), 5);
    EXPECT_EQ(bitmap.DibHeader().biHeight, -5);
    EXPECT_EQ(bitmap.DibHeader().biBitCount, 32);
    EXPECT_EQ(*bitmap.PixelAddress(9, 4), 0u);
    bitmap.SetSize(0, 5);
    EXPECT_EQ(bitmap.PixelWidth(), 10);
    EXPECT_EQ(BitmapByDC(bitmap.MemoryDC()), &bitmap);
    EXPECT_EQ(bitmap.RowAddress(2), bitmap.Pixels() + 20);
    bitmap.PutPixel(10, 0, 7);
    bitmap.PutPixel(-1, 0, 7);
    bitmap.PutPixel(3, 4, 7);
    EXPECT_EQ(*bitmap.PixelAddress(3, 4), 7u);
    HDC dc = bitmap.MemoryDC();
    {
        TskBitmap other;
        other.SetSize(2, 2);
        EXPECT_EQ(BitmapByDC(other.MemoryDC()), &other);
    }
    EXPECT_EQ(BitmapByDC(dc), &bitmap);
    EXPECT_THROW(bitmap.SetSize(70000, 70000), Exception);
}

TEST(SkinBitmapTest, AlphaOperations) {
    TskBitmap bitmap;
    bitmap.SetSize(3, 1);
    *bitmap.PixelAddress(0, 0) = Bgra(200, 100, 50, 128);
    *bitmap.PixelAddress(1, 0) = Bgra(10, 20, 30, 255);
    *bitmap.PixelAddress(2, 0) = Bgra(10, 20, 30, 0);
    bitmap.DetectPartialAlpha();
    EXPECT_TRUE(bitmap.HasPartialAlpha);
    TskBitmap copy;
    copy.Assign(&bitmap);
    copy.ClampToAlpha();
    EXPECT_EQ(*copy.PixelAddress(0, 0), Bgra(128, 100, 50, 128));
    EXPECT_EQ(*copy.PixelAddress(2, 0), Bgra(0, 0, 0, 0));
    bitmap.Premultiply();
    // 200 * 128 / 255 = 100.39 -> 100; 100 * 128 / 255 = 50.2 -> 50; 50 * 128 / 255 = 25.1 -> 25.
    EXPECT_EQ(*bitmap.PixelAddress(0, 0), Bgra(100, 50, 25, 128));
    bitmap.FillAlpha(255);
    bitmap.DetectPartialAlpha();
    EXPECT_FALSE(bitmap.HasPartialAlpha);
    TskBitmap mask;
    mask.SetSize(2, 1); // narrower than the picture: the uncovered pixel turns opaque
    *mask.PixelAddress(0, 0) = Bgra(30, 60, 91, 0);
    *mask.PixelAddress(1, 0) = Bgra(0, 0, 0, 255);
    bitmap.FillAlpha(7);
    bitmap.AlphaFromLuminance(mask);
    EXPECT_EQ(*bitmap.PixelAddress(0, 0) >> 24, 60u);
    EXPECT_EQ(*bitmap.PixelAddress(1, 0) >> 24, 0u);
    EXPECT_EQ(*bitmap.PixelAddress(2, 0) >> 24, 255u);
}

TEST(SkinBitmapTest, TheVectorAndSingleBlendsAgreeOnEveryKindOfPixel) {
    std::mt19937 random(5);
    std::vector<std::uint32_t> source(1003), dest(1003), expected(1003);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::uint32_t kind = random() % 4;
        const std::uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() % 256;
        source[i] = (random() & 0xFFFFFF) | (alpha << 24);
        dest[i] = random();
        expected[i] = Blended(source[i], dest[i]);
    }
    // Runs of whole opaque and whole clear groups too.
    for (std::size_t i = 100; i < 108; ++i)
        source[i] |= 0xFF000000u, expected[i] = source[i];
    for (std::size_t i = 200; i < 208; ++i)
        source[i] &= 0x00FFFFFFu, expected[i] = dest[i];
    skin_pixels::AlphaRow(source.data(), dest.data(), int(dest.size()));
    EXPECT_EQ(dest, expected);
}

TEST(SkinBitmapTest, OnlyAPartlyTransparentPixelSwitchesToBlending) {
    TskBitmap source, target;
    source.SetSize(2, 1);
    target.SetSize(2, 1);
    *source.PixelAddress(0, 0) = Bgra(200, 100, 50, 0);
    *source.PixelAddress(1, 0) = Bgra(10, 20, 30, 255);
    source.DetectPartialAlpha();
    Fill(target, Bgra(0, 0, 0, 0));
    source.DrawAt(target.MemoryDC(), 0, 0);
    // Plain copy: the clear pixel is copied as it is.
    EXPECT_EQ(*target.PixelAddress(0, 0), Bgra(200, 100, 50, 0));
    *source.PixelAddress(0, 0) = Bgra(200, 100, 50, 128);
    source.DetectPartialAlpha();
    ASSERT_TRUE(source.HasPartialAlpha);
    Fill(target, Bgra(0, 0, 0, 0));
    source.DrawAt(target.MemoryDC(), 0, 0);
    EXPECT_EQ(*target.PixelAddress(0, 0), Bgra(200 * 128 / 256, 100 * 128 / 256, 50 * 128 / 256, 255));
    EXPECT_EQ(*target.PixelAddress(1, 0), Bgra(10, 20, 30, 255));
}

TEST(SkinBitmapTest, KeyColourPixelsAreLeftOut) {
    TskBitmap source, target;
    source.SetSize(3, 1);
    target.SetSize(3, 1);
    *source.PixelAddress(0, 0) = Bgra(127, 0, 127, 200);
    *source.PixelAddress(1, 0) = Bgra(1, 2, 3, 0);
    *source.PixelAddress(2, 0) = Bgra(127, 1, 127, 0);
    source.KeyTransparent = true;
    Fill(target, Bgra(9, 9, 9, 9));
    source.DrawToBitmap(target, TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1});
    EXPECT_EQ(*target.PixelAddress(0, 0), Bgra(9, 9, 9, 9));
    EXPECT_EQ(*target.PixelAddress(1, 0), Bgra(1, 2, 3, 255));
    EXPECT_EQ(*target.PixelAddress(2, 0), Bgra(127, 1, 127, 255));
    // The same through a DC of a class-library bitmap.
    auto canvasBitmap = MakeBitmap(3, 1, [](int, int) { return 0x00FF00u; });
    source.DrawOnCanvas(canvasBitmap->Canvas(), 0, 0);
    EXPECT_EQ(PixelOf(*canvasBitmap, 0, 0), 0x00FF00u);
    EXPECT_EQ(PixelOf(*canvasBitmap, 1, 0), 0x010203u);
}

TEST(SkinBitmapTest, SourceRectanglesOutsideTheBitmapDrawNothing) {
    TskBitmap source, target;
    source.SetSize(4, 4);
    target.SetSize(4, 4);
    Fill(source, Bgra(1, 1, 1, 255));
    struct Case {
        TRect Source;
        bool Draws;
    } cases[] = {{{0, 0, 4, 4}, true},  {{0, 0, 5, 4}, false}, {{-1, 0, 3, 4}, false},
                 {{0, 0, 4, 5}, false}, {{2, 2, 2, 4}, false}, {{1, 1, 3, 3}, true}};
    for (const Case& c : cases) {
        Fill(target, 0);
        source.DrawToBitmap(target, TRect{0, 0, 4, 4}, c.Source);
        EXPECT_EQ(*target.PixelAddress(1, 1) != 0, c.Draws) << c.Source.left << "," << c.Source.right;
    }
    // A destination partly outside the target is clipped.
    Fill(target, 0);
    source.DrawToBitmap(target, TRect{-2, 3, 2, 7}, TRect{0, 0, 4, 4});
    EXPECT_EQ(*target.PixelAddress(1, 3), Bgra(1, 1, 1, 255));
    EXPECT_EQ(*target.PixelAddress(2, 3), 0u);
    EXPECT_EQ(*target.PixelAddress(1, 2), 0u);
}

TEST(SkinBitmapTest, ScalingTakesTheNearestSourceColumnAndRow) {
    TskBitmap source, target;
    source.SetSize(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            *source.PixelAddress(x, y) = Bgra(x, y, 0, 255);
    target.SetSize(10, 7);
    source.DrawToBitmap(target, TRect{0, 0, 10, 7}, TRect{0, 0, 4, 3});
    // Column t takes Trunc(t * 3 / 9); row t takes Trunc(t * 2 / 6).
    const int columns[10] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3};
    const int rows[7] = {0, 0, 0, 1, 1, 1, 2};
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(*target.PixelAddress(x, y), Bgra(columns[x], rows[y], 0, 255)) << x << "," << y;
    // A destination one pixel wide takes the middle column.
    TskBitmap narrow;
    narrow.SetSize(1, 1);
    source.DrawToBitmap(narrow, TRect{0, 0, 1, 1}, TRect{0, 0, 4, 3});
    EXPECT_EQ(*narrow.PixelAddress(0, 0), Bgra(1, 1, 0, 255));
    // Shrinking and a clipped scaled destination keep the same mapping.
    TskBitmap clipped;
    clipped.SetSize(10, 7);
    source.DrawToBitmap(clipped, TRect{-3, 0, 7, 7}, TRect{0, 0, 4, 3});
    EXPECT_EQ(*clipped.PixelAddress(0, 0), Bgra(1, 0, 0, 255));
    EXPECT_EQ(*clipped.PixelAddress(6, 6), Bgra(3, 2, 0, 255));
}

TEST(SkinBitmapTest, ScaledBlendingUsesEachRowsOwnBackground) {
    TskBitmap source, target;
    source.SetSize(1, 1);
    *source.PixelAddress(0, 0) = Bgra(0, 0, 0, 128);
    source.DetectPartialAlpha();
    target.SetSize(1, 4);
    for (int y = 0; y < 4; ++y)
        *target.PixelAddress(0, y) = Bgra(200, 0, y * 60, 255);
    source.DrawToBitmap(target, TRect{0, 0, 1, 4}, TRect{0, 0, 1, 1});
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(*target.PixelAddress(0, y), Blended(Bgra(0, 0, 0, 128), Bgra(200, 0, y * 60, 255)));
}

TEST(SkinBitmapTest, DrawingIntoAnotherBitmapsDCFollowsItsWindowOrigin) {
    TskBitmap source, target;
    source.SetSize(2, 2);
    Fill(source, Bgra(5, 6, 7, 255));
    target.SetSize(6, 6);
    SetWindowOrgEx(target.MemoryDC(), 2, 1, nullptr);
    source.DrawAt(target.MemoryDC(), 3, 3);
    EXPECT_EQ(*target.PixelAddress(1, 2), Bgra(5, 6, 7, 255));
    EXPECT_EQ(*target.PixelAddress(2, 3), Bgra(5, 6, 7, 255));
    EXPECT_EQ(*target.PixelAddress(3, 3), 0u);
}

TEST(SkinBitmapTest, BlendingOntoADeviceGoesThroughABuffer) {
    auto background = MakeBitmap(4, 2, [](int x, int) { return x < 2 ? 0x0000C8u : 0x000000u; });
    TskBitmap source;
    source.SetSize(2, 2);
    Fill(source, Bgra(0, 200, 0, 128));
    source.DetectPartialAlpha();
    source.DrawStretched(background->Canvas()->Handle(), TRect{1, 0, 3, 2}, TRect{0, 0, 2, 2});
    EXPECT_EQ(PixelOf(*background, 0, 0), 0x0000C8u);
    EXPECT_EQ(PixelOf(*background, 1, 0), std::uint32_t(RGB(200 * 127 / 256, 200 * 128 / 256, 0)));
    EXPECT_EQ(PixelOf(*background, 2, 1), std::uint32_t(RGB(0, 200 * 128 / 256, 0)));
    EXPECT_EQ(PixelOf(*background, 3, 1), 0u);
}

TEST(SkinBitmapTest, AssignmentsFromAndToClassLibraryBitmaps) {
    auto opaque =
        MakeBitmap(3, 2, [](int x, int y) { return std::uint32_t(RGB(BYTE(x * 50), BYTE(y * 70), 9)); });
    TskBitmap bitmap;
    bitmap.Assign(opaque.get());
    ASSERT_EQ(bitmap.PixelWidth(), 3);
    EXPECT_EQ(*bitmap.PixelAddress(2, 1), Bgra(9, 70, 100, 255));

    TBitmap withAlpha;
    withAlpha.SetPixelFormat(pf32bit);
    withAlpha.SetSize(2, 1);
    const std::uint32_t row[2] = {Bgra(1, 2, 3, 128), Bgra(4, 5, 6, 255)};
    std::memcpy(withAlpha.ScanLine(0), row, 8);
    bitmap.Assign(&withAlpha);
    EXPECT_EQ(*bitmap.PixelAddress(0, 0), row[0]);
    EXPECT_TRUE(bitmap.HasPartialAlpha);

    TPicture picture;
    picture.SetGraphic(opaque.get());
    bitmap.Name = "face";
    bitmap.KeyTransparent = true;
    TskBitmap copy;
    copy.Assign(&bitmap);
    EXPECT_EQ(copy.Name, "face");
    EXPECT_TRUE(copy.KeyTransparent);
    copy.Assign(&picture);
    EXPECT_EQ(copy.PixelWidth(), 3);
    EXPECT_EQ(*copy.PixelAddress(1, 1), Bgra(9, 70, 50, 255));

    TBitmap back;
    copy.HasPartialAlpha = false;
    copy.KeyTransparent = false;
    copy.AssignTo(&back);
    EXPECT_EQ(back.PixelFormat(), pf32bit);
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(PixelOf(back, 1, 1), std::uint32_t(RGB(50, 70, 9)));
}

TEST(SkinBitmapTest, RenderingAGraphicKeepsThePixelsItLeavesUntouched) {
    auto keyed = MakeBitmap(2, 2, [](int x, int y) { return x == y ? 0x00FF00u : 0x0000FFu; });
    keyed->SetTransparentColor(TColor(0x0000FF));
    keyed->SetTransparent(true);
    TskBitmap bitmap;
    bitmap.SetSize(2, 2);
    Fill(bitmap, Bgra(1, 1, 1, 1));
    bitmap.RenderGraphic(keyed.get(), TRect{0, 0, 2, 2});
    EXPECT_EQ(*bitmap.PixelAddress(0, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(*bitmap.PixelAddress(1, 0), Bgra(1, 1, 1, 1));
}

} // namespace skin_bitmap_test
