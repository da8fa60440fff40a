// The small chunk classes of the codec: end marker, palette, gamma, transparency, time and text.
#pragma once

#include "imaging/png/PngChunk.h"
#include "imaging/png/PngTypes.h"

#include <array>

#define OLVA_PNG_CHUNK_CLASS_BASICS(name, type)                                                              \
    explicit name(TPngPicture* AOwner) : TChunkBase(AOwner) {                                                \
        FChunkType = type;                                                                                   \
    }                                                                                                        \
    static constexpr const char* ClassType = type;                                                           \
    std::string TypeFromClass() const override {                                                             \
        return ClassType;                                                                                    \
    }                                                                                                        \
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const override {                            \
        return std::make_unique<name>(AOwner);                                                               \
    }

class TChunkIEND : public TChunk {
    using TChunkBase = TChunk;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunkIEND, "IEND")
};

class TChunkPLTE : public TChunk {
    using TChunkBase = TChunk;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunkPLTE, "PLTE")
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    int EntryCount() const { return FEntryCount; }
    void SetEntryCount(int Count) { FEntryCount = Count; }
    // The colour entry at Index; EPngError "There is no such palette entry." at or beyond EntryCount.
    COLORREF EntryColor(int Index) const;

private:
    int FEntryCount = 0;
};

class TChunkgAMA : public TChunk {
    using TChunkBase = TChunk;

public:
    static constexpr const char* ClassType = "gAMA";
    explicit TChunkgAMA(TPngPicture* AOwner);
    std::string TypeFromClass() const override { return ClassType; }
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const override {
        return std::make_unique<TChunkgAMA>(AOwner);
    }
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;

    // The gamma times 100000, big-endian in the payload.
    int GammaValue() const;
    void SetGammaValue(int Value);
};

class TChunktRNS : public TChunk {
    using TChunkBase = TChunk;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunktRNS, "tRNS")
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    // Makes Color (as the image shows it) the one transparent colour.
    void SetKeyColor(COLORREF Color);

    bool BinaryAlpha = false;
    std::array<std::uint8_t, 256> AlphaValues{};
};

class TChunktIME : public TChunk {
    using TChunkBase = TChunk;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunktIME, "tIME")
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    std::uint16_t Year = 0;
    std::uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class TChunktEXt : public TChunk {
    using TChunkBase = TChunk;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunktEXt, "tEXt")
    void CopyFrom(const TChunk& Source) override;
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;

    std::string Keyword;
    std::string Text;

protected:
    // Keyword up to the first zero byte; returns the offset after that zero byte, or Size when the
    // payload has no separator (then there is no text).
    int ReadKeyword();
};

class TChunkzTXt : public TChunktEXt {
    using TChunkBase = TChunktEXt;

public:
    OLVA_PNG_CHUNK_CLASS_BASICS(TChunkzTXt, "zTXt")
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    // When the text cannot be compressed the chunk is written with the payload it had before.
    bool WriteChunk(TStream* Stream) override;
};

#undef OLVA_PNG_CHUNK_CLASS_BASICS

// zlib compression of a whole text; false (with zlib's message) when zlib fails.
bool PngCompressText(const std::string& Input, int Level, std::string& Output, std::string& ErrorText);
// Inflates a whole zlib stream; false when the data are not a complete valid stream.
bool PngDecompressText(const std::uint8_t* Data, std::size_t Size, std::string& Output);
