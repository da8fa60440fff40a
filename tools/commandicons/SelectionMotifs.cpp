// Selections (a lit stretch of the waveform) and the marks kept on a sound: bookmarks are flags,
// regions a pair of brackets.
#include "tools/commandicons/IconShapes.h"

namespace commandicons {

using namespace shapes;

namespace {

// The lit stretch A..B of a full-width waveform, with the chosen part's bars in the accent.
void Selected(TIconPen& P, const TInks& K, double A, double B) {
    P.Box(A, 1, B - A, 14, K.Tint);
    SplitWave(P, K.Line, K.Accent, 1, 15, A, B, WaveY, WaveAmp);
}

// Lines of a list, each behind a small bullet, from (X, Y) down.
void List(TIconPen& P, const TInks& K, double X, double Y, double W, int N) {
    for (int i = 0; i < N; ++i) {
        P.Box(X, Y + 2 * i, 1, 1, K.Accent);
        P.Box(X + 2, Y + 2 * i, W - 2, 1, K.Line);
    }
}

// A region's brackets from X0 to X1 (outer edges), Top to Bottom, with a waveform between.
void Brackets(TIconPen& P, const TInks& K, double X0, double X1, double Top, double Bottom) {
    P.Box(X0 + 1, Top, X1 - X0 - 2, Bottom - Top, K.Tint);
    Wave(P, K.Line, X0 + 2, X1 - 2, (Top + Bottom) / 2, (Bottom - Top) / 2 - 1.5);
    const double arm = P.Pick(2, 2.5);
    P.Lines({{X0 + arm + 0.5, Top + 0.5},
             {X0 + 0.5, Top + 0.5},
             {X0 + 0.5, Bottom - 0.5},
             {X0 + arm + 0.5, Bottom - 0.5}},
            K.Accent);
    P.Lines({{X1 - arm - 0.5, Top + 0.5},
             {X1 - 0.5, Top + 0.5},
             {X1 - 0.5, Bottom - 0.5},
             {X1 - arm - 0.5, Bottom - 0.5}},
            K.Accent);
}

} // namespace

void AddSelectionMotifs(TMotifTable& T) {
    T["select-all"] = [](TIconPen& P, const TInks& K) {
        Selected(P, K, 1, 15);
        P.Box(1, 1, 1, 14, K.Deep);
        P.Box(14, 1, 1, 14, K.Deep);
    };
    T["select-to-start"] = [](TIconPen& P, const TInks& K) {
        Selected(P, K, 1, 9);
        Cursor(P, K.Line, 9, 1, 15);
        Arrowhead(P, K.Deep, 2, 2, TDir::Left, 2);
    };
    T["select-to-end"] = [](TIconPen& P, const TInks& K) {
        Selected(P, K, 7, 15);
        Cursor(P, K.Line, 6, 1, 15);
        Arrowhead(P, K.Deep, 13, 2, TDir::Right, 2);
    };
    T["select-time"] = [](TIconPen& P, const TInks& K) {
        Selected(P, K, 4, 11);
        Badge(P, K, TBadge::Clock);
    };

    T["bookmark"] = [](TIconPen& P, const TInks& K) { Flag(P, K, 3, 2, 15, 10, 7); };
    T["bookmark-list"] = [](TIconPen& P, const TInks& K) {
        Flag(P, K, 1, 1, 9, 6, 5);
        List(P, K, 5, 9, 10, 3);
    };
    T["region"] = [](TIconPen& P, const TInks& K) { Brackets(P, K, 1, 15, 2, 14); };
    T["region-list"] = [](TIconPen& P, const TInks& K) {
        Brackets(P, K, 1, 9, 1, 8);
        List(P, K, 5, 10, 10, 3);
    };
}

} // namespace commandicons
