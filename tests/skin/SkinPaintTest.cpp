// The glyph, text and mark painters: the layout table, the focus frame's parity, the marks' pixels,
// painting the parent's background under a control, and when layered windows may be used.
#include "SkinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/GraphicControl.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "skin/draw/GlyphLayout.h"
#include "skin/draw/LayeredWindowSupport.h"
#include "skin/draw/ParentBackground.h"
#include "skin/draw/SkinMarks.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace skin_paint_test {
using namespace skintest;

TEST(SkinPaintTest, GlyphAndTextLayoutTable) {
    struct Case {
        TskButtonLayout Layout;
        int Margin, Spacing, GlyphW;
        int GX, GY, TX, TY;
    } cases[] = {
        // R = (10, 20, 110, 60): centre (60, 40); glyph 16 x 12 (or none), text 30 x 10.
        {blGlyphLeft, -1, 4, 16, 35, 34, 55, 35}, {blGlyphRight, -1, 4, 16, 69, 34, 35, 35},
        {blGlyphTop, -1, 4, 16, 52, 27, 45, 43},  {blGlyphBottom, -1, 4, 16, 52, 41, 45, 27},
        {blGlyphLeft, 5, 4, 16, 15, 34, 35, 35},  {blGlyphRight, 5, 4, 16, 89, 34, 55, 35},
        {blGlyphTop, 5, 4, 16, 52, 25, 45, 41},   {blGlyphBottom, 5, 4, 16, 52, 43, 45, 29},
        {blGlyphLeft, -1, 4, 0, 45, 34, 45, 35},  {blGlyphLeft, 3, 9, 0, 13, 34, 13, 35},
    };
    for (const Case& c : cases) {
        int gx = 0, gy = 0, tx = 0, ty = 0;
        CalcGlyphTextLayout(c.Layout, TRect{10, 20, 110, 60}, c.GlyphW, 12, 30, 10, c.Margin, c.Spacing, gx,
                            gy, tx, ty);
        EXPECT_EQ((std::pair{gx, gy}), (std::pair{c.GX, c.GY}))
            << c.Layout << " " << c.Margin << " " << c.GlyphW;
        EXPECT_EQ((std::pair{tx, ty}), (std::pair{c.TX, c.TY}))
            << c.Layout << " " << c.Margin << " " << c.GlyphW;
    }
}

// The pixels of a bitmap that differ from white.
std::set<std::pair<int, int>> Marked(TBitmap& Bitmap) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < Bitmap.Height(); ++y)
        for (int x = 0; x < Bitmap.Width(); ++x)
            if (PixelOf(Bitmap, x, y) != 0xFFFFFF) out.insert({x, y});
    return out;
}

std::unique_ptr<TBitmap> White(int w, int h) {
    return MakeBitmap(w, h, [](int, int) { return 0xFFFFFFu; });
}

TEST(SkinPaintTest, FocusFrameParityAndCorners) {
    for (const auto& [w, h, firstSet] :
         {std::tuple{11, 11, false}, {10, 11, true}, {11, 10, true}, {6, 4, true}}) {
        auto bitmap = White(14, 14);
        bitmap->Canvas()->Font()->SetColor(clRed);
        DrawSkinFocusRect(bitmap->Canvas(), TRect{1, 1, 1 + w, 1 + h});
        const auto marked = Marked(*bitmap);
        EXPECT_EQ(marked.count({1, 1}) == 1, firstSet) << w << "x" << h;
        for (const auto& [x, y] : marked) {
            EXPECT_TRUE(x == 1 || y == 1 || x == w || y == h) << x << "," << y; // only the frame
            EXPECT_EQ(PixelOf(*bitmap, x, y), 0x0000FFu);
        }
        // Neighbours along an edge alternate.
        for (int x = 1; x < w; ++x)
            EXPECT_NE(marked.count({x, 1}), marked.count({x + 1, 1})) << w << " " << x;
        for (int y = 1; y < h; ++y)
            EXPECT_NE(marked.count({w, y}), marked.count({w, y + 1})) << h << " " << y;
    }
}

TEST(SkinPaintTest, ArrowsAndMarksHaveTheirPixelMaps) {
    auto pixels = [](const std::function<void(TCanvas*)>& Draw) {
        auto bitmap = White(20, 20);
        Draw(bitmap->Canvas());
        return Marked(*bitmap);
    };
    const TRect r{0, 0, 20, 20}; // centre (10, 10)
    // Left: columns 8..11 with 1, 3, 5, 7 pixels.
    const auto left = pixels([&](TCanvas* c) { DrawSkinArrow(c, r, clBlack, 1); });
    EXPECT_EQ(left.size(), 16u);
    EXPECT_TRUE(left.count({8, 10}) && !left.count({8, 9}) && left.count({11, 7}) && left.count({11, 13}));
    const auto right = pixels([&](TCanvas* c) { DrawSkinArrow(c, r, clBlack, 2); });
    EXPECT_EQ(right.size(), 16u);
    EXPECT_TRUE(right.count({12, 10}) && !right.count({12, 9}) && right.count({9, 7}) &&
                right.count({9, 13}));
    const auto up = pixels([&](TCanvas* c) { DrawSkinArrow(c, r, clBlack, 3); });
    EXPECT_TRUE(up.count({10, 8}) && !up.count({9, 8}) && up.count({7, 11}) && up.count({13, 11}));
    EXPECT_EQ(up.size(), 16u);
    const auto down = pixels([&](TCanvas* c) { DrawSkinArrow(c, r, clBlack, 4); });
    EXPECT_TRUE(down.count({10, 12}) && !down.count({9, 12}) && down.count({7, 9}) && down.count({13, 9}));
    const auto plus = pixels([&](TCanvas* c) { DrawSkinArrow(c, r, clBlack, 5); });
    EXPECT_EQ(plus.size(), 2u * 8 + 2u * 8 - 4);
    EXPECT_TRUE(plus.count({6, 9}) && plus.count({13, 10}) && !plus.count({14, 10}) && plus.count({9, 6}));
    EXPECT_TRUE(plus.count({10, 13}) && !plus.count({10, 14}));
    const auto check = pixels([&](TCanvas* c) { DrawCheckMark(c, 4, 4, clBlack); });
    // Three strokes: from (4, 9 - i) down to (6, 11 - i) and up to (11, 6 - i), the end excluded.
    for (int i = 0; i <= 2; ++i) {
        EXPECT_TRUE(check.count({4, 9 - i})) << i;
        EXPECT_TRUE(check.count({6, 11 - i})) << i;
        EXPECT_TRUE(check.count({10, 7 - i})) << i;
        EXPECT_FALSE(check.count({11, 6 - i})) << i;
    }
    EXPECT_FALSE(check.count({4, 10}));
    const auto dot = pixels([&](TCanvas* c) { DrawRadioDot(c, 3, 5, clBlack); });
    EXPECT_EQ(dot.size(), 36u);
    EXPECT_TRUE(dot.count({3, 5}) && dot.count({8, 10}) && !dot.count({9, 10}));
}

TEST(SkinPaintTest, SheetOfArrowsAndMarks) {
    auto bitmap = White(8 * 24, 30);
    TCanvas* canvas = bitmap->Canvas();
    for (int kind = 1; kind <= 5; ++kind)
        DrawSkinArrow(canvas, TRect{(kind - 1) * 24, 3, kind * 24, 27}, clNavy, kind);
    DrawCheckMark(canvas, 5 * 24 + 8, 11, clBlack);
    DrawRadioDot(canvas, 6 * 24 + 9, 12, clMaroon);
    canvas->Font()->SetColor(clBlack);
    DrawSkinFocusRect(canvas, TRect{7 * 24 + 2, 4, 8 * 24 - 2, 26});
    EXPECT_TRUE(SavePng(*bitmap, "marks/arrows-and-marks.png", 4));
}

TEST(SkinPaintTest, GlyphCellsAreTransparentByTheirBottomLeftPixel) {
    // Two cells of 4 x 3: the key colour (bottom-left) magenta, cell 2 has a green centre.
    auto glyph = MakeBitmap(8, 3, [](int x, int y) {
        if (x == 5 && y == 1) return 0x00FF00u;
        if (x == 1 && y == 1) return 0xFF0000u;
        return 0xFF00FFu;
    });
    auto target = White(10, 10);
    DrawGlyphCell(target->Canvas(), 2, 2, 2, 2, glyph.get());
    EXPECT_EQ(Marked(*target), (std::set<std::pair<int, int>>{{3, 3}}));
    EXPECT_EQ(PixelOf(*target, 3, 3), 0x00FF00u);
    // No cells counts as one; an empty glyph draws nothing.
    auto whole = White(10, 10);
    DrawGlyphCell(whole->Canvas(), 0, 0, 1, 0, glyph.get());
    EXPECT_EQ(Marked(*whole).size(), 2u);
    TBitmap empty;
    DrawGlyphCell(whole->Canvas(), 0, 0, 1, 1, &empty);
}

TEST(SkinPaintTest, LayeredWindowsNeedTheVersionAndThePresenter) {
    struct Case {
        int Major, Minor;
        bool Allowed;
    } cases[] = {{4, 0, false}, {4, 90, false}, {5, 0, true}, {5, 1, true}, {5, 2, true},
                 {5, 3, false}, {6, 0, true},   {6, 1, true}, {10, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(OSVersionAllowsLayeredWindows(c.Major, c.Minor), c.Allowed);
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    EXPECT_EQ(major, 6);
    EXPECT_EQ(minor, 1);
    EXPECT_TRUE(LayeredWindowsAvailable());
    TFlatPresenter flat;
    olva::win::SetPresenter(&flat);
    EXPECT_FALSE(LayeredWindowsAvailable());
    olva::win::SetPresenter(nullptr);
}

// ---- The parent's background

// A parent that paints blue over its erased (silver) background.
class TBluePanel : public TCustomControl {
public:
    explicit TBluePanel(TComponent* AOwner) : TCustomControl(AOwner) {
        SetColor(clSilver);
        ControlStyle() += TControlStyle{csAcceptsControls};
    }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(TRect{0, 0, 20, ClientHeight()});
    }
};

// A graphic control that paints red and notes whether it was asked for a copy.
class TRedShape : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    bool CopyMarked = false;
    bool ParentMarked = false;

protected:
    void Paint() override {
        CopyMarked = ControlState().Contains(csPaintCopy);
        ParentMarked = Parent()->ControlState().Contains(csPaintCopy);
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(TRect{0, 0, Width(), Height()});
    }
};

class ParentBackgroundTest : public testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        InitializeVcl();
    }
    void TearDown() override {
        FinalizeVcl();
        olva::win::ResetWindowSystem();
    }
};

TEST_F(ParentBackgroundTest, TheParentAndTheGraphicControlsBelowArePainted) {
    TForm* form = TCustomForm::New<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* panel = new TBluePanel(form);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form);
    auto* below = new TRedShape(form);
    below->SetBounds(50, 20, 30, 30);
    below->SetParent(panel);
    auto* control = new TBluePanel(form);
    control->SetBounds(10, 15, 60, 40);
    control->SetParent(panel);
    auto* above = new TRedShape(form);
    above->SetBounds(0, 40, 30, 30);
    above->SetParent(panel);
    auto target = White(60, 40);
    PaintParentBackground(control, target->Canvas());
    SavePng(*target, "marks/parent-background.png", 3);
    EXPECT_EQ(PixelOf(*target, 5, 3), 0xFF0000u); // the parent's blue strip (its x < 20)
    EXPECT_EQ(PixelOf(*target, 15, 3), std::uint32_t(ColorToRGB(clSilver)));
    EXPECT_EQ(PixelOf(*target, 45, 10), 0x0000FFu); // the shape below, at (50 - 10, 20 - 15)
    EXPECT_EQ(PixelOf(*target, 35, 10), std::uint32_t(ColorToRGB(clSilver)));
    EXPECT_EQ(PixelOf(*target, 15, 30), std::uint32_t(ColorToRGB(clSilver))); // the shape above is left out
    EXPECT_TRUE(below->CopyMarked);
    EXPECT_TRUE(below->ParentMarked);
    EXPECT_FALSE(below->ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(panel->ControlState().Contains(csPaintCopy));
    PaintParentBackground(nullptr, target->Canvas());
    form->Free();
}

} // namespace skin_paint_test
