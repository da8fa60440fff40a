// Kept out of unity batches: the X headers' macros must not reach the other test files.
#include "XServerProbe.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cstdlib>

namespace x_probe {

namespace {

Display* DisplayOf(SDL_Window* host, ::Window& window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    window = 0;
    if (!host || !SDL_GetWindowWMInfo(host, &info) || info.subsystem != SDL_SYSWM_X11) return nullptr;
    window = info.info.x11.window;
    return info.info.x11.display;
}

std::vector<unsigned long> Property(Display* display, ::Window window, const char* name, Atom type) {
    std::vector<unsigned long> values;
    const Atom atom = XInternAtom(display, name, False);
    Atom actual;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    XSync(display, False);
    if (XGetWindowProperty(display, window, atom, 0, 4096, False, type, &actual, &format, &count, &remaining,
                           &data) == Success &&
        data && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data) XFree(data);
    return values;
}

} // namespace

unsigned long XWindowOf(SDL_Window* host) {
    ::Window window;
    DisplayOf(host, window);
    return window;
}

std::vector<RECT> ShapeRectangles(SDL_Window* host) {
    ::Window window;
    Display* display = DisplayOf(host, window);
    std::vector<RECT> rects;
    if (!display) return rects;
    XSync(display, False);
    int count = 0, ordering = 0;
    XRectangle* shape = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i)
        rects.push_back(
            RECT{shape[i].x, shape[i].y, shape[i].x + shape[i].width, shape[i].y + shape[i].height});
    if (shape) XFree(shape);
    return rects;
}

unsigned long TransientFor(SDL_Window* host) {
    ::Window window, owner = 0;
    Display* display = DisplayOf(host, window);
    if (!display) return 0;
    XSync(display, False);
    return XGetTransientForHint(display, window, &owner) ? owner : 0;
}

bool IsDialogType(SDL_Window* host) {
    ::Window window;
    Display* display = DisplayOf(host, window);
    if (!display) return false;
    const auto types = Property(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM);
    const Atom dialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    return std::find(types.begin(), types.end(), dialog) != types.end();
}

bool IsOverrideRedirect(SDL_Window* host) {
    ::Window window;
    Display* display = DisplayOf(host, window);
    XWindowAttributes attributes{};
    return display && XGetWindowAttributes(display, window, &attributes) && attributes.override_redirect;
}

std::vector<unsigned long> Stacking(SDL_Window* anyHost) {
    ::Window window;
    Display* display = DisplayOf(anyHost, window);
    if (!display) return {};
    return Property(display, DefaultRootWindow(display), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
}

bool ManagerSaysMaximized(SDL_Window* host) {
    ::Window window;
    Display* display = DisplayOf(host, window);
    if (!display) return false;
    const auto state = Property(display, window, "_NET_WM_STATE", XA_ATOM);
    auto has = [&](const char* name) {
        return std::find(state.begin(), state.end(), XInternAtom(display, name, False)) != state.end();
    };
    return has("_NET_WM_STATE_MAXIMIZED_VERT") && has("_NET_WM_STATE_MAXIMIZED_HORZ");
}

bool Run(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace x_probe
