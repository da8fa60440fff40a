// The spectral view's pictures: a tone at its row, spectra kept per block across edits elsewhere and
// scrolling, and let go of with their blocks.
#include "audio/views/FrequencyTimeView.h"
#include "audio/AudioDocument.h"
#include "audio/BlockStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace spectrogram_test {

TAudioDocument Tone(double hz, std::int64_t frames, int rate = 8000) {
    std::vector<float> samples(static_cast<std::size_t>(frames));
    for (std::int64_t i = 0; i < frames; ++i)
        samples[std::size_t(i)] = float(0.5 * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    TAudioDocument doc(rate, 1, MakeMemoryBlockStore());
    doc.ReplaceInterleaved(0, 0, samples.data(), frames);
    return doc;
}

int Brightness(std::uint32_t pixel) {
    return int(pixel & 0xFF) + int((pixel >> 8) & 0xFF) + int((pixel >> 16) & 0xFF);
}

TEST(Spectrogram, AToneLightsItsRowOnly) {
    const TAudioDocument doc = Tone(1000, 400'000);
    TSpectrogram spectrogram;
    const int width = 300, height = 200;
    const std::vector<std::uint32_t>& picture =
        spectrogram.Picture(doc.Samples(), 1, 0, 0, TViewMapping(0, doc.Length(), 0, width), height);
    ASSERT_EQ(picture.size(), std::size_t(width * height));
    // 1 kHz of the 4 kHz shown lies a quarter of the way up from the bottom row.
    const int toneRow = height - 1 - (height - 1) / 4;
    int brightest = 0;
    for (int r = 0; r < height; ++r)
        if (Brightness(picture[std::size_t(r * width + 150)]) >
            Brightness(picture[std::size_t(brightest * width + 150)]))
            brightest = r;
    EXPECT_NEAR(brightest, toneRow, 2);
    EXPECT_LT(Brightness(picture[std::size_t(20 * width + 150)]), 100) << "high above the tone it is dark";
}

TEST(Spectrogram, SpectraOutliveEditsElsewhereAndGoWithTheirBlocks) {
    TAudioDocument doc = Tone(440, 2'000'000);
    TSpectrogram spectrogram;
    const TViewMapping view(1'000'000, 1'400'000, 0, 400);
    spectrogram.Picture(doc.Samples(), 1, 0, 0, view, 100);
    const std::size_t bytes = spectrogram.CachedBytes();
    EXPECT_GT(bytes, 0u);
    // The same view again is the kept picture.
    const std::uint32_t* kept = spectrogram.Picture(doc.Samples(), 1, 0, 0, view, 100).data();
    EXPECT_EQ(spectrogram.Picture(doc.Samples(), 1, 0, 0, view, 100).data(), kept);
    EXPECT_EQ(spectrogram.CachedBytes(), bytes);
    // An edit far before the view shifts the frames but not the blocks under the view: their spectra
    // are found again (a new serial draws the picture again from them).
    doc.Erase(1000, 2000);
    const TViewMapping shifted(1'000'000 - 2000, 1'400'000 - 2000, 0, 400);
    spectrogram.Picture(doc.Samples(), 2, 0, 0, shifted, 100);
    EXPECT_LE(spectrogram.CachedBytes(), bytes + bytes / 10);
    // Half a screen on, only the new half is computed.
    const TViewMapping scrolled(1'200'000 - 2000, 1'600'000 - 2000, 0, 400);
    spectrogram.Picture(doc.Samples(), 2, 0, 0, scrolled, 100);
    EXPECT_LT(spectrogram.CachedBytes(), bytes * 17 / 10);
    // When the document goes, so do its spectra.
    doc = Tone(440, 1000);
    spectrogram.Picture(doc.Samples(), 3, 0, 0, TViewMapping(0, 1000, 0, 400), 100);
    EXPECT_LT(spectrogram.CachedBytes(), bytes / 10);
}

} // namespace spectrogram_test
