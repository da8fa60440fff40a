// Graphics, brushes, image attributes and drawing of the imaging interface.
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiPlusObjects.h"
#include "platform/gdi/GdiRender.h"

#include <cmath>
#include <cstring>

class GpGraphics {
public:
    HDC Dc = nullptr;
    TGpBitmapImpl* Image = nullptr;
    InterpolationMode Interpolation = InterpolationModeDefault;
    CompositingMode Compositing = CompositingModeSourceOver;
};

namespace gdiplus_graphics_detail {

// Where a graphics draws: a surface, its clip (surface coordinates) and the world -> surface offset.
struct TTarget {
    std::shared_ptr<TDeviceContext> Dc;
    TSurface* Surface = nullptr;
    TBandedRegion Clip;
    int OffsetX = 0, OffsetY = 0;
};

bool Resolve(GpGraphics* g, TTarget& t) {
    if (g->Image) {
        t.Surface = g->Image->Pixels.get();
        t.Clip = TBandedRegion(RECT{0, 0, t.Surface->Width(), t.Surface->Height()});
        return true;
    }
    t.Dc = gdi_handles::Dc(g->Dc);
    if (!t.Dc || !t.Dc->Surface) return false;
    t.Surface = t.Dc->Surface.get();
    t.Clip = t.Dc->EffectiveClip();
    t.OffsetX = t.Dc->OffsetX();
    t.OffsetY = t.Dc->OffsetY();
    return true;
}

// A premultiplied source pixel composited onto a destination pixel; a monochrome target keeps to black
// and white.
inline std::uint32_t ComposePixel(std::uint32_t s, std::uint32_t d, bool copy, bool mono) {
    const std::uint32_t v = copy ? s : gdi_render::SourceOver(s, d);
    return mono ? gdi_render::MonoOf(v) : v;
}

// Composites n source pixels onto a row; an opaque run over a colour surface is a copy.
inline void ComposeSpan(std::uint32_t* dst, const std::uint32_t* src, int n, bool copy, bool mono) {
    if (!mono && (copy || std::all_of(src, src + n, [](std::uint32_t p) { return (p >> 24) == 255; }))) {
        std::memcpy(dst, src, std::size_t(n) * sizeof(std::uint32_t));
        return;
    }
    for (int i = 0; i < n; ++i)
        dst[i] = ComposePixel(src[i], dst[i], copy, mono);
}

// Calls spanAt(worldX, worldY, n, dst, copy, mono) for every run of surface pixels of the world rectangle
// inside the clip; it composites the n pixels from (worldX, worldY) onto dst.
template <class SpanAt>
void PaintSpans(GpGraphics* g, TTarget& t, int x, int y, int w, int h, SpanAt spanAt) {
    const RECT area{x + t.OffsetX, y + t.OffsetY, x + w + t.OffsetX, y + h + t.OffsetY};
    const bool copy = g->Compositing == CompositingModeSourceCopy;
    const bool mono = t.Surface->IsMonochrome();
    for (const RECT& c : t.Clip.Rects()) {
        const RECT r = IntersectRectR(c, area);
        if (IsRectEmptyR(r)) continue;
        for (int py = r.top; py < r.bottom; ++py)
            spanAt(r.left - t.OffsetX, py - t.OffsetY, r.right - r.left, t.Surface->Row(py) + r.left, copy,
                   mono);
    }
}

// Calls colorAt(x, y) -> premultiplied colour for every surface pixel of the world rectangle inside the
// clip, and composites the result.
template <class ColorAt> void Paint(GpGraphics* g, TTarget& t, int x, int y, int w, int h, ColorAt colorAt) {
    PaintSpans(g, t, x, y, w, h, [&](int wx, int wy, int n, std::uint32_t* dst, bool copy, bool mono) {
        for (int i = 0; i < n; ++i)
            dst[i] = ComposePixel(colorAt(wx + i, wy), dst[i], copy, mono);
    });
}

bool IsIdentityExceptAlpha(const ColorMatrix& m) {
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            if (i == 3 && j == 3) continue;
            if (m.m[i][j] != (i == j ? 1.0f : 0.0f)) return false;
        }
    return true;
}

std::uint32_t ApplyMatrix(std::uint32_t premultiplied, const ColorMatrix& m) {
    const ARGB c = gdi_render::Unpremultiply(premultiplied);
    const float in[5] = {float((c >> 16) & 0xFF), float((c >> 8) & 0xFF), float(c & 0xFF), float(c >> 24),
                         255.0f};
    float out[4];
    for (int i = 0; i < 4; ++i) {
        float v = 0;
        for (int j = 0; j < 5; ++j)
            v += in[j] * m.m[j][i];
        out[i] = std::clamp(v, 0.0f, 255.0f);
    }
    const ARGB straight = (ARGB(std::lround(out[3])) << 24) | (ARGB(std::lround(out[0])) << 16) |
                          (ARGB(std::lround(out[1])) << 8) | ARGB(std::lround(out[2]));
    return gdi_render::Premultiply(straight);
}

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t out = 0;
    for (int ch = 0; ch < 4; ++ch) {
        const double va = (a >> (8 * ch)) & 0xFF, vb = (b >> (8 * ch)) & 0xFF;
        out |= std::uint32_t(std::lround(va + (vb - va) * t)) << (8 * ch);
    }
    return out;
}

// Samples the source rectangle of an image for destination pixel (i, j) of a dw x dh destination.
class TSampler {
public:
    TSampler(const TSurface& image, int sx, int sy, int sw, int sh, int dw, int dh, InterpolationMode mode)
        : FImage(image), FSx(sx), FSy(sy), FSw(sw), FSh(sh), FDw(dw), FDh(dh) {
        FNearest = mode == InterpolationModeNearestNeighbor || (sw == dw && sh == dh);
        FBox = !FNearest && (sw > dw || sh > dh);
    }
    std::uint32_t At(int i, int j) const {
        if (FNearest) {
            const int x = FSx + int((2 * std::int64_t(i) + 1) * FSw / (2 * std::int64_t(FDw)));
            const int y = FSy + int((2 * std::int64_t(j) + 1) * FSh / (2 * std::int64_t(FDh)));
            return Pixel(x, y);
        }
        if (FBox) {
            // Area average over the covered source box.
            const double x0 = FSx + double(i) * FSw / FDw, x1 = FSx + double(i + 1) * FSw / FDw;
            const double y0 = FSy + double(j) * FSh / FDh, y1 = FSy + double(j + 1) * FSh / FDh;
            double sum[4] = {0, 0, 0, 0}, weight = 0;
            for (int y = int(std::floor(y0)); y < int(std::ceil(y1)); ++y) {
                const double wy = std::min(y1, y + 1.0) - std::max(y0, double(y));
                for (int x = int(std::floor(x0)); x < int(std::ceil(x1)); ++x) {
                    const double wgt = wy * (std::min(x1, x + 1.0) - std::max(x0, double(x)));
                    const std::uint32_t p = Pixel(x, y);
                    for (int ch = 0; ch < 4; ++ch)
                        sum[ch] += wgt * ((p >> (8 * ch)) & 0xFF);
                    weight += wgt;
                }
            }
            std::uint32_t out = 0;
            for (int ch = 0; ch < 4; ++ch)
                out |= std::uint32_t(std::lround(sum[ch] / weight)) << (8 * ch);
            return out;
        }
        // Bilinear on the default pixel grid: destination pixel i samples the source at sx + i * sw / dw,
        // so the near edge takes exactly the part's first pixel and never its neighbour before it. The
        // far edge reaches one pixel past the part; callers that must not blend in the picture's next
        // pixel draw one pixel less of the part (its last pixel is then the one reached).
        const double fx = FSx + double(i) * FSw / FDw, fy = FSy + double(j) * FSh / FDh;
        const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
        const double tx = fx - x0, ty = fy - y0;
        const std::uint32_t top = Lerp(Pixel(x0, y0), Pixel(x0 + 1, y0), tx);
        const std::uint32_t bottom = Lerp(Pixel(x0, y0 + 1), Pixel(x0 + 1, y0 + 1), tx);
        return Lerp(top, bottom, ty);
    }

private:
    std::uint32_t Pixel(int x, int y) const {
        x = std::clamp(x, 0, FImage.Width() - 1);
        y = std::clamp(y, 0, FImage.Height() - 1);
        return FImage.Row(y)[x];
    }
    const TSurface& FImage;
    int FSx, FSy, FSw, FSh, FDw, FDh;
    bool FNearest = true, FBox = false;
};

} // namespace gdiplus_graphics_detail

GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics) {
    if (!graphics || !gdi_handles::Dc(dc)) return InvalidParameter;
    auto* g = new GpGraphics;
    g->Dc = dc;
    *graphics = g;
    return Ok;
}

GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
    if (!image || !graphics) return InvalidParameter;
    auto* g = new GpGraphics;
    g->Image = BitmapOf(image);
    *graphics = g;
    return Ok;
}

GpStatus GdipDeleteGraphics(GpGraphics* graphics) {
    if (!graphics) return InvalidParameter;
    delete graphics;
    return Ok;
}

GpStatus GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode) {
    if (!graphics || mode < InterpolationModeDefault || mode > InterpolationModeHighQualityBicubic)
        return InvalidParameter;
    graphics->Interpolation = mode;
    return Ok;
}

GpStatus GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode) {
    if (!graphics || (mode != CompositingModeSourceOver && mode != CompositingModeSourceCopy))
        return InvalidParameter;
    graphics->Compositing = mode;
    return Ok;
}

GpStatus GdipIsVisibleRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height, BOOL* result) {
    if (!graphics || !result) return InvalidParameter;
    gdiplus_graphics_detail::TTarget t;
    if (!gdiplus_graphics_detail::Resolve(graphics, t)) return InvalidParameter;
    const RECT r{x + t.OffsetX, y + t.OffsetY, x + width + t.OffsetX, y + height + t.OffsetY};
    *result = width > 0 && height > 0 && t.Clip.Overlaps(r) ? TRUE : FALSE;
    return Ok;
}

GpStatus GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstX, INT dstY, INT dstWidth,
                                INT dstHeight, INT srcX, INT srcY, INT srcWidth, INT srcHeight,
                                GpUnit srcUnit, const GpImageAttributes* attributes, DrawImageAbort, void*) {
    using namespace gdiplus_graphics_detail;
    if (!graphics || !image || srcUnit != UnitPixel) return InvalidParameter;
    if (dstWidth <= 0 || dstHeight <= 0 || srcWidth <= 0 || srcHeight <= 0) return Ok;
    TTarget t;
    if (!Resolve(graphics, t)) return InvalidParameter;
    const TSurface& source = *BitmapOf(image)->Pixels;
    const bool matrix = attributes && attributes->MatrixEnabled;
    if (!matrix && srcWidth == dstWidth && srcHeight == dstHeight && srcX >= 0 && srcY >= 0 &&
        srcX + srcWidth <= source.Width() && srcY + srcHeight <= source.Height()) {
        // A part drawn at its own size, as cells and cached pictures are: its pixels as they are.
        PaintSpans(graphics, t, dstX, dstY, dstWidth, dstHeight,
                   [&](int x, int y, int n, std::uint32_t* dst, bool copy, bool mono) {
                       ComposeSpan(dst, source.Row(srcY + y - dstY) + srcX + x - dstX, n, copy, mono);
                   });
        return Ok;
    }
    const TSampler sampler(source, srcX, srcY, srcWidth, srcHeight, dstWidth, dstHeight,
                           graphics->Interpolation);
    const bool alphaOnly = matrix && IsIdentityExceptAlpha(attributes->Matrix);
    const float alphaScale = matrix ? attributes->Matrix.m[3][3] : 1.0f;
    const std::uint32_t scale = std::uint32_t(std::lround(std::clamp(alphaScale, 0.0f, 1.0f) * 256));
    Paint(graphics, t, dstX, dstY, dstWidth, dstHeight, [&](int x, int y) {
        std::uint32_t p = sampler.At(x - dstX, y - dstY);
        if (!matrix) return p;
        if (!alphaOnly) return ApplyMatrix(p, attributes->Matrix);
        // Premultiplied pixels scale as a whole with the alpha.
        std::uint32_t out = 0;
        for (int ch = 0; ch < 4; ++ch)
            out |= ((((p >> (8 * ch)) & 0xFF) * scale) >> 8) << (8 * ch);
        return out;
    });
    return Ok;
}

GpStatus GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width, INT height) {
    if (!image) return InvalidParameter;
    const TSurface& s = *BitmapOf(image)->Pixels;
    return GdipDrawImageRectRectI(graphics, image, x, y, width, height, 0, 0, s.Width(), s.Height(),
                                  UnitPixel, nullptr, nullptr, nullptr);
}

GpStatus GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height) {
    using namespace gdiplus_graphics_detail;
    if (!graphics || !brush) return InvalidParameter;
    if (width <= 0 || height <= 0) return Ok;
    TTarget t;
    if (!Resolve(graphics, t)) return InvalidParameter;
    if (auto* solid = dynamic_cast<TGpSolidFillImpl*>(brush)) {
        const std::uint32_t color = gdi_render::Premultiply(solid->Color);
        Paint(graphics, t, x, y, width, height, [&](int, int) { return color; });
    } else if (auto* gradient = dynamic_cast<TGpLineGradientImpl*>(brush)) {
        const GpRect r = gradient->Rect;
        Paint(graphics, t, x, y, width, height, [&](int px, int py) {
            const double u = (px + 0.5 - r.X) / r.Width, v = (py + 0.5 - r.Y) / r.Height;
            double along = 0;
            switch (gradient->Mode) {
            case LinearGradientModeHorizontal:
                along = u;
                break;
            case LinearGradientModeVertical:
                along = v;
                break;
            case LinearGradientModeForwardDiagonal:
                along = (u + v) / 2;
                break;
            default:
                along = ((1 - u) + v) / 2;
                break;
            }
            if (gradient->Wrap == WrapModeClamp) {
                along = std::clamp(along, 0.0, 1.0);
            } else {
                const double period = std::floor(along);
                along -= period; // tiled; the flipping modes mirror every other period
                if (gradient->Wrap != WrapModeTile && (std::int64_t(period) & 1)) along = 1 - along;
            }
            return gdi_render::Premultiply(Lerp(gradient->Color1, gradient->Color2, along));
        });
    } else if (auto* texture = dynamic_cast<TGpTextureImpl*>(brush)) {
        const TSurface& tile = *texture->Pixels;
        auto wrap = [](int v, int size) {
            v %= size;
            return v < 0 ? v + size : v;
        };
        // Each row is the tile's row repeated: composed in runs of whole tile rows; an opaque row is laid
        // once and then doubled by copying what is laid.
        PaintSpans(graphics, t, x, y, width, height,
                   [&](int px, int py, int n, std::uint32_t* dst, bool copy, bool mono) {
                       const std::uint32_t* tileRow = tile.Row(wrap(py, tile.Height()));
                       const int period = tile.Width(), phase = wrap(px, period);
                       const bool opaque =
                           !mono && (copy || std::all_of(tileRow, tileRow + period,
                                                         [](std::uint32_t p) { return (p >> 24) == 255; }));
                       // An opaque row lays one period only, so that what is laid starts each period.
                       const int toLay = opaque ? std::min(n, period) : n;
                       int laid = 0;
                       for (int tx = phase; laid < toLay; tx = 0) {
                           const int run = std::min(toLay - laid, period - tx);
                           ComposeSpan(dst + laid, tileRow + tx, run, copy, mono);
                           laid += run;
                       }
                       for (; laid < n; laid += std::min(laid, n - laid))
                           std::memcpy(dst + laid, dst,
                                       std::size_t(std::min(laid, n - laid)) * sizeof(std::uint32_t));
                   });
    } else {
        return InvalidParameter;
    }
    return Ok;
}

GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush) {
    if (!brush) return InvalidParameter;
    auto* b = new TGpSolidFillImpl;
    b->Color = color;
    *brush = b;
    return Ok;
}

GpStatus GdipCreateLineBrushFromRectI(const GpRect* rect, ARGB color1, ARGB color2, LinearGradientMode mode,
                                      GpWrapMode wrap, GpLineGradient** brush) {
    if (!rect || !brush || rect->Width <= 0 || rect->Height <= 0) return InvalidParameter;
    if (mode < LinearGradientModeHorizontal || mode > LinearGradientModeBackwardDiagonal)
        return InvalidParameter;
    auto* b = new TGpLineGradientImpl;
    b->Rect = *rect;
    b->Color1 = color1;
    b->Color2 = color2;
    b->Mode = mode;
    b->Wrap = wrap;
    *brush = b;
    return Ok;
}

GpStatus GdipCreateTexture2I(GpImage* image, GpWrapMode wrap, INT x, INT y, INT width, INT height,
                             GpTexture** brush) {
    if (!image || !brush || width <= 0 || height <= 0) return InvalidParameter;
    const TSurface& s = *BitmapOf(image)->Pixels;
    if (x < 0 || y < 0 || x + width > s.Width() || y + height > s.Height()) return OutOfMemory;
    auto* b = new TGpTextureImpl;
    b->Pixels = std::make_shared<TSurface>(width, height);
    for (int row = 0; row < height; ++row)
        std::copy(s.Row(y + row) + x, s.Row(y + row) + x + width, b->Pixels->Row(row));
    b->Wrap = wrap;
    *brush = b;
    return Ok;
}

GpStatus GdipDeleteBrush(GpBrush* brush) {
    if (!brush) return InvalidParameter;
    delete brush;
    return Ok;
}

GpStatus GdipCreateImageAttributes(GpImageAttributes** attributes) {
    if (!attributes) return InvalidParameter;
    *attributes = new GpImageAttributes;
    return Ok;
}

GpStatus GdipDisposeImageAttributes(GpImageAttributes* attributes) {
    if (!attributes) return InvalidParameter;
    delete attributes;
    return Ok;
}

GpStatus GdipSetImageAttributesColorMatrix(GpImageAttributes* attributes, ColorAdjustType, BOOL enable,
                                           const ColorMatrix* matrix, const ColorMatrix*, ColorMatrixFlags) {
    if (!attributes || (enable && !matrix)) return InvalidParameter;
    attributes->MatrixEnabled = enable != FALSE;
    if (matrix) attributes->Matrix = *matrix;
    return Ok;
}
