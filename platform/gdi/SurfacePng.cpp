#include "platform/gdi/Surface.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace surface_png_detail {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

bool WritePng(std::FILE* file, const TSurface& surface, bool keepAlpha) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    const int channels = keepAlpha ? 4 : 3;
    std::vector<png_byte> row(std::size_t(surface.Width()) * channels);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, surface.Width(), surface.Height(), 8,
                 keepAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint32_t* src = surface.Row(y);
        png_byte* out = row.data();
        for (int x = 0; x < surface.Width(); ++x) {
            const std::uint32_t p = src[x];
            *out++ = png_byte(p >> 16);
            *out++ = png_byte(p >> 8);
            *out++ = png_byte(p);
            if (keepAlpha) *out++ = png_byte(p >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace surface_png_detail

bool SaveSurfaceToPng(const TSurface& surface, const std::string& path, bool keepAlpha) {
    if (surface.Empty() || path.empty()) return false;
    const std::string temporary = path + ".tmp-png";
    bool written = false;
    {
        std::unique_ptr<std::FILE, surface_png_detail::FileCloser> file(std::fopen(temporary.c_str(), "wb"));
        if (!file) return false;
        written = surface_png_detail::WritePng(file.get(), surface, keepAlpha);
        written = std::fflush(file.get()) == 0 && written;
        written = std::fclose(file.release()) == 0 && written;
    }
    std::error_code error;
    if (written) std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
