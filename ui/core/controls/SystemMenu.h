// The system menu of custom-framed forms: loading the window menu, following the window's state,
// trimming it for dialogs, and copying menus item by item.
#pragma once

#include "platform/rtl/WinTypes.h"

// A copy of window menu 0, 1 or 2 (resources 16, 32, 48) with check-or-bitmap style and the system's
// item bitmaps on close (and for 0 and 1 on minimize, maximize, restore); 0 when it cannot be loaded.
HMENU uiLoadSystemMenu(int AIndex);
// Enables and disables size, move, minimize, maximize and restore from the window's style and state,
// and makes restore (iconic) or close the default item.
void uiUpdateSystemMenuItems(HWND AWnd, HMENU AMenu);
// Only with bit 0 of AOptions: for a dialog deletes task list, positions 7 and 5, maximize, minimize,
// size and restore; then uiUpdateSystemMenuItems. ALockUpdate locks the window's drawing meanwhile.
void uiAdjustSystemMenu(HMENU AMenu, HWND AWnd, bool AIsDialog, bool ALockUpdate, DWORD AOptions);
// Replaces the destination's items by copies of the source's.
void uiCopyMenuItems(HMENU ASource, HMENU ADestination);
