#include "audio/views/ScaleTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace scale_ticks {

namespace {

struct TStep {
    double Size;  // in the scale's unit
    int Minors;   // minor divisions of one step
    int Decimals; // digits a label needs
};

std::vector<TStep> DecimalSteps(int firstExponent, int lastExponent) {
    std::vector<TStep> steps;
    for (int e = firstExponent; e <= lastExponent; ++e)
        for (int m : {1, 2, 5}) {
            const double size = m * std::pow(10.0, e);
            steps.push_back(TStep{size, m == 2 ? 4 : 5, std::max(0, -e)});
        }
    return steps;
}

std::vector<TStep> SecondSteps() {
    std::vector<TStep> steps = DecimalSteps(-4, -1);
    const TStep longer[] = {{1, 5, 0},     {2, 4, 0},     {5, 5, 0},      {10, 5, 0},    {15, 3, 0},
                            {30, 3, 0},    {60, 4, 0},    {120, 4, 0},    {300, 5, 0},   {600, 5, 0},
                            {900, 3, 0},   {1800, 3, 0},  {3600, 4, 0},   {7200, 4, 0},  {18000, 5, 0},
                            {36000, 5, 0}, {86400, 4, 0}, {172800, 4, 0}, {432000, 5, 0}};
    steps.insert(steps.end(), std::begin(longer), std::end(longer));
    return steps;
}

std::string Number(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') s.erase(0, 1); // no "-0"
    return s;
}

} // namespace

std::string DecimalTime(double seconds, int decimals) {
    decimals = std::clamp(decimals, 0, 9);
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long units = std::llround(std::fabs(seconds) * double(scale));
    const long long wholeSeconds = units / scale;
    std::string text = (seconds < 0 && units != 0 ? "-" : "") + std::to_string(wholeSeconds / 60) + ":";
    const long long secs = wholeSeconds % 60;
    text += (secs < 10 ? "0" : "") + std::to_string(secs);
    if (decimals > 0) {
        const std::string fraction = std::to_string(units % scale);
        text += "." + std::string(std::size_t(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string FrequencyText(double hz) {
    if (std::fabs(hz) < 1000) return Number(hz, 0);
    std::string s = Number(hz / 1000, 1);
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s + "k";
}

std::vector<TScaleTick> Time(double first, double span, int pixels, int format, int sampleRate,
                             const TMeasureText& measure) {
    std::vector<TScaleTick> ticks;
    if (pixels <= 0 || span <= 0) return ticks;
    const double unit = format == 1 ? 1.0 : double(std::max(1, sampleRate)); // frames per unit
    const double from = first / unit, to = (first + span) / unit;
    const double pixelsPerUnit = pixels / (span / unit);
    auto label = [&](double v, int decimals) {
        return format == 1 ? Number(v, 0) : DecimalTime(v, decimals);
    };
    const std::vector<TStep> steps = format == 1 ? DecimalSteps(0, 13) : SecondSteps();
    TStep step = steps.back();
    for (const TStep& s : steps) {
        const int widest = std::max(measure(label(from, s.Decimals)), measure(label(to, s.Decimals)));
        if (s.Size * pixelsPerUnit >= widest + 16) {
            step = s;
            break;
        }
    }
    int minors = step.Minors;
    // Whole samples cannot be split; minor ticks closer than 4 pixels are left out.
    while (minors > 1 && ((format == 1 && step.Size / minors < 1) || step.Size / minors * pixelsPerUnit < 4))
        minors = minors == 5 ? 1 : minors / 2;
    const double minor = step.Size / minors;
    const long long firstIndex = static_cast<long long>(std::ceil(from / minor - 1e-9));
    const long long lastIndex = static_cast<long long>(std::floor(to / minor + 1e-9));
    for (long long i = firstIndex; i <= lastIndex; ++i) {
        const double value = double(i) * minor;
        TScaleTick tick;
        tick.Offset = (value - from) * pixelsPerUnit;
        if (tick.Offset >= pixels) break;
        tick.Major = i % minors == 0;
        if (tick.Major) tick.Label = label(value, step.Decimals);
        ticks.push_back(std::move(tick));
    }
    return ticks;
}

std::vector<TScaleTick> Amplitude(int format, double amplitude, int height, int textHeight) {
    std::vector<TScaleTick> ticks;
    if (height < 2 || amplitude <= 0) return ticks;
    const double half = (height - 1) / 2.0;
    const int spacing = textHeight + 4;
    if (format == 3) {
        // Decibels are not evenly spaced: walk down from the edge and keep what has room, leaving room
        // for the centre's label.
        static const double levels[] = {24,  18,  12,  9,   6,   3,   0,   -1,  -2,  -3,  -4,  -6,  -9, -12,
                                        -15, -18, -21, -24, -30, -36, -42, -48, -54, -60, -72, -84, -96};
        double last = -1e9;
        for (double db : levels) {
            const double a = std::pow(10.0, db / 20);
            if (a > amplitude * 1.0001) continue;
            const double offset = half - a / amplitude * half;
            if (offset - last < spacing || half - offset < spacing) continue;
            last = offset;
            const std::string text = db > 0 ? "+" + Number(db, 0) : Number(db, 0);
            ticks.push_back(TScaleTick{offset, true, text});
            ticks.push_back(TScaleTick{2 * half - offset, true, text});
        }
        ticks.push_back(TScaleTick{half, true, "-inf"});
        std::sort(ticks.begin(), ticks.end(),
                  [](const TScaleTick& a, const TScaleTick& b) { return a.Offset < b.Offset; });
        return ticks;
    }
    const double units = format == 1 ? amplitude * 32768 : amplitude;
    const double pixelsPerUnit = half / units;
    const std::vector<TStep> steps = DecimalSteps(format == 1 ? 0 : -4, 7);
    TStep step = steps.back();
    for (const TStep& s : steps)
        if (s.Size * pixelsPerUnit >= spacing) {
            step = s;
            break;
        }
    const bool halves = step.Size / 2 * pixelsPerUnit >= 5 && (format != 1 || step.Size >= 2);
    const double minor = halves ? step.Size / 2 : step.Size;
    const long long count = static_cast<long long>(std::floor(units / minor + 1e-9));
    for (long long i = -count; i <= count; ++i) {
        const double value = double(i) * minor;
        const bool major = !halves || i % 2 == 0;
        ticks.push_back(TScaleTick{half - value * pixelsPerUnit, major,
                                   major ? Number(value, format == 1 ? 0 : step.Decimals) : std::string()});
    }
    std::reverse(ticks.begin(), ticks.end()); // from the top
    return ticks;
}

std::vector<TScaleTick> Frequency(double nyquist, int height, int textHeight) {
    std::vector<TScaleTick> ticks;
    if (height < 2 || nyquist <= 0) return ticks;
    const double pixelsPerHz = (height - 1) / nyquist;
    TStep step{1, 1, 0};
    for (const TStep& s : DecimalSteps(0, 6))
        if (s.Size * pixelsPerHz >= textHeight + 10) {
            step = s;
            break;
        }
    for (double f = 0; f <= nyquist + 1e-6; f += step.Size)
        ticks.push_back(TScaleTick{(height - 1) - f * pixelsPerHz, true, FrequencyText(f)});
    return ticks;
}

std::vector<TScaleTick> FrequencyAxis(double low, double high, int pixels, bool logarithmic,
                                      const TMeasureText& measure) {
    std::vector<TScaleTick> ticks;
    if (pixels < 2 || high <= low || (logarithmic && low <= 0)) return ticks;
    auto offsetOf = [&](double f) {
        return logarithmic ? std::log(f / low) / std::log(high / low) * (pixels - 1)
                           : (f - low) / (high - low) * (pixels - 1);
    };
    if (!logarithmic) {
        const int widest = measure(FrequencyText(high)) + 12;
        TStep step{1, 1, 0};
        for (const TStep& s : DecimalSteps(0, 6))
            if (offsetOf(low + s.Size) - offsetOf(low) >= widest) {
                step = s;
                break;
            }
        const int minors = step.Minors;
        const double minor = step.Size / minors;
        for (long long i = static_cast<long long>(std::ceil(low / minor - 1e-9)); i * minor <= high + 1e-9;
             ++i) {
            const bool major = i % minors == 0;
            ticks.push_back(TScaleTick{offsetOf(double(i) * minor), major,
                                       major ? FrequencyText(double(i) * minor) : ""});
        }
        return ticks;
    }
    // Every whole multiple of a decade is a tick; labels go on 1, 2 and 5 where they have room.
    double lastEdge = -1e9;
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade <= high; decade *= 10)
        for (int m = 1; m <= 9; ++m) {
            const double f = m * decade;
            if (f < low - 1e-9 || f > high + 1e-9) continue;
            TScaleTick tick{offsetOf(f), m == 1 || m == 2 || m == 5, ""};
            if (tick.Major) {
                const std::string label = FrequencyText(f);
                const double half = measure(label) / 2.0;
                if (tick.Offset - half >= lastEdge + 8) {
                    tick.Label = label;
                    lastEdge = tick.Offset + half;
                }
            }
            ticks.push_back(std::move(tick));
        }
    return ticks;
}

std::string WidestAmplitudeLabel(int format, double amplitude) {
    if (format == 1) return "-" + std::string(std::to_string(std::llround(amplitude * 32768)).size(), '8');
    if (format == 2) return amplitude >= 10 ? "-10.000" : "-0.000";
    return "-inf";
}

std::string WidestFrequencyLabel() {
    return "22.8k";
}

} // namespace scale_ticks
