#include "ui/bars/popupmenus/PopupMenu.h"

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

namespace {

bool IsPopupLoopButtonDown(UINT AMessage) {
    switch (AMessage) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

// The window is one of the open menus of the chain that starts at ARoot.
bool IsMenuWindowOfChain(TovBarSubMenuControl* ARoot, HWND AWnd) {
    for (TCustomovBarControl* bar = ARoot; bar != nullptr; bar = bar->ChildBar())
        if (bar->Handle() != nullptr && bar->Handle() == AWnd) return true;
    return false;
}

} // namespace

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
    RunMessageLoop();
    FreeClosedMenu();
}

bool TovBarCustomPopupMenu::RouteMessage(const MSG& AMsg) {
    auto* root = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl());
    if (root == nullptr) return false;
    if (IsPopupLoopButtonDown(AMsg.message) && !IsMenuWindowOfChain(root, AMsg.hwnd)) {
        // The deepest menu closes and the chain with it, level by level.
        root->DeepestOpenMenu()->CloseUp(bcrOther);
        return false;
    }
    if (AMsg.message == WM_KEYDOWN || AMsg.message == WM_SYSKEYDOWN) {
        TovBarSubMenuControl* target = root->DeepestOpenMenu();
        if (target->Handle() != nullptr)
            ::SendMessage(target->Handle(), AMsg.message, AMsg.wParam, AMsg.lParam);
        return true;
    }
    return false;
}

void TovBarCustomPopupMenu::RunMessageLoop() {
    while (FPopupVisible) {
        MSG msg;
        // The bar hooks run inside retrieval and may close the menu while taking the message that did it
        // (a key, a press outside): then nothing is retrieved, and the loop must not wait for more.
        if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!FPopupVisible) break;
            ::WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        const bool taken = RouteMessage(msg);
        if (!FPopupVisible) {
            // The message that closed the menu (or came after it) belongs to the caller's loop.
            if (!taken) ::PostMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            break;
        }
        if (taken || msg.message == WM_COMMAND) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    // A quit or a failed retrieval ends the loop with the menu still open: it closes.
    if (FPopupVisible)
        if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(FItemLinks->BarControl()))
            menu->CloseUp(bcrOther);
}
