#include "audio/effects/FilterEffects.h"
#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EffectErrors.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace effects_test;

namespace filter_test {

using TApply = std::function<void(TAudioTransform2&, std::vector<float>&)>;

// Gain in dB the operation gives a steady sine of the frequency (measured after the filter settled).
double ResponseDb(const TApply& apply, double frequency, int rate = Rate) {
    TAudioTransform2 transform;
    transform.SetFormat(rate, 1);
    auto samples = Sine(frequency, 0.4, 0.5, rate);
    const std::size_t from = samples.size() / 2;
    const double before = Rms(samples, from);
    apply(transform, samples);
    return Db(Rms(samples, from) / before);
}

struct TCutoffCase {
    std::string Name;
    bool HighPass;
    float Cutoff;
    float Steepness;
};

class PassCutoff : public testing::TestWithParam<TCutoffCase> {};

TEST_P(PassCutoff, IsThreeDbDownWithinFivePercentOfTheCutoff) {
    const auto p = GetParam();
    TApply apply = [&](TAudioTransform2& t, std::vector<float>& s) {
        if (p.HighPass)
            t.HighPass(s, p.Cutoff, p.Steepness);
        else
            t.LowPass(s, p.Cutoff, p.Steepness);
    };
    const double below = ResponseDb(apply, p.Cutoff * 0.95);
    const double above = ResponseDb(apply, p.Cutoff * 1.05);
    // The -3 dB point lies between 0.95 and 1.05 times the cut-off.
    if (p.HighPass) {
        EXPECT_LT(below, -3.0);
        EXPECT_GT(above, -3.0);
    } else {
        EXPECT_GT(below, -3.0);
        EXPECT_LT(above, -3.0);
    }
    EXPECT_NEAR(ResponseDb(apply, p.Cutoff), -3.01, 0.3);
    // Two octaves into the stop band the slope (12 dB/octave per section) shows.
    const int sections = effects::filter_design::PassSectionCount(p.Steepness);
    const double stop = ResponseDb(apply, p.HighPass ? p.Cutoff / 4 : p.Cutoff * 4);
    EXPECT_LT(stop, -20.0 * sections);
    const double pass = ResponseDb(apply, p.HighPass ? std::min(p.Cutoff * 8.0, 20000.0) : p.Cutoff / 8);
    EXPECT_NEAR(pass, 0.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Filters, PassCutoff,
                         testing::Values(TCutoffCase{"HighPass200", true, 200, 100},
                                         TCutoffCase{"HighPass1000Gentle", true, 1000, 0},
                                         TCutoffCase{"LowPass1000", false, 1000, 50},
                                         TCutoffCase{"LowPass2000Steep", false, 2000, 100},
                                         TCutoffCase{"LowPass200Gentle", false, 200, 0}),
                         [](const auto& info) { return info.param.Name; });

struct TBandCase {
    std::string Name;
    float Frequency, Steepness;
};

class BandPassAndNotch : public testing::TestWithParam<TBandCase> {};

TEST_P(BandPassAndNotch, PassOrStopTheCentreAndTheOppositeFarAway) {
    const auto p = GetParam();
    TApply bandPass = [&](TAudioTransform2& t, std::vector<float>& s) {
        t.BandPass(s, p.Frequency, p.Steepness);
    };
    TApply notch = [&](TAudioTransform2& t, std::vector<float>& s) { t.Notch(s, p.Frequency, p.Steepness); };
    const double q = effects::filter_design::SteepnessToQ(p.Steepness);
    // -3 dB edges of a second-order band pass.
    const double half = 1.0 / (2.0 * q), root = std::sqrt(1.0 + half * half);
    EXPECT_NEAR(ResponseDb(bandPass, p.Frequency), 0.0, 0.1);
    EXPECT_NEAR(ResponseDb(bandPass, p.Frequency * (root + half)), -3.01, 0.3);
    EXPECT_NEAR(ResponseDb(bandPass, p.Frequency * (root - half)), -3.01, 0.3);
    EXPECT_LT(ResponseDb(notch, p.Frequency), -30.0);
    EXPECT_NEAR(ResponseDb(notch, p.Frequency * 8 < 20000 ? p.Frequency * 8 : p.Frequency / 8), 0.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Presets, BandPassAndNotch,
                         testing::Values(TBandCase{"At1k", 1000, 50}, TBandCase{"At200Sharp", 200, 100},
                                         TBandCase{"At2kWide", 2000, 0}),
                         [](const auto& info) { return info.param.Name; });

struct TShelfCase {
    std::string Name;
    float Gain, Frequency, Steepness;
    double Tolerance; // gentle shelves approach their gain slowly
};

class ShelvesAndPeak : public testing::TestWithParam<TShelfCase> {};

TEST_P(ShelvesAndPeak, ReachTheirGainWhereTheyAct) {
    const auto p = GetParam();
    TApply low = [&](TAudioTransform2& t, std::vector<float>& s) {
        t.LowShelf(s, p.Gain, p.Frequency, p.Steepness);
    };
    TApply high = [&](TAudioTransform2& t, std::vector<float>& s) {
        t.HighShelf(s, p.Gain, p.Frequency, p.Steepness);
    };
    TApply peak = [&](TAudioTransform2& t, std::vector<float>& s) {
        t.PeakEQ(s, p.Gain, p.Frequency, p.Steepness);
    };
    EXPECT_NEAR(ResponseDb(low, p.Frequency / 32), p.Gain, p.Tolerance);
    EXPECT_NEAR(ResponseDb(low, std::min(p.Frequency * 16.0, 20000.0)), 0.0, p.Tolerance);
    EXPECT_NEAR(ResponseDb(low, p.Frequency), p.Gain / 2, 0.3);
    EXPECT_NEAR(ResponseDb(high, std::min(p.Frequency * 16.0, 20000.0)), p.Gain, p.Tolerance);
    EXPECT_NEAR(ResponseDb(high, p.Frequency / 32), 0.0, p.Tolerance);
    EXPECT_NEAR(ResponseDb(peak, p.Frequency), p.Gain, 0.1);
    EXPECT_NEAR(ResponseDb(peak, p.Frequency / 32), 0.0, 0.2);
}

INSTANTIATE_TEST_SUITE_P(Presets, ShelvesAndPeak,
                         testing::Values(TShelfCase{"Cut10At1k", -10, 1000, 50, 0.5},
                                         TShelfCase{"Boost12At1k", 12, 1000, 100, 0.5},
                                         TShelfCase{"Cut20At600Gentle", -20, 600, 0, 1.2}),
                         [](const auto& info) { return info.param.Name; });

struct TEqualizerCase {
    std::string Name;
    int Band;    // 0-based
    float Value; // slider value in tenths of a dB
};

const std::vector<float> EqualizerFrequencies = {31.25f, 62.5f, 125,  250,  500,   1000,
                                                 2000,   4000,  6000, 9000, 12000, 16000};

class EqualizerBand : public testing::TestWithParam<TEqualizerCase> {};

TEST_P(EqualizerBand, ReachesTheSlidersGainAtItsCentre) {
    const auto p = GetParam();
    TApply apply = [&](TAudioTransform2& t, std::vector<float>& s) {
        std::vector<float> gains(12, 0.0f);
        gains[static_cast<std::size_t>(p.Band)] = p.Value / 100.0f;
        auto frequencies = EqualizerFrequencies;
        t.Equalizer(s, gains, frequencies);
    };
    const double centre = EqualizerFrequencies[static_cast<std::size_t>(p.Band)];
    EXPECT_NEAR(ResponseDb(apply, centre), p.Value / 10.0, 0.3);
    const double far = centre >= 1000 ? centre / 16 : centre * 16;
    EXPECT_NEAR(ResponseDb(apply, far), 0.0, 0.3);
}

INSTANTIATE_TEST_SUITE_P(Bands, EqualizerBand,
                         testing::Values(TEqualizerCase{"OneKNotchPlus9", 5, 90},
                                         TEqualizerCase{"Max125", 2, 180}, TEqualizerCase{"Min4k", 7, -180},
                                         TEqualizerCase{"Bass62", 1, 55}),
                         [](const auto& info) { return info.param.Name; });

TEST(Equalizer, AllBandsAtZeroLeaveTheSignalUnchanged) {
    TAudioTransform2 transform;
    transform.SetFormat(22050, 1);
    auto samples = Noise(5000);
    const auto original = samples;
    std::vector<float> gains(12, 0.0f);
    auto frequencies = EqualizerFrequencies;
    transform.Equalizer(samples, gains, frequencies);
    EXPECT_EQ(samples, original);
}

TEST(Equalizer, LeavesOutBandsAboveHalfTheRate) {
    // At 22050 Hz the 12 kHz and 16 kHz bands cannot act; a "Basic High Boost" still works below.
    TApply apply = [](TAudioTransform2& t, std::vector<float>& s) {
        std::vector<float> gains = {0, 0, 0, 0, 0, 0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
        auto frequencies = EqualizerFrequencies;
        t.Equalizer(s, gains, frequencies);
    };
    const double at100 = ResponseDb(apply, 100, 22050);
    const double at9k = ResponseDb(apply, 9000, 22050);
    EXPECT_NEAR(at100, 0.0, 0.3);
    EXPECT_GT(at9k, 3.0);
}

struct TBadFilterCase {
    std::string Name;
    std::function<void(TAudioTransform2&, std::vector<float>&)> Call;
};

class FilterParameters : public testing::TestWithParam<TBadFilterCase> {};

TEST_P(FilterParameters, OutOfRangeIsAClearErrorAndTouchesNothing) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    auto samples = Sine(440, 0.01);
    const auto original = samples;
    try {
        GetParam().Call(transform, samples);
        FAIL() << "no error";
    } catch (const EAudioEffectParameter& error) {
        EXPECT_FALSE(error.Message().empty());
    }
    EXPECT_EQ(samples, original);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterParameters,
    testing::Values(
        TBadFilterCase{"FrequencyZero", [](auto& t, auto& s) { t.LowPass(s, 0, 50); }},
        TBadFilterCase{"FrequencyAboveNyquist", [](auto& t, auto& s) { t.Notch(s, 99999, 50); }},
        TBadFilterCase{"SteepnessAbove100", [](auto& t, auto& s) { t.BandPass(s, 1000, 101); }},
        TBadFilterCase{"ShelfGainBelow90", [](auto& t, auto& s) { t.LowShelf(s, -95, 1000, 50); }},
        TBadFilterCase{"PeakGainNaN", [](auto& t, auto& s) { t.PeakEQ(s, std::nanf(""), 1000, 50); }},
        TBadFilterCase{"EqualizerBandTooHigh",
                       [](auto& t, auto& s) {
                           std::vector<float> g(12, 0.0f), f = EqualizerFrequencies;
                           g[3] = 2.5f;
                           t.Equalizer(s, g, f);
                       }},
        TBadFilterCase{"EqualizerArraysDiffer",
                       [](auto& t, auto& s) {
                           std::vector<float> g(11, 0.0f), f = EqualizerFrequencies;
                           t.Equalizer(s, g, f);
                       }}),
    [](const auto& info) { return info.param.Name; });

} // namespace filter_test

namespace filter_pair_test {

// The two channels of a stereo signal run through one loop give, block after block, exactly what each
// cascade gives on its own; cascades of different sections fall back to one at a time.
TEST(BiquadPair, GivesEachCascadesOwnSamplesBitForBit) {
    using effects::TBiquadCascade;
    const std::vector<effects::TBiquadCoefficients> lowPass = effects::filter_design::LowPass(Rate, 900, 60);
    const std::vector<effects::TBiquadCoefficients> peak = effects::filter_design::PeakEQ(Rate, 6, 2500, 50);
    struct TCase {
        const char* Name;
        std::vector<effects::TBiquadCoefficients> First, Second;
    };
    const std::vector<effects::TBiquadCoefficients> equalizer = effects::filter_design::Equalizer(
        Rate, {0.3f, -0.5f, 0.8f, 0.2f, -0.4f, 0.6f}, {125, 250, 500, 1000, 2000, 4000});
    // One, three and six sections (written-out loops up to four, the general one beyond), and two
    // different cascades.
    for (const TCase& c : {TCase{"one", peak, peak}, TCase{"three", lowPass, lowPass},
                           TCase{"six", equalizer, equalizer}, TCase{"different", lowPass, peak}}) {
        const std::vector<float> left = Noise(30000, 0.5, 3), right = Noise(30000, 0.4, 9);
        std::vector<float> alone[2] = {left, right}, paired[2] = {left, right};
        TBiquadCascade single[2] = {TBiquadCascade(c.First), TBiquadCascade(c.Second)};
        TBiquadCascade pair[2] = {TBiquadCascade(c.First), TBiquadCascade(c.Second)};
        for (std::size_t at = 0; at < left.size(); at += 7000) { // blocks that carry the state across
            const std::size_t n = std::min<std::size_t>(7000, left.size() - at);
            single[0].Process(alone[0].data() + at, n);
            single[1].Process(alone[1].data() + at, n);
            TBiquadCascade::ProcessPair(pair[0], paired[0].data() + at, pair[1], paired[1].data() + at, n);
        }
        EXPECT_EQ(alone[0], paired[0]) << c.Name;
        EXPECT_EQ(alone[1], paired[1]) << c.Name;
        EXPECT_NE(alone[0], left) << c.Name; // the filter did act
    }
}

} // namespace filter_pair_test
