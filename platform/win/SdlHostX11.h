// What the SDL presenter needs to know of the X server that SDL does not tell: the descriptor of the
// display connection (so that the message loop can sleep until host events come) and what the window
// manager does, if one runs. On Wayland the answers are "unknown" and "a manager that does everything"
// (the compositor manages every window); drivers without a screen have no manager.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <vector>

struct SDL_Window;

namespace olva::win {

// The display connection's descriptor, readable when host events arrive; -1 when unknown.
int HostDisplayDescriptor(SDL_Window* window);

// Where the pointer is on the screen and whether its first button is down, asked of the server now (SDL
// answers from what it last saw); false when the host cannot tell.
struct THostPointer {
    int X = 0, Y = 0;
    bool FirstButtonDown = false;
};
bool HostPointerNow(SDL_Window* window, THostPointer& pointer);

struct THostManager {
    bool Runs = false;          // a window manager minimizes (iconifies) host windows
    bool MovesAndSizes = false; // it moves and sizes a window on request, following the mouse
};
THostManager HostWindowManager(SDL_Window* window);

// Whether the server shapes windows (the X Shape extension); false on other hosts.
bool HostCanShape(SDL_Window* window);
// Cuts the host window to `rects` (host coordinates), or gives it back its whole rectangle when null.
// False when the host cannot shape it.
bool HostSetShape(SDL_Window* window, const std::vector<RECT>* rects);

// Makes an unmapped host window a dialog of `owner`'s host: the manager keeps it above that window
// (and only it), and does not list it as an application window of its own.
void HostSetDialogOf(SDL_Window* window, SDL_Window* owner);

} // namespace olva::win
