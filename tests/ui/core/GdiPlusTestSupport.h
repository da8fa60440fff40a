// Helpers of the tests of the library's imaging-interface classes and skins: pictures made from a pixel
// rule, entry points replaced for one test (restored when the scope ends), and the pixels of a bitmap.
#pragma once

#include "GraphicsTestSupport.h"

#include "platform/rtl/MemoryStream.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusImage.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace gdiplus_test {

// Straight (not premultiplied) B, G, R, A to the premultiplied pixel the imaging interface keeps.
constexpr std::uint32_t Premultiplied(int B, int G, int R, int A) {
    return graphics_test::Bgra(B * A / 255, G * A / 255, R * A / 255, A);
}

// A W x H image whose pixel (x, y) is APixel(x, y), premultiplied.
template <class T = TovPNGImage>
std::unique_ptr<T> MakeImage(int AWidth, int AHeight, const std::function<std::uint32_t(int, int)>& APixel) {
    TRGBColors bits(std::size_t(AWidth) * AHeight);
    for (int y = 0; y < AHeight; ++y)
        for (int x = 0; x < AWidth; ++x)
            bits[std::size_t(y) * AWidth + x] = APixel(x, y);
    return std::make_unique<T>(AWidth, AHeight, bits, true);
}

// The image encoded in a format, as bytes.
inline std::string Encoded(TovGPImage& AImage, TovImageDataFormat AFormat) {
    TMemoryStream stream;
    AImage.SaveToStreamByFormat(&stream, AFormat);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

// The premultiplied pixel (x, y) of an image.
inline std::uint32_t ImagePixel(const TovGPImage& AImage, int X, int Y) {
    const std::unique_ptr<TBitmap> bitmap = AImage.GetAsBitmap();
    return graphics_test::PixelAt(*bitmap, X, Y);
}

// Replaces one entry point of the binding for the life of the object.
template <class F> class TEntryPointOverride {
public:
    TEntryPointOverride(F& ASlot, F AReplacement) : FSlot(ASlot), FSaved(ASlot) { ASlot = AReplacement; }
    ~TEntryPointOverride() { FSlot = FSaved; }
    TEntryPointOverride(const TEntryPointOverride&) = delete;
    TEntryPointOverride& operator=(const TEntryPointOverride&) = delete;

private:
    F& FSlot;
    F FSaved;
};
template <class F> TEntryPointOverride(F&, F) -> TEntryPointOverride<F>;

// Makes loading the interface fail while it lives (the interface is shut down first, and again after).
class TMissingLibrary {
public:
    TMissingLibrary() {
        FreeGdiPlus();
        ovGpSetLibraryMissing(true);
    }
    ~TMissingLibrary() {
        ovGpSetLibraryMissing(false);
        FreeGdiPlus();
        LoadGdiPlus();
    }
};

} // namespace gdiplus_test
