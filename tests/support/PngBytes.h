// Hand-made PNG files for the tests: big-endian fields, chunks with their CRC (spoiled on request), the
// header chunk and the signature, and zlib streams of raw rows.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace png_bytes_test {

inline std::string Be32(std::uint32_t v) {
    return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}
inline std::string Be16(std::uint16_t v) {
    return std::string{char(v >> 8), char(v)};
}

inline std::string Zlib(const std::string& raw, int level = 6) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), level) != Z_OK)
        throw std::runtime_error("compress2");
    out.resize(size);
    return out;
}

// One chunk: length, type, data, CRC (spoiled when badCrc).
inline std::string Chunk(const std::string& type, const std::string& data, bool badCrc = false) {
    const std::string body = type + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()));
    if (badCrc) crc ^= 1;
    return Be32(std::uint32_t(data.size())) + body + Be32(std::uint32_t(crc));
}

inline std::string Ihdr(std::uint32_t w, std::uint32_t h, int depth, int colorType, int interlace = 0,
                        int compression = 0) {
    return Chunk("IHDR", Be32(w) + Be32(h) + char(depth) + char(colorType) + char(compression) + char(0) +
                             char(interlace));
}

inline std::string Signature() {
    return std::string("\x89PNG\r\n\x1a\n", 8);
}

// A whole non-interlaced file from its raw rows (each starting with its filter byte).
inline std::string PngOfRows(std::uint32_t w, std::uint32_t h, int depth, int colorType,
                             const std::string& rows, const std::string& beforeData = std::string()) {
    return Signature() + Ihdr(w, h, depth, colorType) + beforeData + Chunk("IDAT", Zlib(rows)) +
           Chunk("IEND", "");
}

} // namespace png_bytes_test
