// What the tests of the SDL2 presenter ask the X server (and its window manager) directly, to see what
// the host really did: shapes, dialogs' owners, the manager's stacking and states.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <vector>

struct SDL_Window;

namespace x_probe {

// The X window of a host window; 0 off the X server.
unsigned long XWindowOf(SDL_Window* host);
// The rectangles the host window is cut to (its bounding shape), in its own coordinates.
std::vector<RECT> ShapeRectangles(SDL_Window* host);
// The window the host is a dialog of (WM_TRANSIENT_FOR); 0 for none.
unsigned long TransientFor(SDL_Window* host);
// Whether the host is typed a dialog for the manager.
bool IsDialogType(SDL_Window* host);
// Whether the server lets the host go above every other application window (override-redirect).
bool IsOverrideRedirect(SDL_Window* host);
// The manager's stacking order of its managed windows, bottom first (_NET_CLIENT_LIST_STACKING).
std::vector<unsigned long> Stacking(SDL_Window* anyHost);
// Whether the manager lists the host as maximized both ways (_NET_WM_STATE).
bool ManagerSaysMaximized(SDL_Window* host);
// Runs a command (xdotool, wmctrl) and says whether it succeeded.
bool Run(const std::string& command);

} // namespace x_probe
