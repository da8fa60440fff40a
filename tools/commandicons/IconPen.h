// Drawing one command picture at one size. Every picture is laid out on a grid of 16 units, whatever
// its size: a unit is one pixel at 16 and two at 32, the live area is units 1 to 15, and lines are one
// unit wide (1 pixel at 16, 2 at 32). Lines along the grid sit on unit centres (n + 0.5) and filled
// shapes on unit edges, so they fill whole pixels at both sizes; only slopes and curves are smoothed.
// The large size may place details on half units (one pixel), which `Large()` tells.
#pragma once

#include "tools/art/Art.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace commandicons {

using art::TArt;
using art::TRgb;

// A point on the grid (units).
struct TPt {
    double X = 0, Y = 0;
};

class TIconPen {
public:
    TIconPen(TArt& Art, int Size);

    bool Large() const { return FSize >= 32; }
    int Size() const { return FSize; }
    // One pixel in units: the finest step at this size.
    double Pixel() const { return 16.0 / FSize; }
    // A for the small size, B for the large one.
    double Pick(double A, double B) const { return Large() ? B : A; }
    TArt& Art() const { return FArt; }

    // ---- Filled shapes (edges in units)
    void Box(double X, double Y, double W, double H, TRgb Colour, double Alpha = 1.0);
    void RoundBox(double X, double Y, double W, double H, double Radius, TRgb Colour, double Alpha = 1.0);
    void Disc(double CX, double CY, double Radius, TRgb Colour, double Alpha = 1.0);
    void Polygon(std::initializer_list<TPt> Points, TRgb Colour, double Alpha = 1.0);
    // A pie slice from angle From to To (degrees, clockwise from three o'clock).
    void Pie(double CX, double CY, double Radius, double From, double To, TRgb Colour);

    // ---- Outlines one unit wide, inside the given edges; Fill (when given) fills the inside first.
    void Frame(double X, double Y, double W, double H, TRgb Line, const TRgb* Fill = nullptr);
    void RoundFrame(double X, double Y, double W, double H, double Radius, TRgb Line,
                    const TRgb* Fill = nullptr);
    // A ring whose outer edge has the radius, one unit wide.
    void Ring(double CX, double CY, double Radius, TRgb Line, const TRgb* Fill = nullptr);

    // ---- Strokes along centre lines (Width in units)
    // Straight pieces with square ends and sharp corners: for lines along the grid.
    void Lines(std::initializer_list<TPt> Points, TRgb Colour, double Width = 1, bool Closed = false);
    // Round joins and ends: for slopes and curves.
    void Stroke(std::initializer_list<TPt> Points, TRgb Colour, double Width = 1, bool Closed = false);
    void Stroke(const std::vector<TPt>& Points, TRgb Colour, double Width = 1, bool Closed = false);
    // An arc of a circle (degrees, clockwise from three o'clock) with butt ends.
    void Arc(double CX, double CY, double Radius, double From, double To, TRgb Colour, double Width = 1);
    // A sine from X0 to X1 about the centre line Y: Cycles periods starting at Phase (in periods).
    void Sine(double X0, double X1, double Y, double Amplitude, double Cycles, TRgb Colour, double Phase = 0,
              double Width = 1);
    // A filled arrowhead with its tip at (X, Y) pointing along (DX, DY); Length and Width in units.
    void Head(double X, double Y, double DX, double DY, double Length, double Width, TRgb Colour);

    // ---- Sound
    // A waveform as a row of bars one unit wide about the centre line Y, from X on every Pitch units;
    // each bar reaches Heights[i] units above and below the line.
    void Bars(double X, double Y, double Pitch, std::initializer_list<double> Heights, TRgb Colour);
    void Bars(double X, double Y, double Pitch, const std::vector<double>& Heights, TRgb Colour);

    // ---- Pixel work
    // Shapes drawn while Crisp is on are not smoothed: whole pixels, for small diagonal shapes.
    void SetCrisp(bool Crisp);
    // A picture given pixel by pixel (one character a unit, '.' empty), each character's colour from
    // Colours: pairs of a character and its colour.
    void Pattern(double X, double Y, std::initializer_list<const char*> Rows,
                 std::initializer_list<std::pair<char, TRgb>> Colours);

    // ---- Letters of a 3 x 5 grid (digits, a few capitals and signs), one unit a dot at (X, Y).
    void Text(double X, double Y, const char* Text, TRgb Colour);

private:
    class TThinLine;
    void Path(const std::vector<TPt>& Points, bool Closed) const;

    TArt& FArt;
    int FSize;
    double FScale;
};

} // namespace commandicons
