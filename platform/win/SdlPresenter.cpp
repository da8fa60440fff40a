#include "platform/win/SdlPresenter.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Cursors.h"
#include "platform/win/DroppedFiles.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <SDL.h>

namespace olva::win {

namespace sdl_presenter_detail {

int VirtualKeyOf(const SDL_Keysym& key) {
    const SDL_Keycode code = key.sym;
    if (code >= SDLK_a && code <= SDLK_z) return 'A' + int(code - SDLK_a); // follows the layout
    if (code >= SDLK_0 && code <= SDLK_9) return '0' + int(code - SDLK_0);
    const SDL_Scancode sc = key.scancode;
    if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return VK_F1 + int(sc - SDL_SCANCODE_F1);
    if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9)
        return VK_NUMPAD0 + 1 + int(sc - SDL_SCANCODE_KP_1);
    switch (sc) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        return VK_RETURN;
    case SDL_SCANCODE_ESCAPE:
        return VK_ESCAPE;
    case SDL_SCANCODE_BACKSPACE:
        return VK_BACK;
    case SDL_SCANCODE_TAB:
        return VK_TAB;
    case SDL_SCANCODE_SPACE:
        return VK_SPACE;
    case SDL_SCANCODE_MINUS:
        return VK_OEM_MINUS;
    case SDL_SCANCODE_EQUALS:
        return VK_OEM_PLUS;
    case SDL_SCANCODE_LEFTBRACKET:
        return VK_OEM_4;
    case SDL_SCANCODE_RIGHTBRACKET:
        return VK_OEM_6;
    case SDL_SCANCODE_BACKSLASH:
        return VK_OEM_5;
    case SDL_SCANCODE_SEMICOLON:
        return VK_OEM_1;
    case SDL_SCANCODE_APOSTROPHE:
        return VK_OEM_7;
    case SDL_SCANCODE_GRAVE:
        return VK_OEM_3;
    case SDL_SCANCODE_COMMA:
        return VK_OEM_COMMA;
    case SDL_SCANCODE_PERIOD:
        return VK_OEM_PERIOD;
    case SDL_SCANCODE_SLASH:
        return VK_OEM_2;
    case SDL_SCANCODE_CAPSLOCK:
        return VK_CAPITAL;
    case SDL_SCANCODE_PRINTSCREEN:
        return VK_SNAPSHOT;
    case SDL_SCANCODE_SCROLLLOCK:
        return VK_SCROLL;
    case SDL_SCANCODE_PAUSE:
        return VK_PAUSE;
    case SDL_SCANCODE_INSERT:
        return VK_INSERT;
    case SDL_SCANCODE_HOME:
        return VK_HOME;
    case SDL_SCANCODE_PAGEUP:
        return VK_PRIOR;
    case SDL_SCANCODE_DELETE:
        return VK_DELETE;
    case SDL_SCANCODE_END:
        return VK_END;
    case SDL_SCANCODE_PAGEDOWN:
        return VK_NEXT;
    case SDL_SCANCODE_RIGHT:
        return VK_RIGHT;
    case SDL_SCANCODE_LEFT:
        return VK_LEFT;
    case SDL_SCANCODE_DOWN:
        return VK_DOWN;
    case SDL_SCANCODE_UP:
        return VK_UP;
    case SDL_SCANCODE_NUMLOCKCLEAR:
        return VK_NUMLOCK;
    case SDL_SCANCODE_KP_DIVIDE:
        return VK_DIVIDE;
    case SDL_SCANCODE_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDL_SCANCODE_KP_MINUS:
        return VK_SUBTRACT;
    case SDL_SCANCODE_KP_PLUS:
        return VK_ADD;
    case SDL_SCANCODE_KP_0:
        return VK_NUMPAD0;
    case SDL_SCANCODE_KP_PERIOD:
        return VK_DECIMAL;
    case SDL_SCANCODE_APPLICATION:
        return VK_APPS;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL:
        return VK_CONTROL;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT:
        return VK_SHIFT;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT:
        return VK_MENU;
    case SDL_SCANCODE_LGUI:
        return VK_LWIN;
    case SDL_SCANCODE_RGUI:
        return VK_RWIN;
    default:
        return 0;
    }
}

SDL_HitTestResult HitTest(SDL_Window*, const SDL_Point* area, void* data) {
    HWND hwnd = static_cast<HWND>(data);
    Window* w = Sys().Find(hwnd);
    if (!w) return SDL_HITTEST_NORMAL;
    POINT o = WindowOriginOnScreen(w);
    LRESULT hit = SendMessage(hwnd, WM_NCHITTEST, 0,
                              MAKELPARAM(WORD(SHORT(o.x + area->x)), WORD(SHORT(o.y + area->y))));
    switch (hit) {
    case HTCAPTION:
        return SDL_HITTEST_DRAGGABLE;
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

// Windows that must never take the host's focus.
bool IsPopup(const Window* w) {
    return (w->exStyle & (WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST)) ||
           ((w->style & WS_POPUP) && w->owner);
}

TSdlPresenter* Running = nullptr;

SDL_SystemCursor SystemCursorFor(int id) {
    switch (id) {
    case 32513:
        return SDL_SYSTEM_CURSOR_IBEAM;
    case 32514:
        return SDL_SYSTEM_CURSOR_WAIT;
    case 32515:
        return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 32642:
        return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 32643:
        return SDL_SYSTEM_CURSOR_SIZENESW;
    case 32644:
        return SDL_SYSTEM_CURSOR_SIZEWE;
    case 32645:
        return SDL_SYSTEM_CURSOR_SIZENS;
    case 32646:
        return SDL_SYSTEM_CURSOR_SIZEALL;
    case 32648:
        return SDL_SYSTEM_CURSOR_NO;
    case 32649:
        return SDL_SYSTEM_CURSOR_HAND;
    case 32650:
        return SDL_SYSTEM_CURSOR_WAITARROW;
    default:
        return SDL_SYSTEM_CURSOR_ARROW;
    }
}
} // namespace sdl_presenter_detail

TSdlPresenter::TSdlPresenter() = default;

TSdlPresenter::~TSdlPresenter() {
    Stop();
}

bool TSdlPresenter::Start() {
    if (FStarted) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        FLastError = SDL_GetError();
        return false;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    // Whether the host can make a window translucent, asked once of a hidden probe window.
    if (SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS)) {
        FOpacityWorks = SDL_SetWindowOpacity(probe, 0.5f) == 0;
        SDL_DestroyWindow(probe);
    } else {
        FOpacityWorks = false;
    }
    SDL_StartTextInput();
    FStarted = true;
    sdl_presenter_detail::Running = this;
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
    Sys().HostTextInput = false;
    for (auto& [hwnd, host] : FHosts)
        SDL_DestroyWindow(host);
    FHosts.clear();
    SDL_StopTextInput();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    FStarted = false;
    if (sdl_presenter_detail::Running == this) sdl_presenter_detail::Running = nullptr;
}

SDL_Window* TSdlPresenter::HostOf(HWND topLevel) const {
    auto it = FHosts.find(topLevel);
    return it == FHosts.end() ? nullptr : it->second;
}

HWND TSdlPresenter::WindowOfHost(unsigned hostId) const {
    for (auto& [hwnd, host] : FHosts)
        if (SDL_GetWindowID(host) == hostId) return hwnd;
    return nullptr;
}

void TSdlPresenter::WindowChanged(HWND hwnd) {
    if (!FStarted) return;
    Window* w = Sys().Find(hwnd);
    if (!w || !IsTopLevel(w)) return;
    SDL_Window* host = HostOf(hwnd);
    const bool visible = (w->style & WS_VISIBLE) != 0;
    const RECT r = w->rect;
    const int width = std::max<int>(1, r.right - r.left), height = std::max<int>(1, r.bottom - r.top);
    if (!host) {
        if (!visible) return;
        Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
        const bool popup = sdl_presenter_detail::IsPopup(w);
        if (popup) flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
        host = SDL_CreateWindow(w->text.c_str(), r.left, r.top, width, height, flags);
        if (!host) {
            FLastError = SDL_GetError();
            return;
        }
        if (!popup) SDL_SetWindowHitTest(host, &sdl_presenter_detail::HitTest, hwnd);
        FHosts[hwnd] = host;
    }
    int x, y, cx, cy;
    SDL_GetWindowPosition(host, &x, &y);
    SDL_GetWindowSize(host, &cx, &cy);
    if (x != r.left || y != r.top) SDL_SetWindowPosition(host, r.left, r.top);
    if (cx != width || cy != height) SDL_SetWindowSize(host, width, height);
    if (SDL_GetWindowTitle(host) != w->text) SDL_SetWindowTitle(host, w->text.c_str());
    if (w->exStyle & WS_EX_LAYERED) {
        if (SDL_SetWindowOpacity(host, float(w->layeredAlpha) / 255.0f) != 0) FOpacityWorks = false;
    }
    const bool shown = (SDL_GetWindowFlags(host) & SDL_WINDOW_SHOWN) != 0;
    if (visible && !shown) {
        SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, sdl_presenter_detail::IsPopup(w) ? "1" : "0");
        SDL_ShowWindow(host);
        Present(hwnd, host);
    } else if (!visible && shown) {
        SDL_HideWindow(host);
    }
}

void TSdlPresenter::WindowDestroyed(HWND hwnd) {
    auto it = FHosts.find(hwnd);
    if (it == FHosts.end()) return;
    SDL_DestroyWindow(it->second);
    FHosts.erase(it);
}

void TSdlPresenter::Present(HWND hwnd, SDL_Window* host) {
    Window* w = Sys().Find(hwnd);
    if (!w || !w->surface) return;
    SDL_Surface* target = SDL_GetWindowSurface(host);
    if (!target) return;
    TSurface& img = *w->surface;
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(img.Pixels(), img.Width(), img.Height(), 32,
                                                             img.Stride(), SDL_PIXELFORMAT_XRGB8888);
    if (!source) return;
    SDL_BlitSurface(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    // The caret, inverted over the picture while it is in the "on" half of its blink.
    RECT caret;
    if (VisibleCaretRect(caret) && target->format->BytesPerPixel == 4 && SDL_LockSurface(target) == 0) {
        POINT o = WindowOriginOnScreen(w);
        OffsetRect(&caret, -o.x, -o.y);
        for (int y = std::max<int>(caret.top, 0); y < std::min<int>(caret.bottom, target->h); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target->pixels) +
                                                         y * target->pitch);
            for (int x = std::max<int>(caret.left, 0); x < std::min<int>(caret.right, target->w); ++x)
                row[x] ^= 0x00FFFFFF;
        }
        SDL_UnlockSurface(target);
    }
    SDL_UpdateWindowSurface(host);
}

SDL_Cursor* TSdlPresenter::HostCursor(HCURSOR cursor) {
    if (auto it = FCursors.find(cursor); it != FCursors.end()) return it->second;
    SDL_Cursor* made = nullptr;
    if (int id = SystemCursorId(cursor)) {
        made = SDL_CreateSystemCursor(sdl_presenter_detail::SystemCursorFor(id));
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

void TSdlPresenter::PresentAll() {
    for (auto& [hwnd, host] : FHosts)
        if (SDL_GetWindowFlags(host) & SDL_WINDOW_SHOWN) Present(hwnd, host);
}

void TSdlPresenter::HandleEvent(const SDL_Event& e) {
    auto screenPoint = [this](unsigned windowId, int x, int y) {
        HWND hwnd = WindowOfHost(windowId);
        Window* w = Sys().Find(hwnd);
        POINT o = w ? WindowOriginOnScreen(w) : POINT{0, 0};
        return POINT{o.x + x, o.y + y};
    };
    switch (e.type) {
    case SDL_MOUSEMOTION: {
        POINT p = screenPoint(e.motion.windowID, e.motion.x, e.motion.y);
        InjectMouse(MouseAction::Move, p.x, p.y);
        break;
    }
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
        if (int vk = sdl_presenter_detail::VirtualKeyOf(e.key.keysym)) InjectKey(vk, e.type == SDL_KEYDOWN);
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
        if (!w) break;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            FFocusGained = true;
            if (!(w->exStyle & WS_EX_NOACTIVATE) && (Sys().Active != hwnd || !Sys().AppActive))
                ActivateWindow(w, WA_ACTIVE);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            FFocusLost = true;
            break;
        case SDL_WINDOWEVENT_MOVED:
            if (w->rect.left != e.window.data1 || w->rect.top != e.window.data2)
                SetWindowPos(hwnd, nullptr, e.window.data1, e.window.data2, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (w->rect.right - w->rect.left != e.window.data1 ||
                w->rect.bottom - w->rect.top != e.window.data2)
                SetWindowPos(hwnd, nullptr, 0, 0, e.window.data1, e.window.data2,
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            if (SDL_Window* host = HostOf(hwnd)) Present(hwnd, host);
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
    if (FFocusLost && !FFocusGained && Sys().AppActive) ActivateWindow(nullptr, WA_INACTIVE);
    SDL_CaptureMouse(Sys().Capture ? SDL_TRUE : SDL_FALSE);
    ShowCurrentCursor();
    const std::uint64_t now = NowMs();
    if (now - FLastPresent >= 15 || now < FLastPresent) {
        FLastPresent = now;
        PresentAll();
    }
}

} // namespace olva::win
