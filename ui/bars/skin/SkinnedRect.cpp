#include "ui/bars/skin/SkinnedRect.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Format.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinImage.h"

#include <utility>

namespace skinned_rect_detail {

// A bitmap being made, disposed unless it is kept.
class TPendingBitmap {
public:
    explicit TPendingBitmap(GpBitmap* ABitmap) : FBitmap(ABitmap) {}
    ~TPendingBitmap() {
        if (FBitmap != nullptr) ovGdipApi.GdipDisposeImage(FBitmap);
    }
    TPendingBitmap(const TPendingBitmap&) = delete;
    TPendingBitmap& operator=(const TPendingBitmap&) = delete;
    GpBitmap* Get() const { return FBitmap; }
    GpBitmap* Keep() { return std::exchange(FBitmap, nullptr); }

private:
    GpBitmap* FBitmap;
};

// Runs ADraw on a graphics of ABitmap, set to the interpolation mode and to copying the source, so that
// the slices replace what is under them instead of blending with it.
template <class F> void DrawOnBitmap(GpBitmap* ABitmap, int AInterpolationMode, F ADraw) {
    GpGraphics* graphics = nullptr;
    GdipCheck(ovGdipApi.GdipGetImageGraphicsContext(ABitmap, &graphics));
    TovGPCanvas canvas(graphics);
    GdipCheck(
        ovGdipApi.GdipSetInterpolationMode(graphics, static_cast<InterpolationMode>(AInterpolationMode)));
    GdipCheck(ovGdipApi.GdipSetCompositingMode(graphics, CompositingModeSourceCopy));
    ADraw(graphics);
    canvas.FreeHandle();
}

void CheckSource(GpImage* ASheet, const TRect& ASourceRect, const TRect& AFixedMargins) {
    if (ASheet == nullptr) throw EovException("A skin part cannot be loaded without a picture sheet");
    UINT width = 0, height = 0;
    GdipCheck(ovGdipApi.GdipGetImageWidth(ASheet, &width));
    GdipCheck(ovGdipApi.GdipGetImageHeight(ASheet, &height));
    if (uiIsRectEmpty(ASourceRect) ||
        !uiDoesRectEnclose(TRect{0, 0, static_cast<int>(width), static_cast<int>(height)}, ASourceRect))
        throw EovException(Format("The skin part (%d, %d, %d, %d) is not inside its %u x %u picture sheet",
                                  ASourceRect.left, ASourceRect.top, ASourceRect.right, ASourceRect.bottom,
                                  width, height));
    if (AFixedMargins.left < 0 || AFixedMargins.top < 0 || AFixedMargins.right < 0 ||
        AFixedMargins.bottom < 0)
        throw EovException(Format("The skin part's margins (%d, %d, %d, %d) cannot be negative",
                                  AFixedMargins.left, AFixedMargins.top, AFixedMargins.right,
                                  AFixedMargins.bottom));
}

} // namespace skinned_rect_detail

TovSkinnedRect::TovSkinnedRect() = default;

TovSkinnedRect::~TovSkinnedRect() {
    DisposeCache();
    if (FImage != nullptr) ovGdipApi.GdipDisposeImage(FImage);
}

void TovSkinnedRect::LoadFromImage(GpImage* ASheet, const TRect& ASourceRect, const TRect& AFixedMargins) {
    using namespace skinned_rect_detail;
    CheckSource(ASheet, ASourceRect, AFixedMargins);
    const TSize size = uiSizeOfRect(ASourceRect);
    TPendingBitmap image(ovGpCreateBitmapFromSize(size));
    DrawOnBitmap(image.Get(), InterpolationModeNearestNeighbor, [&](GpGraphics* AGraphics) {
        GdipCheck(ovGdipApi.GdipDrawImageRectRectI(AGraphics, ASheet, 0, 0, size.cx, size.cy,
                                                   ASourceRect.left, ASourceRect.top, size.cx, size.cy,
                                                   UnitPixel, nullptr, nullptr, nullptr));
    });
    // Loaded again, the part frees its old picture and forgets its composition: the next draw shows the new
    // one.
    ResetCache();
    if (FImage != nullptr) ovGdipApi.GdipDisposeImage(FImage);
    FImage = image.Keep();
    FFixedMargins = AFixedMargins;
    FImageSize = size;
    ovSkinsSplitRectByMargins(uiRectOfSize(size), FFixedMargins, FSourceSlices);
    FContentMargins = FFixedMargins;
    FMinSize = TSize{uiHorzMarginsSum(FFixedMargins), uiVertMarginsSum(FFixedMargins)};
}

TovSkinnedRect* TovSkinnedRect::SetInterpolationMode(int AMode) {
    if (AMode < InterpolationModeDefault || AMode > InterpolationModeHighQualityBicubic)
        throw EovException(Format("Interpolation mode %d is none of 0..7", AMode));
    // On Windows 7 every part is composed with the default mode, whatever its skin asks for.
    const int mode = ovOSVersion().IsWin7 ? InterpolationModeDefault : AMode;
    if (mode != FInterpolationMode) {
        FInterpolationMode = mode;
        ResetCache();
    }
    return this;
}

void TovSkinnedRect::SetStretch(bool ATiled) {
    if (ATiled == FTiled) return;
    FTiled = ATiled;
    ResetCache();
}

void TovSkinnedRect::Draw(HDC DC, const TRect& R, std::uint8_t AAlpha) {
    RECT visible = R;
    if (uiIsRectEmpty(R) || !RectVisible(DC, &visible)) return;
    TovGPPaintCanvas* canvas = IsLoaded() && CheckGdiPlus() ? ovSharedGpPaintCanvas() : nullptr;
    if (canvas == nullptr) {
        DrawFallback(DC, R);
        return;
    }
    canvas->BeginPaint(DC, R);
    const TovFinally end([canvas] { canvas->EndPaint(); });
    DrawToGraphics(canvas->Handle(), R, AAlpha);
}

void TovSkinnedRect::DrawWithColor(HDC DC, const TRect& R, std::uint8_t AAlpha, TColor AColor) {
    if (AColor == clDefault) {
        Draw(DC, R, AAlpha);
        return;
    }
    RECT visible = R;
    if (!uiIsDrawableColor(AColor) || uiIsRectEmpty(R) || !RectVisible(DC, &visible)) return;
    if (!IsLoaded() || !CheckGdiPlus()) {
        DrawFallback(DC, R);
        return;
    }
    TovSmartImage image(uiSizeOfRect(R), 0u);
    {
        GpGraphics* graphics = nullptr;
        GdipCheck(ovGdipApi.GdipGetImageGraphicsContext(image.GetHandle(), &graphics));
        TovGPCanvas canvas(graphics);
        DrawToGraphics(graphics, image.GetClientRect(), AAlpha);
        canvas.FreeHandle();
    }
    image.ChangeColor(AColor);
    image.StretchDraw(DC, R, 255);
}

void TovSkinnedRect::DrawToGraphics(GpGraphics* AGraphics, const TRect& R, std::uint8_t AAlpha) {
    if (uiIsRectEmpty(R) || !IsLoaded()) return;
    const TSize size = uiSizeOfRect(R);
    if (size != FCalculatedSize) {
        CalculateParts(size.cx, size.cy);
        FCalculatedSize = size;
    }
    if (FCacheSize != FCalculatedSize) RenderCache();
    DrawCached(AGraphics, R, AAlpha);
}

void TovSkinnedRect::RenderCache() {
    using namespace skinned_rect_detail;
    DisposeCache();
    TPendingBitmap cache(ovGpCreateBitmapFromSize(FCalculatedSize));
    DrawOnBitmap(cache.Get(), FInterpolationMode, [this](GpGraphics* AGraphics) {
        for (int i = 0; i < SliceCount; ++i) {
            if (FTiled)
                ovGpTileImagePart(AGraphics, FDestSlices[i], FSourceSlices[i], 255, FImage);
            else
                ovGpDrawImage(AGraphics, FDestSlices[i], FSourceSlices[i], 255, FImage);
        }
    });
    FCache = cache.Keep();
    FCacheSize = FCalculatedSize;
    ++FRenderCount;
}

void TovSkinnedRect::DisposeCache() {
    FCacheSize = TSize{};
    if (FCache != nullptr) ovGdipApi.GdipDisposeImage(std::exchange(FCache, nullptr));
}

void TovSkinnedRect::CalculateParts(int AWidth, int AHeight) {
    ovSkinsSplitRectByMargins(TRect{0, 0, AWidth, AHeight}, FFixedMargins, FDestSlices);
}

void TovSkinnedRect::ResetCache() {
    FCalculatedSize = TSize{};
    // Without the cache going too, a reset at an unchanged size would show the old composition again.
    DisposeCache();
}

void TovSkinnedRect::DrawFallback(HDC DC, const TRect& R) {
    RECT area = R;
    FillRect(DC, &area, GetSysColorBrush(COLOR_BTNFACE));
}

void TovSkinnedRect::DrawCached(GpGraphics* AGraphics, const TRect& R, std::uint8_t AAlpha) {
    ovGpDrawImage(AGraphics, R, uiRectOfSize(FCalculatedSize), AAlpha, FCache);
}

TRect TovSkinnedRect::GetContentRect(const TRect& R) {
    return uiShrinkRectByMargins(R, FContentMargins);
}
