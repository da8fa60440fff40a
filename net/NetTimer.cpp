#include "net/NetTimer.h"

#include "net/NetExceptions.h"
#include "net/NetWndControl.h"
#include "platform/win/WinUser.h"

#include <mutex>
#include <set>

namespace net_timer_detail {

std::mutex Lock;
std::set<UINT_PTR>& LiveTimers() {
    static std::set<UINT_PTR> timers;
    return timers;
}

TNetWndControl* RequireOwner(TNetWndControl* owner) {
    if (!owner) throw ENetException("NetTimer: Owner not assigned");
    return owner;
}

} // namespace net_timer_detail

TNetTimer::TNetTimer(TNetWndControl* AOwner)
    : TComponent(net_timer_detail::RequireOwner(AOwner)), FNetOwner(AOwner) {
    std::lock_guard lock(net_timer_detail::Lock);
    net_timer_detail::LiveTimers().insert(reinterpret_cast<UINT_PTR>(this));
}

TNetTimer::~TNetTimer() {
    // The window may serve other controls and outlive this timer: its timer must not run on.
    if (FTimerWindow && IsWindow(FTimerWindow)) KillTimer(FTimerWindow, reinterpret_cast<UINT_PTR>(this));
    std::lock_guard lock(net_timer_detail::Lock);
    net_timer_detail::LiveTimers().erase(reinterpret_cast<UINT_PTR>(this));
}

bool TNetTimer::IsLiveTimer(UINT_PTR Id) {
    std::lock_guard lock(net_timer_detail::Lock);
    return net_timer_detail::LiveTimers().count(Id) > 0;
}

void TNetTimer::RequireWindow() const {
    if (FNetOwner->ThreadId() == 0) throw ENetException("NetTimer: No window available");
}

void TNetTimer::UpdateTimer() {
    HWND hwnd = FNetOwner->GetWindowHandle();
    const auto id = reinterpret_cast<UINT_PTR>(this);
    if (FTimerWindow && FTimerWindow != hwnd && IsWindow(FTimerWindow)) KillTimer(FTimerWindow, id);
    KillTimer(hwnd, id);
    FTimerWindow = nullptr;
    if (FInterval != 0 && FEnabled && FOnTimer) {
        if (!SetTimer(hwnd, id, FInterval, nullptr)) {
            FEnabled = false;
            throw ENetException("No more timers");
        }
        FTimerWindow = hwnd;
    }
}

void TNetTimer::SetInterval(DWORD Value) {
    if (Value == FInterval) return;
    RequireWindow();
    FInterval = Value;
    UpdateTimer();
}

void TNetTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    RequireWindow();
    FEnabled = Value;
    UpdateTimer();
}

void TNetTimer::SetOnTimer(TNotifyEvent Value) {
    RequireWindow();
    FOnTimer = std::move(Value);
    UpdateTimer();
}
