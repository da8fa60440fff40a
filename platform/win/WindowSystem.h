// The state of the window system for the user-interface thread: the handle table, the desktop, the
// window that has focus, activation and capture, the message queue and the timers. Internal to
// platform/win.
#pragma once

#include "platform/win/Presenter.h"
#include "platform/win/WindowObject.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace olva::win {

// One event of scripted or real input, waiting to become a window message when it is retrieved.
struct RawInput {
    enum Kind { MouseMove, MouseDown, MouseUp, MouseWheel, KeyDown, KeyUp, Char } kind = MouseMove;
    POINT pt;       // screen position for mouse input
    int button = 0; // 0 left, 1 right, 2 middle
    int wheelDelta = 0;
    int vk = 0;
    DWORD keyData = 0; // key data bits, complete when the event is queued
    UINT ch = 0;       // code point of a Char event
    DWORD time = 0;
    std::uint64_t sequence = 0; // tells events apart while the queue changes under a hit test
    // Filled when the event is first looked at: the message it becomes and the hit-test code.
    bool prepared = false;
    bool discard = false;
    MSG msg;
    LRESULT hit = 0;
};

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT interval = 0;
    std::uint64_t due = 0;
    TIMERPROC proc = nullptr;
};

struct MouseTracking {
    HWND hwnd = nullptr;
    DWORD flags = 0; // TME_LEAVE | TME_HOVER | TME_NONCLIENT
    DWORD hoverTime = 0;
    std::uint64_t hoverStart = 0;
    POINT hoverOrigin;
    bool hoverFired = false;
};

class WindowSystem {
public:
    static WindowSystem& Get();

    // Windows
    Window* Find(HWND h) const; // null for 0, stale or foreign handles
    std::shared_ptr<Window> Hold(HWND h) const;
    HWND NewHandle(const std::shared_ptr<Window>& w);
    void Forget(HWND h);
    bool IsLive(HWND h) const; // thread-safe
    Window* Desktop() { return FDesktop.get(); }
    Window* MessageRoot() { return FMessageRoot.get(); }
    std::vector<HWND> AllWindows() const;

    // Classes
    std::map<std::string, std::shared_ptr<WindowClass>> Classes; // keyed by lower-case name
    ATOM NextAtom = 0xC000;

    // Input and activation state (user-interface thread only)
    HWND Focus = nullptr;
    HWND Active = nullptr;
    HWND PreviousActive = nullptr; // the window that was active before the active one (may be gone)
    HWND Capture = nullptr;
    bool AppActive = false;
    POINT CursorPos{0, 0};
    BYTE KeyState[256] = {};      // as messages were retrieved
    BYTE AsyncKeyState[256] = {}; // as input arrived
    HCURSOR Cursor = nullptr;
    int CursorShowCount = 0;
    MouseTracking Tracking;
    HWND LastMouseWindow = nullptr; // where the last mouse message went, for leave tracking
    LRESULT LastMouseHit = 0;
    struct {
        UINT message = 0;
        HWND hwnd = nullptr;
        DWORD time = 0;
        POINT pt;
    } LastClick;
    int LockUpdateCount = 0;
    HWND LockedWindow = nullptr;

    // Queue (posted messages may come from any thread)
    std::mutex QueueLock;
    std::deque<MSG> Posted;
    std::deque<RawInput> Input;
    std::uint64_t NextInputSequence = 1;
    bool QuitPosted = false;
    int QuitCode = 0;
    int WakeFd = -1; // eventfd that wakes a waiting loop
    std::thread::id GuiThread;
    std::vector<Timer> Timers;
    // A presenter with a host event source polls it from every look at the queue. Before the loop
    // sleeps, HostPrepareWait shows what changed and says what ends the sleep; without a descriptor to
    // watch, a sleep lasts at most HostPollSliceMs so that host events are never left waiting, and with
    // one at most HostIdleSliceMs, for what the host does on its own timers.
    std::function<void()> HostPoll;
    std::function<HostWait()> HostPrepareWait;
    int HostPollSliceMs = 10;
    int HostIdleSliceMs = 250;
    // The host types printable text itself; key translation then makes control characters only.
    bool HostTextInput = false;
    UINT_PTR NextThreadTimerId = 1;

    void Wake();
    void ResetState(); // destroys every window and forgets all state but the handle counter

private:
    WindowSystem();
    mutable std::mutex FHandleLock;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Window>> FWindows;
    std::uintptr_t FNextHandle = 0x10000;
    std::shared_ptr<Window> FDesktop;
    std::shared_ptr<Window> FMessageRoot;
};

// Small shared helpers of the window system.
inline WindowSystem& Sys() {
    return WindowSystem::Get();
}
std::uint64_t NowMs();
DWORD TickNow();
POINT ClientOriginOnScreen(const Window* w); // screen position of the client area's top-left
POINT WindowOriginOnScreen(const Window* w); // screen position of the window's top-left
RECT WindowRectOnScreen(const Window* w);
RECT ClientRectOnScreen(const Window* w);
bool IsTopLevel(const Window* w); // a child of the desktop
Window* TopLevelOf(Window* w);
bool IsReallyVisible(const Window* w); // visible with every ancestor
LRESULT SendTo(Window* w, UINT msg, WPARAM wp, LPARAM lp);

} // namespace olva::win
