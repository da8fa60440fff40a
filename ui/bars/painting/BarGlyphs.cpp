#include "ui/bars/painting/BarGlyphs.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBitmap.h"

TuiGlyphDrawMode ChooseGlyphDrawMode(const TovGlyphDrawState& AState) {
    if (!AState.Enabled) return AState.Faded ? gdmFaded : gdmDisabled;
    if (AState.GrayScale) return gdmGrayScale;
    if (!AState.FlatGlyphs) return gdmNormal;
    if (!AState.Selected && !AState.Down && ovBarLightenedGlyphsOn() && ovBarScreenColorDepth() > 8)
        return gdmLight;
    if (AState.Shadow && AState.Selected && !AState.Pressed) return gdmShadowed;
    return gdmNormal;
}

TovCachedImageOptions::TovCachedImageOptions() : FGlyph(std::make_unique<TuiAlphaBitmap>()) {}
TovCachedImageOptions::~TovCachedImageOptions() = default;

namespace {

bool CacheMatches(const TovCachedImageOptions& ACache, TuiGlyphDrawMode AMode, TBitmap* AGlyph,
                  TCustomImageList* AImages, int AImageIndex, const TSize& ASize) {
    if (!ACache.Cached || ACache.DrawMode != AMode || ACache.Glyph()->Empty()) return false;
    // A new picture of the same list (the item's or the link's image index changed) is a new source.
    const bool sameSource = AGlyph != nullptr
                                ? AGlyph == ACache.SourceGlyph
                                : AImages == ACache.ImageList && AImageIndex == ACache.ImageIndex;
    return sameSource && ACache.Glyph()->Width() == ASize.cx && ACache.Glyph()->Height() == ASize.cy;
}

void RebuildCache(TovCachedImageOptions& ACache, TuiGlyphDrawMode AMode, TBitmap* AGlyph,
                  TCustomImageList* AImages, int AImageIndex, const TSize& ASize,
                  const TovGlyphDrawOptions& AOptions) {
    TuiAlphaBitmap* bitmap = ACache.Glyph();
    bitmap->SetSize(ASize.cx, ASize.cy);
    bitmap->Clear();
    const TRect area{0, 0, ASize.cx, ASize.cy};
    uiDrawImage(bitmap->Canvas()->Handle(), area, area, AGlyph, AImages, AImageIndex, AMode,
                AOptions.SmoothGlyphs, nullptr, AOptions.TransparentColor, AOptions.UseGlyphTransparentColor);
    ACache.DrawMode = AMode;
    ACache.ImageList = AImages;
    ACache.SourceGlyph = AGlyph;
    ACache.ImageIndex = AImageIndex;
    if (AGlyph != nullptr) AGlyph->Dormant();
    ACache.Cached = true;
}

// Restores the image-draw hook when drawing ends, however it ends.
class THookGuard {
public:
    THookGuard() : FSaved(uiDrawImageHook) {}
    ~THookGuard() { uiDrawImageHook = FSaved; }
    THookGuard(const THookGuard&) = delete;
    THookGuard& operator=(const THookGuard&) = delete;

private:
    TuiDrawImageHook FSaved;
};

TovBarManager* ManagerOf(TovBarItemControl* AControl) {
    return AControl != nullptr ? AControl->GetBarManager() : nullptr;
}

} // namespace

void ovBarDrawGlyph(TovBarItemControl* AControl, HDC ADC, const TRect& ABackgroundRect,
                    const TRect& AGlyphRect, TBitmap* AGlyph, TCustomImageList* AImages, int AImageIndex,
                    const TovGlyphDrawState& AState, const TovGlyphDrawOptions& AOptions) {
    TovGlyphDrawOptions options = AOptions;
    if (!uiIsGlyphAssigned(AGlyph))
        AGlyph = nullptr;
    else
        options.TransparentColor = clNone;
    const TuiGlyphDrawMode mode = ChooseGlyphDrawMode(AState);
    TovBarManager* manager = ManagerOf(AControl);
    if (options.Brush != nullptr) FillRect(ADC, &ABackgroundRect, options.Brush);
    THookGuard hookGuard;
    if (AControl != nullptr && manager != nullptr && manager->ImageOptions()->CacheGlyphs &&
        mode != gdmShadowed && (AGlyph != nullptr || uiIsImageAssigned(AImages, AImageIndex))) {
        TovCachedImageOptions& cache = *AControl->CachedImageOptions();
        const TSize size = uiSizeOfRect(AGlyphRect);
        if (size.cx > 0 && size.cy > 0) {
            if (!CacheMatches(cache, mode, AGlyph, AImages, AImageIndex, size))
                RebuildCache(cache, mode, AGlyph, AImages, AImageIndex, size, options);
            uiDrawImageHook = nullptr;
            uiDrawImage(ADC, AGlyphRect, ABackgroundRect, cache.Glyph(), nullptr, -1, gdmNormal, false,
                        nullptr, clNone, false);
            return;
        }
    }
    uiDrawImage(ADC, AGlyphRect, ABackgroundRect, AGlyph, AImages, AImageIndex, mode, options.SmoothGlyphs,
                nullptr, options.TransparentColor, options.UseGlyphTransparentColor);
}

void ovBarTransparentDraw(HDC ADC, const TRect& ABackgroundRect, const TRect& AGlyphRect, TBitmap* AGlyph,
                          TCustomImageList* AImages, int AImageIndex, const TovGlyphDrawState& AState,
                          const TovGlyphDrawOptions& AOptions) {
    ovBarDrawGlyph(nullptr, ADC, ABackgroundRect, AGlyphRect, AGlyph, AImages, AImageIndex, AState, AOptions);
}

void DrawStateGlyph(HDC ADC, const TRect& R, TBitmap* AGlyph, bool AEnabled) {
    uiDrawImage(ADC, R, R, AGlyph, nullptr, -1, AEnabled ? gdmNormal : gdmDisabled, false, nullptr, clNone);
}
