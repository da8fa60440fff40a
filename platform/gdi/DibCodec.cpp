#include "platform/gdi/DibCodec.h"

#include "platform/gdi/LittleEndianBytes.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace dib_codec {

namespace {

using le_bytes::Put16;
using le_bytes::Put32;
using le_bytes::U16;
using le_bytes::U32;

constexpr DWORD BiRle8 = 1;
constexpr DWORD BiRle4 = 2;
constexpr DWORD BiAlphaBitfields = 6;

// One channel of a bit-field pixel, scaled to 0..255.
struct TMaskChannel {
    explicit TMaskChannel(std::uint32_t mask)
        : Mask(mask), Shift(mask ? std::countr_zero(mask) : 0), Max(mask ? (mask >> Shift) : 0) {}
    std::uint32_t Extract(std::uint32_t value) const {
        if (Max == 0) return 0;
        return static_cast<std::uint32_t>(((value & Mask) >> Shift) * 255u / Max);
    }
    std::uint32_t Mask;
    int Shift;
    std::uint32_t Max;
};

std::uint32_t PaletteColor(const std::vector<RGBQUAD>& palette, unsigned index) {
    if (index >= palette.size()) return 0;
    const RGBQUAD& q = palette[index];
    return static_cast<std::uint32_t>(q.rgbBlue) | (static_cast<std::uint32_t>(q.rgbGreen) << 8) |
           (static_cast<std::uint32_t>(q.rgbRed) << 16);
}

// Run-length compressed rows straight into the surface's colours; pixels the data leave out keep colour
// 0. Stored rows count from the bottom.
void DecodeRle(const TDibHeader& header, const std::uint8_t* bits, std::size_t size, const char* error,
               TSurface& surface) {
    const int width = header.Width, height = header.Height;
    const bool four = header.Compression == BiRle4;
    int x = 0, y = 0;
    std::size_t pos = 0;
    auto put = [&](unsigned index) {
        if (x < width && y < height) surface.Row(height - 1 - y)[x] = PaletteColor(header.Palette, index);
        ++x;
    };
    while (pos + 2 <= size) {
        const std::uint8_t count = bits[pos], value = bits[pos + 1];
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) { // end of line
            x = 0;
            ++y;
        } else if (value == 1) { // end of bitmap
            return;
        } else if (value == 2) { // delta
            if (pos + 2 > size) break;
            x += bits[pos];
            y += bits[pos + 1];
            pos += 2;
        } else { // absolute run, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1u) / 2u : value;
            if (pos + bytes > size) break;
            for (int i = 0; i < value; ++i)
                put(four ? ((i & 1) ? (bits[pos + i / 2] & 0x0F) : (bits[pos + i / 2] >> 4)) : bits[pos + i]);
            pos += bytes + (bytes & 1);
        }
        if (y > height) break;
    }
    // Files that end without the end-of-bitmap mark are accepted once every row was reached.
    if (y >= height - 1) return;
    throw EInvalidGraphic(error);
}

} // namespace

TDibHeader ParseHeader(const std::uint8_t* data, std::size_t size, const char* error, int rows) {
    if (size < 12) throw EInvalidGraphic(error);
    TDibHeader h;
    const std::uint32_t headerSize = U32(data);
    std::uint32_t colorsUsed = 0;
    int entrySize = 4;
    std::int64_t width = 0, height = 0;
    if (headerSize == 12) {
        // The core header of the oldest files: unsigned 16-bit sizes, always bottom-up, 3-byte palette.
        width = U16(data + 4);
        height = U16(data + 6);
        h.BitsPerPixel = U16(data + 10);
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= size) {
        width = static_cast<std::int32_t>(U32(data + 4));
        height = static_cast<std::int32_t>(U32(data + 8));
        h.BitsPerPixel = U16(data + 14);
        h.Compression = U32(data + 16);
        h.SizeImage = U32(data + 20);
        colorsUsed = U32(data + 32);
    } else {
        throw EInvalidGraphic(error);
    }
    if (height < 0) {
        h.TopDown = true;
        height = -height; // 64 bits: the most negative 32-bit height does not overflow
    }
    if (rows > 0) height = rows;
    if (width <= 0 || width > MaxDimension || height <= 0 || height > MaxDimension ||
        width * height > MaxPixels)
        throw EInvalidGraphic(error);
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    const int bpp = h.BitsPerPixel;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) throw EInvalidGraphic(error);
    std::size_t pos = headerSize;
    switch (h.Compression) {
    case BI_RGB:
        break;
    case BiRle8:
        if (bpp != 8 || h.TopDown) throw EInvalidGraphic(error);
        break;
    case BiRle4:
        if (bpp != 4 || h.TopDown) throw EInvalidGraphic(error);
        break;
    case BI_BITFIELDS:
    case BiAlphaBitfields: {
        if (bpp != 16 && bpp != 32) throw EInvalidGraphic(error);
        // The masks sit right after the 40 bytes of the info header: outside it for a plain info header,
        // inside the larger ones. Either way they must be there.
        const std::size_t at = 40;
        const std::size_t masks = h.Compression == BiAlphaBitfields || headerSize >= 56 ? 4 : 3;
        if (at + masks * 4 > size) throw EInvalidGraphic(error);
        pos = std::max<std::size_t>(headerSize, at + masks * 4);
        h.RedMask = U32(data + at);
        h.GreenMask = U32(data + at + 4);
        h.BlueMask = U32(data + at + 8);
        if (masks == 4) h.AlphaMask = U32(data + at + 12);
        if (h.RedMask == 0 && h.GreenMask == 0 && h.BlueMask == 0) throw EInvalidGraphic(error);
        break;
    }
    default:
        throw EInvalidGraphic(error);
    }
    if (h.Compression == BI_RGB || h.Compression == BiRle4 || h.Compression == BiRle8) {
        if (bpp == 16) {
            h.RedMask = 0x7C00, h.GreenMask = 0x03E0, h.BlueMask = 0x001F;
        } else if (bpp == 32) {
            h.RedMask = 0xFF0000, h.GreenMask = 0xFF00, h.BlueMask = 0xFF, h.AlphaMask = 0xFF000000;
        }
    }
    std::size_t entries = 0;
    if (bpp <= 8) {
        if (colorsUsed > 256) throw EInvalidGraphic(error);
        entries = colorsUsed != 0 ? colorsUsed : (1u << bpp);
    } else if (colorsUsed <= 256) {
        entries = colorsUsed; // an optional palette: skipped
    }
    if (pos + entries * entrySize > size) throw EInvalidGraphic(error);
    if (bpp <= 8) {
        h.Palette.resize(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = data + pos + i * entrySize;
            h.Palette[i].rgbBlue = e[0];
            h.Palette[i].rgbGreen = e[1];
            h.Palette[i].rgbRed = e[2];
        }
    }
    h.HeaderSize = pos + entries * entrySize;
    return h;
}

std::shared_ptr<TSurface> DecodePixels(const TDibHeader& header, const std::uint8_t* bits, std::size_t size,
                                       const char* error) {
    const int width = header.Width, height = header.Height;
    if (header.Compression == BiRle4 || header.Compression == BiRle8) {
        // Compressed rows may be short (an early end mark leaves the rest at colour 0), but never
        // shorter than the header says they are.
        if (header.SizeImage > size || size < 2) throw EInvalidGraphic(error);
        // Two bytes paint at most 255 pixels: a picture far larger than its data can paint is refused
        // before its pixels are allocated. Small pictures pass whatever they leave blank.
        constexpr std::int64_t pixelsPerByte = 128, alwaysAllowed = std::int64_t(1) << 22;
        if (std::int64_t(width) * height >
            std::max<std::int64_t>(alwaysAllowed, pixelsPerByte * std::int64_t(size)))
            throw EInvalidGraphic(error);
        auto surface = std::make_shared<TSurface>(width, height);
        DecodeRle(header, bits, size, error, *surface);
        return surface;
    }
    const std::size_t rowBytes = RowBytes(width, header.BitsPerPixel);
    if (rowBytes * static_cast<std::size_t>(height) > size) throw EInvalidGraphic(error);
    auto surface = std::make_shared<TSurface>(width, height);
    const bool standard = header.Compression == BI_RGB;
    const TMaskChannel red(header.RedMask), green(header.GreenMask), blue(header.BlueMask),
        alpha(header.AlphaMask);
    // 32-bit pixels whose masks name no alpha are opaque; the fourth byte means nothing there.
    const std::uint32_t opaque = header.BitsPerPixel == 32 && header.AlphaMask == 0 ? 0xFF000000u : 0;
    for (int stored = 0; stored < height; ++stored) {
        const std::uint8_t* in = bits + rowBytes * stored;
        std::uint32_t* row = surface->Row(header.TopDown ? stored : height - 1 - stored);
        if (standard) {
            UnpackRow(in, width, header.BitsPerPixel, false, header.Palette, row);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = header.BitsPerPixel == 16 ? U16(in + 2 * x) : U32(in + 4 * x);
            row[x] = blue.Extract(v) | (green.Extract(v) << 8) | (red.Extract(v) << 16) |
                     (alpha.Extract(v) << 24) | opaque;
        }
    }
    return surface;
}

TBmpFile ReadBmpFile(const std::uint8_t* data, std::size_t size, const char* error) {
    if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') throw EInvalidGraphic(error);
    const std::uint32_t offset = U32(data + 10);
    TBmpFile file;
    file.Header = ParseHeader(data + 14, size - 14, error);
    // A zero or impossible offset means "right after the palette", as some writers leave it.
    std::size_t bitsAt = offset;
    if (offset < 14 + file.Header.HeaderSize || offset >= size) bitsAt = 14 + file.Header.HeaderSize;
    if (bitsAt > size) throw EInvalidGraphic(error);
    file.Surface = DecodePixels(file.Header, data + bitsAt, size - bitsAt, error);
    return file;
}

int TPaletteMatcher::IndexOf(std::uint32_t bgr) {
    bgr &= 0xFFFFFF;
    if (auto it = FCache.find(bgr); it != FCache.end()) return it->second;
    const int b = bgr & 0xFF, g = (bgr >> 8) & 0xFF, r = (bgr >> 16) & 0xFF;
    int best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < FPalette.size(); ++i) {
        const int db = b - FPalette[i].rgbBlue, dg = g - FPalette[i].rgbGreen, dr = r - FPalette[i].rgbRed;
        const int distance = db * db + dg * dg + dr * dr;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
            if (distance == 0) break;
        }
    }
    FCache.emplace(bgr, best);
    return best;
}

void PackRow(const std::uint32_t* pixels, int width, int bitsPerPixel, bool rgb565, TPaletteMatcher* matcher,
             std::uint8_t* out) {
    std::memset(out, 0, RowBytes(width, bitsPerPixel));
    for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixels[x];
        switch (bitsPerPixel) {
        case 1:
            out[x / 8] |= static_cast<std::uint8_t>((matcher->IndexOf(p) & 1) << (7 - x % 8));
            break;
        case 4:
            out[x / 2] |= static_cast<std::uint8_t>((matcher->IndexOf(p) & 0x0F) << ((x & 1) ? 0 : 4));
            break;
        case 8:
            out[x] = static_cast<std::uint8_t>(matcher->IndexOf(p));
            break;
        case 16: {
            const std::uint32_t b = p & 0xFF, g = (p >> 8) & 0xFF, r = (p >> 16) & 0xFF;
            const std::uint32_t v = rgb565 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                                           : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
            out[2 * x] = static_cast<std::uint8_t>(v & 0xFF);
            out[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
            break;
        }
        case 24:
            out[3 * x] = static_cast<std::uint8_t>(p & 0xFF);
            out[3 * x + 1] = static_cast<std::uint8_t>((p >> 8) & 0xFF);
            out[3 * x + 2] = static_cast<std::uint8_t>((p >> 16) & 0xFF);
            break;
        default:
            std::memcpy(out + 4 * x, &p, 4);
            break;
        }
    }
}

void UnpackRow(const std::uint8_t* in, int width, int bitsPerPixel, bool rgb565,
               const std::vector<RGBQUAD>& palette, std::uint32_t* pixels) {
    auto scale = [](std::uint32_t v, std::uint32_t max) { return v * 255u / max; };
    for (int x = 0; x < width; ++x) {
        switch (bitsPerPixel) {
        case 1:
            pixels[x] = PaletteColor(palette, (in[x / 8] >> (7 - x % 8)) & 1);
            break;
        case 4:
            pixels[x] = PaletteColor(palette, (x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4));
            break;
        case 8:
            pixels[x] = PaletteColor(palette, in[x]);
            break;
        case 16: {
            const std::uint32_t v = U16(in + 2 * x);
            if (rgb565)
                pixels[x] = scale(v & 0x1F, 31) | (scale((v >> 5) & 0x3F, 63) << 8) |
                            (scale((v >> 11) & 0x1F, 31) << 16);
            else
                pixels[x] = scale(v & 0x1F, 31) | (scale((v >> 5) & 0x1F, 31) << 8) |
                            (scale((v >> 10) & 0x1F, 31) << 16);
            break;
        }
        case 24:
            pixels[x] = in[3 * x] | (in[3 * x + 1] << 8) | (static_cast<std::uint32_t>(in[3 * x + 2]) << 16);
            break;
        default:
            pixels[x] = U32(in + 4 * x);
            break;
        }
    }
}

std::string EncodeDib(const TSurface& surface, int bitsPerPixel, bool rgb565,
                      const std::vector<RGBQUAD>& palette) {
    const int width = surface.Width(), height = surface.Height();
    const bool fields = bitsPerPixel == 16 && rgb565;
    const std::size_t entries = bitsPerPixel <= 8 ? palette.size() : 0;
    const std::size_t rowBytes = RowBytes(width, bitsPerPixel);
    std::string out;
    out.reserve(40 + 12 + entries * 4 + rowBytes * height);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, fields ? BI_BITFIELDS : BI_RGB);
    Put32(out, static_cast<std::uint32_t>(rowBytes * height));
    Put32(out, 3780); // 96 pixels per inch
    Put32(out, 3780);
    Put32(out, static_cast<std::uint32_t>(entries));
    Put32(out, 0);
    if (fields) {
        Put32(out, 0xF800);
        Put32(out, 0x07E0);
        Put32(out, 0x001F);
    }
    for (std::size_t i = 0; i < entries; ++i) {
        out.push_back(static_cast<char>(palette[i].rgbBlue));
        out.push_back(static_cast<char>(palette[i].rgbGreen));
        out.push_back(static_cast<char>(palette[i].rgbRed));
        out.push_back(0);
    }
    TPaletteMatcher matcher(palette);
    std::vector<std::uint8_t> row(rowBytes);
    for (int y = height - 1; y >= 0; --y) {
        PackRow(surface.Row(y), width, bitsPerPixel, rgb565, &matcher, row.data());
        out.append(reinterpret_cast<const char*>(row.data()), row.size());
    }
    return out;
}

std::string EncodeBmpFile(const TSurface& surface, int bitsPerPixel, bool rgb565,
                          const std::vector<RGBQUAD>& palette) {
    const std::string dib = EncodeDib(surface, bitsPerPixel, rgb565, palette);
    const std::size_t rowBytes = RowBytes(surface.Width(), bitsPerPixel);
    const std::size_t bitsOffset = 14 + dib.size() - rowBytes * surface.Height();
    std::string out = "BM";
    Put32(out, static_cast<std::uint32_t>(14 + dib.size()));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(bitsOffset));
    return out + dib;
}

std::vector<RGBQUAD> DefaultPalette(int bitsPerPixel) {
    auto quad = [](int r, int g, int b) {
        RGBQUAD q;
        q.rgbRed = static_cast<BYTE>(r), q.rgbGreen = static_cast<BYTE>(g), q.rgbBlue = static_cast<BYTE>(b);
        return q;
    };
    if (bitsPerPixel == 1) return {quad(0, 0, 0), quad(255, 255, 255)};
    std::vector<RGBQUAD> colors = {
        quad(0, 0, 0),       quad(128, 0, 0),   quad(0, 128, 0),   quad(128, 128, 0),
        quad(0, 0, 128),     quad(128, 0, 128), quad(0, 128, 128), quad(192, 192, 192),
        quad(128, 128, 128), quad(255, 0, 0),   quad(0, 255, 0),   quad(255, 255, 0),
        quad(0, 0, 255),     quad(255, 0, 255), quad(0, 255, 255), quad(255, 255, 255)};
    if (bitsPerPixel == 4) return colors;
    if (bitsPerPixel != 8) return {};
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colors.push_back(quad(r * 51, g * 51, b * 51));
    for (int i = 0; colors.size() < 256; ++i)
        colors.push_back(quad(8 + i * 10, 8 + i * 10, 8 + i * 10));
    return colors;
}

} // namespace dib_codec
