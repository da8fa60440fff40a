#include "platform/gdi/PngReader.h"

#include "platform/gdi/Surface.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

namespace png_reader {

namespace {

constexpr double DisplayGamma = 2.2;
constexpr double DefaultFileGamma = 1.0 / DisplayGamma; // a file without gAMA is shown as it is

struct TMemorySource {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t Position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<TMemorySource*>(png_get_io_ptr(png));
    if (count > source->Size - source->Position) png_error(png, "read past the end of the data");
    std::memcpy(out, source->Data + source->Position, count);
    source->Position += count;
}

// libpng reports through these; the caller learns of failures from the results alone.
[[noreturn]] void Fail(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void Warn(png_structp, png_const_charp) {}

// libpng allocates a chunk's whole declared length before reading it, whatever the file holds: no block
// it asks for may exceed the chunk limit (rows of the widest image accepted stay far below it).
png_voidp LimitedMalloc(png_structp, png_alloc_size_t size) {
    return size <= MaxChunkBytes ? std::malloc(size) : nullptr;
}
void LimitedFree(png_structp, png_voidp block) {
    std::free(block);
}

// The read structures, destroyed on every way out.
struct TPngRead {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    ~TPngRead() { png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr); }
};

// libpng leaves by a long jump on any error: the two steps below keep no object with a destructor alive
// across it, and their callers hold the C++ objects outside.

// Reads the header and sets up the conversion to 8-bit straight B, G, R, A.
bool ReadHeader(png_structp png, png_infop info, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const int depth = png_get_bit_depth(png, info);
    const int type = png_get_color_type(png, info);
    // The file's own gamma must be handed back: libpng takes the one given here as the file's.
    double fileGamma = DefaultFileGamma;
    if (!png_get_gAMA(png, info, &fileGamma) || fileGamma <= 0) fileGamma = DefaultFileGamma;
    png_set_gamma(png, DisplayGamma, fileGamma);
    if (depth == 16) png_set_strip_16(png); // after the gamma step, which works on the 16-bit samples
    if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    return png_get_rowbytes(png, info) == png_size_t(width) * 4;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

// The chunks after the image data: damage there does not spoil a complete image.
void ReadEnd(png_structp png) {
    if (setjmp(png_jmpbuf(png))) return;
    png_read_end(png, nullptr);
}

// Whether the image data of the file can inflate to the filtered rows of its header (the IHDR chunk,
// first in every file libpng takes): deflate gives at most 1032 bytes a byte. Read from the chunks
// themselves, before anything is allocated for the image.
bool DataCanFillImage(const std::uint8_t* Data, std::size_t Size) {
    if (Size < 33) return false;
    const png_uint_32 Width = png_get_uint_32(Data + 16), Height = png_get_uint_32(Data + 20);
    const int Depth = Data[24], Type = Data[25], Interlace = Data[28];
    std::int64_t compressed = 0;
    for (std::size_t at = 8; at + 8 <= Size;) {
        const std::uint32_t length = png_get_uint_32(Data + at);
        if (std::memcmp(Data + at + 4, "IDAT", 4) == 0) compressed += length;
        at += std::size_t(length) + 12;
    }
    const int channels = Type == PNG_COLOR_TYPE_RGB          ? 3
                         : Type == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                         : Type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                             : 1;
    auto rowBytes = [&](std::int64_t pixels) { return (pixels * channels * Depth + 7) / 8 + 1; };
    std::int64_t needed = 0;
    if (Interlace == PNG_INTERLACE_NONE) {
        needed = rowBytes(Width) * Height;
    } else {
        static const int startRow[7] = {0, 0, 4, 0, 2, 0, 1}, startCol[7] = {0, 4, 0, 2, 0, 1, 0};
        static const int rowStep[7] = {8, 8, 8, 4, 4, 2, 2}, colStep[7] = {8, 8, 4, 4, 2, 2, 1};
        for (int pass = 0; pass < 7; ++pass) {
            if (Width <= png_uint_32(startCol[pass]) || Height <= png_uint_32(startRow[pass])) continue;
            const std::int64_t w = (std::int64_t(Width) + colStep[pass] - startCol[pass] - 1) / colStep[pass];
            const std::int64_t h =
                (std::int64_t(Height) + rowStep[pass] - startRow[pass] - 1) / rowStep[pass];
            needed += rowBytes(w) * h;
        }
    }
    return needed <= compressed * 1032 + 1032;
}

} // namespace

TPngReadResult ReadPng(const std::uint8_t* Data, std::size_t Size, std::int64_t MaxPixels,
                       std::shared_ptr<TSurface>& Surface) {
    Surface.reset();
    if (Size < 8 || png_sig_cmp(Data, 0, 8) != 0) return TPngReadResult::NotPng;
    TPngRead read;
    read.Png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, nullptr, Fail, Warn, nullptr, LimitedMalloc,
                                        LimitedFree);
    if (!read.Png) return TPngReadResult::Damaged;
    read.Info = png_create_info_struct(read.Png);
    if (!read.Info) return TPngReadResult::Damaged;
    TMemorySource source{Data, Size, 0};
    png_set_read_fn(read.Png, &source, ReadFromMemory);
    // Before the first chunk is read: no compressed chunk may inflate to more than the chunk limit, and no
    // side may be longer than the program's PNG codec accepts (nor than the whole pixel allowance).
    const png_uint_32 side = png_uint_32(std::min<std::int64_t>(MaxPixels, MaxSide));
    png_set_user_limits(read.Png, side, side);
    png_set_chunk_malloc_max(read.Png, MaxChunkBytes);
    png_set_chunk_cache_max(read.Png, 128);

    png_uint_32 width = 0, height = 0;
    if (!ReadHeader(read.Png, read.Info, width, height)) return TPngReadResult::NotPng;
    if (width == 0 || height == 0) return TPngReadResult::NotPng;
    if (std::int64_t(width) * std::int64_t(height) > MaxPixels) return TPngReadResult::TooLarge;
    if (!DataCanFillImage(Data, Size)) return TPngReadResult::Damaged;

    std::shared_ptr<TSurface> surface;
    std::vector<png_bytep> rows;
    try {
        surface = std::make_shared<TSurface>(int(width), int(height));
        rows.resize(height);
    } catch (const std::bad_alloc&) {
        return TPngReadResult::TooLarge;
    }
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(surface->Row(int(y)));
    if (!ReadRows(read.Png, rows.data())) return TPngReadResult::Damaged;
    ReadEnd(read.Png);
    Surface = std::move(surface);
    return TPngReadResult::Ok;
}

} // namespace png_reader
