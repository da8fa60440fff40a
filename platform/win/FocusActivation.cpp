// Keyboard focus, window activation and enabling, with the message order callers rely on:
// the old window hears of the change first (WM_NCACTIVATE, WM_ACTIVATE), then the new one
// (WM_ACTIVATEAPP when the application wakes, WM_NCACTIVATE, WM_ACTIVATE), and focus moves last
// (WM_KILLFOCUS to the old window, WM_SETFOCUS to the new).
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

namespace olva::win {

namespace focus_detail {
int ActivationDepth = 0;
// The thread of the application that takes or gives back the activation: even, as this program's thread
// numbers never are.
constexpr DWORD OtherApplicationThread = 2;
// The window that was active when another application took the activation.
HWND ActiveBeforeLeaving = nullptr;

void SendActivateApp(bool active) {
    std::vector<HWND> tops;
    for (Window* c : Sys().Desktop()->children)
        tops.push_back(c->handle);
    for (HWND h : tops)
        SendMessage(h, WM_ACTIVATEAPP, active ? TRUE : FALSE, LPARAM(OtherApplicationThread));
}

bool Activatable(const Window* w) {
    return w && !w->dead && !w->destroying && IsTopLevel(w) && (w->style & WS_VISIBLE) &&
           !(w->style & WS_DISABLED) && !(w->exStyle & WS_EX_NOACTIVATE);
}

// Already the first of the windows at its level (topmost or not), below only its own owned windows.
bool AtTopOfBand(const Window* w) {
    for (const Window* c : Sys().Desktop()->children) {
        if (c == w) return true;
        const bool sameBand = ((c->exStyle ^ w->exStyle) & WS_EX_TOPMOST) == 0;
        bool ownedByW = false;
        for (const Window* o = c->owner; o; o = o->owner)
            ownedByW |= o == w;
        if (sameBand && !ownedByW && (c->style & WS_VISIBLE)) return false;
    }
    return false;
}

void ChangeFocus(HWND newFocus) {
    WindowSystem& sys = Sys();
    HWND old = sys.Focus;
    if (old == newFocus) return;
    if (old && IsWindow(old)) SendMessage(old, WM_KILLFOCUS, WPARAM(newFocus), 0);
    if (newFocus && !IsWindow(newFocus)) return;
    sys.Focus = newFocus;
    if (newFocus) SendMessage(newFocus, WM_SETFOCUS, WPARAM(old && IsWindow(old) ? old : nullptr), 0);
}
} // namespace focus_detail

void ActivateWindow(Window* w, WORD how) {
    WindowSystem& sys = Sys();
    HWND newActive = w ? w->handle : nullptr;
    if (newActive == sys.Active && (w || !sys.AppActive)) return;
    if (focus_detail::ActivationDepth > 8) return; // a window procedure bouncing activation back and forth
    if (HasHooks(WH_CBT) && w) {
        CBTACTIVATESTRUCT cbt{how == WA_CLICKACTIVE, sys.Active};
        if (RunHooks(WH_CBT, HCBT_ACTIVATE, WPARAM(newActive), reinterpret_cast<LPARAM>(&cbt))) return;
    }
    ++focus_detail::ActivationDepth;
    struct Leave {
        ~Leave() { --focus_detail::ActivationDepth; }
    } leave;
    HWND old = sys.Active;
    if (newActive && !focus_detail::AtTopOfBand(w)) {
        SetWindowPos(newActive, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!IsWindow(newActive)) return;
    }
    if (old != newActive) sys.PreviousActive = old;
    sys.Active = newActive;
    if (old && IsWindow(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, LPARAM(newActive));
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0), LPARAM(newActive));
    }
    if (sys.Active != newActive) return; // a window procedure activated something else meanwhile
    if (!newActive) {
        if (sys.AppActive) {
            sys.AppActive = false;
            focus_detail::SendActivateApp(false);
        }
        focus_detail::ChangeFocus(nullptr);
        return;
    }
    if (!sys.AppActive) {
        sys.AppActive = true;
        focus_detail::SendActivateApp(true);
        if (!IsWindow(newActive)) return;
    }
    SendMessage(newActive, WM_NCACTIVATE, TRUE, LPARAM(old));
    SendMessage(newActive, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(newActive) ? 1 : 0), LPARAM(old));
    // Focus never stays in a window that is not the active one.
    Window* focus = sys.Find(sys.Focus);
    if (sys.Active == newActive && focus && TopLevelOf(focus)->handle != newActive)
        focus_detail::ChangeFocus(nullptr);
}

void ActivateSomeOtherWindow(Window* leaving) {
    WindowSystem& sys = Sys();
    Window* next = nullptr;
    // The owner first, then the topmost window that can take activation.
    if (leaving && focus_detail::Activatable(leaving->owner)) next = leaving->owner;
    if (!next)
        for (Window* c : sys.Desktop()->children)
            if (c != leaving && focus_detail::Activatable(c) && !(c->exStyle & WS_EX_TOOLWINDOW)) {
                next = c;
                break;
            }
    ActivateWindow(next, WA_ACTIVE);
}

void ActivateOtherApplication() {
    WindowSystem& sys = Sys();
    if (!sys.AppActive && !sys.Active) return;
    focus_detail::ActiveBeforeLeaving = sys.Active;
    // The mouse belongs to the other application from now on.
    if (sys.Capture) ReleaseCapture();
    ActivateWindow(nullptr, WA_INACTIVE);
}

void ReturnToApplication() {
    WindowSystem& sys = Sys();
    if (sys.AppActive) return;
    Window* last = sys.Find(focus_detail::ActiveBeforeLeaving);
    focus_detail::ActiveBeforeLeaving = nullptr;
    if (focus_detail::Activatable(last))
        ActivateWindow(last, WA_ACTIVE);
    else
        ActivateSomeOtherWindow(nullptr);
}

void ForgetDestroyedWindow(Window* w) {
    WindowSystem& sys = Sys();
    if (sys.Focus == w->handle) sys.Focus = nullptr;
    if (sys.Active == w->handle) sys.Active = nullptr;
    if (sys.Capture == w->handle) sys.Capture = nullptr;
    if (sys.Tracking.hwnd == w->handle) sys.Tracking = MouseTracking{};
    if (sys.LastMouseWindow == w->handle) sys.LastMouseWindow = nullptr;
    if (sys.LastClick.hwnd == w->handle) sys.LastClick = {};
    if (focus_detail::ActiveBeforeLeaving == w->handle) focus_detail::ActiveBeforeLeaving = nullptr;
}

} // namespace olva::win

using namespace olva::win;

HWND GetFocus() {
    return Sys().Focus;
}
HWND GetActiveWindow() {
    return Sys().Active;
}
HWND GetForegroundWindow() {
    return Sys().AppActive ? Sys().Active : nullptr;
}

HWND SetFocus(HWND hwnd) {
    if (!IsGuiThread()) return nullptr; // only the thread of the windows moves the focus
    WindowSystem& sys = Sys();
    HWND previous = sys.Focus;
    if (!hwnd) {
        focus_detail::ChangeFocus(nullptr);
        return previous;
    }
    Window* w = sys.Find(hwnd);
    if (!w || w == sys.Desktop()) return nullptr;
    if (w->parent == sys.MessageRoot()) return nullptr;
    if (HasHooks(WH_CBT) && RunHooks(WH_CBT, HCBT_SETFOCUS, WPARAM(hwnd), LPARAM(previous))) return nullptr;
    // A window in a minimized or disabled chain cannot take the keyboard.
    for (Window* p = w; p && p != sys.Desktop(); p = p->parent)
        if (p->style & WS_DISABLED) return nullptr;
    Window* top = TopLevelOf(w);
    if (sys.Active != top->handle) {
        ActivateWindow(top, WA_ACTIVE);
        if (!IsWindow(hwnd) || sys.Active != top->handle) return nullptr;
    }
    focus_detail::ChangeFocus(hwnd);
    return previous;
}

HWND SetActiveWindow(HWND hwnd) {
    if (!IsGuiThread()) return nullptr;
    WindowSystem& sys = Sys();
    HWND previous = sys.Active;
    Window* w = sys.Find(hwnd);
    if (hwnd && (!w || !IsTopLevel(w))) return nullptr;
    if (w && (w->style & WS_DISABLED)) return nullptr;
    ActivateWindow(w, WA_ACTIVE);
    return previous;
}

BOOL SetForegroundWindow(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    if (!w) return FALSE;
    w = TopLevelOf(w);
    if (w->style & WS_DISABLED) return FALSE;
    ActivateWindow(w, WA_ACTIVE);
    return Sys().Active == w->handle ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    if (!IsGuiThread()) return OnGuiThread([&] { return EnableWindow(hwnd, enable); });
    WindowSystem& sys = Sys();
    auto w = sys.Hold(hwnd);
    if (!w) return FALSE;
    const BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
    if (bool(enable) == !wasDisabled) return wasDisabled;
    if (!enable) {
        // Disabling cancels what the window was doing with the mouse and takes the keyboard away.
        SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (w->dead) return wasDisabled;
        w->style |= WS_DISABLED;
        Window* focus = sys.Find(sys.Focus);
        for (Window* p = focus; p; p = p->parent)
            if (p == w.get()) {
                SetFocus(nullptr);
                break;
            }
    } else {
        w->style &= ~WS_DISABLED;
    }
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    return w && !(w->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL FlashWindow(HWND hwnd, BOOL) {
    Window* w = Sys().Find(hwnd);
    return w && Sys().Active == TopLevelOf(w)->handle ? TRUE : FALSE;
}
