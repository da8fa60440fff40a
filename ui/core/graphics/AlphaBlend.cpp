#include "ui/core/graphics/AlphaBlend.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusCanvas.h"

namespace alpha_blend_detail {
TuiAlphaBlendFunction SystemAlphaBlend = nullptr;
} // namespace alpha_blend_detail

TuiAlphaBlendFunction uiAlphaBlendFunction() {
    return alpha_blend_detail::SystemAlphaBlend;
}

void uiSetAlphaBlendFunction(TuiAlphaBlendFunction AFunction) {
    alpha_blend_detail::SystemAlphaBlend = AFunction;
}

BOOL uiBlitRect(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, DWORD ARop,
                const TPoint& ASourceTopLeft) {
    return BitBlt(ADestDC, ADestRect.left, ADestRect.top, uiWidthOfRect(ADestRect), uiHeightOfRect(ADestRect),
                  ASourceDC, ASourceTopLeft.x, ASourceTopLeft.y, ARop);
}

std::unique_ptr<TBitmap> uiCreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(APixelFormat);
    bitmap->SetWidth(AWidth);
    bitmap->SetHeight(AHeight);
    return bitmap;
}

std::unique_ptr<TBitmap> uiCreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat) {
    return uiCreateBitmap(ASize.cx, ASize.cy, APixelFormat);
}

std::unique_ptr<TBitmap> uiCreateBitmapOfRect(const TRect& R, TPixelFormat APixelFormat) {
    return uiCreateBitmap(uiWidthOfRect(R), uiHeightOfRect(R), APixelFormat);
}

void uiStretchBitmap(TBitmap* ADest, TBitmap* ASource) {
    StretchBlt(ADest->Canvas()->Handle(), 0, 0, ADest->Width(), ADest->Height(), ASource->Canvas()->Handle(),
               0, 0, ASource->Width(), ASource->Height(), SRCCOPY);
}

std::unique_ptr<TBitmap> uiCopyDCToBitmap(HDC ADC, const TRect& R) {
    auto bitmap = uiCreateBitmapOfRect(R, pf32bit);
    HDC target = bitmap->Canvas()->Handle();
    const RECT whole{0, 0, bitmap->Width(), bitmap->Height()};
    ::FillRect(target, &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    uiBlitRect(target, ADC, whole, SRCCOPY, TPoint{R.left, R.top});
    return bitmap;
}

void uiAlphaBlend(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AConstantAlpha,
                  bool ASmooth, const TRect& ASourceRect) {
    if (uiIsRectEmpty(ADestRect) || uiIsRectEmpty(ASourceRect)) return;
    const bool smooth = ASmooth && !uiRectSameSize(ADestRect, ASourceRect);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, AConstantAlpha, AC_SRC_ALPHA};
    const TuiAlphaBlendFunction system = uiAlphaBlendFunction();
    const int w = uiWidthOfRect(ADestRect), h = uiHeightOfRect(ADestRect);
    const TovOSVersionFlags& os = ovOSVersion();
    if (system != nullptr && !smooth && !os.IsWin9X && !os.IsWin64Bit) {
        system(ADestDC, ADestRect.left, ADestRect.top, w, h, ASourceDC, ASourceRect.left, ASourceRect.top,
               uiWidthOfRect(ASourceRect), uiHeightOfRect(ASourceRect), blend);
        return;
    }
    std::unique_ptr<TBitmap> source = uiCopyDCToBitmap(ASourceDC, ASourceRect);
    if (os.IsWin64Bit && CheckGdiPlus(false)) {
        // The system's blend misbehaves under WOW64: the imaging interface draws the copy instead.
        TovGPCustomPaintCanvas* canvas = ovGpBeginPaint(ADestDC, ADestRect);
        const TovFinally end([&canvas] { ovGpEndPaint(canvas); });
        canvas->SetInterpolationMode(smooth ? InterpolationModeHighQualityBicubic
                                            : InterpolationModeLowQuality);
        canvas->DrawBitmap(source.get(), ADestRect, AConstantAlpha);
        return;
    }
    std::unique_ptr<TBitmap> target = uiCopyDCToBitmap(ADestDC, ADestRect);
    std::unique_ptr<TBitmap> scaled = uiCreateBitmap(w, h, pf32bit);
    if (smooth)
        uiResample(source.get(), scaled.get(), true);
    else
        uiStretchBitmap(scaled.get(), source.get());
    if (system != nullptr) {
        system(target->Canvas()->Handle(), 0, 0, w, h, scaled->Canvas()->Handle(), 0, 0, w, h, blend);
    } else {
        TRGBColors over, under;
        if (ovGetBitmapBits(scaled.get(), over, false) && ovGetBitmapBits(target.get(), under, false)) {
            for (std::size_t i = 0; i < under.size(); ++i)
                uiBlendPixel(over[i], under[i], AConstantAlpha);
            ovSetBitmapBits(target.get(), under, false);
        }
    }
    uiBlitRect(ADestDC, target->Canvas()->Handle(), ADestRect, SRCCOPY, uiZeroPoint);
}

void uiAlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect,
                         std::uint8_t AConstantAlpha, bool ASmooth, const TRect& ASourceRect) {
    if (uiIsRectEmpty(ADestRect) || uiIsRectEmpty(ASourceRect)) return;
    uiAlphaBlend(ADest->Canvas()->Handle(), ASource->Canvas()->Handle(), ADestRect, AConstantAlpha, ASmooth,
                 ASourceRect);
}

void uiAlphaBlendBitmap(HDC ADestDC, TBitmap* ASource, const TRect& ADestRect, std::uint8_t AConstantAlpha,
                        bool ASmooth, const TRect& ASourceRect) {
    if (uiIsRectEmpty(ADestRect) || uiIsRectEmpty(ASourceRect)) return;
    uiAlphaBlend(ADestDC, ASource->Canvas()->Handle(), ADestRect, AConstantAlpha, ASmooth, ASourceRect);
}
