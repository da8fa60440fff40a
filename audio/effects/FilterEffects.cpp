#include "audio/effects/FilterEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"

#include <cmath>
#include <string>

namespace effects {

TFilterEffect::TFilterEffect(int sampleRate, int channels, std::vector<TBiquadCoefficients> sections,
                             int firstChannel)
    : TChannelEffect(sampleRate, channels, firstChannel), FSections(std::move(sections)) {
    for (int c = 0; c < channels; ++c)
        FCascades.emplace_back(FSections);
}

double TFilterEffect::Magnitude(double frequency) const {
    double magnitude = 1.0;
    for (const auto& section : FSections)
        magnitude *= section.Magnitude(SampleRate(), frequency);
    return magnitude;
}

void TFilterEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    FCascades[static_cast<std::size_t>(channel)].Process(samples, count);
}

void TFilterEffect::ProcessChannels(float* const* channels, std::size_t frames) {
    if (Channels() != 2) {
        TChannelEffect::ProcessChannels(channels, frames);
        return;
    }
    TBiquadCascade::ProcessPair(FCascades[0], channels[0], FCascades[1], channels[1], frames);
}

namespace filter_design {

namespace design_detail {
void RequireSteepness(std::string_view effect, double steepness) {
    RequireRange(effect, "steepness (%)", steepness, 0, 100);
}
void RequireGain(std::string_view effect, double gainDb) {
    RequireRange(effect, "gain (dB)", gainDb, -90, 90);
}
} // namespace design_detail

int PassSectionCount(double steepnessPercent) {
    return 1 + static_cast<int>(std::lround(3.0 * steepnessPercent / 100.0));
}

double SteepnessToQ(double steepnessPercent) {
    return 0.5 * std::pow(2.0, steepnessPercent / 20.0);
}

double SteepnessToShelfSlope(double steepnessPercent) {
    return 0.1 + 0.9 * steepnessPercent / 100.0;
}

std::vector<TBiquadCoefficients> HighPass(int sampleRate, double cutoff, double steepness) {
    design_detail::RequireSteepness("High-Pass Filter", steepness);
    RequireAudibleFrequency("High-Pass Filter", cutoff, sampleRate);
    std::vector<TBiquadCoefficients> sections;
    for (double q : ButterworthSectionQs(PassSectionCount(steepness)))
        sections.push_back(TBiquadCoefficients::HighPass(sampleRate, cutoff, q));
    return sections;
}

std::vector<TBiquadCoefficients> LowPass(int sampleRate, double cutoff, double steepness) {
    design_detail::RequireSteepness("LowPass Filter", steepness);
    RequireAudibleFrequency("LowPass Filter", cutoff, sampleRate);
    std::vector<TBiquadCoefficients> sections;
    for (double q : ButterworthSectionQs(PassSectionCount(steepness)))
        sections.push_back(TBiquadCoefficients::LowPass(sampleRate, cutoff, q));
    return sections;
}

std::vector<TBiquadCoefficients> BandPass(int sampleRate, double frequency, double steepness) {
    design_detail::RequireSteepness("BandPass Filter", steepness);
    RequireAudibleFrequency("BandPass Filter", frequency, sampleRate);
    return {TBiquadCoefficients::BandPass(sampleRate, frequency, SteepnessToQ(steepness))};
}

std::vector<TBiquadCoefficients> Notch(int sampleRate, double frequency, double steepness) {
    design_detail::RequireSteepness("Notch Filter", steepness);
    RequireAudibleFrequency("Notch Filter", frequency, sampleRate);
    return {TBiquadCoefficients::Notch(sampleRate, frequency, SteepnessToQ(steepness))};
}

std::vector<TBiquadCoefficients> LowShelf(int sampleRate, double gainDb, double frequency, double steepness) {
    design_detail::RequireGain("LowShelf Filter", gainDb);
    design_detail::RequireSteepness("LowShelf Filter", steepness);
    RequireAudibleFrequency("LowShelf Filter", frequency, sampleRate);
    return {TBiquadCoefficients::LowShelf(sampleRate, frequency, gainDb, SteepnessToShelfSlope(steepness))};
}

std::vector<TBiquadCoefficients> HighShelf(int sampleRate, double gainDb, double frequency,
                                           double steepness) {
    design_detail::RequireGain("HighShelf Filter", gainDb);
    design_detail::RequireSteepness("HighShelf Filter", steepness);
    RequireAudibleFrequency("HighShelf Filter", frequency, sampleRate);
    return {TBiquadCoefficients::HighShelf(sampleRate, frequency, gainDb, SteepnessToShelfSlope(steepness))};
}

std::vector<TBiquadCoefficients> PeakEQ(int sampleRate, double gainDb, double frequency, double steepness) {
    design_detail::RequireGain("PeakEQ Filter", gainDb);
    design_detail::RequireSteepness("PeakEQ Filter", steepness);
    RequireAudibleFrequency("PeakEQ Filter", frequency, sampleRate);
    return {TBiquadCoefficients::Peaking(sampleRate, frequency, SteepnessToQ(steepness), gainDb)};
}

std::vector<TBiquadCoefficients> Equalizer(int sampleRate, const std::vector<float>& gains,
                                           const std::vector<float>& frequencies) {
    if (gains.size() != frequencies.size() || gains.empty())
        throw EAudioEffectParameter("Equalizer: the gain and frequency arrays must hold the same, non-zero "
                                    "number of bands.");
    std::vector<TBiquadCoefficients> sections;
    for (std::size_t band = 0; band < gains.size(); ++band) {
        const std::string name = "band " + std::to_string(band + 1);
        // The dialog's bands reach +-180 tenths of a dB, passed divided by 100; allow for float rounding.
        RequireRange("Equalizer", name + " gain (x10 dB)", gains[band], -1.8001, 1.8001);
        RequireRange("Equalizer", name + " frequency (Hz)", frequencies[band], 1e-3, 1e6);
        if (gains[band] == 0.0f || frequencies[band] >= sampleRate / 2.0) continue;
        sections.push_back(
            TBiquadCoefficients::Peaking(sampleRate, frequencies[band], std::sqrt(2.0), gains[band] * 10.0));
    }
    return sections;
}

} // namespace filter_design

} // namespace effects
