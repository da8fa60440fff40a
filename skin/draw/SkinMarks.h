// The small marks of the plain looks: a dotted focus frame, little arrows, a check mark and a radio dot.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

class TCanvas;

// A dotted frame of single pixels on R's edges in the canvas font's colour. Pixels alternate along
// the frame; the top-left one is set unless R's width and height are both odd.
void DrawSkinFocusRect(TCanvas* Canvas, TRect R);
// Kind 1 left, 2 right, 3 up, 4 down (a 4-row triangle about R's centre), 5 a plus sign.
void DrawSkinArrow(TCanvas* Canvas, TRect R, TColor Colour, int Kind);
// Three stacked strokes of a tick, 8 x 8, from (X, Y).
void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Colour);
// A filled 6 x 6 square at (X, Y).
void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Colour);
