// Geometry and showing: SetWindowPos and everything built on it (moving, sizing, z-order, showing,
// minimizing and maximizing, placement), and the coordinate conversions.
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace olva::win {

RECT FrameInsets(DWORD style, DWORD exStyle) {
    int edge = 0;
    if (style & WS_THICKFRAME)
        edge = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
        edge = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        edge = GetSystemMetrics(SM_CXBORDER);
    if (exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
    if (exStyle & WS_EX_STATICEDGE) edge += GetSystemMetrics(SM_CXBORDER);
    RECT r{edge, edge, edge, edge};
    if ((style & WS_CAPTION) == WS_CAPTION)
        r.top +=
            (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION) : GetSystemMetrics(SM_CYCAPTION);
    return r;
}

RECT CalcClientRect(Window* w, const RECT& windowRect, bool validRects) {
    // Answered in the parent's client coordinates; stored relative to the window.
    RECT client = windowRect;
    if (validRects) {
        NCCALCSIZE_PARAMS params;
        WINDOWPOS pos;
        pos.hwnd = w->handle;
        pos.x = windowRect.left;
        pos.y = windowRect.top;
        pos.cx = windowRect.right - windowRect.left;
        pos.cy = windowRect.bottom - windowRect.top;
        params.rgrc[0] = windowRect;
        params.rgrc[1] = w->rect;
        params.rgrc[2] = w->client;
        OffsetRect(&params.rgrc[2], w->rect.left, w->rect.top);
        params.lppos = &pos;
        SendMessage(w->handle, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        client = params.rgrc[0];
    } else {
        SendMessage(w->handle, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    }
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    OffsetRect(&client, -windowRect.left, -windowRect.top);
    return client;
}

MINMAXINFO DefaultMinMaxInfo(const Window* w) {
    MINMAXINFO mmi{};
    MONITORINFO mi;
    RECT r = WindowRectOnScreen(w);
    GetMonitorInfo(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT& work = mi.rcWork;
    RECT insets = FrameInsets(w->style, w->exStyle);
    int frame = insets.left;
    mmi.ptMaxSize = POINT{work.right - work.left + 2 * frame, work.bottom - work.top + 2 * frame};
    mmi.ptMaxPosition = POINT{-frame, -frame};
    // A captioned window keeps room for its caption; any other window (popups, undecorated frames that
    // size themselves) may shrink down to its frame.
    if ((w->style & WS_CAPTION) == WS_CAPTION)
        mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    else
        mmi.ptMinTrackSize = POINT{insets.left + insets.right, insets.top + insets.bottom};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    return mmi;
}

MINMAXINFO QueryMinMaxInfo(Window* w) {
    MINMAXINFO mmi = DefaultMinMaxInfo(w);
    SendMessage(w->handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

namespace window_pos_detail {

void RaiseOwnedWindows(Window* owner) {
    // Owned windows stay above their owner when it comes to the top.
    Window* desktop = Sys().Desktop();
    std::vector<Window*> owned;
    for (Window* c : desktop->children)
        if (c->owner == owner) owned.push_back(c);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        LinkChild(desktop, *it, HWND_TOP);
        RaiseOwnedWindows(*it);
    }
}

RECT WorkAreaOf(const Window* w) {
    MONITORINFO mi;
    RECT r = WindowRectOnScreen(w);
    GetMonitorInfo(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi);
    return mi.rcWork;
}

// The rectangle a window takes when minimized or maximized, remembering the normal one first.
RECT MinMaxRect(Window* w, int cmd) {
    RECT work = WorkAreaOf(w);
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = w->rect;
    if (cmd == SW_MAXIMIZE) {
        MINMAXINFO mmi = QueryMinMaxInfo(w);
        POINT pos{work.left + mmi.ptMaxPosition.x, work.top + mmi.ptMaxPosition.y};
        if (!IsTopLevel(w)) pos = mmi.ptMaxPosition;
        w->maxPosition = mmi.ptMaxPosition;
        return RECT{pos.x, pos.y, pos.x + mmi.ptMaxSize.x, pos.y + mmi.ptMaxSize.y};
    }
    POINT pos = w->minPosition;
    if (pos.x == -1 && pos.y == -1) pos = POINT{work.left, work.bottom - GetSystemMetrics(SM_CYMINIMIZED)};
    return RECT{pos.x, pos.y, pos.x + GetSystemMetrics(SM_CXMINIMIZED),
                pos.y + GetSystemMetrics(SM_CYMINIMIZED)};
}

} // namespace window_pos_detail

} // namespace olva::win

using namespace olva::win;

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    if (!IsGuiThread())
        return OnGuiThread([&] { return SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags); });
    WindowSystem& sys = Sys();
    auto w = sys.Hold(hwnd);
    if (!w || w.get() == sys.Desktop() || w.get() == sys.MessageRoot()) return FALSE;
    const bool topLevel = IsTopLevel(w.get());
    if (!topLevel) {
        flags |= SWP_NOACTIVATE;
        if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) insertAfter = HWND_TOP;
    }
    if (insertAfter == hwnd) flags |= SWP_NOZORDER;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if ((flags & SWP_SHOWWINDOW) && wasVisible) flags &= ~SWP_SHOWWINDOW;
    if (flags & SWP_SHOWWINDOW) flags &= ~SWP_HIDEWINDOW;
    if ((flags & SWP_HIDEWINDOW) && !wasVisible) flags &= ~SWP_HIDEWINDOW;

    WINDOWPOS wp;
    wp.hwnd = hwnd;
    wp.hwndInsertAfter = insertAfter;
    wp.x = (flags & SWP_NOMOVE) ? w->rect.left : x;
    wp.y = (flags & SWP_NOMOVE) ? w->rect.top : y;
    wp.cx = (flags & SWP_NOSIZE) ? w->rect.right - w->rect.left : cx;
    wp.cy = (flags & SWP_NOSIZE) ? w->rect.bottom - w->rect.top : cy;
    wp.flags = flags;
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
        if (w->dead) return FALSE;
        flags = wp.flags;
    }
    const RECT oldRect = w->rect;
    const RECT oldClient = w->client;
    RECT newRect{wp.x, wp.y, wp.x + std::max(wp.cx, 0), wp.y + std::max(wp.cy, 0)};
    if (flags & SWP_NOMOVE) OffsetRect(&newRect, oldRect.left - newRect.left, oldRect.top - newRect.top);
    if (flags & SWP_NOSIZE) {
        newRect.right = newRect.left + (oldRect.right - oldRect.left);
        newRect.bottom = newRect.top + (oldRect.bottom - oldRect.top);
    }
    const bool sized = (newRect.right - newRect.left) != (oldRect.right - oldRect.left) ||
                       (newRect.bottom - newRect.top) != (oldRect.bottom - oldRect.top);
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    RECT newClient = oldClient;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        newClient = CalcClientRect(w.get(), newRect, true);
        if (w->dead) return FALSE;
    }
    w->rect = newRect;
    w->client = newClient;
    if (!(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) w->normalRect = newRect;

    bool zChanged = false;
    if (!(flags & SWP_NOZORDER) && w->parent) {
        auto before = w->parent->children;
        LinkChild(w->parent, w.get(), wp.hwndInsertAfter);
        if (topLevel && !(flags & SWP_NOOWNERZORDER) &&
            (wp.hwndInsertAfter == HWND_TOP || wp.hwndInsertAfter == HWND_TOPMOST))
            window_pos_detail::RaiseOwnedWindows(w.get());
        zChanged = before != w->parent->children;
    }
    if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;

    if (!(flags & SWP_NOREDRAW)) {
        const bool visibleNow = IsReallyVisible(w.get());
        const bool clientMoved = (newRect.left + newClient.left) != (oldRect.left + oldClient.left) ||
                                 (newRect.top + newClient.top) != (oldRect.top + oldClient.top);
        if (!topLevel && w->parent && (flags & SWP_HIDEWINDOW || ((moved || sized) && wasVisible)))
            ExposeAfterChange(w->parent, oldRect);
        if (visibleNow && ((flags & SWP_SHOWWINDOW) || sized || (flags & SWP_FRAMECHANGED) ||
                           (!topLevel && (moved || clientMoved || zChanged))))
            InvalidateWindow(w.get(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }

    if (topLevel) {
        if ((flags & SWP_HIDEWINDOW) && sys.Active == hwnd)
            ActivateSomeOtherWindow(w.get());
        else if (!(flags & SWP_NOACTIVATE) && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED))
            ActivateWindow(w.get(), WA_ACTIVE);
        if (w->dead) return FALSE;
    }
    if ((flags & SWP_SHOWWINDOW) && IsReallyVisible(w.get()) && !(flags & SWP_NOREDRAW)) {
        // A window that appears gets its frame and background at once, before WM_WINDOWPOSCHANGED.
        RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASENOW);
        if (w->dead) return FALSE;
    }

    wp.x = newRect.left;
    wp.y = newRect.top;
    wp.cx = newRect.right - newRect.left;
    wp.cy = newRect.bottom - newRect.top;
    wp.flags = flags & ~(SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE);
    if ((newClient.right - newClient.left) == (oldClient.right - oldClient.left) &&
        (newClient.bottom - newClient.top) == (oldClient.bottom - oldClient.top))
        wp.flags |= SWP_NOCLIENTSIZE;
    if (newRect.left + newClient.left == oldRect.left + oldClient.left &&
        newRect.top + newClient.top == oldRect.top + oldClient.top)
        wp.flags |= SWP_NOCLIENTMOVE;
    if (sized || moved) wp.flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
    if (!sized) wp.flags |= SWP_NOSIZE;
    if (!moved) wp.flags |= SWP_NOMOVE;
    NotifyPresenterWindowChanged(w.get());
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    if (!IsGuiThread()) return OnGuiThread([&] { return ShowWindow(hwnd, cmd); });
    WindowSystem& sys = Sys();
    auto w = sys.Hold(hwnd);
    if (!w || w.get() == sys.Desktop()) return FALSE;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool topLevel = IsTopLevel(w.get());
    const bool minimized = (w->style & WS_MINIMIZE) != 0;
    const bool maximized = (w->style & WS_MAXIMIZE) != 0;
    UINT swp = SWP_NOSIZE | SWP_NOMOVE;
    bool show = true;
    int state = 0; // 0 keep, SW_MINIMIZE, SW_MAXIMIZE, SW_RESTORE
    switch (cmd) {
    case SW_HIDE:
        if (!wasVisible) return FALSE;
        show = false;
        swp |= SWP_HIDEWINDOW | SWP_NOZORDER;
        if (sys.Active != hwnd) swp |= SWP_NOACTIVATE;
        break;
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE:
        state = SW_MINIMIZE;
        if (cmd != SW_SHOWMINIMIZED) swp |= SWP_NOACTIVATE;
        break;
    case SW_SHOWMAXIMIZED:
        state = SW_MAXIMIZE;
        break;
    case SW_SHOWNA:
        swp |= SWP_NOACTIVATE;
        break;
    case SW_SHOWNOACTIVATE:
        swp |= SWP_NOACTIVATE;
        if (minimized || maximized) state = SW_RESTORE;
        break;
    case SW_SHOW:
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        if (minimized || maximized) state = SW_RESTORE;
        break;
    default:
        return FALSE;
    }
    if (!topLevel) swp |= SWP_NOACTIVATE | SWP_NOZORDER;
    if (w->exStyle & WS_EX_NOACTIVATE) swp |= SWP_NOACTIVATE;
    if ((state == SW_MINIMIZE && minimized) || (state == SW_MAXIMIZE && maximized)) state = 0;
    if (show) swp |= SWP_SHOWWINDOW;

    RECT target{};
    if (state) {
        if (HasHooks(WH_CBT) && RunHooks(WH_CBT, HCBT_MINMAX, WPARAM(hwnd), LPARAM(cmd))) return wasVisible;
        // A minimized window is asked before it opens again, and may stay as it is.
        if (minimized && state != SW_MINIMIZE && !SendMessage(hwnd, WM_QUERYOPEN, 0, 0)) return wasVisible;
        if (w->dead) return FALSE;
        if (state == SW_MINIMIZE) {
            w->restoreToMaximized = maximized;
            target = window_pos_detail::MinMaxRect(w.get(), SW_MINIMIZE);
            w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
        } else if (state == SW_MAXIMIZE) {
            target = window_pos_detail::MinMaxRect(w.get(), SW_MAXIMIZE);
            w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
        } else if (minimized && w->restoreToMaximized) {
            target = window_pos_detail::MinMaxRect(w.get(), SW_MAXIMIZE); // keeps the normal rectangle
            w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
        } else {
            w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            target = w->normalRect;
        }
        if (w->dead) return FALSE;
        swp &= ~(SWP_NOSIZE | SWP_NOMOVE);
        swp |= SWP_FRAMECHANGED | SWP_STATECHANGED;
    }
    if (show != wasVisible) {
        SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (w->dead) return FALSE;
    }
    if (show == wasVisible && !state && (swp & SWP_NOACTIVATE)) return wasVisible;
    SetWindowPos(hwnd, HWND_TOP, target.left, target.top, target.right - target.left,
                 target.bottom - target.top, swp);
    if (w->dead) return wasVisible;
    if (state == SW_MINIMIZE && cmd == SW_MINIMIZE && sys.Active == hwnd) ActivateSomeOtherWindow(w.get());
    if (state == SW_MINIMIZE && sys.Focus && Sys().Find(sys.Focus) &&
        TopLevelOf(Sys().Find(sys.Focus)) == w.get() && sys.Focus != hwnd)
        SetFocus(nullptr); // a minimized window keeps no focused child
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    return w && IsReallyVisible(w) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    return w && (w->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    return w && (w->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    if (!IsGuiThread()) return OnGuiThread([&] { return GetWindowRect(hwnd, rect); });
    Window* w = Sys().Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = w == Sys().Desktop() ? w->rect : WindowRectOnScreen(w);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    if (!IsGuiThread()) return OnGuiThread([&] { return GetClientRect(hwnd, rect); });
    Window* w = Sys().Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
    if (!IsGuiThread()) return OnGuiThread([&] { return ClientToScreen(hwnd, pt); });
    Window* w = Sys().Find(hwnd);
    if (!w || !pt) return FALSE;
    if (w == Sys().Desktop()) return TRUE;
    POINT o = ClientOriginOnScreen(w);
    pt->x += o.x;
    pt->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* pt) {
    if (!IsGuiThread()) return OnGuiThread([&] { return ScreenToClient(hwnd, pt); });
    Window* w = Sys().Find(hwnd);
    if (!w || !pt) return FALSE;
    if (w == Sys().Desktop()) return TRUE;
    POINT o = ClientOriginOnScreen(w);
    pt->x -= o.x;
    pt->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a{0, 0}, b{0, 0};
    if ((from && !ClientToScreen(from, &a)) || (to && !ClientToScreen(to, &b))) return 0;
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return int(MAKELONG(WORD(SHORT(dx)), WORD(SHORT(dy))));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) return FALSE;
    RECT insets = FrameInsets(style, exStyle);
    rect->left -= insets.left;
    rect->top -= insets.top;
    rect->right += insets.right;
    rect->bottom += insets.bottom;
    if (menu) rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* wp) {
    Window* w = Sys().Find(hwnd);
    if (!w || !wp) return FALSE;
    wp->flags = w->restoreToMaximized && (w->style & WS_MINIMIZE) ? WPF_RESTORETOMAXIMIZED : 0;
    if (!(w->style & WS_VISIBLE))
        wp->showCmd = SW_HIDE;
    else if (w->style & WS_MINIMIZE)
        wp->showCmd = SW_SHOWMINIMIZED;
    else if (w->style & WS_MAXIMIZE)
        wp->showCmd = SW_SHOWMAXIMIZED;
    else
        wp->showCmd = SW_SHOWNORMAL;
    wp->ptMinPosition = w->minPosition;
    wp->ptMaxPosition = w->maxPosition;
    wp->rcNormalPosition = (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->normalRect : w->rect;
    if (IsTopLevel(w)) {
        // Workspace coordinates: relative to the primary monitor's work area.
        RECT work = Monitors().front().work;
        OffsetRect(&wp->rcNormalPosition, -work.left, -work.top);
    }
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* wp) {
    auto w = Sys().Hold(hwnd);
    if (!w || !wp) return FALSE;
    RECT normal = wp->rcNormalPosition;
    if (IsTopLevel(w.get())) {
        RECT work = Monitors().front().work;
        OffsetRect(&normal, work.left, work.top);
    }
    if (wp->flags & WPF_SETMINPOSITION) w->minPosition = wp->ptMinPosition;
    w->restoreToMaximized = (wp->flags & WPF_RESTORETOMAXIMIZED) != 0;
    if (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        w->normalRect = normal;
    } else {
        SetWindowPos(hwnd, nullptr, normal.left, normal.top, normal.right - normal.left,
                     normal.bottom - normal.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (!w->dead) ShowWindow(hwnd, int(wp->showCmd));
    return w->dead ? FALSE : TRUE;
}
