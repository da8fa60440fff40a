#include "ui/painters/popups/PopupHooks.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/base/MessagesController.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/painters/popups/CustomPopupWindow.h"
#include "ui/painters/popups/PopupVisibleController.h"
#include "ui/painters/popups/PopupWindowHelpers.h"
#include "ui/painters/popups/StyleController.h"

namespace popup_hooks_detail {

TuiPopupVisibleController* Shown() {
    return uiPopupVisibleController();
}

// Blocks the window's next message, unless a block is pending already: the messages controller holds one
// block at a time and raises for a second.
void BlockOnce(HWND AWindow) {
    TovMessagesController* controller = ovMessagesController();
    if (controller != nullptr && !controller->IsBlockPending()) controller->BlockWindowProc(AWindow);
}

TCustomForm* OwnerFormOf(TuiCustomPopupWindow* APopup) {
    TWinControl* owner = APopup->OwnerControl();
    return owner != nullptr ? GetParentForm(owner) : nullptr;
}

bool IsPopupWindowOrRelated(TuiCustomPopupWindow* APopup, HWND AWindow) {
    if (!APopup->HandleAllocated()) return false;
    return APopup->Handle() == AWindow || IsRelatedWindowHandle(APopup->Handle(), AWindow);
}

bool OwnerIsDestroying(TuiCustomPopupWindow* APopup) {
    TWinControl* owner = APopup->OwnerControl();
    return owner != nullptr && owner->ComponentState().Contains(csDestroying);
}

TuiCustomPopupWindow* ListedPopupOfWindow(HWND AWindow) {
    for (int i = 0; i < Shown()->Count(); ++i) {
        TuiCustomPopupWindow* popup = Shown()->Items(i);
        if (!popup->IsDestroying() && popup->HandleAllocated() && popup->Handle() == AWindow) return popup;
    }
    return nullptr;
}

void TellFormDeactivated(HWND AWindow) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(AWindow));
    if (form == nullptr) return;
    TWinControl* control = form->ActiveControl();
    if (control == nullptr) return;
    TuiObjectLink* link = uiAddObjectLink(control);
    control->Perform(uiFormDeactivatedMessage, 0, 0);
    if (link->Ref != nullptr)
        if (auto* holder = dynamic_cast<IuiToolbarHolder*>(control))
            if (TControl* toolbar = holder->GetToolbar()) toolbar->Perform(uiFormDeactivatedMessage, 0, 0);
    uiRemoveObjectLink(link);
}

void CloseOnApplicationDeactivated() {
    bool restart = true;
    while (restart) {
        restart = false;
        for (int i = 0; i < Shown()->Count(); ++i) {
            TuiCustomPopupWindow* popup = Shown()->Items(i);
            if (TCustomForm* form = OwnerFormOf(popup); form != nullptr && form->HandleAllocated())
                PostMessage(form->Handle(), WM_NCACTIVATE, 0, 0);
            if (FormIsActive(popup)) continue;
            if (popup->HandleAllocated() && IsWindowEnabled(popup->Handle())) {
                popup->ClosePopup();
                restart = true;
                break;
            }
        }
    }
}

void CloseOnWindowClose(HWND AWindow) {
    TuiCustomPopupWindow* popup = ListedPopupOfWindow(AWindow);
    if (popup == nullptr) return;
    HWND ancestor = nullptr;
    TWinControl* owner = popup->OwnerControl();
    if (owner != nullptr && !OwnerIsDestroying(popup) && owner->HandleAllocated())
        ancestor = FirstTopLevelAncestor(owner->Handle());
    if (!popup->CloseQuery()) return;
    popup->ClosePopup();
    if (!popup->IsShown() && ancestor != nullptr) PostMessage(ancestor, WM_CLOSE, 0, 0);
}

void CloseOnWindowHidden(HWND AWindow) {
    for (int i = 0; i < Shown()->Count(); ++i) {
        TuiCustomPopupWindow* popup = Shown()->Items(i);
        TWinControl* owner = popup->OwnerControl();
        if (popup->IsDestroying() || OwnerIsDestroying(popup) || owner == nullptr ||
            !owner->HandleAllocated() || !popup->HandleAllocated() ||
            !IsRelatedWindowHandle(AWindow, popup->Handle()))
            continue;
        // This popup and every one opened after it, the last first.
        for (int j = Shown()->Count() - 1; j >= i && j < Shown()->Count(); --j)
            Shown()->Items(j)->ClosePopup();
        return;
    }
}

void CloseOnOwnerMoved(HWND AWindow) {
    for (int i = 0; i < Shown()->Count(); ++i) {
        TuiCustomPopupWindow* popup = Shown()->Items(i);
        TWinControl* owner = popup->OwnerControl();
        if (IsControlWindow(owner, AWindow) && !IsWindowVisible(AWindow)) {
            popup->ClosePopup();
            i = -1;
        }
    }
}

void BlockCaptionDeactivation(HWND AWindow) {
    if (uiPopupInTransition()) return BlockOnce(AWindow);
    for (int i = 0; i < Shown()->Count(); ++i) {
        TCustomForm* form = OwnerFormOf(Shown()->Items(i));
        if (form != nullptr && form->HandleAllocated() && form->Handle() == AWindow)
            return BlockOnce(AWindow);
    }
}

void CallWndProc(const CWPSTRUCT& AMessage) {
    UINT message = AMessage.message;
    if (TovMessagesController* controller = ovMessagesController();
        controller != nullptr && controller->IsMessageLocked(message) && !controller->IsBlockPending())
        controller->CheckLockedMessage(AMessage.hwnd, message);
    if (message == WM_ACTIVATE && LOWORD(AMessage.wParam) == WA_INACTIVE) TellFormDeactivated(AMessage.hwnd);
    if (!Shown()->HasVisiblePopups()) return;
    switch (message) {
    case WM_ACTIVATEAPP:
        if (AMessage.wParam == 0) CloseOnApplicationDeactivated();
        break;
    case WM_DESTROY:
        if (TuiCustomPopupWindow* popup = ListedPopupOfWindow(AMessage.hwnd)) popup->Close();
        break;
    case WM_CLOSE:
        CloseOnWindowClose(AMessage.hwnd);
        break;
    case WM_SHOWWINDOW:
        if (AMessage.wParam == 0) CloseOnWindowHidden(AMessage.hwnd);
        break;
    case WM_WINDOWPOSCHANGED:
        CloseOnOwnerMoved(AMessage.hwnd);
        break;
    case WM_NCACTIVATE:
        if (AMessage.wParam == 0) BlockCaptionDeactivation(AMessage.hwnd);
        break;
    case WM_GESTURE:
        ClosePopupsOnGesture(AMessage.hwnd);
        break;
    default:
        break;
    }
}

} // namespace popup_hooks_detail

using namespace popup_hooks_detail;

void PopupCallWndProcHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
    if (ACode != HC_ACTION || ALParam == 0) return;
    try {
        CallWndProc(*reinterpret_cast<const CWPSTRUCT*>(ALParam));
    } catch (...) {
        uiHandleException(nullptr);
    }
}

void PopupGetMessageHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT&) {
    if (ACode != HC_ACTION || AWParam != PM_REMOVE || ALParam == 0) return;
    auto* msg = reinterpret_cast<MSG*>(ALParam);
    if (msg->message != WM_SYSKEYDOWN || !Shown()->HasVisiblePopups()) return;
    TuiCustomPopupWindow* last = Shown()->Last();
    if (!last->RunsModalLoop && !last->AcceptsSysKey(static_cast<WORD>(msg->wParam))) msg->message = 0;
}

void PopupMouseHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult) {
    if (ACode != HC_ACTION || ALParam == 0 || !IsMouseButtonDownMessage(static_cast<unsigned>(AWParam)) ||
        !Shown()->HasVisiblePopups())
        return;
    try {
        const auto* data = reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam);
        bool handled = false;
        ClosePopupsOnMouseDown(data->hwnd, TPoint{data->pt.x, data->pt.y}, static_cast<UINT>(AWParam),
                               handled);
        if (handled) AHookResult = 1;
    } catch (...) {
        uiHandleException(nullptr);
    }
}

void ClosePopupsOnMouseDown(HWND AWindow, const TPoint& AMousePos, UINT AMessage, bool& AHandled) {
    AHandled = false;
    const TShiftState shift = KeyboardStateToShiftState();
    for (int i = 0; i < Shown()->Count(); ++i) {
        TuiCustomPopupWindow* popup = Shown()->Items(i);
        if (popup->IsDestroying() || !FormIsActive(popup) || IsPopupWindowOrRelated(popup, AWindow)) continue;
        TWinControl* owner = popup->OwnerControl();
        auto* ownerPopup = dynamic_cast<TuiCustomPopupWindow*>(OwnerFormOf(popup));
        if (!IsWindowInControlForm(owner, AWindow) && !(ownerPopup != nullptr && !ownerPopup->IsShown()))
            continue; // other popups stay open (the platform has no MDI children to look at)
        bool offer = true;
        bool onOwner = false;
        if (IsOwnOrRelatedWindow(owner, AWindow, true) &&
            (AMessage == WM_LBUTTONDOWN || AMessage == WM_LBUTTONDBLCLK)) {
            TRect ownerBounds;
            popup->GetOwnerScreenBounds(ownerBounds);
            if (PtInRect(&ownerBounds, POINT{AMousePos.x, AMousePos.y})) {
                onOwner = true;
                if (popup->IgnoresClosingClick(AWindow, AMessage, AMousePos, shift))
                    popup->SetJustClosed(true);
                offer = false;
            }
        }
        TuiObjectLink* link = uiAddObjectLink(popup);
        {
            TuiPopupTransition transition;
            popup->LockDeactivate();
            try {
                if (offer && !AHandled)
                    AHandled = popup->IgnoresClosingClick(AWindow, AMessage, AMousePos, shift);
                popup->ClosePopup();
                if (onOwner && owner != nullptr &&
                    (owner->ComponentState().Contains(csDestroying) || !owner->Visible()))
                    AHandled = true;
            } catch (...) {
                if (link->Ref != nullptr) popup->UnlockDeactivate();
                uiRemoveObjectLink(link);
                throw;
            }
            if (link->Ref != nullptr) popup->UnlockDeactivate();
        }
        uiRemoveObjectLink(link);
        i = -1; // closing changed the list: start again from the first popup
    }
}

void ClosePopupsOnGesture(HWND AWindow) {
    for (int i = 0; i < Shown()->Count(); ++i) {
        TuiCustomPopupWindow* popup = Shown()->Items(i);
        if (popup->IsDestroying() || !FormIsActive(popup) || IsPopupWindowOrRelated(popup, AWindow)) continue;
        popup->ClosePopup();
        i = -1;
    }
}

void uiPopupsInitialize() {
    ovSetHook(hkCallWndProc, &PopupCallWndProcHook);
    ovSetHook(hkGetMessage, &PopupGetMessageHook);
    ovSetHook(hkMouse, &PopupMouseHook);
    uiSetPopupOwnerLookup(&PopupOwnerWindowOf);
    RegisterClass<TuiStyleController>();
}

void uiPopupsFinalize() {
    uiSetPopupOwnerLookup(nullptr);
    ovReleaseHook(&PopupMouseHook);
    ovReleaseHook(&PopupGetMessageHook);
    ovReleaseHook(&PopupCallWndProcHook);
    uiFreePopupVisibleController();
}
