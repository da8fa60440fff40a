// Colour arithmetic of framed controls in hue, saturation and luminance (each 0..240).
#pragma once

#include "platform/vcl/Graphics.h"

#include <cstdint>

void ColorToHueSatLum(TColor Color, std::uint8_t& Hue, std::uint8_t& Saturation, std::uint8_t& Luminance);
// Luminance above 240 saturates towards white.
TColor HueSatLumToColor(int Hue, int Saturation, int Luminance);
// The colour with its luminance lowered (at least 0) or raised (at most 255) by Amount.
TColor DarkenColor(TColor Color, int Amount);
TColor LightenColor(TColor Color, int Amount);
// Negative amounts darken, positive ones lighten, 0 gives the colour unchanged.
TColor ShiftColorLuminance(TColor Color, int Amount);
