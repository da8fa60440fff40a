#include "source/controls/ImageSlider.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/ControlCanvas.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>

namespace image_slider_detail {

// Distance of ruler and thumb from the slider rectangle's edges, and of the ticks below them.
constexpr int Inset = 6;
constexpr int TickGap = 7;
// How far beside the ruler, across the track, a press still pages.
constexpr int RulerSlack = 3;
constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT RepeatMs = 400;

bool Inside(const RECT& r, int x, int y) { // edges included
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

} // namespace image_slider_detail

TImageCustomSlider::TImageCustomSlider(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks};
    FWidth = 150;
    FHeight = 40;
    SetTabStop(true);
    for (int i = 0; i < 4; ++i) {
        FImages[i] = std::make_unique<TBitmap>();
        LoadDefaultSliderImage(FImages[i].get(), static_cast<TSliderImage>(i));
        FImages[i]->OnChange = TNotifyEvent(this, &TImageCustomSlider::ImageChanged);
    }
    FRuler = std::make_unique<TBitmap>();
    FConstructing = false;
    AdjustElements();
}

TImageCustomSlider::~TImageCustomSlider() {
    for (auto& image : FImages)
        image->OnChange = nullptr;
    if (FTimerRunning && HandleAllocated()) ::KillTimer(Handle(), image_slider_detail::RepeatTimer);
}

bool TImageCustomSlider::Reading() const {
    return ComponentState().Contains(csReading);
}

SIZE TImageCustomSlider::ThumbSize() const {
    TBitmap* thumb = Thumb();
    return SIZE{thumb->Width() / std::max(FNumThumbStates, 1), thumb->Height()};
}

RECT TImageCustomSlider::GetSliderRect() const {
    RECT r = ClientRect();
    if (FBevelStyle != bvNone) ::InflateRect(&r, -BevelWidth, -BevelWidth);
    return r;
}

// ---- Range and value -------------------------------------------------------------------------------

void TImageCustomSlider::SetRange(int Min, int Max) {
    if (Max <= Min && !Reading()) return;
    FMinValue = Min;
    FMaxValue = Max;
    if (!Reading() && static_cast<std::int64_t>(Max) < static_cast<std::int64_t>(Min) + FIncrement)
        FIncrement = Max - Min;
    if (FOptions.Contains(soShowPoints)) Invalidate();
    SetValue(FValue);
    RangeChanged();
}

void TImageCustomSlider::SetValue(int Value) {
    Value = std::max(FMinValue, std::min(Value, FMaxValue));
    const bool changed = Value != FValue;
    FValue = Value;
    PlaceThumb(ValueToPos(Value));
    if (changed) Change();
}

void TImageCustomSlider::SetIncrement(int Value) {
    const std::int64_t range = static_cast<std::int64_t>(FMaxValue) - FMinValue;
    if (!Reading() && (Value <= 0 || Value > range))
        throw ERangeError(Format("Value must be between %d and %d", 1, static_cast<int>(range)));
    if (Value == FIncrement) return;
    FIncrement = Value;
    SetValue(FValue);
    Invalidate();
}

// ---- Look ------------------------------------------------------------------------------------------

void TImageCustomSlider::SetOrientation(TSliderOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    AdjustElements();
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csUpdating))
        SetBounds(FLeft, FTop, FHeight, FWidth);
}

void TImageCustomSlider::SetOptions(TSliderOptions Value) {
    if (Value == FOptions) return;
    FOptions = Value;
    Invalidate();
}

void TImageCustomSlider::SetImage(TSliderImage Index, TBitmap* Value) {
    const auto bit = static_cast<std::uint8_t>(1u << Index);
    if (Value != nullptr) {
        FImages[Index]->Assign(Value);
        FUserImages |= bit;
        return;
    }
    LoadDefaultSliderImage(FImages[Index].get(), Index);
    FUserImages &= static_cast<std::uint8_t>(~bit);
    if (Reading()) return;
    if (Index == siHThumb || Index == siVThumb)
        FOptions -= soThumbOpaque;
    else
        FOptions -= soRulerOpaque;
    Invalidate();
}

void TImageCustomSlider::ImageChanged(TObject*) {
    if (!FConstructing) AdjustElements();
}

void TImageCustomSlider::SetNumThumbStates(int Value) {
    if (Value < 1 || Value > 2 || Value == FNumThumbStates) return;
    FNumThumbStates = Value;
    AdjustElements();
}

void TImageCustomSlider::SetEdgeSize(int Value) {
    TBitmap* ruler = RulerImage();
    const int length = Horizontal() ? ruler->Width() : ruler->Height();
    if (Value < 0 || 2 * Value >= length || Value == FEdgeSize) return;
    FEdgeSize = Value;
    AdjustElements();
}

void TImageCustomSlider::SetBevelStyle(TBevelCut Value) {
    if (Value == FBevelStyle) return;
    FBevelStyle = Value;
    AdjustElements();
    Repaint();
}

// ---- Layout ----------------------------------------------------------------------------------------

// The ruler picture's start edge and end edge appear once, at the ends, and its middle part repeats
// between them; a bitmap shorter than the picture shows its start cut at the bitmap's end.
void TImageCustomSlider::BuildRuler() {
    const RECT r = GetSliderRect();
    TBitmap* image = RulerImage();
    const int length = std::max(0, (Horizontal() ? r.right - r.left : r.bottom - r.top) - 12);
    const int thickness = Horizontal() ? image->Height() : image->Width();
    const int s = Horizontal() ? image->Width() : image->Height();
    if (Horizontal())
        FRuler->SetSize(length, thickness);
    else
        FRuler->SetSize(thickness, length);
    if (length == 0 || thickness == 0 || s == 0) return;

    // An edge that leaves no middle part (a picture changed under the edge size) counts as none.
    const int e = 2 * FEdgeSize < s ? FEdgeSize : 0;
    const int t = s - 2 * e;
    const int a = length - 2 * e;
    const int n = a / t;
    const int m = a % t;
    HDC dst = FRuler->Canvas()->Handle();
    HDC src = image->Canvas()->Handle();
    // What no segment covers stays transparent.
    StdCtrlsFill(dst, RECT{0, 0, FRuler->Width(), FRuler->Height()}, image->TransparentColor());
    const auto copy = [&](int from, int to, int at) {
        const int count = std::min(to - from, length - at);
        if (count <= 0) return;
        if (Horizontal())
            ::BitBlt(dst, at, 0, count, thickness, src, from, 0, SRCCOPY);
        else
            ::BitBlt(dst, 0, at, thickness, count, src, 0, from, SRCCOPY);
    };
    copy(0, s - e, 0);
    for (int k = 1; k < n; ++k)
        copy(e, e + t, e + k * t);
    if (n > 0) copy(e + t - m, s, e + n * t);
}

void TImageCustomSlider::AdjustElements() {
    using namespace image_slider_detail;
    BuildRuler();
    const RECT r = GetSliderRect();
    const SIZE thumb = ThumbSize();
    const int rw = FRuler->Width(), rh = FRuler->Height();
    POINT thumbAt{r.left + Inset, r.top + Inset};
    FRulerOrigin = thumbAt;
    if (Horizontal()) {
        if (thumb.cy > rh)
            FRulerOrigin.y += (thumb.cy - rh) / 2;
        else
            thumbAt.y += (rh - thumb.cy) / 2;
        FTickOrigin = r.top + std::max<int>(thumb.cy, rh) + TickGap;
    } else {
        if (thumb.cx > rw)
            FRulerOrigin.x += (thumb.cx - rw) / 2;
        else
            thumbAt.x += (rw - thumb.cx) / 2;
        FTickOrigin = r.left + std::max<int>(thumb.cx, rw) + TickGap;
    }
    FThumbRect = RECT{thumbAt.x, thumbAt.y, thumbAt.x + thumb.cx, thumbAt.y + thumb.cy};
    SetValue(FValue);
    Invalidate();
}

void TImageCustomSlider::Resize() {
    TCustomControl::Resize();
    if (!Reading()) AdjustElements();
}

void TImageCustomSlider::Loaded() {
    TCustomControl::Loaded();
    // Pictures the form assigned while it was read take effect now, with the final size.
    AdjustElements();
}

// ---- Values and positions --------------------------------------------------------------------------

int TImageCustomSlider::TrackStart() const {
    const RECT r = GetSliderRect();
    return (Horizontal() ? r.left : r.top) + image_slider_detail::Inset;
}

int TImageCustomSlider::TrackLength() const {
    const SIZE thumb = ThumbSize();
    const int length = Horizontal() ? FRuler->Width() - thumb.cx : FRuler->Height() - thumb.cy;
    return std::max(length, 0);
}

int TImageCustomSlider::ValueToPos(int Value) const {
    const int start = TrackStart();
    const double range = static_cast<double>(FMaxValue) - FMinValue;
    const int d =
        range > 0
            ? static_cast<int>(Round(TrackLength() * ((static_cast<double>(Value) - FMinValue) / range)))
            : 0;
    int pos = start + d;
    if (!Horizontal()) {
        const RECT r = GetSliderRect();
        pos = r.top + r.bottom - (start + d) - ThumbSize().cy;
    }
    return std::max(pos, start);
}

int TImageCustomSlider::PosToValue(int Pos) const {
    if (!Horizontal()) Pos = ClientHeight() - Pos - ThumbSize().cy;
    const int length = TrackLength();
    // A ruler no longer than the thumb leaves nowhere to go but the minimum.
    if (length <= 0) return FMinValue;
    const double x =
        static_cast<double>(Pos - TrackStart()) * (static_cast<double>(FMaxValue) - FMinValue) / length;
    std::int64_t v = Round(x);
    if (!FOptions.Contains(soSmooth)) {
        const int increment = std::max(FIncrement, 1);
        v = Round(static_cast<double>(v) / increment) * increment;
    }
    return static_cast<int>(std::min<std::int64_t>(std::max<std::int64_t>(v, 0) + FMinValue, FMaxValue));
}

void TImageCustomSlider::PlaceThumb(int Pos) {
    InvalidateThumb();
    const int w = FThumbRect.right - FThumbRect.left, h = FThumbRect.bottom - FThumbRect.top;
    if (Horizontal())
        FThumbRect = RECT{Pos, FThumbRect.top, Pos + w, FThumbRect.bottom};
    else
        FThumbRect = RECT{FThumbRect.left, Pos, FThumbRect.right, Pos + h};
    InvalidateThumb();
}

void TImageCustomSlider::InvalidateThumb() {
    if (!HandleAllocated()) return;
    ::InvalidateRect(Handle(), &FThumbRect, FALSE);
}

void TImageCustomSlider::AdjustThumbPos(int Pos) {
    const int start = TrackStart(), end = start + TrackLength();
    Pos = std::max(start, std::min(Pos, end));
    Pos = std::min(ValueToPos(PosToValue(Pos)), end);
    PlaceThumb(Pos);
}

void TImageCustomSlider::MoveThumb(int Pos) {
    const int old = FValue;
    AdjustThumbPos(Pos);
    if (!FSliding) return;
    FValue = PosToValue(Horizontal() ? FThumbRect.left : FThumbRect.top);
    if (FValue != old) Change();
}

void TImageCustomSlider::StepValue(TStepKind Kind) {
    const int increment = std::max(FIncrement, 1);
    // Steps snap to multiples of Increment counted from 0, not from MinValue.
    const std::int64_t snapped = Round(static_cast<double>(FValue) / increment) * increment;
    std::int64_t v = FValue;
    switch (Kind) {
    case skMin:
        v = FMinValue;
        break;
    case skMax:
        v = FMaxValue;
        break;
    case skUp:
        v = snapped + increment;
        break;
    case skDown:
        v = snapped - increment;
        break;
    }
    if (v >= FMaxValue)
        v = FMaxValue;
    else if (v <= FMinValue)
        v = FMinValue;
    if (v != FValue) SetValue(static_cast<int>(v));
}

// ---- Keyboard --------------------------------------------------------------------------------------

void TImageCustomSlider::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) return;
    TStepKind kind;
    switch (Key) {
    case VK_HOME:
        kind = skMin;
        break;
    case VK_END:
        kind = skMax;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!Horizontal()) return;
        kind = Key == VK_RIGHT ? skUp : skDown;
        break;
    case VK_UP:
    case VK_DOWN:
        if (Horizontal()) return;
        kind = Key == VK_UP ? skUp : skDown;
        break;
    default:
        return;
    }
    if (!CanModify()) return;
    Key = 0;
    StepValue(kind);
    Changed();
}

// ---- Mouse -----------------------------------------------------------------------------------------

void TImageCustomSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    using namespace image_slider_detail;
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || Shift.Contains(ssDouble)) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (Inside(FThumbRect, X, Y)) {
        ThumbMouseDown(Button, Shift, X, Y);
        return;
    }
    RECT ruler{FRulerOrigin.x, FRulerOrigin.y, FRulerOrigin.x + FRuler->Width(),
               FRulerOrigin.y + FRuler->Height()};
    if (Horizontal())
        ::InflateRect(&ruler, 0, RulerSlack);
    else
        ::InflateRect(&ruler, RulerSlack, 0);
    if (!::PtInRect(&ruler, POINT{X, Y}) || !CanModify()) return;
    SetMouseCapture(true);
    FPaging = true;
    FLastPoint = POINT{X, Y};
    FPageDirection = HitTest(X, Y);
    TimerStep();
}

TImageCustomSlider::TPageDirection TImageCustomSlider::HitTest(int X, int Y) const {
    if (Horizontal()) {
        if (X < FThumbRect.left) return pdDown;
        if (X > FThumbRect.right) return pdUp;
    } else {
        if (Y < FThumbRect.top) return pdUp;
        if (Y > FThumbRect.bottom) return pdDown;
    }
    return pdNone;
}

void TImageCustomSlider::TimerStep() {
    // Once the thumb has reached the pointer the repeat goes on idle until the button is released.
    if (FPageDirection == pdNone || HitTest(FLastPoint.x, FLastPoint.y) != FPageDirection) return;
    StepValue(FPageDirection == pdUp ? skUp : skDown);
    if (!FTimerRunning) {
        ::SetTimer(Handle(), image_slider_detail::RepeatTimer, image_slider_detail::RepeatMs, nullptr);
        FTimerRunning = true;
    }
}

void TImageCustomSlider::StopPaging() {
    if (FTimerRunning && HandleAllocated()) ::KillTimer(Handle(), image_slider_detail::RepeatTimer);
    FTimerRunning = false;
    FPaging = false;
    SetMouseCapture(false);
}

void TImageCustomSlider::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (Shift.Contains(ssLeft) && FSliding)
        ThumbMouseMove(Shift, X, Y);
    else if (FPaging)
        FLastPoint = POINT{X, Y};
}

void TImageCustomSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FPaging) {
        StopPaging();
        Changed();
    }
    if (FSliding) ThumbMouseUp(Button, Shift, X, Y);
}

void TImageCustomSlider::ThumbMouseDown(TMouseButton Button, TShiftState, int X, int Y) {
    if (Button != mbLeft || !CanModify()) return;
    if (CanFocus() && !Focused()) SetFocus();
    FSliding = true;
    FThumbPressed = true;
    FGrabOffset = Horizontal() ? X - FThumbRect.left : Y - FThumbRect.top;
    InvalidateThumb();
    Update();
}

void TImageCustomSlider::ThumbMouseMove(TShiftState Shift, int X, int Y) {
    if (!Shift.Contains(ssLeft) || !CanModify()) return;
    MoveThumb((Horizontal() ? X : Y) - FGrabOffset);
}

void TImageCustomSlider::ThumbMouseUp(TMouseButton Button, TShiftState, int, int) {
    if (Button != mbLeft) return;
    FSliding = false;
    FThumbPressed = false;
    InvalidateThumb();
    Update();
    if (CanModify()) Changed();
}

// ---- Messages --------------------------------------------------------------------------------------

void TImageCustomSlider::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam == image_slider_detail::RepeatTimer) {
            TimerStep();
            return;
        }
        break;
    case WM_CANCELMODE:
        // Someone took the mouse away (a modal box, a menu): the press ends here.
        if (FPaging) StopPaging();
        if (FSliding) {
            FSliding = false;
            FThumbPressed = false;
            InvalidateThumb();
        }
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TImageCustomSlider::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    FFocused = true;
    if (FOptions.Contains(soShowFocus)) Invalidate();
}

void TImageCustomSlider::WMKillFocus(TMessage& Message) {
    TCustomControl::WMKillFocus(Message);
    FFocused = false;
    if (FOptions.Contains(soShowFocus)) Invalidate();
}

void TImageCustomSlider::WMSetCursor(TMessage& Message) {
    if (reinterpret_cast<HWND>(Message.WParam) == FHandle && SHORT(LOWORD(Message.LParam)) == HTCLIENT &&
        !ComponentState().Contains(csDesigning) && Screen() != nullptr) {
        POINT p;
        ::GetCursorPos(&p);
        p = ScreenToClient(p);
        if (image_slider_detail::Inside(FThumbRect, p.x, p.y)) {
            ::SetCursor(Screen()->Cursors(crHandPoint));
            Message.Result = 1;
            return;
        }
    }
    TCustomControl::WMSetCursor(Message);
}

void TImageCustomSlider::CMEnabledChanged(TMessage& Message) {
    TCustomControl::CMEnabledChanged(Message);
    InvalidateThumb();
}

// ---- Painting --------------------------------------------------------------------------------------

void TImageCustomSlider::PaintWindow(HDC DC) {
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0) return;
    // Everything is drawn off screen and copied in one step, so the thumb never flickers.
    TBitmap buffer(client.right, client.bottom);
    HDC bufferDC = buffer.Canvas()->Handle();
    static_cast<TControlCanvas*>(Canvas())->PaintOn(bufferDC, [this] { Paint(); });
    ::BitBlt(DC, 0, 0, client.right, client.bottom, bufferDC, 0, 0, SRCCOPY);
}

void TImageCustomSlider::Paint() {
    HDC dc = Canvas()->Handle();
    RECT inner = ClientRect();
    if (FBevelStyle != bvNone) {
        const bool lowered = FBevelStyle == bvLowered;
        Frame3D(dc, inner, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow,
                BevelWidth);
    }
    StdCtrlsFill(dc, inner, Color());

    if (!FRuler->Empty()) {
        HDC ruler = FRuler->Canvas()->Handle();
        const int w = FRuler->Width(), h = FRuler->Height();
        if (FOptions.Contains(soRulerOpaque))
            ::BitBlt(dc, FRulerOrigin.x, FRulerOrigin.y, w, h, ruler, 0, 0, SRCCOPY);
        else
            ::TransparentBlt(dc, FRulerOrigin.x, FRulerOrigin.y, w, h, ruler, 0, 0, w, h,
                             ColorToRGB(FRuler->TransparentColor()));
    }
    if (FOptions.Contains(soShowFocus) && FFocused && !ComponentState().Contains(csDesigning)) {
        RECT focus = GetSliderRect();
        ::InflateRect(&focus, -2, -2);
        Canvas()->DrawFocusRect(focus);
    }
    if (FOptions.Contains(soShowPoints)) {
        if (OnDrawPoints)
            OnDrawPoints(this);
        else
            DrawPoints(FIncrement, 3, 5);
    }

    POINT at{FThumbRect.left, FThumbRect.top};
    if (ControlState().Contains(csPaintCopy)) {
        // A picture for another control: where the value puts the thumb, without moving it.
        const int start = TrackStart(), end = start + TrackLength();
        const int pos = std::min(
            ValueToPos(PosToValue(std::max(start, std::min(ValueToPos(GetSliderValue()), end)))), end);
        (Horizontal() ? at.x : at.y) = pos;
    }
    DrawThumb(dc, at);
}

void TImageCustomSlider::DrawThumb(HDC DC, POINT At) {
    TBitmap* thumb = Thumb();
    const SIZE size = ThumbSize();
    if (thumb->Empty() || size.cx <= 0) return;
    bool second = !Enabled();
    if (!ControlState().Contains(csPaintCopy)) second = second || FThumbPressed;
    const int sx = FNumThumbStates == 2 && second ? size.cx : 0;
    HDC src = thumb->Canvas()->Handle();
    if (FOptions.Contains(soThumbOpaque))
        ::BitBlt(DC, At.x, At.y, size.cx, size.cy, src, sx, 0, SRCCOPY);
    else
        ::TransparentBlt(DC, At.x, At.y, size.cx, size.cy, src, sx, 0, size.cx, size.cy,
                         ColorToRGB(thumb->TransparentColor()));
}

void TImageCustomSlider::DrawPoints(int Increment, int Inner, int End) {
    if (Increment <= 0) return;
    const int length = TrackLength();
    const std::int64_t range = static_cast<std::int64_t>(FMaxValue) - FMinValue;
    // The smallest spacing factor that leaves at least 4 pixels between ticks (or one tick only).
    // Factors whose ticks are certainly closer than a pixel are skipped without trying them.
    std::int64_t e = std::max<std::int64_t>(1, range / (static_cast<std::int64_t>(Increment) * (length + 1)));
    std::int64_t count = 1;
    for (;; ++e) {
        const std::int64_t g = Round(static_cast<double>(range) / (static_cast<double>(Increment) * e));
        count = g + 1;
        const std::int64_t f = count > 1 ? length / g : length;
        if (f >= 4 || f >= length) break;
    }
    Canvas()->Pen()->SetColor(clWindowText);
    const SIZE thumb = ThumbSize();
    const int half = (Horizontal() ? thumb.cx : thumb.cy) / 2;
    for (std::int64_t i = 1; i <= count; ++i) {
        const std::int64_t value = i == count ? FMaxValue : FMinValue + (i - 1) * Increment * e;
        const int tick = value == FMinValue || value == FMaxValue ? End : Inner;
        const int pos = ValueToPos(static_cast<int>(value)) + half;
        if (Horizontal()) {
            Canvas()->MoveTo(pos, FTickOrigin);
            Canvas()->LineTo(pos, FTickOrigin + tick);
        } else {
            Canvas()->MoveTo(FTickOrigin, pos);
            Canvas()->LineTo(FTickOrigin + tick, pos);
        }
    }
}
