#include "platform/vcl/FileDialogFilter.h"

#include "platform/rtl/FileUtils.h"

namespace filedialogfilter_detail {

std::string Trimmed(std::string_view Text) {
    std::size_t first = 0;
    std::size_t last = Text.size();
    while (first < last && (Text[first] == ' ' || Text[first] == '\t'))
        ++first;
    while (last > first && (Text[last - 1] == ' ' || Text[last - 1] == '\t'))
        --last;
    return std::string(Text.substr(first, last - first));
}

std::vector<std::string> Split(std::string_view Text, char Separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = Text.find(Separator, start);
        parts.push_back(std::string(Text.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return parts;
}

} // namespace filedialogfilter_detail

std::vector<TFileFilterEntry> ParseFileFilter(std::string_view Filter) {
    using namespace filedialogfilter_detail;
    std::vector<TFileFilterEntry> entries;
    if (Trimmed(Filter).empty()) return entries;
    const std::vector<std::string> parts = Split(Filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        TFileFilterEntry entry;
        entry.Description = parts[i];
        if (i + 1 < parts.size())
            for (const std::string& mask : Split(parts[i + 1], ';')) {
                std::string m = Trimmed(mask);
                if (!m.empty()) entry.Masks.push_back(std::move(m));
            }
        if (entry.Description.empty() && entry.Masks.empty()) continue;
        if (entry.Masks.empty()) entry.Masks.push_back("*");
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool FileNameMatchesMasks(std::string_view Name, const std::vector<std::string>& Masks) {
    if (Masks.empty()) return true;
    for (const std::string& mask : Masks)
        if (MatchesMask(Name, mask)) return true;
    return false;
}

std::string FilterEntryExtension(const TFileFilterEntry& Entry) {
    if (Entry.Masks.empty()) return {};
    const std::string& mask = Entry.Masks.front();
    if (mask.size() < 3 || mask[0] != '*' || mask[1] != '.') return {};
    const std::string ext = mask.substr(2);
    if (ext.find_first_of("*?.") != std::string::npos) return {};
    return ext;
}

std::vector<std::string> SplitFileNameList(std::string_view Text) {
    using namespace filedialogfilter_detail;
    std::vector<std::string> names;
    if (Text.find('"') == std::string_view::npos) {
        std::string name = Trimmed(Text);
        if (!name.empty()) names.push_back(std::move(name));
        return names;
    }
    std::size_t pos = 0;
    while (pos < Text.size()) {
        const std::size_t open = Text.find('"', pos);
        // Text outside quotes between quoted names is a name of its own.
        std::string between = Trimmed(Text.substr(pos, open == std::string_view::npos ? open : open - pos));
        if (!between.empty()) names.push_back(std::move(between));
        if (open == std::string_view::npos) break;
        const std::size_t close = Text.find('"', open + 1);
        std::string quoted = Trimmed(Text.substr(
            open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1));
        if (!quoted.empty()) names.push_back(std::move(quoted));
        if (close == std::string_view::npos) break;
        pos = close + 1;
    }
    return names;
}

bool IsFileNameMask(std::string_view Name) {
    return Name.find_first_of("*?") != std::string_view::npos;
}
