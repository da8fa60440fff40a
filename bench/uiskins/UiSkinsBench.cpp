// Two side-by-side timings of skin drawing, best of several runs each:
//  1. 1920 x 1080 filled from a 16 x 16 part at alpha 255 through one texture brush, and the same fill
//     cell by cell (the way taken when no brush can be made: the brush entry point is made to fail);
//  2. a button element drawn 10 000 times through its cache (one size, many places), and drawn anew
//     each time.
// Prints the times and the ratios (cell by cell / brush, uncached / cached).
#include "platform/gdi/GdiPlus.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinElement.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Best time in milliseconds of ARuns runs of ADraw.
double Best(int ARuns, const std::function<void()>& ADraw) {
    double best = 1e30;
    for (int run = 0; run < ARuns; ++run) {
        const auto start = Clock::now();
        ADraw();
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

std::unique_ptr<TovPNGImage> Picture(int AWidth, int AHeight, std::uint32_t (*APixel)(int, int)) {
    TRGBColors bits(std::size_t(AWidth) * AHeight);
    for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < AWidth; ++x)
            bits[std::size_t(y) * AWidth + x] = APixel(x, y);
    return std::make_unique<TovPNGImage>(AWidth, AHeight, bits, true);
}

std::unique_ptr<TBitmap> Target(int AWidth, int AHeight) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(AWidth, AHeight);
    return bitmap;
}

GpStatus NoTexture(GpImage*, GpWrapMode, INT, INT, INT, INT, GpTexture**) {
    return OutOfMemory;
}

void TilingBench() {
    auto part = Picture(16, 16, [](int x, int y) {
        return 0xFF000000u | std::uint32_t(x * 16) | (std::uint32_t(y * 16) << 8);
    });
    auto target = Target(1920, 1080);
    TovGPCanvas canvas;
    canvas.CreateHandle(target->Canvas()->Handle());
    const TRect screen{0, 0, 1920, 1080}, cell{0, 0, 16, 16};
    GpImage* image = part->GetHandle();
    const double brush = Best(5, [&] { ovGpTileImagePart(canvas.Handle(), screen, cell, 255, image); });
    auto saved = ovGdipApi.GdipCreateTexture2I;
    ovGdipApi.GdipCreateTexture2I = &NoTexture;
    const double cells = Best(5, [&] { ovGpTileImagePart(canvas.Handle(), screen, cell, 255, image); });
    ovGdipApi.GdipCreateTexture2I = saved;
    std::printf("1920 x 1080 tiled from a 16 x 16 part, alpha 255 (best of 5 runs)\n");
    std::printf("  texture brush   %8.2f ms\n", brush);
    std::printf("  cell by cell    %8.2f ms  ratio (cells / brush) %6.2f\n", cells, cells / brush);
}

void CacheBench() {
    constexpr int Draws = 10000;
    TovSkinElement element(nullptr, "Button");
    element.SetColor(TColor(0xF0E8E0));
    auto face = Picture(30, 30, [](int x, int y) {
        const bool frame = x < 2 || y < 2 || x > 27 || y > 27;
        return frame ? 0xFF1E3C6Eu : (((x + y) / 3) % 2 ? 0xFFFFD778u : 0xFFFAAA28u);
    });
    element.Image()->Texture()->Assign(face.get());
    element.Image()->Margins()->SetAll(8);
    element.Borders()->Bottom()->SetColor(clGray);
    element.Borders()->Bottom()->SetThin(2);
    auto glyph = Picture(16, 16, [](int x, int y) {
        const int alpha = std::clamp(int(std::lround((8 - std::abs(y - 8) * 0.9 - x * 0.5) * 80)), 0, 255);
        return std::uint32_t(alpha) << 24 | std::uint32_t(alpha * 120 / 255) << 8;
    });
    element.Glyph()->Texture()->Assign(glyph.get());
    element.Glyph()->SetStretch(smNoResize);
    auto target = Target(1024, 256);
    HDC dc = target->Canvas()->Handle();
    // Eight places, one size: only the cache's copy differs from draw to draw.
    auto place = [](int i) {
        return TRect{(i % 8) * 124, (i / 8 % 4) * 60, (i % 8) * 124 + 120, (i / 8 % 4) * 60 + 40};
    };
    const double uncached = Best(3, [&] {
        for (int i = 0; i < Draws; ++i)
            element.Draw(dc, place(i), 0, esNormal);
    });
    element.SetCached(true);
    const double cached = Best(3, [&] {
        for (int i = 0; i < Draws; ++i)
            element.Draw(dc, place(i), 0, esNormal);
    });
    std::printf("%d draws of a 120 x 40 button element (best of 3 runs)\n", Draws);
    std::printf("  cached          %8.2f ms  %7.2f us/draw\n", cached, cached * 1000 / Draws);
    std::printf("  drawn anew      %8.2f ms  %7.2f us/draw  ratio (anew / cached) %6.2f\n", uncached,
                uncached * 1000 / Draws, uncached / cached);
}

} // namespace

// Without an argument both run; "tile" or "cache" runs one of them.
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    if (only.empty() || only == "tile") TilingBench();
    if (only.empty() || only == "cache") CacheBench();
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
