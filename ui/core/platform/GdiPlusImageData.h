// What a picture of the imaging interface keeps before it is decoded: premultiplied 32-bit pixels or the
// encoded bytes (in memory of the interface's allocator, which must outlive the decoded image because the
// interface reads a stream image lazily), the stream adapter images are loaded and saved through, and the
// test for BMP data.
#pragma once

#include "platform/rtl/Stream.h"
#include "platform/rtl/StreamAdapter.h"
#include "platform/rtl/WinTypes.h"
#include "ui/core/base/BitmapBits.h"

#include <cstdint>
#include <memory>

// A memory stream whose bytes come from the interface's allocator (from the ordinary one while the
// interface is missing, so that pictures still load and fail only when used); raises EStreamError "Out of
// memory while expanding memory stream" when the allocator has none to give.
class TovGPMemoryStream : public TStream {
public:
    TovGPMemoryStream() = default;
    ~TovGPMemoryStream() override;
    TovGPMemoryStream(const TovGPMemoryStream&) = delete;
    TovGPMemoryStream& operator=(const TovGPMemoryStream&) = delete;

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return FSize; }
    void SetSize(std::int64_t NewSize) override;

    void* Memory() const { return FMemory; }
    void Clear();

private:
    // Exactly ACapacity bytes (0 frees them), the old bytes kept up to the smaller size.
    void Realloc(std::int64_t ACapacity);

    unsigned char* FMemory = nullptr;
    bool FFromInterface = false;
    std::int64_t FSize = 0;
    std::int64_t FCapacity = 0;
    std::int64_t FPosition = 0;
};

// A stream adapter whose Stat also answers without a record to fill.
class TovGPStreamAdapter : public TStreamAdapter {
public:
    using TStreamAdapter::TStreamAdapter;
    HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
};

class TovGPImageDataHelper : public TObject {
public:
    // Whether the next 14 bytes (a BMP file header) start with "BM"; the stream's position is kept. Fewer
    // than 14 bytes are no BMP.
    static bool IsBitmapStream(TStream* AStream);
};

// The stored form of an image: at most one of Bits and Data is in use; empty when neither is.
class TovGPImageData : public TObject {
public:
    bool Empty() const { return Bits.empty() && !Data; }
    void Clear();
    // A copy of ASource's pixels, sizes and encoded bytes.
    void Assign(const TovGPImageData& ASource);

    TRGBColors Bits; // premultiplied, rows top-down
    TSize BitsSize{};
    TSize NewSize{}; // a size waiting for the image to be made, 0 x 0 when none
    std::unique_ptr<TovGPMemoryStream> Data;
};

// A new stream of the interface's memory holding all of AStream (its position is kept), positioned at 0;
// null for null.
std::unique_ptr<TovGPMemoryStream> ovGpCopyToMemoryStream(TStream* AStream);
