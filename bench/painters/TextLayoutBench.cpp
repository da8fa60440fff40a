// The library's text engine against the system's DrawText on the ribbon caption's case: centred, single
// line, end ellipsis, kept inside on the left (flags 0x40A11), with the document part highlighted, in a
// rectangle that shows the whole caption and in one that cuts it. DrawText gets the matching DT_ flags
// (centred, vertically centred, single line, end ellipsis, no prefix). Prints the best time per call in
// microseconds and the ratio of the engine to DrawText, which should stay within 2.
//
//   olva_text_layout_bench                     both, side by side, in one process
//   olva_text_layout_bench <engine|drawtext> N N rounds of one of them (for timing whole processes)
#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/painters/text/TextLayout.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Calls = 2000;
constexpr int Runs = 15;
constexpr std::uint32_t CaptionFlags = tfCenter | tfVCenter | tfSingleLine | tfEndEllipsis | tfKeepLeftInside;
constexpr UINT DrawTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX;
const std::string Caption = "Birdsong at dawn, second take.wav - OLVA Audio Editor";
constexpr int DocumentLength = 30; // the highlighted document part
const RECT Wide{0, 0, 600, 24}, Narrow{0, 0, 180, 24};

// Microseconds per call, best of the runs.
double Best(const std::function<void()>& ARound) {
    double best = 1e30;
    for (int run = 0; run < Runs; ++run) {
        const auto start = Clock::now();
        ARound();
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                                  (2 * Calls));
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    int status = 0;
    {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 24);
        ReleaseDC(nullptr, screen);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        TFont font;
        font.SetName("Tahoma");
        font.SetHeight(-13);
        HGDIOBJ oldFont = SelectObject(dc, font.Handle());
        SetBkMode(dc, TRANSPARENT);
        auto engine = [&] {
            for (int i = 0; i < Calls; ++i)
                for (const RECT& r : {Wide, Narrow}) {
                    TRect bounds = r;
                    uiTextOut(dc, Caption, bounds, CaptionFlags, 0, DocumentLength, nullptr,
                              static_cast<TColor>(0x96E6FF), static_cast<TColor>(0x002878));
                }
        };
        auto drawText = [&] {
            for (int i = 0; i < Calls; ++i)
                for (const RECT& r : {Wide, Narrow}) {
                    RECT bounds = r;
                    DrawText(dc, Caption.c_str(), static_cast<int>(Caption.size()), &bounds, DrawTextFlags);
                }
        };
        if (argc == 3) {
            const std::string which = argv[1];
            const int rounds = std::max(1, std::atoi(argv[2]));
            if (which != "engine" && which != "drawtext") {
                std::fprintf(stderr, "unknown contender %s (engine or drawtext)\n", which.c_str());
                status = 2;
            } else
                for (int i = 0; i < rounds; ++i)
                    (which == "engine" ? std::function<void()>(engine) : std::function<void()>(drawText))();
        } else {
            const double reference = Best(drawText);
            const double ours = Best(engine);
            std::printf("Caption text, %d calls a run in a 600- and a 180-pixel rectangle (best of %d)\n",
                        2 * Calls, Runs);
            std::printf("  DrawText        %8.2f us a call\n", reference);
            std::printf("  uiTextOut       %8.2f us a call   ratio to DrawText %.2f   %s 2\n", ours,
                        ours / reference, ours / reference <= 2 ? "within" : "OVER");
        }
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
