// The row routines of the skin library's pixel engine, on 32-bit pixels (blue, green, red, alpha from
// the low byte up), and the block drawing between two pixel buffers that every TskBitmap drawing ends
// in: unscaled row by row, or scaled to the nearest source pixel.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

namespace skin_pixels {

// The key colour of key-transparent pictures: RGB(127, 0, 127) in the low 24 bits.
constexpr std::uint32_t KeyColour = 0x7F007F;

enum class TRowMode { Copy, Alpha, Key };

// Copy: the values are moved.
void CopyRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count);
// Key: every source pixel not of the key colour is stored with alpha 255; key pixels leave Dest.
void KeyRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count);
// Alpha: alpha 0 leaves Dest, alpha 255 stores the source; otherwise each colour channel becomes
// (s * alpha + d * (255 - alpha)) div 256 and the alpha 255.
void AlphaRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count);
void CombineRow(TRowMode Mode, const std::uint32_t* Source, std::uint32_t* Dest, int Count);

// A block of pixels: Width x Height, Stride pixels from one row to the next.
struct TPixelBlock {
    std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0;
};

// Combines SourceRect of Source into DestRect of Dest. Nothing happens when SourceRect is empty or
// not inside Source. DestRect is clipped to Dest. Equal sizes go row by row; other sizes take the
// nearest source pixel: destination column t (from DestRect's left) takes source column
// Trunc(t * (sw - 1) / (dw - 1)) + SourceRect.left, a one-column destination the middle one; rows the
// same. Destination rows with the same source row reuse the gathered row.
void DrawBlock(TRowMode Mode, const TPixelBlock& Source, const TRect& SourceRect, const TPixelBlock& Dest,
               const TRect& DestRect);

} // namespace skin_pixels
