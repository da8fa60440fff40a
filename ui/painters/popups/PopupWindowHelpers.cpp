#include "ui/painters/popups/PopupWindowHelpers.h"

#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/MessagesController.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/painters/popups/CustomPopupWindow.h"
#include "ui/painters/popups/PopupInterfaces.h"

namespace popup_helpers_detail {
TuiPopupOwnerLookup OwnerLookup = nullptr;
// A chain of popups dropped down from popups is short; the bound only ends a chain that loops.
constexpr int MaxRedirects = 64;
} // namespace popup_helpers_detail

bool IsControlWindow(TWinControl* AControl, HWND AWindow) {
    return AControl != nullptr && AControl->HandleAllocated() && AControl->Handle() == AWindow;
}

bool IsOwnOrRelatedWindow(TWinControl* AControl, HWND AWindow, bool ARelated) {
    if (AControl == nullptr || !AControl->HandleAllocated()) return false;
    return AControl->Handle() == AWindow || (ARelated && IsRelatedWindowHandle(AControl->Handle(), AWindow));
}

bool IsRelatedWindowHandle(HWND AParent, HWND AChild) {
    if (AParent == nullptr || AChild == nullptr || AParent == AChild) return false;
    for (int i = 0; i < popup_helpers_detail::MaxRedirects; ++i) {
        if (AChild == AParent || IsChild(AParent, AChild)) return true;
        if (!RedirectToPopupOwner(AChild)) return false;
    }
    return false;
}

bool RedirectToPopupOwner(HWND& AWindow) {
    HWND root = GetAncestor(AWindow, GA_ROOT);
    auto* source = dynamic_cast<IuiPopupOwnerSource*>(FindControl(root));
    if (source == nullptr) return false;
    TWinControl* owner = source->GetOwnerControl();
    if (owner == nullptr || !owner->HandleAllocated()) return false;
    AWindow = owner->Handle();
    return true;
}

bool IsWindowInControlForm(TControl* AControl, HWND AWindow) {
    if (AControl == nullptr) return false;
    TCustomForm* form = GetParentForm(AControl);
    if (form == nullptr || !form->HandleAllocated()) return false;
    HWND formWindow = form->Handle();
    if (AWindow == formWindow || IsRelatedWindowHandle(formWindow, AWindow)) return true;
    if (form->Parent() != nullptr) return false;
    // A form embedded in a foreign window: the window that holds it counts as its form.
    HWND ancestor = FirstTopLevelAncestor(formWindow);
    return ancestor != formWindow && (AWindow == ancestor || IsChild(ancestor, AWindow));
}

HWND FirstTopLevelAncestor(HWND AWindow) {
    HWND window = AWindow;
    while (window != nullptr && (GetWindowLong(window, GWL_STYLE) & WS_CHILD) != 0)
        window = GetParent(window);
    return window;
}

HWND PopupOwnerWindowOf(HWND AWindow) {
    for (HWND window = AWindow; window != nullptr; window = GetParent(window)) {
        if (auto* popup = dynamic_cast<TuiCustomPopupWindow*>(FindControl(window))) {
            TWinControl* owner = popup->OwnerControl();
            return owner != nullptr && owner->HandleAllocated() ? owner->Handle() : AWindow;
        }
        if ((GetWindowLong(window, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return AWindow;
}

bool IsControlWindowVisible(TWinControl* AControl) {
    return AControl != nullptr && AControl->HandleAllocated() && IsWindowVisible(AControl->Handle());
}

bool IsActiveWindowHandle(HWND AWindow) {
    return AWindow != nullptr && GetActiveWindow() == AWindow;
}

bool IsActiveMDIChild(TCustomForm*) {
    // The platform has no MDI: no form is an MDI child, so none is the active one.
    return false;
}

bool IsTopLevelAncestorActive(TCustomForm* AForm) {
    if (AForm == nullptr || !AForm->HandleAllocated() || uiIsMDIChildForm(AForm)) return false;
    return IsActiveWindowHandle(FirstTopLevelAncestor(AForm->Handle()));
}

bool FormIsActive(TCustomForm* AForm) {
    if (AForm == nullptr) return false;
    return (AForm->HandleAllocated() && IsActiveWindowHandle(AForm->Handle())) || IsActiveMDIChild(AForm) ||
           IsTopLevelAncestorActive(AForm);
}

bool IsMouseButtonDownMessage(unsigned AMessage) {
    switch (AMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

TRect GetControlRect(TControl* AControl) {
    return TRect{0, 0, AControl->Width(), AControl->Height()};
}

void LockActivationMessages(bool ALock) {
    TovMessagesController* controller = ovMessagesController();
    if (controller == nullptr) return;
    if (ALock)
        controller->LockMessages({CM_ACTIVATE, CM_DEACTIVATE});
    else
        controller->UnlockMessages({CM_ACTIVATE, CM_DEACTIVATE});
}

void DisableWindowAndRemember(std::vector<HWND>& AList, HWND AWindow) {
    if (!IsWindowEnabled(AWindow)) return;
    AList.push_back(AWindow);
    EnableWindow(AWindow, FALSE);
}

void EnableRememberedWindows(const std::vector<HWND>* AList) {
    if (AList == nullptr) return;
    for (HWND window : *AList)
        if (IsWindow(window)) EnableWindow(window, TRUE);
}

bool uiSameName(const std::string& A, const std::string& B, bool ACaseSensitive) {
    return ACaseSensitive ? A == B : UpperCase(A) == UpperCase(B);
}

TuiPopupOwnerLookup uiPopupOwnerLookup() {
    return popup_helpers_detail::OwnerLookup;
}

void uiSetPopupOwnerLookup(TuiPopupOwnerLookup ALookup) {
    popup_helpers_detail::OwnerLookup = ALookup;
}
