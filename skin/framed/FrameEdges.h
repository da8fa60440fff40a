// Edges, frames and the two-level border of framed controls. Each routine draws on the chosen sides of
// a rectangle and returns the rectangle left inside what it drew. clNone draws nothing of that colour.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "skin/framed/FrameTypes.h"

class TCanvas;

// One line per side: left and top in UpperLeft, right and bottom in LowerRight.
TRect DrawEdgeLines(TCanvas* Canvas, TRect Rect, TColor UpperLeft, TSides Sides, TColor LowerRight);
// Count rings of DrawEdgeLines, each inside the one before.
TRect DrawEdgeBands(TCanvas* Canvas, TRect Rect, TColor UpperLeft, TSides Sides, int Count,
                    TColor LowerRight);
// The two-level sunken or raised edge in the system's 3-D colours.
TRect DrawSunkenRaisedEdge(TCanvas* Canvas, TRect Rect, bool Sunken, TSides Sides);
// The two-level button edge, down or up.
TRect DrawButtonEdge(TCanvas* Canvas, TRect Rect, bool Down, TSides Sides);
// The button edge in shades of a face colour.
TRect DrawTintedButtonEdge(TCanvas* Canvas, TRect Rect, TColor Face, TSides Sides, bool Down);
// The edge of a frame style in the system colours.
TRect DrawStyledEdge(TCanvas* Canvas, TRect Rect, TFrameStyleEx Style, TSides Sides);
// The edge of a frame style in shades of a face colour.
TRect DrawTintedStyledEdge(TCanvas* Canvas, TRect Rect, TColor Face, TSides Sides, TFrameStyleEx Style);
// A one-pixel frame with cut corners.
TRect DrawRoundedEdge(TCanvas* Canvas, TRect Rect, TColor Color, TSides Sides);
// An outer frame, a band of the border colour and an inner frame.
TRect DrawTwoBorders(TCanvas* Canvas, TRect Rect, TFrameStyleEx OuterStyle, TFrameStyleEx InnerStyle,
                     int BorderWidth, TSides Sides, int BevelWidth, TColor BorderColor, TColor HighlightColor,
                     TColor ShadowColor, TColor FlatColor, int FlatColorAdjustment, TColor FaceColor,
                     TColor ParentColor, bool KeepCorners, bool InnerRounded);
// The frame of a control of Width x Height: the old frame erased with the face colour (unless
// SkipErase), then the style's edge.
void DrawControlFrame(TCanvas* Canvas, int Width, int Height, TFrameStyleEx Style, TColor FaceColor,
                      TColor FrameColor, TSides Sides, bool SkipErase);
// Repaints the window's frame in Rect when any of the window can be seen.
void RedrawNonClientFrame(HWND Window, TRect Rect);
