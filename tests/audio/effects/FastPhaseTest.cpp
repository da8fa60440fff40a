// The phase vocoder's own phase arithmetic against the library's, over whole turns of angles: an error
// here would turn every partial's phase a little wrong in every frame.
#include "audio/effects/FastPhase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace fast_phase_test {

using namespace effects::fast_phase;
constexpr double Pi = std::numbers::pi;

TEST(FastPhase, AngleMatchesTheLibraryAllRound) {
    for (int step = -1800; step <= 1800; ++step) {
        const double angle = step * Pi / 1800;
        for (double radius : {1e-6, 1.0, 3e4}) {
            const float x = static_cast<float>(radius * std::cos(angle));
            const float y = static_cast<float>(radius * std::sin(angle));
            EXPECT_NEAR(std::remainder(Angle(y, x) - std::atan2(y, x), 2 * Pi), 0.0, 2e-6) << angle;
        }
    }
    EXPECT_EQ(Angle(0, 0), 0.0f);
}

TEST(FastPhase, CosineAndSineMatchTheLibrary) {
    for (int step = -1800; step <= 1800; ++step) {
        const float phase = static_cast<float>(step * Pi / 1800);
        float c = 0, s = 0;
        CosSin(phase, c, s);
        EXPECT_NEAR(c, std::cos(phase), 1e-5) << phase;
        EXPECT_NEAR(s, std::sin(phase), 1e-5) << phase;
    }
}

TEST(FastPhase, WrapAndWholeTurnsLeaveTheSameDirection) {
    for (double phase : {-40.0, -7.0, -3.2, -1.0, 0.0, 0.5, 3.1, 3.2, 6.3, 100.0}) {
        const float wrapped = Wrap(static_cast<float>(phase));
        EXPECT_LE(std::fabs(wrapped), Pi + 1e-5) << phase;
        EXPECT_NEAR(std::remainder(wrapped - phase, 2 * Pi), 0.0, 1e-4) << phase;
    }
    // Whole turns are taken off before single precision would lose the rest.
    EXPECT_NEAR(WholeTurnsOff(123456.25), Pi / 2, 1e-6);
    EXPECT_NEAR(WholeTurnsOff(-3.5), -Pi, 1e-6);
}

} // namespace fast_phase_test
