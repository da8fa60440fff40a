#include "source/cd/LookupGlyph.h"

#include "imaging/png/PngBitmapData.h"
#include "imaging/png/PngPicture.h"

#include <algorithm>
#include <cmath>

namespace lookup_glyph_detail {

constexpr int Size = 24;
constexpr int Samples = 4; // per axis, for the soft edges

struct TColour {
    double R = 0, G = 0, B = 0, A = 0;
};

// The colour of the picture at one point, or transparent.
TColour At(double x, double y) {
    // The globe lies in front of the disc, at the bottom right.
    const double gx = x - 17.0, gy = y - 17.0, gr = std::hypot(gx, gy);
    if (gr <= 6.2) {
        if (gr > 5.4) return {20, 60, 140, 1};
        // Meridian, equator and a parallel as lighter lines over the sea blue, lit from the top left.
        const double light = std::clamp(1.0 - (gx + gy + 6.0) / 16.0, 0.0, 1.0);
        TColour sea{40 + 60 * light, 110 + 70 * light, 200 + 40 * light, 1};
        const double ex = std::abs(gy), mx = std::abs(gx * 0.9 - 0.0), px = std::abs(gy + 2.8);
        const double bow = std::abs(std::abs(gx) - std::sqrt(std::max(0.0, 5.4 * 5.4 - gy * gy)) * 0.55);
        if (ex < 0.45 || mx < 0.45 || px < 0.4 || bow < 0.45) return {210, 235, 255, 1};
        return sea;
    }
    const double dx = x - 10.5, dy = y - 10.5, r = std::hypot(dx, dy);
    if (r > 10.0 || r < 2.3) return {};
    if (r > 9.3) return {120, 124, 132, 1}; // rim
    if (r < 3.6) return {200, 204, 210, 1}; // clear hub
    // Silver with a faint sheen that turns with the angle.
    const double a = std::atan2(dy, dx);
    const double sheen = 0.5 + 0.5 * std::cos(2.0 * a + 0.8);
    return {170 + 70 * sheen, 176 + 60 * sheen, 190 + 50 * sheen, 1};
}

} // namespace lookup_glyph_detail

std::unique_ptr<TPngPicture> MakeLookupGlyph() {
    using namespace lookup_glyph_detail;
    TPngBitmapData bitmap;
    bitmap.Width = Size;
    bitmap.Height = Size;
    bitmap.BitsPerPixel = 24;
    bitmap.Bits.assign(std::size_t(bitmap.Stride()) * Size, 0);
    auto glyph = std::make_unique<TPngPicture>();
    glyph->FromBitmapData(bitmap, false, 0);
    glyph->AddAlphaPlane();
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            TColour sum;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const TColour c = At(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples);
                    sum.R += c.R * c.A, sum.G += c.G * c.A, sum.B += c.B * c.A, sum.A += c.A;
                }
            const double alpha = sum.A / (Samples * Samples);
            const auto channel = [&](double v) {
                return std::uint8_t(sum.A > 0 ? std::lround(v / sum.A) : 0);
            };
            glyph->SetPixel(x, y, RGB(channel(sum.R), channel(sum.G), channel(sum.B)));
            glyph->AlphaRow(y)[x] = std::uint8_t(std::lround(alpha * 255));
        }
    }
    return glyph;
}
