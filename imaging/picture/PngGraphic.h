// The picture library's PNG reader: decodes a PNG stream straight into the bitmap's scan lines through
// the colour manager, inflating with the LZ77 decoder. Read-only.
#pragma once

#include "imaging/picture/LZ77Decoder.h"
#include "imaging/picture/PicLibGraphic.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace PngGraphicText {
inline constexpr const char* InvalidFormat = "Cannot load image. Invalid or unexpected %s image format.";
inline constexpr const char* CrcError = "Cannot load image. CRC error found in %s file.";
inline constexpr const char* NotSupported = "Cannot load image. %s not supported for %s files.";
inline constexpr const char* CompressionScheme = "The compression scheme is";
inline constexpr const char* InvalidPalette = "Cannot load image. Palette in %s file is invalid.";
inline constexpr const char* InvalidColorFormat = "Invalid color format in %s file.";
inline constexpr const char* ExtraData = "Cannot load image. Extra compressed data found in %s file.";
inline constexpr const char* CompressionError = "Cannot load image. Compression error found in %s file.";
inline constexpr const char* UnknownCritical =
    "Cannot load PNG image. Unexpected but critical chunk detected.";
} // namespace PngGraphicText

class TPNGGraphic : public TPicLibGraphic {
public:
    TPNGGraphic();
    ~TPNGGraphic() override;

    bool CanLoadStream(TStream* Stream) override;
    bool ReadImageProperties(TStream* Stream, unsigned ImageIndex) override;
    void LoadFromStream(TStream* Stream) override;
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TPNGGraphic>(); }

private:
    struct ChunkHeader {
        std::uint32_t Length = 0;
        char Type[4] = {};
    };

    void LoadPicture(TStream* Stream);
    bool ReadChunkHeader();
    void ReadChunkData();
    bool MatchChunk(const char* Type) const;
    int ConfigureColorDepth(int ColorType, int BitDepth);
    void ReadBackground();
    void ReadTransparency();
    void ReadImageData();
    // Whether the compressed image data of the stream (the IDAT chunks from the current one on) can
    // decode to as many bytes as the picture needs: deflate gives at most 1032 bytes a byte.
    bool DataCanFillPicture();
    // The picture's filtered bytes (each row with its filter byte, every Adam7 pass).
    std::int64_t FilteredImageBytes() const;
    // Converts one unfiltered row (Mask as for the colour manager) into the image line.
    void ConvertPngRow(const std::uint8_t* Source, std::uint8_t* Target, std::uint8_t Mask);
    // The shown level of a grey sample for the rows converted here (grey + alpha, 16-bit grey).
    std::uint8_t GreyLevel(std::uint16_t Sample) const;
    // The colour a 16-bit or colour key shows as, once the conversion is set up.
    COLORREF KeyColor();
    bool InflateRow(std::uint8_t* Buffer, int Count);
    static void UnfilterRow(int Filter, std::uint8_t* Row, const std::uint8_t* Previous, int BytesPerPixel,
                            int Count);
    // A grey sample of the image's depth as an index of the bitmap's grey palette.
    int GreyIndex(std::uint16_t Sample) const;

    TStream* FStream = nullptr;
    std::int64_t FBasePosition = 0;
    TRect FProgressRect{};
    std::unique_ptr<TLZ77Decoder> FDecoder;
    int FIdatSize = 0;
    const std::uint8_t* FCurrentSource = nullptr;
    std::vector<std::uint8_t> FRawBuffer;
    ChunkHeader FHeader;
    std::uint32_t FCurrentCRC = 0;
    int FSourceBPP = 0;
    bool FHavePalette = false;
    TPicPalette FPalette;
    COLORREF FBackgroundColor = 0xFFFFFF;
    int FBackgroundIndex = -1;
    COLORREF FTransparentColor = PicClNone;
    std::vector<std::uint8_t> FTrns; // the transparency chunk's data
    // Rows converted here rather than by the colour manager: grey + alpha and palette images with
    // transparency (into 32 bits with alpha), and 16-bit grey (gamma on the whole sample).
    bool FDirect = false;
    bool FEndOfStream = false;
    bool FImageDataRead = false;
    // The header's fields.
    std::uint32_t FWidth = 0, FHeight = 0;
    std::uint8_t FBitDepth = 0, FColorType = 0, FCompression = 0, FFilter = 0, FInterlace = 0;
};
