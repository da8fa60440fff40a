// Icons and cursors: a colour bitmap (possibly with alpha) and a monochrome mask.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRender.h"

namespace gdi_icons_detail {

std::shared_ptr<TGdiIcon> Icon(HICON icon) {
    return gdi_handles::As<TGdiIcon>(icon, OBJ_ICON_PRIVATE);
}

bool HasAlpha(const TSurface& s) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Row(y)[x] >> 24) return true;
    return false;
}

// Temporarily selects a surface into a memory DC for blitting.
class TSurfaceDc {
public:
    explicit TSurfaceDc(std::shared_ptr<TSurface> surface) {
        Dc = CreateCompatibleDC(nullptr);
        Bitmap = GdiCreateBitmapFromSurface(std::move(surface));
        Old = SelectObject(Dc, Bitmap);
    }
    ~TSurfaceDc() {
        SelectObject(Dc, Old);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    TSurfaceDc(const TSurfaceDc&) = delete;
    TSurfaceDc& operator=(const TSurfaceDc&) = delete;
    HDC Dc;

private:
    HBITMAP Bitmap;
    HGDIOBJ Old;
};

} // namespace gdi_icons_detail

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info) return nullptr;
    auto mask = GdiGetBitmapSurface(info->hbmMask);
    if (!mask) return nullptr;
    auto icon = std::make_shared<TGdiIcon>();
    icon->Mask = std::make_shared<TSurface>(*mask);
    if (info->hbmColor) {
        auto color = GdiGetBitmapSurface(info->hbmColor);
        if (!color) return nullptr;
        icon->Color = std::make_shared<TSurface>(*color);
    }
    icon->IsIcon = info->fIcon;
    icon->HotspotX = info->fIcon ? DWORD(icon->Mask->Width() / 2) : info->xHotspot;
    icon->HotspotY = info->fIcon ? DWORD((icon->Color ? icon->Mask->Height() : icon->Mask->Height() / 2) / 2)
                                 : info->yHotspot;
    return HICON(gdi_handles::Register(icon));
}

HICON CopyIcon(HICON handle) {
    auto icon = gdi_icons_detail::Icon(handle);
    if (!icon) return nullptr;
    auto copy = std::make_shared<TGdiIcon>(*icon);
    return HICON(gdi_handles::Register(copy));
}

HICON GdiCopyIconScaled(HICON handle, int width, int height) {
    auto icon = gdi_icons_detail::Icon(handle);
    if (!icon) return nullptr;
    auto copy = std::make_shared<TGdiIcon>(*icon);
    const int iconW = icon->Mask->Width();
    const int iconH = icon->Color ? icon->Mask->Height() : icon->Mask->Height() / 2;
    const int w = width > 0 ? width : iconW, h = height > 0 ? height : iconH;
    if (w != iconW || h != iconH) {
        // Nearest-pixel scaling of both planes (a monochrome icon's mask holds two planes).
        auto scale = [](const TSurface& from, int fw, int fh, int planes, int tw, int th) {
            auto to = std::make_shared<TSurface>(tw, th * planes, from.BitsPerPixel());
            for (int p = 0; p < planes; ++p)
                for (int y = 0; y < th; ++y)
                    for (int x = 0; x < tw; ++x)
                        to->Row(p * th + y)[x] = from.Pixel(int(std::int64_t(x) * fw / tw),
                                                            p * fh + int(std::int64_t(y) * fh / th));
            return to;
        };
        copy->Mask = scale(*icon->Mask, iconW, iconH, icon->Color ? 1 : 2, w, h);
        if (icon->Color) copy->Color = scale(*icon->Color, iconW, iconH, 1, w, h);
        copy->HotspotX = DWORD(std::int64_t(icon->HotspotX) * w / iconW);
        copy->HotspotY = DWORD(std::int64_t(icon->HotspotY) * h / iconH);
    }
    return HICON(gdi_handles::Register(copy));
}

BOOL DestroyIcon(HICON handle) {
    if (!gdi_icons_detail::Icon(handle)) return FALSE;
    return gdi_handles::Unregister(handle) ? TRUE : FALSE;
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
    auto icon = gdi_icons_detail::Icon(handle);
    if (!icon || !info) return FALSE;
    info->fIcon = icon->IsIcon;
    info->xHotspot = icon->HotspotX;
    info->yHotspot = icon->HotspotY;
    info->hbmMask = GdiCreateBitmapFromSurface(std::make_shared<TSurface>(*icon->Mask));
    info->hbmColor =
        icon->Color ? GdiCreateBitmapFromSurface(std::make_shared<TSurface>(*icon->Color)) : nullptr;
    return TRUE;
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON handle, int width, int height, UINT step, HBRUSH background,
                UINT flags) {
    using gdi_icons_detail::TSurfaceDc;
    auto icon = gdi_icons_detail::Icon(handle);
    if (!icon || !gdi_handles::Dc(dc)) return FALSE;
    const int iconW = icon->Mask->Width();
    const int iconH = icon->Color ? icon->Mask->Height() : icon->Mask->Height() / 2;
    // DI_DEFAULTSIZE asks for the system icon size (32 pixels at 96 DPI) where no size is given.
    const int defaultW = (flags & DI_DEFAULTSIZE) ? 32 : iconW,
              defaultH = (flags & DI_DEFAULTSIZE) ? 32 : iconH;
    const int w = width > 0 ? width : defaultW, h = height > 0 ? height : defaultH;
    if ((flags & DI_NORMAL) == 0) return FALSE;
    // With a background brush the icon is composed off screen first, then copied (flicker-free drawing).
    HDC target = dc;
    int tx = x, ty = y;
    std::unique_ptr<TSurfaceDc> composed;
    if (background) {
        composed = std::make_unique<TSurfaceDc>(std::make_shared<TSurface>(w, h));
        RECT all{0, 0, w, h};
        FillRect(composed->Dc, &all, background);
        target = composed->Dc;
        tx = ty = 0;
    }
    TSurfaceDc mask(icon->Mask);
    // The mask converts with black for 0 bits and white for 1 bits.
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(target, RGB(255, 255, 255));
    if (icon->Color && (flags & DI_NORMAL) == DI_NORMAL && gdi_icons_detail::HasAlpha(*icon->Color)) {
        // Icon pixels carry straight alpha: premultiply a copy and blend it.
        auto premultiplied = std::make_shared<TSurface>(*icon->Color);
        for (int py = 0; py < premultiplied->Height(); ++py)
            for (int px = 0; px < premultiplied->Width(); ++px)
                premultiplied->Row(py)[px] = gdi_render::Premultiply(premultiplied->Row(py)[px]);
        TSurfaceDc color(premultiplied);
        AlphaBlend(target, tx, ty, w, h, color.Dc, 0, 0, iconW, iconH,
                   BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    } else {
        if (flags & DI_MASK) StretchBlt(target, tx, ty, w, h, mask.Dc, 0, 0, iconW, iconH, SRCAND);
        if (flags & DI_IMAGE) {
            const DWORD rop = (flags & DI_MASK) ? SRCINVERT : SRCCOPY;
            if (icon->Color) {
                TSurfaceDc color(icon->Color);
                StretchBlt(target, tx, ty, w, h, color.Dc, 0, 0, iconW, iconH, rop);
            } else {
                StretchBlt(target, tx, ty, w, h, mask.Dc, 0, iconH, iconW, iconH, rop);
            }
        }
    }
    SetTextColor(target, oldText);
    SetBkColor(target, oldBack);
    if (composed) BitBlt(dc, x, y, w, h, composed->Dc, 0, 0, SRCCOPY);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}
