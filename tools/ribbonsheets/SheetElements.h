// The element routines of the ribbon sheets: one routine per kind of element (buttons, ribbon surfaces,
// the form's frame, menus, scroll bars, glyphs), each drawing one cell of a cut over its sheet's palette.
#pragma once

#include "tools/art/Art.h"
#include "tools/ribbonsheets/SheetPalette.h"
#include "ui/ribbon/skins/RibbonSheetCatalogue.h"

namespace ribbonsheets {

// What is drawn into one cell: the picture, the cell's box, its index in the cut, the cut and the palette.
struct TCell {
    art::TArt& A;
    art::TBox B;
    int Index;
    const ribbon_sheets::TovRibbonCutInfo& Cut;
    const TPalette& P;
};

// Draws a cell by the routine of its cut's element.
void DrawCell(const TCell& C);

// The skin state a cell of a state strip is drawn for: the first state that takes its row.
int StateOfCell(const ribbon_sheets::TovRibbonCutInfo& ACut, int ACell);
const TLook& LookOf(const TPalette& P, int AState);

// The element families (SheetElements*.cpp).
void DrawButtonCell(const TCell& C);
void DrawSurfaceCell(const TCell& C);
void DrawFrameCell(const TCell& C);
void DrawMenuCell(const TCell& C);
void DrawGlyphCell(const TCell& C);

} // namespace ribbonsheets
