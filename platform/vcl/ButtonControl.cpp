#include "platform/vcl/ButtonControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks, csCaptureMouse, csOpaque};
    SetTabStop(true);
}

void TButtonControl::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    Invalidate();
}

void TButtonControl::SetPressed(bool Value) {
    if (FPressed == Value) return;
    FPressed = Value;
    Invalidate();
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        SetPressed(true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y) {
    // Held down, the button shows pressed only while the mouse is over it.
    if (MouseCapture() && Shift.Contains(ssLeft)) {
        const RECT r = ClientRect();
        SetPressed(::PtInRect(&r, POINT{X, Y}) != FALSE);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool wasPressed = FPressed && Button == mbLeft;
    if (Button == mbLeft) SetPressed(false);
    TWeakLink<TButtonControl> self(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self) return;
    const RECT r = ClientRect();
    if (wasPressed && ::PtInRect(&r, POINT{X, Y}) && Enabled()) Press();
}

void TButtonControl::WMKillFocus(TMessage& Message) {
    FSpaceDown = false;
    SetPressed(false);
    TCustomControl::WMKillFocus(Message);
}

void TButtonControl::Accelerate() {
    if (CanFocus()) SetFocus();
    Press();
}

void TButtonControl::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && CanFocus()) {
        Accelerate();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TButtonControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_KEYDOWN:
        if (Message.WParam == VK_SPACE && KeyDataToShiftState(Message.LParam).empty()) {
            FSpaceDown = true;
            SetPressed(true);
        }
        break;
    case WM_KEYUP:
        if (Message.WParam == VK_SPACE && FSpaceDown) {
            FSpaceDown = false;
            SetPressed(false);
            TWeakLink<TButtonControl> self(this);
            Press();
            if (!self) return;
        }
        break;
    case BM_CLICK:
        // A click sent by a program is a completed press.
        Press();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TButtonControl::DrawCaption(HDC DC, RECT Rect, unsigned Flags, bool FocusAroundText) {
    const std::string caption = Caption();
    if (FWordWrap) Flags = (Flags & ~static_cast<unsigned>(DT_SINGLELINE | DT_VCENTER)) | DT_WORDBREAK;
    StdCtrlsDrawCaption(DC, Font(), caption, Rect, Flags, Enabled(), ColorToRGB(Font()->Color()));
    if (!Focused()) return;
    RECT focus = Rect;
    if (FocusAroundText) {
        RECT text = StdCtrlsMeasureText(Font(), caption.empty() ? " " : caption,
                                        RECT{0, 0, Rect.right - Rect.left, 0},
                                        Flags & ~static_cast<unsigned>(DT_VCENTER | DT_CENTER | DT_RIGHT));
        const int top = Rect.top + ((Rect.bottom - Rect.top) - text.bottom) / 2;
        focus = RECT{Rect.left - 1, top - 1, Rect.left + text.right + 1, top + text.bottom + 1};
        if ((Flags & DT_RIGHT) != 0) ::OffsetRect(&focus, (Rect.right - Rect.left) - text.right, 0);
    }
    ::DrawFocusRect(DC, &focus);
}

void TButtonControl::PaintMarkAndCaption(UINT MarkState, bool MarkRight) {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    const RECT client = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    const int top = (client.bottom - StdCtrlsCheckSize) / 2;
    RECT mark{0, top, StdCtrlsCheckSize, top + StdCtrlsCheckSize};
    if (MarkRight) ::OffsetRect(&mark, client.right - StdCtrlsCheckSize, 0);
    ::DrawFrameControl(dc, &mark, DFC_BUTTON, MarkState);
    RECT text = client;
    if (MarkRight)
        text.right -= StdCtrlsCheckSize + 4;
    else
        text.left += StdCtrlsCheckSize + 4;
    DrawCaption(dc, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, true);
}
