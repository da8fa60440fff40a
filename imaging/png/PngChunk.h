// The base chunk of a PNG image: a four-character type and a payload kept verbatim, read with its CRC
// checked and written back with a fresh CRC. Chunks of unregistered types stay plain TChunk objects.
#pragma once

#include "platform/rtl/Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;
class TPngPicture;
class TChunkIHDR;

class TChunk : public TObject {
public:
    explicit TChunk(TPngPicture* AOwner);
    ~TChunk() override = default;

    // The type a chunk class stands for ("IHDR"); empty for the plain chunk of unknown types.
    virtual std::string TypeFromClass() const { return std::string(); }
    // A new, empty chunk of the same class for another image.
    virtual std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const;
    virtual void CopyFrom(const TChunk& Source);
    // Reads Size payload bytes and the CRC; false when reading should stop (the quiet reader's way).
    virtual bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size);
    virtual bool WriteChunk(TStream* Stream);

    const std::string& ChunkType() const { return FChunkType; }
    void SetChunkType(const std::string& AType) { FChunkType = AType; }
    int PayloadSize() const { return FPayloadSize; }
    // PayloadSize bytes plus one spare byte.
    std::uint8_t* Payload() { return FPayload.data(); }
    const std::uint8_t* Payload() const { return FPayload.data(); }
    void SetPayloadSize(int Size);
    TPngPicture* Owner() const { return FOwner; }
    int ListIndex() const;
    TChunkIHDR* HeaderChunk() const;

protected:
    // Reads the payload into the chunk and checks the CRC; raises EPngUnexpectedEnd when the stream
    // ends first and EPngInvalidCRC on a mismatch.
    bool ReadBasePayload(TStream* Stream, int Size);
    // Length, type, payload and CRC of the chunk as it stands.
    bool WriteBaseChunk(TStream* Stream);

    std::vector<std::uint8_t> FPayload;
    int FPayloadSize = 0;
    TPngPicture* FOwner = nullptr;
    std::string FChunkType;
};

// Writes one whole chunk (length, type, data, CRC) to the stream.
void PngWriteChunk(TStream* Stream, const char* Type, const std::uint8_t* Data, std::uint32_t Size);
