// One skin part drawn 10,000 times at a fixed size into a 32-bit bitmap: from the cache the part keeps
// of its nine slices composed at that size, and with the slices composed again for every draw (what
// drawing would cost without the cache). Prints the time of each in milliseconds and their ratio.
//
//   olva_bars_skinparts_bench                    both, in one process (best of 5 rounds each)
//   olva_bars_skinparts_bench <cached|composed> N   N draws of one of them (for timing whole processes)
#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace skin_parts_bench {

using Clock = std::chrono::steady_clock;
constexpr int Draws = 10000;
constexpr int Rounds = 5;
// A large button's cell and frame, drawn at a large button's size.
constexpr int CellWidth = 24, CellHeight = 30, Margin = 4;
constexpr TRect Target{2, 2, 44, 68};

// A framed cell with a vertical gradient inside, as a picture sheet holds it.
std::unique_ptr<TovGPImage> MakeSheet() {
    TRGBColors bits(std::size_t(CellWidth) * CellHeight);
    for (int y = 0; y < CellHeight; ++y)
        for (int x = 0; x < CellWidth; ++x) {
            const bool frame = x < 1 || y < 1 || x >= CellWidth - 1 || y >= CellHeight - 1;
            const std::uint32_t level = frame ? 0x60 : std::uint32_t(0xF0 - y * 3);
            bits[std::size_t(y) * CellWidth + x] = 0xFF000000u | (level << 16) | (level << 8) | 0xE0;
        }
    return std::make_unique<TovGPImage>(CellWidth, CellHeight, bits, true);
}

// Milliseconds for ADraws draws; AComposeEach forgets the composition before each draw.
double Time(TovSkinnedRect& APart, HDC DC, int ADraws, bool AComposeEach) {
    const auto start = Clock::now();
    for (int i = 0; i < ADraws; ++i) {
        if (AComposeEach) APart.ResetCache();
        APart.Draw(DC, Target);
    }
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Best(TovSkinnedRect& APart, HDC DC, bool AComposeEach) {
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round)
        best = std::min(best, Time(APart, DC, Draws, AComposeEach));
    return best;
}

} // namespace skin_parts_bench

int main(int argc, char** argv) {
    using namespace skin_parts_bench;
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    int status = 0;
    {
        const std::unique_ptr<TovGPImage> sheet = MakeSheet();
        TovSkinnedRect part;
        part.LoadFromImage(sheet->GetHandle(), TRect{0, 0, CellWidth, CellHeight},
                           TRect{Margin, Margin, Margin, Margin});
        TBitmap target;
        target.SetPixelFormat(pf32bit);
        target.SetSize(Target.right + 2, Target.bottom + 2);
        HDC dc = target.Canvas()->Handle();
        if (argc == 3) {
            const std::string which = argv[1];
            const int draws = std::atoi(argv[2]);
            if ((which != "cached" && which != "composed") || draws <= 0) {
                std::fprintf(stderr, "usage: %s [cached|composed N]\n", argv[0]);
                status = 2;
            } else {
                std::printf("%s: %.2f ms for %d draws\n", which.c_str(),
                            Time(part, dc, draws, which == "composed"), draws);
            }
        } else {
            const double cached = Best(part, dc, false);
            const double composed = Best(part, dc, true);
            std::printf("%d draws of a %d x %d part at %d x %d\n", Draws, CellWidth, CellHeight,
                        Target.right - Target.left, Target.bottom - Target.top);
            std::printf("  from the cache:           %9.2f ms\n", cached);
            std::printf("  composed for every draw:  %9.2f ms\n", composed);
            std::printf("  composed / cached:        %9.2f\n", composed / cached);
        }
    }
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
