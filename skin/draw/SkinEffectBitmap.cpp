#include "skin/draw/SkinEffectBitmap.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/win/Painting.h"
#include "skin/draw/FBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

double Clamp01(double x) {
    if (std::isnan(x)) return 0;
    return std::clamp(x, 0.0, 1.0);
}

// Rounds half to even (the current rounding mode) and keeps the result a channel value.
std::uint8_t Channel(double v) {
    return std::uint8_t(std::clamp(std::nearbyint(v), 0.0, 255.0));
}

int RoundInt(double v) {
    return int(std::nearbyint(v));
}

} // namespace

TskEffectBmp::TskEffectBmp(HBITMAP Handle) {
    CopyBitmapRows24(Handle, FWidth, FHeight, FBits);
}

COLORREF TskEffectBmp::Pixel(int x, int y) const {
    const std::uint8_t* p = ScanLine(y) + 3 * x;
    return RGB(p[2], p[1], p[0]);
}

void TskEffectBmp::DrawAt(HDC DC, int X, int Y) const {
    if (FBits.empty()) return;
    const BITMAPINFO info = DibHeader24(FWidth, FHeight);
    SetDIBitsToDevice(DC, X, Y, DWORD(FWidth), DWORD(FHeight), 0, 0, 0, UINT(FHeight), FBits.data(), &info,
                      DIB_RGB_COLORS);
}

void TskEffectBmp::BlendColumn(const TskEffectBmp& Target, int x, double Weight) {
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* p = ScanLine(y) + 3 * x;
        const std::uint8_t* t = Target.ScanLine(y) + 3 * x;
        for (int c = 0; c < 3; ++c)
            p[c] = Channel(p[c] * Weight + t[c] * (1 - Weight));
    }
}

void TskEffectBmp::BlendRow(const TskEffectBmp& Target, int y, double Weight) {
    std::uint8_t* p = ScanLine(y);
    const std::uint8_t* t = Target.ScanLine(y);
    for (int i = 0; i < 3 * FWidth; ++i)
        p[i] = Channel(p[i] * Weight + t[i] * (1 - Weight));
}

void TskEffectBmp::CrossFade(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target)) return;
    x = Clamp01(x);
    for (int y = 0; y < FHeight; ++y)
        BlendRow(Target, y, 1 - x);
}

void TskEffectBmp::SplitHorizontal(const TskEffectBmp& Target, double x) {
    // One column cannot hold a band and its edges.
    if (!SameSize(Target) || FWidth < 2) return;
    const int a = RoundInt(FWidth * Clamp01(x));
    const int fade = (FWidth - a) / 2;
    const double step = fade == 0 ? 1 : 1.0 / fade;
    const int left = std::max(0, FWidth / 2 - a / 2);
    const int right = std::min(FWidth - 1, FWidth / 2 + a / 2);
    for (int c = left; c <= right; ++c)
        BlendColumn(Target, c, 0);
    double w = 0;
    for (int c = left; c >= 0; --c, w += step)
        BlendColumn(Target, c, std::min(w, 1.0));
    w = 0;
    for (int c = right; c < FWidth; ++c, w += step)
        BlendColumn(Target, c, std::min(w, 1.0));
}

void TskEffectBmp::SplitVertical(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target) || FHeight < 2) return;
    const int a = RoundInt(FHeight * Clamp01(x));
    const int fade = (FHeight - a - 1) / 2;
    // With no room to fade, the rows outside the band take the target.
    const double step = fade == 0 ? 0 : 1.0 / fade;
    const int top = std::max(0, FHeight / 2 - a / 2);
    const int bottom = std::min(FHeight - 1, FHeight / 2 + a / 2);
    for (int r = top; r <= bottom; ++r)
        BlendRow(Target, r, 0);
    double w = 0;
    for (int r = top; r >= 0; --r, w += step)
        BlendRow(Target, r, std::min(w, 1.0));
    w = 0;
    for (int r = bottom; r < FHeight; ++r, w += step)
        BlendRow(Target, r, std::min(w, 1.0));
}

void TskEffectBmp::SplitFromCenter(const TskEffectBmp& Target, double x) {
    if (FWidth < FHeight)
        SplitVertical(Target, x);
    else
        SplitHorizontal(Target, x);
}

void TskEffectBmp::WipeFromLeft(const TskEffectBmp& Target, double x) {
    // The edge needs at least two columns (one of each image).
    if (!SameSize(Target) || FWidth < 2) return;
    const int a = std::clamp(RoundInt(FWidth * Clamp01(x)), 1, FWidth - 1);
    const double step = 1.0 / a;
    double w = 0;
    for (int c = 0; c <= a; ++c, w += step)
        BlendColumn(Target, c, std::min(w, 1.0));
}

void TskEffectBmp::WipeFromRight(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target) || FWidth < 2) return;
    const int b = std::clamp(FWidth - RoundInt(FWidth * Clamp01(x)), 0, FWidth - 1);
    const double step = FWidth - b <= 0 ? 1 : 1.0 / (FWidth - b);
    double w = 0;
    for (int c = FWidth - 1; c >= b; --c, w += step)
        BlendColumn(Target, c, std::min(w, 1.0));
}

void TskEffectBmp::PushFromLeft(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target) || FWidth < 2) return;
    const int a = std::clamp(RoundInt(FWidth * Clamp01(x)), 0, FWidth - 1);
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* row = ScanLine(y);
        const std::uint8_t* target = Target.ScanLine(y);
        for (int j = FWidth - 1; j > a; --j)
            std::copy_n(row + 3 * (j - a - 1), 3, row + 3 * j);
        for (int j = 0; j <= a; ++j)
            std::copy_n(target + 3 * std::min(FWidth - 1, FWidth - a - 1 + j), 3, row + 3 * j);
    }
}

void TskEffectBmp::SlideFromLeft(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target) || FWidth < 2) return;
    const int a = std::clamp(RoundInt(FWidth * Clamp01(x)), 1, FWidth - 1);
    for (int y = 0; y < FHeight; ++y)
        std::copy_n(Target.ScanLine(y) + 3 * (FWidth - a), 3 * a, ScanLine(y));
}

void TskEffectBmp::SlideFromRight(const TskEffectBmp& Target, double x) {
    if (!SameSize(Target) || FWidth < 2) return;
    const int a = std::clamp(RoundInt(FWidth * Clamp01(x)), 1, FWidth - 1);
    for (int y = 0; y < FHeight; ++y)
        std::copy_n(Target.ScanLine(y), 3 * a, ScanLine(y) + 3 * (FWidth - a));
}

void TskEffectBmp::Lighten(double x) {
    x = Clamp01(x);
    for (int y = 0; y < FHeight; ++y) {
        std::uint8_t* p = ScanLine(y);
        for (int i = 0; i < 3 * FWidth; ++i)
            p[i] = Channel((1 - x) * p[i] + 255 * x);
    }
}
