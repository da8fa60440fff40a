// The library's timer component: every TuiTimer of the program runs as a window timer of one shared
// hidden window. Each timer has its own identifier, drawn from an increasing counter, so a WM_TIMER
// still queued for a stopped or freed timer never reaches another one.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "ui/core/base/MessageWindow.h"

class TuiTimer : public TComponent {
public:
    explicit TuiTimer(TComponent* AOwner);
    ~TuiTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool AValue);
    unsigned Interval() const { return FInterval; }
    // 0 is ignored; a change restarts the count.
    void SetInterval(unsigned AValue);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }
    // Clearing the handler stops the timer (Enabled stays as it is).
    void SetOnTimer(const TNotifyEvent& AValue);
    bool Running() const { return FTimerRunning; }
    UINT_PTR TimerIdent() const { return FTimerIdent; }

protected:
    virtual void TimeOut();

private:
    friend class TuiTimerWindow;
    friend void uiFreeTimers();
    void UpdateTimer();
    void StartTimer();
    void StopTimer();
    void SetRunning(bool AValue);

    bool FEnabled = true;
    unsigned FInterval = 1000;
    TNotifyEvent FOnTimer;
    UINT_PTR FTimerIdent;
    bool FTimerRunning = false;
};

// A new unowned timer with Enabled, Interval and OnTimer set in that order.
TuiTimer* uiCreateTimer(unsigned AInterval, bool AEnabled, const TNotifyEvent& AHandler);

class TuiTimerWindow : public TuiMessageWindow {
protected:
    void WndProc(TMessage& AMessage) override;
};

// The shared timer window, made on first use; null after the library's shut-down.
TuiTimerWindow* uiSharedTimerWindow();
int uiActiveTimerCount();
// Frees the window and the active list; timer starts do nothing until uiStartTimers.
void uiFreeTimers();
void uiStartTimers();
