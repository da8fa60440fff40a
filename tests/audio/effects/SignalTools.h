// Generated test signals and measurements shared by the effect tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <random>
#include <vector>

namespace effects_test {

constexpr int Rate = 44100;

// A mono sine of the given frequency, amplitude and length.
inline std::vector<float> Sine(double frequency, double seconds, double amplitude = 0.5, int rate = Rate) {
    const std::size_t n = static_cast<std::size_t>(seconds * rate);
    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] = static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * frequency * i / rate));
    return out;
}

// White noise, reproducible.
inline std::vector<float> Noise(std::size_t samples, double amplitude = 0.5, unsigned seed = 7) {
    std::mt19937 generator(seed);
    std::uniform_real_distribution<float> value(static_cast<float>(-amplitude),
                                                static_cast<float>(amplitude));
    std::vector<float> out(samples);
    for (float& sample : out)
        sample = value(generator);
    return out;
}

// Interleaves equally long channels.
inline std::vector<float> Interleave(const std::vector<std::vector<float>>& channels) {
    std::vector<float> out(channels[0].size() * channels.size());
    for (std::size_t f = 0; f < channels[0].size(); ++f)
        for (std::size_t c = 0; c < channels.size(); ++c)
            out[f * channels.size() + c] = channels[c][f];
    return out;
}

inline std::vector<float> Channel(const std::vector<float>& interleaved, std::size_t channels,
                                  std::size_t channel) {
    std::vector<float> out(interleaved.size() / channels);
    for (std::size_t f = 0; f < out.size(); ++f)
        out[f] = interleaved[f * channels + channel];
    return out;
}

inline double Rms(const std::vector<float>& samples, std::size_t begin = 0, std::size_t end = 0) {
    if (end == 0 || end > samples.size()) end = samples.size();
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return end > begin ? std::sqrt(sum / static_cast<double>(end - begin)) : 0.0;
}

inline double Peak(const std::vector<float>& samples) {
    double peak = 0;
    for (float s : samples)
        peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

inline double Db(double ratio) {
    return 20.0 * std::log10(ratio);
}

// Dominant frequency of a tone from its rising zero crossings (interpolated), over [begin, end).
inline double ToneFrequency(const std::vector<float>& samples, std::size_t begin, std::size_t end,
                            int rate = Rate) {
    double first = -1, last = -1;
    int crossings = 0;
    for (std::size_t i = begin + 1; i < end; ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            const double at = (i - 1) + samples[i - 1] / (samples[i - 1] - samples[i]);
            if (first < 0)
                first = at;
            else
                ++crossings;
            last = at;
        }
    }
    return crossings > 0 ? crossings * rate / (last - first) : 0.0;
}

// Lag (1..maxLag) at which the autocorrelation of the signal peaks.
inline std::size_t AutocorrelationPeak(const std::vector<float>& samples, std::size_t minLag,
                                       std::size_t maxLag) {
    std::size_t best = minLag;
    double bestValue = -1e300;
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
        double sum = 0;
        for (std::size_t i = lag; i < samples.size(); ++i)
            sum += static_cast<double>(samples[i]) * samples[i - lag];
        if (sum > bestValue) {
            bestValue = sum;
            best = lag;
        }
    }
    return best;
}

inline bool AllFinite(const std::vector<float>& samples) {
    return std::all_of(samples.begin(), samples.end(), [](float s) { return std::isfinite(s); });
}

} // namespace effects_test
