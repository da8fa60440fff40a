// The PNG codec side by side with libpng at its default settings, in one run, on 2048 × 2048 RGBA
// pictures: encoding with the codec's defaults (every filter left to the encoder, level 7) and with Sub on
// every row (the former defaults), decoding, and the file sizes. Runs alternate between the two so that a
// machine whose speed drifts hurts both alike; times are medians, ratios are the medians of the run-by-run
// ratios.
//   olva_bench_png [runs]     (default 5)
#include "BenchPictures.h"
#include "LibpngReference.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/MemoryStream.h"

#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double Ms(const std::function<void()>& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Times of one task and of the reference, run by run.
struct Timing {
    std::vector<double> Ours, Reference;
    void Add(double ours, double reference) {
        Ours.push_back(ours);
        Reference.push_back(reference);
    }
    double Ratio() const {
        std::vector<double> r;
        for (std::size_t i = 0; i < Ours.size(); ++i)
            r.push_back(Ours[i] / Reference[i]);
        return Median(r);
    }
};

std::string Save(TPngPicture& picture, TPngFilterSet filters) {
    picture.SetFilterSet(filters);
    TMemoryStream out;
    picture.SaveToStream(&out);
    return std::string(static_cast<const char*>(out.Memory()), std::size_t(out.Size()));
}

// Whether libpng decodes the file to the picture's pixels, every one of them.
bool LibpngAgrees(const std::string& file, const TBenchPicture& source) {
    int w = 0, h = 0;
    return libpng_reference::DecodeRgba(file, w, h) == source.Rgba && w == source.Width && h == source.Height;
}

// Whether the codec reads the file back to the picture's pixels.
bool CodecAgrees(const std::string& file, const TBenchPicture& source) {
    TPngPicture p;
    TStringStream s(file);
    p.LoadFromStream(&s);
    for (int y = 0; y < source.Height; ++y)
        for (int x = 0; x < source.Width; ++x) {
            const std::uint8_t* q =
                &source.Rgba[(std::size_t(y) * std::size_t(source.Width) + std::size_t(x)) * 4];
            const COLORREF c = p.GetPixel(x, y);
            if (q[0] != GetRValue(c) || q[1] != GetGValue(c) || q[2] != GetBValue(c) ||
                q[3] != p.AlphaRow(y)[x])
                return false;
        }
    return true;
}

bool Bench(const TBenchPicture& source, int runs) {
    const std::string reference = libpng_reference::EncodeRgba(source.Rgba, source.Width, source.Height);
    TPngPicture picture; // the codec's image of the same pixels, loaded from libpng's file
    {
        TStringStream s(reference);
        picture.LoadFromStream(&s);
    }
    // The codec's own defaults (every filter left to the encoder), and Sub on every row as it wrote before.
    const TPngFilterSet defaultSet = TPngPicture().FilterSet();
    std::string defaults, sub;
    Timing encodeDefaults, encodeSub, decode;
    for (int run = 0; run < runs; ++run) {
        const double lib =
            Ms([&] { libpng_reference::EncodeRgba(source.Rgba, source.Width, source.Height); });
        const double ours = Ms([&] { defaults = Save(picture, defaultSet); });
        const double oursSub = Ms([&] { sub = Save(picture, PngFilterBit(rfSub)); });
        const double lib2 =
            Ms([&] { libpng_reference::EncodeRgba(source.Rgba, source.Width, source.Height); });
        encodeDefaults.Add(ours, lib);
        encodeSub.Add(oursSub, lib2);
        auto readLib = [&] {
            return Ms([&] {
                int w = 0, h = 0;
                libpng_reference::DecodeRgba(reference, w, h);
            });
        };
        auto readOurs = [&] {
            return Ms([&] {
                TPngPicture p;
                TStringStream s(reference);
                p.LoadFromStream(&s);
            });
        };
        // Each goes first every other run: what runs right after the encoders finds colder caches.
        double lib3 = 0, ours3 = 0;
        if (run % 2) {
            ours3 = readOurs();
            lib3 = readLib();
        } else {
            lib3 = readLib();
            ours3 = readOurs();
        }
        decode.Add(ours3, lib3);
    }
    const bool same =
        LibpngAgrees(defaults, source) && LibpngAgrees(sub, source) && CodecAgrees(defaults, source);

    const double refSize = double(reference.size());
    std::printf("%s %dx%d RGBA, %d runs     codec      libpng   ratio\n", source.Name.c_str(), source.Width,
                source.Height, runs);
    std::printf("  decode (ms)             %9.1f   %9.1f   %5.2f\n", Median(decode.Ours),
                Median(decode.Reference), decode.Ratio());
    std::printf("  defaults: encode (ms)   %9.1f   %9.1f   %5.2f\n", Median(encodeDefaults.Ours),
                Median(encodeDefaults.Reference), encodeDefaults.Ratio());
    std::printf("            size (bytes)  %9zu   %9zu   %5.3f\n", defaults.size(), reference.size(),
                double(defaults.size()) / refSize);
    std::printf("  Sub only: encode (ms)   %9.1f   %9.1f   %5.2f\n", Median(encodeSub.Ours),
                Median(encodeSub.Reference), encodeSub.Ratio());
    std::printf("            size (bytes)  %9zu   %9zu   %5.3f\n", sub.size(), reference.size(),
                double(sub.size()) / refSize);
    // A fingerprint of the defaults' file: it must stay the same from build to build.
    std::printf("  defaults' file crc32 %08lx; pixels agree (libpng, codec): %s\n",
                crc32(0, reinterpret_cast<const Bytef*>(defaults.data()), uInt(defaults.size())),
                same ? "yes" : "NO");
    return same;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    bool same = true;
    for (const auto& make :
         {bench_pictures::Photo, bench_pictures::Natural, bench_pictures::Soft, bench_pictures::Screen})
        same = Bench(make(2048, 2048), runs) && same;
    return same ? 0 : 1;
}
