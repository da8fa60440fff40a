// The shortcut file "Shortcut201201.dat" in the per-user data folder: section n ("Action" + n) holds
// the "Shortcut" text of the main window's n-th command. Readers go by position and never look at the
// section names.
#pragma once

#include "platform/vcl/ShortCuts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

inline constexpr const char* ShortcutFileName = "Shortcut201201.dat";

// The "Shortcut" text of every section, in file order (empty where the key is missing); nothing when
// the file is missing or cannot be read.
std::optional<std::vector<std::string>> ReadShortcutSections(const std::string& path);

// One text per command: section i gives command i; commands beyond the last section get the empty
// text, sections beyond the last command are ignored.
std::vector<std::string> ShortcutTextsForCommands(const std::vector<std::string>& sections,
                                                  std::size_t commandCount);

// What the shortcut editors start from: one text per command, section i's for command i in its text form
// (a text that names no key reads as none), and for the commands the file has no section for (all of
// them when the file is missing) the key the command has now, from `current`.
std::vector<std::string> ShortcutTextsForEditing(const std::string& path,
                                                 const std::vector<std::string>& current);

// The shortcut of each of `commandCount` commands as the file gives it (0 for none). Nothing when the
// file is missing, so that the commands keep the keys they have.
std::optional<std::vector<TShortCut>> LoadCommandShortcuts(const std::string& path, std::size_t commandCount);

// Replaces the file with exactly one section per text, "Action1" .. "ActionN", in order. Raises
// EIniFileException "Unable to write to <path>" on failure; the old file then stays as it was.
void WriteShortcutFile(const std::string& path, const std::vector<std::string>& texts);

// At start: when the file is missing, writes the commands' built-in keys. Returns whether it wrote.
bool SaveDefaultShortcuts(const std::string& path);
