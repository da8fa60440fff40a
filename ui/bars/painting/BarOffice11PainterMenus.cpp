// The Office11 look of menus: the gradient icon band (darker for a menu of rarely used items), the frame
// in the palette's frame colour with the owner edge open in the menu colour, the detach caption with its
// grip dots, the recoloured expand-button picture, drop-down list frames and quick-customization entries.
#include "ui/bars/painting/BarOffice11Painter.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>

namespace {

bool MenuHasOffice11BackgroundPicture(TCustomovBarControl* ABarControl) {
    TBitmap* bitmap = ABarControl->GetBackgroundBitmap();
    return bitmap != nullptr && !bitmap->Empty();
}

} // namespace

// ---- Metrics

void TovBarOffice11Painter::SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize,
                                                               int& AHeight, int& AWidth) {
    TovBarFlatPainter::SubMenuControlCalcExpandButtonSize(ACanvas, ATextSize, AHeight, AWidth);
    // The button is as tall as its picture with a pixel above and below.
    if (Office11SubMenuExpandBitmap != nullptr && !Office11SubMenuExpandBitmap->Empty())
        AHeight = Office11SubMenuExpandBitmap->Height() + 2;
}

void TovBarOffice11Painter::SubMenuControlAdjustDetachCaptionRect(TRect& R) {
    R = uiGrowRect(R, -2, -4);
}

// ---- Background, band and frame

void TovBarOffice11Painter::SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor,
                                                         HBRUSH ABrush, const TRect& R) {
    if (MenuHasOffice11BackgroundPicture(AMenu)) {
        TovBarFlatPainter::SubMenuControlDrawBackground(AMenu, ADC, AColor, ABrush, R);
        return;
    }
    const int indent = AMenu->GetContentIndent();
    int restLeft = indent;
    if (R.left < indent && R.bottom > R.top) {
        // The band runs left to right across the whole height; only R's share of it is painted.
        const bool nonRecent = AMenu->IsNonRecent();
        FMenuBand.Paint(ADC, TRect{0, R.top, indent, R.bottom}, R,
                        nonRecent ? Office11MenuBandNonRecentColor1 : Office11MenuBandColor1,
                        nonRecent ? Office11MenuBandNonRecentColor2 : Office11MenuBandColor2, true);
    }
    if (AMenu->Kind() == bckQuickCustomization) {
        // The quick-customization list keeps a column for its check boxes in the band's dark colour.
        int column = AMenu->GetTextSize();
        AdjustMenuItemHeight(column);
        const TRect checks{std::max(R.left, indent), R.top, std::min(R.right, indent + column), R.bottom};
        if (!uiIsRectEmpty(checks)) FillRectWithColor(ADC, checks, Office11MenuBandColor2);
        restLeft += column;
    }
    FillPart(ADC, TRect{std::max(R.left, restLeft), R.top, R.right, R.bottom}, ABrush);
}

void TovBarOffice11Painter::SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) {
    FrameRect(ADC, &R, Office11MenuBorderBrush);
    {
        // The owner edge is in client coordinates.
        const TPoint offset = AMenu->GetClientOffset();
        POINT previous{};
        OffsetViewportOrgEx(ADC, offset.x, offset.y, &previous);
        DrawOwnerEdge(AMenu, ADC);
        SetViewportOrgEx(ADC, previous.x, previous.y, nullptr);
    }
    if (!AMenu->HasDetachCaption()) return;
    // The caption area inside the frame takes the menu colour around the caption (a ring, two rows above
    // it and one below), so that the icon band starts under it.
    const TRect inside = uiGrowRect(R, -1, -1);
    const TRect area{inside.left, inside.top, inside.right,
                     inside.top + 1 + AMenu->GetDetachCaptionAreaHeight()};
    FillPart(ADC, area, Office11MenuBrush);
    SubMenuControlDrawDetachCaption(AMenu, ADC, AMenu->GetDetachCaptionRect());
}

void TovBarOffice11Painter::SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush,
                                                          TRect R) {
    if (MenuHasOffice11BackgroundPicture(AMenu) || AMenu->GetBarSize() > 0) {
        FrameRect(ADC, &R, Office11MenuBrush);
        return;
    }
    // The left column continues the icon band; the other three sides take the menu colour.
    FillPart(ADC, TRect{R.left, R.top, R.right, R.top + 1}, Office11MenuBrush);
    FillPart(ADC, TRect{R.right - 1, R.top, R.right, R.bottom}, Office11MenuBrush);
    FillPart(ADC, TRect{R.left, R.bottom - 1, R.right, R.bottom}, Office11MenuBrush);
    FillRectWithColor(ADC, TRect{R.left, R.top + 1, R.left + 1, R.bottom - 1}, Office11MenuBandColor1);
}

void TovBarOffice11Painter::SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC,
                                                            const TRect& R) {
    const bool hot = AMenu->DetachCaptionHot();
    if (hot) {
        Office11FrameSelection(ADC, R);
        FillPart(ADC, uiGrowRect(R, -1, -1), Office11SelectedBrush);
    } else {
        FillPart(ADC, R, Office11CheckedBrush);
    }
    const int width = uiWidthOfRect(R);
    const int dx = hot ? width / 4 : (width + 2) / 4;
    DrawFingerElements(AMenu, ADC, uiGrowRect(R, -dx, hot ? -1 : -2), false);
}

void TovBarOffice11Painter::SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                                         const TRect& R) {
    TBitmap* picture = Office11SubMenuExpandBitmap;
    if (picture == nullptr || picture->Empty()) {
        TovBarFlatPainter::SubMenuControlPaintMarkGlyph(AMenu, ADC, ASelected, R);
        return;
    }
    const int side = std::max(0, uiHeightOfRect(R) - 2);
    const int left = (R.left + R.right - side) / 2, top = (R.top + R.bottom - side) / 2;
    DrawStateGlyph(ADC, TRect{left, top, left + side, top + side}, picture, true);
}

// ---- Lists and quick customization

void TovBarOffice11Painter::DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) {
    FrameRect(ADC, &R, Office11MenuBorderBrush);
    const TRect inner = uiGrowRect(R, -1, -1);
    FrameRect(ADC, &inner, Office11MenuBrush);
}

void TovBarOffice11Painter::QuickCustItemDrawSelection(TovBarItemControl* AControl, HDC ADC, bool ASelected,
                                                       const TRect& ACheckRect, const TRect& AItemRect) {
    if (!ASelected) return;
    Office11FrameSelection(ADC, AItemRect);
    FillPart(ADC, TRect{ACheckRect.right, AItemRect.top + 1, ACheckRect.right + 2, AItemRect.bottom - 1},
             BarSelBrush(AControl->ParentBar()));
}
