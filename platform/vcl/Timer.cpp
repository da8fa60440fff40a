#include "platform/vcl/Timer.h"

#include "platform/rtl/Exceptions.h"
#include "platform/win/WinUser.h"

namespace timer_detail {

constexpr const char* kWindowClass = "OlvaTimerWindow";
constexpr UINT_PTR kTimerId = 1;

// The class is registered on first use, and again after the window system was reset.
void EnsureWindowClass(WNDPROC proc) {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, kWindowClass, &existing)) return;
    WNDCLASS wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = kWindowClass;
    RegisterClass(&wc);
}

} // namespace timer_detail

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    timer_detail::EnsureWindowClass(&TTimer::WndProc);
    FWindowHandle = CreateWindowEx(0, timer_detail::kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   nullptr, nullptr);
    if (FWindowHandle == nullptr) throw EOutOfResources("Not enough timers available");
    SetWindowLongPtr(FWindowHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateTimer();
}

TTimer::~TTimer() {
    if (FWindowHandle != nullptr && IsWindow(FWindowHandle)) {
        KillTimer(FWindowHandle, timer_detail::kTimerId);
        SetWindowLongPtr(FWindowHandle, GWLP_USERDATA, 0);
        DestroyWindow(FWindowHandle);
    }
    FWindowHandle = nullptr;
}

LRESULT TTimer::WndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_TIMER) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtr(Wnd, GWLP_USERDATA));
        if (timer != nullptr && WParam == timer_detail::kTimerId) timer->Timer();
        return 0;
    }
    return DefWindowProc(Wnd, Msg, WParam, LParam);
}

void TTimer::UpdateTimer() {
    KillTimer(FWindowHandle, timer_detail::kTimerId);
    if (FInterval != 0 && FEnabled)
        if (SetTimer(FWindowHandle, timer_detail::kTimerId, FInterval, nullptr) == 0)
            throw EOutOfResources("Not enough timers available");
}

void TTimer::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(UINT Value) {
    if (Value == FInterval) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::Timer() {
    if (FEnabled) OnTimer(this);
}
