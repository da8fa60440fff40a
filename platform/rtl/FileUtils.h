// Files and folders: existence, deletion, renaming, folders, sizes and times, finding files by mask,
// and the whole-file read and crash-safe write that every saver in the system goes through.
#pragma once

#include "platform/rtl/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over `path` only
// once it is complete. On any failure it returns false, removes the temporary file and leaves whatever
// was at `path` untouched. An existing target keeps its permission bits; a symbolic link is followed so
// that the file it points to is replaced, not the link.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The whole content of a regular file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// A regular file (or a link to one) / a folder (or a link to one) exists at `path`.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Removes a file (never a folder). False when it did not exist or could not be removed.
bool DeleteFile(const std::string& path);
// Renames or moves a file or folder. Like the desktop call it replaces nothing: it fails when
// `newName` already exists, so a rename never destroys another file.
bool RenameFile(const std::string& oldName, const std::string& newName);
// Creates one folder whose parent exists / a folder and every missing parent. ForceDirectories is true
// when the folder exists afterwards.
bool CreateDir(const std::string& path);
bool ForceDirectories(const std::string& path);
// Removes an empty folder.
bool RemoveDir(const std::string& path);

// Last modification time as local time. False when the file does not exist.
bool FileAge(const std::string& path, TDateTime& modified);
// Size in bytes, or -1 when there is no such file.
std::int64_t FileSize(const std::string& path);
// Bytes available to the user on the file system holding `path`, or -1 when it cannot be asked.
std::int64_t DiskFree(const std::string& path);

// File attributes, as the desktop reports them. Names starting with '.' count as hidden; a file the
// process cannot write counts as read-only.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faNormal = 0x80;
constexpr int faSymLink = 0x400;
constexpr int faAnyFile = 0x1FF | faSymLink;

// Whether `name` matches a mask of '*' (any run) and '?' (one character), ignoring case. "*.*" matches
// every name, with or without an extension.
bool MatchesMask(std::string_view name, std::string_view mask);

struct TFoundFile {
    std::string Name; // without its folder
    int Attr = 0;
    std::int64_t Size = 0;
    TDateTime TimeStamp = 0;
};

// The entries of `folder` whose names match `mask`, sorted by name. Like the desktop search, folders,
// hidden and system entries are included only when `attributes` asks for them; "." and ".." never are.
std::vector<TFoundFile> FindFiles(const std::string& folder, std::string_view mask,
                                  int attributes = faAnyFile);

// The desktop's search loop over the same results:
//   if (FindFirst(dir + "/*.wav", faAnyFile, sr) == 0) { do { ... } while (FindNext(sr) == 0); FindClose(sr);
//   }
// FindFirst and FindNext return 0 for an entry and an error code (ENOENT) when there are no more.
struct TSearchRec {
    std::string Name;
    int Attr = 0;
    std::int64_t Size = 0;
    TDateTime TimeStamp = 0;
    std::vector<TFoundFile> FPending; // the results not yet handed out
    std::size_t FNext = 0;
};
int FindFirst(const std::string& pathAndMask, int attributes, TSearchRec& searchRec);
int FindNext(TSearchRec& searchRec);
void FindClose(TSearchRec& searchRec);
