// Alpha blending of premultiplied 32-bit pixels between DCs and bitmaps: the system's AlphaBlend when it
// is available and no smoothing is asked for, otherwise a copy that is scaled (Lanczos when smoothing)
// and blended by the system or pixel by pixel. Also the small bitmap helpers the image drawing rests on.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <memory>

class TBitmap;

// The system's AlphaBlend entry. The graphics unit binds it when it starts and drops it when it ends;
// null means the library blends by itself.
using TuiAlphaBlendFunction = BOOL (*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
TuiAlphaBlendFunction uiAlphaBlendFunction();
void uiSetAlphaBlendFunction(TuiAlphaBlendFunction AFunction);

constexpr bool uiRectSameSize(const TRect& R1, const TRect& R2) {
    return R1.right - R1.left == R2.right - R2.left && R1.bottom - R1.top == R2.bottom - R2.top;
}

// BitBlt of the rectangle's size from ASourceTopLeft.
BOOL uiBlitRect(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, DWORD ARop, const TPoint& ASourceTopLeft);
// A new plain bitmap with pixel format, width and height set in that order.
std::unique_ptr<TBitmap> uiCreateBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat = pf32bit);
std::unique_ptr<TBitmap> uiCreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat = pf32bit);
std::unique_ptr<TBitmap> uiCreateBitmapOfRect(const TRect& R, TPixelFormat APixelFormat = pf32bit);
// Stretches the whole source onto the whole destination (SRCCOPY).
void uiStretchBitmap(TBitmap* ADest, TBitmap* ASource);
// A new 32-bit bitmap holding the pixels of R of the DC.
std::unique_ptr<TBitmap> uiCopyDCToBitmap(HDC ADC, const TRect& R);

// Blends ASourceRect of the source DC into ADestRect of the destination DC with a constant alpha;
// smoothing (a Lanczos resample) applies only when the flag is set and the sizes differ. On Windows 9x and
// under WOW64 the system's blend is not used; under WOW64 the imaging interface draws a copy of the source
// (bicubic when smoothing), falling back to the pixel path when the interface is missing.
void uiAlphaBlend(HDC ADestDC, HDC ASourceDC, const TRect& ADestRect, std::uint8_t AConstantAlpha,
                  bool ASmooth, const TRect& ASourceRect);
void uiAlphaBlendBitmaps(TBitmap* ADest, TBitmap* ASource, const TRect& ADestRect,
                         std::uint8_t AConstantAlpha, bool ASmooth, const TRect& ASourceRect);
void uiAlphaBlendBitmap(HDC ADestDC, TBitmap* ASource, const TRect& ADestRect, std::uint8_t AConstantAlpha,
                        bool ASmooth, const TRect& ASourceRect);

// Lanczos-3 resampling of the whole source into the whole destination. Without AForce the system's
// halftone stretch does it instead.
void uiResample(TBitmap* ASource, TBitmap* ADest, bool AForce = false);
