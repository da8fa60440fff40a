#include "net/HeaderEncoding.h"

#include "net/Base64.h"
#include "net/QuotedPrintable.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StrUtils.h"

namespace header_encoding_detail {

constexpr const char* FoldBreak = "\r\n\t";

std::string EncodeQ(std::string_view Text, const TByteSet& Specials, const std::string& Prefix, int MaxCol,
                    bool Fold) {
    TByteSet specials = Specials | MakeByteSet(" =?_");
    const int chunkMax = MaxCol - static_cast<int>(Prefix.size()) - 2;
    std::string result;
    int position = 1;
    bool first = true;
    while (position <= static_cast<int>(Text.size())) {
        const int before = position;
        std::string segment = QuotedPrintableChunk(Text, chunkMax, specials, true, position, Fold);
        if (position == before) {
            // The column is too narrow for even one byte: give that byte a word of its own.
            segment = QuotedPrintableChunk(Text.substr(0, before), 4, specials, true, position, true);
        }
        if (!segment.empty() && segment.back() == '=') segment.pop_back();
        if (!first) result += FoldBreak;
        result += Prefix + segment + "?=";
        first = false;
    }
    return result;
}

std::string EncodeB(std::string_view Text, const std::string& Prefix, int MaxCol, bool Fold) {
    const int restartCount = static_cast<int>(Prefix.size()) + 2;
    std::string result = Prefix;
    int column = restartCount;
    bool wordHasData = false;
    for (std::size_t i = 0; i < Text.size(); i += 3) {
        // A word always takes at least one group, so a narrow column never yields empty words.
        if (Fold && wordHasData && column + 4 > MaxCol) {
            result += "?=";
            result += FoldBreak;
            result += Prefix;
            column = restartCount;
        }
        result += Base64Encode(Text.substr(i, 3));
        column += 4;
        wordHasData = true;
    }
    return result + "?=";
}

} // namespace header_encoding_detail

std::string HdrEncodeInLine(std::string_view Text, const TByteSet& Specials, char EncType,
                            std::string_view CharSet, int MaxCol, bool Fold) {
    if (Fold && MaxCol < 25) MaxCol = 25;
    if (CharSet.size() < 4)
        throw Exception("Function 'HdrEncodeInLine', invalid CharSet: " + std::string(CharSet));
    if (EncType != 'B' && EncType != 'Q')
        throw Exception(std::string("Function 'HdrEncodeInLine', invalid EncType: ") + EncType);
    const std::string prefix = "=?" + LowerCase(CharSet) + "?" + EncType + "?";
    if (EncType == 'Q') return header_encoding_detail::EncodeQ(Text, Specials, prefix, MaxCol, Fold);
    return header_encoding_detail::EncodeB(Text, prefix, MaxCol, Fold);
}
