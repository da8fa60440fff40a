#include "platform/rtl/Paths.h"

#include "platform/rtl/FileNames.h"

#include <cstdlib>
#include <limits.h>
#include <pwd.h>
#include <unistd.h>

namespace paths_detail {

// An environment variable that names an absolute folder; relative values are ignored, as the
// base-directory convention asks.
std::string AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return ExcludeTrailingPathDelimiter(value);
}

std::string HomeFolder() {
    std::string home = AbsoluteFromEnvironment("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

} // namespace paths_detail

std::string GetUserDataFolder() {
    std::string base = paths_detail::AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty()) base = IncludeTrailingPathDelimiter(paths_detail::HomeFolder()) + ".config";
    return IncludeTrailingPathDelimiter(base) + "OLVA";
}

std::string GetTempFolder() {
    std::string folder = paths_detail::AbsoluteFromEnvironment("TMPDIR");
    return folder.empty() ? "/tmp" : folder;
}

std::string GetProgramFile() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::string GetProgramFolder() {
    return ExtractFileDir(GetProgramFile());
}

std::string GetCurrentDir() {
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
    return buffer;
}
