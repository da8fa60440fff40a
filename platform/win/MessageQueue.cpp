// The message queue of the user-interface thread: sending, posting, retrieving and dispatching.
// Retrieval order: messages sent from other threads are delivered first, then posted messages, then
// input, then WM_QUIT once the queue is otherwise empty, then WM_PAINT, then WM_TIMER.
#include "platform/win/TerminationSignals.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <functional>
#include <future>

namespace olva::win {

namespace message_queue_detail {

// Work from other threads: a message to send or a call to make, with the waiting caller's promise.
struct CrossThreadSend {
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    const std::function<void()>* work = nullptr;
    std::promise<LRESULT> result;
};
std::deque<std::shared_ptr<CrossThreadSend>> PendingSends; // guarded by the queue lock
int CrossThreadDepth = 0;
MSG LastRetrieved;

bool OnGuiThread() {
    return std::this_thread::get_id() == Sys().GuiThread;
}

bool InRange(UINT m, UINT lo, UINT hi) {
    return (lo == 0 && hi == 0) || (m >= lo && m <= hi);
}

bool MatchesWindow(HWND msgHwnd, HWND filter) {
    if (!filter) return true;
    if (filter == reinterpret_cast<HWND>(LONG_PTR(-1))) return msgHwnd == nullptr;
    return msgHwnd == filter;
}

void DeliverCrossThreadSends() {
    for (;;) {
        std::shared_ptr<CrossThreadSend> s;
        {
            std::lock_guard lock(Sys().QueueLock);
            if (PendingSends.empty()) return;
            s = PendingSends.front();
            PendingSends.pop_front();
        }
        ++CrossThreadDepth;
        LRESULT r = 0;
        try {
            if (s->work)
                (*s->work)();
            else
                r = SendMessage(s->hwnd, s->msg, s->wParam, s->lParam);
        } catch (...) {
            --CrossThreadDepth;
            s->result.set_exception(std::current_exception());
            continue;
        }
        --CrossThreadDepth;
        s->result.set_value(r);
    }
}

bool TakePosted(MSG& out, HWND filter, UINT lo, UINT hi, bool remove) {
    WindowSystem& sys = Sys();
    std::lock_guard lock(sys.QueueLock);
    for (auto it = sys.Posted.begin(); it != sys.Posted.end();) {
        if (it->hwnd && !sys.IsLive(it->hwnd)) { // the window died: its messages go with it
            it = sys.Posted.erase(it);
            continue;
        }
        if (MatchesWindow(it->hwnd, filter) && InRange(it->message, lo, hi)) {
            out = *it;
            if (remove) sys.Posted.erase(it);
            return true;
        }
        ++it;
    }
    return false;
}

bool TakeInput(MSG& out, HWND filter, UINT lo, UINT hi, bool remove) {
    WindowSystem& sys = Sys();
    for (std::size_t i = 0; i < sys.Input.size(); ++i) {
        if (!sys.Input[i].prepared) {
            // Hit testing calls window procedures, which may look at the queue themselves: prepare a
            // copy and put it back where the event is now, if it is still there.
            RawInput copy = sys.Input[i];
            PrepareInput(copy);
            auto it = std::find_if(sys.Input.begin(), sys.Input.end(),
                                   [&](const RawInput& r) { return r.sequence == copy.sequence; });
            if (it == sys.Input.end()) {
                i = std::size_t(-1); // taken meanwhile: start over
                continue;
            }
            *it = copy;
            i = std::size_t(it - sys.Input.begin());
        }
        RawInput& raw = sys.Input[i];
        if (raw.discard || (raw.msg.hwnd && !sys.IsLive(raw.msg.hwnd))) {
            if (!remove) continue;
            // Input that has no window is dropped on the way (a tracked window still hears it left).
            RawInput dropped = raw;
            dropped.discard = true;
            sys.Input.erase(sys.Input.begin() + std::ptrdiff_t(i));
            --i;
            DeliverInput(dropped, true);
            continue;
        }
        if (!MatchesWindow(raw.msg.hwnd, filter) || !InRange(raw.msg.message, lo, hi)) continue;
        RawInput taken = raw;
        if (remove) sys.Input.erase(sys.Input.begin() + std::ptrdiff_t(i));
        if (!DeliverInput(taken, remove)) {
            if (!remove) continue;
            --i;
            continue;
        }
        out = taken.msg;
        return true;
    }
    return false;
}

bool Retrieve(MSG& out, HWND filter, UINT lo, UINT hi, UINT flags) {
    WindowSystem& sys = Sys();
    const bool remove = (flags & PM_REMOVE) != 0;
    DeliverTerminationSignal();
    DeliverCrossThreadSends();
    if (sys.HostPoll) {
        auto poll = sys.HostPoll; // the poll may uninstall itself
        poll();
    }
    if (HasWatches()) PollWatches(0);
    CheckHover();
    bool found = TakePosted(out, filter, lo, hi, remove);
    if (!found) found = TakeInput(out, filter, lo, hi, remove);
    if (!found && (!filter || filter == reinterpret_cast<HWND>(LONG_PTR(-1))) && InRange(WM_QUIT, lo, hi)) {
        std::lock_guard lock(sys.QueueLock);
        if (sys.QuitPosted) {
            out = MSG{};
            out.message = WM_QUIT;
            out.wParam = WPARAM(sys.QuitCode);
            if (remove) sys.QuitPosted = false;
            found = true;
        }
    }
    if (!found && InRange(WM_PAINT, lo, hi)) {
        if (HWND h = FindWindowToPaint(filter)) {
            out = MSG{};
            out.hwnd = h;
            out.message = WM_PAINT;
            found = true;
        }
    }
    if (!found && InRange(WM_TIMER, lo, hi)) found = TakeDueTimer(filter, remove, out);
    if (!found) return false;
    if (!out.time) out.time = TickNow();
    if (out.pt.x == 0 && out.pt.y == 0) out.pt = sys.CursorPos;
    if (HasHooks(WH_GETMESSAGE))
        RunHooks(WH_GETMESSAGE, HC_ACTION, remove ? PM_REMOVE : PM_NOREMOVE, reinterpret_cast<LPARAM>(&out));
    LastRetrieved = out;
    return true;
}

bool QueueHasWork() {
    WindowSystem& sys = Sys();
    {
        std::lock_guard lock(sys.QueueLock);
        if (!sys.Posted.empty() || sys.QuitPosted || !PendingSends.empty()) return true;
    }
    if (!sys.Input.empty() || FindWindowToPaint(nullptr)) return true;
    std::uint64_t due;
    if (NextHoverDue(due) && due <= NowMs()) return true;
    return NextTimerDue(due) && due <= NowMs();
}

// Sleeps until something may have arrived or the timeout passed.
void WaitForWork(DWORD timeoutMs) {
    WindowSystem& sys = Sys();
    HostWait host;
    if (sys.HostPrepareWait) {
        auto prepare = sys.HostPrepareWait; // showing a window may run code that stops the presenter
        host = prepare();
    }
    if (sys.HostPoll) {
        const int slice = host.eventsWaiting     ? 0
                          : host.descriptor >= 0 ? sys.HostIdleSliceMs
                                                 : sys.HostPollSliceMs;
        if (timeoutMs == INFINITE || timeoutMs > DWORD(slice)) timeoutMs = DWORD(slice);
    }
    std::uint64_t now = NowMs();
    // Timers and the hover of a tracked window end a wait as input does. One already due was not
    // wanted by this loop's filter (it would have been taken): it must not turn the wait into a spin.
    std::vector<std::uint64_t> deadlines;
    for (const Timer& t : Sys().Timers)
        deadlines.push_back(t.due);
    if (std::uint64_t hover; NextHoverDue(hover)) deadlines.push_back(hover);
    if (host.wakeAt) deadlines.push_back(host.wakeAt);
    for (std::uint64_t due : deadlines) {
        if (due <= now) continue;
        std::uint64_t until = due - now;
        if (timeoutMs == INFINITE || until < timeoutMs) timeoutMs = DWORD(until);
    }
    PollWatches(timeoutMs == INFINITE ? -1 : int(timeoutMs), host.descriptor);
}

} // namespace message_queue_detail

bool IsGuiThread() {
    return message_queue_detail::OnGuiThread();
}

void RunOnGuiThread(const std::function<void()>& work) {
    if (IsGuiThread()) {
        work();
        return;
    }
    auto s = std::make_shared<message_queue_detail::CrossThreadSend>();
    s->work = &work;
    auto result = s->result.get_future();
    {
        std::lock_guard lock(Sys().QueueLock);
        message_queue_detail::PendingSends.push_back(s);
    }
    Sys().Wake();
    result.get(); // rethrows what the work threw
}

} // namespace olva::win

using namespace olva::win;
using namespace olva::win::message_queue_detail;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!OnGuiThread()) {
        // Another thread: the message waits in the queue until the user-interface thread delivers it.
        if (!IsWindow(hwnd)) return 0;
        auto s = std::make_shared<CrossThreadSend>();
        s->hwnd = hwnd;
        s->msg = msg;
        s->wParam = wParam;
        s->lParam = lParam;
        auto result = s->result.get_future();
        {
            std::lock_guard lock(Sys().QueueLock);
            PendingSends.push_back(s);
        }
        Sys().Wake();
        return result.get();
    }
    if (hwnd == reinterpret_cast<HWND>(LONG_PTR(0xFFFF))) { // HWND_BROADCAST
        std::vector<HWND> tops;
        for (Window* c : Sys().Desktop()->children)
            tops.push_back(c->handle);
        for (HWND h : tops)
            SendMessage(h, msg, wParam, lParam);
        return 0;
    }
    auto w = Sys().Hold(hwnd);
    if (!w || w->dead || !w->proc) return 0;
    if (HasHooks(WH_CALLWNDPROC)) {
        CWPSTRUCT cwp{lParam, wParam, msg, hwnd};
        RunHooks(WH_CALLWNDPROC, HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
        if (w->dead) return 0;
    }
    LRESULT r = w->proc(hwnd, msg, wParam, lParam);
    if (HasHooks(WH_CALLWNDPROCRET)) {
        CWPRETSTRUCT ret{r, lParam, wParam, msg, hwnd};
        RunHooks(WH_CALLWNDPROCRET, HC_ACTION, 1, reinterpret_cast<LPARAM>(&ret));
    }
    return r;
}

BOOL SendNotifyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (OnGuiThread()) {
        if (!IsWindow(hwnd) && hwnd != reinterpret_cast<HWND>(LONG_PTR(0xFFFF))) return FALSE;
        SendMessage(hwnd, msg, wParam, lParam);
        return TRUE;
    }
    return PostMessage(hwnd, msg, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowSystem& sys = Sys();
    if (hwnd == reinterpret_cast<HWND>(LONG_PTR(0xFFFF))) {
        if (!OnGuiThread()) return FALSE;
        std::vector<HWND> tops;
        for (Window* c : sys.Desktop()->children)
            tops.push_back(c->handle);
        for (HWND h : tops)
            PostMessage(h, msg, wParam, lParam);
        return TRUE;
    }
    if (hwnd && !sys.IsLive(hwnd)) return FALSE;
    {
        std::lock_guard lock(sys.QueueLock);
        MSG m;
        m.hwnd = hwnd;
        m.message = msg;
        m.wParam = wParam;
        m.lParam = lParam;
        sys.Posted.push_back(m);
    }
    if (!OnGuiThread()) sys.Wake();
    return TRUE;
}

BOOL PostThreadMessage(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (threadId != GetCurrentThreadId() && threadId != 0 && OnGuiThread()) return FALSE;
    return PostMessage(nullptr, msg, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    std::lock_guard lock(Sys().QueueLock);
    Sys().QuitPosted = true;
    Sys().QuitCode = exitCode;
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
    if (!msg) return FALSE;
    MSG out;
    if (!Retrieve(out, hwnd, filterMin, filterMax, removeFlags)) return FALSE;
    *msg = out;
    return TRUE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) return -1;
    if (hwnd && hwnd != reinterpret_cast<HWND>(LONG_PTR(-1)) && !IsWindow(hwnd)) return -1;
    for (;;) {
        MSG out;
        if (Retrieve(out, hwnd, filterMin, filterMax, PM_REMOVE)) {
            *msg = out;
            return out.message == WM_QUIT ? FALSE : TRUE;
        }
        WaitForWork(INFINITE);
    }
}

LRESULT DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        // Only a procedure that belongs to a live timer is called: an LPARAM is no licence to jump.
        for (const Timer& t : Sys().Timers)
            if (t.hwnd == msg->hwnd && t.id == msg->wParam &&
                reinterpret_cast<LPARAM>(t.proc) == msg->lParam) {
                TIMERPROC proc = t.proc;
                proc(msg->hwnd, WM_TIMER, msg->wParam, TickNow());
                return 0;
            }
        return 0;
    }
    if (!msg->hwnd) return 0;
    auto w = Sys().Hold(msg->hwnd);
    if (!w || w->dead) return 0;
    return w->proc ? w->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

BOOL WaitMessage() {
    if (!QueueHasWork()) WaitForWork(INFINITE);
    return TRUE;
}

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE*, BOOL, DWORD milliseconds, DWORD) {
    // Waiting on kernel objects is not offered; callers wait on the queue only.
    if (count != 0) return WAIT_FAILED;
    if (QueueHasWork()) return WAIT_OBJECT_0;
    WaitForWork(milliseconds);
    return QueueHasWork() ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

DWORD GetQueueStatus(UINT flags) {
    WindowSystem& sys = Sys();
    DWORD status = 0;
    {
        std::lock_guard lock(sys.QueueLock);
        if (!sys.Posted.empty()) status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
        if (!PendingSends.empty()) status |= QS_SENDMESSAGE;
    }
    for (const RawInput& r : sys.Input)
        status |= r.kind <= RawInput::MouseWheel
                      ? (r.kind == RawInput::MouseMove ? QS_MOUSEMOVE : QS_MOUSEBUTTON)
                      : QS_KEY;
    if (FindWindowToPaint(nullptr)) status |= QS_PAINT;
    std::uint64_t due;
    if (NextTimerDue(due) && due <= NowMs()) status |= QS_TIMER;
    status &= flags;
    return (status << 16) | status;
}

BOOL InSendMessage() {
    return CrossThreadDepth > 0;
}

DWORD GetMessagePos() {
    return MAKELONG(WORD(LastRetrieved.pt.x), WORD(LastRetrieved.pt.y));
}

LONG GetMessageTime() {
    return LONG(LastRetrieved.time);
}

UINT RegisterWindowMessage(const char* name) {
    static std::map<std::string, UINT> registered;
    if (!name || !*name) return 0;
    auto [it, added] = registered.emplace(name, UINT(0xC000 + registered.size()));
    return it->second;
}

LRESULT SendMessageTimeout(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT, UINT, DWORD_PTR* result) {
    // Every window belongs to this thread's queue, so the message is simply sent; a window that is
    // gone is a failure, as with a hung receiver.
    if (!IsWindow(hwnd)) return 0;
    LRESULT r = SendMessage(hwnd, msg, wParam, lParam);
    if (result) *result = DWORD_PTR(r);
    return 1;
}
