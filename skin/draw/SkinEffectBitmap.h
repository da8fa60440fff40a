// TskEffectBmp: a 24-bit top-down copy of a bitmap (blue, green, red; rows padded to four bytes) with
// the transitions skinned controls morph between two looks with, and a lighten effect. Each transition
// turns this image into the target (a second image of the same size) as the amount goes from 0 to 1;
// with a target of another size nothing happens. Channel results are rounded half to even.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstdint>
#include <vector>

class TskEffectBmp {
public:
    // Copies the bitmap's pixels; an invalid handle gives an image of 0 x 0.
    explicit TskEffectBmp(HBITMAP Handle);

    int PixelWidth() const { return FWidth; }
    int PixelHeight() const { return FHeight; }
    int ByteSize() const { return int(FBits.size()); }
    int RowBytes() const { return 3 * FWidth + FWidth % 4; }
    std::uint8_t* ScanLine(int y) { return FBits.data() + std::size_t(y) * std::size_t(RowBytes()); }
    const std::uint8_t* ScanLine(int y) const {
        return FBits.data() + std::size_t(y) * std::size_t(RowBytes());
    }
    // The colour (COLORREF) of a pixel.
    COLORREF Pixel(int x, int y) const;

    // The whole image at (X, Y) of the DC.
    void DrawAt(HDC DC, int X, int Y) const;

    // Every channel: (1 - x) * this + x * target, x clamped to 0..1 (not a number counts as 0).
    void CrossFade(const TskEffectBmp& Target, double x);
    // A band of the target opening from the middle, with soft edges; across or down.
    void SplitHorizontal(const TskEffectBmp& Target, double x);
    void SplitVertical(const TskEffectBmp& Target, double x);
    // SplitVertical for images narrower than high, else SplitHorizontal.
    void SplitFromCenter(const TskEffectBmp& Target, double x);
    // A soft edge moving in from the left / from the right.
    void WipeFromLeft(const TskEffectBmp& Target, double x);
    void WipeFromRight(const TskEffectBmp& Target, double x);
    // The target pushes this image out to the right.
    void PushFromLeft(const TskEffectBmp& Target, double x);
    // The target slides in over this image.
    void SlideFromLeft(const TskEffectBmp& Target, double x);
    void SlideFromRight(const TskEffectBmp& Target, double x);
    // Every channel moves towards white: (1 - x) * channel + 255 * x.
    void Lighten(double x);

private:
    bool SameSize(const TskEffectBmp& Target) const {
        return Target.FWidth == FWidth && Target.FHeight == FHeight;
    }
    // Column (or row) of this image := this * Weight + target * (1 - Weight).
    void BlendColumn(const TskEffectBmp& Target, int x, double Weight);
    void BlendRow(const TskEffectBmp& Target, int y, double Weight);

    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FBits;
};
