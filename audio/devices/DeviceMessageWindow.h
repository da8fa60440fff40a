// A hidden window that turns notifications posted from device threads (audio callbacks, synthesis
// workers) into calls on the user-interface thread, through the message loop.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>

class TDeviceMessageWindow {
public:
    using THandler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit TDeviceMessageWindow(THandler handler);
    ~TDeviceMessageWindow();
    TDeviceMessageWindow(const TDeviceMessageWindow&) = delete;
    TDeviceMessageWindow& operator=(const TDeviceMessageWindow&) = delete;

    HWND Handle() const { return FHandle; }
    // Safe from any thread; false when the window is gone.
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
    static LRESULT WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
    THandler FHandler;
};
