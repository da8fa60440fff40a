// Writing: byte structure (chunk order, filter bytes, IDAT sizes), round trips and chunk adding.
#include "PngFixture.h"

#include "imaging/png/PngDataChunk.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

namespace {
using namespace pngfix;

TEST(PngWrite, DefaultsWriteSubFilteredRowsInBoundedChunks) {
    const auto pic = Load(Png(300, 300, 8, 6, 0, NoiseSample));
    const std::string bytes = Save(*pic);
    ASSERT_EQ(bytes.substr(0, 8), Signature());
    const auto chunks = ParseChunks(bytes);
    ASSERT_GE(chunks.size(), 4u);
    EXPECT_EQ(chunks.front().Type, "IHDR");
    EXPECT_EQ(chunks.back().Type, "IEND");
    int idats = 0;
    for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].Type, "IDAT");
        EXPECT_LE(chunks[i].Data.size(), 65535u);
        ++idats;
    }
    EXPECT_GE(idats, 2); // noise does not compress below one chunk
    for (std::size_t i = 1; i + 2 < chunks.size(); ++i)
        EXPECT_EQ(chunks[i].Data.size(), 65535u);
    const std::string raw = Inflate(IdatData(chunks));
    ASSERT_EQ(raw.size(), std::size_t(300 * (300 * 4 + 1)));
    for (int y = 0; y < 300; ++y)
        ASSERT_EQ(raw[std::size_t(y) * (300 * 4 + 1)], 1) << y;
    EXPECT_EQ(chunks[0].Data[12], 0); // not interlaced
}

TEST(PngWrite, SubFilterSetKeepsItsStoredBytes) {
    // Files written with Sub on every row (the codec's former defaults) stay byte for byte what they
    // were: the Sub-filtered rows deflated by zlib at level 7 with its strategy for filtered data and its
    // largest match memory. The defaults now leave every filter to the encoder.
    const auto pic = Load(Png(300, 200, 8, 6, 0, NoiseSample));
    EXPECT_EQ(pic->FilterSet(), PngAllFilters);
    pic->SetFilterSet(PngFilterBit(rfSub));
    const std::string rows = RawImage(300, 200, 8, 6, 0, NoiseSample, 1);
    z_stream z{};
    ASSERT_EQ(deflateInit2(&z, 7, Z_DEFLATED, 15, 9, Z_FILTERED), Z_OK);
    std::string expected(deflateBound(&z, uLong(rows.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rows.data()));
    z.avail_in = uInt(rows.size());
    z.next_out = reinterpret_cast<Bytef*>(expected.data());
    z.avail_out = uInt(expected.size());
    ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    expected.resize(z.total_out);
    deflateEnd(&z);
    EXPECT_EQ(IdatData(ParseChunks(Save(*pic))), expected);
}

TEST(PngWrite, FilterChoiceByRepetitionScore) {
    // A hand-picked set of filters: a flat image scores the same under every filter as unfiltered, so
    // none is chosen; a horizontal ramp repeats after Sub only; a vertical ramp repeats after Up. The
    // unfiltered score is that of the row itself: a flat row under a noisy one is still written unfiltered.
    const TPngFilterSet several = PngAllFilters & ~PngFilterBit(rfPaeth);
    const TPngFilterSet noneAndSub = PngFilterBit(rfNone) | PngFilterBit(rfSub);
    struct Case {
        TPngFilterSet Set;
        std::function<int(int, int, int)> Sample;
        int Width;
        const char* Expected; // filter bytes of rows 1 to 3 ('?': any)
    };
    const Case cases[] = {
        {several, [](int, int, int) { return 7; }, 16, "000"},
        {several, [](int x, int, int) { return x * 3; }, 16, "111"},
        {several, [](int x, int y, int) { return (x * 37) ^ (y * 11); }, 16, "???"},
        {noneAndSub, [](int x, int y, int c) { return y % 2 ? 7 : NoiseSample(x, y, c); }, 16, "0?0"},
        {PngFilterBit(rfPaeth), [](int x, int, int) { return x * 3; }, 16, "444"},
        {PngFilterBit(rfNone), [](int x, int, int) { return x * 3; }, 16, "000"},
        {0, [](int x, int, int) { return x * 3; }, 16, "000"},
        {several, [](int x, int, int) { return x * 3; }, 2, "000"}, // rows of 2 bytes score 0
        {PngFilterBit(rfUp), [](int x, int, int) { return x * 3; }, 2,
         "222"}, // a single filter is used as is
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        const auto pic = Load(Png(c.Width, 4, 8, 0, 0, c.Sample));
        pic->SetFilterSet(c.Set);
        const std::string raw = Inflate(IdatData(ParseChunks(Save(*pic))));
        const auto again = Load(Save(*pic));
        for (int y = 0; y < 4; ++y) {
            EXPECT_EQ(again->GetPixel(c.Width - 1, y), pic->GetPixel(c.Width - 1, y));
            if (y > 0 && c.Expected[y - 1] != '?') {
                EXPECT_EQ(raw[std::size_t(y) * std::size_t(c.Width + 1)], c.Expected[y - 1] - '0') << y;
            }
        }
    }
}

TEST(PngWrite, RoundTripsEveryFormatAndInterlace) {
    const int formats[][2] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                              {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    for (const auto& f : formats)
        for (int interlace : {0, 1})
            for (TPngFilterSet set : {PngFilterBit(rfSub), PngAllFilters}) {
                SCOPED_TRACE(testing::Message() << f[0] << "/" << f[1] << " interlace " << interlace);
                const std::string plte = f[0] == 3 ? Plte(1 << f[1]) : std::string();
                auto sample = [&](int x, int y, int c) {
                    return (NoiseSample(x, y, c) * 257) & ((1 << f[1]) - 1);
                };
                const auto pic = Load(Png(11, 9, f[1], f[0], interlace, sample, plte));
                pic->SetFilterSet(set);
                const std::string bytes = Save(*pic);
                const auto again = Load(bytes);
                // 2-bit images are written as 4-bit ones; all others keep their depth.
                EXPECT_EQ(int(again->HeaderChunk()->BitDepth), f[1] == 2 ? 4 : f[1]);
                EXPECT_EQ(again->InterlaceMode(), interlace ? piAdam7 : piNone);
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 11; ++x) {
                        ASSERT_EQ(again->GetPixel(x, y), pic->GetPixel(x, y)) << x << "," << y;
                        if (pic->AlphaRow(y)) {
                            ASSERT_EQ(again->AlphaRow(y)[x], pic->AlphaRow(y)[x]);
                        }
                    }
            }
}

TEST(PngWrite, SixteenBitSamplesAreWrittenAsReadAndChangedOnesAtFullScale) {
    // The samples read are written back as they were; a pixel set since has only its 8-bit levels, and
    // each level v is written as v × 257 (white stays white, black stays black).
    const auto pic = Load(Png(2, 1, 16, 2, 0, [](int x, int, int c) { return 0x1234 + x * 0x1111 + c; }));
    EXPECT_EQ(WrittenSamples(*pic),
              (std::vector<std::uint16_t>{0x1234, 0x1235, 0x1236, 0x2345, 0x2346, 0x2347}));
    pic->SetPixel(1, 0, RGB(0xFF, 0x00, 0x80));
    EXPECT_EQ(WrittenSamples(*pic),
              (std::vector<std::uint16_t>{0x1234, 0x1235, 0x1236, 0xFFFF, 0x0000, 0x8080}));
}

TEST(PngWrite, InterlaceFollowsTheImageSetting) {
    const auto pic = Load(Png(9, 9, 8, 2, 1, NoiseSample));
    pic->SetInterlaceMode(piNone);
    const auto again = Load(Save(*pic));
    EXPECT_EQ(again->InterlaceMode(), piNone);
    EXPECT_EQ(again->GetPixel(8, 8), pic->GetPixel(8, 8));
}

TEST(PngWrite, GammaIsWrittenBackThroughTheInverseTable) {
    const auto pic = Load(Png(
        3, 1, 8, 2, 0, [](int x, int, int c) { return x * 100 + c; }, Chunk("gAMA", Be32(45000))));
    const auto chunks = ParseChunks(Save(*pic));
    EXPECT_EQ(chunks[1].Type, "gAMA");
    EXPECT_EQ(chunks[1].Data, Be32(45000));
    const auto again = Load(Save(*pic));
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(again->GetPixel(x, 0), pic->GetPixel(x, 0));
}

TEST(PngWrite, SmallChunkPayloads) {
    const auto pic = Load(Png(1, 1, 8, 0, 0, [](int, int, int) { return 0; }));
    auto* time = pic->AddChunk<TChunktIME>();
    time->Year = 2006;
    time->Month = 12;
    auto* text = pic->AddChunk<TChunktEXt>();
    text->Keyword = "Key";
    text->Text = "Value";
    auto* ztxt = pic->AddChunk<TChunkzTXt>();
    ztxt->Keyword = "Z";
    const auto chunks = ParseChunks(Save(*pic));
    ASSERT_EQ(chunks.size(), 6u);
    EXPECT_EQ(chunks[2].Type, "tIME");
    EXPECT_EQ(chunks[2].Data.substr(0, 3), std::string("\x07\xD6\x0C", 3));
    EXPECT_EQ(chunks[3].Data, std::string("Key\0Value", 9));
    EXPECT_EQ(chunks[4].Data.substr(0, 3), std::string("Z\0\0", 3));
    EXPECT_EQ(Inflate(chunks[4].Data.substr(3)), " "); // an empty text is written as one space
    EXPECT_EQ(chunks[5].Type, "IEND");
}

TEST(PngWrite, FailedTextCompressionKeepsThePayload) {
    using namespace pngfix;
    const auto pic = Load(Png(
        1, 1, 8, 0, 0, [](int, int, int) { return 0; },
        Chunk("zTXt", std::string("K\0\0", 3) + Zlib("old text"))));
    pic->SetDeflateLevel(42); // no such level: zlib refuses it
    std::string packed, error;
    EXPECT_FALSE(PngCompressText("x", 42, packed, error));
    EXPECT_FALSE(error.empty());
    TMemoryStream out;
    auto* ztxt = pic->ChunkList().FindChunk<TChunkzTXt>();
    ztxt->Text = "new";
    EXPECT_TRUE(ztxt->WriteChunk(&out));
    const auto chunks = ParseChunks(
        Signature() + std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size())));
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].Data, std::string("K\0\0", 3) + Zlib("old text"));
    // The image data cannot be written either: that is an error, not a file without pixels.
    TMemoryStream whole;
    EXPECT_THROW(pic->SaveToStream(&whole), EPngError);
}

TEST(PngWrite, AddChunkPlacementAndRefusals) {
    const auto pic = Load(Png(
        2, 1, 8, 3, 0, [](int x, int, int) { return x; }, Plte(2)));
    auto* gama = pic->AddChunk<TChunkgAMA>();
    EXPECT_EQ(gama->ListIndex(), 1);
    EXPECT_EQ(gama->GammaValue(), 1);
    auto* trns = pic->AddChunk<TChunktRNS>();
    EXPECT_EQ(trns->ListIndex(), pic->ChunkList().FindChunk<TChunkPLTE>()->ListIndex() + 1);
    auto* text = pic->AddChunk<TChunktEXt>();
    EXPECT_EQ(text->ListIndex(), pic->ChunkList().Count() - 2);
    const std::string existent =
        "The program tried to add a existent critical chunk to the current image which is not allowed.";
    auto refused = [&](auto add) {
        try {
            add();
        } catch (const EPngError& e) {
            return e.Message();
        }
        return std::string();
    };
    EXPECT_EQ(refused([&] { pic->AddChunk<TChunkgAMA>(); }), existent);
    EXPECT_EQ(refused([&] { pic->AddChunk<TChunktRNS>(); }), existent);
    EXPECT_EQ(refused([&] { pic->AddChunk<TChunkIEND>(); }), existent);
    TPngPicture empty;
    EXPECT_EQ(refused([&] { empty.AddChunk<TChunktEXt>(); }),
              "It's not allowed to add a new chunk because the current image is invalid.");
    pic->SetIdatLimit(1000);
    EXPECT_EQ(pic->IdatLimit(), 65535);
}

TEST(PngWrite, SaveToFileReplacesOnlyWhenComplete) {
    const std::string path = OutPath("write-atomic.png");
    const auto pic = Load(Png(3, 3, 8, 2, 0, NoiseSample));
    pic->SaveToFile(path);
    TPngPicture back;
    back.LoadFromFile(path);
    EXPECT_EQ(back.GetPixel(2, 2), pic->GetPixel(2, 2));
    TPngPicture broken; // no header: nothing may be written over the file
    broken.ChunkList().Add(std::make_unique<TChunkIDAT>(&broken));
    EXPECT_THROW(broken.SaveToFile(path), EPNGHeaderNotPresent);
    back.LoadFromFile(path);
    EXPECT_EQ(back.GetPixel(2, 2), pic->GetPixel(2, 2));
}

} // namespace
