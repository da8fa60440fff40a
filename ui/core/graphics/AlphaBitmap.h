// TuiAlphaBitmap: a 32-bit bitmap with a background pixel, a list of colours that count as transparent,
// and the per-pixel transformations that draw images disabled, faded, grey, lightened, masked or hatched.
// Transparent below means IsColorTransparent.
#pragma once

#include "ui/core/graphics/Bitmaps.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// 24-bit pixel values (blue lowest) that count as transparent.
using TuiColorList = std::vector<std::uint32_t>;

enum TuiAlphaBitmapTransform {
    tmLighten,      // opaque pixels 30 % nearer white, half-transparent ones at 200/255 strength
    tmDisable,      // grey by luma, then mixed with clBtnShadow
    tmGrayAverage,  // grey by the mean of blue, green and red
    tmOpaque,       // alpha 255
    tmMask,         // transparent pixels opaque white, all others 0
    tmGrayLuma,     // grey by 0.299 red + 0.587 green + 0.114 blue
    tmGrayLumaAlt,  // grey by 0.0729 red + 0.7146 green + 0.2125 blue
    tmCorrectBlend, // pixels of alpha 0 that are not transparent become opaque
    tmHatch,        // the hatch colours blended in squares of the hatch step
    tmClear,        // the background pixel
    tmTransparent   // alpha 0
};

class TuiAlphaBitmap : public TuiBitmap32 {
public:
    TuiAlphaBitmap() = default;
    TuiAlphaBitmap(int AWidth, int AHeight);
    // A bitmap whose background pixel is ABackgroundColor, opaque: Clear fills it with that colour.
    TuiAlphaBitmap(int AWidth, int AHeight, TColor ABackgroundColor);
    // A flag would read as a colour here: the bitmap clears itself through its background pixel instead.
    TuiAlphaBitmap(int AWidth, int AHeight, bool AClear) = delete;

    void Initialize(int AWidth, int AHeight, TPixelFormat APixelFormat) override;
    // The background pixel when it is not fully transparent, else transparent black.
    void Clear() override;

    std::uint32_t BackgroundPixel() const { return FBackgroundPixel; }
    void SetBackgroundPixel(std::uint32_t AValue) { FBackgroundPixel = AValue; }
    TuiColorList& TransparentColors() { return FTransparentColors; }
    void AddTransparentColor(TColor AColor);
    // The background pixel exactly, or a pixel whose low 24 bits are in the transparent colours.
    bool IsColorTransparent(std::uint32_t APixel) const {
        if (APixel == FBackgroundPixel) return true;
        const std::uint32_t rgb = APixel & 0x00FFFFFFu;
        return std::find(FTransparentColors.begin(), FTransparentColors.end(), rgb) !=
               FTransparentColors.end();
    }
    // The pixel the running transformation works on (y counted from the bottom row).
    TPoint CurrentPixel() const { return FCurrentPixel; }

    // Alternating squares of AStep pixels blended with AColor1 (constant alpha AAlpha1) and AColor2
    // (AAlpha2).
    void DrawHatch(TColor AColor1, TColor AColor2, std::uint8_t AAlpha1, std::uint8_t AAlpha2,
                   std::uint8_t AStep);
    void TransformBitmap(TuiAlphaBitmapTransform ATransform);

private:
    struct THatch {
        std::uint32_t Color1 = 0;
        std::uint8_t Alpha1 = 0;
        std::uint32_t Color2 = 0;
        std::uint8_t Alpha2 = 0;
        std::uint8_t Step = 1;
    };
    void TransformPixel(TuiAlphaBitmapTransform ATransform, std::uint32_t& APixel);

    std::uint32_t FBackgroundPixel = 0;
    TuiColorList FTransparentColors;
    TPoint FCurrentPixel{0, 0};
    THatch FHatch;
};
