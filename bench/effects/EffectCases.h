// The effects the benchmark times, each with the reference tool's nearest equivalent.
#pragma once

#include "audio/AudioEditor2.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace effects_bench {

struct TCase {
    const char* Name;
    std::string Sox; // the reference tool's effect arguments
    std::function<void(TAudioEditor2&)> Apply;
    // Effects that move every frequency by a factor (and keep the length): the factor, so that the
    // benchmark can set both tools' results against the ideal; 0 for the others.
    double FrequencyFactor = 0;
};

inline const std::vector<TCase>& Cases() {
    static const std::vector<TCase> cases = [] {
        const std::vector<float> frequencies = {31.25f, 62.5f, 125,  250,  500,   1000,
                                                2000,   4000,  6000, 9000, 12000, 16000};
        const std::vector<float> gains = {-0.5f, -1.8f, -0.5f, 0.1f, -0.3f, 0.8f,
                                          0.2f,  0.75f, 0.45f, 0.3f, 0.15f, 0.1f};
        std::string equalizer;
        for (std::size_t i = 0; i < gains.size(); ++i)
            equalizer +=
                " equalizer " + std::to_string(frequencies[i]) + " 1.0o " + std::to_string(gains[i] * 10);
        return std::vector<TCase>{
            {"echo", "echo 1 1 200 0.7", [](auto& e) { e.Transform().Echo(200, 70, 40); }},
            {"reverb", "reverb 50 50 100", [](auto& e) { e.Transform().Reverb(30, 60, 60, 30, 11025, 8); }},
            {"equalizer", equalizer.substr(1),
             [=](auto& e) {
                 auto g = gains;
                 auto f = frequencies;
                 e.Transform().Equalizer(g, f);
             }},
            {"highpass", "highpass 200 highpass 200 highpass 200 highpass 200",
             [](auto& e) { e.Transform().HighPass(200, 100); }},
            {"lowpass", "lowpass 1000 lowpass 1000 lowpass 1000",
             [](auto& e) { e.Transform().LowPass(1000, 50); }},
            {"bandpass", "bandpass 1000 1q", [](auto& e) { e.Transform().BandPass(1000, 50); }},
            {"notch", "bandreject 1000 1q", [](auto& e) { e.Transform().Notch(1000, 50); }},
            {"peakeq", "equalizer 1000 0.35q -10", [](auto& e) { e.Transform().PeakEQ(-10, 1000, 50); }},
            {"lowshelf", "bass 6 200", [](auto& e) { e.Transform().LowShelf(200, 6, 50); }},
            {"highshelf", "treble -6 4000", [](auto& e) { e.Transform().HighShelf(4000, -6, 50); }},
            {"normalize", "gain -n -1", [](auto& e) { e.Transform().Normalize(89, -1); }},
            {"amplify", "vol 2", [](auto& e) { e.Transform().Amplify(200); }},
            {"invert", "vol -1", [](auto& e) { e.Transform().Invert(); }},
            {"fade", "fade t 0 600 600", [](auto& e) { e.Transform().Fade(100, 0); }},
            {"reverse", "reverse", [](auto& e) { e.Transform().Reverse(); }},
            {"mixstereo", "remix 1v0.5,2v0.5 1v0.5,2v0.5",
             [](auto& e) { e.Transform().MixStereo(50, 50, 50, 50); }},
            {"compressor", "compand 0.01,0.2 -10,-10,0,-5 0 0 0",
             [](auto& e) { e.Transform().Compressor(-10, 50, 100); }},
            {"chorus", "chorus 0.7 0.9 55 0.4 0.25 2 -t",
             [](auto& e) { e.Transform().Chorus(31, 45, 60, 25, 12, 90); }},
            {"flanger", "flanger", [](auto& e) { e.Transform().Flanger(14, 50, 30, 99, 18, 40); }},
            {"phaser", "phaser 0.8 0.74 3 0.4 0.5 -t", [](auto& e) { e.Transform().Phaser(60, 30, 60); }},
            {"speed", "speed 1.5", [](auto& e) { e.Transform().Speed(150); }},
            {"pitch", "pitch -583", [](auto& e) { e.Transform().Pitch(140); }, 100.0 / 140},
        };
    }();
    return cases;
}

// A listed effect, or "pitch+N" / "pitch-N": the pitch change by N semitones (up or down), which the
// benchmark's quality measures use.
inline std::optional<TCase> Find(const char* name) {
    for (const TCase& c : Cases())
        if (std::strcmp(c.Name, name) == 0) return c;
    if (std::strncmp(name, "pitch", 5) == 0 && (name[5] == '+' || name[5] == '-')) {
        char* end = nullptr;
        const long semitones = std::strtol(name + 5, &end, 10);
        if (*end != '\0' || semitones < -19 || semitones > 19) return std::nullopt;
        const double factor = std::exp2(static_cast<double>(semitones) / 12);
        const auto percent = static_cast<float>(100 / factor);
        return TCase{"pitch by semitones", "pitch " + std::to_string(semitones * 100),
                     [percent](auto& e) { e.Transform().Pitch(percent); }, factor};
    }
    return std::nullopt;
}

} // namespace effects_bench
