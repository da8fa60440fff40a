#include "ui/ribbon/controller/RibbonMouseWheelHook.h"

#include "platform/vcl/Control.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/core/platform/SystemHooks.h"

namespace {

bool Installed = false;

} // namespace

void ovRibbonMouseWheelHookProc(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult) {
    if (ACode != HC_ACTION || AWParam != WM_MOUSEWHEEL || ALParam == 0) return;
    if (GetSystemMetrics(SM_MOUSEWHEELPRESENT) == 0) return;
    const auto& data = *reinterpret_cast<const MOUSEHOOKSTRUCTEX*>(ALParam);
    const int delta = static_cast<short>(HIWORD(data.mouseData));
    switch (ovBarActiveBarMouseWheelKind()) {
    case 1: {
        // An open menu that scrolls with the wheel takes it.
        TCustomovBarControl* active = ovBarActiveBarControl();
        if (active == nullptr || !active->HandleAllocated()) return;
        const TShiftState shift = KeyboardStateToShiftState();
        WORD keys = 0;
        if (shift.Contains(ssShift)) keys |= MK_SHIFT;
        if (shift.Contains(ssCtrl)) keys |= MK_CONTROL;
        SendMessage(active->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(delta)),
                    MAKELPARAM(static_cast<WORD>(data.pt.x), static_cast<WORD>(data.pt.y)));
        AResult = 1;
        return;
    }
    case 3:
        break;
    default:
        // Another menu is open, or its in-place edit has the focus: the wheel stays theirs.
        return;
    }
    for (HWND window = WindowFromPoint(data.pt); window != nullptr; window = GetParent(window)) {
        if (auto* client = dynamic_cast<IovMouseWheelHookClient*>(FindControl(window))) {
            if (client->CanProcessMouseWheel() &&
                client->ProcessMouseWheel(KeyboardStateToShiftState(), delta))
                AResult = 1;
            return;
        }
        if ((GetWindowLongPtr(window, GWL_STYLE) & WS_CHILD) == 0) return;
    }
}

namespace {

void HookProc(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult) {
    ovRibbonMouseWheelHookProc(ACode, AWParam, ALParam, AResult);
}

} // namespace

void ovRibbonInstallMouseWheelHook() {
    if (Installed) return;
    ovSetHook(hkMouse, &HookProc);
    Installed = true;
}

void ovRibbonReleaseMouseWheelHook() {
    if (!Installed) return;
    ovReleaseHook(&HookProc);
    Installed = false;
}

bool ovRibbonMouseWheelHookInstalled() {
    return Installed;
}
