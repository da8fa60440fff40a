// The default non-client area of the classic look: frame, caption and caption buttons, their geometry,
// hit testing and drawing. Internal to platform/win.
#pragma once

#include "platform/win/WindowObject.h"

namespace olva::win {

// Window coordinates (relative to the window's top-left corner).
RECT CaptionRect(const Window* w);
RECT CaptionButtonRect(const Window* w,
                       LRESULT button); // HTCLOSE, HTMAXBUTTON, HTMINBUTTON; empty when absent
LRESULT DefaultHitTest(Window* w, POINT screen);
void PaintNonClient(Window* w, HDC windowDC, bool active);
void DefaultCalcSize(Window* w, RECT& rect); // window rectangle in, client rectangle out
void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT screen);
void TrackCaptionButton(HWND hwnd, LRESULT button);

} // namespace olva::win
