// Alt, F10 and Alt+letter while no bar is active: what the keyboard hook hands over to keyboard
// navigation. Alt (or F10 when the manager uses it for the menu) going down alone starts the wait for
// the key tips of the keyboard container; released alone it enters navigation mode there and is
// consumed. Alt+letter clicks the main-menu item with that accelerator when no other shares it, and only
// selects it when several do.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

class TovBarManager;
class TovBarAccessibilityHelper;

// The container whose key tips Alt shows and where navigation starts: the main-menu bar's helper (null
// when the manager has no main-menu bar on screen).
TovBarAccessibilityHelper* ovBarKeyboardContainer(TovBarManager* AManager);
// A key went down; ARepeat for the keyboard's auto-repeat. True when the key is consumed.
bool ovBarNavigationMenuKeyDown(TovBarManager* AManager, WORD AKey, TShiftState AShift, bool ARepeat);
bool ovBarNavigationMenuKeyUp(TovBarManager* AManager, WORD AKey, TShiftState AShift);
// Alt+letter on the main menu. True when an item took the key.
bool ovBarNavigationMenuAccel(TovBarManager* AManager, WORD AKey, TShiftState AShift);
