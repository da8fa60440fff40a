#include "platform/rtl/FileNames.h"

#include "platform/rtl/Paths.h"

#include <vector>

namespace file_names_detail {

// Index just past the last delimiter, i.e. where the name part starts.
std::size_t NameStart(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of(PathDelim);
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Index of the extension's dot, or npos.
std::size_t ExtensionStart(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos || dot < NameStart(fileName)) return std::string_view::npos;
    return dot;
}

} // namespace file_names_detail

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    // An empty folder means the current one; making it "/" would silently move files to the root.
    if (!out.empty() && out.back() != PathDelim) out += PathDelim;
    return out;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string out(path);
    if (out.size() > 1 && out.back() == PathDelim) out.pop_back();
    return out;
}

std::string ExtractFilePath(std::string_view fileName) {
    return std::string(fileName.substr(0, file_names_detail::NameStart(fileName)));
}

std::string ExtractFileDir(std::string_view fileName) {
    const std::size_t start = file_names_detail::NameStart(fileName);
    if (start == 0) return {};
    if (start == 1) return std::string(1, PathDelim); // the root keeps its delimiter
    return std::string(fileName.substr(0, start - 1));
}

std::string ExtractFileName(std::string_view fileName) {
    return std::string(fileName.substr(file_names_detail::NameStart(fileName)));
}

std::string ExtractFileExt(std::string_view fileName) {
    const std::size_t dot = file_names_detail::ExtensionStart(fileName);
    return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    const std::size_t dot = file_names_detail::ExtensionStart(fileName);
    std::string out(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
    out += extension;
    return out;
}

std::string ExpandFileName(std::string_view fileName) {
    if (fileName.empty()) return {};
    std::string full = fileName[0] == PathDelim
                           ? std::string(fileName)
                           : IncludeTrailingPathDelimiter(GetCurrentDir()) + std::string(fileName);
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    while (!rest.empty()) {
        const std::size_t slash = rest.find(PathDelim);
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += PathDelim;
        out += part;
    }
    // A name that ended in a delimiter (a folder) keeps it.
    if (out.empty() || fileName.back() == PathDelim) out += PathDelim;
    return out;
}
