// The window of a dock control and the placing of a manager's four built-in docks on its form.
#include "platform/vcl/Form.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/core/base/Geometry.h"

namespace {

constexpr const char* kDockWindowClassName = "TovDockControlWindow";

} // namespace

void TovDockControl::HandleNeeded() {
    if (FHandle != nullptr || FManager == nullptr) return;
    TCustomForm* form = FManager->GetParentForm();
    if (form == nullptr || !form->HandleAllocated()) return;
    WNDCLASS existing;
    if (!::GetClassInfo(nullptr, kDockWindowClassName, &existing)) {
        WNDCLASS wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &TovDockControl::DockWndProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = kDockWindowClassName;
        ::RegisterClass(&wc);
    }
    HWND wnd = ::CreateWindowEx(0, kDockWindowClassName, "",
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, FBounds.left,
                                FBounds.top, uiWidthOfRect(FBounds), uiHeightOfRect(FBounds), form->Handle(),
                                nullptr, nullptr, nullptr);
    if (wnd == nullptr) return;
    ::SetWindowLongPtr(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FHandle = wnd;
}

void TovDockControl::DestroyHandle() {
    if (FHandle == nullptr) return;
    HWND wnd = FHandle;
    FHandle = nullptr;
    ::SetWindowLongPtr(wnd, GWLP_USERDATA, 0);
    ::DestroyWindow(wnd);
}

LRESULT TovDockControl::DockWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    auto* self = reinterpret_cast<TovDockControl*>(::GetWindowLongPtr(AWnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    switch (AMsg) {
    case WM_ERASEBKGND: {
        RECT client{};
        ::GetClientRect(AWnd, &client);
        self->FillBackground(reinterpret_cast<HDC>(AWParam), client, client);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(AWnd, &ps);
        if (dc != nullptr) {
            RECT client{};
            ::GetClientRect(AWnd, &client);
            self->FillBackground(dc, client, client);
        }
        ::EndPaint(AWnd, &ps);
        return 0;
    }
    case WM_RBUTTONDOWN:
        if (self->GetBarManager() != nullptr && !self->GetBarManager()->IsCustomizing())
            self->ShowToolbarsPopup();
        return 0;
    case WM_MOUSEACTIVATE:
        // A click on a dock leaves the activation where it is.
        return MA_NOACTIVATE;
    default:
        return ::DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
}

void TovDockControl::ShowToolbarsPopup() {
    BarDesignController()->ShowToolbarsPopup(FManager, GetPainter());
}

void ovArrangeBuiltInDocks(TovBarManager* AManager) {
    static bool arranging = false;
    if (AManager == nullptr || arranging) return;
    TCustomForm* form = AManager->GetParentForm();
    if (form == nullptr || !form->HandleAllocated()) return;
    TovBars* bars = AManager->Bars();
    if (bars == nullptr) return;
    auto dock = [&](TovBarDockingStyle AStyle) {
        return dynamic_cast<TovDockControl*>(bars->DockControls(AStyle));
    };
    TovDockControl* top = dock(dsTop);
    TovDockControl* bottom = dock(dsBottom);
    TovDockControl* left = dock(dsLeft);
    TovDockControl* right = dock(dsRight);
    RECT client{};
    ::GetClientRect(form->Handle(), &client);
    const int width = client.right - client.left, height = client.bottom - client.top;
    arranging = true;
    const int topHeight = top != nullptr ? uiHeightOfRect(top->Bounds()) : 0;
    const int bottomHeight = bottom != nullptr ? uiHeightOfRect(bottom->Bounds()) : 0;
    if (top != nullptr) top->SetBounds(TRect{0, 0, width, topHeight});
    if (bottom != nullptr) bottom->SetBounds(TRect{0, height - bottomHeight, width, height});
    if (left != nullptr)
        left->SetBounds(TRect{0, topHeight, uiWidthOfRect(left->Bounds()), height - bottomHeight});
    if (right != nullptr)
        right->SetBounds(
            TRect{width - uiWidthOfRect(right->Bounds()), topHeight, width, height - bottomHeight});
    arranging = false;
}
