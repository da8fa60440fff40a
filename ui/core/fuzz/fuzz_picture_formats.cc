// Fuzz target: a picture loading a file by its extension, with the formats the program registers once the
// interface library has started (bitmaps and icons of the class library, PNG and the other pictures of the
// imaging interface: BMP, JPEG). The first byte picks the extension; the rest is the file, written to a
// temporary folder. Whatever loads is then drawn.
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Picture.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Extensions;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    Extensions = TPicture::RegisteredExtensions();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || Extensions.empty()) return 0;
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp ? tmp : "/tmp") + "/olva-fuzz-formats-" +
                             std::to_string(::getpid()) + "." + Extensions[data[0] % Extensions.size()];
    WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    TPicture picture;
    try {
        picture.LoadFromFile(path);
        // Small pictures only: drawing the largest ones accepted takes long and finds nothing more.
        if (picture.Graphic() && std::int64_t(picture.Width()) * picture.Height() <= 256 * 256) {
            TBitmap target(16, 16);
            target.Canvas()->StretchDraw(RECT{0, 0, 16, 16}, picture.Graphic());
        }
    } catch (const Exception&) {
    }
    return 0;
}
