#include "platform/vcl/TrackBar.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>

namespace trackbar_detail {

// The thumb's size along the bar and the margin between the ends and the thumb's travel.
constexpr int ThumbWidth = 11;
constexpr int Margin = 8;

} // namespace trackbar_detail

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    FWidth = 150;
    FHeight = 45;
    FColor = clBtnFace;
    SetTabStop(true);
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

void TTrackBar::SetMin(int Value) {
    FMin = Value;
    if (FMax < FMin) FMax = FMin;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMax(int Value) {
    FMax = Value;
    if (FMin > FMax) FMin = FMax;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetPosition(int Value) {
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
    Changed();
}

void TTrackBar::SetFrequency(int Value) {
    FFrequency = Value;
    Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
    FTickMarks = Value;
    Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
    FTickStyle = Value;
    Invalidate();
}

void TTrackBar::SetThumbLength(int Value) {
    FThumbLength = std::max(4, Value);
    Invalidate();
}

int TTrackBar::TrackStart() const {
    return trackbar_detail::Margin + trackbar_detail::ThumbWidth / 2;
}

int TTrackBar::TrackEnd() const {
    const int length = FOrientation == trHorizontal ? FWidth : FHeight;
    return std::max(TrackStart(), length - 1 - TrackStart());
}

int TTrackBar::PositionToPixel(int Pos) {
    const std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    if (range <= 0) return TrackStart();
    return TrackStart() +
           static_cast<int>((static_cast<std::int64_t>(Pos) - FMin) * (TrackEnd() - TrackStart()) / range);
}

int TTrackBar::PixelToPosition(int Pixel) {
    const int span = TrackEnd() - TrackStart();
    if (span <= 0) return FMin;
    const std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    const int offset = std::clamp(Pixel - TrackStart(), 0, span);
    return FMin + static_cast<int>((offset * range + span / 2) / span);
}

RECT TTrackBar::ThumbRect() {
    const int centre = PositionToPixel(FPosition);
    const int half = trackbar_detail::ThumbWidth / 2;
    const int across = FOrientation == trHorizontal ? FHeight : FWidth;
    // Ticks on one side only leave the thumb nearer the other side.
    const int start = FTickMarks == tmTopLeft ? across - 8 - FThumbLength
                      : FTickMarks == tmBoth  ? (across - FThumbLength) / 2
                                              : 8;
    if (FOrientation == trHorizontal)
        return RECT{centre - half, start, centre + half + 1, start + FThumbLength};
    return RECT{start, centre - half, start + FThumbLength, centre + half + 1};
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const RECT thumb = ThumbRect();
        if (::PtInRect(&thumb, POINT{X, Y})) {
            FDragging = true;
            FDragOffset = Along(X, Y) - PositionToPixel(FPosition);
        } else {
            // A click on the channel pages towards it.
            const int pos = PixelToPosition(Along(X, Y));
            if (pos > FPosition)
                SetPosition(std::min(pos, FPosition + FPageSize));
            else if (pos < FPosition)
                SetPosition(std::max(pos, FPosition - FPageSize));
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    if (FDragging) SetPosition(PixelToPosition(Along(X, Y) - FDragOffset));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TTrackBar::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int notches = WheelDelta / WHEEL_DELTA;
    if (notches == 0) return false;
    // Turning the wheel away from the user moves towards the start, as the Up key does.
    SetPosition(FPosition - notches * FLineSize);
    return true;
}

void TTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(FPosition - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(FPosition + FLineSize);
        break;
    case VK_PRIOR:
        SetPosition(FPosition - FPageSize);
        break;
    case VK_NEXT:
        SetPosition(FPosition + FPageSize);
        break;
    case VK_HOME:
        SetPosition(FMin);
        break;
    case VK_END:
        SetPosition(FMax);
        break;
    default:
        return;
    }
    Key = 0;
}

void TTrackBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case TBM_GETPOS:
        Message.Result = FPosition;
        return;
    case TBM_SETPOS: {
        // Set in code: no OnChange, as the control's window sends no notification then.
        const int pos = std::clamp(static_cast<int>(Message.LParam), FMin, FMax);
        FPosition = pos;
        Invalidate();
        return;
    }
    case TBM_GETRANGEMIN:
        Message.Result = FMin;
        return;
    case TBM_GETRANGEMAX:
        Message.Result = FMax;
        return;
    case TBM_SETRANGEMIN:
        SetMin(static_cast<int>(Message.LParam));
        return;
    case TBM_SETRANGEMAX:
        SetMax(static_cast<int>(Message.LParam));
        return;
    case TBM_GETPAGESIZE:
        Message.Result = FPageSize;
        return;
    case TBM_SETPAGESIZE:
        Message.Result = FPageSize;
        FPageSize = static_cast<int>(Message.LParam);
        return;
    case TBM_GETLINESIZE:
        Message.Result = FLineSize;
        return;
    case TBM_SETLINESIZE:
        Message.Result = FLineSize;
        FLineSize = static_cast<int>(Message.LParam);
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TTrackBar::Paint() {
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    const bool horizontal = FOrientation == trHorizontal;
    const RECT thumb = ThumbRect();
    // The channel runs through the thumb's middle.
    const int middle = horizontal ? (thumb.top + thumb.bottom) / 2 : (thumb.left + thumb.right) / 2;
    RECT channel =
        horizontal ? RECT{trackbar_detail::Margin, middle - 2, FWidth - trackbar_detail::Margin, middle + 2}
                   : RECT{middle - 2, trackbar_detail::Margin, middle + 2, FHeight - trackbar_detail::Margin};
    ::DrawEdge(dc, &channel, EDGE_SUNKEN, BF_RECT);
    if (FTickStyle == tsAuto && FFrequency > 0) {
        auto tick = [&](int pos) {
            const int p = PositionToPixel(pos);
            const bool near = FTickMarks != tmTopLeft;
            const bool far = FTickMarks != tmBottomRight;
            if (horizontal) {
                if (near) StdCtrlsFill(dc, RECT{p, thumb.bottom + 2, p + 1, thumb.bottom + 5}, clWindowText);
                if (far) StdCtrlsFill(dc, RECT{p, thumb.top - 5, p + 1, thumb.top - 2}, clWindowText);
            } else {
                if (near) StdCtrlsFill(dc, RECT{thumb.right + 2, p, thumb.right + 5, p + 1}, clWindowText);
                if (far) StdCtrlsFill(dc, RECT{thumb.left - 5, p, thumb.left - 2, p + 1}, clWindowText);
            }
        };
        for (std::int64_t pos = FMin; pos < FMax; pos += FFrequency)
            tick(static_cast<int>(pos));
        tick(FMax);
    }
    RECT face = thumb;
    StdCtrlsFill(dc, face, clBtnFace);
    ::DrawEdge(dc, &face, EDGE_RAISED, BF_RECT);
    if (Focused()) {
        RECT focus = client;
        ::DrawFocusRect(dc, &focus);
    }
}
