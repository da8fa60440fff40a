#include "tools/ribbonsheets/SheetArt.h"

#include "tools/ribbonsheets/SheetDrawing.h"
#include "tools/ribbonsheets/SheetElements.h"
#include "tools/ribbonsheets/SheetPalette.h"

namespace ribbonsheets {

using namespace ribbon_sheets;

namespace {

// Cells the 2013 family cuts but never draws from (its own drawing fills those elements): left clear.
bool WithoutArt(const TovRibbonCutInfo& ACut, int AStyle) {
    if (AStyle != 2) return false;
    switch (ACut.Cut) {
    case TovRibbonCut::ApplicationButton2010:
    case TovRibbonCut::MenuViewLine:
    case TovRibbonCut::MenuViewTab:
    case TovRibbonCut::MenuViewItem:
    case TovRibbonCut::MenuViewSeparator:
    case TovRibbonCut::ScrollVertLineUp:
    case TovRibbonCut::ScrollHorzLineUp:
        return true;
    default:
        return false;
    }
}

} // namespace

std::unique_ptr<art::TArt> DrawSheet(const TSheetLayout& ALayout, const TovRibbonSheetInfo& ASheet) {
    const int kind = ASheet.Kind == TovRibbonSheetKind::Common ? 0 : 1;
    auto sheet =
        std::make_unique<art::TArt>(ALayout.Width[ASheet.Style][kind], ALayout.Height[ASheet.Style][kind]);
    const TPalette& palette = PaletteOf(ASheet.Name);
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias || cut.Sheet != ASheet.Kind || !(cut.Families & FamilyOfStyle(ASheet.Style)) ||
            WithoutArt(cut, ASheet.Style))
            continue;
        for (int i = 0; i < cut.CellCount(); ++i)
            DrawCell(TCell{*sheet, ALayout.Cell(cut.Cut, i), i, cut, palette});
    }
    return sheet;
}

} // namespace ribbonsheets
