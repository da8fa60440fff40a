// Window-system speed: how many messages per second go through SendMessage and through the queue,
// and what a full paint cycle of a window with 500 child windows costs on the memory screen.
#include "platform/gdi/Gdi.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

long Counter = 0;

LRESULT CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) {
        ++Counter;
        return LRESULT(wParam);
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_BTNFACE + 1)));
        InflateRect(&r, -4, -4);
        FillRect(dc, &r, reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_HIGHLIGHT + 1)));
        EndPaint(hwnd, &ps);
        ++Counter;
        return 0;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

int main() {
    WNDCLASSEX wc;
    wc.lpfnWndProc = &CountingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_WINDOW + 1));
    wc.lpszClassName = "BenchWindow";
    RegisterClassEx(&wc);
    HWND top = CreateWindowEx(0, "BenchWindow", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                              0, 0, 1008, 827, nullptr, nullptr, nullptr, nullptr);

    const long sends = 2000000;
    auto t0 = Clock::now();
    for (long i = 0; i < sends; ++i)
        SendMessage(top, WM_USER, WPARAM(i), 0);
    double sendSeconds = Seconds(t0);

    const long posts = 1000000;
    t0 = Clock::now();
    for (long i = 0; i < posts; ++i) {
        PostMessage(top, WM_USER, 0, 0);
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
    }
    double postSeconds = Seconds(t0);

    // 500 children in a 25 x 20 grid of 40 x 40 pixels.
    for (int i = 0; i < 500; ++i)
        CreateWindowEx(0, "BenchWindow", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, (i % 25) * 40,
                       (i / 25) * 40, 40, 40, top, nullptr, nullptr, nullptr);
    olva::win::PumpMessages();
    const int cycles = 50;
    Counter = 0;
    t0 = Clock::now();
    for (int c = 0; c < cycles; ++c) {
        RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        olva::win::PumpMessages();
    }
    double paintSeconds = Seconds(t0);
    const long paintsPerCycle = Counter / cycles;

    t0 = Clock::now();
    for (int c = 0; c < cycles; ++c)
        olva::win::ComposeScreen();
    double composeSeconds = Seconds(t0);

    std::printf("SendMessage:              %10.0f messages/s\n", sends / sendSeconds);
    std::printf("PostMessage + dispatch:   %10.0f messages/s\n", posts / postSeconds);
    std::printf("full paint, 500 children: %10.2f ms per cycle (%ld WM_PAINT each)\n",
                paintSeconds * 1000 / cycles, paintsPerCycle);
    std::printf("screen composition:       %10.2f ms (1920 x 1080)\n", composeSeconds * 1000 / cycles);
    std::printf("send/post ratio:          %10.2f\n", (sends / sendSeconds) / (posts / postSeconds));
    DestroyWindow(top);
    return 0;
}
