#include "ui/bars/popupcontrols/BarPopupControl.h"

#include "platform/rtl/Component.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kHidingTimerId = 0x51;

} // namespace

// ---- The popup

TovBarPopupControl::TovBarPopupControl(TovBarManager* AManager)
    : TovBarControl(AManager, nullptr), FInternalItems(std::make_unique<TComponent>(nullptr)) {}

TovBarPopupControl::~TovBarPopupControl() {
    StopHidingTimer();
    FInternalItems->DestroyComponents();
    // The links go back to their bar without a window before the bar itself goes, so that freeing the bar
    // does not free this control a second time.
    SetItemLinks(nullptr);
    AttachBar(nullptr);
    if (TovBar* bar = FInternalBarLink.Get(); bar != nullptr && !bar->ComponentState().Contains(csDestroying))
        bar->Free();
    FInternalBar = nullptr;
}

TovBarControl* TovBarPopupControl::ParentToolbar() const {
    return dynamic_cast<TovBarControl*>(ParentBarControl());
}

void TovBarPopupControl::InitPopup(TovBarControl* AParentBarControl, TovBar* AMasterBar) {
    FMasterBar = AMasterBar;
    if (AParentBarControl != nullptr) SetParentBarControl(AParentBarControl);
    if (FManager == nullptr) return;
    TovBar* bar = TovBarDesignController::CreateInternalBar(FManager);
    FInternalBar = bar;
    FInternalBarLink = bar;
    bar->SetUseOwnFont(false);
    AttachBar(bar);
    bar->ItemLinks()->NoDesignerNotification = true;
    SetItemLinks(bar->ItemLinks());
}

void TovBarPopupControl::CalcPopupSize(TSize& ASize) {
    ASize = TSize{0, 0};
}

void TovBarPopupControl::CalcPopupPosition(const TSize& ASize, const TRect& AOwnerRect, TPoint& APosition,
                                           int AAlignment) {
    if (AAlignment == 0)
        APosition = TPoint{AOwnerRect.right - ASize.cx, AOwnerRect.bottom};
    else
        APosition = TPoint{AOwnerRect.left, AOwnerRect.bottom};
}

void TovBarPopupControl::AdjustPopupPosition(TPoint& APosition, const TSize& ASize, const TRect& AWorkArea,
                                             const TRect& AOwnerRect) {
    APosition.x = std::max(AWorkArea.left, std::min(APosition.x, AWorkArea.right - ASize.cx));
    if (APosition.y + ASize.cy > AWorkArea.bottom) APosition.y = AOwnerRect.top - ASize.cy;
}

void TovBarPopupControl::PlaceAgainst(const TRect& AOwnerRect) {
    FOwnerRect = AOwnerRect;
    // The window's item controls and metrics are what the size is measured with.
    HandleNeeded();
    TSize size{};
    CalcPopupSize(size);
    TPoint position{};
    CalcPopupPosition(size, AOwnerRect, position, PopupAlignment());
    TRect workArea{};
    MonitorWorkAreaAt(position, workArea);
    AdjustPopupPosition(position, size, workArea, AOwnerRect);
    SetBounds(TRect{position.x, position.y, position.x + size.cx, position.y + size.cy});
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TovBarPopupControl::Reposition(const TRect& AOwnerRect) {
    if (FReleased) return;
    PlaceAgainst(AOwnerRect);
}

void TovBarPopupControl::Popup(const TRect& AOwnerRect) {
    PlaceAgainst(AOwnerRect);
    Show();
    TWeakLink<TCustomovBarControl> self(this);
    SetActive(true);
    if (self && FHandle != nullptr) ::InvalidateRect(FHandle, nullptr, TRUE);
}

void TovBarPopupControl::ClosePopup() {
    // The parent toolbar's mark going back to normal is what frees the popup.
    if (TovBarControl* toolbar = ParentToolbar(); toolbar != nullptr && toolbar->GetMarkState() == 2) {
        toolbar->SetMarkState(0);
        return;
    }
    Release();
}

void TovBarPopupControl::Release() {
    if (FReleased) return;
    FReleased = true;
    StopHidingTimer();
    TWeakLink<TCustomovBarControl> self(this);
    if (FActive) SetActive(false);
    if (!self) return;
    if (FHandle == nullptr) {
        delete this;
        return;
    }
    Hide();
    ::PostMessage(FHandle, WM_OVBAR_RELEASEPOPUP, 0, 0);
}

void TovBarPopupControl::StartHiding() {
    if (FHandle == nullptr || FReleased) return;
    ::SetTimer(FHandle, kHidingTimerId, HidingTime, nullptr);
    FHidingTimer = true;
}

void TovBarPopupControl::StopHidingTimer() {
    if (!FHidingTimer) return;
    FHidingTimer = false;
    if (FHandle != nullptr) ::KillTimer(FHandle, kHidingTimerId);
}

void TovBarPopupControl::HidingTimerFired() {
    StopHidingTimer();
    TovBarItemControl* selected = FManager != nullptr ? FManager->SelectedItem() : nullptr;
    if (selected == nullptr || selected->ParentBar() == nullptr) return;
    if (selected->ParentBar()->GetRootBarControl() != this) ClosePopup();
}

void TovBarPopupControl::CreateParams(TovBarWindowParams& AParams) const {
    // A top-most tool window owned by the form, as every popup bar.
    TCustomovBarControl::CreateParams(AParams);
}

void TovBarPopupControl::DoHide() {
    TWeakLink<TCustomovBarControl> self(this);
    TovBarControl::DoHide();
    if (self && !FReleased) ClosePopup();
}

void TovBarPopupControl::DoCloseUp() {
    TWeakLink<TCustomovBarControl> self(this);
    TovBarControl::DoCloseUp();
    if (self && !FReleased) PopupClosedUp();
}

void TovBarPopupControl::PopupClosedUp() {
    TovBarControl* toolbar = ParentToolbar();
    if (toolbar != nullptr && PrimaryButtonIsDown()) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (uiIsPointInRect(FOwnerRect, TPoint{cursor.x, cursor.y})) toolbar->SetIgnoreNextClick(true);
    }
    ClosePopup();
}

void TovBarPopupControl::WndProc(TMessage& AMessage) {
    switch (AMessage.Msg) {
    case WM_OVBAR_RELEASEPOPUP:
        delete this;
        return;
    case WM_TIMER:
        if (AMessage.WParam == kHidingTimerId) {
            HidingTimerFired();
            return;
        }
        break;
    case WM_NCHITTEST: {
        // Nothing of the frame moves or sizes the popup.
        POINT p{static_cast<short>(LOWORD(AMessage.LParam)), static_cast<short>(HIWORD(AMessage.LParam))};
        ::ScreenToClient(FHandle, &p);
        AMessage.Result = uiIsPointInRect(FClientRect, TPoint{p.x, p.y}) ? HTCLIENT : HTBORDER;
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A press on empty space is no drag: the popup cannot move.
        TovBarDockedControl::WndProc(AMessage);
        return;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(AMessage.LParam);
        const bool hiding = pos != nullptr && (pos->flags & SWP_HIDEWINDOW) != 0;
        TWeakLink<TCustomovBarControl> self(this);
        TovBarControl::WndProc(AMessage);
        if (self && hiding && !BeingDestroyed() && !FReleased) ClosePopup();
        return;
    }
    default:
        break;
    }
    TovBarControl::WndProc(AMessage);
}
