// Decoding of the image data: inflating the IDAT chunks, unfiltering the rows, walking the Adam7
// passes and converting every colour type and depth into the held bitmap.
#include "imaging/png/PngDataChunk.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSampleLevels.h"
#include "imaging/png/PngSmallChunks.h"
#include "imaging/png/PngTypes.h"
#include "platform/rtl/Stream.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace png_idat_read {

void Unfilter(int type, std::uint8_t* row, const std::uint8_t* prior, int size, int offset) {
    switch (type) {
    case 1:
        for (int x = offset; x < size; ++x)
            row[x] = std::uint8_t(row[x] + row[x - offset]);
        break;
    case 2:
        for (int x = 0; x < size; ++x)
            row[x] = std::uint8_t(row[x] + prior[x]);
        break;
    case 3:
        for (int x = 0; x < offset && x < size; ++x)
            row[x] = std::uint8_t(row[x] + (prior[x] >> 1));
        for (int x = offset; x < size; ++x)
            row[x] = std::uint8_t(row[x] + ((row[x - offset] + prior[x]) >> 1));
        break;
    case 4:
        for (int x = 0; x < offset && x < size; ++x)
            row[x] = std::uint8_t(row[x] + prior[x]);
        for (int x = offset; x < size; ++x)
            row[x] = std::uint8_t(row[x] + PngPaethPredictor(row[x - offset], prior[x], prior[x - offset]));
        break;
    case 0:
        break;
    default:
        // The five filter types are all there are: any other byte means the data are damaged.
        Fail<EPNGZLIBError>(std::string(PngText::ZLIBError) + PngZlibErrorText(Z_DATA_ERROR));
    }
}

// Writes Count decoded pixels of src into held row y at columns X0, X0 + Dx, ... Levels turns the
// samples of 16-bit images and of 8-bit colour images into held levels; where it keeps the file's
// samples they go into the header's SourceSamples.
void ConvertRow(TChunkIHDR& h, const std::uint8_t* gamma, const TPngSampleLevels& levels,
                const std::uint8_t* src, int y, int x0, int dx, int count, int rowBytes) {
    std::uint8_t* row = h.RowPointer(y);
    std::uint8_t* alpha = h.AlphaRow(y);
    std::uint8_t* low = h.LowByteRow(y);
    const int depth = h.BitDepth;
    const int channels = levels.Channels();
    std::uint16_t* kept = h.SourceSamples.empty()
                              ? nullptr
                              : h.SourceSamples.data() + std::size_t(y) * std::size_t(h.Width) * channels;
    // The samples of one pixel (file order) to its held levels, keeping the samples when asked.
    auto pixelLevels = [&](const std::uint8_t* p, int stride, int x, std::uint8_t* out) {
        std::uint16_t samples[3];
        for (int c = 0; c < channels; ++c)
            samples[c] = depth == 16 ? png_bytes::ReadBE16(p + stride * c) : p[stride * c];
        levels.Levels(samples, out);
        if (kept) std::copy_n(samples, channels, kept + std::size_t(x) * channels);
    };
    switch (h.ColorType) {
    case 0:
    case 3:
        if (depth == 16) {
            for (int i = 0, x = x0; i < count; ++i, x += dx) {
                pixelLevels(src + 2 * i, 2, x, row + x);
                if (low) low[x] = src[2 * i + 1];
            }
        } else if (depth == 2) {
            // 2-bit samples are held as 4-bit: grey spreads to 0, 5, 10, 15 of the 16-step ramp so that
            // white stays white; palette indices keep their value.
            const int scale = h.ColorType == 0 ? 5 : 1;
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                packed_bits::SetBits(row, x, 4, packed_bits::GetBits(src, i, 2) * scale);
        } else if (dx == 1 && x0 == 0) {
            std::memcpy(row, src, std::size_t(rowBytes));
        } else if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                row[x] = src[i];
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx)
                packed_bits::SetBits(row, x, depth, packed_bits::GetBits(src, i, depth));
        }
        break;
    case 2:
    case 6: {
        const int bytes = depth / 8; // per sample
        const int step = (h.ColorType == 6 ? 4 : 3) * bytes;
        for (int i = 0, x = x0; i < count; ++i, x += dx, src += step) {
            std::uint8_t rgb[3];
            if (depth == 8 && !kept) {
                rgb[0] = gamma[src[0]];
                rgb[1] = gamma[src[1]];
                rgb[2] = gamma[src[2]];
            } else {
                pixelLevels(src, bytes, x, rgb);
            }
            std::uint8_t* d = row + 3 * x;
            d[0] = rgb[2];
            d[1] = rgb[1];
            d[2] = rgb[0];
            if (h.ColorType == 6) alpha[x] = src[3 * bytes];
            if (low) {
                low[3 * x] = src[5];
                low[3 * x + 1] = src[3];
                low[3 * x + 2] = src[1];
            }
        }
        break;
    }
    case 4:
        if (depth == 8) {
            for (int i = 0, x = x0; i < count; ++i, x += dx, src += 2) {
                row[x] = src[0];
                alpha[x] = src[1];
            }
        } else {
            for (int i = 0, x = x0; i < count; ++i, x += dx, src += 4) {
                pixelLevels(src, 2, x, row + x);
                alpha[x] = src[2];
                if (low) low[x] = src[1];
            }
        }
        break;
    default:
        break;
    }
}

// Feeds zlib from the IDAT chunks of the stream, checking each chunk's CRC as it is passed.
class IdatFeeder {
public:
    IdatFeeder(TStream* stream, int firstSize) : FStream(stream), FBuffer(65535) {
        FCrc = PngCrcStart("IDAT");
        FChunkEnd = stream->Position() + firstSize;
    }

    // Refills zlib's input; false when no more data could be read.
    bool Refill(z_stream& z) {
        while (FStream->Position() >= FChunkEnd) {
            if (!CheckCrc()) return false;
            std::uint8_t head[8];
            if (FStream->Read(head, 8) != 8) {
                FTruncated = true;
                return false;
            }
            if (std::memcmp(head + 4, "IDAT", 4) != 0)
                Fail<EPNGMissingMultipleIDAT>(PngText::MissingMultipleIDAT);
            const std::uint32_t length = png_bytes::ReadBE32(head);
            if (length > 0x7FFFFFFFu) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
            FCrcChecked = false;
            FCrc = PngCrcStart("IDAT");
            FChunkEnd = FStream->Position() + length;
        }
        const std::int64_t want = std::min<std::int64_t>(FChunkEnd - FStream->Position(), 65535);
        const std::int64_t got = FStream->Read(FBuffer.data(), want);
        if (got <= 0) {
            FTruncated = true;
            return false;
        }
        FCrc = PngCrc(FCrc, FBuffer.data(), std::size_t(got));
        z.next_in = FBuffer.data();
        z.avail_in = uInt(got);
        return true;
    }

    // Passes what is left of the current chunk and checks its CRC.
    void Finish() {
        if (FCrcChecked) return;
        if (FTruncated) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
        while (FStream->Position() < FChunkEnd) {
            const std::int64_t want = std::min<std::int64_t>(FChunkEnd - FStream->Position(), 65535);
            const std::int64_t got = FStream->Read(FBuffer.data(), want);
            if (got <= 0) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
            FCrc = PngCrc(FCrc, FBuffer.data(), std::size_t(got));
        }
        if (!CheckCrc()) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
    }

private:
    // Reads and compares the stored CRC of the current chunk; false when the stream has ended.
    bool CheckCrc() {
        if (FCrcChecked) return true;
        std::uint8_t stored[4];
        if (FStream->Read(stored, 4) != 4) {
            FTruncated = true;
            return false;
        }
        FCrcChecked = true;
        if (png_bytes::ReadBE32(stored) != FCrc) Fail<EPngInvalidCRC>(PngText::InvalidCRC);
        return true;
    }

    TStream* FStream;
    std::vector<std::uint8_t> FBuffer;
    std::uint32_t FCrc = 0;
    std::int64_t FChunkEnd = 0;
    bool FCrcChecked = false;
    bool FTruncated = false;
};

struct InflateGuard {
    z_stream z{};
    bool live = false;
    ~InflateGuard() {
        if (live) inflateEnd(&z);
    }
};

constexpr int PassStartRow[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int PassStartCol[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int PassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
constexpr int PassColStep[7] = {8, 8, 4, 4, 2, 2, 1};

} // namespace png_idat_read

bool TChunkIDAT::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    using namespace png_idat_read;
    TChunkIHDR* header = HeaderChunk();
    if (!header || !header->HasImage()) Fail<EPNGHeaderNotPresent>(PngText::HeaderNotPresent);
    TPngPicture* pic = Owner();
    // Palette images must have their palette before the pixels that index it.
    if (header->ColorType == 3 && !pic->ChunkList().FindChunk<TChunkPLTE>())
        Fail<EPNGInvalidPalette>(PngText::InvalidPalette);
    if (header->ColorType == 0 || header->ColorType == 4) header->BuildGreyRamp();
    if (Size < 0) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);

    const int filterOffset = TPngPicture::FilterOffset(header->ColorType, header->BitDepth);
    const int maxRow = TPngPicture::PackedRowSize(header->Width, header->ColorType, header->BitDepth);
    std::vector<std::uint8_t> current(std::size_t(maxRow) + 1 + 8), prior(std::size_t(maxRow) + 1 + 8);

    IdatFeeder feeder(Stream, Size);
    InflateGuard guard;
    const int initResult = inflateInit(&guard.z);
    if (initResult != Z_OK)
        Fail<EPNGZLIBError>(std::string(PngText::ZLIBError) + PngZlibErrorText(initResult));
    guard.live = true;
    bool ended = false;
    bool streamEnded = false;
    // The compressed data ended while the image wanted more rows: inside a row or at a row boundary.
    auto endedEarly = [] {
        Fail<EPNGZLIBError>(std::string(PngText::ZLIBError) + PngZlibErrorText(Z_STREAM_END));
    };

    // Inflates one row (filter byte plus rowBytes) into `current`; false when the file ran out.
    auto inflateRow = [&](int rowBytes) {
        if (streamEnded) endedEarly();
        z_stream& z = guard.z;
        z.next_out = current.data();
        z.avail_out = uInt(rowBytes + 1);
        while (z.avail_out > 0) {
            if (z.avail_in == 0 && !feeder.Refill(z)) return false;
            const int rc = inflate(&z, Z_NO_FLUSH);
            if (rc == Z_STREAM_END) {
                streamEnded = true;
                if (z.avail_out != 0) endedEarly();
                return true;
            }
            if (rc < 0 && !(rc == Z_BUF_ERROR && z.avail_in == 0))
                Fail<EPNGZLIBError>(std::string(PngText::ZLIBError) + PngZlibErrorText(rc));
            if (rc == Z_NEED_DICT)
                Fail<EPNGZLIBError>(std::string(PngText::ZLIBError) + PngZlibErrorText(rc));
        }
        return true;
    };

    const std::uint8_t* gamma = pic->GammaLookup.data();
    const TPngSampleLevels levels(*pic, *header);
    header->SourceSamples.clear();
    if (levels.KeepsSamples()) {
        const std::int64_t count = std::int64_t(header->Width) * header->Height * levels.Channels();
        // Past the plane cap the samples are not kept: saving then writes the held levels' samples.
        if (count * 2 <= TChunkIHDR::MaxPlaneBytes) {
            try {
                header->SourceSamples.assign(std::size_t(count), 0);
            } catch (const std::bad_alloc&) {
                header->SourceSamples.clear();
            }
        }
    }
    if (header->InterlaceMethod == 1) { // reading follows the file, whatever the image is set to write
        for (int pass = 0; pass < 7 && !ended; ++pass) {
            const int passWidth =
                header->Width > PassStartCol[pass]
                    ? (header->Width + PassColStep[pass] - PassStartCol[pass] - 1) / PassColStep[pass]
                    : 0;
            const int rowBytes = TPngPicture::PackedRowSize(passWidth, header->ColorType, header->BitDepth);
            std::fill(prior.begin(), prior.end(), 0);
            if (rowBytes == 0) continue;
            for (int y = PassStartRow[pass]; y < header->Height; y += PassRowStep[pass]) {
                if (!inflateRow(rowBytes)) {
                    ended = true;
                    break;
                }
                Unfilter(current[0], current.data() + 1, prior.data() + 1, rowBytes, filterOffset);
                ConvertRow(*header, gamma, levels, current.data() + 1, y, PassStartCol[pass],
                           PassColStep[pass], passWidth, rowBytes);
                std::swap(current, prior);
            }
        }
    } else {
        int rowBytes = 0, offset = 0;
        pic->RowGeometry(rowBytes, offset);
        for (int y = 0; y < header->Height; ++y) {
            if (!inflateRow(rowBytes)) break;
            Unfilter(current[0], current.data() + 1, prior.data() + 1, rowBytes, filterOffset);
            ConvertRow(*header, gamma, levels, current.data() + 1, y, 0, 1, header->Width, rowBytes);
            std::swap(current, prior);
        }
    }
    feeder.Finish();
    return true;
}
