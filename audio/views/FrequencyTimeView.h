// The spectral view's pictures: a short-time spectrum per pixel column, drawn bottom (0 Hz) to top
// (half the sample rate) in a heat ramp. Spectra are cached per sample block: an FFT frame that lies
// wholly inside one block depends on that block alone, so it outlives edits elsewhere, undo and
// scrolling, and goes with its block. The last picture of each lane is kept as well, so drawing the
// same view again (a moving cursor, a new selection) costs a copy.
#pragma once

#include "audio/views/ColorRamp.h"
#include "audio/views/FrequencyAnalyzer.h"
#include "audio/views/WaveLayout.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class TSampleBlock;
class TSampleSequence;

class TSpectrogram {
public:
    static constexpr int FftSize = 1024;
    // Levels from here (the ramp's bottom) to 0 dB (its top).
    static constexpr float FloorDb = -108.0f;
    // Cached spectra beyond this many bytes are dropped, oldest first.
    static constexpr std::size_t CacheBudget = 64u << 20;

    TSpectrogram();
    ~TSpectrogram();

    // The lane's picture (width × height pixels, rows from the top) of one channel in the view.
    const std::vector<std::uint32_t>& Picture(const TSampleSequence& samples, std::uint64_t serial, int lane,
                                              int channel, const TViewMapping& view, int height);
    // The heat ramp: level 0..255 to a pixel.
    static std::uint32_t RampPixel(int level);
    static const TColorRamp& Ramp();
    std::size_t CachedBytes() const { return FBytes; }
    // Forgets every spectrum and picture.
    void Clear();

private:
    struct TBlockSpectra;
    struct TPictureKey {
        std::uint64_t Serial = 0;
        int Channel = -1;
        std::int64_t Start = 0, Span = 0;
        int Width = 0, Height = 0;
        bool operator==(const TPictureKey&) const = default;
    };
    struct TSliceWalk {
        std::size_t Index = 0;
        std::int64_t Start = 0; // the document frame the slice at Index starts at
    };
    // The levels (one byte a bin) of the frame nearest to the document frame `centre`.
    const std::uint8_t* Spectrum(const TSampleSequence& samples, int channel, std::int64_t centre,
                                 std::int64_t hop, TSliceWalk& walk);
    void Compute(const TSampleSequence& samples, int channel, std::int64_t centre, std::uint8_t* out);
    void Trim();

    TSpectrumAnalyzer FAnalyzer{FftSize};
    std::vector<float> FFrame, FLevels;
    std::unordered_map<const TSampleBlock*, std::unique_ptr<TBlockSpectra>> FBlocks;
    std::vector<std::uint8_t> FLoose; // a frame across a block's edge, computed each time
    std::size_t FBytes = 0;
    std::uint64_t FUse = 0;
    std::vector<TPictureKey> FPictureKeys;
    std::vector<std::vector<std::uint32_t>> FPictures;
};
