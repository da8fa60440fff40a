// TskBitmap::DrawToBitmap's alpha route on a 512 x 512 picture, drawn 1:1 and scaled 2x, side by side
// with the GDI layer drawing the same pixels: AlphaBlend (1:1 and stretched) and StretchBlt (2x).
// Prints the best time of many runs of each and the ratios (ours / reference).
#include "platform/gdi/GdiBlit.h"
#include "skin/draw/SkinBitmap.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// A picture-like source: opaque shapes, fully transparent corners and soft edges between them.
void FillSource(TskBitmap& Bitmap) {
    const int w = Bitmap.PixelWidth(), h = Bitmap.PixelHeight();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x - w / 2.0, y - h / 2.0);
            const int alpha = std::clamp(int(255 - (d - w / 3.0) * 4), 0, 255);
            const std::uint32_t colour =
                std::uint32_t((x * 255 / w) | ((y * 255 / h) << 8) | (int(d) & 0xFF) << 16);
            *Bitmap.PixelAddress(x, y) = colour | (std::uint32_t(alpha) << 24);
        }
    Bitmap.DetectPartialAlpha();
}

void FillBackground(TskBitmap& Bitmap) {
    for (int y = 0; y < Bitmap.PixelHeight(); ++y)
        for (int x = 0; x < Bitmap.PixelWidth(); ++x)
            *Bitmap.PixelAddress(x, y) = ((x ^ y) & 0xFF) * 0x010101u;
}

// Best time in microseconds of Runs calls of Draw, each on a fresh copy of the background.
double BestMicros(int Runs, TskBitmap& Target, const std::vector<std::uint32_t>& Background,
                  const std::function<void()>& Draw) {
    double best = 1e30;
    for (int i = 0; i < Runs; ++i) {
        std::memcpy(Target.Pixels(), Background.data(), Background.size() * 4);
        const auto t0 = std::chrono::steady_clock::now();
        Draw();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    return best;
}

std::vector<std::uint32_t> Snapshot(TskBitmap& Bitmap) {
    return std::vector<std::uint32_t>(Bitmap.Pixels(), Bitmap.Pixels() + std::size_t(Bitmap.PixelWidth()) *
                                                                             Bitmap.PixelHeight());
}

} // namespace

int main() {
    TskBitmap source, target1, target2;
    source.SetSize(512, 512);
    FillSource(source);
    target1.SetSize(512, 512);
    target2.SetSize(1024, 1024);
    FillBackground(target1);
    FillBackground(target2);
    const auto background1 = Snapshot(target1);
    const auto background2 = Snapshot(target2);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int runs = 60;

    const double ours1 = BestMicros(runs, target1, background1, [&] {
        source.DrawToBitmap(target1, TRect{0, 0, 512, 512}, TRect{0, 0, 512, 512});
    });
    const double alpha1 = BestMicros(runs, target1, background1, [&] {
        AlphaBlend(target1.MemoryDC(), 0, 0, 512, 512, source.MemoryDC(), 0, 0, 512, 512, blend);
    });
    const double ours2 = BestMicros(runs, target2, background2, [&] {
        source.DrawToBitmap(target2, TRect{0, 0, 1024, 1024}, TRect{0, 0, 512, 512});
    });
    const double alpha2 = BestMicros(runs, target2, background2, [&] {
        AlphaBlend(target2.MemoryDC(), 0, 0, 1024, 1024, source.MemoryDC(), 0, 0, 512, 512, blend);
    });
    const double stretch2 = BestMicros(runs, target2, background2, [&] {
        StretchBlt(target2.MemoryDC(), 0, 0, 1024, 1024, source.MemoryDC(), 0, 0, 512, 512, SRCCOPY);
    });

    std::printf("TskBitmap alpha drawing of 512 x 512, best of %d runs (microseconds)\n", runs);
    std::printf("  1:1   DrawToBitmap %9.1f   AlphaBlend %9.1f   ratio %.2f\n", ours1, alpha1,
                ours1 / alpha1);
    std::printf("  2x    DrawToBitmap %9.1f   AlphaBlend %9.1f   ratio %.2f\n", ours2, alpha2,
                ours2 / alpha2);
    std::printf("  2x    DrawToBitmap %9.1f   StretchBlt %9.1f   ratio %.2f\n", ours2, stretch2,
                ours2 / stretch2);
    return 0;
}
