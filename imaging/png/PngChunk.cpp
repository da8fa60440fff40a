#include "imaging/png/PngChunk.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngTypes.h"
#include "platform/rtl/Stream.h"

TChunk::TChunk(TPngPicture* AOwner) : FPayload(1, 0), FOwner(AOwner) {}

std::unique_ptr<TChunk> TChunk::CreateSameClass(TPngPicture* AOwner) const {
    return std::make_unique<TChunk>(AOwner);
}

void TChunk::CopyFrom(const TChunk& Source) {
    FChunkType = Source.FChunkType;
    SetPayloadSize(Source.FPayloadSize);
    std::copy(Source.FPayload.begin(), Source.FPayload.begin() + Source.FPayloadSize, FPayload.begin());
}

void TChunk::SetPayloadSize(int Size) {
    if (Size < 0) Size = 0;
    FPayloadSize = Size;
    FPayload.assign(static_cast<std::size_t>(Size) + 1, 0);
}

int TChunk::ListIndex() const {
    return FOwner ? FOwner->ChunkList().IndexOf(this) : -1;
}

TChunkIHDR* TChunk::HeaderChunk() const {
    return FOwner ? FOwner->HeaderChunk() : nullptr;
}

bool TChunk::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    return ReadBasePayload(Stream, Size);
}

bool TChunk::ReadBasePayload(TStream* Stream, int Size) {
    // A length beyond the bytes left is a truncated file: refuse it before allocating anything.
    const std::int64_t left = Stream->Size() - Stream->Position();
    if (Size < 0 || static_cast<std::int64_t>(Size) + 4 > left)
        Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
    SetPayloadSize(Size);
    if (Size > 0) Stream->ReadBuffer(FPayload.data(), Size);
    std::uint8_t stored[4];
    Stream->ReadBuffer(stored, 4);
    std::uint32_t crc = PngCrc(0, FChunkType.data(), 4);
    crc = PngCrc(crc, FPayload.data(), static_cast<std::size_t>(Size));
    if (crc != png_bytes::ReadBE32(stored)) Fail<EPngInvalidCRC>(PngText::InvalidCRC);
    return true;
}

bool TChunk::WriteChunk(TStream* Stream) {
    return WriteBaseChunk(Stream);
}

bool TChunk::WriteBaseChunk(TStream* Stream) {
    std::string type = FChunkType;
    type.resize(4, ' ');
    PngWriteChunk(Stream, type.data(), FPayload.data(), static_cast<std::uint32_t>(FPayloadSize));
    return true;
}

void PngWriteChunk(TStream* Stream, const char* Type, const std::uint8_t* Data, std::uint32_t Size) {
    std::uint8_t head[8];
    png_bytes::WriteBE32(head, Size);
    std::copy(Type, Type + 4, head + 4);
    Stream->WriteBuffer(head, 8);
    if (Size > 0) Stream->WriteBuffer(Data, Size);
    std::uint8_t tail[4];
    png_bytes::WriteBE32(tail, PngCrc(PngCrc(0, Type, 4), Data, Size));
    Stream->WriteBuffer(tail, 4);
}
