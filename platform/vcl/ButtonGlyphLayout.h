// How buttons with a glyph place it and their caption: the glyph strip's image count and size, and the
// layout of glyph and caption inside the button. Bitmap buttons and speed buttons share it.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TBitmap;
class TFont;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The number of images a strip of square images holds (1 to 4), or Current when Glyph is not such a strip.
int GlyphStripCount(const TBitmap* Glyph, int Current);
// The size of one image of a strip of NumGlyphs images; nothing for an empty glyph.
SIZE GlyphImageSize(const TBitmap* Glyph, int NumGlyphs);
// Places a glyph of GlyphSize and Caption (single line, in Font) inside Client. Margin is the distance
// from the glyph's edge to the button's (-1 centres glyph and caption together); Spacing is the gap
// between them, used only when both are there.
void CalcButtonGlyphLayout(const RECT& Client, SIZE GlyphSize, TFont* Font, const std::string& Caption,
                           TButtonLayout Layout, int Margin, int Spacing, RECT& GlyphRect, RECT& TextRect);
