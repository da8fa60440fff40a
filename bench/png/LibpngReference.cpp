#include "LibpngReference.h"

#include <png.h>

#include <cstring>
#include <stdexcept>

namespace libpng_reference {

namespace {
struct Reader {
    const std::string* Data;
    std::size_t Position;
};

void ReadData(png_structp png, png_bytep out, png_size_t count) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (r->Position + count > r->Data->size()) png_error(png, "read past end");
    std::memcpy(out, r->Data->data() + r->Position, count);
    r->Position += count;
}

void WriteData(png_structp png, png_bytep data, png_size_t count) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), count);
}

void Flush(png_structp) {}
} // namespace

std::string EncodeRgba(const std::vector<std::uint8_t>& rgba, int width, int height) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng write failed");
    }
    png_set_write_fn(png, &out, WriteData, Flush);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(rgba.data() + std::size_t(y) * std::size_t(width) * 4));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<std::uint8_t> DecodeRgba(const std::string& data, int& width, int& height) {
    Reader reader{&data, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<std::uint8_t> pixels;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng read failed");
    }
    png_set_read_fn(png, &reader, ReadData);
    png_read_info(png, info);
    width = int(png_get_image_width(png, info));
    height = int(png_get_image_height(png, info));
    png_read_update_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    pixels.resize(rowBytes * std::size_t(height));
    for (int y = 0; y < height; ++y)
        png_read_row(png, pixels.data() + std::size_t(y) * rowBytes, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return pixels;
}

} // namespace libpng_reference
