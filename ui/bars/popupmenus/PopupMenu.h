// TovBarCustomPopupMenu: a popup menu component: shows its links as a menu window at a screen point and,
// by default, runs its own message loop until the menu closes. The main window's context menus open
// through PopupFromCursorPos; buttons drop theirs through PopupEx without the loop.
//
// While the loop runs, WM_COMMAND messages posted to any window are dropped: a command the application
// posts while a menu is open never arrives, so it posts its own commands as private messages.
#pragma once

#include "platform/vcl/PopupMenu.h"
#include "ui/bars/popupmenus/PopupComponent.h"

#include <functional>
#include <memory>
#include <optional>

class TBitmap;
class TCanvas;
class TWinControl;
class TovBarItemControl;

using TovBarPaintSubMenuBarEvent = std::function<void(TObject*, TCanvas*, const TRect&)>;
using TovBarCloseUpWithReasonEvent = std::function<void(TObject*, TovBarCloseUpReason)>;

class TovBarCustomPopupMenu : public TovBarCustomPopupMenuComponent {
public:
    explicit TovBarCustomPopupMenu(TComponent* AOwner);
    ~TovBarCustomPopupMenu() override;

    bool GetEnabled() const override { return true; }

    // ---- Showing
    // Shows the menu with its top-left corner at the screen point; does nothing while it is open.
    void Popup(int X, int Y) override;
    void PopupFromCursorPos();
    // Popup with the owner element's size and bounds, the animation and the loop chosen for this call;
    // the defaults come back afterwards.
    void PopupEx(int X, int Y, int AOwnerWidth, int AOwnerHeight, bool AShowAnimation,
                 const TRect* AOwnerBounds, bool AUseOwnMessageLoop, TWinControl* AOwnerControl);
    // Opens aligned to the point as AAlignment says, dropping from the owner rectangle.
    void PopupAtRect(int X, int Y, const TRect& AOwnerBounds, TPopupAlignment AAlignment);
    // The open menu window, or null.
    TovBarSubMenuControl* GetSubMenuControl() const;
    bool PopupVisible() const { return FPopupVisible; }
    TovBarCloseUpReason LastCloseUpReason() const { return FLastCloseUpReason; }
    TovBarSubMenuControl* CreateSubMenuControl() override;

    // ---- Appearance
    TBitmap* BackgroundBitmap() const { return FBackgroundBitmap.get(); }
    void SetBackgroundBitmap(TBitmap* AValue);
    int BarSize() const { return FBarSize; }
    // Never negative.
    void SetBarSize(int AValue) { FBarSize = AValue < 0 ? 0 : AValue; }
    TFont* EditFont() const { return FEditFont.get(); }
    TPopupAlignment PopupAlignment() const { return FPopupAlignment; }
    void SetPopupAlignment(TPopupAlignment AValue) { FPopupAlignment = AValue; }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int AValue) { FMinWidth = AValue; }
    bool UseOwnMessageLoop() const { return FUseOwnMessageLoop; }
    bool ShowAnimation() const { return FShowAnimation; }
    // Set by a button's drop-down code around its PopupEx call: the menu becomes that toolbar's child.
    void SetOwnerItemControl(TovBarItemControl* AControl) { FOwnerItemControl = AControl; }
    void FontChanged() override;

    // ---- Events
    TNotifyEvent OnPopup;
    TNotifyEvent OnCloseUp;
    TovBarPaintSubMenuBarEvent OnPaintBar;
    TovBarCloseUpWithReasonEvent OnCloseUpWithReason;

protected:
    virtual void DoPopup() { OnPopup(this); }
    virtual void DoCloseUp() { OnCloseUp(this); }
    virtual void DoPaintBar(TCanvas* ACanvas, const TRect& R) {
        if (OnPaintBar) OnPaintBar(this, ACanvas, R);
    }
    // Runs until the menu closes; see the note at the top.
    void RunMessageLoop();
    // What the bar system's hooks do for a menu of this loop: a press outside the open menus closes them,
    // and keys go to the deepest open menu. True when the message was taken.
    bool RouteMessage(const MSG& AMsg);
    // The closed menu's window object is freed once nothing that ran inside its close-up still uses it.
    void FreeClosedMenu();

private:
    std::unique_ptr<TBitmap> FBackgroundBitmap;
    std::unique_ptr<TFont> FEditFont;
    int FBarSize = 0;
    std::optional<TRect> FOwnerBounds;
    TWinControl* FOwnerControl = nullptr;
    TovBarItemControl* FOwnerItemControl = nullptr;
    int FOwnerWidth = 0;
    int FOwnerHeight = 0;
    TPopupAlignment FPopupAlignment = paLeft;
    bool FPopupVisible = false;
    bool FShowAnimation = true;
    bool FUseOwnMessageLoop = true;
    int FMinWidth = 0;
    TovBarCloseUpReason FLastCloseUpReason = bcrNone;
};

// The published face of the popup menu.
class TovBarPopupMenu : public TovBarCustomPopupMenu {
public:
    using TovBarCustomPopupMenu::TovBarCustomPopupMenu;
};
