// Measuring text: on a DC, or with a font on the shared screen canvas (which gives its DC back right
// after each measurement), the narrowest rectangle for a number of rows, shortening with an ellipsis,
// and small font helpers. Text is UTF-8; lengths are in bytes, -1 meaning the whole string.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <string>

class TFont;

// Where uiGetStringAdjustedToWidth shortens a text: at its end or in the middle of a path.
enum TuiTextEllipsis { teEnd, tePath };

bool uiGetTextExtentPoint(HDC ADC, const std::string& AText, TSize& ASize, int ALength = -1);
bool uiTextOutEx(HDC ADC, const std::string& AText, const TPoint& P, int ALength, UINT AOptions,
                 const TRect* AClip);

int uiMeasureTextHeight(TFont* AFont);
int uiGetTextHeightOfDC(HDC ADC);
// A non-zero AFontSize (points) replaces the font's size while measuring.
int uiMeasureTextWidth(TFont* AFont, const std::string& AText, int AFontSize = 0);
TSize uiMeasureTextExtent(TFont* AFont, const std::string& AText, int AFontSize = 0);
bool uiReadTextMetrics(TFont* AFont, TEXTMETRIC& AMetrics);

// The size of the text on one line.
TSize uiMeasureTextSize(HDC ADC, const std::string& AText);
// The narrowest rectangle (at (0, 0)) that holds the text in at most ARowCount rows (any number for 0 or
// less); with AReturnMaxHeight its bottom is the height of ARowCount rows.
void uiMeasureTextRect(HDC ADC, const std::string& AText, int ARowCount, TRect& R,
                       bool AReturnMaxHeight = false);
// The text shortened with an ellipsis to AWidth pixels, measured on ADC (or the screen canvas when 0)
// with AFont selected (kept selected) when given. Empty for an empty text or a width of 0 or less, and
// then the DC is not touched.
std::string uiGetStringAdjustedToWidth(HDC ADC, HFONT AFont, const std::string& AText,
                                       TuiTextEllipsis AEllipsis, int AWidth);
// Whether the text needs the handling of the charsets 134, 136 and 178 (a text starting with a plain
// ASCII character never does).
bool uiIsSpecialTextCharset(std::uint8_t ACharset, const std::string& AText);
void uiSetFontNonAntialiased(TFont* AFont);
// Charset, name, height, pitch and style of the class library's default font.
void uiAssignDefaultFont(TFont* AFont);
