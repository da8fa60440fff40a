// Opening a file or a web address with the program the desktop has registered for it, and starting a
// program of the system.
#pragma once

#include <string>

// Starts the desktop's opener (xdg-open) on `target` under the wait cursor and returns at once; the
// opener's outcome is not looked at.
void OpenWithShell(const std::string& target);

// Starts `program` (looked up in PATH) with one argument, detached from this process, and returns at
// once; whether it could start is not looked at.
void StartProgram(const std::string& program, const std::string& argument);
