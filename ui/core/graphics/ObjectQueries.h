// GetObject queries of brushes and pens (bitmaps and fonts: ovGetBitmapData and ovGetFontData).
#pragma once

#include "platform/gdi/GdiTypes.h"

// True when the brush's LOGBRUSH could be read.
bool uiGetBrushData(HBRUSH ABrush, LOGBRUSH& AData);
// True when the pen's LOGPEN could be read.
bool uiReadPenData(HPEN APen, LOGPEN& AData);
