// 3-D edges, frame controls and focus rectangles.
#include "platform/gdi/GdiControls.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiGeometry.h"
#include "platform/gdi/GdiRender.h"
#include "platform/gdi/GdiShapes.h"

#include <algorithm>

namespace gdi_controls_detail {

namespace sc = gdi_syscolor;

// Fills a logical rectangle with a solid colour through the DC's clip.
void Fill(HDC hdc, const RECT& r, COLORREF color) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface || r.right <= r.left || r.bottom <= r.top) return;
    gdi_render::TBrushSampler solid;
    solid.Type = gdi_render::TBrushSampler::Kind::Solid;
    solid.Solid = gdi_render::DevicePixel(*dc->Surface, color);
    gdi_render::FillSurfaceRect(*dc, gdi_render::ToSurface(*dc, r.left, r.top, r.right, r.bottom), solid,
                                R2_COPYPEN);
}

COLORREF Sys(int index) {
    return gdi_render::SysColor(index);
}

// One ring of an edge: top-left colour on the top row and left column (up to the last pixel),
// bottom-right colour on the bottom row and right column.
void Ring(HDC dc, const RECT& r, UINT sides, COLORREF topLeft, COLORREF bottomRight) {
    if (sides & BF_TOP) Fill(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    if (sides & BF_LEFT) Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    if (sides & BF_BOTTOM) Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    if (sides & BF_RIGHT) Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The ring colours (top-left, bottom-right) of an outer or inner border.
std::pair<COLORREF, COLORREF> OuterColors(UINT edge, UINT flags) {
    if (flags & BF_MONO) return {Sys(sc::WindowFrame), Sys(sc::WindowFrame)};
    if (flags & BF_FLAT) return {Sys(sc::BtnShadow), Sys(sc::BtnShadow)};
    if (edge & BDR_RAISEDOUTER)
        return {(flags & BF_SOFT) ? Sys(sc::BtnHighlight) : Sys(sc::Light3D), Sys(sc::DkShadow3D)};
    return {(flags & BF_SOFT) ? Sys(sc::DkShadow3D) : Sys(sc::BtnShadow), Sys(sc::BtnHighlight)};
}
std::pair<COLORREF, COLORREF> InnerColors(UINT edge, UINT flags) {
    if (flags & BF_MONO) return {Sys(sc::Window), Sys(sc::Window)};
    if (flags & BF_FLAT) return {Sys(sc::BtnFace), Sys(sc::BtnFace)};
    if (edge & BDR_RAISEDINNER)
        return {(flags & BF_SOFT) ? Sys(sc::Light3D) : Sys(sc::BtnHighlight), Sys(sc::BtnShadow)};
    return {(flags & BF_SOFT) ? Sys(sc::BtnShadow) : Sys(sc::DkShadow3D), Sys(sc::Light3D)};
}

void Line(HDC hdc, int x0, int y0, int x1, int y1, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(hdc, pen);
    POINT previous{};
    MoveToEx(hdc, x0, y0, &previous);
    LineTo(hdc, x1, y1);
    MoveToEx(hdc, previous.x, previous.y, nullptr);
    SelectObject(hdc, old);
    DeleteObject(pen);
}

// A diagonal edge: a line across the rectangle, between the corners the flags name.
BOOL DiagonalEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    const RECT r = *rect;
    const bool outerPresent = edge & BDR_OUTER, innerPresent = edge & BDR_INNER;
    const auto outer = OuterColors(edge, flags), inner = InnerColors(edge, flags);
    // Diagonals ending at the top right or bottom left use the bottom-right colour of the ring.
    const bool rising = (flags & (BF_TOP | BF_RIGHT)) == (BF_TOP | BF_RIGHT) ||
                        (flags & (BF_BOTTOM | BF_LEFT)) == (BF_BOTTOM | BF_LEFT);
    auto pick = [&](std::pair<COLORREF, COLORREF> c) { return rising ? c.second : c.first; };
    const int size = std::min(r.right - r.left, r.bottom - r.top);
    if (size <= 0) return TRUE;
    if (flags & BF_MIDDLE) {
        // The triangle on the inner side of the diagonal takes the face colour.
        POINT tri[3] = {{r.left, r.bottom - 1}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}};
        HBRUSH face = CreateSolidBrush(Sys(sc::BtnFace));
        HGDIOBJ oldBrush = SelectObject(dc, face);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        Polygon(dc, tri, 3);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(face);
    }
    const bool toRight = rising ? true : (flags & BF_RIGHT) != 0;
    if (outerPresent) {
        if (toRight && rising)
            Line(dc, r.left, r.bottom - 1, r.left + size, r.bottom - 1 - size, pick(outer));
        else
            Line(dc, r.left, r.top, r.left + size, r.top + size, pick(outer));
    }
    if (innerPresent) {
        if (toRight && rising)
            Line(dc, r.left + 1, r.bottom - 1, r.left + size, r.bottom - size, pick(inner));
        else
            Line(dc, r.left + 1, r.top, r.left + size, r.top + size - 1, pick(inner));
    }
    return TRUE;
}

} // namespace gdi_controls_detail

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    using namespace gdi_controls_detail;
    if (!rect || !gdi_handles::Dc(dc)) return FALSE;
    if (flags & BF_DIAGONAL) return DiagonalEdge(dc, rect, edge, flags);
    RECT r = *rect;
    const UINT sides = flags & BF_RECT;
    if (edge & BDR_OUTER) {
        const auto c = OuterColors(edge, flags);
        Ring(dc, r, sides, c.first, c.second);
    }
    // Each ring present takes one pixel on every drawn side.
    auto shrink = [&](RECT& x) {
        if (sides & BF_LEFT) ++x.left;
        if (sides & BF_TOP) ++x.top;
        if (sides & BF_RIGHT) --x.right;
        if (sides & BF_BOTTOM) --x.bottom;
    };
    if (edge & BDR_OUTER) shrink(r);
    if (edge & BDR_INNER) {
        const auto c = InnerColors(edge, flags);
        Ring(dc, r, sides, c.first, c.second);
        shrink(r);
    }
    if (flags & BF_MIDDLE) Fill(dc, r, (flags & BF_MONO) ? Sys(sc::Window) : Sys(sc::BtnFace));
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !rect || !dc->Surface) return FALSE;
    const RECT a = gdi_render::ToSurface(*dc, rect->left, rect->top, rect->right, rect->bottom);
    if (IsRectEmptyR(a)) return TRUE;
    // Every other pixel of the frame inverted (XOR), so that drawing it twice removes it.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) gdi_render::PlotRop2(*dc, x, y, 0xFFFFFFu, R2_XORPEN);
    };
    for (int x = a.left; x < a.right; ++x) {
        dot(x, a.top);
        if (a.bottom - 1 > a.top) dot(x, a.bottom - 1);
    }
    for (int y = a.top + 1; y < a.bottom - 1; ++y) {
        dot(a.left, y);
        if (a.right - 1 > a.left) dot(a.right - 1, y);
    }
    return TRUE;
}

namespace gdi_controls_detail {

// A filled polygon in one colour (no pen).
void Shape(HDC dc, const POINT* points, int count, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, points, count);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

// An arrow triangle centred in r, pointing in a direction (0 up, 1 down, 2 left, 3 right).
void Arrow(HDC dc, const RECT& r, int direction, COLORREF color) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int size = std::max(1, (std::min(w, h) - 4) / 3); // the triangle's height
    const int cx = r.left + w / 2, cy = r.top + h / 2;
    for (int i = 0; i < size + 1; ++i) {
        // Row i of the arrow from its tip: 2i + 1 pixels wide.
        switch (direction) {
        case 0:
            Fill(dc, RECT{cx - i, cy - size / 2 + i, cx + i + 1, cy - size / 2 + i + 1}, color);
            break;
        case 1:
            Fill(dc, RECT{cx - i, cy + size / 2 - i, cx + i + 1, cy + size / 2 - i + 1}, color);
            break;
        case 2:
            Fill(dc, RECT{cx - size / 2 + i, cy - i, cx - size / 2 + i + 1, cy + i + 1}, color);
            break;
        default:
            Fill(dc, RECT{cx + size / 2 - i, cy - i, cx + size / 2 - i + 1, cy + i + 1}, color);
            break;
        }
    }
}

// The check mark: a 7x7 tick, three pixels thick, centred in r.
void Check(HDC dc, const RECT& r, COLORREF color) {
    const int x = r.left + (r.right - r.left - 7) / 2, y = r.top + (r.bottom - r.top - 7) / 2;
    for (int i = 0; i < 7; ++i) {
        const int top = i < 3 ? y + 2 + i : y + 4 - (i - 2); // down for three columns, then up
        Fill(dc, RECT{x + i, top, x + i + 1, top + 3}, color);
    }
}

void PushButton(HDC dc, RECT r, UINT state) {
    UINT edge = (state & DFCS_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED;
    UINT flags = BF_RECT | BF_MIDDLE | BF_SOFT;
    if (state & DFCS_FLAT) flags |= BF_FLAT;
    if (state & DFCS_MONO) flags |= BF_MONO;
    if (state & (DFCS_PUSHED | DFCS_CHECKED)) flags &= ~BF_SOFT;
    DrawEdge(dc, &r, edge, flags);
}

// The square of the check-box mark: 13 pixels (or less) centred at the left of r.
RECT MarkBox(const RECT& r) {
    const int size = std::min({13, int(r.right - r.left), int(r.bottom - r.top)});
    const int top = r.top + (r.bottom - r.top - size) / 2;
    return RECT{r.left, top, r.left + size, top + size};
}

void CheckBox(HDC dc, const RECT& r, UINT state) {
    RECT box = MarkBox(r);
    const bool grey = state & (DFCS_INACTIVE | DFCS_PUSHED);
    UINT flags = BF_RECT | BF_ADJUST;
    if (state & (DFCS_FLAT | DFCS_MONO)) flags |= BF_MONO;
    DrawEdge(dc, &box, EDGE_SUNKEN, flags);
    Fill(dc, box, grey ? Sys(sc::BtnFace) : Sys(sc::Window));
    if (state & DFCS_CHECKED)
        Check(dc, box, (state & DFCS_INACTIVE) ? Sys(sc::BtnShadow) : Sys(sc::WindowText));
}

void RadioButton(HDC dc, const RECT& r, UINT state) {
    const RECT box = MarkBox(r);
    auto ellipse = [&](int inset, COLORREF color) {
        const RECT e{box.left + inset, box.top + inset, box.right - inset, box.bottom - inset};
        HBRUSH brush = CreateSolidBrush(color);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        // Without a pen the ellipse is one pixel smaller: grow it back.
        Ellipse(dc, e.left, e.top, e.right + 1, e.bottom + 1);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
    };
    if (state & DFCS_BUTTONRADIOMASK) {
        ellipse(0, RGB(0, 0, 0));
        return;
    }
    ellipse(0, Sys(sc::BtnShadow));
    ellipse(1, Sys(sc::DkShadow3D));
    ellipse(2, (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? Sys(sc::BtnFace) : Sys(sc::Window));
    if (state & DFCS_CHECKED) {
        const int size = box.right - box.left;
        const int dot = std::max(2, size / 3);
        const int off = (size - dot) / 2;
        const RECT d{box.left + off, box.top + off, box.left + off + dot, box.top + off + dot};
        HBRUSH brush = CreateSolidBrush((state & DFCS_INACTIVE) ? Sys(sc::BtnShadow) : Sys(sc::WindowText));
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
        Ellipse(dc, d.left, d.top, d.right + 1, d.bottom + 1);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(brush);
    }
}

void CaptionGlyph(HDC dc, const RECT& inner, UINT kind, COLORREF color) {
    const int w = inner.right - inner.left, h = inner.bottom - inner.top;
    const int size = std::max(3, std::min(w, h) * 2 / 3);
    const int x = inner.left + (w - size) / 2, y = inner.top + (h - size) / 2;
    switch (kind) {
    case DFCS_CAPTIONCLOSE:
        for (int i = 0; i < size; ++i) {
            Fill(dc, RECT{x + i, y + i, x + i + 2 > x + size ? x + size : x + i + 2, y + i + 1}, color);
            Fill(dc, RECT{x + size - i - 2 < x ? x : x + size - i - 2, y + i, x + size - i, y + i + 1},
                 color);
        }
        break;
    case DFCS_CAPTIONMIN:
        Fill(dc, RECT{x, y + size - 2, x + size, y + size}, color);
        break;
    case DFCS_CAPTIONMAX:
        Fill(dc, RECT{x, y, x + size, y + 2}, color);
        Fill(dc, RECT{x, y, x + 1, y + size}, color);
        Fill(dc, RECT{x + size - 1, y, x + size, y + size}, color);
        Fill(dc, RECT{x, y + size - 1, x + size, y + size}, color);
        break;
    case DFCS_CAPTIONRESTORE: {
        const int s = size * 2 / 3;
        for (int k = 0; k < 2; ++k) {
            const int bx = k == 0 ? x + size - s : x, by = k == 0 ? y : y + size - s;
            Fill(dc, RECT{bx, by, bx + s, by + 2}, color);
            Fill(dc, RECT{bx, by, bx + 1, by + s}, color);
            Fill(dc, RECT{bx + s - 1, by, bx + s, by + s}, color);
            Fill(dc, RECT{bx, by + s - 1, bx + s, by + s}, color);
        }
        break;
    }
    default: // help: a question mark drawn as a hook and a dot
        Fill(dc, RECT{x + 1, y, x + size - 1, y + 2}, color);
        Fill(dc, RECT{x + size - 2, y, x + size, y + size / 2}, color);
        Fill(dc, RECT{x + size / 2 - 1, y + size / 2 - 1, x + size / 2 + 1, y + size * 3 / 4}, color);
        Fill(dc, RECT{x + size / 2 - 1, y + size - 2, x + size / 2 + 1, y + size}, color);
        break;
    }
}

} // namespace gdi_controls_detail

BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
    using namespace gdi_controls_detail;
    if (!rect || !gdi_handles::Dc(dc)) return FALSE;
    const RECT r = *rect;
    const COLORREF glyph = (state & DFCS_INACTIVE) ? Sys(sc::GrayText) : Sys(sc::BtnText);
    switch (type) {
    case DFC_BUTTON:
        if (state & DFCS_BUTTONPUSH) {
            PushButton(dc, r, state);
            if (state & DFCS_ADJUSTRECT) *rect = RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        } else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOMASK | DFCS_BUTTONRADIOIMAGE)) {
            RadioButton(dc, r, state);
        } else {
            CheckBox(dc, r, state);
        }
        return TRUE;
    case DFC_SCROLL: {
        const UINT kind = state & 0xFF;
        if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
            if (!(state & DFCS_TRANSPARENT)) Fill(dc, r, Sys(sc::BtnFace));
            // Three diagonal ridges in the bottom-right corner.
            const int size = std::min(r.right - r.left, r.bottom - r.top);
            for (int k = 0; k < 3; ++k)
                for (int i = 0; i < 2; ++i) {
                    const int off = size - 4 * k - 2 - i;
                    Line(dc, r.right - 1, r.bottom - off, r.right - off, r.bottom - 1 + 1,
                         i == 0 ? Sys(sc::BtnHighlight) : Sys(sc::BtnShadow));
                }
            return TRUE;
        }
        PushButton(dc, r, state);
        const int direction = kind == DFCS_SCROLLUP      ? 0
                              : kind == DFCS_SCROLLLEFT  ? 2
                              : kind == DFCS_SCROLLRIGHT ? 3
                                                         : 1; // down and combo box
        RECT inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        if (state & DFCS_PUSHED) OffsetViewportOrgEx(dc, 1, 1, nullptr);
        if (state & DFCS_INACTIVE) {
            OffsetViewportOrgEx(dc, 1, 1, nullptr);
            Arrow(dc, inner, direction, Sys(sc::BtnHighlight));
            OffsetViewportOrgEx(dc, -1, -1, nullptr);
        }
        Arrow(dc, inner, direction, glyph);
        if (state & DFCS_PUSHED) OffsetViewportOrgEx(dc, -1, -1, nullptr);
        return TRUE;
    }
    case DFC_CAPTION: {
        PushButton(dc, r, state);
        RECT inner{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
        if (state & DFCS_INACTIVE) {
            OffsetViewportOrgEx(dc, 1, 1, nullptr);
            CaptionGlyph(dc, inner, state & 0xFF, Sys(sc::BtnHighlight));
            OffsetViewportOrgEx(dc, -1, -1, nullptr);
        }
        if (state & DFCS_PUSHED) OffsetViewportOrgEx(dc, 1, 1, nullptr);
        CaptionGlyph(dc, inner, state & 0xFF, glyph);
        if (state & DFCS_PUSHED) OffsetViewportOrgEx(dc, -1, -1, nullptr);
        return TRUE;
    }
    case DFC_MENU:
    case DFC_POPUPMENU: {
        // Menu marks are drawn in black on white, for use as masks.
        const UINT kind = state & 0xFF;
        Fill(dc, r, RGB(255, 255, 255));
        if (kind == DFCS_MENUCHECK) {
            Check(dc, r, RGB(0, 0, 0));
        } else if (kind == DFCS_MENUBULLET) {
            const int size = std::max(2, std::min(r.right - r.left, r.bottom - r.top) / 3);
            const int x = r.left + (r.right - r.left - size) / 2, y = r.top + (r.bottom - r.top - size) / 2;
            HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
            HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, x, y, x + size + 1, y + size + 1);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
        } else {
            Arrow(dc, r, kind == DFCS_MENUARROWRIGHT ? 2 : 3, RGB(0, 0, 0));
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}

HBITMAP LoadBitmap(HINSTANCE instance, const char* name) {
    if (instance != nullptr || name != OBM_CHECKBOXES) return nullptr;
    constexpr int Cell = 13;
    HDC screen = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4 * Cell, 3 * Cell, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(screen, bitmap);
    static constexpr UINT Rows[3][4] = {
        {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONCHECK | DFCS_PUSHED,
         DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_PUSHED},
        {DFCS_BUTTONRADIO, DFCS_BUTTONRADIO | DFCS_CHECKED, DFCS_BUTTONRADIO | DFCS_PUSHED,
         DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_PUSHED},
        {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONCHECK | DFCS_INACTIVE,
         DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            RECT cell{column * Cell, row * Cell, (column + 1) * Cell, (row + 1) * Cell};
            DrawFrameControl(screen, &cell, DFC_BUTTON, Rows[row][column]);
        }
    SelectObject(screen, old);
    DeleteDC(screen);
    return bitmap;
}
