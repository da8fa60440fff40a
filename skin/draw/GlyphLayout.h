// Laying out a glyph (or an image-list image) beside a caption, and drawing both: button faces and
// panel captions. Also the single-line skin text.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ButtonGlyphLayout.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// Where the glyph sits against the caption.
using TskButtonLayout = TButtonLayout;

// The positions of glyph and text in R. Margin -1 centres glyph and text as one block; any other
// margin is measured from the edge on the glyph's side. Without a glyph the spacing counts 0.
void CalcGlyphTextLayout(TskButtonLayout Layout, TRect R, int GlyphWidth, int GlyphHeight, int TextWidth,
                         int TextHeight, int Margin, int Spacing, int& GlyphX, int& GlyphY, int& TextX,
                         int& TextY);
// The caption (wrapped, centred) and image ImageIndex of Images, laid out in R; the image in its
// enabled or disabled look.
void DrawImageAndText(TCanvas* Canvas, TRect R, int Margin, TCustomImageList* Images, int ImageIndex,
                      const std::string& Text, TskButtonLayout Layout, int Spacing, bool Enabled);
// The same with cell GlyphIndex (from 1) of a glyph of NumGlyphs cells side by side.
void DrawGlyphAndText(TCanvas* Canvas, TRect R, int Margin, int GlyphIndex, int NumGlyphs, TBitmap* Glyph,
                      const std::string& Text, TskButtonLayout Layout, int Spacing);
// Cell Index (from 1) of Count cells, transparent by its bottom-left pixel's colour, at (X, Y).
void DrawGlyphCell(TCanvas* Canvas, int X, int Y, int Index, int Count, TBitmap* Glyph);
// One line, vertically centred in R.
void DrawSkinText(TCanvas* Canvas, const std::string& Text, TRect R);
