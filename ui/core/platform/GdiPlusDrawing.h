// Drawing routines on the imaging interface that images, skins, fades and painters share: a part of an
// image stretched with alpha, a part tiled (one texture brush into one bitmap when opaque, cell by cell
// otherwise), rectangles filled with a colour or a two-colour gradient with alpha, the shared image
// attributes that apply a constant alpha, and the test for DCs that need an off-screen buffer.
// Every call goes through GdipCheck, so a failure raises EovGdipException.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/platform/GdiPlusApi.h"

#include <cstdint>

// Image attributes whose colour matrix scales alpha: one shared instance, set just before each draw.
class TovGPAlphaBlendAttributes : public TovGpBase {
public:
    TovGPAlphaBlendAttributes();
    ~TovGPAlphaBlendAttributes() override;
    TovGPAlphaBlendAttributes(const TovGPAlphaBlendAttributes&) = delete;
    TovGPAlphaBlendAttributes& operator=(const TovGPAlphaBlendAttributes&) = delete;

    void SetAlpha(std::uint8_t AAlpha);
    std::uint8_t Alpha() const { return FAlpha; }
    GpImageAttributes* Handle() const { return FHandle; }

private:
    GpImageAttributes* FHandle = nullptr;
    std::uint8_t FAlpha = 0;
    ColorMatrix FColorMatrix{};
};

// The shared attributes set to AAlpha; null once the library has begun to end.
TovGPAlphaBlendAttributes* ovGpGetAlphaBlendAttributes(std::uint8_t AAlpha);
void ovFreeGpAlphaBlendAttributes();

// ASourceRect of AImage into ADestRect. Nothing for an empty side or an invisible destination. A source
// side smaller than the destination's and above 1 loses its last pixel, so that a stretched part never
// blends in the image's pixels beyond it.
void ovGpDrawImage(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect,
                   std::uint8_t AAlpha, GpImage* AImage);
// ASourceRect of AImage repeated over ADestRect from its top-left, the last cells cut.
void ovGpTileImagePart(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect,
                       std::uint8_t AAlpha, GpImage* AImage);

// R of DC filled with the colour at the alpha (clNone fills nothing visible).
void ovGpFillRect(HDC DC, const TRect& R, TColor AColor, std::uint8_t AAlpha);
void ovGpFillRectByGraphics(GpGraphics* AGraphics, const TRect& R, ARGB AARGB);
// R filled with a gradient from AColor1 to AColor2 in the mode; the gradient spans R grown by one pixel on
// every side. Nothing for an empty R.
void ovGpFillRectByGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, LinearGradientMode AMode,
                            std::uint8_t AAlpha1, std::uint8_t AAlpha2);
void ovGpFillRectByGradientOnGraphics(GpGraphics* AGraphics, const TRect& R, ARGB AColor1, ARGB AColor2,
                                      LinearGradientMode AMode);

// Whether alpha drawing on DC must go through an off-screen buffer: 16 bits per pixel or fewer, raster
// printers, palettes, and layered windows before Windows Vista.
bool ovGpIsDoubleBufferNeeded(HDC DC);
bool ovGpRectIsVisible(GpGraphics* AGraphics, const TRect& R);
