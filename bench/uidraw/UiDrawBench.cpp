// Draws a 32 x 32 glyph 10 000 times with uiDrawImage and with a bare AlphaBlend of the same glyph onto the
// same place, and prints the times and the ratios (image drawing / bare blend). Best of several runs.
//
// The glyph comes three ways: as a bitmap of its own (an alpha glyph, normal and disabled), as the last
// image of a 64-image TuiImageList holding that glyph, and as the last image of a 64-image plain image
// list where a key colour makes it transparent (no alpha: the list's mask cuts it out). Drawing one list
// image should cost what one glyph costs, whatever the number of images beside it in the list.
#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/ImageList.h"

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
constexpr int Size = 32;
constexpr int ListImages = 64;
constexpr TColor KeyColor = clFuchsia;

// A shaded ball with soft edges, premultiplied: the kind of glyph toolbars draw.
std::unique_ptr<TBitmap> Glyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetPixelFormat(pf32bit);
    glyph->SetSize(Size, Size);
    auto surface = GdiGetBitmapSurface(glyph->Handle());
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            const double d = std::hypot(x - 15.5, y - 15.5);
            const int a = int(std::lround(std::clamp(16.0 - d, 0.0, 1.0) * 255));
            const int shade = 120 + x * 3;
            surface->Row(y)[x] = std::uint32_t(shade * a / 255) | (std::uint32_t(90 * a / 255) << 8) |
                                 (std::uint32_t(40 * a / 255) << 16) | (std::uint32_t(a) << 24);
        }
    return glyph;
}

// The same ball, hard-edged and opaque on the key colour, in 24 bits.
std::unique_ptr<TBitmap> KeyedGlyph() {
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetPixelFormat(pf24bit);
    glyph->SetSize(Size, Size);
    glyph->Canvas()->Brush()->SetColor(KeyColor);
    glyph->Canvas()->FillRect(RECT{0, 0, Size, Size});
    glyph->Canvas()->Brush()->SetColor(TColor(0x285A96));
    glyph->Canvas()->Ellipse(0, 0, Size, Size);
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

void Row(const char* AName, double ATime, double ABare) {
    std::printf("  %-30s %8.2f ms  %6.2f us/draw  ratio %5.2f\n", AName, ATime, ATime * 1000 / Draws,
                ATime / ABare);
}

} // namespace

int main() {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    {
        auto glyph = Glyph();
        auto keyed = KeyedGlyph();
        TuiImageList alphaList(nullptr, Size, Size);
        TImageList keyedList(nullptr, Size, Size);
        for (int i = 0; i < ListImages; ++i) {
            alphaList.Add(glyph.get(), nullptr);
            keyedList.AddMasked(keyed.get(), KeyColor);
        }
        auto target = std::make_unique<TBitmap>();
        target->SetPixelFormat(pf32bit);
        target->SetSize(256, 64);
        HDC dc = target->Canvas()->Handle();
        HDC source = glyph->Canvas()->Handle();
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        // Eight places along the target, so that every call blends over what the one before left.
        auto place = [](int i) { return (i % 8) * 28; };

        const double bare =
            Best([&](int i) { AlphaBlend(dc, place(i), 16, Size, Size, source, 0, 0, Size, Size, blend); });
        auto draw = [&](TBitmap* AGlyph, TCustomImageList* AList, TuiGlyphDrawMode AMode) {
            return Best([&](int i) {
                const TRect r{place(i), 16, place(i) + Size, 16 + Size};
                uiDrawImage(dc, r, r, AGlyph, AList, ListImages - 1, AMode);
            });
        };
        std::printf("%d draws of a %d x %d glyph (best of %d runs; lists of %d images, the last drawn)\n",
                    Draws, Size, Size, Runs, ListImages);
        std::printf("  %-30s %8.2f ms  %6.2f us/draw\n", "bare AlphaBlend", bare, bare * 1000 / Draws);
        Row("alpha glyph, normal", draw(glyph.get(), nullptr, gdmNormal), bare);
        Row("alpha glyph, disabled", draw(glyph.get(), nullptr, gdmDisabled), bare);
        Row("alpha list image, normal", draw(nullptr, &alphaList, gdmNormal), bare);
        Row("alpha list image, disabled", draw(nullptr, &alphaList, gdmDisabled), bare);
        Row("masked list image, normal", draw(nullptr, &keyedList, gdmNormal), bare);
        Row("masked list image, disabled", draw(nullptr, &keyedList, gdmDisabled), bare);
    }
    uiCoreFinalize();
    FinalizeVcl();
    return 0;
}
