// Window regions from black-and-white mask pictures: black pixels are inside. A mask cut for a grown
// skin rectangle follows the same geometry as the picture (its edges tiled).
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <vector>

class TBitmap;

// The region data block (the RGNDATA layout: a 32-byte header and 16-byte rectangles) of the mask's
// black pixels at offset (X, Y): one rectangle per run of black pixels in a row, rows top to bottom.
// Returns the block's size (32 + 16 x count), or 0 with Data emptied for an empty mask.
int RegionDataFromMask(TBitmap* Mask, int X, int Y, std::vector<std::uint8_t>& Data);
// The region of the mask's black pixels at (0, 0); null for an empty mask.
void CreateRegionFromMask(HRGN& Rgn, TBitmap* Mask);
// Cuts a mask as large as the skin rectangle into the four strips of a mask for AW x AH (always
// tiling). A strip of zero size is not made. Pixels the mask does not cover are white (outside).
void BuildMaskStrips(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT, TPoint NewRT,
                     TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, TBitmap* TopStrip,
                     TBitmap* LeftStrip, TBitmap* RightStrip, TBitmap* BottomStrip, int AW, int AH);
// The region of a skin rectangle grown to AW x AH: the four strips' black pixels and the client
// rectangle. Null when NewRT.X < NewLT.X or NewLB.Y < NewLT.Y.
void CreateSkinRegion(HRGN& Rgn, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                      TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, int AW,
                      int AH);
