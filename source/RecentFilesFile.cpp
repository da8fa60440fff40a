#include "source/RecentFilesFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>
#include <fstream>

namespace recent_files_detail {

// More than the entries can fill: a larger file is damaged or not ours, and only its start is read.
constexpr std::size_t ReadLimitBytes = 64 * 1024;
// A path longer than the system takes is no path.
constexpr std::size_t PathLimit = 4096;

// An entry is a full path without control characters.
bool IsPathEntry(const std::string& Line) {
    if (Line.empty() || Line.size() > PathLimit || Line.front() != '/') return false;
    return std::none_of(Line.begin(), Line.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

} // namespace recent_files_detail

std::vector<std::string> ReadRecentFilesFile(const std::string& Path) {
    using namespace recent_files_detail;
    std::vector<std::string> lines;
    std::ifstream in(Path, std::ios::binary);
    if (!in) return lines;
    std::string bytes(ReadLimitBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    std::size_t start = 0;
    while (start < bytes.size() && static_cast<int>(lines.size()) < RecentFilesLimit) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (IsPathEntry(line)) lines.push_back(std::move(line));
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
