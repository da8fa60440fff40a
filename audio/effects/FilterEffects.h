// Frequency filters built from biquad sections designed at the signal's sample rate.
//
// How "steepness" (0 to 100 %, as the filter dialogs give it) is turned into a filter:
// - High pass and low pass: Butterworth responses whose order grows with steepness:
//     sections = 1 + round(3 * steepness / 100), order = 2 * sections,
//   i.e. 12 dB/octave at 0..16 %, 24 at 17..49 %, 36 at 50..83 %, 48 at 84..100 % (halves round up). Whatever
//   the steepness, the response is 3 dB down exactly at the cut-off frequency. The high-pass command passes
//   100, the steepest.
// - Band pass, notch and peak EQ: a single section whose quality factor grows exponentially:
//     Q = 0.5 * 2 ^ (steepness / 20),
//   0.5 at 0 % (about 2.5 octaves between the -3 dB points), 2.83 at the default 50 %, 16 at 100 %.
// - Low shelf and high shelf: the shelf slope S = 0.1 + 0.9 * steepness / 100, from a gentle transition at
//   0 % to S = 1 at 100 %, the steepest shelf that stays free of overshoot. The gain is reached fully
//   far below (low shelf) or above (high shelf) the frequency, half of it (in dB) at the frequency.
// - The 12-band equalizer: one peaking section per band, Q = sqrt(2) (about one octave wide), the gain of
//   a band given in units of 10 dB (a band value of 1.8 is +18 dB). Bands whose centre frequency lies at
//   or above half the sample rate cannot act at that rate and are left out; bands at 0 dB cost nothing.
#pragma once

#include "audio/effects/AudioEffect.h"
#include "audio/effects/Biquad.h"

#include <memory>
#include <vector>

namespace effects {

// A cascade of biquad sections run on every channel with its own state.
class TFilterEffect : public TChannelEffect {
public:
    TFilterEffect(int sampleRate, int channels, std::vector<TBiquadCoefficients> sections,
                  int firstChannel = 0);
    const std::vector<TBiquadCoefficients>& Sections() const { return FSections; }

    // Combined magnitude of all sections at the frequency (linear factor).
    double Magnitude(double frequency) const;

    // Both channels of a stereo signal go through one loop (see TBiquadCascade::ProcessPair), so the
    // channels are not handed out apart.
    bool ChannelsApart() const override { return Channels() != 2; }
    void ProcessChannels(float* const* channels, std::size_t frames) override;

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    std::vector<TBiquadCoefficients> FSections;
    std::vector<TBiquadCascade> FCascades;
};

// Designers of the sections, each checking its parameters as the dialogs give them.
namespace filter_design {
int PassSectionCount(double steepnessPercent);
double SteepnessToQ(double steepnessPercent);
double SteepnessToShelfSlope(double steepnessPercent);

std::vector<TBiquadCoefficients> HighPass(int sampleRate, double cutoff, double steepness);
std::vector<TBiquadCoefficients> LowPass(int sampleRate, double cutoff, double steepness);
std::vector<TBiquadCoefficients> BandPass(int sampleRate, double frequency, double steepness);
std::vector<TBiquadCoefficients> Notch(int sampleRate, double frequency, double steepness);
std::vector<TBiquadCoefficients> LowShelf(int sampleRate, double gainDb, double frequency, double steepness);
std::vector<TBiquadCoefficients> HighShelf(int sampleRate, double gainDb, double frequency, double steepness);
std::vector<TBiquadCoefficients> PeakEQ(int sampleRate, double gainDb, double frequency, double steepness);
// gains in units of 10 dB (-1.8 to 1.8), one per frequency.
std::vector<TBiquadCoefficients> Equalizer(int sampleRate, const std::vector<float>& gains,
                                           const std::vector<float>& frequencies);
} // namespace filter_design

} // namespace effects
