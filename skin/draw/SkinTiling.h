// The copy and tiling steps the skin image and mask builders share. Tiling lays a piece at a, a + p,
// a + 2p… over [a, b) and cuts the last copy at b; a piece of length 0 is skipped.
#pragma once

#include "platform/rtl/WinTypes.h"

class TBitmap;

namespace skin_tiling {

// Copies (stretching when the sizes differ) a rectangle of Source into one of Dest; empty rectangles
// draw nothing.
void Copy(TBitmap* Dest, const TRect& D, TBitmap* Source, const TRect& S);
// Lays the piece S across [A, B) on rows Top..Bottom of Dest.
void TileAcross(TBitmap* Dest, int A, int B, int Top, int Bottom, TBitmap* Source, const TRect& S);
// Lays the piece S down [A, B) on columns Left..Right of Dest.
void TileDown(TBitmap* Dest, int A, int B, int Left, int Right, TBitmap* Source, const TRect& S);
// Tiles the piece S over the whole of Area in both directions.
void TileArea(TBitmap* Dest, const TRect& Area, TBitmap* Source, const TRect& S);

} // namespace skin_tiling
