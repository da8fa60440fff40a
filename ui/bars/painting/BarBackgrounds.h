// Backgrounds, frames and clipping of the bars: fills by brush, colour or a tiled picture that lines up
// across neighbouring controls, the highlight, double and dotted focus frames, the transparent size grip,
// the shade of inactive bars, clip-region saving, and painting a host form's background under a bar.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

class TBitmap;
class TWinControl;

// Without a usable bitmap: R filled with ABrush, or (ABrush null) with a solid brush of AColor; with
// one: the bitmap tiled over R as the endless tiling anchored at AOrigin's top-left would show it.
void FillRectBrushColorOrBitmap(HDC ADC, const TRect& R, const TRect& AOrigin, TBitmap* ABitmap,
                                TColor AColor, HBRUSH ABrush);
void TileBitmapOverRect(HDC ADC, const TRect& R, const TRect& AOrigin, TBitmap* ABitmap);

void FrameHighlightRect(HDC ADC, const TRect& R);
// A two-pixel frame in the system colour AColorIndex.
void FrameRectTwice(HDC ADC, const TRect& R, int AColorIndex);
// Two dotted rings (R and R inset by 1) in the button-text colour, on the pixels where x + y is even.
void DrawDottedFocusRings(HDC ADC, const TRect& R);
// The system size grip over the existing pixels: its button-face pixels are left out.
void DrawSizeGrip(HDC ADC, const TRect& R);
// A hatch of black and the button face over R: a bar drawn as inactive.
void DrawInactiveBarShade(HDC ADC, const TRect& R);

// Saves and restores the DC's clip region; every save is paired with one restore.
void SaveCurrentClipRegion(HDC ADC, HRGN& ARegion, bool& AExists);
void RestoreSavedClipRegion(HDC ADC, HRGN ARegion, bool AExists);
// Adds R to the clip region.
void IntersectClipWithRect(HDC ADC, const TRect& R);
// Keeps the ring between AOuter and AInner (inside it) out of the clip region: drawing that follows
// leaves a frame just drawn there alone.
void ClipOutFrameRing(HDC ADC, const TRect& AOuter, const TRect& AInner);

// Lets a bar paint into its host form's DC: the DC's window origin moves by the offset of the form's
// client origin in the bar's client area, and ARect moves with it into the bar's coordinates.
void BeforeDrawBackground(TWinControl* AForm, HWND ABarWindow, HDC ADC, TPoint& AOffset,
                          TPoint& APreviousOrigin, TRect& ARect);
void RestoreParentBackgroundOrigin(HDC ADC, const TPoint& APreviousOrigin);
