// TovOffice11GradientStrip: a two-colour gradient of the Office11 look painted once into a one-pixel
// strip and stretched over each part that is asked of it. Bars and menus fill their backgrounds part by
// part (every item through its bar), so the gradient's colours are worked out once per size and colours
// instead of once per part; parts outside the gradient need no clip region.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <memory>

class TBitmap;

class TovOffice11GradientStrip {
public:
    TovOffice11GradientStrip();
    ~TovOffice11GradientStrip();
    TovOffice11GradientStrip(const TovOffice11GradientStrip&) = delete;
    TovOffice11GradientStrip& operator=(const TovOffice11GradientStrip&) = delete;

    // Paints ADest's share of the double gradient (FillDoubleGradientRect's colours) that spans
    // AGradient: from AColor1 to AColor2 left to right when AHorizontal, else top to bottom.
    void Paint(HDC ADC, const TRect& AGradient, const TRect& ADest, TColor AColor1, TColor AColor2,
               bool AHorizontal);

private:
    std::unique_ptr<TBitmap> FStrip;
    int FLength = 0;
    int FPercent = 0;
    bool FHorizontal = false;
    TColor FColor1 = clNone;
    TColor FColor2 = clNone;
};
