// The skin library's PNG image: quiet failures, pHYs, low bytes, canvas resizing and scaled blending.
#include "PngFixture.h"

#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>

namespace {
using namespace pngfix;

std::string Glyph() {
    const std::string phys = Chunk("pHYs", Be32(2835) + Be32(2835) + "\x01");
    return Png(
        24, 24, 8, 6, 0, [](int x, int y, int c) { return c == 3 ? (x + y) * 5 : x * 10 + c; },
        phys + Chunk("iCCP", "profile"));
}

TEST(SkinPngImage, GlyphKeepsPhysAsItsOwnClassAndIccpAsPlain) {
    const auto img = LoadSkin(Glyph());
    auto* phys = img->ChunkList().FindChunk<TskPngLayerpHYs>();
    ASSERT_NE(phys, nullptr);
    EXPECT_EQ(phys->PixelsPerUnitX, 2835u);
    EXPECT_EQ(phys->UnitSpecifier, 1);
    TMemoryStream out;
    img->SaveToStream(&out);
    const auto chunks =
        ParseChunks(std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size())));
    std::vector<std::string> types;
    for (const auto& c : chunks)
        types.push_back(c.Type);
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "pHYs", "iCCP", "IDAT", "IEND"}));
    EXPECT_EQ(chunks[1].Data, Be32(2835) + Be32(2835) + "\x01");
}

TEST(SkinPngImage, FailsQuietly) {
    const std::string good = Glyph();
    struct Case {
        const char* Name;
        std::string Bytes;
        bool Empty;
    };
    const Case cases[] = {
        {"signature", "not a png at all", true},
        {"IHDR not first", Signature() + Chunk("gAMA", Be32(1)) + good.substr(8), true},
        {"truncated", good.substr(0, good.size() - 30), false},
        {"cut after the header", good.substr(0, 8 + 25), false},
        {"bad CRC", Signature() + Ihdr(2, 2, 8, 0) + Chunk("tEXt", "a", true) + Chunk("IEND", ""), false},
        {"unsupported pair", Signature() + Ihdr(2, 2, 4, 2) + Chunk("IEND", ""), true},
        {"zero width", Signature() + Ihdr(0, 2, 8, 0) + Chunk("IEND", ""), true},
        {"unknown critical kept", Signature() + Ihdr(1, 1, 8, 0) + Chunk("XYZW", "") + Chunk("IEND", ""),
         false},
        {"no data", Signature() + Ihdr(1, 1, 8, 0) + Chunk("IEND", ""), false},
    };
    for (const auto& c : cases) {
        const auto img = LoadSkin(c.Bytes);
        EXPECT_EQ(img->Empty(), c.Empty) << c.Name;
        if (!c.Empty) {
            EXPECT_TRUE(img->HasHeader()) << c.Name;
        }
    }
}

TEST(SkinPngImage, SixteenBitLowBytesAreKeptAndWrittenBack) {
    const auto img = LoadSkin(Png(3, 2, 16, 0, 0, [](int x, int y, int) { return 0x1200 + x * 0x101 + y; }));
    EXPECT_EQ(img->RowPointer(1)[2], 0x14);
    EXPECT_EQ(img->LowByteRow(1)[2], 0x03);
    EXPECT_EQ(img->LowByteRow(0)[0], 0x00);
    TMemoryStream out;
    img->SaveToStream(&out);
    const std::string raw = Inflate(
        ParseChunks(std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size())))[1].Data);
    EXPECT_EQ(raw[2], 0); // low byte of the first sample (Sub filter keeps the first pixel)
    EXPECT_EQ(raw[4], 1); // the second sample's low byte 0x01, less the first's 0x00 (Sub)
}

TEST(SkinPngImage, ResizeCanvasKeepsTheOverlap) {
    const auto img = LoadSkin(Glyph());
    const auto original = LoadSkin(Glyph());
    img->SetWidth(10);
    EXPECT_EQ(img->Width(), 10);
    EXPECT_EQ(img->Height(), 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(img->GetPixel(x, y), original->GetPixel(x, y));
            ASSERT_EQ(img->AlphaRow(y)[x], original->AlphaRow(y)[x]);
        }
    img->SetHeight(30);
    EXPECT_EQ(img->AlphaRow(29)[0], 255); // new area opaque
    EXPECT_EQ(img->GetPixel(3, 5), original->GetPixel(3, 5));
    img->ResizeCanvas(0, 5); // ignored
    EXPECT_EQ(img->Height(), 30);
    const auto back = LoadSkin([&] {
        TMemoryStream out;
        img->SaveToStream(&out);
        return std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size()));
    }());
    EXPECT_EQ(back->Width(), 10);
    EXPECT_EQ(back->GetPixel(9, 23), original->GetPixel(9, 23));
}

TEST(SkinPngImage, BlendingScalesToTheRectangle) {
    const auto img =
        LoadSkin(Png(2, 2, 8, 6, 0, [](int x, int y, int c) { return c == 3 ? 255 : (x + 2 * y) * 60; }));
    std::vector<std::uint8_t> pixels(4 * 4 * 4, 0);
    TPixelBuffer32 target{4, 4, 16, pixels.data()};
    img->Draw(target, TRect{4, 4, 0, 0}); // given backwards: normalised
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixels[std::size_t((y * 4 + x) * 4)], (x / 2 + 2 * (y / 2)) * 60) << x << "," << y;
    std::vector<std::uint8_t> before = pixels;
    img->DrawBlended(target, TRect{0, 0, 0, 4}); // empty: nothing
    EXPECT_EQ(pixels, before);
}

TEST(SkinPngImage, AddChunkNeverRaises) {
    const auto img = LoadSkin(Glyph());
    EXPECT_EQ(img->AddChunk<TskPngLayerIEND>(), nullptr);
    EXPECT_EQ(img->AddChunk<TskPngLayerpHYs>(), nullptr); // it has one
    auto* gama = img->AddChunk<TskPngLayergAMA>();
    ASSERT_NE(gama, nullptr);
    EXPECT_EQ(gama->ListIndex(), 1);
    EXPECT_EQ(img->AddChunk<TskPngLayergAMA>(), nullptr);
    TskPngImage empty;
    EXPECT_EQ(empty.AddChunk<TskPngLayertEXt>(), nullptr);
    EXPECT_EQ(empty.AddChunk<TskPngLayerpHYs>(), nullptr);
}

} // namespace
