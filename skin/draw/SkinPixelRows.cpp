#include "skin/draw/SkinPixelRows.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin_pixels {

void CopyRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count) {
    if (Count > 0) std::memmove(Dest, Source, std::size_t(Count) * 4);
}

void KeyRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count) {
    for (int i = 0; i < Count; ++i) {
        const std::uint32_t s = Source[i];
        if ((s & 0xFFFFFF) != KeyColour) Dest[i] = s | 0xFF000000u;
    }
}

namespace {

// Four pixels at a time in the compilers' generic vector types, which map onto the processor's vector
// unit wherever there is one: blue/red and green/alpha each take 16-bit lanes, so one multiplication
// serves two channels and every product fits its lane.
using TPixels4 = std::uint32_t __attribute__((vector_size(16)));
using TLanes8 = std::uint16_t __attribute__((vector_size(16)));

void AlphaPixel(std::uint32_t s, std::uint32_t& Dest) {
    const std::uint32_t a = s >> 24;
    if (a == 0) return;
    if (a == 255) {
        Dest = s;
        return;
    }
    const std::uint32_t d = Dest, b = 255 - a;
    const std::uint32_t rb = (((s & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * b) >> 8) & 0x00FF00FFu;
    const std::uint32_t g = (((s & 0x0000FF00u) * a + (d & 0x0000FF00u) * b) >> 8) & 0x0000FF00u;
    Dest = 0xFF000000u | rb | g;
}

} // namespace

void AlphaRow(const std::uint32_t* Source, std::uint32_t* Dest, int Count) {
    constexpr std::uint64_t alphas = 0xFF000000FF000000ull;
    int i = 0;
    for (; i + 4 <= Count; i += 4) {
        std::uint64_t s01 = 0, s23 = 0;
        std::memcpy(&s01, Source + i, 8);
        std::memcpy(&s23, Source + i + 2, 8);
        // Whole groups of opaque or of clear pixels are common in pictures.
        if (((s01 & s23) & alphas) == alphas) {
            std::memcpy(Dest + i, Source + i, 16);
            continue;
        }
        if (((s01 | s23) & alphas) == 0) continue;
        TPixels4 s, d;
        std::memcpy(&s, Source + i, 16);
        std::memcpy(&d, Dest + i, 16);
        const TPixels4 a = s >> 24;
        const TLanes8 a16 = TLanes8(a | (a << 16));
        const TLanes8 b16 = 255 - a16;
        const TLanes8 rb = (TLanes8(s & 0x00FF00FFu) * a16 + TLanes8(d & 0x00FF00FFu) * b16) >> 8;
        const TLanes8 ga =
            (TLanes8((s >> 8) & 0x00FF00FFu) * a16 + TLanes8((d >> 8) & 0x00FF00FFu) * b16) >> 8;
        TPixels4 blended = TPixels4(rb) | (TPixels4(ga) << 8) | 0xFF000000u;
        const TPixels4 clear = a == 0, opaque = a == 255;
        blended = (blended & ~(clear | opaque)) | (d & clear) | (s & opaque);
        std::memcpy(Dest + i, &blended, 16);
    }
    for (; i < Count; ++i)
        AlphaPixel(Source[i], Dest[i]);
}

void CombineRow(TRowMode Mode, const std::uint32_t* Source, std::uint32_t* Dest, int Count) {
    switch (Mode) {
    case TRowMode::Copy:
        CopyRow(Source, Dest, Count);
        break;
    case TRowMode::Alpha:
        AlphaRow(Source, Dest, Count);
        break;
    case TRowMode::Key:
        KeyRow(Source, Dest, Count);
        break;
    }
}

namespace {

// The source index of each destination position t = 0 .. DestLength - 1 (from the destination's start).
int SourceIndex(int t, int SourceStart, int SourceLength, int DestLength) {
    if (DestLength == 1) return (SourceStart + SourceStart + SourceLength - 1) / 2;
    const double scale = double(SourceLength - 1) / double(DestLength - 1);
    return int(t * scale + SourceStart);
}

} // namespace

void DrawBlock(TRowMode Mode, const TPixelBlock& Source, const TRect& SourceRect, const TPixelBlock& Dest,
               const TRect& DestRect) {
    const int sw = SourceRect.right - SourceRect.left, sh = SourceRect.bottom - SourceRect.top;
    if (sw <= 0 || sh <= 0 || SourceRect.left < 0 || SourceRect.top < 0 || SourceRect.right > Source.Width ||
        SourceRect.bottom > Source.Height || !Source.Pixels || !Dest.Pixels)
        return;
    const TRect clip{std::max<LONG>(DestRect.left, 0), std::max<LONG>(DestRect.top, 0),
                     std::min<LONG>(DestRect.right, Dest.Width),
                     std::min<LONG>(DestRect.bottom, Dest.Height)};
    if (clip.right <= clip.left || clip.bottom <= clip.top) return;
    const int dw = DestRect.right - DestRect.left, dh = DestRect.bottom - DestRect.top;
    const int width = clip.right - clip.left;
    auto sourceRow = [&](int y) { return Source.Pixels + std::size_t(y) * std::size_t(Source.Stride); };
    auto destRow = [&](int y) { return Dest.Pixels + std::size_t(y) * std::size_t(Dest.Stride); };

    if (sw == dw && sh == dh) {
        for (int y = clip.top; y < clip.bottom; ++y)
            CombineRow(Mode,
                       sourceRow(SourceRect.top + y - DestRect.top) + SourceRect.left +
                           (clip.left - DestRect.left),
                       destRow(y) + clip.left, width);
        return;
    }

    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = clip.left; x < clip.right; ++x)
        columns[std::size_t(x - clip.left)] = SourceIndex(x - DestRect.left, SourceRect.left, sw, dw);
    std::vector<std::uint32_t> gathered(static_cast<std::size_t>(width));
    int gatheredRow = -1;
    for (int y = clip.top; y < clip.bottom; ++y) {
        const int sy = SourceIndex(y - DestRect.top, SourceRect.top, sh, dh);
        if (sy != gatheredRow) {
            const std::uint32_t* row = sourceRow(sy);
            for (int i = 0; i < width; ++i)
                gathered[std::size_t(i)] = row[columns[std::size_t(i)]];
            gatheredRow = sy;
        }
        CombineRow(Mode, gathered.data(), destRow(y) + clip.left, width);
    }
}

} // namespace skin_pixels
