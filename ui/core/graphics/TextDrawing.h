// Drawing text on a library canvas: plain, turned by quarter or half turns, and word-wrapped into lines.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/graphics/Canvas.h"

#include <string>

class TStrings;

// uiDrawText on the canvas's DC with a transparent background, on a copy of R.
int uiDrawTextOnCanvas(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TColor AColor,
                       UINT AFormat);
// The text drawn as if R were turned by AAngle: laid out in the turned rectangle, then turned into R.
int uiDrawRotatedText(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TuiRotationAngle AAngle,
                      TColor AColor, UINT AFormat);
// Splits the text into the lines that fit R's width in the canvas's font: words are separated by spaces,
// tabs, CR and LF; CR and LF always end a line.
void uiSplitTextToLines(const std::string& AText, TuiCanvas* ACanvas, const TRect& R, TStrings* AStrings);
// Draws the lines of uiSplitTextToLines one below the other (the block centred for DT_VCENTER, at the
// bottom for DT_BOTTOM, never above R); returns the number of lines.
int uiDrawMultiLineText(TuiCanvas* ACanvas, const std::string& AText, const TRect& R, TColor AColor,
                        UINT AFormat);
