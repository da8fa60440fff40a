// Second-order IIR sections (biquads) designed at a sample rate: low/high pass, band pass, notch,
// peaking and shelving responses, after the well-known analogue prototypes mapped by the bilinear
// transform with frequency pre-warping.
#pragma once

#include <cstddef>
#include <vector>

namespace effects {

struct TBiquadCoefficients {
    double B0 = 1, B1 = 0, B2 = 0, A1 = 0, A2 = 0; // normalised so that a0 = 1

    static TBiquadCoefficients LowPass(double sampleRate, double frequency, double q);
    static TBiquadCoefficients HighPass(double sampleRate, double frequency, double q);
    // Band pass with 0 dB at the centre frequency.
    static TBiquadCoefficients BandPass(double sampleRate, double frequency, double q);
    static TBiquadCoefficients Notch(double sampleRate, double frequency, double q);
    static TBiquadCoefficients Peaking(double sampleRate, double frequency, double q, double gainDb);
    // slope 0 < s <= 1: 1 is the steepest shelf that stays free of overshoot.
    static TBiquadCoefficients LowShelf(double sampleRate, double frequency, double gainDb, double slope);
    static TBiquadCoefficients HighShelf(double sampleRate, double frequency, double gainDb, double slope);

    // Magnitude of the response at the frequency, as a linear factor.
    double Magnitude(double sampleRate, double frequency) const;
};

// The Q of each second-order section of an even-order Butterworth low or high pass (order 2 * count).
std::vector<double> ButterworthSectionQs(int sectionCount);

// One channel's state of a cascade of sections, run in transposed direct form II with double precision
// state so that low frequencies at high sample rates stay exact.
class TBiquadCascade {
public:
    explicit TBiquadCascade(std::vector<TBiquadCoefficients> sections);
    void Process(float* samples, std::size_t count);
    // Two cascades of the same sections (the channels of a stereo signal) in one loop: each sample of
    // one waits on the sample before it, so two independent chains side by side take little longer
    // than one. Each gives exactly what Process would.
    static void ProcessPair(TBiquadCascade& first, float* firstSamples, TBiquadCascade& second,
                            float* secondSamples, std::size_t count);

private:
    void ProcessSectionBySection(float* samples, std::size_t count);

    struct TState {
        double Z1 = 0, Z2 = 0;
    };
    std::vector<TBiquadCoefficients> FSections;
    std::vector<TState> FStates;
};

} // namespace effects
