// The user's and the system's well-known folders, and the platform version test.
#pragma once

#include <string>

// A well-known folder of the user, by the name the program asks for it:
//   "AppData"  - the per-user configuration root ($XDG_CONFIG_HOME, else ~/.config);
//   "My Music" - the music folder (`xdg-user-dir MUSIC`, else ~/Music).
// Never fails: an unknown name or a missing answer gives the home folder. Folders end with no "/".
std::string ShellFolderPath(const std::string& entryName);

// The program's per-user data folder (the configuration root's "OLVA"), ending with "/". Not created.
std::string DataFolderPath();

// The folder of the system's programs.
std::string SystemFolderPath();

// The platform layer answers as version 6.1, so the newer-system branches run.
bool IsWindowsVistaOrLater();
