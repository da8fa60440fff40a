// Where the cells of the ribbon sheet catalogue go: every cut gets one place shared by all the sheets of
// its kind (common or colour) that hold it, so a family takes a cut it does not re-cut from the same cell
// as the family it derives from. The checks stop the build on a catalogue or a packing that would make a
// skin cut what is not there.
#pragma once

#include "tools/art/Art.h"
#include "ui/ribbon/skins/RibbonSheetCatalogue.h"

#include <string>
#include <vector>

namespace ribbonsheets {

using ribbon_sheets::TovRibbonCut;
using ribbon_sheets::TovRibbonCutInfo;
using ribbon_sheets::TovRibbonSheetKind;

struct TPlace {
    int X = -1, Y = -1; // -1 for an alias, which has no cells of its own
};

struct TSheetLayout {
    std::vector<TPlace> Places; // by TovRibbonCut
    // By family (0 2007, 1 2010, 2 2013) and sheet kind.
    int Width[ribbon_sheets::ovRibbonFamilyCount][2]{};
    int Height[ribbon_sheets::ovRibbonFamilyCount][2]{};

    // Cell AIndex of the cut (a column's cells first, as the IDs count them); an alias's cells are those of
    // the column it names.
    art::TBox Cell(TovRibbonCut ACut, int AIndex) const;
};

// Packs the blocks of every cut; throws std::runtime_error when a block cannot be placed.
TSheetLayout PackSheets();
// Stops (std::runtime_error naming the part ID) on a cut whose margins exceed its cell, a state strip whose
// rows leave a cell unused or name a cell that is not there, an alias of a missing column, a cell outside
// its sheet, or two cells of one sheet that overlap.
void CheckLayout(const TSheetLayout& ALayout);
// The C++ header the skins include: the places and the sheet sizes.
std::string PositionsHeader(const TSheetLayout& ALayout);

} // namespace ribbonsheets
