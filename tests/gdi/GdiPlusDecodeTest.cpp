// The GDI+ stand-in's decoders on files made by hand: every BMP form the class library reads, 16-bit and
// interlaced PNGs read as the program's own codec shows them, and hostile files of a few dozen bytes
// that must be refused without the memory they claim.
#include "platform/gdi/GdiPlus.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StreamAdapter.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/MemoryCeiling.h"
#include "tests/support/PngBytes.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace gdiplus_decode_test {

using namespace bmp_bytes_test;
using namespace png_bytes_test;

// Loads a picture from bytes; the status, and the image (to dispose of) when it loaded.
GpStatus Load(const std::string& bytes, GpImage*& image) {
    TMemoryStream memory;
    memory.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    memory.SetPosition(0);
    IStream* stream = new TStreamAdapter(&memory);
    image = nullptr;
    const GpStatus status = GdipLoadImageFromStream(stream, &image);
    stream->Release();
    return status;
}

// The premultiplied pixels of a picture that must load, row by row.
std::vector<ARGB> Pixels(const std::string& bytes, UINT expectWidth, UINT expectHeight) {
    GpImage* image = nullptr;
    EXPECT_EQ(Load(bytes, image), Ok);
    std::vector<ARGB> pixels;
    if (!image) return pixels;
    UINT w = 0, h = 0;
    GdipGetImageWidth(image, &w);
    GdipGetImageHeight(image, &h);
    EXPECT_EQ(w, expectWidth);
    EXPECT_EQ(h, expectHeight);
    for (UINT y = 0; y < h; ++y)
        for (UINT x = 0; x < w; ++x) {
            ARGB c = 0;
            GdipBitmapGetPremultipliedPixel(static_cast<GpBitmap*>(image), INT(x), INT(y), &c);
            pixels.push_back(c);
        }
    GdipDisposeImage(image);
    return pixels;
}

// A JPEG of w x h mid-grey pixels, progressive on request, from libjpeg itself.
std::string Jpeg(int w, int h, bool progressive) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(w) * 3, 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

// The same file claiming another size in its frame header.
std::string ClaimSize(std::string jpeg, int w, int h) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i)
        if (std::uint8_t(jpeg[i]) == 0xFF && (std::uint8_t(jpeg[i + 1]) & 0xF0) == 0xC0 &&
            std::uint8_t(jpeg[i + 1]) != 0xC4 && std::uint8_t(jpeg[i + 1]) != 0xC8 &&
            std::uint8_t(jpeg[i + 1]) != 0xCC) {
            jpeg[i + 5] = char(h >> 8), jpeg[i + 6] = char(h);
            jpeg[i + 7] = char(w >> 8), jpeg[i + 8] = char(w);
            return jpeg;
        }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}

} // namespace gdiplus_decode_test

using namespace gdiplus_decode_test;

TEST(GdiPlusDecode, ReadsEveryBmpFormOfTheClassLibrary) {
    const std::string redBlue = Bytes({0, 0, 255, 0, 255, 0, 0, 0}); // palette: red, blue
    struct Case {
        const char* Name;
        std::string File;
        std::vector<ARGB> Expected; // 2 x 1 pixels
    };
    const Case cases[] = {
        {"16-bit 5-5-5",
         BmpOf(InfoHeader(2, 1, 16, BI_RGB), "", Le16(0x7C00) + Le16(0x001F)),
         {0xFFFF0000u, 0xFF0000FFu}},
        {"16-bit 5-6-5 masks",
         BmpOf(InfoHeader(2, 1, 16, BI_BITFIELDS), Le32(0xF800) + Le32(0x07E0) + Le32(0x001F),
               Le16(0x07E0) + Le16(0xF800)),
         {0xFF00FF00u, 0xFFFF0000u}},
        {"32-bit masks in an unusual order",
         BmpOf(InfoHeader(2, 1, 32, BI_BITFIELDS), Le32(0x000000FF) + Le32(0x0000FF00) + Le32(0x00FF0000),
               Le32(0x000000FF) + Le32(0x00FF0000)),
         {0xFFFF0000u, 0xFF0000FFu}},
        {"8-bit run-length",
         BmpOf(InfoHeader(2, 1, 8, 1, 6, 2), redBlue, Bytes({1, 1, 1, 0, 0, 1})),
         {0xFF0000FFu, 0xFFFF0000u}},
        {"4-bit run-length",
         BmpOf(InfoHeader(2, 1, 4, 2, 4, 2), redBlue, Bytes({2, 0x10, 0, 1})),
         {0xFF0000FFu, 0xFFFF0000u}},
        {"core header, 24-bit",
         BmpOf(CoreHeader(2, 1, 24), "", Bytes({0, 255, 0, 255, 255, 255, 0, 0})),
         {0xFF00FF00u, 0xFFFFFFFFu}},
        {"core header, 1-bit",
         BmpOf(CoreHeader(2, 1, 1), Bytes({0, 0, 255, 255, 0, 0}), Bytes({0x40, 0, 0, 0})),
         {0xFFFF0000u, 0xFF0000FFu}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Pixels(c.File, 2, 1), c.Expected);
    }
}

TEST(GdiPlusDecode, SixteenBitPngsShowTheirHighBytes) {
    // Grey 0x8000 is mid-grey (not brightened as linear light); a 16-bit RGB picture reads the same
    // interlaced as not; a 16-bit grey key becomes transparency.
    EXPECT_EQ(Pixels(PngOfRows(1, 1, 16, 0, std::string(1, '\0') + Be16(0x8000)), 1, 1),
              std::vector<ARGB>{0xFF808080u});
    auto sample = [](int x, int y, int c) {
        return std::uint16_t(((x * 3 + y * 5 + c * 7) % 16) * 0x1111 + x);
    };
    std::string rows, adam7;
    for (int y = 0; y < 3; ++y) {
        rows += '\0';
        for (int x = 0; x < 3; ++x)
            for (int c = 0; c < 3; ++c)
                rows += Be16(sample(x, y, c));
    }
    // Adam7 of a 3 x 3 picture: pass 1 (0,0); pass 4 (2,0); pass 5 (0,2), (2,2); pass 6 (1,0), (1,2);
    // pass 7 rows 1: (0..2,1).
    auto pixel = [&](int x, int y) {
        return Be16(sample(x, y, 0)) + Be16(sample(x, y, 1)) + Be16(sample(x, y, 2));
    };
    adam7 = '\0' + pixel(0, 0) + '\0' + pixel(2, 0) + '\0' + pixel(0, 2) + pixel(2, 2) + '\0' + pixel(1, 0) +
            '\0' + pixel(1, 2) + '\0' + pixel(0, 1) + pixel(1, 1) + pixel(2, 1);
    const std::string interlaced =
        Signature() + Ihdr(3, 3, 16, 2, 1) + Chunk("IDAT", Zlib(adam7)) + Chunk("IEND", "");
    const auto plain = Pixels(PngOfRows(3, 3, 16, 2, rows), 3, 3);
    ASSERT_EQ(plain.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        const int x = i % 3, y = i / 3;
        const ARGB expected = 0xFF000000u | (ARGB(sample(x, y, 0) >> 8) << 16) |
                              (ARGB(sample(x, y, 1) >> 8) << 8) | ARGB(sample(x, y, 2) >> 8);
        EXPECT_EQ(plain[std::size_t(i)], expected) << i;
    }
    EXPECT_EQ(Pixels(interlaced, 3, 3), plain);
    const std::string keyed = PngOfRows(2, 1, 16, 0, std::string(1, '\0') + Be16(0x1234) + Be16(0x1235),
                                        Chunk("tRNS", Be16(0x1234)));
    EXPECT_EQ(Pixels(keyed, 2, 1), (std::vector<ARGB>{0u, 0xFF121212u}));
}

TEST(GdiPlusDecode, GammaWorksOnTheFullSixteenBitSamples) {
    // With a file gamma of 1.0 the darkest 16-bit levels are far from black on a 2.2 display:
    // 0x00FF shows as about 20 of 255, which cutting to 8 bits first would turn into 0.
    const std::string file =
        PngOfRows(1, 1, 16, 0, std::string(1, '\0') + Be16(0x00FF), Chunk("gAMA", Be32(100000)));
    const auto pixels = Pixels(file, 1, 1);
    ASSERT_EQ(pixels.size(), 1u);
    const int expected = int(std::lround(std::pow(255.0 / 65535.0, 1 / 2.2) * 255));
    EXPECT_NEAR(int(pixels[0] & 0xFF), expected, 1);
}

TEST(GdiPlusDecode, HostileFilesAreRefusedWithoutTheMemoryTheyClaim) {
    if (!memory_ceiling::Available) GTEST_SKIP() << "no address-space ceiling under the address sanitizer";
    struct Case {
        const char* Name;
        std::string File;
    };
    const Case cases[] = {
        {"PNG text chunk claiming 2 GB", Signature() + Ihdr(1, 1, 8, 0) + Be32(0x7FFFFFF0) + "tEXtabcdefgh"},
        {"PNG claiming 30000 x 30000", Signature() + Ihdr(30000, 30000, 8, 6) + Chunk("IEND", "")},
        // Within the pixel cap, with image data far too short to fill it.
        {"PNG of 8192 x 8192 with 20 bytes of image data", Signature() + Ihdr(8192, 8192, 8, 6) +
                                                               Chunk("IDAT", Zlib(std::string(64, '\0'))) +
                                                               Chunk("IEND", "")},
        {"run-length BMP of 3328 x 18432 (within the cap) with 260 bytes",
         BmpOf(InfoHeader(3328, 18432, 4, 2, 0, 16), std::string(64, '\0'),
               [] {
                   std::string runs;
                   for (int i = 0; i < 64; ++i)
                       runs += Bytes({255, 0x12, 0, 0});
                   return runs + Bytes({0, 1});
               }())},
        {"progressive JPEG claiming 65500 x 65500", ClaimSize(Jpeg(16, 16, true), 65500, 65500)},
        {"progressive JPEG claiming 30000 x 30000", ClaimSize(Jpeg(16, 16, true), 30000, 30000)},
        {"BMP claiming 32768 x 32768",
         BmpOf(InfoHeader(32768, 32768, 32, BI_RGB), "", std::string(1000, 'x'))},
        {"run-length BMP claiming 32768 x 32768",
         BmpOf(InfoHeader(32768, 32768, 8, 1, 0, 1), Bytes({0, 0, 0, 0}), Bytes({0, 1}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_LT(c.File.size(), 1100u);
        EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(64) << 20, [&] {
            GpImage* image = nullptr;
            const GpStatus status = Load(c.File, image);
            if (image) GdipDisposeImage(image);
            return status != Ok;
        }));
    }
}

TEST(GdiPlusDecode, DamagedJpegsFailCleanly) {
    const std::string good = Jpeg(16, 16, false);
    EXPECT_EQ(Pixels(good, 16, 16).size(), 256u);
    // A second frame header after the picture's data: the decoder fails once every row was read.
    const std::string secondFrame =
        good.substr(0, good.size() - 2) + "\xFF\xC0" + good.substr(good.find("\xFF\xC0") + 2);
    // Cut inside the headers: no picture at all.
    const std::string cut = good.substr(0, 40);
    for (const std::string* file : {&secondFrame, &cut}) {
        GpImage* image = nullptr;
        EXPECT_EQ(Load(*file, image), GenericError);
        EXPECT_EQ(image, nullptr);
    }
}
