// Presenters show the window system's top-level windows: the headless memory screen (tests, the
// default) and the SDL2 presenter (real use). The window system tells the current presenter when a
// top-level window changed place, shape, visibility or picture.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>

class TSurface;

namespace olva::win {

// What ends the message loop's sleep besides the queue, as the presenter's host says before each sleep.
struct HostWait {
    bool eventsWaiting = false; // host events are already queued: do not sleep
    int descriptor = -1;        // readable when host events arrive; -1 when the host offers none
    std::uint64_t wakeAt = 0; // a time (NowMs) the presenter must look again, e.g. the caret's blink; 0 none
};

class IPresenter {
public:
    virtual ~IPresenter() = default;
    virtual void WindowChanged(HWND topLevel) = 0;
    // The window is gone, or is no longer a top-level window (SetParent made it a child).
    virtual void WindowDestroyed(HWND topLevel) = 0;
    // What the host can show; the window system refuses what it cannot, so callers fall back.
    virtual bool SupportsWindowAlpha() const { return true; }
    virtual bool SupportsPerPixelAlpha() const { return true; }
    virtual bool SupportsWindowShapes() const { return true; }
};

// The presenter that hears of changes (null: none; the memory screen is always there).
void SetPresenter(IPresenter* presenter);
IPresenter* CurrentPresenter();

// The memory screen: every visible top-level window composed in z-order (window regions, layered
// alpha and colour keys applied) over the desktop colour, the caret drawn on top. Covers the virtual
// screen; pixel (0, 0) is the virtual screen's top-left corner.
std::shared_ptr<TSurface> ComposeScreen();
// The image a top-level window's tree has drawn (window coordinates), or null.
std::shared_ptr<TSurface> WindowImage(HWND hwnd);
// PNG snapshots; false (and nothing written) when the window is unknown or the file cannot be written.
bool SaveScreenPng(const std::string& path);
bool SaveWindowPng(HWND hwnd, const std::string& path);

// Makes the calling thread the user-interface thread: the start-up sequence calls it first, before any
// other thread may post. (Without it, the first thread to use the window system is taken.)
void BindWindowSystemToThisThread();

// Destroys every window and returns the window system to its first state (monitors, metrics, colours,
// hooks, queue, clipboard, descriptor watches); handles already given out stay invalid forever. The clock is
// the runtime's and stays.
void ResetWindowSystem();

} // namespace olva::win
