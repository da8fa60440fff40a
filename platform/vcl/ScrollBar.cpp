#include "platform/vcl/ScrollBar.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/RangeQuery.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>

namespace scrollbar_detail {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeatDelay = 400;
constexpr UINT RepeatDelay = 50;
constexpr int MinThumb = 8;

// a * b / c without overflow for the whole int range.
int Scale(std::int64_t a, std::int64_t b, std::int64_t c) {
    return c == 0 ? 0 : static_cast<int>(a * b / c);
}

} // namespace scrollbar_detail

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csFramed, csDoubleClicks, csOpaque, csCaptureMouse};
    FWidth = 121;
    FHeight = 17;
    SetTabStop(true);
}

TScrollBar::~TScrollBar() {
    StopRepeat();
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    // A bar turned on its side keeps its length and thickness.
    SetBounds(FLeft, FTop, FHeight, FWidth);
    Invalidate();
}

int TScrollBar::MaxPosition() const {
    if (FPageSize <= 0) return FMax;
    return std::max(FMin, FMax - FPageSize + 1);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) AMax = AMin;
    FMin = AMin;
    FMax = AMax;
    const int position = std::clamp(APosition, FMin, MaxPosition());
    const bool moved = position != FPosition;
    FPosition = position;
    Invalidate();
    if (moved) OnChange(this);
}

void TScrollBar::SetPageSize(int Value) {
    FPageSize = std::max(0, Value);
    SetParams(FPosition, FMin, FMax);
}

int TScrollBar::Length() const {
    return FKind == sbVertical ? FHeight : FWidth;
}

int TScrollBar::Thickness() const {
    return FKind == sbVertical ? FWidth : FHeight;
}

int TScrollBar::ArrowSize() const {
    // Short bars share their length between the two arrows.
    return std::min(Thickness(), Length() / 2);
}

int TScrollBar::ThumbLength() const {
    using namespace scrollbar_detail;
    const int track = Length() - 2 * ArrowSize();
    int thumb = Thickness();
    if (FPageSize > 0) {
        const std::int64_t range = static_cast<std::int64_t>(FMax) - FMin + 1;
        thumb = std::max(MinThumb, Scale(track, FPageSize, range));
    }
    return thumb > track ? 0 : thumb; // no room: no thumb
}

int TScrollBar::ThumbStart() const {
    using namespace scrollbar_detail;
    const int track = Length() - 2 * ArrowSize();
    const int room = track - ThumbLength();
    const std::int64_t span = static_cast<std::int64_t>(MaxPosition()) - FMin;
    return ArrowSize() + (span <= 0 ? 0 : Scale(room, static_cast<std::int64_t>(FPosition) - FMin, span));
}

TScrollBar::THit TScrollBar::HitTest(int Along) const {
    if (Along < ArrowSize()) return THit::ArrowBack;
    if (Along >= Length() - ArrowSize()) return THit::ArrowForward;
    if (ThumbLength() == 0) return THit::None;
    if (Along < ThumbStart()) return THit::PageBack;
    if (Along >= ThumbStart() + ThumbLength()) return THit::PageForward;
    return THit::Thumb;
}

void TScrollBar::Scroll(TScrollCode Code, int NewPos) {
    int pos = NewPos;
    OnScroll(this, Code, pos);
    SetPosition(pos);
}

void TScrollBar::RepeatHit() {
    switch (FHit) {
    case THit::ArrowBack:
        Scroll(scLineUp, FPosition - FSmallChange);
        break;
    case THit::ArrowForward:
        Scroll(scLineDown, FPosition + FSmallChange);
        break;
    case THit::PageBack:
        // Paging stops once the thumb reaches the mouse.
        if (FLastAlong < ThumbStart()) Scroll(scPageUp, FPosition - FLargeChange);
        break;
    case THit::PageForward:
        if (FLastAlong >= ThumbStart() + ThumbLength()) Scroll(scPageDown, FPosition + FLargeChange);
        break;
    default:
        break;
    }
}

void TScrollBar::StopRepeat() {
    if (FRepeating && HandleAllocated()) ::KillTimer(FHandle, scrollbar_detail::RepeatTimer);
    FRepeating = false;
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        const int along = AlongOf(X, Y);
        FLastAlong = along;
        FHit = HitTest(along);
        if (FHit == THit::Thumb) {
            FDragOffset = along - ThumbStart();
        } else if (FHit != THit::None) {
            RepeatHit();
            FRepeating = ::SetTimer(Handle(), scrollbar_detail::RepeatTimer,
                                    scrollbar_detail::FirstRepeatDelay, nullptr) != 0;
        }
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    FLastAlong = AlongOf(X, Y);
    if (FHit == THit::Thumb) {
        using namespace scrollbar_detail;
        const int room = Length() - 2 * ArrowSize() - ThumbLength();
        const int offset = std::clamp(FLastAlong - FDragOffset - ArrowSize(), 0, std::max(0, room));
        const std::int64_t span = static_cast<std::int64_t>(MaxPosition()) - FMin;
        const int pos = FMin + (room <= 0 ? 0 : static_cast<int>((offset * span + room / 2) / room));
        if (pos != FPosition) Scroll(scTrack, pos);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FHit != THit::None) {
        const bool thumb = FHit == THit::Thumb;
        FHit = THit::None;
        StopRepeat();
        if (thumb) Scroll(scPosition, FPosition);
        Scroll(scEndScroll, FPosition);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TScrollBar::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int notches = WheelDelta / 120;
    if (notches == 0) return false;
    Scroll(notches > 0 ? scLineUp : scLineDown, FPosition - notches * 3 * FSmallChange);
    return true;
}

void TScrollBar::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_UP:
    case VK_LEFT:
        Scroll(scLineUp, FPosition - FSmallChange);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        Scroll(scLineDown, FPosition + FSmallChange);
        break;
    case VK_PRIOR:
        Scroll(scPageUp, FPosition - FLargeChange);
        break;
    case VK_NEXT:
        Scroll(scPageDown, FPosition + FLargeChange);
        break;
    case VK_HOME:
        Scroll(scTop, FMin);
        break;
    case VK_END:
        Scroll(scBottom, MaxPosition());
        break;
    default:
        return;
    }
    Key = 0;
}

void TScrollBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam == scrollbar_detail::RepeatTimer && FRepeating) {
            ::SetTimer(FHandle, scrollbar_detail::RepeatTimer, scrollbar_detail::RepeatDelay, nullptr);
            RepeatHit();
            return;
        }
        break;
    case WM_CANCELMODE:
    case WM_KILLFOCUS:
        StopRepeat();
        FHit = THit::None;
        break;
    case SBM_GETPOS:
        Message.Result = FPosition;
        return;
    case SBM_SETPOS: {
        const int old = FPosition;
        SetPosition(static_cast<int>(Message.WParam));
        Message.Result = old;
        return;
    }
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        SetParams(FPosition, static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        return;
    case SBM_GETRANGE:
        AnswerRangeQuery(Message, FMin, FMax);
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TScrollBar::Paint() {
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    const bool vertical = FKind == sbVertical;
    const int arrow = ArrowSize();
    auto span = [&](int from, int to) {
        return vertical ? RECT{0, from, client.right, to} : RECT{from, 0, to, client.bottom};
    };
    StdCtrlsFill(dc, client, clScrollBar);
    const int length = Length();
    // The track under a held page area shows darker.
    if (FHit == THit::PageBack) StdCtrlsFill(dc, span(arrow, ThumbStart()), clBtnShadow);
    if (FHit == THit::PageForward)
        StdCtrlsFill(dc, span(ThumbStart() + ThumbLength(), length - arrow), clBtnShadow);
    const UINT inactive = Enabled() && ThumbLength() > 0 ? 0 : DFCS_INACTIVE;
    RECT back = span(0, arrow);
    RECT forward = span(length - arrow, length);
    ::DrawFrameControl(dc, &back, DFC_SCROLL,
                       (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                           (FHit == THit::ArrowBack ? DFCS_PUSHED | DFCS_FLAT : 0));
    ::DrawFrameControl(dc, &forward, DFC_SCROLL,
                       (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                           (FHit == THit::ArrowForward ? DFCS_PUSHED | DFCS_FLAT : 0));
    if (ThumbLength() > 0 && Enabled()) {
        RECT thumb = span(ThumbStart(), ThumbStart() + ThumbLength());
        ::DrawFrameControl(dc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    if (Focused() && ThumbLength() > 0) {
        RECT thumb = span(ThumbStart(), ThumbStart() + ThumbLength());
        ::InflateRect(&thumb, -3, -3);
        ::DrawFocusRect(dc, &thumb);
    }
}
