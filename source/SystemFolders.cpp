#include "source/SystemFolders.h"

#include "platform/rtl/Paths.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <pwd.h>
#include <unistd.h>

namespace system_folders_detail {

constexpr int PlatformMajorVersion = 6;

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return "/";
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// First line printed by a command, or empty when it cannot run or prints nothing.
std::string CommandOutputLine(const char* command) {
    struct PipeCloser {
        void operator()(FILE* f) const { ::pclose(f); }
    };
    std::unique_ptr<FILE, PipeCloser> pipe(::popen(command, "r"));
    if (!pipe) return {};
    std::string line;
    for (int c = std::fgetc(pipe.get()); c != EOF && c != '\n'; c = std::fgetc(pipe.get()))
        line.push_back(static_cast<char>(c));
    return line;
}

// The per-user data folder is "OLVA" inside the configuration root.
std::string ConfigRoot() {
    const std::string dataFolder = GetUserDataFolder();
    const std::size_t slash = dataFolder.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : dataFolder.substr(0, slash);
}

std::string MusicFolder() {
    std::string answer = CommandOutputLine("xdg-user-dir MUSIC 2>/dev/null");
    if (!answer.empty() && answer.front() == '/') return WithoutTrailingSeparators(answer);
    return WithoutTrailingSeparators(HomeFolder()) + "/Music";
}

} // namespace system_folders_detail

std::string ShellFolderPath(const std::string& entryName) {
    using namespace system_folders_detail;
    if (entryName == "AppData") return ConfigRoot();
    if (entryName == "My Music") return MusicFolder();
    return WithoutTrailingSeparators(HomeFolder());
}

std::string DataFolderPath() {
    return GetUserDataFolder() + "/";
}

std::string SystemFolderPath() {
    return "/usr/bin";
}

bool IsWindowsVistaOrLater() {
    return system_folders_detail::PlatformMajorVersion > 5;
}
