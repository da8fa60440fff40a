// Reading and writing device-independent bitmaps (the BMP file format, the DIBs inside icons and on the
// clipboard), shared by the class library's bitmaps and icons and by the GDI+ stand-in: core, info, V4 and
// V5 headers; 1, 4, 8, 16, 24 and 32 bits per pixel, palettes, bit-field masks, run-length compression
// (read), bottom-up and top-down rows. Damaged, truncated or oversized input raises EInvalidGraphic with
// the caller's message before the pixels are allocated.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class TSurface;

namespace dib_codec {

struct TDibHeader {
    int Width = 0;
    int Height = 0; // rows, always positive
    bool TopDown = false;
    int BitsPerPixel = 0;
    DWORD Compression = BI_RGB;
    DWORD RedMask = 0, GreenMask = 0, BlueMask = 0, AlphaMask = 0;
    std::uint32_t SizeImage = 0; // the bytes of pixel data the header promises (0: not given)
    std::vector<RGBQUAD> Palette;
    std::size_t HeaderSize = 0; // header, masks and palette together
};

// The largest width or height, and the most pixels (256 MB of surface), accepted: a damaged header
// cannot ask for gigabytes.
constexpr int MaxDimension = 32768;
constexpr long long MaxPixels = 1LL << 26;

// Parses a DIB header (core, info, V4 or V5) with its masks and palette. `rows` overrides the height
// (icons store twice the height); 0 keeps the header's.
TDibHeader ParseHeader(const std::uint8_t* data, std::size_t size, const char* error, int rows = 0);
// Decodes the pixels of a DIB into a new 32-bit surface (alpha as stored for 32 bits per pixel with an
// alpha byte, 0 otherwise). Uncompressed data shorter than the rows need, and run-length data shorter
// than the header's image size, are refused before the surface is made.
std::shared_ptr<TSurface> DecodePixels(const TDibHeader& header, const std::uint8_t* bits, std::size_t size,
                                       const char* error);
// A whole BMP file, header included.
struct TBmpFile {
    TDibHeader Header;
    std::shared_ptr<TSurface> Surface;
};
TBmpFile ReadBmpFile(const std::uint8_t* data, std::size_t size, const char* error);

// Bytes of one stored row (padded to 4 bytes).
inline std::size_t RowBytes(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

// Finds the nearest palette entry of a colour, remembering earlier answers.
class TPaletteMatcher {
public:
    explicit TPaletteMatcher(const std::vector<RGBQUAD>& palette) : FPalette(palette) {}
    int IndexOf(std::uint32_t bgr);

private:
    const std::vector<RGBQUAD>& FPalette;
    std::unordered_map<std::uint32_t, int> FCache;
};

// Packs one surface row into the stored form of a bit depth (16 bits: 5-6-5 when `rgb565`, else 5-5-5).
void PackRow(const std::uint32_t* pixels, int width, int bitsPerPixel, bool rgb565, TPaletteMatcher* matcher,
             std::uint8_t* out);
// Unpacks a stored row back into surface pixels.
void UnpackRow(const std::uint8_t* in, int width, int bitsPerPixel, bool rgb565,
               const std::vector<RGBQUAD>& palette, std::uint32_t* pixels);

// Writes the info header, masks, palette and bottom-up rows of a surface at a bit depth.
std::string EncodeDib(const TSurface& surface, int bitsPerPixel, bool rgb565,
                      const std::vector<RGBQUAD>& palette);
// The same with the 14-byte file header in front.
std::string EncodeBmpFile(const TSurface& surface, int bitsPerPixel, bool rgb565,
                          const std::vector<RGBQUAD>& palette);

// The palettes a new bitmap of a bit depth starts with: black and white; the 16 colours of the classic
// display; 256 colours (the 16, a 6x6x6 cube, then greys).
std::vector<RGBQUAD> DefaultPalette(int bitsPerPixel);

} // namespace dib_codec
