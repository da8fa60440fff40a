#include "ui/core/base/Timers.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/FastList.h"

namespace timers_detail {
TuiTimerWindow* Window = nullptr;
TovFastList* ActiveTimers = nullptr; // the running timers
bool Finalized = false;
UINT_PTR LastIdent = 0;

TovFastList* Active() {
    if (ActiveTimers == nullptr && !Finalized) ActiveTimers = new TovFastList;
    return ActiveTimers;
}

TuiTimer* FindActive(UINT_PTR AIdent) {
    if (ActiveTimers == nullptr) return nullptr;
    for (int i = 0; i < ActiveTimers->Count(); ++i) {
        auto* timer = static_cast<TuiTimer*>(ActiveTimers->Items(i));
        if (timer->TimerIdent() == AIdent) return timer;
    }
    return nullptr;
}
} // namespace timers_detail

TuiTimerWindow* uiSharedTimerWindow() {
    using namespace timers_detail;
    if (Window == nullptr && !Finalized) Window = new TuiTimerWindow;
    return Window;
}

int uiActiveTimerCount() {
    return timers_detail::ActiveTimers == nullptr ? 0 : timers_detail::ActiveTimers->Count();
}

void uiFreeTimers() {
    using namespace timers_detail;
    Finalized = true;
    // Timers that outlive the shut-down count as stopped; their window timers go with the window.
    if (ActiveTimers != nullptr)
        for (int i = 0; i < ActiveTimers->Count(); ++i)
            static_cast<TuiTimer*>(ActiveTimers->Items(i))->FTimerRunning = false;
    FreeAndNil(Window);
    FreeAndNil(ActiveTimers);
}

void uiStartTimers() {
    timers_detail::Finalized = false;
}

void TuiTimerWindow::WndProc(TMessage& AMessage) {
    if (AMessage.Msg == WM_TIMER) {
        // A timer stopped or freed since the message was queued is no longer in the list: dropped.
        if (TuiTimer* timer = timers_detail::FindActive(static_cast<UINT_PTR>(AMessage.WParam)))
            timer->TimeOut();
        return;
    }
    TuiMessageWindow::WndProc(AMessage);
}

TuiTimer::TuiTimer(TComponent* AOwner) : TComponent(AOwner), FTimerIdent(++timers_detail::LastIdent) {}

TuiTimer::~TuiTimer() {
    StopTimer();
}

void TuiTimer::SetEnabled(bool AValue) {
    if (AValue == FEnabled) return;
    FEnabled = AValue;
    UpdateTimer();
}

void TuiTimer::SetInterval(unsigned AValue) {
    if (AValue == 0 || AValue == FInterval) return;
    FInterval = AValue;
    UpdateTimer();
}

void TuiTimer::SetOnTimer(const TNotifyEvent& AValue) {
    FOnTimer = AValue;
    UpdateTimer();
}

void TuiTimer::TimeOut() {
    if (FOnTimer) FOnTimer(this);
}

void TuiTimer::UpdateTimer() {
    StopTimer();
    StartTimer();
}

void TuiTimer::StartTimer() {
    if (!FEnabled || FTimerRunning || !FOnTimer) return;
    TuiTimerWindow* window = uiSharedTimerWindow();
    if (window == nullptr || timers_detail::Active() == nullptr) return; // after shut-down
    SetRunning(SetTimer(window->Handle(), FTimerIdent, FInterval, nullptr) != 0);
}

void TuiTimer::StopTimer() {
    if (!FTimerRunning) return;
    SetRunning(false);
    if (timers_detail::Window != nullptr) KillTimer(timers_detail::Window->Handle(), FTimerIdent);
}

void TuiTimer::SetRunning(bool AValue) {
    if (AValue == FTimerRunning) return;
    FTimerRunning = AValue;
    if (TovFastList* active = timers_detail::Active()) {
        if (AValue)
            active->Add(this);
        else
            active->Remove(this);
    }
}

TuiTimer* uiCreateTimer(unsigned AInterval, bool AEnabled, const TNotifyEvent& AHandler) {
    auto* timer = new TuiTimer(nullptr);
    timer->SetEnabled(AEnabled);
    timer->SetInterval(AInterval);
    timer->SetOnTimer(AHandler);
    return timer;
}
