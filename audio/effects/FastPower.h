// Powers of level ratios for the dynamics effects, which need one for every sample: written without
// library calls and without branches, so that a loop over a block runs in vector registers. Relative
// error a few parts in ten million, as exact as the float samples the gains scale.
#pragma once

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace effects::fast_power {

// log2(x) for finite x > 0 (values below the smallest normal float count as it).
[[gnu::always_inline]] inline float Log2(float x) {
    x = x > 1.17549435e-38f ? x : 1.17549435e-38f;
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    // x = m * 2^e with m in [sqrt(1/2), sqrt(2)), where the series below converges fastest.
    const std::uint32_t offset = static_cast<std::uint32_t>((bits & 0x7fffff) > 0x3504f3); // above sqrt(2)
    const float e =
        static_cast<float>(static_cast<std::int32_t>(bits >> 23) - 127 + static_cast<std::int32_t>(offset));
    const float m = std::bit_cast<float>((bits & 0x7fffff) | ((127u - offset) << 23));
    // ln(m) = 2 atanh(t) with t = (m - 1) / (m + 1), |t| < 0.172.
    const float t = (m - 1) / (m + 1), s = t * t;
    constexpr float TwoOverLn2 = static_cast<float>(2 / std::numbers::ln2);
    return e + TwoOverLn2 * t * (1 + s * (1.0f / 3 + s * (1.0f / 5 + s * (1.0f / 7 + s * (1.0f / 9)))));
}

// 2^y, bounded to the normal floats (2^-126 .. 2^127).
[[gnu::always_inline]] inline float Exp2(float y) {
    y = y < -126.0f ? -126.0f : y;
    y = y > 127.0f ? 127.0f : y;
    // Adding and taking off 1.5 * 2^23 rounds to a whole number in two additions, which vectorise.
    constexpr float Rounder = 12582912.0f;
    const float whole = (y + Rounder) - Rounder, f = (y - whole) * static_cast<float>(std::numbers::ln2);
    // e^f for |f| <= ln(2) / 2.
    const float p =
        1 + f * (1 + f * (1.0f / 2 +
                          f * (1.0f / 6 +
                               f * (1.0f / 24 + f * (1.0f / 120 + f * (1.0f / 720 + f * (1.0f / 5040)))))));
    return p * std::bit_cast<float>(static_cast<std::uint32_t>(static_cast<std::int32_t>(whole) + 127) << 23);
}

} // namespace effects::fast_power
