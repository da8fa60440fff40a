// How the objects of the skin element model paint themselves on a skin canvas: images as nine-part
// textures, borders as solid strips, alternate image attributes as a gradient with two rings of borders,
// and an element as fill, image, borders and glyph (through its cache when it has one).
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/skins/SkinBorders.h"
#include "ui/core/skins/SkinCanvas.h"
#include "ui/core/skins/SkinElement.h"
#include "ui/core/skins/SkinElementCache.h"
#include "ui/core/skins/SkinImage.h"

// ---- Images

void TovSkinImage::Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState) {
    ovSkinPaint(DC, R, [&](TovSkinCanvas* ACanvas) { DrawEx(ACanvas, R, AImageIndex, AState); });
}

void TovSkinImage::DrawEx(TovSkinCanvas* ACanvas, const TRect& R, int AImageIndex,
                          TovSkinElementState AState) {
    if (IsEmpty()) {
        ACanvas->FillRectByGradient(uiShrinkRectByMargins(R, FMargins->Margin()), FGradientBeginColor, 255,
                                    FGradient, FGradientEndColor);
        return;
    }
    InfoNeeded();
    CheckState(AState, AImageIndex);
    ACanvas->DrawImage(this, R, GetStateBounds(AImageIndex, AState));
}

// ---- Borders

void TovSkinBorder::Draw(HDC DC, const TRect& R) {
    if (FColor == clNone) return;
    ovSkinPaint(DC, R, [&](TovSkinCanvas* ACanvas) { DrawEx(ACanvas, R); });
}

void TovSkinBorder::DrawEx(TovSkinCanvas* ACanvas, const TRect& R) {
    if (FColor == clNone) return;
    ACanvas->FillRect(StripOf(R, FSide, FThin), FColor, 255);
}

void TovSkinBorders::Draw(TovSkinCanvas* ACanvas, const TRect& R) {
    for (auto& border : FBorders)
        border->DrawEx(ACanvas, R);
}

void TovSkinAlternateImageAttributes::Draw(TovSkinCanvas* ACanvas, const TRect& R) {
    const TRect content = uiShrinkRectByMargins(R, FContentOffsets->Rect());
    ACanvas->FillRectByGradient(content, FGradientBeginColor, FAlpha, FGradient, FGradientEndColor);
    FBorders->Draw(ACanvas, content);
    FBordersInner->Draw(ACanvas, uiShrinkRectByMargins(content, FBorders->Widths()));
}

// ---- Elements

void TovSkinElement::DrawContent(TovSkinCanvas* ACanvas, const TRect& R, int AImageIndex,
                                 TovSkinElementState AState) {
    ACanvas->FillRect(R, FColor, FAlpha);
    TovSkinAlternateImageAttributes* attributes = nullptr;
    if (GetAlternateImage(AState, AImageIndex, ACanvas->LowColors(), attributes))
        attributes->Draw(ACanvas, R);
    else
        FImage->DrawEx(ACanvas, R, AImageIndex, AState);
    FBorders->Draw(ACanvas, R);
    FGlyph->DrawEx(ACanvas, uiShrinkRectByMargins(R, FContentOffset->Rect()), AImageIndex, AState);
}

void TovSkinElement::Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState) {
    if (uiIsRectEmpty(R) || !RectVisible(DC, &R)) return;
    if (FCache) {
        FCache->Draw(DC, this, AImageIndex, AState, R);
        return;
    }
    ovSkinPaint(DC, R, [&](TovSkinCanvas* ACanvas) { DrawContent(ACanvas, R, AImageIndex, AState); });
}

void TovSkinEmptyElement::Draw(HDC DC, const TRect& R, int AImageIndex, TovSkinElementState AState) {
    ::FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH frame = CreateSolidBrush(0x0000FF);
    FrameRect(DC, &R, frame);
    DeleteObject(frame);
}
