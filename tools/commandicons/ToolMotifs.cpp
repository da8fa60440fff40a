// Tools and options: batches of files, the spectrum, speech, the volume mixer, the companion programs,
// favourites, the keyboard and the gear of the options.
#include "tools/commandicons/IconShapes.h"

#include <cmath>

namespace commandicons {

using namespace shapes;

void AddToolMotifs(TMotifTable& T) {
    T["batch"] = [](TIconPen& P, const TInks& K) {
        // A pile of files going through the same gear.
        Page(P, K, 1, 1, 8, 10);
        Page(P, K, 3, 3, 8, 10);
        Page(P, K, 5, 5, 8, 10);
        EraseDisc(P, 11, 11, 4.5);
        P.SetCrisp(!P.Large());
        Gear(P, K, 11, 11, 3.2, K.Accent);
        P.SetCrisp(false);
    };
    T["frequency-analysis"] = [](TIconPen& P, const TInks& K) {
        P.Lines({{1.5, 1.5}, {1.5, 14.5}, {14.5, 14.5}}, K.Line);
        const double heights[] = {8, 11, 9, 6, 7, 4};
        for (int i = 0; i < 6; ++i)
            P.Box(3 + 2 * i, 14 - heights[i], 1, heights[i], K.Accent);
    };
    T["text-to-speech"] = [](TIconPen& P, const TInks& K) {
        // A letter becoming sound.
        P.Box(1, 2, 9, 2, K.Line);
        P.Box(4, 4, 3, 10, K.Line);
        P.Arc(9, 9, 2.5, -55, 55, K.Accent, 1);
        P.Arc(9, 9, 5, -55, 55, K.Accent, 1);
    };
    T["volume-mixer"] = [](TIconPen& P, const TInks& K) {
        // The system's volume: a loudspeaker beside its slider.
        Speaker(P, K, 1, 8);
        P.Box(12, 1, 1, 14, K.Line);
        P.Box(10, 5, 5, 3, K.Accent);
        P.Box(12, 8, 1, 7, K.Deep);
    };
    T["audio-converter"] = [](TIconPen& P, const TInks& K) {
        // One kind of sound file turned into another.
        Page(P, K, 1, 1, 8, 10);
        P.Bars(3, 6, 2, {1, 2, 1}, K.Line);
        Page(P, K, 7, 5, 8, 10);
        P.Bars(9, 10, 2, {1, 2, 1}, K.Accent);
        P.Lines({{11.5, 1.5}, {13.5, 1.5}, {13.5, 2}}, K.Accent);
        Arrowhead(P, K.Accent, 13, 4, TDir::Down, 2);
    };
    T["disc-burn"] = [](TIconPen& P, const TInks& K) {
        Disc(P, K, 6.5, 8.5, 5.5);
        EraseDisc(P, 12, 5, 4);
        P.Polygon({{12, 1},
                   {14.2, 4.2},
                   {14.6, 6.5},
                   {13.4, 8.2},
                   {12, 8.8},
                   {10.6, 8.2},
                   {9.4, 6.5},
                   {10, 4.4},
                   {11, 5.2}},
                  K.Record);
        P.Polygon({{12, 5}, {13.1, 6.6}, {12.6, 7.9}, {12, 8.2}, {11.4, 7.9}, {10.9, 6.6}},
                  art::Hex(0xffc23a));
    };
    T["favorites-edit"] = [](TIconPen& P, const TInks& K) {
        P.SetCrisp(!P.Large());
        Star(P, K.Tint, &K.Accent, 7.5, 8.5, 6, 2.6);
        P.SetCrisp(false);
        EraseStroke(P, {8.5, 14.5}, {14.5, 8.5}, 4.5);
        Pencil(P, K, 8, 15, P.Pick(6, 8));
    };
    T["keyboard"] = [](TIconPen& P, const TInks& K) {
        P.RoundFrame(1, 3, 14, 10, 1, K.Line, &K.Paper);
        for (double x = 3; x < 13; x += 2) {
            P.Box(x, 5, 1, 1, K.Line);
            P.Box(x + 1, 7, 1, 1, K.Line);
        }
        P.Box(11, 7, 2, 1, K.Accent);
        P.Box(4, 10, 8, 1, K.Line);
    };
    T["options"] = [](TIconPen& P, const TInks& K) {
        P.SetCrisp(!P.Large());
        Gear(P, K, 8, 8, 6.2, K.Accent);
        P.SetCrisp(false);
    };
}

} // namespace commandicons
