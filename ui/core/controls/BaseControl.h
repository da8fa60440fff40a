// TuiControl: the windowed control the library's own controls descend from. It carries a look-and-feel
// that chooses the painter, paints double-buffered (or on glass), keeps mouse enter and leave strictly
// alternating, focuses on click by its own rules, routes keys to popup menus, the form and the
// application, shows its popup-menu component, and pans on touch gestures. TuiControlChildComponent
// is the base of non-visual components that live inside one.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/ScrollBar.h"
#include "ui/core/base/Components.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/ScrollBarHelper.h"
#include "ui/core/platform/TouchGestures.h"

#include <memory>
#include <vector>

class TuiControlCanvas;
class TuiScreenCanvas;
class TuiControlChildComponent;
class TuiControlCustomScrollBars;
class TuiControlScrollBarsManager;
class TuiControlScrollBar;
class TuiSizeGrip;
class IuiControlScrollBar;
class TuiDragAndDropObject;

// Asked of a control to reach its look and feel.
class IuiLookAndFeelProvider {
public:
    virtual ~IuiLookAndFeelProvider() = default;
    virtual TuiLookAndFeel* GetLookAndFeel() = 0;
};

// An object holding a control's mouse capture is told when it loses it.
class IuiMouseCaptureObject {
public:
    virtual ~IuiMouseCaptureObject() = default;
    virtual void DoCancelMode() = 0;
};

// Told the control's new font.
class IuiFontListener {
public:
    virtual ~IuiFontListener() = default;
    virtual void Changed(TObject* Sender, TFont* AFont) = 0;
};

// A control that supplies a ready picture of itself and its children: they copy their part of it
// instead of painting. AOwner is the control the image is in the coordinates of.
class IuiReadyImage {
public:
    virtual ~IuiReadyImage() = default;
    virtual bool GetReadyImage(TBitmap*& AImage, TControl*& AOwner) = 0;
};

// A child that says whether its parent shows through it.
class IuiTransparentControl {
public:
    virtual ~IuiTransparentControl() = default;
    virtual bool IsTransparent() = 0;
};

// Copies the part of a ready image under AControl into ACanvas's R; false when there is none.
bool uiDrawFromReadyImage(TControl* AImageSource, TControl* AControl, HDC ADC, const TRect& R);

enum TuiControlBorderStyle { cxcbsNone, cxcbsDefault };
enum TuiKey { kAll, kArrows, kChars, kTab };
using TuiKeys = Set<TuiKey, 8>;

class TuiControl : public TCustomControl, public IuiScrollBarOwner, public IuiLookAndFeelProvider {
public:
    explicit TuiControl(TComponent* AOwner);
    ~TuiControl() override;

    // ---- Owners' interfaces
    TWinControl* GetControl() override { return this; }
    TuiLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
    virtual TuiLookAndFeel* GetLookAndFeel2() { return FLookAndFeel.get(); }
    TuiLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    TuiLookAndFeelPainterBase* GetPainter() const { return FLookAndFeel->Painter(); }

    TuiCanvas* GetCanvas();
    void InvalidateRect(const TRect& R, bool AErase);
    void RedrawWithChildren();
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    virtual bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

    TuiControlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TuiControlBorderStyle AValue);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle AValue) { FScrollBars = AValue; }
    bool FocusOnClick() const { return FFocusOnClick; }
    void SetFocusOnClick(bool AValue) { FFocusOnClick = AValue; }
    TuiKeys Keys() const { return FKeys; }
    void SetKeys(TuiKeys AValue) { FKeys = AValue; }
    TComponent* PopupMenuComponent() const { return FPopupMenuComponent; }
    void SetPopupMenu(TComponent* AValue);
    const TRect& BoundsOverride() const { return FBoundsOverride; }
    void SetBoundsOverride(const TRect& AValue) { FBoundsOverride = AValue; }
    TObject* MouseCaptureObject() const { return FMouseCaptureObject; }
    void SetMouseCaptureObject(TObject* AValue);
    bool MouseButtonPressed() const { return FMouseButtonPressed; }
    int MouseEnterCounter() const { return FMouseEnterCounter; }
    const TPoint& MouseDownPos() const { return FMouseDownPos; }
    TovGestureHelper* GestureHelper() const { return FGestureHelper.get(); }
    void AddFontListener(IuiFontListener* AListener) { FFontListeners.push_back(AListener); }
    void RemoveFontListener(IuiFontListener* AListener);
    void SetParentBackground(bool AValue) override;

    TNotifyEvent OnFocusChanged;

    // ---- Gestures
    virtual void ResetGesturePanOffset();
    virtual bool IsScrollBarDataUsed() { return false; }
    virtual void DoGesture(TScrollBarKind AKind, int ANewPos, int AMin, int AMax, int ADeltaX, int ADeltaY);
    virtual void DoGestureScroll(TScrollBarKind AKind, int APos);
    virtual void EndGestureScroll() {}
    virtual void DoPan(int ADeltaX, int ADeltaY);
    virtual bool IsDefaultGesture(DWORD AGestureID);
    virtual bool ProcessGestureMessage(TMessage& AMessage);
    virtual bool IsPanning();
    virtual bool AllowPan(TScrollBarKind AKind) { return true; }
    virtual int GetPanOptions() { return 31; }
    virtual void DoPanWithoutScrollBar(TScrollBarKind AKind, int ADelta) {}
    virtual bool AllowGesture(DWORD AID) { return IsDefaultGesture(AID); }
    virtual bool AllowGestureScroll(TScrollBarKind AKind);
    virtual int GetGesturePanOptions() { return GetPanOptions(); }
    virtual bool IsPointInClientArea(const TPoint& P);
    bool GestureStep(TScrollBarKind AKind, int& AAccumulated, int ADeltaX, int ADeltaY);
    virtual bool NeedPanningFeedback(TScrollBarKind AKind) { return true; }
    virtual IovGestureClient* GetGestureClient(const TPoint& P);
    virtual HWND GetHandle() { return Handle(); }
    virtual bool IsOwnHandle(HWND AWnd) { return AWnd == Handle(); }

    // ---- Painting and geometry
    virtual bool DoShowPopupMenu(TComponent* AMenu, int X, int Y);
    virtual bool IsDoubleBufferedNeeded();
    virtual bool IsShortCutKey(TMessage& AMessage);
    virtual void DesignerModified();
    virtual void EraseBackgroundDC(HDC ADC);
    virtual void EraseBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawNonClientArea(TuiCanvas* ACanvas) {}
    virtual void BeforeMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {}
    virtual void DoPaint();
    virtual void DrawBorder(TuiCanvas* ACanvas);
    virtual void DrawScrollBars(TuiCanvas* ACanvas);
    virtual int GetBorderSize();
    virtual TRect GetBounds();
    virtual TRect GetClientBounds();
    virtual TRect GetNonClientArea() { return TRect{}; }
    virtual TCursor GetCurrentCursor(int X, int Y);
    virtual bool IsFocused() { return Focused(); }
    // 0 none, 1 horizontal, 2 vertical.
    virtual int GetMouseWheelScrollingKind();
    virtual bool PaintBlackOpaqueOnGlass() { return false; }
    virtual void ClipToClientBounds();
    virtual bool IsGlassPaintAllowed() { return true; }
    virtual bool CanFocusOnClick();
    virtual bool CanFocusOnClickAt(int X, int Y) { return CanFocusOnClick(); }
    virtual bool FocusWhenChildIsClicked(TControl* AChild) { return CanFocusOnClick(); }
    virtual bool IsEraseBackgroundNeeded() { return IsParentBackgroundDrawn(); }
    virtual bool HasNonClientArea() { return false; }
    virtual bool IsParentBackgroundDrawn();
    virtual bool NeedsInvalidateOnBoundsChanged() { return false; }
    virtual bool ShiftMousePosOnFocusMove() { return true; }
    virtual void ParentBackgroundChanged() {}
    virtual void LookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues AChangedValues) {}
    virtual bool CanScrollContentWithoutScrollBars(int ADirection) { return false; }
    virtual bool NeedsScrollBars() { return true; }
    virtual bool HasScrollBars() { return NeedsScrollBars(); }
    virtual void Scroll(TScrollBarKind AKind, TScrollCode ACode, int& APos) {}

    // ---- Scroll bars
    virtual void UpdateScrollBars();
    virtual TRect GetHScrollBarBounds();
    virtual TRect GetSizeGripBounds();
    // 1 horizontal, 2 vertical, 3 both.
    virtual int GetScrollBarKindsToCheck() { return 3; }
    virtual TRect GetVScrollBarBounds();
    // Describes the bars (SetScrollBarInfo for both kinds); the base has nothing to show.
    virtual void InitScrollBarsParameters() {}
    virtual bool IsScrollBarPageLinked(TScrollBarKind AKind) { return false; }
    virtual bool IsPointOnScrollBars(const TPoint& P);
    virtual bool IsPointOnScrollBarControls(const TPoint& P);
    virtual bool IsSizeGripVisible();
    virtual bool NeedsScrollBarsOnTop() { return true; }
    virtual void SetInternalControlsBounds();
    virtual void UpdateInternalControlsState();
    virtual void BoundsChangedUpdateScrollBars();
    virtual void BringInternalControlsToFront();
    virtual void InitScrollBars();
    virtual bool IsInternalControl(TControl* AControl);
    // Directions: 1 left, 2 right, 3 up, 4 down.
    virtual void ScrollContent(int ADirection);
    IuiControlScrollBar* GetScrollBar(TScrollBarKind AKind);
    bool IsHScrollBarVisible();
    bool IsVScrollBarVisible();
    void SetScrollBarInfo(TScrollBarKind AKind, int AMin, int AMax, int AStep, int APage, int APos,
                          bool AAllowShow, bool AAllowHide);
    // New scroll-bar controls and size grips (descendants substitute their own classes).
    virtual TuiControlScrollBar* CreateScrollBarControl(TScrollBarKind AKind);
    virtual TuiSizeGrip* CreateSizeGripControl();
    TuiControlCustomScrollBars* ScrollBarSet() const { return FScrollBarSet.get(); }
    TuiControlScrollBarsManager* ScrollBarsManager() const { return FScrollBarsManager.get(); }
    void LockScrollBars() { ++FScrollBarsLockCount; }
    void UnlockScrollBars();
    // A mouse message's position (the cursor's for controls larger than message coordinates hold).
    TPoint MessagePosition(const TMessage& AMessage);
    virtual bool CanFocusEx();
    virtual bool AllowDragAt(int X, int Y);
    virtual bool IsMouseInPressedArea(int X, int Y);
    virtual void ResourceStringsChanged() {}
    virtual void PostBoundsChanged();
    // Called once the window exists (notifications a control asks the system for).
    virtual void DoInitializeNotifications() {}

    // ---- Drag and drop (0 none, 1 detecting, 2 dragging)
    int DragAndDropState() const { return FDragAndDropState; }
    void SetDragAndDropState(int AValue);
    TuiDragAndDropObject* GetDragAndDropObject();
    virtual TuiDragAndDropObject* CreateDragAndDropObject();
    virtual bool StartDragAndDrop(const TPoint& P) { return false; }
    virtual void BeginDragAndDrop();
    virtual void DragAndDrop(const TPoint& P, bool& AAccepted);
    virtual void EndDragAndDrop(bool AAccepted);
    void FinishDragAndDrop(bool AAccepted);
    virtual void FinishDragAndDropOnMouseUp();
    virtual void CheckDragAndAutoScroll(TMouseButton Button, int X, int Y);
    virtual bool CanBeginDrag(int X, int Y) { return FDragAndDropState == 0; }
    virtual bool AcceptDragObject(TDragObject* AObject) { return true; }
    virtual bool IsCopyDragDrop();
    virtual bool AllowDragAtDesignTime(int X, int Y) { return true; }
    virtual bool CancelDragDetectOnCaptureRelease() { return true; }
    virtual bool HasDragImages() { return false; }
    virtual TSize GetDragImagesSize() { return TSize{0, 0}; }
    virtual void DrawDragImage(TuiCanvas* ACanvas, const TRect& R) {}
    virtual void InitDragImages(TDragImageList* AImages);
    // The drag image list while it holds an image (made on first use); null without drag images.
    TDragImageList* GetDragImages();
    bool IsMiddleButtonScrolling() const { return FMiddleButtonScrolling; }
    // Scrolls toward the mouse from an anchor under the cursor until a button or Escape ends it.
    void MiddleButtonScroll();
    // The anchor window of a running middle-button scroll (null otherwise).
    HWND ScrollAnchorWindow() const { return FScrollAnchor; }

    // ---- Notifications of descendants
    virtual void AddChildComponent(TuiControlChildComponent* AChild);
    virtual void RemoveChildComponent(TuiControlChildComponent* AChild);
    virtual void DoCancelMode();
    virtual bool GetDesignHitTest(int X, int Y, TShiftState Shift);
    virtual void MouseEnter(TControl* AControl);
    virtual void MouseLeave(TControl* AControl);
    virtual void FocusReceived() {}
    virtual void FocusLost() {}
    virtual bool MayFocus() { return true; }
    virtual void BoundsChanged();
    virtual void ColorChanged() {}
    virtual void CursorChanged() {}
    virtual void FocusChanged();
    virtual void FontChanged();
    virtual void TextChanged() {}
    virtual void VisibleChanged() {}
    virtual bool AllowMouseDownWithoutFocus() { return false; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    void Resize() override;
    void Paint() override;
    void PaintWindow(HDC DC) override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DoContextPopup(POINT MousePos, bool& Handled) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMPaint(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMCancelMode(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void DoStartDrag(TDragObject*& DragObject) override;
    void DoEndDrag(TObject* Target, int X, int Y) override;

private:
    class TGestureAdapter;
    class TServiceListener;
    void PaintHandlerEx(TMessage& Message);
    bool HandleKeyDown(TMessage& Message, bool ASystem);
    bool IsOwnLeftButtonDown(const TMessage& Message);
    void DrawNonClientBand(HDC ADC);
    TPoint MessagePos(const TMessage& Message);
    void CreateScrollBarSet();
    void DropScrollBarSet();
    void CalculateScrollBars();

    std::unique_ptr<TuiControlCanvas> FControlCanvas;
    std::unique_ptr<TuiScreenCanvas> FScreenCanvas;
    TuiControlBorderStyle FBorderStyle = cxcbsNone;
    TScrollStyle FScrollBars = ssBoth;
    TPoint FMouseDownPos{};
    bool FMouseButtonPressed = false;
    TObject* FMouseCaptureObject = nullptr;
    int FMouseEnterCounter = 0;
    bool FRightButtonUpHandling = false;
    bool FFocusOnClick = true;
    TuiKeys FKeys;
    TComponent* FPopupMenuComponent = nullptr;
    std::vector<IuiFontListener*> FFontListeners;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    std::unique_ptr<TGestureAdapter> FGestureAdapter;
    std::unique_ptr<TovGestureHelper> FGestureHelper;
    std::unique_ptr<TServiceListener> FServiceListener;
    TPoint FGesturePanOffset{};
    TRect FBoundsOverride{};
    bool FCreatingWindow = false;
    std::unique_ptr<TuiDragAndDropObject> FDragAndDropObject;
    int FDragAndDropState = 0;
    TCursor FDragAndDropPrevCursor = crDefault;
    bool FFinishingDragAndDrop = false;
    bool FMiddleButtonScrolling = false;
    std::unique_ptr<TDragImageList> FDragImages;
    HWND FScrollAnchor = nullptr;
    std::unique_ptr<TuiControlCustomScrollBars> FScrollBarSet;
    std::unique_ptr<TuiControlScrollBarsManager> FScrollBarsManager;
    int FScrollBarsLockCount = 0;
    bool FScrollBarsUpdateNeeded = false;
    bool FScrollBarsUpdating = false;
    bool FScrollBarsSettled = false;
    bool FInitialHorzVisible = false;
    bool FInitialVertVisible = false;
    bool FNotificationsInitialized = false;
};

class TuiControlChildComponent : public TuiComponent {
public:
    explicit TuiControlChildComponent(TComponent* AOwner);
    // Owned by the control's owner when AAssignOwner is set, else by nobody; then joins the control.
    TuiControlChildComponent(TuiControl* AControl, bool AAssignOwner);
    ~TuiControlChildComponent() override;
    virtual bool GetIsDestroying() { return ComponentState().Contains(csDestroying); }
    virtual void Initialize() {}
    virtual void SetControl(TuiControl* AValue) { FLinkedControl = AValue; }
    TuiControl* Control() const { return FLinkedControl; }
    TComponent* GetParentComponent() const { return FLinkedControl; }
    bool HasParent() const { return FLinkedControl != nullptr; }
    void SetParentComponent(TComponent* AValue);

private:
    TuiControl* FLinkedControl = nullptr;
};
