// TovBarControl: a toolbar's bar control (docked or floating), as item controls and the painter read it:
// its toolbar, docking, caption, mark, close button and size grip, and the hidden links its mark offers.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/controls/DockedControl.h"

#include <memory>
#include <string>
#include <vector>

class TovBar;
class TovBarPopupControl;
struct WINDOWPOS;
struct TovToolbarSizingItem;

class TovBarControl : public TovBarDockedControl {
public:
    TovBarControl(TovBarManager* AManager, TovBar* ABar);
    ~TovBarControl() override;

    TFont* GetFont() const override;
    TovBarItemPaintType GetPaintType() const override {
        return IsTextRotated() ? iptVertical : iptHorizontal;
    }
    bool IsTextRotated() const override;
    // Outside customizing a right press anywhere on a toolbar opens the toolbars popup at the cursor.
    void CustomizingClick(TovBarItemControl* AControl) override;
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

    // Writes the window's place back into its bar: the docked style, dock, row sharing and position, or
    // the floating position and client size.
    void SavePosition() override;
    TovBarDockingStyle DockingStyle() const override { return DockingStyleOf(); }

    // ---- The window (ToolbarControlWindow.cpp): a child of its dock when docked, an owned tool window
    // that never activates when floating; it draws its own frame, grip and caption.
    void CreateParams(TovBarWindowParams& AParams) const override;
    void WndProc(TMessage& AMessage) override;
    // A toolbar docked on the left or right writes its text turned a quarter, reading downwards.
    void Paint(TuiCanvas* ACanvas) override;
    void DoRebuild(bool ARecreateControls) override;
    // A window moved or sized outside the toolbar's own updates writes its place back into the bar.
    void DoWindowPosChanged() override;
    // The frame measured anew (SWP_FRAMECHANGED) and the toolbar laid out for it.
    void UpdateFrame() override;
    // The window text becomes the caption and the frame (caption, close button) is drawn anew.
    void CaptionChanged() override;
    // Metrics again and, outside internal updates, no hot item and a rebuild.
    void FontChanged() override;
    // A floating window (and the floating one of a drag) takes the bar's opacity; docked and internal
    // windows are opaque. Where the screen shows no window alpha, opaque.
    void UpdateTransparency() override;
    IovBarDock* DockControl() const override;
    void ChangeStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) override;
    void InsertAt(POINT AScreenPoint) override;
    void MoveInDock(POINT AScreenPoint) override;
    void RemoveFromDock() override;
    RECT ScreenBounds() const override;
    // The window is a toolbar's own: docked in a dock's window, or floating. Otherwise it is a bar window
    // like any other (no frame, no grip, the base's layout and input).
    bool HasOwnFrame() const;
    // The border around the client in the current style (the grip included when docked).
    TRect BorderSizes() const;
    // Where a point of the window (window coordinates) lies: on an edge of a floating toolbar (HTLEFT,
    // HTTOP, HTRIGHT, HTBOTTOM; no corners), on the caption or grip (HTCAPTION), or elsewhere (HTCLIENT).
    int LogicalHitTest(POINT AWindowPoint) const;
    // The drag of the toolbar: both windows of the two states exist from its start to its end, and the
    // drag swaps between them.
    void BeginMoving();
    void EndMoving();
    bool IsMoving() const { return FMoving; }
    // Double-click on the grip or caption: a docked toolbar floats, a floating one docks (a toolbar never
    // docked goes into a new row at the top).
    void ToggleDocking();
    // The bounds a floating toolbar is sized to for a wanted window rectangle and the edge dragged.
    RECT SizingRect(const RECT& AWanted, int AEdge) const;
    // The floating caption's close button is caption button -2.
    int GetCaptionButtonAtPos(POINT P) const override;
    void CaptionButtonClick(int AIndex) override;
    void UpdateCaptionButtonStates(POINT P, bool APressed, int AIndex) override;

    // ---- Mark
    bool HasMark() const override;
    int GetMarkSize() const override;
    // 0 normal, 1 selected, 2 pressed: pressing opens the quick customization popup under the mark,
    // leaving the pressed state frees it (ToolbarControlMark.cpp).
    void SetMarkState(int AState);
    // Whether a client point (negative above a floating toolbar's client area) lies on the mark.
    bool IsPointOnMark(const TPoint& AClientPoint) const;
    // The mark in screen coordinates.
    TRect GetMarkScreenRect() const;
    // The open quick customization popup, or null.
    TovBarPopupControl* QuickPopup() const { return FQuickPopup.Get(); }
    // A selected mark the mouse leaves goes back to normal.
    void MouseLeave() override;
    // ---- Quick customization
    using TovBarQuickControlClass = TovBarPopupControl* (*)(TovBarManager* AManager);
    virtual TovBarQuickControlClass GetQuickControlClass() const;
    // The links that found no room on the toolbar go into the popup as copies, then its commands.
    virtual void AddHiddenLinksToQuickControl(TovBarPopupControl* AControl);
    virtual void AddQuickCustomizationCommands(TovBarPopupControl* AControl);
    // The "Add or Remove Buttons" list: one entry per command, Reset when it may, and Customize.
    virtual void FillQuickCustomizationList(TovBarItemLinks* ALinks);
    // The toolbar has links that found no room or are hidden (the mark shows chevrons).
    bool IsTruncated() const { return FTruncated; }
    void SetTruncated(bool AValue) { FTruncated = AValue; }
    bool AllowQuickCustomizing() const;
    TRect GetMarkRectInWindow() const;
    // The painter fades and a fader runs.
    bool IsFadingAvailable() const;
    // MDI buttons need a maximized MDI child, which this platform has not.
    virtual bool HasMDIButtons() const { return false; }
    TovBarControlMarkFadingHelper* MarkFadingHelper() const { return FMarkFadingHelper.get(); }

    // ---- Sizing and item layout (ToolbarControlSizing.cpp)
    // Floating toolbars and MultiLine bars wrap their links into rows.
    virtual bool IsMultiLine() const;
    // Wraps a link even when it is first in its row (never for toolbars).
    virtual bool AlwaysWrap() const { return false; }
    virtual int MinimalWidth(TovBarDockingStyle AStyle);
    virtual int GetMinHeight(TovBarDockingStyle AStyle);
    virtual int GetFullWidth(TovBarDockingStyle AStyle);
    virtual int GetFullHeight(TovBarDockingStyle AStyle);
    // The client size for a width (rows wrap, or a single row shows the links that fit).
    virtual void CalcFloatingSize(TovBarDockingStyle AStyle, int AWidth, TSize& ASize);
    void CalcFloatingSizeByHeight(TovBarDockingStyle AStyle, int AHeight, TSize& ASize);
    // The outer size of the window in a docking style (borders included; WholeRow bars as long as the dock).
    void CalcSizeForDockingStyle(TovBarDockingStyle AStyle, TSize& ASize);
    // Rows wrapped at ALimit, ASize arriving with the minimum size; writes each link's new-row flag.
    void CalcWrappedSize(TovBarDockingStyle AStyle, int ALimit, TSize& ASize);
    // One row of all visible links within ALimit: its size, and whether links were left out.
    void CalcRowSize(int ALimit, bool AVertical, TSize& ASize, bool& ATruncated);
    // The one line of a floating toolbar within ALimit: every link when recent links are not used, else as
    // many of the most recent links as fit (that count stays on the links).
    TSize CalcRecentLinksLine(int ALimit, bool AVertical);
    // Places the visible links' controls in the client area: rows or one truncated line, groups apart.
    void CalcBarLayout() override;
    // The items rect, then the links placed for the bar's paint type.
    void CalcLayout() override;
    // The painter's space between the client edge and the links.
    void GetMargins(TRect& R) const override { R = TRect{1, 1, 1, 1}; }
    TRect Margins() const {
        TRect r{};
        GetMargins(r);
        return r;
    }
    int GetBeginGroupSize() const override;
    // Left plus right, and top plus bottom, border of the window in a style.
    int GetHorzBorderSize(TovBarDockingStyle AStyle) const;
    int GetVertBorderSize(TovBarDockingStyle AStyle) const;
    // The main menu's close button block (no MDI children here), as width and height; 0 x 0 without it.
    TSize GetMDISize() const;
    // A separator of the last layout: its rectangle and whether it is a horizontal line.
    struct TSeparator {
        TRect Bounds;
        bool Horizontal;
    };
    const std::vector<TSeparator>& LayoutSeparators() const { return FSeparators; }
    // The cross size of the row each visible link was placed in, by visible index.
    int RowExtentOf(int AVisibleIndex) const;
    // Minimum and maximum lengths the dock row layout gave the window.
    int MinSize = 0;
    int MaxSize = 0;

protected:
    // The mark takes presses and hover before the items do (ToolbarControlMark.cpp).
    void DoMouseDown(TMouseButton AButton, TShiftState AShift, const TPoint& P, TovBarItemControl* AControl,
                     bool AInClient) override;
    void DoMouseMove(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl) override;
    // The hint timer of a selected mark (50 ms): a mark the mouse has left goes back to normal.
    void MarkHintTimer();
    // A moved or resized toolbar takes its open popup along.
    void MoveQuickPopup();
    void FreeQuickPopup();

    std::vector<TovToolbarSizingItem> VisibleSizingItems() const;
    void CalcWrappedRows(TovBarDockingStyle AStyle, int ALimit, TSize& ASize,
                         std::vector<TovToolbarSizingItem>& AItems);

    std::vector<TSeparator> FSeparators;
    std::vector<int> FRowExtents;
    std::unique_ptr<TovBarControlMarkFadingHelper> FMarkFadingHelper;
    // The style the window took last (the drag changes the window before the bar follows).
    TovBarDockingStyle FStyle = dsNone;
    bool FHasStyle = false;
    bool FMoving = false;
    // The windows of the docked and floating states while moving.
    HWND FDockedHandle = nullptr;
    HWND FFloatingHandle = nullptr;
    // Where the mouse took the window when the drag began, and the window's size then: a floating
    // window keeps that point under the mouse in the same proportion whatever shape it takes.
    POINT FGrabPoint{0, 0};
    SIZE FGrabSize{0, 0};

    void CreateWindowHandle() override;

private:
    // A floating toolbar moved off every monitor comes back into the work area under the cursor.
    void KeepOnScreen(WINDOWPOS& APos) const;
    HWND CreateStateWindow(bool ADocked);
    void SwapToStateWindow();
    void PaintNonClient();
    TovDockControl* FDockControl = nullptr;
    TRect FWindowRect{0, 0, 0, 0};
    TRect FBoundsInDock{0, 0, 0, 0};
    int FCloseButtonState = 0;
    bool FTruncated = false;
    TWeakLink<TovBarPopupControl> FQuickPopup;
    bool FMarkHintTimer = false;
};
