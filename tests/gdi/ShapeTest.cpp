#include "GdiTestUtil.h"

using namespace gdi_test;

namespace {
const std::map<char, COLORREF> Colors = {{'.', White}, {'#', Black}, {'R', Red}, {'B', Blue}};
} // namespace

TEST(Shape, LinesExcludeTheirEndPointAndMoveTheCurrentPosition) {
    TMemoryCanvas canvas(6, 4);
    MoveToEx(canvas.Dc, 0, 0, nullptr);
    LineTo(canvas.Dc, 5, 0);
    LineTo(canvas.Dc, 5, 3);
    POINT cp{};
    GetCurrentPositionEx(canvas.Dc, &cp);
    EXPECT_EQ(cp, (POINT{5, 3}));
    MoveToEx(canvas.Dc, 0, 1, nullptr);
    LineTo(canvas.Dc, 3, 4); // a diagonal
    EXPECT_TRUE(MatchesArt(canvas, {"######", "#....#", ".#...#", "..#..."}, Colors));
}

TEST(Shape, PolylineDoesNotUseTheCurrentPosition) {
    TMemoryCanvas canvas(4, 3);
    MoveToEx(canvas.Dc, 3, 2, nullptr);
    const POINT points[] = {{0, 0}, {3, 0}, {3, 2}};
    Polyline(canvas.Dc, points, 3);
    POINT cp{};
    GetCurrentPositionEx(canvas.Dc, &cp);
    EXPECT_EQ(cp, (POINT{3, 2}));
    EXPECT_TRUE(MatchesArt(canvas, {"####", "...#", "...."}, Colors));
}

TEST(Shape, DottedPenWithTransparentAndOpaqueGaps) {
    TMemoryCanvas canvas(8, 2);
    HPEN dot = CreatePen(PS_DOT, 1, Red);
    HGDIOBJ old = SelectObject(canvas.Dc, dot);
    SetBkMode(canvas.Dc, TRANSPARENT);
    MoveToEx(canvas.Dc, 0, 0, nullptr);
    LineTo(canvas.Dc, 8, 0);
    SetBkMode(canvas.Dc, OPAQUE);
    SetBkColor(canvas.Dc, Blue);
    MoveToEx(canvas.Dc, 0, 1, nullptr);
    LineTo(canvas.Dc, 8, 1);
    EXPECT_TRUE(MatchesArt(canvas, {"RRR...RR", "RRRBBBRR"}, Colors));
    SelectObject(canvas.Dc, old);
    DeleteObject(dot);
}

TEST(Shape, XorPenDrawnTwiceRestores) {
    TMemoryCanvas canvas(4, 1, Red);
    SetROP2(canvas.Dc, R2_XORPEN);
    SelectObject(canvas.Dc, GetStockObject(WHITE_PEN));
    for (int pass = 0; pass < 2; ++pass) {
        MoveToEx(canvas.Dc, 0, 0, nullptr);
        LineTo(canvas.Dc, 4, 0);
        EXPECT_EQ(canvas.At(2, 0), pass == 0 ? RGB(0, 255, 255) : Red);
    }
}

TEST(Shape, RectangleCoverageWithAndWithoutPen) {
    TMemoryCanvas canvas(6, 5);
    HBRUSH red = CreateSolidBrush(Red);
    SelectObject(canvas.Dc, red);
    Rectangle(canvas.Dc, 0, 0, 5, 4);
    EXPECT_TRUE(MatchesArt(canvas, {"#####.", "#RRR#.", "#RRR#.", "#####.", "......"}, Colors));
    PatBlt(canvas.Dc, 0, 0, 6, 5, WHITENESS);
    SelectObject(canvas.Dc, GetStockObject(NULL_PEN));
    Rectangle(canvas.Dc, 0, 0, 5, 4); // without a pen the fill is one pixel smaller at right and bottom
    EXPECT_TRUE(MatchesArt(canvas, {"RRRR..", "RRRR..", "RRRR..", "......"}, Colors));
    SelectObject(canvas.Dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(Shape, EllipseAndRoundRectStayInsideTheirBounds) {
    TMemoryCanvas canvas(8, 8);
    SelectObject(canvas.Dc, GetStockObject(NULL_BRUSH));
    Ellipse(canvas.Dc, 1, 1, 7, 7);
    EXPECT_TRUE(MatchesArt(
        canvas,
        {"........", "..####..", ".#....#.", ".#....#.", ".#....#.", ".#....#.", "..####..", "........"},
        Colors));
    PatBlt(canvas.Dc, 0, 0, 8, 8, WHITENESS);
    RoundRect(canvas.Dc, 0, 0, 6, 5, 4, 4);
    EXPECT_TRUE(MatchesArt(canvas, {".####.", "#....#", "#....#", "#....#", ".####."}, Colors));
}

TEST(Shape, PolygonFillModes) {
    TMemoryCanvas canvas(6, 3);
    SelectObject(canvas.Dc, GetStockObject(NULL_PEN));
    SelectObject(canvas.Dc, GetStockObject(BLACK_BRUSH));
    // Two overlapping squares in one figure: alternate leaves the overlap empty, winding fills it.
    const POINT points[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}, {2, 0}, {2, 2}, {0, 2}};
    const INT counts[] = {4, 4};
    PolyPolygon(canvas.Dc, points, counts, 2);
    EXPECT_TRUE(MatchesArt(canvas, {"..##..", "..##.."}, Colors));
    SetPolyFillMode(canvas.Dc, WINDING);
    PolyPolygon(canvas.Dc, points, counts, 2);
    EXPECT_TRUE(MatchesArt(canvas, {"####..", "####.."}, Colors));
}

TEST(Shape, WidePenFrameIsInsideTheBounds) {
    TMemoryCanvas canvas(6, 6);
    HPEN wide = CreatePen(PS_INSIDEFRAME, 2, Blue);
    SelectObject(canvas.Dc, wide);
    SelectObject(canvas.Dc, GetStockObject(NULL_BRUSH));
    Rectangle(canvas.Dc, 0, 0, 6, 6);
    EXPECT_TRUE(MatchesArt(canvas, {"BBBBBB", "BBBBBB", "BB..BB", "BB..BB", "BBBBBB", "BBBBBB"}, Colors));
    SelectObject(canvas.Dc, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST(Shape, WideSolidPenIsCentredOnTheOutline) {
    TMemoryCanvas canvas(8, 8);
    HPEN wide = CreatePen(PS_SOLID, 3, Blue);
    SelectObject(canvas.Dc, wide);
    SelectObject(canvas.Dc, GetStockObject(NULL_BRUSH));
    Rectangle(canvas.Dc, 2, 2, 6, 6); // the thin outline would be columns/rows 2 and 5
    EXPECT_TRUE(MatchesArt(
        canvas,
        {"........", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", ".BBBBBB.", "........"},
        Colors));
    SelectObject(canvas.Dc, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST(Shape, DottedRectangleOutline) {
    TMemoryCanvas canvas(8, 4);
    HPEN dot = CreatePen(PS_DOT, 1, Red);
    SelectObject(canvas.Dc, dot);
    SelectObject(canvas.Dc, GetStockObject(NULL_BRUSH));
    SetBkMode(canvas.Dc, TRANSPARENT);
    Rectangle(canvas.Dc, 0, 0, 8, 4);
    // Runs of three, clockwise from the top-left corner: the pattern continues round the corners.
    EXPECT_TRUE(MatchesArt(canvas, {"RRR...RR", "R......R", "R.......", "...RRR.."}, Colors));
    SelectObject(canvas.Dc, GetStockObject(BLACK_PEN));
    DeleteObject(dot);
}
