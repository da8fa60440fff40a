#include "ui/core/controls/ScrollBarViewInfo.h"

#include "platform/rtl/Numerics.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/ScrollBarHelper.h"
#include "ui/core/controls/ScrollBarPainter.h"
#include "ui/core/graphics/Bitmaps.h"

#include <algorithm>

// ---- Fading of a part

bool TuiScrollBarPartFadingHelper::IsFadable() {
    return FPart->ViewInfo()->ScrollBar()->Painter()->FadingAvailable();
}

void TuiScrollBarPartFadingHelper::DrawFadeStep() {
    FPart->ViewInfo()->ScrollBar()->InvalidateRect(FPart->Bounds, false);
}

void TuiScrollBarPartFadingHelper::ProvideFadeImages(TuiBitmap32*& AFadeOutImage,
                                                     TuiBitmap32*& AFadeInImage) {
    const TRect& r = FPart->Bounds;
    const TRect local{0, 0, r.right - r.left, r.bottom - r.top};
    TuiScrollBarPainter* painter = FPart->ViewInfo()->ScrollBar()->Painter();
    AFadeOutImage = new TuiBitmap32(local.right, local.bottom, true);
    painter->DoDrawScrollBarPart(AFadeOutImage->GetuiCanvas(), local, FPart->Part(), cxbsNormal);
    AFadeInImage = new TuiBitmap32(local.right, local.bottom, true);
    painter->DoDrawScrollBarPart(AFadeInImage->GetuiCanvas(), local, FPart->Part(), cxbsHot);
}

void TuiScrollBarPartFadingHelper::UpdateState() {
    const TuiPainterButtonState state = FPart->State();
    if (state == FLastState) return;
    StartFadingOnStateChange(FLastState, state);
    FLastState = state;
}

// ---- Parts

TuiScrollBarPartViewInfo::TuiScrollBarPartViewInfo(TuiScrollBarViewInfo* AViewInfo, TuiScrollBarPart APart)
    : FViewInfo(AViewInfo), FPart(APart) {
    if (APart == sbpLineUp || APart == sbpLineDown || APart == sbpThumbnail)
        FFadingHelper = std::make_unique<TuiScrollBarPartFadingHelper>(this);
}

TuiPainterButtonState TuiScrollBarPartViewInfo::State() const {
    return FViewInfo->PartState(FPart);
}

// ---- View info

TuiScrollBarViewInfo::TuiScrollBarViewInfo(TuiScrollBarHelper* AScrollBar) : FScrollBar(AScrollBar) {
    for (int part = sbpLineUp; part <= sbpPageDown; ++part)
        FParts[part] = std::make_unique<TuiScrollBarPartViewInfo>(this, static_cast<TuiScrollBarPart>(part));
}

TuiScrollBarViewInfo::~TuiScrollBarViewInfo() = default;

int TuiScrollBarViewInfo::GetArrowButtonLength() {
    const TSize size = uiGetDefaultScrollBarSize();
    return IsHorizontal() ? size.cy : size.cx;
}

const TRect& TuiScrollBarViewInfo::GetBounds() const {
    return FScrollBar->Bounds();
}

void TuiScrollBarViewInfo::Calculate() {
    FKind = FScrollBar->Kind();
    FMinThumbnailSize = FScrollBar->Painter()->GetMinThumbnailSize();
    const TRect& bounds = GetBounds();
    FLength = IsHorizontal() ? bounds.right - bounds.left : bounds.bottom - bounds.top;
    FArrowButtonLength = std::min(FLength / 2, GetArrowButtonLength());
    TRect lineUp = bounds, lineDown = bounds;
    if (IsHorizontal()) {
        lineUp.right = lineUp.left + FArrowButtonLength;
        lineDown.left = lineUp.left + FLength - FArrowButtonLength;
        lineDown.right = lineDown.left + FArrowButtonLength;
    } else {
        lineUp.bottom = lineUp.top + FArrowButtonLength;
        lineDown.top = lineUp.top + FLength - FArrowButtonLength;
        lineDown.bottom = lineDown.top + FArrowButtonLength;
    }
    FParts[sbpLineUp]->Bounds = lineUp;
    FParts[sbpLineDown]->Bounds = lineDown;
    ComputeThumbRect();
}

void TuiScrollBarViewInfo::ComputeThumbRect() {
    FParts[sbpThumbnail]->Bounds = TRect{};
    AdjustPageAreas();
    if (!FScrollBar->IsEnabled()) return;
    const int track = FLength - 2 * FArrowButtonLength;
    const int min = FScrollBar->Min(), max = FScrollBar->Max(), page = FScrollBar->PageSize();
    const int position = FScrollBar->Position();
    int thumbLength, offset;
    if (page > 0) {
        if (track < FMinThumbnailSize || max == min) return;
        thumbLength = std::max(std::min(track, MulDiv(page, track, max - min + 1)), FMinThumbnailSize);
        const int rest = max - min + 1 - page;
        offset = rest > 0 ? MulDiv(track - thumbLength, std::min(position - min, rest), rest) : 0;
    } else {
        thumbLength = GetSystemMetrics(IsHorizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
        if (track < thumbLength) return;
        offset =
            track == thumbLength || max == min ? 0 : MulDiv(track - thumbLength, position - min, max - min);
    }
    TRect thumb = GetBounds();
    const int start = FarEdge(FParts[sbpLineUp]->Bounds) + offset;
    if (IsHorizontal()) {
        thumb.left = start;
        thumb.right = start + thumbLength;
    } else {
        thumb.top = start;
        thumb.bottom = start + thumbLength;
    }
    FParts[sbpThumbnail]->Bounds = thumb;
    AdjustPageAreas();
}

void TuiScrollBarViewInfo::AdjustPageAreas() {
    TRect& pageUp = FParts[sbpPageUp]->Bounds;
    TRect& pageDown = FParts[sbpPageDown]->Bounds;
    const TRect& thumb = FParts[sbpThumbnail]->Bounds;
    if (thumb.right <= thumb.left || thumb.bottom <= thumb.top) {
        pageUp = pageDown = TRect{};
        return;
    }
    const TRect& bounds = GetBounds();
    const TRect& lineUp = FParts[sbpLineUp]->Bounds;
    const TRect& lineDown = FParts[sbpLineDown]->Bounds;
    if (IsHorizontal()) {
        pageUp = TRect{lineUp.right, bounds.top, thumb.left, bounds.bottom};
        pageDown = TRect{thumb.right, bounds.top, lineDown.left, bounds.bottom};
    } else {
        pageUp = TRect{bounds.left, lineUp.bottom, bounds.right, thumb.top};
        pageDown = TRect{bounds.left, thumb.bottom, bounds.right, lineDown.top};
    }
}

TuiScrollBarPart TuiScrollBarViewInfo::GetPart(const TPoint& P) const {
    for (int part = sbpLineUp; part <= sbpPageDown; ++part)
        if (PtInRect(&FParts[part]->Bounds, P)) return static_cast<TuiScrollBarPart>(part);
    return sbpNone;
}

void TuiScrollBarViewInfo::SetThumbnailPos(int APos) {
    TRect& thumb = FParts[sbpThumbnail]->Bounds;
    if (IsHorizontal())
        OffsetRect(&thumb, APos - thumb.left, 0);
    else
        OffsetRect(&thumb, 0, APos - thumb.top);
}

void TuiScrollBarViewInfo::UpdatePartFadingStates() {
    for (int part = sbpLineUp; part <= sbpPageDown; ++part)
        if (TuiScrollBarPartFadingHelper* helper = FParts[part]->FadingHelper()) helper->UpdateState();
}

TuiPainterButtonState TuiScrollBarViewInfo::PartState(TuiScrollBarPart APart) const {
    if (!FScrollBar->IsEnabled()) return cxbsDisabled;
    if (APart == sbpThumbnail && !FScrollBar->Painter()->IsButtonHotTrack()) return cxbsNormal;
    if (APart != HotPart) return cxbsNormal;
    if (PressedPart == sbpNone) return cxbsHot;
    return PressedPart == APart ? cxbsPressed : cxbsNormal;
}

int TuiScrollBarViewInfo::PositionFromThumb() const {
    const int min = FScrollBar->Min(), max = FScrollBar->Max(), page = FScrollBar->PageSize();
    int n = max - min;
    if (page > 0) n += 1 - page;
    const TRect& thumb = FParts[sbpThumbnail]->Bounds;
    const int trackStart = FarEdge(FParts[sbpLineUp]->Bounds);
    const int room = (NearEdge(FParts[sbpLineDown]->Bounds) - trackStart) - Extent(thumb);
    // A thumb that fills its track stands for no position of its own: keep the current one.
    const int position =
        room > 0 ? min + MulDiv(n, NearEdge(thumb) - trackStart, room) : FScrollBar->Position();
    const int last = page > 0 ? max - page + 1 : max;
    return std::clamp(position, min, std::max(min, last));
}
