// Decoding every colour type, depth and interlace, with split data and the held layouts.
#include "PngFixture.h"

#include "imaging/png/PngDataChunk.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>

namespace {
using pngfix::Load;

int Sample(int x, int y, int c, int depth) {
    if (depth == 16) return ((x * 7919 + y * 104729 + c * 3001) * 31 + x * y) & 0xFFFF;
    return (x * 37 + y * 101 + c * 53 + x * y) % (1 << depth);
}

struct Format {
    int ColorType, Depth, HeldBits;
};

// The colour GetPixel must report for a pixel of the generated image.
COLORREF Expected(const Format& f, int x, int y) {
    auto level = [&](int c) {
        const int s = Sample(x, y, c, f.Depth);
        if (f.Depth == 16) return s >> 8;
        if (f.Depth == 8) return s;
        return s * 255 / ((1 << f.Depth) - 1);
    };
    switch (f.ColorType) {
    case 0:
    case 4:
        return RGB(BYTE(level(0)), BYTE(level(0)), BYTE(level(0)));
    case 3:
        return pngfix::PlteColor(Sample(x, y, 0, f.Depth));
    default:
        return RGB(BYTE(level(0)), BYTE(level(1)), BYTE(level(2)));
    }
}

const Format Formats[] = {{0, 1, 1},  {0, 2, 4},   {0, 4, 4},  {0, 8, 8},  {0, 16, 8},
                          {2, 8, 24}, {2, 16, 24}, {3, 1, 1},  {3, 2, 4},  {3, 4, 4},
                          {3, 8, 8},  {4, 8, 8},   {4, 16, 8}, {6, 8, 24}, {6, 16, 24}};

class DecodeEveryFormat : public ::testing::TestWithParam<std::tuple<Format, int>> {};

TEST_P(DecodeEveryFormat, PixelsAlphaAndHeldLayout) {
    const auto [f, interlace] = GetParam();
    const int sizes[][2] = {{13, 11}, {1, 1}, {3, 2}, {9, 17}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        SCOPED_TRACE(testing::Message() << "type " << f.ColorType << " depth " << f.Depth << " interlace "
                                        << interlace << " size " << w << "x" << h);
        const std::string plte = f.ColorType == 3 ? pngfix::Plte(1 << f.Depth) : std::string();
        // Small data chunks: every image is split over several IDATs.
        const auto pic = Load(pngfix::Png(
            w, h, f.Depth, f.ColorType, interlace,
            [depth = f.Depth](int x, int y, int c) { return Sample(x, y, c, depth); }, plte, 7));
        TChunkIHDR* header = pic->HeaderChunk();
        EXPECT_EQ(header->DibInfo.BitCount, f.HeldBits);
        EXPECT_EQ(header->RowStride, ((f.HeldBits * w + 31) / 32) * 4);
        EXPECT_EQ(pic->InterlaceMode(), interlace ? piAdam7 : piNone);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                ASSERT_EQ(pic->GetPixel(x, y), Expected(f, x, y)) << x << "," << y;
                if (f.ColorType == 4 || f.ColorType == 6) {
                    const int a = Sample(x, y, f.ColorType == 4 ? 1 : 3, f.Depth);
                    ASSERT_EQ(pic->AlphaRow(y)[x], f.Depth == 16 ? a >> 8 : a);
                } else {
                    ASSERT_EQ(pic->AlphaRow(y), nullptr);
                }
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, DecodeEveryFormat,
                         ::testing::Combine(::testing::ValuesIn(Formats), ::testing::Values(0, 1)));

TEST(PngDecode, TwoBitGreyHeldAsFourBitSpreadOverTheRamp) {
    // Samples 0..3 become ramp indices 0, 5, 10, 15, so 3 is white, not a light grey.
    const auto pic = Load(pngfix::Png(4, 1, 2, 0, 0, [](int x, int, int) { return x; }));
    const std::uint8_t* row = pic->RowPointer(0);
    EXPECT_EQ(row[0], 0x05);
    EXPECT_EQ(row[1], 0xAF);
    EXPECT_EQ(pic->GetPixel(3, 0), RGB(255, 255, 255));
    EXPECT_EQ(pic->GetPixel(1, 0), RGB(85, 85, 85));
}

TEST(PngDecode, RowsAreHeldBottomUp) {
    const auto pic = Load(pngfix::Png(2, 3, 8, 0, 0, [](int, int y, int) { return y * 10; }));
    TChunkIHDR* h = pic->HeaderChunk();
    EXPECT_EQ(h->DibBits[0], 20);                            // last image row first
    EXPECT_EQ(h->DibBits[std::size_t(2 * h->RowStride)], 0); // first image row last
    EXPECT_EQ(pic->RowPointer(0), h->DibBits.data() + 2 * h->RowStride);
}

TEST(PngDecode, KeepsUnknownAncillaryChunksAndSkipsChrmAndLateIdat) {
    using namespace pngfix;
    const std::string data = Zlib(RawImage(2, 2, 8, 0, 0, [](int x, int, int) { return x; }));
    const std::string png = Signature() + Ihdr(2, 2, 8, 0) + Chunk("cHRM", std::string(32, '\1')) +
                            Chunk("pHYs", std::string(9, '\2')) + Chunk("IDAT", data) + Chunk("iCCP", "x") +
                            Chunk("IDAT", "stray") + Chunk("IEND", "");
    const auto pic = Load(png);
    std::vector<std::string> types;
    for (int i = 0; i < pic->ChunkList().Count(); ++i)
        types.push_back(pic->ChunkList().Item(i)->ChunkType());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "pHYs", "IDAT", "iCCP", "IEND"}));
    TMemoryStream out;
    pic->SaveToStream(&out);
    const auto written =
        ParseChunks(std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size())));
    ASSERT_EQ(written.size(), 5u);
    EXPECT_EQ(written[1].Type, "pHYs");
    EXPECT_EQ(written[1].Data, std::string(9, '\2'));
    EXPECT_EQ(written[3].Type, "iCCP");
}

TEST(PngDecode, TextTimeAndGammaChunks) {
    using namespace pngfix;
    const std::string extra = Chunk("gAMA", Be32(100000)) + Chunk("tEXt", std::string("Title\0Hello", 11)) +
                              Chunk("zTXt", std::string("Note\0\0", 6) + Zlib("packed text")) +
                              Chunk("tIME", Be16(2006) + "\x05\x06\x07\x08\x09");
    const auto pic = Load(Png(
        1, 1, 8, 2, 0, [](int, int, int c) { return 64 * (c + 1); }, extra));
    EXPECT_EQ(pic->GammaLookup[64], 136);
    EXPECT_EQ(pic->GammaLookup[128], 186);
    EXPECT_EQ(pic->GammaLookup[0], 0);
    EXPECT_EQ(pic->GammaLookup[255], 255);
    EXPECT_EQ(pic->GetPixel(0, 0), RGB(136, 186, pic->GammaLookup[192]));
    auto* text = pic->ChunkList().FindChunk<TChunktEXt>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Keyword, "Title");
    EXPECT_EQ(text->Text, "Hello");
    auto* ztxt = pic->ChunkList().FindChunk<TChunkzTXt>();
    ASSERT_NE(ztxt, nullptr);
    EXPECT_EQ(ztxt->Keyword, "Note");
    EXPECT_EQ(ztxt->Text, "packed text");
    auto* time = pic->ChunkList().FindChunk<TChunktIME>();
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->Year, 2006);
    EXPECT_EQ(time->Second, 9);
}

TEST(PngDecode, GammaTablesForSpecialValues) {
    struct Case {
        std::string Payload;
        bool Identity;
    };
    const Case cases[] = {
        {pngfix::Be32(45455), true},       // 1 / 2.2: the identity
        {pngfix::Be32(0), true},           // zero: ignored
        {pngfix::Be32(0x80000000u), true}, // negative: ignored
        {std::string("\0\1\2", 3), true},  // wrong size: ignored
        {pngfix::Be32(100000), false},
    };
    for (const auto& c : cases) {
        const auto pic = Load(pngfix::Png(
            1, 1, 8, 0, 0, [](int, int, int) { return 1; }, pngfix::Chunk("gAMA", c.Payload)));
        bool identity = true;
        for (int i = 0; i < 256; ++i)
            identity = identity && pic->GammaLookup[std::size_t(i)] == i &&
                       pic->InverseGammaLookup[std::size_t(i)] == i;
        EXPECT_EQ(identity, c.Identity) << c.Payload.size();
        // A damaged gamma is written back as the neutral value, never as a nonsense gamma.
        if (c.Identity) {
            EXPECT_EQ(pic->ChunkList().FindChunk<TChunkgAMA>()->GammaValue(), 45455);
        }
    }
}

TEST(PngDecode, TextWithoutSeparatorHasNoText) {
    using namespace pngfix;
    const std::string extra = Chunk("tEXt", "NoSeparator") + Chunk("zTXt", "AlsoNone");
    const auto pic = Load(Png(
        1, 1, 8, 0, 0, [](int, int, int) { return 0; }, extra));
    auto* text = dynamic_cast<TChunktEXt*>(pic->ChunkList().Item(1));
    auto* ztxt = dynamic_cast<TChunkzTXt*>(pic->ChunkList().Item(2));
    ASSERT_TRUE(text && ztxt);
    EXPECT_EQ(text->Keyword, "NoSeparator");
    EXPECT_EQ(text->Text, "");
    EXPECT_EQ(ztxt->Keyword, "AlsoNone");
    EXPECT_EQ(ztxt->Text, "");
}

TEST(PngDecode, PaletteTransparencyKinds) {
    using namespace pngfix;
    struct Case {
        std::string Alphas;
        TPngTransparency Kind;
    };
    const Case cases[] = {
        {std::string("\xFF\x00\xFF", 3), tkBit},     // one entry, fully clear
        {std::string("\xFF\x80\xFF", 3), tkPartial}, // one entry, half clear: blended
        {std::string("\x00\x80", 2), tkPartial},
        {std::string("\xFF\xFF", 2), tkPartial},
    };
    for (const auto& c : cases) {
        const auto pic = Load(Png(
            2, 1, 8, 3, 0, [](int x, int, int) { return x; }, Plte(4) + Chunk("tRNS", c.Alphas)));
        EXPECT_EQ(pic->TransparencyKind(), c.Kind);
    }
}

TEST(PngDecode, KeyColoursFollowTheHeldRepresentation) {
    using namespace pngfix;
    struct Case {
        int ColorType, Depth;
        std::string Key;
        COLORREF Color;
    };
    const Case cases[] = {
        {0, 8, Be16(0x00FF), RGB(255, 255, 255)},
        {0, 2, Be16(2), RGB(170, 170, 170)},
        {0, 1, Be16(1), RGB(255, 255, 255)},
        {0, 16, Be16(0x8012), RGB(0x80, 0x80, 0x80)},
        {2, 8, Be16(1) + Be16(2) + Be16(3), RGB(1, 2, 3)},
        {2, 16, Be16(0x1011) + Be16(0x2022) + Be16(0x3033), RGB(0x10, 0x20, 0x30)},
    };
    for (const auto& c : cases) {
        const auto pic = Load(Png(
            1, 1, c.Depth, c.ColorType, 0, [](int, int, int) { return 0; }, Chunk("tRNS", c.Key)));
        EXPECT_EQ(pic->TransparencyKind(), tkBit);
        EXPECT_EQ(pic->KeyColor(), c.Color) << c.ColorType << "/" << c.Depth;
    }
}

TEST(PngDecode, ChunkTypesAreMatchedExactly) {
    // "idat" is not IDAT for this codec: it is an unknown ancillary chunk, and then there is no data.
    using namespace pngfix;
    const std::string data = Zlib(RawImage(1, 1, 8, 0, 0, [](int, int, int) { return 0; }));
    EXPECT_THROW(Load(Signature() + Ihdr(1, 1, 8, 0) + Chunk("idat", data) + Chunk("IEND", "")),
                 EPNGNoImageData);
}

} // namespace
