#include "platform/rtl/IniFileText.h"

#include "platform/rtl/Strings.h"

#include <cerrno>
#include <cstring>

namespace ini_text {

void ReplaceListContent(TStrings& list, const std::vector<std::string>& items) {
    list.BeginUpdate();
    try {
        list.Clear();
        for (const std::string& item : items)
            list.Add(item);
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

std::string BytesToHex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

namespace {
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

std::optional<std::string> HexToBytes(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int high = HexDigitValue(text[i]);
        int low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string LastErrorReason() {
    if (errno == 0) return "";
    return std::string(": ") + std::strerror(errno);
}

} // namespace ini_text
