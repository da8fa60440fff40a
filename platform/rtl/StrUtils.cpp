#include "platform/rtl/StrUtils.h"

#include "platform/rtl/Utf8.h"

#include <algorithm>
#include <locale.h>
#include <wctype.h>

namespace str_utils_detail {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Unicode case mapping comes from the C library's UTF-8 locale, independent of the process locale.
locale_t UnicodeLocale() {
    static const locale_t locale = [] {
        locale_t found = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return found ? found : ::newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

char32_t FoldCase(char32_t cp) {
    if (cp < 0x80) return static_cast<char32_t>(AsciiLower(static_cast<char>(cp)));
    return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(cp), UnicodeLocale()));
}

template <class Map> std::string MapCodePoints(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();)
        Utf8Append(out, map(Utf8Next(s, pos)));
    return out;
}

int Sign(long long v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}

// Compares code point by code point after `fold`, so "é" and "É" meet as equals.
template <class Fold> int CompareCodePoints(std::string_view a, std::string_view b, Fold fold) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = fold(Utf8Next(a, i));
        const char32_t cb = fold(Utf8Next(b, j));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return Sign(static_cast<long long>(i < a.size()) - static_cast<long long>(j < b.size()));
}

// The length in bytes of the text in `s` at `start` that matches `pattern` ignoring case, or npos.
std::size_t MatchIgnoringCase(std::string_view s, std::size_t start, std::string_view pattern) {
    std::size_t i = start, j = 0;
    while (j < pattern.size()) {
        if (i >= s.size()) return std::string_view::npos;
        if (FoldCase(Utf8Next(s, i)) != FoldCase(Utf8Next(pattern, j))) return std::string_view::npos;
    }
    return i - start;
}

} // namespace str_utils_detail

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

std::string TrimLeft(std::string_view s) {
    std::size_t first = 0;
    while (first < s.size() && str_utils_detail::IsBlank(s[first]))
        ++first;
    return std::string(s.substr(first));
}

std::string TrimRight(std::string_view s) {
    std::size_t end = s.size();
    while (end > 0 && str_utils_detail::IsBlank(s[end - 1]))
        --end;
    return std::string(s.substr(0, end));
}

std::string UpperCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), str_utils_detail::AsciiUpper);
    return out;
}

std::string LowerCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), str_utils_detail::AsciiLower);
    return out;
}

std::string AnsiUpperCase(std::string_view s) {
    return str_utils_detail::MapCodePoints(s, [](char32_t cp) {
        return static_cast<char32_t>(
            ::towupper_l(static_cast<wint_t>(cp), str_utils_detail::UnicodeLocale()));
    });
}

std::string AnsiLowerCase(std::string_view s) {
    return str_utils_detail::MapCodePoints(s, [](char32_t cp) {
        return static_cast<char32_t>(
            ::towlower_l(static_cast<wint_t>(cp), str_utils_detail::UnicodeLocale()));
    });
}

int CompareStr(std::string_view a, std::string_view b) {
    return str_utils_detail::Sign(a.compare(b));
}

int CompareText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(str_utils_detail::AsciiUpper(a[i]));
        const auto cb = static_cast<unsigned char>(str_utils_detail::AsciiUpper(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return str_utils_detail::Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

int AnsiCompareStr(std::string_view a, std::string_view b) {
    return str_utils_detail::CompareCodePoints(a, b, [](char32_t cp) { return cp; });
}

int AnsiCompareText(std::string_view a, std::string_view b) {
    return str_utils_detail::CompareCodePoints(a, b, str_utils_detail::FoldCase);
}

bool SameText(std::string_view a, std::string_view b) {
    return CompareText(a, b) == 0;
}
bool StartsText(std::string_view subText, std::string_view text) {
    return text.size() >= subText.size() && SameText(text.substr(0, subText.size()), subText);
}
bool AnsiSameText(std::string_view a, std::string_view b) {
    return AnsiCompareText(a, b) == 0;
}

std::string QuotedStr(std::string_view s) {
    return AnsiQuotedStr(s, '\'');
}

std::string AnsiQuotedStr(std::string_view s, char quote) {
    std::string out;
    out.reserve(s.size() + 2);
    out += quote;
    for (char c : s) {
        if (c == quote) out += quote;
        out += c;
    }
    out += quote;
    return out;
}

std::string AnsiDequotedStr(std::string_view s, char quote) {
    if (s.empty() || s[0] != quote) return std::string(s);
    std::string out;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] != quote) {
            out += s[i];
        } else if (i + 1 < s.size() && s[i + 1] == quote) {
            out += quote;
            ++i;
        } else {
            return out; // the closing quote
        }
    }
    return std::string(s); // unterminated: not a quoted string after all
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    const bool all = flags.Contains(rfReplaceAll);
    const bool ignoreCase = flags.Contains(rfIgnoreCase);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        std::size_t matched = std::string_view::npos;
        if (ignoreCase) {
            matched = str_utils_detail::MatchIgnoringCase(s, pos, oldPattern);
        } else if (s.compare(pos, oldPattern.size(), oldPattern) == 0) {
            matched = oldPattern.size();
        }
        if (matched == std::string_view::npos) {
            // Step a whole character so that a match never starts inside a multi-byte sequence.
            const std::size_t from = pos;
            Utf8Next(s, pos);
            out.append(s.substr(from, pos - from));
            continue;
        }
        out.append(newPattern);
        pos += matched;
        if (!all) {
            out.append(s.substr(pos));
            return out;
        }
    }
    return out;
}

int Pos(std::string_view sub, std::string_view s) {
    return PosEx(sub, s, 1);
}

int PosEx(std::string_view sub, std::string_view s, int offset) {
    if (sub.empty() || offset < 1 || static_cast<std::size_t>(offset) > s.size()) return 0;
    const std::size_t found = s.find(sub, static_cast<std::size_t>(offset - 1));
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<std::size_t>(index) > s.size()) return {};
    return std::string(s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count)));
}

void Delete(std::string& s, int index, int count) {
    if (index < 1 || count <= 0 || static_cast<std::size_t>(index) > s.size()) return;
    s.erase(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

void Insert(std::string_view source, std::string& s, int index) {
    std::size_t at = index < 1 ? 0 : static_cast<std::size_t>(index - 1);
    s.insert(std::min(at, s.size()), source);
}
