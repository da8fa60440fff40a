// Hexadecimal text of byte sequences, for comparing digests with published vectors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace net_test {

template <class Bytes> std::string Hex(const Bytes& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (auto b : bytes) {
        const auto v = static_cast<std::uint8_t>(b);
        out += digits[v >> 4];
        out += digits[v & 15];
    }
    return out;
}

inline std::string FromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return out;
}

} // namespace net_test
