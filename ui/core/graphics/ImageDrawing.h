// Drawing glyphs (single bitmaps) and image-list images in one of six draw modes, with or without their
// own alpha channel, optionally stretched, through three shared work bitmaps.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"

#include <functional>

class TBitmap;
class TBrush;
class TChangeLink;
class TComponent;
class TCustomImageList;
class TuiCanvas;

enum TuiGlyphDrawMode { gdmNormal, gdmDisabled, gdmFaded, gdmGrayScale, gdmLight, gdmShadowed };

enum TuiImageFitMode {
    ifmNormal,              // own size scaled by a percentage
    ifmStretch,             // the whole rectangle
    ifmProportionalStretch, // as large as fits, proportions kept
    ifmFit,                 // shrunk proportionally to fit, never enlarged
    ifmFill                 // proportionally covering the whole rectangle
};

// Offered every image first (the draw bitmap's canvas, the list and index, the mode, the glyph rectangle
// in that canvas, the glyph); returns true when it has drawn the image. Code that draws cached glyphs
// saves it, clears it around its own uiDrawImage call and restores it.
using TuiDrawImageHook =
    std::function<bool(TuiCanvas* ACanvas, TCustomImageList* AImages, int AImageIndex,
                       TuiGlyphDrawMode ADrawMode, const TRect& AGlyphRect, TBitmap* AGlyph)>;
extern TuiDrawImageHook uiDrawImageHook;

bool uiIsGlyphAssigned(TBitmap* AGlyph);
bool uiIsImageAssigned(TCustomImageList* AImages, int AImageIndex);
// The glyph's size when assigned, else the list's image size for a valid index, else (0, 0).
TSize uiGetImageSize(TBitmap* AGlyph, TCustomImageList* AImages, int AImageIndex);
// Moves AField to ANewList: free notification of AComponent and the change link go with it; a given
// change link is fired afterwards (also for a null list).
void uiAttachImageList(TCustomImageList* ANewList, TCustomImageList*& AField, TChangeLink* AChangeLink,
                       TComponent* AComponent);

// BitBlt of ADestRect's size from ABitmap at ASourcePoint.
void uiPaintBitmap(HDC ADestDC, TBitmap* ABitmap, const TRect& ADestRect, DWORD ARop = 0x00CC0020,
                   const TPoint& ASourcePoint = TPoint{0, 0});

// Draws the glyph, or else image AImageIndex of AImages, into AGlyphRect of ADC in ADrawMode. The area
// of ABackgroundRect is composed off-screen over ABrush or, without one, over the DC's own pixels.
// Without an alpha channel of its own the image is opaque except for its mask, ATransparentColor and,
// when AUseGlyphTransparentColor is set, the glyph's TransparentColor.
void uiDrawImage(HDC ADC, TRect AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                 TCustomImageList* AImages, int AImageIndex, TuiGlyphDrawMode ADrawMode,
                 bool ASmoothImage = false, TBrush* ABrush = nullptr, TColor ATransparentColor = clNone,
                 bool AUseGlyphTransparentColor = true);
// Where an image of size ASize goes in R by the fit mode (APercent is the scale of ifmNormal).
TRect uiGetImageRect(const TRect& R, const TSize& ASize, TuiImageFitMode AFitMode, int APercent = 100,
                     bool ACentre = true);
void uiDrawImageInRect(TuiCanvas* ACanvas, const TRect& R, TBitmap* AGlyph, TCustomImageList* AImages,
                       int AImageIndex, TuiImageFitMode AFitMode, TuiGlyphDrawMode ADrawMode = gdmNormal);
