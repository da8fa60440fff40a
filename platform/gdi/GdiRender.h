// Pixel-level helpers shared by the drawing code (internal): colour conversion for a destination surface,
// brush sampling, clip iteration and the raster-operation truth tables.
#pragma once

#include "platform/gdi/GdiObjects.h"

#include <algorithm>
#include <cstdint>

namespace gdi_render {

// The nearest of black and white, as monochrome surfaces keep them.
inline std::uint32_t MonoOf(std::uint32_t bgra) {
    const int sum = int(bgra & 0xFF) + int((bgra >> 8) & 0xFF) + int((bgra >> 16) & 0xFF);
    return sum >= 384 ? 0xFFFFFFu : 0u;
}

// Straight <-> premultiplied alpha (B, G, R, A pixels).
inline std::uint32_t Premultiply(std::uint32_t c) {
    const std::uint32_t a = c >> 24;
    if (a == 255) return c;
    std::uint32_t out = a << 24;
    for (int ch = 0; ch < 3; ++ch)
        out |= ((((c >> (8 * ch)) & 0xFF) * a + 127) / 255) << (8 * ch);
    return out;
}
inline std::uint32_t Unpremultiply(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    if (a == 255 || a == 0) return a == 0 ? 0 : p;
    std::uint32_t out = a << 24;
    for (int ch = 0; ch < 3; ++ch)
        out |= std::min<std::uint32_t>(255, (((p >> (8 * ch)) & 0xFF) * 255 + a / 2) / a) << (8 * ch);
    return out;
}

// Premultiplied source over destination, per channel.
inline std::uint32_t SourceOver(std::uint32_t s, std::uint32_t d) {
    const std::uint32_t sa = s >> 24;
    if (sa == 255) return s;
    if (sa == 0 && (s & 0xFFFFFF) == 0) return d;
    std::uint32_t out = 0;
    for (int ch = 0; ch < 4; ++ch) {
        const std::uint32_t sc = (s >> (8 * ch)) & 0xFF, dc = (d >> (8 * ch)) & 0xFF;
        out |= std::min<std::uint32_t>(255, sc + (dc * (255 - sa) + 127) / 255) << (8 * ch);
    }
    return out;
}

// Scales every channel of a premultiplied pixel by alpha / 255.
inline std::uint32_t ScaleAlpha(std::uint32_t p, std::uint32_t alpha) {
    if (alpha == 255) return p;
    std::uint32_t out = 0;
    for (int ch = 0; ch < 4; ++ch)
        out |= ((((p >> (8 * ch)) & 0xFF) * alpha + 127) / 255) << (8 * ch);
    return out;
}

// A colour reference as a pixel of the given surface (alpha 0, as fills of the desktop API leave it).
inline std::uint32_t DevicePixel(const TSurface& surface, COLORREF color) {
    const std::uint32_t p = ColorRefToPixel(color & 0xFFFFFF);
    return surface.IsMonochrome() ? MonoOf(p) : p;
}

// A brush made ready for drawing on one DC: solid colour, pattern or hatch, aligned to the brush origin.
struct TBrushSampler {
    enum class Kind { None, Solid, Pattern, Hatch } Type = Kind::None;
    std::uint32_t Solid = 0;
    const TSurface* Pattern = nullptr;
    std::uint32_t MonoFore = 0, MonoBack = 0; // monochrome pattern colours / hatch line and background
    bool MonoPattern = false;
    bool TransparentBack = false; // hatch background left untouched
    int OriginX = 0, OriginY = 0; // surface position of the pattern's (0, 0)

    // False when the brush leaves this pixel alone.
    bool Sample(int x, int y, std::uint32_t& out) const {
        switch (Type) {
        case Kind::Solid:
            out = Solid;
            return true;
        case Kind::None:
            return false;
        default: {
            const int w = Pattern->Width(), h = Pattern->Height();
            int px = (x - OriginX) % w, py = (y - OriginY) % h;
            if (px < 0) px += w;
            if (py < 0) py += h;
            const std::uint32_t p = Pattern->Row(py)[px];
            if (Type == Kind::Hatch) {
                if (p & 0xFFFFFF) {
                    out = MonoFore;
                    return true;
                }
                if (TransparentBack) return false;
                out = MonoBack;
                return true;
            }
            out = MonoPattern ? ((p & 0xFFFFFF) ? MonoBack : MonoFore) : p;
            return true;
        }
        }
    }
};

TBrushSampler BrushSampler(TDeviceContext& dc, const TGdiBrush* brush);
// The colour a pen draws with on this DC.
std::uint32_t PenPixel(TDeviceContext& dc, const TGdiPen& pen);

// Calls f(rect) for each piece of `surfaceRect` inside the DC's clip (surface coordinates).
template <class F> void ForEachClipRect(TDeviceContext& dc, const RECT& surfaceRect, F&& f) {
    if (!dc.Surface) return;
    const TBandedRegion& clip = dc.EffectiveClip();
    for (const RECT& c : clip.Rects()) {
        if (c.top >= surfaceRect.bottom) break;
        RECT r = IntersectRectR(c, surfaceRect);
        if (!IsRectEmptyR(r)) f(r);
    }
}

// Ternary raster operation: bit (p*4 + s*2 + d) of `code` is the result for those operand bits.
inline std::uint32_t Rop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (code) {
    case 0xCC:
        return s;
    case 0xF0:
        return p;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFFFFu;
    case 0x55:
        return ~d;
    case 0x5A:
        return p ^ d;
    case 0x66:
        return s ^ d;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x33:
        return ~s;
    case 0x44:
        return s & ~d;
    case 0xC0:
        return p & s;
    case 0xBB:
        return ~s | d;
    case 0x22:
        return ~s & d;
    default:
        break;
    }
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (code & (1 << i)) r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return r;
}

inline bool RopUsesSource(std::uint8_t code) {
    return ((code >> 2) ^ code) & 0x33;
}
inline bool RopUsesPattern(std::uint8_t code) {
    return ((code >> 4) ^ code) & 0x0F;
}

// Binary raster operation of pens: bit (p*2 + d) of (rop2 - 1).
inline std::uint32_t Rop2(int rop2, std::uint32_t p, std::uint32_t d) {
    if (rop2 == R2_COPYPEN) return p;
    const int code = rop2 - 1;
    std::uint32_t r = 0;
    for (int i = 0; i < 4; ++i)
        if (code & (1 << i)) r |= ((i & 2) ? p : ~p) & ((i & 1) ? d : ~d);
    return r;
}

// Keeps monochrome surfaces strictly black and white after a raster operation.
inline std::uint32_t Normalise(const TSurface& s, std::uint32_t v) {
    return s.IsMonochrome() ? ((v & 0xFFFFFF) ? 0xFFFFFFu : 0u) : v;
}

// Logical rectangle -> surface rectangle of a DC (normalised).
RECT ToSurface(const TDeviceContext& dc, int left, int top, int right, int bottom);

// Plots one pixel through the clip with a pen raster operation (surface coordinates).
inline void PlotRop2(TDeviceContext& dc, int x, int y, std::uint32_t pen, int rop2) {
    if (!dc.EffectiveClip().Contains(x, y)) return;
    std::uint32_t& d = dc.Surface->Row(y)[x];
    d = Normalise(*dc.Surface, Rop2(rop2, pen, d));
}

// Fills a surface rectangle (already clipped) with one pixel value.
void FillSolid(TSurface& s, const RECT& r, std::uint32_t pixel);
// Fills a surface rectangle through the clip with a brush and a pen raster operation.
void FillSurfaceRect(TDeviceContext& dc, const RECT& r, const TBrushSampler& brush, int rop2);

// A brush handle, or the system-colour brush convention ((HBRUSH)(COLOR_x + 1)); null when invalid.
std::shared_ptr<TGdiBrush> ResolveBrush(HBRUSH brush);
COLORREF SysColor(int index);

} // namespace gdi_render

// System colour indices used by the drawing code (values of the desktop API).
namespace gdi_syscolor {
constexpr int Window = 5;
constexpr int WindowFrame = 6;
constexpr int WindowText = 8;
constexpr int BtnFace = 15;
constexpr int BtnShadow = 16;
constexpr int GrayText = 17;
constexpr int BtnText = 18;
constexpr int BtnHighlight = 20;
constexpr int DkShadow3D = 21;
constexpr int Light3D = 22;
} // namespace gdi_syscolor
