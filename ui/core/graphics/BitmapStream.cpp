#include "ui/core/graphics/BitmapStream.h"

#include "platform/rtl/Stream.h"
#include "platform/vcl/Graphics.h"

#include <algorithm>
#include <cstring>

namespace xdbm {

namespace {

constexpr std::uint8_t LiteralBit = 0x80;
// No plain bitmap data of the library comes near this; it bounds what a body may inflate to before its
// own length prefix is known.
constexpr std::size_t FixedCap = std::size_t(1) << 30;

[[noreturn]] void Damaged() {
    throw EInvalidGraphic(SInvalidBitmap);
}

bool SameBlock(const std::uint8_t* AData, std::size_t A, std::size_t B, std::size_t ABlockSize) {
    return std::memcmp(AData + A * ABlockSize, AData + B * ABlockSize, ABlockSize) == 0;
}

std::uint32_t ReadLE32(const std::uint8_t* P) {
    return std::uint32_t(P[0]) | (std::uint32_t(P[1]) << 8) | (std::uint32_t(P[2]) << 16) |
           (std::uint32_t(P[3]) << 24);
}

void WriteLE(std::uint8_t* P, std::uint32_t AValue, int ABytes) {
    for (int i = 0; i < ABytes; ++i)
        P[i] = static_cast<std::uint8_t>(AValue >> (8 * i));
}

// Plain data grows only up to what its own length prefix declares.
class TBoundedOutput {
public:
    void Append(const std::uint8_t* AData, std::size_t ACount) {
        if (FData.size() + ACount > Limit()) Damaged();
        FData.insert(FData.end(), AData, AData + ACount);
    }
    std::size_t Limit() const {
        if (FData.size() < 4) return FixedCap;
        return std::min<std::size_t>(FixedCap, std::size_t(ReadLE32(FData.data())) + 4);
    }
    std::vector<std::uint8_t>& Data() { return FData; }

private:
    std::vector<std::uint8_t> FData;
};

} // namespace

std::vector<std::uint8_t> PackBlocks(const std::uint8_t* AData, std::size_t ACount, std::size_t ABlockSize) {
    std::vector<std::uint8_t> out;
    std::size_t i = 0;
    auto emit = [&](std::uint8_t AControl, std::size_t AFirst, std::size_t ABlocks) {
        out.push_back(AControl);
        out.insert(out.end(), AData + AFirst * ABlockSize, AData + (AFirst + ABlocks) * ABlockSize);
    };
    while (i < ACount) {
        if (i + 1 == ACount) {
            emit(LiteralBit | 1, i, 1);
            ++i;
        } else if (SameBlock(AData, i, i + 1, ABlockSize)) {
            std::size_t count = 2;
            while (i + count < ACount && count < MaxPacketBlocks &&
                   SameBlock(AData, i, i + count, ABlockSize))
                ++count;
            emit(static_cast<std::uint8_t>(count), i, 1);
            i += count;
        } else {
            // A literal run ends before a block that the next block repeats: that pair starts a repeat.
            std::size_t count = 1;
            while (i + count < ACount && count < MaxPacketBlocks) {
                if (SameBlock(AData, i + count, i + count - 1, ABlockSize)) {
                    --count;
                    break;
                }
                ++count;
            }
            emit(static_cast<std::uint8_t>(LiteralBit | count), i, count);
            i += count;
        }
    }
    return out;
}

std::vector<std::uint8_t> EncodeBody(const std::vector<std::uint8_t>& APlain, int ABlockSize) {
    const std::size_t blockSize = static_cast<std::size_t>(std::max(ABlockSize, 1));
    const std::size_t prefix = APlain.size() % blockSize;
    std::vector<std::uint8_t> body{static_cast<std::uint8_t>(blockSize), static_cast<std::uint8_t>(prefix)};
    body.insert(body.end(), APlain.begin(), APlain.begin() + static_cast<std::ptrdiff_t>(prefix));
    const std::vector<std::uint8_t> packets =
        PackBlocks(APlain.data() + prefix, (APlain.size() - prefix) / blockSize, blockSize);
    body.insert(body.end(), packets.begin(), packets.end());
    return body;
}

std::vector<std::uint8_t> DecodeBody(const std::uint8_t* ABody, std::size_t ASize, int AVersion) {
    if (AVersion != 1 && AVersion != 2) Damaged();
    const std::uint8_t* p = ABody;
    const std::uint8_t* end = ABody + ASize;
    TBoundedOutput out;
    std::size_t blockSize = 1;
    if (AVersion == 2) {
        if (end - p < 2) Damaged();
        blockSize = *p++;
        const std::size_t prefix = *p++;
        if (blockSize < 1 || blockSize > 4 || prefix >= blockSize) Damaged();
        if (static_cast<std::size_t>(end - p) < prefix) Damaged();
        out.Append(p, prefix);
        p += prefix;
    }
    while (p < end) {
        const std::uint8_t control = *p++;
        const std::size_t count = control & 0x7F;
        if (count == 0) Damaged();
        if (control & LiteralBit) {
            if (static_cast<std::size_t>(end - p) < count * blockSize) Damaged();
            out.Append(p, count * blockSize);
            p += count * blockSize;
        } else {
            if (static_cast<std::size_t>(end - p) < blockSize) Damaged();
            for (std::size_t k = 0; k < count; ++k)
                out.Append(p, blockSize);
            p += blockSize;
        }
    }
    // The plain data must be whole: its length prefix and exactly that many bytes.
    if (out.Data().size() < 4 || out.Data().size() != out.Limit()) Damaged();
    return std::move(out.Data());
}

void WriteCompressed(TStream* AStream, const std::vector<std::uint8_t>& APlain, int ABlockSize) {
    const std::vector<std::uint8_t> body = EncodeBody(APlain, ABlockSize);
    std::uint8_t header[HeaderSize];
    WriteLE(header, static_cast<std::uint32_t>(body.size()), 4);
    std::memcpy(header + 4, "XDBM", 4);
    WriteLE(header + 8, 2, 2);
    AStream->WriteBuffer(header, HeaderSize);
    if (!body.empty()) AStream->WriteBuffer(body.data(), static_cast<std::int64_t>(body.size()));
}

bool ReadCompressed(TStream* AStream, std::vector<std::uint8_t>& APlain) {
    const std::int64_t start = AStream->Position();
    std::uint8_t header[HeaderSize];
    if (AStream->Read(header, HeaderSize) != HeaderSize || std::memcmp(header + 4, "XDBM", 4) != 0) {
        AStream->SetPosition(start);
        return false;
    }
    const std::int32_t size = static_cast<std::int32_t>(ReadLE32(header));
    const int version = header[8] | (header[9] << 8);
    if (size < 0 || size > AStream->Size() - AStream->Position()) Damaged();
    std::vector<std::uint8_t> body(static_cast<std::size_t>(size));
    if (size > 0) AStream->ReadBuffer(body.data(), size);
    APlain = DecodeBody(body.data(), body.size(), version);
    return true;
}

} // namespace xdbm
