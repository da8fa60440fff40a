#include "cd/CddbText.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

#include <cctype>

namespace cddb_text_detail {

int DigitSum(int Value) {
    int sum = 0;
    for (; Value > 0; Value /= 10)
        sum += Value % 10;
    return sum;
}

int Seconds(int Min, int Sec) {
    return Min * 60 + Sec;
}

} // namespace cddb_text_detail

std::uint32_t CddbDiscId(const TCDTOC& TOC) {
    using namespace cddb_text_detail;
    const int n = TOC.TrackCount;
    int sum = 0;
    for (int i = 0; i < n && i < MaxCDTracks; ++i) {
        const TCDTrack& t = TOC.Tracks[static_cast<std::size_t>(i)];
        sum += DigitSum(Seconds(t.Min, t.Sec));
    }
    const TCDTrack& first = TOC.Tracks[0];
    const int length = Seconds(TOC.LeadOut.Min, TOC.LeadOut.Sec) - Seconds(first.Min, first.Sec);
    return (static_cast<std::uint32_t>(sum % 255) << 24) |
           ((static_cast<std::uint32_t>(length) & 0xFFFF) << 8) | static_cast<std::uint32_t>(n & 0xFF);
}

std::string DiscIdText(std::uint32_t DiscId) {
    // The class library's hex digits are upper case.
    return LowerCase(Format("%8.8x", {DiscId}));
}

std::string CddbQueryCommand(const TCDTOC& TOC) {
    std::string command = Format("cddb query %s %d", {DiscIdText(CddbDiscId(TOC)), int(TOC.TrackCount)});
    for (int i = 0; i < TOC.TrackCount && i < MaxCDTracks; ++i) {
        const TCDTrack& t = TOC.Tracks[static_cast<std::size_t>(i)];
        command += " " + std::to_string(t.Min * 4500 + t.Sec * 75 + t.Frame);
    }
    command += " " + std::to_string(TOC.LeadOut.Min * 60 + TOC.LeadOut.Sec);
    return command;
}

std::string CddbEscape(std::string_view Text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ') {
            escaped += '+';
        } else if (std::isalnum(byte) && byte < 0x80) {
            escaped += c;
        } else {
            escaped += '%';
            escaped += hex[byte >> 4];
            escaped += hex[byte & 0x0F];
        }
    }
    return escaped;
}

std::string HelloWord(std::string Text) {
    for (char& c : Text)
        if (std::isspace(static_cast<unsigned char>(c))) c = '_';
    return Text;
}

std::string HelloUserText(const std::string& EmailUser, const std::string& LocalHost) {
    const std::string address = Trim(EmailUser);
    const auto at = address.rfind('@');
    std::string user = Trim(address.substr(0, at));
    std::string host = at == std::string::npos ? std::string() : Trim(address.substr(at + 1));
    if (user.empty()) user = "anonymous";
    if (host.empty()) host = Trim(LocalHost).empty() ? std::string("localhost") : Trim(LocalHost);
    return HelloWord(user) + " " + HelloWord(host);
}

bool IsUtf8(std::string_view Text) {
    std::size_t i = 0;
    while (i < Text.size()) {
        const auto c = static_cast<unsigned char>(Text[i]);
        int follow;
        std::uint32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            follow = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            follow = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            follow = 3;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(follow) >= Text.size()) return false; // cut short
        std::uint32_t code = c & (0x3F >> follow);
        for (int k = 1; k <= follow; ++k) {
            const auto next = static_cast<unsigned char>(Text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past the last code point are no UTF-8.
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

std::string EntryTextToUtf8(std::string_view Text) {
    if (IsUtf8(Text)) return std::string(Text);
    return CodePageToUtf8(Text, CP_LATIN1);
}

bool IsValidCategory(std::string_view Category) {
    if (Category.empty()) return false;
    for (const char c : Category)
        if (!std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool IsValidDiscId(std::string_view DiscId) {
    if (DiscId.size() != 8) return false;
    for (const char c : DiscId)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}
