// Repaints the painter gallery (every drawing operation of the painter families, about 500 labelled
// cells) into a window of the headless screen, once per painter (base, Flat, Standard, UltraFlat, Native,
// and Office11 in each of its four colour schemes), and
// the same cells with plain GDI calls (FillRect, DrawEdge, DrawFrameControl, DrawText). Prints the
// best time of a full repaint in milliseconds and the ratio to the plain drawing.
//
//   olva_painters_bench                      all painters and the plain drawing, in one process
//   olva_painters_bench <painter|plain> N    N repaints of one of them (for timing whole processes)
#include "GalleryScheme.h"
#include "PainterGallery.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/painters/lookandfeel/PaintersManager.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 20;

LRESULT PlainProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
}

// Repaints into the window's DC; returns the time of one repaint in milliseconds.
double Repaint(HWND AWindow, const std::function<void(HDC)>& APaint) {
    HDC dc = GetDC(AWindow);
    const auto start = Clock::now();
    APaint(dc);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ReleaseDC(AWindow, dc);
    return ms;
}

double Best(HWND AWindow, int ARuns, const std::function<void(HDC)>& APaint) {
    double best = 1e30;
    for (int run = 0; run < ARuns; ++run)
        best = std::min(best, Repaint(AWindow, APaint));
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
        painter_gallery::TPainterGallery gallery;
        const TSize size = gallery.Size();
        WNDCLASS wc;
        wc.lpfnWndProc = &PlainProc;
        wc.lpszClassName = "PaintersBenchWindow";
        RegisterClass(&wc);
        HWND window = CreateWindowEx(0, "PaintersBenchWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, size.cx,
                                     size.cy, nullptr, nullptr, nullptr, nullptr);
        TFont font;
        font.SetName("Tahoma");
        font.SetHeight(-11);
        TuiCustomLookAndFeelPainter basePainter;
        auto painterOf = [&](const std::string& AName) -> TuiCustomLookAndFeelPainter* {
            return AName == "base" ? &basePainter : uiLookAndFeelPaintersManager()->GetPainterByName(AName);
        };
        auto throughPainter = [&](TuiCustomLookAndFeelPainter* APainter) {
            return [&, APainter](HDC ADC) {
                TCanvas target;
                target.SetHandle(ADC);
                TuiCanvas canvas(&target);
                gallery.Paint(&canvas, APainter, &font);
                target.SetHandle(nullptr);
            };
        };
        auto plain = [&](HDC ADC) {
            TCanvas target;
            target.SetHandle(ADC);
            target.SetFont(&font);
            gallery.PaintWithPlainGdi(ADC);
            target.SetHandle(nullptr);
        };
        if (argc == 3) {
            const std::string which = argv[1];
            const int repaints = std::max(1, std::atoi(argv[2]));
            TuiCustomLookAndFeelPainter* painter = which == "plain" ? nullptr : painterOf(which);
            if (which != "plain" && painter == nullptr) {
                std::fprintf(stderr, "no painter named %s\n", which.c_str());
                status = 2;
            } else {
                const std::function<void(HDC)> paint =
                    painter != nullptr ? std::function<void(HDC)>(throughPainter(painter)) : plain;
                for (int i = 0; i < repaints; ++i)
                    Repaint(window, paint);
            }
        } else {
            std::printf("Full repaint of the painter gallery, %d cells, %ld x %ld pixels (best of %d)\n",
                        static_cast<int>(gallery.Cells().size()), static_cast<long>(size.cx),
                        static_cast<long>(size.cy), Runs);
            const double reference = Best(window, Runs, plain);
            std::printf("  %-10s %8.2f ms\n", "plain GDI", reference);
            for (const char* name : {"base", "Flat", "Standard", "UltraFlat", "Native"}) {
                const double ms = Best(window, Runs, throughPainter(painterOf(name)));
                std::printf("  %-10s %8.2f ms   ratio to plain GDI %.2f   %s 16 ms\n", name, ms,
                            ms / reference, ms < 16 ? "under" : "OVER");
            }
            // Office11 in each colour scheme (the palette is referenced while it draws).
            ReferenceOffice11Colors();
            for (int scheme = schNone; scheme <= schSilver; ++scheme) {
                painter_gallery::UseOffice11Scheme(static_cast<TovOffice11Scheme>(scheme));
                const double ms = Best(window, Runs, throughPainter(painterOf("Office11")));
                const std::string name =
                    std::string("Office11 ") +
                    painter_gallery::Office11SchemeName(static_cast<TovOffice11Scheme>(scheme));
                std::printf("  %-16s %8.2f ms   ratio to plain GDI %.2f   %s 16 ms\n", name.c_str(), ms,
                            ms / reference, ms < 16 ? "under" : "OVER");
            }
            painter_gallery::EndOffice11Scheme();
            ReleaseOffice11Palette();
        }
        DestroyWindow(window);
    }
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
