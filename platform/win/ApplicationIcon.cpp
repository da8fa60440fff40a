#include "platform/win/ApplicationIcon.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace olva::win {

namespace application_icon_detail {

struct TColour {
    double R, G, B;
};

TColour Mix(TColour a, TColour b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

// Distance from (x, y) to the inside of a rounded square [0, size]² with corner radius r (0 inside).
double OutsideRoundedSquare(double x, double y, double size, double r) {
    const double cx = std::clamp(x, r, size - r), cy = std::clamp(y, r, size - r);
    return std::max(0.0, std::hypot(x - cx, y - cy) - r);
}

// The waveform: six bars across the middle, a burst that swells and dies away as a short sound looks in
// an editor. Sizes are in sixteenths of the tile, so that at 16 pixels every edge falls on a pixel edge.
constexpr double kBarHalfHeights[] = {2, 4, 5, 4, 3, 2};
constexpr double kFirstBar = 3, kBarPitch = 2, kBarWidth = 1;

// Whether (x, y), in sixteenths of the tile, lies on the waveform.
bool OnWave(double x, double y) {
    const double k = std::floor((x - kFirstBar) / kBarPitch);
    if (k < 0 || k >= std::size(kBarHalfHeights)) return false;
    if (x - kFirstBar - k * kBarPitch >= kBarWidth) return false;
    return std::fabs(y - 8) < kBarHalfHeights[int(k)];
}

} // namespace application_icon_detail

std::shared_ptr<TSurface> DrawApplicationIcon(int size) {
    using namespace application_icon_detail;
    const TColour top{0x3A, 0x7B, 0xD5}, bottom{0x14, 0x3C, 0x7C}, border{0x0B, 0x24, 0x4F};
    const TColour wave{0xE6, 0xF6, 0xFF};
    const double n = size, radius = std::max(2.0, n / 5), line = std::max(1.0, n / 16);
    auto image = std::make_shared<TSurface>(size, size);
    constexpr int kSub = 4; // samples per pixel side: smooth edges at 16 pixels
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx) {
                    const double x = px + (sx + 0.5) / kSub, y = py + (sy + 0.5) / kSub;
                    if (OutsideRoundedSquare(x, y, n, radius) > 0) continue;
                    TColour c = Mix(top, bottom, y / n);
                    const bool edge =
                        OutsideRoundedSquare(x - line, y - line, n - 2 * line, radius - line) > 0;
                    if (edge) c = border;
                    if (!edge && OnWave(x * 16 / n, y * 16 / n)) c = wave;
                    r += c.R;
                    g += c.G;
                    b += c.B;
                    a += 1;
                }
            if (a == 0) continue;
            auto channel = [&](double sum) { return std::uint32_t(std::lround(sum / a)); };
            const std::uint32_t alpha = std::uint32_t(std::lround(255 * a / (kSub * kSub)));
            image->SetPixel(px, py, (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b));
        }
    return image;
}

HICON ApplicationIcon(int size) {
    static std::map<int, HICON> made;
    if (auto it = made.find(size); it != made.end()) return it->second;
    HBITMAP colour = GdiCreateBitmapFromSurface(DrawApplicationIcon(size));
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr); // all opaque: the alpha shapes it
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    made[size] = icon;
    return icon;
}

} // namespace olva::win
