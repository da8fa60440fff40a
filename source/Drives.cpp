#include "source/Drives.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Paths.h"
#include "source/FileNameHelpers.h"

#include <array>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <optional>
#include <sys/statvfs.h>
#include <unistd.h>

namespace drives_detail {

// Fields of the mount table write blank, tab, newline and backslash as "\ooo".
std::string Unescape(std::string_view field) {
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) && octal(field[i + 2]) &&
            octal(field[i + 3])) {
            text.push_back(static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                             (field[i + 3] - '0')));
            i += 3;
            continue;
        }
        text.push_back(field[i]);
    }
    return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        if (end > at) fields.push_back(line.substr(at, end - at));
        at = end;
    }
    return fields;
}

// Types that live on a block device but are no fixed drive: optical discs and read-only images.
constexpr std::array<std::string_view, 4> NotFixedTypes{"iso9660", "udf", "squashfs", "erofs"};

} // namespace drives_detail

std::vector<TMountEntry> ParseMountTable(std::string_view text) {
    std::vector<TMountEntry> entries;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::vector<std::string_view> fields = drives_detail::Fields(text.substr(start, end - start));
        if (fields.size() >= 3)
            entries.push_back({drives_detail::Unescape(fields[0]), drives_detail::Unescape(fields[1]),
                               std::string(fields[2])});
        start = end + 1;
    }
    return entries;
}

bool IsFixedDrive(const TMountEntry& entry) {
    if (entry.Device.rfind("/dev/", 0) != 0 || entry.Device.rfind("/dev/loop", 0) == 0) return false;
    for (std::string_view type : drives_detail::NotFixedTypes)
        if (entry.Type == type) return false;
    return true;
}

std::vector<std::string> FixedDrives() {
    std::vector<std::string> drives;
    std::optional<std::string> table = ReadFileBytes("/proc/self/mounts");
    if (!table) return drives;
    for (const TMountEntry& entry : ParseMountTable(*table)) {
        if (!IsFixedDrive(entry)) continue;
        bool known = false;
        for (const std::string& drive : drives)
            known = known || drive == entry.MountPoint;
        if (!known) drives.push_back(entry.MountPoint);
    }
    return drives;
}

float FreeGigabytes(const std::string& drive) {
    struct statvfs info {};
    if (drive.empty() || ::statvfs(drive.c_str(), &info) != 0) return -1;
    return static_cast<float>(static_cast<double>(info.f_bavail) * static_cast<double>(info.f_frsize) /
                              1073741824.0);
}

std::string PickMostFreeSpace(const std::vector<TDriveSpace>& drives) {
    const TDriveSpace* best = nullptr;
    for (const TDriveSpace& drive : drives)
        if (!best || drive.FreeGigabytes > best->FreeGigabytes) best = &drive;
    return best ? best->Drive : std::string();
}

std::string DriveWithMostFreeSpace() {
    std::vector<TDriveSpace> writable;
    for (const std::string& drive : FixedDrives()) {
        // A file mounted on its own (as containers do with their host files) is no drive.
        if (!DirectoryExists(drive) || ::access(drive.c_str(), W_OK) != 0) continue;
        float free = FreeGigabytes(drive);
        if (free >= 0) writable.push_back({drive, free});
    }
    return PickMostFreeSpace(writable);
}

std::string TempFolderPath() {
    std::string drive = DriveWithMostFreeSpace();
    if (!drive.empty()) return AddTrailingBackslash(drive) + "temp/";
    return AddTrailingBackslash(GetTempFolder());
}

int CountCdDrivesIn(const std::string& blockDeviceFolder) {
    struct DirCloser {
        void operator()(DIR* d) const { ::closedir(d); }
    };
    std::unique_ptr<DIR, DirCloser> dir(::opendir(blockDeviceFolder.c_str()));
    if (!dir) return 0;
    int count = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view name = entry->d_name;
        if (name.size() > 2 && name.substr(0, 2) == "sr" &&
            name.find_first_not_of("0123456789", 2) == std::string_view::npos)
            ++count;
    }
    return count;
}

int CdDriveCount() {
    return CountCdDrivesIn("/sys/block");
}
