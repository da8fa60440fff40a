// TControl: a visual component with bounds inside a parent windowed control. It keeps its geometry
// (bounds, alignment, anchors, constraints), its look (font, colour, cursor, caption), its state flags and
// its events, and handles its messages through WindowProc -> WndProc -> Dispatch -> DefaultHandler.
// A control without a window of its own (TGraphicControl) receives its mouse messages from its parent.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Messages.h"

#include <memory>
#include <string>

class TFont;
class TWinControl;
class TPopupMenu;
class TCustomForm;
class TBasicAction;
class TControlActionLink;

// Minimum and maximum sizes a control keeps to (0: no limit).
class TSizeConstraints : public TPersistent {
public:
    explicit TSizeConstraints(TObject* AControl) : FControl(AControl) {}

    int MaxHeight() const { return FMaxHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MinHeight() const { return FMinHeight; }
    int MinWidth() const { return FMinWidth; }
    void SetMaxHeight(int Value);
    void SetMaxWidth(int Value);
    void SetMinHeight(int Value);
    void SetMinWidth(int Value);
    void Assign(TPersistent* Source) override;

    // Keeps a new size within the limits.
    void Apply(int& Width, int& Height) const;

    TNotifyEvent OnChange;

private:
    void Change();
    TObject* FControl;
    int FMaxHeight = 0;
    int FMaxWidth = 0;
    int FMinHeight = 0;
    int FMinWidth = 0;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void BeforeDestruction() override;

    // ---- Parent and geometry
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const RECT& R) { SetBounds(R.left, R.top, R.right - R.left, R.bottom - R.top); }
    // The client area in the control's own coordinates.
    virtual RECT ClientRect() const;
    int ClientWidth() const { return ClientRect().right; }
    int ClientHeight() const { return ClientRect().bottom; }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    virtual void SetClientSize(int AWidth, int AHeight);
    // The client area's top-left corner in screen coordinates.
    virtual POINT ClientOrigin();
    POINT ClientToScreen(POINT P);
    POINT ScreenToClient(POINT P);
    // P (client coordinates) in the coordinates of the parent's client area.
    POINT ClientToParent(POINT P, TWinControl* AParent = nullptr);
    POINT ParentToClient(POINT P, TWinControl* AParent = nullptr);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool Value);
    // Asks the control for its natural size; answers false when it has none.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight) { return false; }
    virtual bool CanResize(int& NewWidth, int& NewHeight);
    void AdjustSize();
    // Scales position, size and (unless it follows the parent) font by M / D, children included.
    virtual void ScaleBy(int M, int D);

    // ---- Visibility and state
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show();
    void Hide();
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    TControlStyle& ControlStyle() { return FControlStyle; }
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState& ControlState() { return FControlState; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // ---- Look
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    // Caption and Text are the same text.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& Value) { SetText(Value); }
    std::string Text() const { return GetText(); }
    void SetText(const std::string& Value);
    void SetName(const std::string& NewName) override;

    // The action the control follows (null for none); the control takes the action's properties.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);

    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    bool IsRightToLeft() const { return false; }

    // ---- Messages
    using TWndMethod = TEvent<TMessage&>;
    // The message entry: WndProc unless someone hooks it (and calls the previous one).
    TWndMethod WindowProc;
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    virtual void WndProc(TMessage& Message);
    // Routes a message to its handler by id; unknown ids go to DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // ---- Painting and order
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }
    virtual void SetZOrder(bool TopMost);
    bool IsControlVisibleOnParent() const { return FVisible; }

    // ---- Mouse
    bool MouseCapture();
    void SetMouseCapture(bool Value);
    virtual void Click();
    virtual void DblClick();

    // ---- Drag and drop
    void BeginDrag(bool Immediate, int Threshold = -1);
    void EndDrag(bool Drop);
    bool Dragging() const;
    // Called for the source when a drag ends, for the target to ask whether it accepts a drop.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);
    virtual void DoStartDrag(TDragObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, int X, int Y);

    // The form the control sits on, or null.
    TCustomForm* GetParentForm() const;
    // Whether this control is AControl or one of its parents.
    bool HasParentChain(const TControl* AControl) const;
    // The hint window's text for this control.
    virtual std::string GetHintText() const { return FHint; }

    // ---- Events
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TCanResizeEvent OnCanResize;
    TNotifyEvent OnConstrainedResize;

    // Handles the messages its windowed parent forwards: mouse input at its position, paint requests.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

protected:
    friend class TWinControl;
    friend class TControlActionLink;

    virtual std::string GetText() const { return FText; }
    // Stores the text; TWinControl also gives it to its window.
    virtual void SetTextBuf(const std::string& Value) { FText = Value; }
    virtual void Resize();
    virtual void Changed() { Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this)); }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos);
    virtual void DoContextPopup(POINT MousePos, bool& Handled);
    virtual void Paint() {}
    // Asks the parent to align again after a change of bounds, visibility or alignment.
    void RequestAlign();
    virtual void ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight);
    bool CheckNewSize(int& NewWidth, int& NewHeight);
    // Redraws the control's part of the parent (for controls without a window).
    void InvalidateControl(bool IsVisible, bool IsOpaque);
    // Remembers the distances to the parent's edges that anchors keep.
    void UpdateAnchorRules();
    virtual void VisibleChanging() {}
    virtual void UpdateBoundsRect(const RECT& R);
    virtual TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
    // The linked action changed (or was linked): the caption, hint, enabled and visible state are taken
    // already; a control that follows more of the action (its image, its check mark) takes it here.
    virtual void ActionChange(TObject* Sender, bool CheckDefaults) {}

    // Message handlers (Dispatch calls them).
    virtual void WMLButtonDown(TMessage& Message);
    virtual void WMLButtonUp(TMessage& Message);
    virtual void WMLButtonDblClk(TMessage& Message);
    virtual void WMRButtonDown(TMessage& Message);
    virtual void WMRButtonUp(TMessage& Message);
    virtual void WMRButtonDblClk(TMessage& Message);
    virtual void WMMButtonDown(TMessage& Message);
    virtual void WMMButtonUp(TMessage& Message);
    virtual void WMMouseMove(TMessage& Message);
    virtual void WMMouseWheel(TMessage& Message);
    virtual void WMCancelMode(TMessage& Message);
    virtual void WMContextMenu(TMessage& Message);
    virtual void CMMouseEnter(TMessage& Message);
    virtual void CMMouseLeave(TMessage& Message);
    virtual void CMVisibleChanged(TMessage& Message);
    virtual void CMEnabledChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    virtual void CMTextChanged(TMessage& Message) {}
    virtual void CMParentFontChanged(TMessage& Message);
    virtual void CMParentColorChanged(TMessage& Message);
    virtual void CMParentCtl3DChanged(TMessage& Message);
    virtual void CMParentShowHintChanged(TMessage& Message);
    virtual void CMSysColorChange(TMessage& Message) {}
    virtual void CMHintShow(TMessage& Message) {}
    virtual void CMHitTest(TMessage& Message) { Message.Result = HTCLIENT; }
    virtual void CMDrag(TMessage& Message);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TControlStyle FControlStyle;
    TControlState FControlState;
    TColor FColor = clWindow;
    std::string FText;
    bool FVisible = true;
    bool FEnabled = true;
    // Distances from the right and bottom edges of the parent's client area, kept by anchors.
    int FAnchorRight = 0;
    int FAnchorBottom = 0;
    bool FAnchorRulesValid = false;

private:
    void FontChanged(TObject* Sender);
    void DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift);
    void DoMouseUp(TMessage& Message, TMouseButton Button);

    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    std::unique_ptr<TSizeConstraints> FConstraints;
    std::unique_ptr<TFont> FFont;
    bool FAutoSize = false;
    bool FParentFont = true;
    bool FParentColor = true;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FShowHint = false;
    bool FParentShowHint = true;
    bool FUpdatingFont = false;
    TCursor FCursor = crDefault;
    TCursor FDragCursor = crDrag;
    std::string FHint;
    TPopupMenu* FPopupMenu = nullptr;
    TDragMode FDragMode = dmManual;
    std::unique_ptr<TControlActionLink> FActionLink;
};

// The mouse position of a mouse message.
inline POINT MessagePoint(const TMessage& Message) {
    return POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
}
LPARAM PointToLParam(POINT P);

// The control a window belongs to, or null for a window of no control.
TWinControl* FindControl(HWND Handle);
// The control that holds the mouse capture (a control without a window through its parent), or null.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The control without a window that holds the capture through its parent's window, or null.
TControl* GraphicCaptureControl();
// The control under a screen position: the deepest windowed control, then its child at that point.
TControl* FindDragTarget(POINT Pos, bool AllowDisabled);
