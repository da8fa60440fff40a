// Window routines of the library: invalidating, points in regions, mapping between windows, painting a
// window into any DC, and painting a control's parent (and its other children) behind a transparent
// control.
#pragma once

#include "platform/rtl/WinTypes.h"

class TControl;
class TuiCanvas;

void uiInvalidateArea(HWND AWnd, const TRect& R, bool AErase);
void uiInvalidateArea(HWND AWnd, bool AErase);
bool uiPtInRegion(HRGN ARegion, const TPoint& P);
bool uiPtInRegion(HRGN ARegion, int X, int Y);

// The client area's top-left relative to the window rectangle's top-left.
TPoint uiClientOriginOffset(HWND AWnd);
// With AClient, from client to client coordinates; otherwise from AFrom's window rectangle to ATo's.
TPoint uiMapWindowPoint(HWND AFrom, HWND ATo, const TPoint& P, bool AClient);
// R's top-left mapped as uiMapWindowPoint does; the size stays.
TRect uiMapWindowRect(HWND AFrom, HWND ATo, const TRect& R, bool AClient);

// Paints the window into ADC (window coordinates with its frame, else client coordinates).
void uiPaintWindowToDC(HWND AWnd, HDC ADC, bool AWithNonClient, bool AErase);
// Paints into R of the canvas what AControl's parent (and, with APaintChildren, the parent's other
// children) shows under R of AControl. A second call for the same parent while it paints returns at once.
void uiDrawTransparentControlBackground(TControl* AControl, TuiCanvas* ACanvas, const TRect& R,
                                        bool APaintChildren = true);
// Forgets the painting guards (the graphics unit's end).
void uiFreeWindowPaintingLists();
