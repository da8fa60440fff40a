// Pitch change of a chord and of a spoken syllable placed at several offsets in a longer signal, so
// that the stretches the signal is shifted in begin and join at different points of each sound: the
// dominant frequency must move by the factor, the level and the length must stay, and no click may
// mark a join. Also: no shift gives back the input as it was (no delay, no change of level), and the
// join prefers not to slide a stretch when sliding gains nearly nothing.
#include "audio/effects/AudioTransform2.h"
#include "audio/effects/PitchShiftJoin.h"
#include "audio/views/FrequencyAnalyzer.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

using namespace effects_test;

namespace pitch_offset_test {

constexpr double Pi = std::numbers::pi;
constexpr double Seconds = 9.0;                   // three stretches and more
constexpr std::size_t StretchFrames = 3 * Rate;   // where the stretches join
constexpr std::size_t SoundFrames = Rate * 6 / 5; // each sound lasts 1.2 s

// A struck chord of three notes with four harmonics each, decaying; the root's fundamental is the
// strongest partial.
std::vector<float> Chord() {
    const double notes[] = {220, 277.18, 329.63}, loudness[] = {0.2, 0.1, 0.1};
    std::vector<float> out(SoundFrames, 0.0f);
    for (int note = 0; note < 3; ++note)
        for (int harmonic = 1; harmonic <= 4; ++harmonic)
            for (std::size_t i = 0; i < out.size(); ++i) {
                const double t = static_cast<double>(i) / Rate;
                const double frequency = notes[note] * harmonic;
                out[i] += static_cast<float>(loudness[note] / harmonic * std::exp(-1.5 * t) *
                                             std::min(1.0, t / 0.005) * std::sin(2 * Pi * frequency * t));
            }
    return out;
}

// A vowel on a 150 Hz glottal pulse train through two formants (the first, and strongest, on its fifth
// harmonic), then a hissing consonant.
std::vector<float> Syllable() {
    std::vector<double> vowel(SoundFrames * 3 / 4, 0.0);
    for (std::size_t i = 0; i < vowel.size(); i += Rate / 150)
        vowel[i] = 1.0;
    std::vector<double> shaped(vowel.size(), 0.0);
    for (const auto& [frequency, bandwidth] : {std::pair{750.0, 60.0}, std::pair{1250.0, 120.0}}) {
        const double r = std::exp(-Pi * bandwidth / Rate), angle = 2 * Pi * frequency / Rate;
        double y1 = 0, y2 = 0;
        for (std::size_t i = 0; i < vowel.size(); ++i) {
            const double y = (1 - r) * vowel[i] + 2 * r * std::cos(angle) * y1 - r * r * y2;
            y2 = y1;
            y1 = y;
            shaped[i] += frequency < 1000 ? y : 0.4 * y;
        }
    }
    std::mt19937 generator(3);
    std::normal_distribution<double> hiss(0, 0.03);
    std::vector<float> out(SoundFrames, 0.0f);
    for (std::size_t i = 0; i < shaped.size(); ++i) {
        const double along = static_cast<double>(i) / shaped.size();
        out[i] = static_cast<float>(4 * shaped[i] * std::min(1.0, std::min(along, 1 - along) / 0.1));
    }
    for (std::size_t i = shaped.size(); i < out.size(); ++i)
        out[i] =
            static_cast<float>(hiss(generator) * std::sin(Pi * static_cast<double>(i - shaped.size()) /
                                                          static_cast<double>(out.size() - shaped.size())));
    return out;
}

// The frequency of the strongest spectral peak over 16384 frames from start (interpolated between
// bins).
double DominantFrequency(const std::vector<float>& samples, std::size_t start) {
    constexpr int Size = 16384;
    TSpectrumAnalyzer analyzer(Size);
    std::vector<float> levels(static_cast<std::size_t>(analyzer.Bins()));
    analyzer.Analyze(samples.data() + start, Size, levels.data());
    std::size_t top = 2;
    for (std::size_t k = 2; k + 1 < levels.size(); ++k)
        if (levels[k] > levels[top]) top = k;
    const double a = levels[top - 1], b = levels[top], c = levels[top + 1];
    const double shift = 0.5 * (a - c) / (a - 2 * b + c);
    return (static_cast<double>(top) + shift) * Rate / Size;
}

// Loudness of the changes between samples (a click's mark) over frames [begin, end).
double RoughnessRms(const std::vector<float>& samples, std::size_t begin, std::size_t end) {
    double sum = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const double d = samples[i] - 2.0 * samples[i - 1] + samples[i - 2];
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(end - begin));
}

struct TOffsetCase {
    const char* Name;
    bool Chord;    // else the syllable
    float Percent; // 60: 40 % up (factor 1.67); 140: 40 % down (factor 0.71)
    double Offset; // seconds into the signal where the sound starts
};

class PitchAtOffsets : public testing::TestWithParam<TOffsetCase> {};

TEST_P(PitchAtOffsets, FrequencyLevelLengthKeptAndJoinsSilent) {
    const TOffsetCase& param = GetParam();
    const std::size_t at = static_cast<std::size_t>(param.Offset * Rate);
    const auto sound = param.Chord ? Chord() : Syllable();
    std::vector<float> source(static_cast<std::size_t>(Seconds * Rate), 0.0f);
    std::copy(sound.begin(), sound.end(), source.begin() + static_cast<std::ptrdiff_t>(at));

    auto shifted = source;
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    transform.Pitch(shifted, param.Percent);
    ASSERT_EQ(shifted.size(), source.size());

    // Measured where the sound is steady: from 0.15 s into it (16384 frames, 0.37 s).
    const std::size_t measure = at + Rate * 15 / 100;
    const double factor = 100.0 / param.Percent;
    EXPECT_NEAR(DominantFrequency(shifted, measure) / DominantFrequency(source, measure), factor,
                factor * 0.01);
    const std::size_t soundEnd = at + (param.Chord ? SoundFrames : SoundFrames * 3 / 4);
    EXPECT_NEAR(Db(Rms(shifted, at, soundEnd) / Rms(source, at, soundEnd)), 0.0, 1.0);
    // Nothing is heard before the sound starts (beyond the frame the shifter reads ahead).
    EXPECT_LT(Rms(shifted, 0, at - Rate / 10), 1e-4);

    // A join inside the sound (the cross-fade over the 30 ms from it) stands out neither in the changes
    // between samples nor in the level, against 10 ms on either side of it.
    const std::size_t window = Rate / 200, fade = Rate * 3 / 100;
    for (std::size_t join = StretchFrames; join < source.size(); join += StretchFrames) {
        if (join < at + 4 * window || join + fade + 4 * window > soundEnd) continue;
        const std::size_t before = join - 3 * window, after = join + fade + window;
        const double roughness = std::max(RoughnessRms(shifted, before, before + 2 * window),
                                          RoughnessRms(shifted, after, after + 2 * window));
        const double level =
            std::max(Rms(shifted, before, before + 2 * window), Rms(shifted, after, after + 2 * window));
        for (std::size_t from = join - window; from + window <= join + fade + window; from += window / 2) {
            EXPECT_LT(RoughnessRms(shifted, from, from + window), 1.5 * roughness)
                << "click at the join at " << join << ", " << from;
            EXPECT_LT(Rms(shifted, from, from + window), 1.5 * level) << "burst at the join at " << join;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sounds, PitchAtOffsets,
                         testing::Values(TOffsetCase{"ChordUpAtStart", true, 60, 0.5},
                                         TOffsetCase{"ChordUpOverJoin", true, 60, 2.4},
                                         TOffsetCase{"ChordDownOverJoin", true, 140, 5.7},
                                         TOffsetCase{"ChordDownAtStart", true, 140, 0.5},
                                         TOffsetCase{"SyllableUpOverJoin", false, 60, 2.6},
                                         TOffsetCase{"SyllableDownOverJoin", false, 140, 5.75},
                                         TOffsetCase{"SyllableUpLate", false, 60, 7.1}),
                         [](const auto& info) { return std::string(info.param.Name); });

// With no shift the shifter gives back its input: nothing delayed, nothing louder or softer.
TEST(PitchUnchanged, HundredPercentGivesBackTheInput) {
    const std::size_t frames = static_cast<std::size_t>(Rate * 7.5);
    auto source = Noise(frames, 0.3, 11);
    const auto tone = Sine(330, 7.5, 0.3);
    for (std::size_t i = 0; i < frames; ++i)
        source[i] += tone[i];
    auto shifted = source;
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    transform.Pitch(shifted, 100);
    ASSERT_EQ(shifted.size(), frames);
    double error = 0, power = 0;
    for (std::size_t i = Rate / 10; i + Rate / 10 < frames; ++i) {
        error += (shifted[i] - source[i]) * static_cast<double>(shifted[i] - source[i]);
        power += static_cast<double>(source[i]) * source[i];
    }
    EXPECT_GT(10 * std::log10(power / error), 60.0);
}

// Two stretches of one steady tone fit at a whole period's slide as well as without one: the join
// must not slide, however slightly the far fit wins.
TEST(PitchJoinOffsets, NearlyEqualFitsTakeTheSlideNearestZero) {
    constexpr std::size_t Overlap = 1323;
    constexpr int Reach = 441;
    const double period = 100.0; // frames: 441 Hz
    std::vector<float> previous(Overlap), next(Overlap + 2 * Reach);
    for (std::size_t i = 0; i < previous.size(); ++i)
        previous[i] = static_cast<float>(std::sin(2 * Pi * static_cast<double>(i) / period));
    // The incoming stretch grows a little louder along it: a slide forward fits a hair better.
    for (std::size_t i = 0; i < next.size(); ++i) {
        const double position = static_cast<double>(i) - Reach;
        next[i] = static_cast<float>((1 + 1e-4 * position) * std::sin(2 * Pi * position / period));
    }
    EXPECT_EQ(effects::JoinOffsets({previous}, {next}, Overlap, Reach), std::vector<int>{0});
    // A fit clearly better elsewhere still wins: the incoming stretch a quarter period late (taken
    // nearer 0 only by as much as the fit stays nearly as good).
    for (std::size_t i = 0; i < next.size(); ++i)
        next[i] = static_cast<float>(std::sin(2 * Pi * (static_cast<double>(i) - Reach - 25) / period));
    const std::vector<int> late = effects::JoinOffsets({previous}, {next}, Overlap, Reach);
    ASSERT_EQ(late.size(), 1u);
    EXPECT_NEAR(late[0], 25, 3);
}

} // namespace pitch_offset_test
