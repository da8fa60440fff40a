// Bitmaps: device-dependent and monochrome bitmaps, DIB sections and DIB pixel transfer.
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiRender.h"

#include <cstring>

namespace gdi_bitmaps_detail {

HBITMAP Wrap(std::shared_ptr<TSurface> surface, bool dib) {
    auto bitmap = std::make_shared<TGdiBitmap>();
    bitmap->Surface = std::move(surface);
    bitmap->IsDibSection = dib;
    return HBITMAP(gdi_handles::Register(bitmap));
}

int DibStride(int width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

bool ReadDibPixel(const BYTE* row, int x, int bitCount, const BITMAPINFO* info, std::uint32_t& out) {
    switch (bitCount) {
    case 32:
        std::memcpy(&out, row + x * 4, 4);
        return true;
    case 24:
        out = std::uint32_t(row[x * 3]) | (std::uint32_t(row[x * 3 + 1]) << 8) |
              (std::uint32_t(row[x * 3 + 2]) << 16);
        return true;
    case 8:
    case 4:
    case 1: {
        int index = 0;
        if (bitCount == 8)
            index = row[x];
        else if (bitCount == 4)
            index = (row[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
        else
            index = (row[x / 8] >> (7 - (x & 7))) & 1;
        const RGBQUAD& q = info->bmiColors[index];
        out = std::uint32_t(q.rgbBlue) | (std::uint32_t(q.rgbGreen) << 8) | (std::uint32_t(q.rgbRed) << 16);
        return true;
    }
    default:
        return false;
    }
}

} // namespace gdi_bitmaps_detail

std::shared_ptr<TSurface> GdiGetBitmapSurface(HBITMAP handle) {
    auto bitmap = gdi_handles::Bitmap(handle);
    return bitmap ? bitmap->Surface : nullptr;
}

HBITMAP GdiCreateBitmapFromSurface(std::shared_ptr<TSurface> surface) {
    if (!surface) return nullptr;
    return gdi_bitmaps_detail::Wrap(std::move(surface), false);
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    auto dc = gdi_handles::Dc(hdc);
    if (!dc || width < 0 || height < 0) return nullptr;
    // As the desktop API does: a bitmap compatible with a memory DC holding a monochrome bitmap is
    // monochrome; a zero size gives a 1x1 monochrome bitmap.
    if (width == 0 || height == 0)
        return gdi_bitmaps_detail::Wrap(std::make_shared<TSurface>(1, 1, 1), false);
    const bool mono = dc->Surface && dc->Surface->IsMonochrome();
    return gdi_bitmaps_detail::Wrap(std::make_shared<TSurface>(width, height, mono ? 1 : 32), false);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width < 0 || height < 0 || planes != 1) return nullptr;
    if (width == 0 || height == 0)
        return gdi_bitmaps_detail::Wrap(std::make_shared<TSurface>(1, 1, 1), false);
    const bool mono = bitsPerPixel == 1;
    auto surface = std::make_shared<TSurface>(width, height, mono ? 1 : 32);
    if (bits) {
        const BYTE* data = static_cast<const BYTE*>(bits);
        if (mono) {
            const int stride = ((width + 15) / 16) * 2; // rows of these bitmaps are word-aligned
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const bool white = (data[y * stride + x / 8] >> (7 - (x & 7))) & 1;
                    surface->Row(y)[x] = white ? 0xFFFFFFu : 0u;
                }
        } else if (bitsPerPixel == 32) {
            for (int y = 0; y < height; ++y)
                std::memcpy(surface->Row(y), data + std::size_t(y) * width * 4, std::size_t(width) * 4);
        } else if (bitsPerPixel == 24) {
            const int stride = ((width * 3 + 1) / 2) * 2;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const BYTE* p = data + y * stride + x * 3;
                    surface->Row(y)[x] =
                        std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
                }
        }
    }
    return gdi_bitmaps_detail::Wrap(surface, false);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    if (!info || section) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    // Direct pixel access is offered for the 32-bit layout only, the one every caller uses.
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biBitCount != 32 ||
        (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS))
        return nullptr;
    const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    if (std::int64_t(h.biWidth) * height > (std::int64_t(1) << 28)) return nullptr;
    auto surface = std::make_shared<TSurface>(h.biWidth, height, 32, h.biHeight > 0);
    if (bits) *bits = surface->Pixels();
    return gdi_bitmaps_detail::Wrap(surface, true);
}

int GetDIBits(HDC hdc, HBITMAP handle, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    auto bitmap = gdi_handles::Bitmap(handle);
    if (!bitmap || !info || !gdi_handles::Dc(hdc)) return 0;
    const TSurface& s = *bitmap->Surface;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (!bits) {
        // Size query: fill in the format when none was asked for.
        if (h.biBitCount == 0) {
            h.biBitCount = WORD(s.BitsPerPixel());
            h.biCompression = BI_RGB;
        }
        h.biWidth = s.Width();
        if (h.biHeight == 0) h.biHeight = s.Height();
        h.biPlanes = 1;
        h.biSizeImage = DWORD(gdi_bitmaps_detail::DibStride(s.Width(), h.biBitCount) * s.Height());
        return s.Height();
    }
    const int bitCount = h.biBitCount;
    if (h.biWidth != s.Width() || (bitCount != 32 && bitCount != 24 && bitCount != 1)) return 0;
    const bool topDown = h.biHeight < 0;
    const int dibHeight = topDown ? -h.biHeight : h.biHeight;
    const int stride = gdi_bitmaps_detail::DibStride(s.Width(), bitCount);
    if (bitCount == 1) {
        info->bmiColors[0] = RGBQUAD{0, 0, 0, 0};
        (&info->bmiColors[0])[1] = RGBQUAD{255, 255, 255, 0};
    }
    int copied = 0;
    BYTE* out = static_cast<BYTE*>(bits);
    for (UINT i = 0; i < lines; ++i) {
        const int dibRow = int(start + i);
        if (dibRow >= dibHeight) break;
        // Scan line numbers count from the bottom of a bottom-up DIB.
        const int y = topDown ? dibRow : dibHeight - 1 - dibRow;
        if (y < 0 || y >= s.Height()) break;
        BYTE* row = out + std::size_t(i) * stride;
        const std::uint32_t* src = s.Row(y);
        if (bitCount == 32) {
            std::memcpy(row, src, std::size_t(s.Width()) * 4);
        } else if (bitCount == 24) {
            for (int x = 0; x < s.Width(); ++x) {
                row[x * 3] = BYTE(src[x]);
                row[x * 3 + 1] = BYTE(src[x] >> 8);
                row[x * 3 + 2] = BYTE(src[x] >> 16);
            }
        } else {
            std::memset(row, 0, std::size_t(stride));
            for (int x = 0; x < s.Width(); ++x)
                if (gdi_render::MonoOf(src[x])) row[x / 8] |= BYTE(0x80 >> (x & 7));
        }
        ++copied;
    }
    return copied;
}

int SetDIBits(HDC, HBITMAP handle, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    auto bitmap = gdi_handles::Bitmap(handle);
    if (!bitmap || !info || !bits || usage != DIB_RGB_COLORS) return 0;
    TSurface& s = *bitmap->Surface;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int bitCount = h.biBitCount;
    if (h.biWidth <= 0 ||
        (bitCount != 32 && bitCount != 24 && bitCount != 8 && bitCount != 4 && bitCount != 1))
        return 0;
    const bool topDown = h.biHeight < 0;
    const int dibHeight = topDown ? -h.biHeight : h.biHeight;
    const int stride = gdi_bitmaps_detail::DibStride(h.biWidth, bitCount);
    const int width = h.biWidth < s.Width() ? h.biWidth : s.Width();
    const BYTE* in = static_cast<const BYTE*>(bits);
    int copied = 0;
    for (UINT i = 0; i < lines; ++i) {
        const int dibRow = int(start + i);
        if (dibRow >= dibHeight) break;
        const int y = topDown ? dibRow : s.Height() - 1 - dibRow;
        if (y < 0 || y >= s.Height()) break;
        const BYTE* row = in + std::size_t(i) * stride;
        std::uint32_t* dst = s.Row(y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = 0;
            gdi_bitmaps_detail::ReadDibPixel(row, x, bitCount, info, p);
            dst[x] = s.IsMonochrome() ? gdi_render::MonoOf(p) : p;
        }
        ++copied;
    }
    return copied;
}

HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags) {
    if (type == IMAGE_ICON || type == IMAGE_CURSOR) {
        HICON copy = GdiCopyIconScaled(HICON(image), width, height);
        if (copy && (flags & LR_COPYDELETEORG)) DestroyIcon(HICON(image));
        return copy;
    }
    if (type != IMAGE_BITMAP) return nullptr;
    auto bitmap = gdi_handles::Bitmap(HBITMAP(image));
    if (!bitmap) return nullptr;
    const TSurface& s = *bitmap->Surface;
    const int w = width > 0 ? width : s.Width(), h = height > 0 ? height : s.Height();
    const bool mono = (flags & LR_MONOCHROME) || s.IsMonochrome();
    auto copy = std::make_shared<TSurface>(w, h, mono ? 1 : 32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p =
                s.Pixel(int(std::int64_t(x) * s.Width() / w), int(std::int64_t(y) * s.Height() / h));
            copy->Row(y)[x] = mono ? gdi_render::MonoOf(p) : p;
        }
    HBITMAP result = gdi_bitmaps_detail::Wrap(copy, (flags & LR_CREATEDIBSECTION) != 0 && !mono);
    if (flags & LR_COPYDELETEORG) DeleteObject(image);
    return result;
}
