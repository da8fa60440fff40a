// The colours of the command pictures: one dark neutral for every line, white for paper, and one
// accent a family (two for playing and recording: green for play, red for record).
#pragma once

#include "source/mainform/CommandIcons.h"
#include "tools/art/Art.h"

namespace commandicons {

struct TInks {
    art::TRgb Line;   // outlines and dark parts
    art::TRgb Paper;  // the inside of pages, windows and bodies
    art::TRgb Shade;  // light grey parts (a disc's face, a body's panel)
    art::TRgb Accent; // the family's colour
    art::TRgb Tint;   // the accent, light: selections, filled areas
    art::TRgb Deep;   // the accent, dark: edges of accent areas
    art::TRgb Record; // the red of recording
};

TInks InksOf(TIconFamily Family);

} // namespace commandicons
