// Start-up, memory, images, codecs and encoders of the imaging interface.
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiPlusObjects.h"

#include "platform/rtl/StreamAdapter.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace gdiplus_guid_detail {
constexpr GUID ImageFormatGuid(DWORD first) {
    return GUID{first, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}
constexpr GUID EncoderGuid(DWORD first) {
    return GUID{first, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}
} // namespace gdiplus_guid_detail

const GUID ImageFormatMemoryBMP = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAA);
const GUID ImageFormatBMP = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAB);
const GUID ImageFormatEMF = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAC);
const GUID ImageFormatWMF = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAD);
const GUID ImageFormatJPEG = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAE);
const GUID ImageFormatPNG = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CAF);
const GUID ImageFormatGIF = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CB0);
const GUID ImageFormatTIFF = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CB1);
const GUID ImageFormatIcon = gdiplus_guid_detail::ImageFormatGuid(0xB96B3CB5);

namespace gdiplus_codecs {
extern const CLSID EncoderBmp = gdiplus_guid_detail::EncoderGuid(0x557CF400);
extern const CLSID EncoderJpeg = gdiplus_guid_detail::EncoderGuid(0x557CF401);
extern const CLSID EncoderGif = gdiplus_guid_detail::EncoderGuid(0x557CF402);
extern const CLSID EncoderTiff = gdiplus_guid_detail::EncoderGuid(0x557CF405);
extern const CLSID EncoderPng = gdiplus_guid_detail::EncoderGuid(0x557CF406);
} // namespace gdiplus_codecs

namespace gdiplus_image_detail {

GpStatus NotificationHook(ULONG_PTR* token) {
    if (token) *token = 1;
    return Ok;
}
void NotificationUnhook(ULONG_PTR) {}

struct TEncoderEntry {
    const CLSID* Clsid;
    const GUID* Format;
    const char16_t* Name;
    const char16_t* Extension;
    const char16_t* Mime;
};

const TEncoderEntry Encoders[] = {
    {&gdiplus_codecs::EncoderBmp, &ImageFormatBMP, u"Built-in BMP Codec", u"*.BMP;*.DIB;*.RLE", u"image/bmp"},
    {&gdiplus_codecs::EncoderJpeg, &ImageFormatJPEG, u"Built-in JPEG Codec", u"*.JPG;*.JPEG;*.JPE;*.JFIF",
     u"image/jpeg"},
    {&gdiplus_codecs::EncoderGif, &ImageFormatGIF, u"Built-in GIF Codec", u"*.GIF", u"image/gif"},
    {&gdiplus_codecs::EncoderTiff, &ImageFormatTIFF, u"Built-in TIFF Codec", u"*.TIF;*.TIFF", u"image/tiff"},
    {&gdiplus_codecs::EncoderPng, &ImageFormatPNG, u"Built-in PNG Codec", u"*.PNG", u"image/png"},
};
constexpr UINT EncoderCount = sizeof(Encoders) / sizeof(Encoders[0]);

std::size_t Chars(const char16_t* s) {
    std::size_t n = 0;
    while (s[n])
        ++n;
    return n + 1;
}

UINT EncodersSize() {
    std::size_t size = EncoderCount * sizeof(ImageCodecInfo);
    for (const TEncoderEntry& e : Encoders)
        size += (Chars(e.Name) + Chars(e.Extension) + Chars(e.Mime) + Chars(u"") * 2) * sizeof(WCHAR);
    return UINT(size);
}

} // namespace gdiplus_image_detail

GpStatus GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    if (!token || !input) return InvalidParameter;
    if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
    if (input->SuppressBackgroundThread && !output) return InvalidParameter;
    *token = 1;
    if (output) {
        output->NotificationHook = gdiplus_image_detail::NotificationHook;
        output->NotificationUnhook = gdiplus_image_detail::NotificationUnhook;
    }
    return Ok;
}

void GdiplusShutdown(ULONG_PTR) {}

void* GdipAlloc(std::size_t size) {
    return std::malloc(size ? size : 1);
}
void GdipFree(void* pointer) {
    std::free(pointer);
}

GpStatus GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                   GpBitmap** bitmap) {
    if (!bitmap || width <= 0 || height <= 0) return InvalidParameter;
    if (format != PixelFormat32bppARGB && format != PixelFormat32bppPARGB && format != PixelFormat32bppRGB &&
        format != PixelFormat24bppRGB)
        return InvalidParameter;
    if (std::int64_t(width) * height > (std::int64_t(1) << 28)) return OutOfMemory;
    const int bytesPerPixel = format == PixelFormat24bppRGB ? 3 : 4;
    if (scan0 && stride != 0 && std::abs(stride) < width * bytesPerPixel) return InvalidParameter;
    auto* image = new (std::nothrow) TGpBitmapImpl(width, height);
    if (!image) return OutOfMemory;
    image->Format = format;
    TSurface& s = *image->Pixels;
    if (scan0) {
        // The scan lines are copied: the bitmap never reads the caller's memory later.
        if (stride == 0) stride = ((width * bytesPerPixel + 3) / 4) * 4;
        for (int y = 0; y < height; ++y) {
            const BYTE* row = scan0 + std::ptrdiff_t(y) * stride;
            std::uint32_t* dst = s.Row(y);
            for (int x = 0; x < width; ++x) {
                std::uint32_t p;
                if (bytesPerPixel == 3) {
                    p = 0xFF000000u | std::uint32_t(row[x * 3]) | (std::uint32_t(row[x * 3 + 1]) << 8) |
                        (std::uint32_t(row[x * 3 + 2]) << 16);
                } else {
                    std::memcpy(&p, row + x * 4, 4);
                    if (format == PixelFormat32bppRGB) p |= 0xFF000000u;
                    if (format == PixelFormat32bppARGB) p = gdi_render::Premultiply(p);
                }
                dst[x] = p;
            }
        }
    } else if (format == PixelFormat32bppRGB || format == PixelFormat24bppRGB) {
        s.Fill(0xFF000000u);
    }
    *bitmap = image;
    return Ok;
}

GpStatus GdipCreateBitmapFromHBITMAP(HBITMAP hbitmap, HPALETTE, GpBitmap** bitmap) {
    auto surface = GdiGetBitmapSurface(hbitmap);
    if (!surface || !bitmap) return InvalidParameter;
    auto* image = new TGpBitmapImpl(surface->Width(), surface->Height());
    // A device bitmap carries no alpha here: every pixel is opaque.
    for (int y = 0; y < surface->Height(); ++y)
        for (int x = 0; x < surface->Width(); ++x)
            image->Pixels->Row(y)[x] = surface->Row(y)[x] | 0xFF000000u;
    image->Format = PixelFormat32bppRGB;
    *bitmap = image;
    return Ok;
}

GpStatus GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbitmap, ARGB background) {
    if (!bitmap || !hbitmap) return InvalidParameter;
    const TSurface& s = *BitmapOf(bitmap)->Pixels;
    BITMAPINFO info{};
    info.bmiHeader.biWidth = s.Width();
    info.bmiHeader.biHeight = -s.Height();
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP result = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!result) return OutOfMemory;
    auto out = GdiGetBitmapSurface(result);
    const std::uint32_t bg = gdi_render::Premultiply(background);
    const std::uint32_t bgAlpha = bg >> 24;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            // The picture over the background colour (premultiplied).
            const std::uint32_t p = s.Row(y)[x], sa = p >> 24;
            std::uint32_t v = 0;
            for (int ch = 0; ch < 4; ++ch) {
                const std::uint32_t sc = (p >> (8 * ch)) & 0xFF;
                const std::uint32_t bc = ch == 3 ? bgAlpha : (bg >> (8 * ch)) & 0xFF;
                v |= std::min<std::uint32_t>(255, sc + (bc * (255 - sa) + 127) / 255) << (8 * ch);
            }
            out->Row(y)[x] = v;
        }
    *hbitmap = result;
    return Ok;
}

GpStatus GdipLoadImageFromStream(IStream* stream, GpImage** image) {
    if (!stream || !image) return InvalidParameter;
    std::vector<BYTE> data;
    BYTE chunk[65536];
    for (;;) {
        ULONG read = 0;
        const HRESULT hr = stream->Read(chunk, sizeof(chunk), &read);
        if (FAILED(hr)) return Win32Error;
        data.insert(data.end(), chunk, chunk + read);
        if (read < sizeof(chunk)) break;
        if (data.size() > (std::size_t(1) << 30)) return OutOfMemory;
    }
    GpStatus status = Ok;
    TGpBitmapImpl* bitmap = gdiplus_codecs::Decode(data, status);
    if (!bitmap) return status;
    *image = bitmap;
    return Ok;
}

GpStatus GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* encoder,
                               const EncoderParameters*) {
    if (!image || !stream || !encoder) return InvalidParameter;
    std::vector<BYTE> data;
    const GpStatus status = gdiplus_codecs::Encode(*BitmapOf(image), *encoder, data);
    if (status != Ok) return status;
    std::size_t written = 0;
    while (written < data.size()) {
        ULONG done = 0;
        const ULONG part = ULONG(std::min<std::size_t>(data.size() - written, 1u << 20));
        if (FAILED(stream->Write(data.data() + written, part, &done)) || done == 0) return Win32Error;
        written += done;
    }
    return Ok;
}

GpStatus GdipDisposeImage(GpImage* image) {
    if (!image) return InvalidParameter;
    delete image;
    return Ok;
}

GpStatus GdipGetImageDimension(GpImage* image, REAL* width, REAL* height) {
    if (!image || !width || !height) return InvalidParameter;
    *width = REAL(BitmapOf(image)->Pixels->Width());
    *height = REAL(BitmapOf(image)->Pixels->Height());
    return Ok;
}

GpStatus GdipGetImageWidth(GpImage* image, UINT* width) {
    if (!image || !width) return InvalidParameter;
    *width = UINT(BitmapOf(image)->Pixels->Width());
    return Ok;
}

GpStatus GdipGetImageHeight(GpImage* image, UINT* height) {
    if (!image || !height) return InvalidParameter;
    *height = UINT(BitmapOf(image)->Pixels->Height());
    return Ok;
}

GpStatus GdipGetImageRawFormat(GpImage* image, GUID* format) {
    if (!image || !format) return InvalidParameter;
    *format = BitmapOf(image)->RawFormat;
    return Ok;
}

GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format) {
    if (!image || !format) return InvalidParameter;
    *format = BitmapOf(image)->Format;
    return Ok;
}

GpStatus GdipBitmapGetPremultipliedPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color) {
    if (!bitmap || !color) return InvalidParameter;
    const TSurface& s = *BitmapOf(bitmap)->Pixels;
    if (!s.Contains(x, y)) return InvalidParameter;
    *color = s.Row(y)[x];
    return Ok;
}

GpStatus GdipGetImageEncodersSize(UINT* count, UINT* size) {
    if (!count || !size) return InvalidParameter;
    *count = gdiplus_image_detail::EncoderCount;
    *size = gdiplus_image_detail::EncodersSize();
    return Ok;
}

GpStatus GdipGetImageEncoders(UINT count, UINT size, ImageCodecInfo* encoders) {
    using namespace gdiplus_image_detail;
    if (!encoders || count != EncoderCount || size < EncodersSize()) return GenericError;
    // Records first, then their strings, all inside the caller's buffer.
    WCHAR* strings = reinterpret_cast<WCHAR*>(encoders + EncoderCount);
    auto store = [&](const char16_t* text) {
        WCHAR* start = strings;
        const std::size_t n = Chars(text);
        std::memcpy(strings, text, n * sizeof(WCHAR));
        strings += n;
        return start;
    };
    for (UINT i = 0; i < EncoderCount; ++i) {
        const TEncoderEntry& e = Encoders[i];
        ImageCodecInfo& info = encoders[i];
        info = ImageCodecInfo{};
        info.Clsid = *e.Clsid;
        info.FormatID = *e.Format;
        info.CodecName = store(e.Name);
        info.DllName = store(u"");
        info.FormatDescription = store(u"");
        info.FilenameExtension = store(e.Extension);
        info.MimeType = store(e.Mime);
        info.Flags = 0x00010007; // encoder, decoder, supports bitmaps, built in
        info.Version = 1;
    }
    return Ok;
}
