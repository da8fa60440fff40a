// Transparency, key colours, alpha planes, pixel access and drawing onto a 32-bit surface.
#include "PngFixture.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

#include <gtest/gtest.h>

namespace {
using namespace pngfix;

struct Surface {
    Surface(int w, int h, std::uint8_t fill) : Pixels(std::size_t(w * h * 4), fill) {
        Buffer = TPixelBuffer32{w, h, w * 4, Pixels.data()};
    }
    const std::uint8_t* At(int x, int y) const { return Pixels.data() + (y * Buffer.Width + x) * 4; }
    std::vector<std::uint8_t> Pixels;
    TPixelBuffer32 Buffer;
};

TEST(PngPixels, TransparencyKindTable) {
    struct Case {
        int ColorType, Depth;
        std::string Extra;
        TPngTransparency Kind;
    };
    const Case cases[] = {
        {0, 8, "", tkNone},
        {0, 8, Chunk("tRNS", Be16(3)), tkBit},
        {2, 8, "", tkNone},
        {2, 8, Chunk("tRNS", Be16(1) + Be16(2) + Be16(3)), tkBit},
        {3, 8, Plte(4), tkNone},
        {3, 8, Plte(4) + Chunk("tRNS", std::string("\xFF\x00", 2)), tkBit},
        {3, 8, Plte(4) + Chunk("tRNS", std::string("\x10\x00", 2)), tkPartial},
        {4, 8, "", tkPartial},
        {6, 8, "", tkPartial},
    };
    for (const auto& c : cases) {
        const auto pic = Load(Png(
            2, 2, c.Depth, c.ColorType, 0, [](int x, int, int) { return x; }, c.Extra));
        EXPECT_EQ(pic->TransparencyKind(), c.Kind) << c.ColorType << " " << c.Extra.size();
        EXPECT_EQ(pic->Transparent(), c.Kind != tkNone);
    }
}

TEST(PngPixels, SetKeyColorRoundTripsThroughKeyColor) {
    // Every kind of image: the key set is the key read back, and it is the colour of the pixels it hides.
    struct Case {
        int ColorType, Depth;
    };
    for (const Case c : {Case{0, 1}, Case{0, 2}, Case{0, 4}, Case{0, 8}, Case{0, 16}, Case{2, 8}, Case{2, 16},
                         Case{3, 8}, Case{3, 2}}) {
        SCOPED_TRACE(testing::Message() << c.ColorType << "/" << c.Depth);
        const std::string extra =
            (c.ColorType == 3 ? Plte(1 << c.Depth) : std::string()) + Chunk("gAMA", Be32(60000));
        const auto pic = Load(Png(
            4, 1, c.Depth, c.ColorType, 0,
            [&](int x, int, int ch) { return c.Depth == 16 ? x * 9000 + ch : (x + ch) % (1 << c.Depth); },
            extra));
        const COLORREF target = pic->GetPixel(1, 0);
        auto* trns = pic->AddChunk<TChunktRNS>();
        trns->SetKeyColor(target);
        EXPECT_EQ(pic->TransparencyKind(), tkBit);
        EXPECT_EQ(pic->KeyColor(), target);
        const auto again = Load(Save(*pic));
        // Gamma makes the reload's colours differ slightly; the key still names the same pixels.
        EXPECT_EQ(again->KeyColor(), again->GetPixel(1, 0));
        EXPECT_NE(again->KeyColor(), again->GetPixel(0, 0));
    }
}

TEST(PngPixels, KeyColourNotInThePaletteLeavesTheImageOpaque) {
    const auto pic = Load(Png(
        2, 1, 8, 3, 0, [](int x, int, int) { return x; }, Plte(2)));
    auto* trns = pic->AddChunk<TChunktRNS>();
    trns->SetKeyColor(RGB(1, 2, 3));
    EXPECT_EQ(pic->TransparencyKind(), tkNone);
    Surface s(2, 1, 50);
    pic->Draw(s.Buffer, TRect{0, 0, 2, 1});
    EXPECT_EQ(s.At(0, 0)[2], GetRValue(PlteColor(0)));
    EXPECT_EQ(s.At(1, 0)[2], GetRValue(PlteColor(1)));
}

TEST(PngPixels, PaletteKeyEntryAndPixelAccess) {
    const auto pic = Load(Png(
        400, 1, 8, 3, 0, [](int x, int, int) { return x % 3; },
        Plte(3) + Chunk("tRNS", std::string("\xFF\x00\xFF", 3))));
    EXPECT_EQ(pic->KeyColor(), PlteColor(1));
    EXPECT_EQ(pic->GetPixel(300, 0), PlteColor(0));
    EXPECT_EQ(pic->GetPixel(400, 0), 0u);
    EXPECT_EQ(pic->GetPixel(-1, 0), 0u);
    pic->SetPixel(0, 0, PlteColor(2) + 1); // nearest entry
    EXPECT_EQ(pic->GetPixel(0, 0), PlteColor(2));
    pic->SetPixel(400, 0, 0); // outside: nothing
    auto* plte = pic->ChunkList().FindChunk<TChunkPLTE>();
    EXPECT_EQ(plte->EntryColor(2), PlteColor(2));
    try {
        plte->EntryColor(3);
        ADD_FAILURE();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message(), "There is no such palette entry.");
    }
}

TEST(PngPixels, SetPixelOnPackedGreyStaysWithinTheDepth) {
    const auto pic = Load(Png(8, 1, 2, 0, 0, [](int, int, int) { return 0; }));
    pic->SetPixel(3, 0, RGB(255, 255, 255));
    EXPECT_EQ(pic->GetPixel(3, 0), RGB(255, 255, 255));
    EXPECT_EQ(pic->GetPixel(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(pic->GetPixel(4, 0), RGB(0, 0, 0));
}

TEST(PngPixels, AddAlphaPlane) {
    // RGB becomes RGBA, all opaque, and is written as RGBA.
    auto pic = Load(Png(3, 2, 8, 2, 0, [](int x, int, int c) { return x * 10 + c; }));
    pic->AddAlphaPlane();
    EXPECT_EQ(pic->HeaderChunk()->ColorType, 6);
    EXPECT_EQ(pic->AlphaRow(1)[2], 255);
    auto again = Load(Save(*pic));
    EXPECT_EQ(again->HeaderChunk()->ColorType, 6);
    EXPECT_EQ(again->GetPixel(2, 1), pic->GetPixel(2, 1));
    // Packed grey is widened to 8-bit grey with alpha, keeping its levels.
    for (int depth : {1, 2, 4}) {
        pic = Load(Png(5, 2, depth, 0, 0, [&](int x, int, int) { return x % (1 << depth); }));
        std::vector<COLORREF> before;
        for (int x = 0; x < 5; ++x)
            before.push_back(pic->GetPixel(x, 0));
        pic->AddAlphaPlane();
        EXPECT_EQ(pic->HeaderChunk()->ColorType, 4);
        EXPECT_EQ(pic->HeaderChunk()->BitDepth, 8);
        again = Load(Save(*pic));
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(again->GetPixel(x, 0), before[std::size_t(x)]) << depth << " " << x;
        EXPECT_EQ(again->AlphaRow(0)[4], 255);
    }
    // A palette image gets an all-opaque tRNS.
    pic = Load(Png(
        2, 1, 4, 3, 0, [](int x, int, int) { return x; }, Plte(16)));
    pic->AddAlphaPlane();
    auto* trns = pic->ChunkList().FindChunk<TChunktRNS>();
    ASSERT_NE(trns, nullptr);
    EXPECT_EQ(trns->PayloadSize(), 16);
    EXPECT_FALSE(trns->BinaryAlpha);
}

TEST(PngPixels, DrawBlendedFormula) {
    const auto pic = Load(Png(3, 1, 8, 6, 0, [](int x, int, int c) {
        return c == 3 ? (x == 0 ? 0 : x == 1 ? 255 : 128) : 200;
    }));
    Surface s(48, 48, 0);
    for (int i = 0; i < 48 * 48; ++i)
        s.Pixels[std::size_t(i * 4)] = 77;
    pic->Draw(s.Buffer, TRect{0, 0, 48, 48});          // natural size at the corner, whatever the rectangle
    EXPECT_EQ(s.At(0, 0)[0], 77);                      // alpha 0: unchanged
    EXPECT_EQ(s.At(1, 0)[1], 200);                     // alpha 255: (s × 255 + 255) div 256 = s
    EXPECT_EQ(s.At(2, 0)[1], (200 * 128 + 255) / 256); // alpha 128 over black
    EXPECT_EQ(s.At(3, 0)[0], 77);                      // beyond the image: untouched
}

TEST(PngPixels, DrawOpaqueAndKeyedImagesStretch) {
    const auto pic = Load(Png(
        2, 1, 8, 2, 0, [](int x, int, int) { return x ? 255 : 0; },
        Chunk("tRNS", Be16(0) + Be16(0) + Be16(0))));
    Surface s(4, 2, 9);
    pic->Draw(s.Buffer, TRect{0, 0, 4, 2});
    EXPECT_EQ(s.At(0, 0)[0], 9); // key colour shows the background
    EXPECT_EQ(s.At(1, 1)[0], 9);
    EXPECT_EQ(s.At(2, 0)[0], 255);
    EXPECT_EQ(s.At(3, 1)[2], 255);
    // Drawing partly outside the surface is clipped.
    pic->Draw(s.Buffer, TRect{-3, -1, 5, 3});
    pic->DrawBlended(s.Buffer, TRect{3, 1, 5, 2});
}

TEST(PngPixels, PaletteIndexBeyondTheEntriesDrawsBlack) {
    const auto pic = Load(Png(
        2, 1, 8, 3, 0, [](int x, int, int) { return x * 5; },
        Plte(2) + Chunk("tRNS", std::string("\x80\x80", 2))));
    Surface s(2, 1, 255);
    EXPECT_NO_THROW(pic->Draw(s.Buffer, TRect{0, 0, 2, 1}));
    EXPECT_EQ(s.At(1, 0)[0], 0); // index 5: black, opaque (beyond the tRNS entries)
    EXPECT_EQ(s.At(0, 0)[2], (GetRValue(PlteColor(0)) * 128 + 127 * 255 + 255) / 256);
}

// The copy's held levels were made with the gamma: it keeps the tables, so that saving it writes the
// file's samples rather than the levels shown.
TEST(PngPixels, CopyImageCopiesChunksAndGammaTables) {
    const auto pic = Load(Png(
        3, 2, 8, 2, 0, [](int x, int y, int c) { return x * 40 + y + c; },
        Chunk("gAMA", Be32(100000)) + Chunk("tEXt", std::string("k\0v", 3))));
    TPngPicture copy;
    copy.Assign(*pic);
    ASSERT_EQ(copy.ChunkList().Count(), pic->ChunkList().Count());
    for (int i = 0; i < copy.ChunkList().Count(); ++i)
        EXPECT_EQ(copy.ChunkList().Item(i)->ChunkType(), pic->ChunkList().Item(i)->ChunkType());
    EXPECT_EQ(copy.GetPixel(2, 1), pic->GetPixel(2, 1));
    EXPECT_EQ(copy.GammaLookup[64], pic->GammaLookup[64]);
    EXPECT_NE(copy.GammaLookup[64], 64);
    EXPECT_EQ(IdatData(ParseChunks(Save(copy))), IdatData(ParseChunks(Save(*pic))));
    EXPECT_EQ(copy.ChunkList().FindChunk<TChunktEXt>()->Text, "v");
    TPngPicture other;
    EXPECT_THROW(copy.ChunkList().Item(0)->CopyFrom(*pic->ChunkList().Item(1)), EPngError);
}

TEST(PngPixels, PaletteGetAndSet) {
    const auto pic = Load(Png(
        2, 1, 8, 3, 0, [](int x, int, int) { return x; }, Plte(2)));
    std::vector<TPngColorEntry> palette = pic->GetPalette();
    ASSERT_EQ(palette.size(), 256u);
    palette[1] = TPngColorEntry{1, 2, 3, 0};
    pic->SetPalette(palette);
    EXPECT_EQ(pic->GetPixel(1, 0), RGB(3, 2, 1));
    const auto rgb = Load(Png(1, 1, 8, 2, 0, [](int, int, int) { return 0; }));
    EXPECT_TRUE(rgb->GetPalette().empty());
}

} // namespace

#include "imaging/png/PngRegistration.h"
#include "platform/vcl/Picture.h"

namespace {
TEST(PngCodecStartUp, RegistersAndUnregistersThePngFormat) {
    PngCodecInitialize();
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassOf<TPngPicture>());
    EXPECT_EQ(TPicture::FindGraphicClass(".PNG"), GraphicClassOf<TPngPicture>());
    EXPECT_EQ(TPicture::FileFormatDescription("png"), "Portable Network Graphics");
    PngCodecFinalize();
    EXPECT_EQ(TPicture::FindGraphicClass("png"), nullptr);
}
} // namespace
