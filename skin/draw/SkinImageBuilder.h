// Building skin images: a rectangle of a skin picture, cut by four corner points and a client rectangle
// into corners, edges and centre, grows to any size with its edges and centre stretched or tiled as the
// description says; the frame alone as four strips; and pictures that grow along one axis only.
//
// Points and client rectangles are relative to the skin rectangle's top-left corner (the picture's
// values) or to the target's origin (the New… values, worked out by the control for its size). Tiling
// lays a piece at a, a + p, a + 2p… over a span [a, b) and cuts the last copy at b; a piece of length 0
// is skipped.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "skin/data/SkinText.h"

class TBitmap;

// Dest becomes AW x AH and, unless RB.X = LT.X, RB.Y = LT.Y or Source is empty, receives the top,
// bottom, left and right edges, the eight corner pieces and (with DrawClient) the centre.
void BuildSkinImage(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT, TPoint NewRT,
                    TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Dest, TBitmap* Source,
                    TRect SkinRect, int AW, int AH, bool DrawClient, bool LeftStretch, bool TopStretch,
                    bool RightStretch, bool BottomStretch, bool ClientStretch, TskStretchType StretchType);

// The four frame strips of the same geometry, for a control that paints its centre itself. A strip
// whose size or piece is not positive is left as it was. The caller places them: top at (0, 0), left at
// (0, top height), right at (AW - right width, top height), bottom at (0, AH - bottom height).
void BuildSkinFrameStrips(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                          TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* LeftStrip,
                          TBitmap* TopStrip, TBitmap* RightStrip, TBitmap* BottomStrip, TBitmap* Source,
                          TRect SkinRect, int AW, int AH, bool LeftStretch, bool TopStretch,
                          bool RightStretch, bool BottomStretch);

// A picture that grows in width only: Dest becomes AW wide and as high as SourceRect; the first
// LeftWidth and last RightWidth columns are kept and the middle is stretched or tiled between them.
void BuildHorizontalSkinImage(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source, TRect SourceRect,
                              int AW, int AH, bool Stretch);
// The same along the height (AH; AW is not used).
void BuildVerticalSkinImage(int TopHeight, int BottomHeight, TBitmap* Dest, TBitmap* Source, TRect SourceRect,
                            int AW, int AH, bool Stretch);

// Resizes SourceRect to Dest's current size on a fixed grid: GridRect's columns and rows keep their
// size and the parts between them stretch.
void StretchSkinRect(TBitmap* Dest, TBitmap* Source, TRect SourceRect, bool DrawClient, TRect GridRect);
