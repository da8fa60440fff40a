#include "ui/painters/effects/ImageAnimationTransition.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/Painting.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <algorithm>
#include <random>

namespace image_transition_detail {

// The segment size along one axis: a tenth of the frame (1..100), smaller while it would leave at
// most four segments.
int SegmentExtent(int AFrameExtent) {
    int extent = std::min(100, std::max(1, AFrameExtent / 10));
    while (extent > 1 && AFrameExtent / extent <= 4)
        --extent;
    return extent;
}

int SegmentCount(int AFrameExtent, int ASegmentExtent) {
    return AFrameExtent / ASegmentExtent + (AFrameExtent % ASegmentExtent != 0 ? 1 : 0);
}

bool IsScreenBufferNeeded() {
    HDC dc = GetDC(nullptr);
    const bool needed = dc != nullptr && ovGpIsDoubleBufferNeeded(dc);
    if (dc != nullptr) ReleaseDC(nullptr, dc);
    return needed;
}

} // namespace image_transition_detail

// ---- Segments

TovAnimationInfoSegments::TovAnimationInfoSegments(const TPoint& AOrigin, const TSize& AFrameSize,
                                                   bool ARandomOrder)
    : FOrigin(AOrigin) {
    using namespace image_transition_detail;
    const int width = std::max<int>(1, AFrameSize.cx), height = std::max<int>(1, AFrameSize.cy);
    FSegmentSize = TSize{SegmentExtent(width), SegmentExtent(height)};
    FColumns = SegmentCount(width, FSegmentSize.cx);
    FRows = SegmentCount(height, FSegmentSize.cy);
    FFadeSpan = std::max(1, 100 / std::min(FRows, FColumns));
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delays(0, 100 - FFadeSpan);
    FCells.resize(static_cast<std::size_t>(FRows) * FColumns);
    for (int i = 0; i < FRows; ++i)
        for (int j = 0; j < FColumns; ++j) {
            TCell& cell = FCells[i * FColumns + j];
            cell.Source = TRect{j * FSegmentSize.cx, i * FSegmentSize.cy,
                                std::min<int>((j + 1) * FSegmentSize.cx, width),
                                std::min<int>((i + 1) * FSegmentSize.cy, height)};
            cell.Dest = TRect{cell.Source.left + FOrigin.x, cell.Source.top + FOrigin.y,
                              cell.Source.right + FOrigin.x, cell.Source.bottom + FOrigin.y};
            cell.Delay = ARandomOrder ? delays(random) : MulDiv(100 - FFadeSpan, i + j + 2, FRows + FColumns);
        }
}

void TovAnimationInfoSegments::SetOrigin(const TPoint& AOrigin) {
    if (AOrigin.x == FOrigin.x && AOrigin.y == FOrigin.y) return;
    const int dx = AOrigin.x - FOrigin.x, dy = AOrigin.y - FOrigin.y;
    for (TCell& cell : FCells)
        cell.Dest =
            TRect{cell.Dest.left + dx, cell.Dest.top + dy, cell.Dest.right + dx, cell.Dest.bottom + dy};
    FOrigin = AOrigin;
}

int TovAnimationInfoSegments::CellAlpha(const TCell& ACell, int APosition) const {
    return std::clamp(MulDiv(255, APosition - ACell.Delay, FFadeSpan), 0, 255);
}

// ---- Pictures

TovAnimationInfo::TovAnimationInfo(TGraphic* AStartImage, TGraphic* AFinishImage, bool AFreeSources)
    : FStartImage(AStartImage), FFinishImage(AFinishImage), FFreeSources(AFreeSources) {
    FStartPicture = Prepare(AStartImage, FStartPictureOwned);
    FFinishPicture = Prepare(AFinishImage, FFinishPictureOwned);
    const int width = FStartPicture != nullptr ? FStartPicture->Width() : 0;
    const int height = FStartPicture != nullptr ? FStartPicture->Height() : 0;
    FDestination = std::make_unique<TuiBitmap32>(width, height, true);
}

TovAnimationInfo::~TovAnimationInfo() {
    FSegments.reset();
    FDestination.reset();
    if (FFreeSources) {
        delete FStartImage;
        if (FFinishImage != FStartImage) delete FFinishImage;
    }
    if (FStartPictureOwned) delete FStartPicture;
    if (FFinishPictureOwned) delete FFinishPicture;
}

TovGPImage* TovAnimationInfo::Prepare(TGraphic* AGraphic, bool& AOwned) {
    AOwned = false;
    if (AGraphic == nullptr) return nullptr;
    if (auto* image = dynamic_cast<TovGPImage*>(AGraphic))
        if (image->GetImageDataFormat() == dfBMP) return image;
    TovGPImage* picture = nullptr;
    if (dynamic_cast<TBitmap*>(AGraphic) != nullptr)
        picture = new TovGPImage(AGraphic);
    else {
        TuiBitmap32 canvas(AGraphic->Width(), AGraphic->Height(), true);
        canvas.Canvas()->Draw(0, 0, AGraphic);
        picture = new TovGPImage(&canvas);
    }
    AOwned = true;
    if (image_transition_detail::IsScreenBufferNeeded()) picture->SetImageDataFormat(dfPNG);
    return picture;
}

TovAnimationInfoSegments* TovAnimationInfo::Segments(const TPoint& AOrigin, const TSize& AFrameSize,
                                                     bool ARandomOrder) {
    if (!FSegments)
        FSegments = std::make_unique<TovAnimationInfoSegments>(AOrigin, AFrameSize, ARandomOrder);
    else
        FSegments->SetOrigin(AOrigin);
    return FSegments.get();
}

// ---- Transition

int TovImageAnimationTransition::EffectiveLength(TGraphic* AStartImage, int AMode, int ALength) {
    if (AMode >= 4) return 100;
    if (ALength != -1 || AStartImage == nullptr) return ALength;
    return AMode == 0 || AMode == 2 ? AStartImage->Width() : AStartImage->Height();
}

TovImageAnimationTransition::TovImageAnimationTransition(TGraphic* AStartImage, TGraphic* AFinishImage,
                                                         int ATime, int AMode, int AEffectKind, int ALength,
                                                         bool AFreeSources)
    : TovAnimationTransition(ATime, EffectiveLength(AStartImage, std::clamp(AMode, 0, 6), ALength),
                             AEffectKind),
      FMode(std::clamp(AMode, 0, 6)),
      FInfo(std::make_unique<TovAnimationInfo>(AStartImage, AFinishImage, AFreeSources)) {}

TovImageAnimationTransition::~TovImageAnimationTransition() = default;

void TovImageAnimationTransition::DrawFrameInto(HDC ADC, int W, int H) {
    TovGPImage* start = FInfo->StartPicture();
    TovGPImage* finish = FInfo->FinishPicture();
    if (start == nullptr || finish == nullptr) return;
    const int p = Position();
    auto place = [&](TovGPImage* AImage, int X, int Y, std::uint8_t AAlpha = 255) {
        AImage->StretchDraw(ADC, TRect{X, Y, X + W, Y + H}, AAlpha);
    };
    switch (FMode) {
    case 0:
        place(start, -p, 0);
        place(finish, W - p, 0);
        break;
    case 1:
        place(start, 0, -p);
        place(finish, 0, H - p);
        break;
    case 2:
        place(start, p, 0);
        place(finish, p - W, 0);
        break;
    case 3:
        place(start, 0, p);
        place(finish, 0, p - H);
        break;
    case 4:
        place(start, 0, 0);
        place(finish, 0, 0, static_cast<std::uint8_t>(std::clamp(MulDiv(255, p, 100), 0, 255)));
        break;
    default: {
        TovAnimationInfoSegments* segments = FInfo->Segments(TPoint{0, 0}, TSize{W, H}, FMode == 6);
        for (int i = 0; i < segments->Rows(); ++i)
            for (int j = 0; j < segments->Columns(); ++j) {
                const TovAnimationInfoSegments::TCell& cell = segments->Cell(i, j);
                const int alpha = segments->CellAlpha(cell, p);
                if (alpha < 255) start->StretchDrawPart(ADC, cell.Dest, 255, cell.Source);
                if (alpha > 0)
                    finish->StretchDrawPart(ADC, cell.Dest, static_cast<std::uint8_t>(alpha), cell.Source);
            }
        break;
    }
    }
}

void TovImageAnimationTransition::DrawFrame(TuiCanvas* ACanvas, const TRect& R) {
    TuiBitmap32* destination = FInfo->Destination();
    if (destination == nullptr || destination->Empty()) return;
    destination->Clear();
    const int width = R.right - R.left, height = R.bottom - R.top;
    DrawFrameInto(destination->Canvas()->Handle(), width, height);
    // The destination has the start picture's size: a larger rectangle shows what it holds.
    const TRect source{0, 0, std::min(width, destination->Width()), std::min(height, destination->Height())};
    uiAlphaBlendBitmap(ACanvas->Handle(), destination,
                       TRect{R.left, R.top, R.left + source.right, R.top + source.bottom}, 255, false,
                       source);
}
