// TTimer: fires OnTimer every Interval milliseconds while Enabled, through a window-system timer on a
// hidden message window of its own. An Interval of 0 stops it as well.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    UINT Interval() const { return FInterval; }
    void SetInterval(UINT Value);
    TNotifyEvent OnTimer;
    // The hidden window that receives WM_TIMER.
    HWND WindowHandle() const { return FWindowHandle; }

protected:
    // Fires OnTimer; an exception from the handler goes on to whoever dispatches messages.
    virtual void Timer();

private:
    static LRESULT WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    // Kills the window-system timer and starts it again when the timer should run.
    void UpdateTimer();

    UINT FInterval = 1000;
    bool FEnabled = true;
    HWND FWindowHandle = nullptr;
};
