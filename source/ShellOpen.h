// Opening a file or a web address with the program the desktop has registered for it.
#pragma once

#include <string>

// Starts the desktop's opener (xdg-open) on `target` under the wait cursor and returns at once; the
// opener's outcome is not looked at.
void OpenWithShell(const std::string& target);
