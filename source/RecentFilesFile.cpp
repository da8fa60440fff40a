#include "source/RecentFilesFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

std::vector<std::string> ReadRecentFilesFile(const std::string& Path) {
    std::vector<std::string> lines;
    const std::optional<std::string> bytes = ReadFileBytes(Path);
    if (!bytes) return lines;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find('\n', start);
        if (end == std::string::npos) end = bytes->size();
        std::string line = bytes->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

void WriteRecentFilesFile(const std::string& Path, const std::vector<std::string>& Lines) {
    std::string text;
    for (const std::string& line : Lines)
        text += line + "\r\n";
    if (!WriteFileAtomically(Path, text)) throw EFCreateError("Cannot create file " + Path);
}
