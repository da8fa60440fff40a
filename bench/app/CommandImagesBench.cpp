// The main window's two command image lists at start-up, side by side with decoding the two picture sheets
// of its ribbon's Silver 2010 skin ("RIBBONCOMMON2010" and "RIBBONSILVER2010"), the other pictures the
// window decodes as it starts: the embedded 16- and 32-pixel strips cut into the two image lists against
// the two sheets decoded. Both as whole processes that start the class library and the user-interface
// library the same way, and in one process, one against the other, many times over; the strips' own
// decoding is shown too.
//
// Usage: olva_command_images_bench                   runs the comparison
//        olva_command_images_bench lists|sheets [N]  does the work N times (1) and ends
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
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// The strips embedded in this program and the ribbon's sheets (see cmake/EmbedResources.cmake).
void OlvaRegisterResources_olva_command_images_bench();
void OlvaRegisterResources_olva_ui_ribbon();

namespace {

// Decodes the named PNG resources; returns the pixels decoded (so that nothing is optimised away).
long Decode(const char* Type, std::initializer_list<const char*> Names) {
    long pixels = 0;
    for (const char* name : Names) {
        const TResourceData* data = FindResource(Type, name);
        std::shared_ptr<TSurface> surface;
        if (data == nullptr || png_reader::ReadPng(data->Data, data->Size, std::int64_t(1) << 24, surface) !=
                                   png_reader::TPngReadResult::Ok)
            return -1;
        pixels += long(surface->Width()) * surface->Height();
    }
    return pixels;
}

long DecodeSheets() {
    return Decode("RCDATA", {"RIBBONCOMMON2010", "RIBBONSILVER2010"});
}

long DecodeStrips() {
    return Decode(CommandIconResourceType, {SmallCommandIconResource, LargeCommandIconResource});
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
    OlvaRegisterResources_olva_ui_ribbon();
    InitializeVcl();
    uiCoreInitialize();
    int status = 0;
    if (argc >= 2) {
        const int n = argc >= 3 ? std::atoi(argv[2]) : 1;
        for (int i = 0; i < n; ++i) {
            const long result = std::strcmp(argv[1], "lists") == 0 ? BuildLists() : DecodeSheets();
            if (result <= 0) status = 1;
        }
    } else {
        const std::string self = std::filesystem::absolute(argv[0]).string();
        const whole_process::TPair once = whole_process::Compare({self, "lists"}, {self, "sheets"}, 15);
        std::printf(
            "start-up, whole process: image lists %.4f s, Silver 2010 sheets decoded %.4f s, ratio %.3f%s\n",
            once.Ours, once.Reference, once.Ratio, once.Ok ? "" : " (a run failed)");
        std::vector<double> lists, sheets, strips, ratios;
        long a = 0, b = 0, c = 0;
        for (int i = 0; i < 41; ++i) {
            const double x = Seconds(BuildLists, a), y = Seconds(DecodeSheets, b),
                         z = Seconds(DecodeStrips, c);
            lists.push_back(x);
            sheets.push_back(y);
            strips.push_back(z);
            ratios.push_back(x / y);
        }
        std::printf("in one process: image lists %.3f ms (%ld pictures), Silver 2010 sheets decoded %.3f ms "
                    "(%ld pixels), ratio %.3f; the strips alone decoded %.3f ms (%ld pixels)\n",
                    1000 * whole_process::Median(lists), a, 1000 * whole_process::Median(sheets), b,
                    whole_process::Median(ratios), 1000 * whole_process::Median(strips), c);
        if (!once.Ok || a <= 0 || b <= 0 || c <= 0) status = 1;
    }
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
