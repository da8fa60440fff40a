// The bar system's thread hooks. Bars never take the keyboard focus and never activate their windows, yet
// they must hear keys typed while a menu is open, clicks outside an open menu, Alt and F10, and their
// owner window's messages. Three hooks (keyboard, mouse, call-window-procedure) do this; they exist while
// at least one bar manager exists.
//
// What the hooks do for the keyboard navigation controller, the design controller and the owner window is
// reached through the hook points below, which those parts fill at their start; an empty point does
// nothing. No hook procedure ever lets an exception out: it would unwind through message retrieval.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

#include <functional>

class TCustomovBarControl;
class TovBarItemControl;
class TovBarManager;
struct MOUSEHOOKSTRUCT;

struct TovBarHookPoints {
    // ---- Keyboard navigation (key tips, Alt and F10)
    // The controller claims the key (it is in navigation mode or shows key tips).
    std::function<bool(WORD AKey, TShiftState AShift)> IsKeyForNavigation;
    std::function<void(WORD AKey, TShiftState AShift)> NavigationProcessKey;
    // The controller has a selected object: keys are swallowed while it does.
    std::function<bool()> NavigationHasSelectedObject;
    // Ends key-tip waiting and key-tip display (a character key, a mouse-down).
    std::function<void()> EndKeyboardHandling;
    // Alt, F10 and accelerator keys when no bar took the key and no window has the capture; True consumes
    // the key. AKeyData is the key message's data (bit 31 set for a key-up, bit 30 for a repeat).
    std::function<bool(WORD AKey, LPARAM AKeyData)> ProcessMenuKey;
    // A mouse button went down anywhere: navigation mode ends.
    std::function<void()> MouseDownLeavesNavigation;

    // ---- Design controller (customizing)
    // Escape cancels the current customizing operation; True when there was one.
    std::function<bool(TovBarManager* AManager)> CancelCustomizingOperation;
    // Deletes the selected objects of the customizing manager; True when it did.
    std::function<bool(TovBarManager* AManager, bool ACtrlDown)> DeleteSelectedObjects;

    // ---- Owner windows
    // Every message the call-window-procedure hook sees, for the owning manager's handling.
    std::function<void(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam)> RouteWindowMessage;

    // ---- Hints of bar items (the manager's hint)
    // The selection of a bar changed (AControl may be null): the hint follows it.
    std::function<void(TCustomovBarControl* ABar, TovBarItemControl* AControl)> ActivateHint;
    // A bar joins or leaves the active chain, or an item is pressed: the manager's hint goes.
    std::function<void(TovBarManager* AManager)> HideHint;

    // ---- The manager list
    std::function<void(TovBarManager* AManager)> ManagerAdded;
    std::function<void(TovBarManager* AManager)> ManagerRemoved;
};

TovBarHookPoints& ovBarHookPoints();

// Installs the three hooks (once), and removes them.
void ovBarInstallHooks();
void ovBarUninstallHooks();
bool ovBarHooksInstalled();

// The hook procedures themselves, as the hooks call them. AResult 1 consumes the message.
void ovBarKeyboardHookProc(int ACode, WORD AKey, LPARAM AKeyData, LRESULT& AResult);
void ovBarMouseHookProc(int ACode, UINT AMsg, const MOUSEHOOKSTRUCT& AData, LRESULT& AResult);
void ovBarCallWndProcHookProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);

// The active bar control takes the key: it is sent to its window. True when the key was handled.
bool ovBarProcessActiveBarKey(WORD AKey, LPARAM AKeyData);
// A press outside the active chain closes it level by level; True when the press is consumed.
bool ovBarCloseMenusOnMouseDown(int ACode, UINT AMsg, HWND AWnd, const TPoint& AScreenPoint);
// The window belongs to the active chain: a bar of it owns the window or it is a bar's owner control.
bool ovBarIsWindowInActiveChain(HWND AWnd);

// For the ribbon's mouse-wheel hook: 3 no active bar, 2 its selected control is an in-place editor with
// the focus, 1 the active bar handles the wheel itself (the wheel message goes to it), 0 otherwise.
int ovBarActiveBarMouseWheelKind();

// Set by a toolbar while the left button is held on one of its MDI buttons: every key is consumed.
void ovBarSetMDIButtonPressed(bool AValue);
// The application is active: it was not switched away from and the thread has an active window.
bool ovBarApplicationIsActive();
// The first manager that is customizing or designing, if any.
TovBarManager* ovBarCustomizingManager();
