// Painting helpers the standard controls share.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

// Draws Width one-pixel frames: top and left edges in TopColor, bottom and right in BottomColor, and
// shrinks Rect by what it drew.
void Frame3D(HDC DC, RECT& Rect, TColor TopColor, TColor BottomColor, int Width);
// Fills Rect with a colour.
void StdCtrlsFill(HDC DC, const RECT& Rect, TColor Color);

class TBitmap;

// Draws image Index of a strip of NumGlyphs images at Pos; the strip's bottom-left pixel colour is
// transparent. Embossed draws the image as a disabled one: its dark parts in the shadow colour over the
// highlight colour one pixel down and right.
void StdCtrlsDrawGlyph(HDC DC, TBitmap* Glyph, int NumGlyphs, int Index, POINT Pos, bool Embossed);
