#include "ui/core/skins/SkinStream.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <algorithm>
#include <cmath>
#include <vector>

TovSkinStreamVersion::TovSkinStreamVersion(double AVersion)
    : Hundredths(std::isfinite(AVersion) ? static_cast<int>(std::lround(std::clamp(AVersion, 0.0, 1e6) * 100))
                                         : 0) {}

void ovCheckStreamBytesLeft(TStream* AStream, std::int64_t ACount) {
    if (ACount > AStream->Size() - AStream->Position()) throw EReadError("Stream read error");
}

std::int32_t ReadIntegerFromStream(TStream* AStream) {
    unsigned char bytes[4];
    AStream->ReadBuffer(bytes, 4);
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                     (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
}

std::uint8_t ReadByteFromStream(TStream* AStream) {
    std::uint8_t value = 0;
    AStream->ReadBuffer(&value, 1);
    return value;
}

std::uint16_t ReadWordFromStream(TStream* AStream) {
    unsigned char bytes[2];
    AStream->ReadBuffer(bytes, 2);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint8_t ReadOrdinalFromStream(TStream* AStream, int ACount) {
    const std::uint8_t value = ReadByteFromStream(AStream);
    if (value >= ACount) throw EReadError("Stream read error");
    return value;
}

std::string ReadStringFromStream(TStream* AStream) {
    const std::int32_t length = ReadIntegerFromStream(AStream);
    if (length <= 0) return std::string();
    ovCheckStreamBytesLeft(AStream, length);
    std::string text(static_cast<std::size_t>(length), '\0');
    AStream->ReadBuffer(text.data(), length);
    return text;
}

std::string ReadWideStringFromStream(TStream* AStream) {
    const std::int32_t length = ReadIntegerFromStream(AStream);
    if (length <= 0) return std::string();
    ovCheckStreamBytesLeft(AStream, std::int64_t(length) * 2);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(length) * 2);
    AStream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return Utf16ToUtf8(text);
}

void ReadImageFromStream(TStream* AStream, TovGPImage* AImage) {
    const std::int32_t size = ReadIntegerFromStream(AStream);
    if (size <= 0) return;
    ovCheckStreamBytesLeft(AStream, size);
    const std::int64_t start = AStream->Position();
    // Whatever the picture's reader does with the window, the stream goes on after the block.
    const TovFinally next([&] { AStream->SetPosition(start + size); });
    TovSkinPartStream part(AStream, size, start);
    AImage->LoadFromStream(&part);
}

void WriteByteToStream(TStream* AStream, std::uint8_t AValue) {
    AStream->WriteBuffer(&AValue, 1);
}

void WriteWordToStream(TStream* AStream, std::uint16_t AValue) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(AValue),
                                    static_cast<unsigned char>(AValue >> 8)};
    AStream->WriteBuffer(bytes, 2);
}

void WriteStringToStream(TStream* AStream, const std::string& AValue) {
    ovWriteIntegerToStream(AStream, static_cast<std::int32_t>(AValue.size()));
    if (!AValue.empty()) AStream->WriteBuffer(AValue.data(), static_cast<std::int64_t>(AValue.size()));
}

void WriteWideStringToStream(TStream* AStream, const std::string& AValue) {
    const std::u16string text = Utf8ToUtf16(AValue);
    ovWriteIntegerToStream(AStream, static_cast<std::int32_t>(text.size()));
    std::vector<unsigned char> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    if (!bytes.empty()) AStream->WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void WriteImageToStream(TStream* AStream, TovGPImage* AImage) {
    TMemoryStream encoded;
    if (!AImage->Empty()) AImage->SaveToStreamByFormat(&encoded, dfPNG);
    ovWriteIntegerToStream(AStream, static_cast<std::int32_t>(encoded.Size()));
    if (encoded.Size() > 0) AStream->WriteBuffer(encoded.Memory(), encoded.Size());
}

// ---- TovSkinPartStream

TovSkinPartStream::TovSkinPartStream(TStream* ASource, std::int64_t ASize, std::int64_t AStart)
    : FEnd(AStart + ASize), FStart(AStart), FSource(ASource) {}

std::int64_t TovSkinPartStream::Read(void* Buffer, std::int64_t Count) {
    return FSource->Read(Buffer, Count);
}

std::int64_t TovSkinPartStream::Write(const void* Buffer, std::int64_t Count) {
    const std::int64_t written = FSource->Write(Buffer, Count);
    FEnd = FSource->Position();
    return written;
}

std::int64_t TovSkinPartStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    std::int64_t target;
    switch (Origin) {
    case soBeginning:
        target = FStart + Offset;
        break;
    case soEnd:
        target = FEnd + Offset;
        break;
    default:
        target = FSource->Position() + Offset;
        break;
    }
    target = std::clamp(target, FStart, std::max(FStart, FEnd));
    FSource->SetPosition(target);
    return FSource->Position() - FStart;
}
