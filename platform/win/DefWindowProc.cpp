// The default answers to window messages.
#include "platform/gdi/Gdi.h"
#include "platform/win/Cursors.h"
#include "platform/win/NonClient.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>

namespace olva::win {

namespace def_window_proc_detail {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0) return 0;
    std::size_t n = std::min<std::size_t>(text.size(), size - 1);
    // Never cut a UTF-8 sequence in half.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(out, text.data(), n);
    out[n] = 0;
    return LRESULT(n);
}

HBRUSH BackgroundBrush(const Window* w) {
    HBRUSH brush = w->cls->background;
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value && value <= COLOR_COUNT) brush = GetSysColorBrush(int(value - 1)); // (HBRUSH)(COLOR_x + 1)
    return brush;
}

void PrintNonClient(Window* w, HDC dc) {
    PaintNonClient(w, dc, Sys().Active == w->handle);
}

LRESULT Print(HWND hwnd, Window* w, HDC dc, LPARAM options) {
    if ((options & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd)) return 0;
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    if (options & PRF_NONCLIENT) PrintNonClient(w, dc);
    // Client drawing stays inside the client area. With the frame it starts at the client origin in the
    // window; without it the DC's origin stands for the client origin.
    const POINT client = (options & PRF_NONCLIENT) ? POINT{w->client.left, w->client.top} : POINT{0, 0};
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x + client.x, origin.y + client.y, nullptr);
    IntersectClipRect(dc, 0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top);
    if (options & PRF_ERASEBKGND) SendMessage(hwnd, WM_ERASEBKGND, WPARAM(dc), 0);
    if (options & PRF_CLIENT) SendMessage(hwnd, WM_PRINTCLIENT, WPARAM(dc), options);
    RestoreDC(dc, saved);
    if (options & PRF_CHILDREN) {
        std::vector<HWND> children;
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
            children.push_back((*it)->handle);
        for (HWND ch : children) {
            Window* c = Sys().Find(ch);
            if (!c || !(c->style & WS_VISIBLE)) continue;
            int saved = SaveDC(dc);
            SetViewportOrgEx(dc, origin.x + client.x + c->rect.left, origin.y + client.y + c->rect.top,
                             nullptr);
            IntersectClipRect(dc, 0, 0, c->rect.right - c->rect.left, c->rect.bottom - c->rect.top);
            SendMessage(ch, WM_PRINT, WPARAM(dc), options | PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT);
            RestoreDC(dc, saved);
        }
    }
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    return 0;
}

LRESULT SysCommand(HWND hwnd, Window* w, WPARAM cmd, LPARAM lParam) {
    if (HasHooks(WH_CBT) && RunHooks(WH_CBT, HCBT_SYSCOMMAND, cmd, lParam)) return 0;
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (cmd & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE:
        if (IsZoomed(hwnd) && (cmd & 0xFFF0) == SC_SIZE) return 0;
        RunSizeMoveLoop(hwnd, cmd, pt);
        return 0;
    case SC_MINIMIZE:
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        return 0;
    case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        return 0;
    case SC_CLOSE:
        if (!(w->cls->style & CS_NOCLOSE)) SendMessage(hwnd, WM_CLOSE, 0, 0);
        return 0;
    case SC_MOUSEMENU:
    case SC_KEYMENU:
        // From the keyboard only Alt+Space opens the window menu: there is no native menu bar for
        // Alt or F10 alone to select.
        if ((cmd & 0xFFF0) == SC_KEYMENU && lParam != ' ') return 0;
        if ((w->style & WS_SYSMENU) && IsTopLevel(w)) TrackSystemMenu(hwnd, cmd & 0xFFF0, pt);
        return 0;
    default:
        return 0;
    }
}

} // namespace def_window_proc_detail

} // namespace olva::win

using namespace olva::win;
using namespace olva::win::def_window_proc_detail;

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto w = Sys().Hold(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName && reinterpret_cast<std::uintptr_t>(cs->lpszName) > 0xFFFF)
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCDESTROY:
        ForgetScrollBars(hwnd);
        return 0;
    case WM_NCCALCSIZE: {
        RECT* r = reinterpret_cast<RECT*>(lParam); // rgrc[0] of NCCALCSIZE_PARAMS when wParam is TRUE
        if (r) DefaultCalcSize(w.get(), *r);
        return 0;
    }
    case WM_NCHITTEST:
        return DefaultHitTest(w.get(), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT: {
        HDC dc = GetWindowDC(hwnd);
        PaintNonClient(w.get(), dc, IsTopLevel(w.get()) ? Sys().Active == hwnd : true);
        ReleaseDC(hwnd, dc);
        return 0;
    }
    case WM_NCACTIVATE:
        if (IsTopLevel(w.get()) && (w->style & WS_VISIBLE) && ((w->style & WS_CAPTION) == WS_CAPTION)) {
            HDC dc = GetWindowDC(hwnd);
            PaintNonClient(w.get(), dc, wParam != 0);
            ReleaseDC(hwnd, dc);
        }
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent) {
            LRESULT r = SendMessage(w->parent->handle, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) return r;
        }
        return MA_ACTIVATE;
    case WM_SETCURSOR: {
        const LRESULT hit = SHORT(LOWORD(lParam));
        if ((w->style & WS_CHILD) && w->parent &&
            SendMessage(w->parent->handle, WM_SETCURSOR, wParam, lParam))
            return TRUE;
        if (hit == HTERROR) {
            const UINT mouseMsg = HIWORD(lParam);
            if (mouseMsg == WM_LBUTTONDOWN || mouseMsg == WM_RBUTTONDOWN || mouseMsg == WM_MBUTTONDOWN ||
                mouseMsg == WM_NCLBUTTONDOWN || mouseMsg == WM_NCRBUTTONDOWN || mouseMsg == WM_NCMBUTTONDOWN)
                MessageBeep(0);
            return FALSE;
        }
        if (hit == HTCLIENT) {
            if (w->cls->cursor) {
                SetCursor(w->cls->cursor);
                return TRUE;
            }
            return FALSE;
        }
        SetCursor(LoadCursor(nullptr, CursorForHitTest(hit)));
        return TRUE;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = BackgroundBrush(w.get());
        if (!brush) return 0;
        RECT r;
        GetClipBox(HDC(wParam), &r);
        FillRect(HDC(wParam), &r, brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINT:
        return Print(hwnd, w.get(), HDC(wParam), lParam);
    case WM_SETTEXT: {
        const char* text = reinterpret_cast<const char*>(lParam);
        w->text = text ? text : "";
        if ((w->style & WS_CAPTION) == WS_CAPTION && IsReallyVisible(w.get())) w->frameDirty = true;
        // The host's title follows the text of every top-level window, caption or not (a form that
        // draws its own caption hands its text on as the window text).
        if (w->style & WS_VISIBLE) NotifyPresenterWindowChanged(w.get());
        return TRUE;
    }
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return LRESULT(w->text.size());
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING: {
        auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
        if (wp && !(wp->flags & SWP_NOSIZE) && IsTopLevel(w.get()) &&
            (w->style & (WS_THICKFRAME | WS_CAPTION)) && !(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
            const MINMAXINFO mmi = QueryMinMaxInfo(w.get());
            wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x,
                                     std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
            wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y,
                                     std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
        }
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!wp) return 0;
        if (!(wp->flags & SWP_NOCLIENTMOVE))
            SendMessage(hwnd, WM_MOVE, 0,
                        MAKELPARAM(WORD(SHORT(w->rect.left + w->client.left)),
                                   WORD(SHORT(w->rect.top + w->client.top))));
        if (!(wp->flags & SWP_NOCLIENTSIZE) || (wp->flags & SWP_STATECHANGED)) {
            WPARAM kind = (w->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                          : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                     : SIZE_RESTORED;
            SendMessage(
                hwnd, WM_SIZE, kind,
                MAKELPARAM(WORD(w->client.right - w->client.left), WORD(w->client.bottom - w->client.top)));
        }
        return 0;
    }
    case WM_GETMINMAXINFO:
        return 0;
    case WM_SHOWWINDOW:
        return 0;
    case WM_SETREDRAW:
        // Drawing off hides the window from painting without hiding it from the user; drawing on
        // restores it, and the caller repaints.
        if (wParam) {
            w->redrawDisabled = false;
            w->style |= WS_VISIBLE;
        } else {
            w->redrawDisabled = true;
            w->style &= ~WS_VISIBLE;
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) ReleaseCapture();
        return 0;
    case WM_NCLBUTTONDOWN: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        switch (LRESULT(wParam)) {
        case HTCAPTION:
            SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
            break;
        case HTLEFT:
        case HTRIGHT:
        case HTTOP:
        case HTTOPLEFT:
        case HTTOPRIGHT:
        case HTBOTTOM:
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + (wParam - HTLEFT + WMSZ_LEFT), lParam);
            break;
        case HTSIZE: // the size box sizes from the bottom-right corner
            SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
            break;
        case HTSYSMENU:
            SendMessage(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU | HTSYSMENU, lParam);
            break;
        case HTCLOSE:
        case HTMINBUTTON:
        case HTMAXBUTTON:
            TrackCaptionButton(hwnd, LRESULT(wParam));
            break;
        case HTHSCROLL:
        case HTVSCROLL:
            TrackScrollBar(hwnd, LRESULT(wParam), pt);
            break;
        default:
            break;
        }
        (void)pt;
        return 0;
    }
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTHSCROLL || wParam == HTVSCROLL) // a quick second click presses the bar again
            TrackScrollBar(hwnd, LRESULT(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        else if (wParam == HTCAPTION && IsIconic(hwnd)) // a minimized window opens again
            SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, lParam);
        else if (wParam == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
            SendMessage(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, lParam);
        else if (wParam == HTSYSMENU)
            SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        return 0;
    case WM_RBUTTONUP: {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hwnd, &pt);
        SendMessage(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), MAKELPARAM(WORD(SHORT(pt.x)), WORD(SHORT(pt.y))));
        return 0;
    }
    case WM_NCRBUTTONUP:
        if (wParam == HTCAPTION || wParam == HTSYSMENU)
            SendMessage(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), lParam);
        return 0;
    case WM_CONTEXTMENU:
        if ((w->style & WS_CHILD) && w->parent)
            return SendMessage(w->parent->handle, WM_CONTEXTMENU, wParam, lParam);
        if (IsTopLevel(w.get()) && (w->style & WS_SYSMENU) &&
            DefaultHitTest(w.get(), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) == HTCAPTION)
            TrackSystemMenu(hwnd, SC_MOUSEMENU, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
        if ((w->style & WS_CHILD) && w->parent) return SendMessage(w->parent->handle, msg, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        return SysCommand(hwnd, w.get(), wParam, lParam);
    case WM_SYSKEYDOWN:
        if (wParam == WPARAM(VK_F4) && (lParam & KF_ALTDOWN_BIT))
            SendMessage(TopLevelOf(w.get())->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (wParam == WPARAM(VK_F10) && GetKeyState(VK_SHIFT) < 0) // the keyboard's context menu
            SendMessage(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), LPARAM(-1));
        return 0;
    case WM_KEYUP:
        if (wParam == WPARAM(VK_APPS)) SendMessage(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), LPARAM(-1));
        return 0;
    case WM_SYSCHAR:
        if (wParam == ' ' && (lParam & KF_ALTDOWN_BIT))
            SendMessage(TopLevelOf(w.get())->handle, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HDC dc = HDC(wParam);
        const bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_3DFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(window                        ? COLOR_WINDOW
                                                          : msg == WM_CTLCOLORSCROLLBAR ? COLOR_SCROLLBAR
                                                                                        : COLOR_3DFACE));
    }
    case WM_GETFONT:
        return 0;
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam ? w->cls->icon : w->cls->smallIcon);
    case WM_MENUCHAR:
        return MAKELONG(0, MNC_IGNORE);
    case WM_QUERYOPEN:
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_SYNCPAINT:
        RedrawWindow(hwnd, nullptr, nullptr, RDW_ERASENOW | RDW_ALLCHILDREN);
        return 0;
    case WM_CHANGEUISTATE:
        // Passed up to the top; the top window tells its whole tree.
        if ((w->style & WS_CHILD) && w->parent) return SendMessage(w->parent->handle, msg, wParam, lParam);
        SendMessage(hwnd, WM_UPDATEUISTATE, wParam, lParam);
        return 0;
    case WM_UPDATEUISTATE: {
        std::vector<HWND> children;
        for (Window* c : w->children)
            children.push_back(c->handle);
        for (HWND c : children)
            SendMessage(c, WM_UPDATEUISTATE, wParam, lParam);
        return 0;
    }
    case WM_XBUTTONUP:
    case WM_NCXBUTTONUP:
        return TRUE;
    default:
        return 0;
    }
}
