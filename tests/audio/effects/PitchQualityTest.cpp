// Pitch change measured as a listener hears it: every note of a chord stays in tune (even notes close
// together, which a shifter with too coarse a view of frequency pulls towards each other), a click stays
// a click in its place (no smear, no echo before it), and a pure tone comes out pure.
#include "audio/effects/AudioTransform2.h"
#include "tests/audio/effects/PitchMeasures.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace effects_test;
using namespace pitch_measures;

namespace pitch_quality_test {

std::vector<float> Shifted(std::vector<float> samples, float percent) {
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 1);
    transform.Pitch(samples, percent);
    return samples;
}

std::string ShiftName(const testing::TestParamInfo<int>& info) {
    return (info.param < 0 ? "Down" : "Up") + std::to_string(std::abs(info.param));
}

class PitchTuning : public testing::TestWithParam<int> {};

TEST_P(PitchTuning, EveryNoteOfAChordStaysInTune) {
    const int semitones = GetParam();
    for (const std::vector<double>& notes : Chords()) {
        const auto shifted = Shifted(Tones(notes, 3.0, Rate), PercentFor(semitones));
        EXPECT_LT(WorstCents(shifted, notes, semitones, Rate), 5.0)
            << "chord from " << notes.front() << " Hz shifted " << semitones << " semitones";
    }
}

INSTANTIATE_TEST_SUITE_P(Shifts, PitchTuning, testing::Values(3, -3, 7, -7, 12, -12), ShiftName);

class PitchClicks : public testing::TestWithParam<int> {};

TEST_P(PitchClicks, AClickStaysShortInItsPlaceWithoutEchoBeforeIt) {
    const auto shifted = Shifted(Clicks(Rate), PercentFor(GetParam()));
    for (std::size_t at : ClickPlaces(Rate)) {
        const TClick click = MeasureClick(shifted, at, Rate);
        ASSERT_GT(click.Peak, 0.05) << "the click at " << at << " is lost";
        EXPECT_LE(click.WidthMs, 3.0) << "click at " << at;
        EXPECT_LE(std::fabs(click.PlaceMs), 1.0) << "click at " << at;
        EXPECT_LE(click.BeforeDb, -20.0) << "echo before the click at " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(Shifts, PitchClicks, testing::Values(12, -12), ShiftName);

TEST(PitchPurity, ASineComesOutPure) {
    for (int semitones : {3, -7, 12}) {
        const float percent = PercentFor(semitones);
        const auto shifted = Shifted(Sine(1000, 2.0), percent);
        EXPECT_LT(ThdPlusNoiseDb(shifted, 1000 * 100.0 / percent, Rate), -88.0) << semitones << " semitones";
    }
}

} // namespace pitch_quality_test
