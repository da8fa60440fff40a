// The main window's 16 x 16 glyphs: the ten transport symbols and the command bar's two page symbols.
// Straight edges sit on whole pixels so the symbols stay sharp at their size; only slopes and curves
// are smoothed.
#include "tools/skingen/ButtonPictures.h"
#include "tools/skingen/Palette.h"

#include <cairo.h>

#include <cmath>
#include <vector>

namespace skingen {

namespace {

using namespace palette;

void Triangle(TArt& Art, double X1, double Y1, double X2, double Y2, double X3, double Y3, const TInk& Ink) {
    const double xy[] = {X1, Y1, X2, Y2, X3, Y3};
    Art.FillPolygon(xy, 3, Ink.Colour, Ink.Alpha);
}

void Bar(TArt& Art, int X, int Y, int W, int H, const TInk& Ink) {
    Art.Fill({X, Y, W, H}, Ink.Colour, Ink.Alpha);
}

const TSymbol TransportSymbols[] = {
    // Start: a bar and a triangle pointing at it.
    [](TArt& a, const TInk& i) {
        Bar(a, 3, 4, 2, 8, i);
        Triangle(a, 13, 4, 6, 8, 13, 12, i);
    },
    // Rewind: two triangles pointing left.
    [](TArt& a, const TInk& i) {
        Triangle(a, 8, 4, 2, 8, 8, 12, i);
        Triangle(a, 14, 4, 8, 8, 14, 12, i);
    },
    // Stop: a square.
    [](TArt& a, const TInk& i) {
        a.FillRounded({4, 4, 8, 8}, 1, i.Colour, i.Alpha);
    },
    // Play: a triangle pointing right.
    [](TArt& a, const TInk& i) { Triangle(a, 5, 3, 13, 8, 5, 13, i); },
    // Looped play: two arrows chasing each other round a loop, a small triangle inside.
    [](TArt& a, const TInk& i) {
        const double upper[] = {2.5, 9, 2.5, 5.5, 3.5, 4.5, 11, 4.5};
        const double lower[] = {13.5, 7, 13.5, 10.5, 12.5, 11.5, 5, 11.5};
        a.StrokePolyline(upper, 4, 1.5, i.Colour, i.Alpha);
        a.StrokePolyline(lower, 4, 1.5, i.Colour, i.Alpha);
        Triangle(a, 10.5, 2, 14, 4.5, 10.5, 7, i);
        Triangle(a, 5.5, 9, 2, 11.5, 5.5, 14, i);
        Triangle(a, 7, 6.5, 10, 8, 7, 9.5, i);
    },
    // Play to end: a triangle running on to a bar.
    [](TArt& a, const TInk& i) {
        Triangle(a, 2, 4, 8, 8, 2, 12, i);
        Bar(a, 9, 7, 2, 2, i);
        Bar(a, 12, 4, 2, 8, i);
    },
    // Pause: two bars.
    [](TArt& a, const TInk& i) {
        Bar(a, 4, 3, 3, 10, i);
        Bar(a, 9, 3, 3, 10, i);
    },
    // Forward: two triangles pointing right.
    [](TArt& a, const TInk& i) {
        Triangle(a, 2, 4, 8, 8, 2, 12, i);
        Triangle(a, 8, 4, 14, 8, 8, 12, i);
    },
    // End: a triangle pointing at a bar.
    [](TArt& a, const TInk& i) {
        Triangle(a, 3, 4, 10, 8, 3, 12, i);
        Bar(a, 11, 4, 2, 8, i);
    },
    // Record: a red dot with a lit top.
    [](TArt& a, const TInk& i) {
        a.FillCircle(8, 8, 4.6, i.Or(Hex(0xb81c12)), i.Alpha);
        if (i.Shadow) return;
        a.FillCircle(8, 8, 3.7, Hex(0xff4a3a));
        a.FillCircle(7.2, 6.6, 1.6, Hex(0xff9d90), 0.8);
    },
};

const TSymbol CommandBarSymbols[] = {
    // Effects: a wave and a spark above it, light on every face (the chosen page's face is accent blue).
    [](TArt& a, const TInk& i) {
        std::vector<double> wave;
        for (int k = 0; k <= 20; ++k) {
            const double x = 2 + k * 0.48;
            wave.push_back(x);
            wave.push_back(9.5 - 3 * std::sin((x - 2) / 9.6 * 2 * M_PI));
        }
        a.StrokePolyline(wave.data(), int(wave.size() / 2), 1.7, i.Colour, i.Alpha);
        const double spark[] = {12, 1, 13, 3.2, 15, 4, 13, 4.8, 12, 7, 11, 4.8, 9, 4, 11, 3.2};
        a.FillPolygon(spark, 8, i.Or(Hex(0xffd54a)), i.Alpha);
    },
    // Favorites: a gold star.
    [](TArt& a, const TInk& i) {
        double star[20];
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 == 0 ? 6.6 : 2.8, angle = (-90 + 36 * k) * M_PI / 180;
            star[2 * k] = 8 + r * std::cos(angle);
            star[2 * k + 1] = 8.6 + r * std::sin(angle);
        }
        a.FillPolygon(star, 10, i.Or(Hex(0xc98a12)), i.Alpha);
        if (i.Shadow) return;
        for (int k = 0; k < 10; ++k) {
            star[2 * k] = 8 + (star[2 * k] - 8) * 0.78;
            star[2 * k + 1] = 8.6 + (star[2 * k + 1] - 8.6) * 0.78;
        }
        a.FillPolygon(star, 10, Hex(0xffcf3f));
    },
};

} // namespace

std::unique_ptr<TArt> DrawSymbol(int Size, const TSymbol& Symbol, TRgb Ink) {
    auto art = std::make_unique<TArt>(Size, Size);
    cairo_save(art->Cr());
    cairo_translate(art->Cr(), 0, 1);
    Symbol(*art, {Hex(0x000000), 0.55, true});
    cairo_restore(art->Cr());
    Symbol(*art, {Ink, 1.0, false});
    return art;
}

std::unique_ptr<TArt> DrawTransportGlyph(int Index) {
    return DrawSymbol(16, PickSymbol(TransportSymbols, Index), GlyphInk);
}

std::unique_ptr<TArt> DrawCommandBarGlyph(int Index) {
    return DrawSymbol(16, PickSymbol(CommandBarSymbols, Index), GlyphInk);
}

} // namespace skingen
