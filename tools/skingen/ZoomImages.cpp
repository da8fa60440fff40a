// The zoom buttons' 16 x 16 images: vertical zoom out and in (arrows closing on and opening from the
// middle line), the whole length, zoom to the selection, and a magnifier with minus and plus.
#include "tools/skingen/ButtonPictures.h"
#include "tools/skingen/Palette.h"

namespace skingen {

namespace {

using namespace palette;

void Arrowhead(TArt& Art, double TipX, double TipY, double DX, double DY, const TInk& Ink) {
    // A head 3.5 pixels long and 7 wide, pointing in the direction (DX, DY) (one of them 0).
    const double px = -DY, py = DX;
    const double xy[] = {TipX,
                         TipY,
                         TipX - 3.5 * DX + 3.5 * px,
                         TipY - 3.5 * DY + 3.5 * py,
                         TipX - 3.5 * DX - 3.5 * px,
                         TipY - 3.5 * DY - 3.5 * py};
    Art.FillPolygon(xy, 3, Ink.Colour, Ink.Alpha);
}

void Magnifier(TArt& Art, const TInk& Ink, bool Plus) {
    Art.StrokeArc(6.5, 6.5, 4.4, 0, 360, 1.6, Ink.Colour, Ink.Alpha);
    const double handle[] = {9.9, 9.9, 12.4, 12.4};
    Art.StrokePolyline(handle, 2, 2.4, Ink.Colour, Ink.Alpha);
    Art.Fill({4, 6, 5, 1}, Ink.Colour, Ink.Alpha);
    if (Plus) Art.Fill({6, 4, 1, 5}, Ink.Colour, Ink.Alpha);
}

const TSymbol ZoomSymbols[] = {
    // Vertical zoom out: arrows from above and below closing on the middle line.
    [](TArt& a, const TInk& i) {
        a.Fill({1, 6, 14, 2}, i.Colour, i.Alpha);
        a.Fill({7, 1, 2, 2}, i.Colour, i.Alpha);
        a.Fill({7, 11, 2, 2}, i.Colour, i.Alpha);
        Arrowhead(a, 8, 5.5, 0, 1, i);
        Arrowhead(a, 8, 8.5, 0, -1, i);
    },
    // Vertical zoom in: a double arrow opening out to bars above and below.
    [](TArt& a, const TInk& i) {
        a.Fill({2, 1, 12, 2}, i.Colour, i.Alpha);
        a.Fill({2, 11, 12, 2}, i.Colour, i.Alpha);
        a.Fill({7, 6, 2, 2}, i.Colour, i.Alpha);
        Arrowhead(a, 8, 3.5, 0, -1, i);
        Arrowhead(a, 8, 10.5, 0, 1, i);
    },
    // Whole length: a double arrow between two end bars.
    [](TArt& a, const TInk& i) {
        a.Fill({1, 2, 2, 10}, i.Colour, i.Alpha);
        a.Fill({13, 2, 2, 10}, i.Colour, i.Alpha);
        a.Fill({6, 6, 4, 2}, i.Colour, i.Alpha);
        Arrowhead(a, 3.5, 7, -1, 0, i);
        Arrowhead(a, 12.5, 7, 1, 0, i);
    },
    // Zoom to the selection: a lit span with arrows pushing in on it.
    [](TArt& a, const TInk& i) {
        a.Fill({6, 1, 4, 12}, i.Or(Accent), i.Alpha);
        a.Fill({6, 1, 1, 12}, i.Colour, i.Alpha);
        a.Fill({9, 1, 1, 12}, i.Colour, i.Alpha);
        Arrowhead(a, 5, 7, 1, 0, i);
        Arrowhead(a, 11, 7, -1, 0, i);
    },
    // Zoom out and zoom in: a magnifier with minus and plus.
    [](TArt& a, const TInk& i) { Magnifier(a, i, false); },
    [](TArt& a, const TInk& i) { Magnifier(a, i, true); },
};

} // namespace

std::unique_ptr<TArt> DrawZoomImage(int Index) {
    return DrawSymbol(16, PickSymbol(ZoomSymbols, Index), GlyphInk);
}

} // namespace skingen
