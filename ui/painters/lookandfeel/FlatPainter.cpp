#include "ui/painters/lookandfeel/FlatPainter.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/lookandfeel/PainterResources.h"

namespace flat_painter_detail {

// A raised inner edge: clBtnHighlight left and top, clBtnShadow right and bottom.
void RaisedInner(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders = uiBordersAll) {
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow, ABorders);
}
// A sunken outer edge: clBtnShadow left and top, clBtnHighlight right and bottom.
void SunkenOuter(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders = uiBordersAll) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, ABorders);
}

} // namespace flat_painter_detail

using namespace flat_painter_detail;

std::string TuiFlatLookAndFeelPainter::PainterStyleName() {
    return "Flat";
}
TuiLookAndFeelStyle TuiFlatLookAndFeelPainter::LookAndFeelStyle() {
    return lfsFlat;
}
int TuiFlatLookAndFeelPainter::BorderThickness() {
    return 1;
}
int TuiFlatLookAndFeelPainter::SeparatorThickness() {
    return 2;
}
void TuiFlatLookAndFeelPainter::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    SunkenOuter(ACanvas, R);
}
int TuiFlatLookAndFeelPainter::ButtonBorderThickness(TuiPainterButtonState AState) {
    return AState == cxbsDefault ? 2 : 1;
}
int TuiFlatLookAndFeelPainter::ButtonTextIndent() {
    return 1;
}
int TuiFlatLookAndFeelPainter::PressedButtonTextShift() {
    return 1;
}

void TuiFlatLookAndFeelPainter::DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState) {
    if (AState == cxbsPressed) {
        SunkenOuter(ACanvas, R);
        return;
    }
    TRect r = R;
    if (AState == cxbsDefault) {
        ACanvas->FrameRect(r, clBlack);
        r = uiGrowRect(r, -1, -1);
    }
    RaisedInner(ACanvas, r);
}

void TuiFlatLookAndFeelPainter::DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                              TColor AColor) {
    DrawButton(ACanvas, R, {}, cxbsNormal, true, AColor);
    DrawExpandSign(ACanvas, uiGrowRect(R, -1, -1), AExpanded, clBtnText);
    ACanvas->ExcludeClipRect(R);
}

int TuiFlatLookAndFeelPainter::ExpandBoxSize() {
    return 11;
}
bool TuiFlatLookAndFeelPainter::ButtonHotTracks() {
    return false;
}

void TuiFlatLookAndFeelPainter::DrawSoftenedHeaderFrame(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiBorders ABorders) {
    RaisedInner(ACanvas, R, ABorders);
    if (ABorders.Contains(bLeft)) {
        ACanvas->SetPixels(R.left, R.top + 1, clBtnFace);
        ACanvas->SetPixels(R.left, R.bottom - 2, clBtnFace);
    }
    if (ABorders.Contains(bRight)) {
        ACanvas->SetPixels(R.right - 1, R.top, clBtnHighlight);
        ACanvas->SetPixels(R.right - 1, R.top + 1, clBtnFace);
        ACanvas->SetPixels(R.right - 1, R.bottom - 2, clBtnFace);
    }
}

void TuiFlatLookAndFeelPainter::DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors,
                                                TuiBorders ABorders) {
    DrawSoftenedHeaderFrame(ACanvas, R, ABorders);
}

void TuiFlatLookAndFeelPainter::DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R,
                                                              TuiBorders ABorders,
                                                              TuiPainterButtonState AState) {
    if (AState == cxbsPressed)
        SunkenOuter(ACanvas, R, ABorders);
    else
        RaisedInner(ACanvas, R, ABorders);
}

void TuiFlatLookAndFeelPainter::DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawSortingTriangle(ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}
void TuiFlatLookAndFeelPainter::DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawBarredSortingTriangle(ACanvas, R, clBtnShadow, clBtnHighlight, AAscending);
}
int TuiFlatLookAndFeelPainter::HeaderBorderWidth() {
    return 1;
}
TSize TuiFlatLookAndFeelPainter::SortingMarkExtent() {
    return TSize{8, 7};
}
TSize TuiFlatLookAndFeelPainter::BarredSortingMarkSize() {
    return TSize{8, 8};
}
int TuiFlatLookAndFeelPainter::FooterBorderWidth() {
    return 1;
}
int TuiFlatLookAndFeelPainter::FooterCellBorderWidth() {
    return 1;
}
int TuiFlatLookAndFeelPainter::FooterCellSpacing() {
    return 1;
}
void TuiFlatLookAndFeelPainter::DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) {
    RaisedInner(ACanvas, R);
}
void TuiFlatLookAndFeelPainter::DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R) {
    SunkenOuter(ACanvas, R);
}

void TuiFlatLookAndFeelPainter::DrawFlatFilterComboButton(TuiPainterButtonState AState, bool AActive,
                                                          TuiCanvas* ACanvas, const TRect& R,
                                                          TuiCustomLookAndFeelPainter* APainter) {
    if (AState == cxbsPressed)
        SunkenOuter(ACanvas, R);
    else
        RaisedInner(ACanvas, R);
    ACanvas->FillRect(uiGrowRect(R, -1, -1), clBtnFace);
    APainter->DrawButtonDropArrow(ACanvas, R, AActive ? clBlue : clBtnText);
}

void TuiFlatLookAndFeelPainter::DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R,
                                                      TuiPainterButtonState AState, bool AActive) {
    DrawFlatFilterComboButton(AState, AActive, ACanvas, R, this);
}

void TuiFlatLookAndFeelPainter::DrawFlatTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide,
                                                 TuiBorders ABorders, bool AVertical) {
    TRect r = R;
    TColor colour = clBtnHighlight;
    if (AVertical) {
        if (ASide == 0) {
            const int topCut = ABorders.Contains(bTop) ? 2 : 1;
            const int bottomCut = ABorders.Contains(bBottom) ? 2 : 1;
            r.top += topCut;
            r.bottom -= bottomCut;
            ACanvas->SetPixels(r.left + 1, r.top - 1, clBtnHighlight);
            ACanvas->SetPixels(r.left + 1, r.bottom, clBtnHighlight);
        } else if ((ASide == 1 || ASide == 3) && ABorders.Contains(bLeft))
            ++r.left;
        if (ASide == 3) colour = clBtnShadow;
    } else {
        if (ASide == 0 || ASide == 2) {
            if (ABorders.Contains(bTop)) r.top += 2;
            if (ABorders.Contains(bBottom)) r.bottom -= 1;
        } else if (ASide == 1) {
            ++r.left;
            --r.right;
            ACanvas->SetPixels(r.left - 1, r.top + 1, clBtnHighlight);
            ACanvas->SetPixels(r.right, r.top + 1, clBtnHighlight);
        }
        if (ASide == 2) colour = clBtnShadow;
    }
    ACanvas->FillRect(r, colour);
}

void TuiFlatLookAndFeelPainter::DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide,
                                             TuiBorders ABorders, bool AVertical) {
    DrawFlatTabFrame(ACanvas, R, ASide, ABorders, AVertical);
}

void TuiFlatLookAndFeelPainter::DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                                  bool) {
    RaisedInner(ACanvas, R, ABorders);
}
int TuiFlatLookAndFeelPainter::TabBorderWidth(bool) {
    return 1;
}

void TuiFlatLookAndFeelPainter::FillScrollBarPage(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState) {
    TBitmap* pattern = uiScrollBarPatternBitmap(AState == cxbsPressed);
    ACanvas->Brush()->SetBitmap(pattern);
    ACanvas->FillRect(R, pattern);
    ACanvas->Brush()->SetBitmap(nullptr);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TuiFlatLookAndFeelPainter::DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                     TuiScrollBarPart APart, TuiPainterButtonState AState) {
    if (uiIsRectEmpty(R) || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
    if (AState == cxbsHot) AState = cxbsNormal;
    switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail: {
        DrawButton(ACanvas, R, {}, AState);
        if (APart == sbpThumbnail) break;
        const int border = ButtonBorderThickness(cxbsNormal);
        DrawArrowGlyph(ACanvas, uiGrowRect(R, -border, -border), AState,
                       ScrollButtonArrowDirection(AHorizontal, APart));
        break;
    }
    case sbpPageUp:
    case sbpPageDown:
        FillScrollBarPage(ACanvas, R, AState);
        break;
    default:
        break;
    }
}

void TuiFlatLookAndFeelPainter::DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R,
                                                   const TuiViewParams& AParams, bool AHorizontal) {
    TRect r = R;
    if (AHorizontal) {
        ACanvas->FillRect(TRect{r.left, r.top, r.right, r.top + 1}, clBtnHighlight);
        ACanvas->FillRect(TRect{r.left, r.bottom - 1, r.right, r.bottom}, clBtnShadow);
        r = uiGrowRect(r, 1, -1);
    } else {
        ACanvas->FillRect(TRect{r.left, r.top, r.left + 1, r.bottom}, clBtnHighlight);
        ACanvas->FillRect(TRect{r.right - 1, r.top, r.right, r.bottom}, clBtnShadow);
        r = uiGrowRect(r, -1, 1);
    }
    ACanvas->FillRectWithParams(r, AParams);
}

void TuiFlatLookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool, int,
                                                   TuiBorders ABorders) {
    ACanvas->FrameRect(R, clBtnShadow, 1, ABorders, true);
    ACanvas->FrameRect(uiGrowRect(R, -1, -1), clBtnHighlight, 1, ABorders, true);
}

void TuiFlatLookAndFeelPainter::DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState) {
    SunkenOuter(ACanvas, R);
    ACanvas->FrameRect(uiGrowRect(R, -1, -1), CheckBoxFaceColor(AState, cbsChecked));
}

void TuiFlatLookAndFeelPainter::DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) {
    SunkenOuter(ACanvas, R);
    ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), clBtnFace, clBtnFace);
}

void TuiFlatLookAndFeelPainter::DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight,
                                                       const TuiPolyline&, const TuiPolyline& AShadow) {
    ACanvas->Pen()->SetColor(clBtnHighlight);
    ACanvas->Polyline(ALight);
    ACanvas->Pen()->SetColor(clBtnShadow);
    ACanvas->Polyline(AShadow);
}

void TuiFlatLookAndFeelPainter::DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) {
    RaisedInner(ACanvas, R);
}

void TuiFlatLookAndFeelPainter::DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) {
    ACanvas->FillRect(R, DefaultFaceColor10());
    ACanvas->FillRect(TRect{R.left, R.bottom - 1, R.right, R.bottom}, clBtnFace);
    --R.bottom;
}

TColor TuiFlatLookAndFeelPainter::SplitterOuterColor(bool AHighlighted) {
    return AHighlighted ? cl3DDkShadow : clBtnShadow;
}
