// Drawing item glyphs in the bars' draw modes (normal, disabled, faded, grayscale, lightened, shadowed),
// through a per-control cache of the transformed picture so that faded, gray and lightened glyphs are
// not transformed again on every paint.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/graphics/ImageDrawing.h"

#include <memory>

class TBitmap;
class TCustomImageList;
class TuiAlphaBitmap;
class TovBarItemControl;

// The state a glyph is drawn in, as the painter gathers it.
struct TovGlyphDrawState {
    bool Enabled = true;
    bool GrayScale = false;
    bool FlatGlyphs = false; // the painter draws glyphs on a transparent background
    bool Selected = false;
    bool Down = false;
    bool Pressed = false;
    bool Shadow = false; // the painter wants a shadow under selected glyphs
    bool Faded = false;  // disabled glyphs are drawn faded
};

// The draw mode of a glyph in that state (lightened glyphs need more than 8 bits per pixel).
TuiGlyphDrawMode ChooseGlyphDrawMode(const TovGlyphDrawState& AState);

// The cached, already transformed picture of an item control's glyph and what it was made from.
class TovCachedImageOptions {
public:
    TovCachedImageOptions();
    ~TovCachedImageOptions();
    bool Cached = false;
    TuiGlyphDrawMode DrawMode = gdmNormal;
    TCustomImageList* ImageList = nullptr;
    TBitmap* SourceGlyph = nullptr;
    int ImageIndex = -1;
    TuiAlphaBitmap* Glyph() const { return FGlyph.get(); }
    void ResetCachedValues() { Cached = false; }

private:
    std::unique_ptr<TuiAlphaBitmap> FGlyph;
};

// How the glyph is drawn besides its source and state.
struct TovGlyphDrawOptions {
    HBRUSH Brush = nullptr;               // fills the background area first; null: the DC's pixels stay
    TColor TransparentColor = clNone;     // of image-list pictures without alpha (glyphs use their own)
    bool SmoothGlyphs = false;            // stretched glyphs are resampled
    bool UseGlyphTransparentColor = true; // a glyph's own transparent colour (its left-bottom pixel)
};

// Draws AGlyph, or else image AImageIndex of AImages, into AGlyphRect over ABackgroundRect. With an item
// control whose manager caches glyphs (and not shadowed) the transformed picture is kept in the control's
// cached image options and reused while the mode, the source, the image index and the size stay.
void ovBarDrawGlyph(TovBarItemControl* AControl, HDC ADC, const TRect& ABackgroundRect,
                    const TRect& AGlyphRect, TBitmap* AGlyph, TCustomImageList* AImages, int AImageIndex,
                    const TovGlyphDrawState& AState, const TovGlyphDrawOptions& AOptions);
// The same without an item control, so without a cache (customization forms, the font-name combo).
void ovBarTransparentDraw(HDC ADC, const TRect& ABackgroundRect, const TRect& AGlyphRect, TBitmap* AGlyph,
                          TCustomImageList* AImages, int AImageIndex, const TovGlyphDrawState& AState,
                          const TovGlyphDrawOptions& AOptions);
// A bitmap drawn into R as it is (enabled) or disabled.
void DrawStateGlyph(HDC ADC, const TRect& R, TBitmap* AGlyph, bool AEnabled);
