// Fuzz target: the skin loader. Whatever the bytes, loading fails quietly (the skin stays Empty), never
// raises or crashes, and asks for memory only in proportion to the input. The first byte chooses what
// the rest is: the packed bytes of a form, a skin file's container, or a skin stream that is packed here
// first (so that the pictures and the text are reached without the fuzzer having to make valid zlib).
#include "platform/rtl/MemoryStream.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinZlib.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    TskCompressedStoredSkin stored(nullptr);
    try {
        TStringStream input(bytes);
        switch (data[0] % 3) {
        case 0:
            stored.ReadCompressedData(&input);
            break;
        case 1:
            stored.LoadFromCompressedStream(&input);
            break;
        default:
            PackStream(&input, &stored.CompressedStream());
            break;
        }
    } catch (...) {
        std::abort(); // reading the bytes themselves never fails
    }
    TskSkinData skin(nullptr);
    try {
        skin.LoadCompressedStoredSkin(&stored);
    } catch (...) {
        std::abort(); // skin loading fails quietly
    }
    if (!skin.Empty()) {
        skin.GetControlIndex("button");
        for (int i = 0; i < skin.ActivePictureCount(); ++i)
            skin.ActivePicture(i)->Width();
    }
    return 0;
}
