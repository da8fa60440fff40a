// The LZ77 decoder against zlib's own inflate, fed in random pieces.
#include "PngFixture.h"

#include "imaging/picture/LZ77Decoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>

namespace {

TEST(LZ77Decoder, MatchesZlibOnRandomDataFedPieceByPiece) {
    std::mt19937 rng(1234);
    for (int round = 0; round < 20; ++round) {
        // Mixed data: random bytes and repeated runs, so both literals and matches occur.
        std::string plain;
        const int size = int(rng() % 200000) + 1;
        while (int(plain.size()) < size) {
            if (rng() % 3 == 0)
                plain.append(std::size_t(rng() % 300), char(rng()));
            else
                for (int i = 0; i < int(rng() % 500); ++i)
                    plain += char(rng());
        }
        const std::string packed = pngfix::Zlib(plain, int(rng() % 10));
        ASSERT_EQ(pngfix::Inflate(packed), plain); // zlib's own view
        TLZ77Decoder decoder(Z_PARTIAL_FLUSH, false);
        decoder.StartDecoding();
        std::string out(plain.size(), '\0');
        auto* dest = reinterpret_cast<std::uint8_t*>(out.data());
        auto* end = dest + out.size();
        std::size_t fed = 0;
        while (dest < end && decoder.ZLibResult() == Z_OK) {
            const std::size_t piece = std::min<std::size_t>(packed.size() - fed, rng() % 5000 + 1);
            const auto* source = reinterpret_cast<const std::uint8_t*>(packed.data()) + fed;
            const auto* start = source;
            // Ask for a random amount of output each time, as rows of any size.
            while (dest < end && decoder.ZLibResult() == Z_OK) {
                const int want = int(std::min<std::ptrdiff_t>(end - dest, std::ptrdiff_t(rng() % 3000 + 1)));
                decoder.DecodeBlock(source, dest, int(piece - std::size_t(source - start)), want);
                if (decoder.AvailableInput() == 0 && decoder.AvailableOutput() > 0) break;
            }
            fed += std::size_t(source - start);
        }
        EXPECT_EQ(out, plain) << "round " << round;
        decoder.FinishDecoding();
    }
}

TEST(LZ77Decoder, EndOfStreamIsStickyAndLeavesPointersAlone) {
    const std::string packed = pngfix::Zlib("hello");
    TLZ77Decoder decoder(Z_PARTIAL_FLUSH, false);
    decoder.StartDecoding();
    std::uint8_t out[16] = {};
    const auto* source = reinterpret_cast<const std::uint8_t*>(packed.data());
    std::uint8_t* dest = out;
    decoder.DecodeBlock(source, dest, int(packed.size()), sizeof out);
    EXPECT_EQ(decoder.ZLibResult(), Z_STREAM_END);
    EXPECT_EQ(dest - out, 5);
    const auto* sourceAfter = source;
    std::uint8_t* destAfter = dest;
    decoder.DecodeBlock(source, dest, 3, 4);
    EXPECT_EQ(decoder.ZLibResult(), Z_STREAM_END);
    EXPECT_EQ(source, sourceAfter);
    EXPECT_EQ(dest, destAfter);
    decoder.FinishDecoding();
}

TEST(LZ77Decoder, CorruptDataAndFinishingEarly) {
    TLZ77Decoder decoder(Z_PARTIAL_FLUSH, false);
    decoder.StartDecoding();
    const std::uint8_t bad[] = {0x78, 0x9C, 0xFF, 0xFF, 0xFF};
    std::uint8_t out[8];
    const std::uint8_t* source = bad;
    std::uint8_t* dest = out;
    decoder.DecodeBlock(source, dest, sizeof bad, sizeof out);
    EXPECT_EQ(decoder.ZLibResult(), Z_DATA_ERROR);
    EXPECT_NO_THROW(decoder.FinishDecoding()); // finishing after a failed decode is fine

    TLZ77Decoder resetting(Z_PARTIAL_FLUSH, true);
    resetting.StartDecoding();
    const std::string packed = pngfix::Zlib("abc");
    for (int i = 0; i < 2; ++i) { // each block restarts the stream
        const auto* s = reinterpret_cast<const std::uint8_t*>(packed.data());
        std::uint8_t buffer[3];
        std::uint8_t* d = buffer;
        resetting.DecodeBlock(s, d, int(packed.size()), 3);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 3), "abc");
    }
    EXPECT_EQ(std::string(LZ77DecompressionErrorText), "LZ77 decompression error.");
}

} // namespace
