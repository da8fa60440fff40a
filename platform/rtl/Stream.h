// The abstract byte stream: read, write and seek, with the buffer helpers that raise on short transfers
// and copying from another stream.
#pragma once

#include "platform/rtl/Object.h"

#include <cstdint>

enum TSeekOrigin : int { soBeginning = 0, soCurrent = 1, soEnd = 2 };
constexpr TSeekOrigin soFromBeginning = soBeginning;
constexpr TSeekOrigin soFromCurrent = soCurrent;
constexpr TSeekOrigin soFromEnd = soEnd;

class TStream : public TObject {
public:
    // Transfer up to Count bytes; return how many moved (0 at the end of the stream).
    virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
    virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
    // Moves the position and returns the new one. Seeking beyond the end is allowed; a later write
    // there extends the stream.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }
    virtual std::int64_t Size();
    // Streams that cannot change their size raise EStreamError.
    virtual void SetSize(std::int64_t NewSize);

    // Read or write exactly Count bytes, raising EReadError "Stream read error" / EWriteError "Stream write
    // error" otherwise.
    void ReadBuffer(void* Buffer, std::int64_t Count);
    void WriteBuffer(const void* Buffer, std::int64_t Count);

    // Copies Count bytes from Source's position; Count = 0 copies the whole of Source from its start.
    // Returns the number of bytes copied; a Source shorter than Count raises EReadError.
    std::int64_t CopyFrom(TStream* Source, std::int64_t Count);

protected:
    // The position a seek lands on for streams that keep their position themselves; raises EStreamError
    // for an unknown origin or a target before the start.
    static std::int64_t SeekTarget(std::int64_t Offset, TSeekOrigin Origin, std::int64_t Current,
                                   std::int64_t Size);
};
