#include "platform/rtl/CodePages.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"

#include <array>

namespace code_pages_detail {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F. Its five unassigned bytes map to the C1
// control of the same value, which keeps every byte round-trippable.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsUtf8(unsigned codePage) {
    return codePage == CP_UTF8 || codePage == CP_ACP;
}

char32_t SingleByteToCodePoint(unsigned char byte, unsigned codePage) {
    if (byte < 0x80) return byte;
    if (codePage == CP_USASCII) return kReplacementChar;
    if (codePage == CP_WINDOWS1252 && byte < 0xA0) return kWindows1252High[byte - 0x80];
    return byte;
}

// Returns -1 when the code page has no byte for `cp`.
int CodePointToSingleByte(char32_t cp, unsigned codePage) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (codePage == CP_USASCII || cp > 0xFFFF) return -1;
    if (codePage == CP_WINDOWS1252) {
        for (std::size_t i = 0; i < kWindows1252High.size(); ++i)
            if (kWindows1252High[i] == cp) return static_cast<int>(0x80 + i);
        if (cp >= 0x80 && cp < 0xA0) return -1;
    }
    return cp <= 0xFF ? static_cast<int>(cp) : -1;
}

void RequireSupported(unsigned codePage) {
    if (!IsSupportedCodePage(codePage))
        throw EConvertError("Unsupported code page " + std::to_string(codePage));
}

} // namespace code_pages_detail

unsigned GetACP() {
    return CP_UTF8;
}

bool IsSupportedCodePage(unsigned codePage) {
    return codePage == CP_ACP || codePage == CP_UTF8 || codePage == CP_WINDOWS1252 || codePage == CP_LATIN1 ||
           codePage == CP_USASCII;
}

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = Utf8Next(text, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            Utf8Append(out, 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            Utf8Append(out, unit); // a lone surrogate becomes U+FFFD here
        }
    }
    return out;
}

std::string CodePageToUtf8(std::string_view bytes, unsigned codePage) {
    using namespace code_pages_detail;
    RequireSupported(codePage);
    std::string out;
    if (IsUtf8(codePage)) {
        // Re-encoding cleans malformed sequences, so the result is always valid UTF-8.
        for (std::size_t pos = 0; pos < bytes.size();)
            Utf8Append(out, Utf8Next(bytes, pos));
        return out;
    }
    out.reserve(bytes.size());
    for (char byte : bytes)
        Utf8Append(out, SingleByteToCodePoint(static_cast<unsigned char>(byte), codePage));
    return out;
}

std::string Utf8ToCodePage(std::string_view text, unsigned codePage, char replacement) {
    using namespace code_pages_detail;
    RequireSupported(codePage);
    if (IsUtf8(codePage)) return CodePageToUtf8(text, CP_UTF8);
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        int byte = CodePointToSingleByte(Utf8Next(text, pos), codePage);
        out += byte < 0 ? replacement : static_cast<char>(byte);
    }
    return out;
}
