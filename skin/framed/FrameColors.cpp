#include "skin/framed/FrameColors.h"

#include <algorithm>
#include <cmath>

namespace {

int RoundHalfEven(double v) {
    return int(std::nearbyint(v));
}

} // namespace

void ColorToHueSatLum(TColor Color, std::uint8_t& Hue, std::uint8_t& Saturation, std::uint8_t& Luminance) {
    const COLORREF rgb = ColorToRGB(Color);
    const double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double l = (max + min) / 2;
    double h = 0, s = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g != max)
            h = 4 + (r - g) / d;
        else
            h = 2 + (b - r) / d;
        h /= 6;
        if (h < 0) h += 1;
    }
    Hue = std::uint8_t(RoundHalfEven(h * 240));
    Saturation = std::uint8_t(RoundHalfEven(s * 240));
    Luminance = std::uint8_t(RoundHalfEven(l * 240));
}

TColor HueSatLumToColor(int Hue, int Saturation, int Luminance) {
    const double h = Hue / 239.0, s = Saturation / 240.0, l = Luminance / 240.0;
    const double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (v <= 0) return clBlack;
    const double m = 2 * l - v;
    const double sv = (v - m) / v;
    const double h6 = 6 * h;
    const int k = int(h6);
    const double f = h6 - k;
    const double vsf = v * sv * f;
    const double a = m + vsf, z = v - vsf;
    double r = v, g = a, b = m;
    switch (k) {
    case 1:
        r = z, g = v, b = m;
        break;
    case 2:
        r = m, g = v, b = a;
        break;
    case 3:
        r = m, g = z, b = v;
        break;
    case 4:
        r = a, g = m, b = v;
        break;
    case 5:
        r = v, g = m, b = z;
        break;
    default:
        break;
    }
    auto channel = [](double c) { return BYTE(std::clamp(RoundHalfEven(std::min(c, 1.0) * 255), 0, 255)); };
    return TColor(RGB(channel(r), channel(g), channel(b)));
}

TColor DarkenColor(TColor Color, int Amount) {
    std::uint8_t h = 0, s = 0, l = 0;
    ColorToHueSatLum(Color, h, s, l);
    return HueSatLumToColor(h, s, std::max(l - Amount, 0));
}

TColor LightenColor(TColor Color, int Amount) {
    std::uint8_t h = 0, s = 0, l = 0;
    ColorToHueSatLum(Color, h, s, l);
    return HueSatLumToColor(h, s, std::min(l + Amount, 255));
}

TColor ShiftColorLuminance(TColor Color, int Amount) {
    if (Amount < 0) return DarkenColor(Color, -Amount);
    if (Amount > 0) return LightenColor(Color, Amount);
    return Color;
}
