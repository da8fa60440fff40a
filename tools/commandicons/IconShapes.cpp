#include "tools/commandicons/IconShapes.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace commandicons::shapes {

namespace {

// How loud each bar of a waveform is, before the envelope: a fixed, irregular sequence.
constexpr double Loudness[] = {0.55, 0.95, 0.7, 1.0, 0.6, 0.85, 0.5, 0.9, 0.65, 0.8, 0.45, 0.75, 0.9, 0.6};

double SnapDown(const TIconPen& P, double V) {
    const double step = P.Pixel();
    return std::max(step, std::floor(V / step + 1e-9) * step);
}

} // namespace

void Page(TIconPen& P, const TInks& K, double X, double Y, double W, double H) {
    const double f = P.Pick(3, 3.5); // the folded corner
    const double l = X + 0.5, t = Y + 0.5, r = X + W - 0.5, b = Y + H - 0.5;
    P.Polygon({{X, Y}, {X + W - f, Y}, {X + W, Y + f}, {X + W, Y + H}, {X, Y + H}}, K.Paper);
    P.Lines({{r, t + f}, {r, b}, {l, b}, {l, t}, {r - f, t}}, K.Line);
    P.Stroke({{r - f, t}, {r, t + f}}, K.Line);
    P.Lines({{r - f, t}, {r - f, t + f}, {r, t + f}}, K.Line);
}

void PageLines(TIconPen& P, TRgb Colour, double X, double Y, double W, int N, double Gap) {
    for (int i = 0; i < N; ++i)
        P.Box(X, Y + Gap * i, W, 1, Colour);
}

std::vector<TWaveBar> WaveBars(const TIconPen& P, double X0, double X1, double Amplitude, int Seed) {
    const double pitch = P.Pick(2, 1.5);
    const int n = std::max(1, int(std::floor((X1 - X0 - 1) / pitch)) + 1);
    // The bars are centred between the edges.
    const double used = (n - 1) * pitch + 1;
    const double first = X0 + std::round((X1 - X0 - used) / 2 / P.Pixel()) * P.Pixel();
    std::vector<TWaveBar> bars;
    for (int i = 0; i < n; ++i) {
        const double envelope = std::pow(std::sin(M_PI * (i + 0.5) / n), 0.5);
        const double loud = Loudness[(i + Seed * 5) % std::size(Loudness)];
        bars.push_back({first + pitch * i, SnapDown(P, Amplitude * envelope * loud + 0.25)});
    }
    return bars;
}

void Wave(TIconPen& P, TRgb Colour, double X0, double X1, double Y, double Amplitude, int Seed) {
    for (const TWaveBar& bar : WaveBars(P, X0, X1, Amplitude, Seed))
        P.Box(bar.X, Y - bar.Height, 1, 2 * bar.Height, Colour);
}

void SplitWave(TIconPen& P, TRgb Colour, TRgb Inner, double X0, double X1, double A, double B, double Y,
               double Amplitude, int Seed) {
    for (const TWaveBar& bar : WaveBars(P, X0, X1, Amplitude, Seed))
        P.Box(bar.X, Y - bar.Height, 1, 2 * bar.Height, bar.X >= A && bar.X < B ? Inner : Colour);
}

void Cursor(TIconPen& P, TRgb Colour, double X, double Top, double Bottom) {
    P.Box(X, Top, 1, Bottom - Top, Colour);
    Arrowhead(P, Colour, X, Top + 1, TDir::Down, 2);
}

void Silence(TIconPen& P, TRgb Colour, double X0, double X1, double Y) {
    P.Box(X0, Y - 0.5, X1 - X0, 1, Colour);
}

void Disc(TIconPen& P, const TInks& K, double CX, double CY, double Radius) {
    P.Ring(CX, CY, Radius, K.Line, &K.Shade);
    // The light catching the data side.
    P.Arc(CX, CY, Radius - 2, 200, 250, K.Paper, 1.5);
    P.Arc(CX, CY, Radius - 2, 20, 70, K.Accent, 1.5);
    P.Ring(CX, CY, P.Pick(2.5, 2.75), K.Line, &K.Paper);
}

void Floppy(TIconPen& P, const TInks& K, double X, double Y, double S) {
    const double c = P.Pick(2, 2.5); // the cut corner
    P.Polygon({{X, Y}, {X + S - c, Y}, {X + S, Y + c}, {X + S, Y + S}, {X, Y + S}}, K.Accent);
    const double l = X + 0.5, t = Y + 0.5, r = X + S - 0.5, b = Y + S - 0.5;
    P.Lines({{l, t}, {r - c, t}}, K.Line);
    P.Stroke({{r - c, t}, {r, t + c}}, K.Line);
    P.Lines({{r, t + c}, {r, b}, {l, b}, {l, t}}, K.Line);
    // The shutter with its window, and the label.
    const double sw = std::round(S * 0.5), sx = X + std::round((S - sw) / 2) - 0.5 * (S > 12);
    P.Box(sx, Y + 1, sw, std::round(S * 0.3), K.Paper);
    P.Box(sx + sw - P.Pick(2, 2.5) - 0.5, Y + 1 + P.Pick(0, 0.5), 1, std::round(S * 0.3) - P.Pick(0, 1),
          K.Line);
    const double lh = std::round(S * 0.42);
    P.Frame(X + 2, Y + S - lh - 1, S - 4, lh + 1, K.Line, &K.Paper);
    if (P.Large()) {
        P.Box(X + 3.5, Y + S - lh + 1, S - 7, 0.5, K.Shade);
        P.Box(X + 3.5, Y + S - lh + 2.5, S - 7, 0.5, K.Shade);
    }
}

void Magnifier(TIconPen& P, const TInks& K, double CX, double CY, double Radius, double HandleLength) {
    const double d = std::sqrt(0.5);
    const double hx = CX + (Radius - 0.5) * d, hy = CY + (Radius - 0.5) * d;
    P.Stroke({{hx + 0.7, hy + 0.7}, {hx + HandleLength * d, hy + HandleLength * d}}, K.Line, 2);
    P.Ring(CX, CY, Radius, K.Line, &K.Paper);
}

void Window(TIconPen& P, const TInks& K, double X, double Y, double W, double H, TRgb Band) {
    P.Frame(X, Y, W, H, K.Line, &K.Paper);
    P.Box(X + 1, Y + 1, W - 2, P.Pick(2, 2.5), Band);
}

void Star(TIconPen& P, TRgb Fill, const TRgb* Outline, double CX, double CY, double Outer, double Inner) {
    std::vector<TPt> points;
    for (int k = 0; k < 10; ++k) {
        const double r = k % 2 == 0 ? Outer : Inner, a = (-90 + 36 * k) * M_PI / 180;
        points.push_back({CX + r * std::cos(a), CY + r * std::sin(a)});
    }
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    for (std::size_t i = 0; i < points.size(); ++i)
        (i == 0 ? cairo_move_to : cairo_line_to)(cr, points[i].X, points[i].Y);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, Fill.R / 255.0, Fill.G / 255.0, Fill.B / 255.0);
    if (Outline == nullptr) {
        cairo_fill(cr);
        return;
    }
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, Outline->R / 255.0, Outline->G / 255.0, Outline->B / 255.0);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Sparkle(TIconPen& P, TRgb Colour, double X, double Y, double Radius) {
    if (!P.Large()) {
        // Whole pixels: a cross with a thick middle.
        const int r = int(Radius);
        P.Box(X - r, Y, 2 * r + 1, 1, Colour);
        P.Box(X, Y - r, 1, 2 * r + 1, Colour);
        P.Box(X - 1, Y - 1, 3, 3, Colour);
        return;
    }
    const double cx = X + 0.5, cy = Y + 0.5, w = Radius * 0.28;
    P.Polygon({{cx, cy - Radius},
               {cx + w, cy - w},
               {cx + Radius, cy},
               {cx + w, cy + w},
               {cx, cy + Radius},
               {cx - w, cy + w},
               {cx - Radius, cy},
               {cx - w, cy - w}},
              Colour);
}

void Book(TIconPen& P, const TInks& K, double X, double Y, double W, double H) {
    const double mid = X + std::floor(W / 2);
    // Two pages meeting at the spine, each with its outline.
    P.Box(X + 1, Y + 1, W - 2, H - 2, K.Paper);
    P.Frame(X, Y, mid - X + 1, H, K.Line);
    P.Frame(mid, Y, X + W - mid, H, K.Line);
    P.Box(X + 1, Y + H - 1, W - 2, 1, K.Line);
}

void Flag(TIconPen& P, const TInks& K, double X, double Top, double Bottom, double Width, double Height) {
    P.Polygon({{X + 1, Top},
               {X + 1 + Width, Top},
               {X + 1 + Width - P.Pick(2, 2.5), Top + Height / 2},
               {X + 1 + Width, Top + Height},
               {X + 1, Top + Height}},
              K.Accent);
    P.Box(X, Top, 1, Bottom - Top, K.Line);
}

void Speaker(TIconPen& P, const TInks& K, double X, double CY) {
    // The magnet and the cone opening from it.
    P.Box(X, CY - 2, 3, 4, K.Line);
    P.Polygon({{X + 3, CY - 2},
               {X + 7, CY - 6},
               {X + 8, CY - 6},
               {X + 8, CY + 6},
               {X + 7, CY + 6},
               {X + 3, CY + 2}},
              K.Line);
}

void Microphone(TIconPen& P, const TInks& K, double X, double Top) {
    P.RoundBox(X + 1, Top, 5, 7, 2.5, K.Line);
    P.Box(X + 2, Top + 2, 3, 1, K.Shade);
    P.Box(X + 2, Top + 4, 3, 1, K.Shade);
    P.Lines({{X + 0.5, Top + 4}, {X + 0.5, Top + 8.5}, {X + 6.5, Top + 8.5}, {X + 6.5, Top + 4}}, K.Line);
    P.Box(X + 3, Top + 9, 1, 2, K.Line);
    P.Box(X + 1, Top + 11, 5, 1, K.Line);
}

void Pencil(TIconPen& P, const TInks& K, double X, double Y, double Length) {
    if (!P.Large()) {
        // A two-pixel stair: the dark point, the body, the dark end.
        const int n = int(Length);
        P.Box(X, Y - 1, 1, 1, K.Line);
        for (int i = 1; i < n; ++i)
            P.Box(X + i, Y - 1 - i, 2, 1, i == n - 1 ? K.Line : K.Accent);
        P.Box(X + 1, Y - 1, 1, 1, K.Deep);
        return;
    }
    const double d = std::sqrt(0.5), w = 1.5;
    const double ex = X + Length * d, ey = Y - Length * d;
    const double tx = X + 2.2 * d, ty = Y - 2.2 * d;
    // The body, its end, and its point.
    P.Polygon({{tx - w * d, ty - w * d},
               {ex - w * d, ey - w * d},
               {ex + w * d, ey + w * d},
               {tx + w * d, ty + w * d}},
              K.Accent);
    P.Polygon({{ex - 1.2 * d - w * d, ey + 1.2 * d - w * d},
               {ex - w * d, ey - w * d},
               {ex + w * d, ey + w * d},
               {ex - 1.2 * d + w * d, ey + 1.2 * d + w * d}},
              K.Line);
    P.Polygon({{X, Y}, {tx - w * d, ty - w * d}, {tx + w * d, ty + w * d}}, K.Line);
}

void Gear(TIconPen& P, const TInks& K, double CX, double CY, double Radius, TRgb Fill) {
    const int teeth = 8;
    std::vector<TPt> outline;
    const double inner = Radius - P.Pick(1.75, 1.5);
    for (int k = 0; k < teeth * 4; ++k) {
        const double a = (k * 360.0 / (teeth * 4) - 90 + 360.0 / teeth / 8) * M_PI / 180;
        const double r = (k % 4 == 0 || k % 4 == 1) ? Radius : inner;
        outline.push_back({CX + r * std::cos(a), CY + r * std::sin(a)});
    }
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    for (std::size_t i = 0; i < outline.size(); ++i)
        (i == 0 ? cairo_move_to : cairo_line_to)(cr, outline[i].X, outline[i].Y);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, CX, CY, Radius * 0.36, 2 * M_PI, 0);
    cairo_set_source_rgb(cr, Fill.R / 255.0, Fill.G / 255.0, Fill.B / 255.0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, K.Line.R / 255.0, K.Line.G / 255.0, K.Line.B / 255.0);
    cairo_set_line_width(cr, 1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void EraseDisc(TIconPen& P, double CX, double CY, double Radius) {
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, CX, CY, Radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void EraseBox(TIconPen& P, double X, double Y, double W, double H) {
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, X, Y, W, H);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void EraseStroke(TIconPen& P, TPt A, TPt B, double Width) {
    cairo_t* cr = P.Art().Cr();
    cairo_new_path(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_line_width(cr, Width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, A.X, A.Y);
    cairo_line_to(cr, B.X, B.Y);
    cairo_stroke(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Diagonal(TIconPen& P, TRgb Colour, double X0, double Y0, int N, int DX, int DY) {
    if (!P.Large()) {
        for (int i = 0; i < N; ++i)
            P.Box(X0 + DX * i, Y0 + DY * i, 1, 1, Colour);
        return;
    }
    const double sx = X0 + 0.5, sy = Y0 + 0.5;
    P.Stroke({{sx, sy}, {sx + DX * (N - 1), sy + DY * (N - 1)}}, Colour, 1);
}

void Arrowhead(TIconPen& P, TRgb Colour, double X, double Y, TDir Dir, int N) {
    if (!P.Large()) {
        for (int k = 0; k < N; ++k) {
            switch (Dir) {
            case TDir::Left:
                P.Box(X + k, Y - k, 1, 2 * k + 1, Colour);
                break;
            case TDir::Right:
                P.Box(X - k, Y - k, 1, 2 * k + 1, Colour);
                break;
            case TDir::Up:
                P.Box(X - k, Y + k, 2 * k + 1, 1, Colour);
                break;
            case TDir::Down:
                P.Box(X - k, Y - k, 2 * k + 1, 1, Colour);
                break;
            }
        }
        return;
    }
    const double cx = X + 0.5, cy = Y + 0.5, n = N, w = N - 0.5;
    switch (Dir) {
    case TDir::Left:
        P.Polygon({{X, cy}, {X + n, cy - w}, {X + n, cy + w}}, Colour);
        break;
    case TDir::Right:
        P.Polygon({{X + 1, cy}, {X + 1 - n, cy - w}, {X + 1 - n, cy + w}}, Colour);
        break;
    case TDir::Up:
        P.Polygon({{cx, Y}, {cx - w, Y + n}, {cx + w, Y + n}}, Colour);
        break;
    case TDir::Down:
        P.Polygon({{cx, Y + 1}, {cx - w, Y + 1 - n}, {cx + w, Y + 1 - n}}, Colour);
        break;
    }
}

void Badge(TIconPen& P, const TInks& K, TBadge Sign, double CX, double CY, double Radius) {
    EraseDisc(P, CX, CY, Radius + 1);
    if (Sign == TBadge::Cross) {
        // A cross alone reads better than one in a disc: two strokes two units wide.
        const double x = CX - 2.5, y = CY - 2.5;
        if (P.Large()) {
            P.Stroke({{x + 0.9, y + 0.9}, {x + 5.1, y + 5.1}}, K.Accent, 1.6);
            P.Stroke({{x + 5.1, y + 0.9}, {x + 0.9, y + 5.1}}, K.Accent, 1.6);
            return;
        }
        for (int i = 0; i < 6; ++i) {
            P.Box(x + i, y + i, 1, 1, K.Accent);
            P.Box(x + 5 - i, y + i, 1, 1, K.Accent);
            if (i < 5) {
                P.Box(x + i + 1, y + i, 1, 1, K.Accent);
                P.Box(x + 4 - i, y + i, 1, 1, K.Accent);
            }
        }
        return;
    }
    P.Disc(CX, CY, Radius, K.Accent);
    const TRgb w = K.Paper;
    // The signs sit on the centre unit (CX, CY are unit centres).
    const double x = CX - 0.5, y = CY - 0.5;
    switch (Sign) {
    case TBadge::Plus:
        P.Box(x - 1.5 - P.Pick(0.5, 0), y, 4 + P.Pick(1, 0), 1, w);
        P.Box(x, y - 1.5 - P.Pick(0.5, 0), 1, 4 + P.Pick(1, 0), w);
        break;
    case TBadge::Minus:
        P.Box(x - 1.5 - P.Pick(0.5, 0), y, 4 + P.Pick(1, 0), 1, w);
        break;
    case TBadge::Cross:
        break;
    case TBadge::ArrowDown:
        P.Box(x, y - 2, 1, 2, w);
        Arrowhead(P, w, x, y + 2, TDir::Down, 3);
        break;
    case TBadge::ArrowUp:
        P.Box(x, y + 1, 1, 2, w);
        Arrowhead(P, w, x, y - 2, TDir::Up, 3);
        break;
    case TBadge::Clock:
        P.Box(x, y - 2, 1, 3, w);
        P.Box(x, y, 2, 1, w);
        break;
    case TBadge::Check:
        P.Stroke({{x - 1, y + 0.5}, {x + 0.3, y + 1.8}, {x + 2.2, y - 1}}, w, 1);
        break;
    }
}

} // namespace commandicons::shapes
