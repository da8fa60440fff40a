#include "ui/core/controls/WindowUtils.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

TRect uiWindowRectOf(HWND AWnd) {
    TRect r;
    if (!GetWindowRect(AWnd, &r)) return TRect{};
    return r;
}

TRect uiClientRectOf(HWND AWnd) {
    TRect r;
    if (!GetClientRect(AWnd, &r)) return TRect{};
    return r;
}

TRect uiGetControlWindowRect(TWinControl* AControl) {
    if (AControl == nullptr || !AControl->HandleAllocated()) return TRect{};
    return uiWindowRectOf(AControl->Handle());
}

TRect uiWindowBoundsOf(HWND AWnd) {
    TRect r = uiWindowRectOf(AWnd);
    OffsetRect(&r, -r.left, -r.top);
    return r;
}

TRect uiGetControlWindowBounds(TWinControl* AControl) {
    TRect r = uiGetControlWindowRect(AControl);
    OffsetRect(&r, -r.left, -r.top);
    return r;
}

TPoint uiClientPointToScreen(HWND AWnd, const TPoint& P) {
    TPoint result = P;
    ClientToScreen(AWnd, &result);
    return result;
}

TPoint uiClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent) {
    if (AControl->Parent() == nullptr)
        throw EInvalidOperation(Format("Control '%s' has no parent window", {AControl->Name()}));
    if (AParent == nullptr) AParent = AControl->Parent();
    TPoint result{P.x + AControl->Left(), P.y + AControl->Top()};
    TWinControl* parent = AControl->Parent();
    while (parent != AParent) {
        if (parent == nullptr)
            throw EInvalidOperation(Format("Parent given is not a parent of '%s'", {AControl->Name()}));
        result.x += parent->Left();
        result.y += parent->Top();
        parent = parent->Parent();
    }
    return result;
}

TRect uiGetMonitorWorkArea(HMONITOR AMonitor) {
    if (AMonitor == nullptr) {
        TRect r;
        SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
        return r;
    }
    MONITORINFO info;
    info.cbSize = sizeof(info);
    GetMonitorInfo(AMonitor, &info);
    return info.rcWork;
}

TRect uiGetWorkAreaAtPoint(const TPoint& P) {
    return uiGetMonitorWorkArea(MonitorFromPoint(P, MONITOR_DEFAULTTONEAREST));
}

void uiAdjustRectToWorkArea(TRect& R, const TPoint& P) {
    const TRect work = uiGetWorkAreaAtPoint(P);
    if (R.right > work.right) OffsetRect(&R, work.right - R.right, 0);
    if (R.bottom > work.bottom) OffsetRect(&R, 0, work.bottom - R.bottom);
    if (R.left < work.left) OffsetRect(&R, work.left - R.left, 0);
    if (R.top < work.top) OffsetRect(&R, 0, work.top - R.top);
}

bool IsWindowSmallerThanWorkArea(HWND AWnd) {
    const TRect work = uiGetMonitorWorkArea(MonitorFromWindow(AWnd, MONITOR_DEFAULTTONEAREST));
    const TRect r = uiWindowRectOf(AWnd);
    return r.right - r.left < work.right - work.left || r.bottom - r.top < work.bottom - work.top;
}

TPoint uiGetMouseCursorPos() {
    TPoint p;
    if (!GetCursorPos(&p)) return TPoint{-1, -1};
    return p;
}

HWND uiWindowAtPoint(const TPoint& P) {
    HWND result = WindowFromPoint(P);
    if (result == nullptr) return nullptr;
    for (;;) {
        TPoint local = P;
        ScreenToClient(result, &local);
        HWND child = ChildWindowFromPointEx(result, local, CWP_SKIPINVISIBLE);
        if (child == nullptr || child == result) return result;
        result = child;
    }
}

std::string uiGetWindowText(HWND AWnd) {
    char buffer[1024] = {};
    const int length = GetWindowText(AWnd, buffer, static_cast<int>(sizeof(buffer)));
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

bool uiIsChildClassWindow(HWND AWnd) {
    return (GetWindowLong(AWnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool uiIsChildEx(HWND AParent, HWND AWnd) {
    return AParent != nullptr && (AParent == AWnd || IsChild(AParent, AWnd));
}

bool uiIsOwnerWindow(HWND AOwner, HWND AWnd) {
    for (HWND wnd = AWnd; wnd != nullptr; wnd = GetParent(wnd))
        if (wnd == AOwner) return true;
    return false;
}

bool uiIsWindowEnabledEx(HWND AWnd) {
    if (!IsWindowEnabled(AWnd)) return false;
    if (!uiIsChildClassWindow(AWnd)) return true;
    for (HWND parent = GetParent(AWnd); parent != nullptr; parent = GetParent(parent)) {
        if (!IsWindowEnabled(parent)) return false;
        if (!uiIsChildClassWindow(parent)) break;
    }
    return true;
}

bool uiIsControlVisible(TWinControl* AControl) {
    return AControl->HandleAllocated() && IsWindowVisible(AControl->Handle());
}

TWinControl* uiControlOfHandle(HWND AWnd) {
    for (HWND wnd = AWnd; wnd != nullptr; wnd = GetAncestor(wnd, GA_PARENT))
        if (TWinControl* control = FindControl(wnd)) return control;
    return nullptr;
}

TWinControl* ovParentControlOf(HWND AWnd) {
    return uiControlOfHandle(AWnd);
}

TCustomForm* ovFindParentForm(HWND AWnd) {
    TControl* control = uiControlOfHandle(AWnd);
    while (control != nullptr) {
        if (auto* form = dynamic_cast<TCustomForm*>(control)) return form;
        control = control->Parent();
    }
    return nullptr;
}

bool uiCanAllocateHandle(TWinControl* AControl) {
    if (AControl->HandleAllocated()) return true;
    if (AControl->ComponentState().Contains(csDestroying)) return false;
    if (AControl->ParentWindow() != nullptr) return true;
    if (AControl->Parent() != nullptr) return uiCanAllocateHandle(AControl->Parent());
    return Application() != nullptr && Application()->Handle() != nullptr &&
           dynamic_cast<TCustomForm*>(AControl) != nullptr;
}

bool uiIsMDIForm(TCustomForm* AForm) {
    return !AForm->ComponentState().Contains(csDesigning) && AForm->FormStyle() == fsMDIForm;
}

bool uiIsMDIChildForm(TCustomForm* AForm) {
    return !AForm->ComponentState().Contains(csDesigning) && AForm->FormStyle() == fsMDIChild;
}

void uiBroadcastToParents(TControl* AControl, UINT AMsg) {
    for (TControl* control = AControl; control != nullptr && dynamic_cast<TCustomForm*>(control) == nullptr;
         control = control->Parent())
        control->Perform(AMsg, 0, 0);
}

bool uiHasWindowStyle(HWND AWnd, DWORD AStyle) {
    return (static_cast<DWORD>(GetWindowLong(AWnd, GWL_STYLE)) & AStyle) == AStyle;
}

void uiSetWindowStyle(HWND AWnd, DWORD AValue, int AMode, int AIndex) {
    const int index = AIndex == 0 ? GWL_STYLE : GWL_EXSTYLE;
    DWORD style = static_cast<DWORD>(GetWindowLong(AWnd, index));
    switch (AMode) {
    case 0:
        style = AValue;
        break;
    case 1:
        style |= AValue;
        break;
    case 2:
        style &= ~AValue;
        break;
    default:
        return;
    }
    SetWindowLong(AWnd, index, static_cast<LONG>(style));
}

LONG_PTR uiSetWindowProc(HWND AWnd, LONG_PTR AProc) {
    return SetWindowLongPtr(AWnd, GWLP_WNDPROC, AProc);
}

void uiSetWindowZOrder(HWND AWnd, HWND AWndInsertAfter, bool AActivate, UINT AFlags) {
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | AFlags;
    if (!AActivate) flags |= SWP_NOACTIVATE;
    SetWindowPos(AWnd, AWndInsertAfter, 0, 0, 0, 0, flags);
}

void uiSetLayeredWindowAlpha(HWND AWnd, BYTE AAlpha) {
    // The window system always has SetLayeredWindowAttributes (a presenter that cannot show alpha refuses
    // it).
    const bool layered = (GetWindowLong(AWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (AAlpha < 255) {
        if (!layered) uiSetWindowStyle(AWnd, WS_EX_LAYERED, 1, 1);
        SetLayeredWindowAttributes(AWnd, 0, AAlpha, LWA_ALPHA);
    } else if (layered) {
        uiSetWindowStyle(AWnd, WS_EX_LAYERED, 2, 1);
        RedrawWindow(AWnd, nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
}
