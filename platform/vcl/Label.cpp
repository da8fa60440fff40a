#include "platform/vcl/Label.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    // A label keeps the control's mouse styles: it takes clicks and double clicks (OnClick, OnDblClick).
    ControlStyle().Include(csOpaque);
    ControlStyle().Include(csReplicatable);
    FWidth = 65;
    FHeight = 17;
    TControl::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (Transparent() == Value) return;
    if (Value)
        ControlStyle().Exclude(csOpaque);
    else
        ControlStyle().Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    if (FFocusControl != nullptr) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::SetAutoSize(bool Value) {
    TGraphicControl::SetAutoSize(Value);
    AdjustBounds();
}

unsigned TCustomLabel::DrawTextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (FAlignment == taCenter)
        flags |= DT_CENTER;
    return flags;
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
    if (!AutoSize() || ComponentState().Contains(csLoading)) return;
    std::string text = Caption();
    // An empty caption keeps the height of one line.
    if (text.empty()) text = " ";
    RECT r{0, 0, FWordWrap ? FWidth : 0, 0};
    r = StdCtrlsMeasureText(Font(), text, r, DrawTextFlags() & ~static_cast<unsigned>(DT_RIGHT | DT_CENTER));
    int left = FLeft;
    const int width = r.right;
    if (!FWordWrap) {
        if (FAlignment == taRightJustify)
            left = FLeft + FWidth - width;
        else if (FAlignment == taCenter)
            left = FLeft + (FWidth - width) / 2;
    }
    SetBounds(left, FTop, FWordWrap ? FWidth : width, r.bottom);
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT client = ClientRect();
    if (!Transparent()) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(client);
    }
    const std::string text = Caption();
    const unsigned flags = DrawTextFlags();
    RECT r = client;
    if (FLayout != tlTop) {
        const RECT size =
            StdCtrlsMeasureText(Font(), text.empty() ? " " : text, RECT{0, 0, client.right, 0}, flags);
        const int height = size.bottom;
        r.top = FLayout == tlBottom ? client.bottom - height : (client.bottom - height) / 2;
    }
    StdCtrlsDrawCaption(dc, Font(), text, r, flags, Enabled(), ColorToRGB(Font()->Color()));
}

void TCustomLabel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(Message);
        AdjustBounds();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl != nullptr && Enabled() && FShowAccelChar &&
            IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}
