#include "ui/bars/popupmenus/PopupMenu.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/core/controls/WindowUtils.h"

TovBarCustomPopupMenu::TovBarCustomPopupMenu(TComponent* AOwner)
    : TovBarCustomPopupMenuComponent(AOwner), FBackgroundBitmap(std::make_unique<TBitmap>()),
      FEditFont(std::make_unique<TFont>()) {
    FItemLinks->UseRecentItems = false;
    if (FBarManager != nullptr && FBarManager->EditFont() != nullptr)
        FEditFont->Assign(FBarManager->EditFont());
}

TovBarCustomPopupMenu::~TovBarCustomPopupMenu() {
    if (TovBarSubMenuControl* menu = GetSubMenuControl()) {
        menu->OnCloseUpNotify = nullptr;
        menu->OnPopupNotify = nullptr;
    }
    if (FItemLinks) FItemLinks->FreeBarControl();
}

void TovBarCustomPopupMenu::SetBackgroundBitmap(TBitmap* AValue) {
    FBackgroundBitmap->Assign(AValue);
}

void TovBarCustomPopupMenu::FontChanged() {
    TovBarCustomPopupMenuComponent::FontChanged();
    if (FUseOwnFont) FEditFont->Assign(FFont.get());
}

TovBarSubMenuControl* TovBarCustomPopupMenu::CreateSubMenuControl() {
    TovBarSubMenuControl* menu = TovBarCustomPopupMenuComponent::CreateSubMenuControl();
    menu->SetBarSize(FBarSize);
    return menu;
}

TovBarSubMenuControl* TovBarCustomPopupMenu::GetSubMenuControl() const {
    return FPopupVisible ? dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl()) : nullptr;
}

void TovBarCustomPopupMenu::FreeClosedMenu() {
    if (FPopupVisible || FItemLinks->BarControl() == nullptr) return;
    if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl())) {
        menu->OnCloseUpNotify = nullptr;
        menu->OnPopupNotify = nullptr;
    }
    FItemLinks->FreeBarControl();
}

void TovBarCustomPopupMenu::PopupFromCursorPos() {
    const TPoint p = uiGetMouseCursorPos();
    Popup(p.x, p.y);
}

void TovBarCustomPopupMenu::PopupEx(int X, int Y, int AOwnerWidth, int AOwnerHeight, bool AShowAnimation,
                                    const TRect* AOwnerBounds, bool AUseOwnMessageLoop,
                                    TWinControl* AOwnerControl) {
    FOwnerWidth = AOwnerWidth;
    FOwnerHeight = AOwnerHeight;
    FShowAnimation = AShowAnimation;
    if (AOwnerBounds != nullptr)
        FOwnerBounds = *AOwnerBounds;
    else
        FOwnerBounds.reset();
    FUseOwnMessageLoop = AUseOwnMessageLoop;
    FOwnerControl = AOwnerControl;
    struct TRestoreDefaults {
        TovBarCustomPopupMenu* Menu;
        ~TRestoreDefaults() {
            Menu->FUseOwnMessageLoop = true;
            Menu->FOwnerControl = nullptr;
            Menu->FOwnerWidth = 0;
            Menu->FOwnerHeight = 0;
            Menu->FShowAnimation = true;
            Menu->FOwnerBounds.reset();
        }
    } restore{this};
    Popup(X, Y);
}

void TovBarCustomPopupMenu::PopupAtRect(int X, int Y, const TRect& AOwnerBounds, TPopupAlignment AAlignment) {
    const TPopupAlignment saved = FPopupAlignment;
    FPopupAlignment = AAlignment;
    const TRect bounds = AOwnerBounds;
    try {
        PopupEx(X, Y, 0, bounds.bottom - bounds.top, true, &bounds, true, nullptr);
    } catch (...) {
        FPopupAlignment = saved;
        throw;
    }
    FPopupAlignment = saved;
}

void TovBarCustomPopupMenu::Popup(int X, int Y) {
    if (FPopupVisible) return;
    FreeClosedMenu();
    TovBarManager* manager = FBarManager;
    if (manager == nullptr) return;
    if (!manager->IsCustomizingOrDesigning()) {
        if (HWND capture = ::GetCapture()) {
            ::SendMessage(capture, CM_CANCELMODE, 0, 0);
            ::ReleaseCapture();
        }
    }
    // A menu of another chain that is open closes first (a button's own drop-down keeps its toolbar's).
    if (FOwnerControl == nullptr && FOwnerItemControl == nullptr)
        if (IovBarControl* active = CurrentBarControl()) active->CloseUp(bcrOther);
    FItemLinks->ConnectBarControl();
    auto* menu = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl());
    if (menu == nullptr) return;
    menu->MoveTo(TPoint{X, Y});
    if (FOwnerItemControl != nullptr && FOwnerItemControl->ParentBar() != nullptr)
        FOwnerItemControl->ParentBar()->SetChildBar(menu);
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()))
        if (owner->HandleAllocated()) menu->SetParentWindow(owner->Handle());
    if (FOwnerBounds) menu->SetOwnerBounds(*FOwnerBounds);
    menu->SetOwnerSize(FOwnerWidth, FOwnerHeight);
    menu->SetShowAnimation(FShowAnimation);
    menu->SetMinWidth(FMinWidth);
    menu->SetPopupAlignment(FPopupAlignment);
    menu->SetBarSize(FBarSize);
    menu->OnPopupNotify = [this](TovBarSubMenuControl*) {
        FPopupVisible = true;
        DoPopup();
    };
    menu->OnCloseUpNotify = [this](TovBarSubMenuControl*, TovBarCloseUpReason AReason) {
        FPopupVisible = false;
        FLastCloseUpReason = AReason;
        DoCloseUp();
        if (OnCloseUpWithReason) OnCloseUpWithReason(this, AReason);
    };
    try {
        menu->Show();
    } catch (...) {
        menu->CloseUp(bcrOther);
        throw;
    }
    if (!FUseOwnMessageLoop) return;
    // An item's action may free this component while the loop dispatches it.
    TWeakLink<TovBarCustomPopupMenu> self(this);
    RunMessageLoop();
    if (self) FreeClosedMenu();
}

void TovBarCustomPopupMenu::RunMessageLoop() {
    // Both retrieval (where the bar hooks click items by key) and dispatching may run an item's action,
    // and that action may free this component.
    TWeakLink<TovBarCustomPopupMenu> self(this);
    while (FPopupVisible) {
        MSG msg;
        // The bar hooks run inside retrieval and may close the menu while taking the message that did it
        // (a key, a press outside): then nothing is retrieved, and the loop must not wait for more.
        const bool retrieved = ::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE);
        if (!self) {
            // The message that came after belongs to the caller's loop.
            if (retrieved && msg.message == WM_QUIT)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            else if (retrieved)
                ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            return;
        }
        if (!retrieved) {
            if (!FPopupVisible) break;
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!FPopupVisible) {
            // The message that came after the menu closed belongs to the caller's loop.
            ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            break;
        }
        if (msg.message == WM_COMMAND) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        if (!self) return;
    }
    // A quit or a failed retrieval ends the loop with the menu still open: it closes.
    if (FPopupVisible)
        if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl()))
            menu->CloseUp(bcrOther);
}
