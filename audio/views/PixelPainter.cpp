#include "audio/views/PixelPainter.h"

#include <algorithm>
#include <utility>

std::uint32_t MixPixel(std::uint32_t a, std::uint32_t b, int t) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int ca = int((a >> shift) & 0xFF), cb = int((b >> shift) & 0xFF);
        out |= std::uint32_t(ca + ((cb - ca) * t) / 256) << shift;
    }
    return out;
}

TPixelPainter::TPixelPainter(TSurface& surface, const RECT& clip) : FSurface(surface) {
    FClip = RECT{std::max<LONG>(0, clip.left), std::max<LONG>(0, clip.top),
                 std::min<LONG>(surface.Width(), clip.right), std::min<LONG>(surface.Height(), clip.bottom)};
}

TPixelPainter TPixelPainter::Within(RECT r) const {
    if (!Clamp(r)) r = RECT{FClip.left, FClip.top, FClip.left, FClip.top};
    return TPixelPainter(FSurface, r);
}

bool TPixelPainter::Clamp(RECT& r) const {
    r.left = std::max(r.left, FClip.left);
    r.top = std::max(r.top, FClip.top);
    r.right = std::min(r.right, FClip.right);
    r.bottom = std::min(r.bottom, FClip.bottom);
    return r.left < r.right && r.top < r.bottom;
}

void TPixelPainter::FillRect(RECT r, std::uint32_t pixel) {
    if (!Clamp(r)) return;
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(FSurface.Row(y) + r.left, FSurface.Row(y) + r.right, pixel);
}

void TPixelPainter::VerticalSpan(int x, int y0, int y1, std::uint32_t pixel) {
    if (x < FClip.left || x >= FClip.right) return;
    if (y1 < y0) std::swap(y0, y1);
    y0 = std::max<int>(y0, FClip.top);
    y1 = std::min<int>(y1, FClip.bottom - 1);
    if (y1 < y0) return;
    // Rows lie a fixed distance apart (either way round), so the span is one strided walk.
    std::uint32_t* p = FSurface.Row(y0) + x;
    const std::ptrdiff_t stride = y1 > y0 ? FSurface.Row(y0 + 1) - FSurface.Row(y0) : 0;
    for (int y = y0; y <= y1; ++y, p += stride)
        *p = pixel;
}

void TPixelPainter::InvertVertical(int x, int y0, int y1) {
    if (x < FClip.left || x >= FClip.right) return;
    if (y1 < y0) std::swap(y0, y1);
    y0 = std::max<int>(y0, FClip.top);
    y1 = std::min<int>(y1, FClip.bottom - 1);
    for (int y = y0; y <= y1; ++y)
        FSurface.Row(y)[x] ^= 0xFFFFFFu;
}

void TPixelPainter::HorizontalLine(int x0, int x1, int y, std::uint32_t pixel) {
    if (x1 < x0) std::swap(x0, x1);
    FillRect(RECT{x0, y, x1 + 1, y + 1}, pixel);
}

void TPixelPainter::DottedVertical(int x, int y0, int y1, std::uint32_t pixel, int period) {
    if (x < FClip.left || x >= FClip.right) return;
    if (y1 < y0) std::swap(y0, y1);
    y0 = std::max<int>(y0, FClip.top);
    y1 = std::min<int>(y1, FClip.bottom - 1);
    for (int y = y0; y <= y1; ++y)
        if ((y - FClip.top) % period == 0) FSurface.Row(y)[x] = pixel;
}

void TPixelPainter::DottedHorizontal(int x0, int x1, int y, std::uint32_t pixel, int period) {
    if (y < FClip.top || y >= FClip.bottom) return;
    if (x1 < x0) std::swap(x0, x1);
    x0 = std::max<int>(x0, FClip.left);
    x1 = std::min<int>(x1, FClip.right - 1);
    std::uint32_t* row = FSurface.Row(y);
    for (int x = x0; x <= x1; ++x)
        if ((x - FClip.left) % period == 0) row[x] = pixel;
}

void TPixelPainter::DottedFrame(const RECT& r, std::uint32_t pixel) {
    DottedHorizontal(r.left, r.right - 1, r.top, pixel);
    DottedHorizontal(r.left, r.right - 1, r.bottom - 1, pixel);
    DottedVertical(r.left, r.top, r.bottom - 1, pixel);
    DottedVertical(r.right - 1, r.top, r.bottom - 1, pixel);
}

void TPixelPainter::TintRect(RECT r, std::uint32_t pixel, int t) {
    if (!Clamp(r)) return;
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = FSurface.Row(y);
        for (int x = r.left; x < r.right; ++x)
            row[x] = MixPixel(row[x], pixel, t);
    }
}
