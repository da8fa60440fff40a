#include "ui/painters/lookandfeel/UltraFlatPainter.h"

#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/painters/lookandfeel/FlatPainter.h"

void TuiUltraFlatLookAndFeelPainter::DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R,
                                                                   const TRect& AArrowRect, bool AIsNext,
                                                                   TuiPainterButtonState AState) {
    ACanvas->FillRect(R, clBtnFace);
    const TuiBorders sides = AIsNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    ACanvas->FrameRect(R, AState == cxbsHot ? TabFrameColor() : TabSelectedFrameColor(), 1, sides);
    DrawSchedulerNavButtonArrow(ACanvas, AArrowRect, AIsNext, ButtonSignColor(AState, clDefault));
}

std::string TuiUltraFlatLookAndFeelPainter::PainterStyleName() {
    return "UltraFlat";
}
TuiLookAndFeelStyle TuiUltraFlatLookAndFeelPainter::LookAndFeelStyle() {
    return lfsUltraFlat;
}
TColor TuiUltraFlatLookAndFeelPainter::DefaultSplitterBorderColor() {
    return clBtnShadow;
}
int TuiUltraFlatLookAndFeelPainter::BorderThickness() {
    return 1;
}
void TuiUltraFlatLookAndFeelPainter::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clBtnShadow);
}
void TuiUltraFlatLookAndFeelPainter::DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool) {
    ACanvas->FillRect(R, clBtnShadow);
}
int TuiUltraFlatLookAndFeelPainter::ButtonBorderThickness(TuiPainterButtonState AState) {
    return AState == cxbsDefault ? 2 : 1;
}

TColor TuiUltraFlatLookAndFeelPainter::ButtonFaceColor(TuiPainterButtonState AState) {
    if (AState == cxbsHot) return uiGetUltraFlatSelectedColor();
    if (AState == cxbsPressed) return uiGetUltraFlatHotColor();
    return clBtnFace;
}

TRect TuiUltraFlatLookAndFeelPainter::ButtonFocusBounds(TuiCanvas*, const TRect& R) {
    const TRect result = uiGrowRect(R, -3, -3);
    return uiIsRectEmpty(result) ? R : result;
}

TColor TuiUltraFlatLookAndFeelPainter::ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor) {
    if (AState == cxbsPressed) return clHighlightText;
    return TuiCustomLookAndFeelPainter::ButtonSignColor(AState, ADefaultColor);
}

int TuiUltraFlatLookAndFeelPainter::ButtonTextIndent() {
    return 2;
}
int TuiUltraFlatLookAndFeelPainter::PressedButtonTextShift() {
    return 0;
}
TuiPainterButtonState TuiUltraFlatLookAndFeelPainter::ButtonGlyphState(TuiPainterButtonState) {
    return cxbsNormal;
}

void TuiUltraFlatLookAndFeelPainter::DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                     TuiPainterButtonState AState) {
    switch (AState) {
    case cxbsDefault:
        ACanvas->FrameRect(R, clWindowFrame);
        ACanvas->FrameRect(uiGrowRect(R, -1, -1), clWindowFrame);
        break;
    case cxbsNormal:
        ACanvas->FrameRect(R, clBtnText);
        break;
    case cxbsDisabled:
        ACanvas->FrameRect(R, clBtnShadow);
        break;
    default:
        ACanvas->FrameRect(R, clHighlight);
        break;
    }
}

void TuiUltraFlatLookAndFeelPainter::DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                   TColor AColor) {
    ACanvas->FrameRect(R, clBtnShadow);
    ACanvas->FillRect(uiGrowRect(R, -1, -1), AColor == clDefault ? clBtnFace : AColor);
    DrawExpandSign(ACanvas, R, AExpanded, clBtnText);
    ACanvas->ExcludeClipRect(R);
}

int TuiUltraFlatLookAndFeelPainter::ExpandBoxSize() {
    return 11;
}
bool TuiUltraFlatLookAndFeelPainter::ButtonHotTracks() {
    return true;
}

void TuiUltraFlatLookAndFeelPainter::DrawHeaderEx(TuiCanvas* ACanvas, const TRect& ABounds,
                                                  const TRect& ATextArea, TuiNeighbors ANeighbors,
                                                  TuiBorders ABorders, TuiPainterButtonState AState,
                                                  TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                                  bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                                  TColor ATextColor, TColor ABkColor,
                                                  const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawContentArea(ACanvas, ABounds, uiGrowRect(ATextArea, -1, -1), AState, AHorz, AVert, AMultiLine,
                    AEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, false);
    DrawHeaderFrame(ACanvas, uiGrowRect(ABounds, -1, -1), ANeighbors, ABorders);
}

void TuiUltraFlatLookAndFeelPainter::DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors,
                                                     TuiBorders ABorders) {
    TuiBorders lines{bRight, bBottom};
    if (ABorders.Contains(bLeft)) lines.Include(bLeft);
    if (ABorders.Contains(bTop)) lines.Include(bTop);
    ACanvas->FrameRect(R, clBtnText, 1, lines);
}

void TuiUltraFlatLookAndFeelPainter::DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R,
                                                                   TuiBorders ABorders,
                                                                   TuiPainterButtonState AState) {
    ACanvas->FrameRect(R, AState == cxbsDisabled ? clBtnShadow : clBlack, 1, ABorders);
}

void TuiUltraFlatLookAndFeelPainter::DrawHeaderControlSectionContent(
    TuiCanvas* ACanvas, const TRect& R, const TRect& ATextAreaBounds, TuiPainterButtonState AState,
    TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis, const std::string& AText,
    TFont* AFont, TColor ATextColor, TColor ABkColor) {
    if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled)
        ABkColor = ButtonFaceColor(AState);
    TuiCustomLookAndFeelPainter::DrawHeaderControlSectionContent(ACanvas, R, ATextAreaBounds, AState, AHorz,
                                                                 AVert, AMultiLine, AEndEllipsis, AText,
                                                                 AFont, ATextColor, ABkColor);
}

void TuiUltraFlatLookAndFeelPainter::DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawSortingTriangle(ACanvas, R, clBtnShadow, clBtnShadow, AAscending);
}
void TuiUltraFlatLookAndFeelPainter::DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R,
                                                           bool AAscending) {
    DrawBarredSortingTriangle(ACanvas, R, clBtnShadow, clBtnShadow, AAscending);
}

TuiBorders TuiUltraFlatLookAndFeelPainter::HeaderBorderSides(TuiNeighbors ANeighbors) {
    TuiBorders sides = uiBordersAll;
    if (ANeighbors.Contains(nLeft)) sides.Exclude(bLeft);
    if (ANeighbors.Contains(nTop)) sides.Exclude(bTop);
    return sides;
}

int TuiUltraFlatLookAndFeelPainter::HeaderBorderWidth() {
    return 1;
}
TSize TuiUltraFlatLookAndFeelPainter::SortingMarkExtent() {
    return TSize{7, 8};
}
TSize TuiUltraFlatLookAndFeelPainter::BarredSortingMarkSize() {
    return TSize{7, 9};
}
void TuiUltraFlatLookAndFeelPainter::DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) {
    DrawFooterBorderWithSeparator(ACanvas, R, TuiBorders{bRight, bBottom});
}
void TuiUltraFlatLookAndFeelPainter::DrawFooterBorderWithSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                                   TuiBorders ABorders) {
    ACanvas->FrameRect(R, FooterSeparatorColor(), FooterSeparatorSize(), ABorders);
}
void TuiUltraFlatLookAndFeelPainter::DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, FooterSeparatorColor());
}
int TuiUltraFlatLookAndFeelPainter::AreaFlag1() {
    return 1;
}
TuiBorders TuiUltraFlatLookAndFeelPainter::ItemBorderSides() {
    return TuiBorders{bRight, bBottom};
}
int TuiUltraFlatLookAndFeelPainter::FooterBorderWidth() {
    return 1;
}
int TuiUltraFlatLookAndFeelPainter::FooterCellBorderWidth() {
    return 1;
}
int TuiUltraFlatLookAndFeelPainter::FooterCellSpacing() {
    return 2;
}

void TuiUltraFlatLookAndFeelPainter::DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R,
                                                           TuiPainterButtonState AState, bool AActive) {
    ACanvas->FrameRect(R, FilterButtonFrameColor(AState));
    ACanvas->FillRect(uiGrowRect(R, -1, -1), ButtonFaceColor(AState));
    DrawButtonDropArrow(ACanvas, R, AActive ? clBlue : ButtonSignColor(AState, clDefault));
}

TSize TuiUltraFlatLookAndFeelPainter::FilterClearButtonSize() {
    return TSize{16, 15};
}

void TuiUltraFlatLookAndFeelPainter::DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders,
                                                  bool AVertical) {
    TRect r = R;
    const bool far = AVertical ? ASide == 3 : ASide == 2;
    if (far) {
        if (!AVertical) r.bottom -= TabBorderWidth(AVertical);
        ACanvas->FillRect(r, TabSelectedFrameColor());
    } else
        ACanvas->FillRect(r, TabFrameColor());
}

void TuiUltraFlatLookAndFeelPainter::DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R,
                                                       TuiBorders ABorders, bool AVertical) {
    ACanvas->FrameRect(R, TabFrameColor(), TabBorderWidth(AVertical), ABorders);
}
int TuiUltraFlatLookAndFeelPainter::TabBorderWidth(bool) {
    return 1;
}

void TuiUltraFlatLookAndFeelPainter::DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal,
                                                          const TRect& R, TuiScrollBarPart APart,
                                                          TuiPainterButtonState AState) {
    if (uiIsRectEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
    switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail:
        DrawButton(ACanvas, R, {}, AState);
        if (APart != sbpThumbnail)
            DrawArrowGlyph(ACanvas, R, AState, ScrollButtonArrowDirection(AHorizontal, APart));
        break;
    case sbpPageUp:
    case sbpPageDown:
        TuiFlatLookAndFeelPainter::FillScrollBarPage(ACanvas, R, AState);
        break;
    default:
        break;
    }
}

void TuiUltraFlatLookAndFeelPainter::DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R,
                                                         TuiPainterButtonState AState) {
    DrawButton(ACanvas, R, {}, AState, AState == cxbsHot || AState == cxbsPressed);
}

void TuiUltraFlatLookAndFeelPainter::DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R,
                                                        const TuiViewParams& AParams, bool AHorizontal) {
    TRect r = R;
    const TColor colour = DefaultSplitterBorderColor();
    if (AHorizontal) {
        ACanvas->FillRect(TRect{r.left, r.top, r.right, r.top + 1}, colour);
        ACanvas->FillRect(TRect{r.left, r.bottom - 1, r.right, r.bottom}, colour);
        r = uiGrowRect(r, 1, -1);
    } else {
        ACanvas->FillRect(TRect{r.left, r.top, r.left + 1, r.bottom}, colour);
        ACanvas->FillRect(TRect{r.right - 1, r.top, r.right, r.bottom}, colour);
        r = uiGrowRect(r, -1, 1);
    }
    ACanvas->FillRectWithParams(r, AParams);
}

void TuiUltraFlatLookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                        int, TuiBorders ABorders) {
    ACanvas->FrameRect(R, AEnabled ? clHighlight : clBtnShadow, 1, ABorders, true);
}

void TuiUltraFlatLookAndFeelPainter::DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R,
                                                       TuiPainterButtonState AState) {
    ACanvas->FrameRect(R, clBtnText);
    ACanvas->FrameRect(uiGrowRect(R, -1, -1), CheckBoxFaceColor(AState, cbsChecked));
}

TColor TuiUltraFlatLookAndFeelPainter::RadioButtonFillColor(TuiPainterButtonState AState) {
    switch (AState) {
    case cxbsNormal:
        return clWindow;
    case cxbsHot:
        return uiGetUltraFlatSelectedColor();
    case cxbsPressed:
        return uiGetUltraFlatHotColor();
    default:
        return clBtnFace;
    }
}

void TuiUltraFlatLookAndFeelPainter::DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clWindowText);
}

void TuiUltraFlatLookAndFeelPainter::DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight,
                                                            const TuiPolyline&, const TuiPolyline& AShadow) {
    ACanvas->Pen()->SetColor(clWindowText);
    ACanvas->Polyline(ALight);
    ACanvas->Polyline(AShadow);
}

void TuiUltraFlatLookAndFeelPainter::DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clWindowText);
}

void TuiUltraFlatLookAndFeelPainter::DrawPreviewBackground(TuiCanvas* ACanvas, const TRect& R) {
    const COLORREF shadow = ColorToRGB(clBtnShadow);
    auto lighter = [](int c) { return c + (255 - c) / 3; };
    const int red = lighter(shadow & 0xFF), green = lighter((shadow >> 8) & 0xFF),
              blue = lighter((shadow >> 16) & 0xFF);
    ACanvas->FillRect(R, static_cast<TColor>(red | (green << 8) | (blue << 16)));
}

TColor TuiUltraFlatLookAndFeelPainter::SplitterOuterColor(bool AHighlighted) {
    return AHighlighted ? clHighlight : clBtnShadow;
}

TSize TuiUltraFlatLookAndFeelPainter::SplitterGripSize(bool AHorizontal) {
    return AHorizontal ? TSize{17, 1} : TSize{1, 17};
}

void TuiUltraFlatLookAndFeelPainter::DrawGlyphButton(TuiCanvas* ACanvas, const TRect& R,
                                                     TuiPainterButtonState AState, TColor AFrameColor) {
    const bool highlighted = AState == cxbsHot || AState == cxbsPressed || AState == cxbsDefault;
    ACanvas->FrameRect(R, highlighted ? HighlightBorderColor() : AFrameColor);
    ACanvas->FillRect(uiGrowRect(R, -1, -1), ButtonFaceColor(AState));
}

void TuiUltraFlatLookAndFeelPainter::DrawGlyphButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                          bool ASelected) {
    ACanvas->FrameRect(R, ASelected ? HighlightBorderColor() : clBtnShadow, 1, uiBordersAll, true);
}

bool TuiUltraFlatLookAndFeelPainter::IsGlyphButtonHotTrack() {
    return true;
}
int TuiUltraFlatLookAndFeelPainter::GlyphButtonBorderSize() {
    return BorderThickness();
}

void TuiUltraFlatLookAndFeelPainter::DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R,
                                                                bool ABordered) {
    TRect r = R;
    if (ABordered) {
        ACanvas->FrameRect(r, clBtnShadow);
        r = uiGrowRect(r, -1, -1);
        ACanvas->FrameRect(r, clBtnHighlight);
        r = uiGrowRect(r, -1, -1);
    }
    ACanvas->FillRect(r, clWindow);
}

void TuiUltraFlatLookAndFeelPainter::DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, clBtnFace);
}

void TuiUltraFlatLookAndFeelPainter::DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int) {
    ACanvas->FillRect(R, uiGetBlendedSystemColor(-2, 30, 72));
    ACanvas->FrameRect(R, clHighlight);
}

void TuiUltraFlatLookAndFeelPainter::DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                               const TRect& AGutterRect) {
    const int y = (R.top + R.bottom) / 2;
    ACanvas->FillRect(TRect{AGutterRect.right + 4, y, R.right, y + 1}, clBtnShadow);
}

TColor TuiUltraFlatLookAndFeelPainter::DropDownListItemTextColor(bool) {
    return clMenuText;
}
int TuiUltraFlatLookAndFeelPainter::BreadcrumbEditSeparatorWidth() {
    return 1;
}
TRect TuiUltraFlatLookAndFeelPainter::BreadcrumbEditButtonContentMargins(bool AFirst, bool ALast) {
    return uiGetRectCurrentDPI(TRect{3 - (AFirst ? 1 : 0), 3, 3 - (ALast ? 1 : 0), 3});
}

void TuiUltraFlatLookAndFeelPainter::DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R,
                                                              TuiBorders ABorders, int AState) {
    static const TColor Colours[] = {clBtnShadow, clHighlight, clHighlight, clBtnShadow};
    ACanvas->FrameRect(R, Colours[AState & 3], 1, ABorders);
}

void TuiUltraFlatLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                                           int AState) {
    DrawBreadcrumbEditBorder(ACanvas, R, TuiBorders{bLeft}, AState);
}

void TuiUltraFlatLookAndFeelPainter::DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R,
                                                              TuiPainterButtonState AState, bool AFirst,
                                                              bool ALast) {
    if (AState == cxbsDefault || AState == cxbsDisabled) return;
    TuiBorders sides{bLeft, bRight};
    if (AFirst) sides.Exclude(bLeft);
    if (ALast) sides.Exclude(bRight);
    DrawBreadcrumbEditButtonFrame(ACanvas, R, AState, sides);
}

void TuiUltraFlatLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R,
                                                                      TuiPainterButtonState AState,
                                                                      bool APressed) {
    if (APressed || (AState != cxbsDefault && AState != cxbsDisabled))
        DrawBreadcrumbEditButtonFrame(ACanvas, R, AState, TuiBorders{bLeft});
}

TSize TuiUltraFlatLookAndFeelPainter::EdgeSize(int) {
    return TSize{1, 1};
}
void TuiUltraFlatLookAndFeelPainter::EdgeColors(TColor& AOuter, TColor& AInner) {
    AOuter = clBtnShadow;
    AInner = clNone;
}

TColor TuiUltraFlatLookAndFeelPainter::FilterButtonFrameColor(TuiPainterButtonState AState) {
    return AState == cxbsNormal ? clBtnShadow : clHighlight;
}

void TuiUltraFlatLookAndFeelPainter::DrawBreadcrumbEditButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                                   TuiPainterButtonState AState,
                                                                   TuiBorders ABorders) {
    ACanvas->FillRect(R, ButtonFaceColor(AState == cxbsDefault ? cxbsNormal : AState));
    TColor colour = clNone;
    if (AState == cxbsNormal) colour = clBtnShadow;
    if (AState == cxbsHot || AState == cxbsPressed) colour = clHighlight;
    ACanvas->FrameRect(R, colour, 1, ABorders);
}

TColor TuiUltraFlatLookAndFeelPainter::TabFrameColor() {
    return clBtnShadow;
}
TColor TuiUltraFlatLookAndFeelPainter::TabSelectedFrameColor() {
    return clBtnText;
}
TColor TuiUltraFlatLookAndFeelPainter::HighlightBorderColor() {
    return clHighlight;
}
