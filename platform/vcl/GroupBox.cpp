#include "platform/vcl/GroupBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

#include <vector>

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                   csDoubleClicks,    csReplicatable, csOpaque};
    FWidth = 185;
    FHeight = 105;
    FColor = clBtnFace;
}

void TGroupBox::AdjustClientRect(RECT& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    // Children sit below the caption and inside the frame.
    Rect.top += StdCtrlsLineHeight(Font());
    ::InflateRect(&Rect, -1, -1);
}

void TGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    const RECT client = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    const int lineHeight = StdCtrlsLineHeight(Font());
    RECT frame{client.left, client.top + lineHeight / 2, client.right, client.bottom};
    ::DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::string caption = Caption();
    if (caption.empty()) return;
    RECT text = StdCtrlsMeasureText(Font(), caption, RECT{0, 0, 0, 0}, DT_SINGLELINE);
    ::OffsetRect(&text, 8, 0);
    // The caption interrupts the frame's top edge.
    RECT gap{text.left - 1, text.top, text.right + 1, text.bottom};
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(gap);
    StdCtrlsDrawCaption(dc, Font(), caption, text, DT_SINGLELINE | DT_LEFT, Enabled(),
                        ColorToRGB(Font()->Color()));
}

void TGroupBox::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && CanFocus()) {
        std::vector<TWinControl*> list;
        GetTabOrderList(list);
        for (TWinControl* control : list) {
            if (control->CanFocus() && control->TabStop()) {
                control->SetFocus();
                break;
            }
        }
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TGroupBox::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) Invalidate();
    if (Message.Msg == CM_FONTCHANGED) Realign();
    TCustomControl::Dispatch(Message);
}
