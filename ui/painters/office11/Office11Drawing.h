// Drawing helpers of the Office11 look shared by the look-and-feel, bar and customization-form painters:
// solid fills and frames, the two-colour gradient band and the two-segment toolbar gradient, the colour
// a gradient has at a coordinate, the Office11 arrow, grip dots, the dotted size grip and the selection
// frame. All take a device context.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

// Nothing for clNone.
void FillRectWithColor(HDC DC, const TRect& R, TColor AColor);
void FrameRectWithColor(HDC DC, const TRect& R, TColor AColor);
// A linear gradient; horizontal: the colour changes from left to right.
void FillGradientBand(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
// From colour 1 to the scheme's middle colour over the first half, then on to colour 2.
void FillDoubleGradientRect(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, bool AHorizontal);
// The colour FillGradientBand paints at coordinate X (or Y) of R.
TColor GetGradientColor(const TRect& R, int X, TColor AColor1, TColor AColor2, bool AHorizontal);

// A triangle of the size pointing right, or down when ADownward.
void Office11DrawArrow(HDC DC, const TRect& R, bool ADownward, int ASize, bool ASelected, bool AEnabled);
void Office11DrawArrowInRect(HDC DC, const TRect& R, bool ADownward, bool AEnabled, bool ASelected);
// A null brush stands for the palette's grip brush.
void Office11DrawGripDots(HDC DC, const TRect& R, bool AVertical, HBRUSH ADarkBrush = nullptr,
                          HBRUSH ALightBrush = nullptr);
// clDefault stands for the palette's grip colour.
void Office11PaintSizeGrip(HDC DC, const TRect& R, TColor ADarkColor = clDefault,
                           TColor ALightColor = clDefault);
void Office11FrameSelection(HDC DC, const TRect& R);
// The arrow size Office11DrawArrowInRect draws.
int Office11ArrowSizeInRect(const TRect& R, bool ADownward);
