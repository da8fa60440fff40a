// The image list's stored properties: "FormatVersion", "DesignInfo" and the "ImageInfo" items (the
// layout is described in ImageList.h).
#include "ui/core/graphics/ImageList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Stream.h"
#include "ui/core/graphics/Bitmaps.h"

#include <cstdint>
#include <string>

namespace image_list_stream_detail {

constexpr std::int32_t FormatVersion = 1;

void WriteInt32(TStream* AStream, std::int32_t AValue) {
    const auto v = static_cast<std::uint32_t>(AValue);
    const std::uint8_t bytes[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                                   std::uint8_t(v >> 24)};
    AStream->WriteBuffer(bytes, 4);
}

std::int32_t ReadInt32(TStream* AStream) {
    std::uint8_t bytes[4];
    AStream->ReadBuffer(bytes, 4);
    return static_cast<std::int32_t>(std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) |
                                     (std::uint32_t(bytes[2]) << 16) | (std::uint32_t(bytes[3]) << 24));
}

void WriteName(TStream* AStream, const std::string& AName) {
    const auto length = static_cast<std::uint8_t>(AName.size());
    AStream->WriteBuffer(&length, 1);
    if (length > 0) AStream->WriteBuffer(AName.data(), length);
}

std::string ReadName(TStream* AStream) {
    std::uint8_t length = 0;
    AStream->ReadBuffer(&length, 1);
    std::string name(length, '\0');
    if (length > 0) AStream->ReadBuffer(name.data(), length);
    return name;
}

[[noreturn]] void UnknownProperty(const std::string& AName) {
    throw EReadError("Property " + AName + " does not exist");
}

void WriteBitmapData(TStream* AStream, const std::string& AName, TuiBitmap* ABitmap) {
    if (ABitmap->Empty()) return;
    TMemoryStream data;
    ABitmap->WriteData(&data);
    WriteName(AStream, AName);
    WriteInt32(AStream, static_cast<std::int32_t>(data.Size()));
    AStream->WriteBuffer(data.Memory(), data.Size());
}

void ReadBitmapData(TStream* AStream, TBitmap* ABitmap) {
    const std::int32_t size = ReadInt32(AStream);
    if (size < 0 || size > AStream->Size() - AStream->Position()) throw EReadError("Stream read error");
    TMemoryStream data;
    data.CopyFrom(AStream, size);
    data.SetPosition(0);
    ABitmap->ReadData(&data);
}

void WriteItem(TStream* AStream, TuiImageInfoItem* AItem) {
    TuiImageInfo* info = AItem->ImageInfo();
    WriteBitmapData(AStream, "Image.Data", info->Image());
    WriteBitmapData(AStream, "Mask.Data", info->Mask());
    if (info->MaskColor() != clNone) {
        WriteName(AStream, "MaskColor");
        WriteInt32(AStream, info->MaskColor());
    }
    WriteName(AStream, "");
}

void ReadItem(TStream* AStream, TuiImageInfoItem* AItem) {
    for (std::string name = ReadName(AStream); !name.empty(); name = ReadName(AStream)) {
        if (name == "Image.Data")
            ReadBitmapData(AStream, AItem->Image());
        else if (name == "Mask.Data")
            ReadBitmapData(AStream, AItem->Mask());
        else if (name == "MaskColor")
            AItem->SetMaskColor(ReadInt32(AStream));
        else
            UnknownProperty(name);
    }
}

} // namespace image_list_stream_detail

void TuiImageList::WriteProperties(TStream* AStream) {
    using namespace image_list_stream_detail;
    WriteName(AStream, "FormatVersion");
    WriteInt32(AStream, FormatVersion);
    WriteName(AStream, "DesignInfo");
    WriteInt32(AStream, FDesignValue);
    if (Count() > 0) {
        WriteName(AStream, "ImageInfo");
        WriteInt32(AStream, FStored->Count());
        for (int i = 0; i < FStored->Count(); ++i)
            WriteItem(AStream, FStored->Items(i));
    }
    WriteName(AStream, "");
}

void TuiImageList::ReadProperties(TStream* AStream) {
    using namespace image_list_stream_detail;
    // Everything is read before anything changes, so a damaged stream leaves the list as it was.
    int version = FStreamVersion, design = FDesignValue;
    TuiImageInfoCollection incoming(this);
    incoming.SetCompressData(CompressData());
    bool hasImages = false;
    for (std::string name = ReadName(AStream); !name.empty(); name = ReadName(AStream)) {
        if (name == "FormatVersion") {
            version = ReadInt32(AStream);
        } else if (name == "DesignInfo") {
            design = ReadInt32(AStream);
        } else if (name == "ImageInfo") {
            const std::int32_t count = ReadInt32(AStream);
            // Every item takes at least its closing byte.
            if (count < 0 || count > AStream->Size() - AStream->Position())
                throw EReadError("Stream read error");
            incoming.Clear();
            for (std::int32_t i = 0; i < count; ++i)
                ReadItem(AStream, static_cast<TuiImageInfoItem*>(incoming.TCollection::Add()));
            hasImages = true;
        } else {
            UnknownProperty(name);
        }
    }
    FStreamVersion = version;
    FDesignValue = design;
    if (!hasImages) return;
    FStored->Assign(&incoming);
    RebuildSystemImages();
}
