// Cross-checks with an independent encoder and decoder on the machine (ImageMagick's convert): files it
// writes decode to the same pixels here, and files written here decode to the same pixels there.
#include "PngFixture.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
using namespace pngfix;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out << data;
}

// 16-bit RGBA samples of a test picture, big-endian, with transparent and half-transparent areas.
std::string Rgba16(int w, int h) {
    std::string out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v[4] = {x * 4000 + y * 13, y * 3000 + 7 * x, (x * y * 977) & 0xFFFF,
                              x < 3 ? 0 : (y * 9000) & 0xFFFF};
            for (int c : v)
                out += Be16(std::uint16_t(c & 0xFFFF));
        }
    return out;
}

class ConvertCrossCheck : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed: cross-checks skipped";
    }
};

// What convert decodes a PNG to, as 16-bit RGBA.
std::string ConvertDecode(const std::string& png) {
    const std::string in = OutPath("cross-decode.png"), out = OutPath("cross-decode.rgba");
    WriteFile(in, png);
    if (!pngfix::Run("convert '" + in + "' -depth 16 -endian MSB rgba:'" + out + "'")) return {};
    return ReadFile(out);
}

TEST_F(ConvertCrossCheck, FilesWrittenByConvertDecodeToTheSamePixels) {
    const int w = 23, h = 17;
    const std::string raw = OutPath("cross-source.rgba");
    WriteFile(raw, Rgba16(w, h));
    struct Case {
        const char* Options;
        int ColorType, Depth;
    };
    const Case cases[] = {
        {"-define png:color-type=6 -define png:bit-depth=8", 6, 8},
        {"-define png:color-type=6 -define png:bit-depth=16", 6, 16},
        {"-define png:color-type=6 -define png:bit-depth=8 -interlace PNG", 6, 8},
        {"-define png:color-type=6 -define png:bit-depth=16 -interlace PNG", 6, 16},
        {"-alpha off -define png:color-type=2 -define png:bit-depth=8", 2, 8},
        {"-alpha off -define png:color-type=2 -define png:bit-depth=16 -interlace PNG", 2, 16},
        {"-alpha off -colorspace Gray -define png:color-type=0 -define png:bit-depth=8", 0, 8},
        {"-alpha off -colorspace Gray -define png:color-type=0 -define png:bit-depth=16", 0, 16},
        {"-colorspace Gray -define png:color-type=4 -define png:bit-depth=8 -interlace PNG", 4, 8},
        {"-alpha off -colors 12 -define png:color-type=3", 3, 0},
        {"-alpha off -colorspace Gray -depth 2 -define png:color-type=0 -define png:bit-depth=2", 0, 2},
        {"-alpha off -colorspace Gray -depth 1 -define png:color-type=0 -define png:bit-depth=1 -interlace "
         "PNG",
         0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Options);
        const std::string png = OutPath("cross-made.png");
        ASSERT_TRUE(pngfix::Run("convert -size " + std::to_string(w) + "x" + std::to_string(h) +
                                " -depth 16 -endian MSB rgba:'" + raw + "' " + c.Options + " '" + png + "'"));
        const std::string bytes = ReadFile(png);
        const auto pic = Load(bytes);
        EXPECT_EQ(pic->HeaderChunk()->ColorType, c.ColorType);
        if (c.Depth) {
            EXPECT_EQ(pic->HeaderChunk()->BitDepth, c.Depth);
        }
        const std::string ref = ConvertDecode(bytes);
        ASSERT_EQ(ref.size(), std::size_t(w * h * 8));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto* p = reinterpret_cast<const unsigned char*>(ref.data()) + (y * w + x) * 8;
                // The codec keeps the high byte of 16-bit samples; 8-bit samples read back as v × 257.
                const COLORREF expected = RGB(p[0], p[2], p[4]);
                ASSERT_EQ(pic->GetPixel(x, y), expected) << x << "," << y;
                if (pic->AlphaRow(y)) {
                    ASSERT_EQ(pic->AlphaRow(y)[x], p[6]) << x << "," << y;
                }
            }
    }
}

TEST_F(ConvertCrossCheck, FilesWrittenHereDecodeThereToTheSamePixels) {
    // Small images, and larger ones whose data fills several chunks, with the filters left to the encoder.
    const int formats[][3] = {{6, 8, 0}, {6, 16, 1}, {2, 8, 1}, {0, 2, 0},
                              {0, 4, 1}, {4, 8, 0},  {3, 8, 0}, {3, 2, 1}};
    const int sizes[][2] = {{19, 13}, {300, 180}};
    for (const auto& size : sizes)
        for (const auto& f : formats) {
            const int w = size[0], h = size[1];
            SCOPED_TRACE(testing::Message() << f[0] << "/" << f[1] << "/" << f[2] << " " << w << "x" << h);
            const std::string plte = f[0] == 3 ? Plte(1 << f[1]) : std::string();
            auto sample = [&](int x, int y, int c) {
                const int grain = w > 100 ? NoiseSample(x, y, c) % 7 : 0;
                return (x * 31 + y * 17 + c * 5 + x * y + grain) & ((1 << f[1]) - 1);
            };
            const auto pic = Load(Png(w, h, f[1], f[0], f[2], sample, plte));
            pic->SetFilterSet(PngAllFilters);
            const std::string ref = ConvertDecode(Save(*pic));
            ASSERT_EQ(ref.size(), std::size_t(w * h * 8));
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const auto* p = reinterpret_cast<const unsigned char*>(ref.data()) + (y * w + x) * 8;
                    ASSERT_EQ(pic->GetPixel(x, y), RGB(p[0], p[2], p[4])) << x << "," << y;
                    const int alpha = pic->AlphaRow(y) ? pic->AlphaRow(y)[x] : 255;
                    ASSERT_EQ(alpha, p[6]);
                }
        }
}

} // namespace
