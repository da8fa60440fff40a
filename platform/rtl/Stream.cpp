#include "platform/rtl/Stream.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <vector>

std::int64_t TStream::Size() {
    const std::int64_t pos = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) {
    throw EStreamError("Stream does not support changing its size");
}

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
    if (Count < 0 || (Count != 0 && Read(Buffer, Count) != Count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
    if (Count < 0 || (Count != 0 && Write(Buffer, Count) != Count)) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream* Source, std::int64_t Count) {
    if (Count < 0) throw EReadError("Stream read error");
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    constexpr std::int64_t chunk = 64 * 1024;
    std::vector<char> buffer(static_cast<std::size_t>(std::min(Count, chunk)));
    std::int64_t left = Count;
    while (left > 0) {
        const std::int64_t n = std::min(left, chunk);
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

std::int64_t TStream::SeekTarget(std::int64_t Offset, TSeekOrigin Origin, std::int64_t Current,
                                 std::int64_t Size) {
    std::int64_t base = 0;
    switch (Origin) {
    case soBeginning:
        base = 0;
        break;
    case soCurrent:
        base = Current;
        break;
    case soEnd:
        base = Size;
        break;
    default:
        throw EStreamError("Invalid seek origin");
    }
    if (base + Offset < 0) throw EStreamError("Seek before the start of the stream");
    return base + Offset;
}
