#include "ui/bars/painting/BarOffice11PainterGradients.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>

TovOffice11GradientStrip::TovOffice11GradientStrip() = default;
TovOffice11GradientStrip::~TovOffice11GradientStrip() = default;

void TovOffice11GradientStrip::Paint(HDC ADC, const TRect& AGradient, const TRect& ADest, TColor AColor1,
                                     TColor AColor2, bool AHorizontal) {
    TRect part{};
    if (!uiIntersectRects(part, AGradient, ADest)) return;
    const int length = AHorizontal ? uiWidthOfRect(AGradient) : uiHeightOfRect(AGradient);
    // The colours depend on the length along the gradient, its two colours and the palette's middle
    // colour only.
    const int percent = Office11GradientPercent();
    if (!FStrip || length != FLength || AHorizontal != FHorizontal || AColor1 != FColor1 ||
        AColor2 != FColor2 || percent != FPercent) {
        FStrip = std::make_unique<TBitmap>(AHorizontal ? length : 1, AHorizontal ? 1 : length);
        FillDoubleGradientRect(FStrip->Canvas()->Handle(), TRect{0, 0, FStrip->Width(), FStrip->Height()},
                               AColor1, AColor2, AHorizontal);
        FLength = length;
        FHorizontal = AHorizontal;
        FColor1 = AColor1;
        FColor2 = AColor2;
        FPercent = percent;
    }
    const int width = uiWidthOfRect(part), height = uiHeightOfRect(part);
    if (AHorizontal)
        StretchBlt(ADC, part.left, part.top, width, height, FStrip->Canvas()->Handle(),
                   part.left - AGradient.left, 0, width, 1, SRCCOPY);
    else
        StretchBlt(ADC, part.left, part.top, width, height, FStrip->Canvas()->Handle(), 0,
                   part.top - AGradient.top, 1, height, SRCCOPY);
}
