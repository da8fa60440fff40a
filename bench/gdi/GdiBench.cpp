// Throughput of the software GDI on a 1920x1080 surface: fills, blits, alpha blending and text, with the
// compositing library as the side reference where it offers the same operation, and a typical full-window
// redraw. Prints milliseconds per operation and the ratios.
#include "platform/gdi/Gdi.h"

#include <pixman.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int Width = 1920, Height = 1080;

// Median milliseconds of a number of runs.
double Measure(const std::function<void()>& run, int repeats = 15) {
    std::vector<double> times;
    run(); // warm-up
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Report(const char* name, double ours, double reference) {
    if (reference > 0)
        std::printf("%-34s %8.3f ms   reference %8.3f ms   ratio %.2f\n", name, ours, reference,
                    ours / reference);
    else
        std::printf("%-34s %8.3f ms\n", name, ours);
}

pixman_image_t* Wrap(TSurface& s) {
    return pixman_image_create_bits(PIXMAN_a8r8g8b8, s.Width(), s.Height(), s.Pixels(), s.Stride());
}

} // namespace

int main() {
    auto screen = std::make_shared<TSurface>(Width, Height);
    HDC dc = GdiCreateSurfaceDC(screen, POINT{0, 0}, nullptr);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, Width, Height);
    SelectObject(memory, picture);
    auto source = GdiGetBitmapSurface(picture);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            source->Row(y)[x] = 0x80000000u | std::uint32_t((x * 7 + y) & 0x7F) * 0x010101u;
    pixman_image_t* screenImage = Wrap(*screen);
    pixman_image_t* sourceImage = Wrap(*source);
    RECT all{0, 0, Width, Height};
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));

    Report("FillRect full screen", Measure([&] { FillRect(dc, &all, brush); }), Measure([&] {
               pixman_color_t color{0x1E1E, 0x1414, 0x0A0A, 0x0000};
               pixman_box32_t box{0, 0, Width, Height};
               pixman_image_fill_boxes(PIXMAN_OP_SRC, screenImage, &color, 1, &box);
           }));
    Report("BitBlt SRCCOPY full screen",
           Measure([&] { BitBlt(dc, 0, 0, Width, Height, memory, 0, 0, SRCCOPY); }), Measure([&] {
               pixman_image_composite32(PIXMAN_OP_SRC, sourceImage, nullptr, screenImage, 0, 0, 0, 0, 0, 0,
                                        Width, Height);
           }));
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    Report("AlphaBlend per-pixel full screen",
           Measure([&] { AlphaBlend(dc, 0, 0, Width, Height, memory, 0, 0, Width, Height, blend); }),
           Measure([&] {
               pixman_image_composite32(PIXMAN_OP_OVER, sourceImage, nullptr, screenImage, 0, 0, 0, 0, 0, 0,
                                        Width, Height);
           }));
    Report("StretchBlt halve (COLORONCOLOR)", Measure([&] {
               SetStretchBltMode(dc, COLORONCOLOR);
               StretchBlt(dc, 0, 0, Width / 2, Height / 2, memory, 0, 0, Width, Height, SRCCOPY);
           }),
           0);

    LOGFONT lf{};
    lf.lfHeight = -12;
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "Tahoma");
    HFONT font = CreateFontIndirect(&lf);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const char* line = "Amplify, Normalize, Fade In, Fade Out";
    Report("200 DrawText runs", Measure([&] {
               for (int i = 0; i < 200; ++i) {
                   RECT r{(i % 8) * 240, (i / 8) * 40, (i % 8) * 240 + 230, (i / 8) * 40 + 20};
                   DrawText(dc, line, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
               }
           }),
           0);

    // A typical full-window redraw: background, 60 panels with edges, 40 glyph blits, 200 text runs.
    HDC glyphs = CreateCompatibleDC(dc);
    HBITMAP glyphBitmap = CreateCompatibleBitmap(dc, 32, 32);
    SelectObject(glyphs, glyphBitmap);
    const double frame = Measure([&] {
        FillRect(dc, &all, brush);
        for (int i = 0; i < 60; ++i) {
            RECT r{(i % 10) * 190, (i / 10) * 170, (i % 10) * 190 + 180, (i / 10) * 170 + 160};
            FillRect(dc, &r, brush);
            DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
        }
        for (int i = 0; i < 40; ++i)
            AlphaBlend(dc, i * 40, 1040, 32, 32, glyphs, 0, 0, 32, 32, blend);
        for (int i = 0; i < 200; ++i) {
            RECT r{(i % 8) * 240, (i / 8) * 40, (i % 8) * 240 + 230, (i / 8) * 40 + 20};
            DrawText(dc, line, -1, &r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        }
    });
    Report("Full-window redraw (target < 4 ms)", frame, 0);

    pixman_image_unref(screenImage);
    pixman_image_unref(sourceImage);
    DeleteDC(glyphs);
    DeleteObject(glyphBitmap);
    DeleteDC(memory);
    DeleteObject(picture);
    DeleteDC(dc);
    DeleteObject(brush);
    DeleteObject(font);
    return 0;
}
