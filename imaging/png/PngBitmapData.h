// A device-independent bitmap as it passes between a PNG image and the class library's bitmaps:
// top-down rows of 1, 4, 8, 24 (blue, green, red) or 32 (blue, green, red, unused) bits per pixel,
// each row padded to 32 bits, with a colour table for the indexed depths.
#pragma once

#include "imaging/png/PngTypes.h"

#include <cstdint>
#include <vector>

struct TPngBitmapData {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 0;
    std::vector<TPngColorEntry> Colors; // 2^BitsPerPixel entries for 1, 4 and 8 bits
    std::vector<std::uint8_t> Bits;     // Height rows of Stride() bytes, top row first

    // Bytes of one row, worked out in 64 bits: bits per pixel times a width near 2^31 overflows an int.
    std::size_t Stride() const { return ((std::size_t(BitsPerPixel) * std::size_t(Width) + 31) / 32) * 4; }
    std::uint8_t* Row(int y) { return Bits.data() + std::size_t(y) * Stride(); }
    const std::uint8_t* Row(int y) const { return Bits.data() + std::size_t(y) * Stride(); }
};
