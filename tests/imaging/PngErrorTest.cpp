// Every reading error of the codec, with its class and its exact message, and what stays loaded.
#include "PngFixture.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>

#include <functional>

namespace {
using namespace pngfix;

std::string Data(int w, int h, int depth = 8, int type = 0) {
    return Zlib(RawImage(w, h, depth, type, 0, [](int x, int y, int) { return (x + y) & 1; }));
}

std::string MessageOf(const std::string& bytes) {
    TPngPicture pic;
    TStringStream s(bytes);
    try {
        pic.LoadFromStream(&s);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

TEST(PngErrors, EveryErrorHasItsClassAndMessage) {
    const std::string ok = Chunk("IDAT", Data(2, 2)) + Chunk("IEND", "");
    struct Case {
        const char* Name;
        std::string Bytes;
        std::function<void(const std::string&)> Check;
        std::string Message;
    };
    auto is = [](auto tag) {
        using E = decltype(tag);
        return [](const std::string& bytes) {
            TPngPicture pic;
            TStringStream s(bytes);
            EXPECT_THROW(pic.LoadFromStream(&s), E);
        };
    };
    std::string badIdatCrc =
        Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", Data(2, 2), true) + Chunk("IEND", "");
    const std::string splitData = Data(4, 4);
    const Case cases[] = {
        {"signature", "GIF89a\0\0", is(EPNGInvalidFileHeader{""}),
         "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an "
         "invalid "
         "header. This file may be corruped, try obtaining it again."},
        {"no length", Signature() + Ihdr(2, 2, 8, 0), is(EPngUnexpectedEnd{""}),
         "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of "
         "the "
         "file."},
        {"IHDR not first", Signature() + Chunk("gAMA", Be32(1)) + Ihdr(2, 2, 8, 0) + ok,
         is(EPNGIHDRNotFirst{""}),
         "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk "
         "is not "
         "the first)"},
        {"critical", Signature() + Ihdr(2, 2, 8, 0) + Chunk("XYZW", "") + ok,
         is(EPNGUnknownCriticalChunk{""}),
         "This \"Portable Network Graphics\" image contains an unknown critical part which could not be "
         "decoded."},
        {"no data", Signature() + Ihdr(2, 2, 8, 0) + Chunk("IEND", ""), is(EPNGNoImageData{""}),
         "This \"Portable Network Graphics\" image contains no data."},
        {"crc", Signature() + Ihdr(2, 2, 8, 0) + Chunk("tEXt", std::string("a\0b", 3), true) + ok,
         is(EPngInvalidCRC{""}),
         "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data "
         "(crc "
         "error)"},
        {"short IHDR", Signature() + Chunk("IHDR", std::string(12, '\0')) + ok, is(EPngInvalidIHDR{""}),
         "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data "
         "(ihdr) "
         "might be corrupted"},
        {"width", Signature() + Ihdr(65536, 1, 8, 0) + ok, is(EPNGSizeExceeds{""}),
         "This \"Portable Network Graphics\" image is not supported because either it's width or height "
         "exceeds "
         "the maximum size, which is 65535 pixels length."},
        {"zero height", Signature() + Ihdr(5, 0, 8, 0) + ok, is(EPNGSizeExceeds{""}), ""},
        {"too many pixels", Signature() + Ihdr(65535, 65535, 8, 6) + ok, is(EPNGSizeExceeds{""}), ""},
        {"compression", Signature() + Ihdr(2, 2, 8, 0, 0, 1) + ok, is(EPNGUnknownCompression{""}),
         "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could "
         "not "
         "be decoded."},
        {"interlace", Signature() + Ihdr(2, 2, 8, 0, 2) + ok, is(EPNGUnknownInterlace{""}),
         "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be "
         "decoded."},
        {"second IHDR", Signature() + Ihdr(2, 2, 8, 0) + Ihdr(3, 3, 8, 0) + ok, is(EPngInvalidIHDR{""}), ""},
        {"RGB depth 4", Signature() + Ihdr(2, 2, 4, 2) + ok, is(EPngInvalidIHDR{""}), ""},
        {"colour type 5", Signature() + Ihdr(2, 2, 8, 5) + ok, is(EPngInvalidIHDR{""}), ""},
        {"palette 769", Signature() + Ihdr(2, 2, 8, 3) + Chunk("PLTE", std::string(769, '\1')) + ok,
         is(EPNGInvalidPalette{""}), "The \"Portable Network Graphics\" image contains an invalid palette."},
        {"palette 771", Signature() + Ihdr(2, 2, 8, 3) + Chunk("PLTE", std::string(771, '\1')) + ok,
         is(EPNGInvalidPalette{""}), ""},
        {"tRNS 257", Signature() + Ihdr(2, 2, 8, 3) + Plte(2) + Chunk("tRNS", std::string(257, '\1')) + ok,
         is(EPNGInvalidPalette{""}), ""},
        {"palette image without PLTE", Signature() + Ihdr(2, 2, 8, 3) + ok, is(EPNGInvalidPalette{""}), ""},
        {"data continue elsewhere",
         Signature() + Ihdr(4, 4, 8, 0) + Chunk("IDAT", splitData.substr(0, 5)) + Chunk("tEXt", "a") +
             Chunk("IDAT", splitData.substr(5)) + Chunk("IEND", ""),
         is(EPNGMissingMultipleIDAT{""}),
         "This \"Portable Network Graphics\" image is invalid because it has missing image parts."},
        {"zlib",
         Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", "\x78\x9c\xff\xff\xff\xff") + Chunk("IEND", ""),
         is(EPNGZLIBError{""}),
         "Could not decompress the image because it contains invalid compressed data.\r\n Description: data "
         "error "
         "(-3)"},
        {"IDAT crc", badIdatCrc, is(EPngInvalidCRC{""}), ""},
        {"length beyond the end", Signature() + Ihdr(2, 2, 8, 0) + Be32(0x7FFFFFF0) + "tEXt",
         is(EPngUnexpectedEnd{""}), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Check(c.Bytes);
        if (!c.Message.empty()) {
            EXPECT_EQ(MessageOf(c.Bytes), c.Message);
        }
    }
}

TEST(PngErrors, ChunksReadBeforeAFailureStay) {
    TPngPicture pic;
    TStringStream s(Signature() + Ihdr(2, 2, 8, 0) + Chunk("IEND", ""));
    EXPECT_THROW(pic.LoadFromStream(&s), EPNGNoImageData);
    ASSERT_EQ(pic.ChunkList().Count(), 2);
    EXPECT_EQ(pic.ChunkList().Item(0)->ChunkType(), "IHDR");
    EXPECT_EQ(pic.ChunkList().Item(1)->ChunkType(), "IEND");
}

TEST(PngErrors, RowsDecodedBeforeABadDataCrcStay) {
    // The data are split so that the first chunk holds the first rows completely.
    const std::string raw = RawImage(
        4, 8, 8, 0, 0, [](int, int y, int) { return 10 + y; }, 0);
    const std::string data = Zlib(raw, 0); // stored blocks: data bytes appear in order
    const std::size_t cut = data.size() / 2;
    const std::string png = Signature() + Ihdr(4, 8, 8, 0) + Chunk("IDAT", data.substr(0, cut), true) +
                            Chunk("IDAT", data.substr(cut)) + Chunk("IEND", "");
    TPngPicture pic;
    TStringStream s(png);
    EXPECT_THROW(pic.LoadFromStream(&s), EPngInvalidCRC);
    EXPECT_EQ(GetRValue(pic.GetPixel(0, 0)), 10);
    EXPECT_EQ(GetRValue(pic.GetPixel(0, 1)), 11);
}

TEST(PngErrors, FullPaletteIsAccepted) {
    const std::string data = Zlib(RawImage(2, 1, 8, 3, 0, [](int x, int, int) { return x * 255; }));
    const auto pic = Load(Signature() + Ihdr(2, 1, 8, 3) + Chunk("PLTE", std::string(768, '\x07')) +
                          Chunk("IDAT", data) + Chunk("IEND", ""));
    EXPECT_EQ(pic->GetPixel(1, 0), RGB(7, 7, 7));
}

TEST(PngErrors, WidthLimitIsInclusive) {
    // 65535 × 1 is fine; the plane cap is far above it.
    TPngPicture pic;
    const std::string data = Zlib(std::string(65536, '\0'));
    TStringStream s(Signature() + Ihdr(65535, 1, 8, 0) + Chunk("IDAT", data) + Chunk("IEND", ""));
    pic.LoadFromStream(&s);
    EXPECT_EQ(pic.Width(), 65535);
}

TEST(PngErrors, TruncatedDataKeepsRowsAndReportsTheEnd) {
    const std::string png = Png(4, 8, 8, 0, 0, [](int, int y, int) { return 10 + y; });
    for (std::size_t keep :
         {png.size() - 20, png.size() - 12, png.size() / 2, std::size_t(20), std::size_t(40)}) {
        TPngPicture pic;
        TStringStream s(png.substr(0, keep));
        EXPECT_THROW(pic.LoadFromStream(&s), Exception) << keep;
    }
}

TEST(PngErrors, OperationsWithoutHeader) {
    TPngPicture pic;
    EXPECT_THROW(pic.TransparencyKind(), EPNGHeaderNotPresent);
    EXPECT_THROW(pic.GetPixel(0, 0), EPNGHeaderNotPresent);
    EXPECT_THROW(pic.AddAlphaPlane(), EPNGHeaderNotPresent);
    try {
        pic.KeyColor();
        FAIL();
    } catch (const EPNGHeaderNotPresent& e) {
        EXPECT_EQ(e.Message(),
                  "This operation is not valid because the current image contains no valid header.");
    }
    TPixelBuffer32 target;
    pic.Draw(target, TRect{0, 0, 1, 1}); // nothing, and no error
    EXPECT_EQ(pic.Width(), 0);
    EXPECT_TRUE(pic.Empty());
    try {
        pic.SetWidth(5);
        FAIL();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message(),
                  "The \"Portable Network Graphics\" image can not be resize by changing width and "
                  "height properties. Try assigning the image from a bitmap.");
    }
}

} // namespace
