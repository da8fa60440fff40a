// Solid triangle arrows of the bars: drop-down arrows of buttons and combos, sub-menu arrows of menu
// items. Direction 1 points down; every other value points right.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

constexpr int ovBarArrowDown = 1;
constexpr int ovBarArrowRight = 0;

// A triangle of ASize centred in R, filled and outlined in one colour. clDefault picks the colour by
// state (clBtnShadow disabled, clBtnText normal, clHighlightText selected, clBtnFace selected on a white
// button face); a disabled arrow that is not flat gets an embossed highlight edge.
void PaintTriangleArrow(HDC ADC, const TRect& R, bool ADown, int ASize, bool ASelected, bool AEnabled,
                        bool AFlat, TColor AColor);
// The size DrawArrowAuto gives an arrow in R: it follows R's width (down) or height (right), at least 3.
int ArrowSizeForRect(const TRect& R, int ADirection);
void DrawArrowAuto(HDC ADC, const TRect& R, int ADirection, bool AEnabled, bool ASelected, bool AFlat,
                   TColor AColor);
void DrawArrowSized(HDC ADC, const TRect& R, int ADirection, int ASize, bool ASelected, bool AEnabled,
                    bool AFlat, TColor AColor);
