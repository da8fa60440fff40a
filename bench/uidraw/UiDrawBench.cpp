// Draws a 32 x 32 alpha glyph 10 000 times with uiDrawImage (normal and disabled) and with a bare
// AlphaBlend of the same glyph onto the same place, and prints the times and the ratios (image drawing
// / bare blend). Best of several runs.
#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/graphics/ImageDrawing.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Draws = 10000;
constexpr int Runs = 5;

// A shaded ball with soft edges, premultiplied: the kind of glyph toolbars draw.
std::unique_ptr<TBitmap> Glyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetPixelFormat(pf32bit);
    glyph->SetSize(32, 32);
    auto surface = GdiGetBitmapSurface(glyph->Handle());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const double d = std::hypot(x - 15.5, y - 15.5);
            const int a = int(std::lround(std::clamp(16.0 - d, 0.0, 1.0) * 255));
            const int shade = 120 + x * 3;
            surface->Row(y)[x] = std::uint32_t(shade * a / 255) | (std::uint32_t(90 * a / 255) << 8) |
                                 (std::uint32_t(40 * a / 255) << 16) | (std::uint32_t(a) << 24);
        }
    return glyph;
}

// Best time in milliseconds of Draws calls of ADraw.
double Best(const std::function<void(int)>& ADraw) {
    double best = 1e30;
    for (int run = 0; run < Runs; ++run) {
        const auto start = Clock::now();
        for (int i = 0; i < Draws; ++i)
            ADraw(i);
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main() {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    {
        auto glyph = Glyph();
        auto target = std::make_unique<TBitmap>();
        target->SetPixelFormat(pf32bit);
        target->SetSize(256, 64);
        HDC dc = target->Canvas()->Handle();
        HDC source = glyph->Canvas()->Handle();
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        // Eight places along the target, so that every call blends over what the one before left.
        auto place = [](int i) { return (i % 8) * 28; };

        const double bare =
            Best([&](int i) { AlphaBlend(dc, place(i), 16, 32, 32, source, 0, 0, 32, 32, blend); });
        auto draw = [&](TuiGlyphDrawMode AMode) {
            return Best([&](int i) {
                const TRect r{place(i), 16, place(i) + 32, 48};
                uiDrawImage(dc, r, r, glyph.get(), nullptr, 0, AMode);
            });
        };
        const double normal = draw(gdmNormal);
        const double disabled = draw(gdmDisabled);
        std::printf("%d draws of a 32 x 32 alpha glyph (best of %d runs)\n", Draws, Runs);
        std::printf("  bare AlphaBlend        %8.2f ms  %6.2f us/draw\n", bare, bare * 1000 / Draws);
        std::printf("  uiDrawImage, normal    %8.2f ms  %6.2f us/draw  ratio %5.2f\n", normal,
                    normal * 1000 / Draws, normal / bare);
        std::printf("  uiDrawImage, disabled  %8.2f ms  %6.2f us/draw  ratio %5.2f\n", disabled,
                    disabled * 1000 / Draws, disabled / bare);
    }
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
