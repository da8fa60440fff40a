// Fuzz target: the skin library's quiet PNG reader; it must never raise nor crash.
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TskPngImage image;
    try {
        image.LoadFromStream(&stream);
    } catch (...) {
        std::abort(); // the skin's reader fails quietly
    }
    if (image.Empty()) return 0;
    std::vector<std::uint8_t> pixels(32 * 32 * 4);
    TPixelBuffer32 target{32, 32, 128, pixels.data()};
    image.Draw(target, TRect{0, 0, 31, 17});
    image.ResizeCanvas(7, 9);
    return 0;
}
