// Draws the user-interface library's own pictures and writes them as PNG files into the folder named on
// the command line; the build embeds them (ui/core/CMakeLists.txt):
//   DefaultSkinIconSmall.png (16 x 16) and DefaultSkinIconLarge.png (48 x 48): the icon of a skin that
//     brings none, four colour swatches in a rounded frame;
//   ShadowMask.png (12 x 12): black whose alpha fades toward the edges, 2.5 a(x) a(y) with
//     a(i) = min(i + 1, 12 - i), drawn around windows with margins of 5.
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

struct Rgb {
    double R, G, B;
};

// Straight (not premultiplied) colour and alpha as a surface pixel: blue lowest.
std::uint32_t Pixel(const Rgb& AColor, double AAlpha) {
    auto byte = [](double v) { return std::uint32_t(std::lround(std::clamp(v, 0.0, 255.0))); };
    return byte(AColor.B) | (byte(AColor.G) << 8) | (byte(AColor.R) << 16) | (byte(AAlpha * 255) << 24);
}

// Signed distance from (x, y) to a rounded rectangle (negative inside).
double RoundedRectDistance(double x, double y, double left, double top, double right, double bottom,
                           double radius) {
    const double cx = std::clamp(x, left + radius, right - radius);
    const double cy = std::clamp(y, top + radius, bottom - radius);
    const bool inCore =
        x >= left + radius && x <= right - radius && y >= top + radius && y <= bottom - radius;
    if (inCore) return -std::min({x - left, right - x, y - top, bottom - y});
    return std::hypot(x - cx, y - cy) - radius;
}

// The default skin icon at any size: a rounded frame holding four swatches (blue, orange, green, violet),
// each lighter at its top. Drawn with 8 x 8 samples a pixel.
TSurface SkinIcon(int ASize) {
    TSurface surface(ASize, ASize);
    const double s = ASize;
    const double frame = std::max(1.0, s / 16.0);
    const double radius = s * 0.2;
    const double gap = std::max(1.0, s / 24.0);
    const Rgb outline{52, 58, 70}, backing{236, 238, 242};
    const Rgb swatches[4] = {{46, 112, 214}, {240, 140, 36}, {64, 172, 84}, {150, 84, 196}};
    constexpr int Samples = 8;
    for (int y = 0; y < ASize; ++y)
        for (int x = 0; x < ASize; ++x) {
            double sum[3] = {0, 0, 0}, cover = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const double px = x + (sx + 0.5) / Samples, py = y + (sy + 0.5) / Samples;
                    const double d = RoundedRectDistance(px, py, 0.5, 0.5, s - 0.5, s - 0.5, radius);
                    if (d > 0) continue;
                    Rgb c = outline;
                    if (d < -frame) {
                        // Inside the frame: the swatch of this quarter, or the backing between swatches.
                        const double inner = frame + gap;
                        const double mid = s / 2;
                        const bool inSwatchX =
                            (px > inner && px < mid - gap / 2) || (px > mid + gap / 2 && px < s - inner);
                        const bool inSwatchY =
                            (py > inner && py < mid - gap / 2) || (py > mid + gap / 2 && py < s - inner);
                        if (inSwatchX && inSwatchY) {
                            const int index = (px < mid ? 0 : 1) + (py < mid ? 0 : 2);
                            const double top = py < mid ? inner : mid + gap / 2;
                            const double light = 1.25 - 0.45 * (py - top) / (mid - gap / 2 - inner);
                            c = Rgb{swatches[index].R * light, swatches[index].G * light,
                                    swatches[index].B * light};
                        } else {
                            c = backing;
                        }
                    }
                    sum[0] += c.R;
                    sum[1] += c.G;
                    sum[2] += c.B;
                    cover += 1;
                }
            const double alpha = cover / (Samples * Samples);
            const Rgb average =
                cover > 0 ? Rgb{sum[0] / cover, sum[1] / cover, sum[2] / cover} : Rgb{0, 0, 0};
            surface.Row(y)[x] = Pixel(average, alpha);
        }
    return surface;
}

TSurface ShadowMask() {
    constexpr int Size = 12;
    TSurface surface(Size, Size);
    auto fade = [](int i) { return std::min(i + 1, Size - i); };
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            // 2.5 a(x) a(y), halves rounded up: (5 a(x) a(y) + 1) / 2 in integers.
            const std::uint32_t alpha = std::uint32_t((5 * fade(x) * fade(y) + 1) / 2);
            surface.Row(y)[x] = alpha << 24;
        }
    return surface;
}

bool Write(const TSurface& ASurface, const std::string& AFolder, const char* AName) {
    const std::string path = AFolder + "/" + AName;
    if (SaveSurfaceToPng(ASurface, path, true)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = Write(SkinIcon(16), folder, "DefaultSkinIconSmall.png") &&
                         Write(SkinIcon(48), folder, "DefaultSkinIconLarge.png") &&
                         Write(ShadowMask(), folder, "ShadowMask.png");
    return written ? 0 : 1;
}
