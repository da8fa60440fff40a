#include "platform/vcl/Graphics.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiTypes.h"

COLORREF ColorToRGB(TColor Color) {
    if (Color < 0) return GdiSysColor(Color & 0xFF);
    return static_cast<COLORREF>(Color);
}

int PenModeToRop2(TPenMode Mode) {
    static constexpr int Codes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                    R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                    R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                    R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return Codes[static_cast<int>(Mode)];
}

int PixelFormatBits(TPixelFormat Format) {
    switch (Format) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
    case pf16bit:
        return 16;
    case pf24bit:
        return 24;
    case pf32bit:
    case pfDevice:
        return 32;
    default:
        return 0;
    }
}
