// Transparency kind and key colour, alpha planes, pixel access and the colour table of a PNG image.
#include "imaging/png/PngErrors.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

#include <climits>

namespace png_pixels_detail {
// A file sample of the given depth as the 8-bit level the image holds for it.
inline int SampleToLevel(std::uint16_t sample, int depth) {
    if (depth == 16) return sample >> 8;
    if (depth >= 8) return sample & 0xFF;
    const int max = (1 << depth) - 1;
    return (sample & max) * 255 / max;
}
} // namespace png_pixels_detail

TPngTransparency TPngPicture::TransparencyKind() const {
    const TChunkIHDR& h = RequireHeader();
    const TChunktRNS* trns = FChunkList.FindChunk<TChunktRNS>();
    switch (h.ColorType) {
    case 0:
    case 2:
        return trns ? tkBit : tkNone;
    case 3:
        if (!trns || trns->PayloadSize() == 0) return tkNone; // no entry is see-through
        return trns->BinaryAlpha ? tkBit : tkPartial;
    case 4:
    case 6:
        return tkPartial;
    default:
        return tkNone;
    }
}

COLORREF TPngPicture::KeyColor() const {
    using namespace png_pixels_detail;
    const TChunkIHDR& h = RequireHeader();
    const TChunktRNS* trns = FChunkList.FindChunk<TChunktRNS>();
    if (!trns) return 0;
    // The key is given as the image shows it (held levels through the gamma table), so that it
    // compares equal to GetPixel of the pixels it makes transparent at every depth.
    const std::uint8_t* data = trns->Payload();
    switch (h.ColorType) {
    case 0: {
        if (trns->PayloadSize() < 2) return 0;
        const std::uint16_t sample = png_bytes::ReadBE16(data);
        const std::uint8_t g = h.BitDepth == 16 ? GammaLevel16(sample)
                                                : GammaLookup[std::size_t(SampleToLevel(sample, h.BitDepth))];
        return RGB(g, g, g);
    }
    case 2: {
        if (trns->PayloadSize() < 6) return 0;
        // 16-bit samples reach their held level as the pixels do: the gamma on the whole sample.
        auto level = [&](int i) {
            const std::uint16_t sample = png_bytes::ReadBE16(data + 2 * i);
            return h.BitDepth == 16 ? GammaLevel16(sample)
                                    : GammaLookup[std::size_t(SampleToLevel(sample, h.BitDepth))];
        };
        return RGB(level(0), level(1), level(2));
    }
    case 3:
        for (int i = 0; i < trns->PayloadSize() && i < 256; ++i)
            if (trns->AlphaValues[std::size_t(i)] == 0)
                return PngEntryToColor(h.DibInfo.Colors[std::size_t(i)]);
        return 0;
    default:
        return 0;
    }
}

std::uint8_t* TPngPicture::RowPointer(int y) const {
    return RequireHeader().RowPointer(y);
}

std::uint8_t* TPngPicture::AlphaRow(int y) const {
    TChunkIHDR& h = RequireHeader();
    return h.ColorType == 4 || h.ColorType == 6 ? h.AlphaRow(y) : nullptr;
}

void TPngPicture::AddAlphaPlane() {
    using namespace png_pixels_detail;
    TChunkIHDR& h = RequireHeader();
    switch (h.ColorType) {
    case 0: {
        if (h.DibInfo.BitCount < 8) {
            // Packed grey has no alpha form: widen it to 8-bit grey first, keeping every level.
            const int bits = h.DibInfo.BitCount, max = (1 << bits) - 1;
            std::vector<std::uint8_t> levels(std::size_t(h.Width) * std::size_t(h.Height));
            for (int y = 0; y < h.Height; ++y)
                for (int x = 0; x < h.Width; ++x)
                    levels[std::size_t(y) * std::size_t(h.Width) + std::size_t(x)] =
                        std::uint8_t(packed_bits::GetBits(h.RowPointer(y), x, bits) * 255 / max);
            h.BitDepth = 8;
            h.ColorType = 0;
            h.AllocateImage();
            for (int y = 0; y < h.Height; ++y)
                std::copy_n(levels.data() + std::size_t(y) * std::size_t(h.Width), h.Width, h.RowPointer(y));
        }
        h.ColorType = 4;
        h.AlphaPlane.assign(std::size_t(h.Width) * std::size_t(h.Height), 255);
        break;
    }
    case 2:
        h.ColorType = 6;
        h.AlphaPlane.assign(std::size_t(h.Width) * std::size_t(h.Height), 255);
        break;
    case 3: {
        TChunktRNS* trns = FChunkList.FindChunk<TChunktRNS>();
        if (!trns) trns = AddChunk<TChunktRNS>();
        trns->AlphaValues.fill(255);
        trns->SetPayloadSize(1 << std::min<int>(h.BitDepth == 2 ? 4 : h.BitDepth, 8));
        std::copy_n(trns->AlphaValues.begin(), trns->PayloadSize(), trns->Payload());
        trns->BinaryAlpha = false;
        break;
    }
    default:
        break;
    }
}

COLORREF TPngPicture::GetPixel(int X, int Y) const {
    using namespace png_pixels_detail;
    const TChunkIHDR& h = RequireHeader();
    if (X < 0 || Y < 0 || X >= h.Width || Y >= h.Height) return 0;
    const std::uint8_t* row = h.RowPointer(Y);
    switch (h.ColorType) {
    case 0:
    case 3: {
        // Grey ramp and palette entries already hold the gamma-corrected colours.
        const int v = packed_bits::GetBits(row, X, h.DibInfo.BitCount);
        return PngEntryToColor(h.DibInfo.Colors[std::size_t(v)]);
    }
    case 4:
        return RGB(row[X], row[X], row[X]);
    case 2:
    case 6:
        return RGB(row[3 * X + 2], row[3 * X + 1], row[3 * X]);
    default:
        return 0;
    }
}

void TPngPicture::SetPixel(int X, int Y, COLORREF Color) {
    using namespace png_pixels_detail;
    TChunkIHDR& h = RequireHeader();
    if (X < 0 || Y < 0 || X >= h.Width || Y >= h.Height) return;
    std::uint8_t* row = h.RowPointer(Y);
    switch (h.ColorType) {
    case 0:
    case 3: {
        // The nearest of the entries the pixel's bits can index (and, for palettes, that exist).
        const int bits = h.DibInfo.BitCount;
        int count = 1 << bits;
        if (h.ColorType == 3)
            if (const auto* plte = FChunkList.FindChunk<TChunkPLTE>())
                count = std::min(count, plte->EntryCount());
        int best = 0, bestDistance = INT_MAX;
        for (int i = 0; i < count; ++i) {
            const auto& e = h.DibInfo.Colors[std::size_t(i)];
            const int dr = e.Red - GetRValue(Color), dg = e.Green - GetGValue(Color),
                      db = e.Blue - GetBValue(Color);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        packed_bits::SetBits(row, X, bits, best);
        break;
    }
    case 4:
        row[X] = GetRValue(Color);
        break;
    case 2:
    case 6:
        row[3 * X] = GetBValue(Color);
        row[3 * X + 1] = GetGValue(Color);
        row[3 * X + 2] = GetRValue(Color);
        break;
    default:
        break;
    }
}

std::vector<TPngColorEntry> TPngPicture::GetPalette() const {
    if (!HasHeader()) return {};
    const TChunkIHDR* h = HeaderChunk();
    if (h->ColorType != 0 && h->ColorType != 3) return {};
    return {h->DibInfo.Colors.begin(), h->DibInfo.Colors.end()};
}

void TPngPicture::SetPalette(const std::vector<TPngColorEntry>& Palette) {
    if (!HasHeader()) return;
    TChunkIHDR* h = HeaderChunk();
    if (h->ColorType != 0 && h->ColorType != 3) return;
    for (std::size_t i = 0; i < Palette.size() && i < 256; ++i) {
        h->DibInfo.Colors[i] = Palette[i];
        h->DibInfo.Colors[i].Reserved = 0;
    }
}

COLORREF TPngPicture::DrawnEntryColor(int Index) const {
    const TChunkIHDR& h = RequireHeader();
    const auto* plte = FChunkList.FindChunk<TChunkPLTE>();
    if (Index < 0 || Index > 255 || (h.ColorType == 3 && (!plte || Index >= plte->EntryCount()))) return 0;
    return PngEntryToColor(h.DibInfo.Colors[std::size_t(Index)]);
}
