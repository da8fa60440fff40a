#include "platform/vcl/Panel.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinUser.h"

namespace panel_detail {

int BevelSize(TPanelBevel Bevel, int Width) {
    return Bevel == bvNone ? 0 : Width;
}

void DrawBevel(HDC DC, RECT& Rect, TPanelBevel Bevel, int Width, TColor Face) {
    switch (Bevel) {
    case bvRaised:
        Frame3D(DC, Rect, clBtnHighlight, clBtnShadow, Width);
        break;
    case bvLowered:
        Frame3D(DC, Rect, clBtnShadow, clBtnHighlight, Width);
        break;
    case bvSpace:
        Frame3D(DC, Rect, Face, Face, Width);
        break;
    case bvNone:
        break;
    }
}

} // namespace panel_detail

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents,  csSetCaption,
                                   csOpaque,          csDoubleClicks, csReplicatable, csParentBackground};
    FWidth = 185;
    FHeight = 41;
    FColor = clBtnFace;
}

int TCustomPanel::FrameWidth() const {
    using namespace panel_detail;
    return (FBorderStyle == bsSingle ? 2 : 0) + BevelSize(FBevelOuter, FBevelWidth) + FBorderWidth +
           BevelSize(FBevelInner, FBevelWidth);
}

void TCustomPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TPanelBevel Value) {
    if (FBevelOuter == Value) return;
    FBevelOuter = Value;
    FrameChanged();
}

void TCustomPanel::SetBevelInner(TPanelBevel Value) {
    if (FBevelInner == Value) return;
    FBevelInner = Value;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
    if (Value < 1) Value = 1;
    if (FBevelWidth == Value) return;
    FBevelWidth = Value;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int Value) {
    if (Value < 0) Value = 0;
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value) {
    if (FVerticalAlignment == Value) return;
    FVerticalAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value) {
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    const int frame = FrameWidth();
    ::InflateRect(&Rect, -frame, -frame);
}

void TCustomPanel::Paint() {
    using namespace panel_detail;
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    StdCtrlsFill(dc, r, Color());
    if (FBorderStyle == bsSingle) ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    DrawBevel(dc, r, FBevelOuter, FBevelWidth, Color());
    ::InflateRect(&r, -FBorderWidth, -FBorderWidth);
    DrawBevel(dc, r, FBevelInner, FBevelWidth, Color());
    const std::string caption = Caption();
    if (!FShowCaption || caption.empty()) return;
    UINT flags = DT_SINGLELINE | DT_EXPANDTABS;
    flags |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    flags |= FVerticalAlignment == taAlignTop      ? DT_TOP
             : FVerticalAlignment == taAlignBottom ? DT_BOTTOM
                                                   : DT_VCENTER;
    StdCtrlsDrawCaption(dc, Font(), caption, r, flags, Enabled(), ColorToRGB(Font()->Color()));
}

void TCustomPanel::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) Invalidate();
    TCustomControl::Dispatch(Message);
}
