// Progress bars, static (label) items, separator items, the in-place sub-item header of menus, the sizing
// panel of drop-downs and the date navigator's buttons as the bar painter base draws them.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Numerics.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/StaticControls.h"
#include "ui/bars/painting/BarArrows.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>

namespace {

HBRUSH ParentBrush(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace

// ---- Progress bars

TColor TovBarPainter::ProgressGetBarColor() {
    return static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT));
}

void TovBarPainter::ProgressDraw(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                 TColor AColor) {
    ProgressDrawBackground(ADrawParams, R);
    ProgressDrawPosition(ADrawParams, R, AColor);
}

void TovBarPainter::ProgressDrawPosition(TovBarProgressControlDrawParams* ADrawParams, const TRect& AContent,
                                         TColor AColor) {
    // An empty range has nothing to show, and a position outside the range never fills beyond the bar.
    const int range = ADrawParams->Max - ADrawParams->Min;
    if (range <= 0) return;
    const int position =
        std::clamp(ADrawParams->Position, ADrawParams->Min, ADrawParams->Max) - ADrawParams->Min;
    TRect filled = AContent;
    if (ADrawParams->PaintType == iptVertical)
        filled.bottom = AContent.top + MulDiv(uiHeightOfRect(AContent), position, range);
    else
        filled.right = AContent.left + MulDiv(uiWidthOfRect(AContent), position, range);
    if (uiIsRectEmpty(filled)) return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    if (ADrawParams->Smooth)
        ProgressDrawSolidBar(ADrawParams, filled, brush);
    else
        ProgressDrawBlocks(ADrawParams, filled, brush);
    DeleteObject(brush);
}

void TovBarPainter::ProgressDrawBackground(TovBarProgressControlDrawParams* ADrawParams, const TRect& R) {
    FillItemBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), false,
                       ParentBrush(ADrawParams->BarItemControl), R);
}

void TovBarPainter::ProgressDrawBlocks(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                       HBRUSH ABrush) {
    const bool vertical = ADrawParams->PaintType == iptVertical;
    const int thickness = vertical ? uiWidthOfRect(R) : uiHeightOfRect(R);
    const int length = std::max(1, MulDiv(thickness, 2, 3));
    const int end = vertical ? R.bottom : R.right;
    int start = vertical ? R.top : R.left;
    while (start < end) {
        const int blockEnd = std::min(start + length, end);
        const TRect block =
            vertical ? TRect{R.left, start, R.right, blockEnd} : TRect{start, R.top, blockEnd, R.bottom};
        ProgressDrawBlock(ADrawParams, block, ABrush);
        start = std::min(blockEnd + 2, end);
    }
}

void TovBarPainter::ProgressDrawSolidBar(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                         HBRUSH ABrush) {
    FillRect(ADrawParams->Canvas->Handle(), &R, ABrush);
}

// ---- Static items

void TovBarPainter::StaticDraw(TovBarStaticLikeControlDrawParams* ADrawParams, TRect R,
                               const TRect& AIndents) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const bool vertical = ADrawParams->PaintType == iptVertical;
    if (AIndents.left != 0) {
        const TRect strip = vertical ? TRect{R.left, R.top, R.right, R.top + AIndents.left}
                                     : TRect{R.left, R.top, R.left + AIndents.left, R.bottom};
        FillItemBackground(control, dc, false, ParentBrush(control), strip);
        (vertical ? R.top : R.left) += AIndents.left;
    }
    if (AIndents.right != 0) {
        const TRect strip = vertical ? TRect{R.left, R.bottom - AIndents.right, R.right, R.bottom}
                                     : TRect{R.right - AIndents.right, R.top, R.right, R.bottom};
        FillItemBackground(control, dc, false, ParentBrush(control), strip);
        (vertical ? R.bottom : R.right) -= AIndents.right;
    }
    StaticDrawBorder(ADrawParams, R);
    if (auto* staticControl = dynamic_cast<TovBarCustomStaticControl*>(control))
        staticControl->PaintContent(R);
    else
        StaticDrawContent(ADrawParams, R);
}

void TovBarPainter::StaticDrawBorder(TovBarStaticLikeControlDrawParams* ADrawParams, TRect& R) {
    HDC dc = ADrawParams->Canvas->Handle();
    switch (ADrawParams->BorderStyle) {
    case sbsNone:
        return;
    case sbsBump:
        DrawEdge(dc, &R, BDR_RAISEDINNER, BF_RECT);
        R = uiGrowRect(R, -1, -1);
        DrawEdge(dc, &R, BDR_SUNKENOUTER, BF_RECT);
        R = uiGrowRect(R, -1, -1);
        return;
    case sbsLowered:
        DrawEdge(dc, &R, BDR_SUNKENOUTER, BF_RECT);
        break;
    case sbsRaised:
        DrawEdge(dc, &R, BDR_RAISEDINNER, BF_RECT);
        break;
    case sbsEtched:
        DrawEdge(dc, &R, EDGE_ETCHED, BF_RECT);
        break;
    }
    R = uiShrinkRectByMargins(R, ADrawParams->BorderSizes);
}

void TovBarPainter::StaticGetBorderSizes(TovBarStaticBorderStyle AStyle, TRect& R) {
    static const int Sizes[] = {0, 1, 1, 2, 2};
    const int size = Sizes[AStyle];
    R = TRect{size, size, size, size};
}

bool TovBarPainter::StaticIsBackgroundFilled(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->BarItemControl->BackgroundBrush() != nullptr;
}

void TovBarPainter::StaticDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    FillItemBackground(control, ADrawParams->Canvas->Handle(), StaticIsBackgroundFilled(ADrawParams),
                       GetItemBackgroundBrush(control), R);
}

void TovBarPainter::StaticDrawContent(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    auto* staticParams = dynamic_cast<TovBarStaticLikeControlDrawParams*>(ADrawParams);
    const TAlignment alignment = staticParams != nullptr ? staticParams->Alignment : taLeftJustify;
    const bool reserveGlyph = staticParams != nullptr && staticParams->ReserveGlyphArea;
    const bool hasGlyph = ADrawParams->ViewStructure.Contains(ivpGlyph);
    const bool hasCaption = ADrawParams->ViewStructure.Contains(ivpCaption);
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    StaticDrawBackground(ADrawParams, R);
    if (hasGlyph) {
        TovItemGlyphArgs glyph;
        glyph.Area = R;
        glyph.PaintType = ADrawParams->PaintType;
        if (ADrawParams->PaintType == iptHorizontal && hasCaption)
            glyph.Area.right = R.left + ADrawParams->GlyphSize.cx;
        else if (ADrawParams->PaintType == iptVertical && hasCaption)
            glyph.Area.bottom = R.top + ADrawParams->GlyphSize.cy;
        else if (ADrawParams->PaintType == iptMenu && !(reserveGlyph && !hasCaption) && menu != nullptr)
            glyph.Area = SubMenuControlItemGlyphRect(R, menu->GetIconAreaSize());
        DrawItemGlyph(control, ADrawParams->Canvas->Handle(), glyph);
    }
    if (!hasCaption) return;
    const bool centred = reserveGlyph && alignment == taCenter;
    int offset;
    if (!hasGlyph)
        offset = centred ? 0 : control->TextSize() / 4;
    else if (ADrawParams->PaintType == iptHorizontal)
        offset = ADrawParams->GlyphSize.cx + 2;
    else if (ADrawParams->PaintType == iptVertical)
        offset = ADrawParams->GlyphSize.cy + 2;
    else
        offset = alignment == taLeftJustify && menu != nullptr ? SubMenuControlItemCaptionIndent(menu) : 0;
    TRect text = R;
    const bool vertical = ADrawParams->PaintType == iptVertical;
    if (alignment == taLeftJustify || centred)
        (vertical ? text.top : text.left) += offset;
    else
        (vertical ? text.bottom : text.right) -= 2;
    const int placement = alignment == taRightJustify ? ovCaptionRight
                          : alignment == taCenter     ? ovCaptionCentre
                                                      : ovCaptionLeft;
    DrawItemText(control, ADrawParams->Canvas, ADrawParams->Caption, text, placement, ADrawParams->Enabled,
                 false, vertical, true, false, DT_SINGLELINE);
}

// ---- Separator items

void TovBarPainter::SeparatorDraw(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->ViewStructure.Contains(ivpCaption)) {
        SeparatorDrawCaption(ADrawParams, R);
        const int line = SeparatorGetLineSize();
        auto* separator = dynamic_cast<TovBarSeparatorControlDrawParams*>(ADrawParams);
        if (separator == nullptr || !separator->IsFirst)
            SeparatorDrawLine(dc, TRect{R.left, R.top, R.right, R.top + line});
        SeparatorDrawLine(dc, TRect{R.left, R.bottom - line, R.right, R.bottom});
        return;
    }
    if (TovBarSubMenuControl* menu = control->ParentSubMenu()) {
        SubMenuControlDrawBeginGroup(menu, control, R, dc);
        return;
    }
    if (TCustomovBarControl* parent = control->ParentBar())
        BarDrawSeparator(parent, dc, false, parent->GetBackgroundBrush(), R);
}

// ---- In-place sub-item header

HBRUSH TovBarPainter::InPlaceSubItemGetBrush() {
    return GetSysColorBrush(COLOR_BTNSHADOW);
}

int TovBarPainter::InPlaceSubItemGetTextSize(TovBarItemControlDrawParams* ADrawParams) {
    TCustomovBarControl* parent = ADrawParams->BarItemControl->ParentBar();
    return parent != nullptr ? parent->GetTextSize() : 0;
}

bool TovBarPainter::InPlaceSubItemIsTextSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->DrawSelected;
}

void TovBarPainter::InPlaceSubItemDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const TRect bottom{R.left, R.bottom - 1, R.right, R.bottom};
    FillRect(dc, &bottom, ParentBrush(control));
    const TRect band{R.left, R.top, R.right, R.bottom - 1};
    TCustomovBarControl* parent = control->ParentBar();
    HBRUSH brush =
        ADrawParams->DrawSelected && parent != nullptr ? parent->GetSelBrush() : InPlaceSubItemGetBrush();
    FillItemBackground(control, dc, true, brush, band);
    if (ADrawParams->DrawSelected) FrameSelRect(dc, band);
}

void TovBarPainter::InPlaceSubItemDrawArrow(TovBarItemControlDrawParams* ADrawParams, int ADirection,
                                            const TRect& R) {
    auto* button = dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
    const TSize arrowSize = button != nullptr ? button->ArrowSize : TSize{0, 0};
    const bool collapsed = ADirection != ovBarArrowDown;
    const TRect arrow{R.right - arrowSize.cx + (collapsed ? arrowSize.cy : 0), R.top, R.right, R.bottom};
    DrawArrow(ADrawParams->Canvas->Handle(), arrow, GetItemTextColor(ADrawParams), IsFlatStyle(), true,
              InPlaceSubItemIsArrowSelected(ADrawParams), arrowSize.cy, ADirection);
}

void TovBarPainter::InPlaceSubItemDraw(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    InPlaceSubItemDrawBackground(ADrawParams, R);
    R.left += InPlaceSubItemGetTextIndent();
    DrawItemText(ADrawParams->BarItemControl, ADrawParams->Canvas, ADrawParams->Caption, R, ovCaptionLeft,
                 true, true, false, false, InPlaceSubItemIsTextSelected(ADrawParams), DT_SINGLELINE);
    if (!ADrawParams->Enabled) return;
    auto* inPlace = dynamic_cast<TovBarInPlaceSubItemControlDrawParams*>(ADrawParams);
    const bool expanded = inPlace != nullptr && inPlace->Expanded;
    InPlaceSubItemDrawArrow(ADrawParams, expanded ? ovBarArrowDown : ovBarArrowRight, R);
}

// ---- Drop-down sizing panel and date navigator

void TovBarPainter::PopupPanelCalcNCSize(const TRect& AWindowRect, TRect& AClientRect, bool ASizeable,
                                         int ACorner, TRect& APanelRect, TRect& AGripRect,
                                         TRect& ACloseRect) {
    if (!ASizeable) return;
    TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter();
    if (painter == nullptr) return;
    const auto corner = static_cast<TuiCorner>(ACorner);
    const bool panelAtTop = corner == coTopLeft || corner == coTopRight;
    AClientRect = AWindowRect;
    painter->ComputePopupPanelClientBounds(
        AClientRect, APanelRect, AGripRect, ACloseRect, corner, TRect{1, 1, 1, 1},
        panelAtTop ? TuiBorders{bBottom} : TuiBorders{bTop}, GetPopupPanelHeight(), true, true);
}

void TovBarPainter::PopupPanelDrawNC(HWND AWindow, bool ASizeable, bool ACloseHot, bool AClosePressed,
                                     int ACorner, const TRect& AGripRect, const TRect& ACloseRect) {
    if (!ASizeable) return;
    if (TuiCustomLookAndFeelPainter* painter = GetLookAndFeelPainter())
        painter->DrawPopupNCPanel(AWindow, ACloseHot, AClosePressed, static_cast<TuiCorner>(ACorner),
                                  ACloseRect, AGripRect, PopupPanelBorderColor());
}

int TovBarPainter::GetPopupPanelHeight() {
    const int size = GetSystemMetrics(SM_CYSIZE) + 1;
    const int scroll = GetSystemMetrics(SM_CYHSCROLL);
    return size > scroll + 2 ? size : scroll + 3;
}

void TovBarPainter::DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R) {
    if (APressed) {
        DrawFrameControl(ADC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    } else {
        auto line = [&](int AColorIndex, std::initializer_list<POINT> APoints) {
            HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(AColorIndex));
            HGDIOBJ previous = SelectObject(ADC, pen);
            const std::vector<POINT> points(APoints);
            Polyline(ADC, points.data(), static_cast<int>(points.size()));
            SelectObject(ADC, previous);
            DeleteObject(pen);
        };
        const int l = R.left, t = R.top, r = R.right, b = R.bottom;
        line(COLOR_BTNTEXT, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}});
        line(COLOR_BTNFACE, {{r - 1, t}, {l, t}, {l, b - 1}});
        line(COLOR_BTNSHADOW, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}});
        line(COLOR_BTNHIGHLIGHT, {{l + 1, b - 3}, {l + 1, t + 1}, {r - 1, t + 1}});
        SetPixelV(ADC, r - 2, t + 1, GetSysColor(COLOR_BTNFACE));
    }
    R = uiGrowRect(R, -2, -2);
    DrawButtonText(ADC, R, true, ACaption, APressed ? 1 : 0);
}
