// File-name text: the parts of a path and their changes, without touching the disk (except
// ExpandFileName, which reads the current folder). The path delimiter is '/'.
#pragma once

#include <string>
#include <string_view>

constexpr char PathDelim = '/';

// Appends a delimiter unless there is one. An empty path (the current folder) stays empty.
std::string IncludeTrailingPathDelimiter(std::string_view path);
// Removes one trailing delimiter, except from the root folder "/".
std::string ExcludeTrailingPathDelimiter(std::string_view path);

// "/a/b/c.txt": path "/a/b/", dir "/a/b", name "c.txt", ext ".txt" (from the last '.' of the name,
// dot included; "" when the name has none).
std::string ExtractFilePath(std::string_view fileName);
std::string ExtractFileDir(std::string_view fileName);
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);
// Replaces the extension (or appends `extension` when there is none); `extension` includes its dot.
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);

// An absolute path with "." and ".." resolved in the text, relative names taken from the current
// folder. Symbolic links are left as they are.
std::string ExpandFileName(std::string_view fileName);
