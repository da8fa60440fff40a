#include "audio/effects/DynamicsEffects.h"

#include "audio/effects/EffectMath.h"
#include "audio/effects/FastPower.h"

#include <algorithm>
#include <cmath>

namespace effects {

namespace dynamics_detail {
double SmoothingFor(double seconds, int sampleRate) {
    return seconds > 0 ? std::exp(-1.0 / (seconds * sampleRate)) : 0.0;
}
constexpr double FloorGain = 1e-6; // -120 dB
} // namespace dynamics_detail

TCompressorEffect::TCompressorEffect(int sampleRate, int channels, double thresholdDb, double ratePercent,
                                     double outputPercent)
    : TChannelEffect(sampleRate, channels) {
    RequireRange("Dynamic Range Compressor", "threshold (dB)", thresholdDb, -40, 0);
    RequireRange("Dynamic Range Compressor", "rate (%)", ratePercent, 0, 100);
    RequireRange("Dynamic Range Compressor", "output level (%)", outputPercent, 0, 1000);
    FThreshold = DbToGain(thresholdDb);
    FSlope = ratePercent / 100.0;
    FOutput = outputPercent / 100.0;
    FAttack = dynamics_detail::SmoothingFor(0.002, sampleRate);
    FRelease = dynamics_detail::SmoothingFor(0.150, sampleRate);
    FLevels.assign(static_cast<std::size_t>(channels), 0.0);
}

void TCompressorEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    // Two passes: the level follower, which depends on the sample before, and then the gains, which
    // do not and so run in vector registers.
    thread_local std::vector<float> ratios;
    ratios.resize(count);
    double level = FLevels[static_cast<std::size_t>(channel)];
    const double toRatio = 1.0 / FThreshold;
    for (std::size_t i = 0; i < count; ++i) {
        const double magnitude = std::fabs(samples[i]);
        const double k = magnitude > level ? FAttack : FRelease;
        level = k * level + (1.0 - k) * magnitude;
        ratios[i] = static_cast<float>(level * toRatio);
    }
    if (level < 1e-30) level = 0;
    FLevels[static_cast<std::size_t>(channel)] = level;
    // Gain in dB = -(level dB - threshold dB) * slope above the threshold, a power of the level ratio;
    // below it the ratio counts as 1, whose power is exactly 1.
    const float output = static_cast<float>(FOutput), slope = static_cast<float>(-FSlope);
    const float* __restrict ratio = ratios.data();
    float* __restrict out = samples;
    for (std::size_t i = 0; i < count; ++i)
        out[i] *= output * fast_power::Exp2(slope * fast_power::Log2(std::max(ratio[i], 1.0f)));
}

TNoiseReductionEffect::TNoiseReductionEffect(int sampleRate, int channels, double thresholdDb,
                                             double ratePercent, double rmsTimeMs)
    : TChannelEffect(sampleRate, channels) {
    RequireRange("Noise Reduction", "threshold (dB)", thresholdDb, -96, 10);
    RequireRange("Noise Reduction", "rate (%)", ratePercent, 1, 100);
    RequireRange("Noise Reduction", "root-mean-square time (ms)", rmsTimeMs, 0, 1000);
    FThresholdPower = std::pow(10.0, thresholdDb / 10.0);
    const double ratio = 1.0 + 9.0 * ratePercent / 100.0;
    // gain dB = (level dB - threshold dB) * (ratio - 1); level dB = 10 log10(mean square).
    FExponent = (ratio - 1.0) / 2.0;
    FSmoothing = dynamics_detail::SmoothingFor(rmsTimeMs / 1000.0, sampleRate);
    FMeanSquares.assign(static_cast<std::size_t>(channels), 0.0);
}

void TNoiseReductionEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    double meanSquare = FMeanSquares[static_cast<std::size_t>(channel)];
    for (std::size_t i = 0; i < count; ++i) {
        const double x = samples[i];
        meanSquare = FSmoothing * meanSquare + (1.0 - FSmoothing) * x * x;
        if (meanSquare < FThresholdPower) {
            const double gain =
                std::max(dynamics_detail::FloorGain, std::pow(meanSquare / FThresholdPower, FExponent));
            samples[i] = static_cast<float>(x * gain);
        }
    }
    if (meanSquare < 1e-30) meanSquare = 0;
    FMeanSquares[static_cast<std::size_t>(channel)] = meanSquare;
}

} // namespace effects
