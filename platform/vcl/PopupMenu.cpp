#include "platform/vcl/PopupMenu.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/PopupMenuWindow.h"
#include "platform/win/WinUser.h"

#include <functional>
#include <memory>

namespace popupmenu_detail {

// Runs the menu's loop until an item is chosen or the menu is cancelled.
class TMenuTracker {
public:
    TMenuTracker(TPopupMenuWindow* Root, std::function<bool()> CloseRequested)
        : FRoot(Root), FCloseRequested(std::move(CloseRequested)) {}

    TMenuItem* Run() {
        HWND capture = FRoot->Handle();
        ::SetCapture(capture);
        while (!FDone) {
            if (FCloseRequested()) break;
            MSG msg;
            if (!::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::WaitMessage();
                continue;
            }
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (HandleKey(msg) || HandleMouse(msg)) continue;
            if (msg.message == WM_CANCELMODE || msg.message == WM_ACTIVATEAPP) break;
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            if (::GetCapture() != capture) break;
        }
        if (::GetCapture() == capture) ::ReleaseCapture();
        return FDone ? FChosen.Get() : nullptr;
    }

private:
    TPopupMenuWindow* Deepest() const {
        TPopupMenuWindow* w = FRoot;
        while (w->SubWindow() != nullptr)
            w = w->SubWindow();
        return w;
    }

    void CloseSub(TPopupMenuWindow* Window) { delete Window->SubWindow(); }

    // Opens the sub-menu of the highlighted item of Window; its parent item's OnClick runs first.
    void OpenSub(TPopupMenuWindow* Window, bool SelectFirst) {
        TMenuItem* item = Window->SelectedItem();
        if (item == nullptr || item->Count() == 0 || !item->Enabled()) return;
        if (Window->SubWindow() != nullptr && Window->SubWindow()->Items() == item) {
            if (SelectFirst && Window->SubWindow()->Selected() < 0) Window->SubWindow()->SelectStep(true);
            return;
        }
        CloseSub(Window);
        item->InitiateAction();
        auto* sub = new TPopupMenuWindow(item, Window);
        if (sub->VisibleItems().empty()) {
            delete sub;
            return;
        }
        Window->SetSubWindow(sub);
        RECT r = Window->ItemRect(Window->Selected());
        POINT topRight = Window->ClientToScreen(POINT{Window->Width() - 3, r.top - 3});
        POINT topLeft = Window->ClientToScreen(POINT{3, r.top - 3});
        sub->ShowAt(topRight.x, topRight.y, topLeft.x);
        if (SelectFirst) sub->SelectStep(true);
    }

    void Choose(TMenuItem* Item) {
        if (Item == nullptr || Item->IsLine()) return;
        if (Item->Count() > 0) return;
        if (!Item->Enabled()) return;
        FChosen = Item;
        FDone = true;
    }

    // Enter or an accelerator on an item: a sub-menu opens, a command is chosen.
    void Activate(TPopupMenuWindow* Window) {
        TMenuItem* item = Window->SelectedItem();
        if (item == nullptr) return;
        if (item->Count() > 0)
            OpenSub(Window, true);
        else
            Choose(item);
    }

    bool HandleKey(const MSG& Msg) {
        switch (Msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            TPopupMenuWindow* w = Deepest();
            switch (Msg.wParam) {
            case VK_UP:
                w->SelectStep(false);
                break;
            case VK_DOWN:
                w->SelectStep(true);
                break;
            case VK_HOME:
                w->Select(-1);
                w->SelectStep(true);
                break;
            case VK_END:
                w->Select(-1);
                w->SelectStep(false);
                break;
            case VK_RIGHT:
                OpenSub(w, true);
                break;
            case VK_LEFT:
                if (w->ParentWindow() != nullptr) CloseSub(w->ParentWindow());
                break;
            case VK_ESCAPE:
                if (w->ParentWindow() != nullptr)
                    CloseSub(w->ParentWindow());
                else
                    FCancelled = true;
                break;
            case VK_RETURN:
                Activate(w);
                break;
            case VK_MENU:
                FCancelled = true;
                break;
            default:
                // Letters become characters, which choose items by their accelerators.
                ::TranslateMessage(&Msg);
                break;
            }
            if (FCancelled) FDone = true, FChosen.Reset();
            return true;
        }
        case WM_CHAR:
        case WM_SYSCHAR: {
            TPopupMenuWindow* w = Deepest();
            TMenuItem* found =
                FindAccelItem(w->Items(), static_cast<char32_t>(Msg.wParam), w->SelectedItem());
            if (found == nullptr) return true;
            const auto& items = w->VisibleItems();
            int matches = 0;
            for (TMenuItem* item : items)
                if (IsAccelOf(item, static_cast<char32_t>(Msg.wParam))) ++matches;
            for (int i = 0; i < static_cast<int>(items.size()); ++i)
                if (items[static_cast<std::size_t>(i)] == found) w->Select(i);
            if (matches == 1) Activate(w);
            return true;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
            return true;
        default:
            return false;
        }
    }

    static bool IsAccelOf(TMenuItem* Item, char32_t Key) {
        return !Item->IsLine() && IsAccel(Key, Item->Caption());
    }

    TPopupMenuWindow* WindowAt(POINT Screen) const {
        TPopupMenuWindow* found = nullptr;
        for (TPopupMenuWindow* w = FRoot; w != nullptr; w = w->SubWindow()) {
            RECT r = w->BoundsRect();
            if (::PtInRect(&r, Screen)) found = w;
        }
        return found;
    }

    bool HandleMouse(const MSG& Msg) {
        if (Msg.message < WM_MOUSEFIRST || Msg.message > WM_MBUTTONDBLCLK) return false;
        POINT screen{GET_X_LPARAM(Msg.lParam), GET_Y_LPARAM(Msg.lParam)};
        ::ClientToScreen(Msg.hwnd, &screen);
        TPopupMenuWindow* w = WindowAt(screen);
        POINT local = w != nullptr ? w->ScreenToClient(screen) : POINT{0, 0};
        const int index = w != nullptr ? w->ItemAtPos(local) : -1;
        switch (Msg.message) {
        case WM_MOUSEMOVE:
            if (w == nullptr || index < 0) break;
            if (w->Selected() != index) {
                w->Select(index);
                if (w->SubWindow() != nullptr && w->SubWindow()->Items() != w->SelectedItem()) CloseSub(w);
            }
            OpenSub(w, false);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            if (w == nullptr) {
                FCancelled = true;
                FDone = true;
                FChosen.Reset();
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (w == nullptr || index < 0) break;
            w->Select(index);
            Activate(w);
            break;
        default:
            break;
        }
        return true;
    }

    TPopupMenuWindow* FRoot;
    std::function<bool()> FCloseRequested;
    TWeakLink<TMenuItem> FChosen;
    bool FDone = false;
    bool FCancelled = false;
};

} // namespace popupmenu_detail

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() {
    FCloseRequested = true;
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (FPopupComponent == Value) return;
    if (FPopupComponent != nullptr) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TMenu::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

void TPopupMenu::CloseMenu() {
    if (FWindow != nullptr) FCloseRequested = true;
}

void TPopupMenu::Popup(int X, int Y) {
    if (FWindow != nullptr) return;
    FPopupPoint = POINT{X, Y};
    TWeakLink<TPopupMenu> self(this);
    DoPopup(this);
    if (!self) return;
    if (Application() != nullptr) Application()->CancelHint();
    auto root = std::make_unique<TPopupMenuWindow>(Items(), nullptr);
    if (root->VisibleItems().empty()) return;
    if (FAlignment == paRight)
        X -= root->Width();
    else if (FAlignment == paCenter)
        X -= root->Width() / 2;
    FCloseRequested = false;
    FWindow = root.get();
    TMenuItem* chosen = nullptr;
    try {
        root->ShowAt(X, Y, -1);
        popupmenu_detail::TMenuTracker tracker(root.get(),
                                               [&self] { return !self || self->FCloseRequested; });
        chosen = tracker.Run();
    } catch (...) {
        if (self) FWindow = nullptr;
        throw;
    }
    TWeakLink<TMenuItem> chosenLink(chosen);
    root.reset();
    if (!self) return;
    FWindow = nullptr;
    OnClose(this);
    if (chosenLink && self) chosenLink->Click();
}
