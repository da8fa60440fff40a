// Conversions between milliseconds and sample frames. Every part of the engine converts through these,
// so a time typed by the user and a position shown back always agree: both round to the nearest unit,
// halves away from zero.
#pragma once

#include <cstdint>

namespace audio_time {

inline std::int64_t RoundedDiv(std::int64_t num, std::int64_t den) {
    if (den <= 0) return 0;
    return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
}

inline std::int64_t MsToSamples(std::int64_t ms, int sampleRate) {
    return RoundedDiv(ms * sampleRate, 1000);
}

inline std::int64_t SamplesToMs(std::int64_t samples, int sampleRate) {
    return RoundedDiv(samples * 1000, sampleRate);
}

} // namespace audio_time
