// UTF-16 text through the system's text calls. The GDI here takes its text in the ANSI code page, which
// is UTF-8, so each call converts its stretch of UTF-16 and maps byte counts back to UTF-16 units
// (a surrogate pair stays whole). Lengths are in UTF-16 units.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

namespace wide_text_gdi {

// The stretch as the GDI reads it.
std::string Narrow(const char16_t* AText, int ALength);

// GetTextExtentPoint32; (0, 0) when the call fails.
TSize TextExtent(HDC ADC, const char16_t* AText, int ALength);
// GetTabbedTextExtent without tab stops: the 16-bit width as the call reports it, and the height.
TSize TabbedTextExtent16(HDC ADC, const char16_t* AText, int ALength);
// DrawText's DT_CALCRECT size of one line with tabs expanded and no prefix processing.
TSize DrawTextLineExtent(HDC ADC, const char16_t* AText, int ALength);
// GetTextExtentExPoint: how many units fit into AMaxExtent (0 when the call fails).
int FittingLength(HDC ADC, const char16_t* AText, int ALength, int AMaxExtent);

BOOL TextOut(HDC ADC, int X, int Y, const char16_t* AText, int ALength);
// TabbedTextOut without tab stops; answers the drawn width.
int TabbedTextOut(HDC ADC, int X, int Y, const char16_t* AText, int ALength, int ATabOrigin);
BOOL ExtTextOut(HDC ADC, int X, int Y, UINT AOptions, const TRect* AClip, const char16_t* AText, int ALength);

} // namespace wide_text_gdi
