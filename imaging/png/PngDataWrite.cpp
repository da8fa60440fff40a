// Encoding of the image data: packing the held rows into the file's sample layout, filtering them and
// deflating them into IDAT chunks of at most IdatLimit bytes.
#include "imaging/png/PngDataChunk.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngFilterPlan.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngIdatWriters.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSampleLevels.h"
#include "imaging/png/PngTypes.h"
#include "platform/rtl/Stream.h"

#include <algorithm>
#include <cstring>

namespace png_idat_write {

// A 16-bit sample from its held high byte: with the kept low byte when there is one, else at full scale
// (v × 257, so that white stays white).
inline void Put16(std::uint8_t* out, std::uint8_t high, const std::uint8_t* low, int at) {
    out[0] = high;
    out[1] = low ? low[at] : high;
}

// The file samples of one pixel's held levels (file order): the kept samples while the levels are
// still theirs; for a changed pixel the key's samples when it shows the key, else the samples of the
// levels.
void PixelSamples(const TPngSampleLevels& levels, const std::uint16_t* kept, const std::uint8_t* held,
                  std::uint16_t* out) {
    const int channels = levels.Channels();
    if (kept) {
        std::uint8_t expected[3];
        levels.Levels(kept, expected);
        if (std::equal(held, held + channels, expected)) {
            std::copy_n(kept, channels, out);
            return;
        }
    }
    if (levels.IsKey(held)) {
        std::copy_n(levels.Key(), channels, out);
        return;
    }
    for (int c = 0; c < channels; ++c)
        out[c] = levels.Sample(held[c]);
}

// Packs Count pixels of held row y (columns X0, X0 + Dx, ...) into the file row `out`.
void PackRow(TChunkIHDR& h, const TPngPicture& pic, const TPngSampleLevels& levels, std::uint8_t* out, int y,
             int x0, int dx, int count, int rowBytes) {
    const std::uint8_t* inverse = pic.InverseGammaLookup.data();
    const std::uint8_t* row = h.RowPointer(y);
    const std::uint8_t* alpha = h.AlphaRow(y);
    const int depth = h.BitDepth;
    const int channels = levels.Channels();
    const bool keptValid =
        channels > 0 &&
        h.SourceSamples.size() == std::size_t(h.Width) * std::size_t(h.Height) * std::size_t(channels);
    // Samples kept by the reader, or (16 bits without them) the kept low bytes when they are exact.
    const std::uint16_t* kept =
        keptValid ? h.SourceSamples.data() + std::size_t(y) * std::size_t(h.Width) * channels : nullptr;
    const std::uint8_t* low = !keptValid && pic.WritesExactSixteenBitSamples() ? h.LowByteRow(y) : nullptr;
    // Whether the samples go through the levels' rule; otherwise held bytes are written as before.
    const bool bySamples = keptValid || (depth == 16 && !low);
    auto putSamples = [&](const std::uint8_t* held, int x, std::uint8_t* o, int stride) {
        std::uint16_t samples[3];
        PixelSamples(levels, kept ? kept + std::size_t(x) * channels : nullptr, held, samples);
        for (int c = 0; c < channels; ++c) {
            if (depth == 16)
                png_bytes::WriteBE16(o + stride * c, samples[c]);
            else
                o[stride * c] = std::uint8_t(samples[c]);
        }
    };
    switch (h.ColorType) {
    case 0:
    case 3:
        if (depth == 16) {
            for (int i = 0, x = x0; i < count; ++i, x += dx) {
                if (bySamples)
                    putSamples(row + x, x, out + 2 * i, 2);
                else
                    Put16(out + 2 * i, row[x], low, x);
            }
        } else if (dx == 1 && x0 == 0) {
            std::memcpy(out, row, std::size_t(rowBytes));
        } else if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                out[i] = row[x];
        } else {
            std::memset(out, 0, std::size_t(rowBytes));
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                packed_bits::SetBits(out, i, depth, packed_bits::GetBits(row, x, depth));
        }
        break;
    case 2:
    case 6: {
        const int bytes = depth / 8;
        const int step = (h.ColorType == 6 ? 4 : 3) * bytes;
        for (int i = 0, x = x0; i < count; ++i, x += dx, out += step) {
            const std::uint8_t* s = row + 3 * x;
            if (bySamples) {
                const std::uint8_t held[3] = {s[2], s[1], s[0]};
                putSamples(held, x, out, bytes);
            } else if (depth == 8) {
                out[0] = inverse[s[2]];
                out[1] = inverse[s[1]];
                out[2] = inverse[s[0]];
            } else {
                Put16(out, s[2], low, 3 * x + 2);
                Put16(out + 2, s[1], low, 3 * x + 1);
                Put16(out + 4, s[0], low, 3 * x);
            }
            if (h.ColorType == 6) {
                if (depth == 8)
                    out[3] = alpha[x];
                else
                    Put16(out + 6, alpha[x], nullptr, x); // the low bytes of alpha are not kept
            }
        }
        break;
    }
    case 4:
        if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 2) {
                out[0] = row[x];
                out[1] = alpha[x];
            }
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 4) {
                if (bySamples)
                    putSamples(row + x, x, out, 2);
                else
                    Put16(out, row[x], low, x);
                Put16(out + 2, alpha[x], nullptr, x);
            }
        }
        break;
    default:
        break;
    }
}

constexpr int PassStartRow[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int PassStartCol[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int PassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
constexpr int PassColStep[7] = {8, 8, 4, 4, 2, 2, 1};

// Pixels in each row and rows of an Adam7 pass (0 when the image is too small for it).
int PassWidth(int width, int pass) {
    return width > PassStartCol[pass]
               ? (width + PassColStep[pass] - PassStartCol[pass] - 1) / PassColStep[pass]
               : 0;
}
int PassRows(int height, int pass) {
    return height > PassStartRow[pass]
               ? (height + PassRowStep[pass] - PassStartRow[pass] - 1) / PassRowStep[pass]
               : 0;
}

// The bytes of all filtered rows with their filter bytes, as deflate sees them.
std::size_t FilteredImageBytes(const TChunkIHDR& h, bool adam7) {
    if (!adam7)
        return std::size_t(h.Height) *
               (std::size_t(TPngPicture::PackedRowSize(h.Width, h.ColorType, h.BitDepth)) + 1);
    std::size_t total = 0;
    for (int pass = 0; pass < 7; ++pass) {
        const int rowBytes = TPngPicture::PackedRowSize(PassWidth(h.Width, pass), h.ColorType, h.BitDepth);
        if (rowBytes > 0) total += std::size_t(PassRows(h.Height, pass)) * (std::size_t(rowBytes) + 1);
    }
    return total;
}

// The codec's own filter settings are streamed through zlib as they always were; where the filters are
// left to the encoder the rows are gathered and compressed at once, unless the image is very large.
std::unique_ptr<TPngIdatWriter> MakeIdatWriter(const TPngPicture& pic, const TPngFilterPlan& plan,
                                               TStream* stream, std::size_t filteredBytes) {
    if (pic.FilterSet() == PngAllFilters && PngGathersWholeImage(filteredBytes))
        return MakeWholeImageIdatWriter(stream, pic.DeflateLevel(), pic.IdatLimit(), filteredBytes);
    const bool filtered = (plan.Rows & ~PngFilterBit(rfNone)) != 0;
    return MakeStreamingIdatWriter(stream, pic.DeflateLevel(), pic.IdatLimit(), filtered);
}

} // namespace png_idat_write

bool TChunkIDAT::WriteChunk(TStream* Stream) {
    using namespace png_idat_write;
    TChunkIHDR* header = HeaderChunk();
    if (!header || !header->HasImage()) Fail<EPNGHeaderNotPresent>(PngText::HeaderNotPresent);
    TPngPicture* pic = Owner();
    header->PromoteTwoBitDepth(); // held as 4-bit; the header is written that way too
    const int offset = TPngPicture::FilterOffset(header->ColorType, header->BitDepth);
    const int maxRow = TPngPicture::PackedRowSize(header->Width, header->ColorType, header->BitDepth);
    const bool adam7 = pic->InterlaceMode() == piAdam7;
    const TPngSampleLevels levels(*pic, *header);
    auto packRow = [&](int y, std::uint8_t* out) {
        PackRow(*header, *pic, levels, out, y, 0, 1, header->Width, maxRow);
    };
    TPngFilterPlan plan = PngFilterPlanFor(pic->FilterSet(), header->ColorType, header->BitDepth);
    // Trying costs a little; interlaced rows and stored (level 0) data are written by the per-row rule.
    if (plan.Choice == TPngFilterChoice::MinimumSum && !adam7 && pic->DeflateLevel() >= 1 &&
        pic->DeflateLevel() <= 9)
        plan = PngTryFilterPlans(header->Height, maxRow, offset, packRow);
    TPngRowFilters filters(plan.Rows, plan.Choice, maxRow, offset);
    const std::unique_ptr<TPngIdatWriter> writer =
        MakeIdatWriter(*pic, plan, Stream, FilteredImageBytes(*header, adam7));
    auto encode = [&](int rowBytes) {
        const int type = filters.FilterRow(rowBytes);
        writer->PutRow(std::uint8_t(type), filters.Filtered(type), rowBytes);
    };
    if (adam7) {
        for (int pass = 0; pass < 7; ++pass) {
            const int passWidth = PassWidth(header->Width, pass);
            const int rowBytes = TPngPicture::PackedRowSize(passWidth, header->ColorType, header->BitDepth);
            filters.StartPass();
            if (rowBytes == 0) continue;
            for (int y = PassStartRow[pass]; y < header->Height; y += PassRowStep[pass]) {
                PackRow(*header, *pic, levels, filters.Raw(), y, PassStartCol[pass], PassColStep[pass],
                        passWidth, rowBytes);
                encode(rowBytes);
            }
        }
    } else {
        for (int y = 0; y < header->Height; ++y) {
            packRow(y, filters.Raw());
            encode(maxRow);
        }
    }
    writer->Finish();
    return true;
}
