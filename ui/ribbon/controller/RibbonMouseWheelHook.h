// The ribbon's process-wide wheel hook: the wheel turns tabs wherever the cursor is over a ribbon (its
// groups and their controls included), whatever window has the focus. While a menu is open the active bar
// window gets the wheel when it scrolls with it; an in-place edit of a menu keeps it. Otherwise the hook
// walks from the window under the cursor up its parents to the first control that takes hooked wheel
// turns. The first ribbon window installs it; the ribbon unit's end removes it.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

// A control that takes the wheel through the hook.
class IovMouseWheelHookClient {
public:
    virtual ~IovMouseWheelHookClient() = default;
    virtual bool CanProcessMouseWheel() = 0;
    // True when the turn was used (the message is then consumed).
    virtual bool ProcessMouseWheel(TShiftState AShift, int AWheelDelta) = 0;
};

void ovRibbonInstallMouseWheelHook();
void ovRibbonReleaseMouseWheelHook();
bool ovRibbonMouseWheelHookInstalled();
// The hook's procedure, as the hook service calls it.
void ovRibbonMouseWheelHookProc(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AResult);
