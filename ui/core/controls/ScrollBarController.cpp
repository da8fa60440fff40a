#include "ui/core/controls/ScrollBarController.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/Timers.h"
#include "ui/core/controls/ScrollBarHelper.h"
#include "ui/core/controls/ScrollBarPainter.h"
#include "ui/core/controls/ScrollBarViewInfo.h"

#include <algorithm>

namespace {
constexpr unsigned FirstRepeatDelay = 400;
constexpr unsigned RepeatInterval = 60;
// How far the mouse may stray from a dragged thumb's bar before the thumb snaps back.
constexpr int TrackingSlackAlong = 34;
constexpr int TrackingSlackAcross = 136;
} // namespace

TScrollCode uiScrollCodeOfPart(TuiScrollBarPart APart) {
    switch (APart) {
    case sbpLineUp:
        return scLineUp;
    case sbpLineDown:
        return scLineDown;
    case sbpThumbnail:
        return scTrack;
    case sbpPageUp:
        return scPageUp;
    case sbpPageDown:
        return scPageDown;
    default:
        return scEndScroll;
    }
}

TuiScrollBarController::TuiScrollBarController(TuiScrollBarHelper* AScrollBar) : FScrollBar(AScrollBar) {
    FTimer = std::make_unique<TuiTimer>(nullptr);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(FirstRepeatDelay);
    FTimer->SetOnTimer(TNotifyEvent(this, &TuiScrollBarController::TimerTick));
}

TuiScrollBarController::~TuiScrollBarController() = default;

bool TuiScrollBarController::IsButtonOrPagePressed() const {
    const TuiScrollBarPart pressed = FScrollBar->ViewInfo()->PressedPart;
    return pressed != sbpNone && pressed != sbpThumbnail;
}

void TuiScrollBarController::Scroll(TScrollCode ACode) {
    int position = FScrollBar->Position();
    switch (ACode) {
    case scLineUp:
        position -= FScrollBar->SmallChange();
        break;
    case scLineDown:
        position += FScrollBar->SmallChange();
        break;
    case scPageUp:
        position -= FScrollBar->LargeChange();
        break;
    case scPageDown:
        position += FScrollBar->LargeChange();
        break;
    case scTop:
        position = FScrollBar->Min();
        break;
    case scBottom:
        position = FScrollBar->Max();
        break;
    default:
        break;
    }
    position = std::clamp(position, FScrollBar->Min(), FScrollBar->Max());
    FScrollBar->Scroll(ACode, position);
    position = std::clamp(position, FScrollBar->Min(), FScrollBar->Max());
    if (position == FScrollBar->Position()) return;
    if (ACode == scTrack) {
        FScrollBar->SetPositionField(position);
        FScrollBar->Repaint();
    } else {
        FScrollBar->SetPosition(position);
    }
}

void TuiScrollBarController::MouseDown(TMouseButton Button, TShiftState, int X, int Y) {
    if (Button != mbLeft) return;
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    const TuiScrollBarPart part = viewInfo->GetPart(TPoint{X, Y});
    if (part == sbpNone) return;
    if (part == sbpThumbnail) {
        FDownMousePos = FLastMousePos = TPoint{X, Y};
        FSavedPosition = FScrollBar->Position();
        const TRect& thumb = viewInfo->GetPartInfo(sbpThumbnail)->Bounds;
        FSavedThumbPos = TPoint{thumb.left, thumb.top};
        Scroll(scTrack);
    }
    viewInfo->PressedPart = viewInfo->HotPart = part;
    if (part != sbpThumbnail) {
        Scroll(uiScrollCodeOfPart(part));
        FTimer->SetInterval(FirstRepeatDelay);
        FTimer->SetEnabled(true);
    }
    viewInfo->UpdatePartFadingStates();
    FScrollBar->Repaint();
}

void TuiScrollBarController::TimerTick(TObject*) {
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    if (!FScrollBar->IsCaptured() || !IsButtonOrPagePressed()) {
        Finish(sbpNone);
        return;
    }
    if (FTimer->Interval() == FirstRepeatDelay) FTimer->SetInterval(RepeatInterval);
    const TuiScrollBarPart pressed = viewInfo->PressedPart;
    Scroll(uiScrollCodeOfPart(pressed));
    POINT cursor;
    GetCursorPos(&cursor);
    FTimer->SetEnabled(viewInfo->GetPart(FScrollBar->ScreenToClient(cursor)) == pressed);
}

void TuiScrollBarController::MouseMove(TShiftState, int X, int Y) {
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    if (viewInfo->PressedPart == sbpThumbnail) {
        DragThumb(X, Y);
        return;
    }
    const TuiScrollBarPart part = viewInfo->GetPart(TPoint{X, Y});
    if (viewInfo->PressedPart != sbpNone) FTimer->SetEnabled(part == viewInfo->PressedPart);
    if (part != viewInfo->HotPart) {
        viewInfo->HotPart = part;
        viewInfo->UpdatePartFadingStates();
        if (FScrollBar->Painter()->IsButtonHotTrack()) FScrollBar->Repaint();
    }
}

void TuiScrollBarController::DragThumb(int X, int Y) {
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    const bool horizontal = viewInfo->IsHorizontal();
    TRect area = FScrollBar->Bounds();
    if (horizontal)
        InflateRect(&area, TrackingSlackAlong, TrackingSlackAcross);
    else
        InflateRect(&area, TrackingSlackAcross, TrackingSlackAlong);
    if (!FScrollBar->UnlimitedTracking() && !PtInRect(&area, TPoint{X, Y})) {
        if (FScrollBar->Position() != FSavedPosition) {
            FScrollBar->SetPosition(FSavedPosition);
            Scroll(scTrack);
        }
        return;
    }
    const int coordinate = horizontal ? X : Y;
    const int down = horizontal ? FDownMousePos.x : FDownMousePos.y;
    int& last = horizontal ? FLastMousePos.x : FLastMousePos.y;
    if (coordinate == down || coordinate == last) return;
    last = coordinate;
    int delta = coordinate - down;
    const int savedNear = horizontal ? FSavedThumbPos.x : FSavedThumbPos.y;
    const int thumbLength = viewInfo->Extent(viewInfo->GetPartInfo(sbpThumbnail)->Bounds);
    const int trackStart = viewInfo->FarEdge(viewInfo->GetPartInfo(sbpLineUp)->Bounds);
    const int trackEnd = viewInfo->NearEdge(viewInfo->GetPartInfo(sbpLineDown)->Bounds);
    if (delta < 0 && savedNear + delta < trackStart) delta = trackStart - savedNear;
    if (delta > 0 && savedNear + thumbLength + delta > trackEnd) delta = trackEnd - savedNear - thumbLength;
    viewInfo->SetThumbnailPos(savedNear + delta);
    viewInfo->AdjustPageAreas();
    FScrollBar->Repaint();
    const int position = viewInfo->PositionFromThumb();
    if (position != FScrollBar->Position()) {
        FScrollBar->SetPositionField(position);
        Scroll(scTrack);
        FScrollBar->Change();
    }
}

void TuiScrollBarController::MouseUp(TMouseButton, TShiftState, int X, int Y) {
    Finish(FScrollBar->ViewInfo()->GetPart(TPoint{X, Y}));
    FScrollBar->ViewInfo()->UpdatePartFadingStates();
}

void TuiScrollBarController::Finish(TuiScrollBarPart AHotPart) {
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    if (viewInfo->PressedPart == sbpNone) return;
    if (viewInfo->PressedPart == sbpThumbnail) {
        FScrollBar->SetPositionField(viewInfo->PositionFromThumb());
        Scroll(scPosition);
    }
    FTimer->SetEnabled(false);
    viewInfo->PressedPart = sbpNone;
    viewInfo->HotPart = AHotPart;
    Scroll(scEndScroll);
    viewInfo->ComputeThumbRect();
    viewInfo->UpdatePartFadingStates();
    FScrollBar->Invalidate();
}

void TuiScrollBarController::MouseEnter() {
    FScrollBar->ViewInfo()->UpdatePartFadingStates();
    if (FScrollBar->Painter()->IsButtonHotTrack() || IsButtonOrPagePressed()) FScrollBar->Repaint();
}

void TuiScrollBarController::MouseLeave() {
    TuiScrollBarViewInfo* viewInfo = FScrollBar->ViewInfo();
    if (viewInfo->PressedPart != sbpThumbnail) viewInfo->HotPart = sbpNone;
    if (FScrollBar->Painter()->IsButtonHotTrack() || IsButtonOrPagePressed()) FScrollBar->Invalidate();
    viewInfo->UpdatePartFadingStates();
}
