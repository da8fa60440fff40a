// The form's frame: the caption with its rounded top corners, the borders beside the caption and below
// it, and the bottom border with rounded or square corners, each active and inactive.
#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"

namespace ribbonsheets {

using namespace ribbonsheets::draw;
using art::Hex;
using art::Mix;
using ribbon_sheets::TovRibbonCut;

namespace {

// Per row from the top, how far in the rounded corner's outline lies.
constexpr int CornerInset[] = {4, 2, 1, 1};
constexpr int CornerRows = 4;

struct TFrameColours {
    TRgb Outer, Inner, Fill, CaptionTop, CaptionBottom;
    double InnerAlpha;
};

TFrameColours ColoursOf(const TPalette& P, bool AActive) {
    if (AActive) return {P.FrameOuter, P.FrameInner, P.FrameFill, P.CaptionFillTop, P.CaptionFillBottom, 0.9};
    return {Mix(P.FrameOuter, P.FrameInactiveFill, 0.4),
            P.FrameInner,
            P.FrameInactiveFill,
            P.CaptionInactiveTop,
            P.CaptionInactiveBottom,
            0.6};
}

// A corner rounded over four rows at the top left (or right) of B: the outline, with the outside cleared.
void TopCorner(TArt& A, const art::TBox& B, bool ARight, const TFrameColours& F) {
    // A cell too narrow for the curve keeps a square corner.
    if (B.W < 6) return;
    for (int row = 0; row < CornerRows; ++row) {
        const int inset = CornerInset[row];
        const int outsideX = ARight ? B.Right() - inset : B.X;
        A.Clear({outsideX, B.Y + row, inset, 1});
        const int x = ARight ? B.Right() - 1 - inset : B.X + inset;
        Px(A, x, B.Y + row, F.Outer);
        // The step to the next row's outline, so the curve has no gap.
        if (row + 1 < CornerRows)
            for (int step = CornerInset[row + 1] + 1; step < inset; ++step)
                Px(A, ARight ? B.Right() - 1 - step : B.X + step, B.Y + row + 1, F.Outer);
        // Soften the outside of the curve.
        if (inset > 0) Px(A, ARight ? x + 1 : x - 1, B.Y + row, F.Outer, 0.3);
    }
}

void Caption(const TCell& C, bool AMaximized) {
    const art::TBox& b = C.B;
    const TFrameColours f = ColoursOf(C.P, C.Index == 0);
    Gradient(C.A, b, f.CaptionTop, f.CaptionBottom);
    if (AMaximized) return;
    HLine(C.A, b.X, b.Right(), b.Y, f.Outer);
    HLine(C.A, b.X + 2, b.Right() - 2, b.Y + 1, f.Inner, f.InnerAlpha);
    VLine(C.A, b.X, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, b.Right() - 1, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, b.X + 1, b.Y + 2, b.Bottom(), f.Inner, f.InnerAlpha);
    VLine(C.A, b.Right() - 2, b.Y + 2, b.Bottom(), f.Inner, f.InnerAlpha);
    TopCorner(C.A, b, false, f);
    TopCorner(C.A, b, true, f);
}

// A border beside the caption: the caption's shading behind the window's two edge lines, its top corner
// rounded as the caption's is.
void CaptionSide(const TCell& C, bool ARight) {
    const art::TBox& b = C.B;
    const TFrameColours f = ColoursOf(C.P, C.Index == 0);
    Gradient(C.A, b, f.CaptionTop, f.CaptionBottom);
    const int outer = ARight ? b.Right() - 1 : b.X, inner = ARight ? b.Right() - 2 : b.X + 1;
    VLine(C.A, outer, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, inner, b.Y + 2, b.Bottom(), f.Inner, f.InnerAlpha);
    HLine(C.A, b.X, b.Right(), b.Y, f.Outer);
    HLine(C.A, ARight ? b.X : b.X + 2, ARight ? b.Right() - 2 : b.Right(), b.Y + 1, f.Inner, f.InnerAlpha);
    TopCorner(C.A, b, ARight, f);
}

// A border below the caption: the frame's fill behind its edge lines.
void Side(const TCell& C, bool ARight) {
    const art::TBox& b = C.B;
    const TFrameColours f = ColoursOf(C.P, C.Index == 0);
    C.A.Fill(b, f.Fill);
    VLine(C.A, ARight ? b.Right() - 1 : b.X, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, ARight ? b.Right() - 2 : b.X + 1, b.Y, b.Bottom(), f.Inner, f.InnerAlpha);
}

// The bottom border: the fill, the inner light and the outer line, the lower corners rounded or square.
void Bottom(const TCell& C, bool ARounded) {
    const art::TBox& b = C.B;
    const TFrameColours f = ColoursOf(C.P, C.Index == 0);
    C.A.Fill(b, f.Fill);
    HLine(C.A, b.X, b.Right(), b.Bottom() - 1, f.Outer);
    HLine(C.A, b.X + 2, b.Right() - 2, b.Bottom() - 2, f.Inner, f.InnerAlpha);
    VLine(C.A, b.X, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, b.Right() - 1, b.Y, b.Bottom(), f.Outer);
    VLine(C.A, b.X + 1, b.Y, b.Bottom() - 1, f.Inner, f.InnerAlpha);
    VLine(C.A, b.Right() - 2, b.Y, b.Bottom() - 1, f.Inner, f.InnerAlpha);
    if (!ARounded) return;
    // The lower corners round off over three pixels.
    for (int side = 0; side < 2; ++side) {
        const bool right = side == 1;
        auto x = [&](int AInset) { return right ? b.Right() - 1 - AInset : b.X + AInset; };
        const int last = b.Bottom() - 1;
        C.A.Clear({right ? b.Right() - 2 : b.X, last, 2, 1});
        C.A.Clear({right ? b.Right() - 1 : b.X, last - 1, 1, 1});
        Px(C.A, x(0), last - 1, f.Outer, 0.55);
        Px(C.A, x(1), last, f.Outer, 0.55);
        Px(C.A, x(1), last - 1, f.Outer);
    }
}

} // namespace

void DrawFrameCell(const TCell& C) {
    using enum TovRibbonCut;
    switch (C.Cut.Cut) {
    case FormCaption:
        Caption(C, false);
        break;
    case FormCaptionMaximized:
        Caption(C, true);
        break;
    case FormCaptionLeft:
    case FormCaptionLeft2010:
        CaptionSide(C, false);
        break;
    case FormCaptionRight:
    case FormCaptionRight2010:
        CaptionSide(C, true);
        break;
    case FormBorderLeft:
    case FormBorderLeft2010:
        Side(C, false);
        break;
    case FormBorderRight:
    case FormBorderRight2010:
        Side(C, true);
        break;
    case FormBottomThin:
    case FormBottomThin2010:
        C.A.Fill(C.B, ColoursOf(C.P, C.Index == 0).Outer);
        break;
    case FormBottomRounded:
    case FormBottomRounded2010:
        Bottom(C, true);
        break;
    case FormBottomSquare:
    case FormBottomSquare2010:
        Bottom(C, false);
        break;
    default:
        break;
    }
}

} // namespace ribbonsheets
