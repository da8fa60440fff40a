// Window placement kept in the settings file, and the placement arithmetic that keeps windows on
// the screen. Windows hand their bounds in and take the result back; nothing here touches a window.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

struct TGlobalVars;

struct TFormPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Maximized = false;
    friend bool operator==(const TFormPlacement&, const TFormPlacement&) = default;
};

// The stored height is the window's height plus this (the caption the first versions did not count).
inline constexpr int StoredHeightExtra = 23;

// Reads "x", "y", "width", "height" and "maximized" of `section` from the file at `path` (the settings
// file when `path` is blank), with the window's current values as defaults, and fits the result on
// `screen`: no larger than the screen, moved in from the right and bottom edges, never left of or above
// it. Stored sizes that are not positive keep the window's size.
void RestoreFormPlacement(const std::string& section, TFormPlacement& window, const TRect& screen,
                          const std::string& path = "");

// Writes "x", "y", "height" (height + StoredHeightExtra), "width" and "maximized", in this order.
// Raises EIniFileException "Unable to write to <path>" when the file cannot be written.
void SaveFormPlacement(const std::string& section, const TFormPlacement& window,
                       const std::string& path = "");

// The size and position rules of RestoreFormPlacement, applied to given bounds.
TFormPlacement FitOnScreen(TFormPlacement window, const TRect& screen);

// Keeps the region, bookmark and frequency analysis windows of the record on `screen`.
void KeepToolWindowsOnScreen(TGlobalVars& vars, const TRect& screen);

// First start: the main window at 900 x 560 centred on `screen`, and the region and bookmark lists with
// their bottom-right corners on the main window's. Returns the main window's placement.
TFormPlacement ApplyFirstStartPlacement(TGlobalVars& vars, const TRect& screen);
