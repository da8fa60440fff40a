#include "ui/bars/hooks/BarHooks.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Keyboard.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/platform/SystemHooks.h"

namespace bar_hooks_detail {

struct TState {
    bool Installed = false;
    WORD SwallowedKey = 0;
    bool Swallow = false;
    bool MouseHookBusy = false;
    bool MDIButtonPressed = false;
    bool ApplicationActive = true;
    bool DeactivatedToOtherApplication = false;
};

TState& State() {
    static TState state;
    return state;
}

bool IsKeyUp(LPARAM AKeyData) {
    return (static_cast<unsigned long>(AKeyData) & 0x80000000UL) != 0;
}

bool IsKeyDown(WORD AKey) {
    return (GetKeyState(AKey) & 0x8000) != 0;
}

void Swallow(WORD AKey) {
    State().SwallowedKey = AKey;
    State().Swallow = true;
}

// The active bar control when it can take input now.
TCustomovBarControl* AccessibleActiveBar() {
    TCustomovBarControl* bar = ovBarActiveBarControl();
    if (bar == nullptr || !bar->HandleAllocated() || !IsWindowEnabled(bar->Handle())) return nullptr;
    return bar;
}

bool IsReleaseOfOtherButton(UINT AMsg) {
    return AMsg == WM_RBUTTONUP || AMsg == WM_NCRBUTTONUP || AMsg == WM_MBUTTONUP || AMsg == WM_NCMBUTTONUP;
}

// A bar control keeps the message for its selected control (a combo whose list is dropped down, an item
// of a bar under the press).
bool BarKeepsMessage(HWND AWnd, const TPoint& AScreenPoint) {
    if (TCustomovBarControl* bar = TCustomovBarControl::FromChildHandle(AWnd))
        return bar->SelectedControl() != nullptr;
    TCustomovBarControl* active = ovBarActiveBarControl();
    if (active == nullptr || GetCapture() == nullptr || !active->HandleAllocated()) return false;
    RECT window{};
    GetWindowRect(active->Handle(), &window);
    TovBarItemControl* selected = active->SelectedControl();
    return selected != nullptr && (PtInRect(&window, AScreenPoint) || selected->IsDroppedDown());
}

bool IsOwnerControlOfChain(HWND AWnd) {
    for (TCustomovBarControl* bar = ovBarActiveBarControl(); bar != nullptr; bar = bar->GetParentInChain())
        if (bar->IsOwnerControlWindow(AWnd)) return true;
    return false;
}

void ForwardMouseMoveToBar(HWND AWnd, const TPoint& AScreenPoint) {
    HWND under = WindowFromPoint(AScreenPoint);
    if (under == nullptr) return;
    TCustomovBarControl* bar = TCustomovBarControl::FromChildHandle(GetParent(under));
    if (bar == nullptr || !bar->HandleAllocated() || bar->Handle() == under) return;
    POINT p = AScreenPoint;
    ScreenToClient(bar->Handle(), &p);
    SendMessage(bar->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

void KeyboardHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult) {
    ovBarKeyboardHookProc(ACode, static_cast<WORD>(AWParam), ALParam, AResult);
}

void MouseHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult) {
    if (ALParam == 0) return;
    ovBarMouseHookProc(ACode, static_cast<UINT>(AWParam), *reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam),
                       AResult);
}

void CallWndProcHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
    if (ACode != HC_ACTION || ALParam == 0) return;
    const auto& data = *reinterpret_cast<const CWPSTRUCT*>(ALParam);
    ovBarCallWndProcHookProc(data.hwnd, data.message, data.wParam, data.lParam);
}

} // namespace bar_hooks_detail

using namespace bar_hooks_detail;

TovBarHookPoints& ovBarHookPoints() {
    static TovBarHookPoints points;
    return points;
}

void ovBarInstallHooks() {
    if (State().Installed) return;
    ovSetHook(hkKeyboard, &KeyboardHook);
    ovSetHook(hkMouse, &MouseHook);
    ovSetHook(hkCallWndProc, &CallWndProcHook);
    State().Installed = true;
}

void ovBarUninstallHooks() {
    if (!State().Installed) return;
    ovReleaseHook(&CallWndProcHook);
    ovReleaseHook(&MouseHook);
    ovReleaseHook(&KeyboardHook);
    State() = TState{};
}

bool ovBarHooksInstalled() {
    return State().Installed;
}

void ovBarSetMDIButtonPressed(bool AValue) {
    State().MDIButtonPressed = AValue;
}

bool ovBarApplicationIsActive() {
    return State().ApplicationActive && !State().DeactivatedToOtherApplication &&
           GetActiveWindow() != nullptr;
}

int ovBarActiveBarMouseWheelKind() {
    TCustomovBarControl* active = ovBarActiveBarControl();
    if (active == nullptr) return 3;
    TovBarItemControl* selected = active->SelectedControl();
    if (selected != nullptr && selected->IsWinControl() && selected->Focused()) return 2;
    return active->HandlesMouseWheel() ? 1 : 0;
}

TovBarManager* ovBarCustomizingManager() {
    TovBarManagerList* list = BarManagerList();
    if (list == nullptr) return nullptr;
    for (int i = 0; i < list->Count(); ++i)
        if (TovBarManager* manager = list->Managers(i);
            manager != nullptr && manager->IsCustomizingOrDesigning())
            return manager;
    return nullptr;
}

// ---- Keyboard

void ovBarKeyboardHookProc(int ACode, WORD AKey, LPARAM AKeyData, LRESULT& AResult) {
    try {
        if (TCustomovBarControl* active = ovBarActiveBarControl();
            active != nullptr && active->ClosesOnAnyKey()) {
            active->CloseUp(bcrOther);
            return;
        }
        if (ACode == HC_NOREMOVE) return;
        if (State().MDIButtonPressed) {
            AResult = 1;
            return;
        }
        if (ACode < 0 || AKey == VK_PROCESSKEY) return;
        if (ovBarProcessActiveBarKey(AKey, AKeyData)) {
            AResult = 1;
            return;
        }
        if (GetCapture() == nullptr && ovBarHookPoints().ProcessMenuKey &&
            ovBarHookPoints().ProcessMenuKey(AKey, AKeyData))
            AResult = 1;
    } catch (...) {
        uiHandleException(nullptr);
    }
}

bool ovBarProcessActiveBarKey(WORD AKey, LPARAM AKeyData) {
    const bool keyUp = IsKeyUp(AKeyData);
    TovBarHookPoints& points = ovBarHookPoints();
    // The key-up of a key whose key-down was consumed is consumed too.
    if (State().Swallow && AKey == State().SwallowedKey && keyUp) {
        State().Swallow = false;
        return true;
    }
    const TShiftState shift = KeyboardStateToShiftState();
    if (points.IsKeyForNavigation && points.IsKeyForNavigation(AKey, shift)) {
        if (!keyUp) {
            Swallow(AKey);
            if (points.NavigationProcessKey) points.NavigationProcessKey(AKey, shift);
        }
        return true;
    }
    const bool altSpace = AKey == VK_SPACE && shift == TShiftState{ssAlt};
    if ((altSpace || IsCharacterKey(AKey)) && points.EndKeyboardHandling) points.EndKeyboardHandling();

    if (TCustomovBarControl* active = AccessibleActiveBar(); active != nullptr && !active->IsCustomizing()) {
        TovBarItemControl* selected = active->SelectedControl();
        // An in-place editor of the bar gets its keys itself.
        if (selected != nullptr && selected->IsWinControl() && selected->Focused()) return false;
        if (!active->AcceptsKey(AKey, shift)) return false;
        if (!keyUp) Swallow(AKey);
        SendMessage(active->Handle(), keyUp ? WM_KEYUP : WM_KEYDOWN, AKey, AKeyData);
        if (ovBarActiveBarControl() != nullptr || !IsKeyDown(AKey)) State().Swallow = false;
        return true;
    }
    if (points.NavigationHasSelectedObject && points.NavigationHasSelectedObject()) {
        if (!keyUp) Swallow(AKey);
        return true;
    }
    if (AKey == VK_ESCAPE) {
        TCustomovBarControl* active = ovBarActiveBarControl();
        if (active != nullptr && active->HandleAllocated() && GetCapture() == active->Handle()) {
            ReleaseCapture();
            return true;
        }
        TovBarManager* customizing = ovBarCustomizingManager();
        return !keyUp && customizing != nullptr && points.CancelCustomizingOperation &&
               points.CancelCustomizingOperation(customizing);
    }
    // Delete removes the selected bar objects only while customizing or designing: typed anywhere else
    // (in the editor after a customization) it is the application's key.
    if (AKey == VK_DELETE && !keyUp) {
        TovBarManager* customizing = ovBarCustomizingManager();
        return customizing != nullptr && points.DeleteSelectedObjects &&
               points.DeleteSelectedObjects(customizing, shift.Contains(ssCtrl));
    }
    return false;
}

// ---- Mouse

void ovBarMouseHookProc(int ACode, UINT AMsg, const MOUSEHOOKSTRUCT& AData, LRESULT& AResult) {
    try {
        if (ACode == HC_ACTION && IsMousePressMessage(AMsg) && ovBarHookPoints().MouseDownLeavesNavigation)
            ovBarHookPoints().MouseDownLeavesNavigation();
        if (AData.hwnd != nullptr && GetCapture() == AData.hwnd && AMsg != WM_RBUTTONUP) return;
        const TPoint point{AData.pt.x, AData.pt.y};
        if (ovBarCloseMenusOnMouseDown(ACode, AMsg, AData.hwnd, point)) {
            AResult = 1;
            return;
        }
        if (IsMousePressMessage(AMsg) && ovBarHookPoints().EndKeyboardHandling)
            ovBarHookPoints().EndKeyboardHandling();
        if (AMsg == WM_MOUSEMOVE) ForwardMouseMoveToBar(AData.hwnd, point);
    } catch (...) {
        uiHandleException(nullptr);
    }
}

bool ovBarIsWindowInActiveChain(HWND AWnd) {
    for (TCustomovBarControl* bar = ovBarActiveBarControl(); bar != nullptr; bar = bar->GetParentInChain())
        if (bar->OwnsWindow(AWnd) || bar->IsOwnerControlWindow(AWnd)) return true;
    return false;
}

bool ovBarCloseMenusOnMouseDown(int ACode, UINT AMsg, HWND AWnd, const TPoint& AScreenPoint) {
    if (State().MouseHookBusy || ACode < 0 || ovBarActiveBarControl() == nullptr) return false;
    // Closing a bar can produce mouse messages of its own.
    State().MouseHookBusy = true;
    struct TBusyReset {
        ~TBusyReset() { State().MouseHookBusy = false; }
    } busyReset;
    if (IsReleaseOfOtherButton(AMsg))
        return !BarKeepsMessage(AWnd, AScreenPoint) && !ovBarIsWindowInActiveChain(AWnd);
    bool consumed = false;
    // A press elsewhere leaves nothing selected in the bar the chain was opened from.
    TWeakLink<TCustomovBarControl> root;
    for (;;) {
        TCustomovBarControl* active = ovBarActiveBarControl();
        if (active == nullptr || !IsMousePressMessage(AMsg)) break;
        const bool disabledOutsideCustomizing =
            active->HandleAllocated() && !IsWindowEnabled(active->Handle()) && !active->IsCustomizing();
        if (ovBarIsWindowInActiveChain(AWnd) || disabledOutsideCustomizing) {
            if (IsOwnerControlOfChain(AWnd)) active->MouseDownOnOwnerControl(AWnd, AMsg, AScreenPoint);
            break;
        }
        if (!root) root = active->GetRootBarControl();
        active->CloseUp(bcrOther);
        if (AWnd != nullptr && !IsWindowVisible(AWnd)) consumed = true;
        // A chain that does not close upward by itself closes one more level per round.
        if (ovBarActiveBarControl() == active) break;
    }
    if (root && ovBarActiveBarControl() == nullptr) root->ClearSelection();
    return consumed;
}

// ---- Call window procedure

void ovBarCallWndProcHookProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    try {
        if (AMsg == WM_ACTIVATE && LOWORD(AWParam) == WA_INACTIVE) {
            HWND other = reinterpret_cast<HWND>(ALParam);
            if (other == nullptr || IsAnotherApplicationWindow(other))
                State().DeactivatedToOtherApplication = true;
        } else if (AMsg == WM_ACTIVATEAPP) {
            State().DeactivatedToOtherApplication = false;
            State().ApplicationActive = AWParam != 0;
        }
        if (ovBarHookPoints().RouteWindowMessage)
            ovBarHookPoints().RouteWindowMessage(AWnd, AMsg, AWParam, ALParam);
    } catch (...) {
        uiHandleException(nullptr);
    }
}
