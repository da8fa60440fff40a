// Device contexts: creation, saved states, attributes, origins and clipping.
#include "platform/gdi/GdiDC.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiStock.h"

using gdi_handles::Dc;

namespace gdi_dc_detail {

void SelectDefaults(TDeviceContext& dc) {
    TDCState fresh;
    fresh.BrushHandle = GetStockObject(WHITE_BRUSH);
    fresh.Brush = gdi_handles::As<TGdiBrush>(fresh.BrushHandle, OBJ_BRUSH);
    fresh.PenHandle = GetStockObject(BLACK_PEN);
    fresh.Pen = gdi_handles::As<TGdiPen>(fresh.PenHandle, OBJ_PEN);
    fresh.FontHandle = GetStockObject(SYSTEM_FONT);
    fresh.Font = gdi_handles::As<TGdiFont>(fresh.FontHandle, OBJ_FONT);
    if (dc.IsMemory()) {
        if (dc.State.Bitmap && dc.State.Bitmap->SelectedInto == &dc) dc.State.Bitmap->SelectedInto = nullptr;
        fresh.BitmapHandle = gdi_stock::DefaultBitmap();
        fresh.Bitmap = gdi_handles::Bitmap(HBITMAP(fresh.BitmapHandle));
        dc.Surface = fresh.Bitmap->Surface;
    }
    dc.State = std::move(fresh);
    dc.Saved.clear();
    dc.InvalidateClip();
}

// A clip region operation in device coordinates; returns the resulting region kind.
int ApplyClip(TDeviceContext& dc, const TBandedRegion* region, int mode) {
    if (mode == RGN_COPY) {
        if (region)
            dc.State.Clip = *region;
        else
            dc.State.Clip.reset();
    } else {
        if (!region) return ERROR;
        // Without a clip region, the DC's whole device area takes part in the operation.
        TBandedRegion current;
        if (dc.State.Clip) {
            current = *dc.State.Clip;
        } else {
            int w = dc.Surface ? dc.Surface->Width() : 0, h = dc.Surface ? dc.Surface->Height() : 0;
            current = TBandedRegion(
                RECT{-dc.DeviceOrigin.x, -dc.DeviceOrigin.y, w - dc.DeviceOrigin.x, h - dc.DeviceOrigin.y});
        }
        dc.State.Clip = TBandedRegion::Combine(current, *region, mode);
    }
    dc.InvalidateClip();
    const TBandedRegion& effective = dc.EffectiveClip();
    return effective.Kind();
}

RECT LogicalToDevice(const TDeviceContext& dc, int left, int top, int right, int bottom) {
    int dx = dc.State.ViewportOrg.x - dc.State.WindowOrg.x,
        dy = dc.State.ViewportOrg.y - dc.State.WindowOrg.y;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return RECT{left + dx, top + dy, right + dx, bottom + dy};
}

} // namespace gdi_dc_detail

HDC GdiCreateSurfaceDC(std::shared_ptr<TSurface> surface, POINT deviceOrigin, HRGN visible) {
    if (!surface) return nullptr;
    auto dc = std::make_shared<TDeviceContext>(false);
    dc->Surface = std::move(surface);
    dc->DeviceOrigin = deviceOrigin;
    if (visible) {
        auto rgn = gdi_handles::Region(visible);
        if (!rgn) return nullptr;
        dc->Visible = rgn->Region;
    }
    gdi_dc_detail::SelectDefaults(*dc);
    return HDC(gdi_handles::Register(dc));
}

BOOL GdiSetDCVisibleRegion(HDC hdc, HRGN visible) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    if (visible) {
        auto rgn = gdi_handles::Region(visible);
        if (!rgn) return FALSE;
        dc->Visible = rgn->Region;
    } else {
        dc->Visible.reset();
    }
    dc->InvalidateClip();
    return TRUE;
}

BOOL GdiSetDCDeviceOrigin(HDC hdc, POINT deviceOrigin) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    dc->DeviceOrigin = deviceOrigin;
    dc->InvalidateClip();
    return TRUE;
}

BOOL GdiResetDC(HDC hdc) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    gdi_dc_detail::SelectDefaults(*dc);
    return TRUE;
}

std::shared_ptr<TSurface> GdiGetDCSurface(HDC hdc) {
    auto dc = Dc(hdc);
    return dc ? dc->Surface : nullptr;
}

HDC CreateCompatibleDC(HDC reference) {
    if (reference && !Dc(reference)) return nullptr;
    auto dc = std::make_shared<TDeviceContext>(true);
    gdi_dc_detail::SelectDefaults(*dc);
    return HDC(gdi_handles::Register(dc));
}

BOOL DeleteDC(HDC hdc) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    if (dc->State.Bitmap && dc->State.Bitmap->SelectedInto == dc.get())
        dc->State.Bitmap->SelectedInto = nullptr;
    dc->Saved.clear();
    return gdi_handles::Unregister(hdc) ? TRUE : FALSE;
}

int SaveDC(HDC hdc) {
    auto dc = Dc(hdc);
    if (!dc) return 0;
    dc->Saved.push_back(dc->State);
    return int(dc->Saved.size());
}

BOOL RestoreDC(HDC hdc, int savedDC) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    const int levels = int(dc->Saved.size());
    const int level = savedDC < 0 ? levels + 1 + savedDC : savedDC;
    if (level < 1 || level > levels) return FALSE;
    auto previousBitmap = dc->State.Bitmap;
    dc->State = std::move(dc->Saved[std::size_t(level - 1)]);
    dc->Saved.resize(std::size_t(level - 1));
    if (dc->IsMemory() && dc->State.Bitmap != previousBitmap) {
        if (previousBitmap && previousBitmap->SelectedInto == dc.get())
            previousBitmap->SelectedInto = nullptr;
        if (dc->State.Bitmap) {
            if (!dc->State.Bitmap->Stock) dc->State.Bitmap->SelectedInto = dc.get();
            dc->Surface = dc->State.Bitmap->Surface;
        }
    }
    dc->InvalidateClip();
    return TRUE;
}

namespace gdi_dc_detail {
int PixelsPerInch = 96;
} // namespace gdi_dc_detail

void GdiSetPixelsPerInch(int dpi) {
    gdi_dc_detail::PixelsPerInch = dpi > 0 ? dpi : 96;
}

int GetDeviceCaps(HDC hdc, int index) {
    auto dc = Dc(hdc);
    if (!dc) return 0;
    const bool mono = dc->Surface && dc->Surface->IsMonochrome();
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case BITSPIXEL:
        return mono ? 1 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return mono ? 2 : -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return gdi_dc_detail::PixelsPerInch;
    case HORZRES:
        return dc->Surface ? dc->Surface->Width() : 0;
    case VERTRES:
        return dc->Surface ? dc->Surface->Height() : 0;
    case HORZSIZE:
        return dc->Surface ? dc->Surface->Width() * 254 / 960 : 0;
    case VERTSIZE:
        return dc->Surface ? dc->Surface->Height() * 254 / 960 : 0;
    case RASTERCAPS:
        return RC_BITBLT | RC_STRETCHBLT | RC_DI_BITMAP;
    case SIZEPALETTE:
        return 0;
    default:
        return 0;
    }
}

// ---- Attributes

#define OLVA_DC_ATTRIBUTE(Setter, Getter, Type, Field, Failure)                                              \
    Type Setter(HDC hdc, Type value) {                                                                       \
        auto dc = Dc(hdc);                                                                                   \
        if (!dc) return Failure;                                                                             \
        Type previous = dc->State.Field;                                                                     \
        dc->State.Field = value;                                                                             \
        return previous;                                                                                     \
    }                                                                                                        \
    Type Getter(HDC hdc) {                                                                                   \
        auto dc = Dc(hdc);                                                                                   \
        return dc ? dc->State.Field : Failure;                                                               \
    }

OLVA_DC_ATTRIBUTE(SetTextColor, GetTextColor, COLORREF, TextColor, CLR_INVALID)
OLVA_DC_ATTRIBUTE(SetBkColor, GetBkColor, COLORREF, BkColor, CLR_INVALID)
OLVA_DC_ATTRIBUTE(SetDCBrushColor, GetDCBrushColor, COLORREF, DcBrushColor, CLR_INVALID)
OLVA_DC_ATTRIBUTE(SetDCPenColor, GetDCPenColor, COLORREF, DcPenColor, CLR_INVALID)
OLVA_DC_ATTRIBUTE(SetTextCharacterExtra, GetTextCharacterExtra, int, TextCharacterExtra, int(0x80000000))
#undef OLVA_DC_ATTRIBUTE

// Attributes with a fixed set of valid values: an invalid one is refused with 0.
#define OLVA_DC_MODE(Setter, Getter, Field, Low, High)                                                       \
    int Setter(HDC hdc, int value) {                                                                         \
        auto dc = Dc(hdc);                                                                                   \
        if (!dc || value < (Low) || value > (High)) return 0;                                                \
        int previous = dc->State.Field;                                                                      \
        dc->State.Field = value;                                                                             \
        return previous;                                                                                     \
    }                                                                                                        \
    int Getter(HDC hdc) {                                                                                    \
        auto dc = Dc(hdc);                                                                                   \
        return dc ? dc->State.Field : 0;                                                                     \
    }

OLVA_DC_MODE(SetBkMode, GetBkMode, BkMode, TRANSPARENT, OPAQUE)
OLVA_DC_MODE(SetROP2, GetROP2, Rop2, R2_BLACK, R2_WHITE)
OLVA_DC_MODE(SetStretchBltMode, GetStretchBltMode, StretchMode, BLACKONWHITE, HALFTONE)
OLVA_DC_MODE(SetPolyFillMode, GetPolyFillMode, PolyFillMode, ALTERNATE, WINDING)
OLVA_DC_MODE(SetGraphicsMode, GetGraphicsMode, GraphicsMode, GM_COMPATIBLE, GM_ADVANCED)
#undef OLVA_DC_MODE

UINT SetTextAlign(HDC hdc, UINT align) {
    auto dc = Dc(hdc);
    if (!dc) return UINT(GDI_ERROR);
    UINT previous = dc->State.TextAlign;
    dc->State.TextAlign = align;
    return previous;
}

UINT GetTextAlign(HDC hdc) {
    auto dc = Dc(hdc);
    return dc ? dc->State.TextAlign : UINT(GDI_ERROR);
}

int SetMapMode(HDC hdc, int mode) {
    auto dc = Dc(hdc);
    // Only the pixel mapping mode exists here; asking for another is refused.
    if (!dc || mode != MM_TEXT) return 0;
    return MM_TEXT;
}

int GetMapMode(HDC hdc) {
    return Dc(hdc) ? MM_TEXT : 0;
}

// ---- Coordinates

namespace gdi_dc_detail {
BOOL SetPoint(HDC hdc, POINT TDCState::*field, int x, int y, POINT* previous, bool relative) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    POINT& p = dc->State.*field;
    if (previous) *previous = p;
    p = relative ? POINT{p.x + x, p.y + y} : POINT{x, y};
    // The effective clip is kept in surface coordinates, which no origin of the DC changes.
    return TRUE;
}
BOOL GetPoint(HDC hdc, POINT TDCState::*field, POINT* out) {
    auto dc = Dc(hdc);
    if (!dc || !out) return FALSE;
    *out = dc->State.*field;
    return TRUE;
}
} // namespace gdi_dc_detail

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::WindowOrg, x, y, previous, false);
}
BOOL GetWindowOrgEx(HDC dc, POINT* origin) {
    return gdi_dc_detail::GetPoint(dc, &TDCState::WindowOrg, origin);
}
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::WindowOrg, dx, dy, previous, true);
}
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::ViewportOrg, x, y, previous, false);
}
BOOL GetViewportOrgEx(HDC dc, POINT* origin) {
    return gdi_dc_detail::GetPoint(dc, &TDCState::ViewportOrg, origin);
}
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::ViewportOrg, dx, dy, previous, true);
}
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::BrushOrg, x, y, previous, false);
}
BOOL GetBrushOrgEx(HDC dc, POINT* origin) {
    return gdi_dc_detail::GetPoint(dc, &TDCState::BrushOrg, origin);
}
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    return gdi_dc_detail::SetPoint(dc, &TDCState::CurrentPos, x, y, previous, false);
}
BOOL GetCurrentPositionEx(HDC dc, POINT* position) {
    return gdi_dc_detail::GetPoint(dc, &TDCState::CurrentPos, position);
}

BOOL GetDCOrgEx(HDC hdc, POINT* origin) {
    auto dc = Dc(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->DeviceOrigin;
    return TRUE;
}

BOOL LPtoDP(HDC hdc, POINT* points, int count) {
    auto dc = Dc(hdc);
    if (!dc || (!points && count > 0)) return FALSE;
    const int dx = dc->State.ViewportOrg.x - dc->State.WindowOrg.x;
    const int dy = dc->State.ViewportOrg.y - dc->State.WindowOrg.y;
    for (int i = 0; i < count; ++i)
        points[i] = POINT{points[i].x + dx, points[i].y + dy};
    return TRUE;
}

BOOL DPtoLP(HDC hdc, POINT* points, int count) {
    auto dc = Dc(hdc);
    if (!dc || (!points && count > 0)) return FALSE;
    const int dx = dc->State.ViewportOrg.x - dc->State.WindowOrg.x;
    const int dy = dc->State.ViewportOrg.y - dc->State.WindowOrg.y;
    for (int i = 0; i < count; ++i)
        points[i] = POINT{points[i].x - dx, points[i].y - dy};
    return TRUE;
}

// ---- Clipping

int SelectClipRgn(HDC dc, HRGN rgn) {
    return ExtSelectClipRgn(dc, rgn, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN rgn, int mode) {
    auto dc = Dc(hdc);
    if (!dc || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (!rgn) return mode == RGN_COPY ? gdi_dc_detail::ApplyClip(*dc, nullptr, RGN_COPY) : ERROR;
    auto region = gdi_handles::Region(rgn);
    if (!region) return ERROR;
    return gdi_dc_detail::ApplyClip(*dc, &region->Region, mode);
}

int GetClipRgn(HDC hdc, HRGN rgn) {
    auto dc = Dc(hdc);
    auto region = gdi_handles::Region(rgn);
    if (!dc || !region) return -1;
    if (!dc->State.Clip) return 0;
    region->Region = *dc->State.Clip;
    return 1;
}

int GetClipBox(HDC hdc, RECT* rect) {
    auto dc = Dc(hdc);
    if (!dc || !rect) return ERROR;
    const TBandedRegion& clip = dc->EffectiveClip();
    RECT box = clip.Box();
    const int dx = dc->OffsetX(), dy = dc->OffsetY();
    *rect = clip.Empty() ? RECT{} : RECT{box.left - dx, box.top - dy, box.right - dx, box.bottom - dy};
    return clip.Kind();
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    auto dc = Dc(hdc);
    if (!dc) return ERROR;
    TBandedRegion r(gdi_dc_detail::LogicalToDevice(*dc, left, top, right, bottom));
    return gdi_dc_detail::ApplyClip(*dc, &r, RGN_DIFF);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    auto dc = Dc(hdc);
    if (!dc) return ERROR;
    TBandedRegion r(gdi_dc_detail::LogicalToDevice(*dc, left, top, right, bottom));
    return gdi_dc_detail::ApplyClip(*dc, &r, RGN_AND);
}

int OffsetClipRgn(HDC hdc, int dx, int dy) {
    auto dc = Dc(hdc);
    if (!dc) return ERROR;
    if (dc->State.Clip) dc->State.Clip->Offset(dx, dy);
    dc->InvalidateClip();
    return dc->EffectiveClip().Kind();
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    auto dc = Dc(hdc);
    if (!dc || !rect) return FALSE;
    int l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    const int dx = dc->OffsetX(), dy = dc->OffsetY();
    return dc->EffectiveClip().Overlaps(RECT{l + dx, t + dy, r + dx, b + dy}) ? TRUE : FALSE;
}

BOOL PtVisible(HDC hdc, int x, int y) {
    auto dc = Dc(hdc);
    if (!dc) return FALSE;
    return dc->EffectiveClip().Contains(x + dc->OffsetX(), y + dc->OffsetY()) ? TRUE : FALSE;
}
