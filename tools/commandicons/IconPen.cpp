#include "tools/commandicons/IconPen.h"

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace commandicons {

namespace {

constexpr double Degree = M_PI / 180.0;

// The dots of the 3 x 5 letters, row by row from the top, three bits a row (left bit first).
const char* Glyph(char C) {
    switch (C) {
    case '0':
        return "111101101101111";
    case '1':
        return "010110010010111";
    case '2':
        return "111001111100111";
    case '3':
        return "111001011001111";
    case '4':
        return "101101111001001";
    case '5':
        return "111100111001111";
    case '6':
        return "111100111101111";
    case '7':
        return "111001010010010";
    case '8':
        return "111101111101111";
    case '9':
        return "111101111001111";
    case 'A':
        return "010101111101101";
    case 'B':
        return "110101110101110";
    case 'd':
        return "001001111101111";
    case 'H':
        return "101101111101101";
    case 'L':
        return "100100100100111";
    case 'R':
        return "110101110101101";
    case 'T':
        return "111010010010010";
    case 'i':
        return "010000010010010";
    case 'z':
        return "000111001010111";
    case '.':
        return "000000000000010";
    case ':':
        return "000010000010000";
    case '-':
        return "000000111000000";
    case '+':
        return "000010111010000";
    case '?':
        return "111001011000010";
    case ' ':
        return "000000000000000";
    }
    throw std::logic_error(std::string("no letter '") + C + "' in the picture alphabet");
}

} // namespace

// A line one unit wide smoothed at 16 pixels is a grey smear two pixels wide; there it is drawn in whole
// pixels instead, as the curves of hand-made small pictures are.
class TIconPen::TThinLine {
public:
    explicit TThinLine(const TIconPen& Pen, double Width = 1)
        : FCr(Pen.FArt.Cr()), FOld(cairo_get_antialias(FCr)) {
        if (!Pen.Large() && Width <= 1.01) cairo_set_antialias(FCr, CAIRO_ANTIALIAS_NONE);
    }
    ~TThinLine() { cairo_set_antialias(FCr, FOld); }
    TThinLine(const TThinLine&) = delete;
    TThinLine& operator=(const TThinLine&) = delete;

private:
    cairo_t* FCr;
    cairo_antialias_t FOld;
};

TIconPen::TIconPen(TArt& Art, int Size) : FArt(Art), FSize(Size), FScale(Size / 16.0) {
    cairo_t* cr = FArt.Cr();
    cairo_identity_matrix(cr);
    cairo_scale(cr, FScale, FScale);
}

void TIconPen::Path(const std::vector<TPt>& Points, bool Closed) const {
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    for (std::size_t i = 0; i < Points.size(); ++i)
        (i == 0 ? cairo_move_to : cairo_line_to)(cr, Points[i].X, Points[i].Y);
    if (Closed) cairo_close_path(cr);
}

void TIconPen::Box(double X, double Y, double W, double H, TRgb Colour, double Alpha) {
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Colour, Alpha);
    cairo_rectangle(cr, X, Y, W, H);
    cairo_fill(cr);
}

void TIconPen::RoundBox(double X, double Y, double W, double H, double Radius, TRgb Colour, double Alpha) {
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Colour, Alpha);
    art::AddRoundedRectangle(cr, X, Y, W, H, Radius);
    cairo_fill(cr);
}

void TIconPen::Disc(double CX, double CY, double Radius, TRgb Colour, double Alpha) {
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Colour, Alpha);
    cairo_arc(cr, CX, CY, Radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

void TIconPen::Polygon(std::initializer_list<TPt> Points, TRgb Colour, double Alpha) {
    Path(std::vector<TPt>(Points), true);
    art::SetSourceColour(FArt.Cr(), Colour, Alpha);
    cairo_fill(FArt.Cr());
}

void TIconPen::Pie(double CX, double CY, double Radius, double From, double To, TRgb Colour) {
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Colour, 1.0);
    cairo_move_to(cr, CX, CY);
    cairo_arc(cr, CX, CY, Radius, From * Degree, To * Degree);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void TIconPen::Frame(double X, double Y, double W, double H, TRgb Line, const TRgb* Fill) {
    if (Fill != nullptr) Box(X + 1, Y + 1, W - 2, H - 2, *Fill);
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Line, 1.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, X, Y, W, H);
    cairo_rectangle(cr, X + 1, Y + 1, W - 2, H - 2);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void TIconPen::RoundFrame(double X, double Y, double W, double H, double Radius, TRgb Line,
                          const TRgb* Fill) {
    cairo_t* cr = FArt.Cr();
    if (Fill != nullptr) RoundBox(X + 0.5, Y + 0.5, W - 1, H - 1, Radius - 0.5, *Fill);
    cairo_new_path(cr);
    art::SetSourceColour(cr, Line, 1.0);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    art::AddRoundedRectangle(cr, X, Y, W, H, Radius);
    art::AddRoundedRectangle(cr, X + 1, Y + 1, W - 2, H - 2, std::max(0.0, Radius - 1));
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void TIconPen::Ring(double CX, double CY, double Radius, TRgb Line, const TRgb* Fill) {
    if (Fill != nullptr) Disc(CX, CY, Radius - 0.5, *Fill);
    TThinLine thin(*this);
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Line, 1.0);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, CX, CY, Radius - 0.5, 0, 2 * M_PI);
    cairo_stroke(cr);
}

void TIconPen::Lines(std::initializer_list<TPt> Points, TRgb Colour, double Width, bool Closed) {
    cairo_t* cr = FArt.Cr();
    Path(std::vector<TPt>(Points), Closed);
    art::SetSourceColour(cr, Colour, 1.0);
    cairo_set_line_width(cr, Width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void TIconPen::Stroke(std::initializer_list<TPt> Points, TRgb Colour, double Width, bool Closed) {
    Stroke(std::vector<TPt>(Points), Colour, Width, Closed);
}

void TIconPen::Stroke(const std::vector<TPt>& Points, TRgb Colour, double Width, bool Closed) {
    TThinLine thin(*this, Width);
    cairo_t* cr = FArt.Cr();
    Path(Points, Closed);
    art::SetSourceColour(cr, Colour, 1.0);
    cairo_set_line_width(cr, Width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void TIconPen::Arc(double CX, double CY, double Radius, double From, double To, TRgb Colour, double Width) {
    TThinLine thin(*this, Width);
    cairo_t* cr = FArt.Cr();
    cairo_new_path(cr);
    art::SetSourceColour(cr, Colour, 1.0);
    cairo_set_line_width(cr, Width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_arc(cr, CX, CY, Radius, From * Degree, To * Degree);
    cairo_stroke(cr);
}

void TIconPen::Sine(double X0, double X1, double Y, double Amplitude, double Cycles, TRgb Colour,
                    double Phase, double Width) {
    std::vector<TPt> points;
    const int steps = std::max(8, int(std::ceil((X1 - X0) * 4)));
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        points.push_back({X0 + (X1 - X0) * t, Y - Amplitude * std::sin(2 * M_PI * (Phase + Cycles * t))});
    }
    Stroke(points, Colour, Width);
}

void TIconPen::Head(double X, double Y, double DX, double DY, double Length, double Width, TRgb Colour) {
    const double n = std::hypot(DX, DY);
    const double ux = DX / n, uy = DY / n;
    const double bx = X - ux * Length, by = Y - uy * Length;
    Polygon({{X, Y}, {bx - uy * Width / 2, by + ux * Width / 2}, {bx + uy * Width / 2, by - ux * Width / 2}},
            Colour);
}

void TIconPen::Bars(double X, double Y, double Pitch, std::initializer_list<double> Heights, TRgb Colour) {
    Bars(X, Y, Pitch, std::vector<double>(Heights), Colour);
}

void TIconPen::Bars(double X, double Y, double Pitch, const std::vector<double>& Heights, TRgb Colour) {
    for (std::size_t i = 0; i < Heights.size(); ++i)
        if (Heights[i] > 0) Box(X + Pitch * double(i), Y - Heights[i], 1, 2 * Heights[i], Colour);
}

void TIconPen::SetCrisp(bool Crisp) {
    cairo_set_antialias(FArt.Cr(), Crisp ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
}

void TIconPen::Pattern(double X, double Y, std::initializer_list<const char*> Rows,
                       std::initializer_list<std::pair<char, TRgb>> Colours) {
    double y = Y;
    for (const char* row : Rows) {
        for (std::size_t k = 0; row[k] != 0; ++k) {
            if (row[k] == '.') continue;
            bool known = false;
            for (const auto& [c, colour] : Colours)
                if (c == row[k]) {
                    Box(X + double(k), y, 1, 1, colour);
                    known = true;
                }
            if (!known)
                throw std::logic_error(std::string("no colour for '") + row[k] + "' in a pixel pattern");
        }
        y += 1;
    }
}

void TIconPen::Text(double X, double Y, const char* Text, TRgb Colour) {
    for (std::size_t k = 0; k < std::strlen(Text); ++k) {
        const char* dots = Glyph(Text[k]);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (dots[row * 3 + col] == '1') Box(X + 4 * double(k) + col, Y + row, 1, 1, Colour);
    }
}

} // namespace commandicons
