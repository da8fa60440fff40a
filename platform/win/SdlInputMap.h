// How the host's keys and cursors map to the window system's: virtual-key codes for SDL's keys, SDL's
// system cursors for the standard cursor identifiers.
#pragma once

#include <SDL.h>

namespace olva::win {

// The virtual-key code of a host key (letters follow the keyboard layout); 0 for keys we do not know.
int VirtualKeyOf(const SDL_Keysym& key);
// The host's cursor for a standard cursor identifier (IDC_...); the arrow for any other.
SDL_SystemCursor SystemCursorFor(int id);

} // namespace olva::win
