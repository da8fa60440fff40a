#include "source/FileNameHelpers.h"

#include "platform/rtl/StrUtils.h"

#include <array>
#include <string_view>
#include <sys/stat.h>

namespace file_name_detail {

constexpr std::array<std::string_view, 16> SupportedExtensions{
    ".wav", ".mp3",  ".mp2",  ".mpga", ".wma", ".ogg",  ".cda",  ".vox",
    ".raw", ".g721", ".g723", ".g726", ".aif", ".aiff", ".aifc", ".mpc"};

constexpr std::string_view ForbiddenChars = "\\/:*?\"<>|";

// Position of the dot that starts the extension, or npos.
std::size_t ExtensionStart(const std::string& path) {
    std::size_t nameStart = path.find_last_of('/');
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot <= nameStart) return std::string::npos;
    return dot;
}

// Any entry at all counts, also a folder or a link that points nowhere.
bool EntryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace file_name_detail

std::string AddTrailingBackslash(const std::string& path) {
    if (path.empty() || path.back() == '/') return path;
    return path + '/';
}

bool IsSupportedAudioExt(std::string_view extension) {
    for (std::string_view supported : file_name_detail::SupportedExtensions)
        if (SameText(extension, supported)) return true;
    return false;
}

std::string ExtractFileExtension(const std::string& path) {
    std::size_t dot = file_name_detail::ExtensionStart(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string StripExtension(const std::string& path) {
    std::size_t dot = file_name_detail::ExtensionStart(path);
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string UniqueFileName(const std::string& name, const std::string& folder) {
    return UniqueFileName(name, folder, file_name_detail::EntryExists);
}

std::string UniqueFileName(const std::string& name, const std::string& folder,
                           const std::function<bool(const std::string& path)>& exists) {
    const std::string base = AddTrailingBackslash(folder);
    std::string candidate = base + name;
    if (!exists(candidate)) return candidate;
    const std::string stem = StripExtension(name);
    const std::string extension = ExtractFileExtension(name);
    // No upper bound: a folder cannot hold more entries than a 64-bit counter can number.
    for (unsigned long long i = 1;; ++i) {
        candidate = base + stem + "(" + std::to_string(i) + ")" + extension;
        if (!exists(candidate)) return candidate;
    }
}

std::string CleanFileName(std::string_view text, std::string_view replacement) {
    std::string cleaned;
    cleaned.reserve(text.size());
    for (char c : text) {
        if (file_name_detail::ForbiddenChars.find(c) != std::string_view::npos)
            cleaned.append(replacement);
        else
            cleaned.push_back(c);
    }
    return cleaned;
}

int FirstSpacePosition(std::string_view text) {
    std::size_t blank = text.find(' ');
    return blank == std::string_view::npos ? static_cast<int>(text.size()) : static_cast<int>(blank) + 1;
}
