// Fuzz target: the class library's icon loading (images stored as DIBs with masks, or as PNG), then
// drawing and writing whatever loaded.
#include "platform/rtl/Exception.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Icon.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, std::int64_t(size));
    stream.SetPosition(0);
    TIcon icon;
    try {
        icon.LoadFromStream(&stream);
    } catch (const Exception&) {
        return 0;
    }
    TBitmap target(8, 8);
    target.Canvas()->Draw(0, 0, &icon);
    TMemoryStream out;
    icon.SaveToStream(&out);
    return 0;
}
