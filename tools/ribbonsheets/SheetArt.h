// The pictures of the ribbon sheets: every cell of a sheet drawn by the routine of its element kind over
// the palette of the sheet's colour scheme.
#pragma once

#include "tools/art/Art.h"
#include "tools/ribbonsheets/SheetPacking.h"

#include <memory>

namespace ribbonsheets {

// The sheet at the size its family's layout gives, transparent where no cell lies.
std::unique_ptr<art::TArt> DrawSheet(const TSheetLayout& ALayout,
                                     const ribbon_sheets::TovRibbonSheetInfo& ASheet);

} // namespace ribbonsheets
