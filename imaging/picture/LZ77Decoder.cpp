#include "imaging/picture/LZ77Decoder.h"

#include <zlib.h>

struct TLZ77Decoder::State {
    z_stream Stream{};
    bool Started = false;
};

TLZ77Decoder::TLZ77Decoder(int FlushMode, bool AutoReset)
    : FState(std::make_unique<State>()), FFlushMode(FlushMode), FAutoReset(AutoReset) {}

TLZ77Decoder::~TLZ77Decoder() {
    if (FState->Started) inflateEnd(&FState->Stream);
}

void TLZ77Decoder::StartDecoding() {
    if (FState->Started) inflateEnd(&FState->Stream);
    FState->Stream = z_stream{};
    FZLibResult = 0;
    const int rc = inflateInit(&FState->Stream);
    if (rc < 0) throw EGraphicCompression(LZ77DecompressionErrorText);
    FState->Started = true;
}

void TLZ77Decoder::FinishDecoding() {
    if (!FState->Started) return;
    FState->Started = false;
    const int rc = inflateEnd(&FState->Stream);
    if (rc < 0) throw EGraphicCompression(LZ77DecompressionErrorText);
}

void TLZ77Decoder::DecodeBlock(const std::uint8_t*& Source, std::uint8_t*& Dest, int PackedSize,
                               int UnpackedSize) {
    z_stream& z = FState->Stream;
    if (!FState->Started) {
        FZLibResult = Z_STREAM_ERROR; // decoding was never started: nothing can be produced
        return;
    }
    z.next_in = const_cast<Bytef*>(Source);
    z.avail_in = uInt(PackedSize < 0 ? 0 : PackedSize);
    if (FAutoReset) FZLibResult = inflateReset(&z);
    if (FZLibResult != Z_OK) return;
    z.next_out = Dest;
    z.avail_out = uInt(UnpackedSize < 0 ? 0 : UnpackedSize);
    FZLibResult = inflate(&z, FFlushMode);
    // Running out of room or input is no failure here: the caller feeds more and asks again.
    if (FZLibResult == Z_BUF_ERROR) FZLibResult = Z_OK;
    Source = z.next_in;
    Dest = z.next_out;
}

unsigned TLZ77Decoder::AvailableInput() const {
    return FState->Stream.avail_in;
}
unsigned TLZ77Decoder::AvailableOutput() const {
    return FState->Stream.avail_out;
}
