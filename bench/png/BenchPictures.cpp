#include "BenchPictures.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace bench_pictures {

TBenchPicture Photo(int w, int h) {
    TBenchPicture pic{"photo", w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 4)};
    std::mt19937 rng(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &pic.Rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const double d = std::hypot(x - w / 2.0, y - h / 2.0);
            const int noise = int(rng() % 9) - 4;
            p[0] = std::uint8_t(std::clamp(int(x * 255 / w) + noise, 0, 255));
            p[1] = std::uint8_t(std::clamp(int(y * 255 / h) + noise, 0, 255));
            p[2] = std::uint8_t(int(d) & 0xFF);
            p[3] = std::uint8_t(d < w / 3.0 ? 255 : std::clamp(int(255 - (d - w / 3.0)), 0, 255));
        }
    return pic;
}

namespace {
// A square lattice of random values between 0 and 1, smoothly interpolated.
class ValueNoise {
public:
    ValueNoise(int cells, std::mt19937& rng)
        : FCells(cells), FValues(std::size_t(cells + 2) * std::size_t(cells + 2)) {
        for (float& v : FValues)
            v = float(rng() % 1000) / 1000.f;
    }
    // u, v in 0 .. 1.
    float At(float u, float v) const {
        const float fx = u * float(FCells), fy = v * float(FCells);
        const int ix = int(fx), iy = int(fy);
        const float sx = Smooth(fx - float(ix)), sy = Smooth(fy - float(iy));
        const float top = Node(ix, iy) * (1 - sx) + Node(ix + 1, iy) * sx;
        const float bottom = Node(ix, iy + 1) * (1 - sx) + Node(ix + 1, iy + 1) * sx;
        return top * (1 - sy) + bottom * sy;
    }

private:
    static float Smooth(float t) { return t * t * (3 - 2 * t); }
    float Node(int x, int y) const {
        return FValues[std::size_t(y) * std::size_t(FCells + 2) + std::size_t(x)];
    }
    int FCells;
    std::vector<float> FValues;
};
} // namespace

TBenchPicture Soft(int w, int h) {
    TBenchPicture pic{"soft", w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 4)};
    std::mt19937 rng(11);
    constexpr int octaves = 5;
    std::vector<ValueNoise> layers;
    for (int c = 0; c < 3; ++c)
        for (int o = 0; o < octaves; ++o)
            layers.emplace_back(4 << o, rng);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &pic.Rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const float u = float(x) / float(w), v = float(y) / float(h);
            for (int c = 0; c < 3; ++c) {
                float value = 0, amplitude = 0.5f;
                for (int o = 0; o < octaves; ++o, amplitude *= 0.5f)
                    value += amplitude * layers[std::size_t(c * octaves + o)].At(u, v);
                p[c] = std::uint8_t(std::clamp(int(value * 263.f) + int(rng() % 3) - 1, 0, 255));
            }
            p[3] = 255;
        }
    return pic;
}

TBenchPicture Natural(int w, int h) {
    TBenchPicture pic{"natural", w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 4)};
    std::mt19937 rng(23);
    std::normal_distribution<float> grain(0.f, 3.f);
    const ValueNoise light(3, rng), detail(24, rng), fine(96, rng), warm(5, rng), green(7, rng);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &pic.Rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const float u = float(x) / float(w), v = float(y) / float(h);
            // Brightness: a sky-to-ground gradient, large soft shapes, textures of two scales.
            const float luma =
                70.f + 90.f * (1.f - v) * light.At(u, v) + 60.f * detail.At(u, v) + 25.f * fine.At(u, v);
            const float r = luma + 40.f * (warm.At(u, v) - 0.5f), b = luma - 35.f * (warm.At(u, v) - 0.5f);
            const float g = luma + 30.f * (green.At(u, v) - 0.5f);
            const float channel[3] = {r, g, b};
            for (int c = 0; c < 3; ++c)
                p[c] = std::uint8_t(std::clamp(int(std::lround(channel[c] + grain(rng))), 0, 255));
            const float edge = std::min({u, v, 1.f - u, 1.f - v});
            p[3] = std::uint8_t(std::clamp(int(edge * 255.f * 12.f), 0, 255));
        }
    return pic;
}

TBenchPicture Screen(int w, int h) {
    TBenchPicture pic{"screen", w, h, std::vector<std::uint8_t>(std::size_t(w) * std::size_t(h) * 4)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &pic.Rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const int px = x % 256, py = y % 192;
            const int base = 180 + ((x / 256 + 8 * (y / 192)) * 37) % 60;
            p[0] = std::uint8_t(base);
            p[1] = std::uint8_t(base - 10);
            p[2] = std::uint8_t(base - 30);
            p[3] = 255;
            if (py < 24) { // title bar
                const int g = 220 - py * 3;
                p[0] = p[1] = std::uint8_t(g);
                p[2] = std::uint8_t(std::min(255, g + 20));
            }
            const double d = std::hypot(x - (x / 128 * 128 + 64), y - (y / 128 * 128 + 64));
            if ((x / 128 + y / 128) % 5 == 0 && d < 40.5) { // icons
                const double cover = std::clamp(40.5 - d, 0.0, 1.0);
                p[0] = std::uint8_t(p[0] * (1 - cover) + 30 * cover);
                p[1] = std::uint8_t(p[1] * (1 - cover) + 90 * cover);
                p[2] = std::uint8_t(p[2] * (1 - cover) + 200 * cover);
            }
            const int gx = x % 8, gy = y % 14;
            if (py > 40 && py < 180 && px > 10 && px < 246 && gy < 10) { // lines of text
                const unsigned glyph = (unsigned(x / 8) * 2654435761u ^ unsigned(y / 14) * 40503u) >> 7;
                if ((glyph >> (gx + gy * 3 % 13)) & 1 && glyph % 7 != 0) p[0] = p[1] = p[2] = 20;
            }
            if (px > 248 || py > 186) // panel shadows
                p[3] = std::uint8_t(255 - ((px > 248 ? px - 248 : 0) + (py > 186 ? py - 186 : 0)) * 30);
        }
    return pic;
}

} // namespace bench_pictures
