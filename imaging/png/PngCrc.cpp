#include "imaging/png/PngTypes.h"

#include <zlib.h>

std::uint32_t PngCrc(std::uint32_t crc, const void* data, std::size_t count) {
    // zlib's crc32 is the reflected 0xEDB88320 CRC with the pre- and post-complement the format uses.
    const auto* p = static_cast<const Bytef*>(data);
    while (count > 0) {
        const auto step = static_cast<uInt>(count > 0x40000000u ? 0x40000000u : count);
        crc = static_cast<std::uint32_t>(crc32(crc, p, step));
        p += step;
        count -= step;
    }
    return crc;
}
