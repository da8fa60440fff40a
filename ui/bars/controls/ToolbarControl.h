// TovBarControl: a toolbar's bar control (docked or floating), as item controls and the painter read it:
// its toolbar, docking, caption, mark, close button and size grip, and the hidden links its mark offers.
#pragma once

#include "ui/bars/controls/CustomBarControl.h"

#include <string>

class TovBar;

class TovBarControl : public TCustomovBarControl {
public:
    TovBarControl(TovBarManager* AManager, TovBar* ABar);

    TovBar* Bar() const { return FBar; }
    TFont* GetFont() const override;
    TovBarItemPaintType GetPaintType() const override {
        return IsTextRotated() ? iptVertical : iptHorizontal;
    }
    bool IsTextRotated() const override;
    bool IsDockedVertically() const override;
    bool IsMainMenu() const override;
    bool IsSubMenuJoined() const override;
    // A toolbar draws the menus it opens joined to their owner item when its painter does.
    bool IsJoinedToOwner() const override { return true; }
    bool IsItemStretched(TovBarItemControl* AControl) const override;
    TovBarDockingStyle DockingStyleOf() const override;
    TovDockControl* GetDockControl() const override { return FDockControl; }
    void SetDockControl(TovDockControl* ADock) { FDockControl = ADock; }
    bool HasOwnBackground() const override;

    // ---- Frame
    bool IsHorizontalDocked() const;
    bool IsVerticalDocked() const;
    // The grip that moves the toolbar.
    virtual bool CanMove() const;
    virtual bool HasCaption() const { return DockingStyleOf() == dsNone; }
    virtual bool HasCloseButton() const;
    virtual bool HasSizeGrip() const;
    std::string GetCaption() const;
    // The caption colour for the active state of the main form.
    virtual TColor GetCaptionColor() const;
    virtual bool IsCaptionActive() const { return true; }
    // The caption band of a floating toolbar in window coordinates.
    virtual TRect GetCaptionClientRect() const;
    virtual TRect GetWindowRect() const { return FWindowRect; }
    void SetWindowRect(const TRect& R) { FWindowRect = R; }
    // Where the toolbar lies in its dock's client area (docked toolbars continue the dock's background).
    TRect BoundsInDock() const { return FBoundsInDock; }
    void SetBoundsInDock(const TRect& R) { FBoundsInDock = R; }
    // 0 normal, 1 hot, 2 pressed.
    int CloseButtonState() const { return FCloseButtonState; }
    void SetCloseButtonState(int AState) { FCloseButtonState = AState; }

    // ---- Mark
    bool HasMark() const override;
    int GetMarkSize() const override;
    void SetMarkState(int AState) { FMarkState = AState; }
    // The toolbar has links that found no room or are hidden (the mark shows chevrons).
    bool IsTruncated() const { return FTruncated; }
    void SetTruncated(bool AValue) { FTruncated = AValue; }
    bool AllowQuickCustomizing() const;
    TRect GetMarkRectInWindow() const;

protected:
    TovBar* FBar;
    TovDockControl* FDockControl = nullptr;
    TRect FWindowRect{0, 0, 0, 0};
    TRect FBoundsInDock{0, 0, 0, 0};
    int FCloseButtonState = 0;
    bool FTruncated = false;
};
