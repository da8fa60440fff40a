#include "ui/core/graphics/AlphaBitmap.h"

#include "platform/rtl/Numerics.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/graphics/Colors.h"

#include <algorithm>

namespace alpha_bitmap_detail {

inline int Blue(std::uint32_t P) {
    return int(P & 0xFF);
}
inline int Green(std::uint32_t P) {
    return int((P >> 8) & 0xFF);
}
inline int Red(std::uint32_t P) {
    return int((P >> 16) & 0xFF);
}
inline int Alpha(std::uint32_t P) {
    return int(P >> 24);
}
inline std::uint32_t Pixel(int B, int G, int R, int A) {
    return std::uint32_t(B) | (std::uint32_t(G) << 8) | (std::uint32_t(R) << 16) | (std::uint32_t(A) << 24);
}
inline std::uint32_t Grey(std::uint32_t P, int AGrey) {
    return Pixel(AGrey, AGrey, AGrey, Alpha(P));
}
inline int Luma(std::uint32_t P) {
    return uiRoundClampByte(0.299f * float(Red(P)) + 0.587f * float(Green(P)) + 0.114f * float(Blue(P)));
}
inline int LumaAlt(std::uint32_t P) {
    return uiRoundClampByte(0.0729f * float(Red(P)) + 0.7146f * float(Green(P)) + 0.2125f * float(Blue(P)));
}

} // namespace alpha_bitmap_detail

TuiAlphaBitmap::TuiAlphaBitmap(int AWidth, int AHeight) : TuiBitmap32(AWidth, AHeight) {}

TuiAlphaBitmap::TuiAlphaBitmap(int AWidth, int AHeight, TColor ABackgroundColor)
    : TuiBitmap32(AWidth, AHeight), FBackgroundPixel(ovColorToRGBQuad(ABackgroundColor, 255)) {}

void TuiAlphaBitmap::Initialize(int AWidth, int AHeight, TPixelFormat APixelFormat) {
    FTransparentColors.clear();
    TuiBitmap32::Initialize(AWidth, AHeight, APixelFormat);
}

void TuiAlphaBitmap::Clear() {
    if ((FBackgroundPixel >> 24) != 0)
        TransformBitmap(tmClear);
    else
        TuiBitmap32::Clear();
}

void TuiAlphaBitmap::AddTransparentColor(TColor AColor) {
    FTransparentColors.push_back(ovColorToRGBQuad(AColor) & 0x00FFFFFFu);
}

void TuiAlphaBitmap::DrawHatch(TColor AColor1, TColor AColor2, std::uint8_t AAlpha1, std::uint8_t AAlpha2,
                               std::uint8_t AStep) {
    FHatch.Color1 = ovColorToRGBQuad(AColor1, 255);
    FHatch.Alpha1 = AAlpha1;
    FHatch.Color2 = ovColorToRGBQuad(AColor2, 255);
    FHatch.Alpha2 = AAlpha2;
    // A step of 0 would divide by zero: it draws one-pixel squares instead.
    FHatch.Step = std::max<std::uint8_t>(AStep, 1);
    TransformBitmap(tmHatch);
}

inline void TuiAlphaBitmap::TransformPixel(TuiAlphaBitmapTransform ATransform, std::uint32_t& APixel) {
    using namespace alpha_bitmap_detail;
    switch (ATransform) {
    case tmLighten:
        if (IsColorTransparent(APixel)) return;
        if (Alpha(APixel) == 255) {
            auto lighten = [](int c) { return uiClampByte(c + MulDiv(255 - c, 3, 10)); };
            APixel = Pixel(lighten(Blue(APixel)), lighten(Green(APixel)), lighten(Red(APixel)), 255);
        } else {
            auto weaken = [](int c) { return MulDiv(c, 200, 255); };
            APixel = Pixel(weaken(Blue(APixel)), weaken(Green(APixel)), weaken(Red(APixel)),
                           weaken(Alpha(APixel)));
        }
        return;
    case tmDisable:
        if (IsColorTransparent(APixel)) return;
        APixel = Grey(APixel, Luma(APixel));
        uiBlendPixel(ovColorToRGBQuad(clBtnShadow, 0xC0), APixel, 238);
        return;
    case tmGrayAverage:
        if (!IsColorTransparent(APixel))
            APixel = Grey(APixel, (Blue(APixel) + Green(APixel) + Red(APixel)) / 3);
        return;
    case tmOpaque:
        APixel |= 0xFF000000u;
        return;
    case tmMask:
        APixel = IsColorTransparent(APixel) ? 0xFFFFFFFFu : 0u;
        return;
    case tmGrayLuma:
        if (!IsColorTransparent(APixel)) APixel = Grey(APixel, Luma(APixel));
        return;
    case tmGrayLumaAlt:
        if (!IsColorTransparent(APixel)) APixel = Grey(APixel, LumaAlt(APixel));
        return;
    case tmCorrectBlend:
        if (Alpha(APixel) == 0 && !IsColorTransparent(APixel)) APixel |= 0xFF000000u;
        return;
    case tmHatch: {
        const bool second = ((FCurrentPixel.x / FHatch.Step + FCurrentPixel.y / FHatch.Step) & 1) != 0;
        if (second)
            uiBlendPixel(FHatch.Color2, APixel, FHatch.Alpha2);
        else
            uiBlendPixel(FHatch.Color1, APixel, FHatch.Alpha1);
        return;
    }
    case tmClear:
        APixel = FBackgroundPixel;
        return;
    case tmTransparent:
        APixel &= 0x00FFFFFFu;
        return;
    }
}

void TuiAlphaBitmap::TransformBitmap(TuiAlphaBitmapTransform ATransform) {
    TRGBColors colors;
    if (!GetBitmapColors(colors)) return;
    const int w = Width(), h = Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            FCurrentPixel = TPoint{x, y};
            TransformPixel(ATransform, colors[static_cast<std::size_t>(y) * w + x]);
        }
    SetBitmapColors(colors);
    Changed(this);
}
