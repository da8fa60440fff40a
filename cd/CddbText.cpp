#include "cd/CddbText.h"

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

std::string HelloUserText(const std::string& EmailUser) {
    const auto at = EmailUser.rfind('@');
    if (at == std::string::npos) return std::string();
    return EmailUser.substr(0, at) + " " + EmailUser.substr(at + 1);
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
