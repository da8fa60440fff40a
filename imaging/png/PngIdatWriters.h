// The two ways the filtered rows of an image become IDAT chunks of at most a given size: streamed
// through zlib row by row, or gathered and compressed at once by a faster deflate implementation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TStream;
struct libdeflate_compressor;

class TPngIdatWriter {
public:
    virtual ~TPngIdatWriter() = default;
    // One row: its filter type byte, then its bytes.
    virtual void PutRow(std::uint8_t FilterType, const std::uint8_t* Bytes, int Size) = 0;
    // Ends the compressed stream and writes what is left.
    virtual void Finish() = 0;
};

// Rows deflated by zlib as they come, at Level; with Filtered, zlib's strategy for filtered rows and its
// largest match memory. Holds one output buffer of Limit bytes.
std::unique_ptr<TPngIdatWriter> MakeStreamingIdatWriter(TStream* Stream, int Level, int Limit, bool Filtered);

// Rows gathered (ExpectedBytes of them, a hint) and compressed in one go at Level when finished.
std::unique_ptr<TPngIdatWriter> MakeWholeImageIdatWriter(TStream* Stream, int Level, int Limit,
                                                         std::size_t ExpectedBytes);

// Whether filtered rows of that many bytes in all are gathered for the whole-image writer: beyond a bound
// the copy would be a second image in memory, and streaming keeps the encoder's memory small.
bool PngGathersWholeImage(std::size_t FilteredBytes);

// How many bytes data take deflated at a level, for comparing ways of filtering the same rows.
class TPngDeflatedSize {
public:
    explicit TPngDeflatedSize(int Level);
    ~TPngDeflatedSize();
    TPngDeflatedSize(const TPngDeflatedSize&) = delete;
    TPngDeflatedSize& operator=(const TPngDeflatedSize&) = delete;
    std::size_t operator()(const std::vector<std::uint8_t>& Data);

private:
    libdeflate_compressor* FCompressor;
    std::vector<std::uint8_t> FOut;
};
