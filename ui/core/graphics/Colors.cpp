#include "ui/core/graphics/Colors.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/Painting.h"

#include <algorithm>
#include <cmath>

namespace colors_detail {
struct Rgb {
    int r, g, b;
};
Rgb Channels(TColor AColor) {
    const COLORREF c = ColorToRGB(AColor);
    return Rgb{static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
               static_cast<int>((c >> 16) & 0xFF)};
}
TColor Make(int r, int g, int b) {
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}
int RoundByte(double AValue) {
    return uiClampByte(static_cast<int>(std::nearbyint(AValue)));
}
double Clamp01(double AValue) {
    return AValue < 0 ? 0 : (AValue > 1 ? 1 : AValue);
}
} // namespace colors_detail

void uiBlendPixel(std::uint32_t S, std::uint32_t& D, int AAlpha) {
    const float c = static_cast<float>(AAlpha) / 255.0f;
    const float d = c * static_cast<float>(S >> 24);
    const float e = 1.0f - d / 255.0f;
    std::uint32_t result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const float s = static_cast<float>((S >> shift) & 0xFF);
        const float t = static_cast<float>((D >> shift) & 0xFF);
        result |= static_cast<std::uint32_t>(uiRoundClampByte(c * s + e * t)) << shift;
    }
    result |= static_cast<std::uint32_t>(uiRoundClampByte(d + e * static_cast<float>(D >> 24))) << 24;
    D = result;
}

TColor uiNearestDisplayColor(TColor AColor) {
    HDC dc = GetDC(nullptr);
    const COLORREF nearest = GetNearestColor(dc, ColorToRGB(AColor));
    ReleaseDC(nullptr, dc);
    return static_cast<TColor>(nearest);
}

TColor uiGetBlendedSystemColor(std::int8_t AFacePercent, std::int8_t AHighlightPercent,
                               std::int8_t AWindowPercent) {
    const COLORREF face = ColorToRGB(clBtnFace) & 0xFFFFFF;
    const COLORREF highlight = ColorToRGB(clHighlight) & 0xFFFFFF;
    const COLORREF window = ColorToRGB(clWindow) & 0xFFFFFF;
    if ((face == 0 || face == 0xFFFFFF) && highlight != 0) return static_cast<TColor>(highlight);
    COLORREF result = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int f = static_cast<int>((face >> shift) & 0xFF);
        const int h = static_cast<int>((highlight >> shift) & 0xFF);
        const int w = static_cast<int>((window >> shift) & 0xFF);
        const int channel = uiClampByte(MulDiv(f, AFacePercent, 100) + MulDiv(h, AHighlightPercent, 100) +
                                        MulDiv(w, AWindowPercent, 100));
        result |= static_cast<COLORREF>(channel) << shift;
    }
    return static_cast<TColor>(result);
}

TColor GetScaledColor(TColor AColor, std::uint8_t APercent) {
    const colors_detail::Rgb c = colors_detail::Channels(AColor);
    // Above 100 % a channel stops at 255 instead of spilling into its neighbour.
    auto scale = [APercent](int AChannel) { return uiClampByte(APercent * AChannel / 100); };
    return colors_detail::Make(scale(c.r), scale(c.g), scale(c.b));
}

TColor uiGetUltraFlatHotColor() {
    return uiNearestDisplayColor(uiGetBlendedSystemColor(14, 44, 40));
}

TColor uiGetUltraFlatSelectedColor() {
    return uiNearestDisplayColor(uiGetBlendedSystemColor(-2, 30, 72));
}

TColor uiAdjustColorBrightness(TColor AColor, int APercent) {
    using colors_detail::Clamp01;
    TovHSV hsv = TovColorSpaceConverter::ColorToHSV(AColor);
    if (APercent >= 0) {
        if (hsv.S != 0) hsv.S = Clamp01(hsv.S - hsv.S * APercent / 100.0);
        hsv.V = hsv.V + APercent * (1 - hsv.V) / 100.0;
    } else {
        const int q = -APercent;
        if (hsv.S != 0) hsv.S = Clamp01(hsv.S + (1 - hsv.S) * q / 100.0);
        hsv.V = hsv.V - q * hsv.V / 100.0;
    }
    hsv.V = Clamp01(hsv.V);
    return TovColorSpaceConverter::HSVToColor(hsv.H, hsv.S, hsv.V);
}

std::uint32_t uiColorizePixel(std::uint32_t APixel, TColor AColor) {
    const int alpha = static_cast<int>(APixel >> 24);
    if (alpha == 0) return APixel;
    const colors_detail::Rgb tint = colors_detail::Channels(AColor);
    const int tints[3] = {tint.b, tint.g, tint.r}; // in pixel order: blue, green, red
    std::uint32_t result = APixel & 0xFF000000u;
    for (int i = 0; i < 3; ++i) {
        const int a = tints[i];
        // Unpremultiply; a channel above its alpha (not a valid premultiplied pixel) is held at 255
        // instead of wrapping round to a dark value.
        int p = std::min(255, static_cast<int>((APixel >> (8 * i)) & 0xFF) * 255 / alpha);
        const int s = (p - 128) * (p - 128);
        p = p >= 128 ? a + ((255 - a) * s) / 16384 : a - (a * s) / 16384;
        p = uiClampByte(p) * alpha / 255;
        result |= static_cast<std::uint32_t>(p) << (8 * i);
    }
    return result;
}

void uiColorizeBitmap(TBitmap* ABitmap, TColor AColor) {
    if (ABitmap == nullptr || ABitmap->Empty() || ABitmap->PixelFormat() != pf32bit) return;
    for (int y = 0; y < ABitmap->Height(); ++y) {
        auto* row = static_cast<std::uint32_t*>(ABitmap->ScanLine(y));
        for (int x = 0; x < ABitmap->Width(); ++x)
            row[x] = uiColorizePixel(row[x], AColor);
    }
}

TovHSL TovColorSpaceConverter::ColorToHSL(TColor AColor) {
    const colors_detail::Rgb c = colors_detail::Channels(AColor);
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    TovHSL hsl;
    hsl.L = (max + min) / 2;
    if (max == min) return hsl;
    const double d = max - min;
    hsl.S = hsl.L >= 0.5 ? d / (2 - max - min) : d / (max + min);
    double sector;
    if (max == r)
        sector = (g - b) / d;
    else if (max == g)
        sector = (b - r) / d + 2;
    else
        sector = (r - g) / d + 4;
    hsl.H = sector / 6;
    if (hsl.H < 0) hsl.H += 1;
    return hsl;
}

TColor TovColorSpaceConverter::HSLToColor(double H, double S, double L) {
    using colors_detail::RoundByte;
    if (S == 0) {
        const int v = RoundByte(L * 255);
        return colors_detail::Make(v, v, v);
    }
    const double q = L > 0.5 ? S + L * (1 - S) : L * (1 + S);
    const double p = 2 * L - q;
    const auto component = [p, q](double t) {
        const double x = (t - std::floor(t)) * 6;
        double value;
        if (x < 1)
            value = p + (q - p) * x;
        else if (x < 3)
            value = q;
        else if (x < 4)
            value = p + (q - p) * (4 - x);
        else
            value = p;
        return RoundByte(value * 255);
    };
    return colors_detail::Make(component(H + 1.0 / 3), component(H), component(H - 1.0 / 3));
}

TovHSV TovColorSpaceConverter::ColorToHSV(TColor AColor) {
    const colors_detail::Rgb c = colors_detail::Channels(AColor);
    const int max = std::max({c.r, c.g, c.b}), min = std::min({c.r, c.g, c.b});
    TovHSV hsv;
    hsv.V = max / 255.0;
    hsv.S = hsv.V != 0 ? 1 - static_cast<double>(min) / max : 0;
    if (max == min) return hsv;
    const double d = max - min;
    if (max == c.r)
        hsv.H = (c.g - c.b) * 60 / d;
    else if (max == c.g)
        hsv.H = (c.b - c.r) * 60 / d + 120;
    else
        hsv.H = (c.r - c.g) * 60 / d + 240;
    if (hsv.H < 0) hsv.H += 360;
    return hsv;
}

TColor TovColorSpaceConverter::HSVToColor(double H, double S, double V) {
    using colors_detail::RoundByte;
    // A hue of 360 or more (or below 0) is the same turn again; without this the sector fraction would
    // leave 0..1 and the channels the byte range.
    H = std::fmod(H, 360.0);
    if (H < 0) H += 360;
    const int i = static_cast<int>(H / 60) % 6;
    const double f = H / 60 - i;
    const double vb = std::nearbyint(V * 255);
    const int v = RoundByte(vb);
    const int p = RoundByte((1 - S) * vb);
    const int q = RoundByte((1 - f * S) * vb);
    const int t = RoundByte((1 - S * (1 - f)) * vb);
    switch (i) {
    case 0:
        return colors_detail::Make(v, t, p);
    case 1:
        return colors_detail::Make(q, v, p);
    case 2:
        return colors_detail::Make(p, v, t);
    case 3:
        return colors_detail::Make(p, q, v);
    case 4:
        return colors_detail::Make(t, p, v);
    default:
        return colors_detail::Make(v, p, q);
    }
}

TColor TovColorHelper::ChangeLightness(TColor AColor, double ADelta) {
    TovHSL hsl = TovColorSpaceConverter::ColorToHSL(AColor);
    hsl.L = colors_detail::Clamp01(hsl.L + ADelta);
    return TovColorSpaceConverter::HSLToColor(hsl.H, hsl.S, hsl.L);
}
