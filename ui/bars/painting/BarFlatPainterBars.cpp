// The flat look of the bars themselves: docked borders with their striped grip, floating frames and
// captions with their mark and close cross, separators, the toolbar mark joined to its popup, MDI
// buttons, quick-customization entries, and the menus' frame, detach caption, group separators, item
// layout and expand mark.
#include "ui/bars/painting/BarFlatPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Drawing.h"

namespace {

void LineSegment(HDC ADC, int X1, int Y1, int X2, int Y2) {
    MoveToEx(ADC, X1, Y1, nullptr);
    LineTo(ADC, X2, Y2);
}

// The popup a toolbar's pressed mark has opened (its quick-customization popup).
TCustomovBarControl* MarkPopupOf(TovBarControl* ABarControl) {
    return ABarControl->GetMarkState() == 2 ? ABarControl->ChildBar() : nullptr;
}

} // namespace

// ---- Docked and floating toolbars

void TovBarFlatPainter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    FrameRect(ADC, &R, face);
    R = uiGrowRect(R, -1, -1);
    // Rounded corners: the dock's face shows through them.
    for (const TPoint& corner : {TPoint{R.left, R.top}, TPoint{R.right - 1, R.top},
                                 TPoint{R.left, R.bottom - 1}, TPoint{R.right - 1, R.bottom - 1}})
        FillPart(ADC, TRect{corner.x, corner.y, corner.x + 1, corner.y + 1}, face);
    R = uiGrowRect(R, -1, -1);
    if (!ABarControl->CanMove()) return;
    // The grip: stripes across the bar, every other one in the shadow colour.
    const bool horizontal = !ABarControl->IsVerticalDocked();
    const int start = (horizontal ? R.left : R.top) + BarGripOffset();
    const int from = (horizontal ? R.top : R.left) + 3;
    const int to = (horizontal ? R.bottom : R.right) - 3;
    HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
    HBRUSH background = ABarControl->GetBackgroundBrush();
    for (int stripe = from; stripe < to; ++stripe) {
        const TRect r = horizontal ? TRect{start, stripe, start + BarFingerWidth(), stripe + 1}
                                   : TRect{stripe, start, stripe + 1, start + BarFingerWidth()};
        FillPart(ADC, r, (stripe - from) % 2 == 0 ? shadow : background);
    }
}

void TovBarFlatPainter::BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    TRect ring = R;
    FrameRect(ADC, &ring, FlatFrameBrushOf(ABarControl));
    ring = uiGrowRect(ring, -1, -1);
    FrameRect(ADC, &ring, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    // The bar's face fills the rest of the frame, up to where the client begins at the left.
    TRect borders{};
    BarBorderSizes(ABarControl->Bar(), dsNone, borders, false);
    HBRUSH face = ABarControl->GetBackgroundBrush();
    for (int inset = 2; inset < borders.left; ++inset) {
        ring = uiGrowRect(ring, -1, -1);
        FrameRect(ADC, &ring, face);
    }
}

void TovBarFlatPainter::BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal,
                                         HBRUSH ABrush, TRect R) {
    const int offset = BarSeparatorOffset();
    TRect line = R;
    if (AHorizontal) {
        ABarControl->FillBackground(ADC, TRect{R.left, R.top, R.right, R.top + offset}, clNone, ABrush);
        ABarControl->FillBackground(ADC, TRect{R.left, R.bottom - offset, R.right, R.bottom}, clNone, ABrush);
        line = TRect{R.left, R.top + offset, R.right, R.top + offset + 1};
        ABarControl->FillBackground(ADC, TRect{R.left, line.bottom, R.right, R.bottom - offset}, clNone,
                                    ABrush);
    } else {
        ABarControl->FillBackground(ADC, TRect{R.left, R.top, R.left + offset, R.bottom}, clNone, ABrush);
        ABarControl->FillBackground(ADC, TRect{R.right - offset, R.top, R.right, R.bottom}, clNone, ABrush);
        line = TRect{R.left + offset, R.top, R.left + offset + 1, R.bottom};
        ABarControl->FillBackground(ADC, TRect{line.right, R.top, R.right - offset, R.bottom}, clNone,
                                    ABrush);
    }
    FillPart(ADC, line, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TovBarFlatPainter::BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    const int state = ABarControl->CloseButtonState();
    BarDrawCaptionButtonBackground(ABarControl, ADC, state, R);
    TRect cross = TRect{R.left + 3, R.top + 4, R.right - 3, R.bottom - 4};
    if (uiWidthOfRect(cross) % 2 != 0) --cross.right;
    cross.bottom = cross.top + uiWidthOfRect(cross);
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(BarMarkArrowColor(ABarControl, state)));
    HGDIOBJ previous = SelectObject(ADC, pen);
    const int l = cross.left, t = cross.top, r = cross.right, b = cross.bottom;
    // Two diagonals, each two pixels wide.
    LineSegment(ADC, l, t, r - 1, b);
    LineSegment(ADC, l + 1, t, r, b);
    LineSegment(ADC, l, b - 1, r - 1, t - 1);
    LineSegment(ADC, l + 1, b - 1, r, t - 1);
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

void TovBarFlatPainter::BarDrawCaptionMark(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    // The column between the mark and the close button takes the caption's colour.
    if (ABarControl->HasCaption())
        FillRectWithColor(ADC, TRect{R.right, R.top, R.right + 1, R.bottom}, ABarControl->GetCaptionColor());
    if (ABarControl->GetMarkState() == 2)
        DrawPopupBorderAndBackground(ABarControl, ADC, MarkPopupOf(ABarControl), R);
    else
        BarDrawCaptionButtonBackground(ABarControl, ADC, ABarControl->GetMarkState(), R);
    TovBarPainter::BarDrawCaptionMark(ABarControl, ADC, R);
}

void TovBarFlatPainter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                              const TRect& R) {
    const TRect inside = uiGrowRect(R, -1, -1);
    switch (ABarControl->GetMarkState()) {
    case 2:
        // The pressed mark is drawn as a part of the popup it opened.
        DrawPopupBorderAndBackground(ABarControl, ADC, MarkPopupOf(ABarControl), R);
        return;
    case 1:
        FrameSelRect(ADC, R);
        FillPart(ADC, inside, BarSelBrush(ABarControl));
        return;
    default:
        FrameRect(ADC, &R, ABrush);
        ABarControl->FillBackground(ADC, inside, clNone, ABrush);
    }
}

void TovBarFlatPainter::BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) {
    X += 2;
    R.right = std::max(R.left, ABarControl->GetMarkRectInWindow().left);
}

void TovBarFlatPainter::BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                                          int AState) {
    static const UINT Kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    const TRect button = uiGrowRect(R, -1, -1);
    const int width = uiWidthOfRect(button), height = uiHeightOfRect(button);
    if (width <= 0 || height <= 0 || AButton < 0 || AButton > 2) return;
    // The glyph alone: the system button is drawn one pixel larger than the picture on every side, so
    // its own border falls outside it.
    TBitmap glyph(width, height);
    RECT frame{-1, -1, width + 1, height + 1};
    DrawFrameControl(glyph.Canvas()->Handle(), &frame, DFC_CAPTION,
                     Kinds[AButton] | DFCS_FLAT | (AState == 1 ? DFCS_INACTIVE : 0));
    if (AState >= 2) {
        HBRUSH brush = AState == 2   ? BarSelBrush(ABarControl)
                       : AState == 3 ? BarDownedBrush(ABarControl)
                                     : BarDownedSelBrush(ABarControl);
        FillPart(ADC, button, brush);
        FrameSelRect(ADC, R);
    } else {
        ABarControl->FillBackground(ADC, R, clNone, ABarControl->GetBackgroundBrush());
    }
    DrawStateGlyph(ADC, button, &glyph, true);
}

// ---- Quick-customization entries

void TovBarFlatPainter::QuickCustItemCalcCheckRect(TovBarItemControl* AControl, HDC ADC, bool AChecked,
                                                   int& ARight, TRect& R) {
    R.right = R.left + uiHeightOfRect(R);
    ARight = R.right;
    if (!AChecked) FrameRect(ADC, &R, BarToolbarBrush(AControl->ParentBar()));
    R = uiGrowRect(R, -1, -1);
}

void TovBarFlatPainter::QuickCustItemDrawSelection(TovBarItemControl* AControl, HDC ADC, bool ASelected,
                                                   const TRect& ACheckRect, const TRect& AItemRect) {
    if (!ASelected) return;
    FrameSelRect(ADC, AItemRect);
    FillPart(ADC, TRect{ACheckRect.right, AItemRect.top + 1, ACheckRect.right + 2, AItemRect.bottom - 1},
             BarSelBrush(AControl->ParentBar()));
}

// ---- Menus: item layout

int TovBarFlatPainter::SubMenuControlGetMarkSize(int AHeight) {
    int size = (AHeight - 4) / 2;
    if (size % 2 != 0 && size >= 5) --size;
    return size;
}

void TovBarFlatPainter::SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize, int& AHeight,
                                                           int& AWidth) {
    TovBarPainter::SubMenuControlCalcExpandButtonSize(ACanvas, ATextSize, AHeight, AWidth);
    const int size = SubMenuControlGetMarkSize(AHeight - 2);
    if (size % 2 != 0) AHeight = 2 * size + 4;
}

TRect TovBarFlatPainter::SubMenuControlItemGlyphRect(const TRect& R, int AIconAreaSize) {
    return TovBarPainter::SubMenuControlItemGlyphRect(uiGrowRect(R, -1, -1), AIconAreaSize - 2);
}

TRect TovBarFlatPainter::SubMenuControlItemCaptionRect(TovBarSubMenuControl* AMenu, const TRect& R) {
    TRect r = TovBarPainter::SubMenuControlItemCaptionRect(AMenu, R);
    ++r.top;
    --r.right;
    --r.bottom;
    return r;
}

int TovBarFlatPainter::SubMenuControlItemCaptionIndent(TovBarSubMenuControl* AMenu) {
    return TovBarPainter::SubMenuControlItemCaptionIndent(AMenu) + 6;
}

void TovBarFlatPainter::SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu,
                                                        TovBarItemControl* AControl, TRect& R,
                                                        const TRect& AItemRect) {
    R = TRect{AItemRect.left, AItemRect.top - SubMenuControlSeparatorHeight(), AItemRect.right,
              AItemRect.top};
}

void TovBarFlatPainter::SubMenuControlAdjustDetachCaptionRect(TRect& R) {
    R = uiGrowRect(R, -2, -2);
}

int TovBarFlatPainter::SubMenuControlGetTextSize(TuiCanvas* ACanvas) {
    return TovBarPainter::SubMenuControlGetTextSize(ACanvas) + 1;
}

// ---- Menus: frame, detach caption, groups, expand mark

void TovBarFlatPainter::SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) {
    FrameRect(ADC, &R, FlatFrameBrushOf(AMenu));
    {
        // The owner edge is in client coordinates.
        const TPoint offset = AMenu->GetClientOffset();
        POINT previous{};
        OffsetViewportOrgEx(ADC, offset.x, offset.y, &previous);
        DrawOwnerEdge(AMenu, ADC);
        SetViewportOrgEx(ADC, previous.x, previous.y, nullptr);
    }
    if (!AMenu->HasDetachCaption()) return;
    HBRUSH window = GetSysColorBrush(COLOR_WINDOW);
    const int bottom = R.top + 1 + AMenu->GetDetachCaptionAreaHeight();
    FillPart(ADC, TRect{R.left + 1, R.top + 1, R.right - 1, R.top + 2}, window);
    FillPart(ADC, TRect{R.left + 1, R.top + 1, R.left + 2, bottom}, window);
    FillPart(ADC, TRect{R.right - 2, R.top + 1, R.right - 1, bottom}, window);
    SubMenuControlDrawDetachCaption(AMenu, ADC, AMenu->GetDetachCaptionRect());
}

void TovBarFlatPainter::SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush,
                                                      TRect R) {
    FrameRect(ADC, &R, AMenu->GetFrameBrush());
    FillPart(ADC, TRect{R.left + 1, R.top + 1, R.left + 2, R.bottom - 1}, ABrush);
}

void TovBarFlatPainter::SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC,
                                                        const TRect& R) {
    const bool hot = AMenu->DetachCaptionHot();
    if (hot) {
        FrameSelRect(ADC, R);
        FillPart(ADC, uiGrowRect(R, -1, -1), BarSelBrush(AMenu));
    } else {
        FillPart(ADC, R, BarToolbarBrush(AMenu));
    }
    // A grip of rows, every other one drawn.
    const TRect grip = uiCentreRectHorz(TRect{R.left, R.top + 1, R.right, R.bottom - 1}, 33);
    HBRUSH rows = GetSysColorBrush(hot ? COLOR_BTNTEXT : COLOR_BTNSHADOW);
    for (int y = grip.top; y < grip.bottom; y += 2)
        FillPart(ADC, TRect{grip.left, y, grip.right, y + 1}, rows);
}

void TovBarFlatPainter::SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                                     TRect R, HDC ADC) {
    // The icon column continues through the band as wide as beside the entries (the icon area and the
    // pixel after it).
    const int columnEnd = R.left + AMenu->GetIconAreaSize() + 1;
    FillItemBackground(AControl, ADC, false, BarToolbarBrush(AMenu),
                       TRect{R.left, R.top, columnEnd, R.bottom});
    const bool nonRecent = AControl != nullptr && AControl->NonRecent();
    const bool startsGroup = AControl != nullptr && AControl->ChangeRecentGroup();
    const bool lightRun = nonRecent && !NonRecentItemsUseMenuBrush();
    HBRUSH brush = lightRun && startsGroup ? SubMenuControlGetFrameBrush(AMenu) : AMenu->GetBackgroundBrush();
    FillItemBackground(AControl, ADC, lightRun && !startsGroup, brush,
                       TRect{columnEnd, R.top, R.right, R.bottom});
    const int middle = (R.top + R.bottom) / 2;
    SubMenuControlPaintSeparator(
        ADC, TRect{columnEnd + SubMenuSeparatorIndent(), middle, R.right + 1, middle + 1});
}

void TovBarFlatPainter::SubMenuControlPaintSeparator(HDC ADC, const TRect& R) {
    FillRectWithColor(ADC, TRect{R.left, R.top, R.right, R.top + 1}, GetBorderColor());
}

void TovBarFlatPainter::SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC,
                                                         const TRect& R) {
    FrameSelRect(ADC, R);
    FillPart(ADC, uiGrowRect(R, -1, -1), BarSelBrush(AMenu));
}
