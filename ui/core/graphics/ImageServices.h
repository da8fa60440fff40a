// Bitmap services of image drawing: hatching part of a DC, alpha copies of bitmaps, transparent-colour
// bitmaps turned into alpha bitmaps, regions from bitmaps, and the design-time selection marker.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <memory>

class TBitmap;
class TuiAlphaBitmap;
class TuiCanvas;

// Hatches R of the DC (see TuiAlphaBitmap::DrawHatch).
void uiTransformDCRect(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, std::uint8_t AAlpha1,
                       std::uint8_t AAlpha2, std::uint8_t AStep);
std::unique_ptr<TuiAlphaBitmap> uiCreateAlphaBitmapCopy(TBitmap* ABitmap);
// ATarget becomes ABitmap made opaque, with the pixels of its TransparentColor fully transparent.
void uiConvertTransparentBitmapToAlpha(TBitmap* ABitmap, TBitmap* ATarget);
// The region of the pixels whose colour differs from ATransparentColor (owned by the caller), or null
// when every pixel has that colour.
HRGN uiCreateRegionFromBitmap(TBitmap* ABitmap, TColor ATransparentColor);
// The marker of a selected or unselected component at design time, and one of any colour.
void uiDrawDesignRect(TuiCanvas* ACanvas, const TRect& R, bool ASelected);
void uiDrawDesignRect(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
