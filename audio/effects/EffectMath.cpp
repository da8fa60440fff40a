#include "audio/effects/EffectMath.h"

#include "audio/effects/EffectErrors.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace effects {

namespace math_detail {
std::string FormatNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}
} // namespace math_detail

void RequireRange(std::string_view effect, std::string_view parameter, double value, double low,
                  double high) {
    if (std::isfinite(value) && value >= low && value <= high) return;
    throw EAudioEffectParameter(std::string(effect) + ": " + std::string(parameter) + " " +
                                math_detail::FormatNumber(value) + " is out of range (" +
                                math_detail::FormatNumber(low) + " to " + math_detail::FormatNumber(high) +
                                ").");
}

void RequireAudibleFrequency(std::string_view effect, double frequency, int sampleRate) {
    const double nyquist = sampleRate / 2.0;
    if (std::isfinite(frequency) && frequency > 0.0 && frequency < nyquist) return;
    throw EAudioEffectParameter(std::string(effect) + ": frequency " + math_detail::FormatNumber(frequency) +
                                " Hz is out of range (it must lie above 0 Hz and below " +
                                math_detail::FormatNumber(nyquist) + " Hz at this sample rate).");
}

long long MsToFrames(double ms, int sampleRate) {
    return std::llround(ms * sampleRate / 1000.0);
}

} // namespace effects
