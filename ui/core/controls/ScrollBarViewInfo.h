// The scroll bar's geometry: the two arrow buttons, the thumb and the two page areas, the hit test, and
// the hot and pressed parts with each part's state; the buttons and the thumb carry fading helpers.
#pragma once

#include "platform/vcl/Scrolling.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

#include <array>
#include <memory>

class TuiScrollBarHelper;
class TuiScrollBarViewInfo;
class TuiScrollBarPartViewInfo;

class TuiScrollBarPartFadingHelper : public TovFadingObjectHelper {
public:
    explicit TuiScrollBarPartFadingHelper(TuiScrollBarPartViewInfo* APart) : FPart(APart) {}
    bool IsFadable() override;
    void DrawFadeStep() override;
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override;
    // Starts or stops a fade when the part's state differs from the one seen last.
    void UpdateState();

private:
    TuiScrollBarPartViewInfo* FPart;
    TuiPainterButtonState FLastState = 0;
};

class TuiScrollBarPartViewInfo : public TObject {
public:
    TuiScrollBarPartViewInfo(TuiScrollBarViewInfo* AViewInfo, TuiScrollBarPart APart);
    TuiScrollBarViewInfo* ViewInfo() const { return FViewInfo; }
    TuiScrollBarPart Part() const { return FPart; }
    TuiPainterButtonState State() const;
    TRect Bounds{};
    // The buttons' and thumb's fading helper; null for the page areas.
    TuiScrollBarPartFadingHelper* FadingHelper() const { return FFadingHelper.get(); }

private:
    TuiScrollBarViewInfo* FViewInfo;
    TuiScrollBarPart FPart;
    std::unique_ptr<TuiScrollBarPartFadingHelper> FFadingHelper;
};

class TuiScrollBarViewInfo : public TObject {
public:
    explicit TuiScrollBarViewInfo(TuiScrollBarHelper* AScrollBar);
    ~TuiScrollBarViewInfo() override;

    virtual int GetArrowButtonLength();
    virtual void Calculate();
    // The thumb and the page areas from the model's range and position.
    void ComputeThumbRect();
    // Parts 1..5 in this order; sbpNone when no part holds P.
    TuiScrollBarPart GetPart(const TPoint& P) const;
    TuiScrollBarPartViewInfo* GetPartInfo(TuiScrollBarPart APart) const { return FParts[APart].get(); }
    const TRect& GetBounds() const;
    // Moves the thumb so that its near edge is at APos along the bar, keeping its size.
    void SetThumbnailPos(int APos);
    void AdjustPageAreas();
    void UpdatePartFadingStates();
    TuiPainterButtonState PartState(TuiScrollBarPart APart) const;
    // The position the thumb's place stands for, within [Min, Max - PageSize + 1] (or [Min, Max]).
    int PositionFromThumb() const;

    TuiScrollBarHelper* ScrollBar() const { return FScrollBar; }
    TScrollBarKind Kind() const { return FKind; }
    bool IsHorizontal() const { return FKind == sbHorizontal; }
    int Length() const { return FLength; }
    int ArrowButtonLength() const { return FArrowButtonLength; }
    int MinThumbnailSize() const { return FMinThumbnailSize; }
    // The near edge (left or top) and the length of a rectangle along the bar.
    int NearEdge(const TRect& R) const { return IsHorizontal() ? R.left : R.top; }
    int FarEdge(const TRect& R) const { return IsHorizontal() ? R.right : R.bottom; }
    int Extent(const TRect& R) const { return FarEdge(R) - NearEdge(R); }

    TuiScrollBarPart HotPart = sbpNone;
    TuiScrollBarPart PressedPart = sbpNone;

private:
    TuiScrollBarHelper* FScrollBar;
    TScrollBarKind FKind = sbHorizontal;
    std::array<std::unique_ptr<TuiScrollBarPartViewInfo>, 6> FParts;
    int FLength = 0;
    int FArrowButtonLength = 0;
    int FMinThumbnailSize = 0;
};
