// View and zoom: the magnifier and the zoom arrows of the zoom buttons (tools/skingen), the display
// modes, the two scales and their formats, the channels and the window's panels.
#include "tools/commandicons/IconShapes.h"

namespace commandicons {

using namespace shapes;

namespace {

// The time scale along the bottom: a strip with ticks, every fourth one long.
void TimeRuler(TIconPen& P, const TInks& K) {
    P.Frame(1, 10, 14, 5, K.Line, &K.Paper);
    for (double x = 3; x < 14; x += 2)
        P.Box(x, 11, 1, (int(x) - 3) % 4 == 0 ? 2 : 1, K.Line);
}

// The level scale along the left side: its line with ticks, the longest at the middle.
void LevelRuler(TIconPen& P, const TInks& K) {
    P.Box(5, 1, 1, 14, K.Line);
    for (double y = 1; y < 15; y += 2)
        P.Box(y == 7 ? 1 : (int(y) % 4 == 3 ? 2 : 3), y, y == 7 ? 4 : (int(y) % 4 == 3 ? 3 : 2), 1, K.Line);
}

// Samples as stems with a dot at their ends, about line Y from X on every two units.
void Stems(TIconPen& P, const TInks& K, double X, double Y, std::initializer_list<double> Values) {
    double x = X;
    for (double v : Values) {
        // The stem in the line colour, its end in the accent.
        if (v >= 0) {
            P.Box(x, Y - v + 1, 1, v - 1, K.Line);
            P.Box(x, Y - v, 1, 1, K.Accent);
        } else {
            P.Box(x, Y, 1, -v - 1, K.Line);
            P.Box(x, Y - v - 1, 1, 1, K.Accent);
        }
        if (P.Large()) P.Box(x - 0.25, v >= 0 ? Y - v : Y - v - 1, 1.5, 1, K.Accent);
        x += 2;
    }
}

// Two channels one above the other, each with its letter; a lit channel's wave is in the accent.
void Channels(TIconPen& P, const TInks& K, bool Left, bool Right) {
    P.Text(1, 2, "L", Left ? K.Line : K.Shade);
    P.Text(1, 9, "R", Right ? K.Line : K.Shade);
    Wave(P, Left ? K.Accent : K.Shade, 5, 15, 4, 2.5, 1);
    Wave(P, Right ? K.Accent : K.Shade, 5, 15, 11, 2.5, 3);
    P.Box(5, 7, 10, P.Pixel(), K.Shade);
}

// The main window, and its command bar at one side (Side -1 left, 1 right), lit or showing its list.
void WindowWithBar(TIconPen& P, const TInks& K, int Side, bool Lit) {
    Window(P, K, 1, 1, 14, 14, K.Line);
    const double x = Side < 0 ? 2 : 9;
    if (Lit) {
        P.Box(x, 4, 5, 10, K.Accent);
    } else {
        P.Box(x, 4, 5, 10, K.Tint);
        for (double y = 5; y < 13; y += 2)
            P.Box(x + 1, y, 3, 1, K.Accent);
    }
    P.Box(Side < 0 ? 7 : 8, 4, 1, 10, K.Line);
    Wave(P, K.Shade, Side < 0 ? 8 : 2, Side < 0 ? 14 : 8, 9, 3);
}

// The main window with a band of buttons along its top.
void WindowWithTopBand(TIconPen& P, const TInks& K) {
    Window(P, K, 1, 1, 14, 14, K.Line);
    P.Box(2, 3, 12, 6, K.Tint);
    P.Box(2, 9, 12, 1, K.Accent);
    Wave(P, K.Shade, 2, 14, 12, 2);
}

// The magnifier with its sign, a plus (or a minus) of Arm units either way from the lens's middle unit.
void Lens(TIconPen& P, const TInks& K, double CX, double CY, double Radius, double Handle, int Arm,
          bool Plus) {
    Magnifier(P, K, CX, CY, Radius, Handle);
    const double x = CX - 0.5, y = CY - 0.5;
    P.Box(x - Arm, y, 2 * Arm + 1, 1, K.Accent);
    if (Plus) P.Box(x, y - Arm, 1, 2 * Arm + 1, K.Accent);
}

// Zooming in towards one end of the selection (Side -1 left, 1 right): the magnifier and an arrow to that
// side.
void ZoomTowards(TIconPen& P, const TInks& K, int Side) {
    Lens(P, K, Side < 0 ? 8.5 : 6.5, 8.5, 4.5, 3, 1, true);
    P.Box(Side < 0 ? 4 : 6, 2, 6, 1, K.Accent);
    Arrowhead(P, K.Accent, Side < 0 ? 1 : 14, 2, Side < 0 ? TDir::Left : TDir::Right, 2);
}

} // namespace

void AddViewMotifs(TMotifTable& T) {
    T["zoom-in"] = [](TIconPen& P, const TInks& K) { Lens(P, K, 6.5, 6.5, 5.5, 4.5, 2, true); };
    T["zoom-out"] = [](TIconPen& P, const TInks& K) { Lens(P, K, 6.5, 6.5, 5.5, 4.5, 2, false); };
    T["zoom-selection"] = [](TIconPen& P, const TInks& K) {
        P.Box(5, 1, 6, 14, K.Tint);
        P.Box(5, 1, 1, 14, K.Accent);
        P.Box(10, 1, 1, 14, K.Accent);
        Arrowhead(P, K.Line, 3, 7, TDir::Right, 3);
        Arrowhead(P, K.Line, 12, 7, TDir::Left, 3);
    };
    T["zoom-full"] = [](TIconPen& P, const TInks& K) {
        P.Box(1, 2, 1, 12, K.Line);
        P.Box(14, 2, 1, 12, K.Line);
        P.Box(5, 7, 6, 1, K.Accent);
        Arrowhead(P, K.Accent, 3, 7, TDir::Left, 4);
        Arrowhead(P, K.Accent, 12, 7, TDir::Right, 4);
    };
    T["zoom-left"] = [](TIconPen& P, const TInks& K) { ZoomTowards(P, K, -1); };
    T["zoom-right"] = [](TIconPen& P, const TInks& K) { ZoomTowards(P, K, 1); };
    T["vertical-zoom-in"] = [](TIconPen& P, const TInks& K) {
        P.Box(2, 1, 12, 1, K.Line);
        P.Box(2, 14, 12, 1, K.Line);
        P.Box(7, 6, 1, 4, K.Accent);
        Arrowhead(P, K.Accent, 7, 3, TDir::Up, 4);
        Arrowhead(P, K.Accent, 7, 12, TDir::Down, 4);
    };
    T["vertical-zoom-out"] = [](TIconPen& P, const TInks& K) {
        P.Box(1, 7, 14, 1, K.Line);
        P.Box(7, 1, 1, 2, K.Accent);
        P.Box(7, 12, 1, 2, K.Accent);
        Arrowhead(P, K.Accent, 7, 5, TDir::Down, 3);
        Arrowhead(P, K.Accent, 7, 9, TDir::Up, 3);
    };
    T["waveform-mode"] = [](TIconPen& P, const TInks& K) {
        P.Frame(1, 2, 14, 12, K.Line, &K.Paper);
        Wave(P, K.Accent, 2, 14, 8, 4);
    };
    T["spectral-mode"] = [](TIconPen& P, const TInks& K) {
        P.Frame(1, 2, 14, 12, K.Line, &K.Paper);
        // Energy by time (across) and frequency (up): strong low, fading high.
        static const char* const rows[] = {"0010100", "0121210", "1232321", "2333332", "3333333"};
        const TRgb shades[] = {K.Paper, K.Tint, K.Accent, K.Deep};
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 6; ++c)
                P.Box(2 + 2 * c, 3 + 2 * r, 2, 2, shades[rows[r][c] - '0']);
    };
    T["time-scale"] = [](TIconPen& P, const TInks& K) {
        Wave(P, K.Accent, 1, 15, 5, 3.5);
        TimeRuler(P, K);
    };
    T["time-scale-decimal"] = [](TIconPen& P, const TInks& K) {
        P.Text(3, 2, "1.5", K.Accent);
        TimeRuler(P, K);
    };
    T["time-scale-samples"] = [](TIconPen& P, const TInks& K) {
        Stems(P, K, 3, 6, {2, 4, 1, -2, -3, 2});
        TimeRuler(P, K);
    };
    T["level-scale"] = [](TIconPen& P, const TInks& K) {
        LevelRuler(P, K);
        Wave(P, K.Accent, 7, 15, 7.5, 5.5, 1);
    };
    T["level-scale-samples"] = [](TIconPen& P, const TInks& K) {
        LevelRuler(P, K);
        Stems(P, K, 7, 8, {4, 2, -3, -5});
    };
    T["level-scale-normalized"] = [](TIconPen& P, const TInks& K) {
        LevelRuler(P, K);
        for (double x = 7; x < 15; x += 2) {
            P.Box(x, 1, 1, 1, K.Line);
            P.Box(x, 14, 1, 1, K.Line);
        }
        P.Sine(7.5, 14.5, 8, 5.5, 1, K.Accent, 0, 1);
    };
    T["level-scale-decibel"] = [](TIconPen& P, const TInks& K) {
        LevelRuler(P, K);
        P.Text(7.5 - P.Pick(0.5, 0), 5.5 - P.Pick(0.5, 0), "dB", K.Accent);
    };
    T["channel-left"] = [](TIconPen& P, const TInks& K) { Channels(P, K, true, false); };
    T["channel-right"] = [](TIconPen& P, const TInks& K) { Channels(P, K, false, true); };
    T["channel-both"] = [](TIconPen& P, const TInks& K) { Channels(P, K, true, true); };
    T["workplace-colours"] = [](TIconPen& P, const TInks& K) {
        // The waveform area in its dark and its light colours, side by side.
        P.Frame(1, 2, 14, 12, K.Line, &K.Paper);
        P.Box(2, 3, 6, 10, K.Line);
        SplitWave(P, K.Line, K.Tint, 2, 14, 0, 8, 8, 3.5, 1);
    };
    T["command-bar"] = [](TIconPen& P, const TInks& K) { WindowWithBar(P, K, -1, false); };
    T["command-bar-left"] = [](TIconPen& P, const TInks& K) { WindowWithBar(P, K, -1, true); };
    T["command-bar-right"] = [](TIconPen& P, const TInks& K) { WindowWithBar(P, K, 1, true); };
    T["top-transport-bar"] = [](TIconPen& P, const TInks& K) {
        WindowWithTopBand(P, K);
        Arrowhead(P, K.Line, 9, 6, TDir::Right, 3);
    };
    T["top-zoom-bar"] = [](TIconPen& P, const TInks& K) {
        WindowWithTopBand(P, K);
        P.Pattern(5, 4, {".##..", "#..#.", "#..#.", ".####", "....#"}, {{'#', K.Line}});
    };
}

} // namespace commandicons
