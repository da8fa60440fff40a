// Copying PNG images to and from device-independent bitmaps.
#include "PngFixture.h"

#include "imaging/png/PngBitmapData.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"

#include <gtest/gtest.h>

namespace {
using namespace pngfix;

TEST(PngBitmapBridge, ThirtyTwoBitBitmapBecomesAnRgbImage) {
    TPngBitmapData bmp;
    bmp.Width = 3;
    bmp.Height = 2;
    bmp.BitsPerPixel = 32;
    bmp.Bits.resize(std::size_t(bmp.Stride() * 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            std::uint8_t* p = bmp.Row(y) + 4 * x;
            p[0] = std::uint8_t(x * 10); // blue
            p[1] = std::uint8_t(y * 20);
            p[2] = 200;
            p[3] = 7;
        }
    TPngPicture pic;
    pic.FromBitmapData(bmp, false, 0);
    EXPECT_EQ(pic.HeaderChunk()->ColorType, 2);
    EXPECT_EQ(pic.HeaderChunk()->BitDepth, 8);
    EXPECT_EQ(pic.GetPixel(2, 1), RGB(200, 20, 20));
    const auto again = Load(Save(pic));
    EXPECT_EQ(again->GetPixel(2, 1), RGB(200, 20, 20));
    std::vector<std::string> types;
    for (int i = 0; i < pic.ChunkList().Count(); ++i)
        types.push_back(pic.ChunkList().Item(i)->ChunkType());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

TEST(PngBitmapBridge, PaletteImagesRoundTripWithTheirKeyColour) {
    const auto pic = Load(Png(
        5, 3, 4, 3, 0, [](int x, int y, int) { return (x + y) % 16; },
        Plte(16) + Chunk("tRNS", std::string("\xFF\xFF\x00", 3))));
    bool transparent = false;
    COLORREF key = 0;
    const TPngBitmapData bmp = pic->ToBitmapData(transparent, key);
    EXPECT_EQ(bmp.BitsPerPixel, 4);
    EXPECT_TRUE(transparent);
    EXPECT_EQ(key, PlteColor(2));
    TPngPicture back;
    back.FromBitmapData(bmp, transparent, key);
    EXPECT_EQ(back.HeaderChunk()->ColorType, 3);
    EXPECT_EQ(back.TransparencyKind(), tkBit);
    EXPECT_EQ(back.KeyColor(), PlteColor(2));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(back.GetPixel(x, y), pic->GetPixel(x, y));
    const auto saved = Load(Save(back));
    EXPECT_EQ(saved->GetPixel(4, 2), pic->GetPixel(4, 2));
}

TEST(PngBitmapBridge, AlphaIsDroppedAndBadBitmapsRefused) {
    const auto pic = Load(Png(2, 2, 8, 6, 0, [](int x, int, int c) { return c == 3 ? 0 : x * 100; }));
    bool transparent = true;
    COLORREF key = 1;
    const TPngBitmapData bmp = pic->ToBitmapData(transparent, key);
    EXPECT_EQ(bmp.BitsPerPixel, 24);
    EXPECT_FALSE(transparent);
    EXPECT_EQ(bmp.Row(0)[3], 100);
    TPngPicture empty;
    EXPECT_EQ(empty.ToBitmapData(transparent, key).Width, 0);
    TPngBitmapData bad;
    bad.Width = 2;
    bad.Height = 2;
    bad.BitsPerPixel = 16;
    bad.Bits.resize(64);
    EXPECT_THROW(pic->FromBitmapData(bad, false, 0), EPngInvalidIHDR);
    EXPECT_EQ(pic->Width(), 2); // the image is left as it was
}

} // namespace
