// The pictures on the windows' buttons, drawn as light symbols for dark faces: the transport and
// command-bar glyphs, the zoom images and the recording window's images. Each set is indexed in the
// order of its name list in assets/skins/SkinResourceNames.h.
#pragma once

#include "tools/skingen/SkinArt.h"

#include <functional>
#include <memory>
#include <stdexcept>

namespace skingen {

// How a symbol is being drawn: once as its soft shadow one pixel lower, once in its own colours.
struct TInk {
    TRgb Colour;
    double Alpha = 1.0;
    bool Shadow = false;
    // The colour a coloured part of a symbol takes (the shadow's own colour in the shadow pass).
    TRgb Or(TRgb Own) const { return Shadow ? Colour : Own; }
};

using TSymbol = std::function<void(TArt& Art, const TInk& Ink)>;

// The symbol of an index in a set; std::out_of_range past the set.
template <std::size_t N> const TSymbol& PickSymbol(const TSymbol (&Symbols)[N], int Index) {
    if (Index < 0 || Index >= int(N)) throw std::out_of_range("no such button picture");
    return Symbols[Index];
}

// A Size x Size picture of the symbol in Ink over its shadow.
std::unique_ptr<TArt> DrawSymbol(int Size, const TSymbol& Symbol, TRgb Ink);

std::unique_ptr<TArt> DrawTransportGlyph(int Index);
std::unique_ptr<TArt> DrawCommandBarGlyph(int Index);
std::unique_ptr<TArt> DrawZoomImage(int Index);
std::unique_ptr<TArt> DrawRecordingImage(int Index);

} // namespace skingen
