#include "platform/vcl/HintWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"

#include <algorithm>

THintWindowClass HintWindowClass = HintWindowClassOf<THintWindow>();

bool THintWindowClassInfo::IsClassOf(const THintWindow* AWindow) const {
    return AWindow != nullptr && typeid(*AWindow) == *Type;
}

namespace hintwindow_detail {
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
    FColor = clInfoBk;
    SetParentColor(false);
    SetParentFont(false);
    if (Screen() != nullptr) Font()->Assign(Screen()->HintFont());
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

RECT THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint, void*) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
    RECT r{0, 0, std::max(MaxWidth, 1), 0};
    ::DrawText(dc, Hint.c_str(), static_cast<int>(Hint.size()), &r,
               hintwindow_detail::kTextFormat | DT_CALCRECT);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    // Room for the border and a little space around the text.
    r.right += 6;
    r.bottom += 2;
    return r;
}

void THintWindow::ActivateHint(RECT Rect, const std::string& Hint) {
    SetCaption(Hint);
    // Keep the window on the monitor the hint belongs to.
    MONITORINFO info;
    info.cbSize = sizeof(info);
    POINT corner{Rect.left, Rect.top};
    if (::GetMonitorInfo(::MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST), &info)) {
        const int width = Rect.right - Rect.left;
        const int height = Rect.bottom - Rect.top;
        if (Rect.right > info.rcWork.right) ::OffsetRect(&Rect, info.rcWork.right - Rect.right, 0);
        if (Rect.left < info.rcWork.left) ::OffsetRect(&Rect, info.rcWork.left - Rect.left, 0);
        // A hint that would leave the bottom of the work area goes above the cursor instead.
        if (Rect.bottom > info.rcWork.bottom) ::OffsetRect(&Rect, 0, -(height + 24));
        Rect.right = Rect.left + width;
        Rect.bottom = Rect.top + height;
    }
    SetBoundsRect(Rect);
    HWND handle = Handle();
    ::SetWindowPos(handle, HWND_TOPMOST, Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    FVisible = true;
    FShowing = true;
    ::InvalidateRect(handle, nullptr, TRUE);
}

void THintWindow::ReleaseHandle() {
    FVisible = false;
    DestroyHandle();
}

void THintWindow::Paint() {
    RECT r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    Canvas()->Font()->Assign(Font());
    HDC dc = Canvas()->Handle();
    Canvas()->RequiredState({csHandleValid, csFontValid});
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(Font()->Color()));
    r.left += 2;
    r.top += 1;
    const std::string text = Caption();
    ::DrawText(dc, text.c_str(), static_cast<int>(text.size()), &r, hintwindow_detail::kTextFormat);
}

void THintWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_NCHITTEST) {
        Message.Result = HTTRANSPARENT;
        return;
    }
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}
