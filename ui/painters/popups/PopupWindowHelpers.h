// Window-relation helpers of the popups, used by the popup hooks and by the bar and ribbon code: whether
// a window belongs to a control, to a control's form or to a popup dropped down from it, which form is
// active, and small message helpers. None has a side effect unless it says so.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <vector>

class TControl;
class TWinControl;
class TCustomForm;

// The control has a window and it is AWindow.
bool IsControlWindow(TWinControl* AControl, HWND AWindow);
// IsControlWindow, or (with ARelated) AWindow is related to the control's window.
bool IsOwnOrRelatedWindow(TWinControl* AControl, HWND AWindow, bool ARelated);
// AChild is AParent or lies below it, also through popups: a window on a popup counts as lying at the
// popup's owner control. False when either is 0 or both are equal.
bool IsRelatedWindowHandle(HWND AParent, HWND AChild);
// When AWindow's root window is a popup with an owner control that has a window: AWindow becomes that
// window and the answer is True.
bool RedirectToPopupOwner(HWND& AWindow);
// AWindow is the window of the control's form or related to it (or lies under the top-level window
// that holds a form embedded without a parent control).
bool IsWindowInControlForm(TControl* AControl, HWND AWindow);
// The first window up the parent chain (AWindow included) without WS_CHILD.
HWND FirstTopLevelAncestor(HWND AWindow);
// The owner control's window of the first popup among AWindow and its parents, else AWindow.
HWND PopupOwnerWindowOf(HWND AWindow);
bool IsControlWindowVisible(TWinControl* AControl);
bool IsActiveWindowHandle(HWND AWindow);
// Our platform has no MDI: an MDI child is never the active one.
bool IsActiveMDIChild(TCustomForm* AForm);
bool IsTopLevelAncestorActive(TCustomForm* AForm);
bool FormIsActive(TCustomForm* AForm);
// Button-down and double-click messages of the client and non-client area.
bool IsMouseButtonDownMessage(unsigned AMessage);
TRect GetControlRect(TControl* AControl);
// Locks (or unlocks) CM_ACTIVATE and CM_DEACTIVATE in the messages controller.
void LockActivationMessages(bool ALock);
// An enabled window is disabled and remembered; the remembered windows that still exist are enabled.
void DisableWindowAndRemember(std::vector<HWND>& AList, HWND AWindow);
void EnableRememberedWindows(const std::vector<HWND>* AList);
// A unit-level option that nothing sets.
inline bool uiContainerOptionFlag = false;
// Equal as written (ACaseSensitive) or equal once upper-cased.
bool uiSameName(const std::string& A, const std::string& B, bool ACaseSensitive);

// The library's popup-owner lookup: PopupOwnerWindowOf while the popups unit runs, null otherwise.
using TuiPopupOwnerLookup = HWND (*)(HWND AWindow);
TuiPopupOwnerLookup uiPopupOwnerLookup();
void uiSetPopupOwnerLookup(TuiPopupOwnerLookup ALookup);
