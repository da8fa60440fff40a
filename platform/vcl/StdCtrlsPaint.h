// Painting helpers the standard controls share.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

// Draws Width one-pixel frames: top and left edges in TopColor, bottom and right in BottomColor, and
// shrinks Rect by what it drew.
void Frame3D(HDC DC, RECT& Rect, TColor TopColor, TColor BottomColor, int Width);
// Fills Rect with a colour.
void StdCtrlsFill(HDC DC, const RECT& Rect, TColor Color);
