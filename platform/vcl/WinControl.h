// TWinControl: a control with a window of its own, made on demand. It parents other controls (painting
// those without a window itself and passing them their mouse input), aligns them, keeps the tab order
// and the focus, and routes the keyboard the class library's way: a key message first comes back to the
// focused control as CN_KEYDOWN / CN_CHAR, where shortcuts (popup menus, the form, the application) and
// dialog keys (Tab, arrows, Enter, Esc through CM_DIALOGKEY; accelerators through CM_DIALOGCHAR) are
// handled before the control's own OnKeyDown / OnKeyPress see it.
#pragma once

#include "platform/vcl/Control.h"
#include "platform/win/WinStructs.h"

#include <memory>
#include <string>
#include <vector>

class TBrush;

struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    UINT WindowClassStyle = 0;
    std::string WinClassName;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // ---- Window handle
    // The window, made (with the parents' windows) when first asked for. Raises EInvalidOperation
    // "Control '<name>' has no parent window" for a child control without a parent.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND Value);
    void RecreateWnd();
    bool Showing() const override { return FShowing; }

    // ---- Children
    int ControlCount() const { return static_cast<int>(FControls.size()); }
    TControl* Controls(int Index) const;
    bool ContainsControl(const TControl* Control) const;
    // The visible child (enabled, unless AllowDisabled) at a point of the client area, last drawn first.
    TControl* ControlAtPos(POINT Pos, bool AllowDisabled, bool AllowWinControls = false);
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    // Sends a message to every child until one answers it (Result non-zero).
    void Broadcast(TMessage& Message);
    void NotifyControls(UINT Msg);
    // Paints the children without a window over a device context, starting after First.
    void PaintControls(HDC DC, TControl* First);
    void ShowControl(TControl* AControl);

    // ---- Alignment
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();
    bool AligningChildren() const { return FAligning; }
    // Realigns after a child changed (called by the child).
    void AlignControl(TControl* AControl);
    RECT ClientRect() const override;
    POINT ClientOrigin() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ScaleBy(int M, int D) override;

    // ---- Focus and tabs
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);
    // The windowed descendants in tab order (depth first).
    void GetTabOrderList(std::vector<TWinControl*>& List);
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent);
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    virtual bool Focused();
    virtual bool CanFocus();
    virtual void SetFocus();
    void UpdateUIState(WORD CharCode);

    // ---- Look
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    virtual void SetParentBackground(bool Value);
    TBrush* Brush();
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetZOrder(bool TopMost) override;
    void MoveChildZOrder(TControl* AControl, bool TopMost);

    // ---- Events
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    void Dispatch(TMessage& Message) override;
    void DefaultHandler(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

    // The window procedure every control window has.
    static LRESULT MainWndProc(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam);
    // A window message through the control's WindowProc; what it raises goes to the application's
    // exception handler, never back into message retrieval.
    static LRESULT DeliverMessage(TWinControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam);

protected:
    friend class TControl;
    friend class TCustomForm;

    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    virtual void CreateHandle();
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();
    virtual void DestroyHandle();
    // Window state that a new window gets from the control (text, position in z-order, children).
    virtual void InitializeWindow() {}
    virtual void AlignControls(TControl* AControl, RECT& Rect);
    virtual void AdjustClientRect(RECT& Rect) {}
    virtual void PaintWindow(HDC DC);
    void PaintHandler(TMessage& Message);
    virtual void UpdateShowing();
    void UpdateControlState();
    // Where the control's window sits on its parent window: its bounds (the screen for top-level ones).
    virtual RECT WindowBoundsForHandle();
    void UpdateBounds();
    void SetTextBuf(const std::string& Value) override;

    // Keyboard
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(TKeyChar& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    bool DoKeyDown(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    // Whether a key is a shortcut of a popup menu on the way up, the form, or the application.
    virtual bool IsMenuKey(TMessage& Message);
    virtual void DoEnter();
    virtual void DoExit();
    void RemoveFocus(bool Removing);

    // Message handlers
    virtual void WMPaint(TMessage& Message);
    virtual void WMEraseBkgnd(TMessage& Message);
    // WM_PRINTCLIENT: the control paints its client area into the message's DC.
    void WMPrintClient(TMessage& Message);
    virtual void WMSetFocus(TMessage& Message);
    virtual void WMKillFocus(TMessage& Message);
    virtual void WMKeyDown(TMessage& Message);
    virtual void WMSysKeyDown(TMessage& Message);
    virtual void WMKeyUp(TMessage& Message);
    virtual void WMSysKeyUp(TMessage& Message);
    virtual void WMChar(TMessage& Message);
    virtual void WMWindowPosChanged(TMessage& Message);
    virtual void WMSize(TMessage& Message);
    virtual void WMSetCursor(TMessage& Message);
    virtual void WMNCDestroy(TMessage& Message);
    virtual void WMGetDlgCode(TMessage& Message) { Message.Result = 0; }
    // Hands a notification from a child window back to the child's control as CN_ message.
    bool DoControlMsg(HWND ControlHandle, TMessage& Message);
    virtual void WMCommand(TMessage& Message);
    virtual void WMNotify(TMessage& Message);
    virtual void WMScroll(TMessage& Message);
    virtual void WMCtlColor(TMessage& Message);
    virtual void CNKeyDown(TMessage& Message);
    virtual void CNKeyUp(TMessage& Message) { Message.Result = 0; }
    virtual void CNChar(TMessage& Message);
    virtual void CNSysKeyDown(TMessage& Message);
    virtual void CNSysChar(TMessage& Message);
    virtual void CMDialogKey(TMessage& Message) { Broadcast(Message); }
    virtual void CMDialogChar(TMessage& Message) { Broadcast(Message); }
    virtual void CMFocusChanged(TMessage& Message) { Broadcast(Message); }
    virtual void CMEnter(TMessage& Message) { DoEnter(); }
    virtual void CMExit(TMessage& Message) { DoExit(); }
    virtual void CMShowingChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMCtl3DChanged(TMessage& Message);
    void CMShowHintChanged(TMessage& Message);
    virtual void CMInvalidate(TMessage& Message);
    virtual void CMSysColorChangeBroadcast(TMessage& Message);
    virtual void CMChildKey(TMessage& Message);
    virtual void CMCancelMode(TMessage& Message);
    virtual void CMRecreateWnd(TMessage& Message);

    HWND FHandle = nullptr;
    bool FShowing = false;

private:
    void AnchorChildren(const RECT& Client);
    void DoAlign(TControl* AControl, TAlign AAlign, RECT& Rect);
    // Whether a mouse message is for a child without a window; passes it on when it is.
    bool IsControlMouseMsg(TMessage& Message);
    void RemoveWindowProps();

    HWND FParentWindow = nullptr;
    WNDPROC FDefWndProc = nullptr;
    std::vector<TControl*> FControls;   // every child, in z-order (the last is on top)
    std::vector<TWinControl*> FTabList; // windowed children in tab order
    std::unique_ptr<TBrush> FBrush;
    int FAlignLevel = 0;
    bool FAligning = false;
    // The client size the children were last aligned to: a WM_SIZE with another one (a size given by the
    // host, scroll bars coming or going) aligns them again even when the window's own bounds are known.
    SIZE FAlignedClient{-1, -1};
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    bool FSettingBounds = false;
    bool FRecreating = false;
    // Set while the styles are worked out only to measure the frame: no parent window is made for it.
    bool FMeasuringFrame = false;
};

// The form a control sits on (null for none); raises nothing.
TCustomForm* GetParentForm(TControl* Control);
