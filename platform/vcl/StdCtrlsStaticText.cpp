#include "platform/vcl/StdCtrlsStaticText.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

TStaticText::TStaticText(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() =
        TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csReplicatable, csDoubleClicks, csOpaque};
    FWidth = 65;
    FHeight = 17;
    TControl::SetAutoSize(true);
}

void TStaticText::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TStaticText::SetBorderStyle(TStaticBorderStyle Value) {
    FBorderStyle = Value;
    AdjustSize();
    Invalidate();
}

void TStaticText::SetShowAccelChar(bool Value) {
    FShowAccelChar = Value;
    AdjustSize();
    Invalidate();
}

void TStaticText::SetFocusControl(TWinControl* Value) {
    if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TStaticText::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TStaticText::CanAutoSize(int& NewWidth, int& NewHeight) {
    const std::string text = Caption().empty() ? " " : Caption();
    const RECT r = StdCtrlsMeasureText(Font(), text, RECT{0, 0, 0, 0},
                                       DT_SINGLELINE | DT_EXPANDTABS | (FShowAccelChar ? 0 : DT_NOPREFIX));
    NewWidth = r.right + 2 * FrameWidth();
    NewHeight = r.bottom + 2 * FrameWidth();
    return true;
}

void TStaticText::Paint() {
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    StdCtrlsFill(dc, r, Color());
    if (FBorderStyle == sbsSunken)
        ::DrawEdge(dc, &r, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT | BF_ADJUST);
    else if (FBorderStyle == sbsSingle)
        Frame3D(dc, r, clWindowFrame, clWindowFrame, 1);
    const UINT flags = DT_SINGLELINE | DT_EXPANDTABS | (FShowAccelChar ? 0 : DT_NOPREFIX) |
                       (FAlignment == taRightJustify ? DT_RIGHT
                        : FAlignment == taCenter     ? DT_CENTER
                                                     : DT_LEFT);
    StdCtrlsDrawCaption(dc, Font(), Caption(), r, flags, Enabled(), ColorToRGB(Font()->Color()));
}

void TStaticText::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) {
        TCustomControl::Dispatch(Message);
        AdjustSize();
        Invalidate();
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TStaticText::CMDialogChar(TMessage& Message) {
    if (FFocusControl != nullptr && FShowAccelChar && Enabled() &&
        IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}
