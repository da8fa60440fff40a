#include "platform/vcl/Bevel.h"

#include "platform/vcl/StdCtrlsPaint.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(csReplicatable);
    FWidth = 50;
    FHeight = 50;
}

void TBevel::SetShape(TBevelShape Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint() {
    HDC dc = Canvas()->Handle();
    const TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const RECT client = ClientRect();
    const int w = client.right;
    const int h = client.bottom;
    RECT r = client;
    switch (FShape) {
    case bsBox:
        Frame3D(dc, r, first, second, 1);
        break;
    case bsFrame: {
        // Two offset frames make the etched look.
        RECT outer{0, 0, w - 1, h - 1};
        RECT inner{1, 1, w, h};
        RECT drawn = inner;
        Frame3D(dc, drawn, second, second, 1);
        drawn = outer;
        Frame3D(dc, drawn, first, first, 1);
        break;
    }
    case bsTopLine:
        StdCtrlsFill(dc, RECT{0, 0, w, 1}, first);
        StdCtrlsFill(dc, RECT{0, 1, w, 2}, second);
        break;
    case bsBottomLine:
        StdCtrlsFill(dc, RECT{0, h - 2, w, h - 1}, first);
        StdCtrlsFill(dc, RECT{0, h - 1, w, h}, second);
        break;
    case bsLeftLine:
        StdCtrlsFill(dc, RECT{0, 0, 1, h}, first);
        StdCtrlsFill(dc, RECT{1, 0, 2, h}, second);
        break;
    case bsRightLine:
        StdCtrlsFill(dc, RECT{w - 2, 0, w - 1, h}, first);
        StdCtrlsFill(dc, RECT{w - 1, 0, w, h}, second);
        break;
    case bsSpacer:
        break;
    }
}
