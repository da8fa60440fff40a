// The exact length of a saved sound, stored as a container tag where the container cannot say where the
// sound ends: the WMA codec gives out whole frames of up to 2048 samples, so without it a reader would
// find up to a frame of silence after the sound.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace exact_length {

constexpr const char* Key = "OLVA/FrameCount";
// Always written with this many digits, so the tag keeps its size when the header that holds it is
// written again with the final count.
constexpr int Digits = 15;

inline std::string Format(std::int64_t frames) {
    char text[32];
    std::snprintf(text, sizeof text, "%0*lld", Digits, static_cast<long long>(frames));
    return text;
}

// The stored count, or -1 when the text is not one.
inline std::int64_t Parse(const char* text) {
    if (!text || !*text) return -1;
    std::int64_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || value > (INT64_MAX - 9) / 10) return -1;
        value = value * 10 + (*p - '0');
    }
    return value;
}

} // namespace exact_length
