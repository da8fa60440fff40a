// Direct pixel drawing on a 32-bit surface, clipped to a rectangle: the fast path the sound views draw
// their lanes, lines and spectra with (text and frames go through the canvas).
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/rtl/WinTypes.h"

#include <cstdint>

// The colour `t` of the way from `a` to `b` (0: a, 256: b), per channel.
std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, int t);

class TPixelPainter {
public:
    TPixelPainter(TSurface& surface, const RECT& clip);

    const RECT& Clip() const { return FClip; }
    // A painter on the same surface clipped to the part of `r` inside this one's clip.
    TPixelPainter Within(RECT r) const;
    void FillRect(RECT r, std::uint32_t pixel);
    // Pixels y0..y1 of column x, both ends included, in either order.
    void VerticalSpan(int x, int y0, int y1, std::uint32_t pixel);
    void HorizontalLine(int x0, int x1, int y, std::uint32_t pixel);
    // Every `period`-th pixel of the line, starting on the clip's grid so that lines stay still as the
    // picture changes.
    void DottedVertical(int x, int y0, int y1, std::uint32_t pixel, int period = 2);
    void DottedHorizontal(int x0, int x1, int y, std::uint32_t pixel, int period = 2);
    // A dotted frame just inside `r`.
    void DottedFrame(const RECT& r, std::uint32_t pixel);
    // Inverts the colours of pixels y0..y1 of column x: a line that shows on any picture.
    void InvertVertical(int x, int y0, int y1);
    // Blends the rectangle towards `pixel` by t / 256.
    void TintRect(RECT r, std::uint32_t pixel, int t);
    std::uint32_t* Row(int y) { return FSurface.Row(y); }

private:
    bool Clamp(RECT& r) const;
    TSurface& FSurface;
    RECT FClip;
};
