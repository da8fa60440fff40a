// The textured skin on coded sheets: which part and cell each operation draws in each state, the form
// frame and caption, the caption buttons and their glyphs, scroll bars, the colour table, and the flat look
// it falls back to on a low-colour screen.
#include "RibbonSkinTestSupport.h"
#include "TexturedTestSkin.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"

#include <functional>

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_textured_skin_test {

class RibbonTexturedSkinTest : public RibbonSkinTest {
protected:
    void SetUp() override {
        RibbonSkinTest::SetUp();
        sheets = std::make_unique<TCodedSheets>();
        skin.AddRef();
    }
    void TearDown() override {
        skin.Release();
        sheets.reset();
        RibbonSkinTest::TearDown();
    }
    // The cell drawn in the middle of R by ADraw on a fresh canvas.
    std::optional<TCellName> Drawn(const std::function<void(HDC, const TRect&)>& ADraw,
                                   TRect R = {0, 0, 40, 40}) {
        auto canvas = MakeCanvas(60, 90, kBackground);
        ADraw(DCOf(*canvas), R);
        return CellAt(*canvas, (R.left + R.right) / 2, (R.top + R.bottom) / 2);
    }

    std::unique_ptr<TCodedSheets> sheets;
    TTexturedTestSkin skin;
};

std::optional<TCellName> Cell(int AFirstID, int ACell) {
    return TCellName{AFirstID, ACell};
}
constexpr std::nullopt_t None = std::nullopt;

TEST_F(RibbonTexturedSkinTest, TheFamilyCutsExactlyItsCataloguedCells) {
    for (const TovRibbonCutInfo& cut : kRibbonCuts)
        EXPECT_EQ((cut.Families & rf2007) != 0, skin.WasCut(cut.Cut)) << cut.Name;
}

TEST_F(RibbonTexturedSkinTest, StateStripsByState) {
    struct TCase {
        const char* What;
        std::function<void(HDC, const TRect&, int)> Draw;
        std::optional<TCellName> ByState[9];
    };
    const auto a = rcsaYellow;
    const TCase cases[] = {
        {"small button",
         [&](HDC D, const TRect& R, int S) { skin.DrawButton(D, R, S, a); },
         {None, None, Cell(10282, 0), Cell(10282, 0), Cell(10282, 1), Cell(10282, 2), Cell(10282, 2),
          Cell(10282, 3), Cell(10282, 4)}},
        {"large button",
         [&](HDC D, const TRect& R, int S) { skin.DrawLargeButton(D, R, S, a); },
         {None, None, Cell(10309, 0), Cell(10309, 0), Cell(10309, 1), Cell(10309, 2), Cell(10309, 2),
          Cell(10309, 3), Cell(10309, 4)}},
        {"large split, upper",
         [&](HDC D, const TRect& R, int S) { skin.DrawLargeButtonMainPart(D, R, S, a); },
         {None, None, Cell(10318, 0), Cell(10318, 1), Cell(10318, 2), Cell(10318, 1), Cell(10318, 3),
          Cell(10318, 4), Cell(10318, 0)}},
        {"large split, lower",
         [&](HDC D, const TRect& R, int S) { skin.DrawLargeButtonDropDown(D, R, S, a); },
         {None, None, Cell(10327, 0), Cell(10327, 1), Cell(10327, 1), Cell(10327, 2), Cell(10327, 2),
          Cell(10327, 0), Cell(10327, 3)}},
        {"collapsed group",
         [&](HDC D, const TRect& R, int S) { skin.DrawCollapsedTabGroup(D, R, S); },
         {Cell(10255, 0), Cell(10255, 0), Cell(10255, 1), Cell(10255, 3), Cell(10255, 2), Cell(10255, 0),
          Cell(10255, 0), Cell(10255, 0), Cell(10255, 0)}},
        {"collapsed group glyph",
         [&](HDC D, const TRect& R, int S) { skin.DrawCollapsedTabGroupGlyphBackground(D, R, S); },
         {Cell(10264, 0), None, Cell(10264, 1), Cell(10264, 3), Cell(10264, 2), None, None, None, None}},
        {"edit button",
         [&](HDC D, const TRect& R, int S) { skin.DrawEditButton(D, R, S, a); },
         {Cell(10273, 0), Cell(10273, 1), Cell(10273, 2), Cell(10273, 3), Cell(10273, 4), Cell(10273, 5),
          None, None, Cell(10273, 1)}},
        {"mark button",
         [&](HDC D, const TRect& R, int S) {
             skin.DrawQuickAccessToolbarMarkButton(D, R, S, true, false, false, a);
         },
         {Cell(10192, 0), Cell(10192, 3), Cell(10192, 1), Cell(10192, 1), Cell(10192, 2), Cell(10192, 2),
          None, None, Cell(10192, 1)}},
        {"drop-down arrow",
         [&](HDC D, const TRect& R, int S) { skin.DrawArrowDown(D, R, S); },
         {Cell(10210, 0), Cell(10210, 1), Cell(10210, 2), Cell(10210, 2), Cell(10210, 2), Cell(10210, 2),
          Cell(10210, 0), Cell(10210, 0), Cell(10210, 1)}},
        {"group separator",
         [&](HDC D, const TRect& R, int S) { skin.DrawButtonGroupSeparator(D, R, S); },
         {Cell(10345, 0), Cell(10345, 1), Cell(10345, 2), Cell(10345, 2), Cell(10345, 2), Cell(10345, 2),
          Cell(10345, 2), Cell(10345, 2), Cell(10345, 3)}},
        {"tab group body",
         [&](HDC D, const TRect& R, int S) { skin.DrawTabGroupBackground(D, R, false, S); },
         {Cell(10363, 0), None, Cell(10363, 1), None, None, None, None, None, None}},
        {"menu scroll area",
         [&](HDC D, const TRect& R, int S) { skin.DrawMenuScrollArea(D, R, S); },
         {Cell(10246, 0), None, Cell(10246, 0), None, Cell(10246, 1), None, None, None, None}},
        {"menu check",
         [&](HDC D, const TRect& R, int S) { skin.DrawMenuCheck(D, R, S, a); },
         {Cell(10228, 0), Cell(10228, 1), Cell(10228, 0), None, None, None, None, None, None}},
    };
    for (const TCase& c : cases)
        for (int state = 0; state < 9; ++state)
            EXPECT_EQ(c.ByState[state], Drawn([&](HDC D, const TRect& R) { c.Draw(D, R, state); }))
                << c.What << " in state " << state;
}

TEST_F(RibbonTexturedSkinTest, MenuScrollAreaTakesItsNormalStateFromTheColourSheet) {
    // The coded cells name their cut: the normal area is the colour sheet's single 4 x 12 cell, whose part
    // has the ID 10246; the hot and pressed parts are 10248 and 10250 of the common sheet.
    EXPECT_EQ(10246, skin.PartOf(TovRibbonCut::MenuScrollArea, 0)->ID());
    EXPECT_EQ(10248, skin.PartOf(TovRibbonCut::MenuScrollArea, 2)->ID());
    EXPECT_EQ(10250, skin.PartOf(TovRibbonCut::MenuScrollArea, 4)->ID());
}

TEST_F(RibbonTexturedSkinTest, SinglePartsAndCellTables) {
    struct TCase {
        const char* What;
        std::function<void(HDC, const TRect&)> Draw;
        std::optional<TCellName> Expected;
    };
    const auto a = rcsaYellow;
    const TCase cases[] = {
        {"application button hot", [&](HDC D, const TRect& R) { skin.DrawApplicationButton(D, R, 1, a); },
         Cell(10581, 1)},
        {"tab active", [&](HDC D, const TRect& R) { skin.DrawTab(D, R, 2, a); }, Cell(10043, 2)},
        {"tab focused", [&](HDC D, const TRect& R) { skin.DrawTab(D, R, 4, a); }, Cell(10043, 4)},
        {"tab scroll right hot", [&](HDC D, const TRect& R) { skin.DrawTabScrollButton(D, R, 1, 2, a); },
         Cell(10417, 1)},
        {"tab scroll left pressed", [&](HDC D, const TRect& R) { skin.DrawTabScrollButton(D, R, 0, 4, a); },
         Cell(10426, 2)},
        {"groups scroll left disabled",
         [&](HDC D, const TRect& R) { skin.DrawTabGroupsScrollButton(D, R, 0, 1, a); }, Cell(10444, 0)},
        {"groups area, toolbar below",
         [&](HDC D, const TRect& R) { skin.DrawTabGroupsArea(D, R, true, false); }, Cell(10048, 0)},
        {"groups area in a popup", [&](HDC D, const TRect& R) { skin.DrawTabGroupsArea(D, R, false, true); },
         Cell(10048, 0)},
        {"context groups area",
         [&](HDC D, const TRect& R) { skin.DrawContextTabGroupsArea(D, R, 0xFF, true, false); },
         Cell(10148, 0)},
        {"context separator 1", [&](HDC D, const TRect& R) { skin.DrawContextTabSeparator(D, R, 1); },
         Cell(10150, 1)},
        {"progress band", [&](HDC D, const TRect& R) { skin.DrawProgressSolidBand(D, R); }, Cell(10081, 0)},
        {"progress chunk", [&](HDC D, const TRect& R) { skin.DrawProgressDiscreteBand(D, R); },
         Cell(10082, 0)},
        {"progress substrate", [&](HDC D, const TRect& R) { skin.DrawProgressSubstrate(D, R); },
         Cell(10083, 0)},
        {"status panel separator", [&](HDC D, const TRect& R) { skin.DrawStatusBarPanelSeparator(D, R, a); },
         Cell(10090, 0)},
        {"status separator, plain",
         [&](HDC D, const TRect& R) { skin.DrawStatusBarPanelSeparatorEx(D, R, false, a); }, Cell(10093, 0)},
        {"status grip separator", [&](HDC D, const TRect& R) { skin.DrawStatusBarGripSeparator(D, R, a); },
         Cell(10095, 0)},
        {"status toolbar separator",
         [&](HDC D, const TRect& R) { skin.DrawStatusBarToolbarSeparator(D, R, a); }, Cell(10094, 0)},
        {"status right separator", [&](HDC D, const TRect& R) { skin.DrawStatusBarSeparatorRight(D, R, a); },
         Cell(10096, 0)},
        {"status border, kind 1 inactive, right",
         [&](HDC D, const TRect& R) { skin.DrawFormStatusBarBorder(D, R, 1, 1, false, true, a); },
         Cell(10108, 3)},
        {"status border, plain, left",
         [&](HDC D, const TRect& R) { skin.DrawFormStatusBarBorder(D, R, 0, 0, true, false, a); },
         Cell(10104, 0)},
        {"ribbon top band", [&](HDC D, const TRect& R) { skin.DrawRibbonBackgroundTopPart(D, R); },
         Cell(10054, 0)},
        {"toolbar popup", [&](HDC D, const TRect& R) { skin.DrawQuickAccessToolbarPopup(D, R); },
         Cell(10058, 0)},
        {"toolbar group button", [&](HDC D, const TRect& R) { skin.DrawQuickAccessToolbarGroupButton(D, R); },
         Cell(10052, 0)},
        {"gallery filter band", [&](HDC D, const TRect& R) { skin.DrawGalleryFilterBand(D, R); },
         Cell(10125, 0)},
        {"gallery group header", [&](HDC D, const TRect& R) { skin.DrawGalleryGroupHeaderBackground(D, R); },
         Cell(10126, 0)},
        {"gallery top band", [&](HDC D, const TRect& R) { skin.DrawDropDownGalleryTopSizingBand(D, R); },
         Cell(10120, 0)},
        {"gallery bottom band",
         [&](HDC D, const TRect& R) { skin.DrawDropDownGalleryBottomSizingBand(D, R); }, Cell(10121, 0)},
        {"button group border left", [&](HDC D, const TRect& R) { skin.DrawButtonGroupBorderLeft(D, R); },
         Cell(10084, 0)},
        {"scroll bar background",
         [&](HDC D, const TRect& R) { skin.DrawScrollBarBackground(D, R, false, a); }, Cell(10605, 0)},
        {"vertical page area pressed",
         [&](HDC D, const TRect& R) { skin.PaintScrollBarElement(D, R, false, 4, 4, a); }, Cell(10605, 2)},
        {"horizontal thumb disabled",
         [&](HDC D, const TRect& R) { skin.PaintScrollBarElement(D, R, true, 1, 3, a); }, Cell(10613, 0)},
        {"context background", [&](HDC D, const TRect& R) { skin.DrawContextBackground(D, R, 0xFF); },
         Cell(10152, 0)},
        {"context tab hot", [&](HDC D, const TRect& R) { skin.DrawContextTab(D, R, 0xFF, 1, a); },
         Cell(10143, 1)},
        {"screen tip", [&](HDC D, const TRect& R) { skin.DrawScreenTip(D, R); }, Cell(10087, 0)},
        {"key tip", [&](HDC D, const TRect& R) { skin.DrawKeyTip(D, R); }, Cell(10087, 0)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Expected, Drawn(c.Draw)) << c.What;
}

TEST_F(RibbonTexturedSkinTest, ScrollBarButtonsDrawTheirCellThenTheirGlyph) {
    auto canvas = MakeCanvas(17, 17, kBackground);
    skin.PaintScrollBarElement(DCOf(*canvas), TRect{0, 0, 17, 17}, true, 2, 1, rcsaYellow);
    EXPECT_EQ(Cell(10624, 1), CellAt(*canvas, 1, 1)) << "the hot cell around the glyph";
    EXPECT_EQ(Cell(10628, 0), CellAt(*canvas, 8, 8)) << "the glyph centred";
}

TEST_F(RibbonTexturedSkinTest, CaptionButtonsOfTheFormAndTheirGlyphs) {
    // Form button states: 0 normal, 1 hot, 2 pressed, 3 inactive, 4 inactive hot.
    struct TCase {
        int State;
        std::optional<TCellName> Background;
        int GlyphRow;
    };
    const TCase cases[] = {
        {0, None, 0}, {1, Cell(10160, 0), 1}, {2, Cell(10160, 1), 2}, {3, None, 3}, {4, Cell(10160, 2), 3}};
    for (const TCase& c : cases) {
        auto canvas = MakeCanvas(25, 25, kBackground);
        skin.DrawFormBorderIcon(DCOf(*canvas), TRect{0, 0, 25, 25}, 3, c.State, rcsaYellow);
        if (c.Background)
            EXPECT_EQ(c.Background, CellAt(*canvas, 1, 1)) << "state " << c.State;
        else
            EXPECT_EQ(kBackground, PixelOf(*canvas, 1, 1)) << "state " << c.State << " has no background";
        // The 9 x 9 glyph centred, one pixel lower: columns 8..16, rows 9..17.
        EXPECT_EQ(Cell(10163, 3 * 4 + c.GlyphRow), CellAt(*canvas, 8, 9)) << "state " << c.State;
        EXPECT_EQ(Cell(10163, 3 * 4 + c.GlyphRow), CellAt(*canvas, 16, 17)) << "state " << c.State;
    }
}

TEST_F(RibbonTexturedSkinTest, AlignedGlyphsSitLeftRightOrCentred) {
    for (int alignment : {0, 1, 2}) {
        auto canvas = MakeCanvas(30, 20, kBackground);
        skin.DrawAlignedGlyph(DCOf(*canvas), TRect{0, 0, 30, 20}, alignment, clDefault, 1, 6);
        const int left = alignment == 0 ? 0 : alignment == 1 ? 21 : 10;
        EXPECT_EQ(Cell(10163, 6 * 4 + 1), CellAt(*canvas, left, 6)) << alignment;
        EXPECT_EQ(Cell(10163, 6 * 4 + 1), CellAt(*canvas, left + 8, 14)) << alignment;
        EXPECT_EQ(kBackground, PixelOf(*canvas, left, 5)) << alignment << ": one pixel below the centre";
    }
    // Recoloured: every pixel takes the colour, its alpha kept.
    auto canvas = MakeCanvas(30, 20, 0xFF000000);
    skin.DrawAlignedGlyph(DCOf(*canvas), TRect{0, 0, 30, 20}, 2, 0x0000FF, 0, 0);
    EXPECT_EQ(0x0000FFu, ColorAt(*canvas, 14, 10));
}

TEST_F(RibbonTexturedSkinTest, MdiGlyphsAreFormGlyphsAtNineByNine) {
    struct TCase {
        int Button, State, Column, Row;
    };
    for (const TCase& c : {TCase{0, 1, 0, 0}, TCase{1, 2, 2, 1}, TCase{2, 3, 3, 2}, TCase{7, 4, 3, 3}}) {
        auto canvas = MakeCanvas(21, 21, kBackground);
        skin.DrawMDIButtonGlyph(DCOf(*canvas), TRect{0, 0, 21, 21}, c.Button, c.State);
        // At (6, 7): (21 - 9) / 2 across, one pixel lower down.
        EXPECT_EQ(Cell(10163, c.Column * 4 + c.Row), CellAt(*canvas, 6, 7)) << c.Button;
        EXPECT_EQ(kBackground, PixelOf(*canvas, 6, 6)) << c.Button;
    }
}

TEST_F(RibbonTexturedSkinTest, FormCaptionByWindowState) {
    TovRibbonSkinPaintData data;
    for (bool active : {true, false}) {
        data.FormData.IsActive = active;
        const int cell = active ? 0 : 1;
        data.FormData.WindowState = ovRibbonFormNormal;
        auto normal = MakeCanvas(40, 30, kBackground);
        skin.DrawFormCaption(DCOf(*normal), TRect{0, 0, 40, 30}, data);
        EXPECT_EQ(Cell(10000, cell), CellAt(*normal, 20, 29));
        data.FormData.WindowState = ovRibbonFormMaximized;
        auto maximized = MakeCanvas(40, 30, kBackground);
        skin.DrawFormCaption(DCOf(*maximized), TRect{0, 0, 40, 30}, data);
        EXPECT_EQ(Cell(10002, cell), CellAt(*maximized, 20, 15));
        data.FormData.WindowState = ovRibbonFormMinimized;
        auto minimized = MakeCanvas(40, 30, kBackground);
        skin.DrawFormCaption(DCOf(*minimized), TRect{0, 0, 40, 30}, data);
        EXPECT_EQ(Cell(10000, cell), CellAt(*minimized, 20, 28));
        EXPECT_EQ(Cell(10012, cell), CellAt(*minimized, 20, 29))
            << "a minimized caption ends in the thin border";
    }
}

TEST_F(RibbonTexturedSkinTest, FormBordersAroundCaptionSidesAndBottom) {
    TovRibbonSkinPaintData data;
    data.FormData.WindowBounds = TRect{0, 0, 60, 80};
    data.FormData.BorderStyle = 2;
    data.FormData.IsActive = false;
    data.CaptionHeight = 25;
    for (bool rounded : {true, false}) {
        data.FormData.RoundedCorners = rounded ? 1 : 0;
        auto canvas = MakeCanvas(60, 80, kBackground);
        skin.DrawFormBorders(DCOf(*canvas), TRect{4, 0, 4, 4}, data);
        EXPECT_EQ(Cell(10004, 1), CellAt(*canvas, 1, 10)) << "left of the caption";
        EXPECT_EQ(Cell(10006, 1), CellAt(*canvas, 58, 10)) << "right of the caption";
        EXPECT_EQ(Cell(10008, 1), CellAt(*canvas, 1, 50));
        EXPECT_EQ(Cell(10010, 1), CellAt(*canvas, 58, 50));
        EXPECT_EQ(Cell(rounded ? 10014 : 10016, 1), CellAt(*canvas, 30, 78)) << rounded;
        EXPECT_EQ(Cell(rounded ? 10014 : 10016, 1), CellAt(*canvas, 1, 77))
            << "the sides stop above the bottom";
        EXPECT_EQ(kBackground, PixelOf(*canvas, 30, 40)) << "the content stays";
    }
    // A one-pixel bottom: the thin part between the sides.
    auto thin = MakeCanvas(60, 80, kBackground);
    skin.DrawFormBorders(DCOf(*thin), TRect{4, 0, 4, 1}, data);
    EXPECT_EQ(Cell(10012, 1), CellAt(*thin, 30, 79));
    EXPECT_EQ(Cell(10008, 1), CellAt(*thin, 1, 79));
}

TEST_F(RibbonTexturedSkinTest, GalleryButtonsDrawTheirGlyphOnePixelLower) {
    auto canvas = MakeCanvas(15, 20, kBackground);
    skin.DrawInRibbonGalleryScrollBarButton(DCOf(*canvas), TRect{0, 0, 15, 20}, 2, 4, rcsaYellow);
    EXPECT_EQ(Cell(10489, 2), CellAt(*canvas, 1, 1)) << "pressed takes row 2";
    // The 5 x 7 glyph: columns 5..9, rows 7..13 once moved one pixel down.
    EXPECT_EQ(Cell(10498, 2), CellAt(*canvas, 5, 7));
    EXPECT_EQ(Cell(10489, 2), CellAt(*canvas, 5, 6));
    auto none = MakeCanvas(15, 20, kBackground);
    skin.DrawInRibbonGalleryScrollBarButton(DCOf(*none), TRect{0, 0, 15, 20}, 3, 4, rcsaYellow);
    EXPECT_TRUE(IsUniform(*none, kBackground)) << "kinds other than 0..2 draw nothing";
}

TEST_F(RibbonTexturedSkinTest, CheckMarkDrawsTheFrameThenTheMarkAtItsOwnSize) {
    auto canvas = MakeCanvas(30, 30, kBackground);
    skin.DrawMenuCheckMark(DCOf(*canvas), TRect{0, 0, 30, 30}, 1, rcsaYellow);
    EXPECT_EQ(Cell(10228, 1), CellAt(*canvas, 2, 2));
    EXPECT_EQ(Cell(10237, 1), CellAt(*canvas, 15, 15));
    EXPECT_EQ(Cell(10237, 1), CellAt(*canvas, 5, 5));
    EXPECT_EQ(Cell(10228, 1), CellAt(*canvas, 4, 4));
}

TEST_F(RibbonTexturedSkinTest, ColourTable) {
    struct TCase {
        int Key, State;
        TColor Color;
    };
    const TCase cases[] = {
        {44, 0, 0x4C4C4C},      {56, 3, 0xFAFAFA},    {67, 2, 0x3694F2},    {67, 6, 0x1048EF},
        {67, 7, 0x3695F2},      {67, 0, clHighlight}, {68, 6, 0x94E2FF},    {68, 7, 0x95E3FF},
        {68, 4, clHighlight},   {71, 0, 0xF5F5F5},    {451, 0, 0xF5F5F5},   {250, 0, clWhite},
        {315, 0, 0x646464},     {335, 1, 0x8D8D8D},   {335, 8, 0x8D8D8D},   {335, 0, clWindowText},
        {335, 4, clWindowText}, {362, 8, 0xA7A7A7},   {362, 0, clMenuText}, {375, 0, 0xF7F7F7},
        {391, 0, 0xEEEAE9},     {420, 0, 0xBDB6A5},   {10140, 0, clBlack},  {10133, 2, clHighlightText}};
    for (bool low : {false, true}) {
        skin.SetLowColors(low);
        for (const TCase& c : cases)
            EXPECT_EQ(c.Color, skin.GetPartColor(c.Key, c.State, rcsaYellow))
                << c.Key << "/" << c.State << " low " << low;
    }
}

TEST_F(RibbonTexturedSkinTest, LowColoursDrawTheFlatLook) {
    skin.SetLowColors(true);
    auto canvas = MakeCanvas(20, 20, kBackground);
    skin.DrawLargeButton(DCOf(*canvas), TRect{0, 0, 20, 20}, 4, rcsaYellow);
    EXPECT_EQ(ColorToRGB(clBtnShadow), ColorAt(*canvas, 0, 10));
    EXPECT_EQ(ColorToRGB(clHighlight), ColorAt(*canvas, 10, 10));
    auto tab = MakeCanvas(20, 20, kBackground);
    skin.DrawTab(DCOf(*tab), TRect{0, 0, 20, 20}, 0, rcsaYellow);
    EXPECT_EQ(ColorToRGB(clBtnFace), ColorAt(*tab, 10, 10));
    auto separator = MakeCanvas(20, 20, kBackground);
    skin.DrawButtonGroupSeparator(DCOf(*separator), TRect{0, 0, 20, 20}, 2);
    EXPECT_TRUE(IsUniform(*separator, kBackground)) << "the base draws no group separator";
}

} // namespace ribbon_textured_skin_test
