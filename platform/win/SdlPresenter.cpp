#include "platform/win/SdlPresenter.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Cursors.h"
#include "platform/win/DroppedFiles.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/SdlHostX11.h"
#include "platform/win/SdlInputMap.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace olva::win {

namespace sdl_presenter_detail {

// Windows that must never take the host's focus: menus, hints, drop-downs, tool windows. An owned popup
// with a caption or a dialog frame is a dialog, which the manager keeps.
bool IsPopup(const Window* w) {
    if (w->exStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) return true;
    if (!(w->style & WS_POPUP) || !w->owner) return false;
    const bool dialog = (w->style & WS_CAPTION) == WS_CAPTION || (w->exStyle & WS_EX_DLGMODALFRAME);
    return !dialog;
}

bool IsSizingHit(LRESULT hit) {
    return (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) || hit == HTSIZE;
}

// Whether the window sizes: a sizing frame that offers its edges to the mouse. A form that draws its
// own frame may carry the sizing style without sizing; its hit test then names no edge.
bool OffersSizingEdges(Window* w) {
    if (!(w->style & WS_THICKFRAME)) return false;
    const RECT r = WindowRectOnScreen(w);
    if (r.right - r.left < 3 || r.bottom - r.top < 3) return true;
    const HWND hwnd = w->handle;
    const POINT probes[] = {{r.right - 1, r.bottom - 1},
                            {r.right - 1, (r.top + r.bottom) / 2},
                            {(r.left + r.right) / 2, r.bottom - 1},
                            {r.left, (r.top + r.bottom) / 2}};
    for (const POINT& p : probes) {
        const LRESULT hit =
            SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(WORD(SHORT(p.x)), WORD(SHORT(p.y))));
        if (!IsWindow(hwnd)) return false;
        if (IsSizingHit(hit)) return true;
    }
    return false;
}

// The part of a window its host shows, in window coordinates: all of it, but the frame of a maximized
// window, which lies beyond its monitor's work area (a window manager would push the host back in).
RECT HostArea(const Window* w) {
    RECT area{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    if (!(w->style & WS_MAXIMIZE)) return area;
    const RECT screen = WindowRectOnScreen(w);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfo(MonitorFromRect(&screen, MONITOR_DEFAULTTONEAREST), &info)) return area;
    RECT shown;
    if (!IntersectRect(&shown, &screen, &info.rcWork)) return area;
    OffsetRect(&shown, -screen.left, -screen.top);
    return shown;
}

// The screen position of the host window's top-left corner.
POINT HostOrigin(const Window* w) {
    const POINT o = WindowOriginOnScreen(w);
    const RECT area = HostArea(w);
    return POINT{o.x + area.left, o.y + area.top};
}

// Presses of the first button on a host window with a window manager that moves and sizes windows: the
// caption and the borders are handed to the manager, which drags them smoothly and within its rules.
// SDL then keeps the press for itself, so our non-client code never sees it; a second caption press soon
// after is let through and the first remembered, so that a double click still reaches the window. Without
// such a manager, and for minimized or maximized windows, every press is ours.
SDL_HitTestResult HitTest(SDL_Window* host, const SDL_Point* area, void* data) {
    HWND hwnd = static_cast<HWND>(data);
    Window* w = Sys().Find(hwnd);
    if (!w || (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) || !HostWindowManager(host).MovesAndSizes)
        return SDL_HITTEST_NORMAL;
    // A click already over (a quick tap) is ours: a manager asked to drag now would drag the window along
    // until the next click.
    if (THostPointer pointer; HostPointerNow(host, pointer) && !pointer.FirstButtonDown)
        return SDL_HITTEST_NORMAL;
    const POINT o = HostOrigin(w);
    const POINT screen{o.x + area->x, o.y + area->y};
    const LRESULT hit =
        SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(WORD(SHORT(screen.x)), WORD(SHORT(screen.y))));
    switch (hit) {
    case HTCAPTION: {
        const DWORD now = TickNow();
        if (IsSecondClick(hwnd, WM_NCLBUTTONDOWN, screen, now)) return SDL_HITTEST_NORMAL;
        RememberClick(hwnd, WM_NCLBUTTONDOWN, screen, now);
        return SDL_HITTEST_DRAGGABLE;
    }
    case HTLEFT:
        return SDL_HITTEST_RESIZE_LEFT;
    case HTRIGHT:
        return SDL_HITTEST_RESIZE_RIGHT;
    case HTTOP:
        return SDL_HITTEST_RESIZE_TOP;
    case HTBOTTOM:
        return SDL_HITTEST_RESIZE_BOTTOM;
    case HTTOPLEFT:
        return SDL_HITTEST_RESIZE_TOPLEFT;
    case HTTOPRIGHT:
        return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HTBOTTOMLEFT:
        return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HTBOTTOMRIGHT:
    case HTSIZE:
        return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    default:
        return SDL_HITTEST_NORMAL;
    }
}

// The smallest size the window takes, which the host's manager is told so that its drags stop there.
SIZE MinimumTrackSize(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    if (!w) return SIZE{1, 1};
    const MINMAXINFO mmi = QueryMinMaxInfo(w);
    return SIZE{std::max<LONG>(1, mmi.ptMinTrackSize.x), std::max<LONG>(1, mmi.ptMinTrackSize.y)};
}

// Drivers that show nothing: a program on them would run invisibly.
bool ShowsNothing(const char* driver) {
    return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

// Whether SDL_VIDEODRIVER names the driver (a comma-separated list is allowed).
bool Requested(const char* driver) {
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    if (!wanted || !driver) return false;
    std::stringstream list(wanted);
    for (std::string name; std::getline(list, name, ',');)
        if (SDL_strcasecmp(name.c_str(), driver) == 0) return true;
    return false;
}

// Why there is no display to show windows on, in the terms the user set it up in.
std::string NoDisplayReason() {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* named = display && *display ? display : wayland && *wayland ? wayland : nullptr;
    if (!named) return "DISPLAY is not set";
    return std::string("cannot open display \"") + named + "\"";
}

// The caret as a window's picture shows it now (window coordinates): drawn when visible and over it.
bool CaretOver(const Window* w, RECT& local) {
    RECT caret;
    if (!VisibleCaretRect(caret)) return false;
    const POINT o = WindowOriginOnScreen(w);
    OffsetRect(&caret, -o.x, -o.y);
    const RECT bounds = HostArea(w);
    if (!IntersectRect(&local, &caret, &bounds)) return false;
    local = caret;
    return true;
}

} // namespace sdl_presenter_detail

TSdlPresenter::TSdlPresenter() = default;

TSdlPresenter::~TSdlPresenter() {
    Stop();
}

bool TSdlPresenter::Start() {
    using namespace sdl_presenter_detail;
    if (FStarted) return true;
    // Window pictures are ours, drawn in memory: the host only copies them to the screen, which its
    // shared-memory images do without a GL context (a software GL driver costs threads and memory).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Without any display named (and no driver asked for), the host's libraries would only print their
    // own complaints while looking for one: the caller's message is the one said.
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    if ((requested == nullptr || *requested == 0) && NoDisplayReason() == "DISPLAY is not set") {
        FLastError = NoDisplayReason();
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        FLastError = NoDisplayReason() + " (" + SDL_GetError() + ")";
        return false;
    }
    // With no display SDL falls back on its off-screen driver by itself.
    if (const char* driver = SDL_GetCurrentVideoDriver(); ShowsNothing(driver) && !Requested(driver)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        FLastError = NoDisplayReason();
        return false;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    // Whether the host can make a window translucent, asked once of a hidden probe window, which also
    // tells the display connection the message loop waits on.
    if (SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS)) {
        FOpacityWorks = SDL_SetWindowOpacity(probe, 0.5f) == 0;
        FShapesWork = HostCanShape(probe);
        FDisplayDescriptor = HostDisplayDescriptor(probe);
        SDL_DestroyWindow(probe);
    } else {
        FOpacityWorks = false;
        FShapesWork = false;
    }
    SDL_StartTextInput();
    FStarted = true;
    // The host's monitors become ours.
    std::vector<MonitorConfig> monitors;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect b, u;
        if (SDL_GetDisplayBounds(i, &b) != 0) continue;
        if (SDL_GetDisplayUsableBounds(i, &u) != 0) u = b;
        monitors.push_back({RECT{b.x, b.y, b.x + b.w, b.y + b.h}, RECT{u.x, u.y, u.x + u.w, u.y + u.h}});
    }
    if (!monitors.empty()) SetMonitors(monitors);
    Sys().HostTextInput = true;
    Sys().HostPoll = [this] { Poll(); };
    Sys().HostPrepareWait = [this] { return PrepareWait(); };
    SetPresenter(this);
    SetClipboardHost({[](const std::string& text) { SDL_SetClipboardText(text.c_str()); },
                      []() -> std::optional<std::string> {
                          if (!SDL_HasClipboardText()) return std::nullopt;
                          char* text = SDL_GetClipboardText();
                          std::string s = text ? text : "";
                          SDL_free(text);
                          return s;
                      }});
    for (Window* c : Sys().Desktop()->children)
        WindowChanged(c->handle);
    return true;
}

void TSdlPresenter::Stop() {
    if (!FStarted) return;
    if (CurrentPresenter() == this) SetPresenter(nullptr);
    SetClipboardHost({});
    Sys().HostPoll = nullptr;
    Sys().HostPrepareWait = nullptr;
    Sys().HostTextInput = false;
    for (auto& [hwnd, host] : FHosts)
        SDL_DestroyWindow(host.Window);
    FHosts.clear();
    for (auto& [handle, cursor] : FCursors)
        SDL_FreeCursor(cursor);
    FCursors.clear();
    FShownCursor = nullptr;
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    FStarted = false;
    FDisplayDescriptor = -1;
}

SDL_Window* TSdlPresenter::HostOf(HWND topLevel) const {
    auto it = FHosts.find(topLevel);
    return it == FHosts.end() ? nullptr : it->second.Window;
}

TSdlPresenter::THost* TSdlPresenter::HostRecord(HWND hwnd) {
    auto it = FHosts.find(hwnd);
    return it == FHosts.end() ? nullptr : &it->second;
}

HWND TSdlPresenter::WindowOfHost(unsigned hostId) const {
    for (auto& [hwnd, host] : FHosts)
        if (SDL_GetWindowID(host.Window) == hostId) return hwnd;
    return nullptr;
}

void TSdlPresenter::WindowChanged(HWND hwnd) {
    using namespace sdl_presenter_detail;
    if (!FStarted) return;
    Window* w = Sys().Find(hwnd);
    if (!w || !IsTopLevel(w)) return;
    THost* host = HostRecord(hwnd);
    const bool visible = (w->style & WS_VISIBLE) != 0;
    const bool popup = IsPopup(w);
    const POINT origin = HostOrigin(w);
    const RECT area = HostArea(w);
    const RECT r{origin.x, origin.y, origin.x + (area.right - area.left),
                 origin.y + (area.bottom - area.top)};
    const int width = std::max<int>(1, r.right - r.left), height = std::max<int>(1, r.bottom - r.top);
    const bool minimized = (w->style & WS_MINIMIZE) != 0;
    const bool maximized = (w->style & WS_MAXIMIZE) != 0;
    // Whether it sizes is asked of the window in its normal state only; meanwhile it keeps its answer.
    bool sizable = host ? (SDL_GetWindowFlags(host->Window) & SDL_WINDOW_RESIZABLE) != 0 : false;
    if (!popup && ((!minimized && !maximized) || !host)) {
        sizable = OffersSizingEdges(w);
        if (!(w = Sys().Find(hwnd))) return; // the window went while it was asked
    }
    if (!host) {
        if (!visible) return;
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        if (popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        // An owned window is no task-bar entry of its own, unless it asks to be one.
        else if (w->owner && !(w->exStyle & WS_EX_APPWINDOW))
            flags |= SDL_WINDOW_SKIP_TASKBAR;
        if (sizable) flags |= SDL_WINDOW_RESIZABLE;
        SDL_Window* made = SDL_CreateWindow(w->text.c_str(), r.left, r.top, width, height, flags);
        if (!made) {
            FLastError = SDL_GetError();
            return;
        }
        if (!popup) SDL_SetWindowHitTest(made, &HitTest, hwnd);
        host = &FHosts[hwnd];
        host->Window = made;
        // An owned window stays above the window it was opened from: the active one (a dialog opened
        // from a dialog), else its owner.
        if (!popup && w->owner) {
            SDL_Window* above = nullptr;
            const HWND from = Sys().Active != hwnd ? Sys().Active : Sys().PreviousActive;
            if (from && from != hwnd) above = HostOf(from);
            for (Window* o = w->owner; !above && o; o = o->owner)
                above = HostOf(o->handle);
            HostSetDialogOf(made, above);
            host->DialogOf = above ? WindowOfHost(SDL_GetWindowID(above)) : nullptr;
        }
    }
    SDL_Window* window = host->Window;
    SyncSizing(hwnd, *host, sizable, minimized);
    if (!(w = Sys().Find(hwnd))) return; // the window went while it was asked its limits
    SyncMinimized(*host, visible && !popup && minimized);
    if (host->Iconified) return; // the host keeps its place and size for when it opens again
    SyncMaximized(*host, visible && !popup && maximized);
    SyncShape(w, *host);
    int x, y, cx, cy;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &cx, &cy);
    if (x != r.left || y != r.top) SDL_SetWindowPosition(window, r.left, r.top);
    if (cx != width || cy != height) SDL_SetWindowSize(window, width, height);
    if (SDL_GetWindowTitle(window) != w->text) SDL_SetWindowTitle(window, w->text.c_str());
    if (w->exStyle & WS_EX_LAYERED) {
        if (SDL_SetWindowOpacity(window, float(w->layeredAlpha) / 255.0f) != 0) FOpacityWorks = false;
    }
    const bool shown = (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
    host->Shown = false; // place, size or looks changed: show the picture again
    if (visible && !shown) {
        SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, popup ? "1" : "0");
        SDL_ShowWindow(window);
        Present(hwnd, *host);
    } else if (!visible && shown) {
        SDL_HideWindow(window);
    }
}

// A sizable frame is sizable by the host's manager too (it is told min = max otherwise), down to the
// window's smallest tracking size; a minimized caption on the screen is smaller than that.
void TSdlPresenter::SyncSizing(HWND hwnd, THost& host, bool sizable, bool minimized) {
    const bool resizable = (SDL_GetWindowFlags(host.Window) & SDL_WINDOW_RESIZABLE) != 0;
    if (sizable != resizable) SDL_SetWindowResizable(host.Window, sizable ? SDL_TRUE : SDL_FALSE);
    const bool limited = sizable && !minimized;
    if (limited == host.Limited) return;
    host.Limited = limited;
    const SIZE least = limited ? sdl_presenter_detail::MinimumTrackSize(hwnd) : SIZE{1, 1};
    if (THost* still = HostRecord(hwnd))
        SDL_SetWindowMinimumSize(still->Window, int(least.cx), int(least.cy));
}

// Where a window manager runs, a minimized window goes to it (iconified) and its host keeps the size it
// had; without one it stays on the screen as the minimized caption our frame draws.
void TSdlPresenter::SyncMinimized(THost& host, bool minimized) {
    if (minimized && !host.Iconified && HostWindowManager(host.Window).Runs) {
        host.Iconified = true;
        SDL_MinimizeWindow(host.Window);
    } else if (!minimized && host.Iconified) {
        host.Iconified = false;
        SDL_RestoreWindow(host.Window);
    }
}

// Where a window manager runs, it is told when the window is maximized or restored, so that it treats
// the host as maximized (no moving, its own restore command, tiling); it has the work area's size anyway.
void TSdlPresenter::SyncMaximized(THost& host, bool maximized) {
    if (maximized == host.Maximized) return;
    if (maximized && !HostWindowManager(host.Window).Runs) return;
    host.Maximized = maximized;
    if (maximized)
        SDL_MaximizeWindow(host.Window);
    else
        SDL_RestoreWindow(host.Window);
}

// The window's region cuts its host where the server shapes windows; elsewhere a top-level window has
// none (SetWindowRgn is refused), and the host stays whole.
void TSdlPresenter::SyncShape(const Window* w, THost& host) {
    if (!FShapesWork) return;
    std::vector<RECT> rects;
    if (w->windowRegion) {
        const RECT area = sdl_presenter_detail::HostArea(w);
        rects = w->windowRegion->Rects();
        for (RECT& r : rects)
            OffsetRect(&r, -area.left, -area.top);
    }
    const bool shaped = w->windowRegion.has_value();
    if (shaped == host.Shaped && rects == host.Shape) return;
    if (!HostSetShape(host.Window, shaped ? &rects : nullptr)) return;
    host.Shaped = shaped;
    host.Shape = std::move(rects);
}

// The manager maximized the host (its keys, a double click on its own title, tiling): the window
// follows, unless it refuses; then the host is restored again.
void TSdlPresenter::HostMaximized(HWND hwnd, THost& host) {
    Window* w = Sys().Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || host.Iconified || host.Maximized) return;
    host.Maximized = true;
    if (!(w->style & WS_MAXIMIZE)) SendMessage(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    if (THost* still = HostRecord(hwnd); still && IsWindow(hwnd) && !IsZoomed(hwnd)) {
        still->Maximized = false;
        still->Refused = true;
        SDL_RestoreWindow(still->Window);
        WindowChanged(hwnd);
    }
}

// The manager restored a maximized host: the window follows, unless it stays maximized.
void TSdlPresenter::HostUnmaximized(HWND hwnd, THost& host) {
    if (!host.Maximized) return;
    host.Maximized = false;
    if (IsZoomed(hwnd)) SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    if (THost* still = HostRecord(hwnd); still && IsWindow(hwnd)) {
        if (IsZoomed(hwnd)) {
            still->Maximized = true;
            SDL_MaximizeWindow(still->Window);
        }
        WindowChanged(hwnd);
    }
}

// The manager minimized the host (its own button, a task bar): the window follows, unless it refuses.
void TSdlPresenter::HostMinimized(HWND hwnd, THost& host) {
    Window* w = Sys().Find(hwnd);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE) || host.Iconified) return;
    host.Iconified = true;
    SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    if (THost* still = HostRecord(hwnd); still && IsWindow(hwnd) && !IsIconic(hwnd)) {
        still->Iconified = false;
        SDL_RestoreWindow(still->Window);
    }
}

// The manager opened the host again: the window follows, unless it stays minimized (WM_QUERYOPEN).
void TSdlPresenter::HostRestored(HWND hwnd, THost& host) {
    if (!host.Iconified) return;
    host.Iconified = false;
    host.Shown = false;
    if (IsIconic(hwnd)) SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    if (THost* still = HostRecord(hwnd); still && IsWindow(hwnd) && IsIconic(hwnd)) {
        still->Iconified = true;
        SDL_MinimizeWindow(still->Window);
    }
}

void TSdlPresenter::WindowDestroyed(HWND hwnd) {
    auto it = FHosts.find(hwnd);
    if (it == FHosts.end()) return;
    SDL_DestroyWindow(it->second.Window);
    FHosts.erase(it);
}

bool TSdlPresenter::NeedsPresent(HWND hwnd, const THost& host) const {
    const Window* w = Sys().Find(hwnd);
    if (!w || !w->surface) return false;
    if (!host.Shown || w->imageVersion != host.ShownVersion || DrawingOn(w)) return true;
    RECT caret{};
    const bool caretShown = sdl_presenter_detail::CaretOver(w, caret);
    return caretShown != host.CaretShown || (caretShown && !EqualRect(&caret, &host.CaretRect));
}

void TSdlPresenter::Present(HWND hwnd, THost& host) {
    Window* w = Sys().Find(hwnd);
    if (!w || !w->surface) return;
    SDL_Surface* target = SDL_GetWindowSurface(host.Window);
    if (!target) return;
    TSurface& img = *w->surface;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(img.Pixels(), img.Width(), img.Height(), 32,
                                                             img.Stride(), SDL_PIXELFORMAT_XRGB8888);
    if (!source) return;
    const RECT area = sdl_presenter_detail::HostArea(w);
    SDL_Rect from{int(area.left), int(area.top), int(area.right - area.left), int(area.bottom - area.top)};
    SDL_BlitSurface(source, &from, target, nullptr);
    SDL_FreeSurface(source);
    // The caret, inverted over the picture while it is in the "on" half of its blink.
    RECT caret{};
    host.CaretShown = sdl_presenter_detail::CaretOver(w, caret);
    host.CaretRect = caret;
    OffsetRect(&caret, -area.left, -area.top);
    if (host.CaretShown && target->format->BytesPerPixel == 4 && SDL_LockSurface(target) == 0) {
        for (int y = std::max<int>(caret.top, 0); y < std::min<int>(caret.bottom, target->h); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target->pixels) +
                                                         y * target->pitch);
            for (int x = std::max<int>(caret.left, 0); x < std::min<int>(caret.right, target->w); ++x)
                row[x] ^= 0x00FFFFFF;
        }
        SDL_UnlockSurface(target);
    }
    SDL_UpdateWindowSurface(host.Window);
    host.Shown = true;
    host.ShownVersion = w->imageVersion;
    ++FPresentCount;
}

void TSdlPresenter::PresentChanged() {
    FLastPresent = NowMs();
    for (auto& [hwnd, host] : FHosts)
        if (!host.Iconified && (SDL_GetWindowFlags(host.Window) & SDL_WINDOW_SHOWN) &&
            NeedsPresent(hwnd, host))
            Present(hwnd, host);
}

SDL_Cursor* TSdlPresenter::HostCursor(HCURSOR cursor) {
    if (auto it = FCursors.find(cursor); it != FCursors.end()) return it->second;
    SDL_Cursor* made = nullptr;
    if (int id = SystemCursorId(cursor)) {
        made = SDL_CreateSystemCursor(SystemCursorFor(id));
    } else {
        // A cursor made from pictures: colour where the mask is black, transparent where it is white.
        ICONINFO info;
        if (!GetIconInfo(cursor, &info)) return nullptr;
        auto color = GdiGetBitmapSurface(info.hbmColor);
        auto mask = GdiGetBitmapSurface(info.hbmMask);
        if (color && !color->Empty()) {
            TSurface argb(color->Width(), color->Height());
            bool anyAlpha = false;
            for (int y = 0; y < color->Height(); ++y)
                for (int x = 0; x < color->Width(); ++x)
                    anyAlpha |= (color->Pixel(x, y) >> 24) != 0;
            for (int y = 0; y < color->Height(); ++y)
                for (int x = 0; x < color->Width(); ++x) {
                    std::uint32_t c = color->Pixel(x, y);
                    bool transparent = mask && (mask->Pixel(x, y) & 0xFFFFFF) != 0;
                    std::uint32_t a = anyAlpha ? (c >> 24) : (transparent ? 0u : 255u);
                    argb.SetPixel(x, y, (c & 0xFFFFFF) | (a << 24));
                }
            SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
                argb.Pixels(), argb.Width(), argb.Height(), 32, argb.Stride(), SDL_PIXELFORMAT_ARGB8888);
            if (surface) {
                made = SDL_CreateColorCursor(surface, int(info.xHotspot), int(info.yHotspot));
                SDL_FreeSurface(surface);
            }
        }
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    if (made) FCursors[cursor] = made;
    return made;
}

void TSdlPresenter::ShowCurrentCursor() {
    const bool hidden = Sys().CursorShowCount < 0;
    if (hidden != FCursorHidden) {
        SDL_ShowCursor(hidden ? SDL_DISABLE : SDL_ENABLE);
        FCursorHidden = hidden;
    }
    HCURSOR want = Sys().Cursor;
    if (want == FShownCursor) return;
    FShownCursor = want;
    if (SDL_Cursor* c = want ? HostCursor(want) : nullptr) SDL_SetCursor(c);
}

POINT TSdlPresenter::PointerOnScreen() const {
    THostPointer pointer;
    if (FHosts.empty() || !HostPointerNow(FHosts.begin()->second.Window, pointer))
        SDL_GetGlobalMouseState(&pointer.X, &pointer.Y);
    return POINT{pointer.X, pointer.Y};
}

void TSdlPresenter::FollowPointer() {
    const POINT p = PointerOnScreen();
    if (p.x == Sys().CursorPos.x && p.y == Sys().CursorPos.y) return;
    InjectMouse(MouseAction::Move, p.x, p.y);
}

void TSdlPresenter::HandleEvent(const SDL_Event& e) {
    // Window-relative positions of a host window that our own loop is moving are taken while it moves;
    // during a drag (our capture) the pointer's place on the screen is asked instead.
    auto screenPoint = [this](unsigned windowId, int x, int y) {
        if (Sys().Capture) return PointerOnScreen();
        HWND hwnd = WindowOfHost(windowId);
        Window* w = Sys().Find(hwnd);
        POINT o = w ? sdl_presenter_detail::HostOrigin(w) : POINT{0, 0};
        return POINT{o.x + x, o.y + y};
    };
    switch (e.type) {
    case SDL_MOUSEMOTION:
        if (Sys().Capture) {
            FollowPointer();
        } else {
            POINT p = screenPoint(e.motion.windowID, e.motion.x, e.motion.y);
            InjectMouse(MouseAction::Move, p.x, p.y);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        POINT p = screenPoint(e.button.windowID, e.button.x, e.button.y);
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        MouseAction a;
        if (e.button.button == SDL_BUTTON_LEFT)
            a = down ? MouseAction::LeftDown : MouseAction::LeftUp;
        else if (e.button.button == SDL_BUTTON_RIGHT)
            a = down ? MouseAction::RightDown : MouseAction::RightUp;
        else if (e.button.button == SDL_BUTTON_MIDDLE)
            a = down ? MouseAction::MiddleDown : MouseAction::MiddleUp;
        else
            break;
        InjectMouse(a, p.x, p.y);
        break;
    }
    case SDL_MOUSEWHEEL: {
        int delta = (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y) * WHEEL_DELTA;
        if (delta) InjectMouse(MouseAction::Wheel, Sys().CursorPos.x, Sys().CursorPos.y, delta);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (int vk = VirtualKeyOf(e.key.keysym)) InjectKey(vk, e.type == SDL_KEYDOWN);
        break;
    case SDL_TEXTINPUT:
        InjectText(e.text.text);
        break;
    case SDL_DROPFILE:
        if (e.drop.file) {
            POINT p = Sys().CursorPos;
            InjectDropFiles(p, {e.drop.file});
            SDL_free(e.drop.file);
        }
        break;
    case SDL_WINDOWEVENT: {
        HWND hwnd = WindowOfHost(e.window.windowID);
        Window* w = Sys().Find(hwnd);
        THost* host = HostRecord(hwnd);
        if (!w || !host) break;
        // While the window is minimized its host's place and size are not the window's; nor are they
        // while the manager holds the host maximized and the window has not followed (yet, or at all).
        const bool minimized =
            ((w->style & WS_MINIMIZE) && host->Iconified) ||
            (!(w->style & WS_MAXIMIZE) && (SDL_GetWindowFlags(host->Window) & SDL_WINDOW_MAXIMIZED));
        // After a refused maximize the manager puts the host somewhere of its own: the host is put back
        // in the window's place until it reports that place.
        if (host->Refused && !minimized &&
            (e.window.event == SDL_WINDOWEVENT_MOVED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
            int x, y, cx, cy;
            SDL_GetWindowPosition(host->Window, &x, &y);
            SDL_GetWindowSize(host->Window, &cx, &cy);
            const POINT o = sdl_presenter_detail::HostOrigin(w);
            if (x == o.x && y == o.y && cx == w->rect.right - w->rect.left &&
                cy == w->rect.bottom - w->rect.top)
                host->Refused = false;
            else
                WindowChanged(hwnd);
            break;
        }
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            FFocusGained = true;
            if (!(w->exStyle & WS_EX_NOACTIVATE) && (Sys().Active != hwnd || !Sys().AppActive))
                ActivateWindow(w, WA_ACTIVE);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            FFocusLost = true;
            break;
        case SDL_WINDOWEVENT_MOVED: {
            const RECT area = sdl_presenter_detail::HostArea(w);
            const POINT to{e.window.data1 - area.left, e.window.data2 - area.top};
            if (!minimized && (w->rect.left != to.x || w->rect.top != to.y))
                SetWindowPos(hwnd, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            // A maximized window keeps the size it was given (its host shows only part of it).
            if (!minimized && !(w->style & WS_MAXIMIZE) &&
                (w->rect.right - w->rect.left != e.window.data1 ||
                 w->rect.bottom - w->rect.top != e.window.data2))
                SetWindowPos(hwnd, nullptr, 0, 0, e.window.data1, e.window.data2,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            HostMinimized(hwnd, *host);
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            HostMaximized(hwnd, *host);
            break;
        case SDL_WINDOWEVENT_RESTORED:
            if (host->Iconified)
                HostRestored(hwnd, *host);
            else if (host->Maximized)
                HostUnmaximized(hwnd, *host);
            else if (host->Refused)
                WindowChanged(hwnd); // a maximize refused: the host takes the window's place again
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            host->Shown = false;
            Present(hwnd, *host);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            PostMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
}

void TSdlPresenter::Poll() {
    // Handling a host event may run window procedures that look at the queue again: the inner look
    // leaves the host alone.
    if (!FStarted || FPolling) return;
    FPolling = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{FPolling};
    FFocusLost = FFocusGained = false;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        HandleEvent(e);
    // Focus that left our host windows for good deactivates the application.
    if (FFocusLost && !FFocusGained && Sys().AppActive) ActivateOtherApplication();
    // A window that our loop drags along under the pointer keeps the pointer's place in it, and the host
    // reports no motion then: the pointer is followed on the screen.
    if (Sys().Capture) FollowPointer();
    SDL_CaptureMouse(Sys().Capture ? SDL_TRUE : SDL_FALSE);
    ShowCurrentCursor();
    // A loop that never runs dry still shows its progress now and then.
    const std::uint64_t now = NowMs();
    if (now - FLastPresent >= PresentIntervalMs || now < FLastPresent) PresentChanged();
}

HostWait TSdlPresenter::PrepareWait() {
    HostWait wait;
    if (!FStarted || FPolling) return wait;
    PresentChanged();
    // Showing pictures talks to the display, which may read events into the connection's own queue where
    // a wait on its descriptor would not see them: they are taken in first.
    SDL_PumpEvents();
    wait.eventsWaiting = SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0;
    wait.descriptor = FDisplayDescriptor;
    if (std::uint64_t blink; NextCaretBlink(blink)) wait.wakeAt = blink;
    return wait;
}

} // namespace olva::win
