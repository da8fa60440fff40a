// TCustomovBarControl: the window under every bar (toolbar, drop-down menu, ribbon group) and what it
// offers its item controls and the bar painter: its painter, canvas, font and text metrics, paint type,
// behaviour options, selection and hot tracking, the parent and child bars of an open menu chain, the
// process-wide chain of active bars and its closing, fading, hints, and the fill of its background.
// A control works without a window too (measuring, the painting tests' stand-ins); once its window
// exists it lays out its item controls, paints them through the painter and routes mouse and keys to
// them. It never draws anything itself. The answers here are the base ones; the toolbar, menu and dock
// classes add theirs.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WeakLink.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Messages.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TuiCanvas;
class IovFader;
class TovBarPainter;
class TovBarItemControl;
class TovDockControl;
class TCustomovBarControlViewInfo;
class IuiMouseTrackingCaller;
class TovBarContainerLinkData;
class TovBarItem;

// Private messages every bar window answers: rebuild later, and close up later with the reason in the low
// byte of WParam.
constexpr UINT WM_OVBAR_REBUILD = 0x8000 + 200;
constexpr UINT WM_OVBAR_CLOSEUP = 0x8000 + 210;

// What a bar window is made with: the popup bars' default is a top-most tool window that never activates,
// owned by the manager's form.
struct TovBarWindowParams {
    DWORD Style = 0;
    DWORD ExStyle = 0;
    HWND Parent = nullptr;
};

// The bar state word: phases during which re-entry must be a no-op.
enum : unsigned {
    bcsCreatingControls = 0x001,
    bcsDestroyingControls = 0x002,
    bcsDestroyingWindow = 0x004,
    bcsBeingDestroyed = 0x008,
    bcsDestroyed = 0x010,
    bcsClosingUp = 0x020,
    bcsPaintingItem = 0x040,
    bcsRebuilding = 0x080,
    bcsUpdatingCanvasFont = 0x100
};

// Set by the bar system's mouse hook while it closes menus after a press outside them: the button state
// is then asked of the hardware, as the message queue no longer reflects it.
bool ovBarClosingMenusAfterOutsidePress();
void ovBarSetClosingMenusAfterOutsidePress(bool AValue);

class TCustomovBarControl : public TObject, public IovBarControl {
public:
    TCustomovBarControl(TovBarManager* AManager, TovBarControlKind AKind);
    ~TCustomovBarControl() override;
    TCustomovBarControl(const TCustomovBarControl&) = delete;
    TCustomovBarControl& operator=(const TCustomovBarControl&) = delete;

    TovBarManager* GetBarManager() const { return FManager; }
    // The links the control shows; connecting makes their item controls.
    TovBarItemLinks* ItemLinks() const { return FItemLinks; }
    void SetItemLinks(TovBarItemLinks* ALinks);

    // ---- The model's interface
    TovBarControlKind Kind() const override { return FKind; }
    void RecreateControls() override;
    void CreateControls() override;
    void DestroyControls() override;
    void Rebuild() override;
    void RebuildBar(bool ARecreateControls) override;
    void UpdateFrame() override {}
    void Repaint() override;
    void CloseUp(TovBarCloseUpReason AReason) override;
    bool IsActive() const override { return FActive; }
    bool IsVisible() const override { return FVisible; }
    bool IsDestroying() const override { return FDestroying; }
    RECT ClientBounds() const override { return FClientRect; }
    TovBarItemControl* SelectedControl() const override { return FSelectedControl; }
    void ClearSelection() override { SetSelectedControl(nullptr); }
    HWND Handle() const override { return FHandle; }
    void Show() override;

    // ---- The window
    // The window is made on demand with CreateParams and the current bounds; its item controls, font and
    // metrics follow (CreateWindowHandle). Destroying it frees nothing but the window.
    void HandleNeeded();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void DestroyHandle();
    virtual void CreateParams(TovBarWindowParams& AParams) const;
    // Bounds in the parent's client coordinates (the screen's for popup bars); the window follows.
    TRect BoundsRect() const { return FBounds; }
    void SetBounds(const TRect& ABounds);
    // The window shown without activation, and hidden.
    void Hide();
    // The window's message handling: the base answers, then DefaultHandler. Subclasses extend it.
    virtual void WndProc(TMessage& AMessage);
    void DefaultHandler(TMessage& AMessage);
    // The message being handled (item controls re-send it).
    const TMessage& CurrentMessage() const { return FCurrentMessage; }
    // The bar control whose window AWnd is; null for other windows.
    static TCustomovBarControl* FromHandle(HWND AWnd);
    // The nearest bar control up AWnd's parent chain (AWnd itself included).
    static TCustomovBarControl* FromChildHandle(HWND AWnd);
    unsigned State() const { return FState; }
    bool BeingDestroyed() const { return (FState & bcsBeingDestroyed) != 0 || FDestroying; }
    void BeginUpdate() { ++FLockCount; }
    void EndUpdate() { --FLockCount; }
    // The manager's update lock is on, or the control's own.
    bool IsLocked() const;
    // Rebuilds the layout and the item controls (when asked); a no-op without a window, while locked or
    // from inside another rebuild.
    virtual void DoRebuild(bool ARecreateControls);
    // Called with the control when its destruction starts.
    void (*DestroyNotify)(TCustomovBarControl* AControl) = nullptr;

    // ---- Metrics and layout
    // Text size, ratio, menu arrow height, icon area, edit text size and combo arrow width for the
    // current painter and fonts.
    virtual void CalcMetrics();
    // Places the item controls: the base takes the items rect; toolbars and menus add their layouts.
    virtual void CalcLayout();
    virtual void CalcItemsRect();
    virtual void GetMargins(TRect& R) const { R = TRect{0, 0, 0, 0}; }
    // Empties every link's rectangle and lays them out by paint type: iptMenu one under another from
    // ATopIndex, the others through CalcBarLayout.
    void CalcItemControlsPositions(TovBarItemPaintType APaintType, int ATopIndex);
    virtual void CalcMenuLayout(int AFromIndex, int& ATop);
    virtual void CalcBarLayout() {}
    virtual void CalcItemRect(TovBarItemLink* ALink, const TRect& ATopLeftRect, TRect& R);
    virtual int GetBeginGroupSize() const { return 0; }
    int GetBeginGroupOffset(TovBarItemLink* ALink) const;
    virtual bool IsItemClipped(const TRect& R) const { return false; }
    virtual void AdjustVisibleItemsTop() {}
    virtual void AdjustVisibleItemsBottom() {}
    void RecalcViewInfo();
    TCustomovBarControlViewInfo* ViewInfo() const { return FViewInfo.get(); }
    TRect ItemsRect() const { return FItemsRect; }
    TRect VisibleItemsRect() const { return FVisibleItemsRect; }
    // The item control at a client point (the first in view-info order whose bounds hold it).
    virtual TovBarItemControl* ItemControlAtPos(const TPoint& P) const;
    // While customizing, a bar that refuses has no item anywhere (bars of the system's own).
    virtual bool CanCustomize() const { return true; }
    // Where a dragged item would drop at a client point.
    virtual void CalcDropPosition(const TPoint& P, TovBarItemLink*& ALink, bool& AIsVertical, bool& ABefore,
                                  bool& AOnSeparator);
    virtual bool IsVerticalLayout() const { return IsDockedVertically(); }
    // Asked while an item is dragged over the bar (client coordinates): the bar may refuse the drop.
    virtual void HookMouseMove(int X, int Y, bool& AAccept) {}
    virtual void GetItemControlDropRect(TovBarItemControl* AControl, TRect& R) const;
    int GetEditTextSize() const { return FEditTextSize; }
    // Container items shown in place of their links (menus, outside customizing): their generated links
    // go after each container's link, and come out again.
    void ExpandContainerLinks();
    void CollapseContainerLinks();
    int ExpandedContainerCount() const { return static_cast<int>(FExpandedContainers.size()); }
    int GetComboArrowWidth() const { return FComboArrowWidth; }

    // ---- Painting
    // The whole client area: item controls first (each then excluded from the clip), then the
    // background in what is left.
    virtual void Paint(TuiCanvas* ACanvas);
    void DrawItemControls(TuiCanvas* ACanvas);
    virtual bool CanDrawItemControl(TovBarItemControl* AControl) const;
    void PaintItemControl(TuiCanvas* ACanvas, TovBarItemControl* AControl);
    virtual void DrawItemControl(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawBackgroundArea(HDC ADC, const TRect& R, bool AIsClientArea, TColor AColor,
                                    HBRUSH ABrush);
    void DrawBackgroundInRegion(HDC ADC, HRGN ARegion, bool AIsClientArea, HBRUSH ABrush);
    virtual void DrawNonClientArea(HDC ADC) {}
    // Whether WM_NCPAINT draws the frame through DrawNonClientArea (the base window has no frame).
    virtual bool HasNonClientArea() const { return false; }
    virtual HDC GetNCDC();
    virtual void ReleaseNCDC(HDC ADC);
    // Toolbars show the move cursor over their drag handle and while moving.
    void SetMoveCursor(bool AMoving);
    // The brush of the item being painted.
    HBRUSH CurrentBackgroundBrush() const { return FCurrentBackgroundBrush; }

    // ---- Painter, canvas, fonts
    // The control's own painter, else its parent bar's, else its dock's, else the manager's default.
    virtual TovBarPainter* GetPainter() const;
    void SetPainter(TovBarPainter* APainter) { FPainter = APainter; }
    // The canvas the control measures and paints on.
    virtual TuiCanvas* GetCanvas() const;
    virtual TFont* GetFont() const;
    virtual TFont* GetEditFont() const;
    // Height of a text line plus the painter's padding (the painter's default text extent).
    virtual int GetTextSize() const;
    // Width of the glyph column of menus, and the row height of their items.
    virtual int GetIconAreaSize() const;
    virtual int GetItemHeight(TovBarItemControl* AControl) const { return GetIconAreaSize(); }
    // The text size against the painter's base text size, at least 1 (1 until the metrics are computed).
    virtual double GetRatio() const { return FRatio; }
    virtual int GetMenuArrowWidth() const;
    virtual int GetMenuArrowHeight() const;
    // The control's own image list (a popup menu's); null: the manager's.
    virtual TCustomImageList* GetImages() const;
    virtual TBitmap* GetDefaultGlyph() const { return nullptr; }

    // ---- Layout questions
    virtual TovBarItemPaintType GetPaintType() const { return iptHorizontal; }
    virtual bool IsTextRotated() const { return false; }
    virtual bool IsDockedVertically() const { return false; }
    virtual bool IsItemStretched(TovBarItemControl* AControl) const { return false; }
    virtual TovBarBehaviorOptions GetBehaviorOptions() const { return FBehaviorOptions; }
    void SetBehaviorOptions(TovBarBehaviorOptions AValue) { FBehaviorOptions = AValue; }
    virtual TovBarItemViewLevel GetItemControlViewLevel(TovBarItemControl* AControl) const {
        return ivlDefault;
    }
    virtual bool IsMainMenu() const { return false; }
    virtual bool IsPopup() const { return false; }
    virtual bool IsOnGlass() const { return false; }
    // An opened menu is drawn joined to its owner item (toolbars ask the painter; menus never are).
    virtual bool IsSubMenuJoined() const { return false; }
    // The control is joined to the item that opened it.
    virtual bool IsJoinedToOwner() const { return false; }
    virtual bool HasMark() const { return false; }
    virtual int GetMarkSize() const { return 0; }
    // 0 normal, 1 hot, 2 pressed.
    virtual int GetMarkState() const { return FMarkState; }
    virtual TovBarDockingStyle DockingStyleOf() const { return dsNone; }
    virtual TovDockControl* GetDockControl() const { return nullptr; }
    // The control paints a background of its own (a colour or a picture of the bar, or the painter's).
    virtual bool HasOwnBackground() const;
    virtual TBitmap* GetBackgroundBitmap() const { return FBackgroundBitmap; }
    void SetBackgroundBitmap(TBitmap* ABitmap) { FBackgroundBitmap = ABitmap; }
    // Internal menus (the customizing popup) answer False: they work as menus while their manager customizes.
    virtual bool IsCustomizing() const;
    bool IsDesigning() const;

    // ---- Brushes and background (the painter's)
    virtual HBRUSH GetBackgroundBrush() const;
    HBRUSH GetDownedBrush() const;
    HBRUSH GetDownedSelBrush() const;
    HBRUSH GetSelBrush() const;
    // The strip where a drop-down touches its owner item, and its brush; empty without an owner.
    virtual TRect GetOwnerEdgeRect() const { return TRect{}; }
    // Screen bounds of the item that opened this bar (empty when none): menus answer their owner item's.
    virtual TRect GetOwnerBounds() const { return TRect{0, 0, 0, 0}; }
    // The bar's bounds touch the owner's along an edge, the two spans overlapping.
    bool IsAdjacentToOwner() const;
    // The one-pixel strip of the bar where it meets its owner, short of the corners, in window
    // coordinates; AInParent: one pixel outwards, in the parent's (screen) coordinates. Empty unless
    // the bar touches its owner.
    TRect CalcOwnerEdgeRect(bool AInParent) const;
    virtual HBRUSH GetOwnerBrush() const { return GetBackgroundBrush(); }
    // Fills R with the control's background: a colour (not clNone) directly, otherwise through the
    // painter with ABrush standing for the plain background.
    virtual void FillBackground(HDC ADC, const TRect& R, TColor AColor, HBRUSH ABrush);

    // ---- Selection, hot tracking, focus
    void SetSelectedControl(TovBarItemControl* AControl);
    virtual void HotTrackItemControl(TovBarItemControl* AControl);
    virtual void AfterSelectItemControl(TovBarItemControl* AControl) {}
    virtual void BarGetFocus(TovBarItemControl* ASelected);
    virtual void BarLostFocus();
    // Joins (True) or leaves the process-wide chain of active bars.
    void SetActive(bool AValue);
    virtual bool CanSetActive() const;
    // A window exists and it and all its parents are enabled.
    bool IsWindowEnabled() const;
    // The bar lies on the chain from the active bar control up its parents (True when none is active).
    bool IsInActiveBarChain() const;
    // The parent bar, unless this bar is internal and the parent is not.
    TCustomovBarControl* GetParentInChain() const;
    virtual bool IsInternal() const { return false; }
    // The keyboard goes back to the manager's owner (a bar never keeps the focus).
    virtual void PassFocus();
    // The common part of keyboard and mouse selection.
    virtual void DoSetSelectedControl(TovBarItemControl* AControl);
    // Press of an enabled, selectable control: it is selected and gets the mouse-down.
    virtual void DoClickItemControl(TovBarItemControl* AControl);
    TovBarItemControl* ClickedControl() const { return FClickedControl; }
    bool Downed() const { return FDowned; }
    void SetDowned(bool AValue) { FDowned = AValue; }
    // The next left-button down and double-click are ignored, and the next up only clears the flag.
    void SetIgnoreNextClick(bool AValue) { FIgnoreNextClick = AValue; }
    // 0 normal, 1 the mouse is over the bar.
    int ViewState() const { return FViewState; }
    void SetViewState(int AState);
    virtual void ViewStateChanged(int AOldState) {}
    // The last cursor position the bar saw, (-1, -1) for none.
    TPoint LastMousePosition() const { return FLastMousePosition; }

    // ---- Keys
    // Arrows, Home/End, Tab and accelerators move the selection; then ProcessKey.
    virtual void ProcessNavigationKey(WORD& AKey, TShiftState AShift);
    // Enter clicks the selected control; Escape hides this bar (one level).
    virtual void ProcessKey(TMessage& AMessage);
    virtual bool AcceptsKey(WORD AKey, TShiftState AShift) const { return true; }
    virtual bool ClosesOnAnyKey() const { return false; }
    TovBarItemLink* FindLinkByAccel(WORD AKey, TShiftState AShift, TovBarItemLink* AStartLink) const;
    // Nil when none matches or its item is disabled; ANotUnique: another link has the same accelerator.
    TovBarItemLink* FindEnabledLinkByAccel(WORD AKey, TShiftState AShift, bool& ANotUnique,
                                           TovBarItemLink* AStartLink) const;
    // Selects the control; a unique accelerator clicks it (Enter sent to the bar).
    virtual void SelectByAccel(TovBarItemControl* AControl, bool ANotUnique);
    bool IsKeyForSelectedControl(WORD AKey);
    // Ctrl+Tab: the next (or previous) visible, enabled toolbar with a selectable item, across the
    // managers of the same form; null when the walk comes back to this bar's toolbar.
    virtual TCustomovBarControl* GetNextBarControl(bool AForward) const;
    // The keyboard moves from this chain's toolbar to that toolbar's first selectable item.
    void FocusNextToolbar(bool AForward);

    // ---- Mouse
    virtual void MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y);
    virtual void MouseMove(TShiftState AShift, int X, int Y);
    virtual void MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y);
    virtual void DoLButtonUp(const TMessage& AMessage);
    // While customizing, a press on the design-selected control makes its link wait to be dragged: the
    // drag starts once the mouse leaves the system drag rectangle around P, with the capture on the bar.
    void BeginItemDrag(const TPoint& P, TovBarItemControl* AControl);
    // The pending drag is forgotten (the capture went elsewhere, or the button came up).
    void CancelItemDrag();
    // A pending drag whose mouse left the system drag rectangle at P (client) starts; True when it did
    // (the move is then taken).
    bool StartPendingDrag(const TPoint& P);
    bool DragPending() const { return FDragPending; }
    // A double click on the selected control: the designer shows its handler; a control that can click
    // on a bar with a mark presses the mark; else the control's own double click.
    virtual void DoItemDblClick(TovBarItemControl* AControl);
    virtual void TrackMousePosition(TShiftState AShift, int X, int Y);
    virtual void MouseEnter(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl);
    virtual void MouseLeave();
    // The mouse left the bar (no longer tracked).
    void TrackingMouseLeave();
    virtual bool CanHotTrack(const TPoint& P, TovBarItemControl* AControl) const { return true; }
    virtual bool IsMouseTrackingLocked() const { return false; }
    bool IsMouseOutside(bool ACheckMoved) const;
    // Screen position of the mouse message being handled, else of the cursor.
    TPoint CurrentMousePosition() const;
    // A mouse-down on the owner control while this bar is active (the hooks tell it).
    virtual void MouseDownOnOwnerControl(HWND AWnd, UINT AMsg, const TPoint& AScreenPoint) {}
    // The window is the bar's own, one of its children, or owned by its child bar or selected control.
    virtual bool OwnsWindow(HWND AWnd) const;
    virtual bool IsOwnerControlWindow(HWND AWnd) const { return false; }
    virtual bool HandlesMouseWheel() const { return false; }
    // The screen rectangle in which the mouse counts as over the bar (the window's).
    virtual TRect MouseTrackingBounds() const;
    // A screen point lies over the bar: its own window or one of its items.
    bool IsMouseOverBar(const TPoint& AScreenPoint) const;
    // An in-place editor of the bar finished: with the keep-selection option its control stays selected,
    // else the bar closes as for Escape.
    virtual void EditControlFinished(TovBarItemControl* AControl);
    // Whether the focus going to AWnd closes the bar: while customizing any window but the bar's own; else
    // unless the selected control refuses to let go.
    virtual bool ShouldCloseUpForWindow(HWND AWnd) const;
    // Menus close when their owner window is deactivated; toolbars stay.
    virtual bool CloseUpOnOwnerDeactivate() const { return false; }
    virtual bool IsStatusBarLike() const { return false; }
    // The mouse went down on the control and is not yet up (a toolbar's "pressed" state).
    bool MouseDownState() const { return FMouseDown; }
    void SetMouseDownState(bool AValue) { FMouseDown = AValue; }
    TovBarItemControl* HintControl() const { return FHintControl; }
    void SetHintControl(TovBarItemControl* AControl) { FHintControl = AControl; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool AValue) { FEnabled = AValue; }
    void SetVisible(bool AValue) { FVisible = AValue; }

    // ---- Open menu chain
    TCustomovBarControl* ParentBarControl() const { return FParentBar.Get(); }
    // The parent becomes ABar and ABar's child bar this control.
    void SetParentBarControl(TCustomovBarControl* ABar);
    TCustomovBarControl* ChildBar() const { return FChildBar.Get(); }
    virtual void SetChildBar(TCustomovBarControl* ABar);
    TovBarCloseUpReason CloseUpReason() const { return FCloseUpReason; }
    bool IsAncestorOf(const TCustomovBarControl* ABar) const;
    // The first bar of the chain (the toolbar or the popup that opened the rest).
    TCustomovBarControl* GetRootBarControl() const;
    // Closing for Escape: reason Escape, then this bar hides (one level of a chain).
    void CloseUpByEscape() { CloseUp(bcrEscape); }
    void HideByEscape();
    // Hides the bar after it left the chain; menus free themselves here.
    virtual void DoHide();

    // ---- Item controls
    bool ContainsControl(const TovBarItemControl* AControl) const;
    virtual void RepaintItemControl(TovBarItemControl* AControl);
    // The control's rectangle in screen coordinates.
    virtual TRect GetItemControlRect(TovBarItemControl* AControl) const;
    virtual TPoint ClientToScreenPoint(const TPoint& P) const;
    // A new size empties the cached status background.
    void SetClientRect(const TRect& R);
    // The status background a painter renders once and copies from afterwards (empty until then).
    TBitmap* StatusBackgroundCache() const;
    void SetHandle(HWND AHandle) { FHandle = AHandle; }
    TRect GetClientRect() const { return FClientRect; }
    // Screen position of the client area's top-left corner (windowless controls: set by their owner).
    TPoint ScreenOrigin() const { return FScreenOrigin; }
    void SetScreenOrigin(const TPoint& P) { FScreenOrigin = P; }

    // ---- Fading and hints
    virtual IovFader* GetFader() const;
    virtual bool AllowFading() const { return true; }
    // Places the hint 20 pixels below P, or above the control when it would leave the work area.
    virtual void GetHintPosition(TPoint& P, const TPoint& ACursorPos, int AHintHeight) const;

protected:
    // The base: the bar leaves the active chain, then its open child and its parent close with the same
    // reason.
    virtual void DoCloseUp();
    virtual void DoSetActive(bool AValue);
    virtual void DoMouseDown(TMouseButton AButton, TShiftState AShift, const TPoint& P,
                             TovBarItemControl* AControl, bool AInClient);
    virtual void DoMouseMove(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl);
    virtual void DoMouseUp(TMouseButton AButton, TShiftState AShift, const TPoint& P,
                           TovBarItemControl* AControl, bool AInClient);
    virtual void DoLeftMouseDown(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl,
                                 bool AInClient);
    virtual void DoRightMouseDown(TShiftState AShift, const TPoint& P, TovBarItemControl* AControl,
                                  bool AInClient);
    // A right press on the bar (on AControl, or beside every link when null): while customizing, the
    // customizing popup of the link. Bars with a popup of their own outside customizing override it.
    virtual void CustomizingClick(TovBarItemControl* AControl);
    void TrackLinkMouse(TovBarItemLink* ALink, const TPoint& P, TShiftState AShift);
    // A press while customizing: the control's link becomes the selected one, and a press on the selected
    // sub-item opens or closes its menu. True when the link may now wait to be dragged.
    bool CustomizingSelect(TovBarItemControl* AControl);
    // No drag runs, or the control opens no menu, or its menu would take the dragged item.
    bool AcceptsDraggedItem(TovBarItemControl* AControl) const;
    // The window was made (item controls, font, metrics) or is about to go.
    virtual void CreateWindowHandle();
    virtual void DestroyWindowHandle();
    virtual void DoWindowPosChanged() {}
    // Refreshes the client rectangle from the window and lays out again.
    void UpdateClientRect();
    // The view info's class (menus, galleries): made at the first layout.
    virtual std::unique_ptr<TCustomovBarControlViewInfo> CreateViewInfo();
    // Item controls of the links are made and freed by the links themselves.
    void ForEachLinkControl(void (*AAction)(TovBarItemLink*));
    // Drops every pointer to an item control (before they are freed).
    void ForgetItemControls();

    TovBarManager* FManager;
    TovBarControlKind FKind;
    TovBarItemLinks* FItemLinks = nullptr;
    TovBarPainter* FPainter = nullptr;
    mutable std::unique_ptr<TBitmap> FMeasureBitmap;
    mutable std::unique_ptr<TuiCanvas> FCanvas;
    // The manager's font as last copied to the canvas: copied again only when it changes, so a font an item
    // selected for measuring stays until the item restores it.
    mutable std::optional<std::pair<LOGFONT, TColor>> FCanvasFontSource;
    TBitmap* FBackgroundBitmap = nullptr;
    mutable std::unique_ptr<TBitmap> FStatusBackgroundCache;
    TovBarBehaviorOptions FBehaviorOptions;
    TovBarItemControl* FSelectedControl = nullptr;
    TovBarItemControl* FHintControl = nullptr;
    // Either end of an open menu chain may go first.
    TWeakLink<TCustomovBarControl> FParentBar;
    TWeakLink<TCustomovBarControl> FChildBar;
    TovBarCloseUpReason FCloseUpReason = bcrNone;
    HWND FHandle = nullptr;
    TRect FClientRect{0, 0, 0, 0};
    TPoint FScreenOrigin{0, 0};
    int FMarkState = 0;
    bool FActive = false;
    bool FVisible = true;
    bool FEnabled = true;
    bool FDestroying = false;
    bool FMouseDown = false;
    bool FClosingUp = false;

    // ---- Window, layout and input state
    TRect FBounds{100, 100, 150, 130};
    TMessage FCurrentMessage{};
    unsigned FState = 0;
    int FLockCount = 0;
    std::unique_ptr<TCustomovBarControlViewInfo> FViewInfo;
    bool FViewInfoOfClass = false;
    TRect FItemsRect{0, 0, 0, 0};
    TRect FVisibleItemsRect{0, 0, 0, 0};
    HBRUSH FCurrentBackgroundBrush = nullptr;
    TuiCanvas* FPaintCanvas = nullptr;
    bool FMetricsCalculated = false;
    int FTextSize = 0;
    double FRatio = 1.0;
    int FMenuArrowHeight = 0;
    int FIconAreaSize = 0;
    int FEditTextSize = 0;
    int FComboArrowWidth = 0;
    TovBarItemControl* FClickedControl = nullptr;
    TovBarItemLink* FPreviousTrackedLink = nullptr;
    TPoint FLastMousePosition{-1, -1};
    int FViewState = 0;
    bool FDowned = false;
    bool FIgnoreNextClick = false;
    // A press while customizing: the link that waits to be dragged and where the press was (client).
    bool FDragPending = false;
    TPoint FDragPoint{0, 0};
    TovBarItemLink* FDragLink = nullptr;
    // The cursor shown over the client area (null: the arrow).
    const char* FCursor = nullptr;
    struct TExpandedContainer {
        std::unique_ptr<TovBarContainerLinkData> Data;
        TWeakLink<TovBarItem> Container;
    };
    std::vector<TExpandedContainer> FExpandedContainers;
    // Tells the bar when the mouse has left its window.
    std::unique_ptr<IuiMouseTrackingCaller> FMouseTracker;
    // Links a bar makes for itself (internal menus): they outlive the destructor's work on the links.
    std::unique_ptr<TovBarItemLinks> FOwnItemLinks;

private:
    static LRESULT MainWndProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
    void WMPaint(TMessage& AMessage);
    void WMMouse(TMessage& AMessage);
    void WMKeyDown(TMessage& AMessage);
    void WMNCPaint(TMessage& AMessage);
};

// The process-wide active bar control as a bar control (null when none, or when it is not one).
TCustomovBarControl* ovBarActiveBarControl();
