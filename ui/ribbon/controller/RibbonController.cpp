#include "ui/ribbon/controller/RibbonController.h"

#include "platform/vcl/Form.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/hints/BarHintController.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/Timers.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"
#include "ui/ribbon/view/RibbonContextsViewInfo.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonTabsAreaButtons.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

namespace {

constexpr int HintCursorOffset = 20;

bool IsScrollCode(int ACode) {
    return ACode >= ribbonHitTabScrollLeft && ACode <= ribbonHitGroupScrollRight;
}

// A bar window (an open menu, a collapsed group's popup) holds the keyboard and mouse.
bool IsBarControlChainActive() {
    IovBarControl* control = CurrentBarControl();
    return control != nullptr && control->IsActive();
}

} // namespace

TovRibbonController::TovRibbonController(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {
    TovRibbonViewInfo* viewInfo = ovRibbonViewInfo(ARibbon);
    FHitInfo = std::make_unique<TovRibbonHitInfo>(viewInfo);
    FHintHitInfo = std::make_unique<TovRibbonHitInfo>(viewInfo);
    FScrollTimer.reset(uiCreateTimer(ovRibbonScrollFirstDelay, false,
                                     TNotifyEvent(this, &TovRibbonController::ScrollTimerTick)));
}

TovRibbonController::~TovRibbonController() {
    FScrollTimer.reset();
    // The bar hint knows the controller through a weak link: it forgets it by itself.
    HideHint();
}

TovRibbonViewInfo* TovRibbonController::ViewInfo() const {
    return ovRibbonViewInfo(FRibbon);
}

TObject* TovRibbonController::GetHotButton() {
    return FHotButton.Get();
}

TObject* TovRibbonController::GetPressedButton() {
    return FPressedButton.Get();
}

bool TovRibbonController::IsApplicationMenuShown() {
    return FRibbon->IsApplicationMenuShown();
}

bool TovRibbonController::CloseApplicationMenu() {
    if (!IsApplicationMenuShown()) return false;
    FRibbon->ApplicationButton()->CloseMenu();
    return true;
}

void TovRibbonController::ClearPressedObject() {
    FPressedPart = 0;
    FPressedButton = nullptr;
    if (TovRibbonViewInfo* viewInfo = ViewInfo()) viewInfo->ApplicationButtonViewInfo()->SetIsPressed(false);
    UpdateButtonsState();
}

void TovRibbonController::UpdateButtonsState() {
    if (TovRibbonViewInfo* viewInfo = ViewInfo()) viewInfo->UpdateButtonsState();
}

// ---- Mouse

void TovRibbonController::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (viewInfo == nullptr || FHitInfo->Owner == nullptr) return;
    HideHint();
    const bool menuWasShown = IsApplicationMenuShown();
    if (menuWasShown && FRibbon->GetApplicationMenuState() == 1) CloseApplicationMenu();
    FHitInfo->Calculate(TPoint{X, Y});
    const int code = FHitInfo->HitTest;
    switch (code) {
    case ribbonHitTab: {
        TovRibbonTab* tab = FHitInfo->GetHitTab();
        CloseApplicationMenu();
        TovRibbonTab* before = FRibbon->ActiveTab();
        if (Button == mbLeft && Shift.Contains(ssDouble) && CanMinimizeOnTabDblClick(tab))
            FRibbon->SetShowTabGroups(!FRibbon->ShowTabGroups());
        else
            TabClick(tab, Button, Shift);
        FSkipDoubleClick = FRibbon->ActiveTab() != before;
        break;
    }
    case ribbonHitApplicationButton:
        if (Button != mbLeft) break;
        if (Shift.Contains(ssDouble)) {
            // The 2007 button is the form's system-menu button: a double click closes the form.
            if (FRibbon->Style() == rs2007)
                if (TCustomForm* form = FRibbon->OwnerForm()) {
                    form->Close();
                    return;
                }
            break;
        }
        if (menuWasShown) return;
        if (!CloseApplicationMenus()) {
            if (FRibbon->ShowApplicationMenu()) return;
        } else {
            // Another ribbon's menu was open: this one opens once that menu's loop has ended.
            if (FRibbon->HandleAllocated())
                PostMessage(FRibbon->Handle(), ovRibbonShowApplicationMenuMessage, 0, 0);
            return;
        }
        break;
    default:
        if (IsScrollCode(code)) {
            if (Button == mbLeft) StartScroll(code);
        } else if (Button == mbRight && IsPopupMenuArea(TPoint{X, Y})) {
            FRibbon->ShowPopupMenu(FRibbon->ClientToScreen(POINT{X, Y}));
        }
        break;
    }
    if (Button == mbLeft) {
        FPressedButton = FHitInfo->GetHitButton();
        FPressedPart = code;
        if (code >= ribbonHitContext) FRibbon->SetMouseCapture(true);
        UpdateButtonsState();
    }
    if (code == ribbonHitContext) {
        FPressedContext = FHitInfo->GetHitContext();
        CloseApplicationMenu();
        if (Shift.Contains(ssDouble)) {
            FPressedContext = nullptr;
            if (TCustomForm* form = FRibbon->OwnerForm();
                form != nullptr && form->WindowState() != wsMinimized)
                form->SetWindowState(form->WindowState() == wsMaximized ? wsNormal : wsMaximized);
        } else if (!FRibbon->ShowTabGroups() && FRibbon->TabGroupsPopupWindow() == nullptr) {
            FRibbon->SetShowTabGroups(true);
        }
    } else {
        FPressedContext = nullptr;
    }
    if (IovRibbonTabGroupsPopup* popup = FRibbon->TabGroupsPopupWindow()) popup->ClearJustClosed();
}

void TovRibbonController::TabClick(TovRibbonTab* ATab, TMouseButton Button, TShiftState Shift) {
    if (FRibbon->IsDesigning()) {
        if (!FRibbon->IsBarManagerValid()) return;
        FRibbon->SetActiveTab(ATab);
        if (IovBarDesigner* designer = FRibbon->BarManager()->Designer())
            designer->SelectComponent(ATab, bsoExclusive);
        return;
    }
    if (Button == mbLeft) {
        if (Shift.Contains(ssDouble) || FRibbon->ShowTabGroups()) {
            FRibbon->SetActiveTab(ATab);
            return;
        }
        // A click on the active tab that just closed the popup leaves it closed.
        IovRibbonTabGroupsPopup* popup = FRibbon->TabGroupsPopupWindow();
        if (ATab == FRibbon->ActiveTab() && popup != nullptr && popup->IsJustClosed()) return;
        FRibbon->SetActiveTab(ATab);
        FRibbon->ShowTabGroupsPopup();
    } else if (Button == mbRight) {
        FRibbon->ShowPopupMenu(uiGetMouseCursorPos());
    }
}

bool TovRibbonController::CanMinimizeOnTabDblClick(TovRibbonTab* ATab) {
    if (FRibbon->IsDesigning() || !FRibbon->MinimizeOnTabDblClick) return false;
    return !FRibbon->ShowTabGroups() || (!FSkipDoubleClick && ATab == FRibbon->ActiveTab());
}

bool TovRibbonController::IsPopupMenuArea(const TPoint& P) {
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (uiIsPointInRect(viewInfo->GetTabsAreaBounds(), P)) return true;
    return viewInfo->IsQuickAccessToolbarVisible() && viewInfo->IsQuickAccessToolbarBelow() &&
           uiIsPointInRect(viewInfo->QuickAccessToolbarBounds, P);
}

void TovRibbonController::SetHotButton(TovRibbonCustomButtonViewInfo* AButton) {
    if (FHotButton.Get() == AButton) return;
    FHotButton = AButton;
    UpdateButtonsState();
}

void TovRibbonController::MouseMove(TShiftState, int X, int Y) {
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (viewInfo == nullptr || FHitInfo->Owner == nullptr) return;
    FHitInfo->Calculate(TPoint{X, Y});
    viewInfo->ApplicationButtonViewInfo()->SetIsHot(FHitInfo->HitTest == ribbonHitApplicationButton);
    if (IsHotTrackingDisabled()) return;
    SetHotButton(FHitInfo->GetHitButton());
    FRibbon->SetHotObject(FHitInfo->GetHitTab());
    FLastHitCode = FHitInfo->HitTest;
    UpdateHint();
}

bool TovRibbonController::IsHotTrackingDisabled() {
    if (!FRibbon->IsBarManagerValid() || FRibbon->IsDesigning() || FScrollKind != 0) return true;
    TCustomForm* form = GetOwnerForm(FRibbon->BarManager());
    const HWND active = GetActiveWindow();
    const bool formActive = form != nullptr && form->HandleAllocated() && active == form->Handle();
    if (!formActive && !FRibbon->IsTabGroupsPopupVisible()) return true;
    return IsBarControlChainActive();
}

void TovRibbonController::MouseLeave() {
    if (IsHintHitCode(FHintHitInfo->HitTest)) {
        FHintHitInfo->Reset();
        HideHint();
    }
    if (TovRibbonViewInfo* viewInfo = ViewInfo()) viewInfo->ApplicationButtonViewInfo()->SetIsHot(false);
    FRibbon->SetHotObject(nullptr);
    SetHotButton(nullptr);
    FLastHitCode = 0;
}

void TovRibbonController::MouseUp(TMouseButton Button, TShiftState, int X, int Y) {
    StopScroll();
    if (ViewInfo() == nullptr || FHitInfo->Owner == nullptr) return;
    FHitInfo->Calculate(TPoint{X, Y});
    if (Button != mbLeft) return;
    if (FRibbon->MouseCapture()) FRibbon->SetMouseCapture(false);
    TovRibbonCustomButtonViewInfo* pressed = FPressedButton.Get();
    FPressedButton = nullptr;
    FPressedPart = 0;
    // Only a release on the very button that was pressed clicks it.
    const bool click = pressed != nullptr && pressed == FHitInfo->GetHitButton() && pressed->GetEnabled();
    UpdateButtonsState();
    TWeakLink<TovRibbonContext> context = FPressedContext;
    FPressedContext = nullptr;
    if (click) pressed->Click();
    if (context.Get() != nullptr && context.Get() == FHitInfo->GetHitContext()) context.Get()->Activate(true);
}

void TovRibbonController::CancelMode() {
    FRibbon->SetHotObject(nullptr);
    StopScroll();
    ResetHint();
}

void TovRibbonController::KeyDown(WORD&, TShiftState) {
    HideHint();
}

// ---- Scrolling

void TovRibbonController::StartScroll(int AKind) {
    FScrollKind = AKind;
    FScrollTimer->SetInterval(ovRibbonScrollFirstDelay);
    ScrollStep(true);
    FScrollTimer->SetEnabled(true);
}

void TovRibbonController::StopScroll() {
    if (FScrollKind == 0 && !FScrollTimer->Enabled()) return;
    FScrollKind = 0;
    FScrollTimer->SetEnabled(false);
    UpdateButtonsState();
}

void TovRibbonController::ScrollStep(bool AFirst) {
    ResetHint();
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (viewInfo == nullptr) return;
    const int step = AFirst ? ovRibbonTabScrollFirstStep : ovRibbonTabScrollRepeatStep;
    switch (FScrollKind) {
    case ribbonHitTabScrollLeft:
    case ribbonHitTabScrollRight: {
        TovRibbonTabsViewInfo* tabs = viewInfo->TabsViewInfo();
        tabs->SetScrollPosition(tabs->ScrollPosition +
                                (FScrollKind == ribbonHitTabScrollLeft ? -step : step));
        break;
    }
    case ribbonHitGroupScrollLeft:
    case ribbonHitGroupScrollRight:
        if (TovRibbonTab* tab = FRibbon->ActiveTab())
            tab->ScrollDockControlGroups(FScrollKind == ribbonHitGroupScrollLeft);
        break;
    default:
        break;
    }
}

void TovRibbonController::ScrollTimerTick(TObject*) {
    FScrollTimer->SetInterval(ovRibbonScrollRepeatDelay);
    if (FScrollKind == 0 || !FRibbon->HandleAllocated()) return;
    // The repeat pauses while the cursor is off the held button; the timer runs on until the release.
    const TPoint cursor = FRibbon->ScreenToClient(uiGetMouseCursorPos());
    FHitInfo->Calculate(cursor);
    if (FHitInfo->HitTest == FScrollKind) ScrollStep(false);
}

// ---- Wheel

bool TovRibbonController::SwitchTab(bool ANext) {
    if (!FRibbon->AreGroupsVisible() || FRibbon->IsTabGroupsPopupVisible() || IsBarControlChainActive())
        return false;
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (viewInfo == nullptr) return false;
    TovRibbonTabsViewInfo* tabs = viewInfo->TabsViewInfo();
    const int count = tabs->TabCount();
    if (count == 0) return false;
    int index = -1;
    for (int i = 0; i < count; ++i)
        if (tabs->GetTab(i)->Tab() == FRibbon->ActiveTab()) index = i;
    int target;
    if (index < 0)
        target = ANext ? 0 : count - 1;
    else
        target = ANext ? index + 1 : index - 1;
    // The wheel stops at either end of the row.
    if (target < 0 || target >= count) return false;
    TovRibbonTab* before = FRibbon->ActiveTab();
    FRibbon->SetActiveTab(tabs->GetTab(target)->Tab());
    return FRibbon->ActiveTab() != before;
}

bool TovRibbonController::MouseWheelDown() {
    return SwitchTab(true);
}

bool TovRibbonController::MouseWheelUp() {
    return SwitchTab(false);
}

// ---- Hints

bool TovRibbonController::IsHintHitCode(int AHitCode) {
    return AHitCode == ribbonHitTab || AHitCode == ribbonHitApplicationButton ||
           AHitCode == ribbonHitContext || AHitCode == ribbonHitHelpButton || AHitCode == ribbonHitButton;
}

void TovRibbonController::HideHint() {
    if (FRibbon->IsBarManagerValid()) TovBarHintController::Instance().HideHint(FRibbon->BarManager());
}

void TovRibbonController::ResetHint() {
    FHintHitInfo->Reset();
    HideHint();
}

void TovRibbonController::UpdateHint() {
    if (FRibbon->IsLocked() || !FRibbon->IsBarManagerValid() || FHintHitInfo->IsSame(*FHitInfo)) return;
    const int oldCode = FHintHitInfo->HitTest;
    FHintHitInfo->HitTest = FHitInfo->HitTest;
    FHintHitInfo->HitObject = FHitInfo->HitObject;
    FHintHitInfo->HitPoint = FHitInfo->HitPoint;
    if (IsHintHitCode(FHintHitInfo->HitTest))
        TovBarHintController::Instance().ActivateHint(FRibbon->BarManager(), true, std::string(), this);
    else if (IsHintHitCode(oldCode))
        HideHint();
}

std::string TovRibbonController::ScreenTipText(TObject* AScreenTip) {
    auto* tip = dynamic_cast<TovScreenTip*>(AScreenTip);
    return tip != nullptr ? tip->Header()->Text() : std::string();
}

bool TovRibbonController::CanShowHint(int AHitCode) {
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (viewInfo == nullptr) return false;
    switch (AHitCode) {
    case ribbonHitTab:
        return FHintHitInfo->GetHitTab() != nullptr && viewInfo->TabsViewInfo()->HintNeeded;
    case ribbonHitApplicationButton:
        return FRibbon->ApplicationButton()->ScreenTip() != nullptr && !IsApplicationMenuShown();
    case ribbonHitContext:
        return viewInfo->ContextsViewInfo()->IsContextCaptionCut(FHintHitInfo->GetHitContext());
    case ribbonHitHelpButton:
        return FRibbon->HelpButton()->ScreenTip() != nullptr;
    case ribbonHitButton: {
        TovRibbonCustomButtonViewInfo* button = FHintHitInfo->GetHitButton();
        return button != nullptr && button->GetEnabled() && !button->GetHint().empty();
    }
    default:
        return false;
    }
}

bool TovRibbonController::GetBarHint(std::string& AText, std::string& AShortCut) {
    AShortCut.clear();
    const int code = FHintHitInfo->HitTest;
    if (!CanShowHint(code)) return false;
    switch (code) {
    case ribbonHitTab:
        AText = FHintHitInfo->GetHitTab()->Caption();
        break;
    case ribbonHitApplicationButton:
        AText = ScreenTipText(FRibbon->ApplicationButton()->ScreenTip());
        break;
    case ribbonHitContext:
        AText = FHintHitInfo->GetHitContext()->Caption();
        break;
    case ribbonHitHelpButton:
        AText = ScreenTipText(FRibbon->HelpButton()->ScreenTip());
        break;
    default:
        AText = FHintHitInfo->GetHitButton()->GetHint();
        break;
    }
    return !AText.empty();
}

TPoint TovRibbonController::GetBarHintPosition(const TPoint& ACursorPos, int AHintHeight) {
    TovRibbonViewInfo* viewInfo = ViewInfo();
    if (FHintHitInfo->HitTest != ribbonHitApplicationButton || viewInfo == nullptr ||
        !FRibbon->HandleAllocated())
        return TPoint{ACursorPos.x, ACursorPos.y + HintCursorOffset};
    const TRect button = viewInfo->ApplicationButtonViewInfo()->Bounds;
    const TPoint below = FRibbon->ClientToScreen(POINT{button.left, button.bottom});
    const TRect workArea = GetMonitorWorkArea(FRibbon->Handle());
    if (workArea.bottom - below.y >= AHintHeight) return below;
    // No room below: above the ribbon.
    const TPoint top = FRibbon->ClientToScreen(POINT{button.left, 0});
    return TPoint{top.x, top.y - AHintHeight};
}

TObject* TovRibbonController::HintRibbon() {
    return FRibbon;
}

bool TovRibbonController::WantsScreenTipStyleHint() {
    return FHintHitInfo->HitTest == ribbonHitApplicationButton ||
           FHintHitInfo->HitTest == ribbonHitHelpButton;
}
