// The objects behind the imaging library's opaque pointers (internal).
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <memory>
#include <vector>

// Every image is a bitmap held as premultiplied B, G, R, A pixels.
class TGpBitmapImpl : public GpBitmap {
public:
    TGpBitmapImpl(int width, int height) : Pixels(std::make_shared<TSurface>(width, height)) {}
    std::shared_ptr<TSurface> Pixels;
    PixelFormat Format = PixelFormat32bppPARGB;
    GUID RawFormat = ImageFormatMemoryBMP;
};

inline TGpBitmapImpl* BitmapOf(GpImage* image) {
    return static_cast<TGpBitmapImpl*>(image);
}

class TGpSolidFillImpl : public GpSolidFill {
public:
    ARGB Color = 0;
};

class TGpLineGradientImpl : public GpLineGradient {
public:
    GpRect Rect;
    ARGB Color1 = 0, Color2 = 0;
    LinearGradientMode Mode = LinearGradientModeHorizontal;
    GpWrapMode Wrap = WrapModeTile;
};

class TGpTextureImpl : public GpTexture {
public:
    std::shared_ptr<TSurface> Pixels; // the tile, premultiplied
    GpWrapMode Wrap = WrapModeTile;
};

class GpImageAttributes {
public:
    bool MatrixEnabled = false;
    ColorMatrix Matrix{};
};

// Straight <-> premultiplied colours.
inline std::uint32_t Premultiply(ARGB c) {
    const std::uint32_t a = c >> 24;
    if (a == 255) return c;
    std::uint32_t out = a << 24;
    for (int ch = 0; ch < 3; ++ch)
        out |= ((((c >> (8 * ch)) & 0xFF) * a + 127) / 255) << (8 * ch);
    return out;
}
inline ARGB Unpremultiply(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    if (a == 255 || a == 0) return a == 0 ? 0 : p;
    std::uint32_t out = a << 24;
    for (int ch = 0; ch < 3; ++ch)
        out |= std::min<std::uint32_t>(255, (((p >> (8 * ch)) & 0xFF) * 255 + a / 2) / a) << (8 * ch);
    return out;
}

// Image codecs: decoding gives premultiplied pixels; encoding takes them.
namespace gdiplus_codecs {
TGpBitmapImpl* Decode(const std::vector<BYTE>& data, GpStatus& status);
GpStatus Encode(const TGpBitmapImpl& bitmap, const CLSID& encoder, std::vector<BYTE>& out);
} // namespace gdiplus_codecs
