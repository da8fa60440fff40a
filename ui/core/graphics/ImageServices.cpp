#include "ui/core/graphics/ImageServices.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBitmap.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/Colors.h"

#include <algorithm>

void uiTransformDCRect(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, std::uint8_t AAlpha1,
                       std::uint8_t AAlpha2, std::uint8_t AStep) {
    if (uiIsRectEmpty(R)) return;
    TuiAlphaBitmap bitmap(uiWidthOfRect(R), uiHeightOfRect(R));
    uiBlitRect(bitmap.Canvas()->Handle(), ADC, bitmap.GetClientRect(), SRCCOPY, TPoint{R.left, R.top});
    bitmap.DrawHatch(AColor1, AColor2, AAlpha1, AAlpha2, AStep);
    uiBlitRect(ADC, bitmap.Canvas()->Handle(), R, SRCCOPY, uiZeroPoint);
}

std::unique_ptr<TuiAlphaBitmap> uiCreateAlphaBitmapCopy(TBitmap* ABitmap) {
    auto copy = std::make_unique<TuiAlphaBitmap>(ABitmap->Width(), ABitmap->Height());
    copy->CopyBitmap(ABitmap);
    return copy;
}

void uiConvertTransparentBitmapToAlpha(TBitmap* ABitmap, TBitmap* ATarget) {
    std::unique_ptr<TuiAlphaBitmap> image = uiCreateAlphaBitmapCopy(ABitmap);
    image->TransformBitmap(tmOpaque);
    std::unique_ptr<TuiAlphaBitmap> mask = uiCreateAlphaBitmapCopy(ABitmap);
    mask->AddTransparentColor(ABitmap->TransparentColor());
    mask->TransformBitmap(tmMask);
    image->ApplyMask(mask.get());
    ATarget->Assign(image.get());
}

HRGN uiCreateRegionFromBitmap(TBitmap* ABitmap, TColor ATransparentColor) {
    TRGBColors pixels;
    if (!ovGetBitmapBits(ABitmap, pixels, true)) return nullptr;
    const std::uint32_t key = ovColorToRGBQuad(ATransparentColor) & 0x00FFFFFFu;
    const int w = ABitmap->Width(), h = ABitmap->Height();
    HRGN result = nullptr;
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* row = &pixels[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w;) {
            if ((row[x] & 0x00FFFFFFu) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && (row[x] & 0x00FFFFFFu) != key)
                ++x;
            HRGN run = CreateRectRgn(start, y, x, y + 1);
            if (result == nullptr) {
                result = run;
            } else {
                CombineRgn(result, result, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    return result;
}

void uiDrawDesignRect(TuiCanvas* ACanvas, const TRect& R, bool ASelected) {
    uiDrawDesignRect(ACanvas, R, ASelected ? TColor(0x9090FF) : TColor(0xA0FFA0));
}

void uiDrawDesignRect(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    if (uiIsRectEmpty(R)) return;
    ACanvas->SaveState();
    ACanvas->SetClipRegion(new TuiRegion(R), roSet);
    ACanvas->FillRect(R, AColor);
    ACanvas->Pen()->SetColor(GetScaledColor(AColor, 75));
    const int lines = MulDiv(std::max(R.right, R.bottom), 3, 2);
    for (int i = 1; i <= lines; ++i) {
        ACanvas->MoveTo(R.right - 3 * i, R.top);
        ACanvas->LineTo(R.right, R.top + 3 * i);
    }
    ACanvas->FrameRect(R, GetScaledColor(AColor, 50));
    ACanvas->RestoreState();
    ACanvas->ExcludeClipRect(R);
    const TRect shadow = uiShiftRect(R, 1, 1);
    ACanvas->FillRect(shadow, clBtnShadow);
    ACanvas->ExcludeClipRect(shadow);
}
