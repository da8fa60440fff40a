// TskSkinTrackBar: a slider. Its track comes from the description, the part of the track up to the thumb
// from a second rectangle of it, and the thumb (normal and active) is a picture the user drags, clicks
// to (JumpWhenClick), moves with the arrow keys or the wheel. Without a description it draws a plain
// groove and thumb. Setting Value repaints at once and fires OnChange when the value changes.
#pragma once

#include "skin/controls/SkinControl.h"

class TskSkinTrackBar : public TskSkinCustomControl {
public:
    explicit TskSkinTrackBar(TComponent* AOwner);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    int Value() const { return FValue; }
    // Clamped to MinValue..MaxValue; a changed value repaints and fires OnChange.
    void SetValue(int Value);
    bool Vertical() const { return FVertical; }
    void SetVertical(bool Value);
    bool MouseSupport() const { return FMouseSupport; }
    void SetMouseSupport(bool Value) { FMouseSupport = Value; }
    // A click on the track (not on the thumb) moves the thumb's centre there.
    bool JumpWhenClick() const { return FJumpWhenClick; }
    void SetJumpWhenClick(bool Value) { FJumpWhenClick = Value; }
    // Whether the bar takes the focus (and with it the arrow keys and the wheel).
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value);

    // Every change of Value.
    TNotifyEvent OnChange;
    // A drag ended, or a key or wheel step was taken.
    TNotifyEvent OnLastChange;
    TNotifyEvent OnStartDragButton;

    // The thumb geometry at the current size and value: Start and End of the thumb centre's travel,
    // Pos (pixels from Start) and the thumb's rectangle.
    void UpdateThumb();
    int ThumbStart() const { return FStart; }
    int ThumbEnd() const { return FEnd; }
    int ThumbPos() const { return FPos; }
    const TRect& ThumbRect() const { return FThumbRect; }
    bool Dragging() const { return FDragging; }
    // The value a thumb position (pixels from Start) stands for.
    int ValueFromPos(int Pos) const;

    void FindSkinIndex() override;
    void GetSkinSize(int& AWidth, int& AHeight) override;

    // The description's rectangles (skin coordinates) and the track area (control coordinates).
    TRect ActiveSkinRect{}, SkinTrackArea{}, ButtonRect{}, ActiveButtonRect{}, TrackArea{};
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = clBlack;

protected:
    void PaintSkinImage(TBitmap* B) override;
    void PaintDefaultImage(TBitmap* B) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void WMMouseWheel(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    bool HasFocus();
    // Value := Value + Step, then OnLastChange.
    void StepValue(int Step);
    void ThumbGeometry(const TRect& Area, int ThumbWidth, int ThumbHeight);

    int FMinValue = 0;
    int FMaxValue = 100;
    int FValue = 50;
    bool FVertical = false;
    bool FMouseSupport = true;
    bool FJumpWhenClick = false;
    bool FCanFocused = false;

    int FStart = 0, FEnd = 0, FPos = 0;
    TRect FThumbRect{};
    bool FDragging = false;
    int FDragStart = 0, FDragPos = 0;
};
