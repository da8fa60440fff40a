// Fuzz target: the picture library's PNG reader.
#include "imaging/picture/PngGraphic.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MemoryStream.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TStringStream stream(std::string(reinterpret_cast<const char*>(data), size));
    TPNGGraphic graphic;
    try {
        graphic.LoadFromStream(&stream);
    } catch (const Exception&) {
    }
    return 0;
}
