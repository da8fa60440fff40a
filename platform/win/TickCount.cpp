// Tick count and thread identity of the user-interface thread, read from the window system's clock.
#include "platform/win/WinUser.h"
#include "platform/win/WindowSystem.h"

#include <functional>
#include <thread>

DWORD GetTickCount() {
    return olva::win::TickNow();
}
ULONGLONG GetTickCount64() {
    return olva::win::NowMs();
}
DWORD GetCurrentThreadId() {
    return DWORD(std::hash<std::thread::id>{}(std::this_thread::get_id()) & 0x7FFFFFFF) | 1;
}
