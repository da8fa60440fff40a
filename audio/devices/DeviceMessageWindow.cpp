#include "audio/devices/DeviceMessageWindow.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

namespace device_message_window_detail {
constexpr const char* ClassName = "OlvaDeviceMessageWindow";

void EnsureClass(WNDPROC proc) {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, ClassName, &existing)) return;
    WNDCLASS wc;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = ClassName;
    RegisterClass(&wc);
}
} // namespace device_message_window_detail

TDeviceMessageWindow::TDeviceMessageWindow(THandler handler) : FHandler(std::move(handler)) {
    device_message_window_detail::EnsureClass(&TDeviceMessageWindow::WindowProc);
    FHandle = CreateWindowEx(0, device_message_window_detail::ClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                             nullptr, nullptr, nullptr);
    if (FHandle) SetWindowLongPtr(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TDeviceMessageWindow::~TDeviceMessageWindow() {
    if (FHandle && IsWindow(FHandle)) {
        SetWindowLongPtr(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
}

bool TDeviceMessageWindow::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return FHandle && PostMessage(FHandle, message, wParam, lParam);
}

LRESULT TDeviceMessageWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TDeviceMessageWindow*>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
    if (self && self->FHandler) {
        self->FHandler(message, wParam, lParam);
        return 1;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}
