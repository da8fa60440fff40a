// Where the cells of the ribbon sheet catalogue lie on the sheets the build drew: each cut's place (the
// generator's packing), each cell's rectangle, and each family's sheet size.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/ribbon/skins/RibbonSheetCatalogue.h"

namespace ribbon_sheets {

// Cell AIndex of the cut: a column's cells first, as the IDs count them; an alias gives the cells of the
// column of the cut it names.
TRect CutCell(TovRibbonCut ACut, int AIndex);
// The whole block of a cut (of the cut it names, for an alias's column).
TRect CutBlock(TovRibbonCut ACut);
// The size of a family's sheet (AStyle 0 2007, 1 2010, 2 2013).
TSize SheetSize(int AStyle, TovRibbonSheetKind AKind);

} // namespace ribbon_sheets
