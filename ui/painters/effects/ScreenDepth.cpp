#include "ui/painters/effects/ScreenDepth.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Painting.h"

int ovScreenBitsPerPixel() {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return 0;
    const int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(nullptr, dc);
    return bits;
}
