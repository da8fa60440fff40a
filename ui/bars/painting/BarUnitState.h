// The little state the bar library's drawing keeps between calls: the screen's colour depth, the 8 x 8
// checker brush of pressed buttons, the menu-sound and lightened-glyph switches, the application-activity
// flags the bar message hook writes, and the layered-window entry that window fading needs. The bar
// unit makes it at start-up and releases it at shut-down.
#pragma once

#include "platform/rtl/WinTypes.h"

void ovBarDrawingStateStart();
void ovBarDrawingStateEnd();

// Bits per pixel of the screen, as last read.
int ovBarScreenColorDepth();
// Reads the depth from the screen's device context.
void UpdateScreenColorDepth();
// Tests put a depth in place (8-bit screens skip the lightened glyphs).
void ovBarSetScreenColorDepth(int ABitsPerPixel);

// The checker brush: pixels whose x and y have the same parity are the button face, the others the
// button highlight. Rebuilt on system colour changes; nothing is rebuilt once the unit has ended.
HBRUSH ovBarPatternBrush();
void RefreshPatternBrush();

// Menus play their sounds only while this is on (it always is; nothing in the program turns it off).
bool ovBarMenuSoundsOn();
void ovBarSetMenuSounds(bool AValue);
// Enables the lightened glyph draw mode (on; nothing in the program turns it off).
bool ovBarLightenedGlyphsOn();
void ovBarSetLightenedGlyphs(bool AValue);

// Written by the bar library's call-window-procedure hook: whether the application is active, and
// whether it is being deactivated in favour of another application's window.
void ovBarSetApplicationActive(bool AValue);
void ovBarSetDeactivating(bool AValue);
bool ovBarApplicationActiveFlag();
bool ovBarDeactivatingFlag();

// The layered-window entry (SetLayeredWindowAttributes) where the presenter can show window alpha;
// null where it cannot: fading then shows windows at once.
using TovLayeredWindowEntry = BOOL (*)(HWND, COLORREF, BYTE, DWORD);
TovLayeredWindowEntry ovBarLayeredWindowEntry();
void ovBarSetLayeredWindowEntry(TovLayeredWindowEntry AEntry);
