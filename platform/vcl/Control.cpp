#include "platform/vcl/Control.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ControlActionLink.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace control_detail {
// A control without a window that holds the mouse through its parent's window.
TControl* CaptureControl = nullptr;
} // namespace control_detail

LPARAM PointToLParam(POINT P) {
    return MAKELPARAM(WORD(SHORT(P.x)), WORD(SHORT(P.y)));
}

TControl* GraphicCaptureControl() {
    return control_detail::CaptureControl;
}

TControl* GetCaptureControl() {
    TControl* result = FindControl(::GetCapture());
    TControl* graphic = control_detail::CaptureControl;
    if (result != nullptr && graphic != nullptr && graphic->Parent() == result) result = graphic;
    return result;
}

void SetCaptureControl(TControl* Control) {
    ::ReleaseCapture();
    control_detail::CaptureControl = nullptr;
    if (Control == nullptr) return;
    if (auto* win = dynamic_cast<TWinControl*>(Control)) {
        ::SetCapture(win->Handle());
        return;
    }
    if (Control->Parent() == nullptr) return;
    control_detail::CaptureControl = Control;
    ::SetCapture(Control->Parent()->Handle());
}

TControl* FindDragTarget(POINT Pos, bool AllowDisabled) {
    TWinControl* window = FindControl(::WindowFromPoint(Pos));
    if (window == nullptr) return nullptr;
    TControl* control = window->ControlAtPos(window->ScreenToClient(Pos), AllowDisabled);
    return control != nullptr ? control : window;
}

// ---- TSizeConstraints

void TSizeConstraints::SetMaxHeight(int Value) {
    if (Value == FMaxHeight) return;
    FMaxHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMaxHeight < FMinHeight) FMinHeight = FMaxHeight;
    Change();
}

void TSizeConstraints::SetMaxWidth(int Value) {
    if (Value == FMaxWidth) return;
    FMaxWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMaxWidth < FMinWidth) FMinWidth = FMaxWidth;
    Change();
}

void TSizeConstraints::SetMinHeight(int Value) {
    if (Value == FMinHeight) return;
    FMinHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMaxHeight = FMinHeight;
    Change();
}

void TSizeConstraints::SetMinWidth(int Value) {
    if (Value == FMinWidth) return;
    FMinWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMaxWidth = FMinWidth;
    Change();
}

void TSizeConstraints::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TSizeConstraints*>(Source)) {
        FMaxHeight = other->FMaxHeight;
        FMaxWidth = other->FMaxWidth;
        FMinHeight = other->FMinHeight;
        FMinWidth = other->FMinWidth;
        Change();
        return;
    }
    TPersistent::Assign(Source);
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
    if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
    if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
    if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
    if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
}

void TSizeConstraints::Change() {
    OnChange(this);
}

// ---- TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    WindowProc = TWndMethod(this, &TControl::WndProc);
    FControlStyle = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont = std::make_unique<TFont>();
    FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
    FConstraints = std::make_unique<TSizeConstraints>(this);
    FConstraints->OnChange =
        TNotifyEvent([this](TObject*) { SetBounds(FLeft, FTop, FWidth, FHeight); }, this);
}

TControl::~TControl() {
    if (control_detail::CaptureControl == this) control_detail::CaptureControl = nullptr;
    if (Application() != nullptr) Application()->ControlDestroyed(this);
    if (FParent != nullptr) FParent->RemoveControl(this);
    if (FPopupMenu != nullptr) FPopupMenu->RemoveFreeNotification(this);
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
}

void TControl::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (FParent != nullptr) FParent->RemoveControl(this);
    if (AParent != nullptr) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (!CheckNewSize(AWidth, AHeight)) return;
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    InvalidateControl(FVisible, false);
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    UpdateAnchorRules();
    Invalidate();
    RequestAlign();
    if (!ComponentState().Contains(csLoading)) Resize();
}

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
    bool result = true;
    OnCanResize(this, NewWidth, NewHeight, result);
    return result;
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {}

bool TControl::CheckNewSize(int& NewWidth, int& NewHeight) {
    int w = std::max(NewWidth, 0);
    int h = std::max(NewHeight, 0);
    if (FAutoSize && !ComponentState().Contains(csLoading)) CanAutoSize(w, h);
    if (!CanResize(w, h)) return false;
    FConstraints->Apply(w, h);
    NewWidth = w;
    NewHeight = h;
    return true;
}

void TControl::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    if (Value) AdjustSize();
}

void TControl::AdjustSize() {
    if (ComponentState().Contains(csLoading)) return;
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::ScaleBy(int M, int D) {
    if (M == D || D == 0) return;
    if (!FParentFont) FFont->SetHeight(MulDiv(FFont->Height(), M, D));
    SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
}

RECT TControl::ClientRect() const {
    return RECT{0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int Value) {
    SetClientSize(Value, ClientHeight());
}

void TControl::SetClientHeight(int Value) {
    SetClientSize(ClientWidth(), Value);
}

void TControl::SetClientSize(int AWidth, int AHeight) {
    RECT client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - client.right + AWidth, FHeight - client.bottom + AHeight);
}

POINT TControl::ClientOrigin() {
    if (FParent == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    POINT origin = FParent->ClientOrigin();
    return POINT{origin.x + FLeft, origin.y + FTop};
}

POINT TControl::ClientToScreen(POINT P) {
    POINT origin = ClientOrigin();
    return POINT{P.x + origin.x, P.y + origin.y};
}

POINT TControl::ScreenToClient(POINT P) {
    POINT origin = ClientOrigin();
    return POINT{P.x - origin.x, P.y - origin.y};
}

POINT TControl::ClientToParent(POINT P, TWinControl* AParent) {
    if (FParent == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    if (AParent == nullptr) AParent = FParent;
    const TControl* control = this;
    while (control != nullptr && control != AParent) {
        P.x += control->FLeft;
        P.y += control->FTop;
        control = control->FParent;
        if (control == nullptr) throw EInvalidOperation("Parent given is not a parent of '" + Name() + "'");
    }
    return P;
}

POINT TControl::ParentToClient(POINT P, TWinControl* AParent) {
    POINT origin = ClientToParent(POINT{0, 0}, AParent);
    return POINT{P.x - origin.x, P.y - origin.y};
}

void TControl::SetAlign(TAlign Value) {
    if (FAlign == Value) return;
    TAlign old = FAlign;
    FAlign = Value;
    FAnchors = TAnchors{akLeft, akTop};
    if (Value == alTop) FAnchors = TAnchors{akLeft, akTop, akRight};
    if (Value == alBottom) FAnchors = TAnchors{akLeft, akRight, akBottom};
    if (Value == alLeft) FAnchors = TAnchors{akLeft, akTop, akBottom};
    if (Value == alRight) FAnchors = TAnchors{akTop, akRight, akBottom};
    if (Value == alClient) FAnchors = TAnchors{akLeft, akTop, akRight, akBottom};
    if (old != alNone || Value != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
    if (FAnchors == Value) return;
    FAnchors = Value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (FParent == nullptr || FParent->AligningChildren()) return;
    RECT client = FParent->ClientRect();
    FAnchorRight = client.right - (FLeft + FWidth);
    FAnchorBottom = client.bottom - (FTop + FHeight);
    FAnchorRulesValid = true;
}

void TControl::RequestAlign() {
    if (FParent != nullptr) FParent->AlignControl(this);
}

void TControl::Resize() {
    OnResize(this);
}

void TControl::UpdateBoundsRect(const RECT& R) {
    FLeft = R.left;
    FTop = R.top;
    FWidth = R.right - R.left;
    FHeight = R.bottom - R.top;
    UpdateAnchorRules();
}

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    VisibleChanging();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
    RequestAlign();
}

void TControl::Show() {
    if (FParent != nullptr) FParent->ShowControl(this);
    SetVisible(true);
}

void TControl::Hide() {
    SetVisible(false);
}

bool TControl::Showing() const {
    return FVisible && FParent != nullptr && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

void TControl::FontChanged(TObject*) {
    if (FUpdatingFont) return;
    FParentFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (FParent != nullptr && Value && !ComponentState().Contains(csReading))
        Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (FParent != nullptr && Value && !ComponentState().Contains(csReading))
        Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetCtl3D(bool Value) {
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    FParentCtl3D = false;
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::SetParentCtl3D(bool Value) {
    if (FParentCtl3D == Value) return;
    FParentCtl3D = Value;
    if (FParent != nullptr && Value) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
    if (FShowHint == Value && !FParentShowHint) return;
    FShowHint = Value;
    FParentShowHint = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    if (FParent != nullptr && Value) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    if (FPopupMenu == Value) return;
    if (FPopupMenu != nullptr) FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TControl::SetText(const std::string& Value) {
    if (GetText() == Value) return;
    SetTextBuf(Value);
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const std::string& NewName) {
    // A control whose caption follows its name (as it does when it is dropped on a form) keeps doing so.
    const bool follow = FControlStyle.Contains(csSetCaption) && GetText() == Name() &&
                        !ComponentState().Contains(csLoading) && Owner() != nullptr &&
                        Owner()->ComponentState().Contains(csDesigning);
    TComponent::SetName(NewName);
    if (follow) SetText(NewName);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent != nullptr) {
        if (FParentColor) Perform(CM_PARENTCOLORCHANGED, 0, 0);
        if (FParentFont) Perform(CM_PARENTFONTCHANGED, 0, 0);
    }
    Perform(CM_SHOWHINTCHANGED, 0, 0);
    UpdateAnchorRules();
    RequestAlign();
}

// ---- Messages

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    if (WindowProc)
        WindowProc(message);
    else
        WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) {
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (Application() != nullptr) Application()->HintMouseMessage(this, Message);
        if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && FDragMode == dmAutomatic &&
            !ComponentState().Contains(csDesigning) && !Dragging()) {
            BeginDrag(false);
            return;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        WMLButtonDown(Message);
        break;
    case WM_LBUTTONUP:
        WMLButtonUp(Message);
        break;
    case WM_LBUTTONDBLCLK:
        WMLButtonDblClk(Message);
        break;
    case WM_RBUTTONDOWN:
        WMRButtonDown(Message);
        break;
    case WM_RBUTTONUP:
        WMRButtonUp(Message);
        break;
    case WM_RBUTTONDBLCLK:
        WMRButtonDblClk(Message);
        break;
    case WM_MBUTTONDOWN:
        WMMButtonDown(Message);
        break;
    case WM_MBUTTONUP:
        WMMButtonUp(Message);
        break;
    case WM_MOUSEMOVE:
        WMMouseMove(Message);
        break;
    case WM_MOUSEWHEEL:
        WMMouseWheel(Message);
        break;
    case WM_CANCELMODE:
        WMCancelMode(Message);
        break;
    case WM_CONTEXTMENU:
        WMContextMenu(Message);
        break;
    case CM_MOUSEENTER:
        CMMouseEnter(Message);
        break;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        break;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(Message);
        break;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(Message);
        break;
    case CM_FONTCHANGED:
        CMFontChanged(Message);
        break;
    case CM_COLORCHANGED:
        CMColorChanged(Message);
        break;
    case CM_TEXTCHANGED:
        CMTextChanged(Message);
        break;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(Message);
        break;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(Message);
        break;
    case CM_PARENTCTL3DCHANGED:
        CMParentCtl3DChanged(Message);
        break;
    case CM_PARENTSHOWHINTCHANGED:
        CMParentShowHintChanged(Message);
        break;
    case CM_SYSCOLORCHANGE:
        CMSysColorChange(Message);
        break;
    case CM_HINTSHOW:
        CMHintShow(Message);
        break;
    case CM_HITTEST:
        CMHitTest(Message);
        break;
    case CM_DRAG:
        CMDrag(Message);
        break;
    default:
        DefaultHandler(Message);
        break;
    }
}

void TControl::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETTEXTLENGTH:
        Message.Result = static_cast<LRESULT>(GetText().size());
        break;
    case WM_GETTEXT: {
        const std::string text = GetText();
        auto* buffer = reinterpret_cast<char*>(Message.LParam);
        const std::size_t capacity = static_cast<std::size_t>(Message.WParam);
        if (buffer == nullptr || capacity == 0) {
            Message.Result = 0;
            break;
        }
        const std::size_t count = std::min(text.size(), capacity - 1);
        text.copy(buffer, count);
        buffer[count] = '\0';
        Message.Result = static_cast<LRESULT>(count);
        break;
    }
    case WM_SETTEXT:
        SetTextBuf(Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "");
        Perform(CM_TEXTCHANGED, 0, 0);
        Message.Result = 1;
        break;
    default:
        break;
    }
}

void TControl::Invalidate() {
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
    if (!IsVisible || FParent == nullptr || !FParent->HandleAllocated()) return;
    RECT r = BoundsRect();
    ::InvalidateRect(FParent->Handle(), &r, IsOpaque ? FALSE : TRUE);
}

void TControl::Update() {
    if (FParent != nullptr) FParent->Update();
}

void TControl::Repaint() {
    if (!FVisible || FParent == nullptr || !FParent->HandleAllocated()) return;
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool TopMost) {
    if (FParent != nullptr) FParent->MoveChildZOrder(this, TopMost);
}

// ---- Mouse

bool TControl::MouseCapture() {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (MouseCapture() == Value) return;
    SetCaptureControl(Value ? this : nullptr);
}

TBasicAction* TControl::Action() const {
    return FActionLink != nullptr ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    if (Value == nullptr) {
        FActionLink.reset();
        FControlStyle.Exclude(csActionClient);
        return;
    }
    if (FActionLink == nullptr) FActionLink = std::make_unique<TControlActionLink>(this);
    FActionLink->SetAction(Value);
    FActionLink->TakeAll();
    FControlStyle.Include(csActionClient);
    ActionChange(Value, false);
}

void TControl::Click() {
    TBasicAction* action = Action();
    if (OnClick && (action == nullptr || !(OnClick == action->OnExecute())))
        OnClick(this);
    else if (FActionLink != nullptr && !ComponentState().Contains(csDesigning))
        FActionLink->Execute(this);
}

void TControl::DblClick() {
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    POINT p = MessagePoint(Message);
    MouseDown(Button, KeysToShiftState(static_cast<WORD>(Message.WParam)) + Shift, p.x, p.y);
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    POINT p = MessagePoint(Message);
    MouseUp(Button, KeysToShiftState(static_cast<WORD>(Message.WParam)), p.x, p.y);
}

void TControl::WMLButtonDown(TMessage& Message) {
    TWeakLink<TControl> self(this);
    if (Application() != nullptr) Application()->CancelModeOf(this);
    if (!self) return;
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
    DoMouseDown(Message, mbLeft, TShiftState{});
}

void TControl::WMLButtonDblClk(TMessage& Message) {
    TWeakLink<TControl> self(this);
    if (Application() != nullptr) Application()->CancelModeOf(this);
    if (!self) return;
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents)) DblClick();
    if (!self) return;
    DoMouseDown(Message, mbLeft, TShiftState{ssDouble});
}

void TControl::WMLButtonUp(TMessage& Message) {
    TWeakLink<TControl> self(this);
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState.Exclude(csClicked);
        RECT client = ClientRect();
        if (::PtInRect(&client, MessagePoint(Message))) Click();
    }
    if (!self) return;
    DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& Message) {
    DoMouseDown(Message, mbRight, TShiftState{});
}

void TControl::WMRButtonDblClk(TMessage& Message) {
    DoMouseDown(Message, mbRight, TShiftState{ssDouble});
}

void TControl::WMRButtonUp(TMessage& Message) {
    TWeakLink<TControl> self(this);
    if (dynamic_cast<TWinControl*>(this) != nullptr) {
        // The window system answers the release with WM_CONTEXTMENU.
        DefaultHandler(Message);
    } else if (FParent != nullptr) {
        // A control without a window asks for its context menu itself.
        POINT screen = ClientToScreen(MessagePoint(Message));
        TMessage context{WM_CONTEXTMENU, 0, PointToLParam(screen), 0};
        WindowProc(context);
        Message.Result = context.Result;
    }
    if (!self) return;
    DoMouseUp(Message, mbRight);
}

void TControl::WMMButtonDown(TMessage& Message) {
    DoMouseDown(Message, mbMiddle, TShiftState{});
}

void TControl::WMMButtonUp(TMessage& Message) {
    DoMouseUp(Message, mbMiddle);
}

void TControl::WMMouseMove(TMessage& Message) {
    if (FControlStyle.Contains(csNoStdEvents)) return;
    POINT p = MessagePoint(Message);
    MouseMove(KeysToShiftState(static_cast<WORD>(Message.WParam)), p.x, p.y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    bool handled = false;
    OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    return handled;
}

void TControl::WMMouseWheel(TMessage& Message) {
    const int delta = SHORT(HIWORD(Message.WParam));
    const TShiftState shift = KeysToShiftState(LOWORD(Message.WParam));
    POINT pos = MessagePoint(Message);
    TWeakLink<TControl> self(this);
    if (DoMouseWheel(shift, delta, pos)) {
        Message.Result = 1;
        return;
    }
    if (self && FParent != nullptr)
        Message.Result = FParent->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::WMCancelMode(TMessage& Message) {
    if (MouseCapture()) {
        SetMouseCapture(false);
        FControlState.Exclude(csClicked);
    }
    DefaultHandler(Message);
}

void TControl::DoContextPopup(POINT MousePos, bool& Handled) {
    OnContextPopup(this, MousePos, Handled);
}

void TControl::WMContextMenu(TMessage& Message) {
    if (Message.Result != 0) return;
    POINT screen = MessagePoint(Message);
    const bool keyboard = screen.x == -1 && screen.y == -1;
    POINT local = keyboard ? POINT{-1, -1} : ScreenToClient(screen);
    TWeakLink<TControl> self(this);
    bool handled = false;
    DoContextPopup(local, handled);
    if (!self) return;
    if (handled) {
        Message.Result = 1;
        return;
    }
    TPopupMenu* menu = GetPopupMenu();
    if (menu != nullptr && menu->AutoPopup()) {
        if (keyboard) screen = ClientToScreen(POINT{0, 0});
        menu->SetPopupComponent(this);
        menu->Popup(screen.x, screen.y);
        Message.Result = 1;
        return;
    }
    if (FParent != nullptr) {
        Message.Result = FParent->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
        return;
    }
    DefaultHandler(Message);
}

void TControl::CMMouseEnter(TMessage& Message) {
    if (Message.LParam == 0) OnMouseEnter(this);
    if (FParent != nullptr)
        FParent->Perform(CM_MOUSEENTER, 0,
                         Message.LParam != 0 ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TMessage& Message) {
    if (Message.LParam == 0) OnMouseLeave(this);
    if (FParent != nullptr)
        FParent->Perform(CM_MOUSELEAVE, 0,
                         Message.LParam != 0 ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMVisibleChanged(TMessage&) {
    InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
}

void TControl::CMEnabledChanged(TMessage&) {
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage& Message) {
    if (!FParentFont || FParent == nullptr) return;
    FUpdatingFont = true;
    FFont->Assign(FParent->Font());
    FUpdatingFont = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::CMParentColorChanged(TMessage& Message) {
    if (!FParentColor || FParent == nullptr) return;
    FColor = FParent->Color();
    Perform(CM_COLORCHANGED, 0, 0);
    FParentColor = true;
}

void TControl::CMParentCtl3DChanged(TMessage&) {
    if (!FParentCtl3D || FParent == nullptr) return;
    if (FCtl3D == FParent->Ctl3D()) return;
    FCtl3D = FParent->Ctl3D();
    Perform(CM_CTL3DCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (!FParentShowHint || FParent == nullptr) return;
    FShowHint = FParent->ShowHint();
}

// ---- Drag and drop

void TControl::BeginDrag(bool Immediate, int Threshold) {
    DragManager().BeginDrag(this, Immediate, Threshold);
}

void TControl::EndDrag(bool Drop) {
    if (Dragging()) DragManager().EndDrag(Drop);
}

bool TControl::Dragging() const {
    return DragManager().DragControl() == this;
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = static_cast<bool>(OnDragOver);
    if (Accept) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
    OnDragDrop(this, Source, X, Y);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
    OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
    OnEndDrag(this, Target, X, Y);
}

void TControl::CMDrag(TMessage& Message) {
    auto* rec = reinterpret_cast<TDragRec*>(Message.LParam);
    if (rec == nullptr) return;
    switch (static_cast<TDragMessage>(Message.WParam)) {
    case dmDragEnter:
    case dmDragLeave:
    case dmDragMove: {
        bool accept = false;
        const TDragState state = Message.WParam == dmDragEnter   ? dsDragEnter
                                 : Message.WParam == dmDragLeave ? dsDragLeave
                                                                 : dsDragMove;
        POINT p = ScreenToClient(rec->Pos);
        DragOver(rec->Source->DragSourceObject(), p.x, p.y, state, accept);
        Message.Result = accept ? 1 : 0;
        break;
    }
    case dmDragDrop: {
        POINT p = ScreenToClient(rec->Pos);
        DragDrop(rec->Source->DragSourceObject(), p.x, p.y);
        break;
    }
    case dmFindTarget:
        Message.Result = reinterpret_cast<LRESULT>(this);
        break;
    default:
        break;
    }
}

// ---- Parents

TCustomForm* TControl::GetParentForm() const {
    const TControl* control = this;
    while (control->FParent != nullptr)
        control = control->FParent;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

bool TControl::HasParentChain(const TControl* AControl) const {
    for (const TControl* c = this; c != nullptr; c = c->FParent)
        if (c == AControl) return true;
    return false;
}
