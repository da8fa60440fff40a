#include "platform/win/WindowSystem.h"
#include "platform/win/WinInternal.h"

#include "platform/rtl/Clock.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

#include <sys/eventfd.h>
#include <unistd.h>

namespace olva::win {

namespace window_system_detail {
std::shared_ptr<Window> MakeRoot(const char* className) {
    auto w = std::make_shared<Window>();
    w->cls = std::make_shared<WindowClass>();
    w->cls->name = className;
    w->style = WS_VISIBLE | WS_CLIPCHILDREN;
    w->created = true;
    return w;
}
} // namespace window_system_detail

// Timers, message times and tick counts all read the runtime's clock, which tests replace.
std::uint64_t NowMs() {
    return CurrentClock().TickCount64();
}

DWORD TickNow() {
    return DWORD(NowMs());
}

WindowSystem& WindowSystem::Get() {
    static WindowSystem instance;
    return instance;
}

WindowSystem::WindowSystem() {
    GuiThread = std::this_thread::get_id();
    WakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    FDesktop = window_system_detail::MakeRoot("#32769");
    NewHandle(FDesktop);
    FDesktop->rect = VirtualScreen();
    FDesktop->client =
        RECT{0, 0, FDesktop->rect.right - FDesktop->rect.left, FDesktop->rect.bottom - FDesktop->rect.top};
    InstallSysColorBrushResolver();
    FMessageRoot = window_system_detail::MakeRoot("Message");
    FMessageRoot->style = 0;
    NewHandle(FMessageRoot);
}

Window* WindowSystem::Find(HWND h) const {
    if (!h) return nullptr;
    std::lock_guard lock(FHandleLock);
    auto it = FWindows.find(reinterpret_cast<std::uintptr_t>(h));
    return it == FWindows.end() ? nullptr : it->second.get();
}

std::shared_ptr<Window> WindowSystem::Hold(HWND h) const {
    if (!h) return nullptr;
    std::lock_guard lock(FHandleLock);
    auto it = FWindows.find(reinterpret_cast<std::uintptr_t>(h));
    return it == FWindows.end() ? nullptr : it->second;
}

HWND WindowSystem::NewHandle(const std::shared_ptr<Window>& w) {
    std::lock_guard lock(FHandleLock);
    // Handles only ever grow, so a handle that a caller still holds after the window died never names
    // a different window.
    FNextHandle += 4;
    w->handle = reinterpret_cast<HWND>(FNextHandle);
    FWindows[FNextHandle] = w;
    return w->handle;
}

void WindowSystem::Forget(HWND h) {
    std::lock_guard lock(FHandleLock);
    FWindows.erase(reinterpret_cast<std::uintptr_t>(h));
}

bool WindowSystem::IsLive(HWND h) const {
    std::lock_guard lock(FHandleLock);
    return FWindows.count(reinterpret_cast<std::uintptr_t>(h)) != 0;
}

std::vector<HWND> WindowSystem::AllWindows() const {
    std::lock_guard lock(FHandleLock);
    std::vector<HWND> result;
    for (const auto& [key, w] : FWindows)
        result.push_back(w->handle);
    return result;
}

void WindowSystem::Wake() {
    if (WakeFd >= 0) {
        std::uint64_t one = 1;
        [[maybe_unused]] auto n = write(WakeFd, &one, sizeof one);
    }
}

void WindowSystem::ResetState() {
    for (auto* root : {FDesktop.get(), FMessageRoot.get()}) {
        auto children = root->children;
        for (Window* child : children) {
            if (Find(child->handle)) DestroyWindow(child->handle);
        }
    }
    Classes.clear();
    Focus = Active = Capture = nullptr;
    AppActive = false;
    CursorPos = POINT{0, 0};
    for (auto& b : KeyState)
        b = 0;
    for (auto& b : AsyncKeyState)
        b = 0;
    Cursor = nullptr;
    CursorShowCount = 0;
    Tracking = MouseTracking{};
    LastMouseWindow = nullptr;
    LastMouseHit = 0;
    LastClick = {};
    LockUpdateCount = 0;
    LockedWindow = nullptr;
    {
        std::lock_guard lock(QueueLock);
        Posted.clear();
        Input.clear();
        QuitPosted = false;
        QuitCode = 0;
    }
    // A wake-up that another thread's post left behind belongs to the messages just dropped: kept, it
    // would end the next wait at once.
    if (WakeFd >= 0) {
        std::uint64_t drained;
        [[maybe_unused]] auto n = read(WakeFd, &drained, sizeof drained);
    }
    Timers.clear();
    HostPoll = nullptr;
    HostPrepareWait = nullptr;
    HostTextInput = false;
    GuiThread = std::this_thread::get_id();
}

POINT WindowOriginOnScreen(const Window* w) {
    POINT p{w->rect.left, w->rect.top};
    for (const Window* p2 = w->parent; p2 && p2->parent; p2 = p2->parent) {
        p.x += p2->rect.left + p2->client.left;
        p.y += p2->rect.top + p2->client.top;
    }
    return p;
}

POINT ClientOriginOnScreen(const Window* w) {
    POINT p = WindowOriginOnScreen(w);
    p.x += w->client.left;
    p.y += w->client.top;
    return p;
}

RECT WindowRectOnScreen(const Window* w) {
    POINT o = WindowOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + (w->rect.right - w->rect.left), o.y + (w->rect.bottom - w->rect.top)};
}

RECT ClientRectOnScreen(const Window* w) {
    POINT o = ClientOriginOnScreen(w);
    return RECT{o.x, o.y, o.x + (w->client.right - w->client.left), o.y + (w->client.bottom - w->client.top)};
}

bool IsTopLevel(const Window* w) {
    return w && w->parent && w->parent == Sys().Desktop();
}

Window* TopLevelOf(Window* w) {
    while (w && w->parent && w->parent->parent)
        w = w->parent;
    return w;
}

bool IsReallyVisible(const Window* w) {
    for (; w; w = w->parent) {
        if (!(w->style & WS_VISIBLE)) return false;
        if (w == Sys().Desktop()) return true;
    }
    return false;
}

LRESULT SendTo(Window* w, UINT msg, WPARAM wp, LPARAM lp) {
    return w ? SendMessage(w->handle, msg, wp, lp) : 0;
}

} // namespace olva::win
