#include "ui/bars/navigation/BarNavigationHooks.h"

#include "platform/vcl/Keyboard.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/bars/navigation/BarMenuKeys.h"
#include "ui/bars/navigation/BarNavigationController.h"

namespace {

bool ManagerTakesKeys(TovBarManager* AManager) {
    if (AManager == nullptr || AManager->IsCustomizingOrDesigning()) return false;
    TWinControl* owner = AManager->OwnerWinControl();
    return owner == nullptr || !owner->HandleAllocated() || IsWindowEnabled(owner->Handle());
}

TovBarManager* ManagerFromWindow(HWND AWindow) {
    for (HWND window = AWindow; window != nullptr; window = GetParent(window))
        if (TovBarManager* manager = FindBarManagerOfWindow(window)) return manager;
    return nullptr;
}

} // namespace

TovBarManager* ovFindKeyboardBarManager() {
    for (HWND start : {GetFocus(), GetActiveWindow()}) {
        TovBarManager* manager = ManagerFromWindow(start);
        if (manager != nullptr) return ManagerTakesKeys(manager) ? manager : nullptr;
    }
    return nullptr;
}

bool ovBarNavigationProcessMenuKey(WORD AKey, LPARAM AKeyData) {
    TovBarManager* manager = ovFindKeyboardBarManager();
    if (manager == nullptr) return false;
    const TShiftState shift = KeyboardStateToShiftState();
    const bool keyUp = (AKeyData & (LPARAM(1) << 31)) != 0;
    const bool repeat = (AKeyData & (LPARAM(1) << 30)) != 0;
    return keyUp ? ovBarNavigationMenuKeyUp(manager, AKey, shift)
                 : ovBarNavigationMenuKeyDown(manager, AKey, shift, repeat);
}

void ovBarNavigationStart() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.IsKeyForNavigation = [](WORD AKey, TShiftState AShift) {
        return BarNavigationController()->IsKeyForNavigation(AKey, AShift);
    };
    points.NavigationProcessKey = [](WORD AKey, TShiftState AShift) {
        BarNavigationController()->ProcessKey(AKey, AShift);
    };
    points.NavigationHasSelectedObject = [] {
        return BarNavigationController()->GetSelectedObject() != nullptr;
    };
    // A character key that is no key tip ends waiting for key tips and their display, nothing more:
    // the selection of an open menu stays for the menu's own handling of the key.
    points.EndKeyboardHandling = [] {
        TovBarNavigationController* controller = BarNavigationController();
        if (controller->IsWaitingForKeyTips() || controller->AreKeyTipsShown())
            controller->EndKeyboardHandling();
    };
    points.ProcessMenuKey = ovBarNavigationProcessMenuKey;
    points.MouseDownLeavesNavigation = [] { BarNavigationController()->MouseDown(); };
}

void ovBarNavigationEnd() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.IsKeyForNavigation = nullptr;
    points.NavigationProcessKey = nullptr;
    points.NavigationHasSelectedObject = nullptr;
    points.EndKeyboardHandling = nullptr;
    points.ProcessMenuKey = nullptr;
    points.MouseDownLeavesNavigation = nullptr;
    ovFreeBarNavigationController();
}
