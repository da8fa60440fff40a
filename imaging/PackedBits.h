// Packed samples of 1, 2 or 4 (or 8) bits in a row of bytes, most significant bits first, as bitmaps
// and PNG rows store them.
#pragma once

#include <cstdint>

namespace packed_bits {
inline int GetBits(const std::uint8_t* row, unsigned index, int bits) {
    const unsigned bit = index * unsigned(bits);
    return (row[bit >> 3] >> (8 - bits - int(bit & 7))) & ((1 << bits) - 1);
}

// Sets one sample, keeping the other bits of its byte.
inline void SetBits(std::uint8_t* row, unsigned index, int bits, int value) {
    const unsigned bit = index * unsigned(bits);
    const int shift = 8 - bits - int(bit & 7);
    const int mask = ((1 << bits) - 1) << shift;
    row[bit >> 3] = std::uint8_t((row[bit >> 3] & ~mask) | ((value << shift) & mask));
}
} // namespace packed_bits
