// The theme queries of the native painter in the shapes its operations use: a part drawn on a canvas,
// a part's size, a colour, margins and a content rectangle, each answering whether the theme gave it.
// Every call goes through the theme manager's bound entry points.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/platform/ThemeManager.h"

class TuiCanvas;

namespace native_theme {

// THEMESIZE kinds and the properties the painter reads.
constexpr int SizeMin = 0;
constexpr int SizeTrue = 1;
constexpr int SizeDraw = 2;
constexpr int PropFillColor = 204;
constexpr int PropBorderColor = 3801;
constexpr int PropTextColor = 3803;
constexpr int PropEdgeLightColor = 3804;
constexpr int PropEdgeHighlightColor = 3805;
constexpr int PropSizingMargins = 3601;
constexpr int PropContentMargins = 3602;

// The offset of a button state inside a group of four theme states: 0 default and normal, 1 hot,
// 2 pressed, 3 disabled.
int StateOffset(TuiPainterButtonState AState);

// Draws the part over R (clipped to AClip when given); False when the theme refused.
bool DrawPart(HTHEME ATheme, TuiCanvas* ACanvas, int APart, int AState, const TRect& R,
              const TRect* AClip = nullptr);
// The part's size of the kind (true size unless asked otherwise), read without a DC; False and (0, 0)
// when the theme cannot tell.
bool PartSize(HTHEME ATheme, int APart, int AState, TSize& ASize, int AKind = SizeTrue, HDC ADC = nullptr,
              const TRect* R = nullptr);
bool Color(HTHEME ATheme, int APart, int AState, int AProperty, TColor& AColor);
// The margins of the property as a rectangle of widths (left, top, right, bottom).
bool Margins(HTHEME ATheme, int APart, int AState, int AProperty, TRect& AMargins);
bool ContentRect(HTHEME ATheme, int APart, int AState, const TRect& R, TRect& AContent);

} // namespace native_theme
