// Whole-picture pixel access for the library's bitmap code: 32-bit pixels (blue, green, red, alpha)
// read from and written to a bitmap through the device-independent bitmap calls, and queries of GDI
// object records.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

class TBitmap;

using TRGBColors = std::vector<std::uint32_t>;

int ovGetBitsPerPixel(TBitmap* ABitmap);
// A 32-bit BI_RGB header; the height is negated for a top-down layout.
void ovFillBitmapInfoHeader(BITMAPINFOHEADER& AHeader, int AWidth, int AHeight, bool ATopDown);
// Reads every pixel (width x height values); false for an empty bitmap or when a row cannot be read.
bool ovGetBitmapBits(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDown);
// Writes every pixel; false for an empty bitmap, a short array or when the call fails.
bool ovSetBitmapBits(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDown);
// A bitmap of more than 31 bits per pixel with at least one non-zero alpha byte.
bool ovBitmapHasAlpha(TBitmap* ABitmap);

bool ovGetBitmapData(HBITMAP AHandle, BITMAP& AData);
bool ovGetBrushData(HBRUSH AHandle, LOGBRUSH& AData);
bool ovGetFontData(HFONT AHandle, LOGFONT& AData);
