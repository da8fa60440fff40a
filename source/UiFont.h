// Moves a window's controls from one font face to another, as every form of the program does when it
// is created: controls designed in the classic dialog face take the desktop's hint face instead.
#pragma once

#include <string>

class TWinControl;

// Does nothing unless toName is an installed font and differs from fromName. Otherwise every control
// below the given one (children, their children, …) whose font is fromName takes toName; the given
// control's own font stays.
void ApplyUiFont(TWinControl* Control, const std::string& fromName, const std::string& toName);
