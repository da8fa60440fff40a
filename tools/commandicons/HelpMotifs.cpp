// Help and information: signs in a disc of the family's colour, the guide's numbered books, the web
// pages, and the program's own mark for the application button.
#include "tools/commandicons/IconShapes.h"

#include <cairo.h>

#include <cmath>

namespace commandicons {

using namespace shapes;

namespace {

// A numbered page of the guide: an open book with the number on its right page.
void Guide(TIconPen& P, const TInks& K, const char* Number) {
    Book(P, K, 1, 2, 14, 12);
    PageLines(P, K.Shade, 3, 5, 4, 3, 2);
    P.Text(10, 5, Number, K.Accent);
}

} // namespace

void AddHelpMotifs(TMotifTable& T) {
    T["help"] = [](TIconPen& P, const TInks& K) {
        P.Disc(8, 8, 7, K.Accent);
        P.Arc(8, 6.3, 2.4, 190, 395, K.Paper, 1.8);
        P.Stroke({{9.9, 7.6}, {8, 9}, {8, 9.6}}, K.Paper, 1.8);
        P.Box(7, 11, 2, 2, K.Paper);
    };
    T["about"] = [](TIconPen& P, const TInks& K) {
        P.Disc(8, 8, 7, K.Accent);
        P.Box(7, 3, 2, 2, K.Paper);
        P.Box(7, 6, 2, 7, K.Paper);
    };
    T["upgrade"] = [](TIconPen& P, const TInks& K) {
        P.Disc(8, 8, 7, K.Accent);
        P.Polygon({{8, 2.5}, {12, 7}, {4, 7}}, K.Paper);
        P.Box(7, 7, 2, 6, K.Paper);
    };
    T["welcome"] = [](TIconPen& P, const TInks& K) {
        Window(P, K, 1, 2, 14, 12, K.Accent);
        Star(P, art::Hex(0xf2b418), nullptr, 8, 9.3, 3.6, 1.5);
    };
    T["guide-audio-source"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "1"); };
    T["guide-recording"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "2"); };
    T["guide-cd-import"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "3"); };
    T["guide-editing"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "4"); };
    T["guide-stereo"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "5"); };
    T["guide-markers"] = [](TIconPen& P, const TInks& K) { Guide(P, K, "6"); };
    T["product-page"] = [](TIconPen& P, const TInks& K) {
        // The web: a globe of meridians and parallels (whole pixels at the small size).
        P.SetCrisp(!P.Large());
        P.Ring(8, 8, 7, K.Line, &K.Tint);
        cairo_t* cr = P.Art().Cr();
        cairo_save(cr);
        cairo_translate(cr, 8, 8);
        cairo_scale(cr, 0.45, 1);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 6, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_set_line_width(cr, 1);
        cairo_set_source_rgb(cr, K.Accent.R / 255.0, K.Accent.G / 255.0, K.Accent.B / 255.0);
        cairo_stroke(cr);
        P.SetCrisp(false);
        P.Box(2, 5, 12, 1, K.Accent);
        P.Box(2, 10, 12, 1, K.Accent);
    };
    T["support"] = [](TIconPen& P, const TInks& K) {
        // A lifebuoy.
        P.Disc(8, 8, 6.5, K.Paper);
        for (int a = 0; a < 360; a += 90)
            P.Arc(8, 8, 4.75, a + 22.5, a + 67.5, K.Accent, 3.5);
        P.Ring(8, 8, 7, K.Line);
        P.Ring(8, 8, 3, K.Line);
    };
    T["homepage"] = [](TIconPen& P, const TInks& K) {
        P.Frame(3, 7, 10, 8, K.Line, &K.Paper);
        P.Box(7, 10, 2, 4, K.Accent);
        P.Polygon({{8, 1.5}, {15, 8}, {12.8, 8}, {8, 3.6}, {3.2, 8}, {1, 8}}, K.Accent);
    };
    T["program"] = [](TIconPen& P, const TInks& K) {
        // The program's mark: its waveform on the blue tile of its window icon.
        P.Art().FillRoundedVertical({1, 1, 14, 14}, 3, art::Hex(0x3a7bd5), art::Hex(0x143c7c));
        P.Bars(3, 8, 2, {2, 4, 5, 4, 3, 2}, art::Hex(0xe6f6ff));
    };
}

} // namespace commandicons
