// The classic frame: geometry, hit testing and drawing of the default non-client area.
#include "platform/win/NonClient.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/win/ApplicationIcon.h"
#include "platform/win/Screen.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace olva::win {

namespace non_client_detail {
bool HasCaption(const Window* w) {
    return (w->style & WS_CAPTION) == WS_CAPTION;
}
int CaptionHeight(const Window* w) {
    return (w->exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION)
                                           : GetSystemMetrics(SM_CYCAPTION);
}
int OuterFrame(const Window* w) {
    // A minimized window is a caption in a thin fixed frame, whatever its frame when open.
    if (w->style & WS_MINIMIZE) return GetSystemMetrics(SM_CXDLGFRAME);
    // The frame without the client edge.
    RECT r = FrameInsets(w->style, w->exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    return r.left;
}
int Width(const Window* w) {
    return w->rect.right - w->rect.left;
}
int Height(const Window* w) {
    return w->rect.bottom - w->rect.top;
}
// The icon the caption shows: the class's, else the program's; a dialog frame without an icon of its own
// shows none.
HICON CaptionIcon(const Window* w) {
    if (HICON icon = w->cls->smallIcon ? w->cls->smallIcon : w->cls->icon) return icon;
    if (w->exStyle & WS_EX_DLGMODALFRAME) return nullptr;
    return ApplicationIcon(GetSystemMetrics(SM_CXSMICON));
}
bool HasIconSlot(const Window* w) {
    return (w->style & WS_SYSMENU) && !(w->exStyle & WS_EX_TOOLWINDOW) && CaptionIcon(w);
}
} // namespace non_client_detail

RECT CaptionRect(const Window* w) {
    using namespace non_client_detail;
    if (!HasCaption(w)) return RECT{};
    int f = OuterFrame(w);
    return RECT{f, f, Width(w) - f, f + CaptionHeight(w) - 1};
}

RECT CaptionButtonRect(const Window* w, LRESULT button) {
    using namespace non_client_detail;
    if (!HasCaption(w) || !(w->style & WS_SYSMENU)) return RECT{};
    const bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    RECT cap = CaptionRect(w);
    int bw = (tool ? GetSystemMetrics(SM_CXSMSIZE) : GetSystemMetrics(SM_CXSIZE)) - 2;
    int bh = (cap.bottom - cap.top) - 4;
    RECT close{cap.right - 2 - bw, cap.top + 2, cap.right - 2, cap.top + 2 + bh};
    if (button == HTCLOSE) return close;
    if (tool || !(w->style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX))) return RECT{};
    RECT max = close;
    OffsetRect(&max, -(bw + 2), 0);
    if (button == HTMAXBUTTON) return max;
    RECT min = max;
    OffsetRect(&min, -bw, 0);
    if (button == HTMINBUTTON) return min;
    return RECT{};
}

void DefaultCalcSize(Window* w, RECT& rect) {
    if (w->style & WS_MINIMIZE) {
        rect.right = rect.left;
        rect.bottom = rect.top;
        return;
    }
    RECT insets = FrameInsets(w->style, w->exStyle);
    rect.left += insets.left;
    rect.top += insets.top;
    rect.right -= insets.right;
    rect.bottom -= insets.bottom;
    if (w->style & WS_VSCROLL) rect.right -= GetSystemMetrics(SM_CXVSCROLL);
    if (w->style & WS_HSCROLL) rect.bottom -= GetSystemMetrics(SM_CYHSCROLL);
    rect.right = std::max(rect.right, rect.left);
    rect.bottom = std::max(rect.bottom, rect.top);
}

LRESULT DefaultHitTest(Window* w, POINT screen) {
    using namespace non_client_detail;
    RECT wr = WindowRectOnScreen(w);
    if (!PtInRect(&wr, screen)) return HTNOWHERE;
    POINT p{screen.x - wr.left, screen.y - wr.top};
    if (w->style & WS_MINIMIZE) {
        // All caption: its buttons, its icon, and the rest (the frame too) to move it by.
        for (LRESULT b : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
            RECT r = CaptionButtonRect(w, b);
            if (PtInRect(&r, p)) return b;
        }
        RECT cap = CaptionRect(w);
        if (HasIconSlot(w) && PtInRect(&cap, p) && p.x < cap.left + GetSystemMetrics(SM_CXSMICON) + 2)
            return HTSYSMENU;
        return HTCAPTION;
    }
    if (PtInRect(&w->client, p)) return HTCLIENT;
    const int width = Width(w), height = Height(w);
    const int frame = OuterFrame(w);
    const bool sizable = (w->style & WS_THICKFRAME) && !(w->style & WS_MAXIMIZE);
    if (sizable) {
        const int corner = GetSystemMetrics(SM_CYCAPTION) + frame;
        const bool left = p.x < frame, right = p.x >= width - frame;
        const bool top = p.y < frame, bottom = p.y >= height - frame;
        if (left || right || top || bottom) {
            const bool nearTop = p.y < corner, nearBottom = p.y >= height - corner;
            const bool nearLeft = p.x < corner, nearRight = p.x >= width - corner;
            if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
            if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
            if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
            if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
            if (left) return HTLEFT;
            if (right) return HTRIGHT;
            if (top) return HTTOP;
            return HTBOTTOM;
        }
    } else if (p.x < frame || p.x >= width - frame || p.y < frame || p.y >= height - frame) {
        return HTBORDER;
    }
    RECT cap = CaptionRect(w);
    if (PtInRect(&cap, p) || (HasCaption(w) && p.y >= cap.top && p.y <= cap.bottom)) {
        for (LRESULT b : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON}) {
            RECT r = CaptionButtonRect(w, b);
            if (PtInRect(&r, p)) return b;
        }
        if (HasIconSlot(w) && p.x < cap.left + GetSystemMetrics(SM_CXSMICON) + 2) return HTSYSMENU;
        return HTCAPTION;
    }
    RECT client = w->client;
    if ((w->style & WS_VSCROLL) && p.x >= client.right && p.y >= client.top && p.y < client.bottom)
        return HTVSCROLL;
    if ((w->style & WS_HSCROLL) && p.y >= client.bottom && p.x >= client.left && p.x < client.right)
        return HTHSCROLL;
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL) && p.x >= client.right && p.y >= client.bottom)
        return (w->style & WS_THICKFRAME) ? HTSIZE : HTNOWHERE;
    // The edges of the default frame are border; a non-client area the window made itself (its own
    // WM_NCCALCSIZE) is nowhere, so that the window can answer for it.
    RECT insets = FrameInsets(w->style, w->exStyle);
    RECT inner{insets.left, insets.top, width - insets.right, height - insets.bottom};
    return PtInRect(&inner, p) ? HTNOWHERE : HTBORDER;
}

void PaintNonClient(Window* w, HDC dc, bool active) {
    using namespace non_client_detail;
    const int width = Width(w), height = Height(w);
    RECT r{0, 0, width, height};
    const int frame = OuterFrame(w);
    if ((w->style & (WS_THICKFRAME | WS_DLGFRAME)) || (w->exStyle & WS_EX_DLGMODALFRAME)) {
        // Raised two-pixel edge, then the rest of the frame in the border colour.
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        HBRUSH border = GetSysColorBrush(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
        for (int i = 2; i < frame; ++i) {
            FrameRect(dc, &r, border);
            InflateRect(&r, -1, -1);
        }
    } else if (w->style & WS_BORDER) {
        FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    if (HasCaption(w)) {
        RECT cap = CaptionRect(w);
        FillRect(dc, &cap, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
        RECT line{cap.left, cap.bottom, cap.right, cap.bottom + 1};
        FillRect(dc, &line, GetSysColorBrush(COLOR_3DFACE));
        // Icon and title, left-aligned, up to the first caption button.
        RECT text = cap;
        text.left += 2;
        const bool tool = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
        if (HasIconSlot(w)) {
            const int size = GetSystemMetrics(SM_CXSMICON);
            DrawIconEx(dc, text.left, cap.top + (cap.bottom - cap.top - size) / 2, CaptionIcon(w), size, size,
                       0, nullptr, DI_NORMAL);
            text.left += size + 2;
        }
        for (LRESULT b : {HTMINBUTTON, HTMAXBUTTON, HTCLOSE}) {
            RECT br = CaptionButtonRect(w, b);
            if (!IsRectEmpty(&br)) {
                text.right = br.left - 2;
                break;
            }
        }
        if (!w->text.empty() && text.right > text.left) {
            NONCLIENTMETRICS ncm;
            SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
            HFONT font = CreateFontIndirect(tool ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont);
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
            DrawText(dc, w->text.c_str(), int(w->text.size()), &text,
                     DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
            SelectObject(dc, old);
            DeleteObject(font);
        }
        struct Button {
            LRESULT hit;
            UINT kind;
        };
        const Button buttons[] = {
            {HTCLOSE, DFCS_CAPTIONCLOSE},
            {HTMAXBUTTON, (w->style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX},
            {HTMINBUTTON, (w->style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN}};
        for (const Button& b : buttons) {
            RECT br = CaptionButtonRect(w, b.hit);
            if (IsRectEmpty(&br)) continue;
            UINT state = b.kind;
            if ((b.hit == HTMAXBUTTON && !(w->style & WS_MAXIMIZEBOX)) ||
                (b.hit == HTMINBUTTON && !(w->style & WS_MINIMIZEBOX)) ||
                (b.hit == HTCLOSE && (w->cls->style & CS_NOCLOSE)))
                state |= DFCS_INACTIVE;
            DrawFrameControl(dc, &br, DFC_CAPTION, state);
        }
        r.top = cap.bottom + 1;
    }
    RECT client = w->client;
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        RECT edge = client;
        InflateRect(&edge, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
        if (w->style & WS_VSCROLL) edge.right += GetSystemMetrics(SM_CXVSCROLL);
        if (w->style & WS_HSCROLL) edge.bottom += GetSystemMetrics(SM_CYHSCROLL);
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    }
    if (w->exStyle & WS_EX_STATICEDGE) {
        RECT edge = client;
        const int inner = (w->exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : 0;
        InflateRect(&edge, inner + 1, inner + 1);
        if (w->style & WS_VSCROLL) edge.right += GetSystemMetrics(SM_CXVSCROLL);
        if (w->style & WS_HSCROLL) edge.bottom += GetSystemMetrics(SM_CYHSCROLL);
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    PaintScrollBars(w, dc);
}

} // namespace olva::win
