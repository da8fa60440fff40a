#include "ui/bars/painting/BarSystemServices.h"

#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/win/Painting.h"
#include "platform/win/Sound.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/controls/WindowUtils.h"

#include <algorithm>
#include <chrono>
#include <thread>

void ProcessMouseMessages() {
    MSG msg{};
    while (PeekMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSEWHEEL, PM_NOREMOVE)) {
        const BOOL got = GetMessage(&msg, nullptr, WM_MOUSEFIRST, WM_MOUSEWHEEL);
        if (got == -1) return;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        DispatchMessage(&msg);
    }
}

void ProcessPaintMessages() {
    MSG msg{};
    while (PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessage(&msg);
}

void ovBarPlaySound(TovBarSound ASound) {
    if (!ovBarMenuSoundsOn()) return;
    static const char* const Names[] = {"MenuPopup", "MenuCommand", nullptr};
    PlaySound(Names[ASound], nullptr, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC);
}

void ovBarStopSound() {
    ovBarPlaySound(bsStop);
}

std::function<void()>& ovBarFadeStepWait() {
    static std::function<void()> wait = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
    return wait;
}

void FadeInWindow(HWND AWnd, int ATime) {
    constexpr UINT showFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    const TovLayeredWindowEntry entry = ovBarLayeredWindowEntry();
    if (entry == nullptr || ATime <= 0) {
        SetWindowPos(AWnd, nullptr, 0, 0, 0, 0, showFlags);
        return;
    }
    const LONG previousStyle = GetWindowLong(AWnd, GWL_EXSTYLE);
    SetWindowLong(AWnd, GWL_EXSTYLE, previousStyle | static_cast<LONG>(WS_EX_LAYERED));
    try {
        entry(AWnd, 0, 0, LWA_ALPHA);
        SetWindowPos(AWnd, nullptr, 0, 0, 0, 0, showFlags);
        const std::uint64_t start = CurrentClock().TickCount64();
        const std::uint64_t end = start + static_cast<std::uint64_t>(ATime);
        for (;;) {
            const std::uint64_t now = std::min(CurrentClock().TickCount64(), end);
            const auto alpha = static_cast<BYTE>(255 * (now - start) / static_cast<std::uint64_t>(ATime));
            entry(AWnd, 0, alpha, LWA_ALPHA);
            ProcessPaintMessages();
            if (now == end) break;
            ovBarFadeStepWait()();
        }
    } catch (...) {
        SetWindowLong(AWnd, GWL_EXSTYLE, previousStyle);
        throw;
    }
    SetWindowLong(AWnd, GWL_EXSTYLE, previousStyle);
}

bool ovBarSetWindowAlpha(HWND AWnd, BYTE AAlpha) {
    if (AWnd == nullptr) return false;
    const LONG style = GetWindowLong(AWnd, GWL_EXSTYLE);
    const bool layered = (style & static_cast<LONG>(WS_EX_LAYERED)) != 0;
    const TovLayeredWindowEntry entry = ovBarLayeredWindowEntry();
    if (AAlpha < 255 && entry != nullptr) {
        if (!layered) SetWindowLong(AWnd, GWL_EXSTYLE, style | static_cast<LONG>(WS_EX_LAYERED));
        if (entry(AWnd, 0, AAlpha, LWA_ALPHA)) return true;
    }
    // Opaque: asked for, or the only way the screen can show the window.
    if (layered || AAlpha < 255) {
        SetWindowLong(AWnd, GWL_EXSTYLE, style & ~static_cast<LONG>(WS_EX_LAYERED));
        RedrawWindow(AWnd, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
    }
    return AAlpha == 255;
}

bool MouseButtonIsDown(int AButton, int ASwappedButton) {
    const int key = GetSystemMetrics(SM_SWAPBUTTON) != 0 ? ASwappedButton : AButton;
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

bool PrimaryButtonIsDown() {
    return MouseButtonIsDown(VK_LBUTTON, VK_RBUTTON);
}

bool SecondaryButtonIsDown() {
    return MouseButtonIsDown(VK_RBUTTON, VK_LBUTTON);
}

bool BarAppIsActive() {
    return ovBarApplicationActiveFlag() && !ovBarDeactivatingFlag() && GetActiveWindow() != nullptr;
}

void MonitorWorkAreaAt(const TPoint& P, TRect& R) {
    R = uiGetWorkAreaAtPoint(P);
}

void GetMonitorBounds(const TPoint& P, TRect& R) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfo(MonitorFromPoint(P, MONITOR_DEFAULTTONEAREST), &info))
        R = info.rcMonitor;
    else
        R = uiGetWorkAreaAtPoint(P);
}

int BarShowMessageBox(const std::string& AText, UINT AFlags) {
    return Application()->MessageBox(AText, Application()->Title(), AFlags);
}

void ApplyMinEditWidth(int& AWidth, int AMinWidth) {
    if (AWidth < AMinWidth) AWidth = AMinWidth;
}

void ReleaseObjectLinkVar(TuiObjectLink*& ALink) {
    if (ALink == nullptr) return;
    TuiObjectLink* link = ALink;
    ALink = nullptr;
    uiRemoveObjectLink(link);
}
