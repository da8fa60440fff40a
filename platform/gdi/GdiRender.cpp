#include "platform/gdi/GdiRender.h"

#include "platform/gdi/GdiBlit.h"

#include <pixman.h>

#include <algorithm>
#include <atomic>

namespace gdi_render {

namespace {
std::atomic<TSysColorFunction> SysColorFunction{nullptr};

// The classic desktop scheme, by system colour index.
COLORREF ClassicSysColor(int index) {
    static const COLORREF colors[] = {
        RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
        RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
        RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(49, 106, 197),
        RGB(236, 233, 216)};
    if (index < 0 || index >= int(sizeof(colors) / sizeof(colors[0]))) return 0;
    return colors[index];
}
} // namespace

COLORREF SysColor(int index) {
    TSysColorFunction f = SysColorFunction.load();
    return f ? f(index) : ClassicSysColor(index);
}

TBrushSampler BrushSampler(TDeviceContext& dc, const TGdiBrush* brush) {
    TBrushSampler sampler;
    if (!brush || !dc.Surface) return sampler;
    const TSurface& s = *dc.Surface;
    sampler.OriginX = dc.State.BrushOrg.x + dc.DeviceOrigin.x;
    sampler.OriginY = dc.State.BrushOrg.y + dc.DeviceOrigin.y;
    if (brush->DcBrush) {
        sampler.Type = TBrushSampler::Kind::Solid;
        sampler.Solid = DevicePixel(s, dc.State.DcBrushColor);
        return sampler;
    }
    switch (brush->Log.lbStyle) {
    case BS_SOLID:
        sampler.Type = TBrushSampler::Kind::Solid;
        sampler.Solid = DevicePixel(s, brush->Log.lbColor);
        break;
    case BS_HATCHED:
        sampler.Type = TBrushSampler::Kind::Hatch;
        sampler.Pattern = brush->Pattern.get();
        sampler.MonoFore = DevicePixel(s, brush->Log.lbColor);
        sampler.MonoBack = DevicePixel(s, dc.State.BkColor);
        sampler.TransparentBack = dc.State.BkMode == TRANSPARENT;
        break;
    case BS_PATTERN:
        sampler.Type = TBrushSampler::Kind::Pattern;
        sampler.Pattern = brush->Pattern.get();
        // A monochrome pattern takes the DC's text colour for 0 bits and background colour for 1 bits.
        sampler.MonoPattern = brush->Pattern->IsMonochrome();
        sampler.MonoFore = DevicePixel(s, dc.State.TextColor);
        sampler.MonoBack = DevicePixel(s, dc.State.BkColor);
        if (!sampler.MonoPattern && s.IsMonochrome()) {
            // A colour pattern on a monochrome surface: convert once per sample through MonoOf.
            sampler.Type = TBrushSampler::Kind::Pattern;
        }
        break;
    default:
        break;
    }
    return sampler;
}

std::uint32_t PenPixel(TDeviceContext& dc, const TGdiPen& pen) {
    return DevicePixel(*dc.Surface, pen.DcPen ? dc.State.DcPenColor : pen.Log.lopnColor);
}

RECT ToSurface(const TDeviceContext& dc, int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const int dx = dc.OffsetX(), dy = dc.OffsetY();
    return RECT{left + dx, top + dy, right + dx, bottom + dy};
}

void FillSolid(TSurface& s, const RECT& r, std::uint32_t pixel) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    // The compositing library's fill uses the vector units; rows of a bottom-up surface go one by one.
    if (!s.BottomUp()) {
        if (pixman_fill(s.Pixels(), s.Width(), 32, r.left, r.top, w, h, pixel)) return;
    } else {
        bool done = true;
        for (int y = r.top; y < r.bottom && done; ++y)
            done = pixman_fill(s.Row(y), s.Width(), 32, r.left, 0, w, 1, pixel);
        if (done) return;
    }
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(s.Row(y) + r.left, s.Row(y) + r.right, pixel);
}

void FillSurfaceRect(TDeviceContext& dc, const RECT& area, const TBrushSampler& brush, int rop2) {
    if (brush.Type == TBrushSampler::Kind::None) return;
    TSurface& s = *dc.Surface;
    ForEachClipRect(dc, area, [&](const RECT& r) {
        if (brush.Type == TBrushSampler::Kind::Solid && rop2 == R2_COPYPEN) {
            FillSolid(s, r, brush.Solid);
            return;
        }
        for (int y = r.top; y < r.bottom; ++y) {
            std::uint32_t* row = s.Row(y);
            for (int x = r.left; x < r.right; ++x) {
                std::uint32_t p;
                if (!brush.Sample(x, y, p)) continue;
                if (s.IsMonochrome()) p = MonoOf(p);
                row[x] = Normalise(s, Rop2(rop2, p, row[x]));
            }
        }
    });
}

std::shared_ptr<TGdiBrush> ResolveBrush(HBRUSH brush) {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(brush);
    if (value > 0 && value <= 64) {
        // (HBRUSH)(COLOR_x + 1): a solid brush of that system colour.
        auto solid = std::make_shared<TGdiBrush>();
        solid->Log.lbColor = SysColor(int(value) - 1);
        return solid;
    }
    return gdi_handles::As<TGdiBrush>(brush, OBJ_BRUSH);
}

void SetSysColorFunction(TSysColorFunction function) {
    SysColorFunction.store(function);
}

} // namespace gdi_render

void GdiSetSysColorFunction(TSysColorFunction function) {
    gdi_render::SetSysColorFunction(function);
}
COLORREF GdiSysColor(int colorIndex) {
    return gdi_render::SysColor(colorIndex);
}
