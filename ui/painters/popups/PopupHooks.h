// The three thread hooks that close shown popups: the call-window-procedure hook (activation of other
// applications, owners destroyed, closed, hidden or moved, caption activation, gestures), the
// get-message hook (Alt-keys a popup does not take) and the mouse hook (clicks outside a popup). The
// painters' start-up installs them in that order and their shut-down removes them in reverse.
#pragma once

#include "platform/rtl/WinTypes.h"

void PopupCallWndProcHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);
void PopupGetMessageHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);
void PopupMouseHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);

// Closes the shown popups a mouse-down on AWindow closes; AHandled tells whether the click is swallowed.
void ClosePopupsOnMouseDown(HWND AWindow, const TPoint& AMousePos, UINT AMessage, bool& AHandled);
// Closes every shown popup that is the active form unless AWindow is it or related to it.
void ClosePopupsOnGesture(HWND AWindow);

// Unit start and end: the hooks, the popup-owner lookup, the visible list.
void uiPopupsInitialize();
void uiPopupsFinalize();
