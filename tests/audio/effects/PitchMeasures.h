// What a listener hears of a pitch change, as numbers: how far a partial lies from where it should be
// (in cents), how long a click lasts and how much of it comes before it, and how much of a pure tone is
// not the tone. Shared by the effects tests and the effects benchmark, which sets the engine's results
// against the reference tool's.
#pragma once

#include "audio/views/FrequencyAnalyzer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace pitch_measures {

// The percent the pitch change takes for a shift by semitones (below 100 raises the pitch).
inline float PercentFor(int semitones) {
    return static_cast<float>(100.0 / std::exp2(semitones / 12.0));
}

inline double Cents(double frequency, double wanted) {
    return 1200 * std::log2(frequency / wanted);
}

// Steady tones of 0.2 each at the frequencies, seconds long.
inline std::vector<float> Tones(const std::vector<double>& frequencies, double seconds, int rate) {
    std::vector<float> samples(static_cast<std::size_t>(seconds * rate), 0.0f);
    for (double f : frequencies)
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] +=
                static_cast<float>(0.2 * std::sin(2 * std::numbers::pi * f * static_cast<double>(i) / rate));
    return samples;
}

// The notes of the chords measured: notes 40 to 50 Hz apart, where a shifter with too coarse a view of
// frequency pulls neighbours towards each other.
inline const std::vector<std::vector<double>>& Chords() {
    static const std::vector<std::vector<double>> chords = {{220.0, 261.63, 329.63}, {300.0, 350.0}};
    return chords;
}

// The frequency of the strongest component within a quarter tone of near, over 65536 frames from
// start: a Blackman-windowed spectrum with the peak placed between bins by a parabola through the
// levels, exact to a small part of a cent above 100 Hz.
inline double PeakNear(const std::vector<float>& samples, std::size_t start, double near, int rate) {
    constexpr int Size = 65536;
    TSpectrumAnalyzer analyzer(Size, TSpectrumAnalyzer::Blackman);
    std::vector<float> levels(static_cast<std::size_t>(analyzer.Bins()));
    analyzer.Analyze(samples.data() + start,
                     static_cast<int>(std::min<std::size_t>(Size, samples.size() - start)), levels.data());
    const double binHz = static_cast<double>(rate) / Size;
    const auto low = static_cast<std::size_t>(near * std::exp2(-0.5 / 12) / binHz);
    const auto high = static_cast<std::size_t>(near * std::exp2(0.5 / 12) / binHz) + 1;
    std::size_t best = low;
    for (std::size_t k = low; k <= high; ++k)
        if (levels[k] > levels[best]) best = k;
    const double a = levels[best - 1], b = levels[best], c = levels[best + 1];
    const double offset = (a - c) / (2 * (a - 2 * b + c));
    return (static_cast<double>(best) + offset) * binHz;
}

// The largest distance in cents of any note of a chord from where the shift should put it, measured
// from half a second in.
inline double WorstCents(const std::vector<float>& shifted, const std::vector<double>& notes, int semitones,
                         int rate) {
    double worst = 0;
    for (double note : notes) {
        const double wanted = note * std::exp2(semitones / 12.0);
        worst = std::max(
            worst,
            std::fabs(Cents(PeakNear(shifted, static_cast<std::size_t>(rate / 2), wanted, rate), wanted)));
    }
    return worst;
}

// Clicks a little over a quarter second apart, so that they fall at every place of a shifter's frame
// grid: pulses a tenth of a millisecond long in silence.
inline std::vector<std::size_t> ClickPlaces(int rate) {
    std::vector<std::size_t> places;
    for (std::size_t k = 0; k < 6; ++k)
        places.push_back(static_cast<std::size_t>(rate / 2) + k * static_cast<std::size_t>(rate / 4 + 331));
    return places;
}

inline std::vector<float> Clicks(int rate) {
    std::vector<float> samples(static_cast<std::size_t>(3 * rate), 0.0f);
    for (std::size_t at : ClickPlaces(rate))
        for (int k = -2; k <= 2; ++k)
            samples[at + static_cast<std::size_t>(k)] =
                static_cast<float>(0.8 * std::cos(std::numbers::pi * k / 6));
    return samples;
}

struct TClick {
    double Peak = 0;     // of the shifted click
    double WidthMs = 0;  // from the first to the last sample within 20 dB of its peak
    double PlaceMs = 0;  // of its peak, after the click's place (negative: before)
    double BeforeDb = 0; // the loudest sample from 30 ms to 1 ms before the click, against the peak
};

// The shifted click that was at `at`, within 30 ms of it.
inline TClick MeasureClick(const std::vector<float>& shifted, std::size_t at, int rate) {
    const auto span = static_cast<std::size_t>(rate * 30 / 1000);
    std::size_t peakAt = at - span;
    for (std::size_t i = at - span; i < at + span; ++i)
        if (std::fabs(shifted[i]) > std::fabs(shifted[peakAt])) peakAt = i;
    TClick click;
    click.Peak = std::fabs(shifted[peakAt]);
    std::size_t first = peakAt, last = peakAt;
    for (std::size_t i = at - span; i < at + span; ++i)
        if (std::fabs(shifted[i]) >= click.Peak / 10) {
            first = std::min(first, i);
            last = std::max(last, i);
        }
    double before = 0;
    for (std::size_t i = at - span; i < at - static_cast<std::size_t>(rate / 1000); ++i)
        before = std::max(before, static_cast<double>(std::fabs(shifted[i])));
    click.WidthMs = 1000.0 * static_cast<double>(last - first) / rate;
    click.PlaceMs = 1000.0 * (static_cast<double>(peakAt) - static_cast<double>(at)) / rate;
    click.BeforeDb = 20 * std::log10(std::max(before, 1e-12) / std::max(click.Peak, 1e-12));
    return click;
}

// Noise and distortion of a shifted sine: what remains, over half a second in its middle, once the sine
// at exactly the shifted frequency (fitted in level and phase) is taken away, in dB of the whole.
inline double ThdPlusNoiseDb(const std::vector<float>& samples, double frequency, int rate) {
    const std::size_t from = samples.size() / 2 - static_cast<std::size_t>(rate / 4),
                      to = from + static_cast<std::size_t>(rate / 2);
    const double step = 2 * std::numbers::pi * frequency / rate;
    double ss = 0, sc = 0, cc = 0, ys = 0, yc = 0, total = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double s = std::sin(step * static_cast<double>(i)), c = std::cos(step * static_cast<double>(i));
        ss += s * s, sc += s * c, cc += c * c, ys += samples[i] * s, yc += samples[i] * c;
        total += static_cast<double>(samples[i]) * samples[i];
    }
    const double det = ss * cc - sc * sc, a = (ys * cc - yc * sc) / det, b = (yc * ss - ys * sc) / det;
    double rest = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double e = samples[i] - a * std::sin(step * static_cast<double>(i)) -
                         b * std::cos(step * static_cast<double>(i));
        rest += e * e;
    }
    return 10 * std::log10(rest / total);
}

} // namespace pitch_measures
