// The objects behind the imaging library's opaque pointers (internal).
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/GdiRender.h"
#include "platform/gdi/Surface.h"

#include <memory>
#include <utility>
#include <vector>

// Every image is a bitmap held as premultiplied B, G, R, A pixels.
class TGpBitmapImpl : public GpBitmap {
public:
    TGpBitmapImpl(int width, int height) : Pixels(std::make_shared<TSurface>(width, height)) {}
    // Takes over decoded pixels.
    explicit TGpBitmapImpl(std::shared_ptr<TSurface> pixels) : Pixels(std::move(pixels)) {}
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

// Image codecs: decoding gives premultiplied pixels; encoding takes them.
namespace gdiplus_codecs {
TGpBitmapImpl* Decode(const std::vector<BYTE>& data, GpStatus& status);
GpStatus Encode(const TGpBitmapImpl& bitmap, const CLSID& encoder, std::vector<BYTE>& out);
TGpBitmapImpl* DecodeJpeg(const std::vector<BYTE>& data, GpStatus& status);
GpStatus EncodeJpeg(const TGpBitmapImpl& bitmap, std::vector<BYTE>& out);
} // namespace gdiplus_codecs
