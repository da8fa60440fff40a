// The window system's image lists: numbered images of one size, each a 32-bit colour image (with
// per-pixel alpha when it has any) and an optional monochrome mask, drawn normally, transparently,
// blended with a colour or as their mask. Same names and constants as the desktop API; strips handed out
// by ImageList_GetImageInfo place the images left to right.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <cstdint>

struct TImageListObject;
using HIMAGELIST = TImageListObject*;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLORDDB = 0x00FE;
constexpr UINT ILC_COLOR4 = 0x0004;
constexpr UINT ILC_COLOR8 = 0x0008;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_BLEND25 = 0x0002;
constexpr UINT ILD_BLEND50 = 0x0004;
constexpr UINT ILD_MASK = 0x0010;
constexpr UINT ILD_IMAGE = 0x0020;
constexpr UINT ILD_FOCUS = ILD_BLEND25;
constexpr UINT ILD_SELECTED = ILD_BLEND50;
constexpr UINT ILD_BLEND = ILD_BLEND50;

constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

constexpr UINT ILCF_MOVE = 0x0000;
constexpr UINT ILCF_SWAP = 0x0001;

struct IMAGEINFO {
    HBITMAP hbmImage = nullptr; // belongs to the list: valid until its next change
    HBITMAP hbmMask = nullptr;
    int Unused1 = 0;
    int Unused2 = 0;
    RECT rcImage{};
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// A copy with all images.
HIMAGELIST ImageList_Duplicate(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// Changes the image size and removes every image.
BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy);
UINT ImageList_GetFlags(HIMAGELIST list);
// Adds as many images as the bitmap is wide (width / cx, the rest ignored); -1 when none fits. Returns
// the index of the first one. Without a mask (or in a list without ILC_MASK) nothing is transparent.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Adds images whose pixels of `maskColor` become transparent (and black in the colour image).
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF maskColor);
// Replaces image `index` with the first image of the bitmaps.
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Replaces image `index` (or adds, for -1) with an icon; returns the index or -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon) {
    return ImageList_ReplaceIcon(list, -1, icon);
}
// Removes image `index`, or every image for -1.
BOOL ImageList_Remove(HIMAGELIST list, int index);
// Within one list: ILCF_SWAP exchanges two images, ILCF_MOVE copies the source over the destination.
BOOL ImageList_Copy(HIMAGELIST dest, int destIndex, HIMAGELIST source, int sourceIndex, UINT flags);
BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);

// Draws image `index` at (x, y), `dx` x `dy` of it (0 = the whole image). `background`: CLR_NONE draws
// transparently, CLR_DEFAULT uses the list's colour; without ILD_TRANSPARENT the transparent pixels take
// that colour. `foreground` is the colour ILD_BLEND25 (25 %) and ILD_BLEND50 (50 %) mix in (CLR_DEFAULT:
// the highlight colour). ILD_MASK draws the mask: black where opaque, white where transparent.
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF background,
                      COLORREF foreground, UINT style);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);

// For the class library: copies image `index` into 32-bit `color` pixels (straight alpha; 0 where the
// mask is transparent unless the image has alpha) and tells whether the image has per-pixel alpha and
// which pixels are opaque (mask bits, one byte per pixel, 1 = opaque). False for a bad index.
bool ImageList_ReadImage(HIMAGELIST list, int index, std::uint32_t* color, std::uint8_t* opaque,
                         bool* hasAlpha);
