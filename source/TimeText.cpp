#include "source/TimeText.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <optional>

namespace time_text_detail {

bool OnlyCharsOf(std::string_view text, std::string_view allowed) {
    if (text.empty()) return false;
    for (char c : text) {
        bool digit = c >= '0' && c <= '9';
        if (!digit && allowed.find(c) == std::string_view::npos) return false;
    }
    return true;
}

// A numeric part: empty counts as 0; a part too long for 32 bits has no value at all.
std::optional<std::int64_t> ReadPart(std::string_view part) {
    if (part.empty()) return 0;
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size()) return std::nullopt;
    return value;
}

int ToResult(std::optional<std::int64_t> h, std::optional<std::int64_t> m, std::optional<std::int64_t> s,
             std::optional<std::int64_t> ms) {
    if (!h || !m || !s || !ms) return -1;
    std::int64_t total = ComposeMilliseconds(*h, *m, *s, *ms);
    if (total > std::numeric_limits<std::int32_t>::max()) return -1;
    return static_cast<int>(total);
}

} // namespace time_text_detail

std::int64_t ComposeMilliseconds(std::int64_t hours, std::int64_t minutes, std::int64_t seconds,
                                 std::int64_t milliseconds) {
    return hours * 3600000 + minutes * 60000 + seconds * 1000 + milliseconds;
}

int ParseTimeText(std::string_view text) {
    using namespace time_text_detail;
    const int colons = CountOccurrences(text, ":");
    const int dots = CountOccurrences(text, ".");
    const auto lastColon = text.rfind(':');
    const auto dot = text.find('.');

    if (OnlyCharsOf(text, ":.") && dots == 1 && (colons == 1 || colons == 2) && lastColon < dot) {
        std::vector<std::string> clock = SplitText(text.substr(0, dot), ':');
        std::string_view millis = text.substr(dot + 1);
        if (colons == 2)
            return ToResult(ReadPart(clock[0]), ReadPart(clock[1]), ReadPart(clock[2]), ReadPart(millis));
        return ToResult(0, ReadPart(clock[0]), ReadPart(clock[1]), ReadPart(millis));
    }
    if (OnlyCharsOf(text, ".") && dots == 1)
        return ToResult(0, 0, ReadPart(text.substr(0, dot)), ReadPart(text.substr(dot + 1)));
    if (OnlyCharsOf(text, "")) return ToResult(0, 0, ReadPart(text), 0);
    if (OnlyCharsOf(text, ":") && (colons == 1 || colons == 2)) {
        std::vector<std::string> clock = SplitText(text, ':');
        if (colons == 1) return ToResult(0, ReadPart(clock[0]), ReadPart(clock[1]), 0);
        return ToResult(ReadPart(clock[0]), ReadPart(clock[1]), ReadPart(clock[2]), 0);
    }
    return -1;
}

TTimeParts SplitMilliseconds(int ms) {
    TTimeParts parts;
    parts.Hours = ms / 3600000;
    parts.Minutes = (ms / 1000) % 3600 / 60;
    parts.Seconds = (ms / 1000) % 60;
    parts.Milliseconds = ms % 1000;
    return parts;
}

std::string FormatTime(int ms) {
    TTimeParts p = SplitMilliseconds(ms);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1d:%.2d:%.2d.%.3d", p.Hours, p.Minutes, p.Seconds,
                  p.Milliseconds);
    return buffer;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

int CountOccurrences(std::string_view text, std::string_view part) {
    if (part.empty()) return 0;
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}
