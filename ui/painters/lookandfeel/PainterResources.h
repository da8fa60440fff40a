// Drawing resources the painter unit shares between all painters: the indicator image list, the two
// 8 x 8 scroll-bar page patterns and the system check-box size. Made at the unit's start, freed at its end.
#pragma once

#include "platform/rtl/WinTypes.h"

class TBitmap;
class TuiImageList;

// Indicator kinds 1..6 show images 0..5: arrow, edit, insert, multi-dot, multi-arrow, filter.
TuiImageList* uiPainterIndicatorImages();
// The normal page pattern (clBtnHighlight and clBtnFace) and the pressed one (cl3DDkShadow and black).
TBitmap* uiScrollBarPatternBitmap(bool APressed);
// Repaints both patterns in the current system colours, creating them when missing.
void RebuildScrollBarBitmaps();
// A quarter of the width and a third of the height of the system check-box bitmap.
TSize uiSystemCheckBoxSize();
// Reads the check-box size from the system bitmap.
TSize CalculateCheckBoxSize();

void uiPainterResourcesCreate();
void uiPainterResourcesDestroy();
