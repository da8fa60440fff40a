// The answers of the base skin, which every bitmap skin inherits and overrides in part: content offsets
// and sizes of part kinds, and the colours of colour keys by state. The base colours are system colours,
// so that a skin on a low-colour screen still has a complete palette.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

// What the tables need of the skin that answers from them.
struct TovSkinBaseInputs {
    // A screen of 8 bits per pixel or fewer: keys without a colour of their own answer clBtnFace instead
    // of clDefault.
    bool LowColors = false;
    // The width of the skin's pin glyph part (pin buttons are that wide plus their content offsets).
    int PinGlyphWidth = 16;
    int MenuSeparatorSize = 2;
};

// Left, top, right and bottom; the application menu's content and two metric-only kinds follow the
// screen's DPI. Zero for any kind without offsets.
TRect ovSkinBaseContentOffsets(int APart);
// Zero for any kind without a size.
int ovSkinBasePartSize(int APart, const TovSkinBaseInputs& AInputs);
// A state outside 0..8 takes the colour a key gives its "other" states.
TColor ovSkinBasePartColor(int AKey, int AState, const TovSkinBaseInputs& AInputs);
// Whether the base answers AKey with the colour of another key: ATarget, in AState or, when
// ATargetState is not -1, in that state. A skin whose own colours override the target asks itself
// again, so that the alias follows them.
bool ovSkinBaseColorAlias(int AKey, int& ATarget, int& ATargetState);
