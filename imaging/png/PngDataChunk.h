// The image-data chunk: decodes the pixels from one or more consecutive IDAT chunks into the header's
// bitmap, and encodes them back into IDAT chunks of bounded size.
#pragma once

#include "imaging/png/PngChunk.h"

class TChunkIDAT : public TChunk {
public:
    static constexpr const char* ClassType = "IDAT";
    explicit TChunkIDAT(TPngPicture* AOwner) : TChunk(AOwner) { FChunkType = ClassType; }
    std::string TypeFromClass() const override { return ClassType; }
    std::unique_ptr<TChunk> CreateSameClass(TPngPicture* AOwner) const override {
        return std::make_unique<TChunkIDAT>(AOwner);
    }
    bool ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) override;
    bool WriteChunk(TStream* Stream) override;
};
