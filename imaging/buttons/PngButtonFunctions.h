// Where a button puts its PNG glyph and its caption.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TCanvas;
class TPngPicture;

// The glyph's side of the caption (the speed button's layout values, in their order).
enum TPngButtonLayout { pblGlyphLeft, pblGlyphRight, pblGlyphTop, pblGlyphBottom };

// Lays out glyph and caption in Client: the caption measured with the canvas's font and TextFlags
// (DT_RIGHT swaps left and right); Margin and Spacing of -1 centre what they leave free. Both
// positions move one pixel right and down when the button is down or pressed.
void LayoutPngButton(TCanvas* Canvas, TPngPicture* Image, const RECT& Client, UINT TextFlags, POINT& TextPos,
                     POINT& GlyphPos, int Spacing, int Margin, TPngButtonLayout Layout,
                     const std::string& Caption, bool Down, bool Pressed);
