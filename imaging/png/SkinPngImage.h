// The skin library's PNG image: the same codec, but it never raises while reading (a damaged file
// gives the chunks read so far, or an empty image), keeps the low bytes of 16-bit samples, knows the
// pHYs chunk, resizes its canvas and scales when blending.
#pragma once

#include "imaging/png/PngDataChunk.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

// The skin library's names for the chunk classes.
using TskPngLayer = TChunk;
using TskPngLayerIEND = TChunkIEND;
using TskPngLayerIHDR = TChunkIHDR;
using TskPngLayerIDAT = TChunkIDAT;
using TskPngLayerPLTE = TChunkPLTE;
using TskPngLayergAMA = TChunkgAMA;
using TskPngLayertRNS = TChunktRNS;
using TskPngLayertIME = TChunktIME;
using TskPngLayertEXt = TChunktEXt;
using TskPngLayerzTXt = TChunkzTXt;
using TskPngList = TPNGList;

// Physical pixel size: two big-endian counts and a unit byte.
class TskPngLayerpHYs : public TChunk {
public:
    static constexpr const char* ClassType = "pHYs";
    explicit TskPngLayerpHYs(TPngPicture* AOwner) : TChunk(AOwner) { FChunkType = ClassType; }
    std::string TypeFromClass() const override { return ClassType; }
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const override {
        return std::make_unique<TskPngLayerpHYs>(AOwner);
    }
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    std::uint32_t PixelsPerUnitX = 0;
    std::uint32_t PixelsPerUnitY = 0;
    std::uint8_t UnitSpecifier = 0;
};

class TskPngImage : public TPngPicture {
public:
    // Never raises: see the class comment.
    void LoadFromStream(TStream* Stream) override;
    // Resize the canvas instead of refusing.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    // A new canvas of W × H keeping the overlapping pixels (new alpha opaque); ignored unless both > 0.
    void ResizeCanvas(int W, int H);
    std::uint8_t* LowByteRow(int y) const;

    using TPngPicture::Draw;
    void Draw(TPixelBuffer32& Target, const TRect& Rect) const override;
    // Blends the image scaled to Rect (nearest source pixel).
    void DrawBlended(TPixelBuffer32& Target, const TRect& Rect) const override;

    const std::vector<TPngChunkClass>& ChunkClasses() const override;
    bool KeepsLowBytes() const override { return true; }
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TskPngImage>(); }
    // Into a bitmap: 24 bits for images with alpha (blended over the bitmap's black), else the depth
    // that holds the image (1, 4, 8 or 24 bits); the image is drawn onto it. A header of another kind
    // raises Exception.
    void AssignTo(TPersistent* Dest) override;

protected:
    // Blending scales the image to the whole (normalised) rectangle.
    TRect BlendArea(const TRect& Rect) const override;
    // Never raises: a chunk that may not be added gives nil.
    TChunk* InsertNewChunk(std::unique_ptr<TChunk> Chunk) override;
};
