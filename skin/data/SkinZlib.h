// zlib streams of packed skins: a write-only stream that deflates into another stream, a read-only
// stream that inflates from another stream, and the two routines that pack and unpack whole streams.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Stream.h"

#include <array>
#include <cstdint>
#include <memory>

struct z_stream_s;

class EZlibError : public Exception {
public:
    using Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

// Compression levels: none, fastest, zlib's default, maximum (zlib levels 0, 1, -1 and 9).
enum TZCompressionLevel { zcNone, zcFastest, zcDefault, zcMax };

class TCustomZlibStream : public TStream {
public:
    ~TCustomZlibStream() override;
    TCustomZlibStream(const TCustomZlibStream&) = delete;
    TCustomZlibStream& operator=(const TCustomZlibStream&) = delete;

    // Called after each buffer that goes to or comes from the wrapped stream.
    TNotifyEvent OnProgress;

protected:
    static constexpr int BufferSize = 4096;

    explicit TCustomZlibStream(TStream* Strm);
    virtual void Progress(TObject* Sender);
    // Puts the wrapped stream back where this stream left it, should someone else have moved it.
    void RestorePosition();

    TStream* FStrm;
    std::int64_t FStrmPos;
    std::unique_ptr<z_stream_s> FZRec;
    std::array<std::uint8_t, BufferSize> FBuffer{};
};

// Deflates what is written into Dest. Finish (or the destructor) ends the zlib stream.
class TCompressionStream : public TCustomZlibStream {
public:
    TCompressionStream(TZCompressionLevel CompressionLevel, TStream* Dest);
    // Finishes the stream when Finish was not called; errors are then lost.
    ~TCompressionStream() override;

    // Raises ECompressionError "Invalid stream operation".
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // Only (0, soCurrent), which answers the number of bytes taken in; anything else raises.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    // Writes what zlib still holds and ends the stream; raises on a zlib or write failure.
    void Finish();

private:
    void FlushBuffer(std::int64_t Count);
    bool FFinished = false;
};

// Inflates from Source. Reading stops at the end of the zlib stream: bytes after it are not read.
class TDecompressionStream : public TCustomZlibStream {
public:
    explicit TDecompressionStream(TStream* Source);
    ~TDecompressionStream() override;

    // Up to Count bytes; fewer when the source runs dry or the zlib stream ends. Damaged data raises
    // EDecompressionError "compression error".
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    // Raises EDecompressionError "Invalid stream operation".
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // (0, soBeginning) starts again; forward moves read and discard; anything else raises.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    // Whether the zlib stream's end marker was reached.
    bool StreamEnded() const { return FEnded; }

private:
    bool FEnded = false;
};

// Deflates the whole of Source (from its start) into Dest at the maximum level.
void PackStream(TStream* Source, TStream* Dest);
// Inflates Source (from its start) into Dest. A zlib stream that ends before its end marker raises
// EDecompressionError "compression error", as damaged data does.
void UnpackStream(TStream* Dest, TStream* Source);
