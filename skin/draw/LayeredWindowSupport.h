// Whether per-pixel-alpha (layered) windows may be used: the Windows version the platform answers to
// allows them, and the presenter on screen can show them.
#pragma once

// The major and minor Windows version, from the low word of GetVersion.
void GetOSVersion(int& Major, int& Minor);
// Layered windows exist on 5.0, 5.1, 5.2 and every later major version.
bool OSVersionAllowsLayeredWindows(int Major, int Minor);
bool LayeredWindowsAvailable();
