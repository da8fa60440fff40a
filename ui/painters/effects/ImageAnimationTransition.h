// A transition between two pictures: the start picture slides out while the finish picture slides in
// (modes 0 left, 1 up, 2 right, 3 down), fades in over it (4), or replaces it cell by cell in a grid of
// segments, in diagonal (5) or random (6) order. The in-ribbon gallery scrolls with it.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/painters/effects/AnimationTransition.h"

#include <memory>
#include <vector>

class TGraphic;
class TuiBitmap32;
class TuiCanvas;
class TovGPImage;

// The segment grid of modes 5 and 6.
class TovAnimationInfoSegments : public TObject {
public:
    struct TCell {
        TRect Source{};
        TRect Dest{};
        int Delay = 0; // 0..100 - fade span
    };

    // The grid of a frame of the size at the origin; delays in diagonal order, or random ones.
    TovAnimationInfoSegments(const TPoint& AOrigin, const TSize& AFrameSize, bool ARandomOrder);
    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    int FadeSpan() const { return FFadeSpan; }
    TSize SegmentSize() const { return FSegmentSize; }
    const TPoint& Origin() const { return FOrigin; }
    // Moves every destination with the origin.
    void SetOrigin(const TPoint& AOrigin);
    const TCell& Cell(int ARow, int AColumn) const { return FCells[ARow * FColumns + AColumn]; }
    // The alpha of a cell's finish picture at a position (0..100).
    int CellAlpha(const TCell& ACell, int APosition) const;

private:
    TPoint FOrigin{};
    int FColumns = 0, FRows = 0, FFadeSpan = 1;
    TSize FSegmentSize{};
    std::vector<TCell> FCells;
};

// The pictures of an image transition.
class TovAnimationInfo : public TObject {
public:
    TovAnimationInfo(TGraphic* AStartImage, TGraphic* AFinishImage, bool AFreeSources);
    ~TovAnimationInfo() override;

    TovGPImage* StartPicture() const { return FStartPicture; }
    TovGPImage* FinishPicture() const { return FFinishPicture; }
    TuiBitmap32* Destination() const { return FDestination.get(); }
    // Made on first use by the segment modes.
    TovAnimationInfoSegments* Segments(const TPoint& AOrigin, const TSize& AFrameSize, bool ARandomOrder);

private:
    // The picture as the transition draws it; AOwned tells whether it was made here.
    static TovGPImage* Prepare(TGraphic* AGraphic, bool& AOwned);

    TGraphic* FStartImage;
    TGraphic* FFinishImage;
    bool FFreeSources;
    TovGPImage* FStartPicture = nullptr;
    TovGPImage* FFinishPicture = nullptr;
    bool FStartPictureOwned = false;
    bool FFinishPictureOwned = false;
    std::unique_ptr<TuiBitmap32> FDestination;
    std::unique_ptr<TovAnimationInfoSegments> FSegments;
};

class TovImageAnimationTransition : public TovAnimationTransition {
public:
    // Modes 4..6 run over 100; a length of -1 slides by the start picture's width (modes 0, 2) or height
    // (1, 3). With AFreeSources the two graphics go with the transition.
    TovImageAnimationTransition(TGraphic* AStartImage, TGraphic* AFinishImage, int ATime, int AMode,
                                int AEffectKind, int ALength = -1, bool AFreeSources = false);
    ~TovImageAnimationTransition() override;

    int Mode() const { return FMode; }
    TovAnimationInfo* Info() const { return FInfo.get(); }
    // The frame of the current position into R of the canvas.
    void DrawFrame(TuiCanvas* ACanvas, const TRect& R);

private:
    static int EffectiveLength(TGraphic* AStartImage, int AMode, int ALength);
    // The frame of the position into the destination's DC at (0, 0, W, H).
    void DrawFrameInto(HDC ADC, int AWidth, int AHeight);

    int FMode;
    std::unique_ptr<TovAnimationInfo> FInfo;
};
