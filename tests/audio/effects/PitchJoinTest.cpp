// Pitch change on signals long enough to be shifted in several stretches: the joins between them must
// be inaudible, and the result must not depend on how the signal is fed.
#include "audio/effects/AudioTransform2.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

using namespace effects_test;

namespace pitch_join_test {

// Long enough for several joins.
constexpr double Seconds = 10.0;
// Start and end are left out of level checks: no join lies there.
constexpr std::size_t Margin = Rate / 4;

// Quietest and loudest RMS over windows of the given length, moved a quarter window at a time.
struct TLevels {
    double Low = 1e300, High = 0;
};
TLevels Levels(const std::vector<float>& samples, std::size_t window) {
    TLevels levels;
    for (std::size_t at = Margin; at + window + Margin <= samples.size(); at += window / 4) {
        const double level = Rms(samples, at, at + window);
        levels.Low = std::min(levels.Low, level);
        levels.High = std::max(levels.High, level);
    }
    return levels;
}

// Largest step between neighbouring samples.
double LargestStep(const std::vector<float>& samples) {
    double largest = 0;
    for (std::size_t i = Margin + 1; i + Margin < samples.size(); ++i)
        largest = std::max(largest, static_cast<double>(std::fabs(samples[i] - samples[i - 1])));
    return largest;
}

// Checks one channel that should hold a steady tone: no dip beyond 1 dB anywhere, no step larger than
// a sine of that level and frequency takes on its own.
void ExpectSteadyTone(const std::vector<float>& samples, double frequency) {
    const std::size_t window = static_cast<std::size_t>(2 * Rate / frequency);
    const TLevels levels = Levels(samples, window);
    ASSERT_GT(levels.High, 0.1);
    EXPECT_GT(Db(levels.Low / levels.High), -1.0) << "level dips at a join";
    const double ownStep = 2 * std::sqrt(2.0) * levels.High * std::sin(std::numbers::pi * frequency / Rate);
    EXPECT_LE(LargestStep(samples), ownStep * 1.1) << "click at a join";
    EXPECT_NEAR(ToneFrequency(samples, Margin, samples.size() - Margin), frequency, frequency * 0.01);
}

struct TJoinCase {
    const char* Name;
    float Percent;
    double Frequency;
};

class PitchJoins : public testing::TestWithParam<TJoinCase> {};

TEST_P(PitchJoins, SteadyToneKeepsItsLevelAndHasNoClicks) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(GetParam().Frequency, Seconds);
    const std::size_t length = samples.size();
    transform.Pitch(samples, GetParam().Percent);
    ASSERT_EQ(samples.size(), length);
    ExpectSteadyTone(samples, GetParam().Frequency * 100 / GetParam().Percent);
}

INSTANTIATE_TEST_SUITE_P(Shifts, PitchJoins,
                         testing::Values(TJoinCase{"Helium", 60, 440}, TJoinCase{"Bass", 170, 440},
                                         TJoinCase{"LowestAtLowTone", 300, 220},
                                         TJoinCase{"HighestAtLowTone", 10, 200},
                                         TJoinCase{"Alto", 140, 1000}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PitchJoins, UnrelatedChannelsEachStaySteady) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    auto samples = Interleave({Sine(440, Seconds), Sine(277, Seconds)});
    transform.Pitch(samples, 80);
    ExpectSteadyTone(Channel(samples, 2, 0), 550);
    ExpectSteadyTone(Channel(samples, 2, 1), 277 * 1.25);
}

TEST(PitchJoins, EqualChannelsStayEqual) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const auto tone = Sine(330, Seconds);
    auto samples = Interleave({tone, tone});
    transform.Pitch(samples, 140);
    EXPECT_EQ(Channel(samples, 2, 0), Channel(samples, 2, 1));
}

// Lengths just around the stretch boundaries (stretches are a few seconds long) leave a last stretch of
// a frame or two; the length is kept and the tone runs to the end.
class PitchLengths : public testing::TestWithParam<std::size_t> {};

TEST_P(PitchLengths, KeepsTheLengthAndTheToneToTheEnd) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    const std::size_t frames = GetParam();
    auto tone = Sine(440, static_cast<double>(frames + 1) / Rate);
    tone.resize(frames);
    auto samples = Interleave({tone, tone});
    transform.Pitch(samples, 60);
    ASSERT_EQ(samples.size(), 2 * frames);
    const auto left = Channel(samples, 2, 0);
    for (float sample : left)
        ASSERT_TRUE(std::isfinite(sample));
    if (frames > Rate / 10) {
        EXPECT_GT(Rms(left, frames - Rate / 20, frames), 0.2);
    }
}

INSTANTIATE_TEST_SUITE_P(AroundStretches, PitchLengths,
                         testing::Values(1, 441, 3 * Rate - 1, 3 * Rate, 3 * Rate + 1, 6 * Rate + 7));

// Block by block, as the batch converter feeds a file, gives what the whole signal gives, whatever the
// block size.
class PitchBlocks : public testing::TestWithParam<std::size_t> {};

TEST_P(PitchBlocks, BlockWiseEqualsWholeAcrossJoins) {
    const std::size_t frames = static_cast<std::size_t>(Rate * 7.5);
    auto left = Sine(220, 7.5, 0.3), right = Noise(frames, 0.2, 3);
    for (std::size_t i = 0; i < frames; ++i)
        left[i] += right[i] * 0.5f;
    const auto signal = Interleave({left, right});

    TAudioTransform2 whole;
    whole.SetFormat(Rate, 2);
    auto expected = signal;
    whole.Pitch(expected, 140);

    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    std::vector<float> actual;
    const auto pass = [&](std::vector<float> samples) {
        transform.SetProcessing(true);
        transform.Pitch(samples, 140);
        transform.SetProcessing(false);
        actual.insert(actual.end(), samples.begin(), samples.end());
    };
    const std::size_t block = 2 * GetParam();
    for (std::size_t at = 0; at < signal.size(); at += block)
        pass(std::vector<float>(signal.begin() + at, signal.begin() + std::min(at + block, signal.size())));
    transform.SetEndOfStream(true);
    pass({});
    ASSERT_EQ(actual.size(), signal.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        ASSERT_NEAR(actual[i], expected[i], 1e-5) << i;
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, PitchBlocks, testing::Values(4096, 65536, 1000000));

} // namespace pitch_join_test
