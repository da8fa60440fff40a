// Colour arithmetic of the painters: sentinels, per-pixel blending with alpha, blends of the system
// colours, HSL and HSV conversion, brightness and lightness changes, and tinting of 32-bit pictures.
// Pixels are 32-bit values with blue in the low byte, then green, red and alpha.
#pragma once

#include "platform/vcl/Graphics.h"

#include <cmath>
#include <cstdint>

class TBitmap;

constexpr bool uiIsDrawableColor(TColor AColor) {
    return AColor != clNone && AColor != clDefault;
}
constexpr bool uiSameColor(TColor A, TColor B) {
    return A == B;
}
inline void uiSwapBitmapColors(TColor& A, TColor& B) {
    const TColor t = A;
    A = B;
    B = t;
}
// The low 24 bits: a pixel without its alpha.
constexpr std::uint32_t uiColorRGBPart(std::uint32_t AValue) {
    return AValue & 0xFFFFFFu;
}
constexpr int uiClampByte(int AValue) {
    return AValue < 0 ? 0 : (AValue > 255 ? 255 : AValue);
}
// Rounded to nearest (halves to even, the default rounding mode), then clamped to 0..255.
inline int uiRoundClampByte(float AValue) {
    if (!(AValue > 0)) return 0; // also NaN
    if (AValue > 255) return 255;
    return static_cast<int>(std::lrintf(AValue));
}

// Blends S (whose colour channels count as premultiplied by its own alpha) over D with the constant
// alpha AAlpha (0..255); D's alpha becomes the combined coverage.
void uiBlendPixel(std::uint32_t S, std::uint32_t& D, int AAlpha);

// GetNearestColor of the screen.
TColor uiNearestDisplayColor(TColor AColor);
// Per channel: face x pf% + highlight x ph% + window x pw%, clamped; the highlight itself when the
// face is black or white and the highlight is not black. Percentages are signed bytes.
TColor uiGetBlendedSystemColor(std::int8_t AFacePercent, std::int8_t AHighlightPercent,
                               std::int8_t AWindowPercent);
TColor uiGetUltraFlatHotColor();
TColor uiGetUltraFlatSelectedColor();

// Each channel of the resolved colour times APercent / 100, the fraction dropped (no alpha).
TColor GetScaledColor(TColor AColor, std::uint8_t APercent);

// Positive percentages make a colour paler and brighter, negative ones more saturated and darker.
TColor uiAdjustColorBrightness(TColor AColor, int APercent);
// Tints every non-transparent pixel of a 32-bit premultiplied bitmap with AColor: mid-grey takes the
// colour, black stays black, white stays nearly white. Other formats are left alone.
void uiColorizeBitmap(TBitmap* ABitmap, TColor AColor);
// The same on one pixel.
std::uint32_t uiColorizePixel(std::uint32_t APixel, TColor AColor);

struct TovHSL {
    double H = 0, S = 0, L = 0; // each 0..1; hue as a fraction of a turn
};
struct TovHSV {
    double H = 0, S = 0, V = 0; // hue in degrees 0..360, saturation and value 0..1
};

class TovColorSpaceConverter {
public:
    static TovHSL ColorToHSL(TColor AColor);
    static TColor HSLToColor(double H, double S, double L);
    static TovHSV ColorToHSV(TColor AColor);
    // The hue is taken modulo 360 (360 is red again).
    static TColor HSVToColor(double H, double S, double V);
};

inline TovHSV uiColorToHSV(TColor AColor) {
    return TovColorSpaceConverter::ColorToHSV(AColor);
}
inline TColor uiHSVToColor(double H, double S, double V) {
    return TovColorSpaceConverter::HSVToColor(H, S, V);
}

class TovColorHelper {
public:
    // Lightness + ADelta, clamped to 0..1.
    static TColor ChangeLightness(TColor AColor, double ADelta);
};
