// The system class "STATIC": a plain window that shows its text on the dialog colour. Registered the
// first time something asks for it, as the system classes are always there.
#include "platform/gdi/Gdi.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "platform/win/WindowSystem.h"

namespace olva::win {

namespace {

LRESULT StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT) return DefWindowProc(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    char text[512] = {};
    if (GetWindowText(hwnd, text, sizeof(text)) > 0) {
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, text, -1, &client, DT_LEFT | DT_WORDBREAK);
    }
    EndPaint(hwnd, &ps);
    return 0;
}

} // namespace

void RegisterStaticClass() {
    WNDCLASSEX wc;
    wc.lpfnWndProc = &StaticWindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "STATIC";
    RegisterClassEx(&wc);
}

} // namespace olva::win
