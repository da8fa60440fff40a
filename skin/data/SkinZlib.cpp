#include "skin/data/SkinZlib.h"

#include <zlib.h>

#include <algorithm>

namespace {

const char* const SInvalidStreamOperation = "Invalid stream operation";

int CheckCompression(int Code) {
    if (Code < 0) throw ECompressionError("error");
    return Code;
}

int CheckDecompression(int Code) {
    // A stream asking for a preset dictionary cannot be inflated here: without this check the
    // inflater would stop making progress and the reader would wait for it forever.
    if (Code < 0 || Code == Z_NEED_DICT) throw EDecompressionError("compression error");
    return Code;
}

int ZlibLevel(TZCompressionLevel Level) {
    switch (Level) {
    case zcNone:
        return Z_NO_COMPRESSION;
    case zcFastest:
        return Z_BEST_SPEED;
    case zcDefault:
        return Z_DEFAULT_COMPRESSION;
    case zcMax:
        return Z_BEST_COMPRESSION;
    }
    return Z_DEFAULT_COMPRESSION;
}

} // namespace

// ---- TCustomZlibStream

TCustomZlibStream::TCustomZlibStream(TStream* Strm)
    : FStrm(Strm), FStrmPos(Strm->Position()), FZRec(std::make_unique<z_stream_s>()) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress(TObject* Sender) {
    if (OnProgress) OnProgress(Sender);
}

void TCustomZlibStream::RestorePosition() {
    if (FStrm->Position() != FStrmPos) FStrm->SetPosition(FStrmPos);
}

// ---- TCompressionStream

TCompressionStream::TCompressionStream(TZCompressionLevel CompressionLevel, TStream* Dest)
    : TCustomZlibStream(Dest) {
    FZRec->next_out = FBuffer.data();
    FZRec->avail_out = BufferSize;
    CheckCompression(deflateInit(FZRec.get(), ZlibLevel(CompressionLevel)));
}

TCompressionStream::~TCompressionStream() {
    if (FFinished) return;
    try {
        Finish();
    } catch (const Exception&) {
        // A destructor cannot report; callers that care call Finish themselves.
    }
}

void TCompressionStream::FlushBuffer(std::int64_t Count) {
    FStrm->WriteBuffer(FBuffer.data(), Count);
    FStrmPos = FStrm->Position();
    FZRec->next_out = FBuffer.data();
    FZRec->avail_out = BufferSize;
}

void TCompressionStream::Finish() {
    if (FFinished) return;
    FFinished = true;
    FZRec->next_in = nullptr;
    FZRec->avail_in = 0;
    try {
        RestorePosition();
        while (CheckCompression(deflate(FZRec.get(), Z_FINISH)) != Z_STREAM_END && FZRec->avail_out == 0) {
            FlushBuffer(BufferSize);
            Progress(this);
        }
        if (FZRec->avail_out < BufferSize) FlushBuffer(BufferSize - FZRec->avail_out);
    } catch (...) {
        deflateEnd(FZRec.get());
        throw;
    }
    deflateEnd(FZRec.get());
}

std::int64_t TCompressionStream::Read(void*, std::int64_t) {
    throw ECompressionError(SInvalidStreamOperation);
}

std::int64_t TCompressionStream::Write(const void* Buffer, std::int64_t Count) {
    if (FFinished) throw ECompressionError(SInvalidStreamOperation);
    const auto* bytes = static_cast<const Bytef*>(Buffer);
    std::int64_t left = Count;
    RestorePosition();
    // zlib counts in 32 bits: feed large writes in pieces.
    while (left > 0) {
        const uInt piece = uInt(std::min<std::int64_t>(left, 1 << 30));
        FZRec->next_in = const_cast<Bytef*>(bytes);
        FZRec->avail_in = piece;
        while (FZRec->avail_in > 0) {
            CheckCompression(deflate(FZRec.get(), Z_NO_FLUSH));
            if (FZRec->avail_out == 0) {
                FlushBuffer(BufferSize);
                Progress(this);
            }
        }
        bytes += piece;
        left -= piece;
    }
    return Count;
}

std::int64_t TCompressionStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    if (Offset == 0 && Origin == soCurrent) return std::int64_t(FZRec->total_in);
    throw ECompressionError(SInvalidStreamOperation);
}

// ---- TDecompressionStream

TDecompressionStream::TDecompressionStream(TStream* Source) : TCustomZlibStream(Source) {
    FZRec->next_in = FBuffer.data();
    FZRec->avail_in = 0;
    CheckDecompression(inflateInit(FZRec.get()));
}

TDecompressionStream::~TDecompressionStream() {
    inflateEnd(FZRec.get());
}

std::int64_t TDecompressionStream::Read(void* Buffer, std::int64_t Count) {
    if (Count <= 0 || FEnded) return 0;
    auto* out = static_cast<Bytef*>(Buffer);
    std::int64_t produced = 0;
    RestorePosition();
    while (produced < Count && !FEnded) {
        if (FZRec->avail_in == 0) {
            const std::int64_t got = FStrm->Read(FBuffer.data(), BufferSize);
            if (got <= 0) break;
            FZRec->next_in = FBuffer.data();
            FZRec->avail_in = uInt(got);
            FStrmPos = FStrm->Position();
            Progress(this);
        }
        const uInt room = uInt(std::min<std::int64_t>(Count - produced, 1 << 30));
        FZRec->next_out = out + produced;
        FZRec->avail_out = room;
        const int code = CheckDecompression(inflate(FZRec.get(), Z_NO_FLUSH));
        produced += room - FZRec->avail_out;
        if (code == Z_STREAM_END) FEnded = true;
    }
    return produced;
}

std::int64_t TDecompressionStream::Write(const void*, std::int64_t) {
    throw EDecompressionError(SInvalidStreamOperation);
}

std::int64_t TDecompressionStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    const std::int64_t produced = std::int64_t(FZRec->total_out);
    std::int64_t skip = -1;
    if (Offset == 0 && Origin == soBeginning) {
        CheckDecompression(inflateReset(FZRec.get()));
        FZRec->next_in = FBuffer.data();
        FZRec->avail_in = 0;
        FEnded = false;
        FStrm->SetPosition(0);
        FStrmPos = 0;
        return 0;
    }
    if (Origin == soCurrent && Offset >= 0)
        skip = Offset;
    else if (Origin == soBeginning && Offset >= produced)
        skip = Offset - produced;
    if (skip < 0) throw EDecompressionError(SInvalidStreamOperation);
    std::array<std::uint8_t, BufferSize> discard{};
    while (skip > 0) {
        const std::int64_t got = Read(discard.data(), std::min<std::int64_t>(skip, BufferSize));
        if (got <= 0) break;
        skip -= got;
    }
    return std::int64_t(FZRec->total_out);
}

// ---- Whole streams

void PackStream(TStream* Source, TStream* Dest) {
    TCompressionStream packer(zcMax, Dest);
    Source->SetPosition(0);
    std::array<std::uint8_t, 4096> buffer{};
    for (;;) {
        const std::int64_t got = Source->Read(buffer.data(), std::int64_t(buffer.size()));
        if (got <= 0) break;
        packer.WriteBuffer(buffer.data(), got);
    }
    packer.Finish();
}

void UnpackStream(TStream* Dest, TStream* Source) {
    Source->SetPosition(0);
    TDecompressionStream unpacker(Source);
    std::array<std::uint8_t, 4096> buffer{};
    for (;;) {
        const std::int64_t got = unpacker.Read(buffer.data(), std::int64_t(buffer.size()));
        if (got <= 0) break;
        Dest->WriteBuffer(buffer.data(), got);
    }
    if (!unpacker.StreamEnded()) throw EDecompressionError("compression error");
}
