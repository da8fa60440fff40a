// The catalogue of cuts and the places the generator gave them, as the skins read them: every cell inside
// each sheet of its families, no two cells of a sheet on top of each other, complete state strips, margins
// that fit their cells, and the cells a rule pins.
#include "RibbonSkinTestSupport.h"

#include "ui/core/base/Geometry.h"
#include "ui/ribbon/skins/RibbonSheetLayout.h"

#include <map>

using namespace ribbon_sheets;

namespace ribbon_sheet_catalogue_test {

constexpr TovRibbonSheetKind kKinds[] = {TovRibbonSheetKind::Common, TovRibbonSheetKind::Color};

bool OnSheet(const TovRibbonCutInfo& ACut, int AStyle, TovRibbonSheetKind AKind) {
    return !ACut.IsAlias && ACut.Sheet == AKind && (ACut.Families & FamilyOfStyle(AStyle));
}

TEST(RibbonSheetCatalogueTest, EveryCellLiesInsideEachSheetThatHoldsIt) {
    for (int style = 0; style < ovRibbonFamilyCount; ++style)
        for (TovRibbonSheetKind kind : kKinds) {
            const TSize size = SheetSize(style, kind);
            for (const TovRibbonCutInfo& cut : kRibbonCuts) {
                if (!OnSheet(cut, style, kind)) continue;
                for (int i = 0; i < cut.CellCount(); ++i) {
                    const TRect cell = CutCell(cut.Cut, i);
                    EXPECT_TRUE(uiDoesRectEnclose(TRect{0, 0, size.cx, size.cy}, cell))
                        << cut.Name << " cell " << i << " on the sheet of style " << style;
                    EXPECT_EQ((TSize{cut.CellWidth, cut.CellHeight}), uiSizeOfRect(cell)) << cut.Name;
                }
            }
        }
}

TEST(RibbonSheetCatalogueTest, NoTwoCellsOfOneSheetOverlap) {
    for (int style = 0; style < ovRibbonFamilyCount; ++style)
        for (TovRibbonSheetKind kind : kKinds) {
            std::vector<std::pair<TRect, const char*>> cells;
            for (const TovRibbonCutInfo& cut : kRibbonCuts) {
                if (!OnSheet(cut, style, kind)) continue;
                for (int i = 0; i < cut.CellCount(); ++i) {
                    const TRect cell = CutCell(cut.Cut, i);
                    for (const auto& [other, name] : cells)
                        EXPECT_FALSE(uiDoRectsOverlap(cell, other)) << cut.Name << " overlaps " << name;
                    cells.emplace_back(cell, cut.Name);
                }
            }
        }
}

TEST(RibbonSheetCatalogueTest, StripsAreCompleteAndMarginsFitTheirCells) {
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias) continue;
        EXPECT_LE(cut.Margins.Left + cut.Margins.Right, cut.CellWidth) << cut.Name;
        EXPECT_LE(cut.Margins.Top + cut.Margins.Bottom, cut.CellHeight) << cut.Name;
        if (!cut.IsStateStrip()) continue;
        std::vector<int> takers(cut.Count, 0);
        int n = 0;
        for (int s = 0; s < 9; ++s)
            if (cut.States.Mask & (1u << s)) {
                ASSERT_LT(cut.States.Rows[n], cut.Count) << cut.Name << " state " << s;
                ++takers[cut.States.Rows[n++]];
            }
        for (int row = 0; row < cut.Count; ++row)
            EXPECT_GT(takers[std::size_t(row)], 0) << cut.Name << " row " << row << " is taken by no state";
    }
}

TEST(RibbonSheetCatalogueTest, NoTwoCutsOfAFamilyShareAnID) {
    for (int style = 0; style < ovRibbonFamilyCount; ++style) {
        std::map<int, const char*> owners;
        for (const TovRibbonCutInfo& cut : kRibbonCuts) {
            if (!(cut.Families & FamilyOfStyle(style))) continue;
            const int ids =
                cut.IsStateStrip() ? 9 : (cut.IsAlias ? CutInfo(cut.AliasOf).Count : cut.CellCount());
            for (int i = 0; i < ids; ++i) {
                if (cut.IsStateStrip() && !(cut.States.Mask & (1u << i))) continue;
                const auto [it, added] = owners.emplace(cut.FirstID + i, cut.Name);
                EXPECT_TRUE(added) << "ID " << cut.FirstID + i << " of " << cut.Name << " and " << it->second;
            }
        }
    }
}

TEST(RibbonSheetCatalogueTest, PinnedAndAliasedCells) {
    // The 2013 menu view button: two 40 x 40 cells one below the other at the common sheet's origin.
    EXPECT_EQ((TRect{0, 0, 40, 40}), CutCell(TovRibbonCut::MenuViewButton, 0));
    EXPECT_EQ((TRect{0, 40, 40, 80}), CutCell(TovRibbonCut::MenuViewButton, 1));
    // The MDI minimize and restore glyphs are the caption glyphs' first and third columns.
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CutCell(TovRibbonCut::CaptionGlyphs2010, row),
                  CutCell(TovRibbonCut::MdiMinimizeGlyph, row));
        EXPECT_EQ(CutCell(TovRibbonCut::CaptionGlyphs2010, 8 + row),
                  CutCell(TovRibbonCut::MdiRestoreGlyph, row));
        EXPECT_EQ(CutCell(TovRibbonCut::CaptionGlyphs2013, 8 + row),
                  CutCell(TovRibbonCut::MdiRestoreGlyph2013, row));
    }
    // Caption glyph columns lie one pixel apart in the 2010 and 2013 grids, adjacent in 2007's.
    EXPECT_EQ(CutCell(TovRibbonCut::CaptionGlyphs2010, 0).right + 1,
              CutCell(TovRibbonCut::CaptionGlyphs2010, 4).left);
    EXPECT_EQ(CutCell(TovRibbonCut::CaptionGlyphs, 0).right, CutCell(TovRibbonCut::CaptionGlyphs, 4).left);
}

TEST(RibbonSheetCatalogueTest, StripCellsFollowEachOtherInTheirDirection) {
    struct TCase {
        TovRibbonCut Cut;
        int DX, DY;
    };
    const TCase cases[] = {{TovRibbonCut::SmallButton, 0, 22},      {TovRibbonCut::PinGlyph, 16, 0},
                           {TovRibbonCut::ScrollHorzLineUp, 17, 0}, {TovRibbonCut::ScrollVertLineUp, 0, 17},
                           {TovRibbonCut::GroupsArea2010, 5, 0},    {TovRibbonCut::MenuViewTab, 0, 41}};
    for (const TCase& c : cases) {
        const TRect first = CutCell(c.Cut, 0), second = CutCell(c.Cut, 1);
        EXPECT_EQ(first.left + c.DX, second.left) << CutInfo(c.Cut).Name;
        EXPECT_EQ(first.top + c.DY, second.top) << CutInfo(c.Cut).Name;
    }
    // The menu view tabs: accents side by side, rows down.
    EXPECT_EQ(CutCell(TovRibbonCut::MenuViewTab, 0).left + 120, CutCell(TovRibbonCut::MenuViewTab, 4).left);
}

} // namespace ribbon_sheet_catalogue_test
