#include "ui/core/base/BitmapBits.h"
#include "platform/vcl/Bitmap.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 2 picture whose pixel (x, y) holds 0x00yx0 + alpha.
void Fill(TBitmap& ABitmap, std::uint32_t AAlpha) {
    ABitmap.SetPixelFormat(pf32bit);
    ABitmap.SetSize(3, 2);
    for (int y = 0; y < 2; ++y) {
        auto* row = static_cast<std::uint32_t*>(ABitmap.ScanLine(y));
        for (int x = 0; x < 3; ++x)
            row[x] = (AAlpha << 24) | static_cast<std::uint32_t>(y << 8 | x);
    }
}

TEST(BitmapBitsTest, ReadsTopDownAndBottomUp) {
    TBitmap bitmap;
    Fill(bitmap, 0x80);
    TRGBColors topDown, bottomUp;
    ASSERT_TRUE(ovGetBitmapBits(&bitmap, topDown, true));
    ASSERT_TRUE(ovGetBitmapBits(&bitmap, bottomUp, false));
    ASSERT_EQ(topDown.size(), 6u);
    EXPECT_EQ(topDown[0], 0x80000000u);
    EXPECT_EQ(topDown[5], 0x80000102u);
    EXPECT_EQ(bottomUp[0], 0x80000100u); // the bottom row first
    EXPECT_EQ(bottomUp[5], 0x80000002u);
    EXPECT_TRUE(ovBitmapHasAlpha(&bitmap));
}

TEST(BitmapBitsTest, WritesEveryPixel) {
    TBitmap bitmap;
    Fill(bitmap, 0);
    EXPECT_FALSE(ovBitmapHasAlpha(&bitmap)); // 32 bits, all alpha bytes 0
    TRGBColors colors(6);
    for (size_t i = 0; i < colors.size(); ++i)
        colors[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 0x10);
    ASSERT_TRUE(ovSetBitmapBits(&bitmap, colors, true));
    TRGBColors back;
    ASSERT_TRUE(ovGetBitmapBits(&bitmap, back, true));
    EXPECT_EQ(back, colors);
    EXPECT_FALSE(ovSetBitmapBits(&bitmap, TRGBColors(5), true)); // too few pixels: nothing written
    ASSERT_TRUE(ovGetBitmapBits(&bitmap, back, true));
    EXPECT_EQ(back, colors);
}

TEST(BitmapBitsTest, EmptyAndShallowBitmaps) {
    TBitmap empty;
    TRGBColors colors;
    EXPECT_FALSE(ovGetBitmapBits(&empty, colors, true));
    EXPECT_FALSE(ovSetBitmapBits(&empty, colors, true));
    TBitmap rgb;
    rgb.SetPixelFormat(pf24bit);
    rgb.SetSize(2, 2);
    EXPECT_EQ(ovGetBitsPerPixel(&rgb), 24);
    EXPECT_FALSE(ovBitmapHasAlpha(&rgb));
    BITMAPINFOHEADER header;
    ovFillBitmapInfoHeader(header, 4, 5, true);
    EXPECT_EQ(header.biHeight, -5);
    EXPECT_EQ(header.biBitCount, 32);
    BITMAP data;
    EXPECT_TRUE(ovGetBitmapData(rgb.Handle(), data));
    EXPECT_EQ(data.bmWidth, 2);
}

} // namespace
