#include "platform/rtl/FileUtils.h"

#include "platform/rtl/FileNames.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace file_utils_detail {

// Retries interrupted writes and short writes until every byte is down.
bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A symbolic link is replaced through its final target, so that saving never turns a link into a copy.
std::string ResolveLinkTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

// The replacement keeps the old file's owner where the process may set it (only a privileged one can
// give a file away); otherwise it simply stays ours.
void KeepOwner(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) return;
}

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncDirectory(const std::string& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

TDateTime LocalDateTime(const timespec& when) {
    tm local{};
    ::localtime_r(&when.tv_sec, &local);
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date)) return 0;
    TryEncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                  static_cast<int>(when.tv_nsec / 1000000), time);
    return date + time;
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Glob over code points; `name` and `mask` are already case-folded.
bool Glob(std::string_view name, std::size_t n, std::string_view mask, std::size_t m) {
    while (m < mask.size()) {
        if (mask[m] == '*') {
            while (m < mask.size() && mask[m] == '*')
                ++m;
            if (m == mask.size()) return true;
            for (std::size_t at = n; at <= name.size();) {
                if (Glob(name, at, mask, m)) return true;
                if (at == name.size()) break;
                Utf8Next(name, at);
            }
            return false;
        }
        if (n >= name.size()) return false;
        if (mask[m] == '?') {
            Utf8Next(name, n);
            Utf8Next(mask, m);
            continue;
        }
        if (Utf8Next(name, n) != Utf8Next(mask, m)) return false;
    }
    return n == name.size();
}

int AttributesOf(const std::string& fullPath, const char* name, const struct stat& info, bool isLink) {
    int attr = 0;
    if (S_ISDIR(info.st_mode))
        attr |= faDirectory;
    else if (S_ISREG(info.st_mode))
        attr |= faArchive;
    else
        attr |= faSysFile; // devices, pipes and sockets
    if (name[0] == '.') attr |= faHidden;
    if (isLink) attr |= faSymLink;
    if (::access(fullPath.c_str(), W_OK) != 0) attr |= faReadOnly;
    return attr;
}

// The desktop search returns ordinary entries always and special ones only when asked for.
bool Wanted(int attr, int requested) {
    const int special = attr & (faDirectory | faHidden | faSysFile);
    return (special & ~requested) == 0;
}

} // namespace file_utils_detail

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    using namespace file_utils_detail;
    if (path.empty()) return false;
    const std::string target = ResolveLinkTarget(path);

    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    if (targetExists && !S_ISREG(existing.st_mode)) return false; // never replace a folder or a device

    // A hidden name beside the target, short enough to stay within the file-name limit.
    const std::size_t slash = target.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string temp = target.substr(0, nameStart) + "." + target.substr(nameStart, 200) + ".tmp-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;

    const mode_t mode = targetExists ? (existing.st_mode & 07777) : NewFileMode();
    if (targetExists) KeepOwner(fd, existing);
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDirectory(DirectoryOf(target));
    return true;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string content;
    if (S_ISREG(info.st_mode) && info.st_size > 0) content.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DeleteFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    return ::unlink(path.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
    if (oldName.empty() || newName.empty()) return false;
    if (::renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot refuse to replace by itself: look first, then rename.
    struct stat info {};
    if (::lstat(newName.c_str(), &info) == 0) return false;
    return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

bool CreateDir(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) return false;
    const std::string folder = ExcludeTrailingPathDelimiter(path);
    if (DirectoryExists(folder)) return true;
    const std::string parent = ExtractFileDir(folder);
    if (!parent.empty() && parent != folder && !ForceDirectories(parent)) return false;
    return ::mkdir(folder.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(folder));
}

bool RemoveDir(const std::string& path) {
    return !path.empty() && ::rmdir(path.c_str()) == 0;
}

bool FileAge(const std::string& path, TDateTime& modified) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    modified = file_utils_detail::LocalDateTime(info.st_mtim);
    return true;
}

std::int64_t FileSize(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return -1;
    return static_cast<std::int64_t>(info.st_size);
}

std::int64_t DiskFree(const std::string& path) {
    struct statvfs info {};
    if (::statvfs(path.empty() ? "." : path.c_str(), &info) != 0) return -1;
    return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    if (mask == "*.*") mask = "*";
    const std::string foldedName = AnsiLowerCase(name);
    const std::string foldedMask = AnsiLowerCase(mask);
    return file_utils_detail::Glob(foldedName, 0, foldedMask, 0);
}

std::vector<TFoundFile> FindFiles(const std::string& folder, std::string_view mask, int attributes) {
    std::vector<TFoundFile> found;
    const std::string base = folder.empty() ? std::string("./") : IncludeTrailingPathDelimiter(folder);
    DIR* dir = ::opendir(base.c_str());
    if (dir == nullptr) return found;
    while (const dirent* entry = ::readdir(dir)) {
        if (file_utils_detail::IsDotOrDotDot(entry->d_name) || !MatchesMask(entry->d_name, mask)) continue;
        const std::string fullPath = base + entry->d_name;
        struct stat linkInfo {};
        if (::lstat(fullPath.c_str(), &linkInfo) != 0) continue; // vanished meanwhile
        const bool isLink = S_ISLNK(linkInfo.st_mode);
        struct stat info = linkInfo;
        if (isLink && ::stat(fullPath.c_str(), &info) != 0) info = linkInfo; // a dangling link
        TFoundFile file;
        file.Name = entry->d_name;
        file.Attr = file_utils_detail::AttributesOf(fullPath, entry->d_name, info, isLink);
        if (!file_utils_detail::Wanted(file.Attr, attributes)) continue;
        file.Size = S_ISDIR(info.st_mode) ? 0 : static_cast<std::int64_t>(info.st_size);
        file.TimeStamp = file_utils_detail::LocalDateTime(info.st_mtim);
        found.push_back(std::move(file));
    }
    ::closedir(dir);
    // The order a desktop user sees: by name, ignoring case.
    std::sort(found.begin(), found.end(), [](const TFoundFile& a, const TFoundFile& b) {
        const int byText = AnsiCompareText(a.Name, b.Name);
        return byText != 0 ? byText < 0 : a.Name < b.Name;
    });
    return found;
}

int FindFirst(const std::string& pathAndMask, int attributes, TSearchRec& searchRec) {
    std::string mask = ExtractFileName(pathAndMask);
    if (mask.empty()) mask = "*";
    searchRec.FPending = FindFiles(ExtractFilePath(pathAndMask), mask, attributes);
    searchRec.FNext = 0;
    return FindNext(searchRec);
}

int FindNext(TSearchRec& searchRec) {
    if (searchRec.FNext >= searchRec.FPending.size()) return ENOENT;
    TFoundFile& next = searchRec.FPending[searchRec.FNext++];
    searchRec.Name = std::move(next.Name);
    searchRec.Attr = next.Attr;
    searchRec.Size = next.Size;
    searchRec.TimeStamp = next.TimeStamp;
    return 0;
}

void FindClose(TSearchRec& searchRec) {
    searchRec.FPending.clear();
    searchRec.FPending.shrink_to_fit();
    searchRec.FNext = 0;
}
