// Fuzz target: the skin element stream readers. The first byte picks the record (element, control group,
// details) and the stream version; the rest is the record.
#include "platform/rtl/Exception.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/core/skins/SkinElement.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const double versions[] = {1.01, 1.02, 1.04, 1.08, 1.09, 1.1};
    const double version = versions[(data[0] >> 2) % 6];
    TStringStream stream(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    try {
        switch (data[0] & 3) {
        case 0: {
            TovSkinElement element(nullptr, "E");
            element.DataRead(&stream, version);
            break;
        }
        case 1: {
            TovSkinControlGroup group(nullptr, "G");
            group.DataRead(&stream, version);
            break;
        }
        default: {
            TovSkinDetails details;
            details.DataRead(&stream, version);
            break;
        }
        }
    } catch (const Exception&) {
    }
    return 0;
}
