// The standard scroll bars of a window (WS_HSCROLL/WS_VSCROLL): their layout in the non-client area,
// their drawing and the mouse tracking that turns clicks and drags into WM_HSCROLL/WM_VSCROLL.
// Internal to platform/win; callers use SetScrollInfo and its companions from WinUser.h.
#pragma once

#include "platform/win/WindowObject.h"

namespace olva::win {

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

// Window coordinates. `thumb` is empty when the bar has no thumb (disabled or too short).
struct ScrollBarLayout {
    RECT bar{};
    RECT lineUp{};
    RECT lineDown{};
    RECT thumb{};
    int trackStart = 0; // first pixel after the up/left arrow along the bar
    int trackEnd = 0;   // first pixel of the down/right arrow
};

ScrollBarLayout LayoutScrollBar(const Window* w, int bar);
ScrollPart ScrollPartAt(const Window* w, int bar, POINT windowPoint);
// Draws both bars and the size box between them, as the window's styles ask.
void PaintScrollBars(Window* w, HDC windowDC);
// Runs the modal loop of a left click on a scroll bar (hit is HTHSCROLL or HTVSCROLL).
void TrackScrollBar(HWND hwnd, LRESULT hit, POINT screen);
// Drops the scroll state of a window that is going away.
void ForgetScrollBars(HWND hwnd);

} // namespace olva::win
