#include "ui/bars/owner/BarOwnerMessages.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/HelpInfo.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"

#include <vector>

namespace bar_owner_messages_detail {

TovBarHelpHandler& HelpHandler() {
    static TovBarHelpHandler handler;
    return handler;
}

// The floating toolbars of the manager that have a window.
std::vector<IovBarControl*> FloatingBarControls(TovBarManager* AManager) {
    std::vector<IovBarControl*> result;
    TovBars* bars = AManager->Bars();
    for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
        TovBar* bar = bars->GetItem(i);
        if (bar->DockingStyle() != dsNone) continue;
        if (IovBarControl* control = bar->GetControl()) result.push_back(control);
    }
    return result;
}

bool IsMinimizedUpTheChain(HWND AWnd) {
    for (HWND wnd = AWnd; wnd != nullptr; wnd = GetParent(wnd))
        if (IsIconic(wnd)) return true;
    return false;
}

// Clears a bit on every way out of a step, unless it was set before.
class TStateBit {
public:
    TStateBit(unsigned& AState, unsigned ABit) : FState(AState), FBit(ABit), FWasSet((AState & ABit) != 0) {
        FState |= FBit;
    }
    ~TStateBit() {
        if (!FWasSet) FState &= ~FBit;
    }
    TStateBit(const TStateBit&) = delete;
    TStateBit& operator=(const TStateBit&) = delete;

private:
    unsigned& FState;
    unsigned FBit;
    bool FWasSet;
};

} // namespace bar_owner_messages_detail

using namespace bar_owner_messages_detail;

void ovSetBarHelpHandler(TovBarHelpHandler AHandler) {
    HelpHandler() = std::move(AHandler);
}

void ovBarShowHelpContext(int AContext, const TPoint* APopupPos) {
    if (AContext != 0 && HelpHandler()) HelpHandler()(AContext, APopupPos);
}

TovBarOwnerMessages::TovBarOwnerMessages(TovBarManager* AManager) : FManager(AManager) {
    // A manager made on a form that is already active never sees that form's activation: without this
    // the first switch to another application would change nothing and its floating toolbars stay.
    HWND top = TopFormHandle();
    FMainFormActive = top != nullptr && top == GetActiveWindow();
}

TovBarOwnerMessages::~TovBarOwnerMessages() = default;

HWND TovBarOwnerMessages::OwnerWindow() {
    TWinControl* owner = FManager->OwnerWinControl();
    if (owner != nullptr && owner->HandleAllocated()) FOwnerWnd = owner->Handle();
    return FOwnerWnd;
}

HWND TovBarOwnerMessages::TopFormHandle() const {
    TCustomForm* form = FManager->GetTopForm();
    return form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
}

void TovBarOwnerMessages::CloseOwnOpenBar() {
    IovBarControl* open = CurrentBarControl();
    if (open == nullptr) return;
    auto* bar = dynamic_cast<TCustomovBarControl*>(open);
    if (bar != nullptr && bar->GetBarManager() != FManager) return;
    open->CloseUp(bcrOther);
}

void TovBarOwnerMessages::HandleOwnerMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    TWinControl* owner = FManager->OwnerWinControl();
    if (AMsg == WM_DESTROY && AWnd != nullptr && AWnd == FOwnerWnd) {
        // Only the owner's real end stores the layout. A living owner lets its window go only through
        // its handle's destruction (made again, or a parent change); the owner's destructor lets it go
        // directly.
        const bool windowOnly = owner != nullptr && !owner->ComponentState().Contains(csDestroying) &&
                                owner->ControlState().Contains(csDestroyingHandle);
        if (!windowOnly)
            FManager->StoreLayoutAtExit();
        else if (!FManager->BeingDestroyed() && FManager->Bars() != nullptr)
            PutBarsToWait();
        FOwnerWnd = nullptr;
        return;
    }
    if (AMsg == WM_CREATE && owner != nullptr && FManager->IsRestoringBars()) {
        // The owner's window is made again: the docks get theirs and the waiting toolbars come back.
        OwnerWindow();
        ShowWaitingBars();
        return;
    }
    if (owner == nullptr || owner->ComponentState().Contains(csDestroying)) return;
    if (FManager->Bars() == nullptr || FManager->BeingDestroyed()) return;
    switch (AMsg) {
    case WM_ACTIVATE:
        HandleActivate(LOWORD(AWParam), HIWORD(AWParam) != 0, AWnd, reinterpret_cast<HWND>(ALParam));
        break;
    case WM_SYSCOLORCHANGE:
        for (IovBarControl* control : FloatingBarControls(FManager))
            control->UpdateFrame();
        break;
    case WM_ACTIVATEAPP:
        HandleActivateApp(AWParam != 0);
        break;
    case WM_CHILDACTIVATE:
        SetMainFormActive(true);
        break;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(ALParam);
        if (pos == nullptr) break;
        if (AMsg == WM_WINDOWPOSCHANGING && (pos->flags & SWP_HIDEWINDOW) != 0)
            SetMainFormActive(false, true);
        if (AMsg == WM_WINDOWPOSCHANGED) FollowOwnerPosition(*pos);
        // (No MDI child windows here: a shown owner is always a main form.)
        if (AMsg == WM_WINDOWPOSCHANGED && (pos->flags & SWP_SHOWWINDOW) != 0) SetMainFormActive(true, true);
        break;
    }
    case WM_SYSCOMMAND:
        // The designer closes the form: a menu of this manager left open goes first.
        if ((AWParam & 0xFFF0) == SC_CLOSE && FManager->IsDesigning()) CloseOwnOpenBar();
        break;
    case WM_CANCELMODE:
        HandleCancelMode();
        break;
    case WM_HELP:
        if (const auto* info = reinterpret_cast<const HELPINFO*>(ALParam);
            info != nullptr && info->iContextType == HELPINFO_WINDOW && !FManager->IsDesigning())
            HandleHelp(info->hItemHandle, TPoint{info->MousePos.x, info->MousePos.y});
        break;
    case WM_DISPLAYCHANGE:
        KeepFloatingBarsOnScreen();
        break;
    case WM_SETTINGCHANGE:
        if (AWParam == SPI_SETWORKAREA) KeepFloatingBarsOnScreen();
        break;
    default:
        break;
    }
}

void TovBarOwnerMessages::PutBarsToWait() {
    // Every toolbar window lies in the owner's window (docked) or is owned by it (floating). They go
    // now, each saving its place, rather than with the owner's window behind the toolbars' backs; the
    // docks' windows go with them. Hiding a waiting toolbar takes its window.
    FManager->BeginBarRestoring();
    TovBars* bars = FManager->Bars();
    std::vector<TovBar*> shown;
    for (int i = 0; i < bars->Count(); ++i)
        if (TovBar* bar = bars->GetItem(i); bar->Visible() && bar->GetControl() != nullptr)
            shown.push_back(bar);
    for (TovBar* bar : shown)
        FManager->BarWindowDestroyed(bar);
    for (int i = 0; i < FManager->DockControlCount(); ++i)
        if (auto* dock = dynamic_cast<TovDockControl*>(FManager->DockControls(i))) dock->DestroyHandle();
}

void TovBarOwnerMessages::ShowWaitingBars() {
    for (int i = 0; i < FManager->DockControlCount(); ++i)
        if (auto* dock = dynamic_cast<TovDockControl*>(FManager->DockControls(i))) dock->HandleNeeded();
    FManager->ShowRestoringBars(nullptr);
    FManager->EndBarRestoring();
}

void TovBarOwnerMessages::FollowOwnerPosition(const WINDOWPOS& APos) {
    if (!FManager->IsCustomizing()) return;
    // The Customize window and the customizing popup go where the owner goes, and show and hide with it.
    if (TovBarCustomCustomizationForm* form = BarCustomizingForm();
        form != nullptr && form->BarManager() == FManager)
        form->FollowOwnerWindowPos(APos);
    TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
    TovBarSubMenuControl* menu = popup != nullptr ? popup->GetSubMenuControl() : nullptr;
    if (menu == nullptr || menu->Handle() == nullptr) return;
    if ((APos.flags & SWP_SHOWWINDOW) != 0)
        ::ShowWindow(menu->Handle(), SW_SHOWNA);
    else if ((APos.flags & SWP_HIDEWINDOW) != 0)
        ::ShowWindow(menu->Handle(), SW_HIDE);
}

void TovBarOwnerMessages::HandleActivate(int AState, bool AMinimized, HWND AWnd, HWND AOther) {
    TStateBit activating(FState, 0x20);
    // Activation moving to a bar window of this form is no deactivation.
    if (AState == WA_INACTIVE && AOther != nullptr) {
        if (auto* bar = dynamic_cast<TCustomovBarControl*>(CurrentBarControl()))
            if (bar->Handle() == AOther) return;
    }
    HWND top = TopFormHandle();
    TCustomForm* form = FManager->GetTopForm();
    const bool formDisabled = form != nullptr && !form->Enabled();
    SetMainFormActive((FMainFormActive && formDisabled && !FManager->IsDesigning()) ||
                          AState != WA_INACTIVE || (AOther != nullptr && AOther == top),
                      false, AOther);
    // A disabled form activated while its manager customizes hands the activation to the Customize
    // window, where the user works.
    TovBarCustomCustomizationForm* customize = BarCustomizingForm();
    if ((FState & bosShowingFloatingBars) == 0 && AState != WA_INACTIVE && customize != nullptr &&
        customize->HandleAllocated() && FManager->IsCustomizing() && formDisabled && top != nullptr &&
        AWnd != customize->Handle() && !IsChild(customize->Handle(), AWnd))
        SendMessage(customize->Handle(), WM_ACTIVATE, MAKEWPARAM(AState, AMinimized ? 1 : 0),
                    reinterpret_cast<LPARAM>(top));
}

void TovBarOwnerMessages::HandleActivateApp(bool AActive) {
    if ((FState & bosCancelMode) != 0) return;
    if (!AActive) {
        TCustomForm* form = FManager->GetTopForm();
        if (FMainFormActive && form != nullptr && !form->Enabled()) FState |= bosDeactivatedWhileDisabled;
        SetMainFormActive(false);
        // Our hooks never see clicks in other applications: the open menus close here.
        CloseOwnOpenBar();
        if (IovBarControl* open = CurrentBarControl())
            if (TovBarItemControl* selected = open->SelectedControl())
                if (TCustomovBarControl* parent = selected->ParentBar())
                    if (parent->Handle() != nullptr) SendMessage(parent->Handle(), WM_MOUSELEAVE, 0, 0);
    } else if ((FState & bosDeactivatedWhileDisabled) != 0) {
        SetMainFormActive(true);
        FState &= ~bosDeactivatedWhileDisabled;
    }
}

void TovBarOwnerMessages::HandleCancelMode() {
    TStateBit cancelMode(FState, bosCancelMode);
    CloseOwnOpenBar();
}

void TovBarOwnerMessages::SetMainFormActive(bool AValue, bool AForced, HWND AOther) {
    if (!AForced && AValue == FMainFormActive) return;
    FMainFormActive = AValue;
    UpdateFloatingBars(AValue, AForced, AOther);
}

void TovBarOwnerMessages::UpdateFloatingBars(bool AActive, bool AForced, HWND AOther) {
    if ((FState & bosShowingFloatingBars) != 0 || FManager->GetParentForm() == nullptr) return;
    TStateBit showing(FState, bosShowingFloatingBars);
    const bool hideWhenInactive = FManager->HideFloatingBarsWhenInactive || AForced;
    if (!hideWhenInactive)
        for (IovBarControl* control : FloatingBarControls(FManager))
            control->UpdateFrame();
    TWinControl* owner = FManager->OwnerWinControl();
    HWND ownerWnd = owner != nullptr && owner->HandleAllocated() ? owner->Handle() : nullptr;
    if (AActive) {
        if (ownerWnd == nullptr || !IsWindowVisible(ownerWnd) || IsMinimizedUpTheChain(ownerWnd)) return;
        TovBars* bars = FManager->Bars();
        for (int i = 0; i < bars->Count(); ++i) {
            TovBar* bar = bars->GetItem(i);
            IovBarControl* control = bar->GetControl();
            if (bar->DockingStyle() == dsNone && bar->Visible() && control != nullptr &&
                control->Handle() != nullptr)
                ShowWindow(control->Handle(), SW_SHOWNA);
        }
        return;
    }
    HWND top = TopFormHandle();
    if (AOther != nullptr && top != nullptr && GetParent(AOther) == top) return;
    CloseOwnOpenBar();
    if (!hideWhenInactive) return;
    if (AOther != nullptr && IsWindow(AOther)) {
        // Activation went to another window of ours that is no form (a floating toolbar, a popup).
        TWinControl* other = FindControl(AOther);
        const bool otherIsForm = dynamic_cast<TCustomForm*>(other) != nullptr;
        if (!otherIsForm) return;
    }
    for (IovBarControl* control : FloatingBarControls(FManager))
        if (control->Handle() != nullptr && IsWindowVisible(control->Handle()))
            ShowWindow(control->Handle(), SW_HIDE);
    if (!AForced)
        if (TCustomForm* form = FManager->GetParentForm(); form != nullptr && form->HandleAllocated())
            SendMessage(form->Handle(), WM_NCACTIVATE, 0, 0);
}

void TovBarOwnerMessages::KeepFloatingBarsOnScreen() {
    TWinControl* owner = FManager->OwnerWinControl();
    if (owner == nullptr) return;
    const TRect ownerRect = owner->HandleAllocated() ? uiWindowRectOf(owner->Handle()) : owner->BoundsRect();
    const TRect area = uiGetWorkAreaAtPoint(
        TPoint{(ownerRect.left + ownerRect.right) / 2, (ownerRect.top + ownerRect.bottom) / 2});
    TovBars* bars = FManager->Bars();
    for (int i = 0; i < bars->Count(); ++i) {
        TovBar* bar = bars->GetItem(i);
        if (bar->DockingStyle() != dsNone) continue;
        IovBarControl* control = bar->GetControl();
        HWND wnd = control != nullptr ? control->Handle() : nullptr;
        TRect r;
        if (wnd != nullptr) {
            r = uiWindowRectOf(wnd);
        } else {
            TRect borders{0, 0, 0, 0};
            if (TovBarPainter* painter = FManager->DefaultPainter())
                painter->BarBorderSizes(bar, dsNone, borders, false);
            r = uiRectOfBounds(bar->FloatLeft(), bar->FloatTop(),
                               bar->FloatClientWidth() + borders.left + borders.right,
                               bar->FloatClientHeight() + borders.top + borders.bottom);
        }
        TRect moved = r;
        if (moved.bottom > area.bottom) OffsetRect(&moved, 0, area.bottom - moved.bottom);
        if (moved.top < area.top) OffsetRect(&moved, 0, area.top - moved.top);
        if (moved.right > area.right) OffsetRect(&moved, area.right - moved.right, 0);
        if (moved.left < area.left) OffsetRect(&moved, area.left - moved.left, 0);
        if (moved == r) continue;
        if (wnd != nullptr) {
            SetWindowPos(wnd, nullptr, moved.left, moved.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            bar->SetFloatLeft(moved.left);
            bar->SetFloatTop(moved.top);
        }
    }
}

namespace bar_owner_messages_detail {

bool HasHelpContext(TovBarItemControl* AControl) {
    return AControl != nullptr && AControl->Item() != nullptr && AControl->Item()->HelpContext() != 0;
}

} // namespace bar_owner_messages_detail

void TovBarOwnerMessages::HandleHelp(HANDLE AItemHandle, const TPoint& AMousePos) {
    auto* open = dynamic_cast<TCustomovBarControl*>(CurrentBarControl());
    if (open == nullptr) {
        // No menu open: the bar under the window asked about and its item at the mouse.
        TCustomovBarControl* under = TCustomovBarControl::FromChildHandle(static_cast<HWND>(AItemHandle));
        if (under == nullptr || !under->HandleAllocated()) return;
        POINT p{AMousePos.x, AMousePos.y};
        ScreenToClient(under->Handle(), &p);
        ShowHelp(under, under->ItemControlAtPos(TPoint{p.x, p.y}));
        return;
    }
    TCustomovBarControl* bar = open;
    TovBarItemControl* control = open->SelectedControl();
    // An item without a help context takes that of the sub-item that opened its menu, and so on up.
    for (TCustomovBarControl* level = open; !HasHelpContext(control) && level != nullptr;) {
        auto* menu = dynamic_cast<TovBarSubMenuControl*>(level);
        TovBarItemControl* opener = menu != nullptr ? menu->GetOwnerItemControl() : nullptr;
        if (opener == nullptr) break;
        level = opener->ParentBar();
        if (HasHelpContext(opener)) {
            bar = level;
            control = opener;
        }
    }
    ShowHelp(bar, control);
}

void TovBarOwnerMessages::ShowHelp(TCustomovBarControl* ABar, TovBarItemControl* AControl) {
    int context = 0;
    const bool fromItem = HasHelpContext(AControl);
    if (fromItem)
        context = AControl->Item()->HelpContext();
    else if (ABar != nullptr && ABar->GetBarManager() != nullptr)
        context = ABar->GetBarManager()->HelpContext;
    TPoint popupAt{0, 0};
    if (fromItem) {
        const TRect r = AControl->ParentBar()->GetItemControlRect(AControl);
        popupAt = TPoint{(r.left + r.right) / 2, r.bottom};
    }
    CloseOwnOpenBar();
    if (context == 0 || !HelpHandler()) return;
    TCustomForm* form = FManager->GetParentForm();
    const bool helpIcon = form != nullptr && form->BorderIcons().Contains(biHelp);
    HelpHandler()(context, helpIcon && fromItem ? &popupAt : nullptr);
}
