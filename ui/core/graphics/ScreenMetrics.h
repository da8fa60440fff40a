// The screen's pixels per inch, read once when the graphics unit starts, and scaling of designed sizes
// (at 96 DPI) to the current screen.
#pragma once

#include "platform/rtl/WinTypes.h"

// (horizontal, vertical) pixels per inch.
TPoint uiScreenPixelsPerInch();
// The vertical pixels per inch.
int uiCurrentDPI();
int uiScaleToCurrentDPI(int AValue);
TSize uiGetSizeCurrentDPI(const TSize& ASize);
TRect uiGetRectCurrentDPI(const TRect& R);
// Reads the screen's pixels per inch (the unit's start).
void uiReadScreenPixelsPerInch();
