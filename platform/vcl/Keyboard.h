// Keys as the class library sees them: shift states from mouse-key flags, key data and the keyboard
// state, and accelerator characters of captions ("&File" answers to Alt+F).
#pragma once

#include "platform/vcl/ControlTypes.h"

#include <string>

TShiftState KeysToShiftState(WORD Keys);
// The shift state of a key message: Alt from the key data, Shift and Ctrl from the keyboard state.
TShiftState KeyDataToShiftState(LPARAM KeyData);
TShiftState KeyboardStateToShiftState();
// Whether Caption marks the character (compared without regard to case) as its accelerator.
bool IsAccel(TKeyChar VK, const std::string& Caption);
// The accelerator character of a caption, or 0 when it has none.
TKeyChar GetHotkey(const std::string& Caption);
// The caption without accelerator marks ("&&" stands for one '&').
std::string StripHotkey(const std::string& Caption);
