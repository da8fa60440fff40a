// Reading a PNG file held in memory into a 32-bit surface through libpng's ordinary interface, for the
// GDI+ stand-in and the class library's icons. Every colour type, bit depth and interlace is read the way
// the program's own PNG codec shows it: the file's gamma applied for a display of gamma 2.2 (on the full
// 16-bit samples), 16-bit samples then cut to their high byte, tRNS turned into alpha. Chunk sizes and the
// image size are limited before anything is allocated for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class TSurface;

namespace png_reader {

enum class TPngReadResult {
    Ok,
    NotPng,   // no PNG signature, or a header libpng refuses
    TooLarge, // more pixels than the caller allows
    Damaged,  // the header was fine, the data were not
};

// Largest chunk (other than image data) that may be read into memory: text, profiles and the like.
constexpr std::size_t MaxChunkBytes = std::size_t(8) << 20;
// Longest side read, as for the program's own PNG codec.
constexpr std::int64_t MaxSide = 65535;

// Decodes Data into Surface: straight (not premultiplied) blue, green, red, alpha; opaque images get
// alpha 255. Images of more than MaxPixels pixels are refused before the surface is made.
TPngReadResult ReadPng(const std::uint8_t* Data, std::size_t Size, std::int64_t MaxPixels,
                       std::shared_ptr<TSurface>& Surface);

} // namespace png_reader
