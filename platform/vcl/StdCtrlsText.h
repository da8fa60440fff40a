// Text helpers the standard controls share: measuring with a font away from painting, and drawing a
// caption the way a disabled control shows it (embossed in the highlight and shadow colours).
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TFont;

// The size of Text in Font (no prefix handling); the height of an empty text is the font's line height.
SIZE StdCtrlsTextExtent(TFont* Font, const std::string& Text);
int StdCtrlsLineHeight(TFont* Font);
// The rectangle DrawText lays Text out in (DT_CALCRECT added to Flags), starting from Rect.
RECT StdCtrlsMeasureText(TFont* Font, const std::string& Text, RECT Rect, UINT Flags);
// Draws Text with DrawText's Flags in Rect; a disabled caption is drawn embossed.
void StdCtrlsDrawCaption(HDC DC, TFont* Font, const std::string& Text, RECT Rect, UINT Flags, bool Enabled,
                         COLORREF TextColor);
