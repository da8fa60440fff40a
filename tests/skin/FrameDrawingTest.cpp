// Framed-control drawing: the colour arithmetic, the edges of every frame style (with sheets of them for
// the eye), the two-level border, and the ten gradient layouts.
#include "SkinTestSupport.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "skin/framed/FrameColors.h"
#include "skin/framed/FrameEdges.h"
#include "skin/framed/FrameGradients.h"

#include <gtest/gtest.h>

namespace frame_drawing_test {
using namespace skintest;

std::uint32_t Rgb(TColor Color) {
    return std::uint32_t(ColorToRGB(Color));
}

std::unique_ptr<TBitmap> Canvas(int w, int h, std::uint32_t colour = 0x00FF00) {
    return MakeBitmap(w, h, [colour](int, int) { return colour; });
}

TEST(FrameColorsTest, HueSaturationLuminance) {
    struct Case {
        TColor Color;
        int H, S, L;
    } cases[] = {{clRed, 0, 240, 120},   {clWhite, 0, 0, 240},    {clBlack, 0, 0, 0},
                 {clLime, 80, 240, 120}, {clBlue, 160, 240, 120}, {TColor(RGB(128, 128, 128)), 0, 0, 120}};
    for (const Case& c : cases) {
        std::uint8_t h = 0, s = 0, l = 0;
        ColorToHueSatLum(c.Color, h, s, l);
        EXPECT_EQ(int(h), c.H) << c.Color;
        EXPECT_EQ(int(s), c.S) << c.Color;
        EXPECT_EQ(int(l), c.L) << c.Color;
    }
    for (TColor colour : {TColor(RGB(200, 120, 40)), TColor(RGB(10, 90, 200)), TColor(RGB(60, 160, 90))}) {
        std::uint8_t h = 0, s = 0, l = 0;
        ColorToHueSatLum(colour, h, s, l);
        const COLORREF back = COLORREF(HueSatLumToColor(h, s, l));
        EXPECT_NEAR(GetRValue(back), GetRValue(COLORREF(colour)), 4) << colour;
        EXPECT_NEAR(GetGValue(back), GetGValue(COLORREF(colour)), 4) << colour;
        EXPECT_NEAR(GetBValue(back), GetBValue(COLORREF(colour)), 4) << colour;
    }
    for (TColor colour : {clRed, clNavy, clBtnFace, TColor(RGB(1, 2, 3))}) {
        EXPECT_EQ(LightenColor(colour, 255), clWhite) << colour;
        EXPECT_EQ(DarkenColor(colour, 255), clBlack) << colour;
        EXPECT_EQ(ShiftColorLuminance(colour, 0), colour);
    }
    EXPECT_EQ(ShiftColorLuminance(TColor(RGB(128, 128, 128)), -60),
              DarkenColor(TColor(RGB(128, 128, 128)), 60));
    EXPECT_EQ(ShiftColorLuminance(TColor(RGB(128, 128, 128)), 60), TColor(RGB(191, 191, 191)));
}

TEST(FrameEdgesTest, EdgeLinesDrawTheirSidesAndShrinkTheRectangle) {
    auto b = Canvas(10, 8);
    EXPECT_EQ(DrawEdgeLines(b->Canvas(), TRect{1, 1, 9, 7}, clNone, AllSides, clNone), (TRect{2, 2, 8, 6}));
    EXPECT_EQ(PixelOf(*b, 1, 1), 0x00FF00u);
    EXPECT_EQ(DrawEdgeLines(b->Canvas(), TRect{1, 1, 9, 7}, clRed, TSides{sdLeft, sdBottom}, clBlue),
              (TRect{2, 1, 9, 6}));
    EXPECT_EQ(PixelOf(*b, 1, 1), 0x0000FFu);
    EXPECT_EQ(PixelOf(*b, 1, 5), 0x0000FFu); // the left line runs to the bottom
    EXPECT_EQ(PixelOf(*b, 8, 6), 0xFF0000u); // the bottom line in the lower-right colour
    EXPECT_EQ(PixelOf(*b, 8, 1), 0x00FF00u); // no top, no right
    EXPECT_EQ(DrawEdgeBands(b->Canvas(), TRect{0, 0, 10, 8}, clBlack, AllSides, 3, clBlack),
              (TRect{3, 3, 7, 5}));
    EXPECT_EQ(PixelOf(*b, 2, 4), 0u);
    EXPECT_EQ(PixelOf(*b, 3, 3), 0x00FF00u);
}

TEST(FrameEdgesTest, StyledEdgesUseTheirTableColours) {
    struct Case {
        TFrameStyleEx Style;
        TColor OuterTopLeft, OuterBottomRight, InnerTopLeft;
        int Inset;
    } cases[] = {
        {fsFlat, cl3DDkShadow, cl3DDkShadow, clNone, 1},
        {fsStatus, clBtnShadow, clBtnHighlight, clNone, 1},
        {fsPopup, clBtnHighlight, clBtnShadow, clNone, 1},
        {fsLowered, clBtnShadow, clBtnHighlight, cl3DDkShadow, 2},
        {fsRaised, cl3DLight, cl3DDkShadow, clBtnHighlight, 2},
        {fsButtonDown, clBtnText, clBtnText, clBtnShadow, 2},
        {fsButtonUp, clBtnHighlight, cl3DDkShadow, cl3DLight, 2},
        {fsFlatBold, clBtnShadow, clBtnShadow, clBtnShadow, 2},
    };
    for (const Case& c : cases) {
        auto b = Canvas(12, 12);
        const TRect inner = DrawStyledEdge(b->Canvas(), TRect{0, 0, 12, 12}, c.Style, AllSides);
        EXPECT_EQ(inner, (TRect{c.Inset, c.Inset, 12 - c.Inset, 12 - c.Inset})) << c.Style;
        EXPECT_EQ(PixelOf(*b, 0, 5), Rgb(c.OuterTopLeft)) << c.Style;
        EXPECT_EQ(PixelOf(*b, 11, 5), Rgb(c.OuterBottomRight)) << c.Style;
        if (c.InnerTopLeft != clNone) {
            EXPECT_EQ(PixelOf(*b, 1, 5), Rgb(c.InnerTopLeft)) << c.Style;
        }
    }
    auto none = Canvas(6, 6);
    EXPECT_EQ(DrawStyledEdge(none->Canvas(), TRect{0, 0, 6, 6}, fsNone, AllSides), (TRect{0, 0, 6, 6}));
    EXPECT_EQ(PixelOf(*none, 0, 0), 0x00FF00u);
}

TEST(FrameEdgesTest, EtchedEdgesAndTheirCorners) {
    auto b = Canvas(10, 10);
    EXPECT_EQ(DrawStyledEdge(b->Canvas(), TRect{0, 0, 10, 10}, fsGroove, AllSides), (TRect{2, 2, 8, 8}));
    EXPECT_EQ(PixelOf(*b, 0, 4), Rgb(clBtnShadow));    // the line
    EXPECT_EQ(PixelOf(*b, 1, 4), Rgb(clBtnHighlight)); // the offset line inside it
    EXPECT_EQ(PixelOf(*b, 9, 4), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(*b, 8, 4), Rgb(clBtnShadow));
    EXPECT_EQ(PixelOf(*b, 9, 0), Rgb(clBtnHighlight)); // the top-right corner pixel
    // Only the top side: its ends take the line colour where no side continues.
    auto top = Canvas(10, 10);
    DrawStyledEdge(top->Canvas(), TRect{0, 0, 10, 10}, fsBump, TSides{sdTop});
    EXPECT_EQ(PixelOf(*top, 0, 1), Rgb(clBtnShadow));
    EXPECT_EQ(PixelOf(*top, 9, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(PixelOf(*top, 0, 5), 0x00FF00u);
    // Tinted: the face's shades.
    auto tinted = Canvas(10, 10);
    DrawTintedStyledEdge(tinted->Canvas(), TRect{0, 0, 10, 10}, clSilver, AllSides, fsLowered);
    EXPECT_EQ(PixelOf(*tinted, 0, 5), Rgb(DarkenColor(clSilver, 50)));
    EXPECT_EQ(PixelOf(*tinted, 9, 5), Rgb(LightenColor(clSilver, 100)));
    EXPECT_EQ(PixelOf(*tinted, 1, 5), Rgb(DarkenColor(clSilver, 100)));
}

TEST(FrameEdgesTest, RoundedEdgesCutTheirCorners) {
    auto b = Canvas(8, 6);
    EXPECT_EQ(DrawRoundedEdge(b->Canvas(), TRect{0, 0, 8, 6}, clBlack, AllSides), (TRect{2, 2, 6, 4}));
    EXPECT_EQ(PixelOf(*b, 0, 0), 0x00FF00u);
    EXPECT_EQ(PixelOf(*b, 1, 1), 0u);
    EXPECT_EQ(PixelOf(*b, 2, 0), 0u);
    EXPECT_EQ(PixelOf(*b, 0, 2), 0u);
    EXPECT_EQ(PixelOf(*b, 6, 4), 0u);
    EXPECT_EQ(PixelOf(*b, 7, 5), 0x00FF00u);
}

TEST(FrameEdgesTest, TwoBordersStackOuterBandAndInner) {
    struct Case {
        TFrameStyleEx Outer, Inner;
        int Border;
        bool KeepCorners;
        TRect Expected;
    } cases[] = {
        {fsFlat, fsNone, 0, false, {1, 1, 19, 15}},        {fsFlatBold, fsFlat, 2, false, {5, 5, 15, 11}},
        {fsLowered, fsRaised, 1, false, {5, 5, 15, 11}},   {fsPopup, fsStatus, 0, false, {4, 4, 16, 12}},
        {fsFlatRounded, fsNone, 0, false, {2, 2, 18, 14}}, {fsFlat, fsFlat, 0, true, {2, 2, 18, 14}},
    };
    for (const Case& c : cases) {
        auto b = Canvas(20, 16);
        const TRect inner =
            DrawTwoBorders(b->Canvas(), TRect{0, 0, 20, 16}, c.Outer, c.Inner, c.Border, AllSides, 2,
                           clMaroon, clWhite, clGray, clNavy, 0, clSilver, clYellow, c.KeepCorners, false);
        EXPECT_EQ(inner, c.Expected) << c.Outer << " " << c.Inner;
    }
    // The kept corners stay as they were.
    auto b = Canvas(20, 16);
    DrawTwoBorders(b->Canvas(), TRect{0, 0, 20, 16}, fsNone, fsFlat, 0, AllSides, 1, clMaroon, clWhite,
                   clGray, clNavy, 0, clSilver, clYellow, true, false);
    EXPECT_EQ(PixelOf(*b, 0, 0), 0x00FF00u);
    EXPECT_EQ(PixelOf(*b, 1, 0), Rgb(clNavy));
    // A flat frame erases the old one with the face colour first.
    auto frame = Canvas(10, 10);
    DrawControlFrame(frame->Canvas(), 10, 10, fsFlat, clSilver, clRed, AllSides, false);
    EXPECT_EQ(PixelOf(*frame, 0, 4), Rgb(clRed));
    EXPECT_EQ(PixelOf(*frame, 1, 4), Rgb(clSilver));
    EXPECT_EQ(PixelOf(*frame, 2, 4), 0x00FF00u);
}

// Every frame style through both styled-edge routines, and a row of two-level borders.
TEST(FrameEdgesTest, SheetOfFrameStyles) {
    const char* names[] = {"fsNone",   "fsFlat",     "fsGroove", "fsBump",  "fsLowered",  "fsButtonDown",
                           "fsRaised", "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded"};
    const int cell = 64, gap = 30, label = 16;
    auto sheet = Canvas(12 * (cell + gap) + gap, 3 * (cell + label) + 3 * gap, 0xFFFFFF);
    TCanvas* c = sheet->Canvas();
    c->Font()->SetColor(clBlack);
    c->Font()->SetHeight(-10);
    for (int s = 0; s < 12; ++s) {
        const int x = gap + s * (cell + gap);
        c->Brush()->SetStyle(bsClear);
        c->TextOut(x, 2, names[s]);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(TRect{x, label, x + cell, label + cell});
        DrawStyledEdge(c, TRect{x, label, x + cell, label + cell}, TFrameStyleEx(s), AllSides);
        const int y2 = label + cell + gap + label;
        c->Brush()->SetColor(TColor(RGB(90, 140, 200)));
        c->FillRect(TRect{x, y2, x + cell, y2 + cell});
        DrawTintedStyledEdge(c, TRect{x, y2, x + cell, y2 + cell}, TColor(RGB(90, 140, 200)), AllSides,
                             TFrameStyleEx(s));
        const int y3 = 2 * (label + cell + gap) + label;
        c->Brush()->SetColor(clWindow);
        c->FillRect(TRect{x, y3, x + cell, y3 + cell});
        DrawTwoBorders(c, TRect{x, y3, x + cell, y3 + cell}, TFrameStyleEx(s), TFrameStyleEx((s + 4) % 12), 2,
                       AllSides, 2, clTeal, clWhite, clGray, clNavy, 0, clWindow, clWhite, s % 2 == 1, false);
    }
    c->Brush()->SetStyle(bsClear);
    c->TextOut(gap, label + cell + 2, "DrawTintedStyledEdge");
    c->TextOut(gap, 2 * (label + cell) + gap + 2, "DrawTwoBorders (inner style: four styles on)");
    EXPECT_TRUE(SavePng(*sheet, "framed/frame-styles.png", 2));
}

// ---- Gradients

TEST(FrameGradientsTest, AZeroSizedRectangleDrawsNothing) {
    auto b = Canvas(10, 10);
    DrawGradientRect(b->Canvas(), TRect{2, 2, 8, 2}, gdHorizontalEnd, clRed, clBlue, 1);
    DrawGradientRect(b->Canvas(), TRect{2, 2, 2, 8}, gdSquareBox, clRed, clBlue, 1);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(PixelOf(*b, x, y), 0x00FF00u);
}

TEST(FrameGradientsTest, HorizontalEndStepsOneColourARow) {
    auto b = Canvas(3, 100);
    const TColor start = TColor(RGB(0, 0, 0)), stop = TColor(RGB(200, 100, 250));
    DrawGradientRect(b->Canvas(), TRect{0, 0, 3, 100}, gdHorizontalEnd, start, stop, 1);
    EXPECT_EQ(PixelOf(*b, 1, 99), Rgb(stop));
    for (int y = 0; y < 100; ++y) {
        EXPECT_EQ(PixelOf(*b, 0, y), PixelOf(*b, 2, y)) << y;
        const std::uint32_t p = PixelOf(*b, 0, y);
        // One step of (start - stop) / 100 per row away from row 99.
        EXPECT_EQ(int(p & 0xFF), 200 - (99 - y) * 2) << y;
    }
}

TEST(FrameGradientsTest, EveryLayoutKeepsItsColourEndsAndDirection) {
    const TColor start = TColor(RGB(250, 250, 250)), stop = TColor(RGB(0, 60, 160));
    auto draw = [&](TGradientDirection d) {
        auto b = Canvas(61, 41);
        DrawGradientRect(b->Canvas(), TRect{0, 0, 61, 41}, d, start, stop, 1);
        return b;
    };
    // The far end of a run stops one colour step short of its colour: within 16 of it here.
    auto near = [](std::uint32_t a, TColor b) {
        const COLORREF c = COLORREF(ColorToRGB(b));
        return std::abs(int(a & 0xFF) - int(GetRValue(c))) <= 16 &&
               std::abs(int((a >> 8) & 0xFF) - int(GetGValue(c))) <= 16 &&
               std::abs(int((a >> 16) & 0xFF) - int(GetBValue(c))) <= 16;
    };
    auto centre = draw(gdHorizontalCenter);
    EXPECT_TRUE(near(PixelOf(*centre, 30, 20), stop));
    EXPECT_TRUE(near(PixelOf(*centre, 30, 0), start));
    EXPECT_TRUE(near(PixelOf(*centre, 30, 40), start));
    EXPECT_EQ(PixelOf(*centre, 0, 10), PixelOf(*centre, 60, 10));
    auto vertical = draw(gdVerticalEnd);
    EXPECT_TRUE(near(PixelOf(*vertical, 0, 20), start));
    EXPECT_TRUE(near(PixelOf(*vertical, 60, 20), stop));
    EXPECT_EQ(PixelOf(*vertical, 30, 0), PixelOf(*vertical, 30, 40));
    auto vcentre = draw(gdVerticalCenter);
    EXPECT_TRUE(near(PixelOf(*vcentre, 30, 5), stop));
    EXPECT_TRUE(near(PixelOf(*vcentre, 0, 5), start));
    for (TGradientDirection d : {gdSquareBox, gdBigSquareBox, gdHorizontalBox, gdVerticalBox}) {
        auto box = draw(d);
        EXPECT_TRUE(near(PixelOf(*box, 30, 20), stop)) << d;
        EXPECT_TRUE(near(PixelOf(*box, 0, 0), start)) << d;
        // Mirrored both ways.
        EXPECT_EQ(PixelOf(*box, 5, 7), PixelOf(*box, 55, 7)) << d;
        EXPECT_EQ(PixelOf(*box, 5, 7), PixelOf(*box, 5, 33)) << d;
    }
    auto up = draw(gdDiagonalUp);
    EXPECT_TRUE(near(PixelOf(*up, 0, 0), start));
    EXPECT_TRUE(near(PixelOf(*up, 60, 40), stop));
    auto down = draw(gdDiagonalDown);
    EXPECT_TRUE(near(PixelOf(*down, 0, 40), start));
    EXPECT_TRUE(near(PixelOf(*down, 60, 0), stop));
    auto same = Canvas(10, 10);
    DrawGradientRect(same->Canvas(), TRect{0, 0, 10, 10}, gdDiagonalUp, clRed, clRed, 1);
    EXPECT_EQ(PixelOf(*same, 9, 9), Rgb(clRed));
}

TEST(FrameGradientsTest, SheetOfTheTenLayouts) {
    const char* names[] = {"gdDiagonalUp",    "gdDiagonalDown", "gdHorizontalEnd",  "gdHorizontalCenter",
                           "gdHorizontalBox", "gdVerticalEnd",  "gdVerticalCenter", "gdVerticalBox",
                           "gdSquareBox",     "gdBigSquareBox"};
    const int w = 140, h = 80, gap = 12, label = 16;
    auto sheet = Canvas(5 * (w + gap) + gap, 2 * (h + gap + label) + gap, 0xFFFFFF);
    TCanvas* c = sheet->Canvas();
    c->Font()->SetColor(clBlack);
    c->Font()->SetHeight(-10);
    for (int i = 0; i < 10; ++i) {
        const int x = gap + (i % 5) * (w + gap), y = gap + (i / 5) * (h + gap + label);
        c->TextOut(x, y, names[i]);
        DrawGradientRect(c, TRect{x, y + label, x + w, y + label + h}, TGradientDirection(i),
                         TColor(RGB(255, 250, 220)), TColor(RGB(200, 60, 20)), 1);
    }
    EXPECT_TRUE(SavePng(*sheet, "framed/gradients.png"));
}

TEST(FrameGradientsTest, FlippingABitmap) {
    auto b = MakeBitmap(3, 4, [](int x, int y) { return std::uint32_t(RGB(BYTE(x), BYTE(y), 0)); });
    FlipBitmapVertically(b.get());
    EXPECT_EQ(PixelOf(*b, 2, 0), std::uint32_t(RGB(2, 3, 0)));
    EXPECT_EQ(PixelOf(*b, 1, 3), std::uint32_t(RGB(1, 0, 0)));
}

} // namespace frame_drawing_test
