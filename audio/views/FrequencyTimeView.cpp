#include "audio/views/FrequencyTimeView.h"

#include "audio/SampleSequence.h"
#include "audio/views/ColorRamp.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <bit>
#include <cmath>

struct TSpectrogram::TBlockSpectra {
    std::weak_ptr<const TSampleBlock> Block; // the entry goes when its block goes
    std::unordered_map<std::uint64_t, std::vector<std::uint8_t>> Frames;
    std::uint64_t LastUse = 0;
};

namespace {

constexpr int Bins = TSpectrogram::FftSize / 2 + 1;

} // namespace

TSpectrogram::TSpectrogram() : FFrame(FftSize), FLevels(Bins), FLoose(Bins) {}
TSpectrogram::~TSpectrogram() = default;

std::uint32_t TSpectrogram::RampPixel(int level) {
    return Ramp()[std::size_t(std::clamp(level, 0, 255))];
}

const TColorRamp& TSpectrogram::Ramp() {
    // Black through deep blue, purple, red and orange to yellow and white.
    static const TColorRamp ramp = MakeColorRamp({{0.00, 0, 0, 0},
                                                  {0.18, 10, 0, 90},
                                                  {0.38, 120, 0, 150},
                                                  {0.58, 215, 30, 60},
                                                  {0.76, 255, 140, 0},
                                                  {0.90, 255, 230, 70},
                                                  {1.00, 255, 255, 255}});
    return ramp;
}

void TSpectrogram::Clear() {
    FBlocks.clear();
    FBytes = 0;
    FPictureKeys.clear();
    FPictures.clear();
}

void TSpectrogram::Compute(const TSampleSequence& samples, int channel, std::int64_t centre,
                           std::uint8_t* out) {
    const std::int64_t first = centre - FftSize / 2;
    const std::int64_t from = std::max<std::int64_t>(0, first);
    const std::int64_t to = std::min(samples.Frames(), first + FftSize);
    std::fill(FFrame.begin(), FFrame.end(), 0.0f);
    if (to > from) samples.ReadChannel(channel, from, to - from, FFrame.data() + (from - first));
    FAnalyzer.Analyze(FFrame.data(), FftSize, FLevels.data());
    for (int k = 0; k < Bins; ++k) {
        const float t = (FLevels[std::size_t(k)] - FloorDb) / -FloorDb;
        out[k] = std::uint8_t(std::clamp(std::lround(t * 255), 0l, 255l));
    }
}

const std::uint8_t* TSpectrogram::Spectrum(const TSampleSequence& samples, int channel, std::int64_t centre,
                                           std::int64_t hop, TSliceWalk& walk) {
    // The slice holding the centre; columns come left to right, so the walk only goes forward.
    const std::vector<TBlockSlice>& slices = samples.Slices();
    std::size_t& i = walk.Index;
    std::int64_t& sliceStart = walk.Start;
    while (i < slices.size() && sliceStart + slices[i].Frames <= centre)
        sliceStart += slices[i++].Frames;
    if (i == slices.size()) {
        Compute(samples, channel, centre, FLoose.data());
        return FLoose.data();
    }
    const TBlockSlice& slice = slices[i];
    // Frames sit on a grid of the block: half a window in, then every `hop` frames.
    const std::int64_t offset = slice.Offset + (centre - sliceStart);
    const std::int64_t k =
        std::max<std::int64_t>(0, std::llround(double(offset - FftSize / 2) / double(hop)));
    const std::int64_t grid = FftSize / 2 + k * hop;
    const bool inside =
        grid - FftSize / 2 >= slice.Offset && grid + FftSize / 2 <= slice.Offset + slice.Frames;
    if (!inside) {
        Compute(samples, channel, centre, FLoose.data());
        return FLoose.data();
    }
    std::unique_ptr<TBlockSpectra>& entry = FBlocks[slice.Block.get()];
    if (!entry || entry->Block.expired()) { // new, or a new block at a freed block's address
        if (entry)
            for (auto& frame : entry->Frames)
                FBytes -= frame.second.size();
        entry = std::make_unique<TBlockSpectra>();
        entry->Block = slice.Block;
    }
    entry->LastUse = FUse;
    const std::uint64_t key = (std::uint64_t(channel) << 60) |
                              (std::uint64_t(std::countr_zero(std::uint64_t(hop))) << 52) | std::uint64_t(k);
    auto found = entry->Frames.find(key);
    if (found != entry->Frames.end()) return found->second.data();
    std::vector<std::uint8_t> levels(Bins);
    Compute(samples, channel, sliceStart + (grid - slice.Offset), levels.data());
    FBytes += levels.size();
    return entry->Frames.emplace(key, std::move(levels)).first->second.data();
}

const std::vector<std::uint32_t>& TSpectrogram::Picture(const TSampleSequence& samples, std::uint64_t serial,
                                                        int lane, int channel, const TViewMapping& view,
                                                        int height) {
    if (FPictures.size() <= std::size_t(lane)) {
        FPictures.resize(std::size_t(lane) + 1);
        FPictureKeys.resize(std::size_t(lane) + 1);
    }
    const TPictureKey key{serial, channel, view.Start(), view.Span(), view.Width(), height};
    std::vector<std::uint32_t>& picture = FPictures[std::size_t(lane)];
    if (FPictureKeys[std::size_t(lane)] == key) return picture;
    FPictureKeys[std::size_t(lane)] = key;
    const int width = view.Width();
    height = std::max(0, height);
    picture.assign(std::size_t(width) * std::size_t(height), RampPixel(0));
    if (height == 0) return picture;
    ++FUse;
    // Each row shows the loudest of the bins it covers (row 0 is the highest frequency): with fewer rows
    // than bins every bin goes to its row, with more every row takes its bin.
    const bool binsToRows = height <= Bins - 1;
    std::vector<int> rowOfBin(Bins), binOfRow(static_cast<std::size_t>(height));
    for (int b = 0; b < Bins; ++b)
        rowOfBin[std::size_t(b)] =
            std::clamp(height - 1 - int(std::int64_t(b) * height / (Bins - 1)), 0, height - 1);
    for (int r = 0; r < height; ++r)
        binOfRow[std::size_t(r)] = int(std::int64_t(height - 1 - r) * (Bins - 1) / std::max(1, height - 1));
    const std::int64_t hop = std::bit_floor(std::uint64_t(std::max<std::int64_t>(1, view.Span() / width)));
    const double framesPerPixel = view.FramesPerPixel();
    TSliceWalk walk;
    // Tiles of columns: their levels first (column by column), then their pixels row by row, so both
    // passes walk memory in order.
    constexpr int tile = 64;
    const TColorRamp& ramp = Ramp();
    std::vector<std::uint8_t> levels(std::size_t(tile) * std::size_t(height), 0);
    for (int x0 = 0; x0 < width; x0 += tile) {
        const int columns = std::min(tile, width - x0);
        std::fill(levels.begin(), levels.end(), 0);
        for (int c = 0; c < columns; ++c) {
            const std::int64_t centre = view.Start() + std::int64_t((x0 + c + 0.5) * framesPerPixel);
            if (centre >= samples.Frames()) break;
            const std::uint8_t* bins = Spectrum(samples, channel, centre, std::int64_t(hop), walk);
            std::uint8_t* column = levels.data() + std::size_t(c) * std::size_t(height);
            if (binsToRows) {
                for (int b = 0; b < Bins; ++b) {
                    std::uint8_t& level = column[rowOfBin[std::size_t(b)]];
                    level = std::max(level, bins[b]);
                }
            } else {
                for (int r = 0; r < height; ++r)
                    column[r] = bins[binOfRow[std::size_t(r)]];
            }
        }
        for (int r = 0; r < height; ++r) {
            std::uint32_t* row = picture.data() + std::size_t(r) * std::size_t(width) + std::size_t(x0);
            for (int c = 0; c < columns; ++c)
                row[c] = ramp[levels[std::size_t(c) * std::size_t(height) + std::size_t(r)]];
        }
    }
    Trim();
    return picture;
}

void TSpectrogram::Trim() {
    for (auto it = FBlocks.begin(); it != FBlocks.end();) {
        if (it->second->Block.expired()) {
            for (auto& frame : it->second->Frames)
                FBytes -= frame.second.size();
            it = FBlocks.erase(it);
        } else {
            ++it;
        }
    }
    if (FBytes <= CacheBudget) return;
    std::vector<std::pair<std::uint64_t, const TSampleBlock*>> byAge;
    for (auto& [block, spectra] : FBlocks)
        byAge.emplace_back(spectra->LastUse, block);
    std::sort(byAge.begin(), byAge.end());
    for (auto& [use, block] : byAge) {
        if (FBytes <= CacheBudget * 3 / 4 || use == FUse) break;
        for (auto& frame : FBlocks[block]->Frames)
            FBytes -= frame.second.size();
        FBlocks.erase(block);
    }
}
