// TovBarPopupControl: a toolbar window that stands for another toolbar for as long as it is open. It shows
// the links of an internal, hidden toolbar made for it, hangs off an owner rectangle (the mark of the
// toolbar it was opened from), never moves, has no caption, and closes as a menu does: on a click
// elsewhere, when hidden, when its owner form is deactivated. The quick customization popup and the
// ribbon's popups derive from it.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/controls/ToolbarControl.h"

#include <memory>

class TComponent;
class TovBar;

class TovBarPopupControl : public TovBarControl {
public:
    explicit TovBarPopupControl(TovBarManager* AManager);
    ~TovBarPopupControl() override;

    // The toolbar the popup stands for, the hidden toolbar it shows, and the toolbar window it hangs off.
    TovBar* MasterBar() const { return FMasterBar; }
    TovBar* InternalBar() const { return FInternalBar; }
    TovBarControl* ParentToolbar() const;
    // Owns the items made for this popup (they are freed with it).
    TComponent* InternalItems() const { return FInternalItems.get(); }

    // ---- Added operations
    // The popup becomes the child of AParentBarControl and shows the links of a new internal bar.
    virtual void InitPopup(TovBarControl* AParentBarControl, TovBar* AMasterBar);
    virtual bool AllowMoving() const { return false; }
    // The window size the popup asks for (empty in the base).
    virtual void CalcPopupSize(TSize& ASize);
    // Alignment 0: right-aligned under the owner; 1: left-aligned under it.
    virtual void CalcPopupPosition(const TSize& ASize, const TRect& AOwnerRect, TPoint& APosition,
                                   int AAlignment);
    // Keeps the popup inside the work area: shifted left at the right edge, above the owner at the bottom.
    virtual void AdjustPopupPosition(TPoint& APosition, const TSize& ASize, const TRect& AWorkArea,
                                     const TRect& AOwnerRect);
    // While open the popup keeps the hot tracking of other bars locked (the base does).
    virtual bool KeepsHotTrackWhilePopup() const { return true; }
    // The owner rectangle in screen coordinates.
    virtual void GetOwnerRect(TRect& R) const { R = FOwnerRect; }
    void SetOwnerRect(const TRect& R) { FOwnerRect = R; }
    virtual void ClosePopup();
    // Sizes and places the window against the owner rectangle and shows it without activation; the popup
    // then leads the active chain, so a press elsewhere closes it.
    virtual void Popup(const TRect& AOwnerRect);
    // The owner moved (its toolbar was moved or sized): the popup is placed against it again.
    void Reposition(const TRect& AOwnerRect);
    // Which alignment Popup asks CalcPopupPosition for.
    virtual int PopupAlignment() const { return 1; }
    // The hiding timer (200 ms): when it fires, the popup closes unless the selected item control is one
    // of its own chain.
    void StartHiding();
    bool IsHidingTimerRunning() const { return FHidingTimer; }
    static constexpr unsigned HidingTime = 200;
    // Hides the window and frees the popup once the message being handled is done (a click that closed it
    // may still be running in one of its item controls).
    void Release();

    // ---- Overrides: no caption, no mark, no close button; internal; closes with its owner form
    TovBarDockingStyle DockingStyleOf() const override { return dsNone; }
    bool IsPopup() const override { return true; }
    bool IsInternal() const override { return true; }
    bool HasCaption() const override { return false; }
    bool HasCloseButton() const override { return false; }
    bool HasSizeGrip() const override { return false; }
    bool CanMove() const override { return false; }
    bool HasMark() const override { return false; }
    bool CloseUpOnOwnerDeactivate() const override { return true; }
    void CreateParams(TovBarWindowParams& AParams) const override;
    void WndProc(TMessage& AMessage) override;
    void DoHide() override;

protected:
    void DoCloseUp() override;
    // The close-up's own part: a press on the owner rectangle that closed the popup is not taken by the
    // parent toolbar as a press that opens it again; then ClosePopup.
    virtual void PopupClosedUp();

    TovBar* FMasterBar = nullptr;
    TovBar* FInternalBar = nullptr;
    TWeakLink<TovBar> FInternalBarLink;
    std::unique_ptr<TComponent> FInternalItems;
    TRect FOwnerRect{0, 0, 0, 0};
    bool FHidingTimer = false;
    bool FReleased = false;

private:
    // Size and place against the owner rectangle (the window is made when needed, not shown).
    void PlaceAgainst(const TRect& AOwnerRect);
    void StopHidingTimer();
    void HidingTimerFired();
};

// Private message a released popup posts itself: it is freed when it arrives.
constexpr UINT WM_OVBAR_RELEASEPOPUP = 0x8000 + 230;
