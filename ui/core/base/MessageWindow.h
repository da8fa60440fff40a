// Hidden windows of the library's services (the timer window, the system-parameter cache, the theme
// receiver): top-level windows that never show, so that broadcasts reach them, each relaying its
// messages to WndProc of its object.
#pragma once

#include "platform/vcl/Messages.h"
#include "ui/core/base/CoreClasses.h"

class TuiMessageWindow : public TuiIUnknownObject {
public:
    TuiMessageWindow();
    ~TuiMessageWindow() override;
    TuiMessageWindow(const TuiMessageWindow&) = delete;
    TuiMessageWindow& operator=(const TuiMessageWindow&) = delete;

    HWND Handle() const { return FWndHandle; }

protected:
    // The base answers every message with DefWindowProc.
    virtual void WndProc(TMessage& AMessage);

private:
    static LRESULT MainWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
    HWND FWndHandle = nullptr;
};
