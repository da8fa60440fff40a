// The pixel-exact shapes the ribbon sheets are made of: single pixels, lines, row-by-row gradients, frames
// with softened corners, button faces, and small glyphs (arrows, crosses, boxes) laid pixel by pixel, so
// that every line of a nine-slice cell sits on whole pixels and stays crisp at any size.
#pragma once

#include "tools/art/Art.h"
#include "tools/ribbonsheets/SheetPalette.h"

namespace ribbonsheets::draw {

using art::TArt;
using art::TBox;
using art::TRgb;

inline constexpr TRgb kWhite{255, 255, 255};
inline constexpr TRgb kBlack{0, 0, 0};

void Px(TArt& A, int X, int Y, TRgb C, double Alpha = 1);
// [X0, X1) on row Y; [Y0, Y1) in column X.
void HLine(TArt& A, int X0, int X1, int Y, TRgb C, double Alpha = 1);
void VLine(TArt& A, int X, int Y0, int Y1, TRgb C, double Alpha = 1);
// One colour per row (or column) from the first to the last, exact at both ends.
void Gradient(TArt& A, const TBox& B, TRgb Top, TRgb Bottom, double Alpha = 1);
void HGradient(TArt& A, const TBox& B, TRgb Left, TRgb Right, double Alpha = 1);
// A vertical line whose alpha rises over AFade pixels at the ends it fades at.
void FadingVLine(TArt& A, int X, int Y0, int Y1, TRgb C, double Alpha, int AFadeTop, int AFadeBottom);
void FadingHLine(TArt& A, int X0, int X1, int Y, TRgb C, double Alpha, int AFadeLeft, int AFadeRight);

// The sides a frame or button draws.
constexpr int sLeft = 1, sTop = 2, sRight = 4, sBottom = 8, sAll = 15;
// A 1-pixel ring along the inside of B on ASides; rounded corners get a faint corner pixel instead.
void Ring(TArt& A, const TBox& B, TRgb C, double Alpha, bool ARounded, int ASides = sAll);
// A button face: border, inner light one pixel inside it, and the fill; glossy faces have a brighter
// upper half.
void Button(TArt& A, const TBox& B, const TLook& L, bool ARounded, bool AGlossy = false, int ASides = sAll);

enum TDirection { dUp, dDown, dLeft, dRight };
// A solid triangle whose base is 2 x ASize - 1 pixels, its apex ASize - 1 rows from the base, the base's
// first pixel at (X, Y) (for up and down: the base's left end; for left and right: its top end).
void Triangle(TArt& A, int X, int Y, int ASize, TDirection ADirection, TRgb C, double Alpha = 1);
// A chevron (an open arrow two pixels thick), 2 x ASize across and ASize deep, pointing as told.
void Chevron(TArt& A, int X, int Y, int ASize, TDirection ADirection, TRgb C, double Alpha = 1);
// A diagonal cross of two 2-pixel-wide strokes in a square of ASize.
void Cross(TArt& A, int X, int Y, int ASize, TRgb C, double Alpha = 1);
// A box outline with a heavier top edge, as window glyphs draw it.
void WindowBox(TArt& A, const TBox& B, TRgb C, double Alpha = 1);

} // namespace ribbonsheets::draw
