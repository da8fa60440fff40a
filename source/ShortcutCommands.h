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

// The keys Redo answers besides its own (Ctrl+Y and Shift+Ctrl+Z, the desktop's usual ones), each only
// while no command or favourite holds it as its key: the user's keys always win. `taken` lists the keys
// in use; the result is in text form.
std::vector<std::string> RedoAlternateShortcuts(const std::vector<std::string>& taken);
