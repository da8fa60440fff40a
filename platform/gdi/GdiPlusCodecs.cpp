// Decoding and encoding of PNG, BMP and JPEG images for the imaging interface.
#include "platform/gdi/GdiPlusObjects.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <png.h>

#include <jpeglib.h>

namespace gdiplus_codecs {

namespace {

// ---- PNG
TGpBitmapImpl* DecodePng(const std::vector<BYTE>& data, GpStatus& status) {
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
        status = UnknownImageFormat;
        return nullptr;
    }
    image.format = PNG_FORMAT_BGRA;
    if (image.width == 0 || image.height == 0 || std::uint64_t(image.width) * image.height > (1u << 28)) {
        png_image_free(&image);
        status = OutOfMemory;
        return nullptr;
    }
    auto* bitmap = new TGpBitmapImpl(int(image.width), int(image.height));
    if (!png_image_finish_read(&image, nullptr, bitmap->Pixels->Pixels(), 0, nullptr)) {
        png_image_free(&image);
        delete bitmap;
        status = GenericError;
        return nullptr;
    }
    TSurface& s = *bitmap->Pixels;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            s.Row(y)[x] = gdi_render::Premultiply(s.Row(y)[x]);
    bitmap->Format = PixelFormat32bppARGB;
    bitmap->RawFormat = ImageFormatPNG;
    status = Ok;
    return bitmap;
}

GpStatus EncodePng(const TGpBitmapImpl& bitmap, std::vector<BYTE>& out) {
    const TSurface& s = *bitmap.Pixels;
    std::vector<std::uint32_t> straight(std::size_t(s.Width()) * s.Height());
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            straight[std::size_t(y) * s.Width() + x] = gdi_render::Unpremultiply(s.Row(y)[x]);
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(s.Width());
    image.height = png_uint_32(s.Height());
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, straight.data(), 0, nullptr))
        return GenericError;
    out.resize(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, straight.data(), 0, nullptr))
        return GenericError;
    out.resize(size);
    return Ok;
}

// ---- BMP (uncompressed 1, 4, 8, 24 and 32 bits, and 16/32-bit bit fields as plain masks)
std::uint32_t Le32(const BYTE* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint16_t Le16(const BYTE* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

TGpBitmapImpl* DecodeBmp(const std::vector<BYTE>& data, GpStatus& status) {
    status = UnknownImageFormat;
    if (data.size() < 54) return nullptr;
    const BYTE* d = data.data();
    const std::uint32_t offset = Le32(d + 10), headerSize = Le32(d + 14);
    if (headerSize < 40 || 14 + std::uint64_t(headerSize) > data.size()) return nullptr;
    const std::int32_t width = std::int32_t(Le32(d + 18)), rawHeight = std::int32_t(Le32(d + 22));
    const int bits = Le16(d + 28);
    const std::uint32_t compression = Le32(d + 30);
    std::uint32_t colors = Le32(d + 46);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) return nullptr;
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;
    if (std::int64_t(width) * height > (1 << 28)) return nullptr;
    if (compression != 0 && !(compression == 3 && bits == 32)) return nullptr;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return nullptr;
    const std::uint64_t stride = ((std::uint64_t(width) * bits + 31) / 32) * 4;
    if (offset > data.size() || stride * height > data.size() - offset) return nullptr;
    if (bits <= 8 && colors == 0) colors = 1u << bits;
    const BYTE* palette = d + 14 + headerSize;
    if (bits <= 8 && (palette + std::uint64_t(colors) * 4 > d + data.size())) return nullptr;
    bool anyAlpha = false;
    auto* bitmap = new TGpBitmapImpl(width, height);
    TSurface& s = *bitmap->Pixels;
    for (int row = 0; row < height; ++row) {
        const BYTE* src = d + offset + stride * std::uint64_t(row);
        std::uint32_t* dst = s.Row(topDown ? row : height - 1 - row);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = 0;
            if (bits == 32) {
                p = Le32(src + x * 4);
                anyAlpha |= (p >> 24) != 0;
            } else if (bits == 24) {
                p = std::uint32_t(src[x * 3]) | (std::uint32_t(src[x * 3 + 1]) << 8) |
                    (std::uint32_t(src[x * 3 + 2]) << 16);
            } else {
                int index = bits == 8   ? src[x]
                            : bits == 4 ? (src[x / 2] >> ((x & 1) ? 0 : 4)) & 15
                                        : (src[x / 8] >> (7 - (x & 7))) & 1;
                if (std::uint32_t(index) >= colors) index = 0;
                p = Le32(palette + index * 4) & 0xFFFFFF;
            }
            dst[x] = p;
        }
    }
    // Without any alpha the picture is opaque.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t& p = s.Row(y)[x];
            p = anyAlpha ? gdi_render::Premultiply(p) : (p | 0xFF000000u);
        }
    bitmap->Format = anyAlpha ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    bitmap->RawFormat = ImageFormatBMP;
    status = Ok;
    return bitmap;
}

void Put16(std::vector<BYTE>& v, std::uint16_t x) {
    v.push_back(BYTE(x));
    v.push_back(BYTE(x >> 8));
}
void Put32(std::vector<BYTE>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i)
        v.push_back(BYTE(x >> (8 * i)));
}

GpStatus EncodeBmp(const TGpBitmapImpl& bitmap, std::vector<BYTE>& out) {
    const TSurface& s = *bitmap.Pixels;
    const std::uint32_t imageSize = std::uint32_t(s.Width()) * s.Height() * 4;
    out.clear();
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, std::uint32_t(s.Width()));
    Put32(out, std::uint32_t(s.Height())); // bottom-up
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 3780);
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = s.Height() - 1; y >= 0; --y)
        for (int x = 0; x < s.Width(); ++x)
            Put32(out, gdi_render::Unpremultiply(s.Row(y)[x]));
    return Ok;
}

// ---- JPEG
struct JpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};
void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->Jump, 1);
}

TGpBitmapImpl* DecodeJpeg(const std::vector<BYTE>& data, GpStatus& status) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    TGpBitmapImpl* volatile bitmap = nullptr;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        delete bitmap;
        status = GenericError;
        return nullptr;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (std::uint64_t(info.output_width) * info.output_height > (1u << 28) || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        status = OutOfMemory;
        return nullptr;
    }
    bitmap = new TGpBitmapImpl(int(info.output_width), int(info.output_height));
    std::vector<BYTE> row(std::size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        std::uint32_t* dst = bitmap->Pixels->Row(y);
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            dst[x] = 0xFF000000u | (std::uint32_t(row[x * 3]) << 16) | (std::uint32_t(row[x * 3 + 1]) << 8) |
                     row[x * 3 + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    bitmap->Format = PixelFormat24bppRGB;
    bitmap->RawFormat = ImageFormatJPEG;
    status = Ok;
    return bitmap;
}

GpStatus EncodeJpeg(const TGpBitmapImpl& bitmap, std::vector<BYTE>& out) {
    const TSurface& s = *bitmap.Pixels;
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.Jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return GenericError;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(s.Width());
    info.image_height = JDIMENSION(s.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<BYTE> row(std::size_t(s.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const std::uint32_t* src = s.Row(int(info.next_scanline));
        for (int x = 0; x < s.Width(); ++x) {
            // Transparent parts become black, as a picture without alpha shows them.
            const std::uint32_t p = src[x];
            row[std::size_t(x) * 3] = BYTE(p >> 16);
            row[std::size_t(x) * 3 + 1] = BYTE(p >> 8);
            row[std::size_t(x) * 3 + 2] = BYTE(p);
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    out.assign(buffer, buffer + size);
    std::free(buffer);
    return Ok;
}

} // namespace

extern const CLSID EncoderBmp, EncoderJpeg, EncoderGif, EncoderTiff, EncoderPng;

TGpBitmapImpl* Decode(const std::vector<BYTE>& data, GpStatus& status) {
    static const BYTE pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data.size() >= 8 && std::memcmp(data.data(), pngSignature, 8) == 0) return DecodePng(data, status);
    if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBmp(data, status);
    if (data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF)
        return DecodeJpeg(data, status);
    status = UnknownImageFormat;
    return nullptr;
}

GpStatus Encode(const TGpBitmapImpl& bitmap, const CLSID& encoder, std::vector<BYTE>& out) {
    if (encoder == EncoderPng) return EncodePng(bitmap, out);
    if (encoder == EncoderBmp) return EncodeBmp(bitmap, out);
    if (encoder == EncoderJpeg) return EncodeJpeg(bitmap, out);
    if (encoder == EncoderTiff || encoder == EncoderGif) return NotImplemented; // listed, never saved
    return InvalidParameter;
}

} // namespace gdiplus_codecs
