// TTrackBar: a slider in the classic look — a sunken channel, a raised thumb and tick marks. The arrow
// keys step by LineSize (Right and Down go up), Page Up/Down by PageSize, Home/End to the ends; the mouse
// drags the thumb or pages towards a click on the channel; the wheel steps. OnChange fires when the
// position moves; the TBM_ messages callers send are answered.
#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/CustomControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* AOwner);

    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark Value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle Value);
    int ThumbLength() const { return FThumbLength; }
    void SetThumbLength(int Value);

    // Geometry in client coordinates: where a position's thumb centre is along the bar, and the thumb.
    int PositionToPixel(int Pos);
    int PixelToPosition(int Pixel);
    RECT ThumbRect();

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    virtual void Changed() { OnChange(this); }

private:
    int Along(int X, int Y) const { return FOrientation == trHorizontal ? X : Y; }
    // The first and last pixel the thumb centre can be at.
    int TrackStart() const;
    int TrackEnd() const;

    TTrackBarOrientation FOrientation = trHorizontal;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FLineSize = 1;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    int FThumbLength = 20;
    bool FDragging = false;
    int FDragOffset = 0;
};
