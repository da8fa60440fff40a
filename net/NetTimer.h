// TNetTimer: a window timer that fires on its owner's hidden window.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

class TNetWndControl;

class TNetTimer : public TComponent {
public:
    // Raises ENetException "NetTimer: Owner not assigned" without owner. No timer is armed yet.
    explicit TNetTimer(TNetWndControl* AOwner);
    ~TNetTimer() override;

    DWORD Interval() const { return FInterval; }
    // Both need the owner's window ("NetTimer: No window available"); the same value changes nothing.
    void SetInterval(DWORD Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);
    TNetWndControl* NetOwner() const { return FNetOwner; }

    // True while the object is a live timer: a timer message names its timer by address.
    static bool IsLiveTimer(UINT_PTR Id);

private:
    void UpdateTimer();
    void RequireWindow() const;

    TNetWndControl* FNetOwner;
    HWND FTimerWindow = nullptr; // where the window timer runs, while it runs
    DWORD FInterval = 1000;
    bool FEnabled = true;
    TNotifyEvent FOnTimer;
};
