#include "tools/ribbonsheets/SheetArt.h"

namespace ribbonsheets {

using namespace ribbon_sheets;

std::unique_ptr<art::TArt> DrawSheet(const TSheetLayout& ALayout, const TovRibbonSheetInfo& ASheet) {
    const int kind = ASheet.Kind == TovRibbonSheetKind::Common ? 0 : 1;
    auto sheet =
        std::make_unique<art::TArt>(ALayout.Width[ASheet.Style][kind], ALayout.Height[ASheet.Style][kind]);
    for (const TovRibbonCutInfo& cut : kRibbonCuts) {
        if (cut.IsAlias || cut.Sheet != ASheet.Kind || !(cut.Families & FamilyOfStyle(ASheet.Style)))
            continue;
        for (int i = 0; i < cut.CellCount(); ++i) {
            const art::TBox box = ALayout.Cell(cut.Cut, i);
            sheet->Fill(box, art::Hex(0x8C8C8C));
            if (box.W > 2 && box.H > 2)
                sheet->Fill(box.Inset(1), art::Mix(art::Hex(0xF4F4F4), art::Hex(0xF2C35F), i / 8.0));
        }
    }
    return sheet;
}

} // namespace ribbonsheets
