#include "audio/effects/AudioTransform2.h"
#include "audio/effects/DelayLine.h"
#include "audio/effects/EffectErrors.h"
#include "audio/effects/ModulationEffects.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace effects_test;

namespace delay_test {

std::vector<float> Impulse(std::size_t length) {
    std::vector<float> samples(length, 0.0f);
    samples[0] = 1.0f;
    return samples;
}

struct TEchoCase {
    float Delay, Mix, Feedback;
};

class EchoPreset : public testing::TestWithParam<TEchoCase> {};

TEST_P(EchoPreset, RepeatsAtTheDelayFoundByAutocorrelation) {
    const auto p = GetParam();
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Noise(Rate / 2);
    transform.Echo(samples, p.Delay, p.Mix, p.Feedback);
    const std::size_t delay = static_cast<std::size_t>(std::lround(p.Delay * Rate / 1000.0));
    EXPECT_EQ(AutocorrelationPeak(samples, 20, delay * 3 / 2), delay);
}

TEST_P(EchoPreset, EachRepeatIsFeedbackTimesTheOneBefore) {
    const auto p = GetParam();
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    const std::size_t delay = static_cast<std::size_t>(std::lround(p.Delay * Rate / 1000.0));
    auto samples = Impulse(delay * 3 + 1);
    transform.Echo(samples, p.Delay, p.Mix, p.Feedback);
    EXPECT_FLOAT_EQ(samples[0], 1.0f);
    EXPECT_NEAR(samples[delay], p.Mix / 100, 1e-6);
    EXPECT_NEAR(samples[2 * delay], p.Mix / 100 * p.Feedback / 100, 1e-6);
    EXPECT_NEAR(samples[3 * delay], p.Mix / 100 * p.Feedback / 100 * p.Feedback / 100, 1e-6);
    EXPECT_EQ(samples[delay / 2], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Presets, EchoPreset,
                         testing::Values(TEchoCase{200, 70, 40}, TEchoCase{120, 50, 0}, TEchoCase{60, 50, 0},
                                         TEchoCase{26, 60, 10}, TEchoCase{80, 70, 60}));

// Time until the output after a short burst stays 60 dB under the burst's level.
double TailSeconds(float feedback) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Noise(Rate / 20);
    const double level = Rms(samples);
    samples.resize(Rate * 2, 0.0f);
    transform.Reverb(samples, 30, 60, feedback, 30, 11025, 8);
    const std::size_t window = Rate / 100;
    std::size_t lastLoud = 0;
    for (std::size_t at = Rate / 20; at + window <= samples.size(); at += window)
        if (Rms(samples, at, at + window) > level / 1000) lastLoud = at + window;
    return static_cast<double>(lastLoud) / Rate;
}

TEST(Reverb, TailGrowsWithFeedback) {
    const double shortTail = TailSeconds(10);
    const double middleTail = TailSeconds(50);
    const double longTail = TailSeconds(90);
    EXPECT_GT(shortTail, 0.03);
    EXPECT_GT(middleTail, shortTail * 1.5);
    EXPECT_GT(longTail, middleTail * 1.5);
}

TEST(Reverb, TapsAndGainAddEarlyReflectionsWithinTheDelay) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto withTaps = Impulse(Rate / 10);
    auto withoutTaps = withTaps;
    transform.Reverb(withTaps, 30, 60, 60, 100, 11025, 8);
    transform.Reverb(withoutTaps, 30, 60, 60, 100, 11025, 0);
    const std::size_t delay = 30 * Rate / 1000;
    EXPECT_GT(Peak(std::vector<float>(withTaps.begin() + 1, withTaps.begin() + delay - 1)), 0.05);
    EXPECT_EQ(Rms(withoutTaps, 1, delay / 2), 0.0);
}

TEST(Phaser, StaysQuietUntilTheDelayThenRings) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Impulse(Rate);
    transform.Phaser(samples, 300, 30, 45);
    const std::size_t delay = 300 * Rate / 1000;
    EXPECT_EQ(Rms(samples, 1, delay), 0.0);
    EXPECT_GT(Rms(samples, delay, 3 * delay), 1e-4);
}

TEST(DelayEffects, FullFeedbackStaysFinite) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Noise(Rate * 2, 1.0);
    auto echo = samples, reverb = samples, phaser = samples, flanger = samples;
    transform.Echo(echo, 0, 100, 100);
    transform.Reverb(reverb, 0, 100, 100, 100, 22500, 10);
    transform.Phaser(phaser, 0, 100, 100);
    transform.Flanger(flanger, 0, 100, 100, 100, 100, 359);
    for (const auto* result : {&echo, &reverb, &phaser, &flanger}) {
        EXPECT_TRUE(AllFinite(*result));
        EXPECT_LT(Peak(*result), 1e4);
    }
}

struct TCombCase {
    std::string Name;
    bool Chorus;
    float DelayRate;
    double DelayMs; // centre delay the rate stands for
};

class SweptDelayWithoutSweep : public testing::TestWithParam<TCombCase> {};

TEST_P(SweptDelayWithoutSweep, CancelsAtHalfTheDelaysFrequency) {
    // Sweep depth 0, mix 50 %, no feedback: y = (x + x delayed) / 2, silent at 1 / (2 delay).
    const auto p = GetParam();
    const double notch = 1000.0 / (2.0 * p.DelayMs);
    auto response = [&](double frequency) {
        TAudioTransform2 transform;
        transform.SetFormat(Rate, 1);
        auto samples = Sine(frequency, 0.3);
        const double before = Rms(samples, samples.size() / 2);
        if (p.Chorus)
            transform.Chorus(samples, p.DelayRate, 50, 0, 0, 0, 0);
        else
            transform.Flanger(samples, p.DelayRate, 50, 0, 0, 0, 0);
        return Db(Rms(samples, samples.size() / 2) / before);
    };
    EXPECT_LT(response(notch), -30.0);
    EXPECT_NEAR(response(2 * notch), 0.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SweptDelayWithoutSweep,
                         testing::Values(TCombCase{"Flanger14", false, 14, 1.5},
                                         TCombCase{"Flanger80", false, 80, 8.1},
                                         TCombCase{"Chorus10", true, 10, 7.5},
                                         TCombCase{"Chorus31", true, 31, 12.75}),
                         [](const auto& info) { return info.param.Name; });

TEST(Flanger, SweepPhaseOffsetsTheChannels) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const auto tone = Sine(1000, 0.5);
    auto inPhase = Interleave({tone, tone});
    auto offset = inPhase;
    transform.Flanger(inPhase, 14, 50, 30, 99, 18, 0);
    transform.Flanger(offset, 14, 50, 30, 99, 18, 90);
    EXPECT_EQ(Channel(inPhase, 2, 0), Channel(inPhase, 2, 1));
    EXPECT_EQ(Channel(offset, 2, 0), Channel(inPhase, 2, 0));
    auto difference = Channel(offset, 2, 0);
    const auto right = Channel(offset, 2, 1);
    for (std::size_t i = 0; i < difference.size(); ++i)
        difference[i] -= right[i];
    EXPECT_GT(Peak(difference), 0.05);
}

struct TVibratoCase {
    float Depth, Rate, Phase;
};

class VibratoSwing : public testing::TestWithParam<TVibratoCase> {};

TEST_P(VibratoSwing, BendsThePitchByTheDepthAroundTheTone) {
    const auto p = GetParam();
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(1000, 1.0);
    transform.Vibrato(samples, p.Depth, p.Rate, p.Phase);
    const double swing = 0.10 * p.Depth / 100;
    // Frequency over windows of a tenth of the sweep's period.
    const std::size_t window = static_cast<std::size_t>(Rate / p.Rate / 10);
    double low = 1e9, high = 0;
    for (std::size_t at = Rate / 10; at + window < samples.size(); at += window) {
        const double f = ToneFrequency(samples, at, at + window);
        low = std::min(low, f);
        high = std::max(high, f);
    }
    EXPECT_GT(high, 1000 * (1 + swing * 0.8));
    EXPECT_LT(high, 1000 * (1 + swing * 1.2));
    EXPECT_LT(low, 1000 * (1 - swing * 0.8));
    EXPECT_GT(low, 1000 * (1 - swing * 1.2));
}

INSTANTIATE_TEST_SUITE_P(Presets, VibratoSwing,
                         testing::Values(TVibratoCase{40, 15, 95}, TVibratoCase{70, 20, 90},
                                         TVibratoCase{40, 4, 95}));

TEST(Vibrato, NoDepthOrNoRateLeavesTheSignalAlone) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const auto original = Noise(2000);
    auto noDepth = original, noRate = original;
    transform.Vibrato(noDepth, 0, 15, 95);
    transform.Vibrato(noRate, 40, 0, 95);
    EXPECT_EQ(noDepth, original);
    EXPECT_EQ(noRate, original);
}

} // namespace delay_test

namespace sweep_test {

// The swept delay turns its sine by rotation, set exactly every run of frames: block by block it gives
// what a sine worked out afresh every frame gives, within float rounding.
TEST(SweptDelay, RotatedSweepEqualsASineEveryFrame) {
    const double delayRate = 31, mix = 45, feedback = 60, depth = 25, rate = 12;
    effects::TChorusEffect chorus(Rate, 1, delayRate, mix, feedback, depth, rate, 90);
    const std::vector<float> input = Noise(3 * Rate, 0.5, 5);
    std::vector<float> rotated = input;
    for (std::size_t at = 0; at < rotated.size(); at += 10007) {
        std::vector<float> block(rotated.begin() + at,
                                 rotated.begin() + std::min(rotated.size(), at + std::size_t(10007)));
        chorus.Process(block, false);
        std::copy(block.begin(), block.end(), rotated.begin() + at);
    }
    // The chorus's sweep as its dialog's parameters give it, a sine worked out every frame.
    const double base = (5.0 + 25.0 * delayRate / 100) * Rate / 1000, swing = base * depth / 100;
    const double step = 2 * M_PI * (10.0 * rate / 100) / Rate;
    effects::TDelayLine line(std::size_t(std::ceil(base + swing)) + 2);
    const float wetShare = float(mix / 100), dryShare = 1.0f - wetShare, back = float(feedback / 100);
    double phase = 0, largest = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const float wet = line.ReadFractional(std::max(1.0, base + swing * std::sin(phase)));
        line.Write(input[i] + back * wet);
        largest = std::max(largest, std::fabs(double(dryShare * input[i] + wetShare * wet) - rotated[i]));
        phase += step;
        if (phase >= 2 * M_PI) phase -= 2 * M_PI;
    }
    EXPECT_LT(largest, 1e-5);
    EXPECT_GT(Rms(rotated), 0.1);
}

} // namespace sweep_test
