// Which filters the rows of an image being written may take, and how one is picked for each row.
#pragma once

#include "imaging/png/PngRowFilters.h"

#include <functional>

struct TPngFilterPlan {
    TPngFilterSet Rows = PngFilterBit(rfNone); // the filters rows may take
    TPngFilterChoice Choice = TPngFilterChoice::RepetitionScore;
};

// A hand-picked set (anything but all five filters) is used as it is, by the codec's repetition rule.
// With every filter left to the encoder, palette images and depths below 8 bits are written unfiltered
// (their samples are indices or packed bits, whose differences only scatter the values), and the rows of
// other images each take the filter of smallest signed sum.
TPngFilterPlan PngFilterPlanFor(TPngFilterSet Set, int ColorType, int BitDepth);

// Packs row y of a non-interlaced image into Out.
using TPngRowPacker = std::function<void(int y, std::uint8_t* Out)>;

// For an image whose filters are left to the encoder: tries the per-row choice and each filter alone on a
// sample of the rows, and keeps whichever packs the sample smallest (the per-row choice on a tie). The
// per-row rule is a guess about each row alone; drawn pictures with flat areas and repeated shapes often
// pack far better unfiltered, and some pictures with one filter throughout.
TPngFilterPlan PngTryFilterPlans(int Height, int RowBytes, int Offset, const TPngRowPacker& PackRow);
