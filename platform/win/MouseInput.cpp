// Mouse input: hit testing down the window tree, capture, click activation, cursors set through
// WM_SETCURSOR, double clicks, and leave/hover tracking.
#include "platform/gdi/Surface.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace olva::win {

bool IsSecondClick(HWND hwnd, UINT down, POINT pt, DWORD time) {
    const auto& last = Sys().LastClick;
    return last.message == down && last.hwnd == hwnd && time - last.time <= GetDoubleClickTime() &&
           std::abs(pt.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(pt.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

void RememberClick(HWND hwnd, UINT down, POINT pt, DWORD time) {
    auto& last = Sys().LastClick;
    last.message = down;
    last.hwnd = hwnd;
    last.time = time;
    last.pt = pt;
}

namespace mouse_detail {

bool InWindowShape(const Window* w, POINT screen) {
    RECT r = WindowRectOnScreen(w);
    if (!PtInRect(&r, screen)) return false;
    if (w->windowRegion) return w->windowRegion->Contains(screen.x - r.left, screen.y - r.top);
    return true;
}

// Layered windows let the mouse through where they show nothing: fully transparent pixels of a
// per-pixel-alpha picture, and pixels of the colour key.
bool LayeredPixelIsHole(const Window* w, POINT screen) {
    if (!(w->exStyle & WS_EX_LAYERED) || !w->surface) return false;
    POINT o = WindowOriginOnScreen(w);
    std::uint32_t pixel = w->surface->Pixel(screen.x - o.x, screen.y - o.y);
    if (w->layeredContentSet && w->layeredPerPixelAlpha && (pixel >> 24) == 0) return true;
    if ((w->layeredFlags & LWA_COLORKEY) && (pixel & 0xFFFFFF) == (ColorRefToPixel(w->layeredKey) & 0xFFFFFF))
        return true;
    return false;
}

// The deepest window under the point inside w (w included), asking WM_NCHITTEST on the way back up.
Window* HitTestWindow(Window* w, POINT screen, LRESULT& hit) {
    if (w->style & WS_DISABLED) {
        if (w->style & WS_CHILD) return nullptr; // a disabled child belongs to its parent
        hit = HTERROR;
        return w;
    }
    if (!(w->style & WS_MINIMIZE)) {
        RECT client = ClientRectOnScreen(w);
        if (PtInRect(&client, screen)) {
            std::vector<HWND> children;
            for (Window* c : w->children)
                children.push_back(c->handle);
            for (HWND h : children) {
                Window* c = Sys().Find(h);
                if (!c || !(c->style & WS_VISIBLE) || !InWindowShape(c, screen)) continue;
                if (Window* found = HitTestWindow(c, screen, hit)) return found;
            }
        }
    }
    HWND handle = w->handle;
    hit = SendMessage(handle, WM_NCHITTEST, 0, MAKELPARAM(WORD(SHORT(screen.x)), WORD(SHORT(screen.y))));
    if (!Sys().Find(handle) || hit == HTTRANSPARENT) return nullptr;
    return w;
}

Window* HitTestScreen(POINT screen, LRESULT& hit) {
    std::vector<HWND> tops;
    for (Window* c : Sys().Desktop()->children)
        tops.push_back(c->handle);
    for (HWND h : tops) {
        Window* top = Sys().Find(h);
        if (!top || !(top->style & WS_VISIBLE) || !InWindowShape(top, screen)) continue;
        if (top->exStyle & WS_EX_LAYERED && (top->exStyle & WS_EX_TRANSPARENT)) continue; // click-through
        if (LayeredPixelIsHole(top, screen)) continue;
        if (Window* found = HitTestWindow(top, screen, hit)) return found;
    }
    hit = HTNOWHERE;
    return nullptr;
}

WPARAM MouseKeys(const BYTE* state) {
    WPARAM keys = 0;
    if (state[VK_LBUTTON] & 0x80) keys |= MK_LBUTTON;
    if (state[VK_RBUTTON] & 0x80) keys |= MK_RBUTTON;
    if (state[VK_MBUTTON] & 0x80) keys |= MK_MBUTTON;
    if (state[VK_SHIFT] & 0x80) keys |= MK_SHIFT;
    if (state[VK_CONTROL] & 0x80) keys |= MK_CONTROL;
    return keys;
}

constexpr int ButtonVk[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
UINT DoubleClickTime = 500;
std::optional<RECT> CursorClip;

POINT Clipped(POINT p) {
    if (!CursorClip) return p;
    const RECT& r = *CursorClip;
    p.x = std::clamp<LONG>(p.x, r.left, std::max<LONG>(r.left, r.right - 1));
    p.y = std::clamp<LONG>(p.y, r.top, std::max<LONG>(r.top, r.bottom - 1));
    return p;
}
constexpr UINT ButtonDown[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

bool IsButtonDown(UINT m) {
    return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_NCLBUTTONDOWN ||
           m == WM_NCRBUTTONDOWN || m == WM_NCMBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDBLCLK ||
           m == WM_MBUTTONDBLCLK || m == WM_NCLBUTTONDBLCLK || m == WM_NCRBUTTONDBLCLK ||
           m == WM_NCMBUTTONDBLCLK;
}

bool IsClientMouse(UINT m) {
    return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST;
}

// A second press close enough in time and place becomes a double click; a third starts over.
void ApplyDoubleClick(MSG& msg, Window* w, bool commit) {
    WindowSystem& sys = Sys();
    const bool nonClient = !IsClientMouse(msg.message);
    const UINT down = msg.message;
    if (down != WM_LBUTTONDOWN && down != WM_RBUTTONDOWN && down != WM_MBUTTONDOWN &&
        down != WM_NCLBUTTONDOWN && down != WM_NCRBUTTONDOWN && down != WM_NCMBUTTONDOWN)
        return;
    const bool eligible = nonClient || (w->cls->style & CS_DBLCLKS);
    const bool isDouble = eligible && IsSecondClick(msg.hwnd, down, msg.pt, msg.time);
    if (isDouble) msg.message = down + 2; // ...BUTTONDOWN + 2 == ...BUTTONDBLCLK
    if (!commit) return;
    if (isDouble)
        sys.LastClick = {};
    else
        RememberClick(msg.hwnd, down, msg.pt, msg.time);
}

void PostLeave(const MouseTracking& t) {
    const bool nc = (t.flags & TME_NONCLIENT) != 0;
    PostMessage(t.hwnd, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

// After the mouse moved to (target, client-ness), a tracked window it left hears of it.
void UpdateTracking(HWND target, bool overClient) {
    MouseTracking& t = Sys().Tracking;
    if (!t.hwnd || !(t.flags & TME_LEAVE)) return;
    const bool wantClient = !(t.flags & TME_NONCLIENT);
    if (target != t.hwnd || overClient != wantClient) {
        PostLeave(t);
        t = MouseTracking{};
    }
}

void RestartHover(POINT pt) {
    MouseTracking& t = Sys().Tracking;
    if (!t.hwnd || !(t.flags & TME_HOVER)) return;
    UINT width = 4, height = 4;
    if (std::abs(pt.x - t.hoverOrigin.x) > int(width / 2) ||
        std::abs(pt.y - t.hoverOrigin.y) > int(height / 2)) {
        t.hoverOrigin = pt;
        t.hoverStart = NowMs();
        t.hoverFired = false;
    }
}

} // namespace mouse_detail

void PrepareMouse(RawInput& raw) {
    using namespace mouse_detail;
    WindowSystem& sys = Sys();
    raw.prepared = true;
    MSG& msg = raw.msg;
    msg = MSG{};
    msg.pt = raw.pt;
    msg.time = raw.time;
    const WPARAM keys = raw.keyData;
    const LPARAM screenLp = MAKELPARAM(WORD(SHORT(raw.pt.x)), WORD(SHORT(raw.pt.y)));
    if (raw.kind == RawInput::MouseWheel) {
        // The wheel goes to the window with the keyboard, as on the desktop of this generation.
        HWND target = sys.Focus ? sys.Focus : sys.Active;
        if (!target) {
            LRESULT hit;
            Window* w = HitTestScreen(raw.pt, hit);
            target = w ? w->handle : nullptr;
        }
        if (!target) {
            raw.discard = true;
            return;
        }
        msg.hwnd = target;
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(WORD(keys), WORD(SHORT(raw.wheelDelta)));
        msg.lParam = screenLp;
        raw.hit = HTCLIENT;
        return;
    }
    Window* target = nullptr;
    LRESULT hit = HTCLIENT;
    if (Window* cap = sys.Find(sys.Capture)) {
        target = cap;
    } else {
        target = HitTestScreen(raw.pt, hit);
    }
    if (!target) {
        raw.discard = true;
        return;
    }
    raw.hit = hit;
    msg.hwnd = target->handle;
    UINT clientMsg = WM_MOUSEMOVE;
    if (raw.kind == RawInput::MouseDown) clientMsg = ButtonDown[raw.button];
    if (raw.kind == RawInput::MouseUp) clientMsg = ButtonDown[raw.button] + 1;
    if (hit == HTCLIENT) {
        POINT p = raw.pt;
        ScreenToClient(target->handle, &p);
        msg.message = clientMsg;
        msg.wParam = keys;
        msg.lParam = MAKELPARAM(WORD(SHORT(p.x)), WORD(SHORT(p.y)));
    } else {
        msg.message = clientMsg - (WM_MOUSEMOVE - WM_NCMOUSEMOVE);
        msg.wParam = WPARAM(hit);
        msg.lParam = screenLp;
    }
}

bool DeliverMouse(RawInput& raw, bool remove) {
    using namespace mouse_detail;
    WindowSystem& sys = Sys();
    if (raw.discard) {
        if (remove) {
            UpdateTracking(nullptr, false);
            sys.LastMouseWindow = nullptr;
        }
        return false;
    }
    MSG& msg = raw.msg;
    auto w = sys.Hold(msg.hwnd);
    if (!w) return false;
    ApplyDoubleClick(msg, w.get(), remove);
    if (HasHooks(WH_MOUSE)) {
        MOUSEHOOKSTRUCTEX mh;
        mh.pt = msg.pt;
        mh.hwnd = msg.hwnd;
        mh.wHitTestCode = UINT(raw.hit);
        if (msg.message == WM_MOUSEWHEEL) mh.mouseData = DWORD(HIWORD(msg.wParam)) << 16;
        LRESULT eaten =
            RunHooks(WH_MOUSE, remove ? HC_ACTION : HC_NOREMOVE, msg.message, reinterpret_cast<LPARAM>(&mh));
        if (remove && eaten) {
            if (IsButtonDown(msg.message) && HasHooks(WH_CBT))
                RunHooks(WH_CBT, HCBT_CLICKSKIPPED, msg.message, reinterpret_cast<LPARAM>(&mh));
            return false;
        }
        if (w->dead) return false;
    }
    if (!remove) return true;
    if (raw.kind == RawInput::MouseDown || raw.kind == RawInput::MouseUp) {
        BYTE& s = sys.KeyState[ButtonVk[raw.button]];
        if (raw.kind == RawInput::MouseDown)
            s = BYTE((s & 0x01) ^ 0x01) | 0x80;
        else
            s &= 0x01;
    }
    if (msg.message == WM_MOUSEWHEEL) return true;
    const bool overClient = IsClientMouse(msg.message);
    UpdateTracking(msg.hwnd, overClient);
    RestartHover(msg.pt);
    sys.LastMouseWindow = msg.hwnd;
    sys.LastMouseHit = raw.hit;

    Window* top = TopLevelOf(w.get());
    bool disabled = false;
    for (Window* p = w.get(); p && p != sys.Desktop(); p = p->parent)
        if (p->style & WS_DISABLED) disabled = true;
    if (disabled) {
        // Disabled windows get no input; a click lets the window say so (a modal owner beeps).
        if (IsButtonDown(msg.message))
            SendMessage(msg.hwnd, WM_SETCURSOR, WPARAM(msg.hwnd),
                        MAKELPARAM(WORD(SHORT(HTERROR)), WORD(msg.message)));
        return false;
    }
    if (sys.Capture) return true;
    bool eat = false;
    if (IsButtonDown(msg.message) && (sys.Active != top->handle || !sys.AppActive)) {
        LRESULT how = SendMessage(msg.hwnd, WM_MOUSEACTIVATE, WPARAM(top->handle),
                                  MAKELPARAM(WORD(SHORT(raw.hit)), WORD(msg.message)));
        if (w->dead) return false;
        if ((how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT || how == 0) &&
            !(top->exStyle & WS_EX_NOACTIVATE))
            ActivateWindow(top, WA_CLICKACTIVE);
        eat = how == MA_ACTIVATEANDEAT || how == MA_NOACTIVATEANDEAT;
        if (w->dead) return false;
    }
    SendMessage(msg.hwnd, WM_SETCURSOR, WPARAM(msg.hwnd),
                MAKELPARAM(WORD(SHORT(raw.hit)), WORD(msg.message)));
    return !eat && !w->dead;
}

bool NextHoverDue(std::uint64_t& due) {
    const MouseTracking& t = Sys().Tracking;
    if (!t.hwnd || !(t.flags & TME_HOVER) || t.hoverFired) return false;
    due = t.hoverStart + t.hoverTime;
    return true;
}

void CheckHover() {
    WindowSystem& sys = Sys();
    MouseTracking& t = sys.Tracking;
    if (!t.hwnd || !(t.flags & TME_HOVER) || t.hoverFired) return;
    if (NowMs() - t.hoverStart < t.hoverTime) return;
    t.hoverFired = true;
    t.flags &= ~TME_HOVER;
    if (t.flags & TME_NONCLIENT) {
        PostMessage(t.hwnd, WM_NCMOUSEHOVER, WPARAM(sys.LastMouseHit),
                    MAKELPARAM(WORD(SHORT(sys.CursorPos.x)), WORD(SHORT(sys.CursorPos.y))));
    } else {
        POINT p = sys.CursorPos;
        ScreenToClient(t.hwnd, &p);
        PostMessage(t.hwnd, WM_MOUSEHOVER, mouse_detail::MouseKeys(sys.KeyState),
                    MAKELPARAM(WORD(SHORT(p.x)), WORD(SHORT(p.y))));
    }
    if (!(t.flags & TME_LEAVE)) t = MouseTracking{};
}

void QueueMouse(int actionCode, int x, int y, int wheelDelta) {
    WindowSystem& sys = Sys();
    const auto action = MouseAction(actionCode);
    RawInput raw;
    raw.pt = mouse_detail::Clipped(POINT{x, y});
    raw.time = TickNow();
    switch (action) {
    case MouseAction::Move:
        raw.kind = RawInput::MouseMove;
        break;
    case MouseAction::LeftDown:
        raw.kind = RawInput::MouseDown, raw.button = 0;
        break;
    case MouseAction::LeftUp:
        raw.kind = RawInput::MouseUp, raw.button = 0;
        break;
    case MouseAction::RightDown:
        raw.kind = RawInput::MouseDown, raw.button = 1;
        break;
    case MouseAction::RightUp:
        raw.kind = RawInput::MouseUp, raw.button = 1;
        break;
    case MouseAction::MiddleDown:
        raw.kind = RawInput::MouseDown, raw.button = 2;
        break;
    case MouseAction::MiddleUp:
        raw.kind = RawInput::MouseUp, raw.button = 2;
        break;
    case MouseAction::Wheel:
        raw.kind = RawInput::MouseWheel, raw.wheelDelta = wheelDelta;
        break;
    }
    if (raw.kind == RawInput::MouseDown) sys.AsyncKeyState[mouse_detail::ButtonVk[raw.button]] |= 0x80;
    if (raw.kind == RawInput::MouseUp) sys.AsyncKeyState[mouse_detail::ButtonVk[raw.button]] &= 0x7F;
    raw.keyData = DWORD(mouse_detail::MouseKeys(sys.AsyncKeyState));
    sys.CursorPos = raw.pt;
    raw.sequence = sys.NextInputSequence++;
    // Moves coalesce: a move waiting at the end of the queue is replaced by the newer one.
    if (raw.kind == RawInput::MouseMove && !sys.Input.empty() &&
        sys.Input.back().kind == RawInput::MouseMove && !sys.Input.back().prepared) {
        sys.Input.back() = raw;
        return;
    }
    sys.Input.push_back(raw);
}

} // namespace olva::win

using namespace olva::win;

void olva::win::InjectMouse(MouseAction action, int x, int y, int wheelDelta) {
    QueueMouse(int(action), x, y, wheelDelta);
}

HWND SetCapture(HWND hwnd) {
    WindowSystem& sys = Sys();
    HWND old = sys.Capture;
    if (!IsWindow(hwnd)) return nullptr;
    if (old == hwnd) return old;
    sys.Capture = hwnd;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    WindowSystem& sys = Sys();
    HWND old = sys.Capture;
    sys.Capture = nullptr;
    if (old && IsWindow(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return Sys().Capture;
}

BOOL GetCursorPos(POINT* pt) {
    if (!pt) return FALSE;
    *pt = Sys().CursorPos;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    // Moving the pointer is input like any other: the windows under it hear of it.
    QueueMouse(int(MouseAction::Move), x, y, 0);
    return TRUE;
}

HWND WindowFromPoint(POINT pt) {
    LRESULT hit;
    Window* w = mouse_detail::HitTestScreen(pt, hit);
    return w ? w->handle : nullptr;
}

HWND ChildWindowFromPointEx(HWND parentHandle, POINT pt, UINT flags) {
    Window* parent = Sys().Find(parentHandle);
    if (!parent) return nullptr;
    RECT client{0, 0, parent->client.right - parent->client.left, parent->client.bottom - parent->client.top};
    if (parent != Sys().Desktop() && !PtInRect(&client, pt)) return nullptr;
    POINT screen = pt;
    ClientToScreen(parentHandle, &screen);
    for (Window* c : parent->children) {
        if ((flags & CWP_SKIPINVISIBLE) && !(c->style & WS_VISIBLE)) continue;
        if ((flags & CWP_SKIPDISABLED) && (c->style & WS_DISABLED)) continue;
        if ((flags & CWP_SKIPTRANSPARENT) && (c->exStyle & WS_EX_TRANSPARENT)) continue;
        if (mouse_detail::InWindowShape(c, screen)) return c->handle;
    }
    return parentHandle;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) {
    return ChildWindowFromPointEx(parent, pt, CWP_ALL);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    WindowSystem& sys = Sys();
    if (!tme || tme->cbSize < sizeof(TRACKMOUSEEVENT)) return FALSE;
    MouseTracking& t = sys.Tracking;
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = t.hwnd ? t.flags : 0;
        tme->hwndTrack = t.hwnd;
        tme->dwHoverTime = t.hoverTime;
        return TRUE;
    }
    if (!IsWindow(tme->hwndTrack)) return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if (t.hwnd == tme->hwndTrack) {
            t.flags &= ~(tme->dwFlags & (TME_LEAVE | TME_HOVER));
            if (!(t.flags & (TME_LEAVE | TME_HOVER))) t = MouseTracking{};
        }
        return TRUE;
    }
    const bool nonClient = (tme->dwFlags & TME_NONCLIENT) != 0;
    const bool overClient = sys.LastMouseHit == HTCLIENT;
    const bool over = sys.LastMouseWindow == tme->hwndTrack && overClient != nonClient;
    if ((tme->dwFlags & TME_LEAVE) && !over) {
        // Not over the window any more: the leave comes at once.
        PostMessage(tme->hwndTrack, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (t.hwnd != tme->hwndTrack) t = MouseTracking{};
    t.hwnd = tme->hwndTrack;
    t.flags = (t.flags & ~TME_NONCLIENT) | (tme->dwFlags & (TME_LEAVE | TME_HOVER | TME_NONCLIENT));
    if (tme->dwFlags & TME_HOVER) {
        t.hoverTime = tme->dwHoverTime == HOVER_DEFAULT ? 400 : tme->dwHoverTime;
        t.hoverStart = NowMs();
        t.hoverOrigin = sys.CursorPos;
        t.hoverFired = false;
    }
    return TRUE;
}

BOOL DragDetect(HWND hwnd, POINT pt) {
    // Capture the mouse until the button comes up (no drag) or the pointer leaves the drag rectangle.
    if (!IsWindow(hwnd)) return FALSE;
    POINT origin = pt;
    ClientToScreen(hwnd, &origin);
    RECT dragRect{origin.x - GetSystemMetrics(SM_CXDRAG), origin.y - GetSystemMetrics(SM_CYDRAG),
                  origin.x + GetSystemMetrics(SM_CXDRAG) + 1, origin.y + GetSystemMetrics(SM_CYDRAG) + 1};
    SetCapture(hwnd);
    BOOL result = FALSE;
    for (;;) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
            if (msg.message == WM_LBUTTONUP) break;
            if (msg.message == WM_MOUSEMOVE && !PtInRect(&dragRect, msg.pt)) {
                result = TRUE;
                break;
            }
            continue;
        }
        if (PeekMessage(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
            if (msg.message == WM_KEYDOWN && msg.wParam == WPARAM(VK_ESCAPE)) break;
            continue;
        }
        // A quit (the program asked to end) is left for the loops around this one.
        if (PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) break;
        if (!IsWindow(hwnd) || GetCapture() != hwnd) break;
        if (Sys().Input.empty()) {
            // Nothing more will come from a script; from the real world, wait for it.
            if (!Sys().AsyncKeyState[VK_LBUTTON]) break;
            WaitMessage();
        }
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    return result;
}

void olva::win::ResetMouseSettings() {
    mouse_detail::DoubleClickTime = 500;
    mouse_detail::CursorClip.reset();
}

BOOL SwapMouseButton(BOOL) {
    return FALSE;
}

UINT GetDoubleClickTime() {
    return mouse_detail::DoubleClickTime;
}

BOOL SetDoubleClickTime(UINT ms) {
    mouse_detail::DoubleClickTime = ms ? ms : 500;
    return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
    mouse_detail::CursorClip = rect ? std::optional<RECT>(*rect) : std::nullopt;
    if (rect && !PtInRect(rect, Sys().CursorPos)) {
        POINT p = mouse_detail::Clipped(Sys().CursorPos);
        QueueMouse(int(MouseAction::Move), p.x, p.y, 0);
    }
    return TRUE;
}

BOOL GetClipCursor(RECT* rect) {
    if (!rect) return FALSE;
    *rect = mouse_detail::CursorClip ? *mouse_detail::CursorClip : olva::win::VirtualScreen();
    return TRUE;
}
