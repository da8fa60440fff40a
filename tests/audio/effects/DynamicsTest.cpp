#include "audio/effects/AudioTransform2.h"
#include "audio/effects/DynamicsEffects.h"
#include "audio/effects/EffectErrors.h"
#include "audio/effects/FastPower.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

using namespace effects_test;

namespace dynamics_test {

// Level change in dB of a steady tone of the given peak level (dBFS), measured once settled.
template <typename Apply> double LevelChangeDb(double peakDb, Apply apply) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.6, std::pow(10.0, peakDb / 20));
    const std::size_t from = samples.size() / 2;
    const double before = Rms(samples, from);
    apply(transform, samples);
    EXPECT_TRUE(AllFinite(samples));
    return Db(Rms(samples, from) / before);
}

struct TCompressorCase {
    float Threshold, Rate, Output;
    double InputDb, ExpectedChangeDb;
};

class CompressorLevel : public testing::TestWithParam<TCompressorCase> {};

TEST_P(CompressorLevel, ReducesTheExcessAboveTheThresholdByTheRate) {
    const auto p = GetParam();
    const double change = LevelChangeDb(p.InputDb, [&](TAudioTransform2& t, std::vector<float>& s) {
        t.Compressor(s, p.Threshold, p.Rate, p.Output);
    });
    EXPECT_NEAR(change, p.ExpectedChangeDb, 0.6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompressorLevel,
    testing::Values(TCompressorCase{-20, 50, 100, 0, -10},   // 20 dB over: half of it removed
                    TCompressorCase{-10, 50, 100, 0, -5},    // "General Voice Level"
                    TCompressorCase{-6, 50, 100, 0, -3},     // "TV / Radio Advertisement"
                    TCompressorCase{-30, 100, 100, -6, -24}, // held at the threshold
                    TCompressorCase{-20, 0, 100, 0, 0},      // rate 0: no compression
                    TCompressorCase{-20, 50, 100, -30, 0},   // below the threshold: untouched
                    TCompressorCase{-20, 50, 200, -30, 6.02}));

TEST(FastPower, MatchesTheLibraryAcrossTheRangeOfLevelRatios) {
    double worstLog = 0, worstPower = 0;
    for (double x = 1e-6; x < 1e5; x *= 1.0137) {
        const float f = static_cast<float>(x);
        worstLog = std::max(worstLog, std::fabs(effects::fast_power::Log2(f) - std::log2(double(f))));
        for (float slope : {-1.0f, -0.5f, -0.01f}) {
            const double want = std::exp2(double(slope) * std::log2(double(f)));
            const double got = effects::fast_power::Exp2(slope * effects::fast_power::Log2(f));
            worstPower = std::max(worstPower, std::fabs(got / want - 1));
        }
    }
    EXPECT_LT(worstLog, 2e-6);
    EXPECT_LT(worstPower, 1e-6);
    EXPECT_EQ(effects::fast_power::Exp2(effects::fast_power::Log2(1.0f)), 1.0f); // below the threshold
    EXPECT_GT(effects::fast_power::Exp2(-500.0f), 0.0f);
}

struct TNoiseCase {
    float Threshold, Rate, RmsTime;
    double InputDb, ExpectedChangeDb;
};

class NoiseReductionLevel : public testing::TestWithParam<TNoiseCase> {};

TEST_P(NoiseReductionLevel, PushesLevelsBelowTheThresholdDown) {
    const auto p = GetParam();
    const double change = LevelChangeDb(p.InputDb, [&](TAudioTransform2& t, std::vector<float>& s) {
        t.NoiseReduction(s, p.Threshold, p.Rate, p.RmsTime);
    });
    EXPECT_NEAR(change, p.ExpectedChangeDb, 1.0);
}

// The tone's RMS level lies 3 dB under its peak level.
INSTANTIATE_TEST_SUITE_P(
    Cases, NoiseReductionLevel,
    testing::Values(TNoiseCase{-12, 40, 100, -32 + 3,
                               -20 * 3.6}, // "Expand for Music": 20 dB under, ratio 4.6
                    TNoiseCase{-30, 25, 30, -40 + 3, -10 * 2.25}, // "Voice Breath Reduce"
                    TNoiseCase{-15, 20, 100, -20 + 3, -5 * 1.8},  // "Soft Expand for Music"
                    TNoiseCase{-13, 99, 55, -3 + 3, 0},           // loud passage: untouched
                    TNoiseCase{-40, 100, 100, -30 + 3, 0}));

TEST(NoiseReduction, OneClickPresetsSilenceTheHissButKeepTheMusic) {
    for (auto preset : {std::array<float, 3>{-13, 99, 55}, std::array<float, 3>{-30, 25, 30}}) {
        const auto apply = [&](TAudioTransform2& t, std::vector<float>& s) {
            t.NoiseReduction(s, preset[0], preset[1], preset[2]);
        };
        EXPECT_LT(LevelChangeDb(preset[0] - 20, apply), -40.0);
        EXPECT_NEAR(LevelChangeDb(0, apply), 0.0, 0.01);
    }
}

TEST(Dynamics, OutOfRangeParametersAreRefused) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.01);
    EXPECT_THROW(transform.Compressor(samples, -45, 50, 100), EAudioEffectParameter);
    EXPECT_THROW(transform.Compressor(samples, -10, 101, 100), EAudioEffectParameter);
    EXPECT_THROW(transform.NoiseReduction(samples, -13, 0, 55), EAudioEffectParameter);
    EXPECT_THROW(transform.NoiseReduction(samples, 11, 50, 55), EAudioEffectParameter);
    EXPECT_THROW(transform.NoiseReduction(samples, -13, 50, 1001), EAudioEffectParameter);
}

} // namespace dynamics_test

namespace compressor_gain_test {

// The compressor's gain is a power worked out in single precision: it scales every sample as the power
// in double precision would, within a few float roundings.
TEST(Compressor, SinglePrecisionGainMatchesTheDoublePower) {
    const double thresholdDb = -20, slope = 0.6, output = 1.3;
    effects::TCompressorEffect compressor(Rate, 1, thresholdDb, slope * 100, output * 100);
    const std::vector<float> input = Noise(Rate, 0.8, 11);
    std::vector<float> compressed = input;
    compressor.Process(compressed, true);
    const double threshold = std::pow(10.0, thresholdDb / 20), attack = std::exp(-1.0 / (0.002 * Rate)),
                 release = std::exp(-1.0 / (0.150 * Rate));
    double level = 0, largest = 0;
    int compressedSamples = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const double magnitude = std::fabs(input[i]);
        const double k = magnitude > level ? attack : release;
        level = k * level + (1.0 - k) * magnitude;
        double expected = input[i] * float(output);
        if (level > threshold) {
            expected = float(input[i] * std::pow(level / threshold, -slope) * output);
            ++compressedSamples;
        }
        largest =
            std::max(largest, std::fabs(expected - compressed[i]) / std::max(1e-3, std::fabs(expected)));
    }
    EXPECT_GT(compressedSamples, int(input.size() / 2));
    EXPECT_LT(largest, 1e-5);
}

} // namespace compressor_gain_test
