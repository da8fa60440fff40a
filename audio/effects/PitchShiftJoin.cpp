#include "audio/effects/PitchShiftJoin.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace effects {

namespace pitch_join_detail {
// Dot product with several running sums, which the compiler can keep in vector registers.
double Dot(const float* a, const float* b, std::size_t count) {
    float sums[8] = {};
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8)
        for (std::size_t k = 0; k < 8; ++k)
            sums[k] += a[i + k] * b[i + k];
    double total = 0;
    for (float sum : sums)
        total += sum;
    for (; i < count; ++i)
        total += static_cast<double>(a[i]) * b[i];
    return total;
}

// Offsets in order of distance from 0, so that a later one wins only when it is strictly better.
int OffsetAt(int step) {
    return step % 2 == 0 ? step / 2 : -(step + 1) / 2;
}

// How much worse than its own best a channel may fit at the shared offset (in correlation
// coefficient) before the channels are slid apart.
constexpr double SharedTolerance = 0.05;
// Fits closer than this (in correlation coefficient) count as equally good.
constexpr double NearlyEqual = 0.01;
} // namespace pitch_join_detail

std::vector<int> JoinOffsets(const std::vector<std::vector<float>>& previous,
                             const std::vector<std::vector<float>>& next, std::size_t overlap, int reach) {
    using namespace pitch_join_detail;
    const std::size_t channels = previous.size();
    std::vector<int> own(channels, 0);
    if (overlap == 0 || reach <= 0) return own;
    const std::size_t steps = static_cast<std::size_t>(2 * reach + 1);
    // Per channel and step: correlation with the previous stretch and energy of the incoming one.
    std::vector<std::vector<double>> correlation(channels, std::vector<double>(steps)),
        energy(channels, std::vector<double>(steps));
    std::vector<double> previousEnergy(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        previousEnergy[c] = Dot(previous[c].data(), previous[c].data(), overlap);
        for (std::size_t step = 0; step < steps; ++step) {
            const float* incoming = next[c].data() + reach + OffsetAt(static_cast<int>(step));
            correlation[c][step] = Dot(previous[c].data(), incoming, overlap);
            energy[c][step] = Dot(incoming, incoming, overlap);
        }
    }
    const auto coefficient = [&](std::size_t c, std::size_t step) {
        const double scale = std::sqrt(previousEnergy[c] * energy[c][step]);
        return scale > 0 ? correlation[c][step] / scale : 0.0;
    };
    // Of fits that are as good within NearlyEqual, the one nearest 0: sliding a stretch further than
    // needed moves every sound in it.
    const auto nearest = [&](const auto& score) {
        double top = score(0);
        for (std::size_t step = 1; step < steps; ++step)
            top = std::max(top, score(step));
        std::size_t step = 0;
        while (score(step) < top - NearlyEqual)
            ++step;
        return step;
    };
    std::vector<std::size_t> best(channels, 0);
    for (std::size_t c = 0; c < channels; ++c)
        best[c] = nearest([&](std::size_t step) { return coefficient(c, step); });

    // The shared offset: the best fit of all channels together, louder channels counting more.
    double allPrevious = 0;
    for (std::size_t c = 0; c < channels; ++c)
        allPrevious += previousEnergy[c];
    const std::size_t shared = nearest([&](std::size_t step) {
        double sum = 0, incomingEnergy = 0;
        for (std::size_t c = 0; c < channels; ++c) {
            sum += correlation[c][step];
            incomingEnergy += energy[c][step];
        }
        const double scale = std::sqrt(allPrevious * incomingEnergy);
        return scale > 0 ? sum / scale : 0.0;
    });
    bool together = true;
    for (std::size_t c = 0; c < channels; ++c)
        together = together && coefficient(c, shared) >= coefficient(c, best[c]) - SharedTolerance;
    for (std::size_t c = 0; c < channels; ++c)
        own[c] = OffsetAt(static_cast<int>(together ? shared : best[c]));
    return own;
}

float JoinWeight(std::size_t i, std::size_t overlap) {
    const double x = (static_cast<double>(i) + 0.5) / static_cast<double>(overlap);
    return static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * x));
}

} // namespace effects
