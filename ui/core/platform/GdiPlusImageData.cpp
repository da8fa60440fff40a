#include "ui/core/platform/GdiPlusImageData.h"

#include "platform/rtl/Exceptions.h"
#include "ui/core/platform/GdiPlusApi.h"

#include <algorithm>
#include <cstring>

// ---- TovGPMemoryStream

namespace gdiplus_image_data_detail {
// Capacity grows in blocks, as the class library's memory stream grows, so that small writes do not
// reallocate each time.
constexpr std::int64_t CapacityBlock = 0x2000;
} // namespace gdiplus_image_data_detail

TovGPMemoryStream::~TovGPMemoryStream() {
    ovGpFreeMemory(FMemory, FFromInterface);
}

void TovGPMemoryStream::Realloc(std::int64_t ACapacity) {
    if (ACapacity == FCapacity) return;
    if (ACapacity == 0) {
        ovGpFreeMemory(FMemory, FFromInterface);
        FMemory = nullptr;
        FCapacity = 0;
        return;
    }
    bool fromInterface = false;
    auto* memory =
        static_cast<unsigned char*>(ovGpAllocMemory(static_cast<std::size_t>(ACapacity), fromInterface));
    if (memory == nullptr) throw EStreamError("Out of memory while expanding memory stream");
    if (FMemory != nullptr)
        std::memcpy(memory, FMemory, static_cast<std::size_t>(std::min(FSize, ACapacity)));
    ovGpFreeMemory(FMemory, FFromInterface);
    FMemory = memory;
    FFromInterface = fromInterface;
    FCapacity = ACapacity;
}

std::int64_t TovGPMemoryStream::Read(void* Buffer, std::int64_t Count) {
    if (Count <= 0 || FPosition >= FSize) return 0;
    const std::int64_t n = std::min(Count, FSize - FPosition);
    std::memcpy(Buffer, FMemory + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TovGPMemoryStream::Write(const void* Buffer, std::int64_t Count) {
    using gdiplus_image_data_detail::CapacityBlock;
    if (Count <= 0) return 0;
    const std::int64_t end = FPosition + Count;
    if (end > FCapacity) Realloc((end + CapacityBlock - 1) / CapacityBlock * CapacityBlock);
    if (FPosition > FSize) std::memset(FMemory + FSize, 0, static_cast<std::size_t>(FPosition - FSize));
    std::memcpy(FMemory + FPosition, Buffer, static_cast<std::size_t>(Count));
    FPosition = end;
    FSize = std::max(FSize, end);
    return Count;
}

std::int64_t TovGPMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    FPosition = SeekTarget(Offset, Origin, FPosition, FSize);
    return FPosition;
}

void TovGPMemoryStream::SetSize(std::int64_t NewSize) {
    if (NewSize < 0) throw EStreamError("Invalid stream size");
    Realloc(NewSize);
    if (NewSize > FSize) std::memset(FMemory + FSize, 0, static_cast<std::size_t>(NewSize - FSize));
    FSize = NewSize;
    if (FPosition > NewSize) FPosition = NewSize;
}

void TovGPMemoryStream::Clear() {
    Realloc(0);
    FSize = 0;
    FPosition = 0;
}

// ---- TovGPStreamAdapter

HRESULT TovGPStreamAdapter::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
    if (pstatstg == nullptr) return S_OK;
    try {
        *pstatstg = STATSTG{};
        return TStreamAdapter::Stat(pstatstg, grfStatFlag);
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// ---- TovGPImageDataHelper

bool TovGPImageDataHelper::IsBitmapStream(TStream* AStream) {
    unsigned char header[14];
    std::int64_t read = 0;
    while (read < 14) {
        const std::int64_t n = AStream->Read(header + read, 14 - read);
        if (n <= 0) break;
        read += n;
    }
    AStream->Seek(-read, soCurrent);
    return read == 14 && header[0] == 'B' && header[1] == 'M';
}

// ---- TovGPImageData

void TovGPImageData::Clear() {
    Bits.clear();
    Bits.shrink_to_fit();
    BitsSize = TSize{};
    NewSize = TSize{};
    Data.reset();
}

void TovGPImageData::Assign(const TovGPImageData& ASource) {
    if (&ASource == this) return;
    Bits = ASource.Bits;
    BitsSize = ASource.BitsSize;
    NewSize = ASource.NewSize;
    Data = ovGpCopyToMemoryStream(ASource.Data.get());
}

std::unique_ptr<TovGPMemoryStream> ovGpCopyToMemoryStream(TStream* AStream) {
    if (AStream == nullptr) return nullptr;
    auto copy = std::make_unique<TovGPMemoryStream>();
    const std::int64_t position = AStream->Position();
    copy->CopyFrom(AStream, 0); // all of it, from the start
    AStream->SetPosition(position);
    copy->SetPosition(0);
    return copy;
}
