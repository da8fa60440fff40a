// Lines and filled shapes.
#include "platform/gdi/GdiShapes.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiGeometry.h"
#include "platform/gdi/GdiRender.h"

#include <cstdlib>

namespace gdi_shapes_detail {

// On/off run lengths of the cosmetic pen styles.
const std::vector<int>& DashPattern(UINT style) {
    static const std::vector<int> none, dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6},
        dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case PS_DASH:
        return dash;
    case PS_DOT:
        return dot;
    case PS_DASHDOT:
        return dashDot;
    case PS_DASHDOTDOT:
        return dashDotDot;
    default:
        return none;
    }
}

// Draws with the DC's pen: colour, width, style, raster operation. Keeps the dash phase across the
// segments of one figure.
class TPenPlotter {
public:
    explicit TPenPlotter(TDeviceContext& dc) : FDc(dc) {
        const TGdiPen* pen = dc.State.Pen.get();
        FNull = !pen || pen->Log.lopnStyle == UINT(PS_NULL) || !dc.Surface;
        if (FNull) return;
        FColor = gdi_render::PenPixel(dc, *pen);
        FBack = gdi_render::DevicePixel(*dc.Surface, dc.State.BkColor);
        FOpaqueGaps = dc.State.BkMode == OPAQUE;
        FRop2 = dc.State.Rop2;
        FWidth = pen->Log.lopnWidth.x;
        // Styled lines exist only for thin pens; wide ones are solid.
        if (FWidth <= 1) FPattern = &DashPattern(pen->Log.lopnStyle);
        if (FWidth > 1) FBrush = gdi_geometry::EllipseSpans(0, 0, FWidth, FWidth);
    }
    bool Null() const { return FNull; }
    int Width() const { return FWidth < 1 ? 1 : FWidth; }

    // A line in surface coordinates; the last point is not drawn.
    void Line(int x0, int y0, int x1, int y1) {
        if (FNull) return;
        const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int err = dx - dy;
        int x = x0, y = y0;
        while (x != x1 || y != y1) {
            Dot(x, y);
            const int e2 = 2 * err;
            if (e2 > -dy) {
                err -= dy;
                x += sx;
            }
            if (e2 < dx) {
                err += dx;
                y += sy;
            }
        }
    }

    void Dot(int x, int y) {
        bool on = true;
        if (FPattern && !FPattern->empty()) {
            on = (FRun % 2) == 0;
            if (++FStep >= (*FPattern)[std::size_t(FRun)]) {
                FStep = 0;
                FRun = (FRun + 1) % int(FPattern->size());
            }
        }
        if (!on && !FOpaqueGaps) return;
        const std::uint32_t color = on ? FColor : FBack;
        if (FBrush.empty()) {
            gdi_render::PlotRop2(FDc, x, y, color, FRop2);
            return;
        }
        // Wide pens: a round nib centred on the point.
        const int half = FWidth / 2;
        for (int row = 0; row < int(FBrush.size()); ++row)
            for (int px = FBrush[std::size_t(row)].first; px < FBrush[std::size_t(row)].second; ++px)
                gdi_render::PlotRop2(FDc, x - half + px, y - half + row, color, FRop2);
    }

private:
    TDeviceContext& FDc;
    bool FNull = true, FOpaqueGaps = false;
    std::uint32_t FColor = 0, FBack = 0;
    int FRop2 = R2_COPYPEN, FWidth = 0;
    const std::vector<int>* FPattern = nullptr;
    int FRun = 0, FStep = 0;
    gdi_geometry::TSpans FBrush;
};

void FillRegion(TDeviceContext& dc, const TBandedRegion& region) {
    const auto sampler = gdi_render::BrushSampler(dc, dc.State.Brush.get());
    for (const RECT& r : region.Rects())
        gdi_render::FillSurfaceRect(dc, r, sampler, dc.State.Rop2);
}

void PaintRegionWithPen(TDeviceContext& dc, const TBandedRegion& region) {
    const TGdiPen* pen = dc.State.Pen.get();
    if (!pen || pen->Log.lopnStyle == UINT(PS_NULL)) return;
    gdi_render::TBrushSampler solid;
    solid.Type = gdi_render::TBrushSampler::Kind::Solid;
    solid.Solid = gdi_render::PenPixel(dc, *pen);
    for (const RECT& r : region.Rects())
        gdi_render::FillSurfaceRect(dc, r, solid, dc.State.Rop2);
}

// A closed shape given by row spans (surface coordinates): the brush fills the inside, the pen draws a
// band of its width along the edge. A thin pen's band is the shape's outermost pixels; a wide pen is
// centred on them (PS_INSIDEFRAME keeps it inside the bounds). Without a pen the shape is one pixel smaller
// at the right and bottom, as the desktop API draws it. Rectangles keep the dash style of thin pens.
template <class SpansOf>
bool DrawSpanShape(HDC hdc, int left, int top, int right, int bottom, SpansOf spansOf, bool dashedOutline) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return false;
    RECT r = gdi_render::ToSurface(*dc, left, top, right, bottom);
    const TGdiPen* pen = dc->State.Pen.get();
    const bool nullPen = !pen || pen->Log.lopnStyle == UINT(PS_NULL);
    if (nullPen) {
        r.right -= 1;
        r.bottom -= 1;
    }
    if (r.right <= r.left || r.bottom <= r.top) return true;
    if (nullPen) {
        FillRegion(*dc, TBandedRegion::FromRowSpans(r.top, spansOf(r)));
        return true;
    }
    const int width = pen->Log.lopnWidth.x < 1 ? 1 : pen->Log.lopnWidth.x;
    if (width > 1 && pen->Log.lopnStyle != UINT(PS_INSIDEFRAME)) {
        r = RECT{r.left - (width - 1) / 2, r.top - (width - 1) / 2, r.right + width / 2,
                 r.bottom + width / 2};
    }
    const TBandedRegion shape = TBandedRegion::FromRowSpans(r.top, spansOf(r));
    TBandedRegion inner;
    if (width == 1) {
        inner = TBandedRegion::Combine(shape, gdi_geometry::SpanOutline(r.top, spansOf(r)), RGN_DIFF);
    } else {
        RECT in{r.left + width, r.top + width, r.right - width, r.bottom - width};
        if (in.right > in.left && in.bottom > in.top)
            inner = TBandedRegion::FromRowSpans(in.top, spansOf(in));
    }
    FillRegion(*dc, inner);
    const bool dashed = width == 1 && !DashPattern(pen->Log.lopnStyle).empty();
    if (dashed && dashedOutline) {
        TPenPlotter plotter(*dc);
        const POINT corners[5] = {{r.left, r.top},
                                  {r.right - 1, r.top},
                                  {r.right - 1, r.bottom - 1},
                                  {r.left, r.bottom - 1},
                                  {r.left, r.top}};
        for (int i = 0; i < 4; ++i)
            plotter.Line(corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y);
        if (r.right - r.left == 1 || r.bottom - r.top == 1) plotter.Dot(r.left, r.top);
        return true;
    }
    PaintRegionWithPen(*dc, TBandedRegion::Combine(shape, inner, RGN_DIFF));
    return true;
}

} // namespace gdi_shapes_detail

BOOL LineTo(HDC hdc, int x, int y) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc) return FALSE;
    const POINT from = dc->State.CurrentPos;
    gdi_shapes_detail::TPenPlotter pen(*dc);
    pen.Line(from.x + dc->OffsetX(), from.y + dc->OffsetY(), x + dc->OffsetX(), y + dc->OffsetY());
    dc->State.CurrentPos = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !points || count < 2) return FALSE;
    gdi_shapes_detail::TPenPlotter pen(*dc);
    const int ox = dc->OffsetX(), oy = dc->OffsetY();
    for (int i = 0; i + 1 < count; ++i)
        pen.Line(points[i].x + ox, points[i].y + oy, points[i + 1].x + ox, points[i + 1].y + oy);
    return TRUE;
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !points) return FALSE;
    for (DWORD i = 0; i < count; ++i)
        LineTo(hdc, points[i].x, points[i].y);
    return TRUE;
}

BOOL PolyPolyline(HDC hdc, const POINT* points, const DWORD* counts, DWORD polylines) {
    if (!points || !counts) return FALSE;
    for (DWORD i = 0; i < polylines; ++i) {
        if (counts[i] < 2) return FALSE;
        Polyline(hdc, points, int(counts[i]));
        points += counts[i];
    }
    return TRUE;
}

BOOL PolyPolygon(HDC hdc, const POINT* points, const INT* counts, int polygons) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface || !points || !counts || polygons <= 0) return FALSE;
    int total = 0;
    for (int i = 0; i < polygons; ++i) {
        if (counts[i] < 2) return FALSE;
        total += counts[i];
    }
    std::vector<POINT> moved(points, points + total);
    for (POINT& p : moved)
        p = POINT{p.x + dc->OffsetX(), p.y + dc->OffsetY()};
    gdi_shapes_detail::FillRegion(
        *dc, gdi_geometry::PolygonRegion(moved.data(), counts, polygons, dc->State.PolyFillMode));
    gdi_shapes_detail::TPenPlotter pen(*dc);
    const POINT* p = moved.data();
    for (int poly = 0; poly < polygons; ++poly) {
        const int n = counts[poly];
        for (int i = 0; i < n; ++i)
            pen.Line(p[i].x, p[i].y, p[(i + 1) % n].x, p[(i + 1) % n].y);
        p += n;
    }
    return TRUE;
}

BOOL Polygon(HDC dc, const POINT* points, int count) {
    return PolyPolygon(dc, points, &count, 1);
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return gdi_shapes_detail::DrawSpanShape(
               dc, left, top, right, bottom,
               [](const RECT& r) {
                   return gdi_geometry::TSpans(std::size_t(r.bottom - r.top), {r.left, r.right});
               },
               true)
               ? TRUE
               : FALSE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    return gdi_shapes_detail::DrawSpanShape(
               dc, left, top, right, bottom,
               [&](const RECT& r) {
                   return gdi_geometry::RoundRectSpans(r.left, r.top, r.right, r.bottom, cornerWidth,
                                                       cornerHeight);
               },
               false)
               ? TRUE
               : FALSE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    return gdi_shapes_detail::DrawSpanShape(
               dc, left, top, right, bottom,
               [](const RECT& r) { return gdi_geometry::EllipseSpans(r.left, r.top, r.right, r.bottom); },
               false)
               ? TRUE
               : FALSE;
}
