// The header chunk: the image's size and sample format, and the decoded pixels it owns: a bottom-up
// device-independent bitmap with its colour table, plus a separate top-down alpha plane.
#pragma once

#include "imaging/png/PngChunk.h"
#include "imaging/png/PngTypes.h"

#include <array>

// The bitmap-info header of the held bitmap followed by its 256 colour entries.
struct TPngDibInfo {
    int Width = 0;
    int Height = 0; // positive: bottom-up rows
    int BitCount = 0;
    int ClrUsed = 0;
    std::array<TPngColorEntry, 256> Colors{};
};

class TChunkIHDR : public TChunk {
public:
    static constexpr const char* ClassType = "IHDR";
    // Planes above this many bytes (pixels or alpha) are refused as too large.
    static constexpr std::int64_t MaxPlaneBytes = std::int64_t(1) << 28;

    explicit TChunkIHDR(TPngPicture* AOwner);
    std::string TypeFromClass() const override { return ClassType; }
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const override {
        return std::make_unique<TChunkIHDR>(AOwner);
    }
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    // Bits per pixel of the held bitmap for a colour type and bit depth; 0 for a pair the format
    // does not define.
    static int HeldBitsPerPixel(int ColorType, int BitDepth);
    // Raises the size or header error when the header cannot be held (sizes, unsupported pairs).
    void CheckHeader() const;
    // Fresh zero-filled pixels (and alpha plane for colour types 4 and 6) for the header's values.
    void AllocateImage();
    // Fills the colour table with a grey ramp of 2^held bits entries through the image's gamma.
    void BuildGreyRamp();
    bool HasImage() const { return !DibBits.empty(); }
    // 2-bit images are held, and so written, as 4-bit ones: marks the header 4-bit and moves a grey
    // key sample to the 4-bit level of the same grey.
    void PromoteTwoBitDepth();

    std::uint8_t* RowPointer(int y) { return DibBits.data() + std::ptrdiff_t(Height - 1 - y) * RowStride; }
    const std::uint8_t* RowPointer(int y) const {
        return DibBits.data() + std::ptrdiff_t(Height - 1 - y) * RowStride;
    }
    std::uint8_t* AlphaRow(int y) {
        return AlphaPlane.empty() ? nullptr : AlphaPlane.data() + std::ptrdiff_t(y) * Width;
    }
    std::uint8_t* LowByteRow(int y) {
        return LowByteRows.empty() ? nullptr
                                   : LowByteRows.data() + std::ptrdiff_t(Height - 1 - y) * RowStride;
    }

    bool Indexed = false;
    TPngDibInfo DibInfo;
    int RowStride = 0;
    std::vector<std::uint8_t> DibBits;
    std::vector<std::uint8_t> AlphaPlane;
    // Low bytes of 16-bit samples, laid out like the held rows; kept only by images that ask for them.
    std::vector<std::uint8_t> LowByteRows;
    // The file's own colour samples, top-down, TPngSampleLevels::Channels() a pixel, where the held
    // levels cannot give them back (see TPngSampleLevels); empty otherwise.
    std::vector<std::uint16_t> SourceSamples;

    int Width = 0;
    int Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColorType = 0;
    std::uint8_t CompressionMethod = 0;
    std::uint8_t FilterMethod = 0;
    std::uint8_t InterlaceMethod = 0;
};
