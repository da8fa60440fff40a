// Small numeric helpers shared by the effects: parameter checks, decibel conversions.
#pragma once

#include <cmath>
#include <cstddef>
#include <string_view>

namespace effects {

// Raises EAudioEffectParameter naming the effect, the parameter and its accepted range when value lies
// outside [low, high] or is not a finite number.
void RequireRange(std::string_view effect, std::string_view parameter, double value, double low, double high);

// Raises EAudioEffectParameter unless the frequency lies strictly between 0 Hz and half the sample rate.
void RequireAudibleFrequency(std::string_view effect, double frequency, int sampleRate);

// Number of whole frames in the given milliseconds at the sample rate, rounded to the nearest frame.
long long MsToFrames(double ms, int sampleRate);

// Samples that are not numbers (a damaged source) would poison every recursive effect; they become
// silence.
inline void ReplaceNonFinite(float* samples, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(samples[i])) samples[i] = 0.0f;
}

inline double DbToGain(double db) {
    return std::pow(10.0, db / 20.0);
}
inline double GainToDb(double gain) {
    return 20.0 * std::log10(gain);
}

} // namespace effects
