// The colours and the framed box the plain looks (no skin description) of buttons, thumbs and check
// boxes share: a blue frame, filled light blue while pressed or dragged and lighter while hot or focused.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

class TCanvas;

constexpr TColor PlainHotFrame = 12020539; // RGB 59, 107, 183
constexpr TColor PlainDownFill = 14990498; // RGB 162, 188, 228
constexpr TColor PlainHotFill = 15979713;  // RGB 193, 212, 243

// A one-pixel frame in Frame with the inside filled with Fill.
void DrawPlainBox(TCanvas* Canvas, TRect R, TColor Frame, TColor Fill);
