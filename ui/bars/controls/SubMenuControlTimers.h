// The window timers of a menu and their intervals.
#pragma once

#include "platform/rtl/WinTypes.h"

namespace sub_menu_timers {

// Scrolling while the mouse rests on a scroll band.
constexpr UINT_PTR Scroll = 1;
// Selects the expand mark of a personalised menu; presses it (the menu expands).
constexpr UINT_PTR SelectMark = 2;
constexpr UINT_PTR PressMark = 3;
// Scroll buttons in bands of their own, as every painter gives them.
constexpr UINT ScrollInterval = 200;
// A personalised menu left alone this long expands; hovered items this long select the mark.
constexpr UINT ExpandAfterIdle = 4000;
// The pause on a selected mark before it expands the menu.
constexpr UINT ExpandMarkPause = 1000;

} // namespace sub_menu_timers
