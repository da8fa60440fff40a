#include "platform/gdi/GdiRegions.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiGeometry.h"
#include "platform/gdi/GdiRender.h"

#include <cstring>

namespace gdi_regions_detail {

HRGN Make(TBandedRegion region) {
    auto rgn = std::make_shared<TGdiRegion>();
    rgn->Region = std::move(region);
    return HRGN(gdi_handles::Register(rgn));
}

RECT Normalised(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return RECT{left, top, right, bottom};
}

// Paints a region (logical coordinates) with a brush and a pen raster operation.
BOOL Paint(HDC hdc, const TBandedRegion& region, const TGdiBrush* brush, int rop2) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return FALSE;
    const auto sampler = gdi_render::BrushSampler(*dc, brush);
    for (const RECT& r : region.Rects())
        gdi_render::FillSurfaceRect(*dc, gdi_render::ToSurface(*dc, r.left, r.top, r.right, r.bottom),
                                    sampler, rop2);
    return TRUE;
}

} // namespace gdi_regions_detail

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return gdi_regions_detail::Make(TBandedRegion(gdi_regions_detail::Normalised(left, top, right, bottom)));
}

HRGN CreateRectRgnIndirect(const RECT* r) {
    return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    const RECT r = gdi_regions_detail::Normalised(left, top, right, bottom);
    return gdi_regions_detail::Make(TBandedRegion::FromRowSpans(
        r.top, gdi_geometry::RoundRectSpans(r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight)));
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
    const RECT r = gdi_regions_detail::Normalised(left, top, right, bottom);
    return gdi_regions_detail::Make(
        TBandedRegion::FromRowSpans(r.top, gdi_geometry::EllipseSpans(r.left, r.top, r.right, r.bottom)));
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
    return r ? CreateEllipticRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return CreatePolyPolygonRgn(points, &count, 1, fillMode);
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode) {
    if (!points || !counts || polygons <= 0 || (fillMode != ALTERNATE && fillMode != WINDING)) return nullptr;
    for (int i = 0; i < polygons; ++i)
        if (counts[i] < 2) return nullptr;
    return gdi_regions_detail::Make(gdi_geometry::PolygonRegion(points, counts, polygons, fillMode));
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn) return FALSE;
    rgn->Region = TBandedRegion(gdi_regions_detail::Normalised(left, top, right, bottom));
    return TRUE;
}

int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode) {
    auto d = gdi_handles::Region(dest);
    auto a = gdi_handles::Region(source1);
    if (!d || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        d->Region = a->Region;
        return d->Region.Kind();
    }
    auto b = gdi_handles::Region(source2);
    if (!b) return ERROR;
    d->Region = TBandedRegion::Combine(a->Region, b->Region, mode);
    return d->Region.Kind();
}

int OffsetRgn(HRGN handle, int dx, int dy) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn) return ERROR;
    rgn->Region.Offset(dx, dy);
    return rgn->Region.Kind();
}

int GetRgnBox(HRGN handle, RECT* rect) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn || !rect) return ERROR;
    *rect = rgn->Region.Box();
    return rgn->Region.Kind();
}

BOOL PtInRegion(HRGN handle, int x, int y) {
    auto rgn = gdi_handles::Region(handle);
    return rgn && rgn->Region.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN handle, const RECT* rect) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn || !rect) return FALSE;
    return rgn->Region.Overlaps(
               gdi_regions_detail::Normalised(rect->left, rect->top, rect->right, rect->bottom))
               ? TRUE
               : FALSE;
}

BOOL EqualRgn(HRGN a, HRGN b) {
    auto ra = gdi_handles::Region(a);
    auto rb = gdi_handles::Region(b);
    if (!ra || !rb) return ERROR;
    return ra->Region == rb->Region ? TRUE : FALSE;
}

DWORD GetRegionData(HRGN handle, DWORD size, RGNDATA* data) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn) return 0;
    const auto& rects = rgn->Region.Rects();
    const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    if (!data) return needed;
    if (size < needed) return 0;
    RGNDATAHEADER header;
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(rects.size());
    header.nRgnSize = DWORD(rects.size() * sizeof(RECT));
    header.rcBound = rgn->Region.Box();
    std::memcpy(static_cast<void*>(data), &header, sizeof(header));
    if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return size;
}

HRGN ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data) {
    if (!data || size < sizeof(RGNDATAHEADER)) return nullptr;
    RGNDATAHEADER header;
    std::memcpy(static_cast<void*>(&header), static_cast<const void*>(data), sizeof(header));
    if (header.dwSize < sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES) return nullptr;
    // Never read past the caller's buffer, whatever the header claims.
    if (std::uint64_t(header.dwSize) + std::uint64_t(header.nCount) * sizeof(RECT) > size) return nullptr;
    int dx = 0, dy = 0;
    if (transform) {
        if (transform->eM11 != 1.0f || transform->eM22 != 1.0f || transform->eM12 != 0.0f ||
            transform->eM21 != 0.0f)
            return nullptr;
        dx = int(transform->eDx);
        dy = int(transform->eDy);
    }
    std::vector<RECT> rects(header.nCount);
    if (!rects.empty())
        std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + header.dwSize,
                    rects.size() * sizeof(RECT));
    for (RECT& r : rects) {
        r = gdi_regions_detail::Normalised(r.left, r.top, r.right, r.bottom);
        r = RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    }
    return gdi_regions_detail::Make(TBandedRegion::FromRects(rects));
}

BOOL FillRgn(HDC dc, HRGN handle, HBRUSH hbrush) {
    auto rgn = gdi_handles::Region(handle);
    auto brush = gdi_render::ResolveBrush(hbrush);
    if (!rgn || !brush) return FALSE;
    return gdi_regions_detail::Paint(dc, rgn->Region, brush.get(), R2_COPYPEN);
}

BOOL PaintRgn(HDC hdc, HRGN handle) {
    auto dc = gdi_handles::Dc(hdc);
    auto rgn = gdi_handles::Region(handle);
    if (!dc || !rgn) return FALSE;
    return gdi_regions_detail::Paint(hdc, rgn->Region, dc->State.Brush.get(), dc->State.Rop2);
}

BOOL FrameRgn(HDC dc, HRGN handle, HBRUSH hbrush, int width, int height) {
    auto rgn = gdi_handles::Region(handle);
    auto brush = gdi_render::ResolveBrush(hbrush);
    if (!rgn || !brush || width <= 0 || height <= 0) return FALSE;
    // The frame is the region minus the region shrunk by width/height (the intersection of its shifts).
    TBandedRegion inner = rgn->Region;
    for (int dx = -width; dx <= width; dx += width) {
        for (int dy = -height; dy <= height; dy += height) {
            TBandedRegion shifted = rgn->Region;
            shifted.Offset(dx, dy);
            inner = TBandedRegion::Combine(inner, shifted, RGN_AND);
        }
    }
    return gdi_regions_detail::Paint(dc, TBandedRegion::Combine(rgn->Region, inner, RGN_DIFF), brush.get(),
                                     R2_COPYPEN);
}

BOOL InvertRgn(HDC dc, HRGN handle) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn) return FALSE;
    auto black = gdi_handles::As<TGdiBrush>(GetStockObject(BLACK_BRUSH), OBJ_BRUSH);
    return gdi_regions_detail::Paint(dc, rgn->Region, black.get(), R2_NOT);
}

HRGN GdiCreateRegion(const TBandedRegion& region) {
    return gdi_regions_detail::Make(region);
}

bool GdiGetRegion(HRGN handle, TBandedRegion& region) {
    auto rgn = gdi_handles::Region(handle);
    if (!rgn) return false;
    region = rgn->Region;
    return true;
}
