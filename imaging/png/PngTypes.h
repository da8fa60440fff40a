// Value types shared by the PNG codec: row filters, interlace and transparency kinds, colour-table
// entries, big-endian helpers and the 32-bit pixel buffer the drawing routines write into.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

enum TPngRowFilter : std::uint8_t { rfNone = 0, rfSub = 1, rfUp = 2, rfAverage = 3, rfPaeth = 4 };
// A set of row filters: bit n stands for the filter of value n.
using TPngFilterSet = std::uint8_t;
constexpr TPngFilterSet PngFilterBit(TPngRowFilter f) {
    return TPngFilterSet(1u << f);
}
constexpr TPngFilterSet PngAllFilters = 0x1F;

enum TPngInterlace : std::uint8_t { piNone = 0, piAdam7 = 1 };
enum TPngTransparency : std::uint8_t { tkNone = 0, tkBit = 1, tkPartial = 2 };

// One entry of a held colour table, stored blue, green, red, reserved as in a bitmap's colour table.
struct TPngColorEntry {
    std::uint8_t Blue = 0;
    std::uint8_t Green = 0;
    std::uint8_t Red = 0;
    std::uint8_t Reserved = 0;
};

inline COLORREF PngEntryToColor(const TPngColorEntry& e) {
    return RGB(e.Red, e.Green, e.Blue);
}

// A top-down 32-bit surface, bytes blue, green, red, alpha per pixel: what the drawing routines write
// into (a canvas hands its pixels over as one, see WithCanvasPixels). Stride is in bytes.
struct TPixelBuffer32 {
    int Width = 0;
    int Height = 0;
    int Stride = 0;
    std::uint8_t* Bits = nullptr;

    std::uint8_t* Row(int y) const { return Bits + static_cast<std::ptrdiff_t>(y) * Stride; }
};

namespace png_bytes {
inline std::uint32_t ReadBE32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline std::uint16_t ReadBE16(const std::uint8_t* p) {
    return std::uint16_t((p[0] << 8) | p[1]);
}
inline void WriteBE32(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v >> 24);
    p[1] = std::uint8_t(v >> 16);
    p[2] = std::uint8_t(v >> 8);
    p[3] = std::uint8_t(v);
}
inline void WriteBE16(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v >> 8);
    p[1] = std::uint8_t(v);
}
} // namespace png_bytes

// The eight bytes every PNG stream starts with.
inline constexpr std::uint8_t PngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// The Paeth predictor of the PNG row filters: a, b, c are the left, upper and upper-left bytes.
inline std::uint8_t PngPaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc) return std::uint8_t(a);
    if (pb <= pc) return std::uint8_t(b);
    return std::uint8_t(c);
}

// CRC-32 of the PNG format over a chunk type and then its data.
std::uint32_t PngCrc(std::uint32_t crc, const void* data, std::size_t count);
inline std::uint32_t PngCrcStart(const char* type) {
    return PngCrc(0, type, 4);
}

// Blends one 8-bit channel of a source pixel with alpha a over the target byte (exact at 0 and 255).
inline void PngBlendChannel(std::uint8_t* d, int s, int a) {
    *d = std::uint8_t((s * a + (255 - a) * *d + 255) >> 8);
}
