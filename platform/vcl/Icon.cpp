#include "platform/vcl/Icon.h"

#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/LittleEndianBytes.h"
#include "platform/gdi/PngReader.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/vcl/Canvas.h"

#include <cstring>
#include <vector>

namespace icon_detail {

constexpr std::uint32_t kWhite = 0xFFFFFF;

using le_bytes::Put16;
using le_bytes::Put32;
using le_bytes::U16;
using le_bytes::U32;

bool HasAlpha(const TSurface& surface) {
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.Row(y)[x] >> 24) return true;
    return false;
}

struct TIconImage {
    std::shared_ptr<TSurface> Color;
    std::shared_ptr<TSurface> Mask;
};

// A mask that follows the alpha channel: transparent where alpha is 0.
std::shared_ptr<TSurface> MaskFromAlpha(const TSurface& color) {
    auto mask = std::make_shared<TSurface>(color.Width(), color.Height(), 1);
    for (int y = 0; y < color.Height(); ++y)
        for (int x = 0; x < color.Width(); ++x)
            mask->Row(y)[x] = (color.Row(y)[x] >> 24) == 0 ? kWhite : 0;
    return mask;
}

// Icon images stored as PNG: at most 1024 pixels a side.
TIconImage DecodePng(const std::uint8_t* data, std::size_t size) {
    std::shared_ptr<TSurface> color;
    if (png_reader::ReadPng(data, size, std::int64_t(1024) * 1024, color) != png_reader::TPngReadResult::Ok ||
        color->Width() > 1024 || color->Height() > 1024)
        throw EInvalidGraphic(SInvalidIcon);
    return {color, MaskFromAlpha(*color)};
}

TIconImage DecodeDib(const std::uint8_t* data, std::size_t size) {
    if (size < 16) throw EInvalidGraphic(SInvalidIcon);
    // The header's height covers the colour image and the mask together, stored bottom-up: a negative
    // height is no icon image.
    const auto storedHeight = static_cast<std::int32_t>(U32(data + 8));
    const int rows = storedHeight / 2;
    if (rows <= 0) throw EInvalidGraphic(SInvalidIcon);
    const auto header = dib_codec::ParseHeader(data, size, SInvalidIcon, rows);
    if (header.TopDown || header.Compression != BI_RGB) throw EInvalidGraphic(SInvalidIcon);
    const std::size_t colorBytes = dib_codec::RowBytes(header.Width, header.BitsPerPixel) * rows;
    const std::uint8_t* bits = data + header.HeaderSize;
    const std::size_t available = size - header.HeaderSize;
    auto color = dib_codec::DecodePixels(header, bits, available, SInvalidIcon);
    if (header.BitsPerPixel < 32) // only 32-bit images carry alpha
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < header.Width; ++x)
                color->Row(y)[x] &= 0xFFFFFF;
    const std::size_t maskRow = dib_codec::RowBytes(header.Width, 1);
    const bool alpha = HasAlpha(*color);
    if (available < colorBytes + maskRow * rows) {
        // Some writers leave out the mask of an image with alpha; without alpha it is required.
        if (!alpha) throw EInvalidGraphic(SInvalidIcon);
        return {color, MaskFromAlpha(*color)};
    }
    auto mask = std::make_shared<TSurface>(header.Width, rows, 1);
    const std::vector<RGBQUAD> blackWhite = dib_codec::DefaultPalette(1);
    for (int stored = 0; stored < rows; ++stored)
        dib_codec::UnpackRow(bits + colorBytes + maskRow * stored, header.Width, 1, false, blackWhite,
                             mask->Row(rows - 1 - stored));
    return {color, mask};
}

// Picks the image of the wanted size with the most colours, else the largest, and decodes it.
TIconImage ReadIconFile(const std::uint8_t* data, std::size_t size, int wantWidth, int wantHeight) {
    if (size < 6 || U16(data) != 0 || (U16(data + 2) != 1 && U16(data + 2) != 2))
        throw EInvalidGraphic(SInvalidIcon);
    const int count = U16(data + 4);
    if (count == 0 || size < 6 + 16u * count) throw EInvalidGraphic(SInvalidIcon);
    int best = -1;
    long bestScore = -1;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* entry = data + 6 + 16 * i;
        const int w = entry[0] == 0 ? 256 : entry[0], h = entry[1] == 0 ? 256 : entry[1];
        const std::uint32_t bytes = U32(entry + 8), offset = U32(entry + 12);
        if (offset >= size || bytes > size - offset || bytes == 0) continue;
        const int bits = U16(entry + 6);
        const long score =
            (w == wantWidth && h == wantHeight ? 1L << 40 : 0) + static_cast<long>(w) * h * 64 + bits;
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    if (best < 0) throw EInvalidGraphic(SInvalidIcon);
    const std::uint8_t* entry = data + 6 + 16 * best;
    const std::uint8_t* image = data + U32(entry + 12);
    const std::size_t bytes = U32(entry + 8);
    static const std::uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (bytes >= 8 && std::memcmp(image, PngSignature, 8) == 0) return DecodePng(image, bytes);
    return DecodeDib(image, bytes);
}

// One 32-bit image with its mask, as an icon file.
std::string WriteIconFile(const TSurface& color, const TSurface& mask) {
    const int w = color.Width(), h = color.Height();
    std::string image;
    Put32(image, 40);
    Put32(image, static_cast<std::uint32_t>(w));
    Put32(image, static_cast<std::uint32_t>(h * 2));
    Put16(image, 1);
    Put16(image, 32);
    Put32(image, BI_RGB);
    const std::size_t maskRow = dib_codec::RowBytes(w, 1);
    Put32(image, static_cast<std::uint32_t>((4u * w + maskRow) * h));
    for (int i = 0; i < 4; ++i)
        Put32(image, 0);
    for (int y = h - 1; y >= 0; --y)
        image.append(reinterpret_cast<const char*>(color.Row(y)), 4u * w);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(maskRow, '\0');
        for (int x = 0; x < w; ++x)
            if ((mask.Row(y)[x] & 0xFFFFFF) != 0)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        image += row;
    }
    std::string file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file.push_back(static_cast<char>(w >= 256 ? 0 : w));
    file.push_back(static_cast<char>(h >= 256 ? 0 : h));
    file.push_back(0);
    file.push_back(0);
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 6 + 16);
    return file + image;
}

} // namespace icon_detail

TIcon::TIcon() = default;

TIcon::~TIcon() {
    FreeHandle();
}

void TIcon::FreeHandle() {
    if (FHandle != nullptr) DestroyIcon(FHandle);
    FHandle = nullptr;
}

int TIcon::Width() const {
    return FColor ? FColor->Width() : 0;
}

int TIcon::Height() const {
    return FColor ? FColor->Height() : 0;
}

void TIcon::SetWidth(int Value) {
    if (!Empty()) {
        if (Value == Width()) return;
        throw EInvalidGraphicOperation(SChangeIconSize);
    }
    FRequestedWidth = Value;
}

void TIcon::SetHeight(int Value) {
    if (!Empty()) {
        if (Value == Height()) return;
        throw EInvalidGraphicOperation(SChangeIconSize);
    }
    FRequestedHeight = Value;
}

void TIcon::TakeImage(std::shared_ptr<TSurface> Color, std::shared_ptr<TSurface> Mask, std::string FileData) {
    FreeHandle();
    FColor = std::move(Color);
    FMask = std::move(Mask);
    FFileData = std::move(FileData);
    Changed(this);
}

void TIcon::Assign(TPersistent* Source) {
    if (Source == nullptr) {
        TakeImage(nullptr, nullptr, {});
        return;
    }
    if (auto* icon = dynamic_cast<TIcon*>(Source)) {
        if (icon == this) return;
        TakeImage(icon->FColor ? std::make_shared<TSurface>(*icon->FColor) : nullptr,
                  icon->FMask ? std::make_shared<TSurface>(*icon->FMask) : nullptr, icon->FFileData);
        return;
    }
    TGraphic::Assign(Source);
}

HICON TIcon::Handle() {
    if (FHandle == nullptr && FColor) {
        ICONINFO info;
        info.fIcon = TRUE;
        info.hbmColor = GdiCreateBitmapFromSurface(FColor);
        info.hbmMask = GdiCreateBitmapFromSurface(FMask);
        FHandle = CreateIconIndirect(&info);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    return FHandle;
}

void TIcon::SetHandle(HICON Value) {
    if (Value != nullptr && Value == FHandle) return;
    ICONINFO info;
    if (Value == nullptr || !GetIconInfo(Value, &info)) {
        TakeImage(nullptr, nullptr, {});
        return;
    }
    auto mask = GdiGetBitmapSurface(info.hbmMask);
    auto color = info.hbmColor != nullptr ? GdiGetBitmapSurface(info.hbmColor) : nullptr;
    std::shared_ptr<TSurface> colorCopy, maskCopy;
    if (color) {
        colorCopy = std::make_shared<TSurface>(*color);
        maskCopy = std::make_shared<TSurface>(*mask);
    } else if (mask) {
        // A monochrome icon keeps AND over XOR in one mask of twice the height.
        const int w = mask->Width(), h = mask->Height() / 2;
        colorCopy = std::make_shared<TSurface>(w, h);
        maskCopy = std::make_shared<TSurface>(w, h, 1);
        for (int y = 0; y < h; ++y) {
            std::memcpy(maskCopy->Row(y), mask->Row(y), 4u * w);
            std::memcpy(colorCopy->Row(y), mask->Row(y + h), 4u * w);
        }
    }
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    TakeImage(colorCopy, maskCopy, {});
    FHandle = Value;
}

HICON TIcon::ReleaseHandle() {
    HICON handle = Handle();
    FHandle = nullptr;
    TakeImage(nullptr, nullptr, {});
    return handle;
}

void TIcon::LoadFromStream(TStream* Stream) {
    const std::int64_t available = Stream->Size() - Stream->Position();
    std::string bytes(static_cast<std::size_t>(available > 0 ? available : 0), '\0');
    if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    auto image = icon_detail::ReadIconFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                           FRequestedWidth, FRequestedHeight);
    TakeImage(image.Color, image.Mask, std::move(bytes));
}

void TIcon::SaveToStream(TStream* Stream) {
    if (Empty()) return;
    const std::string file = FFileData.empty() ? icon_detail::WriteIconFile(*FColor, *FMask) : FFileData;
    Stream->WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const RECT& Rect) {
    if (Empty()) return;
    DrawIconEx(ACanvas->Handle(), Rect.left, Rect.top, Handle(), Rect.right - Rect.left,
               Rect.bottom - Rect.top, 0, nullptr, DI_NORMAL);
}
