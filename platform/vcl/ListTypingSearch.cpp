#include "platform/vcl/ListTypingSearch.h"

#include "platform/rtl/StrUtils.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cctype>

bool StartsWithNoCase(const std::string& Text, const std::string& Prefix) {
    if (Prefix.size() > Text.size()) return false;
    for (std::size_t i = 0; i < Prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(Text[i])) !=
            std::tolower(static_cast<unsigned char>(Prefix[i])))
            return false;
    return true;
}

int FindListItem(int Count, const std::function<std::string(int)>& TextOf, const std::string& Wanted,
                 int After, bool Exact) {
    const int start = After < 0 ? 0 : After + 1;
    for (int k = 0; k < Count; ++k) {
        const int i = (start + k) % Count;
        const std::string text = TextOf(i);
        if (Exact ? SameText(text, Wanted) : StartsWithNoCase(text, Wanted)) return i;
    }
    return -1;
}

const std::string& TListTypingSearch::Type(TKeyChar Key) {
    const std::uint64_t now = ::GetTickCount64();
    if (now - FTime > Pause) FSearch.clear();
    FTime = now;
    FSearch.push_back(Key < 0x80 ? static_cast<char>(Key) : '?');
    return FSearch;
}

int TListTypingSearch::Find(TKeyChar Key, int Current, int Count,
                            const std::function<std::string(int)>& TextOf) {
    Type(Key);
    const char typed = FSearch.back();
    const bool repeated = std::all_of(FSearch.begin(), FSearch.end(), [&](char c) {
        return std::tolower(static_cast<unsigned char>(c)) == std::tolower(static_cast<unsigned char>(typed));
    });
    const std::string prefix = repeated ? std::string(1, typed) : FSearch;
    const int start = Current < 0 ? 0 : (repeated ? Current + 1 : Current);
    for (int k = 0; k < Count; ++k) {
        const int i = (start + k) % Count;
        if (StartsWithNoCase(TextOf(i), prefix)) return i;
    }
    return -1;
}
