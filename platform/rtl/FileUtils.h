// Files and folders: existence, deletion, renaming, folders, sizes and times, finding files by mask,
// and the whole-file read and crash-safe write that every saver in the system goes through.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path` only
// once it is complete. On any failure it returns false, removes the temporary file and leaves whatever
// was at `path` untouched. An existing target keeps its permission bits; a symbolic link is followed so
// that the file it points to is replaced, not the link.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of a regular file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);
