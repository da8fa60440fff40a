#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EffectErrors.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace effects_test;

namespace transform_test {

using TOperation = std::function<void(TAudioTransform2&, std::vector<float>&)>;

// One command of a chain, or several applied in turn.
struct TChainCase {
    std::string Name;
    TOperation Operation;
    std::vector<TOperation> More = {};
};

const std::vector<float> Frequencies = {31.25f, 62.5f, 125,  250,  500,   1000,
                                        2000,   4000,  6000, 9000, 12000, 16000};

std::vector<TChainCase> ChainCases() {
    return {
        {"Amplify", [](auto& t, auto& s) { t.Amplify(s, 200); }},
        {"NormalizeTogether", [](auto& t, auto& s) { t.Normalize(s, 75, -1); }},
        {"NormalizeApart", [](auto& t, auto& s) { t.Normalize(s, 100, 0); }},
        {"HighPass", [](auto& t, auto& s) { t.HighPass(s, 200, 100); }},
        {"Equalizer",
         [](auto& t, auto& s) {
             std::vector<float> g = {-0.5f, -1.8f, -0.5f, 0, -0.3f, 0.8f, 0, 0.75f, 0.45f, 0.3f, 0.15f, 0};
             auto f = Frequencies;
             t.Equalizer(s, g, f);
         }},
        {"Echo", [](auto& t, auto& s) { t.Echo(s, 200, 70, 40); }},
        {"Reverb", [](auto& t, auto& s) { t.Reverb(s, 30, 60, 60, 30, 11025, 8); }},
        {"NoiseReduction", [](auto& t, auto& s) { t.NoiseReduction(s, -13, 99, 55); }},
        {"Compressor", [](auto& t, auto& s) { t.Compressor(s, -10, 50, 100); }},
        {"MixStereo", [](auto& t, auto& s) { t.MixStereo(s, 80, 20, 30, 70); }},
        {"Phaser", [](auto& t, auto& s) { t.Phaser(s, 60, 30, 60); }},
        {"Flanger", [](auto& t, auto& s) { t.Flanger(s, 14, 50, 30, 99, 18, 40); }},
        {"Chorus", [](auto& t, auto& s) { t.Chorus(s, 31, 45, 60, 25, 12, 90); }},
        {"Vibrato", [](auto& t, auto& s) { t.Vibrato(s, 40, 15, 95); }},
        {"Speed", [](auto& t, auto& s) { t.Speed(s, 70); }},
        {"Pitch", [](auto& t, auto& s) { t.Pitch(s, 140); }},
        {"Reverse", [](auto& t, auto& s) { t.Reverse(s); }},
        {"Chain",
         [](auto& t, auto& s) { t.Echo(s, 120, 50, 30); },
         {[](auto& t, auto& s) { t.MixStereo(s, 0, 100, 100, 0); }, [](auto& t, auto& s) { t.Speed(s, 150); },
          [](auto& t, auto& s) { t.Normalize(s, 100, -1); },
          [](auto& t, auto& s) { t.LowPass(s, 5000, 50); }}},
    };
}

std::vector<TOperation> Steps(const TChainCase& chain) {
    std::vector<TOperation> steps = {chain.Operation};
    steps.insert(steps.end(), chain.More.begin(), chain.More.end());
    return steps;
}

// Processes a stereo signal as the batch converter does: blocks split into channels, each command
// applied to left then right, joined; then the flush pass.
std::vector<float> ProcessInBlocks(const std::vector<float>& signal, std::size_t blockFrames,
                                   const std::vector<TOperation>& steps, bool mono = false) {
    TAudioTransform2 transform;
    transform.SetSampleRate(Rate);
    const std::size_t channels = mono ? 1 : 2;
    std::vector<float> output;
    auto pass = [&](std::vector<float> block) {
        transform.SetProcessing(true);
        if (mono) transform.PrepareMono(block);
        std::vector<float> left, right;
        transform.SplitChannels(block, left, right);
        for (const auto& step : steps) {
            step(transform, left);
            step(transform, right);
        }
        transform.JoinChannels(left, right, block);
        transform.SetProcessing(false);
        output.insert(output.end(), block.begin(), block.end());
    };
    for (std::size_t at = 0; at < signal.size(); at += blockFrames * channels) {
        const std::size_t end = std::min(signal.size(), at + blockFrames * channels);
        pass(std::vector<float>(signal.begin() + at, signal.begin() + end));
    }
    transform.SetEndOfStream(true);
    pass({});
    return output;
}

class BlockWise : public testing::TestWithParam<TChainCase> {};

TEST_P(BlockWise, EqualsProcessingTheWholeArray) {
    const auto signal = Interleave({Noise(Rate / 2, 0.4, 1), Noise(Rate / 2, 0.3, 2)});
    TAudioTransform2 whole;
    whole.SetFormat(Rate, 2);
    auto expected = signal;
    for (const auto& step : Steps(GetParam()))
        step(whole, expected);

    for (std::size_t blockFrames : {std::size_t{Rate}, std::size_t{7777}, std::size_t{1000}}) {
        const auto actual = ProcessInBlocks(signal, blockFrames, Steps(GetParam()));
        ASSERT_EQ(actual.size(), expected.size()) << "block " << blockFrames;
        double worst = 0;
        for (std::size_t i = 0; i < actual.size(); ++i)
            worst = std::max(worst, static_cast<double>(std::fabs(actual[i] - expected[i])));
        EXPECT_LT(worst, 1e-5) << "block " << blockFrames;
    }
}

INSTANTIATE_TEST_SUITE_P(Effects, BlockWise, testing::ValuesIn(ChainCases()),
                         [](const auto& info) { return info.param.Name; });

TEST(BlockWise, MonoSourceComesBackMono) {
    const auto signal = Noise(20000, 0.5, 3);
    TAudioTransform2 whole;
    whole.SetFormat(Rate, 1);
    auto expected = signal;
    whole.Echo(expected, 100, 50, 50);
    const auto actual = ProcessInBlocks(
        signal, 4410, {[](TAudioTransform2& t, std::vector<float>& s) { t.Echo(s, 100, 50, 50); }}, true);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        ASSERT_NEAR(actual[i], expected[i], 1e-6) << i;
}

TEST(BlockWise, InterleavedBlocksWithoutSplitAlsoContinueSeamlessly) {
    const auto signal = Interleave({Noise(30000, 0.4, 8), Noise(30000, 0.3, 9)});
    const auto apply = [](TAudioTransform2& t, std::vector<float>& s) {
        t.Reverb(s, 30, 60, 60, 30, 11025, 8);
        t.Pitch(s, 80);
        t.Normalize(s, 100, -1);
    };
    TAudioTransform2 whole;
    whole.SetFormat(Rate, 2);
    auto expected = signal;
    apply(whole, expected);

    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    std::vector<float> actual;
    const auto pass = [&](std::vector<float> samples) {
        transform.SetProcessing(true);
        apply(transform, samples);
        transform.SetProcessing(false);
        actual.insert(actual.end(), samples.begin(), samples.end());
    };
    const std::size_t block = 2 * 4321;
    for (std::size_t at = 0; at < signal.size(); at += block)
        pass(std::vector<float>(signal.begin() + at, signal.begin() + std::min(at + block, signal.size())));
    transform.SetEndOfStream(true);
    pass({});
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        ASSERT_NEAR(actual[i], expected[i], 1e-5) << i;
}

TEST(BlockWise, SplitAndJoinFollowTheChannelCount) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<float> block = {0.1f, 0.2f, 0.3f}, left, right;
    transform.SplitChannels(block, left, right);
    EXPECT_EQ(left, (std::vector<float>{0.1f, 0.2f, 0.3f}));
    EXPECT_EQ(right, left);
    transform.JoinChannels(left, right, block);
    EXPECT_EQ(block, (std::vector<float>{0.1f, 0.2f, 0.3f}));

    transform.SetFormat(Rate, 2);
    block = {0.1f, 0.2f, 0.3f, 0.4f};
    transform.SplitChannels(block, left, right);
    EXPECT_EQ(left, (std::vector<float>{0.1f, 0.3f}));
    EXPECT_EQ(right, (std::vector<float>{0.2f, 0.4f}));
    right.pop_back();
    EXPECT_THROW(transform.JoinChannels(left, right, block), EAudioEffectError);

    transform.SetFormat(Rate, 6);
    block.assign(12, 0.5f);
    EXPECT_THROW(transform.SplitChannels(block, left, right), EAudioEffectError);
    EXPECT_EQ(block.size(), 12u);
}

TEST(BlockWise, ANewFileStartsWithFreshState) {
    TAudioTransform2 transform;
    const auto run = [&](std::vector<float> block) {
        transform.SetProcessing(true);
        std::vector<float> left, right;
        transform.SplitChannels(block, left, right);
        transform.Echo(left, 10, 100, 0);
        transform.Echo(right, 10, 100, 0);
        transform.JoinChannels(left, right, block);
        transform.SetProcessing(false);
        return block;
    };
    transform.SetSampleRate(Rate);
    run(std::vector<float>(2000, 1.0f)); // leaves an echo pending
    transform.SetSampleRate(Rate);       // next file
    const auto next = run(std::vector<float>(2000, 0.0f));
    EXPECT_EQ(Peak(next), 0.0);
}

TEST(Events, ProgressRisesToHundredThenTheEndEventComes) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    std::vector<std::string> events;
    transform.OnTransformBlock = [&](TObject* sender, int percent) {
        EXPECT_EQ(sender, &transform);
        events.push_back(std::to_string(percent));
    };
    transform.OnEndTransform = [&](TObject* sender) {
        EXPECT_EQ(sender, &transform);
        EXPECT_FALSE(transform.Busy());
        events.push_back("end");
    };
    auto samples = Noise(800000); // several slices of work
    transform.Echo(samples, 200, 70, 40);
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events.back(), "end");
    EXPECT_EQ(events[events.size() - 2], "100");
    for (std::size_t i = 1; i + 1 < events.size(); ++i)
        EXPECT_LE(std::stoi(events[i - 1]), std::stoi(events[i]));
}

TEST(Events, TheEndEventAlsoComesAfterAFailure) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    int ends = 0;
    transform.OnEndTransform = [&](TObject*) { ++ends; };
    std::vector<float> samples = {0.1f, 0.2f, 0.3f, 0.4f};
    EXPECT_THROW(transform.Echo(samples, 6000, 70, 40), EAudioEffectParameter);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(samples, (std::vector<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    std::vector<float> odd = {0.1f, 0.2f, 0.3f};
    EXPECT_THROW(transform.Amplify(odd, 50), EAudioEffectError);
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(odd, (std::vector<float>{0.1f, 0.2f, 0.3f}));
}

TEST(Events, ACallFromInsideAnEventIsRefusedWhileBusy) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    bool refused = false;
    transform.OnTransformBlock = [&](TObject*, int) {
        std::vector<float> other = {0.5f};
        try {
            transform.Amplify(other, 50);
        } catch (const EAudioEffectError&) {
            refused = true;
        }
    };
    auto samples = Noise(100000);
    transform.Amplify(samples, 50);
    EXPECT_TRUE(refused);
    EXPECT_FALSE(transform.Busy());
}

struct TBadCase {
    std::string Name;
    TOperation Operation;
};

class OutOfRange : public testing::TestWithParam<TBadCase> {};

TEST_P(OutOfRange, RaisesAClearErrorAndLeavesTheArray) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    auto samples = Interleave({Noise(1000, 0.5, 4), Noise(1000, 0.5, 5)});
    const auto original = samples;
    EXPECT_THROW(GetParam().Operation(transform, samples), EAudioEffectParameter);
    EXPECT_EQ(samples, original);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutOfRange,
    testing::Values(TBadCase{"AmplifyNegative", [](auto& t, auto& s) { t.Amplify(s, -1); }},
                    TBadCase{"NormalizeAbove500", [](auto& t, auto& s) { t.Normalize(s, 501, -1); }},
                    TBadCase{"NormalizeMode", [](auto& t, auto& s) { t.Normalize(s, 100, 3); }},
                    TBadCase{"FadeAbove100", [](auto& t, auto& s) { t.Fade(s, 0, 150); }},
                    TBadCase{"EnvelopeEmpty",
                             [](auto& t, auto& s) {
                                 std::vector<float> g;
                                 t.Envelope(s, g);
                             }},
                    TBadCase{"EnvelopeNegative",
                             [](auto& t, auto& s) {
                                 std::vector<float> g = {1.0f, -0.5f};
                                 t.Envelope(s, g);
                             }},
                    TBadCase{"MixAbove100", [](auto& t, auto& s) { t.MixStereo(s, 150, 0, 0, 100); }},
                    TBadCase{"EchoDelay", [](auto& t, auto& s) { t.Echo(s, 5001, 50, 50); }},
                    TBadCase{"ReverbTaps", [](auto& t, auto& s) { t.Reverb(s, 30, 60, 60, 30, 11025, 11); }},
                    TBadCase{"ReverbFrequency", [](auto& t, auto& s) { t.Reverb(s, 30, 60, 60, 30, 5, 8); }},
                    TBadCase{"PhaserMix", [](auto& t, auto& s) { t.Phaser(s, 300, 101, 45); }},
                    TBadCase{"FlangerPhase", [](auto& t, auto& s) { t.Flanger(s, 14, 50, 30, 99, 18, 360); }},
                    TBadCase{"ChorusRate", [](auto& t, auto& s) { t.Chorus(s, 10, 20, 60, 0, 101, 90); }},
                    TBadCase{"VibratoRate", [](auto& t, auto& s) { t.Vibrato(s, 40, 51, 95); }},
                    TBadCase{"InsertSilenceNegative", [](auto& t, auto& s) { t.InsertSilence(s, -5); }}),
    [](const auto& info) { return info.param.Name; });

TEST(Robustness, DamagedSamplesNeverTurnIntoNaN) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Noise(5000);
    samples[10] = std::nanf("");
    samples[20] = INFINITY;
    transform.HighPass(samples, 200, 100);
    transform.Reverb(samples, 30, 60, 97, 30, 11025, 8);
    EXPECT_TRUE(AllFinite(samples));
}

TEST(Robustness, EmptyArraysStayEmpty) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    std::vector<float> samples;
    transform.Pitch(samples, 60);
    transform.Speed(samples, 150);
    transform.Normalize(samples, 100, -1);
    EXPECT_TRUE(samples.empty());
}

} // namespace transform_test
