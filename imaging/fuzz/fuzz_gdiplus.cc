// Fuzz target: the GDI+ stand-in's image decoding (PNG, BMP in every form, JPEG), then encoding whatever
// loaded as PNG and BMP.
#include "platform/gdi/GdiPlus.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StreamAdapter.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream memory;
    memory.WriteBuffer(data, std::int64_t(size));
    memory.SetPosition(0);
    IStream* stream = new TStreamAdapter(&memory);
    GpImage* image = nullptr;
    UINT width = 0, height = 0;
    if (GdipLoadImageFromStream(stream, &image) == Ok && image && GdipGetImageWidth(image, &width) == Ok &&
        GdipGetImageHeight(image, &height) == Ok && width * height <= 256 * 256) {
        // Small pictures only: encoding the largest ones accepted takes seconds and finds nothing more.
        UINT count = 0, bytes = 0;
        GdipGetImageEncodersSize(&count, &bytes);
        std::vector<char> buffer(bytes);
        auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
        GdipGetImageEncoders(count, bytes, codecs);
        for (UINT i = 0; i < count; ++i) {
            TMemoryStream out;
            IStream* target = new TStreamAdapter(&out);
            GdipSaveImageToStream(image, target, &codecs[i].Clsid, nullptr);
            target->Release();
        }
    }
    if (image) GdipDisposeImage(image);
    stream->Release();
    return 0;
}
