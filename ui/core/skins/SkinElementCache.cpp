#include "ui/core/skins/SkinElementCache.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Canvas.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinElement.h"

#include <utility>

TovSkinElementCache::~TovSkinElementCache() {
    if (FGpBitmap != nullptr) ovGdipApi.GdipDisposeImage(FGpBitmap);
}

void TovSkinElementCache::Draw(HDC DC, TovSkinElement* AElement, int AImageIndex, TovSkinElementState AState,
                               const TRect& R) {
    CheckCacheState(AElement, R, AImageIndex, AState);
    DrawCache(DC, R);
}

void TovSkinElementCache::CheckCacheState(TovSkinElement* AElement, const TRect& R, int AImageIndex,
                                          TovSkinElementState AState) {
    if (AElement == FElement && AState == FState && AImageIndex == FImageIndex && uiRectSameSize(R, FRect) &&
        ovSkinImageSet == FImageSet)
        return;
    // Asked before the key is kept: finding out may decode the texture.
    const bool alphaNeeded = !uiIsRectEmpty(R) && AElement->IsAlphaNeeded();
    FElement = AElement;
    FState = AState;
    FImageIndex = AImageIndex;
    FRect = R;
    FImageSet = ovSkinImageSet;
    Clear();
    if (uiIsRectEmpty(R)) return;
    try {
        Build(alphaNeeded);
    } catch (...) {
        // A picture that could not be finished is not shown again as if it were.
        Invalidate();
        throw;
    }
}

void TovSkinElementCache::Build(bool AAlphaNeeded) {
    const TRect bounds = uiMoveRectToZero(FRect);
    TovSkinCanvas canvas;
    if (AAlphaNeeded) {
        FGpBitmap = ovGpCreateBitmapFromRect(bounds);
        GpGraphics* graphics = nullptr;
        GdipCheck(ovGdipApi.GdipGetImageGraphicsContext(FGpBitmap, &graphics));
        canvas.BeginPaintOnGraphics(graphics);
    } else {
        FBitmap = std::make_unique<TuiBitmap>(uiWidthOfRect(bounds), uiHeightOfRect(bounds), pf32bit);
        canvas.BeginPaint(FBitmap->Canvas()->Handle(), bounds);
    }
    ++FBuildCount;
    FBuilding = true;
    const TovFinally end([&] {
        canvas.EndPaint();
        FBuilding = false;
    });
    FElement->DrawContent(&canvas, bounds, FImageIndex, FState);
}

void TovSkinElementCache::DrawCache(HDC DC, const TRect& R) {
    if (FBitmap) {
        BitBlt(DC, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R), FBitmap->Canvas()->Handle(), 0, 0,
               SRCCOPY);
        return;
    }
    if (FGpBitmap == nullptr) return;
    TovGPPaintCanvas* canvas = ovSharedGpPaintCanvas();
    canvas->BeginPaint(DC, R);
    const TovFinally end([canvas] { canvas->EndPaint(); });
    GdipCheck(ovGdipApi.GdipDrawImageRectI(canvas->Handle(), FGpBitmap, R.left, R.top, uiWidthOfRect(R),
                                           uiHeightOfRect(R)));
}

void TovSkinElementCache::Clear() {
    FBitmap.reset();
    if (FGpBitmap != nullptr) GdipCheck(ovGdipApi.GdipDisposeImage(std::exchange(FGpBitmap, nullptr)));
}

void TovSkinElementCache::Invalidate() {
    // While the picture is being drawn (a texture decoded on demand may report a change) it stays; only
    // what it was built for is forgotten, so that the next draw builds it again.
    if (!FBuilding) Clear();
    FElement = nullptr;
    FRect = TRect{};
}
