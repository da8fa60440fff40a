#include "platform/vcl/ImageListApi.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/WinMetrics.h"

#include <algorithm>
#include <memory>
#include <unordered_set>
#include <vector>

struct TImageListObject {
    struct TImage {
        std::vector<std::uint32_t> Color; // straight alpha when HasAlpha, else alpha bytes 0
        std::vector<std::uint8_t> Opaque; // 1 = drawn, 0 = transparent
        bool HasAlpha = false;
    };
    int Cx = 16;
    int Cy = 16;
    UINT Flags = ILC_MASK;
    COLORREF BkColor = CLR_NONE;
    std::vector<TImage> Images;
    // Strips for ImageList_GetImageInfo, made on request and dropped at each change.
    HBITMAP StripImage = nullptr;
    HBITMAP StripMask = nullptr;

    ~TImageListObject() { DropStrips(); }
    void DropStrips() {
        if (StripImage != nullptr) DeleteObject(StripImage);
        if (StripMask != nullptr) DeleteObject(StripMask);
        StripImage = StripMask = nullptr;
    }
    bool Valid(int index) const { return index >= 0 && index < static_cast<int>(Images.size()); }
    bool Masked() const { return (Flags & ILC_MASK) != 0; }
    bool KeepsAlpha() const { return (Flags & 0xFE) == ILC_COLOR32; }
};

namespace image_list_detail {

std::unordered_set<HIMAGELIST>& LiveLists() {
    static std::unordered_set<HIMAGELIST> lists;
    return lists;
}

TImageListObject* Get(HIMAGELIST list) {
    return list != nullptr && LiveLists().count(list) != 0 ? list : nullptr;
}

// Cell `cell` of a surface (clipped: outside pixels are 0) as one image of the list.
TImageListObject::TImage Cut(const TImageListObject& list, const TSurface& image, const TSurface* mask,
                             int cell) {
    TImageListObject::TImage out;
    const int cx = list.Cx, cy = list.Cy;
    out.Color.assign(static_cast<std::size_t>(cx) * cy, 0);
    out.Opaque.assign(static_cast<std::size_t>(cx) * cy, 1);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            const int sx = cell * cx + x;
            const std::size_t i = static_cast<std::size_t>(y) * cx + x;
            out.Color[i] = image.Pixel(sx, y);
            if (list.Masked() && mask != nullptr)
                out.Opaque[i] = (mask->Pixel(sx, y) & 0xFFFFFF) == 0 ? 1 : 0;
        }
    if (list.KeepsAlpha())
        out.HasAlpha =
            std::any_of(out.Color.begin(), out.Color.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    if (out.HasAlpha) {
        for (std::size_t i = 0; i < out.Color.size(); ++i)
            if ((out.Color[i] >> 24) == 0) out.Opaque[i] = 0;
    } else {
        for (auto& p : out.Color)
            p &= 0xFFFFFF;
    }
    return out;
}

// A surface scaled (nearest pixel) to the list's image size.
std::shared_ptr<TSurface> Fit(const TSurface& source, int cx, int cy, int bits) {
    auto out = std::make_shared<TSurface>(cx, cy, bits);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            out->Row(y)[x] = source.Pixel(x * source.Width() / cx, y * source.Height() / cy);
    return out;
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t weightOfB) {
    std::uint32_t out = 0;
    for (int c = 0; c < 3; ++c) {
        const std::uint32_t ca = (a >> (8 * c)) & 0xFF, cb = (b >> (8 * c)) & 0xFF;
        out |= ((ca * (255 - weightOfB) + cb * weightOfB + 127) / 255) << (8 * c);
    }
    return out;
}

} // namespace image_list_detail

using image_list_detail::Get;

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (cx <= 0 || cy <= 0) return nullptr;
    auto* list = new TImageListObject;
    list->Cx = cx;
    list->Cy = cy;
    list->Flags = flags;
    list->Images.reserve(static_cast<std::size_t>(std::max(initial, 0)));
    image_list_detail::LiveLists().insert(list);
    return list;
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    if (!Get(list)) return FALSE;
    image_list_detail::LiveLists().erase(list);
    delete list;
    return TRUE;
}

HIMAGELIST ImageList_Duplicate(HIMAGELIST list) {
    TImageListObject* source = Get(list);
    if (!source) return nullptr;
    HIMAGELIST copy = ImageList_Create(source->Cx, source->Cy, source->Flags, 0, 0);
    copy->BkColor = source->BkColor;
    copy->Images = source->Images;
    return copy;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    TImageListObject* l = Get(list);
    return l ? static_cast<int>(l->Images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    TImageListObject* l = Get(list);
    if (!l || !cx || !cy) return FALSE;
    *cx = l->Cx;
    *cy = l->Cy;
    return TRUE;
}

BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy) {
    TImageListObject* l = Get(list);
    if (!l || cx <= 0 || cy <= 0) return FALSE;
    l->Cx = cx;
    l->Cy = cy;
    l->Images.clear();
    l->DropStrips();
    return TRUE;
}

UINT ImageList_GetFlags(HIMAGELIST list) {
    TImageListObject* l = Get(list);
    return l ? l->Flags : 0;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    TImageListObject* l = Get(list);
    auto surface = GdiGetBitmapSurface(image);
    if (!l || !surface) return -1;
    const int cells = surface->Width() / l->Cx;
    if (cells <= 0) return -1;
    auto maskSurface = mask != nullptr ? GdiGetBitmapSurface(mask) : nullptr;
    const int first = static_cast<int>(l->Images.size());
    for (int cell = 0; cell < cells; ++cell)
        l->Images.push_back(image_list_detail::Cut(*l, *surface, maskSurface.get(), cell));
    l->DropStrips();
    return first;
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor) {
    TImageListObject* l = Get(list);
    auto surface = GdiGetBitmapSurface(image);
    if (!l || !surface) return -1;
    if (!l->Masked()) return ImageList_Add(list, image, nullptr);
    // The mask marks the key colour; the colour image shows black there.
    auto color = std::make_shared<TSurface>(*surface);
    auto mask = std::make_shared<TSurface>(surface->Width(), surface->Height(), 1);
    const std::uint32_t key = ColorRefToPixel(maskColor & 0xFFFFFF);
    for (int y = 0; y < color->Height(); ++y)
        for (int x = 0; x < color->Width(); ++x) {
            std::uint32_t& p = color->Row(y)[x];
            const bool transparent = (p & 0xFFFFFF) == key;
            mask->Row(y)[x] = transparent ? 0xFFFFFF : 0;
            if (transparent) p = 0;
        }
    const int cells = color->Width() / l->Cx;
    if (cells <= 0) return -1;
    const int first = static_cast<int>(l->Images.size());
    for (int cell = 0; cell < cells; ++cell)
        l->Images.push_back(image_list_detail::Cut(*l, *color, mask.get(), cell));
    l->DropStrips();
    return first;
}

BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask) {
    TImageListObject* l = Get(list);
    auto surface = GdiGetBitmapSurface(image);
    if (!l || !surface || !l->Valid(index)) return FALSE;
    auto maskSurface = mask != nullptr ? GdiGetBitmapSurface(mask) : nullptr;
    l->Images[index] = image_list_detail::Cut(*l, *surface, maskSurface.get(), 0);
    l->DropStrips();
    return TRUE;
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    TImageListObject* l = Get(list);
    ICONINFO info;
    if (!l || (index != -1 && !l->Valid(index)) || !GetIconInfo(icon, &info)) return -1;
    auto mask = GdiGetBitmapSurface(info.hbmMask);
    auto color = info.hbmColor != nullptr ? GdiGetBitmapSurface(info.hbmColor) : nullptr;
    int result = -1;
    if (mask && color) {
        auto fittedColor = image_list_detail::Fit(*color, l->Cx, l->Cy, 32);
        auto fittedMask = image_list_detail::Fit(*mask, l->Cx, l->Cy, 1);
        const UINT flags = l->Flags;
        l->Flags |= ILC_MASK; // an icon always brings its mask
        auto image = image_list_detail::Cut(*l, *fittedColor, fittedMask.get(), 0);
        l->Flags = flags;
        if (index == -1) {
            l->Images.push_back(std::move(image));
            result = static_cast<int>(l->Images.size()) - 1;
        } else {
            l->Images[index] = std::move(image);
            result = index;
        }
        l->DropStrips();
    }
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    return result;
}

BOOL ImageList_Remove(HIMAGELIST list, int index) {
    TImageListObject* l = Get(list);
    if (!l) return FALSE;
    if (index == -1)
        l->Images.clear();
    else if (l->Valid(index))
        l->Images.erase(l->Images.begin() + index);
    else
        return FALSE;
    l->DropStrips();
    return TRUE;
}

BOOL ImageList_Copy(HIMAGELIST dest, int destIndex, HIMAGELIST source, int sourceIndex, UINT flags) {
    TImageListObject* l = Get(dest);
    if (!l || dest != source || !l->Valid(destIndex) || !l->Valid(sourceIndex)) return FALSE;
    if (flags & ILCF_SWAP)
        std::swap(l->Images[destIndex], l->Images[sourceIndex]);
    else
        l->Images[destIndex] = l->Images[sourceIndex];
    l->DropStrips();
    return TRUE;
}

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info) {
    TImageListObject* l = Get(list);
    if (!l || !info || !l->Valid(index)) return FALSE;
    if (l->StripImage == nullptr) {
        const int count = static_cast<int>(l->Images.size());
        auto image = std::make_shared<TSurface>(l->Cx * count, l->Cy);
        auto mask = std::make_shared<TSurface>(l->Cx * count, l->Cy, 1);
        for (int i = 0; i < count; ++i)
            for (int y = 0; y < l->Cy; ++y)
                for (int x = 0; x < l->Cx; ++x) {
                    const std::size_t p = static_cast<std::size_t>(y) * l->Cx + x;
                    image->Row(y)[i * l->Cx + x] = l->Images[i].Color[p];
                    mask->Row(y)[i * l->Cx + x] = l->Images[i].Opaque[p] ? 0 : 0xFFFFFF;
                }
        l->StripImage = GdiCreateBitmapFromSurface(image);
        l->StripMask = l->Masked() ? GdiCreateBitmapFromSurface(mask) : nullptr;
    }
    info->hbmImage = l->StripImage;
    info->hbmMask = l->StripMask;
    info->rcImage = RECT{index * l->Cx, 0, (index + 1) * l->Cx, l->Cy};
    return TRUE;
}

HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags) {
    TImageListObject* l = Get(list);
    if (!l || !l->Valid(index)) return nullptr;
    const auto& image = l->Images[index];
    auto color = std::make_shared<TSurface>(l->Cx, l->Cy);
    auto mask = std::make_shared<TSurface>(l->Cx, l->Cy, 1);
    for (int y = 0; y < l->Cy; ++y)
        for (int x = 0; x < l->Cx; ++x) {
            const std::size_t p = static_cast<std::size_t>(y) * l->Cx + x;
            color->Row(y)[x] = image.Opaque[p] ? image.Color[p] : 0;
            mask->Row(y)[x] = image.Opaque[p] ? 0 : 0xFFFFFF;
        }
    ICONINFO info;
    info.hbmColor = GdiCreateBitmapFromSurface(color);
    info.hbmMask = GdiCreateBitmapFromSurface(mask);
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color) {
    TImageListObject* l = Get(list);
    if (!l) return CLR_NONE;
    const COLORREF old = l->BkColor;
    l->BkColor = color;
    return old;
}

COLORREF ImageList_GetBkColor(HIMAGELIST list) {
    TImageListObject* l = Get(list);
    return l ? l->BkColor : CLR_NONE;
}

BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style) {
    TImageListObject* l = Get(list);
    if (!l || !l->Valid(index) || dc == nullptr) return FALSE;
    const int w = dx > 0 ? std::min(dx, l->Cx) : l->Cx, h = dy > 0 ? std::min(dy, l->Cy) : l->Cy;
    const auto& image = l->Images[index];
    const COLORREF bk = background == CLR_DEFAULT ? l->BkColor : background;
    const bool fillBackground = bk != CLR_NONE && !(style & ILD_TRANSPARENT);
    const std::uint32_t bkPixel = ColorRefToPixel(bk & 0xFFFFFF);
    const std::uint32_t blendWeight = (style & ILD_BLEND50) ? 128 : (style & ILD_BLEND25) ? 64 : 0;
    const COLORREF fore = foreground == CLR_DEFAULT ? GdiSysColor(COLOR_HIGHLIGHT) : foreground;
    // The tile holds premultiplied pixels: alpha 0 leaves the destination as it is.
    auto tile = std::make_shared<TSurface>(w, h);
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            const std::size_t p = static_cast<std::size_t>(ty) * l->Cx + tx;
            std::uint32_t out;
            if (style & ILD_MASK) {
                out = (image.Opaque[p] ? 0u : 0xFFFFFFu) | 0xFF000000u;
            } else {
                std::uint32_t color = image.Color[p] & 0xFFFFFF;
                std::uint32_t alpha = image.Opaque[p] ? (image.HasAlpha ? image.Color[p] >> 24 : 255u) : 0u;
                if (blendWeight != 0 && alpha != 0) {
                    if (foreground == CLR_NONE)
                        alpha = alpha * (255 - blendWeight) / 255;
                    else
                        color = image_list_detail::Mix(color, ColorRefToPixel(fore & 0xFFFFFF), blendWeight);
                }
                if (fillBackground) {
                    color = image_list_detail::Mix(bkPixel, color, alpha);
                    alpha = 255;
                }
                out = image_list_detail::Mix(0, color, alpha) | (alpha << 24);
            }
            tile->Row(ty)[tx] = out;
        }
    HDC source = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = GdiCreateBitmapFromSurface(tile);
    HGDIOBJ old = SelectObject(source, bitmap);
    const BOOL ok =
        AlphaBlend(dc, x, y, w, h, source, 0, 0, w, h, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    SelectObject(source, old);
    DeleteObject(bitmap);
    DeleteDC(source);
    return ok;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    return ImageList_DrawEx(list, index, dc, x, y, 0, 0, CLR_DEFAULT, CLR_DEFAULT, style);
}

bool ImageList_ReadImage(HIMAGELIST list, int index, std::uint32_t* color, std::uint8_t* opaque,
                         bool* hasAlpha) {
    TImageListObject* l = Get(list);
    if (!l || !l->Valid(index)) return false;
    const auto& image = l->Images[index];
    if (color) std::copy(image.Color.begin(), image.Color.end(), color);
    if (opaque) std::copy(image.Opaque.begin(), image.Opaque.end(), opaque);
    if (hasAlpha) *hasAlpha = image.HasAlpha;
    return true;
}
