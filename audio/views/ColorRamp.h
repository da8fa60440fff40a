// Colour ramps of the sound views: 256 steps through a list of stops, as surface pixels.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

struct TRampStop {
    double At; // 0..1, ascending
    int R, G, B;
};

using TColorRamp = std::array<std::uint32_t, 256>;

TColorRamp MakeColorRamp(std::initializer_list<TRampStop> stops);
