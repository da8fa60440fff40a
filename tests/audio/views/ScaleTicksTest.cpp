// The scales' ticks and labels: time texts, labels that never crowd each other at any zoom, amplitude
// and decibel ticks inside their lane, frequency axes.
#include "audio/views/ScaleTicks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scale_ticks_test {

// Labels 6 pixels a character, as a small font measures them.
int Measure(const std::string& text) {
    return int(text.size()) * 6;
}

TEST(ScaleTicks, DecimalTimeTexts) {
    struct TCase {
        double Seconds;
        int Decimals;
        const char* Text;
    } cases[] = {{0, 0, "0:00"},         {59.5, 0, "1:00"},         {61.25, 2, "1:01.25"},
                 {3725.0, 1, "62:05.0"}, {0.00049, 4, "0:00.0005"}, {-0.00001, 3, "0:00.000"},
                 {-2.5, 1, "-0:02.5"}};
    for (const TCase& c : cases)
        EXPECT_EQ(scale_ticks::DecimalTime(c.Seconds, c.Decimals), c.Text) << c.Seconds;
    EXPECT_EQ(scale_ticks::FrequencyText(500), "500");
    EXPECT_EQ(scale_ticks::FrequencyText(1000), "1k");
    EXPECT_EQ(scale_ticks::FrequencyText(2500), "2.5k");
    EXPECT_EQ(scale_ticks::FrequencyText(22050), "22.1k");
}

TEST(ScaleTicks, TimeLabelsNeverCrowdAtAnyZoom) {
    const int rate = 44100, pixels = 1600;
    // From a few frames to ten hours across the scale, from the start and from deep inside.
    for (double span : {20.0, 700.0, 44100.0, 2.6e6, 1.6e8, 1.6e9})
        for (double first : {0.0, 123457.0, 1.2e8})
            for (int format : {1, 2}) {
                const std::vector<TScaleTick> ticks =
                    scale_ticks::Time(first, span, pixels, format, rate, Measure);
                double lastEnd = -1e9;
                int labels = 0;
                for (const TScaleTick& t : ticks) {
                    EXPECT_GE(t.Offset, -1e-6);
                    EXPECT_LT(t.Offset, pixels);
                    if (t.Label.empty()) continue;
                    ++labels;
                    EXPECT_GE(t.Offset, lastEnd + 4) << span << " " << format << " " << t.Label;
                    lastEnd = t.Offset + Measure(t.Label);
                }
                EXPECT_GE(labels, 2) << span << " " << format;
                EXPECT_LE(ticks.size(), std::size_t(pixels / 4 + 2)) << "minor ticks stay apart";
            }
}

TEST(ScaleTicks, SampleNumbersAreWholeAndTimeLabelsMatchTheirPlace) {
    for (const TScaleTick& t : scale_ticks::Time(1000, 20, 800, 1, 44100, Measure)) {
        const double frame = 1000 + t.Offset * 20 / 800;
        EXPECT_DOUBLE_EQ(frame, std::round(frame)) << "no tick between two frames";
        if (!t.Label.empty()) {
            EXPECT_EQ(t.Label, std::to_string(std::lround(frame)));
        }
    }
    for (const TScaleTick& t : scale_ticks::Time(44100, 44100, 1000, 2, 44100, Measure)) {
        if (!t.Label.empty()) {
            EXPECT_EQ(t.Label, scale_ticks::DecimalTime(1.0 + t.Offset / 1000, 1)) << t.Offset;
        }
    }
}

TEST(ScaleTicks, AmplitudeTicksStayInTheirLaneAndApart) {
    for (int format : {1, 2, 3})
        for (double amplitude : {0.05, 0.37, 1.0, 10.0})
            for (int height : {40, 183, 600}) {
                const std::vector<TScaleTick> ticks = scale_ticks::Amplitude(format, amplitude, height, 11);
                ASSERT_FALSE(ticks.empty());
                double last = -1e9;
                bool centre = false;
                for (const TScaleTick& t : ticks) {
                    EXPECT_GE(t.Offset, -0.5);
                    EXPECT_LE(t.Offset, height - 0.5);
                    if (t.Label.empty()) continue;
                    EXPECT_GE(t.Offset - last, 11) << format << " " << amplitude << " " << height;
                    last = t.Offset;
                    centre = centre || std::fabs(t.Offset - (height - 1) / 2.0) < 0.5;
                }
                EXPECT_TRUE(centre) << "the middle is always labelled";
            }
    // Decibels: 0 dB at full scale, "-6" at half of it, "-inf" in the middle.
    const std::vector<TScaleTick> db = scale_ticks::Amplitude(3, 1.0, 401, 11);
    auto offsetOf = [&](const std::string& label) {
        for (const TScaleTick& t : db)
            if (t.Label == label) return t.Offset;
        return -1.0;
    };
    EXPECT_DOUBLE_EQ(offsetOf("0"), 0);
    EXPECT_NEAR(offsetOf("-6"), 200 - 200 * std::pow(10, -6.0 / 20), 1e-9);
    EXPECT_DOUBLE_EQ(offsetOf("-inf"), 200);
}

TEST(ScaleTicks, FrequencyAxes) {
    const std::vector<TScaleTick> log = scale_ticks::FrequencyAxis(20, 22050, 500, true, Measure);
    double lastRight = -1e9;
    for (const TScaleTick& t : log) {
        if (t.Label.empty()) continue;
        const double half = Measure(t.Label) / 2.0;
        EXPECT_GE(t.Offset - half, lastRight + 8) << t.Label;
        lastRight = t.Offset + half;
    }
    EXPECT_EQ(log.front().Label, "20");
    // 1 kHz lies where the logarithm puts it.
    for (const TScaleTick& t : log) {
        if (t.Label == "1k") {
            EXPECT_NEAR(t.Offset, std::log(1000.0 / 20) / std::log(22050.0 / 20) * 499, 1e-9);
        }
    }
    const std::vector<TScaleTick> linear = scale_ticks::FrequencyAxis(0, 22050, 500, false, Measure);
    EXPECT_EQ(linear.front().Label, "0");
    const std::vector<TScaleTick> lane = scale_ticks::Frequency(4000, 201, 11);
    EXPECT_EQ(lane.front().Label, "0");
    EXPECT_DOUBLE_EQ(lane.front().Offset, 200) << "0 Hz at the bottom";
}

} // namespace scale_ticks_test
