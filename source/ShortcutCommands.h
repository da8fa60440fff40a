// The main window's commands in the order that numbers the sections of the shortcut file, each with
// its built-in shortcut key in text form (empty for none).
#pragma once

#include <string>
#include <vector>

struct TShortcutCommand {
    const char* Name;            // the command's action name, e.g. "ActionUndo"
    const char* DefaultShortcut; // e.g. "Ctrl+Z"
};

const std::vector<TShortcutCommand>& ShortcutCommands();

// Position of the named command in ShortcutCommands(), or -1.
int ShortcutCommandIndex(const std::string& name);
