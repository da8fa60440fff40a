#include "audio/effects/AudioTransform2.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace effects_test;

namespace presets_test {

// Every preset of the delay and modulation dialogs, as the dialogs pass them.
struct TPreset {
    std::string Effect;
    std::array<float, 6> Values;
};

std::vector<TPreset> DialogPresets() {
    std::vector<TPreset> presets;
    for (auto v : std::vector<std::array<float, 3>>{{200, 70, 40},
                                                    {120, 50, 0},
                                                    {60, 50, 0},
                                                    {300, 25, 30},
                                                    {80, 70, 60},
                                                    {500, 50, 70},
                                                    {340, 10, 70},
                                                    {750, 30, 70},
                                                    {200, 70, 10},
                                                    {200, 70, 0},
                                                    {26, 60, 10},
                                                    {360, 35, 50}})
        presets.push_back({"Echo", {v[0], v[1], v[2]}});
    for (auto v : std::vector<std::array<float, 6>>{{30, 60, 60, 30, 11025, 8},
                                                    {30, 60, 25, 60, 11025, 10},
                                                    {25, 40, 8, 40, 11025, 10},
                                                    {4, 41, 28, 20, 11025, 10},
                                                    {4, 10, 97, 0, 11025, 10},
                                                    {15, 10, 28, 88, 11025, 10},
                                                    {15, 11, 35, 92, 11025, 10},
                                                    {2, 10, 31, 59, 11025, 10},
                                                    {2, 10, 29, 61, 11025, 10}})
        presets.push_back({"Reverb", v});
    for (auto v :
         std::vector<std::array<float, 3>>{{300, 30, 45}, {239, 80, 85}, {60, 30, 60}, {400, 25, 50}})
        presets.push_back({"Phaser", {v[0], v[1], v[2]}});
    for (auto v : std::vector<std::array<float, 6>>{{14, 50, 30, 99, 18, 40},
                                                    {14, 50, 30, 99, 10, 70},
                                                    {14, 35, 70, 99, 7, 70},
                                                    {80, 70, 50, 10, 1, 20},
                                                    {100, 50, 85, 90, 30, 90},
                                                    {6, 49, 10, 54, 53, 40},
                                                    {70, 50, 1, 99, 0, 50},
                                                    {100, 10, 90, 10, 10, 90},
                                                    {100, 50, 85, 99, 100, 90},
                                                    {70, 45, 88, 99, 0, 50},
                                                    {14, 50, 75, 99, 0, 120},
                                                    {100, 50, 85, 80, 15, 90},
                                                    {14, 8, 41, 1, 42, 40},
                                                    {10, 50, 1, 99, 1, 35},
                                                    {3, 35, 10, 40, 4, 40},
                                                    {15, 72, 18, 22, 11, 12},
                                                    {80, 50, 70, 10, 19, 20}})
        presets.push_back({"Flanger", v});
    for (auto v : std::vector<std::array<float, 6>>{{10, 20, 60, 0, 0, 90},
                                                    {31, 45, 60, 25, 12, 90},
                                                    {31, 45, 60, 90, 25, 0},
                                                    {8, 50, 25, 1, 25, 90},
                                                    {7, 60, 0, 15, 90, 90},
                                                    {90, 50, 90, 2, 12, 90},
                                                    {31, 70, 50, 1, 1, 90},
                                                    {7, 45, 2, 0, 1, 90},
                                                    {31, 45, 60, 12, 9, 120},
                                                    {5, 30, 60, 2, 12, 90},
                                                    {7, 30, 60, 3, 10, 90}})
        presets.push_back({"Chorus", v});
    for (auto v : std::vector<std::array<float, 3>>{{40, 15, 95}, {70, 20, 90}, {40, 1, 95}})
        presets.push_back({"Vibrato", {v[0], v[1], v[2]}});
    return presets;
}

void Apply(TAudioTransform2& t, std::vector<float>& s, const TPreset& p) {
    const auto& v = p.Values;
    if (p.Effect == "Echo")
        t.Echo(s, v[0], v[1], v[2]);
    else if (p.Effect == "Reverb")
        t.Reverb(s, v[0], v[1], v[2], v[3], v[4], static_cast<int>(v[5]));
    else if (p.Effect == "Phaser")
        t.Phaser(s, v[0], v[1], v[2]);
    else if (p.Effect == "Flanger")
        t.Flanger(s, v[0], v[1], v[2], v[3], v[4], v[5]);
    else if (p.Effect == "Chorus")
        t.Chorus(s, v[0], v[1], v[2], v[3], v[4], v[5]);
    else
        t.Vibrato(s, v[0], v[1], v[2]);
}

class DialogPreset : public testing::TestWithParam<TPreset> {};

TEST_P(DialogPreset, ChangesTheSoundAndStaysBounded) {
    TAudioTransform2 transform;
    transform.SetFormat(22050, 2);
    const auto original = Interleave({Sine(300, 1.0, 0.5, 22050), Sine(450, 1.0, 0.5, 22050)});
    auto samples = original;
    Apply(transform, samples, GetParam());
    ASSERT_EQ(samples.size(), original.size());
    EXPECT_TRUE(AllFinite(samples));
    EXPECT_LT(Peak(samples), 8.0);
    double difference = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
        difference = std::max(difference, static_cast<double>(std::fabs(samples[i] - original[i])));
    EXPECT_GT(difference, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogPreset, testing::ValuesIn(DialogPresets()),
                         [](const auto& info) { return info.param.Effect + std::to_string(info.index); });

} // namespace presets_test
