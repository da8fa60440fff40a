// A PNG image kept as the ordered list of its chunks; the header chunk owns the decoded pixels.
// Reads and writes PNG streams, and gives the image's transparency, pixels and palette to its users.
// As a graphic of the class library it draws on canvases and converts to and from bitmaps.
#pragma once

#include "imaging/png/PngChunkList.h"
#include "imaging/png/PngTypes.h"
#include "platform/vcl/Graphic.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TStream;
class TChunkIHDR;
class TChunktRNS;
struct TPngBitmapData;

// A chunk class the reader knows: its type and how to make one.
struct TPngChunkClass {
    const char* Type;
    std::unique_ptr<TChunk> (*Create)(TPngPicture* Owner);
};

class TPngPicture : public TGraphic {
public:
    TPngPicture();
    ~TPngPicture() override;
    TPngPicture(const TPngPicture&) = delete;
    TPngPicture& operator=(const TPngPicture&) = delete;

    // Replaces the content with the PNG image of the stream.
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromFile(const std::string& FileName) override;
    // The file is replaced only once the new one is completely written.
    void SaveToFile(const std::string& FileName) override;

    bool Empty() const override { return FChunkList.Count() == 0; }
    int Width() const override;
    int Height() const override;
    // The size follows the image; these raise EPngError.
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    // Follows the chunks (no header: not transparent); setting it has no effect.
    bool Transparent() const override { return HasHeader() && TransparencyKind() != tkNone; }
    void SetTransparent(bool) override {}
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TPngPicture>(); }

    void FreeAllChunks();
    TChunkIHDR* HeaderChunk() const;
    bool HasHeader() const;
    void RowGeometry(int& RowBytes, int& Offset) const;
    static int PackedRowSize(int Pixels, int ColorType, int BitDepth);
    static int FilterOffset(int ColorType, int BitDepth);

    TPNGList& ChunkList() { return FChunkList; }
    const TPNGList& ChunkList() const { return FChunkList; }
    // Creates a chunk of class T and inserts it where the format wants it.
    template <class T> T* AddChunk() { return static_cast<T*>(InsertNewChunk(std::make_unique<T>(this))); }

    TPngFilterSet FilterSet() const { return FFilterSet; }
    void SetFilterSet(TPngFilterSet Value) { FFilterSet = Value; }
    std::uint8_t DeflateLevel() const { return FDeflateLevel; }
    void SetDeflateLevel(std::uint8_t Value) { FDeflateLevel = Value; }
    int IdatLimit() const { return FIdatLimit; }
    void SetIdatLimit(int Value) { FIdatLimit = Value < 65535 ? 65535 : Value; }
    TPngInterlace InterlaceMode() const { return FInterlaceMode; }
    void SetInterlaceMode(TPngInterlace Value) { FInterlaceMode = Value; }

    std::array<std::uint8_t, 256> GammaLookup{};
    std::array<std::uint8_t, 256> InverseGammaLookup{};
    void ResetGammaTables();
    // The tables for a gAMA value (gamma × 100000); values of 0 or below leave them unchanged.
    void ApplyGamma(int Value);
    // Whether the gamma tables change any value.
    bool GammaChangesLevels() const { return FGammaChangesLevels; }
    // The held level of a 16-bit colour sample: its high byte through GammaLookup when the tables change
    // nothing, else the gamma worked out on the whole sample (the darkest 16-bit levels would all fall
    // to 0 if cut to 8 bits first). Equal to GammaLookup[v / 257] for samples that are multiples of 257.
    std::uint8_t GammaLevel16(std::uint16_t Sample) const;
    // The exponent GammaLookup raises samples (0..1) to.
    double GammaExponent() const { return FGammaExponent; }
    // Whether 16-bit samples are written back exactly from the held high byte and the kept low byte (the
    // low bytes are kept and the held bytes are the file's own); otherwise every held level v is written
    // at full scale as v × 257.
    bool WritesExactSixteenBitSamples() const { return KeepsLowBytes() && !FGammaChangesLevels; }

    // Transparency, pixels and palette.
    TPngTransparency TransparencyKind() const;
    COLORREF KeyColor() const;
    std::uint8_t* RowPointer(int y) const;
    std::uint8_t* AlphaRow(int y) const;
    void AddAlphaPlane();
    virtual COLORREF GetPixel(int X, int Y) const;
    virtual void SetPixel(int X, int Y, COLORREF Color);
    // The colour table of grey and palette images (256 entries); empty for other images.
    std::vector<TPngColorEntry> GetPalette() const;
    void SetPalette(const std::vector<TPngColorEntry>& Palette);
    using TGraphic::SetPalette;
    // The colour of a palette index as drawn: black beyond the palette's entries.
    COLORREF DrawnEntryColor(int Index) const;
    // Colour and alpha of the held pixel (X, Y) as blended drawing sees it; Row is that pixel's row and
    // Trns the image's transparency chunk (or null).
    void BlendSource(const std::uint8_t* Row, int X, int Y, const TChunktRNS* Trns, int& B, int& G, int& R,
                     int& A) const;

    // Copies another PNG image chunk by chunk, with its gamma tables (its held levels are made with
    // them, and saving needs them to give back the file's samples).
    void CopyImage(const TPngPicture& Source);
    void Assign(const TPngPicture& Source) { CopyImage(Source); }
    // Another PNG image is copied; a bitmap becomes a PNG image (FromBitmapData with its transparency);
    // anything else raises the class library's conversion error.
    void Assign(TPersistent* Source) override;
    // Into a PNG image (copied) or a bitmap (ToBitmapData: the held depth, the key colour as the bitmap's
    // transparent colour, no alpha).
    void AssignTo(TPersistent* Dest) override;
    // Through a bitmap of the image's size: saving draws the image onto it; loading takes it opaque.
    void SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) override;
    void LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) override;

    // From a bitmap (the class library's bitmap assignment): below 16 bits per pixel a palette image of
    // the same depth, else an 8-bit RGB image; with Transparent, Key becomes the key colour.
    void FromBitmapData(const TPngBitmapData& Bitmap, bool Transparent, COLORREF Key);
    // To a bitmap of the held depth (1, 4, 8 or 24 bits); the alpha plane is dropped, a key colour is
    // handed back as the bitmap's transparent colour. Empty without an image.
    TPngBitmapData ToBitmapData(bool& Transparent, COLORREF& Key) const;

    // Draws the image onto a canvas: opaque and key-colour images stretched to Rect, images with alpha
    // blended at their natural size at Rect's top-left corner. Nothing without a header; EPNGOutMemory
    // when the work bitmap cannot be made.
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;
    // The workers: the same drawing onto a 32-bit surface.
    virtual void Draw(TPixelBuffer32& Target, const TRect& Rect) const;
    void DrawMasked(TPixelBuffer32& Target, COLORREF Key, const TRect& Rect) const;
    virtual void DrawBlended(TPixelBuffer32& Target, const TRect& Rect) const;

    // The chunk classes the reader creates, in lookup order.
    virtual const std::vector<TPngChunkClass>& ChunkClasses() const;
    // Whether the reader keeps the low bytes of 16-bit samples.
    virtual bool KeepsLowBytes() const { return false; }

protected:
    // The part of the canvas that blending writes for Rect.
    virtual TRect BlendArea(const TRect& Rect) const;
    virtual TChunk* InsertNewChunk(std::unique_ptr<TChunk> Chunk);
    // Reads the chunks; unknown critical chunks and images without IDAT raise when Strict.
    void ReadChunks(TStream* Stream, bool Strict);
    std::unique_ptr<TChunk> CreateChunk(const std::string& Type);
    TChunkIHDR& RequireHeader() const;

    TPNGList FChunkList;
    // Every filter, chosen row by row: files as small as common encoders make, faster.
    TPngFilterSet FFilterSet = PngAllFilters;
    std::uint8_t FDeflateLevel = 7;
    int FIdatLimit = 65535;
    TPngInterlace FInterlaceMode = piNone;
    double FGammaExponent = 1.0;
    bool FGammaChangesLevels = false;
};

// Registers the chunk classes of the codec (the list is also built on first use).
const std::vector<TPngChunkClass>& PngCodecChunkClasses();
