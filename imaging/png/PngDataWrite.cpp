// Encoding of the image data: packing the held rows into the file's sample layout, choosing a row
// filter and deflating the rows into IDAT chunks of at most IdatLimit bytes.
#include "imaging/png/PngDataChunk.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngTypes.h"
#include "platform/rtl/Stream.h"

#include <zlib.h>

#include <array>
#include <cstring>
#include <vector>

namespace png_idat_write {

// A 16-bit sample from its held high byte: with the kept low byte when there is one, else at full scale
// (v × 257, so that white stays white).
inline void Put16(std::uint8_t* out, std::uint8_t high, const std::uint8_t* low, int at) {
    out[0] = high;
    out[1] = low ? low[at] : high;
}

// Packs Count pixels of held row y (columns X0, X0 + Dx, ...) into the file row `out`.
void PackRow(TChunkIHDR& h, const TPngPicture& pic, std::uint8_t* out, int y, int x0, int dx, int count,
             int rowBytes) {
    const std::uint8_t* inverse = pic.InverseGammaLookup.data();
    const std::uint8_t* row = h.RowPointer(y);
    const std::uint8_t* alpha = h.AlphaRow(y);
    const std::uint8_t* low = pic.WritesExactSixteenBitSamples() ? h.LowByteRow(y) : nullptr;
    const int depth = h.BitDepth;
    switch (h.ColorType) {
    case 0:
    case 3:
        if (depth == 16) {
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                Put16(out + 2 * i, row[x], low, x);
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
        if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 3) {
                const std::uint8_t* s = row + 3 * x;
                out[0] = inverse[s[2]];
                out[1] = inverse[s[1]];
                out[2] = inverse[s[0]];
            }
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 6) {
                const std::uint8_t* s = row + 3 * x;
                Put16(out, inverse[s[2]], low, 3 * x + 2);
                Put16(out + 2, inverse[s[1]], low, 3 * x + 1);
                Put16(out + 4, inverse[s[0]], low, 3 * x);
            }
        }
        break;
    case 4:
        if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 2) {
                out[0] = row[x];
                out[1] = alpha[x];
            }
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 4) {
                Put16(out, row[x], low, x);
                Put16(out + 2, alpha[x], nullptr, x); // the low bytes of alpha are not kept
            }
        }
        break;
    case 6:
        if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 4) {
                const std::uint8_t* s = row + 3 * x;
                out[0] = inverse[s[2]];
                out[1] = inverse[s[1]];
                out[2] = inverse[s[0]];
                out[3] = alpha[x];
            }
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx, out += 8) {
                const std::uint8_t* s = row + 3 * x;
                Put16(out, inverse[s[2]], low, 3 * x + 2);
                Put16(out + 2, inverse[s[1]], low, 3 * x + 1);
                Put16(out + 4, inverse[s[0]], low, 3 * x);
                Put16(out + 6, alpha[x], nullptr, x);
            }
        }
        break;
    default:
        break;
    }
}

int Score(const std::uint8_t* b, int size) {
    int score = 0;
    for (int j = 2; j < size; ++j)
        if (b[j] == b[j - 1] || b[j] == b[j - 2]) ++score;
    return score;
}

class RowEncoder {
public:
    RowEncoder(TPngPicture& pic, TStream* stream, int maxRow, int offset)
        : FSet(pic.FilterSet()), FOffset(offset), FLimit(pic.IdatLimit()), FStream(stream) {
        FRaw.assign(std::size_t(maxRow) + 1, 0);
        for (int f = 0; f < 5; ++f)
            if (f == 0 || (FSet & (1 << f))) FBuffers[std::size_t(f)].assign(std::size_t(maxRow) + 1, 0);
        FOut.resize(std::size_t(FLimit));
        // Filtered rows are mostly small differences: zlib's strategy for such data, with its largest
        // match memory, packs them a little tighter at the same level and speed.
        const bool filtered = (FSet & ~PngFilterBit(rfNone)) != 0;
        const int rc = deflateInit2(&FZ, pic.DeflateLevel(), Z_DEFLATED, 15, 9,
                                    filtered ? Z_FILTERED : Z_DEFAULT_STRATEGY);
        if (rc != Z_OK) Fail<EPngError>(std::string(PngText::CompressFailed) + PngZlibErrorText(rc));
        FLive = true;
        FZ.next_out = FOut.data();
        FZ.avail_out = uInt(FLimit);
    }
    ~RowEncoder() {
        if (FLive) deflateEnd(&FZ);
    }

    std::uint8_t* Raw() { return FRaw.data(); }
    void StartPass() { std::fill(FBuffers[0].begin(), FBuffers[0].end(), 0); }

    // Filters the raw row of `size` bytes against the prior row and deflates it.
    void EncodeRow(int size) {
        std::uint8_t* prior = FBuffers[0].data();
        const std::uint8_t* raw = FRaw.data();
        const int a0 = FOffset;
        if (FSet & PngFilterBit(rfSub)) {
            std::uint8_t* d = FBuffers[1].data();
            for (int x = 0; x < size; ++x)
                d[x] = std::uint8_t(raw[x] - (x >= a0 ? raw[x - a0] : 0));
        }
        if (FSet & PngFilterBit(rfUp)) {
            std::uint8_t* d = FBuffers[2].data();
            for (int x = 0; x < size; ++x)
                d[x] = std::uint8_t(raw[x] - prior[x]);
        }
        if (FSet & PngFilterBit(rfAverage)) {
            std::uint8_t* d = FBuffers[3].data();
            for (int x = 0; x < size; ++x)
                d[x] = std::uint8_t(raw[x] - (((x >= a0 ? raw[x - a0] : 0) + prior[x]) >> 1));
        }
        if (FSet & PngFilterBit(rfPaeth)) {
            std::uint8_t* d = FBuffers[4].data();
            for (int x = 0; x < size; ++x) {
                const int a = x >= a0 ? raw[x - a0] : 0, c = x >= a0 ? prior[x - a0] : 0;
                d[x] = std::uint8_t(raw[x] - PngPaethPredictor(a, prior[x], c));
            }
        }
        const int chosen = Choose(size);
        std::memcpy(prior, raw, std::size_t(size)); // filter 0 output and the next row's prior row
        std::uint8_t type = std::uint8_t(chosen);
        Deflate(&type, 1, Z_NO_FLUSH);
        Deflate(FBuffers[std::size_t(chosen)].data(), size, Z_NO_FLUSH);
    }

    void Finish() {
        Deflate(nullptr, 0, Z_FINISH);
        if (FZ.avail_out < uInt(FLimit)) Flush();
    }

private:
    int Choose(int size) const {
        if (FSet == 0 || FSet == PngFilterBit(rfNone)) return 0;
        int best = -1, bestScore = 0;
        for (int f = 0; f < 5; ++f) {
            if (!(FSet & (1 << f))) continue;
            if (FSet == (1 << f)) return f;
            const int s = size < 3 ? 0 : Score(FBuffers[std::size_t(f)].data(), size);
            if (s > bestScore) {
                bestScore = s;
                best = f;
            }
        }
        return best < 0 ? 0 : best;
    }

    void Deflate(const std::uint8_t* data, int size, int flush) {
        FZ.next_in = const_cast<Bytef*>(data);
        FZ.avail_in = uInt(size);
        for (;;) {
            const int rc = deflate(&FZ, flush);
            if (rc < 0 && rc != Z_BUF_ERROR)
                Fail<EPngError>(std::string(PngText::CompressFailed) + PngZlibErrorText(rc));
            if (FZ.avail_out == 0) {
                Flush();
                continue;
            }
            if (flush == Z_FINISH ? rc == Z_STREAM_END : FZ.avail_in == 0) break;
        }
    }

    void Flush() {
        PngWriteChunk(FStream, "IDAT", FOut.data(), std::uint32_t(std::size_t(FLimit) - FZ.avail_out));
        FZ.next_out = FOut.data();
        FZ.avail_out = uInt(FLimit);
    }

    TPngFilterSet FSet;
    int FOffset;
    int FLimit;
    TStream* FStream;
    std::vector<std::uint8_t> FRaw;
    std::array<std::vector<std::uint8_t>, 5> FBuffers;
    std::vector<std::uint8_t> FOut;
    z_stream FZ{};
    bool FLive = false;
};

constexpr int PassStartRow[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int PassStartCol[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int PassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
constexpr int PassColStep[7] = {8, 8, 4, 4, 2, 2, 1};

} // namespace png_idat_write

bool TChunkIDAT::WriteChunk(TStream* Stream) {
    using namespace png_idat_write;
    TChunkIHDR* header = HeaderChunk();
    if (!header || !header->HasImage()) Fail<EPNGHeaderNotPresent>(PngText::HeaderNotPresent);
    TPngPicture* pic = Owner();
    header->PromoteTwoBitDepth(); // held as 4-bit; the header is written that way too
    const int offset = TPngPicture::FilterOffset(header->ColorType, header->BitDepth);
    const int maxRow = TPngPicture::PackedRowSize(header->Width, header->ColorType, header->BitDepth);
    RowEncoder encoder(*pic, Stream, maxRow, offset);
    if (pic->InterlaceMode() == piAdam7) {
        for (int pass = 0; pass < 7; ++pass) {
            const int passWidth =
                header->Width > PassStartCol[pass]
                    ? (header->Width + PassColStep[pass] - PassStartCol[pass] - 1) / PassColStep[pass]
                    : 0;
            const int rowBytes = TPngPicture::PackedRowSize(passWidth, header->ColorType, header->BitDepth);
            encoder.StartPass();
            if (rowBytes == 0) continue;
            for (int y = PassStartRow[pass]; y < header->Height; y += PassRowStep[pass]) {
                PackRow(*header, *pic, encoder.Raw(), y, PassStartCol[pass], PassColStep[pass], passWidth,
                        rowBytes);
                encoder.EncodeRow(rowBytes);
            }
        }
    } else {
        for (int y = 0; y < header->Height; ++y) {
            PackRow(*header, *pic, encoder.Raw(), y, 0, 1, header->Width, maxRow);
            encoder.EncodeRow(maxRow);
        }
    }
    encoder.Finish();
    return true;
}
