// What the keyboard shortcut editor and the favourites editor are given by the window that opens them:
// the commands' captions in command order, and the two files they read and write.
#pragma once

#include <string>
#include <vector>

struct TShortcutSetup {
    // One per command, in the order that numbers the shortcut file's sections, without "&".
    std::vector<std::string> CommandCaptions;
    // The key each command has now, in text form: where the shortcut file has no section for a command
    // (or is missing), the editors start from it.
    std::vector<std::string> CurrentShortcuts;
    std::string ShortcutPath;
    std::string FavoritesPath;
};
