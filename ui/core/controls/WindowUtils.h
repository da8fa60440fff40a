// Routines around plain window handles and class-library controls: window and monitor rectangles,
// parent chains, the deepest window under a point, styles, z-order and layered opacity.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/WinTypes.h"

#include <string>

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;

// Rectangles of a window; (0, 0, 0, 0) when the window does not answer.
TRect uiWindowRectOf(HWND AWnd);
TRect uiClientRectOf(HWND AWnd);
// A windowed control's window rectangle; (0, 0, 0, 0) without a handle.
TRect uiGetControlWindowRect(TWinControl* AControl);
// The window rectangle moved to (0, 0).
TRect uiWindowBoundsOf(HWND AWnd);
TRect uiGetControlWindowBounds(TWinControl* AControl);
TPoint uiClientPointToScreen(HWND AWnd, const TPoint& P);
// P in the coordinates of AParent (the control's own parent when null). Raises EInvalidOperation when
// the control has no parent or AParent is not one of its parents.
TPoint uiClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent);

// Work areas: the monitor nearest P; a monitor's (the screen's for 0).
TRect uiGetWorkAreaAtPoint(const TPoint& P);
TRect uiGetMonitorWorkArea(HMONITOR AMonitor);
// Moves R (never resizes it) into the work area at P; left and top win for an oversized rectangle.
void uiAdjustRectToWorkArea(TRect& R, const TPoint& P);
// Whether the window is narrower or lower than its monitor's work area.
bool IsWindowSmallerThanWorkArea(HWND AWnd);
// The cursor position; (-1, -1) when it cannot be read.
TPoint uiGetMouseCursorPos();
// The deepest visible window under the screen point; 0 when none.
HWND uiWindowAtPoint(const TPoint& P);
// At most 1023 characters; empty on failure.
std::string uiGetWindowText(HWND AWnd);

bool uiIsChildClassWindow(HWND AWnd);
// The window is AParent itself or one of its children (False for a 0 parent).
bool uiIsChildEx(HWND AParent, HWND AWnd);
bool uiIsOwnerWindow(HWND AOwner, HWND AWnd);
// IsWindowEnabled, and for a child window that of every parent too.
bool uiIsWindowEnabledEx(HWND AWnd);
bool uiIsControlVisible(TWinControl* AControl);
// The first class-library control on the window or its ancestors.
TWinControl* uiControlOfHandle(HWND AWnd);
TWinControl* ovParentControlOf(HWND AWnd);
TCustomForm* ovFindParentForm(HWND AWnd);
// The first component AComponent owns that is a T, or null (also for a null owner).
template <class T> T* uiLocateComponent(TComponent* AComponent);
bool uiCanAllocateHandle(TWinControl* AControl);
bool uiIsMDIForm(TCustomForm* AForm);
bool uiIsMDIChildForm(TCustomForm* AForm);
// Performs the message (0, 0) on the control and each parent above it, stopping before the first form.
void uiBroadcastToParents(TControl* AControl, UINT AMsg);

// Styles: index 0 GWL_STYLE, 1 GWL_EXSTYLE; mode 0 replaces, 1 adds the bits, 2 removes them.
bool uiHasWindowStyle(HWND AWnd, DWORD AStyle);
void uiSetWindowStyle(HWND AWnd, DWORD AValue, int AMode = 0, int AIndex = 0);
LONG_PTR uiSetWindowProc(HWND AWnd, LONG_PTR AProc);
void uiSetWindowZOrder(HWND AWnd, HWND AWndInsertAfter, bool AActivate = false, UINT AFlags = 0);
// Below 255 makes the window layered with that opacity; 255 takes the layered style off again.
void uiSetLayeredWindowAlpha(HWND AWnd, BYTE AAlpha);

template <class T> T* uiLocateComponent(TComponent* AComponent) {
    if (AComponent == nullptr) return nullptr;
    for (int i = 0; i < AComponent->ComponentCount(); ++i)
        if (auto* found = dynamic_cast<T*>(AComponent->Components(i))) return found;
    return nullptr;
}
