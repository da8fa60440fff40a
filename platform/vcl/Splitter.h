// TSplitter: a bar between a control aligned to one side and the rest of its parent. Dragging it resizes
// that neighbour, keeping the neighbour at least MinSize and the rest of the parent at least MinSize too;
// OnCanResize may change or refuse a size, OnMoved follows each completed drag.
#pragma once

#include "platform/vcl/GraphicControl.h"

using TCanResizeSplitterEvent = TEvent<TObject*, int&, bool&>;

class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value);
    // The control the splitter resizes: the one aligned the same way right before it.
    TControl* FindControl();

    TCanResizeSplitterEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int NeighbourSize(TControl* Control) const;
    // The largest size the neighbour may take: the rest of the parent keeps MinSize.
    int MaxNeighbourSize(TControl* Control);
    void ApplySize(TControl* Control, int Size);

    TControl* FControl = nullptr;
    POINT FDownPos{0, 0};
    int FStartSize = 0;
    int FMinSize = 30;
    bool FBeveled = false;
    bool FDragging = false;
};
