#include "net/HeaderFolding.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"

#include <limits>

namespace header_folding_detail {

constexpr std::string_view FoldBreak = "\r\n\t";

// Bytes that follow a lead byte of the system code page (UTF-8) and belong to the same character.
int TrailBytes(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 3;
    if (lead >= 0xE0) return lead <= 0xEF ? 2 : 0;
    if (lead >= 0xC2) return 1;
    return 0;
}

} // namespace header_folding_detail

TByteSet HeaderBreakChars() {
    return MakeByteSet("\t ,;>]");
}

std::string WrapText(std::string_view Text, std::string_view BreakStr, const TByteSet& BreakChars,
                     const TByteSet& QuoteChars, int& Position, int MaxCol) {
    const int length = static_cast<int>(Text.size());
    if (Position < 1) Position = 1;
    const int lineStart = Position;
    int column = 1;
    int breakPos = 0;
    char quote = 0;
    bool found = false;
    while (Position <= length) {
        const char ch = Text[Position - 1];
        const int trail = header_folding_detail::TrailBytes(static_cast<unsigned char>(ch));
        if (trail > 0) {
            Position += std::min(trail, length - Position); // never split a character
        } else if (quote == 0 && !BreakStr.empty() && ch == BreakStr[0] &&
                   SameText(Text.substr(Position - 1, BreakStr.size()), BreakStr)) {
            found = true;
            Position += static_cast<int>(BreakStr.size()) - 1;
            breakPos = Position;
        } else if (quote == 0 && InByteSet(BreakChars, ch)) {
            breakPos = Position;
        } else if (InByteSet(QuoteChars, ch)) {
            if (quote == ch)
                quote = 0;
            else if (quote == 0)
                quote = ch;
        }
        ++Position;
        ++column;
        if (quote != 0) continue;
        if (found || (column > MaxCol && breakPos > lineStart)) {
            const int end = found ? breakPos - static_cast<int>(BreakStr.size()) : breakPos;
            Position = breakPos + 1;
            return std::string(Text.substr(lineStart - 1, std::max(0, end - lineStart + 1)));
        }
    }
    Position = std::numeric_limits<int>::max();
    return lineStart <= length ? std::string(Text.substr(lineStart - 1)) : std::string();
}

void FoldHdrLine(TStrings& List, std::string_view HdrLine) {
    const TByteSet breakChars = HeaderBreakChars();
    int position = 1;
    List.Add(Trim(WrapText(HdrLine, header_folding_detail::FoldBreak, breakChars, TByteSet(), position,
                           HeaderFoldColumn)));
    while (position <= static_cast<int>(HdrLine.size()))
        List.Add("\t" + Trim(WrapText(HdrLine, header_folding_detail::FoldBreak, breakChars, TByteSet(),
                                      position, HeaderFoldColumn)));
}

std::string FoldString(std::string_view Text, const TByteSet& BreakChars, int MaxCol) {
    int position = 1;
    std::string result =
        Trim(WrapText(Text, header_folding_detail::FoldBreak, BreakChars, TByteSet(), position, MaxCol));
    while (position <= static_cast<int>(Text.size())) {
        result += header_folding_detail::FoldBreak;
        result +=
            Trim(WrapText(Text, header_folding_detail::FoldBreak, BreakChars, TByteSet(), position, MaxCol));
    }
    return result;
}
