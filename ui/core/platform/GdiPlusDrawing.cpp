#include "ui/core/platform/GdiPlusDrawing.h"

#include "platform/gdi/GdiDC.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/GraphicsUnit.h"
#include "ui/core/platform/GdiPlusCanvas.h"

#include <utility>

// ---- TovGPAlphaBlendAttributes

TovGPAlphaBlendAttributes::TovGPAlphaBlendAttributes() {
    GdipCheck(ovGdipApi.GdipCreateImageAttributes(&FHandle));
    for (int i = 0; i < 5; ++i)
        FColorMatrix.m[i][i] = 1.0f;
    SetAlpha(255);
}

TovGPAlphaBlendAttributes::~TovGPAlphaBlendAttributes() {
    if (FHandle != nullptr) ovGdipApi.GdipDisposeImageAttributes(FHandle);
}

void TovGPAlphaBlendAttributes::SetAlpha(std::uint8_t AAlpha) {
    if (AAlpha == FAlpha) return;
    FAlpha = AAlpha;
    FColorMatrix.m[3][3] = static_cast<float>(AAlpha) / 255.0f;
    GdipCheck(ovGdipApi.GdipSetImageAttributesColorMatrix(FHandle, ColorAdjustTypeBitmap, TRUE, &FColorMatrix,
                                                          nullptr, ColorMatrixFlagsDefault));
}

namespace gdiplus_drawing_detail {

TuiGraphicsUnitInstance<TovGPAlphaBlendAttributes> SharedAttributes;

// Graphics and images made for one drawing, released in every case.
struct TTemporaries {
    GpTexture* Brush = nullptr;
    GpBitmap* Bitmap = nullptr;
    GpGraphics* Graphics = nullptr;
    ~TTemporaries() {
        if (Graphics != nullptr) ovGdipApi.GdipDeleteGraphics(Graphics);
        if (Bitmap != nullptr) ovGdipApi.GdipDisposeImage(Bitmap);
        if (Brush != nullptr) ovGdipApi.GdipDeleteBrush(Brush);
    }
};

// One texture brush of the part fills a bitmap of the destination's size, drawn in one call. False when
// the brush cannot be made.
bool TileByBrush(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect, GpImage* AImage) {
    TTemporaries temporaries;
    if (ovGdipApi.GdipCreateTexture2I(AImage, WrapModeTile, ASourceRect.left, ASourceRect.top,
                                      uiWidthOfRect(ASourceRect), uiHeightOfRect(ASourceRect),
                                      &temporaries.Brush) != Ok)
        return false;
    const int width = uiWidthOfRect(ADestRect), height = uiHeightOfRect(ADestRect);
    temporaries.Bitmap = ovGpCreateBitmap(width, height);
    GdipCheck(ovGdipApi.GdipGetImageGraphicsContext(temporaries.Bitmap, &temporaries.Graphics));
    GdipCheck(ovGdipApi.GdipFillRectangleI(temporaries.Graphics, temporaries.Brush, 0, 0, width, height));
    GdipCheck(ovGdipApi.GdipDrawImageRectI(AGraphics, temporaries.Bitmap, ADestRect.left, ADestRect.top,
                                           width, height));
    return true;
}

// R of DC filled through a level of the shared paint canvas.
template <class F> void FillOnSharedCanvas(HDC DC, const TRect& R, F AFill) {
    TovGPPaintCanvas* canvas = ovSharedGpPaintCanvas();
    canvas->BeginPaint(DC, R);
    const TovFinally end([canvas] { canvas->EndPaint(); });
    AFill(canvas->Handle());
}

} // namespace gdiplus_drawing_detail

TovGPAlphaBlendAttributes* ovGpGetAlphaBlendAttributes(std::uint8_t AAlpha) {
    TovGPAlphaBlendAttributes* attributes = gdiplus_drawing_detail::SharedAttributes.Get();
    if (attributes != nullptr) attributes->SetAlpha(AAlpha);
    return attributes;
}

void ovFreeGpAlphaBlendAttributes() {
    gdiplus_drawing_detail::SharedAttributes.Free();
}

void ovGpDrawImage(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect,
                   std::uint8_t AAlpha, GpImage* AImage) {
    int sourceWidth = uiWidthOfRect(ASourceRect), sourceHeight = uiHeightOfRect(ASourceRect);
    const int destWidth = uiWidthOfRect(ADestRect), destHeight = uiHeightOfRect(ADestRect);
    if (sourceWidth <= 0 || sourceHeight <= 0 || destWidth <= 0 || destHeight <= 0) return;
    if (!ovGpRectIsVisible(AGraphics, ADestRect)) return;
    if (sourceHeight < destHeight && sourceHeight > 1) --sourceHeight;
    if (sourceWidth < destWidth && sourceWidth > 1) --sourceWidth;
    GpImageAttributes* attributes = nullptr;
    if (AAlpha != 255)
        if (TovGPAlphaBlendAttributes* shared = ovGpGetAlphaBlendAttributes(AAlpha))
            attributes = shared->Handle();
    GdipCheck(ovGdipApi.GdipDrawImageRectRectI(AGraphics, AImage, ADestRect.left, ADestRect.top, destWidth,
                                               destHeight, ASourceRect.left, ASourceRect.top, sourceWidth,
                                               sourceHeight, UnitPixel, attributes, nullptr, nullptr));
}

void ovGpTileImagePart(GpGraphics* AGraphics, const TRect& ADestRect, const TRect& ASourceRect,
                       std::uint8_t AAlpha, GpImage* AImage) {
    if (uiIsRectEmpty(ASourceRect) || !ovGpRectIsVisible(AGraphics, ADestRect)) return;
    const int sourceWidth = uiWidthOfRect(ASourceRect), sourceHeight = uiHeightOfRect(ASourceRect);
    const int destWidth = uiWidthOfRect(ADestRect), destHeight = uiHeightOfRect(ADestRect);
    if (AAlpha == 255 && (sourceWidth < destWidth || sourceHeight < destHeight) &&
        gdiplus_drawing_detail::TileByBrush(AGraphics, ADestRect, ASourceRect, AImage))
        return;
    const int columns = (destWidth + sourceWidth - 1) / sourceWidth;
    const int rows = (destHeight + sourceHeight - 1) / sourceHeight;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            TRect cell = uiRectOfBounds(ADestRect.left + column * sourceWidth,
                                        ADestRect.top + row * sourceHeight, sourceWidth, sourceHeight);
            TRect source = ASourceRect;
            if (cell.right > ADestRect.right) {
                source.right -= cell.right - ADestRect.right;
                cell.right = ADestRect.right;
            }
            if (cell.bottom > ADestRect.bottom) {
                source.bottom -= cell.bottom - ADestRect.bottom;
                cell.bottom = ADestRect.bottom;
            }
            ovGpDrawImage(AGraphics, cell, source, AAlpha, AImage);
        }
}

void ovGpFillRect(HDC DC, const TRect& R, TColor AColor, std::uint8_t AAlpha) {
    gdiplus_drawing_detail::FillOnSharedCanvas(DC, R, [&](GpGraphics* AGraphics) {
        ovGpFillRectByGraphics(AGraphics, R, ovGpColorToARGB(AColor, AAlpha));
    });
}

void ovGpFillRectByGraphics(GpGraphics* AGraphics, const TRect& R, ARGB AARGB) {
    GpSolidFill* brush = nullptr;
    GdipCheck(ovGdipApi.GdipCreateSolidFill(AARGB, &brush));
    const GpStatus status =
        ovGdipApi.GdipFillRectangleI(AGraphics, brush, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R));
    ovGdipApi.GdipDeleteBrush(brush);
    GdipCheck(status);
}

void ovGpFillRectByGradient(HDC DC, const TRect& R, TColor AColor1, TColor AColor2, LinearGradientMode AMode,
                            std::uint8_t AAlpha1, std::uint8_t AAlpha2) {
    if (uiIsRectEmpty(R)) return;
    gdiplus_drawing_detail::FillOnSharedCanvas(DC, R, [&](GpGraphics* AGraphics) {
        ovGpFillRectByGradientOnGraphics(AGraphics, R, ovGpColorToARGB(AColor1, AAlpha1),
                                         ovGpColorToARGB(AColor2, AAlpha2), AMode);
    });
}

void ovGpFillRectByGradientOnGraphics(GpGraphics* AGraphics, const TRect& R, ARGB AColor1, ARGB AColor2,
                                      LinearGradientMode AMode) {
    if (uiIsRectEmpty(R)) return;
    // The brush reaches one pixel beyond R, so that R's edge pixels are not the pure end colours.
    const GpRect span{R.left - 1, R.top - 1, uiWidthOfRect(R) + 2, uiHeightOfRect(R) + 2};
    GpLineGradient* brush = nullptr;
    GdipCheck(ovGdipApi.GdipCreateLineBrushFromRectI(&span, AColor1, AColor2, AMode, WrapModeTile, &brush));
    const GpStatus status =
        ovGdipApi.GdipFillRectangleI(AGraphics, brush, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R));
    ovGdipApi.GdipDeleteBrush(brush);
    GdipCheck(status);
}

bool ovGpIsDoubleBufferNeeded(HDC DC) {
    if (GetDeviceCaps(DC, BITSPIXEL) <= 16 || GetDeviceCaps(DC, TECHNOLOGY) == DT_RASPRINTER ||
        GetDeviceCaps(DC, NUMCOLORS) > 1)
        return true;
    if (IsWinVistaOrLater()) return false;
    // Before Vista, alpha drawing into a layered window's DC is lost without a buffer.
    HWND window = WindowFromDC(DC);
    return window != nullptr && (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

bool ovGpRectIsVisible(GpGraphics* AGraphics, const TRect& R) {
    BOOL visible = FALSE;
    GdipCheck(ovGdipApi.GdipIsVisibleRectI(AGraphics, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R),
                                           &visible));
    return visible != FALSE;
}
