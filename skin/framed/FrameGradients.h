// Gradient fills of framed controls in ten layouts. One strip or one quadrant is computed and the rest
// made from it by block copies; runs of one colour are filled at once.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "skin/framed/FrameTypes.h"

class TBitmap;
class TCanvas;

// Fills Rect from StartColor to StopColor in the layout of Direction; nothing for a rectangle without
// width or height. Band is the shortest run of one colour (1: a colour per pixel step).
void DrawGradientRect(TCanvas* Canvas, TRect Rect, TGradientDirection Direction, TColor StartColor,
                      TColor StopColor, int Band);

// The building blocks, on an area of W x H of the canvas starting at (0, 0); colours are RGB values.
// From the near edge (Start) to the far edge (Stop) along y (Vertical false) or x, over Extent pixels of
// an 8-pixel strip; with Centre >= 0 Stop lies at Centre and Start at both edges.
void FillLinearGradient(TCanvas* Canvas, bool AlongX, int Extent, int Centre, COLORREF Start, COLORREF Stop,
                        int Band);
// The top-left quadrant of a box gradient: Stop innermost (inset by InsetX, InsetY), Start at the edges.
void FillBoxGradient(TCanvas* Canvas, int W, int H, int InsetX, int InsetY, COLORREF Start, COLORREF Stop,
                     int Band);
// Bands across the diagonal; a negative W runs the other diagonal with the colours swapped.
void FillDiagonalGradient(TCanvas* Canvas, int W, int H, COLORREF Start, COLORREF Stop, int Band);
// Copies the filled StripW x StripH corner next to itself, doubling it, until W x H is covered.
void ReplicateStripBlit(TCanvas* Canvas, int StripW, int StripH, int W, int H);
// Mirrors the top-left quadrant downwards, then the left half to the right.
void MirrorQuadrantBlit(TCanvas* Canvas, int W, int H);
// Turns the bitmap upside down.
void FlipBitmapVertically(TBitmap* Bitmap);
