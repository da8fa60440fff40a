// How a bar control reacts to the mouse and the keyboard: the chain of active bars and its closing,
// keyboard and mouse selection, pressing and clicking item controls, hot tracking, and the keys that move
// the selection. Every step that calls out (a click, a close-up) holds a weak link to the bar and stops
// once the bar is gone: a click may free its own menu.
#include "ui/bars/controls/CustomBarControl.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/BarDragInfo.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/bars/popupcontrols/BarQuickControl.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/MouseTracking.h"

#include <string>

TCustomovBarControl* ovBarActiveBarControl() {
    return dynamic_cast<TCustomovBarControl*>(CurrentBarControl());
}

// ---- The active chain

void TCustomovBarControl::SetActive(bool AValue) {
    if (ovBarHookPoints().HideHint) ovBarHookPoints().HideHint(FManager);
    if (AValue == FActive || !CanSetActive()) {
        if (!AValue && IsCustomizing()) DoSetActive(false);
        return;
    }
    DoSetActive(AValue);
}

bool TCustomovBarControl::CanSetActive() const {
    // A bar without a window is driven by its owner (measuring, stand-ins) and may always join.
    return FHandle == nullptr || IsCustomizing() || IsWindowEnabled();
}

bool TCustomovBarControl::IsWindowEnabled() const {
    if (FHandle == nullptr) return false;
    for (HWND wnd = FHandle; wnd != nullptr; wnd = ::GetParent(wnd))
        if (!::IsWindowEnabled(wnd)) return false;
    return true;
}

void TCustomovBarControl::DoSetActive(bool AValue) {
    if (AValue) {
        FActive = true;
        SetCurrentBarControl(this);
        // Enabled states and captions are current when the bar shows.
        if (!IsCustomizing() && FItemLinks != nullptr) FItemLinks->UpdateItemActions();
        return;
    }
    FActive = false;
    if (IsCustomizing())
        FSelectedControl = nullptr;
    else
        SetSelectedControl(nullptr);
    ReleaseCurrentBarControl(this);
}

TCustomovBarControl* TCustomovBarControl::GetParentInChain() const {
    TCustomovBarControl* parent = ParentBarControl();
    if (parent != nullptr && IsInternal() && !parent->IsInternal()) return nullptr;
    return parent;
}

bool TCustomovBarControl::IsInActiveBarChain() const {
    IovBarControl* current = CurrentBarControl();
    if (current == nullptr) return true;
    for (auto* bar = dynamic_cast<TCustomovBarControl*>(current); bar != nullptr;
         bar = bar->GetParentInChain())
        if (bar == this) return true;
    return false;
}

bool TCustomovBarControl::IsAncestorOf(const TCustomovBarControl* ABar) const {
    for (const TCustomovBarControl* bar = ABar != nullptr ? ABar->ParentBarControl() : nullptr;
         bar != nullptr; bar = bar->ParentBarControl())
        if (bar == this) return true;
    return false;
}

TCustomovBarControl* TCustomovBarControl::GetRootBarControl() const {
    auto* bar = const_cast<TCustomovBarControl*>(this);
    while (bar->ParentBarControl() != nullptr)
        bar = bar->ParentBarControl();
    return bar;
}

// ---- Closing

void TCustomovBarControl::CloseUp(TovBarCloseUpReason AReason) {
    if (FClosingUp) return;
    // A closed bar holds no press: left set, the next press on a title would open its menu as it is
    // selected and then take that same press for one on an open title.
    FMouseDown = false;
    FCloseUpReason = AReason;
    FClosingUp = true;
    FState |= bcsClosingUp;
    TWeakLink<TCustomovBarControl> self(this);
    try {
        DoCloseUp();
    } catch (...) {
        if (self) {
            FClosingUp = false;
            FState &= ~bcsClosingUp;
        }
        throw;
    }
    if (!self) return;
    FClosingUp = false;
    FState &= ~bcsClosingUp;
}

void TCustomovBarControl::DoCloseUp() {
    TWeakLink<TCustomovBarControl> self(this);
    const TovBarCloseUpReason reason = FCloseUpReason;
    // Closing a bar closes the menus opened from it first, then itself, then the bars it was opened from.
    if (FChildBar) FChildBar->CloseUp(reason);
    if (!self) return;
    // The title whose menu just closed must forget that it is open: left believing so, its next press is
    // taken for one on an open title and closes nothing instead of opening the menu.
    if (FSelectedControl != nullptr && FSelectedControl->IsDroppedDown())
        FSelectedControl->ControlInactivate(true);
    if (!self) return;
    SetActive(false);
    if (self && FParentBar) FParentBar->CloseUp(reason);
}

void TCustomovBarControl::HideByEscape() {
    FCloseUpReason = bcrEscape;
    DoHide();
}

void TCustomovBarControl::DoHide() {
    TWeakLink<TCustomovBarControl> self(this);
    if (FChildBar) FChildBar->CloseUp(bcrEscape);
    if (!self) return;
    SetActive(false);
    if (self && IsPopup()) Hide();
}

void TCustomovBarControl::PassFocus() {
    TWinControl* owner = FManager != nullptr ? FManager->OwnerWinControl() : nullptr;
    if (owner != nullptr && owner->HandleAllocated() && ::IsWindowVisible(owner->Handle())) {
        ::SetFocus(owner->Handle());
        return;
    }
    if (FHandle != nullptr)
        if (HWND next = ::GetWindow(FHandle, GW_HWNDNEXT)) ::SetFocus(next);
}

// ---- Selection

void TCustomovBarControl::SetSelectedControl(TovBarItemControl* AControl) {
    if (BeingDestroyed() || FSelectedControl == AControl) return;
    TWeakLink<TCustomovBarControl> self(this);
    if (FSelectedControl != nullptr && FSelectedControl->IsActive() && ContainsControl(FSelectedControl))
        FSelectedControl->ControlInactivate(true);
    if (!self) return;
    if (AControl != nullptr) AControl->SetSelectedByMouse(false);
    DoSetSelectedControl(AControl);
    if (self && AControl != nullptr && FSelectedControl == AControl) AfterSelectItemControl(AControl);
}

void TCustomovBarControl::HotTrackItemControl(TovBarItemControl* AControl) {
    if (BeingDestroyed() || FSelectedControl == AControl) return;
    if (FSelectedControl != nullptr && FSelectedControl->IsWinControl() && FSelectedControl->Focused())
        return;
    TWeakLink<TCustomovBarControl> self(this);
    if (FSelectedControl != nullptr && FSelectedControl->IsActive() && ContainsControl(FSelectedControl))
        FSelectedControl->ControlInactivate(false);
    if (!self) return;
    if (AControl != nullptr) AControl->SetSelectedByMouse(true);
    DoSetSelectedControl(AControl);
    // A sub-item opens its menu at once or by its timer; during a drag only when its menu would take the
    // dragged item (a menu never opens under a drag of its own sub-item).
    if (self && FSelectedControl != nullptr && FSelectedControl == AControl && AcceptsDraggedItem(AControl))
        AControl->ControlActivate(false, true);
}

bool TCustomovBarControl::AcceptsDraggedItem(TovBarItemControl* AControl) const {
    TovBarItem* dragged = ovBarDraggedItem();
    if (dragged == nullptr || !AControl->IsDropDown()) return true;
    auto* owner = dynamic_cast<IovBarLinksOwner*>(AControl->Item());
    std::string error;
    return owner == nullptr || owner->CanContainItem(dragged, error);
}

void TCustomovBarControl::DoSetSelectedControl(TovBarItemControl* AControl) {
    if (FSelectedControl == AControl) return;
    // Another bar's item selected while a quick customization popup is open: the popup closes soon unless
    // the selection comes back into it.
    if (TovBarPopupControl* popup = ovBarOpenQuickControl(); popup != nullptr && AControl != nullptr &&
                                                             popup != this && !popup->IsActive() &&
                                                             !popup->KeepsHotTrackWhilePopup())
        popup->StartHiding();
    TovBarItemControl* previous = FSelectedControl;
    FSelectedControl = AControl;
    FHintControl = AControl;
    TWeakLink<TCustomovBarControl> self(this);
    if (FManager != nullptr &&
        (AControl != nullptr || (previous != nullptr && FManager->SelectedItem() == previous)))
        FManager->SetSelectedItem(AControl);
    if (!self) return;
    if (previous != nullptr && ContainsControl(previous)) RepaintItemControl(previous);
    if (AControl != nullptr) RepaintItemControl(AControl);
    if ((AControl != nullptr || GetPaintType() == iptMenu || FMarkState == 0) &&
        ovBarHookPoints().ActivateHint)
        ovBarHookPoints().ActivateHint(this, AControl);
}

void TCustomovBarControl::BarGetFocus(TovBarItemControl* ASelected) {
    TWeakLink<TCustomovBarControl> self(this);
    SetSelectedControl(ASelected);
    if (self) SetActive(true);
}

void TCustomovBarControl::BarLostFocus() {
    FMouseDown = false;
    TWeakLink<TCustomovBarControl> self(this);
    SetSelectedControl(nullptr);
    if (self) SetActive(false);
}

void TCustomovBarControl::SetViewState(int AState) {
    if (FViewState == AState || IsCustomizing()) return;
    const int old = FViewState;
    FViewState = AState;
    ViewStateChanged(old);
}

// ---- Pressing and clicking

void TCustomovBarControl::DoClickItemControl(TovBarItemControl* AControl) {
    if (AControl == nullptr || !AControl->GetEnabled() || !AControl->IsSelectable()) return;
    TWeakLink<TCustomovBarControl> self(this);
    TWeakLink<TovBarItemControl> control(AControl);
    SetSelectedControl(AControl);
    if (!self || !control) return;
    if (ovBarHookPoints().HideHint) ovBarHookPoints().HideHint(FManager);
    if (!self || !control) return;
    if (AControl->NeedsMouseCapture() && FHandle != nullptr) {
        FClickedControl = AControl;
        ::SetCapture(FHandle);
    }
    // The press holds until the release: a drop-down in a toolbar (a main-menu title) opens on it.
    FMouseDown = true;
    AControl->ControlMouseDown(true);
}

void TCustomovBarControl::MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) {
    const TPoint p{X, Y};
    TovBarItemControl* control = ItemControlAtPos(p);
    TWeakLink<TCustomovBarControl> self(this);
    if (FLastMousePosition.x == -1 && FLastMousePosition.y == -1 && !IsCustomizing())
        MouseEnter(AShift, p, control);
    if (!self) return;
    if (AShift.Contains(ssDouble) && control != nullptr && control == FSelectedControl &&
        control->WantsDblClick()) {
        control->DblClick();
        return;
    }
    DoMouseDown(AButton, AShift, p, control, uiIsPointInRect(FClientRect, p));
}

void TCustomovBarControl::DoMouseDown(TMouseButton AButton, TShiftState AShift, const TPoint& P,
                                      TovBarItemControl* AControl, bool AInClient) {
    if (IsCustomizing() && AControl != nullptr && !AControl->IsLinkManagerItem()) return;
    TWeakLink<TCustomovBarControl> self(this);
    TWeakLink<TovBarItemControl> control(AControl);
    if (AControl != nullptr && !IsMouseOutside(false)) AControl->MouseDown(AButton, AShift, P.x, P.y);
    if (!self) return;
    if (!control) AControl = nullptr;
    if (AButton == mbLeft)
        DoLeftMouseDown(AShift, P, AControl, AInClient);
    else if (AButton == mbRight)
        DoRightMouseDown(AShift, P, AControl, AInClient);
}

void TCustomovBarControl::DoLeftMouseDown(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl,
                                          bool AInClient) {
    // While customizing a press selects the link, which is dragged once the mouse moves far enough.
    if (IsCustomizing()) {
        if (CustomizingSelect(AControl)) BeginItemDrag(P, AControl);
        return;
    }
    DoClickItemControl(AControl);
}

bool TCustomovBarControl::CustomizingSelect(TovBarItemControl* AControl) {
    if (AControl == nullptr || AControl->ItemLink() == nullptr || FManager == nullptr || !CanCustomize())
        return false;
    // A press on the selected sub-item opens its menu, or closes it when open: so the links inside are
    // reached while customizing.
    const bool wasSelected = FManager->SelectedItem() == AControl;
    TWeakLink<TCustomovBarControl> self(this);
    TWeakLink<TovBarItemControl> control(AControl);
    BarDesignController()->SelectLink(AControl->ItemLink(), dsoExclusive);
    if (!self || !control) return false;
    if (wasSelected && AControl->IsDropDown()) {
        if (AControl->IsActive())
            AControl->ControlInactivate(true);
        else
            AControl->ControlActivate(true, true);
    }
    return self && control && AControl->ItemLink() != nullptr;
}

void TCustomovBarControl::DoRightMouseDown(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl,
                                           bool AInClient) {
    if (IsCustomizing()) {
        CustomizingClick(AControl);
        return;
    }
    TWeakLink<TCustomovBarControl> self(this);
    if (AControl != FSelectedControl && Kind() == bckToolbar) BarLostFocus();
    // The bars the user sees (not the controller's own menus) may offer a popup outside customizing.
    if (self && !IsInternal()) CustomizingClick(AControl);
}

void TCustomovBarControl::CustomizingClick(TovBarItemControl* AControl) {
    // While customizing a right press on a link opens the link's customizing popup.
    if (IsCustomizing() && AControl != nullptr && AControl->ItemLink() != nullptr)
        BarDesignController()->ShowLinkCustomizingPopup(this, AControl->ItemLink());
}

void TCustomovBarControl::MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) {
    const TPoint p{X, Y};
    DoMouseUp(AButton, AShift, p, ItemControlAtPos(p), uiIsPointInRect(FClientRect, p));
}

void TCustomovBarControl::DoMouseUp(TMouseButton AButton, TShiftState AShift, const TPoint& P,
                                    TovBarItemControl* AControl, bool AInClient) {
    TWeakLink<TCustomovBarControl> self(this);
    if (AControl != nullptr && !IsMouseOutside(false)) AControl->MouseUp(AButton, AShift, P.x, P.y);
    // The press holds past its release only while the menu it opened stays open.
    if (self && AButton == mbLeft && (FSelectedControl == nullptr || !FSelectedControl->IsDroppedDown()))
        FMouseDown = false;
}

void TCustomovBarControl::BeginItemDrag(const TPoint& P, TovBarItemControl* AControl) {
    if (FHandle == nullptr || AControl == nullptr || AControl->ItemLink() == nullptr ||
        !AControl->IsLinkManagerItem())
        return;
    FDragPoint = P;
    FDragLink = AControl->ItemLink();
    FDragPending = true;
    ::SetCapture(FHandle);
}

void TCustomovBarControl::CancelItemDrag() {
    FDragPending = false;
    FDragLink = nullptr;
}

// The system drag rectangle around the press: halves rounded toward zero, the right and bottom edges
// outside.
static bool IsInDragRect(const TPoint& ADragPoint, const TPoint& P) {
    const int cx = ::GetSystemMetrics(SM_CXDRAG) / 2, cy = ::GetSystemMetrics(SM_CYDRAG) / 2;
    const TRect r{ADragPoint.x - cx, ADragPoint.y - cy, ADragPoint.x + cx, ADragPoint.y + cy};
    return uiIsPointInRect(r, P);
}

bool TCustomovBarControl::StartPendingDrag(const TPoint& P) {
    if (!FDragPending || IsInDragRect(FDragPoint, P)) return false;
    TovBarItemLink* link = FDragLink;
    CancelItemDrag();
    TWeakLink<TCustomovBarControl> self(this);
    if (FHandle != nullptr && ::GetCapture() == FHandle) ::ReleaseCapture();
    // The link may have gone meanwhile (a list changed under the press).
    if (!self || FManager == nullptr || FItemLinks == nullptr || FItemLinks->IndexOf(link) < 0) return true;
    if (TovBarItemControl* control = link->Control(); control != nullptr && control->IsActive())
        control->ControlInactivate(true);
    if (self && FItemLinks->IndexOf(link) >= 0) FManager->StartDrag(link->Item(), link);
    return true;
}

void TCustomovBarControl::DoLButtonUp(const TMessage& AMessage) {
    if (FDragPending) {
        // The press never became a drag: the link stays selected and nothing else happens.
        CancelItemDrag();
        if (FHandle != nullptr && ::GetCapture() == FHandle) ::ReleaseCapture();
        return;
    }
    const TPoint p{static_cast<short>(LOWORD(AMessage.LParam)), static_cast<short>(HIWORD(AMessage.LParam))};
    TWeakLink<TCustomovBarControl> self(this);
    const bool hadClicked = FClickedControl != nullptr;
    FClickedControl = nullptr;
    if (hadClicked && FHandle != nullptr && ::GetCapture() == FHandle) ::ReleaseCapture();
    if (!self) return;
    if (uiIsPointInRect(FClientRect, p) && FActive && !IsCustomizing()) {
        TovBarItemControl* control = ItemControlAtPos(p);
        if (control != nullptr && control->IsSelectable()) {
            if (control->GetEnabled() && control == FSelectedControl) {
                // The click proper: the item runs once and the menus close with reason item click.
                control->ControlClick(true);
            } else if (!control->GetEnabled() && control != FSelectedControl && Kind() == bckToolbar) {
                CloseUp(bcrOther);
            }
        }
    }
    if (self && hadClicked) CloseUp(bcrOther);
}

void TCustomovBarControl::DoItemDblClick(TovBarItemControl* AControl) {
    if (FManager != nullptr && FManager->IsDesigning()) {
        if (TovBarItem* item = AControl->Item()) FManager->DesignerShowDefaultEventHandler(item);
        return;
    }
    AControl->DblClick();
}

// ---- Hot tracking

void TCustomovBarControl::MouseMove(TShiftState AShift, int X, int Y) {
    if (BeingDestroyed()) return;
    const TPoint p{X, Y};
    if (StartPendingDrag(p)) return;
    TovBarItemControl* control = ItemControlAtPos(p);
    TWeakLink<TCustomovBarControl> self(this);
    if (FLastMousePosition.x == -1 && FLastMousePosition.y == -1 && !IsMouseOutside(true))
        MouseEnter(AShift, p, control);
    if (self) DoMouseMove(AShift, p, control);
}

void TCustomovBarControl::DoMouseMove(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl) {
    if (IsMouseOutside(true)) return;
    TWeakLink<TCustomovBarControl> self(this);
    TrackLinkMouse(AControl != nullptr ? AControl->ItemLink() : nullptr, P, AShift);
    if (!self) return;
    if (FManager != nullptr)
        if (TovBarItemControl* selected = FManager->SelectedItem();
            selected != nullptr && selected->IsWinControl() && selected->Focused())
            return;
    // Over empty space with an open sub-menu the selection stays with the sub-menu's item.
    if (CanHotTrack(P, AControl) && FClickedControl == nullptr && (AControl != nullptr || !FChildBar))
        HotTrackItemControl(AControl);
}

TPoint TCustomovBarControl::CurrentMousePosition() const {
    // The point of the mouse message being handled: the cursor may already be elsewhere when a message
    // queued earlier is handled.
    const UINT msg = FCurrentMessage.Msg;
    if (FHandle != nullptr && msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK) {
        POINT p{static_cast<short>(LOWORD(FCurrentMessage.LParam)),
                static_cast<short>(HIWORD(FCurrentMessage.LParam))};
        ::ClientToScreen(FHandle, &p);
        return p;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return cursor;
}

void TCustomovBarControl::TrackMousePosition(TShiftState AShift, int X, int Y) {
    const TPoint cursor = CurrentMousePosition();
    if (cursor.x == FLastMousePosition.x && cursor.y == FLastMousePosition.y) {
        RECT window{};
        if (FHandle != nullptr) ::GetWindowRect(FHandle, &window);
        if (!uiIsPointInRect(window, cursor)) TrackingMouseLeave();
        return;
    }
    FLastMousePosition = cursor;
}

TRect TCustomovBarControl::MouseTrackingBounds() const {
    RECT window{};
    if (FHandle != nullptr) ::GetWindowRect(FHandle, &window);
    return window;
}

bool TCustomovBarControl::IsMouseOverBar(const TPoint& AScreenPoint) const {
    if (FHandle == nullptr) return false;
    if (::WindowFromPoint(AScreenPoint) == FHandle) return true;
    POINT client = AScreenPoint;
    ::ScreenToClient(FHandle, &client);
    return ItemControlAtPos(client) != nullptr;
}

void TCustomovBarControl::EditControlFinished(TovBarItemControl* AControl) {
    if (GetBehaviorOptions().Contains(bboKeepSelection))
        DoSetSelectedControl(AControl);
    else
        CloseUpByEscape();
}

bool TCustomovBarControl::ShouldCloseUpForWindow(HWND AWnd) const {
    if (IsCustomizing()) return AWnd != FHandle;
    return FSelectedControl == nullptr || FSelectedControl->CanDeactivate(FManager);
}

void TCustomovBarControl::MouseEnter(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl) {
    if (FHandle != nullptr) uiBeginMouseTracking(nullptr, MouseTrackingBounds(), FMouseTracker.get());
    TWeakLink<TCustomovBarControl> self(this);
    TrackLinkMouse(AControl != nullptr ? AControl->ItemLink() : nullptr, P, AShift);
    if (self) SetViewState(1);
}

void TCustomovBarControl::MouseLeave() {
    SetViewState(0);
    TWeakLink<TCustomovBarControl> self(this);
    TrackLinkMouse(nullptr, TPoint{-1, -1}, TShiftState{});
    if (!self) return;
    if (FMarkState == 1) FMarkState = 0;
    if (FClickedControl == nullptr && FSelectedControl != nullptr && !FSelectedControl->IsDroppedDown() &&
        !IsCustomizing())
        HotTrackItemControl(nullptr);
}

void TCustomovBarControl::TrackingMouseLeave() {
    FLastMousePosition = TPoint{-1, -1};
    if (IsMouseTracking(FMouseTracker.get())) uiEndMouseTracking(FMouseTracker.get());
    if (!IsMouseTrackingLocked()) MouseLeave();
}

void TCustomovBarControl::TrackLinkMouse(TovBarItemLink* ALink, const TPoint& P, TShiftState AShift) {
    if (FItemLinks == nullptr || (ALink != nullptr && ALink->Links() != FItemLinks)) ALink = nullptr;
    TovBarItemLink* previous = FPreviousTrackedLink;
    if (previous != nullptr && (FItemLinks == nullptr || FItemLinks->IndexOf(previous) < 0))
        previous = nullptr;
    TWeakLink<TCustomovBarControl> self(this);
    if (ALink != previous) {
        if (previous != nullptr && previous->Control() != nullptr) previous->Control()->MouseLeave();
        if (!self) return;
        FPreviousTrackedLink = ALink;
        if (ALink != nullptr && ALink->Control() != nullptr) ALink->Control()->MouseEnter(AShift, P.x, P.y);
        if (!self) return;
    }
    FPreviousTrackedLink = ALink;
    if (ALink != nullptr && ALink->Control() != nullptr) ALink->Control()->MouseMove(AShift, P.x, P.y);
}

bool TCustomovBarControl::IsMouseOutside(bool ACheckMoved) const {
    if (IsCustomizing() || FHandle == nullptr || !::IsWindowVisible(FHandle)) return true;
    const TPoint cursor = CurrentMousePosition();
    if (ACheckMoved) return cursor.x == FLastMousePosition.x && cursor.y == FLastMousePosition.y;
    RECT window{};
    ::GetWindowRect(FHandle, &window);
    return !uiIsPointInRect(window, cursor);
}

bool TCustomovBarControl::OwnsWindow(HWND AWnd) const {
    if (AWnd == nullptr) return false;
    if (FHandle != nullptr && (AWnd == FHandle || ::IsChild(FHandle, AWnd))) return true;
    if (FChildBar && FChildBar->OwnsWindow(AWnd)) return true;
    return FSelectedControl != nullptr && FSelectedControl->ContainsWindow(AWnd);
}

// ---- Keys

void TCustomovBarControl::ProcessNavigationKey(WORD& AKey, TShiftState AShift) {
    WORD key = AKey;
    if (IsDockedVertically()) {
        if (key == VK_LEFT)
            key = VK_UP;
        else if (key == VK_UP)
            key = VK_LEFT;
        else if (key == VK_RIGHT)
            key = VK_DOWN;
        else if (key == VK_DOWN)
            key = VK_RIGHT;
    }
    const bool menu = GetPaintType() == iptMenu;
    bool previous = false, next = false, tab = false;
    if (menu) {
        previous = key == VK_UP;
        next = key == VK_DOWN;
    } else {
        previous = key == VK_LEFT;
        next = key == VK_RIGHT;
    }
    if (key == VK_TAB && AShift.Contains(ssCtrl)) {
        FocusNextToolbar(!AShift.Contains(ssShift));
        return;
    }
    if (key == VK_TAB) {
        tab = true;
        previous = AShift.Contains(ssShift);
        next = !previous;
    }
    if (FItemLinks == nullptr) return;
    TWeakLink<TCustomovBarControl> self(this);
    auto selectLink = [&](TovBarItemLink* ALink) {
        if (ALink == nullptr || ALink->Control() == nullptr) return;
        SetSelectedControl(ALink->Control());
        // After Tab a window item that became selected opens its editor at once.
        if (self && tab && ALink->Control() != nullptr && ALink->Control()->IsWinControl())
            ALink->Control()->Click(false);
    };
    TovBarItemLink* current = FSelectedControl != nullptr ? FSelectedControl->ItemLink() : nullptr;
    if (key == VK_END) {
        selectLink(FItemLinks->GetLastSelectableLink());
    } else if (key == VK_HOME) {
        selectLink(FItemLinks->GetFirstSelectableLink());
    } else if (previous) {
        selectLink(current != nullptr ? FItemLinks->GetPrevSelectableLink(current, false)
                                      : FItemLinks->GetFirstSelectableLink());
    } else if (next) {
        selectLink(current != nullptr ? FItemLinks->GetNextSelectableLink(current, false)
                                      : FItemLinks->GetFirstSelectableLink());
    } else if (key == VK_MENU || (key == VK_F10 && AShift.empty())) {
        // Alt (and F10 where it stands for Alt) leaves the bars.
        if (key == VK_MENU || (FManager != nullptr && FManager->UseF10ForMenu)) {
            AKey = 0;
            CloseUp(bcrOther);
        }
    } else if (IsCharacterKey(key)) {
        bool notUnique = false;
        if (TovBarItemLink* link = FindEnabledLinkByAccel(key, AShift, notUnique, current))
            if (link->Control() != nullptr) SelectByAccel(link->Control(), notUnique);
    }
}

void TCustomovBarControl::ProcessKey(TMessage& AMessage) {
    const WORD key = static_cast<WORD>(AMessage.WParam);
    if (key == VK_RETURN && FSelectedControl != nullptr) {
        FSelectedControl->Click(false);
        return;
    }
    // Escape closes one level: this bar hides and the bar it was opened from stays active.
    if (key == VK_ESCAPE) HideByEscape();
}

TovBarItemLink* TCustomovBarControl::FindLinkByAccel(WORD AKey, TShiftState AShift,
                                                     TovBarItemLink* AStartLink) const {
    return FItemLinks != nullptr ? FItemLinks->FindItemWithAccel(AKey, AShift, AStartLink) : nullptr;
}

TovBarItemLink* TCustomovBarControl::FindEnabledLinkByAccel(WORD AKey, TShiftState AShift, bool& ANotUnique,
                                                            TovBarItemLink* AStartLink) const {
    ANotUnique = false;
    TovBarItemLink* link = FindLinkByAccel(AKey, AShift, AStartLink);
    if (link == nullptr || link->Item() == nullptr || !link->Item()->GetEnabled()) return nullptr;
    TovBarItemLink* again = FindLinkByAccel(AKey, AShift, link);
    ANotUnique = again != nullptr && again != link;
    return link;
}

void TCustomovBarControl::SelectByAccel(TovBarItemControl* AControl, bool ANotUnique) {
    TWeakLink<TCustomovBarControl> self(this);
    SetSelectedControl(AControl);
    if (!self || ANotUnique) return;
    if (FHandle != nullptr)
        ::SendMessage(FHandle, WM_KEYDOWN, VK_RETURN, 0);
    else if (FSelectedControl != nullptr)
        FSelectedControl->Click(false);
}

bool TCustomovBarControl::IsKeyForSelectedControl(WORD AKey) {
    if (FSelectedControl == nullptr || !FSelectedControl->GetEnabled() ||
        !FSelectedControl->IsDropDownKey(AKey))
        return false;
    FSelectedControl->KeyDown(AKey, KeyboardStateToShiftState());
    return true;
}

// ---- Moving between toolbars

TCustomovBarControl* TCustomovBarControl::GetNextBarControl(bool AForward) const {
    TCustomovBarControl* root = GetRootBarControl();
    TovBarManager* manager = root->GetBarManager();
    if (root->Kind() != bckToolbar || manager == nullptr) return nullptr;
    auto indexOf = [](TovBarManager* AManager, const TCustomovBarControl* AControl) {
        for (int i = 0; i < AManager->Bars()->Count(); ++i)
            if (AManager->Bars()->GetItem(i)->GetControl() == AControl) return i;
        return -1;
    };
    int index = indexOf(manager, root);
    if (index < 0) return nullptr;
    TovBarManager* const startManager = manager;
    const int start = index;
    TovBarManagerList* list = BarManagerList();
    for (;;) {
        index += AForward ? 1 : -1;
        if (index < 0 || index >= manager->Bars()->Count()) {
            // On to the next manager of the same form that has toolbars.
            TovBarManager* next = manager;
            do {
                next = list != nullptr ? list->GetNextManager(next, AForward) : startManager;
            } while (next != startManager && next->Bars()->Count() == 0);
            manager = next;
            index = AForward ? 0 : manager->Bars()->Count() - 1;
        }
        if (manager == startManager && index == start) return nullptr;
        auto* control = dynamic_cast<TCustomovBarControl*>(manager->Bars()->GetItem(index)->GetControl());
        if (control != nullptr && control->HandleAllocated() && ::IsWindowVisible(control->Handle()) &&
            control->IsWindowEnabled() && control->ItemLinks() != nullptr &&
            control->ItemLinks()->GetFirstSelectableLink() != nullptr)
            return control;
    }
}

void TCustomovBarControl::FocusNextToolbar(bool AForward) {
    TCustomovBarControl* next = GetNextBarControl(AForward);
    if (next == nullptr) return;
    TWeakLink<TCustomovBarControl> target(next);
    GetRootBarControl()->BarLostFocus();
    if (!target) return;
    TovBarItemLink* first = next->ItemLinks()->GetFirstSelectableLink();
    next->BarGetFocus(first != nullptr ? first->Control() : nullptr);
}
