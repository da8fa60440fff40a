// The recent-files list file "MRUList201201.dat" in the per-user data folder: one full path a line,
// newest first, lines ending in CR LF.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* RecentFilesFileName = "MRUList201201.dat";

// The recent-files list holds at most this many paths.
inline constexpr int RecentFilesLimit = 5;

// The file's entries, in order, without their line ends: only lines that are full paths of a length a
// path can have, at most RecentFilesLimit of them, from the file's first 64 KiB (a damaged file gives
// no garbage entries and no long wait); nothing when it is missing or unreadable.
std::vector<std::string> ReadRecentFilesFile(const std::string& Path);

// Replaces the file with the lines; the old file stays as it was unless the new one was written
// completely. Raises EFCreateError "Cannot create file <path>" on failure.
void WriteRecentFilesFile(const std::string& Path, const std::vector<std::string>& Lines);
