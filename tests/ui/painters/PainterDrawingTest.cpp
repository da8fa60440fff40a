// Pixels of the families the application reaches: button frames, faces and captions per look, scroll-bar
// parts, size grips (the Office11 dots in every corner), screen tips, check marks, expand signs, close
// crosses, container borders.
#include "PaintersTestSupport.h"

#include "platform/vcl/Brush.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/painters/office11/Office11Colors.h"

using namespace painters_test;

namespace {

class PainterDrawingTest : public PaintersTest {};

// The colour at a point.
TColor Px(TBitmap& ABitmap, int X, int Y) {
    return ColorAt(ABitmap, X, Y);
}

TEST_F(PainterDrawingTest, ButtonFramesAndFacesOfEachLook) {
    const TRect r{0, 0, 30, 20};
    struct Row {
        const char* Painter;
        TuiPainterButtonState State;
        TColor TopLeft, InnerTopLeft, BottomRight, InnerBottomRight, Face;
    } const rows[] = {
        // Standard: outer clBtnHighlight / cl3DDkShadow, inner cl3DLight / clBtnShadow, face 2 pixels in.
        {"Standard", cxbsNormal, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnShadow, clBtnFace},
        {"Standard", cxbsPressed, clBlack, clBtnShadow, clBlack, clBtnShadow, clBtnFace},
        // Flat: one raised inner edge; the default state adds a black outline.
        {"Flat", cxbsNormal, clBtnHighlight, clBtnFace, clBtnShadow, clBtnFace, clBtnFace},
        {"Flat", cxbsDefault, clBlack, clBtnHighlight, clBlack, clBtnShadow, clBtnFace},
        {"Flat", cxbsPressed, clBtnShadow, clBtnFace, clBtnHighlight, clBtnFace, clBtnFace},
        // UltraFlat: single lines; hot and pressed take the highlight frame and the blended faces.
        {"UltraFlat", cxbsNormal, clBtnText, clBtnFace, clBtnText, clBtnFace, clBtnFace},
        {"UltraFlat", cxbsHot, clHighlight, uiGetUltraFlatSelectedColor(), clHighlight,
         uiGetUltraFlatSelectedColor(), uiGetUltraFlatSelectedColor()},
        {"UltraFlat", cxbsPressed, clHighlight, uiGetUltraFlatHotColor(), clHighlight,
         uiGetUltraFlatHotColor(), uiGetUltraFlatHotColor()},
        {"UltraFlat", cxbsDisabled, clBtnShadow, clBtnFace, clBtnShadow, clBtnFace, clBtnFace},
        {"UltraFlat", cxbsDefault, clWindowFrame, clWindowFrame, clWindowFrame, clWindowFrame, clBtnFace},
    };
    for (const Row& row : rows) {
        auto bitmap = Draw(30, 20, clFuchsia,
                           [&](TuiCanvas* c) { Painter(row.Painter)->DrawButton(c, r, "", row.State); });
        SCOPED_TRACE(std::string(row.Painter) + " state " + std::to_string(row.State));
        EXPECT_EQ(Px(*bitmap, 0, 5), Rgb(row.TopLeft));
        EXPECT_EQ(Px(*bitmap, 1, 5), Rgb(row.InnerTopLeft));
        EXPECT_EQ(Px(*bitmap, 29, 5), Rgb(row.BottomRight));
        EXPECT_EQ(Px(*bitmap, 28, 5), Rgb(row.InnerBottomRight));
        EXPECT_EQ(Px(*bitmap, 15, 10), Rgb(row.Face));
    }
}

// Where a caption's pixels land, drawn with the test font.
RECT CaptionBounds(TuiCustomLookAndFeelPainter* APainter, TuiPainterButtonState AState, const TRect& R) {
    TestFontScope font;
    auto bitmap = MakeBitmap(R.right + 2, R.bottom + 2, clWhite);
    TuiCanvas canvas(bitmap->Canvas());
    UseTestFont(canvas.Font());
    APainter->DrawButton(&canvas, R, "I", AState, true, clWhite, clRed);
    return BoundsOfColor(*bitmap, clRed);
}

TEST_F(PainterDrawingTest, PressedCaptionsMoveByTheLooksShift) {
    const TRect r{0, 0, 40, 24};
    for (const char* name : {"Flat", "Standard"}) {
        const RECT normal = CaptionBounds(Painter(name), cxbsNormal, r);
        const RECT pressed = CaptionBounds(Painter(name), cxbsPressed, r);
        ASSERT_GT(normal.right, normal.left) << name;
        EXPECT_EQ(pressed.left, normal.left + 1) << name;
        EXPECT_EQ(pressed.top, normal.top + 1) << name;
    }
    const RECT normal = CaptionBounds(Painter("UltraFlat"), cxbsNormal, r);
    const RECT pressed = CaptionBounds(Painter("UltraFlat"), cxbsPressed, r);
    EXPECT_EQ(pressed.left, normal.left);
    EXPECT_EQ(pressed.top, normal.top);
}

TEST_F(PainterDrawingTest, ALowButtonCentresItsCaptionOnePixelHigher) {
    // Without a border, 0..11 high: the caption rectangle runs from -1 to 10.
    TestFontScope font;
    auto low = MakeBitmap(40, 40, clWhite);
    auto tall = MakeBitmap(40, 40, clWhite);
    TuiCanvas lowCanvas(low->Canvas()), tallCanvas(tall->Canvas());
    UseTestFont(lowCanvas.Font());
    UseTestFont(tallCanvas.Font());
    TuiCustomLookAndFeelPainter* base = Painter("");
    base->DrawButton(&lowCanvas, TRect{0, 10, 40, 21}, "I", cxbsNormal, false, clWhite, clRed);
    // The same text centred in -1..10 relative to the button top, drawn by the canvas directly.
    tallCanvas.Brush()->SetStyle(bsClear);
    tallCanvas.Font()->SetColor(clRed);
    tallCanvas.DrawText("I", TRect{0, 9, 40, 20}, 612);
    EXPECT_EQ(BoundsOfColor(*low, clRed), BoundsOfColor(*tall, clRed));
}

TEST_F(PainterDrawingTest, DropArrowAndExpandSignSizes) {
    // A 16-pixel-wide drop arrow is 9 wide and 5 high.
    auto arrow = Draw(16, 16, clWhite, [&](TuiCanvas* c) {
        Painter("")->DrawButtonDropArrow(c, TRect{0, 0, 16, 16}, clRed);
    });
    const RECT a = BoundsOfColor(*arrow, clRed);
    EXPECT_EQ(a.right - a.left, 9);
    EXPECT_EQ(a.bottom - a.top, 5);
    // An 11-pixel box: bars 7 pixels long; a minus when expanded, a plus when collapsed.
    for (int expanded = 0; expanded < 2; ++expanded) {
        auto sign = Draw(11, 11, clWhite, [&](TuiCanvas* c) {
            Painter("")->DrawExpandSign(c, TRect{0, 0, 11, 11}, expanded == 1, clRed);
        });
        const RECT s = BoundsOfColor(*sign, clRed);
        EXPECT_EQ(s.right - s.left, 7);
        EXPECT_EQ(s.bottom - s.top, expanded ? 1 : 7);
    }
}

TEST_F(PainterDrawingTest, CheckMarksFacesAndBrushes) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    const TRect r{0, 0, 13, 13};
    // Unchecked: the face only; with a clear brush nothing at all.
    auto unchecked = Draw(13, 13, clFuchsia,
                          [&](TuiCanvas* c) { base->DrawCheck(c, r, cxbsNormal, cbsUnchecked, clRed); });
    EXPECT_EQ(BoundsOfColor(*unchecked, clRed).right, 0);
    EXPECT_EQ(Px(*unchecked, 6, 6), Rgb(clWindow));
    auto clear = Draw(13, 13, clFuchsia, [&](TuiCanvas* c) {
        c->Brush()->SetStyle(bsClear);
        base->DrawCheck(c, r, cxbsNormal, cbsUnchecked, clRed);
    });
    EXPECT_EQ(BoundsOfColor(*clear, clFuchsia), (RECT{0, 0, 13, 13}));
    auto checked =
        Draw(13, 13, clFuchsia, [&](TuiCanvas* c) { base->DrawCheck(c, r, cxbsNormal, cbsChecked, clRed); });
    const RECT mark = BoundsOfColor(*checked, clRed);
    EXPECT_GT(mark.right - mark.left, 6);
    EXPECT_GE(mark.bottom - mark.top, 6);
    // Disabled check boxes and grayed ones in any state mark in clGrayText.
    for (auto [state, check] : {std::pair{cxbsDisabled, cbsChecked}, std::pair{cxbsNormal, cbsGrayed}}) {
        auto box =
            Draw(13, 13, clFuchsia, [&](TuiCanvas* c) { Painter("Flat")->DrawCheckBox(c, r, state, check); });
        EXPECT_GT(BoundsOfColor(*box, clGrayText).right, 0);
        EXPECT_EQ(BoundsOfColor(*box, clBtnText).right, 0);
    }
    EXPECT_EQ(base->CheckBoxFaceColor(cxbsNormal, cbsGrayed), clBtnFace);
    EXPECT_EQ(base->CheckBoxFaceColor(cxbsHot, cbsGrayed), clWindow);
    EXPECT_EQ(base->CheckBoxFaceColor(cxbsPressed, cbsChecked), clBtnFace);
}

TEST_F(PainterDrawingTest, ContainerBordersAndTheOnePixelRingOfTheFlatLooks) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    const TRect r{0, 0, 20, 20};
    // Single: all four sides whatever the edge set.
    auto single = Draw(20, 20, clWhite, [&](TuiCanvas* c) {
        base->DrawContainerBorder(c, r, cbsSingle, 1, clRed, TuiBorders{bLeft});
    });
    EXPECT_EQ(BoundsOfColor(*single, clRed), (RECT{0, 0, 20, 20}));
    EXPECT_EQ(Px(*single, 19, 10), Rgb(clRed));
    // Flat: the sunken edge on the given edges only.
    auto flat = Draw(20, 20, clWhite, [&](TuiCanvas* c) {
        base->DrawContainerBorder(c, r, cbsFlat, 2, clRed, TuiBorders{bLeft});
    });
    EXPECT_EQ(Px(*flat, 0, 10), Rgb(clBtnShadow));
    EXPECT_NE(Px(*flat, 10, 0), Rgb(clBtnShadow));
    // Flat and 3D on every edge are sunken: dark above and left, light below and right, so their light
    // edges are the right and bottom ones; 3D adds the dark inner ring of a sunken inner edge.
    struct SunkenRow {
        TuiContainerBorderStyle Style;
        TColor OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
    } const sunken[] = {
        {cbsFlat, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace},
        {cbs3D, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    };
    for (const SunkenRow& row : sunken) {
        SCOPED_TRACE(row.Style);
        auto edge = Draw(20, 20, clFuchsia, [&](TuiCanvas* c) {
            base->DrawContainerBorder(c, r, row.Style, 2, clRed, uiBordersAll);
        });
        EXPECT_EQ(Px(*edge, 0, 10), Rgb(row.OuterTopLeft));
        EXPECT_EQ(Px(*edge, 10, 0), Rgb(row.OuterTopLeft));
        EXPECT_EQ(Px(*edge, 19, 10), Rgb(row.OuterBottomRight));
        EXPECT_EQ(Px(*edge, 10, 19), Rgb(row.OuterBottomRight));
        EXPECT_EQ(Px(*edge, 1, 10), Rgb(row.InnerTopLeft));
        EXPECT_EQ(Px(*edge, 10, 1), Rgb(row.InnerTopLeft));
        EXPECT_EQ(Px(*edge, 18, 10), Rgb(row.InnerBottomRight));
        EXPECT_EQ(Px(*edge, 10, 18), Rgb(row.InnerBottomRight));
    }
    // UltraFlat and Office11 have a one-pixel border: it is painted in the given colour.
    for (auto style : {cbsUltraFlat, cbsOffice11}) {
        auto ring = Draw(20, 20, clWhite, [&](TuiCanvas* c) {
            base->DrawContainerBorder(c, r, style, 1, clRed, uiBordersAll);
        });
        EXPECT_EQ(Px(*ring, 0, 0), Rgb(clRed));
        EXPECT_EQ(Px(*ring, 19, 19), Rgb(clRed));
        EXPECT_EQ(Px(*ring, 1, 1), Rgb(clWhite));
    }
}

TEST_F(PainterDrawingTest, ScrollBarPartsDisabledThumbAndHotFaces) {
    const TRect r{0, 0, 17, 17};
    for (const char* name : {"Flat", "Standard", "UltraFlat"}) {
        TuiCustomLookAndFeelPainter* p = Painter(name);
        auto thumb = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
            p->DrawScrollBarElement(c, false, r, sbpThumbnail, cxbsDisabled);
        });
        EXPECT_EQ(BoundsOfColor(*thumb, clFuchsia), (RECT{0, 0, 17, 17})) << name;
        // The page area is the checker pattern; pressed, the dark one.
        auto page = Draw(17, 17, clFuchsia,
                         [&](TuiCanvas* c) { p->DrawScrollBarElement(c, false, r, sbpPageUp, cxbsNormal); });
        EXPECT_EQ(Px(*page, 0, 0), Rgb(clBtnFace)) << name;
        EXPECT_EQ(Px(*page, 1, 0), Rgb(clBtnHighlight)) << name;
        auto pressed = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
            p->DrawScrollBarElement(c, false, r, sbpPageDown, cxbsPressed);
        });
        EXPECT_EQ(Px(*pressed, 0, 0), Rgb(clBlack)) << name;
        EXPECT_EQ(Px(*pressed, 1, 0), Rgb(cl3DDkShadow)) << name;
        // Hot buttons and thumbs look hot only in UltraFlat.
        auto hot = Draw(17, 17, clFuchsia,
                        [&](TuiCanvas* c) { p->DrawScrollBarElement(c, false, r, sbpThumbnail, cxbsHot); });
        auto normal = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
            p->DrawScrollBarElement(c, false, r, sbpThumbnail, cxbsNormal);
        });
        const bool same = Px(*hot, 8, 8) == Px(*normal, 8, 8) && Px(*hot, 0, 8) == Px(*normal, 0, 8);
        EXPECT_EQ(same, std::string(name) != "UltraFlat") << name;
    }
    // UltraFlat draws its arrows in the whole button: the arrow sits where ComputeArrowPoints puts it.
    auto button = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
        Painter("UltraFlat")->DrawScrollBarElement(c, false, r, sbpLineUp, cxbsNormal);
    });
    TuiArrowPoints points;
    TuiCustomLookAndFeelPainter::ComputeArrowPoints(r, points, adUp, true);
    EXPECT_EQ(Px(*button, points.P[1].x, points.P[1].y), Rgb(clBtnText));
    // Standard: a pressed button is flat with its arrow one pixel right and down; the thumb stays raised.
    auto up = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
        Painter("Standard")->DrawScrollBarElement(c, false, r, sbpLineUp, cxbsNormal);
    });
    auto down = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
        Painter("Standard")->DrawScrollBarElement(c, false, r, sbpLineUp, cxbsPressed);
    });
    EXPECT_EQ(Px(*down, 0, 8), Rgb(clBtnShadow));
    EXPECT_EQ(Px(*down, 16, 8), Rgb(clBtnShadow));
    EXPECT_EQ(Px(*up, 16, 8), Rgb(cl3DDkShadow));
    const RECT upArrow = BoundsOfColor(*up, clBtnText), downArrow = BoundsOfColor(*down, clBtnText);
    EXPECT_EQ(downArrow.left, upArrow.left + 1);
    EXPECT_EQ(downArrow.top, upArrow.top + 1);
    auto thumb = Draw(17, 17, clFuchsia, [&](TuiCanvas* c) {
        Painter("Standard")->DrawScrollBarElement(c, false, r, sbpThumbnail, cxbsPressed);
    });
    EXPECT_EQ(Px(*thumb, 16, 8), Rgb(cl3DDkShadow));
}

TEST_F(PainterDrawingTest, SizeGripsPointIntoTheirCornerAndKeepTheBackground) {
    // The ridges of the bottom-right grip lie below its anti-diagonal; each corner mirrors that.
    const int s = 16;
    for (int corner = 0; corner < 4; ++corner) {
        auto grip = Draw(s, s, clYellow, [&](TuiCanvas* c) {
            Painter("")->DrawSizeGripRegion(c, TRect{0, 0, s, s}, clNone, static_cast<TuiCorner>(corner));
        });
        const bool right = corner == coTopRight || corner == coBottomRight;
        const bool bottom = corner == coBottomLeft || corner == coBottomRight;
        const RECT ridges = BoundsOfColor(*grip, clBtnShadow);
        ASSERT_GT(ridges.right, 0) << corner;
        // The grip's ridges touch the corner's two sides; the opposite corner keeps the background.
        EXPECT_EQ(right ? ridges.right : ridges.left, right ? s : 0) << corner;
        EXPECT_EQ(bottom ? ridges.bottom : ridges.top, bottom ? s : 0) << corner;
        EXPECT_EQ(Px(*grip, right ? 0 : s - 1, bottom ? 0 : s - 1), Rgb(clYellow)) << corner;
    }
    auto face = Draw(s, s, clYellow, [&](TuiCanvas* c) {
        Painter("")->DrawSizeGripRegion(c, TRect{0, 0, s, s}, clBtnFace, coBottomRight);
    });
    EXPECT_EQ(Px(*face, 0, 0), Rgb(clBtnFace));
}

// No reference of the test's own: the registered Office11 painter must hold the palette it draws with.
TEST_F(PainterDrawingTest, TheOffice11SizingPanelShowsGripDotsInThePaletteColoursInEveryCorner) {
    TuiCustomLookAndFeelPainter* office11 = Painter("Office11");
    const TColor dark = Rgb(Office11GripColor1), light = Rgb(Office11GripColor2);
    ASSERT_NE(dark, light);
    for (int corner = 0; corner < 4; ++corner) {
        SCOPED_TRACE(corner);
        const auto k = static_cast<TuiCorner>(corner);
        const TuiBorders panelBorders = corner < 2 ? TuiBorders{bBottom} : TuiBorders{bTop};
        TRect client{0, 0, 120, 60}, panel, grip, close;
        office11->ComputePopupPanelClientBounds(client, panel, grip, close, k, TRect{}, panelBorders, 0,
                                                false, true);
        auto bitmap = Draw(120, 60, clFuchsia, [&](TuiCanvas* c) {
            office11->DrawPopupPanel(c, panel, grip, close, k, cxbsNormal, panelBorders, clBtnShadow, true,
                                     false);
        });
        // Six dark 2 x 2 dots, each with its light square, in an 11 x 11 triangle in the corner: flush with
        // the grip's top or bottom side, one pixel in from its left or right side (the dots' 12-pixel pitch).
        int dots = 0;
        for (int y = grip.top; y + 1 < grip.bottom; ++y)
            for (int x = grip.left; x + 1 < grip.right; ++x)
                dots += Px(*bitmap, x, y) == dark && Px(*bitmap, x + 1, y) == dark &&
                        Px(*bitmap, x, y + 1) == dark && Px(*bitmap, x + 1, y + 1) == dark;
        EXPECT_EQ(dots, 6);
        const RECT darks = BoundsOfColor(*bitmap, dark), lights = BoundsOfColor(*bitmap, light);
        const TRect dotted{std::min(darks.left, lights.left), std::min(darks.top, lights.top),
                           std::max(darks.right, lights.right), std::max(darks.bottom, lights.bottom)};
        const bool right = k == coTopRight || k == coBottomRight;
        const bool bottom = k == coBottomLeft || k == coBottomRight;
        EXPECT_EQ(dotted.right - dotted.left, 11);
        EXPECT_EQ(dotted.bottom - dotted.top, 11);
        EXPECT_EQ(right ? dotted.right : dotted.left, right ? grip.right - 1 : grip.left + 1);
        EXPECT_EQ(bottom ? dotted.bottom : dotted.top, bottom ? grip.bottom : grip.top);
        // The corner of the grip opposite its dots keeps the panel's face.
        EXPECT_EQ(Px(*bitmap, right ? grip.left : grip.right - 1, bottom ? grip.top : grip.bottom - 1),
                  Rgb(clBtnFace));
    }
}

TEST_F(PainterDrawingTest, ScreenTipBackgroundAndFooterLine) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    auto tip = Draw(40, 30, clFuchsia, [&](TuiCanvas* c) {
        base->ScreenTipDrawBackground(c, TRect{0, 0, 40, 30});
    });
    EXPECT_EQ(Px(*tip, 20, 0), Rgb(clWindowFrame));
    EXPECT_EQ(Px(*tip, 20, 29), Rgb(clWindowFrame));
    EXPECT_EQ(Px(*tip, 20, 15), Rgb(clInfoBk));
    auto line = Draw(40, 6, clFuchsia, [&](TuiCanvas* c) {
        base->ScreenTipDrawFooterLine(c, TRect{0, 2, 40, 5});
    });
    EXPECT_EQ(Px(*line, 10, 2), Rgb(clWindowFrame));
    EXPECT_EQ(Px(*line, 10, 3), Rgb(clWhite));
    EXPECT_EQ(Px(*line, 10, 4), Rgb(clFuchsia));
    EXPECT_EQ(base->ScreenTipGetFooterLineSize(), 3);
    auto fill = Draw(10, 10, clFuchsia, [&](TuiCanvas* c) {
        base->ScreenTipDrawBackgroundFill(c, TRect{0, 0, 10, 10}, clRed);
    });
    EXPECT_EQ(Px(*fill, 5, 5), Rgb(clRed));
}

TEST_F(PainterDrawingTest, CloseCrossesAreTwoPixelsThickAndSevenWide) {
    for (const char* name : {"", "UltraFlat"}) {
        TuiCustomLookAndFeelPainter* p = Painter(name);
        auto cross = Draw(16, 16, clWhite, [&](TuiCanvas* c) {
            p->DrawCloseCross(c, TRect{0, 0, 16, 16}, clRed, cxbsNormal);
        });
        const RECT b = BoundsOfColor(*cross, clRed);
        EXPECT_EQ(b.bottom - b.top, 7) << name;
        EXPECT_EQ(b.right - b.left, 8) << name; // 7 and the second pass one pixel to the right
        auto pressed = Draw(16, 16, clWhite, [&](TuiCanvas* c) {
            p->DrawCloseCross(c, TRect{0, 0, 16, 16}, clRed, cxbsPressed);
        });
        EXPECT_EQ(BoundsOfColor(*pressed, clRed).left, b.left + 1) << name;
    }
    // Disabled UltraFlat clear buttons: the normal glyph state (not moved), the shadow colour.
    TuiCustomLookAndFeelPainter* ultra = Painter("UltraFlat");
    EXPECT_EQ(ultra->ButtonGlyphState(cxbsPressed), cxbsNormal);
    auto disabled = Draw(16, 15, clWhite, [&](TuiCanvas* c) {
        ultra->DrawFilterClearButton(c, TRect{0, 0, 16, 15}, cxbsDisabled);
    });
    EXPECT_GT(BoundsOfColor(*disabled, clBtnShadow).right, 0);
}

TEST_F(PainterDrawingTest, HeadersAndTheirBackgroundCallback) {
    TuiCustomLookAndFeelPainter* flat = Painter("Flat");
    const TRect r{0, 0, 40, 18};
    auto plain = Draw(40, 18, clFuchsia, [&](TuiCanvas* c) {
        flat->DrawHeader(c, r, r, {}, uiBordersAll, cxbsNormal, taLeftJustify, taVerticalCenter, false, false,
                         "", nullptr, clBlack, clRed);
    });
    EXPECT_EQ(Px(*plain, 20, 9), Rgb(clRed));
    EXPECT_EQ(Px(*plain, 20, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(*plain, 20, 17), Rgb(clBtnShadow));
    int calls = 0;
    auto custom = Draw(40, 18, clFuchsia, [&](TuiCanvas* c) {
        flat->DrawHeader(c, r, r, {}, uiBordersAll, cxbsNormal, taLeftJustify, taVerticalCenter, false, false,
                         "", nullptr, clBlack, clRed, [&](TuiCanvas*, const TRect& ABounds) {
                             ++calls;
                             EXPECT_EQ(ABounds, (TRect{1, 1, 39, 17}));
                             return true;
                         });
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Px(*custom, 20, 9), Rgb(clFuchsia));
    // UltraFlat rows: a cell with a left neighbour draws no left line of its own.
    TuiCustomLookAndFeelPainter* ultra = Painter("UltraFlat");
    auto row = Draw(60, 18, clWhite, [&](TuiCanvas* c) {
        for (int i = 0; i < 2; ++i) {
            const TRect cell{i * 30, 0, (i + 1) * 30, 18};
            const TuiNeighbors n = i == 0 ? TuiNeighbors{nRight} : TuiNeighbors{nLeft};
            ultra->DrawHeaderFrame(c, cell, n, ultra->HeaderBorderSides(n));
        }
    });
    EXPECT_EQ(Px(*row, 0, 9), Rgb(clBtnText));
    EXPECT_EQ(Px(*row, 29, 9), Rgb(clBtnText));
    EXPECT_EQ(Px(*row, 30, 9), Rgb(clWhite));
}

TEST_F(PainterDrawingTest, SmallPartsOfTheBaseRules) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    // The customize mark's first row in a 12-pixel-high rectangle is its top + 1.
    auto mark = Draw(14, 12, clWhite, [&](TuiCanvas* c) {
        base->DrawIndicatorCustomizeMark(c, TRect{0, 0, 14, 12}, clRed);
    });
    EXPECT_EQ(BoundsOfColor(*mark, clRed).top, 1);
    // Edge kind 7 in a 20 x 10 rectangle: a two-pixel vertical pair at x 9 and 10.
    auto edge = Draw(20, 10, clWhite, [&](TuiCanvas* c) {
        base->DrawEdgeByKind(c, TRect{0, 0, 20, 10}, 7, 0);
    });
    EXPECT_EQ(Px(*edge, 9, 5), Rgb(clBtnShadow));
    EXPECT_EQ(Px(*edge, 10, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(Px(*edge, 8, 5), Rgb(clWhite));
    // The navigation arrow of a 7-pixel-high rectangle: 4 bar pairs, the last two meeting at the middle.
    auto arrow = Draw(12, 7, clWhite, [&](TuiCanvas* c) {
        base->DrawSchedulerNavButtonArrow(c, TRect{0, 0, 12, 7}, true, clRed);
    });
    EXPECT_EQ(Px(*arrow, 3, 3), Rgb(clRed));
    EXPECT_EQ(Px(*arrow, 4, 3), Rgb(clRed));
    EXPECT_EQ(Px(*arrow, 0, 0), Rgb(clRed));
    EXPECT_EQ(Px(*arrow, 0, 6), Rgb(clRed));
    EXPECT_EQ(Px(*arrow, 5, 3), Rgb(clWhite));
    // A horizontal splitter: two grip lines in the base, one in UltraFlat.
    auto two = Draw(100, 6, clWhite, [&](TuiCanvas* c) {
        base->DrawSplitterBar(c, TRect{0, 0, 100, 6}, false, 0, true);
    });
    auto one = Draw(100, 6, clFuchsia, [&](TuiCanvas* c) {
        Painter("UltraFlat")->DrawSplitterBar(c, TRect{0, 0, 100, 6}, false, 0, true);
    });
    EXPECT_EQ(BoundsOfColor(*two, clBtnShadow).bottom - BoundsOfColor(*two, clBtnShadow).top, 1);
    EXPECT_GT(BoundsOfColor(*two, clWhite).right, 0);
    EXPECT_EQ(BoundsOfColor(*one, clBtnShadow).bottom - BoundsOfColor(*one, clBtnShadow).top, 1);
    EXPECT_EQ(BoundsOfColor(*one, clWhite).right, 0);
    // The back button's hot row is the image's second quarter.
    EXPECT_EQ(base->BackButtonSize(), (TSize{24, 24}));
    auto normal = Draw(24, 24, clWhite, [&](TuiCanvas* c) {
        base->DrawBackButton(c, TRect{0, 0, 24, 24}, cxbsNormal);
    });
    auto hot = Draw(24, 24, clWhite, [&](TuiCanvas* c) {
        base->DrawBackButton(c, TRect{0, 0, 24, 24}, cxbsHot);
    });
    EXPECT_NE(Px(*normal, 12, 3), Px(*hot, 12, 3));
    // The clock at 3:00:00: the hour hand points right, the minute hand up.
    auto clock = Draw(130, 130, clWhite, [&](TuiCanvas* c) {
        base->DrawClockFace(c, TRect{0, 0, 130, 130}, 3 / 24.0, clWhite);
    });
    EXPECT_EQ(Px(*clock, 100, 65), Rgb(TColor(0x808000)));
    EXPECT_EQ(Px(*clock, 64, 45), Rgb(TColor(0x808000))); // beside the second hand, which points up too
    EXPECT_EQ(Px(*clock, 30, 65), Rgb(clWhite));
}

} // namespace

namespace {

// A popup whose non-client area is a one-pixel border and a 21-pixel sizing panel at the bottom.
LRESULT PanelPopupProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg == WM_NCCALCSIZE) {
        RECT* r = AWParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0]
                               : reinterpret_cast<RECT*>(ALParam);
        r->left += 1;
        r->top += 1;
        r->right -= 1;
        r->bottom -= 1 + 21;
        return 0;
    }
    return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
}

TEST_F(PainterDrawingTest, ThePopupSizingPanelInTheNonClientArea) {
    WNDCLASS wc;
    wc.lpfnWndProc = &PanelPopupProc;
    wc.lpszClassName = "PanelPopup";
    ASSERT_NE(RegisterClass(&wc), 0);
    HWND popup = CreateWindowEx(0, "PanelPopup", "", WS_POPUP | WS_VISIBLE, 100, 50, 200, 100, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(popup, nullptr);
    TuiCustomLookAndFeelPainter* ultra = Painter("UltraFlat");
    // Grip and close button in screen coordinates, as the popup computes them.
    TRect client{0, 0, 200, 100}, panel, grip, close;
    ultra->ComputePopupPanelClientBounds(client, panel, grip, close, coBottomRight, TRect{1, 1, 1, 1},
                                         TuiBorders{bTop}, 0, true, true);
    ultra->DrawPopupNCPanel(popup, true, false, coBottomRight, uiShiftRect(close, 100, 50),
                            uiShiftRect(grip, 100, 50), clRed);
    auto image = olva::win::WindowImage(popup);
    ASSERT_TRUE(image);
    auto at = [&](int X, int Y) { return static_cast<TColor>(PixelToColorRef(image->Pixel(X, Y))); };
    EXPECT_EQ(at(0, 50), Rgb(clRed)); // the border
    EXPECT_EQ(at(199, 99), Rgb(clRed));
    EXPECT_EQ(at(100, 78), Rgb(clRed));     // the separator line above the panel
    EXPECT_EQ(at(100, 90), Rgb(clBtnFace)); // the panel's face
    // The close button is hot (the mouse over it, not pressed): highlight frame, blended face.
    EXPECT_EQ(at(close.left, close.top + 5), Rgb(clHighlight));
    EXPECT_EQ(at(close.left + 2, close.top + 2), uiGetUltraFlatSelectedColor());
    // The grip's ridges lie in its bottom-right corner.
    EXPECT_EQ(at(grip.right - 1, grip.bottom - 1), Rgb(clBtnFace));
    bool ridge = false;
    for (int x = grip.left; x < grip.right; ++x)
        ridge |= at(x, grip.bottom - 2) == Rgb(clBtnShadow);
    EXPECT_TRUE(ridge);
    DestroyWindow(popup);
}

TEST_F(PainterDrawingTest, TheStandardLookBorrowsTheFlatGroupExpandButton) {
    const TRect r{0, 0, 15, 15};
    auto standard = Draw(15, 15, clFuchsia, [&](TuiCanvas* c) {
        Painter("Standard")->DrawGroupExpander(c, r, true, cxbsNormal);
    });
    auto flat = Draw(15, 15, clFuchsia,
                     [&](TuiCanvas* c) { Painter("Flat")->DrawGroupExpander(c, r, true, cxbsNormal); });
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x)
            ASSERT_EQ(ColorAt(*standard, x, y), ColorAt(*flat, x, y)) << x << "," << y;
    // The Flat frame: one raised edge, so the second ring is face, not the Standard's cl3DLight.
    EXPECT_EQ(ColorAt(*standard, 1, 7), Rgb(clBtnFace));
}

} // namespace

namespace {

class GlowingCaptions : public TuiCustomLookAndFeelPainter {
public:
    TColor CaptionGlowColor(bool AGlow) override { return AGlow ? clRed : clYellow; }
};

TEST_F(PainterDrawingTest, CaptionTextPlainInvertedAndGlowing) {
    TestFontScope font;
    const TRect bounds{0, 0, 60, 20}, text{4, 2, 56, 18};
    auto draw = [&](TuiCustomLookAndFeelPainter* APainter, bool APlain, TColor ABackground) {
        return Draw(60, 20, ABackground, [&](TuiCanvas* c) {
            UseTestFont(c->Font());
            APainter->DrawCaptionText(c, false, APlain, "Caption", text, 0, bounds, clBlue);
        });
    };
    // Plain: the given colour.
    auto plain = draw(Painter(""), true, clWhite);
    EXPECT_GT(BoundsOfColor(*plain, clBlue).right, 0);
    // Without a glow colour the text is inverted into the background: white on black.
    auto inverted = draw(Painter(""), false, clBlack);
    const RECT white = BoundsOfColor(*inverted, clWhite);
    EXPECT_GE(white.left, text.left);
    EXPECT_GT(white.right, white.left);
    // A look with glow colours writes the text in the inner glow colour.
    GlowingCaptions glowing;
    auto glow = draw(&glowing, false, clWhite);
    EXPECT_GT(BoundsOfColor(*glow, clRed).right, 0);
    EXPECT_EQ(BoundsOfColor(*glow, clBlue).right, 0);
}

} // namespace

namespace {

TEST_F(PainterDrawingTest, BorderFramesOfEachLook) {
    struct Row {
        const char* Painter;
        TColor Outer, Inner, OuterFar, InnerFar;
    } const rows[] = {
        {"", clFuchsia, clFuchsia, clFuchsia, clFuchsia},
        {"Flat", clBtnShadow, clFuchsia, clBtnHighlight, clFuchsia},
        {"Standard", clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight},
        {"UltraFlat", clBtnShadow, clFuchsia, clBtnShadow, clFuchsia},
    };
    for (const Row& row : rows) {
        auto frame = Draw(20, 20, clFuchsia, [&](TuiCanvas* c) {
            Painter(row.Painter)->DrawBorderFrame(c, TRect{0, 0, 20, 20});
        });
        SCOPED_TRACE(row.Painter);
        EXPECT_EQ(ColorAt(*frame, 0, 10), Rgb(row.Outer));
        EXPECT_EQ(ColorAt(*frame, 1, 10), Rgb(row.Inner));
        EXPECT_EQ(ColorAt(*frame, 19, 10), Rgb(row.OuterFar));
        EXPECT_EQ(ColorAt(*frame, 18, 10), Rgb(row.InnerFar));
        EXPECT_EQ(Painter(row.Painter)->BorderThickness(),
                  row.Inner == clFuchsia ? (row.Outer == clFuchsia ? 0 : 1) : 2);
    }
}

} // namespace
