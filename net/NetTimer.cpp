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
    if (FNetOwner && FNetOwner->ThreadId() != 0) {
        FEnabled = false;
        UpdateTimer();
    }
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
    KillTimer(hwnd, id);
    if (FInterval != 0 && FEnabled && FOnTimer) {
        if (!SetTimer(hwnd, id, FInterval, nullptr)) {
            FEnabled = false;
            throw ENetException("No more timers");
        }
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
