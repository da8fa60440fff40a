// The button face both skins are built from: a rounded key cap with a dark rim, a vertical body
// gradient, a lit (or, pressed, shadowed) top row, and an optional accent ring inside the rim. The
// five looks of a skinned button (normal, hot, down, focused, disabled) are five sets of these colours.
#pragma once

#include "tools/skingen/SkinArt.h"

#include <array>
#include <functional>

namespace skingen {

// The order of a skinned button's faces and of the face rectangles of a skin.
enum class TFaceState { Normal, Hot, Down, Focused, Disabled };
constexpr std::array<TFaceState, 5> FaceStates = {TFaceState::Normal, TFaceState::Hot, TFaceState::Down,
                                                  TFaceState::Focused, TFaceState::Disabled};

struct TKeycapLook {
    bool Body = true; // false: only the ring is drawn on the backdrop (a flat button at rest)
    TRgb Rim;         // the outer 1-pixel edge
    double RimAlpha = 1.0;
    TRgb Top, Bottom;         // the body gradient
    double TopLight = 0.0;    // white on the first body row (a raised cap)
    double TopShade = 0.0;    // black on the first body row (a pressed cap)
    double BottomShade = 0.0; // black on the last body row
    TRgb Ring;                // the accent just inside the rim
    double RingAlpha = 0.0;
};

// Draws the cap over whatever the box already shows (the backdrop the button stands on).
void PaintKeycap(TArt& Art, const TBox& Box, double Radius, const TKeycapLook& Look);

// A button's five faces (in TFaceState order): each box gets its backdrop, then the cap of its state.
void PaintFaces(TArt& Art, const std::array<TBox, 5>& Faces, double Radius,
                const std::function<void(TArt&, const TBox&)>& Backdrop,
                const std::function<TKeycapLook(TFaceState)>& LookOf);

} // namespace skingen
