// Small text helpers shared by the engine's descriptions.
#pragma once

#include <string>

namespace audio_text {

// 44100 → "44,100", as rates are shown to the user.
inline std::string Thousands(int value) {
    std::string digits = std::to_string(value), out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && digits[i - 1] != '-' && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace audio_text
