// Window and thread timers on the window system's clock. A timer that expired several times before
// its WM_TIMER was retrieved yields one message; the next period counts from the retrieval.
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace olva::win {

namespace timers_detail {
UINT ClampElapse(UINT elapse) {
    return std::clamp<UINT>(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
}
bool MatchesFilter(const Timer& t, HWND filter) {
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(LONG_PTR(-1))) return t.hwnd == nullptr;
    return t.hwnd == filter;
}
} // namespace timers_detail

void KillWindowTimers(HWND hwnd) {
    std::erase_if(Sys().Timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool TakeDueTimer(HWND filter, bool remove, MSG& out) {
    auto& timers = Sys().Timers;
    const std::uint64_t now = NowMs();
    Timer* best = nullptr;
    for (Timer& t : timers) {
        if (t.due > now || !timers_detail::MatchesFilter(t, filter)) continue;
        if (t.hwnd && !IsWindow(t.hwnd)) continue;
        if (!best || t.due < best->due) best = &t;
    }
    if (!best) return false;
    out = MSG{};
    out.hwnd = best->hwnd;
    out.message = WM_TIMER;
    out.wParam = best->id;
    out.lParam = reinterpret_cast<LPARAM>(best->proc);
    out.time = DWORD(now);
    if (remove) best->due = now + best->interval;
    return true;
}

bool NextTimerDue(std::uint64_t& due) {
    bool any = false;
    for (const Timer& t : Sys().Timers) {
        if (!any || t.due < due) due = t.due;
        any = true;
    }
    return any;
}

} // namespace olva::win

using namespace olva::win;

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!IsGuiThread()) return 0; // timers belong to the thread of the windows
    WindowSystem& sys = Sys();
    if (hwnd && !IsWindow(hwnd)) return 0;
    elapse = timers_detail::ClampElapse(elapse);
    const std::uint64_t due = NowMs() + elapse;
    if (!hwnd) {
        // Thread timers get identifiers of the system's choosing; an existing one may be renewed.
        if (id) {
            for (Timer& t : sys.Timers)
                if (!t.hwnd && t.id == id) {
                    t.interval = elapse;
                    t.due = due;
                    t.proc = proc;
                    return id;
                }
        }
        id = sys.NextThreadTimerId++;
        sys.Timers.push_back(Timer{nullptr, id, elapse, due, proc});
        return id;
    }
    for (Timer& t : sys.Timers)
        if (t.hwnd == hwnd && t.id == id) { // same timer: restarted with the new period
            t.interval = elapse;
            t.due = due;
            t.proc = proc;
            return id ? id : 1;
        }
    sys.Timers.push_back(Timer{hwnd, id, elapse, due, proc});
    return id ? id : 1;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    if (!IsGuiThread()) return FALSE;
    auto& timers = Sys().Timers;
    auto it = std::find_if(timers.begin(), timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    // A WM_TIMER of this timer already waiting in a queue is no longer delivered: timers are made
    // when retrieved, so there is none to remove.
    return TRUE;
}
