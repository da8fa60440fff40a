#include "ui/core/base/MessageWindow.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/ExceptionReport.h"

namespace message_window_detail {
constexpr const char* ClassName = "TuiUtilWindow";
} // namespace message_window_detail

TuiMessageWindow::TuiMessageWindow() {
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, message_window_detail::ClassName, &existing)) {
        WNDCLASS wc;
        wc.lpfnWndProc = &TuiMessageWindow::MainWndProc;
        wc.lpszClassName = message_window_detail::ClassName;
        RegisterClass(&wc);
    }
    FWndHandle = CreateWindowEx(WS_EX_TOOLWINDOW, message_window_detail::ClassName, "", WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, nullptr, nullptr);
    if (FWndHandle == nullptr) throw EOutOfResources("Error creating window device context");
    SetWindowLongPtr(FWndHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TuiMessageWindow::~TuiMessageWindow() {
    if (FWndHandle != nullptr) {
        SetWindowLongPtr(FWndHandle, GWLP_USERDATA, 0);
        DestroyWindow(FWndHandle);
    }
}

void TuiMessageWindow::WndProc(TMessage& AMessage) {
    AMessage.Result = DefWindowProc(FWndHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}

LRESULT TuiMessageWindow::MainWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    auto* self = reinterpret_cast<TuiMessageWindow*>(GetWindowLongPtr(AWnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    TMessage message{AMsg, AWParam, ALParam, 0};
    try {
        self->WndProc(message);
    } catch (...) {
        uiHandleException(self);
    }
    return message.Result;
}
