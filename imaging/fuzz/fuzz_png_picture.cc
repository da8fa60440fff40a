// Fuzz target: the PNG codec's reader, then writing, pixel access and drawing of whatever it read.
#include "imaging/png/PngPicture.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MemoryStream.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TPngPicture picture;
    try {
        picture.LoadFromStream(&stream);
    } catch (const Exception&) {
        return 0;
    }
    try {
        std::vector<std::uint8_t> pixels(64 * 64 * 4);
        TPixelBuffer32 target{64, 64, 256, pixels.data()};
        picture.Draw(target, TRect{-3, -3, 40, 40});
        picture.GetPixel(picture.Width() / 2, picture.Height() / 2);
        TMemoryStream out;
        picture.SaveToStream(&out);
    } catch (const Exception&) {
    }
    return 0;
}
