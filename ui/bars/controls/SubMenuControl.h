// TovBarSubMenuControl: a drop-down or popup menu's bar control: its side band and icon column, detach
// caption, visible items, brushes, the item that opened it and where it opened (what item controls and the
// painter read); its layout from a scroll position with scroll bands and the expand mark of personalised
// menus (SubMenuControlLayout.cpp); its window, placement and opening animation (SubMenuControlWindow.cpp);
// its keys and mouse (SubMenuControlInput.cpp).
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/PopupMenu.h"
#include "ui/bars/controls/CustomBarControl.h"

#include <functional>
#include <memory>

class TovBarMenuAnimation;
struct TMessage;

class TovBarSubMenuControl : public TCustomovBarControl {
public:
    explicit TovBarSubMenuControl(TovBarManager* AManager);
    ~TovBarSubMenuControl() override;

    TovBarItemPaintType GetPaintType() const override { return iptMenu; }
    bool IsPopup() const override { return true; }
    // A menu lays its items out one under another: drops and insertion marks go by height.
    bool IsVerticalLayout() const override { return true; }
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
    // The frame's width on each side (the painter's border size); with AWithDetachCaption the top also
    // holds the detach caption area. Menus with bands of their own (a gallery's grip) add them here.
    virtual void GetBorders(bool AWithDetachCaption, TRect& R) const;
    // The window around the client: the borders with the detach caption area.
    TRect GetWindowRectLocal() const;
    TPoint GetClientOffset() const;

    // ---- Brushes
    HBRUSH GetFrameBrush() const;
    // Rarely used items of personalised menus are painted on it.
    HBRUSH GetLightBrush() const { return FLightBrush; }
    void SetLightBrush(HBRUSH ABrush) { FLightBrush = ABrush; }

    // ---- The opening item
    TovBarItemControl* GetOwnerItemControl() const;
    void SetOwnerItemControl(TovBarItemControl* AControl);
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

    // ---- Layout (from the top index; item rectangles in client coordinates)
    void CalcLayout() override;
    // The window size the menu asks for: every visible item from the first, the expand mark, frame and
    // margins; an empty menu is 100 pixels wide and a text line high.
    virtual TSize CalcMenuSize();
    // Widest item and summed heights from the top index.
    virtual void CalcContentSize(TSize& ASize);
    // Asked once the menu is placed: a child item control may want the menu at another size (ASize,
    // True); the menu is then placed again at that size. The base wants nothing.
    virtual bool AdjustSizeByChildItemControl(TSize& ASize) {
        ASize = TSize{0, 0};
        return false;
    }
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int AValue) { FMinWidth = AValue; }
    // The item control under a client point, or null.
    TovBarItemControl* ItemControlAt(const TPoint& AClientPoint) const;

    // ---- Scrolling
    int TopIndex() const { return FTopIndex; }
    // Clamped to the visible links (0 for an empty menu); a change lays out and repaints.
    void SetTopIndex(int AValue);
    bool CanScrollUp() const { return FTopIndex > 0; }
    bool CanScrollDown() const;
    int PlacedCount() const { return FPlacedCount; }
    // The scroll bands in client coordinates (empty when the menu cannot scroll that way).
    TRect ScrollButtonRect(bool ABottom) const { return ABottom ? FScrollDownRect : FScrollUpRect; }
    virtual int GetScrollTimerInterval() const;
    // Scrolls until the control is shown whole.
    void MakeItemVisible(TovBarItemControl* AControl);
    // The scroll timer's step: a band still hot scrolls one item, else scrolling stops.
    void ScrollTimerStep();
    bool ScrollTimerRunning() const { return FScrollTimer; }

    // ---- Personalised menus
    bool HasMark() const override;
    TRect GetMarkRect() const { return FMarkRect; }
    int GetMarkState() const override { return FMarkState; }
    void SetMarkState(int AState);
    // Shows every item of a personalised menu (and of every menu opened until the chain closes).
    void ExpandMenu();
    static bool MenusExpanded();
    static void SetMenusExpanded(bool AValue);
    // The expand timers: 2 selects the mark, 3 presses it.
    void ExpandTimerFired(UINT_PTR AId);
    UINT_PTR ExpandTimer() const { return FExpandTimer; }

    // ---- Window, placement and animation
    void Show() override;
    bool IsVisible() const override;
    void Repaint() override;
    void Rebuild() override;
    // Opening directions: where the menu goes when it has the choice (right and down by default).
    bool OpensLeft() const { return FOpensLeft; }
    bool OpensUp() const { return FOpensUp; }
    void SetDirections(bool ALeft, bool AUp) {
        FOpensLeft = ALeft;
        FOpensUp = AUp;
    }
    TPopupAlignment PopupAlignment() const { return FPopupAlignment; }
    void SetPopupAlignment(TPopupAlignment AValue) { FPopupAlignment = AValue; }
    // The window that owns the popup and gets the focus back when it closes.
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND AWnd) { FParentWindow = AWnd; }
    // Bounds of the owner element the menu drops from (screen; empty: none).
    void SetOwnerBounds(const TRect& R) { FOwnerBounds = R; }
    // Places the window (ASize zero: computed); the flips tell whether it went to the other side.
    virtual void CalcPosition(TSize ASize, bool& AFlippedX, bool& AFlippedY);
    // Places the open window again as if it had been shown at the point (no activation); later rebuilds
    // keep it there. The sub-menu editor moves the menu hanging below it so.
    void Reposition(const TPoint& AScreenPoint);
    // Told after the open window was placed (moved or sized).
    std::function<void(TovBarSubMenuControl*)> OnPlaced;
    TovBarMenuAnimations AnimationKind() const { return FAnimationKind; }
    TovBarMenuAnimation* Animation() const { return FAnimation.get(); }
    // Ends a running opening animation; with AFinish the window jumps to its final state.
    void StopAnimation(bool AFinish);
    // The whole window (frame and client) painted at the canvas's origin.
    void PaintWindowTo(TuiCanvas* ACanvas);
    TuiCanvas* GetCanvas() const override;
    // Fired by the window when it shows, and when it closes (with the reason).
    std::function<void(TovBarSubMenuControl*)> OnPopupNotify;
    std::function<void(TovBarSubMenuControl*, TovBarCloseUpReason)> OnCloseUpNotify;

    // ---- Input (the window's messages)
    // A key for the menu; True when it was used.
    virtual bool MenuKey(WORD AKey, TShiftState AShift);
    void MenuMouseMove(const TPoint& AClientPoint);
    void MenuMouseDown(const TPoint& AClientPoint, bool ARight);
    void MenuMouseUp(const TPoint& AClientPoint, bool ARight);
    // While customizing a left press selects the link and waits to drag it (a sub-item also opens or
    // closes its menu); a right press opens the link's customizing popup.
    void CustomizingMenuMouseDown(const TPoint& AClientPoint, bool ARight);
    void MouseLeave() override;
    // Right clicks choose items, as left ones do (not in a menu dropped from a toolbar's button).
    virtual bool RightButtonClicksItems() const;
    // The deepest open menu of the chain this menu belongs to.
    TovBarSubMenuControl* DeepestOpenMenu();

    // The procedure of the menu's own window class.
    void MenuWndProc(TMessage& AMessage);
    // The menu runs its own window (Show made it); a menu shown in a window of the bar base, or drawn
    // without one, keeps the base's handling.
    bool OwnsMenuWindow() const { return FOwnWindow; }

protected:
    void DoCloseUp() override;
    std::unique_ptr<TCustomovBarControlViewInfo> CreateViewInfo() override;
    virtual void CreateMenuWindow();
    virtual void DestroyMenuWindow();
    virtual void ShowMenuWindow();
    void PaintFrame(HDC ADC);
    void PaintClient(TuiCanvas* ACanvas);
    void SelectLink(TovBarItemLink* ALink, bool AByKey);
    void ClickControl(TovBarItemControl* AControl, bool AByMouse);
    void StartAnimation(bool AFlippedX, bool AFlippedY);
    void FinishAnimation();
    void StartExpandTimer(UINT_PTR AId, UINT AInterval);
    void KillExpandTimer();
    void StopScrollTimer();
    void ApplyRecentItemCount();
    void PlaceWindow(const TRect& ABounds);

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
    // The opening item's menu may be freed first (its controls go with it).
    TWeakLink<TovBarItemControl> FOwnerItemControl;
    TRect FOwnerRect{0, 0, 0, 0};
    TRect FOwnerEdgeRect{0, 0, 0, 0};
    TCustomovBarControl* FOwnerBar = nullptr;
    int FOwnerWidth = 0;
    int FOwnerHeight = 0;
    TPoint FPosition{0, 0};

    int FTopIndex = 0;
    int FPlacedCount = 0;
    int FMinWidth = 0;
    int FMarkState = 0;
    TRect FScrollUpRect{0, 0, 0, 0};
    TRect FScrollDownRect{0, 0, 0, 0};
    TRect FMarkRect{0, 0, 0, 0};
    TRect FOwnerBounds{0, 0, 0, 0};
    bool FOpensLeft = false;
    bool FOpensUp = false;
    TPopupAlignment FPopupAlignment = paLeft;
    HWND FParentWindow = nullptr;
    TPoint FPositionAtShow{0, 0};
    TPoint FMousePosAtPopup{0, 0};
    TPoint FLastMousePos{-1, -1};
    bool FScrollTimer = false;
    UINT_PTR FExpandTimer = 0;
    bool FExpanding = false;
    bool FIgnoreNextClick = false;
    bool FShowing = false;
    bool FSizeAdjustLock = false;
    TovBarMenuAnimations FAnimationKind = maNone;
    std::unique_ptr<TovBarMenuAnimation> FAnimation;
    TuiCanvas* FMenuPaintCanvas = nullptr;
    TovBarItemControl* FPressedControl = nullptr;
    bool FOwnWindow = false;
};

// Gives the bar unit's window factory its maker of sub-menu windows (the unit calls it at its start).
void ovBarRegisterSubMenuWindows();

// Where maRandom draws its number (0..99); tests replace it.
std::function<int()>& ovBarMenuAnimationRandom();
