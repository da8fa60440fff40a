// The menu's keys and mouse: moving the selection, opening and leaving sub-menus, accelerators, choosing
// items, hot tracking, the scroll bands and the expand mark of personalised menus.
#include "ui/bars/controls/SubMenuControl.h"

#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControlAnimation.h"
#include "ui/bars/controls/SubMenuControlTimers.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"

namespace {

bool MenuPointIn(const TRect& R, const TPoint& P) {
    return R.right > R.left && R.bottom > R.top && P.x >= R.left && P.x < R.right && P.y >= R.top &&
           P.y < R.bottom;
}

} // namespace

TovBarSubMenuControl* TovBarSubMenuControl::DeepestOpenMenu() {
    TovBarSubMenuControl* menu = this;
    while (auto* child = dynamic_cast<TovBarSubMenuControl*>(menu->ChildBar())) {
        if (child->Handle() == nullptr) break;
        menu = child;
    }
    return menu;
}

bool TovBarSubMenuControl::RightButtonClicksItems() const {
    return FOwnerWidth == 0 && FOwnerHeight == 0;
}

void TovBarSubMenuControl::SelectLink(TovBarItemLink* ALink, bool AByKey) {
    TovBarItemControl* control = ALink != nullptr ? ALink->Control() : nullptr;
    if (control == FSelectedControl) return;
    SetSelectedControl(control);
    if (AByKey && control != nullptr) MakeItemVisible(control);
    // Hovering items for a while selects the expand mark; opening without hovering expands the menu.
    if (FMarkState == 0 && FManager != nullptr && FManager->ShowFullMenusAfterDelay && HasMark() &&
        !MenusExpanded()) {
        KillExpandTimer();
        StartExpandTimer(sub_menu_timers::SelectMark, sub_menu_timers::ExpandAfterIdle);
    }
}

void TovBarSubMenuControl::ClickControl(TovBarItemControl* AControl, bool AByMouse) {
    if (AControl == nullptr) return;
    if (AControl->IsDropDown()) {
        TWeakLink<TovBarItemControl> control(AControl);
        AControl->ControlActivate(true, AByMouse);
        if (!control || AByMouse) return;
        if (auto* child = dynamic_cast<TovBarSubMenuControl*>(AControl->GetChildMenuControl()))
            if (child->Handle() != nullptr) child->SelectFirstSelectableLink();
        return;
    }
    AControl->Click(AByMouse);
}

bool TovBarSubMenuControl::MenuKey(WORD AKey, TShiftState AShift) {
    StopAnimation(true);
    TWeakLink<TCustomovBarControl> self(this);
    TovBarItemLink* selected = FSelectedControl != nullptr ? FSelectedControl->ItemLink() : nullptr;
    if (HasMark()) {
        if (AKey == VK_DOWN && AShift.Contains(ssCtrl)) {
            ExpandMenu();
            return true;
        }
        const bool plain = !AShift.Contains(ssCtrl) && !AShift.Contains(ssAlt) && !AShift.Contains(ssShift);
        if ((AKey == VK_DOWN || AKey == VK_TAB) && plain && selected != nullptr && FItemLinks != nullptr &&
            selected->VisibleIndexOf() == FItemLinks->VisibleItemCount() - 1) {
            // Past the last shown item the hidden ones come next.
            ExpandMenu();
            if (!self) return true;
            return MenuKey(AKey, AShift);
        }
    }
    if (FItemLinks == nullptr) return false;
    auto* parentMenu = dynamic_cast<TovBarSubMenuControl*>(FParentBar.Get());
    switch (AKey) {
    case VK_DOWN:
    case VK_TAB:
        SelectLink(selected == nullptr ? FItemLinks->GetFirstSelectableLink()
                                       : FItemLinks->GetNextSelectableLink(selected, false),
                   true);
        return true;
    case VK_UP:
        SelectLink(selected == nullptr ? FItemLinks->GetLastSelectableLink()
                                       : FItemLinks->GetPrevSelectableLink(selected, false),
                   true);
        return true;
    case VK_HOME:
        SelectLink(FItemLinks->GetFirstSelectableLink(), true);
        return true;
    case VK_END:
        SelectLink(FItemLinks->GetLastSelectableLink(), true);
        return true;
    case VK_RETURN:
        ClickControl(FSelectedControl, false);
        return true;
    case VK_RIGHT:
        if (FSelectedControl != nullptr && FSelectedControl->IsDropDown())
            ClickControl(FSelectedControl, false);
        return true;
    case VK_LEFT:
    case VK_ESCAPE:
        if (parentMenu != nullptr && parentMenu->SelectedControl() != nullptr) {
            // The item that opened this menu lets go of it: this menu closes, the parent stays.
            if (AKey == VK_ESCAPE) FCloseUpReason = bcrEscape;
            TWeakLink<TCustomovBarControl> parent(parentMenu);
            parentMenu->SelectedControl()->ControlInactivate(true);
            if (parent) parentMenu->SetMouseDownState(false);
            return true;
        }
        if (AKey == VK_ESCAPE) {
            CloseUp(bcrEscape);
            return true;
        }
        return false;
    default:
        break;
    }
    TovBarItemLink* found = FItemLinks->FindItemWithAccel(AKey, AShift, selected);
    if (found == nullptr) return false;
    const bool unique = FItemLinks->FindItemWithAccel(AKey, AShift, found) == found;
    if (found->VisibleIndexOf() < 0 && HasMark()) {
        ExpandMenu();
        if (!self) return true;
    }
    if (found->Control() == nullptr) return true;
    SelectLink(found, true);
    // A letter that only one item has chooses it; a shared one moves between the items that have it.
    if (unique) ClickControl(found->Control(), false);
    return true;
}

void TovBarSubMenuControl::MenuMouseMove(const TPoint& AClientPoint) {
    if (FAnimation && FAnimation->Running()) StopAnimation(true);
    // A press on a link while customizing waits for the mouse to leave the drag rectangle.
    if (DragPending()) {
        StartPendingDrag(AClientPoint);
        return;
    }
    const TPoint cursor = uiGetMouseCursorPos();
    // The item under the cursor when the menu opened is not hot-tracked until the mouse moves.
    if (FLastMousePos.x == -1 && FLastMousePos.y == -1 && cursor.x == FMousePosAtPopup.x &&
        cursor.y == FMousePosAtPopup.y)
        return;
    if (AClientPoint.x == FLastMousePos.x && AClientPoint.y == FLastMousePos.y) return;
    FLastMousePos = AClientPoint;
    if (auto* parentMenu = dynamic_cast<TovBarSubMenuControl*>(FParentBar.Get()))
        if (TovBarItemControl* owner = GetOwnerItemControl()) parentMenu->SetSelectedControl(owner);
    if (HasMark()) SetMarkState(MenuPointIn(FMarkRect, AClientPoint) ? (FMarkState == 2 ? 2 : 1) : 0);
    const bool overUp = CanScrollUp() && MenuPointIn(FScrollUpRect, AClientPoint);
    const bool overDown = CanScrollDown() && MenuPointIn(FScrollDownRect, AClientPoint);
    if (overUp || overDown) {
        if (!FScrollTimer && FHandle != nullptr) {
            SetSelectedControl(nullptr);
            FScrollTimer = true;
            ::SetTimer(FHandle, sub_menu_timers::Scroll, GetScrollTimerInterval(), nullptr);
        }
        return;
    }
    if (FScrollTimer) {
        FScrollTimer = false;
        ::KillTimer(FHandle, sub_menu_timers::Scroll);
    }
    TovBarItemControl* control = ItemControlAt(AClientPoint);
    if (control != nullptr) control->UpdateHotPartIndex(AClientPoint);
    if (control == nullptr || control == FSelectedControl) return;
    TovBarItemControl* previous = FSelectedControl;
    TWeakLink<TCustomovBarControl> self(this);
    if (previous != nullptr && previous->IsDropDown()) previous->ControlInactivate(false);
    if (!self) return;
    SelectLink(control->ItemLink(), false);
    if (control->IsDropDown()) control->ControlActivate(false, true);
}

void TovBarSubMenuControl::CustomizingMenuMouseDown(const TPoint& AClientPoint, bool ARight) {
    TovBarItemControl* control = ItemControlAt(AClientPoint);
    if (ARight) {
        CustomizingClick(control);
        return;
    }
    // The press selects the link, which is dragged once the mouse moves far enough.
    if (CustomizingSelect(control)) BeginItemDrag(AClientPoint, control);
}

void TovBarSubMenuControl::MenuMouseDown(const TPoint& AClientPoint, bool ARight) {
    if (IsCustomizing()) {
        StopAnimation(true);
        CustomizingMenuMouseDown(AClientPoint, ARight);
        return;
    }
    if (ARight && !RightButtonClicksItems()) return;
    StopAnimation(true);
    if (FIgnoreNextClick) {
        FIgnoreNextClick = false;
        return;
    }
    if (HasMark() && MenuPointIn(FMarkRect, AClientPoint)) {
        if (FMarkState != 0) {
            FIgnoreNextClick = true;
            ExpandMenu();
        } else {
            SetSelectedControl(nullptr);
            SetMarkState(1);
        }
        return;
    }
    if (FScrollTimer) return;
    TovBarItemControl* control = ItemControlAt(AClientPoint);
    FPressedControl = control;
    if (control == nullptr) return;
    control->UpdateHotPartIndex(AClientPoint);
    SetSelectedControl(control);
    if (control->IsDropDown()) ClickControl(control, true);
}

void TovBarSubMenuControl::MenuMouseUp(const TPoint& AClientPoint, bool ARight) {
    if (DragPending()) {
        // The press never became a drag: the link stays selected.
        CancelItemDrag();
        if (FHandle != nullptr && ::GetCapture() == FHandle) ::ReleaseCapture();
        return;
    }
    // While customizing nothing is clicked.
    if (IsCustomizing()) return;
    if (ARight && !RightButtonClicksItems()) return;
    TovBarItemControl* control = ItemControlAt(AClientPoint);
    FPressedControl = nullptr;
    if (control == nullptr || control->IsDropDown() || FScrollTimer) return;
    control->UpdateHotPartIndex(AClientPoint);
    SetSelectedControl(control);
    ClickControl(control, true);
}

void TovBarSubMenuControl::MouseLeave() {
    if (!FOwnWindow) {
        TCustomovBarControl::MouseLeave();
        return;
    }
    if (FScrollTimer) StopScrollTimer();
}

// ---- Personalised menus

void TovBarSubMenuControl::SetMarkState(int AState) {
    if (IsCustomizing() || FManager == nullptr || !FManager->IsShowRecentItemsFirst()) return;
    if (AState == FMarkState) return;
    FMarkState = AState;
    if (AState == 2) {
        ExpandMenu();
        return;
    }
    if (FHandle != nullptr) ::InvalidateRect(FHandle, &FMarkRect, FALSE);
    if (FManager->ShowFullMenusAfterDelay) {
        KillExpandTimer();
        POINT cursor{};
        ::GetCursorPos(&cursor);
        if (FHandle != nullptr) ::ScreenToClient(FHandle, &cursor);
        if (AState == 1 && MenuPointIn(FMarkRect, cursor))
            StartExpandTimer(sub_menu_timers::PressMark, sub_menu_timers::ExpandMarkPause);
    }
}

void TovBarSubMenuControl::ExpandMenu() {
    if (!HasMark()) return;
    SetMenusExpanded(true);
    KillExpandTimer();
    FMarkState = 0;
    FExpanding = true;
    ApplyRecentItemCount();
    FPosition = FPositionAtShow;
    bool flippedX = false, flippedY = false;
    CalcPosition(TSize{0, 0}, flippedX, flippedY);
    FExpanding = false;
    Repaint();
}

void TovBarSubMenuControl::StartExpandTimer(UINT_PTR AId, UINT AInterval) {
    if (FHandle == nullptr) return;
    FExpandTimer = AId;
    ::SetTimer(FHandle, AId, AInterval, nullptr);
}

void TovBarSubMenuControl::KillExpandTimer() {
    if (FExpandTimer == 0) return;
    if (FHandle != nullptr) ::KillTimer(FHandle, FExpandTimer);
    FExpandTimer = 0;
}

void TovBarSubMenuControl::ExpandTimerFired(UINT_PTR AId) {
    if (AId != sub_menu_timers::SelectMark && AId != sub_menu_timers::PressMark) return;
    KillExpandTimer();
    if (AId == sub_menu_timers::SelectMark) {
        auto* child = dynamic_cast<TovBarSubMenuControl*>(ChildBar());
        if (child == nullptr || child->Handle() == nullptr) SetMarkState(1);
    } else {
        SetMarkState(2);
    }
}
