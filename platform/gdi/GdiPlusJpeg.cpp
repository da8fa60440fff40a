// JPEG decoding and encoding for the imaging interface. libjpeg leaves by a long jump on every error, so
// the steps that may jump hold no object with a destructor: the C++ objects live in their callers.
#include "platform/gdi/DibCodec.h"
#include "platform/gdi/GdiPlusObjects.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>
#include <new>

namespace gdiplus_codecs {

namespace {

// The most a decoder may ask for besides the picture itself (a progressive file keeps every coefficient
// of the image): enough for the largest picture accepted, far from what a hostile header could claim.
constexpr long MaxJpegWorkingMemory = 512L << 20;

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

[[noreturn]] void JpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}
void JpegQuiet(j_common_ptr) {}

void InitError(TJpegError& error) {
    jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegFail;
    error.Manager.output_message = JpegQuiet; // warnings about damaged data are not printed
}

struct TJpegReader {
    jpeg_decompress_struct Info;
    TJpegError Error;
    bool Created = false;
    ~TJpegReader() {
        if (Created) jpeg_destroy_decompress(&Info);
    }
};

bool ReadHeader(TJpegReader& r, const BYTE* data, std::size_t size) {
    if (setjmp(r.Error.Jump)) return false;
    jpeg_create_decompress(&r.Info);
    r.Created = true;
    r.Info.mem->max_memory_to_use = MaxJpegWorkingMemory;
    jpeg_mem_src(&r.Info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&r.Info, TRUE);
    return true;
}

// Decodes straight into the surface's rows as blue, green, red, alpha 255.
bool Decompress(TJpegReader& r, TSurface* surface) {
    if (setjmp(r.Error.Jump)) return false;
    r.Info.out_color_space = JCS_EXT_BGRA;
    r.Info.scale_num = r.Info.scale_denom = 1;
    jpeg_start_decompress(&r.Info);
    if (int(r.Info.output_width) != surface->Width() || int(r.Info.output_height) != surface->Height() ||
        r.Info.output_components != 4)
        return false;
    while (r.Info.output_scanline < r.Info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(surface->Row(int(r.Info.output_scanline)));
        jpeg_read_scanlines(&r.Info, &row, 1);
    }
    jpeg_finish_decompress(&r.Info);
    return true;
}

struct TJpegWriter {
    jpeg_compress_struct Info;
    TJpegError Error;
    bool Created = false;
    unsigned char* Buffer = nullptr;
    unsigned long Size = 0;
    ~TJpegWriter() {
        if (Created) jpeg_destroy_compress(&Info);
        std::free(Buffer);
    }
};

// Transparent parts become black, as a picture without alpha shows them: the premultiplied pixels are
// the colours written.
bool Compress(TJpegWriter& w, const TSurface* surface) {
    if (setjmp(w.Error.Jump)) return false;
    jpeg_create_compress(&w.Info);
    w.Created = true;
    jpeg_mem_dest(&w.Info, &w.Buffer, &w.Size);
    w.Info.image_width = JDIMENSION(surface->Width());
    w.Info.image_height = JDIMENSION(surface->Height());
    w.Info.input_components = 4;
    w.Info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&w.Info);
    jpeg_set_quality(&w.Info, 75, TRUE);
    jpeg_start_compress(&w.Info, TRUE);
    while (w.Info.next_scanline < w.Info.image_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(surface->Row(int(w.Info.next_scanline))));
        jpeg_write_scanlines(&w.Info, &row, 1);
    }
    jpeg_finish_compress(&w.Info);
    return true;
}

} // namespace

TGpBitmapImpl* DecodeJpeg(const std::vector<BYTE>& data, GpStatus& status) {
    TJpegReader reader;
    InitError(reader.Error);
    reader.Info.err = &reader.Error.Manager;
    if (!ReadHeader(reader, data.data(), data.size())) {
        status = GenericError;
        return nullptr;
    }
    // The size is checked before decompression starts: a few hundred bytes may claim any size.
    const std::int64_t width = reader.Info.image_width, height = reader.Info.image_height;
    if (width <= 0 || height <= 0 || width * height > dib_codec::MaxPixels) {
        status = OutOfMemory;
        return nullptr;
    }
    std::shared_ptr<TSurface> surface;
    try {
        surface = std::make_shared<TSurface>(int(width), int(height));
    } catch (const std::bad_alloc&) {
        status = OutOfMemory;
        return nullptr;
    }
    if (!Decompress(reader, surface.get())) {
        status = GenericError;
        return nullptr;
    }
    auto* bitmap = new TGpBitmapImpl(std::move(surface));
    bitmap->Format = PixelFormat24bppRGB;
    bitmap->RawFormat = ImageFormatJPEG;
    status = Ok;
    return bitmap;
}

GpStatus EncodeJpeg(const TGpBitmapImpl& bitmap, std::vector<BYTE>& out) {
    TJpegWriter writer;
    InitError(writer.Error);
    writer.Info.err = &writer.Error.Manager;
    if (!Compress(writer, bitmap.Pixels.get())) return GenericError;
    out.assign(writer.Buffer, writer.Buffer + writer.Size);
    return Ok;
}

} // namespace gdiplus_codecs
