// Decoding and encoding a 2048 × 2048 RGBA image with the codec and with libpng, side by side; prints
// the times and the ratios (codec / libpng). Best of several runs.
#include "LibpngReference.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/MemoryStream.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

namespace {

// A picture-like image: smooth gradients, shapes and some noise, with a varying alpha.
std::vector<std::uint8_t> MakeImage(int w, int h) {
    std::vector<std::uint8_t> rgba(std::size_t(w) * std::size_t(h) * 4);
    std::mt19937 rng(7);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = &rgba[(std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4];
            const double d = std::hypot(x - w / 2.0, y - h / 2.0);
            const int noise = int(rng() % 9) - 4;
            p[0] = std::uint8_t(std::clamp(int(x * 255 / w) + noise, 0, 255));
            p[1] = std::uint8_t(std::clamp(int(y * 255 / h) + noise, 0, 255));
            p[2] = std::uint8_t(int(d) & 0xFF);
            p[3] = std::uint8_t(d < w / 3.0 ? 255 : std::clamp(int(255 - (d - w / 3.0)), 0, 255));
        }
    return rgba;
}

double BestMs(int runs, const std::function<void()>& f) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

} // namespace

int main() {
    const int w = 2048, h = 2048;
    const std::vector<std::uint8_t> rgba = MakeImage(w, h);
    const std::string reference = libpng_reference::EncodeRgba(rgba, w, h);

    // The codec's image of the same pixels, loaded from libpng's file.
    TPngPicture picture;
    {
        TStringStream s(reference);
        picture.LoadFromStream(&s);
    }
    // The codec's defaults (Sub on every row), then every filter left to the encoder's choice.
    auto encode = [&](TPngFilterSet filters, std::string& file) {
        picture.SetFilterSet(filters);
        return BestMs(3, [&] {
            TMemoryStream out;
            picture.SaveToStream(&out);
            file.assign(static_cast<const char*>(out.Memory()), std::size_t(out.Size()));
        });
    };
    std::string ours, oursAll;
    const double encodeOurs = encode(PngFilterBit(rfSub), ours);
    const double encodeAll = encode(PngAllFilters, oursAll);
    const double encodeLib = BestMs(3, [&] { libpng_reference::EncodeRgba(rgba, w, h); });

    const double decodeOurs = BestMs(5, [&] {
        TPngPicture p;
        TStringStream s(reference);
        p.LoadFromStream(&s);
    });
    const double decodeLib = BestMs(5, [&] {
        int dw = 0, dh = 0;
        libpng_reference::DecodeRgba(reference, dw, dh);
    });

    // The two decoders agree on both files.
    auto agrees = [&](const std::string& file) {
        int dw = 0, dh = 0;
        const std::vector<std::uint8_t> check = libpng_reference::DecodeRgba(file, dw, dh);
        if (dw != w || dh != h) return false;
        for (int y = 0; y < h; y += 97)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* p = &check[(std::size_t(y) * w + std::size_t(x)) * 4];
                const COLORREF c = picture.GetPixel(x, y);
                if (p[0] != GetRValue(c) || p[1] != GetGValue(c) || p[2] != GetBValue(c) ||
                    p[3] != picture.AlphaRow(y)[x])
                    return false;
            }
        return true;
    };
    const bool same = agrees(ours) && agrees(oursAll);

    std::printf("PNG 2048x2048 RGBA       codec      libpng     ratio\n");
    std::printf("decode (ms)          %9.1f   %9.1f   %6.2f  (target <= 1.30)\n", decodeOurs, decodeLib,
                decodeOurs / decodeLib);
    std::printf("encode (ms)          %9.1f   %9.1f   %6.2f  (target <= 1.50)\n", encodeOurs, encodeLib,
                encodeOurs / encodeLib);
    std::printf("size (bytes)         %9zu   %9zu   %6.2f\n", ours.size(), reference.size(),
                double(ours.size()) / double(reference.size()));
    std::printf("all filters:\n");
    std::printf("encode (ms)          %9.1f   %9.1f   %6.2f\n", encodeAll, encodeLib, encodeAll / encodeLib);
    std::printf("size (bytes)         %9zu   %9zu   %6.2f\n", oursAll.size(), reference.size(),
                double(oursAll.size()) / double(reference.size()));
    std::printf("pixels agree: %s\n", same ? "yes" : "NO");
    return same ? 0 : 1;
}
