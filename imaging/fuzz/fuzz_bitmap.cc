// Fuzz target: the class library's bitmap loading. The first byte picks the road: a BMP file into a
// bitmap, or a DIB from the clipboard; whatever loads is then written back and drawn.
#include "platform/rtl/Exception.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    TBitmap bitmap;
    try {
        if (data[0] & 1) {
            bitmap.LoadFromClipboardFormat(GraphicClipboardFormatDib, std::vector<BYTE>(data + 1, data + size));
        } else {
            TMemoryStream stream;
            stream.WriteBuffer(data + 1, std::int64_t(size - 1));
            stream.SetPosition(0);
            bitmap.LoadFromStream(&stream);
        }
    } catch (const Exception&) {
        return 0;
    }
    // Small pictures only: writing the largest ones accepted takes long and finds nothing more.
    if (std::int64_t(bitmap.Width()) * bitmap.Height() > 256 * 256) return 0;
    TMemoryStream out;
    bitmap.SaveToStream(&out);
    TBitmap target(16, 16);
    target.Canvas()->StretchDraw(RECT{0, 0, 16, 16}, &bitmap);
    return 0;
}
