// The screen's pixels per inch, read once when the graphics unit starts, scaling of designed sizes
// (at 96 DPI) to the current screen, and the size of the mouse cursor.
#pragma once

#include "platform/rtl/WinTypes.h"

// (horizontal, vertical) pixels per inch.
TPoint uiScreenPixelsPerInch();
// The vertical pixels per inch.
int uiCurrentDPI();
int uiScaleToCurrentDPI(int AValue);
TSize uiGetSizeCurrentDPI(const TSize& ASize);
TRect uiGetRectCurrentDPI(const TRect& R);
// The size of the current mouse cursor: the cursor's width, and the height of its drawn part below the
// hot spot for a cursor with a monochrome mask; the system's cursor size otherwise.
TSize uiGetCursorSize();
// Reads the screen's pixels per inch (the unit's start).
void uiReadScreenPixelsPerInch();
