// Joining the separately shifted stretches of a signal. Shifters started at different points do not
// agree on the phase of what they give out, so a plain cross-fade between two of them can cancel a
// steady tone half way through; the next stretch is first slid by up to a period of the lowest tone
// worth keeping, to where it best continues the previous one, and then faded in.
#pragma once

#include <cstddef>
#include <vector>

namespace effects {

// For each channel, the offset in [-reach, reach] at which next continues previous: previous[c][i] for
// i in [0, overlap) is compared with next[c][reach + offset + i] (next must hold overlap + 2 * reach
// frames). The channels share one offset, so that they stay in step, unless that would make one of
// them fit clearly worse than it could; then each takes its own. Of offsets that fit nearly equally
// well the one nearest 0 wins; silence gives 0.
std::vector<int> JoinOffsets(const std::vector<std::vector<float>>& previous,
                             const std::vector<std::vector<float>>& next, std::size_t overlap, int reach);

// Weight of the incoming stretch at frame i of a cross-fade over overlap frames (rises from near 0 to
// near 1 along a raised cosine).
float JoinWeight(std::size_t i, std::size_t overlap);

} // namespace effects
