// Hand-made BMP files and DIBs for the tests: little-endian fields, info headers of any length (the
// fields past 40 bytes zero), the 12-byte core header, and whole files with the pixel offset filled in.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace bmp_bytes_test {

inline std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}
inline std::string Le16(std::uint32_t v) {
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF)});
}
inline std::string Le32(std::uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// An info header of headerSize bytes (40 or more).
inline std::string InfoHeader(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                              std::uint32_t sizeImage = 0, std::uint32_t colorsUsed = 0,
                              std::uint32_t headerSize = 40) {
    std::string h = Le32(headerSize) + Le32(std::uint32_t(width)) + Le32(std::uint32_t(height)) + Le16(1) +
                    Le16(std::uint32_t(bits)) + Le32(compression) + Le32(sizeImage) + Le32(0) + Le32(0) +
                    Le32(colorsUsed) + Le32(0);
    h.resize(headerSize, '\0');
    return h;
}

// The core header of the oldest files: 16-bit sizes, 3-byte palette entries.
inline std::string CoreHeader(int width, int height, int bits) {
    return Le32(12) + Le16(std::uint32_t(width)) + Le16(std::uint32_t(height)) + Le16(1) +
           Le16(std::uint32_t(bits));
}

// A BMP file: file header, the header, what follows it (masks, palette), the pixels.
inline std::string BmpOf(const std::string& header, const std::string& extra, const std::string& pixels) {
    const std::uint32_t offset = 14 + std::uint32_t(header.size() + extra.size());
    return "BM" + Le32(offset + std::uint32_t(pixels.size())) + Le32(0) + Le32(offset) + header + extra +
           pixels;
}

} // namespace bmp_bytes_test
