#include "GdiTestUtil.h"

#include "platform/gdi/BandedRegion.h"

#include <vector>

using namespace gdi_test;

namespace {
// The region as a set of points inside a small grid.
std::vector<std::string> Picture(HRGN rgn, int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x)
            row += PtInRegion(rgn, x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
} // namespace

TEST(Region, CombineModesAgreeWithPointSets) {
    struct Case {
        int Mode;
        int ExpectedKind;
        std::vector<std::string> Expected;
    };
    const std::vector<Case> cases = {
        {RGN_AND, SIMPLEREGION, {"......", "......", "..##..", "..##..", "......"}},
        {RGN_OR, COMPLEXREGION, {"####..", "####..", "######", "######", "..####"}},
        {RGN_XOR, COMPLEXREGION, {"####..", "####..", "##..##", "##..##", "..####"}},
        {RGN_DIFF, COMPLEXREGION, {"####..", "####..", "##....", "##....", "......"}},
        {RGN_COPY, SIMPLEREGION, {"####..", "####..", "####..", "####..", "......"}},
    };
    for (const Case& c : cases) {
        HRGN a = CreateRectRgn(0, 0, 4, 4);
        HRGN b = CreateRectRgn(2, 2, 6, 5);
        HRGN out = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(out, a, b, c.Mode), c.ExpectedKind) << c.Mode;
        EXPECT_EQ(Picture(out, 6, 5), c.Expected) << c.Mode;
        DeleteObject(a);
        DeleteObject(b);
        DeleteObject(out);
    }
}

TEST(Region, CombineIntoOneOfItsSourcesAndErrors) {
    HRGN a = CreateRectRgn(0, 0, 2, 2);
    HRGN b = CreateRectRgn(1, 0, 3, 2);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_OR), SIMPLEREGION);
    RECT box{};
    EXPECT_EQ(GetRgnBox(a, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 2}));
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(CombineRgn(a, b, b, 9), ERROR);
    EXPECT_EQ(CombineRgn(a, b, b, RGN_DIFF), NULLREGION);
    EXPECT_EQ(GetRgnBox(a, &box), NULLREGION);
    EXPECT_EQ(box, (RECT{0, 0, 0, 0}));
    DeleteObject(a);
    DeleteObject(b);
}

TEST(Region, RectanglesAreNormalisedAndHalfOpen) {
    HRGN r = CreateRectRgn(4, 3, 1, 1);
    RECT box{};
    GetRgnBox(r, &box);
    EXPECT_EQ(box, (RECT{1, 1, 4, 3}));
    EXPECT_TRUE(PtInRegion(r, 1, 1));
    EXPECT_FALSE(PtInRegion(r, 4, 2));
    RECT touching{4, 0, 6, 6};
    EXPECT_FALSE(RectInRegion(r, &touching));
    RECT overlapping{3, 0, 6, 2};
    EXPECT_TRUE(RectInRegion(r, &overlapping));
    EXPECT_EQ(OffsetRgn(r, -1, 2), SIMPLEREGION);
    GetRgnBox(r, &box);
    EXPECT_EQ(box, (RECT{0, 3, 3, 5}));
    DeleteObject(r);
}

TEST(Region, EqualityIgnoresHowTheRegionWasBuilt) {
    HRGN whole = CreateRectRgn(0, 0, 4, 2);
    HRGN left = CreateRectRgn(0, 0, 2, 2);
    HRGN right = CreateRectRgn(2, 0, 4, 2);
    HRGN joined = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(joined, left, right, RGN_OR);
    EXPECT_TRUE(EqualRgn(whole, joined));
    EXPECT_FALSE(EqualRgn(whole, left));
    for (HRGN h : {whole, left, right, joined})
        DeleteObject(h);
}

TEST(Region, RegionDataRoundTripAndBoundsChecks) {
    HRGN a = CreateRectRgn(0, 0, 4, 4);
    HRGN hole = CreateRectRgn(1, 1, 3, 3);
    CombineRgn(a, a, hole, RGN_DIFF);
    const DWORD size = GetRegionData(a, 0, nullptr);
    EXPECT_EQ(size, DWORD(32 + 4 * 16)); // four bands: top, left, right, bottom
    std::vector<char> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(a, size - 1, data), 0u); // too small: nothing written
    EXPECT_EQ(GetRegionData(a, size, data), size);
    EXPECT_EQ(data->rdh.nCount, 4u);
    EXPECT_EQ(data->rdh.rcBound, (RECT{0, 0, 4, 4}));
    HRGN copy = ExtCreateRegion(nullptr, size, data);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(EqualRgn(a, copy));
    // A header that claims more rectangles than the buffer holds is refused.
    data->rdh.nCount = 1000;
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
    for (HRGN h : {a, hole, copy})
        DeleteObject(h);
}

TEST(Region, EllipseRoundRectAndPolygonCoverage) {
    HRGN ellipse = CreateEllipticRgn(0, 0, 6, 6);
    EXPECT_EQ(Picture(ellipse, 6, 6),
              (std::vector<std::string>{".####.", "######", "######", "######", "######", ".####."}));
    HRGN round = CreateRoundRectRgn(0, 0, 6, 5, 4, 4);
    EXPECT_EQ(Picture(round, 6, 5),
              (std::vector<std::string>{".####.", "######", "######", "######", ".####."}));
    // A triangle with alternate filling, and a self-overlapping figure where winding fills the overlap.
    const POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    HRGN tri = CreatePolygonRgn(triangle, 3, ALTERNATE);
    // Pixels whose centres are inside: the hypotenuse cuts row 0 at x = 5.5.
    EXPECT_EQ(Picture(tri, 6, 6),
              (std::vector<std::string>{"#####.", "####..", "###...", "##....", "#.....", "......"}));
    const POINT twice[] = {{0, 0}, {4, 0}, {4, 2}, {0, 2}, {0, 0}, {4, 0}, {4, 2}, {0, 2}};
    const INT counts[] = {4, 4};
    HRGN alternate = CreatePolyPolygonRgn(twice, counts, 2, ALTERNATE);
    HRGN winding = CreatePolyPolygonRgn(twice, counts, 2, WINDING);
    RECT box{};
    EXPECT_EQ(GetRgnBox(alternate, &box), NULLREGION);
    EXPECT_EQ(GetRgnBox(winding, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 2}));
    for (HRGN h : {ellipse, round, tri, alternate, winding})
        DeleteObject(h);
}

TEST(Region, PaintingRegionsThroughTheWindowOrigin) {
    TMemoryCanvas canvas(5, 4, White);
    SetWindowOrgEx(canvas.Dc, -1, 0, nullptr);
    HRGN r = CreateRectRgn(0, 0, 3, 3);
    HBRUSH red = CreateSolidBrush(Red);
    FrameRgn(canvas.Dc, r, red, 1, 1);
    InvertRgn(canvas.Dc, r);
    // The red frame inverted is cyan; the untouched white centre inverted is black.
    EXPECT_TRUE(MatchesArt(canvas, {".###.", ".#K#.", ".###.", "....."},
                           {{'.', White}, {'K', Black}, {'#', RGB(0, 255, 255)}}));
    FillRgn(canvas.Dc, r, red);
    EXPECT_EQ(canvas.At(3, 2), Red);
    DeleteObject(red);
    DeleteObject(r);
}

TEST(Region, ExchangeWithTheBandedForm) {
    TBandedRegion banded =
        TBandedRegion::Combine(TBandedRegion(RECT{0, 0, 4, 4}), TBandedRegion(RECT{1, 1, 3, 3}), RGN_DIFF);
    HRGN rgn = GdiCreateRegion(banded);
    EXPECT_FALSE(PtInRegion(rgn, 2, 2));
    EXPECT_TRUE(PtInRegion(rgn, 0, 2));
    TBandedRegion back;
    EXPECT_TRUE(GdiGetRegion(rgn, back));
    EXPECT_EQ(back, banded);
    DeleteObject(rgn);
    EXPECT_FALSE(GdiGetRegion(rgn, back));
}
