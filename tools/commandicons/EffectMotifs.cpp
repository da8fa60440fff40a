// Effects, filters and noise reduction, each drawn as what it does to sound: a waveform under a rising
// arrow for amplify, a ramp for a fade, decaying repeats for echo, a filter's response curve.
#include "tools/commandicons/IconShapes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace commandicons {

using namespace shapes;

namespace {

double Smooth(double T) {
    T = std::clamp(T, 0.0, 1.0);
    return T * T * (3 - 2 * T);
}

// A filter's response from x = 1 to 15: Level(x) is the curve's height (0 bottom .. 1 top); the area
// under it is tinted above a base line.
template <class TLevel> void Response(TIconPen& P, const TInks& K, TLevel Level) {
    const double top = 2.5, bottom = 13.5;
    std::vector<TPt> curve;
    for (double x = 1.5; x <= 14.51; x += 0.25)
        curve.push_back({x, bottom - (bottom - top) * Level(x)});
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 1.5, 14);
    for (const TPt& p : curve)
        cairo_line_to(cr, p.X, p.Y);
    cairo_line_to(cr, 14.5, 14);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, K.Tint.R / 255.0, K.Tint.G / 255.0, K.Tint.B / 255.0);
    cairo_fill(cr);
    P.Box(1, 14, 14, 1, K.Line);
    P.Stroke(curve, K.Accent, 1);
}

// A wedge of sound growing from nothing to full height (Rising) or dying away, X0 to X1.
void Fade(TIconPen& P, const TInks& K, double X0, double X1, bool Rising) {
    const double half = 6.5;
    const double a = Rising ? 0.5 : half, b = Rising ? half : 0.5;
    P.Polygon({{X0, 8 - a}, {X1, 8 - b}, {X1, 8 + b}, {X0, 8 + a}}, K.Tint);
    for (const TWaveBar& bar : WaveBars(P, X0, X1, 1)) {
        const double t = (bar.X + 0.5 - X0) / (X1 - X0);
        const double h = std::max(P.Pixel(), std::floor(half * (Rising ? t : 1 - t) / P.Pixel()) * P.Pixel());
        P.Box(bar.X, 8 - h, 1, 2 * h, K.Accent);
    }
}

// A sine whose frequency swings up and down.
std::vector<TPt> Wobble(double X0, double X1, double Y, double Amplitude, double Period) {
    std::vector<TPt> points;
    double phase = 0;
    for (double x = X0; x <= X1 + 1e-9; x += 0.125) {
        points.push_back({x, Y - Amplitude * std::sin(phase)});
        const double t = (x - X0) / (X1 - X0);
        phase += 0.125 * 2 * M_PI / (Period * (1 + 0.4 * std::cos(2 * M_PI * t)));
    }
    return points;
}

} // namespace

void AddEffectMotifs(TMotifTable& T) {
    T["effects"] = [](TIconPen& P, const TInks& K) {
        // A wave and the spark that changes it.
        P.Sine(2, 11, 10, 3.5, 1, K.Line, 0, 1);
        Sparkle(P, K.Accent, 11, 4, 3.5);
    };
    T["amplify"] = [](TIconPen& P, const TInks& K) {
        // Bars growing louder under the arrow that lifts them.
        const std::vector<TWaveBar> bars = WaveBars(P, 1, 15, 1);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const double h = std::max(
                P.Pixel(),
                std::round((0.8 + 3.2 * double(i) / double(bars.size() - 1)) / P.Pixel()) * P.Pixel());
            P.Box(bars[i].X, 11 - h, 1, 2 * h, K.Line);
        }
        Diagonal(P, K.Accent, 2, 10, 9, 1, -1);
        P.Box(7, 1, 4, 1, K.Accent);
        P.Box(10, 1, 1, 4, K.Accent);
    };
    T["normalize"] = [](TIconPen& P, const TInks& K) {
        const std::vector<TWaveBar> bars = WaveBars(P, 2, 14, 5);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const double h = i % 3 == 1 ? 5 : bars[i].Height;
            P.Box(bars[i].X, 8 - h, 1, 2 * h, K.Line);
        }
        for (double x = 1; x < 15; x += 2) {
            P.Box(x, 2, 1, 1, K.Accent);
            P.Box(x, 13, 1, 1, K.Accent);
        }
    };
    T["compressor"] = [](TIconPen& P, const TInks& K) {
        // Output against input: a straight rise that bends flat above the threshold.
        P.Lines({{1.5, 1.5}, {1.5, 14.5}, {14.5, 14.5}}, K.Line);
        P.Stroke({{3, 13}, {8.5, 7.5}, {14, 5}}, K.Accent, 1.5);
        P.Box(8, 7, 1, 1, K.Deep);
        for (double y = 3; y < 13; y += 2)
            P.Box(8, y + (y > 6 ? 2 : 0), 1, 1, K.Shade);
    };
    T["fade-in"] = [](TIconPen& P, const TInks& K) { Fade(P, K, 1, 15, true); };
    T["fade-out"] = [](TIconPen& P, const TInks& K) { Fade(P, K, 1, 15, false); };
    T["fade-out-trim"] = [](TIconPen& P, const TInks& K) {
        // The fade, and the rest after it cut away.
        Fade(P, K, 1, 11, false);
        for (double y = 1; y < 15; y += 2)
            P.Box(11, y, 1, 1, K.Line);
        Wave(P, K.Shade, 12, 15, 8, 3, 2);
    };
    T["cross-fade"] = [](TIconPen& P, const TInks& K) {
        P.Polygon({{1, 2}, {15, 14}, {1, 14}}, K.Shade);
        P.Polygon({{15, 2}, {15, 14}, {1, 14}}, K.Tint, 0.85);
        P.Stroke({{1.5, 2.5}, {14.5, 13.5}}, K.Line, 1);
        P.Stroke({{1.5, 13.5}, {14.5, 2.5}}, K.Accent, 1);
        P.Box(1, 14, 14, 1, K.Line);
    };
    T["envelope"] = [](TIconPen& P, const TInks& K) {
        Wave(P, K.Shade, 1, 15, 10, 4, 2);
        P.Stroke({{2, 9}, {5, 4}, {10, 7}, {14, 3}}, K.Accent, 1);
        for (const TPt& node : {TPt{2, 9}, TPt{5, 4}, TPt{10, 7}, TPt{14, 3}})
            P.Box(node.X - 1, node.Y - 1, 2, 2, K.Deep);
    };
    T["echo"] = [](TIconPen& P, const TInks& K) {
        // The sound, then its repeats dying away.
        const double heights[] = {6, 4, 2.5, 1.5};
        for (int i = 0; i < 4; ++i)
            P.Box(1 + 4 * i, 8 - heights[i], 2, 2 * heights[i], i == 0 ? K.Line : K.Accent);
    };
    T["reverb"] = [](TIconPen& P, const TInks& K) {
        // One sound and the dense tail of its reflections.
        P.Box(1, 2, 2, 12, K.Line);
        for (double x = 4; x < 15; x += P.Pick(1, 0.5)) {
            const double h =
                std::max(P.Pixel(), std::round(5.5 * std::exp(-(x - 4) / 4.5) / P.Pixel()) * P.Pixel());
            const bool light = int(std::round((x - 4) / P.Pick(1, 0.5))) % 2 == 1;
            P.Box(x, 8 - h, P.Pick(1, 0.5), 2 * h, light ? K.Tint : K.Accent);
        }
    };
    T["chorus"] = [](TIconPen& P, const TInks& K) {
        P.Sine(1.5, 14.5, 3.5, 1.5, 2, K.Line, 0.05);
        P.Sine(1.5, 14.5, 8, 1.5, 2, K.Accent, 0.15);
        P.Sine(1.5, 14.5, 12.5, 1.5, 2, K.Line, 0.25);
    };
    T["flanger"] = [](TIconPen& P, const TInks& K) {
        // The comb of a short delay, swept to and fro.
        std::vector<TPt> comb;
        for (double x = 2; x <= 14; x += 0.125)
            comb.push_back({x, 2 + 7 * std::pow(std::fabs(std::cos((x - 2) * M_PI / 4)), 0.6)});
        P.Stroke(comb, K.Accent, 1);
        P.Box(4, 12, 8, 1, K.Line);
        Arrowhead(P, K.Line, 1, 12, TDir::Left, 3);
        Arrowhead(P, K.Line, 14, 12, TDir::Right, 3);
    };
    T["phaser"] = [](TIconPen& P, const TInks& K) {
        // The same wave twice, the second shifted along.
        P.Sine(1.5, 14.5, 8, 5, 1, K.Line, 0, 1);
        P.Sine(1.5, 14.5, 8, 5, 1, K.Accent, 0.3, 1);
    };
    T["vibrato"] = [](TIconPen& P, const TInks& K) {
        P.Stroke(Wobble(2, 14, 8, 5, P.Pick(6.5, 4.6)), K.Accent, 1);
    };
    T["equalizer"] = [](TIconPen& P, const TInks& K) {
        const double knobs[] = {9, 4, 7, 10};
        for (int i = 0; i < 4; ++i) {
            const double x = 3 + 3 * i;
            P.Box(x, 1, 1, 14, K.Shade);
            P.Box(x - 1, knobs[i], 3, 2, K.Accent);
        }
    };
    T["high-pass"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return Smooth((x - 2) / 6.5); });
    };
    T["low-pass"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return 1 - Smooth((x - 7.5) / 6.5); });
    };
    T["band-pass"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return Smooth((x - 1.5) / 4.5) * (1 - Smooth((x - 10) / 4.5)); });
    };
    T["notch"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return 0.85 - 0.85 * std::exp(-std::pow((x - 8) / 1.1, 2)); });
    };
    T["peak-eq"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return 0.4 + 0.6 * std::exp(-std::pow((x - 8) / 2.2, 2)); });
    };
    T["low-shelf"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return 0.9 - 0.5 * Smooth((x - 5) / 6); });
    };
    T["high-shelf"] = [](TIconPen& P, const TInks& K) {
        Response(P, K, [](double x) { return 0.4 + 0.5 * Smooth((x - 5) / 6); });
    };
    T["mix-stereo"] = [](TIconPen& P, const TInks& K) {
        // Each channel fed from both: left and right crossing over.
        P.Text(1, 2, "L", K.Line);
        P.Text(1, 9, "R", K.Line);
        P.Text(12, 2, "L", K.Line);
        P.Text(12, 9, "R", K.Line);
        Diagonal(P, K.Accent, 5, 4, 7, 1, 1);
        Diagonal(P, K.Accent, 5, 10, 7, 1, -1);
    };
    T["reverse"] = [](TIconPen& P, const TInks& K) {
        // A dying sound played backwards: it swells and stops short.
        const std::vector<TWaveBar> bars = WaveBars(P, 1, 15, 1);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const double h =
                std::max(P.Pixel(),
                         std::round(4 * std::pow(double(i + 1) / bars.size(), 1.6) / P.Pixel()) * P.Pixel());
            P.Box(bars[i].X, 11 - h, 1, 2 * h, K.Line);
        }
        P.Box(4, 3, 10, 1, K.Accent);
        Arrowhead(P, K.Accent, 1, 3, TDir::Left, 3);
    };
    T["invert"] = [](TIconPen& P, const TInks& K) {
        // The wave turned upside down: the right half mirrors the left one.
        const std::vector<TWaveBar> bars = WaveBars(P, 1, 15, 6.5, 2);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const bool up = bars[i].X < 8;
            const double h = bars[up ? i : bars.size() - 1 - i].Height;
            P.Box(bars[i].X, up ? 8 - h : 8, 1, h, up ? K.Line : K.Accent);
        }
        P.Box(1, 8, 14, P.Pixel(), K.Shade);
    };
    T["speed"] = [](TIconPen& P, const TInks& K) {
        P.Pie(8, 10, 7, 180, 360, K.Tint);
        P.Arc(8, 10, 6.5, 180, 360, K.Line, 1);
        for (int a = 180; a <= 360; a += 45) {
            const double t = a * M_PI / 180;
            P.Stroke({{8 + 4.6 * std::cos(t), 10 + 4.6 * std::sin(t)},
                      {8 + 5.6 * std::cos(t), 10 + 5.6 * std::sin(t)}},
                     K.Line, 0.9);
        }
        P.Stroke({{8, 10}, {11.8, 5.2}}, K.Accent, 1.5);
        P.Disc(8, 10, 1.6, K.Line);
        P.Box(1, 13, 14, 1, K.Line);
    };
    T["pitch"] = [](TIconPen& P, const TInks& K) {
        // A note, moved up or down.
        P.Disc(5.5, 11.5, 2.4, K.Line);
        P.Box(7, 2, 1, 9.5, K.Line);
        P.Stroke({{7.5, 2.5}, {10, 5}}, K.Line, 1.2);
        P.Box(12, 4, 1, 8, K.Accent);
        Arrowhead(P, K.Accent, 12, 1, TDir::Up, 3);
        Arrowhead(P, K.Accent, 12, 14, TDir::Down, 3);
    };

    T["noise-reduction"] = [](TIconPen& P, const TInks& K) {
        // Hiss on the left, the clean sound it leaves on the right.
        const double hiss[] = {2, 4, 1, 5, 2, 3, 4};
        for (int i = 0; i < (P.Large() ? 13 : 7); ++i) {
            const double h = hiss[i % 7] - (P.Large() && i % 2 == 1 ? 0.5 : 0);
            P.Box(1 + P.Pick(1, 0.5) * i, 8 - h, P.Pick(1, 0.5), h + h * (i % 3 == 0 ? 0.5 : 1), K.Line);
        }
        P.Sine(8.5, 14.5, 8, 5, 1, K.Accent, 0, 1);
    };
    T["cassette"] = [](TIconPen& P, const TInks& K) {
        P.RoundFrame(1, 3, 14, 11, 1, K.Line, &K.Paper);
        P.Box(3, 5, 10, 5, K.Tint);
        P.Ring(5.5, 7.5, 2, K.Accent, &K.Paper);
        P.Ring(10.5, 7.5, 2, K.Accent, &K.Paper);
        P.Lines({{4.5, 13}, {5.5, 11.5}, {10.5, 11.5}, {11.5, 13}}, K.Line);
    };
    T["breath"] = [](TIconPen& P, const TInks& K) {
        // A microphone and the puffs of breath that reach it.
        Microphone(P, K, 8, 1);
        P.Box(1, 4, 5, 1, K.Accent);
        P.Box(2, 7, 5, 1, K.Accent);
        P.Box(1, 10, 5, 1, K.Accent);
        P.Box(6, 3, 1, 1, K.Accent);
        P.Box(7, 6, 1, 1, K.Accent);
        P.Box(6, 11, 1, 1, K.Accent);
    };
}

} // namespace commandicons
