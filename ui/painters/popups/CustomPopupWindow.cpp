#include "ui/painters/popups/CustomPopupWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/MessagesController.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/popups/PopupVisibleController.h"
#include "ui/painters/popups/PopupWindowHelpers.h"

#include <algorithm>

namespace custom_popup_detail {

// Sys-key presses a popup's modal loop throws away: Enter, Alt and Space would otherwise open the
// system menu of the form under the popup.
bool IsDiscardedSysKey(WPARAM AKey) {
    return AKey == VK_RETURN || AKey == VK_MENU || AKey == VK_SPACE;
}

// Holds a lock of the messages controller for the life of the object.
class TMessagesLock {
public:
    explicit TMessagesLock(std::initializer_list<UINT> AMessages) : FMessages(AMessages) {
        if (TovMessagesController* c = ovMessagesController()) c->LockMessages(AMessages);
    }
    ~TMessagesLock() {
        if (TovMessagesController* c = ovMessagesController())
            for (UINT id : FMessages)
                c->UnlockMessages({id});
    }
    TMessagesLock(const TMessagesLock&) = delete;
    TMessagesLock& operator=(const TMessagesLock&) = delete;

private:
    std::vector<UINT> FMessages;
};

} // namespace custom_popup_detail

using namespace custom_popup_detail;

TuiCustomPopupWindow::TuiCustomPopupWindow(TWinControl* AOwnerControl) : FOwnerControl(AOwnerControl) {
    if (AOwnerControl != nullptr) AOwnerControl->InsertComponent(this);
    SetFormStyle(fsNormal);
    SetKeyPreview(true);
}

TuiCustomPopupWindow::~TuiCustomPopupWindow() {
    uiClearObjectLinks(this);
    if (TuiPopupVisibleController* controller = uiPopupVisibleController()) controller->Remove(this);
    FViewInfo.reset();
    if (FStyle != nullptr) FStyle->OnChanged = nullptr;
    FStyle.reset();
}

// ---- Style and view info

TuiContainerStyle* TuiCustomPopupWindow::Style() {
    if (FStyle == nullptr) {
        FStyle.reset(GetPopupStyleClass()->Create(this, uiContainerStateNormal, nullptr));
        FStyle->OnChanged = TNotifyEvent(this, &TuiCustomPopupWindow::StyleChangedHandler);
    }
    return FStyle.get();
}

TuiContainerViewInfo* TuiCustomPopupWindow::ViewInfo() {
    if (FViewInfo == nullptr) {
        FViewInfo.reset(GetViewInfoClass()->Create(this));
        FViewInfo->UpdateStyle(Style());
    }
    return FViewInfo.get();
}

void TuiCustomPopupWindow::StyleChangedHandler(TObject*) {
    ViewInfo()->UpdateStyle(Style());
    UpdateShadowRegion();
    StyleChanged();
    if (HandleAllocated()) Invalidate();
}

int TuiCustomPopupWindow::GetBorderWidth(int ASide) {
    TuiContainerViewInfo* viewInfo = ViewInfo();
    viewInfo->UpdateStyle(Style());
    const int width =
        viewInfo->Painter != nullptr ? viewInfo->Painter->ContainerBorderWidth(Style()->BorderStyle()) : 0;
    const bool shadowSide = ASide == 2 || ASide == 3;
    return width + (shadowSide && Style()->Shadow() ? uiContainerShadowWidth : 0);
}

void TuiCustomPopupWindow::CalculateViewInfo() {
    TuiContainerStyle* style = Style();
    TuiContainerViewInfo* viewInfo = ViewInfo();
    viewInfo->UpdateStyle(style);
    viewInfo->BorderStyle = style->BorderStyle();
    viewInfo->BorderColor = style->BorderColor();
    viewInfo->Edges = style->Edges();
    viewInfo->Shadow = style->Shadow();
    viewInfo->BorderWidth =
        viewInfo->Painter != nullptr ? viewInfo->Painter->ContainerBorderWidth(viewInfo->BorderStyle) : 0;
    viewInfo->NativeStyle = style->LookAndFeel()->ActiveStyle() == lfsNative;
    viewInfo->ApplyBackgroundColor(style->EffectivePaintColor());
    viewInfo->Bounds = TRect{0, 0, Width(), Height()};
    const int width = viewInfo->BorderWidth;
    const int shadow = viewInfo->Shadow ? uiContainerShadowWidth : 0;
    viewInfo->BorderRect =
        uiGrowRectSides(viewInfo->Bounds, -width, -width, -(width + shadow), -(width + shadow));
    viewInfo->ClientRect = viewInfo->BorderRect;
}

void TuiCustomPopupWindow::UpdateShadowRegion() {
    if (!HandleAllocated()) return;
    if (!Style()->Shadow()) {
        SetWindowRgn(Handle(), nullptr, TRUE);
        return;
    }
    // The shadow bands start 3 pixels in from the frame's corners: the two squares they leave out show
    // what lies behind the popup.
    const int w = Width(), h = Height(), s = uiContainerShadowWidth;
    HRGN region = CreateRectRgn(0, 0, w, h);
    HRGN corner = CreateRectRgn(w - s, 0, w, s);
    CombineRgn(region, region, corner, RGN_DIFF);
    DeleteObject(corner);
    corner = CreateRectRgn(0, h - s, s, h);
    CombineRgn(region, region, corner, RGN_DIFF);
    DeleteObject(corner);
    SetWindowRgn(Handle(), region, TRUE);
}

void TuiCustomPopupWindow::AdjustClientRect(RECT& Rect) {
    CalculateViewInfo();
    Rect = ViewInfo()->ClientRect;
}

void TuiCustomPopupWindow::Paint() {
    CalculateViewInfo();
    ViewInfo()->Paint(ControlCanvas());
}

// ---- Window

void TuiCustomPopupWindow::CreateParams(TCreateParams& Params) {
    TuiPopupWindow::CreateParams(Params);
    if (FOwnerControl != nullptr)
        if (TCustomForm* form = ::GetParentForm(FOwnerControl)) Params.WndParent = form->Handle();
    Params.Style &= ~WS_CHILD;
    Params.Style |= WS_POPUP | WS_CLIPCHILDREN;
}

void TuiCustomPopupWindow::CreateHandle() {
    // The hooks see the messages of the window's creation as those of a shown popup.
    TuiPopupVisibleController* controller = uiPopupVisibleController();
    const bool listedHere = !controller->IsVisible(this);
    if (listedHere) controller->Add(this);
    try {
        TuiPopupWindow::CreateHandle();
    } catch (...) {
        if (listedHere) controller->Remove(this);
        throw;
    }
    if (listedHere) controller->Remove(this);
}

void TuiCustomPopupWindow::CreateWnd() {
    TuiPopupWindow::CreateWnd();
}

bool TuiCustomPopupWindow::IsShown() const {
    return uiPopupVisibleController()->IsVisible(this);
}

void TuiCustomPopupWindow::GetOwnerScreenBounds(TRect& R) {
    if (AnchorControl != nullptr || FOwnerControl == nullptr) return TuiPopupWindow::GetOwnerScreenBounds(R);
    R = AnchorBounds;
    TWinControl* parent = FOwnerControl->Parent();
    if (parent != nullptr && FOwnerControl->HandleAllocated() &&
        uiIsChildClassWindow(FOwnerControl->Handle())) {
        const TPoint topLeft = parent->ClientToScreen(TPoint{R.left, R.top});
        R = TRect{topLeft.x, topLeft.y, topLeft.x + uiWidthOfRect(R), topLeft.y + uiHeightOfRect(R)};
    }
}

void TuiCustomPopupWindow::CorrectBoundsToWorkArea(TPoint& APosition) {
    if (!NeedsWorkAreaCorrection()) return;
    TRect owner;
    GetOwnerScreenBounds(owner);
    const TRect area = uiGetWorkAreaAtPoint(TPoint{owner.left, owner.top});
    int width = Width(), height = Height();
    if (APosition.x < area.left) {
        width -= area.left - APosition.x;
        APosition.x = area.left;
    }
    if (APosition.y < area.top) {
        height -= area.top - APosition.y;
        APosition.y = area.top;
    }
    height = std::min<int>(height, area.bottom - APosition.y);
    width = std::min<int>(width, area.right - APosition.x);
    SetBounds(APosition.x, APosition.y, width, height);
    // A window that keeps a height of its own (constraints) stays against the bottom of the area.
    if (Height() != height && APosition.y == area.top) APosition.y += height - Height();
}

// ---- Showing and closing

void TuiCustomPopupWindow::GiveFocus(TWinControl* AFocusedControl) {
    TWinControl* target = this;
    if (AFocusedControl != nullptr) {
        if (AFocusedControl->CanFocus() && AFocusedControl->TabStop())
            target = AFocusedControl;
        else if (TWinControl* first = FindNextControl(nullptr, true, true, false))
            target = first;
    }
    FFocusedControl = target;
    LockActivationMessages(true);
    try {
        target->SetFocus();
    } catch (...) {
        LockActivationMessages(false);
        throw;
    }
    LockActivationMessages(false);
}

void TuiCustomPopupWindow::Popup(TWinControl* AFocusedControl) {
    TuiPopupVisibleController* controller = uiPopupVisibleController();
    if (controller->IsVisible(this) || !IsControlWindowVisible(FOwnerControl)) return;
    FPoppingUp = true;
    InitPopup();
    CalculateSize();
    TPoint position{Left(), Top()};
    CalculatePosition(position);
    CorrectBoundsToWorkArea(position);
    {
        TuiPopupTransition transition;
        controller->Add(this);
        DoShowing();
        SetBounds(position.x, position.y, Width(), Height());
        HandleNeeded();
        UpdateShadowRegion();
        Show();
        GiveFocus(AFocusedControl);
        TCustomForm* ownerForm = FOwnerControl != nullptr ? ::GetParentForm(FOwnerControl) : nullptr;
        const bool topmost = ownerForm == nullptr || !ownerForm->HandleAllocated() ||
                             (GetWindowLong(ownerForm->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        SetWindowPos(Handle(), topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    }
    SetModalResult(mrNone);
    DoShowed();
    if (RunsModalLoop) RunModalLoop();
}

void TuiCustomPopupWindow::RunModalLoop() {
    TuiObjectLink* link = uiAddObjectLink(this);
    auto alive = [&] { return link->Ref != nullptr && Visible() && !Application()->Terminated(); };
    try {
        while (alive()) {
            // Every such key waiting now goes: a burst of them must not slip through one per message.
            MSG msg;
            while (PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
                   IsDiscardedSysKey(msg.wParam))
                PeekMessage(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
            if (ModalResult() != mrNone) {
                if (CloseQuery())
                    CloseUpModal();
                else
                    SetModalResult(mrNone);
                continue;
            }
            Application()->HandleMessage();
        }
    } catch (...) {
        uiRemoveObjectLink(link);
        throw;
    }
    uiRemoveObjectLink(link);
}

void TuiCustomPopupWindow::ClosePopup() {
    FPoppingUp = false;
    TuiPopupVisibleController* controller = uiPopupVisibleController();
    if (!controller->IsVisible(this)) return;
    TuiObjectLink* link = uiAddObjectLink(this);
    {
        LockActivationMessages(true);
        try {
            controller->Remove(this);
            DoClosing();
            if (link->Ref != nullptr) {
                if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
                Hide();
                DoClosed();
            }
            if (link->Ref != nullptr && HandleAllocated()) {
                HWND capture = GetCapture();
                if (capture != nullptr && (capture == Handle() || IsRelatedWindowHandle(Handle(), capture)))
                    ReleaseCapture();
            }
        } catch (...) {
            LockActivationMessages(false);
            uiRemoveObjectLink(link);
            throw;
        }
        LockActivationMessages(false);
    }
    const bool alive = link->Ref != nullptr;
    uiRemoveObjectLink(link);
    if (!alive || controller->HasVisiblePopups() || FOwnerControl == nullptr) return;
    // The last popup is gone: the owner's form shows its real activation again.
    TCustomForm* form = ::GetParentForm(FOwnerControl);
    if (form != nullptr && form->HandleAllocated() && !uiIsMDIForm(form) &&
        GetActiveWindow() != form->Handle())
        SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0);
}

bool TuiCustomPopupWindow::GetJustClosed() {
    const bool result = FJustClosed;
    FJustClosed = false;
    return result;
}

void TuiCustomPopupWindow::Deactivate() {
    if (FDeactivateLock > 0) return;
    TuiPopupVisibleController* controller = uiPopupVisibleController();
    HWND active = GetActiveWindow();
    for (int i = controller->Count() - 1; i >= 0; i = std::min(i - 1, controller->Count() - 1)) {
        TuiCustomPopupWindow* popup = controller->Items(i);
        if (popup->HandleAllocated() && popup->Handle() == active) return;
        if (popup->FDeactivateLock == 0 && popup->HandleAllocated() && IsWindowEnabled(popup->Handle()))
            popup->ClosePopup();
    }
    if (controller->HasVisiblePopups()) ClosePopup();
}

void TuiCustomPopupWindow::VisibleChanged() {
    TuiPopupWindow::VisibleChanged();
    if (Visible()) return;
    // Hidden some other way (the form closed): it is no longer a shown popup.
    if (IsShown()) ClosePopup();
    if (FOwnerControl == nullptr || IsDestroying()) return;
    TCustomForm* form = ::GetParentForm(FOwnerControl);
    if (form == nullptr || !form->HandleAllocated() || GetFocus() != form->Handle()) return;
    if (!form->ComponentState().Contains(csDesigning) && FOwnerControl->CanFocus()) FOwnerControl->SetFocus();
}

// ---- Keys and focus

bool TuiCustomPopupWindow::AcceptsSysKey(WORD AKey) {
    return (AKey >= VK_PRIOR && AKey <= VK_DOWN) || AKey == VK_F4;
}

void TuiCustomPopupWindow::KeyDown(WORD& Key, TShiftState Shift) {
    if (Key == VK_ESCAPE && IsShown() && HandleAllocated()) {
        HWND capture = GetCapture();
        if (capture != nullptr && (capture == Handle() || IsRelatedWindowHandle(Handle(), capture))) {
            ReleaseCapture();
            Key = 0;
            return;
        }
    }
    TuiPopupWindow::KeyDown(Key, Shift);
}

bool TuiCustomPopupWindow::IsShortCut(TMessage& Message) {
    if (TuiPopupWindow::IsShortCut(Message)) return true;
    TCustomForm* form = FOwnerControl != nullptr ? ::GetParentForm(FOwnerControl) : nullptr;
    return form != nullptr && form != this && form->IsShortCut(Message);
}

bool TuiCustomPopupWindow::Focused() {
    if (!IsShown() || !HandleAllocated()) return false;
    HWND focus = GetFocus();
    return focus != nullptr && (focus == Handle() || IsRelatedWindowHandle(Handle(), focus));
}

// ---- Messages

void TuiCustomPopupWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATEAPP:
        // The hooks decide which popups close when the application loses the activation.
        Message.Result = 0;
        return;
    case WM_ACTIVATE:
        TForm::WndProc(Message);
        // The class library tells a form of its deactivation only when the focus moves between its
        // forms; a popup hears of every loss of the activation here (unless its own focus change locked
        // the activation messages).
        if (LOWORD(Message.WParam) == WA_INACTIVE && IsShown())
            if (TovMessagesController* c = ovMessagesController();
                c == nullptr || !c->IsMessageLocked(CM_DEACTIVATE))
                Deactivate();
        return;
    case WM_ERASEBKGND:
        if (!ErasesBackground()) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_WINDOWPOSCHANGING:
        // Only Popup shows the window.
        if (!FPoppingUp && Message.LParam != 0)
            reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags &= ~SWP_SHOWWINDOW;
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TForm::WndProc(Message);
        TControl* control = Message.LParam != 0 ? reinterpret_cast<TControl*>(Message.LParam) : this;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEntered(control);
        else
            MouseLeft(control);
        return;
    }
    case CM_RECREATEWND:
        if (IsDestroying()) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_ACTIVATE:
    case CM_DEACTIVATE:
        // The class library performs these directly, past the hooks: a lock is honoured here.
        if (TovMessagesController* c = ovMessagesController();
            c != nullptr && c->IsMessageLocked(Message.Msg))
            return;
        break;
    case CM_VISIBLECHANGED:
        TForm::WndProc(Message);
        VisibleChanged();
        return;
    case uiPopupCloseAndReturnFocusMessage: {
        {
            TMessagesLock lock({CM_ENTER, CM_EXIT});
            ++FDeactivateLock;
            try {
                ClosePopup();
            } catch (...) {
                --FDeactivateLock;
                throw;
            }
            --FDeactivateLock;
        }
        if (FOwnerControl != nullptr && FOwnerControl->HandleAllocated())
            SendMessage(FOwnerControl->Handle(), WM_SETFOCUS, 0, 0);
        return;
    }
    case uiPopupReopenMessage:
        Popup(FFocusedControl);
        return;
    default:
        break;
    }
    // The base popup closes itself on any loss of activation; this one follows the deactivation rules.
    TForm::WndProc(Message);
}
