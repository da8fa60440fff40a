// Fuzz target: a picture loading a file by its extension through the picture library's format list
// (bitmaps, icons and the picture library's PNG reader). The first byte picks the extension; the rest is
// the file, written to a temporary folder.
#include "imaging/picture/FileFormatList.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Picture.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    PicLibInitialize();
    // Start-up and shut-down come in pairs: the format list must go before the pictures' registry does.
    std::atexit(PicLibFinalize);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const char* const extensions[] = {"bmp", "ico", "png", "dib"};
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp ? tmp : "/tmp") + "/olva-fuzz-picture-" + std::to_string(::getpid()) +
                             "." + extensions[data[0] % 4];
    WriteFileAtomically(path, std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    TPicture picture;
    try {
        picture.LoadFromFile(path);
        picture.Width();
    } catch (const Exception&) {
    }
    return 0;
}
