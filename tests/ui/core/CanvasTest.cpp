#include "GraphicsTestSupport.h"

#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Pen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ControlCanvas.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/graphics/TextFlags.h"

#include <vector>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class CanvasTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        bitmap = MakeBitmap(200, 100, clWhite);
        canvas = std::make_unique<TuiCanvas>(bitmap->Canvas());
    }
    void TearDown() override {
        canvas.reset();
        bitmap.reset();
        UiCoreTest::TearDown();
    }
    bool HasClip() {
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        const bool result = GetClipRgn(canvas->Handle(), probe) == 1;
        DeleteObject(probe);
        return result;
    }

    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TuiCanvas> canvas;
};

// ---- Text flags and text

TEST(TextFlagsTest, LibraryFlagsBecomeDrawTextFlags) {
    struct Case {
        int flags;
        UINT expected;
    };
    const std::vector<Case> cases = {
        {0x0000, DT_NOPREFIX},
        {0x0204, DT_CENTER},
        {0x0400, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
        {0x4400, DT_NOPREFIX | DT_WORDBREAK},
        {0xC400, DT_NOPREFIX | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK},
        {0x8400, DT_NOPREFIX | DT_WORDBREAK | DT_EDITCONTROL},
        {0x8000, DT_NOPREFIX},
        {0x0001 | 0x0008, DT_NOPREFIX},
        {0x0002 | 0x0010 | 0x0040, DT_NOPREFIX | DT_RIGHT | DT_BOTTOM | DT_SINGLELINE},
        {0x0020 | 0x0080 | 0x0100, DT_NOPREFIX | DT_VCENTER | DT_NOCLIP | DT_EXPANDTABS},
        {0x0800 | 0x1000 | 0x2000, DT_NOPREFIX | DT_END_ELLIPSIS | DT_CALCRECT | DT_PATH_ELLIPSIS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiTextFlagsToDrawFlags(c.flags), c.expected) << std::hex << c.flags;
}

TEST_F(CanvasTest, ShowPrefixAndEllipsisTakeTheDrawTextPathOthersTheFasterOne) {
    TestFontScope font;
    UseTestFont(canvas->Font());
    canvas->Font()->SetColor(clRed);
    // The fast path draws the ampersand as a character; DrawText takes it as a prefix.
    canvas->DrawText("&ab", TRect{0, 0, 100, 30}, uiTextSingleLine, true);
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed).right, 3 * kTestFontAdvance - 1);
    canvas->FillRect(TRect{0, 0, 200, 100}, clWhite);
    canvas->DrawText("&ab", TRect{0, 0, 100, 30}, uiTextSingleLine | uiTextShowPrefix, true);
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed).right, 2 * kTestFontAdvance - 1);
}

TEST_F(CanvasTest, DisabledRightAlignedTextEndsOnePixelFurtherLeftWithItsHighlightBelowRight) {
    TestFontScope font;
    UseTestFont(canvas->Font());
    canvas->Font()->SetColor(clBlack);
    const TRect r{10, 10, 110, 40};
    canvas->DrawText("ab", r, uiTextSingleLine | uiTextRight, true);
    const RECT enabled = BoundsOfColor(*bitmap, clBlack);
    EXPECT_EQ(enabled.right, 109); // the last box column of the last cell
    EXPECT_EQ(enabled.top, 11);

    canvas->FillRect(TRect{0, 0, 200, 100}, clMaroon);
    canvas->DrawText("ab", r, uiTextSingleLine | uiTextRight, false);
    const RECT shadow = BoundsOfColor(*bitmap, clBtnShadow);
    const RECT highlight = BoundsOfColor(*bitmap, clBtnHighlight);
    EXPECT_EQ(shadow.right, enabled.right - 1);
    EXPECT_EQ(shadow.top, enabled.top);
    EXPECT_EQ(highlight.right, enabled.right);
    EXPECT_EQ(highlight.bottom, shadow.bottom + 1);
    // The canvas keeps its font colour and brush.
    EXPECT_EQ(canvas->Font()->Color(), clBlack);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
}

TEST_F(CanvasTest, CentreAndBottomAlignmentOfTheFastPath) {
    TestFontScope font;
    UseTestFont(canvas->Font());
    canvas->Font()->SetColor(clBlack);
    struct Case {
        int flags;
        bool enabled;
        TPoint topLeft; // of the first box (in the shadow colour when disabled)
    };
    const TRect r{10, 10, 110, 50};
    const std::vector<Case> cases = {
        {uiTextCentre | uiTextVCentre, true, {(10 + 110 - 16) / 2, (10 + 50 - 16) / 2 + 1}},
        {uiTextCentre | uiTextBottom, true, {(10 + 110 - 16) / 2, 50 - 16 + 1}},
        {uiTextLeft | uiTextBottom, false, {10, 50 - 16 - 1 + 1}},
        {uiTextCentre | uiTextVCentre, false, {(10 + 110 - 16) / 2, (10 + 50 - 16) / 2 + 1}},
    };
    for (const Case& c : cases) {
        canvas->FillRect(TRect{0, 0, 200, 100}, clMaroon);
        canvas->DrawText("ab", r, uiTextSingleLine | c.flags, c.enabled);
        const RECT box = BoundsOfColor(*bitmap, c.enabled ? clBlack : clBtnShadow);
        EXPECT_EQ(box.left, c.topLeft.x) << c.flags;
        EXPECT_EQ(box.top, c.topLeft.y) << c.flags;
    }
}

TEST_F(CanvasTest, CentreTextBlockVerticallyOnTheTestFont) {
    TestFontScope font;
    UseTestFont(canvas->Font());
    struct Case {
        bool endEllipsis, enabled, wordBreak;
        TuiTextBlockPlacement placement;
        int top;
    };
    const std::vector<Case> cases = {
        {false, true, true, tbpCentre, (0 + 100 - 16) / 2},
        {false, true, true, tbpBottom, 100 - 16},
        {false, false, true, tbpBottom, 100 - 16 - 1},
        // Whole rows of "Zq": six rows of 16 in 100 pixels.
        {true, true, true, tbpCentre, (100 - 96) / 2},
        {true, false, true, tbpBottom, 100 - 96 - 1},
        {false, true, true, tbpNone, 0},
    };
    for (const Case& c : cases) {
        TRect r{0, 0, 60, 100};
        canvas->CentreTextBlockVertically(r, "abc", c.endEllipsis, false, c.enabled, false, c.wordBreak,
                                          c.placement);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(r.bottom, 100);
    }
    // Two words that only fit one per row make a block of two rows.
    TRect r{0, 0, 20, 100};
    canvas->CentreTextBlockVertically(r, "ab cd", false, false, true, false, true, tbpBottom);
    EXPECT_EQ(r.top, 100 - 32);
}

TEST_F(CanvasTest, TextExtentInRectAlignsTheMeasuredBlockInTheOldSize) {
    TestFontScope font;
    UseTestFont(canvas->Font());
    struct Case {
        TRect in;
        int flags;
        TRect out;
    };
    const std::vector<Case> cases = {
        // Two rows of 16 x 16 centred in 20 x 40.
        {{10, 20, 30, 60}, uiTextWordBreak | uiTextCentre | uiTextVCentre, {12, 24, 28, 56}},
        {{10, 20, 30, 60}, uiTextWordBreak | uiTextRight | uiTextBottom, {14, 28, 30, 60}},
        {{10, 20, 30, 60}, uiTextWordBreak, {10, 20, 26, 52}},
        // One line, wider than the rectangle, and a rectangle of no width.
        {{10, 20, 30, 60}, uiTextSingleLine, {10, 20, 50, 36}},
        {{5, 5, 5, 5}, uiTextSingleLine, {5, 5, 45, 21}},
    };
    for (const Case& c : cases) {
        TRect r = c.in;
        canvas->TextExtentInRect("ab cd", r, c.flags);
        EXPECT_EQ(r, c.out) << c.flags;
    }
}

// ---- Fills and frames

TEST_F(CanvasTest, FillRectWithNoneLeavesEverythingAndDefaultUsesTheCurrentBrush) {
    canvas->SetBrushColor(clBlue);
    canvas->FillRect(TRect{10, 10, 20, 20}, clNone);
    EXPECT_EQ(BoundsOfColor(*bitmap, clBlue), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(canvas->Brush()->Color(), clBlue);
    canvas->FillRect(TRect{10, 10, 20, 20}, clDefault);
    EXPECT_EQ(BoundsOfColor(*bitmap, clBlue), (RECT{10, 10, 20, 20}));
    canvas->FillRect(TRect{30, 10, 40, 20}, clLime);
    EXPECT_EQ(BoundsOfColor(*bitmap, clLime), (RECT{30, 10, 40, 20}));
}

TEST_F(CanvasTest, SetBrushColorMakesAClearBrushSolid) {
    canvas->Brush()->SetColor(clRed);
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBrushColor(clRed);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
}

TEST_F(CanvasTest, FrameRectWiderThanItsRectangleFillsItAndNothingElse) {
    canvas->FrameRect(TRect{10, 10, 14, 14}, clRed, 10);
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), (RECT{10, 10, 14, 14}));
    for (int y = 10; y < 14; ++y)
        for (int x = 10; x < 14; ++x)
            EXPECT_EQ(ColorAt(*bitmap, x, y), clRed);
}

TEST_F(CanvasTest, FrameRectDrawsTheChosenSidesAndCanExcludeThem) {
    canvas->FrameRect(TRect{10, 10, 30, 30}, clRed, 2, TuiBorders{bLeft, bBottom}, true);
    EXPECT_EQ(ColorAt(*bitmap, 10, 10), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 11, 20), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 12, 20), clWhite);
    EXPECT_EQ(ColorAt(*bitmap, 29, 29), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 29, 27), clWhite);
    // The frame is out of the clip: a fill over everything leaves it.
    canvas->FillRect(TRect{0, 0, 200, 100}, clBlue);
    EXPECT_EQ(ColorAt(*bitmap, 10, 10), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 29, 29), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 20, 20), clBlue);
}

TEST_F(CanvasTest, ComplexFrameCornersBelongToTheSideDrawnLater) {
    canvas->DrawComplexFrame(TRect{10, 10, 20, 20}, clRed, clBlue);
    EXPECT_EQ(ColorAt(*bitmap, 10, 10), clRed);  // left, then top: both red
    EXPECT_EQ(ColorAt(*bitmap, 19, 10), clBlue); // top, then right
    EXPECT_EQ(ColorAt(*bitmap, 10, 19), clBlue); // left, then bottom
    EXPECT_EQ(ColorAt(*bitmap, 19, 19), clBlue);
    EXPECT_EQ(ColorAt(*bitmap, 15, 10), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 15, 19), clBlue);
    EXPECT_EQ(ColorAt(*bitmap, 15, 15), clWhite);
    canvas->DrawComplexFrame(TRect{40, 10, 60, 30}, clRed, clBlue, TuiBorders{bTop}, 3);
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), (RECT{10, 10, 60, 19}));
}

TEST_F(CanvasTest, EdgesUseTheirColourPairs) {
    struct Case {
        bool sunken, outer;
        TColor leftTop, rightBottom;
    };
    const std::vector<Case> cases = {
        {false, true, cl3DLight, cl3DDkShadow},
        {false, false, clBtnHighlight, clBtnShadow},
        {true, true, clBtnShadow, clBtnHighlight},
        {true, false, cl3DDkShadow, cl3DLight},
    };
    for (const Case& c : cases) {
        canvas->FillRect(TRect{0, 0, 200, 100}, clRed);
        canvas->DrawEdge(TRect{10, 10, 30, 30}, c.sunken, c.outer);
        EXPECT_EQ(ColorAt(*bitmap, 10, 20), static_cast<TColor>(ColorToRGB(c.leftTop)));
        EXPECT_EQ(ColorAt(*bitmap, 20, 10), static_cast<TColor>(ColorToRGB(c.leftTop)));
        EXPECT_EQ(ColorAt(*bitmap, 29, 20), static_cast<TColor>(ColorToRGB(c.rightBottom)));
        EXPECT_EQ(ColorAt(*bitmap, 20, 29), static_cast<TColor>(ColorToRGB(c.rightBottom)));
        EXPECT_EQ(ColorAt(*bitmap, 20, 20), clRed);
    }
}

// A 10 x 10 tile: red left half, blue right half.
std::unique_ptr<TBitmap> HalfTile() {
    auto tile = MakeBitmap(10, 10, clRed);
    tile->Canvas()->Brush()->SetColor(clBlue);
    tile->Canvas()->FillRect(RECT{5, 0, 10, 10});
    return tile;
}

TEST_F(CanvasTest, TiledFillsCopyWholeAndPartialTilesAnchoredAtZero) {
    auto tile = HalfTile();
    canvas->FillRect(TRect{0, 0, 20, 10}, tile.get());
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(ColorAt(*bitmap, x, 5), (x % 10) < 5 ? clRed : clBlue) << x;
    EXPECT_EQ(ColorAt(*bitmap, 20, 5), clWhite);

    canvas->FillRect(TRect{0, 0, 200, 100}, clWhite);
    canvas->FillRect(TRect{5, 20, 15, 30}, tile.get());
    EXPECT_EQ(ColorAt(*bitmap, 4, 25), clWhite);
    EXPECT_EQ(BoundsOfColor(*bitmap, clBlue), (RECT{5, 20, 10, 30}));
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), (RECT{10, 20, 15, 30}));
}

TEST_F(CanvasTest, TiledFillLeftOfTheOriginStaysAnchored) {
    auto tile = HalfTile();
    canvas->SetWindowOrg(TPoint{-10, 0});
    // Logical -5..5 is device 5..15: the right half of tile -1, then the left half of tile 0.
    canvas->FillRect(TRect{-5, 0, 5, 10}, tile.get());
    canvas->SetWindowOrg(TPoint{0, 0});
    EXPECT_EQ(BoundsOfColor(*bitmap, clBlue), (RECT{5, 0, 10, 10}));
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), (RECT{10, 0, 15, 10}));
}

TEST_F(CanvasTest, TiledFillExcludesItsRectangleAndWithoutBitmapUsesTheBrush) {
    auto tile = HalfTile();
    canvas->FillRect(TRect{0, 0, 10, 10}, tile.get(), true);
    canvas->SetBrushColor(clLime);
    canvas->FillRect(TRect{20, 0, 30, 10}, nullptr, true);
    canvas->FillRect(TRect{0, 0, 200, 100}, clYellow);
    EXPECT_EQ(ColorAt(*bitmap, 2, 2), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 7, 2), clBlue);
    EXPECT_EQ(ColorAt(*bitmap, 25, 5), clLime);
    EXPECT_EQ(ColorAt(*bitmap, 15, 5), clYellow);
    // An empty rectangle excludes nothing.
    canvas->FillRect(TRect{50, 50, 50, 60}, tile.get(), true);
    canvas->FillRect(TRect{0, 0, 200, 100}, clAqua);
    EXPECT_EQ(ColorAt(*bitmap, 50, 55), clAqua);
}

TEST_F(CanvasTest, FillRectWithBordersFramesThenFillsTheInside) {
    TuiViewParams params;
    params.Color = clYellow;
    canvas->FillRectWithBorders(TRect{10, 10, 30, 30}, params, false, 2, clRed, TuiBorders{bLeft, bTop});
    EXPECT_EQ(ColorAt(*bitmap, 10, 20), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 20, 11), clRed);
    EXPECT_EQ(BoundsOfColor(*bitmap, clYellow), (RECT{12, 12, 30, 30}));
}

TEST_F(CanvasTest, InvertRectInvertsAndLeavesTheCopyModeAtSourceCopy) {
    canvas->SetCopyMode(cmSrcAnd);
    canvas->InvertRect(TRect{0, 0, 10, 10});
    EXPECT_EQ(ColorAt(*bitmap, 5, 5), clBlack);
    EXPECT_EQ(ColorAt(*bitmap, 15, 5), clWhite);
    EXPECT_EQ(canvas->CopyMode(), cmSrcCopy);
}

// ---- Saved states

TEST_F(CanvasTest, StatesNestAndAnUnmatchedRestoreDoesNothing) {
    canvas->Font()->SetColor(clRed);
    canvas->Brush()->SetColor(clBlue);
    canvas->Pen()->SetWidth(1);
    canvas->SaveState();
    canvas->Font()->SetColor(clGreen);
    canvas->Brush()->SetColor(clYellow);
    canvas->Pen()->SetWidth(3);
    EXPECT_EQ(canvas->Canvas()->LockCount(), 1);
    canvas->SaveState();
    canvas->Font()->SetColor(clNavy);
    canvas->Pen()->SetWidth(5);
    canvas->RestoreState();
    EXPECT_EQ(canvas->Font()->Color(), clGreen);
    EXPECT_EQ(canvas->Brush()->Color(), clYellow);
    EXPECT_EQ(canvas->Pen()->Width(), 3);
    canvas->RestoreState();
    EXPECT_EQ(canvas->Font()->Color(), clRed);
    EXPECT_EQ(canvas->Brush()->Color(), clBlue);
    EXPECT_EQ(canvas->Pen()->Width(), 1);
    EXPECT_EQ(canvas->Canvas()->LockCount(), 0);
    canvas->RestoreState();
    canvas->RestoreDC();
    EXPECT_EQ(canvas->Font()->Color(), clRed);
    EXPECT_EQ(canvas->Canvas()->LockCount(), 0);
}

TEST_F(CanvasTest, DCSavesNestAndBringBackTheOrigins) {
    canvas->SaveDC();
    canvas->SetWindowOrg(TPoint{3, 4});
    canvas->SaveDC();
    canvas->SetWindowOrg(TPoint{7, 8});
    canvas->SetViewportOrigin(TPoint{1, 1});
    EXPECT_EQ(canvas->GetDCOrigin(), (TPoint{-6, -7}));
    canvas->RestoreDC();
    EXPECT_EQ(canvas->GetWindowOrg(), (TPoint{3, 4}));
    EXPECT_EQ(canvas->GetViewportOrigin(), (TPoint{0, 0}));
    canvas->RestoreDC();
    EXPECT_EQ(canvas->GetWindowOrg(), (TPoint{0, 0}));
}

// ---- Clipping

TEST_F(CanvasTest, ADCWithoutClipReadsAsTheLargeRectangleBeforeTheOrigin) {
    canvas->SetWindowOrg(TPoint{5, 6});
    std::unique_ptr<TuiRegion> device(canvas->GetClipRegion(false));
    EXPECT_EQ(device->BoundsRect(), (TRect{0, 0, 30000, 30000}));
    std::unique_ptr<TuiRegion> logical(canvas->GetClipRegion(true));
    EXPECT_EQ(logical->BoundsRect(), (TRect{5, 6, 30005, 30006}));
}

TEST_F(CanvasTest, ClipStackRestoresRegionsAndNoClipAtAll) {
    EXPECT_FALSE(HasClip());
    canvas->SaveClipRegion();
    canvas->SetClipRegion(new TuiRegion(0, 0, 50, 50), roSet);
    canvas->SaveClipRegion();
    canvas->SetClipRegion(new TuiRegion(10, 10, 20, 20), roIntersect);
    canvas->FillRect(TRect{0, 0, 200, 100}, clRed);
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed), (RECT{10, 10, 20, 20}));
    canvas->RestoreClipRegion();
    canvas->FillRect(TRect{0, 0, 200, 100}, clBlue);
    EXPECT_EQ(BoundsOfColor(*bitmap, clBlue), (RECT{0, 0, 50, 50}));
    canvas->RestoreClipRegion();
    EXPECT_FALSE(HasClip());
    canvas->RestoreClipRegion(); // nothing saved: nothing happens
    EXPECT_FALSE(HasClip());
}

TEST_F(CanvasTest, ContentBeyondThirtyThousandPixelsSurvivesASaveAndRestore) {
    auto wide = MakeBitmap(30100, 1, clWhite);
    TuiCanvas wideCanvas(wide->Canvas());
    wideCanvas.SaveClipRegion();
    wideCanvas.SetClipRegion(new TuiRegion(0, 0, 10, 1), roSet);
    wideCanvas.RestoreClipRegion();
    wideCanvas.FillRect(TRect{30050, 0, 30060, 1}, clRed);
    EXPECT_EQ(ColorAt(*wide, 30055, 0), clRed);
}

TEST_F(CanvasTest, ClipArithmeticConsidersTheOrigin) {
    canvas->SetWindowOrg(TPoint{-20, 0});
    canvas->SetClipRegion(new TuiRegion(0, 0, 40, 40), roSet);
    canvas->SetClipRegion(new TuiRegion(10, 10, 20, 20), roSubtract);
    canvas->SetClipRegion(new TuiRegion(60, 0, 70, 10), roAdd);
    canvas->FillRect(TRect{-20, 0, 180, 100}, clRed);
    canvas->SetWindowOrg(TPoint{0, 0});
    EXPECT_EQ(ColorAt(*bitmap, 20, 5), clRed);
    EXPECT_EQ(ColorAt(*bitmap, 35, 15), clWhite); // logical 15, 15: subtracted
    EXPECT_EQ(ColorAt(*bitmap, 85, 5), clRed);    // logical 65, 5: added
    EXPECT_EQ(ColorAt(*bitmap, 61, 5), clWhite);
    EXPECT_EQ(ColorAt(*bitmap, 19, 5), clWhite);
    // A region kept by the caller comes back in logical coordinates.
    TuiRegion kept(0, 0, 5, 5);
    canvas->SetWindowOrg(TPoint{-20, 0});
    canvas->SetClipRegion(&kept, roSet, true, false);
    EXPECT_EQ(kept.BoundsRect(), (TRect{0, 0, 5, 5}));
}

// ---- The paint and control canvases

TEST_F(CanvasTest, PaintCanvasNestsOverDCsAndCanvasesAndIgnoresAnExtraEnd) {
    TuiPaintCanvas* paint = uiPaintCanvas();
    ASSERT_NE(paint, nullptr);
    HDC dc = bitmap->Canvas()->Handle();
    SetTextColor(dc, RGB(1, 2, 3));
    HFONT font = CreateFont(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);

    paint->BeginPaint(dc);
    EXPECT_EQ(paint->Handle(), dc);
    EXPECT_EQ(paint->Font()->Color(), static_cast<TColor>(RGB(1, 2, 3)));
    EXPECT_EQ(paint->Font()->Height(), -20);
    paint->SetWindowOrg(TPoint{5, 5});
    auto other = MakeBitmap(10, 10);
    other->Canvas()->Brush()->SetColor(clLime);
    paint->BeginPaint(other->Canvas());
    EXPECT_EQ(paint->Canvas(), other->Canvas());
    paint->SetBrushColor(clRed);
    EXPECT_EQ(paint->Depth(), 2);
    paint->EndPaint();
    EXPECT_EQ(other->Canvas()->Brush()->Color(), clLime);
    EXPECT_EQ(paint->Handle(), dc);
    paint->EndPaint();
    EXPECT_EQ(paint->Canvas(), nullptr);
    EXPECT_EQ(paint->Depth(), 0);
    paint->EndPaint();
    EXPECT_EQ(paint->Canvas(), nullptr);

    POINT origin{};
    GetWindowOrgEx(dc, &origin);
    EXPECT_EQ(origin, (POINT{0, 0}));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

TEST_F(CanvasTest, ControlCanvasSeesOriginsRelativeToWherePaintingStarted) {
    HDC dc = bitmap->Canvas()->Handle();
    SetWindowOrgEx(dc, 7, 3, nullptr);
    SetBrushOrgEx(dc, 1, 1, nullptr);
    TuiControlCanvas control(bitmap->Canvas());
    control.BeginPaint();
    EXPECT_EQ(control.GetWindowOrg(), (TPoint{0, 0}));
    POINT brush{};
    GetBrushOrgEx(dc, &brush);
    EXPECT_EQ(brush, (POINT{7, 3}));
    control.SetWindowOrg(TPoint{2, 2});
    POINT window{};
    GetWindowOrgEx(dc, &window);
    EXPECT_EQ(window, (POINT{9, 5}));
    EXPECT_EQ(control.GetWindowOrg(), (TPoint{2, 2}));
    EXPECT_EQ(control.GetDCOrigin(), (TPoint{-9, -5}));
    control.EndPaint();
    GetBrushOrgEx(dc, &brush);
    EXPECT_EQ(brush, (POINT{1, 1}));
    EXPECT_EQ(control.GetWindowOrg(), (TPoint{9, 5}));
}

// ---- Rotation

TEST(RotateBitmapTest, FourAnglesWithAndWithoutFlipOnAThreeByTwoBitmap) {
    const int w = 3, h = 2;
    struct Case {
        TuiRotationAngle angle;
        bool flip;
        int targetWidth;
        // Where source (x, y) lands.
        TPoint (*place)(int x, int y);
    };
    const std::vector<Case> cases = {
        {raNone, true, 3,
         [](int x, int y) {
             return TPoint{x, h - 1 - y};
         }},
        {raPlus90, false, 2,
         [](int x, int y) {
             return TPoint{y, w - 1 - x};
         }},
        {raPlus90, true, 2,
         [](int x, int y) {
             return TPoint{y, x};
         }},
        {raMinus90, false, 2,
         [](int x, int y) {
             return TPoint{h - 1 - y, x};
         }},
        {raMinus90, true, 2,
         [](int x, int y) {
             return TPoint{h - 1 - y, w - 1 - x};
         }},
        {ra180, false, 3,
         [](int x, int y) {
             return TPoint{w - 1 - x, h - 1 - y};
         }},
        {ra180, true, 3,
         [](int x, int y) {
             return TPoint{w - 1 - x, y};
         }},
    };
    for (const Case& c : cases) {
        TBitmap bitmap;
        bitmap.SetPixelFormat(pf32bit);
        bitmap.SetSize(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                SetPixelAt(bitmap, x, y, Bgra(10 * x + y + 1, 0, 0, 255));
        TuiCanvas::RotateBitmap(&bitmap, c.angle, c.flip);
        ASSERT_EQ(bitmap.Width(), c.targetWidth);
        ASSERT_EQ(bitmap.Height(), w * h / c.targetWidth);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const TPoint p = c.place(x, y);
                EXPECT_EQ(PixelAt(bitmap, p.x, p.y), Bgra(10 * x + y + 1, 0, 0, 255))
                    << c.angle << " " << c.flip << " from " << x << "," << y;
            }
    }
    // Angle 0 without flip changes nothing.
    TBitmap same;
    same.SetPixelFormat(pf32bit);
    same.SetSize(w, h);
    SetPixelAt(same, 0, 0, Bgra(1, 2, 3, 4));
    TuiCanvas::RotateBitmap(&same, raNone, false);
    EXPECT_EQ(PixelAt(same, 0, 0), Bgra(1, 2, 3, 4));
}

// ---- Regions

TEST_F(CanvasTest, RegionsCombineByTheFourOperations) {
    TuiRegion region(0, 0, 10, 10);
    region.CombineRect(TRect{5, 5, 15, 15}, roAdd);
    EXPECT_TRUE(PtInRegion(region.Handle(), 12, 12));
    region.CombineRect(TRect{0, 0, 3, 3}, roSubtract);
    EXPECT_FALSE(PtInRegion(region.Handle(), 1, 1));
    EXPECT_TRUE(PtInRegion(region.Handle(), 4, 4));
    region.CombineRect(TRect{4, 4, 6, 6}, roIntersect);
    EXPECT_EQ(region.BoundsRect(), (TRect{4, 4, 6, 6}));
    auto* other = new TuiRegion(20, 20, 30, 30);
    region.Combine(other, roSet, true);
    EXPECT_EQ(region.BoundsRect(), (TRect{20, 20, 30, 30}));
    region.OffsetByPoint(TPoint{-20, -10});
    EXPECT_EQ(region.BoundsRect(), (TRect{0, 10, 10, 20}));
    TuiRegion empty;
    EXPECT_TRUE(empty.IsEmpty());
    TuiRegion kept(0, 0, 2, 2);
    empty.Combine(&kept, roAdd, false);
    EXPECT_EQ(empty.BoundsRect(), (TRect{0, 0, 2, 2}));
    EXPECT_EQ(kept.BoundsRect(), (TRect{0, 0, 2, 2}));
}

TEST_F(CanvasTest, RoundCornersStartInsideAndWindowRegionsFallBackToTheBounds) {
    std::unique_ptr<TuiRegion> round(TuiRegion::CreateRoundCorners(TRect{0, 0, 20, 20}, 6, 6));
    EXPECT_FALSE(PtInRegion(round->Handle(), 0, 10));
    EXPECT_TRUE(PtInRegion(round->Handle(), 1, 10));
    EXPECT_FALSE(PtInRegion(round->Handle(), 1, 1));

    HWND window = MakeWindow(0x80000000, 100, 100);
    std::unique_ptr<TuiRegion> bounds(TuiRegion::CreateFromWindow(window));
    EXPECT_EQ(bounds->BoundsRect(), (TRect{0, 0, 50, 50}));
    SetWindowRgn(window, CreateEllipticRgn(0, 0, 50, 50), FALSE);
    std::unique_ptr<TuiRegion> shaped(TuiRegion::CreateFromWindow(window));
    EXPECT_FALSE(PtInRegion(shaped->Handle(), 1, 1));
    EXPECT_TRUE(PtInRegion(shaped->Handle(), 25, 25));
    DestroyWindow(window);
}

} // namespace
