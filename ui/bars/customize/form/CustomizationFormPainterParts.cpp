#include "ui/bars/customize/form/CustomizationFormPainterParts.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/painters/office11/Office11Drawing.h"

namespace custform_parts {

void FillWithCanvasBrush(TCanvas* ACanvas, const TRect& R, TColor AColor) {
    ACanvas->Brush()->SetColor(AColor);
    if (R.left < R.right && R.top < R.bottom) ACanvas->FillRect(R);
}

void FrameWithColor(HDC ADC, const TRect& R, TColor AColor) {
    FrameRectWithColor(ADC, R, AColor);
}

void DrawEntryText(TCanvas* ACanvas, const TRect& R, const std::string& AText, TColor AColor) {
    // A font changed on the canvas (its colour, for the arrows) is selected again only on demand.
    ACanvas->RequiredState({csHandleValid, csFontValid});
    HDC dc = ACanvas->Handle();
    RECT r = R;
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(AColor));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawText(dc, AText.c_str(), static_cast<int>(AText.size()), &r,
             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void DrawComboArrow(HDC ADC, const TRect& R, TColor AColor) {
    // A 5-pixel-wide, 3-pixel-high triangle: the arrow of the bars' own combo buttons.
    const int cx = R.left + (R.right - R.left) / 2;
    const int cy = R.top + (R.bottom - R.top - 3) / 2;
    const POINT points[3] = {{cx - 2, cy}, {cx + 2, cy}, {cx, cy + 2}};
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(AColor));
    HGDIOBJ oldBrush = SelectObject(ADC, brush);
    HGDIOBJ oldPen = SelectObject(ADC, pen);
    Polygon(ADC, points, 3);
    SelectObject(ADC, oldPen);
    SelectObject(ADC, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void DrawEntryImage(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected, TovBarItem* AItem) {
    if (AItem == nullptr) return;
    TBitmap* glyph = AItem->Glyph();
    TCustomImageList* images = uiIsGlyphAssigned(glyph) ? nullptr : AItem->ImageListOf();
    const int index = AItem->GetImageIndex();
    const TSize size = uiGetImageSize(glyph, images, index);
    if (size.cx <= 0 || size.cy <= 0) return;
    const int x = AGlyphRect.left + (AGlyphRect.right - AGlyphRect.left - size.cx) / 2;
    const int y = AGlyphRect.top + (AGlyphRect.bottom - AGlyphRect.top - size.cy) / 2;
    const TRect imageRect = uiRectOfBounds(x, y, size.cx, size.cy);
    TovGlyphDrawState state;
    state.Selected = ASelected;
    TovGlyphDrawOptions options;
    if (TovBarManager* manager = AItem->BarManager()) {
        options.TransparentColor = manager->GetImageListBkColor();
        options.SmoothGlyphs = manager->ImageOptions()->SmoothGlyphs;
        options.UseGlyphTransparentColor = manager->ImageOptions()->UseLeftBottomPixelAsTransparent();
    }
    ovBarTransparentDraw(ACanvas->Handle(), AGlyphRect, imageRect, glyph, images, index, state, options);
}

bool EntryHasImage(TovBarItem* AItem) {
    if (AItem == nullptr) return false;
    if (uiIsGlyphAssigned(AItem->Glyph())) return true;
    return uiIsImageAssigned(AItem->ImageListOf(), AItem->GetImageIndex());
}

bool HasDropDownPart(TovBarItem* AItem) {
    auto* button = dynamic_cast<TovBarButton*>(AItem);
    if (button == nullptr) return false;
    // A checked drop-down button has the same drop-down part as a plain one.
    return button->ButtonStyle() == bsDropDown || button->ButtonStyle() == bsCheckedDropDown;
}

} // namespace custform_parts
