#include "platform/gdi/GdiRender.h"

#include "platform/gdi/GdiBlit.h"

#include <algorithm>
#include <atomic>

namespace gdi_render {

namespace {
std::atomic<TSysColorBrushResolver> SysColorBrushResolver{nullptr};
} // namespace

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

void FillSurfaceRect(TDeviceContext& dc, const RECT& area, const TBrushSampler& brush, int rop2) {
    if (brush.Type == TBrushSampler::Kind::None) return;
    TSurface& s = *dc.Surface;
    ForEachClipRect(dc, area, [&](const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y) {
            std::uint32_t* row = s.Row(y);
            if (brush.Type == TBrushSampler::Kind::Solid && rop2 == R2_COPYPEN) {
                std::fill(row + r.left, row + r.right, brush.Solid);
                continue;
            }
            for (int x = r.left; x < r.right; ++x) {
                std::uint32_t p;
                if (!brush.Sample(x, y, p)) continue;
                if (s.IsMonochrome()) p = MonoOf(p);
                row[x] = Normalise(s, Rop2(rop2, p, row[x]));
            }
        }
    });
}

HBRUSH ResolveBrush(HBRUSH brush) {
    const std::uintptr_t value = reinterpret_cast<std::uintptr_t>(brush);
    if (value > 0 && value <= 64) {
        TSysColorBrushResolver resolver = SysColorBrushResolver.load();
        return resolver ? resolver(int(value) - 1) : nullptr;
    }
    return brush;
}

void SetResolver(TSysColorBrushResolver resolver) {
    SysColorBrushResolver.store(resolver);
}

} // namespace gdi_render

void GdiSetSysColorBrushResolver(TSysColorBrushResolver resolver) {
    gdi_render::SetResolver(resolver);
}
