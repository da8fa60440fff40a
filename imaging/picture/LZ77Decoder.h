// The picture library's stream-oriented inflater: fed compressed data piece by piece, it produces as
// much output as each call allows and keeps zlib's result for the caller to judge.
#pragma once

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"

#include <cstdint>
#include <memory>

class EGraphicCompression : public Exception {
public:
    using Exception::Exception;
};

inline constexpr const char* LZ77DecompressionErrorText = "LZ77 decompression error.";

// The library's decoder interface.
class TDecoder : public TObject {
public:
    virtual void DecodeBlock(const std::uint8_t*& Source, std::uint8_t*& Dest, int PackedSize,
                             int UnpackedSize) = 0;
    virtual void FinishDecoding() {}
    virtual void StartDecoding() {}
    virtual void EncodeBlock(const std::uint8_t* Source, std::uint8_t* Dest, int Count, int& BytesStored) = 0;
    virtual void StartEncoding() {}
    virtual void FinishEncoding() {}
};

class TLZ77Decoder : public TDecoder {
public:
    // FlushMode is zlib's flush argument for every inflate call; AutoReset restarts the stream before
    // each block.
    TLZ77Decoder(int FlushMode, bool AutoReset);
    ~TLZ77Decoder() override;

    // One inflate step; once a step returned a non-zero result, later steps change nothing.
    void DecodeBlock(const std::uint8_t*& Source, std::uint8_t*& Dest, int PackedSize,
                     int UnpackedSize) override;
    void StartDecoding() override;
    void FinishDecoding() override;
    // The library never compresses.
    void EncodeBlock(const std::uint8_t*, std::uint8_t*, int, int& BytesStored) override { BytesStored = 0; }

    unsigned AvailableInput() const;
    unsigned AvailableOutput() const;
    int ZLibResult() const { return FZLibResult; }

private:
    struct State;
    std::unique_ptr<State> FState;
    int FZLibResult = 0;
    int FFlushMode;
    bool FAutoReset;
};
