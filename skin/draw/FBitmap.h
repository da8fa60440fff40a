// A 24-bit top-down copy of a bitmap for reading its pixels row by row (blue, green, red; rows padded
// to a multiple of four bytes).
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

// The header of a 24-bit top-down DIB of Width x Height.
BITMAPINFO DibHeader24(int Width, int Height);
// The bitmap's pixels as 24-bit top-down rows, 3 x Width + Width mod 4 bytes each; false (and nothing)
// for an invalid or empty bitmap.
bool CopyBitmapRows24(HBITMAP Handle, int& Width, int& Height, std::vector<std::uint8_t>& Bits);

class TFBitmap {
public:
    // Copies the bitmap's pixels; an invalid or empty handle gives an image of 0 x 0.
    explicit TFBitmap(HBITMAP Handle);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int RowInc() const { return FRowInc; }
    // Row y (0 = top), 3 bytes per pixel.
    const std::uint8_t* ScanLine(int y) const { return FBits.data() + std::size_t(y) * std::size_t(FRowInc); }

private:
    int FWidth = 0;
    int FHeight = 0;
    int FRowInc = 0;
    std::vector<std::uint8_t> FBits;
};
