#include "ui/painters/office11/Office11Drawing.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Numerics.h"
#include "ui/painters/office11/Office11Colors.h"

#include <algorithm>

// The system's GradientFill interpolates continuously and so paints other colours than the band rule
// below; every gradient of the palette therefore takes the band path.

namespace office11_drawing_detail {

struct Channels {
    int R, G, B;
};
Channels Split(TColor AColor) {
    const COLORREF c = ColorToRGB(AColor);
    return {static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
            static_cast<int>((c >> 16) & 0xFF)};
}
TColor Join(int R, int G, int B) {
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return static_cast<TColor>(clamp(R) | (clamp(G) << 8) | (clamp(B) << 16));
}

// Colour of band I of N running from C1 to C2 (colour 1 for a single band).
TColor BandColor(const Channels& C1, const Channels& C2, int I, int N) {
    if (N <= 1) return Join(C1.R, C1.G, C1.B);
    return Join(C1.R + MulDiv(I, C2.R - C1.R, N - 1), C1.G + MulDiv(I, C2.G - C1.G, N - 1),
                C1.B + MulDiv(I, C2.B - C1.B, N - 1));
}

// The band of R from AStart to AEnd along the axis.
TRect BandRect(const TRect& R, int AStart, int AEnd, bool AHorizontal) {
    return AHorizontal ? TRect{AStart, R.top, AEnd, R.bottom} : TRect{R.left, AStart, R.right, AEnd};
}

} // namespace office11_drawing_detail

using namespace office11_drawing_detail;

void FillRectWithColor(HDC DC, const TRect& R, TColor AColor) {
    if (AColor == clNone) return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    RECT r = R;
    FillRect(DC, &r, brush);
    DeleteObject(brush);
}

void FrameRectWithColor(HDC DC, const TRect& R, TColor AColor) {
    if (AColor == clNone) return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    RECT r = R;
    FrameRect(DC, &r, brush);
    DeleteObject(brush);
}

void FillGradientBand(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
    const Channels c1 = Split(AColor1), c2 = Split(AColor2);
    if (ColorToRGB(AColor1) == ColorToRGB(AColor2)) {
        FillRectWithColor(DC, R, AColor1);
        return;
    }
    const int start = AHorizontal ? R.left : R.top;
    const int far = AHorizontal ? R.right : R.bottom;
    const int extent = far - start;
    if (extent <= 0) return;
    const int n = std::min(extent, 256);
    int bandStart = start;
    for (int i = 0; i < n && bandStart < far; ++i) {
        const int bandEnd = start + MulDiv(i + 1, extent, n);
        if (bandEnd > bandStart)
            FillRectWithColor(DC, BandRect(R, bandStart, bandEnd, AHorizontal), BandColor(c1, c2, i, n));
        bandStart = std::max(bandStart, bandEnd);
    }
}

TColor GetGradientColor(const TRect& R, int X, TColor AColor1, TColor AColor2, bool AHorizontal) {
    const Channels c1 = Split(AColor1), c2 = Split(AColor2);
    const int start = AHorizontal ? R.left : R.top;
    const int extent = (AHorizontal ? R.right : R.bottom) - start;
    // An empty gradient has only its first colour.
    if (extent <= 0) return Join(c1.R, c1.G, c1.B);
    const int n = std::min(extent, 256);
    const int i = std::max(0, MulDiv(X - start + 1, n, extent) - 1);
    return BandColor(c1, c2, i, n);
}

void FillDoubleGradientRect(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal) {
    if (ColorToRGB(AColor1) == ColorToRGB(AColor2)) {
        FillRectWithColor(DC, R, AColor1);
        return;
    }
    const Channels c1 = Split(AColor1), c2 = Split(AColor2);
    const int start = AHorizontal ? R.left : R.top;
    const int far = AHorizontal ? R.right : R.bottom;
    const int size = far - start;
    if (size <= 0) return;
    const int half = size / 2;
    const int p = Office11GradientPercent();
    auto middle = [p](int a, int b) { return a - MulDiv(a - b, p, 200); };
    const Channels mid{middle(c1.R, c2.R), middle(c1.G, c2.G), middle(c1.B, c2.B)};
    // A 1-pixel gradient is its middle colour; otherwise each half runs through the shared MulDiv
    // without a zero divisor.
    if (half == 0) {
        FillRectWithColor(DC, R, Join(mid.R, mid.G, mid.B));
        return;
    }
    const int n = size;
    auto end1 = [&](int a, int m) { return a - MulDiv(a - m, n, half); };
    auto start2 = [&](int b, int m) { return b + MulDiv(m - b, n, half); };
    const Channels e1{end1(c1.R, mid.R), end1(c1.G, mid.G), end1(c1.B, mid.B)};
    const Channels s2{start2(c2.R, mid.R), start2(c2.G, mid.G), start2(c2.B, mid.B)};
    for (int k = 0; k < size; ++k) {
        TColor colour;
        if (k < half)
            colour = BandColor(c1, e1, k, n);
        else if (k == half)
            colour = Join(mid.R, mid.G, mid.B);
        else
            colour = BandColor(s2, c2, k, n);
        FillRectWithColor(DC, BandRect(R, start + k, start + k + 1, AHorizontal), colour);
    }
}

void Office11DrawArrow(HDC DC, const TRect& R, bool ADownward, int ASize, bool ASelected, bool AEnabled) {
    TColor colour = Office11TextColor;
    if (!AEnabled)
        colour = Office11DisabledTextColor;
    else if (ASelected && HighContrastIsWhite())
        colour = clWhite;
    POINT points[3];
    if (ADownward) {
        const int x0 = (R.left + R.right - (2 * ASize - 1)) / 2, y0 = (R.top + R.bottom - ASize) / 2;
        points[0] = {x0, y0};
        points[1] = {x0 + 2 * ASize - 2, y0};
        points[2] = {x0 + ASize - 1, y0 + ASize - 1};
    } else {
        const int x0 = (R.left + R.right - ASize) / 2, y0 = (R.top + R.bottom - (2 * ASize - 1)) / 2;
        points[0] = {x0, y0};
        points[1] = {x0, y0 + 2 * ASize - 2};
        points[2] = {x0 + ASize - 1, y0 + ASize - 1};
    }
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(colour));
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    HGDIOBJ oldPen = SelectObject(DC, pen), oldBrush = SelectObject(DC, brush);
    Polygon(DC, points, 3);
    SelectObject(DC, oldPen);
    SelectObject(DC, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

int Office11ArrowSizeInRect(const TRect& R, bool ADownward) {
    const int extent = ADownward ? (R.right - R.left) - 8 : (R.bottom - R.top) - 6;
    int size = (extent - 1) / 2;
    if (extent % 2 != 0) ++size;
    return std::max(size, 3);
}

void Office11DrawArrowInRect(HDC DC, const TRect& R, bool ADownward, bool AEnabled, bool ASelected) {
    Office11DrawArrow(DC, R, ADownward, Office11ArrowSizeInRect(R, ADownward), ASelected, AEnabled);
}

void Office11DrawGripDots(HDC DC, const TRect& R, bool AVertical, HBRUSH ADarkBrush, HBRUSH ALightBrush) {
    HBRUSH dark = ADarkBrush != nullptr ? ADarkBrush : Office11GripBrush1;
    HBRUSH light = ALightBrush != nullptr ? ALightBrush : Office11GripBrush2;
    const int run = AVertical ? R.bottom - R.top : R.right - R.left;
    int shift = run % 4;
    if (shift >= 2) shift /= 2;
    int x = R.left + (AVertical ? 0 : shift);
    int y = R.top + (AVertical ? shift : 0);
    do {
        RECT lightSquare{x + 1, y + 1, x + 3, y + 3};
        RECT darkSquare{x, y, x + 2, y + 2};
        if (light != nullptr) FillRect(DC, &lightSquare, light);
        if (dark != nullptr) FillRect(DC, &darkSquare, dark);
        if (AVertical)
            y += 4;
        else
            x += 4;
    } while (AVertical ? y + 4 <= R.bottom : x + 4 <= R.right);
}

void Office11PaintSizeGrip(HDC DC, const TRect& R, TColor ADarkColor, TColor ALightColor) {
    HBRUSH dark = ADarkColor == clDefault ? Office11GripBrush1 : CreateSolidBrush(ColorToRGB(ADarkColor));
    HBRUSH light = ALightColor == clDefault ? Office11GripBrush2 : CreateSolidBrush(ColorToRGB(ALightColor));
    TRect strip{R.right - 12, R.bottom - 3, R.right, R.bottom};
    for (int row = 0; row < 3; ++row) {
        Office11DrawGripDots(DC, strip, false, dark, light);
        strip.left += 4;
        strip.top -= 4;
        strip.bottom -= 4;
    }
    if (ADarkColor != clDefault) DeleteObject(dark);
    if (ALightColor != clDefault) DeleteObject(light);
}

void Office11FrameSelection(HDC DC, const TRect& R) {
    if (HighContrastIsBlack() || IsBlackFaceNonWhiteText()) {
        FrameRectWithColor(DC, R, clHighlightText);
        return;
    }
    RECT r = R;
    if (Office11SelectedBorderBrush != nullptr)
        FrameRect(DC, &r, Office11SelectedBorderBrush);
    else
        FrameRectWithColor(DC, R, Office11SelectedBorderColor);
}
