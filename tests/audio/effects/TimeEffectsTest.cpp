#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EffectErrors.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

using namespace effects_test;

namespace time_test {

struct TSpeedCase {
    float Percent;
};

class SpeedChange : public testing::TestWithParam<TSpeedCase> {};

TEST_P(SpeedChange, ScalesDurationAndFrequencyByTheFactor) {
    const double factor = GetParam().Percent / 100.0;
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const auto tone = Sine(440, 1.0);
    auto samples = Interleave({tone, tone});
    transform.Speed(samples, GetParam().Percent);
    const double expectedFrames = tone.size() / factor;
    EXPECT_NEAR(samples.size() / 2.0, expectedFrames, 64.0);
    const auto left = Channel(samples, 2, 0);
    EXPECT_NEAR(ToneFrequency(left, left.size() / 4, left.size() * 3 / 4), 440 * factor,
                440 * factor * 0.002);
    EXPECT_EQ(left, Channel(samples, 2, 1));
}

INSTANTIATE_TEST_SUITE_P(Presets, SpeedChange,
                         testing::Values(TSpeedCase{200}, TSpeedCase{70}, TSpeedCase{150}, TSpeedCase{300},
                                         TSpeedCase{50}));

TEST(SpeedChange, HundredPercentKeepsTheSignal) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.5);
    const auto original = samples;
    transform.Speed(samples, 100);
    ASSERT_NEAR(static_cast<double>(samples.size()), static_cast<double>(original.size()), 2.0);
    double worst = 0;
    for (std::size_t i = 1000; i + 1000 < original.size(); ++i)
        worst = std::max(worst, static_cast<double>(std::fabs(samples[i] - original[i])));
    EXPECT_LT(worst, 1e-3);
}

TEST(SpeedChange, ZeroIsRefusedWithAClearError) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.1);
    const auto original = samples;
    try {
        transform.Speed(samples, 0);
        FAIL() << "no error";
    } catch (const EAudioEffectParameter& error) {
        EXPECT_NE(error.Message().find("0 %"), std::string::npos) << error.Message();
    }
    EXPECT_EQ(samples, original);
    EXPECT_THROW(transform.Speed(samples, 301), EAudioEffectParameter);
}

struct TPitchCase {
    const char* Name;
    float Percent;
};

class PitchChange : public testing::TestWithParam<TPitchCase> {};

TEST_P(PitchChange, MovesTheToneByHundredOverPercentAndKeepsTheLength) {
    const float percent = GetParam().Percent;
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 1.0);
    const std::size_t length = samples.size();
    transform.Pitch(samples, percent);
    ASSERT_EQ(samples.size(), length);
    const double expected = 440 * 100.0 / percent;
    EXPECT_NEAR(ToneFrequency(samples, length / 4, length * 3 / 4), expected, expected * 0.01);
    // The tone is where it was: no start-up delay left, no tail cut.
    EXPECT_GT(Rms(samples, length / 20, length / 10), 0.2);
    EXPECT_GT(Rms(samples, length - length / 10, length - length / 20), 0.2);
}

INSTANTIATE_TEST_SUITE_P(Presets, PitchChange,
                         testing::Values(TPitchCase{"Alto", 140}, TPitchCase{"Bass", 170},
                                         TPitchCase{"Helium", 60}, TPitchCase{"Soprano", 80},
                                         TPitchCase{"OctaveUp", 50}, TPitchCase{"Lowest", 300},
                                         TPitchCase{"Highest", 10}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A second of silence with a 500 Hz tone burst centred in it.
std::vector<float> Burst() {
    std::vector<float> samples(Rate, 0.0f);
    const std::size_t centre = Rate / 2, half = Rate / 20;
    for (std::size_t i = 0; i < 2 * half; ++i) {
        const double x = (static_cast<double>(i) - half) / half;
        samples[centre - half + i] = static_cast<float>(0.5 * (1 + std::cos(std::numbers::pi * x)) *
                                                        std::sin(2 * std::numbers::pi * 500 * i / Rate));
    }
    return samples;
}

// The frame at the centre of the signal's energy.
double EnergyCentre(const std::vector<float>& samples) {
    double weighted = 0, energy = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        weighted += static_cast<double>(samples[i]) * samples[i] * static_cast<double>(i);
        energy += static_cast<double>(samples[i]) * samples[i];
    }
    return energy > 0 ? weighted / energy : -1.0;
}

class TimeEffectTiming : public testing::TestWithParam<float> {};

TEST_P(TimeEffectTiming, KeepsEverySoundWhereItWas) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Burst();
    transform.Pitch(samples, GetParam());
    EXPECT_NEAR(EnergyCentre(samples), Rate / 2.0, Rate * 0.005); // within 5 ms
}

TEST_P(TimeEffectTiming, SpeedMovesEverySoundInProportion) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Burst();
    transform.Speed(samples, GetParam());
    EXPECT_NEAR(EnergyCentre(samples), Rate / 2.0 * 100.0 / GetParam(), Rate * 0.001); // within 1 ms
}

INSTANTIATE_TEST_SUITE_P(Percents, TimeEffectTiming,
                         testing::Values(10.0f, 20.0f, 60.0f, 100.0f, 140.0f, 300.0f));

TEST(PitchChange, PresetsGoTheWayTheirNamesSay) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto helium = Sine(440, 0.5), bass = Sine(440, 0.5);
    transform.Pitch(helium, 60);
    transform.Pitch(bass, 170);
    EXPECT_GT(ToneFrequency(helium, 5000, 17000), 600);
    EXPECT_LT(ToneFrequency(bass, 5000, 17000), 300);
}

TEST(PitchChange, OutsideTenToThreeHundredIsRefused) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.1);
    EXPECT_THROW(transform.Pitch(samples, 9), EAudioEffectParameter);
    EXPECT_THROW(transform.Pitch(samples, 301), EAudioEffectParameter);
}

} // namespace time_test
