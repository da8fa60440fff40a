#include "skin/data/SkinStream.h"

#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/LittleEndianBytes.h"

#include <cstdlib>
#include <cstring>

namespace {

// The pixels all pictures of one skin may have together: a damaged stream of a few kilobytes must not
// make the reader ask for gigabytes (run-length pictures can claim a huge size in very few bytes).
constexpr std::int64_t SkinPixelBudget = std::int64_t(1) << 26;

constexpr std::int64_t FileHeaderSize = 14;
constexpr std::int64_t CoreHeaderSize = 12;

[[noreturn]] void InvalidPicture() {
    throw EInvalidGraphic(SInvalidBitmap);
}

// The pixel count a BMP image's info header claims.
std::int64_t ClaimedPixels(const std::uint8_t* Image) {
    const std::uint32_t headerSize = le_bytes::U32(Image + FileHeaderSize);
    if (headerSize == CoreHeaderSize)
        return std::int64_t(le_bytes::U16(Image + FileHeaderSize + 4)) *
               le_bytes::U16(Image + FileHeaderSize + 6);
    const auto width = std::int32_t(le_bytes::U32(Image + FileHeaderSize + 4));
    const auto height = std::int32_t(le_bytes::U32(Image + FileHeaderSize + 8));
    return std::llabs(std::int64_t(width)) * std::llabs(std::int64_t(height));
}

// Cuts one BMP image out of the stream (its file header gives its length, and the class library's
// reader would otherwise take everything up to the end of the stream) and decodes it, charging its
// pixels to Budget.
void ReadBitmapImage(TStream& Stream, TBitmap& Bitmap, std::int64_t& Budget) {
    std::uint8_t header[FileHeaderSize + CoreHeaderSize];
    Stream.ReadBuffer(header, sizeof header);
    if (header[0] != 'B' || header[1] != 'M') InvalidPicture();
    const std::int64_t length = le_bytes::U32(header + 2);
    const std::int64_t left = Stream.Size() - Stream.Position();
    if (length < std::int64_t(sizeof header) || length - std::int64_t(sizeof header) > left) InvalidPicture();
    TMemoryStream image;
    image.SetSize(length);
    std::memcpy(image.Memory(), header, sizeof header);
    Stream.ReadBuffer(static_cast<std::uint8_t*>(image.Memory()) + sizeof header,
                      length - std::int64_t(sizeof header));
    const std::uint8_t* bytes = static_cast<const std::uint8_t*>(image.Memory());
    Budget -= ClaimedPixels(bytes);
    if (Budget < 0) InvalidPicture();
    image.SetPosition(0);
    Bitmap.LoadFromStream(&image);
}

void ReadOptionalPicture(TStream& Stream, TBitmap& Bitmap, std::int64_t& Budget) {
    std::uint8_t empty = 1;
    Stream.ReadBuffer(&empty, 1);
    if (empty != 0)
        Bitmap.SetSize(0, 0);
    else
        ReadBitmapImage(Stream, Bitmap, Budget);
}

} // namespace

TBitmap* TskSkinPictureSet::ActivePicture(int Index) const {
    if (Index < 0 || Index >= ActivePictureCount()) return nullptr;
    return ActivePictures[std::size_t(Index)].get();
}

void TskSkinPictureSet::Clear() {
    for (TBitmap* picture : {&Picture, &InactivePicture, &Mask, &RollUpPicture, &RollUpMask})
        picture->SetSize(0, 0);
    ActivePictures.clear();
}

void WriteSkinPicture(TStream& Stream, TBitmap& Bitmap) {
    const std::uint8_t flag = Bitmap.Empty() ? 1 : 0;
    Stream.WriteBuffer(&flag, 1);
    if (!Bitmap.Empty()) Bitmap.SaveToStream(&Stream);
}

void WriteSkinStream(TStream& Stream, TskSkinPictureSet& Pictures, const TStrings& Text, int Version) {
    WriteSkinInt32(Stream, Version);
    WriteSkinPicture(Stream, Pictures.Picture);
    if (SkinStreamHasInactivePicture(Version)) WriteSkinPicture(Stream, Pictures.InactivePicture);
    WriteSkinPicture(Stream, Pictures.Mask);
    if (SkinStreamHasRollUpPictures(Version)) {
        WriteSkinPicture(Stream, Pictures.RollUpPicture);
        WriteSkinPicture(Stream, Pictures.RollUpMask);
    }
    WriteSkinInt32(Stream, Pictures.ActivePictureCount());
    for (auto& picture : Pictures.ActivePictures)
        picture->SaveToStream(&Stream);
    for (int i = 0; i < Text.Count(); ++i) {
        const std::string line = Text.Strings(i) + "\r\n";
        Stream.WriteBuffer(line.data(), std::int64_t(line.size()));
    }
}

int ReadSkinStream(TStream& Stream, TskSkinPictureSet& Pictures, std::string& Text) {
    Pictures.Clear();
    Text.clear();
    std::int32_t version = 0;
    if (!ReadSkinInt32(Stream, version)) throw EReadError("Stream read error");
    if (version > SkinStreamHighestVersion) return version;
    std::int64_t budget = SkinPixelBudget;
    ReadOptionalPicture(Stream, Pictures.Picture, budget);
    if (SkinStreamHasInactivePicture(version)) ReadOptionalPicture(Stream, Pictures.InactivePicture, budget);
    ReadOptionalPicture(Stream, Pictures.Mask, budget);
    if (SkinStreamHasRollUpPictures(version)) {
        ReadOptionalPicture(Stream, Pictures.RollUpPicture, budget);
        ReadOptionalPicture(Stream, Pictures.RollUpMask, budget);
    }
    std::int32_t count = 0;
    if (!ReadSkinInt32(Stream, count)) throw EReadError("Stream read error");
    for (int i = 0; i < count && Stream.Position() < Stream.Size(); ++i) {
        auto picture = std::make_unique<TBitmap>();
        ReadBitmapImage(Stream, *picture, budget);
        Pictures.ActivePictures.push_back(std::move(picture));
    }
    const std::int64_t left = Stream.Size() - Stream.Position();
    if (left > 0) {
        Text.resize(std::size_t(left));
        Stream.ReadBuffer(Text.data(), left);
    }
    return version;
}

void ReadSkinBitmap(TStream& Stream, TBitmap& Bitmap) {
    std::int64_t budget = SkinPixelBudget;
    ReadBitmapImage(Stream, Bitmap, budget);
}

bool ReadSkinInt32(TStream& Stream, std::int32_t& Value) {
    std::uint8_t bytes[4];
    if (Stream.Read(bytes, 4) != 4) return false;
    Value = std::int32_t(le_bytes::U32(bytes));
    return true;
}

void WriteSkinInt32(TStream& Stream, std::int32_t Value) {
    const auto v = std::uint32_t(Value);
    const std::uint8_t bytes[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                   std::uint8_t(v >> 24)};
    Stream.WriteBuffer(bytes, 4);
}
