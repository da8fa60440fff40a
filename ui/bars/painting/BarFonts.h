// Fonts the bars derive from the system's fonts, the nearest colour the screen shows, and the colours
// and sizes the themed bar look reads from the visual styles (with the system colours as fallbacks when
// the styles are off).
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

class TFont;
class TovBarItemControl;

// A new font (the caller owns it) from the system's small-caption font; unless AUseSystemFont, at least
// 11 pixels high and with AFont's face. Floating-bar captions use it.
HFONT CreateSmallCaptionFont(TFont* AFont, bool AUseSystemFont);
// ADest takes a new font made from ASource; with AUseSystemHeight its height follows the icon-title font
// (at least 11 pixels).
void AssignSystemFont(TFont* ASource, TFont* ADest, bool AUseSystemHeight);
TColor GetScreenNearestColor(TColor AColor);

// Theme state of an edit item: 1 enabled, 4 disabled.
int ThemedEditStateOf(TovBarItemControl* AControl);
TColor ThemedEditBackColor(HTHEME ATheme, int AState);
TColor ThemedEditForeColor(HTHEME ATheme, int AState);
TColor ThemedToolbarFillColor();
void ThemedCloseButtonExtent(TSize& ASize);
void ThemedSizeGripExtent(TSize& ASize);
