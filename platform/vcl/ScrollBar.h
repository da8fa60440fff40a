// TScrollBar: a scroll bar control in the classic look — arrow buttons at both ends, a track and a thumb
// sized by PageSize. Arrows step by SmallChange (repeating while held), the track pages by LargeChange
// (repeating while held), the thumb can be dragged (OnScroll reports scTrack while dragging and
// scPosition at the end), the wheel scrolls three lines a notch and the arrow, Page and Home/End keys move
// it when focused. Ranges run over the full int range callers use (65535 and beyond). Other controls
// embed one as their scroll bar.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Scrolling.h"

enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

// clang-format off
constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
// clang-format on

class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    int Max() const { return FMax; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    int Position() const { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    // Sets all three at once; the position is kept in range. OnChange fires when the position moved.
    void SetParams(int APosition, int AMin, int AMax);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    // The largest position: Max, less the page when the bar shows one.
    int MaxPosition() const;

    // Geometry, in client coordinates along the bar: the arrow size and the thumb's start and length.
    int ArrowSize() const;
    int ThumbStart() const;
    int ThumbLength() const;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    // Applies a scroll code: OnScroll may change the new position, then it is set.
    void Scroll(TScrollCode Code, int NewPos);

private:
    enum class THit { None, ArrowBack, ArrowForward, PageBack, PageForward, Thumb };
    int Length() const;
    int Thickness() const;
    int AlongOf(int X, int Y) const { return FKind == sbVertical ? Y : X; }
    THit HitTest(int Along) const;
    void RepeatHit();
    void StopRepeat();

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    THit FHit = THit::None;
    int FDragOffset = 0;
    int FLastAlong = 0;
    bool FRepeating = false;
};
