// Writing with every filter left to the encoder: the filter of each row, the chunks the compressed data
// is cut into, and the pixels read back.
#include "PngFixture.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngIdatWriters.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngRowFilters.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

namespace {
using namespace pngfix;

// The sum of a filtered row's bytes read as signed differences (its type byte left out).
long SignedSum(const std::string& filtered) {
    long sum = 0;
    for (std::size_t i = 1; i < filtered.size(); ++i)
        sum += std::abs(int(static_cast<signed char>(filtered[i])));
    return sum;
}

void ExpectSamePixels(const TPngPicture& a, const TPngPicture& b) {
    ASSERT_EQ(a.Width(), b.Width());
    ASSERT_EQ(a.Height(), b.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            ASSERT_EQ(a.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
            if (a.AlphaRow(y)) {
                ASSERT_EQ(a.AlphaRow(y)[x], b.AlphaRow(y)[x]) << x << "," << y;
            }
        }
}

// Rows of noise, ramps, a bowl, black rows under white ones and grain, so that every filter has rows it
// wins.
int Mixed(int x, int y, int c) {
    switch (y / 6 % 6) {
    case 0:
        return NoiseSample(x, y, c);
    case 1:
        return x * 7 + c * 40;
    case 2:
        return y * 9 + c;
    case 3:
        return (x - 20) * (x - 20) / 4 + (y - 15) * (y - 15) / 3 + c * 11;
    case 4:
        return y % 2 ? 0 : 250;
    default:
        return 100 + NoiseSample(x, y, c) % 9;
    }
}

// The filter of smallest signed sum for a row under the one above, the first of equals.
int SmallestSumFilter(const std::string& raw, const std::string& prior, int bpp) {
    int best = 0;
    long bestSum = SignedSum(Filter(0, raw, prior, bpp));
    for (int type = 1; type < 5; ++type) {
        const long sum = SignedSum(Filter(type, raw, prior, bpp));
        if (sum < bestSum) {
            bestSum = sum;
            best = type;
        }
    }
    return best;
}

const int WideFormats[][2] = {{0, 8}, {2, 8}, {4, 8}, {6, 8}, {0, 16}, {6, 16}};

TEST(PngEncoderFilters, EachRowTakesTheFilterOfSmallestSignedSum) {
    std::set<int> chosen;
    for (const auto& f : WideFormats) {
        SCOPED_TRACE(testing::Message() << f[0] << "/" << f[1]);
        const int w = 41, h = 36, bpp = Channels(f[0]) * f[1] / 8, rowBytes = w * bpp;
        const std::string image = RawImage(
            w, h, f[1], f[0], 0,
            [&](int x, int y, int c) { return (Mixed(x, y, c) & 0xFF) * (f[1] == 16 ? 257 : 1); }, 0);
        TPngRowFilters filters(PngAllFilters, TPngFilterChoice::MinimumSum, rowBytes, bpp);
        std::string prior(std::size_t(rowBytes), '\0');
        for (int y = 0; y < h; ++y) {
            const std::string raw =
                image.substr(std::size_t(y) * std::size_t(rowBytes + 1) + 1, std::size_t(rowBytes));
            std::copy(raw.begin(), raw.end(), filters.Raw());
            const int type = filters.FilterRow(rowBytes);
            EXPECT_EQ(type, SmallestSumFilter(raw, prior, bpp)) << "row " << y;
            const std::string expected = Filter(type, raw, prior, bpp).substr(1);
            EXPECT_EQ(
                std::string(reinterpret_cast<const char*>(filters.Filtered(type)), std::size_t(rowBytes)),
                expected)
                << "row " << y;
            chosen.insert(type);
            prior = raw;
        }
    }
    EXPECT_EQ(chosen.size(), 5u) << ::testing::PrintToString(chosen); // every filter has rows it wins
}

TEST(PngEncoderFilters, WrittenRowsTakeTheSmallestSumOrOneFilterThroughout) {
    // Whichever packed a sample of the rows smallest: the per-row choice, or one filter for every row.
    for (const auto& f : WideFormats)
        for (int h : {36, 300}) {
            SCOPED_TRACE(testing::Message() << f[0] << "/" << f[1] << " height " << h);
            const int w = 41, bpp = Channels(f[0]) * f[1] / 8, rowBytes = w * bpp;
            const auto pic = Load(Png(w, h, f[1], f[0], 0, [&](int x, int y, int c) {
                return (Mixed(x, y, c) & 0xFF) * (f[1] == 16 ? 257 : 1);
            }));
            pic->SetFilterSet(PngAllFilters);
            const std::string bytes = Save(*pic);
            const std::string data = Inflate(IdatData(ParseChunks(bytes)));
            const std::vector<std::string> rows = UnfilterRows(data, rowBytes, bpp);
            ASSERT_EQ(rows.size(), std::size_t(h));
            std::string prior(std::size_t(rowBytes), '\0');
            bool perRow = true, oneFilter = true;
            for (int y = 0; y < h; ++y) {
                const int written = std::uint8_t(data[std::size_t(y) * std::size_t(rowBytes + 1)]);
                perRow = perRow && written == SmallestSumFilter(rows[std::size_t(y)], prior, bpp);
                oneFilter = oneFilter && written == data[0];
                prior = rows[std::size_t(y)];
            }
            EXPECT_TRUE(perRow || oneFilter);
            ExpectSamePixels(*Load(bytes), *pic);
        }
}

TEST(PngEncoderFilters, TwoGreysInRandomOrderAreWrittenUnfiltered) {
    // Unfiltered, each byte is one of two values; any filter makes differences of three or more values,
    // whose sums are still far smaller than the greys themselves, so the per-row choice filters the rows
    // and packs them worse. The sample finds that out.
    const int w = 256, h = 256;
    std::mt19937 random(3);
    std::vector<int> greys(std::size_t(w * h));
    for (int& g : greys)
        g = random() & 1 ? 136 : 120;
    const auto sample = [&](int x, int y, int) { return greys[std::size_t(y * w + x)]; };
    const auto pic = Load(Png(w, h, 8, 2, 0, sample));
    pic->SetFilterSet(PngAllFilters);
    const std::string bytes = Save(*pic);
    const std::string data = Inflate(IdatData(ParseChunks(bytes)));
    ASSERT_EQ(data.size(), std::size_t(h * (w * 3 + 1)));
    for (int y = 0; y < h; ++y)
        ASSERT_EQ(data[std::size_t(y * (w * 3 + 1))], 0) << y;
    ExpectSamePixels(*Load(bytes), *pic);

    const std::string image = RawImage(w, h, 8, 2, 0, sample, 0);
    TPngRowFilters perRow(PngAllFilters, TPngFilterChoice::MinimumSum, w * 3, 3);
    int filtered = 0;
    for (int y = 0; y < h; ++y) {
        const std::size_t at = std::size_t(y * (w * 3 + 1) + 1);
        std::copy(image.begin() + std::ptrdiff_t(at), image.begin() + std::ptrdiff_t(at + std::size_t(w * 3)),
                  perRow.Raw());
        filtered += perRow.FilterRow(w * 3) != 0;
    }
    EXPECT_EQ(filtered, h); // what the per-row choice alone would have written
}

TEST(PngEncoderFilters, PaletteAndSmallDepthRowsAreWrittenUnfiltered) {
    // Their samples are indices or packed bits: differences of them pack worse than the rows as they are.
    const int formats[][2] = {{3, 8}, {3, 4}, {3, 1}, {0, 1}, {0, 2}, {0, 4}};
    for (const auto& f : formats)
        for (int interlace : {0, 1}) {
            SCOPED_TRACE(testing::Message() << f[0] << "/" << f[1] << " interlace " << interlace);
            const std::string plte = f[0] == 3 ? Plte(1 << f[1]) : std::string();
            const auto pic = Load(Png(
                37, 12, f[1], f[0], interlace,
                [&](int x, int y, int) { return (x + y / 3) & ((1 << f[1]) - 1); }, plte));
            pic->SetFilterSet(PngAllFilters);
            const std::string bytes = Save(*pic);
            const auto again = Load(bytes);
            ExpectSamePixels(*again, *pic);
            if (interlace) continue;
            const int rowBytes = TPngPicture::PackedRowSize(37, f[0], again->HeaderChunk()->BitDepth);
            const std::string data = Inflate(IdatData(ParseChunks(bytes)));
            ASSERT_EQ(data.size(), std::size_t(12 * (rowBytes + 1)));
            for (int y = 0; y < 12; ++y)
                EXPECT_EQ(data[std::size_t(y * (rowBytes + 1))], 0) << y;
        }
}

TEST(PngEncoderFilters, DataIsCutIntoChunksOfTheLimit) {
    for (int limit : {65535, 100000}) {
        SCOPED_TRACE(limit);
        std::mt19937 random(5);
        std::vector<int> noise(400 * 300 * 4);
        for (int& v : noise)
            v = int(random() & 0xFF);
        const auto pic = Load(Png(400, 300, 8, 6, 0, [&](int x, int y, int c) {
            return noise[std::size_t((y * 400 + x) * 4 + c)];
        }));
        pic->SetFilterSet(PngAllFilters);
        pic->SetIdatLimit(limit);
        const std::string bytes = Save(*pic);
        const auto chunks = ParseChunks(bytes);
        ASSERT_EQ(chunks.front().Type, "IHDR");
        ASSERT_EQ(chunks.back().Type, "IEND");
        ASSERT_GE(chunks.size(), 4u); // noise does not compress below one chunk
        for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i].Type, "IDAT");
            if (i + 2 < chunks.size()) {
                EXPECT_EQ(chunks[i].Data.size(), std::size_t(limit));
            } else {
                EXPECT_LE(chunks[i].Data.size(), std::size_t(limit));
                EXPECT_GT(chunks[i].Data.size(), 0u);
            }
        }
        EXPECT_EQ(Inflate(IdatData(chunks)).size(), std::size_t(300 * (400 * 4 + 1)));
        ExpectSamePixels(*Load(bytes), *pic);
    }
}

TEST(PngEncoderFilters, InterlacedImagesRoundTrip) {
    for (int w : {1, 3, 9, 64}) {
        SCOPED_TRACE(w);
        const auto pic =
            Load(Png(w, 11, 8, 6, 1, [](int x, int y, int c) { return (x * 13 + y * y + c * 50) & 0xFF; }));
        pic->SetFilterSet(PngAllFilters);
        const auto again = Load(Save(*pic));
        EXPECT_EQ(again->InterlaceMode(), piAdam7);
        ExpectSamePixels(*again, *pic);
    }
}

TEST(PngEncoderFilters, LevelsZlibRefusesAreRefusedWhateverTheFilters) {
    std::string messages[2];
    const TPngFilterSet sets[2] = {PngFilterBit(rfSub), PngAllFilters};
    for (int i = 0; i < 2; ++i) {
        const auto pic = Load(Png(8, 8, 8, 2, 0, NoiseSample));
        pic->SetFilterSet(sets[i]);
        pic->SetDeflateLevel(10);
        try {
            Save(*pic);
            ADD_FAILURE() << "level 10 was accepted";
        } catch (const EPngError& e) {
            messages[i] = e.Message();
        }
    }
    EXPECT_NE(messages[0].find("stream error (-2)"), std::string::npos) << messages[0];
    EXPECT_EQ(messages[1], messages[0]);
}

TEST(PngEncoderFilters, OnlyImagesOfBoundedSizeAreGatheredWhole) {
    // Beyond the bound the rows are streamed, so that writing never holds a second copy of a huge image.
    EXPECT_TRUE(PngGathersWholeImage(std::size_t(2048) * (2048 * 8 + 1)));
    EXPECT_FALSE(PngGathersWholeImage(std::size_t(20000) * (20000 * 4 + 1)));
}

} // namespace
