#include "ui/core/base/BitmapBits.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Graphics.h"

#include <algorithm>
#include <cstring>

namespace bitmap_bits_detail {
// A memory DC compatible with the screen, for the lifetime of one call.
class TScreenMemoryDC {
public:
    TScreenMemoryDC() : FDC(CreateCompatibleDC(nullptr)) {}
    ~TScreenMemoryDC() {
        if (FDC != nullptr) DeleteDC(FDC);
    }
    TScreenMemoryDC(const TScreenMemoryDC&) = delete;
    TScreenMemoryDC& operator=(const TScreenMemoryDC&) = delete;
    HDC Handle() const { return FDC; }

private:
    HDC FDC;
};

// The pixels of a bitmap whose surface is at hand, without a DC: what GetDIBits and SetDIBits of 32 bits
// per pixel read and write, row for row. Null when the bitmap has no surface of its own size.
std::shared_ptr<TSurface> DirectSurface(TBitmap* ABitmap) {
    std::shared_ptr<TSurface> surface = GdiGetBitmapSurface(ABitmap->Handle());
    if (!surface || surface->Width() != ABitmap->Width() || surface->Height() != ABitmap->Height())
        return nullptr;
    return surface;
}
} // namespace bitmap_bits_detail

int ovGetBitsPerPixel(TBitmap* ABitmap) {
    // A device-dependent bitmap (or one of no known format) has the screen's depth.
    const TPixelFormat format = ABitmap->PixelFormat();
    const int bits = format == pfDevice ? 0 : PixelFormatBits(format);
    return bits != 0 ? bits : GetDeviceCaps(ABitmap->Canvas()->Handle(), BITSPIXEL);
}

void ovFillBitmapInfoHeader(BITMAPINFOHEADER& AHeader, int AWidth, int AHeight, bool ATopDown) {
    AHeader = BITMAPINFOHEADER{};
    AHeader.biSize = 40;
    AHeader.biWidth = AWidth;
    AHeader.biHeight = ATopDown ? -AHeight : AHeight;
    AHeader.biPlanes = 1;
    AHeader.biBitCount = 32;
    AHeader.biCompression = BI_RGB;
}

bool ovGetBitmapBits(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDown) {
    const int width = ABitmap->Width(), height = ABitmap->Height();
    if (width <= 0 || height <= 0) return false;
    AColors.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (auto surface = bitmap_bits_detail::DirectSurface(ABitmap)) {
        for (int i = 0; i < height; ++i)
            std::memcpy(AColors.data() + static_cast<size_t>(i) * static_cast<size_t>(width),
                        surface->Row(ATopDown ? i : height - 1 - i), static_cast<size_t>(width) * 4);
        return true;
    }
    std::fill(AColors.begin(), AColors.end(), 0u);
    bitmap_bits_detail::TScreenMemoryDC dc;
    BITMAPINFO info;
    ovFillBitmapInfoHeader(info.bmiHeader, width, height, ATopDown);
    HBITMAP handle = ABitmap->Handle();
    if (GetDIBits(dc.Handle(), handle, 0, static_cast<UINT>(height), AColors.data(), &info, DIB_RGB_COLORS) !=
        0)
        return true;
    // Row by row, each row i of the array from its own scan line.
    bool complete = true;
    std::vector<std::uint32_t> spare(static_cast<size_t>(width));
    for (int i = 0; i < height; ++i) {
        const UINT scan = static_cast<UINT>(ATopDown ? height - 1 - i : i);
        std::uint32_t* row = AColors.data() + static_cast<size_t>(i) * static_cast<size_t>(width);
        ovFillBitmapInfoHeader(info.bmiHeader, width, height, false);
        if (GetDIBits(dc.Handle(), handle, scan, 1, row, &info, DIB_RGB_COLORS) != 0) continue;
        std::fill(spare.begin(), spare.end(), 0u);
        if (GetDIBits(dc.Handle(), handle, scan, 1, spare.data(), &info, DIB_RGB_COLORS) == 0)
            complete = false;
        std::memcpy(row, spare.data(), spare.size() * sizeof(std::uint32_t));
    }
    return complete;
}

bool ovSetBitmapBits(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDown) {
    const int width = ABitmap->Width(), height = ABitmap->Height();
    if (width <= 0 || height <= 0) return false;
    if (AColors.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return false;
    if (auto surface = bitmap_bits_detail::DirectSurface(ABitmap); surface && !surface->IsMonochrome()) {
        for (int i = 0; i < height; ++i)
            std::memcpy(surface->Row(ATopDown ? i : height - 1 - i),
                        AColors.data() + static_cast<size_t>(i) * static_cast<size_t>(width),
                        static_cast<size_t>(width) * 4);
        return true;
    }
    bitmap_bits_detail::TScreenMemoryDC dc;
    BITMAPINFO info;
    ovFillBitmapInfoHeader(info.bmiHeader, width, height, ATopDown);
    return SetDIBits(dc.Handle(), ABitmap->Handle(), 0, static_cast<UINT>(height), AColors.data(), &info,
                     DIB_RGB_COLORS) != 0;
}

bool ovBitmapHasAlpha(TBitmap* ABitmap) {
    if (ovGetBitsPerPixel(ABitmap) <= 31) return false;
    TRGBColors colors;
    if (!ovGetBitmapBits(ABitmap, colors, false)) return false;
    return std::any_of(colors.begin(), colors.end(), [](std::uint32_t c) { return (c >> 24) != 0; });
}

bool ovGetBitmapData(HBITMAP AHandle, BITMAP& AData) {
    return GetObject(AHandle, sizeof(BITMAP), &AData) != 0;
}

bool ovGetBrushData(HBRUSH AHandle, LOGBRUSH& AData) {
    return GetObject(AHandle, sizeof(LOGBRUSH), &AData) != 0;
}

bool ovGetFontData(HFONT AHandle, LOGFONT& AData) {
    return GetObject(AHandle, sizeof(LOGFONT), &AData) != 0;
}
