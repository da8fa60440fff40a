// The main window's two command image lists at start-up, side by side with decoding PNG pictures of the
// same size: the embedded 16- and 32-pixel strips cut into the two image lists, against the same two
// strips only decoded (the ribbon's picture sheets, the other pictures decoded at start, are of like
// size). Both as whole processes that start the class library and the user-interface library the
// same way, and in one process, one build against one decode, many times over.
//
// Usage: olva_command_images_bench            runs the comparison
//        olva_command_images_bench lists|decode [N]   does the work N times (1) and ends
#include "bench/common/WholeProcess.h"
#include "platform/gdi/PngReader.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/VclInit.h"
#include "source/mainform/CommandIcons.h"
#include "source/mainform/CommandImageLists.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/graphics/ImageList.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The strips embedded in this program (see cmake/EmbedResources.cmake).
void OlvaRegisterResources_olva_command_images_bench();

namespace {

// Decodes both strips; returns the pixels decoded (so that nothing is optimised away).
long DecodeStrips() {
    long pixels = 0;
    for (const char* name : {SmallCommandIconResource, LargeCommandIconResource}) {
        const TResourceData* data = FindResource(CommandIconResourceType, name);
        std::shared_ptr<TSurface> surface;
        if (data == nullptr || png_reader::ReadPng(data->Data, data->Size, std::int64_t(1) << 24, surface) !=
                                   png_reader::TPngReadResult::Ok)
            return -1;
        pixels += long(surface->Width()) * surface->Height();
    }
    return pixels;
}

// Makes both image lists as the main window does; returns the pictures they hold.
long BuildLists() {
    auto owner = std::make_unique<TComponent>(nullptr);
    const TCommandImageLists lists = MakeCommandImageLists(owner.get());
    return long(lists.Small->Count()) + lists.Large->Count();
}

double Seconds(const std::function<long()>& Work, long& Result) {
    const auto start = std::chrono::steady_clock::now();
    Result = Work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    OlvaRegisterResources_olva_command_images_bench();
    InitializeVcl();
    uiCoreInitialize();
    int status = 0;
    if (argc >= 2) {
        const int n = argc >= 3 ? std::atoi(argv[2]) : 1;
        for (int i = 0; i < n; ++i) {
            const long result = std::strcmp(argv[1], "lists") == 0 ? BuildLists() : DecodeStrips();
            if (result <= 0) status = 1;
        }
    } else {
        const std::string self = std::filesystem::absolute(argv[0]).string();
        const whole_process::TPair once = whole_process::Compare({self, "lists"}, {self, "decode"}, 15);
        std::printf("start-up, whole process: image lists %.4f s, PNG decode %.4f s, ratio %.3f%s\n",
                    once.Ours, once.Reference, once.Ratio, once.Ok ? "" : " (a run failed)");
        std::vector<double> lists, decodes, ratios;
        long a = 0, b = 0;
        for (int i = 0; i < 41; ++i) {
            const double x = Seconds(BuildLists, a), y = Seconds(DecodeStrips, b);
            lists.push_back(x);
            decodes.push_back(y);
            ratios.push_back(x / y);
        }
        std::printf("in one process: image lists %.3f ms (%ld pictures), PNG decode %.3f ms (%ld pixels), "
                    "ratio %.3f\n",
                    1000 * whole_process::Median(lists), a, 1000 * whole_process::Median(decodes), b,
                    whole_process::Median(ratios));
        if (!once.Ok || a <= 0 || b <= 0) status = 1;
    }
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
