// What a loaded PNG file is saved back as: the file's own samples, whatever gamma it carries, with a
// 16-bit transparency key that only the whole sample matches.
#include "PngFixture.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSampleLevels.h"
#include "imaging/png/SkinPngImage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
using namespace pngfix;

// Samples over the whole range with many dark ones, where a gamma spreads the levels most.
int RampSample(int depth, int x, int y, int c) {
    const int max = depth == 16 ? 65535 : 255;
    const double t = (x + 16 * y + 5 * c) / 80.0;
    return int(std::lround(std::pow(std::fmod(t, 1.0), 3.0) * max));
}

std::unique_ptr<TPngPicture> LoadAs(bool skin, const std::string& file) {
    return skin ? std::unique_ptr<TPngPicture>(LoadSkin(file)) : Load(file);
}

struct RoundTripCase {
    const char* name;
    int depth, colorType;
    int gamma; // gAMA value, 0 for none
};

class PngSampleRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(PngSampleRoundTrip, SavingWritesTheSamplesThatWereRead) {
    const RoundTripCase& c = GetParam();
    const SampleFn sample = [&](int x, int y, int ch) {
        return ch == 3 || (c.colorType == 4 && ch == 1) ? (x * 4099) & (c.depth == 16 ? 0xFFFF : 0xFF)
                                                        : RampSample(c.depth, x, y, ch);
    };
    const std::string extra = c.gamma ? Chunk("gAMA", Be32(std::uint32_t(c.gamma))) : std::string();
    for (bool skin : {false, true}) {
        SCOPED_TRACE(skin ? "skin" : "codec");
        const std::string file = Png(16, 5, c.depth, c.colorType, 0, sample, extra);
        const auto pic = LoadAs(skin, file);
        const auto expected = SampleList(16, 5, c.colorType, sample);
        auto written = WrittenSamples(*pic);
        ASSERT_EQ(written.size(), expected.size());
        const int channels = Channels(c.colorType);
        const bool alpha = c.colorType == 4 || c.colorType == 6;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            // Alpha keeps its high byte only, written at full scale.
            const bool isAlpha = alpha && int(i % std::size_t(channels)) == channels - 1;
            const int want = isAlpha && c.depth == 16 ? (expected[i] >> 8) * 257 : expected[i];
            ASSERT_EQ(written[i], want) << "sample " << i;
        }
        // What the file shows is what it showed before.
        const auto again = LoadAs(skin, Save(*pic));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(again->GetPixel(x, y), pic->GetPixel(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PngSampleRoundTrip,
    testing::Values(RoundTripCase{"Rgb16Gamma1", 16, 2, 100000}, RoundTripCase{"Rgba16Gamma1", 16, 6, 100000},
                    RoundTripCase{"Rgb16Gamma2", 16, 2, 20000}, RoundTripCase{"Grey16Gamma1", 16, 0, 100000},
                    RoundTripCase{"GreyAlpha16Gamma1", 16, 4, 100000},
                    RoundTripCase{"Rgb8Gamma1", 8, 2, 100000}, RoundTripCase{"Rgba8Gamma2", 8, 6, 20000},
                    RoundTripCase{"Rgb16NoGamma", 16, 2, 0}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

// A pixel the owner changed has no file sample: it is written with the sample that shows its level.
TEST(PngSampleRoundTrip, ChangedPixelsAreWrittenAsTheyShow) {
    for (int colorType : {0, 2, 6}) {
        SCOPED_TRACE(colorType);
        const auto pic = Load(Png(
            4, 1, 16, colorType, 0, [](int x, int, int c) { return c == 3 ? 0xFFFF : x * 300; },
            Chunk("gAMA", Be32(100000))));
        for (int level : {1, 5, 40, 200})
            pic->SetPixel(level % 4, 0,
                          colorType == 0 ? RGB(level, level, level) : RGB(level, 2 * level % 256, 7));
        const auto again = Load(Save(*pic));
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(again->GetPixel(x, 0), pic->GetPixel(x, 0)) << x;
    }
}

TEST(PngSampleLevels, SampleOfALevelShowsThatLevel) {
    for (int gamma : {100000, 45455, 20000, 150000}) {
        const auto pic = Load(Png(
            1, 1, 16, 2, 0, [](int, int, int) { return 0; }, Chunk("gAMA", Be32(std::uint32_t(gamma)))));
        const TPngSampleLevels levels(*pic, *pic->HeaderChunk());
        bool shownBySome[256] = {};
        for (int v = 0; v < 65536; ++v)
            shownBySome[pic->GammaLevel16(std::uint16_t(v))] = true;
        for (int level = 0; level < 256; ++level) {
            const std::uint16_t s[3] = {levels.Sample(std::uint8_t(level)), 0, 0};
            std::uint8_t shown[3];
            levels.Levels(s, shown);
            // A level no sample shows (the steep dark end) gets the nearest one that is shown.
            int nearest = 256;
            for (int l = 0; l < 256; ++l)
                if (shownBySome[l] && std::abs(l - level) < std::abs(nearest - level)) nearest = l;
            ASSERT_EQ(std::abs(shown[0] - level), std::abs(nearest - level)) << gamma << " " << level;
        }
    }
}

// Only the whole 16-bit sample matches the key: a pixel that shares its high byte with the key stays
// opaque, shown and saved.
TEST(PngSixteenBitKey, ComparesWholeSamples) {
    for (int colorType : {0, 2})
        for (bool gamma : {false, true})
            for (bool skin : {false, true}) {
                SCOPED_TRACE(testing::Message()
                             << "type " << colorType << (gamma ? " gamma" : "") << (skin ? " skin" : ""));
                const int channels = Channels(colorType);
                std::string key;
                for (int c = 0; c < channels; ++c)
                    key += Be16(std::uint16_t(0x1234 + 0x1111 * c));
                // Pixel 0 is the key, pixel 1 a near miss (same high bytes), pixel 2 white.
                const SampleFn sample = [](int x, int, int c) {
                    return x == 0 ? 0x1234 + 0x1111 * c : x == 1 ? 0x12FF + 0x1100 * c : 0xFFFF;
                };
                std::string extra = Chunk("tRNS", key);
                if (gamma) extra = Chunk("gAMA", Be32(100000)) + extra;
                const auto pic = LoadAs(skin, Png(3, 1, 16, colorType, 0, sample, extra));
                ASSERT_EQ(pic->TransparencyKind(), tkBit);
                EXPECT_EQ(pic->GetPixel(0, 0), pic->KeyColor());
                EXPECT_NE(pic->GetPixel(1, 0), pic->KeyColor());
                const std::string saved = Save(*pic);
                const auto again = LoadAs(skin, saved);
                EXPECT_EQ(again->GetPixel(0, 0), again->KeyColor());
                EXPECT_NE(again->GetPixel(1, 0), again->KeyColor());
                EXPECT_EQ(WrittenSamples(*again), SampleList(3, 1, colorType, sample));
                for (const auto& chunk : ParseChunks(saved))
                    if (chunk.Type == "tRNS") EXPECT_EQ(chunk.Data, key);
            }
}

} // namespace
