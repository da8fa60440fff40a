// Hand-over between a device-independent bitmap (rows plus colour table) and the class library's
// TBitmap, used by the PNG image's bitmap assignment and by the picture library's readers.
#pragma once

#include "imaging/png/PngBitmapData.h"

class TBitmap;

// Replaces the bitmap's picture by the DIB: 1, 4 and 8 bits keep their colour table, 24 bits stay 24,
// 32 bits become a 32-bit bitmap with the fourth byte of every pixel kept (alpha). An empty DIB
// empties the bitmap.
void DibToBitmap(const TPngBitmapData& Dib, TBitmap& Bitmap);
// The bitmap as a DIB: 1, 4 and 8 bits with their palette, everything else as 32-bit rows (blue,
// green, red, fourth byte). Empty for an empty bitmap.
TPngBitmapData DibFromBitmap(TBitmap& Bitmap);
