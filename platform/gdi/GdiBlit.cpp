// Blits, stretching, alpha blending, transparent blits, gradients, pixels and rectangle fills.
#include "platform/gdi/GdiBlit.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRender.h"

#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace gdi_blit_detail {

using gdi_render::TBrushSampler;

// A source picture already converted to the destination's format, one pixel per destination pixel.
struct TSourceImage {
    int Width = 0, Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::vector<std::uint8_t> Valid; // 0 where the source lies outside its surface
    std::uint32_t At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
    bool IsValid(int x, int y) const { return Valid[std::size_t(y) * Width + x] != 0; }
};

// Converts one source pixel for the destination (monochrome <-> colour rules of the desktop API).
struct TColorConversion {
    bool MonoToColor = false, ColorToMono = false;
    std::uint32_t Fore = 0, Back = 0; // destination text / background colour (for a monochrome source)
    std::uint32_t SourceBack = 0;     // source background colour (for a monochrome destination)
    std::uint32_t operator()(std::uint32_t p) const {
        if (MonoToColor) return (p & 0xFFFFFF) ? Back : Fore;
        if (ColorToMono) return (p & 0xFFFFFF) == SourceBack ? 0xFFFFFFu : 0u;
        return p;
    }
};

TColorConversion ConversionFor(const TDeviceContext& dst, const TDeviceContext& src) {
    TColorConversion c;
    const bool srcMono = src.Surface->IsMonochrome(), dstMono = dst.Surface->IsMonochrome();
    c.MonoToColor = srcMono && !dstMono;
    c.ColorToMono = !srcMono && dstMono;
    c.Fore = ColorRefToPixel(dst.State.TextColor & 0xFFFFFF);
    c.Back = ColorRefToPixel(dst.State.BkColor & 0xFFFFFF);
    c.SourceBack = ColorRefToPixel(src.State.BkColor & 0xFFFFFF);
    return c;
}

// Source coordinate (surface) of destination column i for a stretch of sw source pixels over dw ones.
inline int NearestSource(int origin, int i, int sw, int dw) {
    return origin + int((2 * std::int64_t(i) + 1) * sw / (2 * std::int64_t(dw)));
}

// Builds the source picture for a destination of dw x dh pixels from the source rectangle (surface
// coordinates sx, sy, sw, sh; negative sizes mirror). Halftone averages the covered source area.
TSourceImage BuildSource(const TSurface& src, int sx, int sy, int sw, int sh, int dw, int dh, bool halftone,
                         const TColorConversion& convert) {
    TSourceImage img;
    img.Width = dw;
    img.Height = dh;
    img.Pixels.assign(std::size_t(dw) * dh, 0u);
    img.Valid.assign(std::size_t(dw) * dh, 0);
    const bool mirrorX = sw < 0, mirrorY = sh < 0;
    const int aw = std::abs(sw), ah = std::abs(sh);
    const int left = mirrorX ? sx + sw + 1 : sx, top = mirrorY ? sy + sh + 1 : sy;
    const bool shrinking = aw > dw || ah > dh;
    // Nearest source column of each destination column, worked out once.
    std::vector<int> columns(static_cast<std::size_t>(dw), 0);
    for (int i = 0; i < dw; ++i)
        columns[std::size_t(i)] = left + (aw == dw ? i : NearestSource(0, i, aw, dw));
    for (int j = 0; j < dh; ++j) {
        const int jj = mirrorY ? dh - 1 - j : j;
        int rowOf = top + (ah == dh ? jj : NearestSource(0, jj, ah, dh));
        if (rowOf < 0 || rowOf >= src.Height()) rowOf = -1;
        for (int i = 0; i < dw; ++i) {
            const int ii = mirrorX ? dw - 1 - i : i;
            std::uint32_t value = 0;
            bool valid = false;
            if (halftone && shrinking) {
                // Area average over the source box of this destination pixel, per channel.
                const double x0 = double(ii) * aw / dw, x1 = double(ii + 1) * aw / dw;
                const double y0 = double(jj) * ah / dh, y1 = double(jj + 1) * ah / dh;
                double sum[4] = {0, 0, 0, 0}, weight = 0;
                for (int y = int(y0); y < int(std::ceil(y1)); ++y) {
                    const double wy = std::min(y1, double(y + 1)) - std::max(y0, double(y));
                    for (int x = int(x0); x < int(std::ceil(x1)); ++x) {
                        const int px = left + x, py = top + y;
                        if (!src.Contains(px, py)) continue;
                        const double wgt = wy * (std::min(x1, double(x + 1)) - std::max(x0, double(x)));
                        const std::uint32_t p = convert(src.Row(py)[px]);
                        for (int c = 0; c < 4; ++c)
                            sum[c] += wgt * double((p >> (8 * c)) & 0xFF);
                        weight += wgt;
                    }
                }
                if (weight > 0) {
                    valid = true;
                    for (int c = 0; c < 4; ++c)
                        value |= std::uint32_t(std::lround(sum[c] / weight)) << (8 * c);
                }
            } else {
                const int px = columns[std::size_t(ii)], py = rowOf;
                if (py >= 0 && px >= 0 && px < src.Width()) {
                    valid = true;
                    value = convert(src.Row(py)[px]);
                }
            }
            img.Pixels[std::size_t(j) * dw + i] = value;
            img.Valid[std::size_t(j) * dw + i] = valid ? 1 : 0;
        }
    }
    return img;
}

// Applies a ternary raster operation over the destination surface rectangle `area`, reading the source
// picture (may be null when the operation has no source) whose (0, 0) is at area's top-left.
void ApplyRop(TDeviceContext& dc, const RECT& area, const TSourceImage* source, DWORD rop) {
    const std::uint8_t code = std::uint8_t(rop >> 16);
    const bool usesPattern = gdi_render::RopUsesPattern(code);
    TBrushSampler brush = gdi_render::BrushSampler(dc, dc.State.Brush.get());
    if (usesPattern && brush.Type == TBrushSampler::Kind::Hatch) brush.TransparentBack = false;
    TSurface& s = *dc.Surface;
    gdi_render::ForEachClipRect(dc, area, [&](const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y) {
            std::uint32_t* row = s.Row(y);
            const int sy = y - area.top;
            if (code == 0xCC && source && !s.IsMonochrome()) {
                // Plain copy: straight rows where the whole source run is valid.
                const std::uint8_t* valid = &source->Valid[std::size_t(sy) * source->Width];
                const std::uint32_t* px = &source->Pixels[std::size_t(sy) * source->Width];
                for (int x = r.left; x < r.right; ++x)
                    if (valid[x - area.left]) row[x] = px[x - area.left];
                continue;
            }
            for (int x = r.left; x < r.right; ++x) {
                std::uint32_t sv = 0, pv = 0;
                if (source) {
                    if (!source->IsValid(x - area.left, sy)) continue;
                    sv = source->At(x - area.left, sy);
                }
                if (usesPattern) {
                    if (!brush.Sample(x, y, pv)) pv = 0;
                    if (s.IsMonochrome()) pv = gdi_render::MonoOf(pv);
                }
                row[x] = gdi_render::Normalise(s, gdi_render::Rop3(code, pv, sv, row[x]));
            }
        }
    });
}

// Direct copy between surfaces without conversion or stretching, through the destination clip.
bool FastCopy(TDeviceContext& dst, const RECT& area, const TSurface& src, int sx, int sy) {
    TSurface& d = *dst.Surface;
    if (&d == &src) return false; // overlapping copies take the buffered path
    RECT srcBounds{area.left - sx, area.top - sy, area.left - sx + src.Width(), area.top - sy + src.Height()};
    RECT limited = IntersectRectR(area, srcBounds);
    if (IsRectEmptyR(limited)) return true;
    gdi_render::ForEachClipRect(dst, limited, [&](const RECT& r) {
        for (int y = r.top; y < r.bottom; ++y)
            std::memcpy(d.Row(y) + r.left, src.Row(y - area.top + sy) + (r.left - area.left + sx),
                        std::size_t(r.right - r.left) * 4);
    });
    return true;
}

bool Stretch(HDC hdest, int x, int y, int width, int height, HDC hsource, int sx, int sy, int sw, int sh,
             DWORD rop, bool forceHalftone) {
    auto dst = gdi_handles::Dc(hdest);
    if (!dst || !dst->Surface) return false;
    const std::uint8_t code = std::uint8_t(rop >> 16);
    const bool usesSource = gdi_render::RopUsesSource(code);
    if (width == 0 || height == 0) return true;
    // A negative destination size mirrors as well: fold it into the source.
    if (width < 0) {
        x += width + 1;
        width = -width;
        sx += sw - 1;
        sw = -sw;
    }
    if (height < 0) {
        y += height + 1;
        height = -height;
        sy += sh - 1;
        sh = -sh;
    }
    const RECT area = gdi_render::ToSurface(*dst, x, y, x + width, y + height);
    if (!usesSource) {
        ApplyRop(*dst, area, nullptr, rop);
        return true;
    }
    auto src = gdi_handles::Dc(hsource);
    if (!src || !src->Surface || sw == 0 || sh == 0) return false;
    const int ssx = sx + src->OffsetX(), ssy = sy + src->OffsetY();
    const TColorConversion convert = ConversionFor(*dst, *src);
    const bool plain = !convert.MonoToColor && !convert.ColorToMono;
    if (code == 0xCC && plain && sw == width && sh == height && FastCopy(*dst, area, *src->Surface, ssx, ssy))
        return true;
    const bool halftone = forceHalftone || dst->State.StretchMode == HALFTONE;
    TSourceImage image = BuildSource(*src->Surface, ssx, ssy, sw, sh, width, height, halftone, convert);
    ApplyRop(*dst, area, &image, rop);
    return true;
}

// Premultiplied source over destination with a constant alpha, unstretched, by the compositing library.
// False when the surfaces do not suit it (the caller then blends itself).
bool CompositeOver(TDeviceContext& dst, const RECT& area, TSurface& src, int sx, int sy,
                   std::uint32_t constant) {
    TSurface& d = *dst.Surface;
    if (&d == &src || d.IsMonochrome() || src.IsMonochrome() || d.BottomUp() || src.BottomUp()) return false;
    pixman_image_t* target =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, d.Width(), d.Height(), d.Pixels(), d.Stride());
    pixman_image_t* source =
        pixman_image_create_bits(PIXMAN_a8r8g8b8, src.Width(), src.Height(), src.Pixels(), src.Stride());
    pixman_image_t* mask = nullptr;
    if (constant < 255) {
        const pixman_color_t alpha{0, 0, 0, std::uint16_t(constant * 257)};
        mask = pixman_image_create_solid_fill(&alpha);
    }
    const bool ready = target && source && (constant == 255 || mask);
    if (ready)
        gdi_render::ForEachClipRect(dst, area, [&](const RECT& r) {
            pixman_image_composite32(PIXMAN_OP_OVER, source, mask, target, sx + (r.left - area.left),
                                     sy + (r.top - area.top), 0, 0, r.left, r.top, r.right - r.left,
                                     r.bottom - r.top);
        });
    if (mask) pixman_image_unref(mask);
    if (source) pixman_image_unref(source);
    if (target) pixman_image_unref(target);
    return ready;
}

} // namespace gdi_blit_detail

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop) {
    if (width < 0 || height < 0) return FALSE;
    return gdi_blit_detail::Stretch(dest, x, y, width, height, source, sx, sy, width, height, rop, false)
               ? TRUE
               : FALSE;
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    if (gdi_render::RopUsesSource(std::uint8_t(rop >> 16))) return FALSE;
    return gdi_blit_detail::Stretch(dc, x, y, width, height, nullptr, 0, 0, 0, 0, rop, false) ? TRUE : FALSE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop) {
    return gdi_blit_detail::Stretch(dest, x, y, width, height, source, sx, sy, sw, sh, rop, false) ? TRUE
                                                                                                   : FALSE;
}

BOOL AlphaBlend(HDC hdest, int x, int y, int width, int height, HDC hsource, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend) {
    auto dst = gdi_handles::Dc(hdest);
    auto src = gdi_handles::Dc(hsource);
    if (!dst || !src || !dst->Surface || !src->Surface) return FALSE;
    if (width < 0 || height < 0 || sw < 0 || sh < 0 || blend.BlendOp != AC_SRC_OVER) return FALSE;
    const int ssx = sx + src->OffsetX(), ssy = sy + src->OffsetY();
    // The source rectangle must lie inside the source surface.
    if (ssx < 0 || ssy < 0 || ssx + sw > src->Surface->Width() || ssy + sh > src->Surface->Height())
        return FALSE;
    if (width == 0 || height == 0 || sw == 0 || sh == 0) return TRUE;
    const RECT area = gdi_render::ToSurface(*dst, x, y, x + width, y + height);
    const std::uint32_t constant = blend.SourceConstantAlpha;
    const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    if (perPixel && sw == width && sh == height &&
        gdi_blit_detail::CompositeOver(*dst, area, *src->Surface, ssx, ssy, constant))
        return TRUE;
    const gdi_blit_detail::TColorConversion none;
    gdi_blit_detail::TSourceImage image =
        gdi_blit_detail::BuildSource(*src->Surface, ssx, ssy, sw, sh, width, height, false, none);
    TSurface& d = *dst->Surface;
    gdi_render::ForEachClipRect(*dst, area, [&](const RECT& r) {
        for (int py = r.top; py < r.bottom; ++py) {
            std::uint32_t* row = d.Row(py);
            for (int px = r.left; px < r.right; ++px) {
                const std::uint32_t s = image.At(px - area.left, py - area.top);
                const std::uint32_t dv = row[px];
                std::uint32_t out = 0;
                if (perPixel) {
                    // Premultiplied source: scale by the constant alpha, then source over destination.
                    out = gdi_render::SourceOver(gdi_render::ScaleAlpha(s, constant), dv);
                } else {
                    for (int c = 0; c < 4; ++c) {
                        const std::uint32_t sc = (s >> (8 * c)) & 0xFF, dc = (dv >> (8 * c)) & 0xFF;
                        out |= ((sc * constant + dc * (255 - constant) + 127) / 255) << (8 * c);
                    }
                }
                row[px] = gdi_render::Normalise(d, out);
            }
        }
    });
    return TRUE;
}

BOOL TransparentBlt(HDC hdest, int x, int y, int width, int height, HDC hsource, int sx, int sy, int sw,
                    int sh, UINT transparent) {
    auto dst = gdi_handles::Dc(hdest);
    auto src = gdi_handles::Dc(hsource);
    if (!dst || !src || !dst->Surface || !src->Surface) return FALSE;
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return FALSE;
    const int ssx = sx + src->OffsetX(), ssy = sy + src->OffsetY();
    const gdi_blit_detail::TColorConversion none;
    gdi_blit_detail::TSourceImage image =
        gdi_blit_detail::BuildSource(*src->Surface, ssx, ssy, sw, sh, width, height, false, none);
    const std::uint32_t key = ColorRefToPixel(transparent & 0xFFFFFF);
    const gdi_blit_detail::TColorConversion convert = gdi_blit_detail::ConversionFor(*dst, *src);
    const RECT area = gdi_render::ToSurface(*dst, x, y, x + width, y + height);
    TSurface& d = *dst->Surface;
    gdi_render::ForEachClipRect(*dst, area, [&](const RECT& r) {
        for (int py = r.top; py < r.bottom; ++py)
            for (int px = r.left; px < r.right; ++px) {
                const int ix = px - area.left, iy = py - area.top;
                if (!image.IsValid(ix, iy)) continue;
                const std::uint32_t s = image.At(ix, iy);
                if ((s & 0xFFFFFF) == key) continue;
                d.Row(py)[px] = convert(s);
            }
    });
    return TRUE;
}

BOOL GradientFill(HDC hdc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount,
                  ULONG mode) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface || !vertices || !mesh) return FALSE;
    if (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V) return FALSE;
    const GRADIENT_RECT* rects = static_cast<const GRADIENT_RECT*>(mesh);
    TSurface& s = *dc->Surface;
    for (ULONG m = 0; m < meshCount; ++m) {
        if (rects[m].UpperLeft >= vertexCount || rects[m].LowerRight >= vertexCount) return FALSE;
        TRIVERTEX a = vertices[rects[m].UpperLeft], b = vertices[rects[m].LowerRight];
        // The vertex order decides the direction of the colours, whatever the corners' order.
        const bool horizontal = mode == GRADIENT_FILL_RECT_H;
        if ((horizontal && a.x > b.x) || (!horizontal && a.y > b.y)) std::swap(a, b);
        const RECT area = gdi_render::ToSurface(*dc, a.x, a.y, b.x, b.y);
        const int span = horizontal ? area.right - area.left : area.bottom - area.top;
        if (span <= 0) continue;
        auto channel = [&](COLOR16 from, COLOR16 to, int i) {
            return std::uint32_t((int(from) + (int(to) - int(from)) * i / span) >> 8) & 0xFF;
        };
        gdi_render::ForEachClipRect(*dc, area, [&](const RECT& r) {
            for (int py = r.top; py < r.bottom; ++py)
                for (int px = r.left; px < r.right; ++px) {
                    const int i = horizontal ? px - area.left : py - area.top;
                    const std::uint32_t v = channel(a.Blue, b.Blue, i) | (channel(a.Green, b.Green, i) << 8) |
                                            (channel(a.Red, b.Red, i) << 16) |
                                            (channel(a.Alpha, b.Alpha, i) << 24);
                    s.Row(py)[px] = s.IsMonochrome() ? gdi_render::MonoOf(v) : v;
                }
        });
    }
    return TRUE;
}

namespace gdi_blit_detail {
// Draws DIB rows through a temporary memory DC so that the blit rules apply unchanged.
int DrawDib(HDC dc, int x, int y, int width, int height, int sx, int sy, int sw, int sh, const void* bits,
            const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (!info || !bits) return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int dibHeight = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (h.biWidth <= 0 || dibHeight == 0) return 0;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateBitmap(h.biWidth, dibHeight, 1, h.biBitCount == 1 ? 1 : 32, nullptr);
    int lines = SetDIBits(memory, bitmap, 0, UINT(dibHeight), bits, info, usage);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL ok = StretchBlt(dc, x, y, width, height, memory, sx, sy, sw, sh, rop);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return ok ? (lines > 0 ? lines : dibHeight) : 0;
}
} // namespace gdi_blit_detail

int StretchDIBits(HDC dc, int x, int y, int width, int height, int sx, int sy, int sw, int sh,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    if (!info) return 0;
    // DIB source coordinates count from the bottom of a bottom-up DIB.
    const int dibHeight = info->bmiHeader.biHeight;
    const int topY = dibHeight > 0 ? dibHeight - sy - sh : sy;
    return gdi_blit_detail::DrawDib(dc, x, y, width, height, sx, topY, sw, sh, bits, info, usage, rop);
}

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sx, int sy, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    if (!info || startScan != 0) return 0;
    const int dibHeight = info->bmiHeader.biHeight;
    const int topY = dibHeight > 0 ? dibHeight - sy - int(height) : sy;
    return gdi_blit_detail::DrawDib(dc, x, y, int(width), int(height), sx, topY, int(width), int(height),
                                    bits, info, usage, SRCCOPY);
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return CLR_INVALID;
    const int px = x + dc->OffsetX(), py = y + dc->OffsetY();
    if (!dc->EffectiveClip().Contains(px, py)) return CLR_INVALID;
    const std::uint32_t p = gdi_render::DevicePixel(*dc->Surface, color);
    dc->Surface->Row(py)[px] = p;
    return PixelToColorRef(p);
}

COLORREF GetNearestColor(HDC hdc, COLORREF color) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return CLR_INVALID;
    return PixelToColorRef(gdi_render::DevicePixel(*dc->Surface, color)) & 0xFFFFFF;
}

BOOL SetPixelV(HDC dc, int x, int y, COLORREF color) {
    return SetPixel(dc, x, y, color) != CLR_INVALID;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || !dc->Surface) return CLR_INVALID;
    const int px = x + dc->OffsetX(), py = y + dc->OffsetY();
    if (!dc->EffectiveClip().Contains(px, py)) return CLR_INVALID;
    return PixelToColorRef(dc->Surface->Row(py)[px]) & 0xFFFFFF;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    auto dc = gdi_handles::Dc(hdc);
    auto brush = gdi_render::ResolveBrush(hbrush);
    if (!dc || !rect || !brush || !dc->Surface) return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    const RECT area = gdi_render::ToSurface(*dc, rect->left, rect->top, rect->right, rect->bottom);
    gdi_render::FillSurfaceRect(*dc, area, gdi_render::BrushSampler(*dc, brush.get()), R2_COPYPEN);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
    auto dc = gdi_handles::Dc(hdc);
    auto brush = gdi_render::ResolveBrush(hbrush);
    if (!dc || !rect || !brush || !dc->Surface) return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    const RECT a = gdi_render::ToSurface(*dc, rect->left, rect->top, rect->right, rect->bottom);
    const auto sampler = gdi_render::BrushSampler(*dc, brush.get());
    const RECT sides[4] = {{a.left, a.top, a.right, a.top + 1},
                           {a.left, a.bottom - 1, a.right, a.bottom},
                           {a.left, a.top + 1, a.left + 1, a.bottom - 1},
                           {a.right - 1, a.top + 1, a.right, a.bottom - 1}};
    for (const RECT& side : sides)
        if (!IsRectEmptyR(side)) gdi_render::FillSurfaceRect(*dc, side, sampler, R2_COPYPEN);
    return 1;
}

BOOL InvertRect(HDC dc, const RECT* rect) {
    if (!rect) return FALSE;
    return PatBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}
