#include "net/UrlUtils.h"

#include "platform/rtl/StrUtils.h"

#include <vector>

namespace url_detail {

// Base cut after its last "/" ("/" when it holds none).
std::string CutAfterLastSlash(const std::string& base) {
    const auto slash = base.rfind('/');
    return slash == std::string::npos ? std::string("/") : base.substr(0, slash + 1);
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

bool IsSchemeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

} // namespace url_detail

int FindOccurrence(std::string_view Pattern, std::string_view Text, int Count) {
    if (Count == 0 || Pattern.empty()) return 0;
    if (Count < 0) {
        if (Text.size() < Pattern.size()) return 0;
        const auto at = Text.rfind(Pattern);
        return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
    }
    std::size_t from = 0;
    for (int n = 1;; ++n) {
        const auto at = Text.find(Pattern, from);
        if (at == std::string_view::npos) return static_cast<int>(Text.size()) + 1;
        if (n == Count) return static_cast<int>(at) + 1;
        from = at + 1;
    }
}

std::string RemoveDotSegments(std::string_view Path) {
    const auto query = Path.find('?');
    const std::string_view path = Path.substr(0, query);
    const bool rooted = !path.empty() && path[0] == '/';
    std::vector<std::string_view> kept;
    std::size_t from = rooted ? 1 : 0;
    for (;;) {
        const auto slash = path.find('/', from);
        const std::string_view segment = path.substr(from, slash - from);
        const bool last = slash == std::string_view::npos;
        if (segment == "." || segment == "..") {
            if (segment == ".." && !kept.empty()) kept.pop_back();
            if (last) kept.emplace_back(); // "/a/.." names the folder "/"
        } else {
            kept.push_back(segment);
        }
        if (last) break;
        from = slash + 1;
    }
    std::string result = rooted ? "/" : "";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0) result += '/';
        result += kept[i];
    }
    if (query != std::string_view::npos) result += Path.substr(query);
    return result;
}

bool IsHexDigit(char Ch) {
    return (Ch >= '0' && Ch <= '9') || (Ch >= 'a' && Ch <= 'f') || (Ch >= 'A' && Ch <= 'F');
}

int HexDigitValue(char Ch) {
    if (Ch >= '0' && Ch <= '9') return Ch - '0';
    return (static_cast<unsigned char>(Ch) & 15) + 9;
}

void SplitUrl(std::string_view Url, std::string& Proto, std::string& User, std::string& Pass,
              std::string& Host, std::string& Port, std::string& Path) {
    using namespace url_detail;
    const std::string base = Path;
    Proto.clear();
    User.clear();
    Pass.clear();
    Host.clear();
    Port.clear();
    Path.clear();
    const std::string_view s = Url;
    if (s.empty()) return;

    if (s.starts_with("./")) {
        Path = CutAfterLastSlash(base) + std::string(s.substr(2));
        return;
    }
    if (s.starts_with("../")) {
        std::string dir = CutAfterLastSlash(base);
        std::string_view rest = s.substr(3);
        for (;;) {
            if (!dir.empty() && dir.back() == '/') dir.pop_back();
            dir = CutAfterLastSlash(dir);
            if (!rest.starts_with("../")) break;
            rest.remove_prefix(3);
        }
        Path = dir + std::string(rest);
        return;
    }

    std::size_t authority = 0;
    auto schemeEnd = s.find("://");
    if (schemeEnd != std::string_view::npos) {
        const std::string scheme = LowerCase(s.substr(0, schemeEnd));
        bool valid = true;
        for (char c : scheme)
            if (!IsSchemeChar(c)) valid = false;
        if (valid) {
            Proto = scheme;
            authority = schemeEnd + 3;
        } else {
            schemeEnd = std::string_view::npos;
            Proto = "http";
        }
    }
    if (schemeEnd == std::string_view::npos) {
        if (s[0] == '/') {
            Proto = "http";
            if (s.size() > 1 && s[1] != '/') {
                Path = std::string(s);
                return;
            }
            authority = 1;
        } else if (StartsWithText(s, "http:")) {
            Proto = "http";
            if (s.size() > 6 && s[6] != '/') {
                Path = std::string(s.substr(5));
                return;
            }
            authority = 6;
        } else if (StartsWithText(s, "mailto:")) {
            Proto = "mailto";
            authority = s.find(':') + 1;
        }
    }

    const std::string_view rest = authority < s.size() ? s.substr(authority) : std::string_view();
    const auto authorityEnd = std::min(rest.find('/'), rest.find('?'));
    std::string_view auth = rest.substr(0, std::min(authorityEnd, rest.size()));
    if (authorityEnd != std::string_view::npos) Path = std::string(rest.substr(authorityEnd));

    const auto colon = auth.rfind(':');
    const auto at = auth.rfind('@');
    std::string_view userPart;
    if (colon == std::string_view::npos && at == std::string_view::npos) {
        Host = std::string(auth);
    } else if (colon != std::string_view::npos && (at == std::string_view::npos || colon > at)) {
        Port = std::string(auth.substr(colon + 1));
        const std::size_t hostStart = at == std::string_view::npos ? 0 : at + 1;
        Host = std::string(auth.substr(hostStart, colon - hostStart));
        if (at != std::string_view::npos) userPart = auth.substr(0, at);
    } else {
        Host = std::string(auth.substr(at + 1));
        userPart = auth.substr(0, at);
    }
    const auto userColon = userPart.find(':');
    if (userColon == std::string_view::npos) {
        User = std::string(userPart);
    } else {
        User = std::string(userPart.substr(0, userColon));
        Pass = std::string(userPart.substr(userColon + 1));
    }
}
