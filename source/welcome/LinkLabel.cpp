#include "source/welcome/LinkLabel.h"

#include "platform/vcl/Font.h"

TLinkLabel::TLinkLabel(TComponent* AOwner) : TLabel(AOwner) {
    SetCursor(crHandPoint);
    SetTransparent(true);
    Font()->SetColor(NormalColor);
    OnMouseEnter = TNotifyEvent(this, &TLinkLabel::MouseEnterLink);
    OnMouseLeave = TNotifyEvent(this, &TLinkLabel::MouseLeaveLink);
}

void TLinkLabel::MouseEnterLink(TObject*) {
    Font()->SetStyle(Font()->Style() + fsUnderline);
    Font()->SetColor(HotColor);
}

void TLinkLabel::MouseLeaveLink(TObject*) {
    Font()->SetStyle(Font()->Style() - fsUnderline);
    Font()->SetColor(NormalColor);
}
