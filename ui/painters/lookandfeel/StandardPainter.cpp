#include "ui/painters/lookandfeel/StandardPainter.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/lookandfeel/FlatPainter.h"
#include "ui/painters/lookandfeel/PaintersManager.h"

TColor TuiStandardLookAndFeelPainter::DefaultPaleYellowColor() {
    return clWindow;
}
std::string TuiStandardLookAndFeelPainter::PainterStyleName() {
    return "Standard";
}
TuiLookAndFeelStyle TuiStandardLookAndFeelPainter::LookAndFeelStyle() {
    return lfsStandard;
}
int TuiStandardLookAndFeelPainter::BorderThickness() {
    return 2;
}

void TuiStandardLookAndFeelPainter::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), cl3DDkShadow, cl3DLight);
}

int TuiStandardLookAndFeelPainter::ButtonBorderThickness(TuiPainterButtonState AState) {
    return AState == cxbsDefault ? 3 : 2;
}
int TuiStandardLookAndFeelPainter::ButtonTextIndent() {
    return 1;
}
int TuiStandardLookAndFeelPainter::PressedButtonTextShift() {
    return 1;
}

void TuiStandardLookAndFeelPainter::DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                    TuiPainterButtonState AState) {
    TRect r = R;
    if (AState == cxbsPressed) {
        ACanvas->FrameRect(r, clBlack);
        ACanvas->DrawComplexFrame(uiGrowRect(r, -1, -1), clBtnShadow, clBtnShadow);
        return;
    }
    if (AState == cxbsDefault) {
        ACanvas->FrameRect(r, clBlack);
        r = uiGrowRect(r, -1, -1);
    }
    ACanvas->DrawComplexFrame(r, clBtnHighlight, cl3DDkShadow);
    ACanvas->DrawComplexFrame(uiGrowRect(r, -1, -1), cl3DLight, clBtnShadow);
}

void TuiStandardLookAndFeelPainter::DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                  TColor AColor) {
    TRect r = R;
    ACanvas->DrawComplexFrame(r, clBtnHighlight, cl3DDkShadow);
    r = uiGrowRect(r, -1, -1);
    ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnShadow, TuiBorders{bRight, bBottom});
    --r.right;
    --r.bottom;
    ACanvas->FillRect(r, AColor == clDefault ? clBtnFace : AColor);
    DrawExpandSign(ACanvas, r, AExpanded, clBtnText);
    ACanvas->ExcludeClipRect(R);
}

void TuiStandardLookAndFeelPainter::DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                      TuiPainterButtonState AState) {
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    TuiCustomLookAndFeelPainter* flat = manager != nullptr ? manager->GetPainterByStyle(lfsFlat) : nullptr;
    if (flat != nullptr)
        flat->DrawGroupExpander(ACanvas, R, AExpanded, AState);
    else
        TuiCustomLookAndFeelPainter::DrawGroupExpander(ACanvas, R, AExpanded, AState);
}

int TuiStandardLookAndFeelPainter::ExpandBoxSize() {
    return 12;
}
bool TuiStandardLookAndFeelPainter::ButtonHotTracks() {
    return false;
}

void TuiStandardLookAndFeelPainter::DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R,
                                                      TuiPainterButtonState) {
    ACanvas->DrawComplexFrame(R, cl3DDkShadow, cl3DLight);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), clBtnShadow, clBtnHighlight);
}

void TuiStandardLookAndFeelPainter::DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors,
                                                    TuiBorders ABorders) {
    TuiFlatLookAndFeelPainter::DrawSoftenedHeaderFrame(ACanvas, R, ABorders);
}

void TuiStandardLookAndFeelPainter::DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R,
                                                                  TuiBorders ABorders,
                                                                  TuiPainterButtonState AState) {
    if (AState == cxbsPressed) {
        ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow, ABorders);
        return;
    }
    ACanvas->DrawComplexFrame(R, clBtnHighlight, cl3DDkShadow, ABorders);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), cl3DLight, clBtnShadow, ABorders);
}

void TuiStandardLookAndFeelPainter::DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawSortingTriangle(ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}
void TuiStandardLookAndFeelPainter::DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R,
                                                          bool AAscending) {
    DrawBarredSortingTriangle(ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}
int TuiStandardLookAndFeelPainter::HeaderBorderWidth() {
    return 1;
}
int TuiStandardLookAndFeelPainter::HeaderControlSectionBorderWidth(TuiPainterButtonState AState) {
    return AState == cxbsPressed ? 1 : 2;
}
TSize TuiStandardLookAndFeelPainter::SortingMarkExtent() {
    return TSize{8, 7};
}
TSize TuiStandardLookAndFeelPainter::BarredSortingMarkSize() {
    return TSize{8, 8};
}
int TuiStandardLookAndFeelPainter::FooterBorderWidth() {
    return 1;
}
int TuiStandardLookAndFeelPainter::FooterCellBorderWidth() {
    return 1;
}
int TuiStandardLookAndFeelPainter::FooterCellSpacing() {
    return 1;
}
void TuiStandardLookAndFeelPainter::DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow);
}
void TuiStandardLookAndFeelPainter::DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
}

void TuiStandardLookAndFeelPainter::DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiPainterButtonState AState, bool AActive) {
    TuiFlatLookAndFeelPainter::DrawFlatFilterComboButton(AState, AActive, ACanvas, R, this);
}

void TuiStandardLookAndFeelPainter::DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide,
                                                 TuiBorders ABorders, bool AVertical) {
    TuiFlatLookAndFeelPainter::DrawFlatTabFrame(ACanvas, R, ASide, ABorders, AVertical);
}
void TuiStandardLookAndFeelPainter::DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                                      bool) {
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow, ABorders);
}
int TuiStandardLookAndFeelPainter::TabBorderWidth(bool) {
    return 1;
}

void TuiStandardLookAndFeelPainter::DrawScrollButtonBorder(TuiCanvas* ACanvas, const TRect& R,
                                                           bool APressedButton) {
    if (APressedButton) {
        ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow);
        ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), clBtnFace, clBtnFace);
    } else {
        ACanvas->DrawComplexFrame(R, clBtnFace, cl3DDkShadow);
        ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), clBtnHighlight, clBtnShadow);
    }
}

void TuiStandardLookAndFeelPainter::DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                         TuiScrollBarPart APart,
                                                         TuiPainterButtonState AState) {
    if (uiIsRectEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
    if (AState == cxbsHot) AState = cxbsNormal;
    switch (APart) {
    case sbpPageUp:
    case sbpPageDown:
        TuiFlatLookAndFeelPainter::FillScrollBarPage(ACanvas, R, AState);
        break;
    case sbpThumbnail: {
        DrawScrollButtonBorder(ACanvas, R, false);
        const int border = ButtonBorderThickness(cxbsNormal);
        ACanvas->FillRect(uiGrowRect(R, -border, -border), clBtnFace);
        break;
    }
    case sbpLineUp:
    case sbpLineDown: {
        static constexpr UINT Kinds[4] = {DFCS_SCROLLUP, DFCS_SCROLLDOWN, DFCS_SCROLLLEFT, DFCS_SCROLLRIGHT};
        UINT state = Kinds[ScrollButtonArrowDirection(AHorizontal, APart)];
        if (AState == cxbsDisabled) state |= DFCS_INACTIVE;
        if (AState == cxbsPressed) state |= DFCS_FLAT;
        RECT r = AState == cxbsPressed ? uiShiftRect(R, 1, 1) : R;
        DrawFrameControl(ACanvas->Handle(), &r, DFC_SCROLL, state);
        DrawScrollButtonBorder(ACanvas, R, AState == cxbsPressed);
        break;
    }
    default:
        break;
    }
}

void TuiStandardLookAndFeelPainter::DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R,
                                                        const std::string& AText, TuiNeighbors ANeighbors,
                                                        const TuiViewParams& AParams, int AArrowFlags,
                                                        int ASideWidth,
                                                        const TuiPainterBackgroundEvent& AOnDrawBackground) {
    TuiBorders sides{bTop, bBottom};
    if (!ANeighbors.Contains(nLeft)) sides.Include(bLeft);
    if (!ANeighbors.Contains(nRight)) sides.Include(bRight);
    ACanvas->FrameRect(R, clBlack, 1, sides);
    TRect inner = R;
    if (sides.Contains(bLeft)) ++inner.left;
    if (sides.Contains(bRight)) --inner.right;
    ++inner.top;
    --inner.bottom;
    DrawHeader(ACanvas, inner, inner, ANeighbors, uiBordersAll, cxbsNormal, taCenter, taVerticalCenter, false,
               false, AText, AParams.Font, AParams.TextColor, AParams.Color, AOnDrawBackground);
    DrawHeaderSideArrows(ACanvas, R, AArrowFlags, ASideWidth, clWindowText);
}

void TuiStandardLookAndFeelPainter::DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R,
                                                       const TuiViewParams& AParams, bool AHorizontal) {
    TRect r = R;
    auto pair = [&](TColor AFirst, TColor ASecond) {
        if (AHorizontal) {
            ACanvas->FillRect(TRect{r.left, r.top, r.right, r.top + 1}, AFirst);
            ACanvas->FillRect(TRect{r.left, r.bottom - 1, r.right, r.bottom}, ASecond);
            r = uiGrowRect(r, 1, -1);
        } else {
            ACanvas->FillRect(TRect{r.left, r.top, r.left + 1, r.bottom}, AFirst);
            ACanvas->FillRect(TRect{r.right - 1, r.top, r.right, r.bottom}, ASecond);
            r = uiGrowRect(r, -1, 1);
        }
    };
    pair(clBtnFace, cl3DDkShadow);
    pair(clBtnHighlight, clBtnShadow);
    ACanvas->FillRectWithParams(r, AParams);
}

void TuiStandardLookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool, int,
                                                       TuiBorders ABorders) {
    const TRect r{R.left, R.top, R.right - 1, R.bottom - 1};
    ACanvas->FrameRect(r, clBtnShadow, 1, ABorders, true);
    ACanvas->FrameRect(uiShiftRect(r, 1, 1), clBtnHighlight, 1, ABorders, true);
}

void TuiStandardLookAndFeelPainter::DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), cl3DDkShadow, cl3DLight);
}

void TuiStandardLookAndFeelPainter::DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight,
                                                           const TuiPolyline& ADark,
                                                           const TuiPolyline& AShadow) {
    ACanvas->Pen()->SetColor(clBtnHighlight);
    ACanvas->Polyline(ALight);
    ACanvas->Pen()->SetColor(clBtnShadow);
    ACanvas->Polyline(ADark);
    ACanvas->Pen()->SetColor(cl3DDkShadow);
    ACanvas->Polyline(AShadow);
}

void TuiStandardLookAndFeelPainter::DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->DrawComplexFrame(R, clBtnHighlight, cl3DDkShadow);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), cl3DLight, clBtnShadow);
}

void TuiStandardLookAndFeelPainter::DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R,
                                                             TuiPainterButtonState AState, bool, bool) {
    if (uiIsRectEmpty(R)) return;
    if (AState == cxbsPressed)
        ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
    else if (AState == cxbsNormal || AState == cxbsHot)
        ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow);
}
