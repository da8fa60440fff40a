// Faults found by trying the PNG paths on unusual and hostile files: 16-bit images keep white and their
// key colour through load and save, 16-bit gamma works on whole samples, damaged image data (a stream
// ending early, an unknown filter byte) is reported, and the picture library refuses widths whose rows
// do not fit in memory before it allocates anything.
#include "PngFixture.h"

#include "imaging/picture/PngGraphic.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "tests/support/MemoryCeiling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace png_faults_test {
using namespace pngfix;

std::string MessageOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

} // namespace png_faults_test

using namespace png_faults_test;

TEST(PngFaults, SixteenBitImagesKeepWhiteAndTheirKeyThroughLoadAndSave) {
    // Grey and RGB, 16 bits, with a key colour: the keyed pixel stays transparent after a load and a
    // save, for the codec and for the skin image, and every sample is written back as it was read.
    struct Case {
        int ColorType;
        std::string Key;
    };
    const Case cases[] = {{0, Be16(0x1234)}, {2, Be16(0x1234) + Be16(0x5678) + Be16(0x9ABC)}};
    auto sample = [](int x, int, int c) {
        if (x == 0) return 0x1234 + c * 0x4444; // the key
        return x == 1 ? 0xFFFF : 0x1299 + c;    // white; a near miss of the key
    };
    for (const Case& c : cases)
        for (bool skin : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "colour type " << c.ColorType << (skin ? ", skin" : ", codec"));
            const std::string file = Png(3, 1, 16, c.ColorType, 0, sample, Chunk("tRNS", c.Key));
            std::unique_ptr<TPngPicture> pic =
                skin ? std::unique_ptr<TPngPicture>(LoadSkin(file)) : Load(file);
            ASSERT_EQ(pic->TransparencyKind(), tkBit);
            ASSERT_EQ(pic->KeyColor(), pic->GetPixel(0, 0));
            const std::string saved = Save(*pic);
            std::unique_ptr<TPngPicture> again =
                skin ? std::unique_ptr<TPngPicture>(LoadSkin(saved)) : Load(saved);
            EXPECT_EQ(again->TransparencyKind(), tkBit);
            EXPECT_EQ(again->KeyColor(), again->GetPixel(0, 0));
            EXPECT_EQ(again->GetPixel(1, 0), RGB(255, 255, 255));
            const auto written = WrittenSamples(*again);
            const int channels = Channels(c.ColorType);
            // Any reader comparing whole 16-bit samples finds the keyed pixel: the written key is the
            // keyed pixel's written samples.
            std::string key;
            for (const auto& chunk : ParseChunks(Save(*again)))
                if (chunk.Type == "tRNS") key = chunk.Data;
            ASSERT_EQ(key.size(), std::size_t(2 * channels));
            for (int ch = 0; ch < channels; ++ch) {
                EXPECT_EQ(written[std::size_t(ch)], (std::uint8_t(key[std::size_t(2 * ch)]) << 8) |
                                                        std::uint8_t(key[std::size_t(2 * ch + 1)]));
            }
            for (int ch = 0; ch < channels; ++ch) {
                EXPECT_EQ(written[std::size_t(channels + ch)], 0xFFFF); // white stays white
                const int original = sample(2, 0, ch);
                EXPECT_EQ(written[std::size_t(2 * channels + ch)], original);
            }
        }
}

TEST(PngFaults, SixteenBitGammaWorksOnWholeSamples) {
    // File gamma 1.0 shown on a 2.2 display: 0x00FF is about 20 of 255, not 0 as its high byte would
    // give; a sample that is a multiple of 257 gives exactly the gamma table's value.
    const std::string gama = Chunk("gAMA", Be32(100000));
    auto sample = [](int x, int, int c) { return c == 3 ? 0xFFFF : x == 0 ? 0x00FF : 0x4040; };
    const int expected = int(std::lround(std::pow(255.0 / 65535.0, 1 / 2.2) * 255));
    // Grey and grey + alpha as well as colour: the gamma works on the whole sample at every colour type.
    for (int colorType : {0, 2, 4, 6}) {
        SCOPED_TRACE(colorType);
        const auto pic = Load(Png(2, 1, 16, colorType, 0, sample, gama));
        EXPECT_EQ(int(GetRValue(pic->GetPixel(0, 0))), expected);
        EXPECT_EQ(GetRValue(pic->GetPixel(1, 0)), pic->GammaLookup[0x40]);
        // The picture library shows the same levels: from its grey ramp or its colour rows.
        TStringStream s(Png(2, 1, 16, colorType, 0, sample, gama));
        TPNGGraphic graphic;
        graphic.LoadFromStream(&s);
        const auto* line = static_cast<const std::uint8_t*>(graphic.ScanLine(0));
        auto red = [&](int x) -> int {
            switch (graphic.PixelFormat()) {
            case pf8bit:
                return graphic.Palette()[line[x]].rgbRed;
            case pf24bit:
                return line[3 * x + 2];
            default:
                return line[4 * x + 2];
            }
        };
        EXPECT_EQ(red(0), expected);
        EXPECT_EQ(red(1), graphic.ColorManager().GammaTable()[0x40]);
    }
}

// The picture library compares a 16-bit key on the whole sample too: a pixel that shares the key's
// high bytes is shown a level off the key colour, so that it stays opaque; the key pixel is the key.
TEST(PngFaults, PictureLibrarySixteenBitKeyComparesWholeSamples) {
    for (int colorType : {0, 2})
        for (bool gamma : {false, true}) {
            SCOPED_TRACE(testing::Message() << colorType << (gamma ? " gamma" : ""));
            std::string key;
            for (int c = 0; c < Channels(colorType); ++c)
                key += Be16(std::uint16_t(0x1234 + 0x1111 * c));
            const SampleFn sample = [](int x, int, int c) {
                return x == 0 ? 0x1234 + 0x1111 * c : 0x12FF + 0x1100 * c;
            };
            std::string extra = Chunk("tRNS", key);
            if (gamma) extra = Chunk("gAMA", Be32(100000)) + extra;
            TStringStream s(Png(2, 1, 16, colorType, 0, sample, extra));
            TPNGGraphic graphic;
            graphic.LoadFromStream(&s);
            ASSERT_TRUE(graphic.Transparent());
            const COLORREF keyColor = COLORREF(graphic.TransparentColor()) & 0xFFFFFF;
            const auto* line = static_cast<const std::uint8_t*>(graphic.ScanLine(0));
            auto colour = [&](int x) {
                if (graphic.PixelFormat() == pf8bit) {
                    const RGBQUAD e = graphic.Palette()[line[x]];
                    return RGB(e.rgbRed, e.rgbGreen, e.rgbBlue);
                }
                return RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
            };
            EXPECT_EQ(colour(0), keyColor);
            EXPECT_NE(colour(1), keyColor);
        }
}

// A picture at the size cap takes one picture's memory: its data are decoded straight into the bitmap.
// One whose data cannot fill it is refused before anything is allocated, and memory that runs out is the
// library's own error.
TEST(PngFaults, PictureLibraryMemoryStaysWithinOnePicture) {
    if (!memory_ceiling::Available) GTEST_SKIP() << "no address-space ceiling under the address sanitizer";
    const int side = 8192;
    std::string rows;
    const std::string row(std::size_t(side) * 4 + 1, '\0');
    for (int y = 0; y < side; ++y)
        rows += row;
    const std::string full =
        Signature() + Ihdr(side, side, 8, 6) + Chunk("IDAT", Zlib(rows)) + Chunk("IEND", "");
    rows.clear();
    const std::string tiny =
        Signature() + Ihdr(side, side, 8, 6) + Chunk("IDAT", Zlib(std::string(64, '\0'))) + Chunk("IEND", "");
    EXPECT_LT(tiny.size(), 120u);
    const std::string invalid = "Cannot load image. Invalid or unexpected PNG image format.";
    EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(16) << 20, [&] {
        TStringStream s(tiny);
        TPNGGraphic graphic;
        return MessageOf([&] { graphic.LoadFromStream(&s); }) == invalid;
    }));
    // The picture itself is 256 MiB of pixels.
    EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(300) << 20, [&] {
        TStringStream s(full);
        TPNGGraphic graphic;
        graphic.LoadFromStream(&s);
        return graphic.Width() == side && graphic.PixelFormat() == pf32bit;
    }));
    EXPECT_TRUE(memory_ceiling::UnderAddressLimit(std::size_t(128) << 20, [&] {
        TStringStream s(full);
        TPNGGraphic graphic;
        return MessageOf([&] { graphic.LoadFromStream(&s); }) == invalid;
    }));
}

TEST(PngFaults, DamagedImageDataIsReported) {
    // 4 x 4 grey rows of 5 bytes each (filter byte first).
    std::string raw;
    for (int y = 0; y < 4; ++y)
        raw += std::string(1, '\0') + std::string(4, char(10 + y));
    std::string badFilter = raw;
    badFilter[10] = 5; // the third row's filter byte
    struct Case {
        const char* Name;
        std::string Rows;
        const char* Description;
        int RowsKept; // by the skin image, which stops quietly
    };
    const Case cases[] = {
        {"stream ends inside a row", raw.substr(0, 12), "stream end (1)", 2},
        {"stream ends at a row boundary", raw.substr(0, 10), "stream end (1)", 2},
        {"filter type 5", badFilter, "data error (-3)", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string file =
            Signature() + Ihdr(4, 4, 8, 0) + Chunk("IDAT", Zlib(c.Rows)) + Chunk("IEND", "");
        EXPECT_THROW(Load(file), EPNGZLIBError);
        EXPECT_EQ(MessageOf([&] { Load(file); }), std::string(PngText::ZLIBError) + c.Description);
        const auto skin = LoadSkin(file);
        ASSERT_FALSE(skin->Empty());
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(GetRValue(skin->GetPixel(0, y)), y < c.RowsKept ? 10 + y : 0) << y;
        // The picture library reports an unknown filter type as an invalid image.
        if (c.Description == std::string("data error (-3)")) {
            TStringStream s(file);
            TPNGGraphic graphic;
            EXPECT_EQ(MessageOf([&] { graphic.LoadFromStream(&s); }),
                      "Cannot load image. Invalid or unexpected PNG image format.");
        }
    }
}

TEST(PngFaults, PictureLibraryRefusesWidthsBeyondItsCapBeforeAllocating) {
    if (!memory_ceiling::Available) GTEST_SKIP() << "no address-space ceiling under the address sanitizer";
    // Widths the header check accepts but whose rows overflow 32 bits of bytes: 2^31 - 1 at 1 bit,
    // 2^28 at 8 bits, 2^26 at 32 bits; and one within 32 bits but beyond the pixel cap.
    struct Case {
        std::uint32_t Width, Height;
        int Depth, ColorType;
    };
    const Case cases[] = {
        {0x7FFFFFFFu, 1, 1, 0}, {1u << 28, 1, 8, 0}, {1u << 26, 1, 8, 6}, {20000, 20000, 8, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Width << " x " << c.Height);
        const std::string file = Signature() + Ihdr(c.Width, c.Height, c.Depth, c.ColorType) +
                                 Chunk("IDAT", Zlib(std::string(64, '\0'))) + Chunk("IEND", "");
        EXPECT_LT(file.size(), 100u);
        EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(64) << 20, [&] {
            TStringStream s(file);
            TPNGGraphic graphic;
            return MessageOf([&] { graphic.LoadFromStream(&s); }) ==
                   "Cannot load image. Invalid or unexpected PNG image format.";
        }));
    }
}
