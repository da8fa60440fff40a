#include "ui/ribbon/skins/RibbonSheetLayout.h"

#include "RibbonSheetPlaces.h"

namespace ribbon_sheets {

static_assert(sizeof(generated::kCutPlaces) / sizeof(generated::kCutPlaces[0]) == ovRibbonCutCount,
              "the sheets were drawn from this catalogue");

TRect CutCell(TovRibbonCut ACut, int AIndex) {
    const TovRibbonCutInfo& info = CutInfo(ACut);
    if (info.IsAlias) return CutCell(info.AliasOf, info.AliasColumn * CutInfo(info.AliasOf).Count + AIndex);
    const int x = generated::kCutPlaces[int(ACut)][0], y = generated::kCutPlaces[int(ACut)][1];
    if (info.Horizontal) {
        const int left = x + AIndex * info.CellWidth;
        return TRect{left, y, left + info.CellWidth, y + info.CellHeight};
    }
    const int left = x + AIndex / info.Count * (info.CellWidth + info.ColumnGap);
    const int top = y + AIndex % info.Count * info.CellHeight;
    return TRect{left, top, left + info.CellWidth, top + info.CellHeight};
}

TRect CutBlock(TovRibbonCut ACut) {
    const TovRibbonCutInfo& info = CutInfo(ACut);
    if (info.IsAlias) {
        const TRect first = CutCell(ACut, 0);
        return TRect{first.left, first.top, first.right, first.top + CutInfo(info.AliasOf).BlockHeight()};
    }
    const int x = generated::kCutPlaces[int(ACut)][0], y = generated::kCutPlaces[int(ACut)][1];
    return TRect{x, y, x + info.BlockWidth(), y + info.BlockHeight()};
}

TSize SheetSize(int AStyle, TovRibbonSheetKind AKind) {
    const int kind = AKind == TovRibbonSheetKind::Common ? 0 : 1;
    return TSize{generated::kSheetWidth[AStyle][kind], generated::kSheetHeight[AStyle][kind]};
}

} // namespace ribbon_sheets
