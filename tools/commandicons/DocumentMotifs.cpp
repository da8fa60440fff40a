// Files and documents: pages, a folder, a disc, the floppy of saving, a tag and the way out.
#include "tools/commandicons/IconShapes.h"

namespace commandicons {

using namespace shapes;

void AddDocumentMotifs(TMotifTable& T) {
    T["page-new"] = [](TIconPen& P, const TInks& K) {
        Page(P, K, 2, 1, 11, 14);
        PageLines(P, K.Shade, 4, 5, 5, 3);
        Badge(P, K, TBadge::Plus);
    };
    T["page-close"] = [](TIconPen& P, const TInks& K) {
        Page(P, K, 2, 1, 11, 14);
        PageLines(P, K.Shade, 4, 5, 5, 3);
        Badge(P, K, TBadge::Cross);
    };
    T["folder-open"] = [](TIconPen& P, const TInks& K) {
        // The back with its tab, then the open front leaning forward.
        P.Polygon({{1, 2}, {6, 2}, {7, 3}, {13, 3}, {13, 13}, {1, 13}}, K.Tint);
        P.Lines({{1.5, 13}, {1.5, 2.5}, {5.5, 2.5}}, K.Line);
        P.Stroke({{5.5, 2.5}, {6.5, 3.5}}, K.Line);
        P.Lines({{6.5, 3.5}, {12.5, 3.5}, {12.5, 6.5}}, K.Line);
        P.Polygon({{4, 7}, {15, 7}, {12.5, 14}, {1, 14}}, K.Accent);
        P.Stroke({{4.5, 7.5}, {14.4, 7.5}, {12.2, 13.5}, {1.6, 13.5}, {4.5, 7.5}}, K.Line, 1);
    };
    T["disc-load"] = [](TIconPen& P, const TInks& K) {
        Disc(P, K, 7.5, 7.5, 6.5);
        Badge(P, K, TBadge::ArrowDown);
    };
    T["save"] = [](TIconPen& P, const TInks& K) { Floppy(P, K, 1, 1, 14); };
    T["save-as"] = [](TIconPen& P, const TInks& K) {
        Floppy(P, K, 1, 1, 12);
        EraseStroke(P, {8.5, 14.5}, {14.5, 8.5}, 4.5);
        Pencil(P, K, 8, 15, P.Pick(6, 8));
    };
    T["save-selection"] = [](TIconPen& P, const TInks& K) {
        Floppy(P, K, 1, 1, 12);
        // A stretch of sound, chosen: the part of the document saved.
        EraseBox(P, 7, 8, 9, 8);
        P.Frame(8, 9, 7, 6, K.Line, &K.Tint);
        P.Bars(9, 12, 2, {1, 2, 1}, K.Accent);
    };
    T["convert-rate"] = [](TIconPen& P, const TInks& K) {
        // Two arrows turning round a waveform: the sound made anew at another rate.
        P.Lines({{2.5, 7}, {2.5, 3.5}, {10.5, 3.5}}, K.Accent);
        Arrowhead(P, K.Accent, 13, 3, TDir::Right, 3);
        P.Lines({{13.5, 9}, {13.5, 12.5}, {5.5, 12.5}}, K.Accent);
        Arrowhead(P, K.Accent, 2, 12, TDir::Left, 3);
        P.Bars(5, 8, 2, {1, 3, 2, 1}, K.Line);
    };
    T["tag"] = [](TIconPen& P, const TInks& K) {
        // A label on a string: the tag names the piece of music.
        P.Polygon({{1, 7.5}, {5, 3.5}, {15, 3.5}, {15, 12.5}, {5, 12.5}, {1, 8.5}}, K.Tint);
        P.Box(5, 3, 10, 1, K.Line);
        P.Box(5, 12, 10, 1, K.Line);
        P.Box(14, 3, 1, 10, K.Line);
        Diagonal(P, K.Line, 4, 4, 4, -1, 1);
        Diagonal(P, K.Line, 1, 8, 4, 1, 1);
        P.Box(5, 7, 2, 2, K.Line);
        P.Box(9, 9, 2, 2, K.Accent);
        P.Box(10, 5, 1, 5, K.Accent);
        P.Box(11, 5, 1, 1, K.Accent);
        P.Box(12, 6, 1, 1, K.Accent);
    };
    T["exit"] = [](TIconPen& P, const TInks& K) {
        // An open doorway and the way out of it.
        P.Lines({{9.5, 4.5}, {9.5, 1.5}, {2.5, 1.5}, {2.5, 14.5}, {9.5, 14.5}, {9.5, 11.5}}, K.Line);
        P.Box(2, 2, 1, 12, K.Line);
        P.Box(5, 7, 6, 2, K.Accent);
        P.Polygon({{15, 8}, {11, 4}, {11, 12}}, K.Accent);
    };
}

} // namespace commandicons
