#include "net/Base64.h"

#include "platform/rtl/Stream.h"

#include <array>
#include <cstdint>

namespace base64_detail {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Encodes one group of 1 to 3 bytes as four characters, padded with "=".
void AppendGroup(std::string& out, const unsigned char* bytes, int count) {
    const std::uint32_t b0 = bytes[0];
    const std::uint32_t b1 = count > 1 ? bytes[1] : 0;
    const std::uint32_t b2 = count > 2 ? bytes[2] : 0;
    const std::uint32_t triple = (b0 << 16) | (b1 << 8) | b2;
    out += Alphabet[(triple >> 18) & 63];
    out += Alphabet[(triple >> 12) & 63];
    out += count > 1 ? Alphabet[(triple >> 6) & 63] : '=';
    out += count > 2 ? Alphabet[triple & 63] : '=';
}

constexpr std::array<unsigned char, 256> MakeDecodeTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(Alphabet[i])] = static_cast<unsigned char>(i);
    return table;
}
constexpr auto DecodeTable = MakeDecodeTable();

} // namespace base64_detail

std::string Base64Encode(std::string_view Input) {
    std::string out;
    out.reserve((Input.size() + 2) / 3 * 4);
    const auto* bytes = reinterpret_cast<const unsigned char*>(Input.data());
    for (std::size_t i = 0; i < Input.size(); i += 3) {
        const int count = static_cast<int>(std::min<std::size_t>(3, Input.size() - i));
        base64_detail::AppendGroup(out, bytes + i, count);
    }
    return out;
}

void Base64EncodeEx(std::string_view Input, int MaxLen, int& Position, std::string& Output) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(Input.data());
    const int length = static_cast<int>(Input.size());
    if (Position < 1) Position = 1;
    while (Position <= length && static_cast<int>(Output.size()) < MaxLen) {
        const int count = std::min(3, length - Position + 1);
        base64_detail::AppendGroup(Output, bytes + Position - 1, count);
        Position += 3;
    }
}

std::string EncodeBase64Line(TStream& Stream, bool& More) {
    std::string line;
    More = false;
    unsigned char group[3];
    while (line.size() < 72) {
        const auto read = Stream.Read(group, 3);
        if (read <= 0) {
            More = false;
            break;
        }
        base64_detail::AppendGroup(line, group, static_cast<int>(read));
        More = read == 3;
        if (read < 3) break;
    }
    return line;
}

std::string Base64Decode(std::string_view Input) {
    std::string out;
    out.reserve(Input.size() / 4 * 3);
    std::size_t i = 0;
    while (i < Input.size()) {
        if (Input[i] == '\r' || Input[i] == '\n') {
            ++i;
            continue;
        }
        const std::size_t available = std::min<std::size_t>(4, Input.size() - i);
        char c[4] = {'=', '=', '=', '='};
        for (std::size_t k = 0; k < available; ++k)
            c[k] = Input[i + k];
        i += available;
        if (available < 2) break; // one character describes no whole byte
        auto value = [](char ch) {
            return static_cast<std::uint32_t>(base64_detail::DecodeTable[static_cast<unsigned char>(ch)]);
        };
        const std::uint32_t quad =
            (value(c[0]) << 18) | (value(c[1]) << 12) | (value(c[2]) << 6) | value(c[3]);
        out += static_cast<char>((quad >> 16) & 0xFF);
        if (c[2] != '=') out += static_cast<char>((quad >> 8) & 0xFF);
        if (c[3] != '=') out += static_cast<char>(quad & 0xFF);
    }
    return out;
}
