#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EffectErrors.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

using namespace effects_test;

namespace level_test {

struct TGainCase {
    float Percent;
    double ExpectedDb;
};

class AmplifyGain : public testing::TestWithParam<TGainCase> {};

TEST_P(AmplifyGain, ChangesTheLevelByTheGivenPercent) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    auto samples = Interleave({Sine(440, 0.2), Sine(660, 0.2)});
    const double before = Rms(samples);
    transform.Amplify(samples, GetParam().Percent);
    EXPECT_NEAR(Db(Rms(samples) / before), GetParam().ExpectedDb, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Presets, AmplifyGain,
                         testing::Values(TGainCase{25, -12.041}, TGainCase{50, -6.021}, TGainCase{100, 0.0},
                                         TGainCase{200, 6.021}, TGainCase{300, 9.542},
                                         TGainCase{999, 19.99}));

TEST(Amplify, KeepsSamplesBeyondFullScaleAsFloat) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<float> samples = {0.9f, -0.8f};
    transform.Amplify(samples, 300);
    EXPECT_FLOAT_EQ(samples[0], 2.7f);
    EXPECT_FLOAT_EQ(samples[1], -2.4f);
}

struct TNormalizeCase {
    float Percent;
    int Mode;
    double LeftPeak, RightPeak;
};

class NormalizePeak : public testing::TestWithParam<TNormalizeCase> {};

TEST_P(NormalizePeak, BringsThePeakToThePercentOfFullScale) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    auto samples = Interleave({Sine(440, 0.2, 0.25), Sine(440, 0.2, 0.1)});
    transform.Normalize(samples, GetParam().Percent, GetParam().Mode);
    EXPECT_NEAR(Peak(Channel(samples, 2, 0)), GetParam().LeftPeak, 1e-4);
    EXPECT_NEAR(Peak(Channel(samples, 2, 1)), GetParam().RightPeak, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(Modes, NormalizePeak,
                         testing::Values(TNormalizeCase{100, -1, 1.0, 0.4}, TNormalizeCase{75, -1, 0.75, 0.3},
                                         TNormalizeCase{20, -1, 0.2, 0.08}, TNormalizeCase{100, 0, 1.0, 1.0},
                                         TNormalizeCase{500, -1, 5.0, 2.0}));

TEST(Normalize, LeavesSilenceSilent) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<float> samples(1000, 0.0f);
    transform.Normalize(samples, 100, -1);
    EXPECT_TRUE(AllFinite(samples));
    EXPECT_EQ(Peak(samples), 0.0);
}

struct TFadeCase {
    float Start, End;
};

class FadeRamp : public testing::TestWithParam<TFadeCase> {};

TEST_P(FadeRamp, IsAStraightLineFromStartToEnd) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const std::size_t frames = 100001;
    std::vector<float> samples(frames * 2, 1.0f);
    transform.Fade(samples, GetParam().Start, GetParam().End);
    for (std::size_t f : {std::size_t{0}, frames / 4, frames / 2, frames - 1}) {
        const double expected =
            (GetParam().Start + (GetParam().End - GetParam().Start) * f / double(frames - 1)) / 100.0;
        EXPECT_NEAR(samples[2 * f], expected, 1e-5) << "frame " << f;
        EXPECT_NEAR(samples[2 * f + 1], expected, 1e-5) << "frame " << f;
    }
}

INSTANTIATE_TEST_SUITE_P(Presets, FadeRamp,
                         testing::Values(TFadeCase{0, 100}, TFadeCase{100, 0}, TFadeCase{20, 100},
                                         TFadeCase{100, 50}, TFadeCase{50, 50}));

TEST(Envelope, SpreadsThePointsEvenlyAndInterpolates) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<float> samples(2001, 1.0f);
    std::vector<float> gains = {0.0f, 1.0f, 0.5f}; // points at frames 0, 1000 and 2000
    transform.Envelope(samples, gains);
    EXPECT_NEAR(samples[0], 0.0, 1e-6);
    EXPECT_NEAR(samples[500], 0.5, 1e-6);
    EXPECT_NEAR(samples[1000], 1.0, 1e-6);
    EXPECT_NEAR(samples[1500], 0.75, 1e-6);
    EXPECT_NEAR(samples[2000], 0.5, 1e-6);
}

TEST(Envelope, TakesTheEditorsHundredThousandPoints) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    std::vector<float> samples(2 * 30000, 0.8f);
    std::vector<float> gains(100000, 0.501187f); // -6 dB everywhere
    transform.Envelope(samples, gains);
    EXPECT_NEAR(Db(Rms(samples) / 0.8), -6.0, 0.01);
}

TEST(InvertReverseSilence, DoWhatTheySay) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const std::vector<float> original = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
    auto samples = original;
    transform.Invert(samples);
    EXPECT_EQ(samples, (std::vector<float>{-0.1f, -0.2f, -0.3f, -0.4f, -0.5f, -0.6f}));
    samples = original;
    transform.Reverse(samples);
    EXPECT_EQ(samples, (std::vector<float>{0.5f, 0.6f, 0.3f, 0.4f, 0.1f, 0.2f}));
    samples = original;
    transform.Silence(samples);
    EXPECT_EQ(samples, std::vector<float>(6, 0.0f));
}

TEST(InsertSilence, InsertsTheLengthInMillisecondsAtThePosition) {
    TAudioTransform2 transform;
    transform.SetFormat(8000, 2);
    std::vector<float> samples = {1, 2, 3, 4};
    transform.InsertSilence(samples, 1.0f, 1); // 8 frames
    ASSERT_EQ(samples.size(), 4u + 16u);
    EXPECT_EQ(samples[0], 1);
    EXPECT_EQ(samples[1], 2);
    EXPECT_EQ(samples[2], 0);
    EXPECT_EQ(samples[17], 0);
    EXPECT_EQ(samples[18], 3);
    EXPECT_EQ(samples[19], 4);
    EXPECT_THROW(transform.InsertSilence(samples, 1.0f, 11), EAudioEffectError);
}

struct TMixCase {
    float LL, LR, RL, RR;
};

class MixStereoMatrix : public testing::TestWithParam<TMixCase> {};

TEST_P(MixStereoMatrix, BuildsEachNewChannelFromTheShares) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    std::vector<float> samples = {0.5f, -0.25f, 0.1f, 0.3f};
    const auto p = GetParam();
    transform.MixStereo(samples, p.LL, p.LR, p.RL, p.RR);
    EXPECT_NEAR(samples[0], (p.LL * 0.5 + p.LR * -0.25) / 100, 1e-6);
    EXPECT_NEAR(samples[1], (p.RL * 0.5 + p.RR * -0.25) / 100, 1e-6);
    EXPECT_NEAR(samples[2], (p.LL * 0.1 + p.LR * 0.3) / 100, 1e-6);
    EXPECT_NEAR(samples[3], (p.RL * 0.1 + p.RR * 0.3) / 100, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Presets, MixStereoMatrix,
                         testing::Values(TMixCase{50, 50, 50, 50}, TMixCase{100, 0, 100, 0},
                                         TMixCase{0, 100, 0, 100}, TMixCase{100, 100, 100, 100},
                                         TMixCase{0, 100, 100, 0}));

TEST(MixStereo, RefusesAMonoSignal) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<float> samples = {0.5f, 0.25f};
    EXPECT_THROW(transform.MixStereo(samples, 0, 100, 100, 0), EAudioEffectError);
    EXPECT_EQ(samples, (std::vector<float>{0.5f, 0.25f}));
}

} // namespace level_test
