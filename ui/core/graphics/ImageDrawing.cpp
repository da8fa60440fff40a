#include "ui/core/graphics/ImageDrawing.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/ImageList.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBitmap.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageList.h"
#include "ui/core/graphics/WorkBitmaps.h"

#include <cmath>

TuiDrawImageHook uiDrawImageHook;

namespace image_drawing_detail {

// Destination AND pattern AND NOT source.
constexpr DWORD SilhouetteRop = 0x00200F09;

// Adds to AImage the silhouette of its opaque part (AMask: white where transparent, black where opaque)
// shifted right and down by AOffset, in AColor wherever the image itself is transparent. With AEnlarge the
// image grows by AOffset at the right and bottom so that the whole silhouette fits.
void AddOffsetSilhouette(TuiAlphaBitmap* AImage, TuiAlphaBitmap* AMask, int AOffset, bool AEnlarge,
                         TColor AColor) {
    const int w = AImage->Width(), h = AImage->Height(), a = AOffset;
    TuiAlphaBitmap silhouette(w + 2 * a, h + 2 * a, clWhite);
    silhouette.Clear();
    silhouette.CopyBitmapRect(AMask, TRect{a, a, a + w, a + h}, SRCCOPY, uiZeroPoint);
    HDC dc = silhouette.Canvas()->Handle();
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    // Each pixel takes the colour where it is transparent while the pixel AOffset up and left is opaque.
    BitBlt(dc, a, a, w + a, h + a, dc, 0, 0, SilhouetteRop);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    silhouette.SetBackgroundPixel(0);
    silhouette.TransformBitmap(tmCorrectBlend);
    TuiBitmap32 combined(w + a, h + a, true);
    combined.CopyBitmapRect(AImage, TRect{0, 0, w, h}, SRCCOPY, uiZeroPoint);
    combined.CopyBitmapRect(&silhouette, combined.GetClientRect(), SRCPAINT, TPoint{a, a});
    if (AEnlarge) AImage->SetSize(w + a, h + a);
    AImage->CopyBitmap(&combined);
}

} // namespace image_drawing_detail

bool uiIsGlyphAssigned(TBitmap* AGlyph) {
    return AGlyph != nullptr && !AGlyph->Empty();
}

bool uiIsImageAssigned(TCustomImageList* AImages, int AImageIndex) {
    return AImages != nullptr && AImageIndex >= 0 && AImageIndex < AImages->Count();
}

TSize uiGetImageSize(TBitmap* AGlyph, TCustomImageList* AImages, int AImageIndex) {
    if (uiIsGlyphAssigned(AGlyph)) return TSize{AGlyph->Width(), AGlyph->Height()};
    if (uiIsImageAssigned(AImages, AImageIndex)) return TSize{AImages->Width(), AImages->Height()};
    return TSize{0, 0};
}

void uiAttachImageList(TCustomImageList* ANewList, TCustomImageList*& AField, TChangeLink* AChangeLink,
                       TComponent* AComponent) {
    if (AField == ANewList) return;
    if (AField != nullptr) {
        if (AComponent != nullptr) AField->RemoveFreeNotification(AComponent);
        if (AChangeLink != nullptr) AField->UnRegisterChanges(AChangeLink);
    }
    AField = ANewList;
    if (AField != nullptr) {
        if (AChangeLink != nullptr) AField->RegisterChanges(AChangeLink);
        if (AComponent != nullptr) AField->FreeNotification(AComponent);
    }
    if (AChangeLink != nullptr) AChangeLink->Change();
}

void uiPaintBitmap(HDC ADestDC, TBitmap* ABitmap, const TRect& ADestRect, DWORD ARop,
                   const TPoint& ASourcePoint) {
    uiBlitRect(ADestDC, ABitmap->Canvas()->Handle(), ADestRect, ARop, ASourcePoint);
}

void uiDrawImage(HDC ADC, TRect AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                 TCustomImageList* AImages, int AImageIndex, TuiGlyphDrawMode ADrawMode, bool ASmoothImage,
                 TBrush* ABrush, TColor ATransparentColor, bool AUseGlyphTransparentColor) {
    using namespace image_drawing_detail;
    const bool isGlyph = uiIsGlyphAssigned(AGlyph);
    if (!isGlyph && !uiIsImageAssigned(AImages, AImageIndex)) return;
    if (uiIsRectEmpty(ABackgroundRect)) return;

    TuiAlphaBitmap* drawBitmap =
        uiWorkBitmapDraw(uiWidthOfRect(ABackgroundRect), uiHeightOfRect(ABackgroundRect));
    HDC drawDC = drawBitmap->Canvas()->Handle();
    const TRect drawRect = drawBitmap->GetClientRect();
    if (ABrush != nullptr)
        ::FillRect(drawDC, &drawRect, ABrush->Handle());
    else
        uiBlitRect(drawDC, ADC, drawRect, SRCCOPY, TPoint{ABackgroundRect.left, ABackgroundRect.top});
    AGlyphRect = uiShiftRect(AGlyphRect, -ABackgroundRect.left, -ABackgroundRect.top);

    if (!uiDrawImageHook ||
        !uiDrawImageHook(drawBitmap->GetuiCanvas(), AImages, AImageIndex, ADrawMode, AGlyphRect, AGlyph)) {
        const TSize size = uiGetImageSize(AGlyph, AImages, AImageIndex);
        TuiAlphaBitmap* image = uiWorkBitmapImage(size.cx, size.cy);
        bool hasAlpha = false;
        if (isGlyph) {
            image->CopyBitmap(AGlyph);
            hasAlpha = ovGetBitsPerPixel(AGlyph) >= 32;
        } else {
            TuiImageList::FetchImageAndMask(AImages, AImageIndex, image, nullptr);
            hasAlpha = TuiImageList::GetBitsPerPixel(AImages->Handle()) >= 32;
        }
        hasAlpha = hasAlpha && ovBitmapHasAlpha(image);
        if (!hasAlpha) image->TransformBitmap(tmOpaque);

        // The mask: needed to cut out an image without alpha and for the silhouettes. An image with alpha
        // has no transparent pixels but its zero ones, which cutting out would leave as they are.
        const bool silhouette = ADrawMode == gdmShadowed || (ADrawMode == gdmDisabled && !hasAlpha);
        TuiAlphaBitmap* mask = nullptr;
        if (!hasAlpha || silhouette) {
            mask = uiWorkBitmapMask(size.cx, size.cy);
            mask->CopyBitmap(image);
            if (!hasAlpha) {
                if (!isGlyph) {
                    TuiAlphaBitmap listMask(size.cx, size.cy);
                    TuiImageList::FetchImageAndMask(AImages->Handle(), AImageIndex, nullptr, &listMask);
                    listMask.TransformBitmap(tmCorrectBlend);
                    mask->ApplyMask(&listMask);
                }
                if (ATransparentColor != clNone) mask->AddTransparentColor(ATransparentColor);
                if (AUseGlyphTransparentColor && isGlyph)
                    mask->AddTransparentColor(AGlyph->TransparentColor());
            }
            mask->TransformBitmap(tmMask);
            if (!hasAlpha) image->ApplyMask(mask);
        }

        std::uint8_t constantAlpha = 255;
        switch (ADrawMode) {
        case gdmNormal:
            break;
        case gdmDisabled:
            if (hasAlpha) {
                image->TransformBitmap(tmGrayLumaAlt);
                constantAlpha = 151;
            } else {
                image->TransformBitmap(tmDisable);
                AddOffsetSilhouette(image, mask, 1, false, clBtnHighlight);
            }
            break;
        case gdmFaded:
            image->TransformBitmap(tmGrayLuma);
            constantAlpha = 64;
            break;
        case gdmGrayScale:
            image->TransformBitmap(tmGrayAverage);
            break;
        case gdmLight:
            image->TransformBitmap(tmLighten);
            break;
        case gdmShadowed:
            AddOffsetSilhouette(image, mask, 2, true, clBtnShadow);
            AGlyphRect = uiShiftRect(uiGrowRectSides(AGlyphRect, 0, 0, 2, 2), -1, -1);
            break;
        }
        image->AlphaBlendTo(drawBitmap, AGlyphRect, constantAlpha, ASmoothImage);
    }
    uiPaintBitmap(ADC, drawBitmap, ABackgroundRect);
}

TRect uiGetImageRect(const TRect& R, const TSize& ASize, TuiImageFitMode AFitMode, int APercent,
                     bool ACentre) {
    if (ASize.cx <= 0 || ASize.cy <= 0) return R;
    const int w = uiWidthOfRect(R), h = uiHeightOfRect(R);
    const double cw = double(w) / ASize.cx, ch = double(h) / ASize.cy;
    auto proportional = [&]() {
        return cw >= ch ? TSize{int(std::trunc(ASize.cx * ch)), h} : TSize{w, int(std::trunc(cw * ASize.cy))};
    };
    TSize size{0, 0};
    switch (AFitMode) {
    case ifmNormal:
        size = TSize{MulDiv(ASize.cx, APercent, 100), MulDiv(ASize.cy, APercent, 100)};
        break;
    case ifmStretch:
        size = TSize{w, h};
        break;
    case ifmProportionalStretch:
        size = proportional();
        break;
    case ifmFit:
        size = cw >= 1 && ch >= 1 ? ASize : proportional();
        break;
    case ifmFill:
        size = cw > ch ? TSize{w, int(std::trunc(cw * ASize.cy))} : TSize{int(std::trunc(ASize.cx * ch)), h};
        break;
    }
    return ACentre ? uiCentreSizeIn(R, size) : uiRectOfPointAndSize(TPoint{R.left, R.top}, size.cx, size.cy);
}

void uiDrawImageInRect(TuiCanvas* ACanvas, const TRect& R, TBitmap* AGlyph, TCustomImageList* AImages,
                       int AImageIndex, TuiImageFitMode AFitMode, TuiGlyphDrawMode ADrawMode) {
    const TSize size = uiGetImageSize(AGlyph, AImages, AImageIndex);
    if (size.cx == 0 && size.cy == 0) return;
    const TRect r = uiGetImageRect(R, size, AFitMode, 100, true);
    uiDrawImage(ACanvas->Handle(), r, r, AGlyph, AImages, AImageIndex, ADrawMode, false, nullptr, clNone,
                true);
}
