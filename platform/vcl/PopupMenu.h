// TPopupMenu: a menu that opens at a screen point (Popup) or for a control's context menu (AutoPopup).
// It is drawn by our own pop-up windows in the classic look and tracked in a loop of its own: arrows,
// Home/End, Enter, Esc, Left/Right for sub-menus and accelerator letters from the keyboard; pointing and
// clicking with the mouse; a click outside closes it. The chosen item runs once the menu has closed.
#pragma once

#include "platform/vcl/Menu.h"

class TPopupMenuWindow;

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;

    // Opens at (X, Y) in screen coordinates and returns when the menu has closed (and the chosen item, if
    // any, has run).
    virtual void Popup(int X, int Y);
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    POINT PopupPoint() const { return FPopupPoint; }
    // While the menu is open: its top-level window.
    TPopupMenuWindow* ActiveWindow() const { return FWindow; }
    // Closes an open menu without choosing.
    void CloseMenu();

    TNotifyEvent OnPopup;
    TNotifyEvent OnClose;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    virtual void DoPopup(TObject* Sender) { OnPopup(Sender); }

private:
    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
    TPopupAlignment FAlignment = paLeft;
    POINT FPopupPoint{0, 0};
    TPopupMenuWindow* FWindow = nullptr;
    bool FCloseRequested = false;
};
