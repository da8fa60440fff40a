// The RGBA pictures the PNG bench encodes and decodes: 8 bits per sample, rows top to bottom, red first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TBenchPicture {
    std::string Name;
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Rgba;
};

namespace bench_pictures {
// Photo-like: smooth gradients and rings with per-pixel noise and a varying alpha.
TBenchPicture Photo(int w, int h);
// A photograph-like picture: a seeded smooth scene (brightness and colour fields of several scales,
// gradients across it) under sensor-like noise on every channel, with a soft vignette in alpha.
TBenchPicture Natural(int w, int h);
// A soft natural scene: several octaves of smooth value noise with a fine grain, opaque.
TBenchPicture Soft(int w, int h);
// A screen: flat panels, title gradients, anti-aliased discs, rows of glyph-like marks and shadowed
// panel edges in the alpha channel.
TBenchPicture Screen(int w, int h);
} // namespace bench_pictures
