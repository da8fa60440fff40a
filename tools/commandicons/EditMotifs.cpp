// Clipboard and editing: the arrows of undo and redo, scissors, pages and the clipboard, and the wave
// edits, each a waveform with the part it changes in the accent (a cut, a trim, silence, an insertion).
#include "tools/commandicons/IconShapes.h"

#include <cmath>

namespace commandicons {

using namespace shapes;

namespace {

// A hooked arrow turning back on itself: its head at the top left (or right when Mirror).
void HookArrow(TIconPen& P, const TInks& K, bool Mirror) {
    auto x = [Mirror](double V) { return Mirror ? 16 - V : V; };
    std::vector<TPt> path{{x(4), 5.5}};
    for (int a = -90; a <= 90; a += 10) {
        const double r = 3.5, t = a * M_PI / 180;
        path.push_back({x(10 + r * std::cos(t)), 9 + r * std::sin(t)});
    }
    path.push_back({x(5), 12.5});
    P.Stroke(path, K.Accent, 1);
    Arrowhead(P, K.Accent, Mirror ? 14 : 1, 5, Mirror ? TDir::Right : TDir::Left, 4);
}

// A clipboard: its board with the clip on top, and a sheet on it at the right.
void Clipboard(TIconPen& P, const TInks& K) {
    P.RoundFrame(1, 2, 11, 13, 1, K.Line, &K.Tint);
    P.Frame(4, 1, 5, 3, K.Line, &K.Paper);
    P.Box(4, 3, 5, 1, K.Line);
    P.Frame(7, 6, 8, 9, K.Line, &K.Paper);
}

// An insertion mark: an arrow pointing down at column X from the top.
void InsertMark(TIconPen& P, TRgb Colour, double X, double Top) {
    P.Box(X, Top, 1, 2, Colour);
    Arrowhead(P, Colour, X, Top + 4, TDir::Down, 3);
}

} // namespace

void AddEditMotifs(TMotifTable& T) {
    T["undo"] = [](TIconPen& P, const TInks& K) { HookArrow(P, K, false); };
    T["redo"] = [](TIconPen& P, const TInks& K) { HookArrow(P, K, true); };
    T["cut"] = [](TIconPen& P, const TInks& K) {
        // Two blades crossing above their rings.
        Diagonal(P, K.Line, 4, 1, 8, 1, 1);
        Diagonal(P, K.Line, 11, 1, 8, -1, 1);
        P.Ring(4, 12, 3, K.Accent, &K.Paper);
        P.Ring(12, 12, 3, K.Accent, &K.Paper);
    };
    T["copy"] = [](TIconPen& P, const TInks& K) {
        Page(P, K, 1, 1, 9, 11);
        Page(P, K, 6, 4, 9, 11);
        PageLines(P, K.Accent, 8, 8, 5, 3);
    };
    T["copy-to-new"] = [](TIconPen& P, const TInks& K) {
        Page(P, K, 1, 1, 9, 11);
        Page(P, K, 5, 3, 9, 11);
        PageLines(P, K.Accent, 7, 7, 4, 2);
        Badge(P, K, TBadge::Plus);
    };
    T["paste"] = [](TIconPen& P, const TInks& K) {
        Clipboard(P, K);
        P.Bars(9, 10, 2, {1, 3, 2}, K.Accent);
    };
    T["paste-mix"] = [](TIconPen& P, const TInks& K) {
        // What the clipboard holds mixed into the sound: two waves' bars in turn.
        Clipboard(P, K);
        const double heights[] = {2, 3, 1, 2, 3, 2};
        for (int i = 0; i < (P.Large() ? 6 : 3); ++i)
            P.Box(9 + P.Pick(2, 1) * i, 10 - heights[i], 1 - P.Pick(0, 0.5), 2 * heights[i],
                  i % 2 == 0 ? K.Accent : K.Line);
    };
    T["mix-file"] = [](TIconPen& P, const TInks& K) {
        // Another file's sound mixed into this one's: its bars among the document's.
        Page(P, K, 1, 1, 7, 8);
        P.Bars(2.5 + P.Pick(0.5, 0), 5, 2, {1, 2}, K.Accent);
        const std::vector<TWaveBar> bars = WaveBars(P, 1, 15, 3, 3);
        for (std::size_t i = 0; i < bars.size(); ++i)
            P.Box(bars[i].X, 12 - bars[i].Height, 1, 2 * bars[i].Height, i % 2 == 0 ? K.Line : K.Accent);
        Arrowhead(P, K.Accent, 11, 6, TDir::Down, 3);
        P.Box(11, 2, 1, 3, K.Accent);
    };
    T["delete"] = [](TIconPen& P, const TInks& K) {
        Wave(P, K.Line, 1, 5, WaveY, WaveAmp, 1);
        Wave(P, K.Line, 11, 15, WaveY, WaveAmp, 2);
        Diagonal(P, K.Accent, 6, 5.5 - P.Pick(0.5, 0), 5, 1, 1);
        Diagonal(P, K.Accent, 10, 5.5 - P.Pick(0.5, 0), 5, -1, 1);
    };
    T["trim"] = [](TIconPen& P, const TInks& K) {
        P.Box(5, 1, 6, 14, K.Tint);
        SplitWave(P, K.Shade, K.Accent, 1, 15, 5, 11, WaveY, WaveAmp);
        P.Box(4, 1, 1, 14, K.Deep);
        P.Box(11, 1, 1, 14, K.Deep);
    };
    T["trim-start"] = [](TIconPen& P, const TInks& K) {
        SplitWave(P, K.Line, K.Shade, 1, 15, 0, 6, WaveY, WaveAmp);
        Cursor(P, K.Accent, 6, 1, 15);
    };
    T["trim-end"] = [](TIconPen& P, const TInks& K) {
        SplitWave(P, K.Line, K.Shade, 1, 15, 10, 16, WaveY, WaveAmp);
        Cursor(P, K.Accent, 9, 1, 15);
    };
    T["silence-selection"] = [](TIconPen& P, const TInks& K) {
        P.Box(5, 1, 6, 14, K.Tint);
        Wave(P, K.Line, 1, 5, WaveY, WaveAmp, 1);
        Wave(P, K.Line, 11, 15, WaveY, WaveAmp, 2);
        Silence(P, K.Accent, 5, 11, WaveY + 0.5);
    };
    T["insert-silence"] = [](TIconPen& P, const TInks& K) {
        // Silence pushing the wave apart.
        Wave(P, K.Line, 1, 5, 10, 4, 1);
        Wave(P, K.Line, 11, 15, 10, 4, 2);
        Silence(P, K.Accent, 5, 11, 10.5);
        P.Box(4, 3, 8, 1, K.Accent);
        Arrowhead(P, K.Accent, 1, 3, TDir::Left, 3);
        Arrowhead(P, K.Accent, 14, 3, TDir::Right, 3);
    };
    T["insert-silence-begin"] = [](TIconPen& P, const TInks& K) {
        Silence(P, K.Accent, 1, 6, 10.5);
        Wave(P, K.Line, 6, 15, 10, 4, 3);
        InsertMark(P, K.Accent, 3, 1);
    };
    T["insert-silence-cursor"] = [](TIconPen& P, const TInks& K) {
        Wave(P, K.Line, 1, 5, 10, 4, 1);
        Silence(P, K.Accent, 5, 11, 10.5);
        Wave(P, K.Line, 11, 15, 10, 4, 2);
        InsertMark(P, K.Accent, 7, 1);
    };
    T["insert-silence-end"] = [](TIconPen& P, const TInks& K) {
        Wave(P, K.Line, 1, 10, 10, 4, 3);
        Silence(P, K.Accent, 10, 15, 10.5);
        InsertMark(P, K.Accent, 12, 1);
    };
    T["insert-file"] = [](TIconPen& P, const TInks& K) {
        Page(P, K, 2, 1, 10, 13);
        P.Bars(4, 7, 2, {1, 3, 2, 1}, K.Accent);
        Badge(P, K, TBadge::ArrowDown);
    };
    // A small page dropping into the wave at the start, the cursor or the end.
    auto pageInto = [](TIconPen& P, const TInks& K, double X) {
        Page(P, K, X, 1, 7, 6);
        P.Box(X + 3, 7, 1, 1, K.Accent);
        Arrowhead(P, K.Accent, X + 3, 9, TDir::Down, 2);
        SplitWave(P, K.Line, K.Accent, 1, 15, X + 1, X + 6, 12, 3, 4);
    };
    T["insert-file-begin"] = [pageInto](TIconPen& P, const TInks& K) { pageInto(P, K, 1); };
    T["insert-file-cursor"] = [pageInto](TIconPen& P, const TInks& K) { pageInto(P, K, 5); };
    T["insert-file-end"] = [pageInto](TIconPen& P, const TInks& K) { pageInto(P, K, 8); };
    T["repeat-loop"] = [](TIconPen& P, const TInks& K) {
        // A stretch of sound and the same again after it.
        P.Bars(2, 11, 2, {1, 3, 2}, K.Line);
        P.Bars(10, 11, 2, {1, 3, 2}, K.Accent);
        P.Lines({{3.5, 6}, {3.5, 3.5}, {11.5, 3.5}, {11.5, 5}}, K.Accent);
        Arrowhead(P, K.Accent, 11, 7, TDir::Down, 3);
    };
}

} // namespace commandicons
