// Kept out of unity batches: the X headers define macros (None, Bool, Status…) other files must not see.
#include "platform/win/SdlHostX11.h"

#include <SDL.h>
#include <SDL_syswm.h>

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

} // namespace olva::win
