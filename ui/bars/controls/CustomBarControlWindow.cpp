// The window of a bar control: its class, creation and destruction, and the message handling the base
// gives every bar window (painting, mouse, keys, focus and the private messages).
#include "ui/bars/controls/CustomBarControl.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/graphics/Canvas.h"

namespace bar_control_window_detail {

constexpr const char* BarWindowClassName = "TovBarControlWindow";

bool IsMouseMessage(UINT AMsg) {
    return (AMsg >= WM_NCMOUSEMOVE && AMsg <= WM_NCMBUTTONDBLCLK) ||
           (AMsg >= WM_MOUSEMOVE && AMsg <= WM_MOUSEWHEEL);
}

TShiftState MouseShiftState(WPARAM AKeys, bool ADouble) {
    TShiftState shift = KeysToShiftState(static_cast<WORD>(AKeys));
    if ((GetKeyState(VK_MENU) & 0x8000) != 0) shift.Include(ssAlt);
    if (ADouble) shift.Include(ssDouble);
    return shift;
}

} // namespace bar_control_window_detail

using namespace bar_control_window_detail;

LRESULT TCustomovBarControl::MainWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    TCustomovBarControl* self = FromHandle(AWnd);
    if (self == nullptr) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    TMessage message{AMsg, AWParam, ALParam, 0};
    // A handler may free the bar (a click that closes its menu); the message and its result live here.
    try {
        self->WndProc(message);
    } catch (...) {
        uiHandleException(nullptr);
    }
    return message.Result;
}

TCustomovBarControl* TCustomovBarControl::FromHandle(HWND AWnd) {
    if (AWnd == nullptr || !IsWindow(AWnd)) return nullptr;
    char name[64] = {};
    if (GetClassName(AWnd, name, sizeof(name)) == 0 || std::string(name) != BarWindowClassName)
        return nullptr;
    return reinterpret_cast<TCustomovBarControl*>(::GetWindowLongPtr(AWnd, GWLP_USERDATA));
}

TCustomovBarControl* TCustomovBarControl::FromChildHandle(HWND AWnd) {
    for (HWND wnd = AWnd; wnd != nullptr; wnd = ::GetParent(wnd))
        if (TCustomovBarControl* bar = FromHandle(wnd)) return bar;
    return nullptr;
}

void TCustomovBarControl::CreateParams(TovBarWindowParams& AParams) const {
    AParams.Style = WS_POPUP | WS_CLIPCHILDREN;
    AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    TCustomForm* form = FManager != nullptr ? FManager->GetParentForm() : nullptr;
    AParams.Parent = form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TCustomovBarControl::HandleNeeded() {
    if (FHandle != nullptr || BeingDestroyed()) return;
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, BarWindowClassName, &existing)) {
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &TCustomovBarControl::MainWndProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = BarWindowClassName;
        RegisterClass(&wc);
    }
    TovBarWindowParams params;
    CreateParams(params);
    HWND wnd = CreateWindowEx(params.ExStyle, BarWindowClassName, "", params.Style, FBounds.left, FBounds.top,
                              FBounds.right - FBounds.left, FBounds.bottom - FBounds.top, params.Parent,
                              nullptr, nullptr, nullptr);
    if (wnd == nullptr) return;
    FHandle = wnd;
    ::SetWindowLongPtr(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FVisible = false;
    CreateWindowHandle();
}

void TCustomovBarControl::CreateWindowHandle() {
    CreateControls();
    CalcMetrics();
    UpdateClientRect();
}

void TCustomovBarControl::DestroyWindowHandle() {
    if (FSelectedControl != nullptr && FSelectedControl->IsActive())
        FSelectedControl->ControlInactivate(true);
    FClickedControl = nullptr;
}

void TCustomovBarControl::DestroyHandle() {
    if (FHandle == nullptr || (FState & bcsDestroyingWindow) != 0) return;
    FState |= bcsDestroyingWindow;
    DestroyWindowHandle();
    HWND wnd = FHandle;
    FHandle = nullptr;
    FVisible = false;
    // The window's last messages find no bar behind it.
    ::SetWindowLongPtr(wnd, GWLP_USERDATA, 0);
    ::DestroyWindow(wnd);
    FState &= ~bcsDestroyingWindow;
}

void TCustomovBarControl::SetBounds(const TRect& ABounds) {
    FBounds = ABounds;
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, ABounds.left, ABounds.top, ABounds.right - ABounds.left,
                       ABounds.bottom - ABounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
    else
        FClientRect = TRect{0, 0, ABounds.right - ABounds.left, ABounds.bottom - ABounds.top};
}

void TCustomovBarControl::Show() {
    FVisible = true;
    if (FHandle == nullptr) return;
    ::ShowWindow(FHandle, SW_SHOWNOACTIVATE);
}

void TCustomovBarControl::Hide() {
    FVisible = false;
    if (FHandle != nullptr) ::ShowWindow(FHandle, SW_HIDE);
}

void TCustomovBarControl::UpdateClientRect() {
    if (FHandle == nullptr) return;
    RECT client{};
    ::GetClientRect(FHandle, &client);
    FClientRect = client;
    CalcLayout();
    RecalcViewInfo();
}

void TCustomovBarControl::DefaultHandler(TMessage& AMessage) {
    if (FHandle != nullptr)
        AMessage.Result = DefWindowProc(FHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}

void TCustomovBarControl::WndProc(TMessage& AMessage) {
    FCurrentMessage = AMessage;
    const UINT msg = AMessage.Msg;
    // Mouse input reaches only the bars of the active chain.
    if (IsMouseMessage(msg) && !IsInActiveBarChain()) return;
    switch (msg) {
    case WM_MOUSEACTIVATE:
        DefaultHandler(AMessage);
        AMessage.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        AMessage.Result = 1;
        return;
    case WM_PAINT:
        if (BeingDestroyed())
            DefaultHandler(AMessage);
        else
            WMPaint(AMessage);
        return;
    case WM_PRINTCLIENT: {
        // The DC is the caller's: its clip region and selections come back as they were.
        HDC dc = reinterpret_cast<HDC>(AMessage.WParam);
        const int saved = SaveDC(dc);
        TCanvas canvas;
        canvas.SetHandle(dc);
        try {
            TuiCanvas paintCanvas(&canvas);
            if (TFont* font = GetFont()) paintCanvas.Font()->Assign(font);
            Paint(&paintCanvas);
        } catch (...) {
            canvas.SetHandle(nullptr);
            RestoreDC(dc, saved);
            throw;
        }
        canvas.SetHandle(nullptr);
        RestoreDC(dc, saved);
        return;
    }
    case WM_NCPAINT:
        WMNCPaint(AMessage);
        return;
    case WM_PRINT:
        DefaultHandler(AMessage);
        if ((AMessage.LParam & PRF_NONCLIENT) != 0) DrawNonClientArea(reinterpret_cast<HDC>(AMessage.WParam));
        return;
    case WM_SETCURSOR:
        // Over its own client area the bar shows its own cursor (the move cursor over a drag handle).
        if (reinterpret_cast<HWND>(AMessage.WParam) == FHandle && LOWORD(AMessage.LParam) == HTCLIENT) {
            ::SetCursor(LoadCursor(nullptr, FCursor != nullptr ? FCursor : IDC_ARROW));
            AMessage.Result = 1;
            return;
        }
        DefaultHandler(AMessage);
        return;
    case WM_NCACTIVATE:
        // The owner's caption stays active while a bar is used, and the bar's frame always draws active.
        if (AMessage.WParam != 0 && !IsCustomizing())
            if (HWND parent = ::GetParent(FHandle)) ::SendMessage(parent, WM_NCACTIVATE, 1, 0);
        AMessage.WParam = 1;
        DefaultHandler(AMessage);
        return;
    case WM_COMMAND:
        DefaultHandler(AMessage);
        // An in-place editor's change notification goes back to the editor's own window.
        if (AMessage.Result == 0 && HIWORD(AMessage.WParam) == EN_CHANGE && AMessage.LParam != 0)
            AMessage.Result = ::SendMessage(reinterpret_cast<HWND>(AMessage.LParam), WM_COMMAND,
                                            AMessage.WParam, AMessage.LParam);
        return;
    case WM_SIZE:
        DefaultHandler(AMessage);
        if (!BeingDestroyed()) UpdateClientRect();
        return;
    case WM_WINDOWPOSCHANGED: {
        DefaultHandler(AMessage);
        if (BeingDestroyed() || FHandle == nullptr) return;
        RECT window{};
        ::GetWindowRect(FHandle, &window);
        HWND parent = ::GetParent(FHandle);
        if (parent != nullptr && (::GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD) != 0) {
            POINT topLeft{window.left, window.top};
            ::ScreenToClient(parent, &topLeft);
            window = RECT{topLeft.x, topLeft.y, topLeft.x + window.right - window.left,
                          topLeft.y + window.bottom - window.top};
        }
        FBounds = window;
        FVisible = ::IsWindowVisible(FHandle) != FALSE;
        DoWindowPosChanged();
        return;
    }
    case WM_SETFOCUS:
        if (FSelectedControl != nullptr && FSelectedControl->IsWinControl())
            DefaultHandler(AMessage);
        else
            PassFocus();
        return;
    case WM_KILLFOCUS:
        DefaultHandler(AMessage);
        if (AMessage.WParam == 0) CloseUp(bcrOther);
        return;
    case WM_CAPTURECHANGED:
        DefaultHandler(AMessage);
        CancelItemDrag();
        FClickedControl = nullptr;
        return;
    case WM_CANCELMODE:
        DefaultHandler(AMessage);
        CloseUp(bcrOther);
        return;
    case WM_CLOSE:
        if (TCustomForm* form = FManager != nullptr ? FManager->GetParentForm() : nullptr)
            if (form->HandleAllocated()) ::SendMessage(form->Handle(), WM_CLOSE, 0, 0);
        return;
    case WM_DESTROY:
        if (!BeingDestroyed()) DestroyWindowHandle();
        DefaultHandler(AMessage);
        // Destroyed from outside (its owner window went): the bar lives on without a window.
        if ((FState & bcsDestroyingWindow) == 0 && FHandle != nullptr) {
            ::SetWindowLongPtr(FHandle, GWLP_USERDATA, 0);
            FHandle = nullptr;
            FVisible = false;
            if (FActive) SetActive(false);
        }
        return;
    case WM_KEYDOWN:
        WMKeyDown(AMessage);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
        WMMouse(AMessage);
        return;
    case WM_OVBAR_REBUILD:
        Rebuild();
        return;
    case WM_OVBAR_CLOSEUP:
        CloseUp(static_cast<TovBarCloseUpReason>(AMessage.WParam & 0xFF));
        return;
    default:
        DefaultHandler(AMessage);
        return;
    }
}

void TCustomovBarControl::WMPaint(TMessage& AMessage) {
    PAINTSTRUCT ps{};
    HDC dc = ::BeginPaint(FHandle, &ps);
    if (dc == nullptr) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    try {
        TuiCanvas paintCanvas(&canvas);
        if (TFont* font = GetFont()) paintCanvas.Font()->Assign(font);
        FPaintCanvas = &paintCanvas;
        Paint(&paintCanvas);
        FPaintCanvas = nullptr;
    } catch (...) {
        FPaintCanvas = nullptr;
        canvas.SetHandle(nullptr);
        ::EndPaint(FHandle, &ps);
        throw;
    }
    canvas.SetHandle(nullptr);
    ::EndPaint(FHandle, &ps);
    AMessage.Result = 0;
}

void TCustomovBarControl::WMNCPaint(TMessage& AMessage) {
    if (!HasNonClientArea()) {
        DefaultHandler(AMessage);
        return;
    }
    HDC dc = GetNCDC();
    try {
        DefaultHandler(AMessage);
        DrawNonClientArea(dc);
    } catch (...) {
        ReleaseNCDC(dc);
        throw;
    }
    ReleaseNCDC(dc);
}

HDC TCustomovBarControl::GetNCDC() {
    return ::GetWindowDC(FHandle);
}

void TCustomovBarControl::ReleaseNCDC(HDC ADC) {
    ::ReleaseDC(FHandle, ADC);
}

void TCustomovBarControl::SetMoveCursor(bool AMoving) {
    FCursor = AMoving ? IDC_SIZEALL : nullptr;
}

void TCustomovBarControl::WMMouse(TMessage& AMessage) {
    const UINT msg = AMessage.Msg;
    const int x = static_cast<short>(LOWORD(AMessage.LParam));
    const int y = static_cast<short>(HIWORD(AMessage.LParam));
    const bool isDouble = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK;
    const TShiftState shift = MouseShiftState(AMessage.WParam, isDouble);
    TWeakLink<TCustomovBarControl> self(this);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FIgnoreNextClick) return;
        MouseDown(mbLeft, shift, x, y);
        return;
    case WM_LBUTTONUP:
        if (FIgnoreNextClick) {
            FIgnoreNextClick = false;
            return;
        }
        MouseUp(mbLeft, shift, x, y);
        if (self) DoLButtonUp(AMessage);
        return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        MouseDown(mbRight, shift, x, y);
        return;
    case WM_RBUTTONUP:
        MouseUp(mbRight, shift, x, y);
        return;
    case WM_MBUTTONDOWN:
        MouseDown(mbMiddle, shift, x, y);
        return;
    case WM_MBUTTONUP:
        MouseUp(mbMiddle, shift, x, y);
        return;
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        if (self) TrackMousePosition(shift, x, y);
        return;
    default:
        DefaultHandler(AMessage);
        return;
    }
}

void TCustomovBarControl::WMKeyDown(TMessage& AMessage) {
    DefaultHandler(AMessage);
    TWeakLink<TCustomovBarControl> self(this);
    if (ovBarActiveBarControl() == nullptr) return;
    WORD key = static_cast<WORD>(AMessage.WParam);
    ProcessNavigationKey(key, KeyDataToShiftState(AMessage.LParam) + KeyboardStateToShiftState());
    if (!self || ovBarActiveBarControl() == nullptr) return;
    AMessage.WParam = key;
    if (key != 0 && !IsKeyForSelectedControl(key)) ProcessKey(AMessage);
}
