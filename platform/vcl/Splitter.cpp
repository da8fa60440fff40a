#include "platform/vcl/Splitter.h"

#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/WinControl.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetAlign(alLeft);
    FWidth = 3;
    FHeight = 100;
    SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool Value) {
    FBeveled = Value;
    Invalidate();
}

TControl* TSplitter::FindControl() {
    TWinControl* parent = Parent();
    if (parent == nullptr) return nullptr;
    // The neighbour touches the splitter's edge that faces its own side.
    POINT probe{FLeft, FTop};
    switch (Align()) {
    case alLeft:
        probe = POINT{FLeft - 1, FTop + FHeight / 2};
        break;
    case alRight:
        probe = POINT{FLeft + FWidth, FTop + FHeight / 2};
        break;
    case alTop:
        probe = POINT{FLeft + FWidth / 2, FTop - 1};
        break;
    case alBottom:
        probe = POINT{FLeft + FWidth / 2, FTop + FHeight};
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        const RECT r = c->BoundsRect();
        if (probe.x >= r.left && probe.x < r.right && probe.y >= r.top && probe.y < r.bottom) return c;
    }
    return nullptr;
}

int TSplitter::NeighbourSize(TControl* Control) const {
    return Align() == alLeft || Align() == alRight ? Control->Width() : Control->Height();
}

int TSplitter::MaxNeighbourSize(TControl* Control) {
    TWinControl* parent = Parent();
    const RECT client = parent->ClientRect();
    const bool horizontal = Align() == alLeft || Align() == alRight;
    // Everything aligned to the sides along the drag takes room the neighbour cannot have.
    int taken = 0;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (c == Control || !c->Visible()) continue;
        if (horizontal && (c->Align() == alLeft || c->Align() == alRight)) taken += c->Width();
        if (!horizontal && (c->Align() == alTop || c->Align() == alBottom)) taken += c->Height();
    }
    const int room =
        (horizontal ? client.right - client.left : client.bottom - client.top) - taken - FMinSize;
    return std::max(FMinSize, room);
}

void TSplitter::ApplySize(TControl* Control, int Size) {
    if (Align() == alLeft || Align() == alRight)
        Control->SetWidth(Size);
    else
        Control->SetHeight(Size);
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FControl = FindControl();
    if (FControl == nullptr) return;
    FDragging = true;
    FDownPos = ClientToScreen(POINT{X, Y});
    FStartSize = NeighbourSize(FControl);
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging || FControl == nullptr) return;
    const POINT now = ClientToScreen(POINT{X, Y});
    int delta = Align() == alLeft || Align() == alRight ? now.x - FDownPos.x : now.y - FDownPos.y;
    // Dragging towards the neighbour shrinks it, for a neighbour on the right or bottom too.
    if (Align() == alRight || Align() == alBottom) delta = -delta;
    int size = std::clamp(FStartSize + delta, FMinSize, MaxNeighbourSize(FControl));
    bool accept = true;
    OnCanResize(this, size, accept);
    if (!accept || size == NeighbourSize(FControl)) return;
    ApplySize(FControl, size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    FControl = nullptr;
    OnMoved(this);
}

void TSplitter::Dispatch(TMessage& Message) {
    // A splitter turned to lie across takes the matching cursor.
    if (Message.Msg == CM_MOUSEENTER)
        SetCursor(Align() == alTop || Align() == alBottom ? crVSplit : crHSplit);
    TGraphicControl::Dispatch(Message);
}

void TSplitter::Paint() {
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    StdCtrlsFill(dc, r, Color());
    if (FBeveled) Frame3D(dc, r, clBtnHighlight, clBtnShadow, 1);
}
