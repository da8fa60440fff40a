// The bar system's cursors in the screen's cursor table: dragging a command or toolbar (move, copy,
// refused) and sizing an edit item's width. Made at the bar unit's start from the embedded pictures.
#pragma once

#include "platform/vcl/ControlTypes.h"

inline constexpr TCursor crovBarDragCursor = 1041;
inline constexpr TCursor crovBarDragCopyCursor = 1042;
inline constexpr TCursor crovBarDragNoDropCursor = 1043;
inline constexpr TCursor crovBarEditSizingCursor = 1044;

// Loads the cursors into their slots; a missing or broken picture leaves its slot empty.
void ovBarLoadCursors();
void ovBarFreeCursors();
