// Decoding and encoding of PNG and BMP images for the imaging interface, and the choice of codec.
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/GdiPlusObjects.h"
#include "platform/gdi/PngReader.h"
#include "platform/rtl/Exceptions.h"

#include <png.h>

#include <cstring>
#include <new>

namespace gdiplus_codecs {

namespace {

// Decoded images are capped: a small hostile file must not make the decoders ask for gigabytes.
constexpr std::int64_t MaxDecodedPixels = dib_codec::MaxPixels;

// Straight pixels into the stand-in's premultiplied form; an image without any alpha is opaque.
TGpBitmapImpl* Adopt(std::shared_ptr<TSurface> surface, bool alphaWhenPresent, const GUID& raw) {
    auto* bitmap = new TGpBitmapImpl(std::move(surface));
    TSurface& s = *bitmap->Pixels;
    bool anyAlpha = false;
    for (int y = 0; y < s.Height() && !anyAlpha; ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Row(y)[x] >> 24) {
                anyAlpha = true;
                break;
            }
    const bool alpha = anyAlpha || !alphaWhenPresent;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            std::uint32_t& p = s.Row(y)[x];
            p = alpha ? gdi_render::Premultiply(p) : (p | 0xFF000000u);
        }
    bitmap->Format = alpha ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    bitmap->RawFormat = raw;
    return bitmap;
}

// ---- PNG
TGpBitmapImpl* DecodePng(const std::vector<BYTE>& data, GpStatus& status) {
    std::shared_ptr<TSurface> surface;
    switch (png_reader::ReadPng(data.data(), data.size(), MaxDecodedPixels, surface)) {
    case png_reader::TPngReadResult::Ok:
        break;
    case png_reader::TPngReadResult::NotPng:
        status = UnknownImageFormat;
        return nullptr;
    case png_reader::TPngReadResult::TooLarge:
        status = OutOfMemory;
        return nullptr;
    case png_reader::TPngReadResult::Damaged:
        status = GenericError;
        return nullptr;
    }
    status = Ok;
    // The reader gives every pixel its alpha (255 where the file has none).
    return Adopt(std::move(surface), false, ImageFormatPNG);
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

// ---- BMP: the class library's decoder (every header, depth, bit-field mask and run-length form)
TGpBitmapImpl* DecodeBmp(const std::vector<BYTE>& data, GpStatus& status) {
    try {
        dib_codec::TBmpFile file = dib_codec::ReadBmpFile(data.data(), data.size(), "invalid bitmap");
        status = Ok;
        // Only 32-bit pixels carry alpha; a file whose alpha bytes are all 0 is opaque.
        return Adopt(std::move(file.Surface), true, ImageFormatBMP);
    } catch (const EInvalidGraphic&) {
        status = UnknownImageFormat;
    } catch (const std::bad_alloc&) {
        status = OutOfMemory;
    }
    return nullptr;
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
