// Phase arithmetic for the phase vocoder, which runs it for every spectral peak of every frame: written
// without library calls and without branches, so that a loop over the peaks runs in vector registers.
// Accurate to a few millionths of a radian.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace effects::fast_phase {

// The phase brought into [-pi, pi].
[[gnu::always_inline]] inline float Wrap(float phase) {
    constexpr float Turns = static_cast<float>(1 / (2 * std::numbers::pi)),
                    Whole = static_cast<float>(2 * std::numbers::pi);
    const float turns = phase * Turns;
    return phase - Whole * static_cast<float>(static_cast<int>(turns + std::copysign(0.5f, turns)));
}

// The angle of (x, y).
[[gnu::always_inline]] inline float Angle(float y, float x) {
    constexpr float Pi = std::numbers::pi_v<float>;
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float most = std::max(ax, ay), least = std::min(ax, ay);
    const float a = least / (most + 1e-30f), s = a * a;
    // Abramowitz and Stegun's series, good to 2e-8 on [0, 1].
    const float r =
        a *
        (1 + s * (-0.3333314528f +
                  s * (0.1999355085f +
                       s * (-0.1420889944f +
                            s * (0.1065626393f +
                                 s * (-0.0752896400f +
                                      s * (0.0429096138f + s * (-0.0161657367f + s * 0.0028662257f))))))));
    // Choices made by arithmetic on 0 or 1, not branches.
    const float octant = r + (ay > ax ? 1.0f : 0.0f) * (Pi / 2 - 2 * r);
    const float half = octant + (x < 0 ? 1.0f : 0.0f) * (Pi - 2 * octant);
    return std::copysign(half, y);
}

// sin(x) for x in [-pi/2, pi/2], to within a few millionths.
[[gnu::always_inline]] inline float HalfSine(float x) {
    const float s = x * x;
    return x * (1 + s * (-1.0f / 6 + s * (1.0f / 120 + s * (-1.0f / 5040 + s * (1.0f / 362880)))));
}

// The phase of so many turns, whole turns taken off in double precision.
[[gnu::always_inline]] inline float WholeTurnsOff(double turns) {
    return static_cast<float>(2 * std::numbers::pi *
                              (turns - static_cast<double>(static_cast<std::int64_t>(turns))));
}

// The cosine and sine of phase (in [-pi, pi]).
[[gnu::always_inline]] inline void CosSin(float phase, float& c, float& s) {
    constexpr float Pi = std::numbers::pi_v<float>;
    const float fromRightAngle = Pi / 2 - std::fabs(phase); // in [-pi/2, pi/2]
    const float folded = std::copysign(Pi / 2 - std::fabs(fromRightAngle), phase);
    c = HalfSine(fromRightAngle);
    s = HalfSine(folded);
}

} // namespace effects::fast_phase
