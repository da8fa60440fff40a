// Kept out of unity batches: the X headers define macros (None, Bool, Status…) other files must not see.
#include "platform/win/SdlHostX11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/extensions/shape.h>

#include <string>
#include <vector>

namespace olva::win {

namespace sdl_host_x11_detail {

SDL_SYSWM_TYPE SubsystemOf(SDL_Window* window, Display*& display) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    display = nullptr;
    if (!window || !SDL_GetWindowWMInfo(window, &info)) return SDL_SYSWM_UNKNOWN;
    if (info.subsystem == SDL_SYSWM_X11) display = info.info.x11.display;
    return info.subsystem;
}

// Reading properties of windows that may have gone meanwhile: X errors are caught, not fatal.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::vector<unsigned long> Property(Display* display, ::Window window, const char* name, Atom type) {
    std::vector<unsigned long> values;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) return values;
    Atom actualType;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    XSync(display, False);
    auto* previous = XSetErrorHandler(&IgnoreErrors);
    const int status = XGetWindowProperty(display, window, atom, 0, 1024, False, type, &actualType, &format,
                                          &count, &remaining, &data);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (status == Success && data && format == 32 && actualType == type) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data) XFree(data);
    return values;
}

// The X window of a host window on the X server, with its display; false on other hosts.
bool XWindowOf(SDL_Window* window, Display*& display, ::Window& xwindow) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
    display = info.info.x11.display;
    xwindow = info.info.x11.window;
    return display != nullptr;
}

} // namespace sdl_host_x11_detail

int HostDisplayDescriptor(SDL_Window* window) {
    Display* display;
    sdl_host_x11_detail::SubsystemOf(window, display);
    return display ? ConnectionNumber(display) : -1;
}

bool HostPointerNow(SDL_Window* window, THostPointer& pointer) {
    Display* display;
    sdl_host_x11_detail::SubsystemOf(window, display);
    if (!display) return false;
    ::Window root, child;
    int windowX, windowY;
    unsigned int buttons;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &pointer.X, &pointer.Y, &windowX,
                       &windowY, &buttons))
        return false;
    pointer.FirstButtonDown = (buttons & Button1Mask) != 0;
    return true;
}

THostManager HostWindowManager(SDL_Window* window) {
    using namespace sdl_host_x11_detail;
    Display* display;
    const SDL_SYSWM_TYPE subsystem = SubsystemOf(window, display);
    if (subsystem == SDL_SYSWM_WAYLAND) return THostManager{true, true}; // the compositor manages
    THostManager manager;
    if (!display) return manager; // a driver without windows on a screen
    const ::Window root = DefaultRootWindow(display);
    // A manager that follows the desktop conventions names a window of its own that names itself back;
    // an older one at least owns the screen's manager selection.
    const auto check = Property(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    const bool conventional =
        !check.empty() && Property(display, check[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) == check;
    const std::string selection = "WM_S" + std::to_string(DefaultScreen(display));
    const Atom selectionAtom = XInternAtom(display, selection.c_str(), False);
    manager.Runs = conventional || XGetSelectionOwner(display, selectionAtom) != None;
    if (conventional) {
        const Atom moveResize = XInternAtom(display, "_NET_WM_MOVERESIZE", False);
        for (unsigned long supported : Property(display, root, "_NET_SUPPORTED", XA_ATOM))
            if (Atom(supported) == moveResize) manager.MovesAndSizes = true;
    }
    return manager;
}

bool HostCanShape(SDL_Window* window) {
    Display* display;
    ::Window xwindow;
    if (!sdl_host_x11_detail::XWindowOf(window, display, xwindow)) return false;
    int eventBase = 0, errorBase = 0;
    return XShapeQueryExtension(display, &eventBase, &errorBase);
}

bool HostSetShape(SDL_Window* window, const std::vector<RECT>* rects) {
    Display* display;
    ::Window xwindow;
    if (!sdl_host_x11_detail::XWindowOf(window, display, xwindow) || !HostCanShape(window)) return false;
    if (!rects) {
        XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
    } else {
        std::vector<XRectangle> shape;
        shape.reserve(rects->size());
        for (const RECT& r : *rects)
            if (r.right > r.left && r.bottom > r.top)
                shape.push_back(XRectangle{short(r.left), short(r.top),
                                           static_cast<unsigned short>(r.right - r.left),
                                           static_cast<unsigned short>(r.bottom - r.top)});
        // The banded rectangles come sorted by rows, then columns, without overlaps.
        XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, shape.data(), int(shape.size()),
                                ShapeSet, YXBanded);
    }
    XFlush(display);
    return true;
}

void HostSetDialogOf(SDL_Window* window, SDL_Window* owner) {
    Display* display;
    ::Window xwindow, ownerWindow;
    Display* ownerDisplay;
    if (!sdl_host_x11_detail::XWindowOf(window, display, xwindow)) return;
    if (owner && sdl_host_x11_detail::XWindowOf(owner, ownerDisplay, ownerWindow))
        XSetTransientForHint(display, xwindow, ownerWindow);
    const Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dialog = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(display, xwindow, type, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dialog), 1);
    XFlush(display);
}

} // namespace olva::win
