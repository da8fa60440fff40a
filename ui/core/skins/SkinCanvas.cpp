#include "ui/core/skins/SkinCanvas.h"

#include "platform/rtl/Numerics.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinImage.h"

#include <algorithm>

std::uint8_t ovSkinImageSet = 0;

namespace skin_canvas_detail {
// One pair of margins against one extent.
void FitPair(LONG& AFirst, LONG& ASecond, int ASize) {
    ASize = std::max(ASize, 0);
    AFirst = std::max<LONG>(AFirst, 0);
    ASecond = std::max<LONG>(ASecond, 0);
    const int sum = AFirst + ASecond;
    if (sum <= ASize) return;
    const int excess = sum - ASize;
    const int first = AFirst, second = ASecond;
    AFirst = first - MulDiv(first, excess, sum);
    ASecond = second - MulDiv(second, excess, sum);
}
} // namespace skin_canvas_detail

void ovSkinsFitMargins(TRect& AMargins, const TRect& R) {
    skin_canvas_detail::FitPair(AMargins.left, AMargins.right, uiWidthOfRect(R));
    skin_canvas_detail::FitPair(AMargins.top, AMargins.bottom, uiHeightOfRect(R));
}

// ---- TovSkinCanvas

TovSkinCanvas::~TovSkinCanvas() {
    if (FPaintCanvas != nullptr) {
        try {
            EndPaint();
        } catch (...) {
        }
    }
}

void TovSkinCanvas::BeginPaint(HDC DC, const TRect& R) {
    FLowColors = ovGpIsDoubleBufferNeeded(DC);
    FPaintCanvas = ovGpBeginPaint(DC, R);
}

void TovSkinCanvas::BeginPaintOnGraphics(GpGraphics* AGraphics) {
    FLowColors = false;
    FPaintCanvas = ovGpBeginPaintOnGraphics(AGraphics);
}

void TovSkinCanvas::EndPaint() {
    ovGpEndPaint(FPaintCanvas);
}

GpGraphics* TovSkinCanvas::Graphics() const {
    return FPaintCanvas != nullptr ? FPaintCanvas->Handle() : nullptr;
}

void TovSkinCanvas::FillRect(const TRect& R, TColor AColor, std::uint8_t AAlpha) {
    if (!uiIsDrawableColor(AColor)) return;
    ovGpFillRectByGraphics(Graphics(), R, ovGpColorToARGB(AColor, AAlpha));
}

void TovSkinCanvas::FillRectByGradient(const TRect& R, TColor AColor1, std::uint8_t AAlpha,
                                       TovSkinGradientMode AMode, TColor AColor2) {
    if (!uiIsDrawableColor(AColor1)) return;
    if (uiIsDrawableColor(AColor2) && AColor2 != AColor1)
        ovGpFillRectByGradientOnGraphics(Graphics(), R, ovGpColorToARGB(AColor1, AAlpha),
                                         ovGpColorToARGB(AColor2, AAlpha),
                                         static_cast<LinearGradientMode>(AMode));
    else
        FillRect(R, AColor1, AAlpha);
}

void TovSkinCanvas::DrawImage(TovSkinImage* AImage, const TRect& R, const TRect& ASourceRect) {
    GpImage* texture = AImage->Texture()->GetHandle();
    if (AImage->Stretch() == smNoResize) {
        // The cell unscaled in the middle of R, even where it is larger than R.
        FPaintCanvas->SetInterpolationMode(InterpolationModeNearestNeighbor);
        const TRect cell = uiCentreSizeIn(R, uiSizeOfRect(ASourceRect));
        ovGpDrawImage(Graphics(), cell, ASourceRect, 255, texture);
        return;
    }
    FPaintCanvas->SetInterpolationMode(InterpolationModeDefault);
    TRect margins = AImage->Margins()->Margin();
    ovSkinsFitMargins(margins, R);
    TRect destParts[9];
    ovSkinsSplitRectByMargins(R, margins, destParts);
    const TPoint origin{ASourceRect.left, ASourceRect.top};
    for (int part = 0; part < 9; ++part) {
        if (!AImage->PartVisible(part)) continue;
        const TRect source = uiShiftRectByPoint(AImage->PartBounds(part), origin);
        if (part == 4 && uiIsDrawableColor(AImage->GradientBeginColor()))
            FillRectByGradient(destParts[part], AImage->GradientBeginColor(), 255, AImage->Gradient(),
                               AImage->GradientEndColor());
        else if (AImage->Stretch() == smTile)
            ovGpTileImagePart(Graphics(), destParts[part], source, 255, texture);
        else
            ovGpDrawImage(Graphics(), destParts[part], source, 255, texture);
    }
}
