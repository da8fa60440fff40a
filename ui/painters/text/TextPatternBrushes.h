// The two monochrome 8 x 8 brushes that stand for text too small to read: a checkerboard for normal text
// and a solid pattern for bold text. They exist from the painters' start-up to their shut-down.
#pragma once

#include "platform/rtl/WinTypes.h"

void uiCreateTextPatternBrushes();
void uiDestroyTextPatternBrushes();
// Null while the brushes do not exist.
HBRUSH uiTextPatternBrush(bool ABold);
