// TovBarSubMenuControl: a drop-down or popup menu's bar control, as item controls and the painter read
// it: its side band and icon column, detach caption, visible items, brushes, the item that opened it and
// where it opened.
#pragma once

#include "ui/bars/controls/CustomBarControl.h"

class TovBarSubMenuControl : public TCustomovBarControl {
public:
    explicit TovBarSubMenuControl(TovBarManager* AManager);

    TovBarItemPaintType GetPaintType() const override { return iptMenu; }
    bool IsPopup() const override { return true; }
    TovBarBehaviorOptions GetBehaviorOptions() const override;
    int GetItemHeight(TovBarItemControl* AControl) const override;
    void FillBackground(HDC ADC, const TRect& R, TColor AColor, HBRUSH ABrush) override;
    HBRUSH GetBackgroundBrush() const override;
    bool HasOwnBackground() const override { return true; }
    TRect GetOwnerEdgeRect() const override { return FOwnerEdgeRect; }
    bool IsJoinedToOwner() const override { return !uiIsRectEmptyRect(FOwnerRect); }

    // ---- Bands and columns
    // 2: the glyph column is painted as a band of its own.
    virtual int GetBandKind() const { return FBandKind; }
    void SetBandKind(int AKind) { FBandKind = AKind; }
    // Width of the vertical side band left of the items (the sub-item's BarSize).
    virtual int GetBarSize() const { return FBarSize; }
    void SetBarSize(int AValue) { FBarSize = AValue; }
    int GetGlyphAreaWidth() const { return GetIconAreaSize(); }
    int GetContentIndent() const;
    virtual TRect GetBandRect() const;
    // The items' rectangle (the client less the painter's content offsets).
    virtual TRect GetVisibleItemsRect() const;
    virtual TovBarItemControl* GetFirstVisibleControl() const;
    virtual TovBarItemControl* GetLastVisibleControl() const;
    // The height of the expand button of personalised menus.
    int GetMarkSize() const override { return FMarkSize; }
    void SetMarkSize(int AValue) { FMarkSize = AValue; }
    // The menu shows the rarely used items of a personalised menu (painters may darken its band).
    bool IsNonRecent() const { return FNonRecent; }
    void SetNonRecent(bool AValue) { FNonRecent = AValue; }

    // ---- Detach caption
    virtual bool HasDetachCaption() const { return FDetachable; }
    void SetDetachable(bool AValue) { FDetachable = AValue; }
    bool DetachCaptionHot() const { return FDetachCaptionHot; }
    void SetDetachCaptionHot(bool AValue) { FDetachCaptionHot = AValue; }
    int GetDetachCaptionHeight() const;
    int GetDetachCaptionAreaHeight() const;
    // In window coordinates: the band at the top of the frame.
    TRect GetDetachCaptionRect() const;
    // The window around the client: the frame on every side and the detach caption area at the top.
    TRect GetWindowRectLocal() const;
    TPoint GetClientOffset() const;

    // ---- Brushes
    HBRUSH GetFrameBrush() const;
    // Rarely used items of personalised menus are painted on it.
    HBRUSH GetLightBrush() const { return FLightBrush; }
    void SetLightBrush(HBRUSH ABrush) { FLightBrush = ABrush; }

    // ---- The opening item
    TovBarItemControl* GetOwnerItemControl() const { return FOwnerItemControl; }
    void SetOwnerItemControl(TovBarItemControl* AControl) { FOwnerItemControl = AControl; }
    TRect OwnerRect() const { return FOwnerRect; }
    void SetOwnerRect(const TRect& R) { FOwnerRect = R; }
    TCustomovBarControl* OwnerBar() const { return FOwnerBar; }
    void SetOwnerBar(TCustomovBarControl* ABar) { FOwnerBar = ABar; }
    int OwnerWidth() const { return FOwnerWidth; }
    int OwnerHeight() const { return FOwnerHeight; }
    void SetOwnerSize(int AWidth, int AHeight) {
        FOwnerWidth = AWidth;
        FOwnerHeight = AHeight;
    }
    // How far the menu's first item lies below the menu's top (sub-menus open level with their owner).
    virtual int GetTopOffset() const;
    TPoint Position() const { return FPosition; }
    virtual void MoveTo(const TPoint& AScreenPoint);
    bool ShowAnimation() const { return FShowAnimation; }
    void SetShowAnimation(bool AValue) { FShowAnimation = AValue; }
    // Opened from the keyboard the menu selects its first selectable link (True in the base).
    virtual bool SelectsFirstLinkFromKeyboard() const { return true; }
    void SelectFirstSelectableLink();
    void SetOwnerEdgeRect(const TRect& R) { FOwnerEdgeRect = R; }

private:
    static bool uiIsRectEmptyRect(const TRect& R) { return R.right <= R.left || R.bottom <= R.top; }

    int FBandKind = 0;
    int FBarSize = 0;
    int FMarkSize = 0;
    bool FDetachable = false;
    bool FDetachCaptionHot = false;
    bool FShowAnimation = false;
    bool FNonRecent = false;
    HBRUSH FLightBrush = nullptr;
    TovBarItemControl* FOwnerItemControl = nullptr;
    TRect FOwnerRect{0, 0, 0, 0};
    TRect FOwnerEdgeRect{0, 0, 0, 0};
    TCustomovBarControl* FOwnerBar = nullptr;
    int FOwnerWidth = 0;
    int FOwnerHeight = 0;
    TPoint FPosition{0, 0};
};
