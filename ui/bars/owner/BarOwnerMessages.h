// What a bar manager does with the messages of the window that owns it: the application losing the
// activation and cancel mode close the open menus; the owner form's activation hides and shows the
// floating toolbars; a display change brings them back on screen; F1 on a menu item asks the
// application's help for the item's context (or that of the sub-item that opened its menu); the layout is
// stored when the owner window goes with its owner, never when the window is only made again.
//
// Messages arrive through HandleOwnerMessage from the bar system's call-window-procedure hook
// (BarOwnerRouting.h).
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WeakLink.h"
#include "platform/rtl/WinTypes.h"

#include <functional>

class TCustomovBarControl;
class TovBarItemControl;
class TovBarManager;
struct WINDOWPOS;

// Shows help for a context: at APopupPos (screen) as a popup when given, else as the application's
// help for the context. Tests and the application install theirs; without one nothing shows.
using TovBarHelpHandler = std::function<void(int AContext, const TPoint* APopupPos)>;
void ovSetBarHelpHandler(TovBarHelpHandler AHandler);
// Asks the installed help handler for a context (nothing without one, or for context 0).
void ovBarShowHelpContext(int AContext, const TPoint* APopupPos);

// The handler's own state bits.
enum TovBarOwnerStateBit : unsigned {
    bosCancelMode = 0x10,
    bosShowingFloatingBars = 0x40,
    bosDeactivatedWhileDisabled = 0x80,
};

class TovBarOwnerMessages : public TObject {
public:
    explicit TovBarOwnerMessages(TovBarManager* AManager);
    ~TovBarOwnerMessages() override;

    TovBarManager* Manager() const { return FManager; }
    // The owner's window as last seen: its WM_DESTROY comes when the control no longer holds it.
    HWND OwnerWindow();
    // AWnd is the window that received the message (the owner, or for broadcast messages a window
    // the owner lies in).
    void HandleOwnerMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);

    void HandleActivate(int AState, bool AMinimized, HWND AWnd, HWND AOther);
    void HandleActivateApp(bool AActive);
    void HandleCancelMode();
    void HandleHelp(HANDLE AItemHandle, const TPoint& AMousePos);
    // Help for the item control C of bar control B (C may be null).
    void ShowHelp(TCustomovBarControl* ABar, TovBarItemControl* AControl);
    // Moves every floating toolbar into the work area of the owner's monitor.
    void KeepFloatingBarsOnScreen();

    bool MainFormActive() const { return FMainFormActive; }
    void SetMainFormActive(bool AValue, bool AForced = false, HWND AOther = nullptr);
    unsigned State() const { return FState; }

private:
    void UpdateFloatingBars(bool AActive, bool AForced, HWND AOther);
    // The owner's window goes while the owner lives: the shown toolbars wait for the next one.
    void PutBarsToWait();
    // The owner's new window exists: docks get their windows, the waiting toolbars show.
    void ShowWaitingBars();
    // The open bar control when it is this manager's.
    void CloseOwnOpenBar();
    HWND TopFormHandle() const;
    // While customizing, the Customize window and the customizing popup follow the owner's window.
    void FollowOwnerPosition(const WINDOWPOS& APos);

    TovBarManager* FManager;
    HWND FOwnerWnd = nullptr;
    unsigned FState = 0;
    bool FMainFormActive = false;
};
