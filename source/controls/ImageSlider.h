// TImageSlider: the slider of the effect and format dialogs. It draws a track ("ruler") and a handle
// ("thumb") from bitmaps, maps whole values of its range to thumb positions and back, and is worked by
// dragging the thumb, by pressing the ruler beside it (a step towards the pointer at once, then one
// every 400 ms while the button is held), and by the keys Home, End and the arrows of its orientation.
//
// TImageCustomSlider holds all behaviour; TImageSlider is the class the dialogs place.
//
// Geometry (R is the client rectangle, one pixel less on every side with a bevel): the ruler bitmap is
// the ruler picture stretched to R's length less 12 by repeating its middle part between its two
// edges of EdgeSize pixels; ruler and thumb start 6 pixels inside R and are centred on each other
// across the track; the thumb travels L = ruler length - thumb length pixels from TrackStart, and
// value v sits at TrackStart + round(L * (v - MinValue) / (MaxValue - MinValue)), halves to even
// (vertical sliders count from the bottom). Tick marks are drawn under (or beside) the ruler.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/StdCtrls.h"
#include "source/controls/ImageSliderArt.h"

#include <array>
#include <cstdint>
#include <memory>

class TBitmap;

enum TSliderOrientation { soHorizontal, soVertical };
enum TSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TSliderOptions = Set<TSliderOption, 8>;

class TImageCustomSlider : public TCustomControl {
public:
    explicit TImageCustomSlider(TComponent* AOwner);
    ~TImageCustomSlider() override;

    // ---- Range and value. MinValue < MaxValue always holds; Value always lies within them.
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { SetRange(Value, FMaxValue); }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { SetRange(FMinValue, Value); }
    // Ignored when Max <= Min (but while the form is read). Lowers Increment to the range when needed.
    void SetRange(int Min, int Max);
    int Value() const { return FValue; }
    // Clamps to the range, places the thumb, and raises OnChange when the value differs.
    void SetValue(int Value);
    // Step of the keys and of paging, snap width without soSmooth, spacing unit of the ticks. Raises
    // ERangeError "Value must be between 1 and <range>" outside 1 .. MaxValue - MinValue.
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value);

    // ---- Look
    TSliderOrientation Orientation() const { return FOrientation; }
    // Swaps width and height at run time.
    void SetOrientation(TSliderOrientation Value);
    TSliderOptions Options() const { return FOptions; }
    void SetOptions(TSliderOptions Value);
    // The four pictures; the slider owns them. Setting a bitmap copies it; setting null restores the
    // default picture.
    TBitmap* Image(TSliderImage Index) const { return FImages[Index].get(); }
    void SetImage(TSliderImage Index, TBitmap* Value);
    TBitmap* ImageHThumb() const { return Image(siHThumb); }
    void SetImageHThumb(TBitmap* Value) { SetImage(siHThumb, Value); }
    TBitmap* ImageHRuler() const { return Image(siHRuler); }
    void SetImageHRuler(TBitmap* Value) { SetImage(siHRuler, Value); }
    TBitmap* ImageVThumb() const { return Image(siVThumb); }
    void SetImageVThumb(TBitmap* Value) { SetImage(siVThumb, Value); }
    TBitmap* ImageVRuler() const { return Image(siVRuler); }
    void SetImageVRuler(TBitmap* Value) { SetImage(siVRuler, Value); }
    // One bit per picture (bit i for TSliderImage i), set when the user assigned that picture.
    std::uint8_t UserImages() const { return FUserImages; }
    // Pictures in a thumb image side by side: 1 or 2 (normal, then pressed or disabled).
    int NumThumbStates() const { return FNumThumbStates; }
    void SetNumThumbStates(int Value);
    // Length of the ruler picture's fixed end pieces; taken only when twice it is below the picture's
    // length along the track.
    int EdgeSize() const { return FEdgeSize; }
    void SetEdgeSize(int Value);
    TBevelCut BevelStyle() const { return FBevelStyle; }
    void SetBevelStyle(TBevelCut Value);
    static constexpr int BevelWidth = 1;

    // ---- Geometry, in client coordinates
    RECT ThumbRect() const { return FThumbRect; }
    POINT RulerOrigin() const { return FRulerOrigin; }
    // The ruler bitmap built for the current size (empty when the slider is too small).
    TBitmap* RulerBitmap() const { return FRuler.get(); }
    // y of the tick marks' start for horizontal sliders, x for vertical ones.
    int TickOrigin() const { return FTickOrigin; }
    // The first thumb position along the track, and how far the thumb travels (never below 0).
    int TrackStart() const;
    int TrackLength() const;
    // The thumb's leading edge for a value (top edge for vertical sliders), and the value at one.
    int ValueToPos(int Value) const;
    int PosToValue(int Pos) const;

    // The built-in tick marks with other parameters, for OnDrawPoints handlers.
    void DrawPoints(int Increment, int Inner, int End);

    TNotifyEvent OnChange;  // the value changed
    TNotifyEvent OnChanged; // a user action ended: thumb released, key step, paging ended
    TNotifyEvent OnDrawPoints;

    void Loaded() override;

protected:
    // Whether the user may change the value; every user action asks.
    virtual bool CanModify() { return true; }
    virtual RECT GetSliderRect() const;
    virtual int GetSliderValue() const { return FValue; }
    // Rebuilds the ruler bitmap and the layout, places the thumb for Value and repaints.
    virtual void AdjustElements();
    virtual void RangeChanged() {}
    virtual void ThumbMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void ThumbMouseMove(TShiftState Shift, int X, int Y);
    virtual void ThumbMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Change() { OnChange(this); }
    void Changed() override { OnChanged(this); }

    void Paint() override;
    void PaintWindow(HDC DC) override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void WMSetCursor(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    enum TStepKind { skMin, skMax, skUp, skDown };
    enum TPageDirection { pdNone, pdUp, pdDown };

    bool Horizontal() const { return FOrientation == soHorizontal; }
    TBitmap* Thumb() const { return Image(Horizontal() ? siHThumb : siVThumb); }
    TBitmap* RulerImage() const { return Image(Horizontal() ? siHRuler : siVRuler); }
    SIZE ThumbSize() const;
    bool Reading() const;
    void BuildRuler();
    void AdjustThumbPos(int Pos);
    void MoveThumb(int Pos);
    void PlaceThumb(int Pos);
    void InvalidateThumb();
    void StepValue(TStepKind Kind);
    TPageDirection HitTest(int X, int Y) const;
    void TimerStep();
    void StopPaging();
    void ImageChanged(TObject* Sender);
    void DrawThumb(HDC DC, POINT At);

    int FMinValue = 0;
    int FMaxValue = 100;
    int FValue = 0;
    int FIncrement = 10;
    TSliderOrientation FOrientation = soHorizontal;
    TSliderOptions FOptions{soShowFocus, soShowPoints, soSmooth};
    std::array<std::unique_ptr<TBitmap>, 4> FImages;
    std::uint8_t FUserImages = 0;
    int FNumThumbStates = 2;
    int FEdgeSize = 2;
    TBevelCut FBevelStyle = bvNone;

    std::unique_ptr<TBitmap> FRuler;
    POINT FRulerOrigin{0, 0};
    RECT FThumbRect{0, 0, 0, 0};
    int FTickOrigin = 0;

    bool FConstructing = true;
    bool FFocused = false;
    bool FSliding = false;
    bool FThumbPressed = false;
    bool FPaging = false;
    bool FTimerRunning = false;
    int FGrabOffset = 0;
    POINT FLastPoint{0, 0};
    TPageDirection FPageDirection = pdNone;
};

class TImageSlider : public TImageCustomSlider {
public:
    explicit TImageSlider(TComponent* AOwner) : TImageCustomSlider(AOwner) {}
};
