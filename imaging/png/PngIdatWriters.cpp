// IDAT writers: zlib's stream interface fed row by row (what the codec's own filter settings have always
// been written with), and libdeflate over the whole filtered image, which packs as tightly as zlib's
// stronger settings in a fraction of their time but needs all of its input at once.
#include "imaging/png/PngIdatWriters.h"

#include "imaging/png/PngChunk.h"
#include "imaging/png/PngErrors.h"

#include <libdeflate.h>
#include <zlib.h>

#include <vector>

namespace {

[[noreturn]] void FailCompression(int zlibCode) {
    Fail<EPngError>(std::string(PngText::CompressFailed) + PngZlibErrorText(zlibCode));
}

// Writes Size bytes as IDAT chunks of at most Limit bytes each.
void WriteIdatChunks(TStream* Stream, const std::uint8_t* Data, std::size_t Size, int Limit) {
    for (std::size_t at = 0; at < Size; at += std::size_t(Limit)) {
        const std::size_t n = Size - at < std::size_t(Limit) ? Size - at : std::size_t(Limit);
        PngWriteChunk(Stream, "IDAT", Data + at, std::uint32_t(n));
    }
}

class TStreamingIdatWriter : public TPngIdatWriter {
public:
    TStreamingIdatWriter(TStream* Stream, int Level, int Limit, bool Filtered)
        : FStream(Stream), FLimit(Limit), FOut(std::size_t(Limit)) {
        // Filtered rows are mostly small differences: zlib's strategy for such data, with its largest
        // match memory, packs them a little tighter at the same level and speed.
        const int rc =
            deflateInit2(&FZ, Level, Z_DEFLATED, 15, 9, Filtered ? Z_FILTERED : Z_DEFAULT_STRATEGY);
        if (rc != Z_OK) FailCompression(rc);
        FLive = true;
        FZ.next_out = FOut.data();
        FZ.avail_out = uInt(FLimit);
    }
    ~TStreamingIdatWriter() override {
        if (FLive) deflateEnd(&FZ);
    }

    void PutRow(std::uint8_t FilterType, const std::uint8_t* Bytes, int Size) override {
        Deflate(&FilterType, 1, Z_NO_FLUSH);
        Deflate(Bytes, Size, Z_NO_FLUSH);
    }

    void Finish() override {
        Deflate(nullptr, 0, Z_FINISH);
        if (FZ.avail_out < uInt(FLimit)) Flush();
    }

private:
    void Deflate(const std::uint8_t* Data, int Size, int FlushMode) {
        FZ.next_in = const_cast<Bytef*>(Data);
        FZ.avail_in = uInt(Size);
        for (;;) {
            const int rc = deflate(&FZ, FlushMode);
            if (rc < 0 && rc != Z_BUF_ERROR) FailCompression(rc);
            if (FZ.avail_out == 0) {
                Flush();
                continue;
            }
            if (FlushMode == Z_FINISH ? rc == Z_STREAM_END : FZ.avail_in == 0) break;
        }
    }

    void Flush() {
        WriteIdatChunks(FStream, FOut.data(), std::size_t(FLimit) - FZ.avail_out, FLimit);
        FZ.next_out = FOut.data();
        FZ.avail_out = uInt(FLimit);
    }

    TStream* FStream;
    int FLimit;
    std::vector<std::uint8_t> FOut;
    z_stream FZ{};
    bool FLive = false;
};

struct TCompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

class TWholeImageIdatWriter : public TPngIdatWriter {
public:
    TWholeImageIdatWriter(TStream* Stream, int Level, int Limit, std::size_t ExpectedBytes)
        : FStream(Stream), FLimit(Limit), FLevel(Level) {
        // The levels mean what zlib's do, and what zlib refuses is refused here too.
        if (Level < 0 || Level > 9) FailCompression(Z_STREAM_ERROR);
        FCompressor.reset(libdeflate_alloc_compressor(Level));
        if (!FCompressor) FailCompression(Z_MEM_ERROR);
        FRows.reserve(ExpectedBytes);
    }

    void PutRow(std::uint8_t FilterType, const std::uint8_t* Bytes, int Size) override {
        FRows.push_back(FilterType);
        FRows.insert(FRows.end(), Bytes, Bytes + Size);
    }

    void Finish() override {
        const std::size_t bound = libdeflate_zlib_compress_bound(FCompressor.get(), FRows.size());
        const std::unique_ptr<std::uint8_t[]> packed(new std::uint8_t[bound]);
        const std::size_t size =
            libdeflate_zlib_compress(FCompressor.get(), FRows.data(), FRows.size(), packed.get(), bound);
        if (size == 0) FailCompression(Z_BUF_ERROR);
        // Photographs keep much of their size whatever the filters do; there the encoder's slower,
        // near-optimal parsing is both cheap (little repeats to search) and worth a few percent. Data
        // that packed well already stay as they are. The smaller of the two is written.
        if (FLevel >= MinLevelForSecondTry && size * 100 > FRows.size() * HardToPackPercent) {
            const std::unique_ptr<libdeflate_compressor, TCompressorFree> thorough(
                libdeflate_alloc_compressor(ThoroughLevel));
            if (thorough) {
                const std::unique_ptr<std::uint8_t[]> again(new std::uint8_t[bound]);
                const std::size_t smaller =
                    libdeflate_zlib_compress(thorough.get(), FRows.data(), FRows.size(), again.get(), size);
                if (smaller != 0 && smaller < size)
                    return WriteIdatChunks(FStream, again.get(), smaller, FLimit);
            }
        }
        WriteIdatChunks(FStream, packed.get(), size, FLimit);
    }

private:
    static constexpr int MinLevelForSecondTry = 6, HardToPackPercent = 40, ThoroughLevel = 10;
    TStream* FStream;
    int FLimit;
    int FLevel;
    std::unique_ptr<libdeflate_compressor, TCompressorFree> FCompressor;
    std::vector<std::uint8_t> FRows;
};

} // namespace

std::unique_ptr<TPngIdatWriter> MakeStreamingIdatWriter(TStream* Stream, int Level, int Limit,
                                                        bool Filtered) {
    return std::make_unique<TStreamingIdatWriter>(Stream, Level, Limit, Filtered);
}

std::unique_ptr<TPngIdatWriter> MakeWholeImageIdatWriter(TStream* Stream, int Level, int Limit,
                                                         std::size_t ExpectedBytes) {
    return std::make_unique<TWholeImageIdatWriter>(Stream, Level, Limit, ExpectedBytes);
}

bool PngGathersWholeImage(std::size_t FilteredBytes) {
    return FilteredBytes <= std::size_t(256) << 20;
}

TPngDeflatedSize::TPngDeflatedSize(int Level) : FCompressor(libdeflate_alloc_compressor(Level)) {
    if (!FCompressor) FailCompression(Z_MEM_ERROR);
}

TPngDeflatedSize::~TPngDeflatedSize() {
    libdeflate_free_compressor(FCompressor);
}

std::size_t TPngDeflatedSize::operator()(const std::vector<std::uint8_t>& Data) {
    FOut.resize(libdeflate_zlib_compress_bound(FCompressor, Data.size()));
    return libdeflate_zlib_compress(FCompressor, Data.data(), Data.size(), FOut.data(), FOut.size());
}
