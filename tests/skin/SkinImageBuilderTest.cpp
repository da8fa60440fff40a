// Skin rectangle drawing: the nine-part builder (identity, tiled and stretched edges, the three centre
// stretch types), the frame strips, the one-axis builders, and regions from masks.
#include "SkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Brush.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinImageBuilder.h"
#include "skin/draw/SkinRegions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace skin_image_builder_test {
using namespace skintest;

// A colour of its own for every pixel of a picture.
std::uint32_t Unique(int x, int y) {
    return RGB(BYTE(x * 6), BYTE(y * 9), BYTE(40 + x + y));
}

// The skin rectangle (2, 3, 32, 27) of a 40 x 30 picture, cut at LT (8, 7), RT (22, 7), LB (8, 17),
// RB (22, 17) with the client rectangle (6, 5, 24, 19).
struct Geometry {
    TPoint LT{8, 7}, RT{22, 7}, LB{8, 17}, RB{22, 17};
    TRect Cl{6, 5, 24, 19};
    TRect Skin{2, 3, 32, 27};
};

// The New values for a target of W x H: the right and bottom parts move with the size.
void Build(TBitmap& Dest, TBitmap& Source, const Geometry& g, int W, int H, bool Stretch, bool ClientStretch,
           TskStretchType Type) {
    const int dw = W - RectWidth(g.Skin), dh = H - RectHeight(g.Skin);
    BuildSkinImage(g.LT, g.RT, g.LB, g.RB, g.Cl, g.LT, TPoint{g.RT.x + dw, g.RT.y},
                   TPoint{g.LB.x, g.LB.y + dh}, TPoint{g.RB.x + dw, g.RB.y + dh},
                   TRect{g.Cl.left, g.Cl.top, g.Cl.right + dw, g.Cl.bottom + dh}, &Dest, &Source, g.Skin, W,
                   H, true, Stretch, Stretch, Stretch, Stretch, ClientStretch, Type);
}

TEST(SkinImageBuilderTest, TheSkinSizeReproducesTheSourceRectangle) {
    auto source = MakeBitmap(40, 30, Unique);
    const Geometry g;
    for (bool stretch : {false, true})
        for (bool clientStretch : {false, true}) {
            TBitmap dest;
            Build(dest, *source, g, 30, 24, stretch, clientStretch, stfull);
            ASSERT_EQ(dest.Width(), 30);
            ASSERT_EQ(dest.Height(), 24);
            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < 30; ++x)
                    ASSERT_EQ(PixelOf(dest, x, y), Unique(x + 2, y + 3)) << x << "," << y << " " << stretch;
        }
}

TEST(SkinImageBuilderTest, TiledEdgesRepeatTheirMiddleAndCutTheLastPiece) {
    auto source = MakeBitmap(40, 30, Unique);
    const Geometry g;
    TBitmap dest;
    Build(dest, *source, g, 30 + 17, 24 + 9, false, false, stfull);
    SavePng(dest, "builder/tiled.png");
    // Top edge: columns 8.. repeat source columns 8..21 (14 wide) over [8, 39): 31 = 2 x 14 + 3.
    for (int x = 8; x < 39; ++x)
        EXPECT_EQ(PixelOf(dest, x, 2), Unique(2 + 8 + (x - 8) % 14, 3 + 2)) << x;
    // The right corner moved with the size.
    EXPECT_EQ(PixelOf(dest, 39, 2), Unique(2 + 22, 5));
    EXPECT_EQ(PixelOf(dest, 46, 32), Unique(2 + 29, 3 + 23));
    // Left edge: rows 7.. repeat source rows 7..16 (10 high) over [7, 26).
    for (int y = 7; y < 26; ++y)
        EXPECT_EQ(PixelOf(dest, 1, y), Unique(2 + 1, 3 + 7 + (y - 7) % 10)) << y;
    // Centre tiled from the client's top-left corner (18 x 14 piece).
    EXPECT_EQ(PixelOf(dest, 6 + 18, 5 + 14), Unique(2 + 6, 3 + 5));
    EXPECT_EQ(PixelOf(dest, 6 + 20, 5 + 3), Unique(2 + 8, 3 + 8));
}

TEST(SkinImageBuilderTest, AStretchedEdgeIsOneCopyOverTheWholeSpan) {
    auto source = MakeBitmap(40, 30, Unique);
    const Geometry g;
    TBitmap dest;
    Build(dest, *source, g, 30 + 14, 24, true, true, stfull);
    SavePng(dest, "builder/stretched.png");
    // Top edge middle: 14 source columns over 28: every source column twice.
    for (int x = 8; x < 36; ++x)
        EXPECT_EQ(PixelOf(dest, x, 2), Unique(2 + 8 + (x - 8) / 2, 5)) << x;
}

// A centre piece 4 pixels wide drawn into a client area 10 wide: sthorz repeats the piece across
// (three copies, the last cut to 2), stvert repeats it down, stfull stretches it once.
TEST(SkinImageBuilderTest, TheThreeStretchTypesOfTheCentre) {
    // Skin 8 x 8: a 2-pixel frame around a 4 x 4 centre of distinct columns and rows.
    auto source = MakeBitmap(8, 8, [](int x, int y) {
        if (x < 2 || y < 2 || x >= 6 || y >= 6) return 0x000000u;
        return std::uint32_t(RGB(BYTE(50 * (x - 1)), BYTE(50 * (y - 1)), 200));
    });
    const TPoint lt{2, 2}, rt{6, 2}, lb{2, 6}, rb{6, 6};
    const TRect cl{2, 2, 6, 6};
    auto build = [&](TskStretchType type, TBitmap& dest) {
        BuildSkinImage(lt, rt, lb, rb, cl, lt, TPoint{12, 2}, TPoint{2, 12}, TPoint{12, 12},
                       TRect{2, 2, 12, 12}, &dest, source.get(), TRect{0, 0, 8, 8}, 14, 14, true, false,
                       false, false, false, true, type);
    };
    TBitmap horz, vert, full;
    build(sthorz, horz);
    build(stvert, vert);
    build(stfull, full);
    SavePng(horz, "builder/centre-sthorz.png");
    SavePng(vert, "builder/centre-stvert.png");
    SavePng(full, "builder/centre-stfull.png");
    auto centre = [](int cx, int cy) {
        return std::uint32_t(RGB(BYTE(50 * (cx + 1)), BYTE(50 * (cy + 1)), 200));
    };
    // sthorz: columns repeat every 4 from the client's left, rows stretch 4 -> 10.
    for (int x = 2; x < 12; ++x) {
        EXPECT_EQ(PixelOf(horz, x, 2), centre((x - 2) % 4, 0)) << x;
        EXPECT_EQ(PixelOf(horz, x, 11), centre((x - 2) % 4, 3)) << x;
    }
    EXPECT_EQ(PixelOf(horz, 12, 5), 0u); // the right frame is not overdrawn
    // stvert: rows repeat every 4 from the client's top, columns stretch.
    for (int y = 2; y < 12; ++y) {
        EXPECT_EQ(PixelOf(vert, 2, y), centre(0, (y - 2) % 4)) << y;
        EXPECT_EQ(PixelOf(vert, 11, y), centre(3, (y - 2) % 4)) << y;
    }
    EXPECT_EQ(PixelOf(vert, 5, 12), 0u);
    // stfull: one copy; corners of the client take the piece's corners.
    EXPECT_EQ(PixelOf(full, 2, 2), centre(0, 0));
    EXPECT_EQ(PixelOf(full, 11, 11), centre(3, 3));
    EXPECT_EQ(PixelOf(full, 11, 2), centre(3, 0));
}

TEST(SkinImageBuilderTest, DegenerateDescriptionsDrawNothingAndNeverDivideByZero) {
    auto source = MakeBitmap(12, 12, [](int, int) { return 0x336699u; });
    TBitmap dest;
    // RB.X = LT.X: nothing drawn, but the size is set.
    BuildSkinImage(TPoint{4, 4}, TPoint{8, 4}, TPoint{4, 8}, TPoint{4, 8}, TRect{4, 4, 8, 8}, TPoint{4, 4},
                   TPoint{8, 4}, TPoint{4, 8}, TPoint{4, 8}, TRect{4, 4, 8, 8}, &dest, source.get(),
                   TRect{0, 0, 12, 12}, 20, 20, true, false, false, false, false, false, stfull);
    EXPECT_EQ(dest.Width(), 20);
    EXPECT_EQ(PixelOf(dest, 10, 10), 0u);
    // Zero-length pieces to tile (top middle and an empty client) are skipped.
    BuildSkinImage(TPoint{4, 4}, TPoint{4, 4}, TPoint{4, 8}, TPoint{8, 8}, TRect{4, 4, 4, 4}, TPoint{4, 4},
                   TPoint{14, 4}, TPoint{4, 14}, TPoint{14, 14}, TRect{4, 4, 14, 14}, &dest, source.get(),
                   TRect{0, 0, 12, 12}, 20, 20, true, false, false, false, false, false, stfull);
    EXPECT_EQ(dest.Width(), 20);
    TBitmap empty;
    BuildSkinImage(TPoint{4, 4}, TPoint{8, 4}, TPoint{4, 8}, TPoint{8, 8}, TRect{4, 4, 8, 8}, TPoint{4, 4},
                   TPoint{8, 4}, TPoint{4, 8}, TPoint{8, 8}, TRect{4, 4, 8, 8}, &dest, &empty,
                   TRect{0, 0, 12, 12}, 9, 9, true, false, false, false, false, false, stfull);
    EXPECT_EQ(dest.Width(), 9);
}

TEST(SkinImageBuilderTest, FrameStripsCoverTheFrameOfTheGrownSize) {
    auto source = MakeBitmap(40, 30, Unique);
    const Geometry g;
    const int W = 50, H = 34, dw = W - 30, dh = H - 24;
    TBitmap left, top, right, bottom;
    BuildSkinFrameStrips(g.LT, g.RT, g.LB, g.RB, g.Cl, g.LT, TPoint{g.RT.x + dw, g.RT.y},
                         TPoint{g.LB.x, g.LB.y + dh}, TPoint{g.RB.x + dw, g.RB.y + dh},
                         TRect{g.Cl.left, g.Cl.top, g.Cl.right + dw, g.Cl.bottom + dh}, &left, &top, &right,
                         &bottom, source.get(), g.Skin, W, H, false, false, false, false);
    EXPECT_EQ(top.Width(), W);
    EXPECT_EQ(top.Height(), 5);
    EXPECT_EQ(bottom.Height(), 24 - 19);
    EXPECT_EQ(left.Width(), 6);
    EXPECT_EQ(left.Height(), H - 5 - 5);
    EXPECT_EQ(right.Width(), 30 - 24);
    // The top strip's corners are the picture's; its middle tiles from x = 0.
    EXPECT_EQ(PixelOf(top, 0, 0), Unique(2, 3));
    EXPECT_EQ(PixelOf(top, W - 1, 4), Unique(2 + 29, 3 + 4));
    // The left strip: rows 7..16 repeated from its top, then rows 5..6 (above LT.Y) over its first two.
    EXPECT_EQ(PixelOf(left, 0, 0), Unique(2, 3 + 5));
    EXPECT_EQ(PixelOf(left, 0, 2), Unique(2, 3 + 9));
    EXPECT_EQ(PixelOf(left, 0, 12), Unique(2, 3 + 9));
    // Its last two rows are the picture's rows 17..18 (between LB.Y and the client's bottom).
    EXPECT_EQ(PixelOf(left, 3, left.Height() - 1), Unique(2 + 3, 3 + 18));
    // A strip without a piece is left unsized.
    TBitmap l2, t2, r2, b2;
    BuildSkinFrameStrips(TPoint{8, 7}, TPoint{8, 7}, g.LB, g.RB, g.Cl, TPoint{8, 7}, TPoint{8, 7}, g.LB, g.RB,
                         g.Cl, &l2, &t2, &r2, &b2, source.get(), g.Skin, 30, 24, false, false, false, false);
    EXPECT_TRUE(t2.Empty());
    EXPECT_FALSE(b2.Empty());
}

TEST(SkinImageBuilderTest, OneAxisBuildersKeepTheirEndsAndFillTheMiddle) {
    auto source = MakeBitmap(10, 6, Unique);
    TBitmap across;
    BuildHorizontalSkinImage(3, 2, &across, source.get(), TRect{0, 0, 10, 6}, 25, 99, false);
    ASSERT_EQ(across.Width(), 25);
    ASSERT_EQ(across.Height(), 6);
    EXPECT_EQ(PixelOf(across, 0, 1), Unique(0, 1));
    EXPECT_EQ(PixelOf(across, 24, 1), Unique(9, 1));
    EXPECT_EQ(PixelOf(across, 23, 1), Unique(8, 1));
    for (int x = 3; x < 23; ++x)
        EXPECT_EQ(PixelOf(across, x, 2), Unique(3 + (x - 3) % 5, 2)) << x;
    TBitmap down;
    BuildVerticalSkinImage(1, 1, &down, source.get(), TRect{0, 0, 10, 6}, 99, 13, true);
    ASSERT_EQ(down.Width(), 10);
    ASSERT_EQ(down.Height(), 13);
    EXPECT_EQ(PixelOf(down, 4, 0), Unique(4, 0));
    EXPECT_EQ(PixelOf(down, 4, 12), Unique(4, 5));
    EXPECT_EQ(PixelOf(down, 4, 1), Unique(4, 1));
    EXPECT_EQ(PixelOf(down, 4, 11), Unique(4, 4));
}

TEST(SkinImageBuilderTest, StretchSkinRectKeepsTheGridsBorders) {
    auto source = MakeBitmap(12, 12, Unique);
    TBitmap dest;
    dest.SetSize(30, 20);
    StretchSkinRect(&dest, source.get(), TRect{0, 0, 12, 12}, true, TRect{3, 3, 9, 9});
    EXPECT_EQ(PixelOf(dest, 0, 0), Unique(0, 0));
    EXPECT_EQ(PixelOf(dest, 29, 19), Unique(11, 11));
    EXPECT_EQ(PixelOf(dest, 27, 1), Unique(9, 1));
    EXPECT_EQ(PixelOf(dest, 2, 18), Unique(2, 10));
}

// A panel-like skin picture (dark frame, light bevel, rounded corners, a patterned centre and notched
// edges so that tiling shows) built at its own size and grown, tiled and stretched, with the three
// centre stretch types.
TEST(SkinImageBuilderTest, SheetOfBuilderResults) {
    auto skin = MakeBitmap(24, 24, [](int x, int y) {
        const bool corner = (x < 2 || x > 21) && (y < 2 || y > 21);
        if (corner) return 0xFFFFFFu;
        if (x == 0 || y == 0 || x == 23 || y == 23) return std::uint32_t(RGB(30, 40, 70));
        if (x == 1 || y == 1) return std::uint32_t(RGB(230, 235, 250));
        if (x == 22 || y == 22) return std::uint32_t(RGB(90, 100, 130));
        if (x < 6 || y < 6 || x > 17 || y > 17) // the edge bands, notched every 4 pixels
            return (x + y) % 4 == 0 ? std::uint32_t(RGB(120, 140, 190)) : std::uint32_t(RGB(170, 185, 220));
        return (x / 2 + y / 2) % 2 ? std::uint32_t(RGB(250, 210, 120)) : std::uint32_t(RGB(240, 160, 60));
    });
    const TPoint lt{8, 8}, rt{16, 8}, lb{8, 16}, rb{16, 16};
    const TRect cl{6, 6, 18, 18};
    TBitmap sheet;
    sheet.SetSize(360, 52);
    sheet.Canvas()->Brush()->SetColor(clWhite);
    sheet.Canvas()->FillRect(TRect{0, 0, 360, 52});
    int x = 6;
    auto place = [&](int W, int H, bool Stretch, bool ClientStretch, TskStretchType Type) {
        const int dw = W - 24, dh = H - 24;
        TBitmap built;
        BuildSkinImage(lt, rt, lb, rb, cl, lt, TPoint{rt.x + dw, rt.y}, TPoint{lb.x, lb.y + dh},
                       TPoint{rb.x + dw, rb.y + dh}, TRect{cl.left, cl.top, cl.right + dw, cl.bottom + dh},
                       &built, skin.get(), TRect{0, 0, 24, 24}, W, H, true, Stretch, Stretch, Stretch,
                       Stretch, ClientStretch, Type);
        sheet.Canvas()->Draw(x, 6, &built);
        x += W + 8;
    };
    place(24, 24, false, false, stfull); // the picture itself
    place(70, 40, false, false, stfull); // edges and centre tiled
    place(70, 40, true, true, stfull);   // everything stretched
    place(70, 40, false, true, sthorz);  // centre stretched down, repeated across
    place(70, 40, false, true, stvert);  // centre stretched across, repeated down
    EXPECT_TRUE(SavePng(sheet, "builder/results.png", 3));
}

// ---- Regions

struct RegionHeader {
    std::uint32_t Size, Type, Count, RgnSize;
    RECT Bound;
};

TEST(SkinRegionsTest, AThreeByTwoMaskGivesTwoRectangles) {
    auto mask = MakeBitmap(3, 2, [](int x, int y) { return y == 0 && x != 1 ? 0x000000u : 0xFFFFFFu; });
    std::vector<std::uint8_t> data;
    ASSERT_EQ(RegionDataFromMask(mask.get(), 10, 20, data), 64);
    ASSERT_EQ(data.size(), 64u);
    RegionHeader header{};
    std::memcpy(&header, data.data(), 32);
    EXPECT_EQ(header.Size, 32u);
    EXPECT_EQ(header.Type, 1u);
    EXPECT_EQ(header.Count, 2u);
    EXPECT_EQ(header.RgnSize, 0u);
    EXPECT_EQ(header.Bound, (RECT{10, 20, 13, 22}));
    RECT rects[2];
    std::memcpy(rects, data.data() + 32, 32);
    EXPECT_EQ(rects[0], (RECT{10, 20, 11, 21}));
    EXPECT_EQ(rects[1], (RECT{12, 20, 13, 21}));
    TBitmap empty;
    EXPECT_EQ(RegionDataFromMask(&empty, 0, 0, data), 0);
    HRGN none = reinterpret_cast<HRGN>(1);
    CreateRegionFromMask(none, &empty);
    EXPECT_EQ(none, nullptr);
}

TEST(SkinRegionsTest, AMaskWithMoreThanTenThousandRunsIsWhole) {
    // A checkerboard 300 x 80: 150 runs a row, 12000 in all.
    auto mask = MakeBitmap(300, 80, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFu : 0x000000u; });
    std::vector<std::uint8_t> data;
    ASSERT_EQ(RegionDataFromMask(mask.get(), 0, 0, data), 32 + 16 * 12000);
    HRGN region = nullptr;
    CreateRegionFromMask(region, mask.get());
    ASSERT_NE(region, nullptr);
    for (int y : {0, 1, 40, 79})
        for (int x : {0, 1, 2, 150, 298, 299})
            EXPECT_EQ(PtInRegion(region, x, y) != 0, (x + y) % 2 == 0) << x << "," << y;
    DeleteObject(region);
}

TEST(SkinRegionsTest, ASkinRegionFollowsTheMaskAndLeavesUncoveredPixelsOut) {
    // A 12 x 12 mask whose corners are cut (white) by one pixel.
    auto mask = MakeBitmap(12, 12, [](int x, int y) {
        const bool corner = (x == 0 || x == 11) && (y == 0 || y == 11);
        return corner ? 0xFFFFFFu : 0x000000u;
    });
    const TPoint lt{4, 4}, rt{8, 4}, lb{4, 8}, rb{8, 8};
    const TRect cl{3, 3, 9, 9};
    HRGN region = nullptr;
    CreateSkinRegion(region, lt, rt, lb, rb, cl, lt, TPoint{28, 4}, TPoint{4, 18}, TPoint{28, 18},
                     TRect{3, 3, 29, 19}, mask.get(), 32, 22);
    ASSERT_NE(region, nullptr);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 31, 0));
    EXPECT_FALSE(PtInRegion(region, 31, 21));
    EXPECT_FALSE(PtInRegion(region, 0, 21));
    EXPECT_TRUE(PtInRegion(region, 1, 0));
    EXPECT_TRUE(PtInRegion(region, 15, 10));
    EXPECT_TRUE(PtInRegion(region, 30, 21));
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (RECT{0, 0, 32, 22}));
    DeleteObject(region);

    // A mask smaller than the rectangle it should cover: what it does not reach is outside.
    auto small = MakeBitmap(6, 12, [](int, int) { return 0x000000u; });
    CreateSkinRegion(region, lt, rt, lb, rb, cl, lt, TPoint{28, 4}, TPoint{4, 18}, TPoint{28, 18},
                     TRect{3, 3, 29, 19}, small.get(), 32, 22);
    ASSERT_NE(region, nullptr);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_FALSE(PtInRegion(region, 31, 0));
    EXPECT_FALSE(PtInRegion(region, 31, 10));
    EXPECT_TRUE(PtInRegion(region, 15, 10)); // the client rectangle
    DeleteObject(region);

    HRGN none = reinterpret_cast<HRGN>(1);
    CreateSkinRegion(none, lt, rt, lb, rb, cl, TPoint{10, 4}, TPoint{5, 4}, lb, rb, cl, mask.get(), 12, 12);
    EXPECT_EQ(none, nullptr);
}

TEST(SkinGeometryTest, RectangleHelpers) {
    EXPECT_TRUE(RectIsEmpty(TRect{0, 0, 0, 5}));
    EXPECT_TRUE(RectIsEmpty(TRect{5, 0, 3, 5}));
    EXPECT_FALSE(RectIsEmpty(TRect{0, 0, 1, 1}));
    EXPECT_TRUE(PointInRectInclusive(TRect{0, 0, 4, 4}, TPoint{4, 4}));
    EXPECT_FALSE(PointInRectInclusive(TRect{0, 0, 4, 4}, TPoint{5, 4}));
    EXPECT_TRUE(RectInsideRect(TRect{1, 1, 3, 3}, TRect{0, 0, 4, 4}));
    EXPECT_FALSE(RectInsideRect(TRect{1, 1, 4, 3}, TRect{0, 0, 4, 4}));
    EXPECT_TRUE(PointHasZeroCoordinate(TPoint{0, 3}));
    EXPECT_FALSE(PointHasZeroCoordinate(TPoint{2, 3}));
    TRect r{1, 2, 3, 4};
    ClearRect(r);
    EXPECT_EQ(r, TRect{});
}

} // namespace skin_image_builder_test
