// The keyboard hook's questions about shortcuts: which item link of the bars answers a shortcut, and
// whether a key is a shortcut of a window's bars. The window's own manager is asked first, then the
// managers of the windows it lies in, then every other manager in turn.
#pragma once

#include "platform/vcl/ShortCuts.h"

class TovBarItemLink;
class TovBarManager;

// The link (main menu first, then the visible toolbars) whose item has the shortcut, or null.
TovBarItemLink* ovBarFindShortCutLink(TovBarManager* AManager, TShortCut AShortCut);
// Whether the shortcut belongs to a popup menu linked to the focused control, or to the main menu, a
// shown and enabled (or waiting) toolbar or a popup menu of any manager, asked in the same order; the
// item that has it is run (a shortcut typed is a click).
bool ovBarIsShortCut(TovBarManager* AManager, TShortCut AShortCut);
