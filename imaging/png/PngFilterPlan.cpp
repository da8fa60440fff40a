#include "imaging/png/PngFilterPlan.h"

#include "imaging/png/PngIdatWriters.h"

#include <array>
#include <vector>

namespace {
// The sample: bands of a few rows spread over the image, an eighth of its rows in all, each deflated
// alone at the fastest level; enough to rank the ways of filtering at a small part of the whole cost.
constexpr int BandRows = 16;
constexpr int BandStep = 128;
constexpr int TrialLevel = 1;
constexpr int PerRow = 5; // the sample of the per-row choice, after those of the five filters alone

void AppendRow(std::vector<std::uint8_t>& to, int filter, const std::uint8_t* bytes, int size) {
    to.push_back(std::uint8_t(filter));
    to.insert(to.end(), bytes, bytes + size);
}
} // namespace

TPngFilterPlan PngFilterPlanFor(TPngFilterSet Set, int ColorType, int BitDepth) {
    if (Set != PngAllFilters) return {Set, TPngFilterChoice::RepetitionScore};
    if (ColorType == 3 || BitDepth < 8) return {PngFilterBit(rfNone), TPngFilterChoice::RepetitionScore};
    return {PngAllFilters, TPngFilterChoice::MinimumSum};
}

TPngFilterPlan PngTryFilterPlans(int Height, int RowBytes, int Offset, const TPngRowPacker& PackRow) {
    TPngRowFilters filters(PngAllFilters, TPngFilterChoice::MinimumSum, RowBytes, Offset);
    TPngDeflatedSize deflatedSize(TrialLevel);
    std::array<std::vector<std::uint8_t>, PerRow + 1> band;
    std::array<std::size_t, PerRow + 1> packed{};
    for (int y0 = 0; y0 < Height; y0 += BandStep) {
        filters.StartPass();
        if (y0 > 0) { // the row above the band
            PackRow(y0 - 1, filters.Raw());
            filters.FilterRow(RowBytes);
        }
        for (auto& rows : band)
            rows.clear();
        for (int y = y0; y < Height && y < y0 + BandRows; ++y) {
            PackRow(y, filters.Raw());
            const int chosen = filters.FilterRow(RowBytes);
            for (int f = 0; f < PerRow; ++f)
                AppendRow(band[std::size_t(f)], f, filters.Filtered(f), RowBytes);
            AppendRow(band[PerRow], chosen, filters.Filtered(chosen), RowBytes);
        }
        for (std::size_t i = 0; i < band.size(); ++i)
            packed[i] += deflatedSize(band[i]);
    }
    int best = PerRow;
    for (int f = 0; f < PerRow; ++f)
        if (packed[std::size_t(f)] < packed[std::size_t(best)]) best = f;
    if (best == PerRow) return {PngAllFilters, TPngFilterChoice::MinimumSum};
    return {TPngFilterSet(1u << best), TPngFilterChoice::RepetitionScore};
}
