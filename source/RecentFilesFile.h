// The recent-files list file "MRUList201201.dat" in the per-user data folder: one full path a line,
// newest first, lines ending in CR LF.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* RecentFilesFileName = "MRUList201201.dat";

// The file's lines, in order, without their line ends; nothing when it is missing or unreadable.
std::vector<std::string> ReadRecentFilesFile(const std::string& Path);

// Replaces the file with the lines; the old file stays as it was unless the new one was written
// completely. Raises EFCreateError "Cannot create file <path>" on failure.
void WriteRecentFilesFile(const std::string& Path, const std::vector<std::string>& Lines);
