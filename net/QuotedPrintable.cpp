#include "net/QuotedPrintable.h"

#include <algorithm>
#include <limits>

std::string QuotedPrintableChunk(std::string_view Text, int MaxLen, const TByteSet& Specials,
                                 bool SpaceAsUnderscore, int& Position, bool Limited) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    // Without a limit the whole rest goes into one segment: a limit of the text's own length would cut
    // every text that holds an escape and could never make progress on a one-byte text.
    const long long limit = Limited ? MaxLen : std::numeric_limits<long long>::max();
    const int length = static_cast<int>(Text.size());
    if (Position < 1) Position = 1;
    std::string out;
    while (Position <= length) {
        const char ch = Text[Position - 1];
        const auto c = static_cast<unsigned char>(ch);
        const long long outPos = static_cast<long long>(out.size()) + 1;
        bool fits;
        if (ch == ' ' && SpaceAsUnderscore) {
            fits = outPos < limit;
            if (fits) out += '_';
        } else if (c >= 32 && c <= 126 && ch != '=' && !InByteSet(Specials, ch)) {
            fits = outPos < limit;
            if (fits) out += ch;
        } else {
            fits = outPos < limit - 2;
            if (fits) {
                out += '=';
                out += HexDigits[c >> 4];
                out += HexDigits[c & 15];
            }
        }
        if (!fits) {
            out += '=';
            return out;
        }
        ++Position;
    }
    return out;
}

std::string QuotedPrintableLine(std::string_view Text, int MaxLen, int& Position) {
    if (Position < 1) Position = 1;
    const std::size_t from = static_cast<std::size_t>(Position) - 1;
    if (from >= Text.size()) return {};
    const std::size_t lineEnd = std::min(Text.find("\r\n", from), Text.size());
    const std::string_view line = Text.substr(from, lineEnd - from);
    int local = 1;
    std::string out = QuotedPrintableChunk(line, MaxLen, TByteSet(), false, local, true);
    Position += local - 1;
    if (local <= static_cast<int>(line.size())) return out; // ends in a soft break; the line goes on
    if (!out.empty() && (out.back() == ' ' || out.back() == '\t'))
        out.replace(out.size() - 1, 1, out.back() == ' ' ? "=20" : "=09");
    if (lineEnd < Text.size()) Position += 2; // past the line break
    return out;
}
