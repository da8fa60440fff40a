// The folders the system works in. None of them ends in a delimiter (apart from "/").
#pragma once

#include <string>

// The per-user data folder: $XDG_CONFIG_HOME/OLVA, else ~/.config/OLVA. Not created here.
std::string GetUserDataFolder();
// The folder for temporary files: $TMPDIR, else /tmp.
std::string GetTempFolder();
// The running program's own file and the folder it lies in.
std::string GetProgramFile();
std::string GetProgramFolder();
// The process's current folder ("" if it can no longer be named, e.g. after being removed).
std::string GetCurrentDir();
