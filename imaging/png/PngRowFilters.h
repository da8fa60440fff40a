// The writer's row filters: every allowed filter applied to a packed row against the row above, and the
// choice of the filter each row is written with.
#pragma once

#include "imaging/png/PngTypes.h"

#include <array>
#include <cstdint>
#include <vector>

// How the filter of a row is picked among the allowed ones (a single allowed filter is always taken).
enum class TPngFilterChoice : std::uint8_t {
    // The codec's own rule for hand-picked sets: the filter whose bytes repeat most often (see
    // ChooseByRepetition).
    RepetitionScore,
    // The filter whose bytes, read as signed differences, have the smallest sum of magnitudes: what the
    // format's authors suggest for adaptive filtering.
    MinimumSum,
};

class TPngRowFilters {
public:
    // Rows of at most MaxRow bytes taking one of the filters of Set; Offset is the byte distance of the left
    // neighbour (one pixel).
    TPngRowFilters(TPngFilterSet Set, TPngFilterChoice Choice, int MaxRow, int Offset);

    // Where the next packed row goes.
    std::uint8_t* Raw() { return FRaw.data(); }
    // A new Adam7 pass starts: no row above.
    void StartPass();
    // Filters the raw row of Size bytes with the allowed filters, picks one and returns its type; the
    // raw row then becomes the row above the next one.
    int FilterRow(int Size);
    // The bytes of the row under the given filter, valid until the next FilterRow.
    const std::uint8_t* Filtered(int Filter) const { return FBuffers[std::size_t(Filter)].data(); }

private:
    int ChooseByRepetition(int Size) const;
    int ChooseByMinimumSum(int Size) const;

    TPngFilterSet FSet;
    TPngFilterChoice FChoice;
    int FOffset;
    std::vector<std::uint8_t> FRaw;
    // Filter 0's bytes are the raw row itself, kept after filtering as the row above the next one.
    std::array<std::vector<std::uint8_t>, 5> FBuffers;
};
