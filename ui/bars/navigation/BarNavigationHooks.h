// Connects keyboard navigation to the bar system's hooks: the keys the navigation controller claims,
// Alt, F10 and Alt+letter for the keyboard's bar manager, the end of key-tip waiting on a character key,
// and the end of navigation on a mouse-down. Filled in when the bar unit starts, emptied when it ends.
#pragma once

#include "platform/rtl/WinTypes.h"

class TovBarManager;
class TovBarAccessibilityHelper;

void ovBarNavigationStart();
void ovBarNavigationEnd();

// The manager the keyboard works on: from the window with the focus, else the active window, up the
// parent windows to the first that has one; none while it (or its owner window) cannot take keys.
TovBarManager* ovFindKeyboardBarManager();
// Alt, F10 and Alt+letter as the keyboard hook hands them over (AKeyData: bit 31 key-up, bit 30
// repeat). True consumes the key.
bool ovBarNavigationProcessMenuKey(WORD AKey, LPARAM AKeyData);
