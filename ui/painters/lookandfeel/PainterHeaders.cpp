// Base drawing of header cells and sections, sorting marks, area and item parts, footers, filter-row
// buttons, tabs and row indicators.
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageList.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PainterResources.h"
#include "ui/painters/office11/Office11Colors.h"

// ---- Headers

void TuiCustomLookAndFeelPainter::DrawHeader(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea,
                                             TuiNeighbors ANeighbors, TuiBorders ABorders,
                                             TuiPainterButtonState AState, TAlignment AHorz,
                                             TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                                             const std::string& AText, TFont* AFont, TColor ATextColor,
                                             TColor ABkColor,
                                             const TuiPainterBackgroundEvent& AOnDrawBackground, bool, bool) {
    DrawHeaderFrame(ACanvas, ABounds, ANeighbors, ABorders);
    DrawContentArea(ACanvas, HeaderContentBounds(ABounds, ABorders), ATextArea, AState, AHorz, AVert,
                    AMultiLine, AEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, false);
}

void TuiCustomLookAndFeelPainter::DrawHeaderEx(TuiCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextArea, TuiNeighbors ANeighbors,
                                               TuiBorders ABorders, TuiPainterButtonState AState,
                                               TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                               bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                               TColor ATextColor, TColor ABkColor,
                                               const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeader(ACanvas, ABounds, ATextArea, ANeighbors, ABorders, AState, AHorz, AVert, AMultiLine,
               AEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, false, false);
}

void TuiCustomLookAndFeelPainter::DrawHeaderFrame(TuiCanvas*, const TRect&, TuiNeighbors, TuiBorders) {}

void TuiCustomLookAndFeelPainter::InvertHeaderArea(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->InvertRect(R);
}

void TuiCustomLookAndFeelPainter::DrawHeaderControlSection(
    TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, int, TuiBorders ABorders,
    TuiPainterButtonState AState, TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
    bool AEndEllipsis, const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
    DrawHeaderControlSectionFrame(ACanvas, ABounds, ABorders, AState);
    DrawHeaderControlSectionContent(ACanvas, HeaderControlSectionContentBounds(ABounds, AState),
                                    ATextAreaBounds, AState, AHorz, AVert, AMultiLine, AEndEllipsis, AText,
                                    AFont, ATextColor, ABkColor);
}

void TuiCustomLookAndFeelPainter::DrawHeaderControlSectionFrame(TuiCanvas*, const TRect&, TuiBorders,
                                                                TuiPainterButtonState) {}

void TuiCustomLookAndFeelPainter::DrawHeaderControlSectionContent(
    TuiCanvas* ACanvas, const TRect& R, const TRect& ATextAreaBounds, TuiPainterButtonState AState,
    TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis, const std::string& AText,
    TFont* AFont, TColor ATextColor, TColor ABkColor) {
    ACanvas->SetBrushColor(ABkColor);
    ACanvas->FillRect(R);
    DrawHeaderControlSectionText(ACanvas, HeaderControlSectionTextBounds(ATextAreaBounds, AState), AState,
                                 AHorz, AVert, AMultiLine, AEndEllipsis, AText, AFont, ATextColor);
}

void TuiCustomLookAndFeelPainter::DrawHeaderControlSectionText(TuiCanvas* ACanvas, const TRect& R,
                                                               TuiPainterButtonState AState, TAlignment AHorz,
                                                               TVerticalAlignment AVert, bool AMultiLine,
                                                               bool AEndEllipsis, const std::string& AText,
                                                               TFont* AFont, TColor ATextColor) {
    ACanvas->Brush()->SetStyle(bsClear);
    if (!AText.empty()) {
        if (AFont != nullptr) ACanvas->SetFont(AFont);
        const int flags = uiPainterTextFlags(AHorz, AVert, AMultiLine, AEndEllipsis);
        if (AState == cxbsDisabled) {
            ACanvas->Font()->SetColor(clBtnHighlight);
            ACanvas->DrawText(AText, uiShiftRect(R, 1, 1), flags, true);
            ACanvas->Font()->SetColor(clBtnShadow);
        } else
            ACanvas->Font()->SetColor(ATextColor);
        ACanvas->DrawText(AText, R, flags, true);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TuiCustomLookAndFeelPainter::DrawInsetBar(TuiCanvas* ACanvas, const TRect& R, int AMarginWidth,
                                               TColor AColor, const TuiViewParams& AParams) {
    ACanvas->FillRectWithParams(TRect{R.left, R.top, R.left + AMarginWidth, R.bottom}, AParams);
    ACanvas->FillRectWithParams(TRect{R.right - AMarginWidth, R.top, R.right, R.bottom}, AParams);
    ACanvas->FillRect(uiGrowRect(R, -AMarginWidth, 0), AColor);
}

void TuiCustomLookAndFeelPainter::DrawSortingMark(TuiCanvas*, const TRect&, bool) {}
void TuiCustomLookAndFeelPainter::DrawBarredSortingMark(TuiCanvas*, const TRect&, bool) {}

TuiBorders TuiCustomLookAndFeelPainter::HeaderBorderSides(TuiNeighbors) {
    return uiBordersAll;
}
int TuiCustomLookAndFeelPainter::HeaderBorderWidth() {
    return 0;
}

TRect TuiCustomLookAndFeelPainter::HeaderCellBoundsByNeighbors(const TRect& R, TuiNeighbors ANeighbors,
                                                               TuiBorders ABorders) {
    const TuiBorders own = HeaderBorderSides(ANeighbors);
    const int w = HeaderBorderWidth();
    TRect result = R;
    if (ABorders.Contains(bLeft) && !own.Contains(bLeft)) result.left -= w;
    if (ABorders.Contains(bTop) && !own.Contains(bTop)) result.top -= w;
    if (ABorders.Contains(bRight) && !own.Contains(bRight)) result.right += w;
    if (ABorders.Contains(bBottom) && !own.Contains(bBottom)) result.bottom += w;
    return result;
}

TRect TuiCustomLookAndFeelPainter::HeaderContentBounds(const TRect& R, TuiBorders ABorders) {
    const int w = HeaderBorderWidth();
    TRect result = R;
    if (ABorders.Contains(bLeft)) result.left += w;
    if (ABorders.Contains(bTop)) result.top += w;
    if (ABorders.Contains(bRight)) result.right -= w;
    if (ABorders.Contains(bBottom)) result.bottom -= w;
    return result;
}

bool TuiCustomLookAndFeelPainter::HeaderFlag1() {
    return true;
}

int TuiCustomLookAndFeelPainter::HeaderHeight(int AFontHeight) {
    int height = AFontHeight + 2 * HeaderBorderWidth() + 4;
    ovAdjustToTouchableSize(height);
    return height;
}

int TuiCustomLookAndFeelPainter::HeaderControlSectionBorderWidth(TuiPainterButtonState) {
    return 1;
}

TRect TuiCustomLookAndFeelPainter::HeaderControlSectionTextBounds(const TRect& R,
                                                                  TuiPainterButtonState AState) {
    return AState == cxbsPressed ? uiShiftRect(R, 1, 1) : R;
}

TRect TuiCustomLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& R,
                                                                     TuiPainterButtonState AState) {
    const int w = HeaderControlSectionBorderWidth(AState);
    return uiGrowRect(R, -w, -w);
}

// The rule is "+ the left border's width, − the right border's width"; a cell with both borders keeps
// text width + 4.
int TuiCustomLookAndFeelPainter::HeaderWidth(TuiCanvas* ACanvas, TuiBorders ABorders,
                                             const std::string& AText, TFont* AFont) {
    if (AFont != nullptr) ACanvas->SetFont(AFont);
    int width = ACanvas->TextWidth(AText) + 4;
    if (ABorders.Contains(bLeft)) width += HeaderBorderWidth();
    if (ABorders.Contains(bRight)) width -= HeaderBorderWidth();
    return width;
}

bool TuiCustomLookAndFeelPainter::HeaderFlag2() {
    return false;
}

TSize TuiCustomLookAndFeelPainter::SortingMarkAreaSize() {
    return TSize{ovTouchModeOn() ? 20 : 16, SortingMarkExtent().cy};
}
TSize TuiCustomLookAndFeelPainter::SortingMarkExtent() {
    return TSize{0, 0};
}
TSize TuiCustomLookAndFeelPainter::BarredSortingMarkSize() {
    return TSize{0, 0};
}

void TuiCustomLookAndFeelPainter::DrawAreaBackground(TuiCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                     TColor AColor, TBitmap* ABitmap) {
    DrawBackgroundArea(ACanvas, R, ATransparent, AColor, ABitmap);
}
int TuiCustomLookAndFeelPainter::AreaFlag1() {
    return 0;
}
TColor TuiCustomLookAndFeelPainter::SchemeBackgroundColor(bool AWindow) {
    return AWindow ? clWindow : Office11SchemeBackgroundColor;
}
TColor TuiCustomLookAndFeelPainter::SchemeColor1() {
    return Office11SchemeColor1;
}
TColor TuiCustomLookAndFeelPainter::SchemeColor2() {
    return Office11SchemeColor2;
}
bool TuiCustomLookAndFeelPainter::HeaderFlag1Alias() {
    return HeaderFlag1();
}

void TuiCustomLookAndFeelPainter::DrawMenuItemBackground(TuiCanvas* ACanvas, const TRect& R,
                                                         TuiPainterButtonState AState, bool) {
    switch (AState) {
    case cxbsHot:
        ACanvas->FrameRect(R, clBtnShadow, 1, uiBordersAll, true);
        ACanvas->FillRect(R, clGradientInactiveCaption);
        break;
    case cxbsPressed:
        ACanvas->FillRect(R, DefaultHighlightColor2());
        break;
    case cxbsDisabled:
        ACanvas->FillRect(R, clInactiveCaption);
        break;
    default:
        ACanvas->FillRect(R, DefaultFaceColor4());
        break;
    }
}

void TuiCustomLookAndFeelPainter::DrawTabItemFrame(TuiCanvas* ACanvas, const TRect& R,
                                                   TuiPainterButtonState AState, TuiBorders ABorders) {
    ACanvas->FrameRect(R, AState == cxbsHot ? DefaultHighlightColor2() : clBtnShadow, 1, ABorders, true);
}

void TuiCustomLookAndFeelPainter::DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int, bool,
                                                        TuiPainterButtonState AState) {
    DrawTabItemFrame(ACanvas, R, AState, uiBordersAll);
    TColor colour = DefaultFaceColor4();
    if (AState == cxbsHot) colour = DefaultHighlightColor2();
    if (AState == cxbsDisabled) colour = clInactiveCaption;
    ACanvas->FillRect(R, colour);
}

void TuiCustomLookAndFeelPainter::DrawFramedFaceItem(TuiCanvas* ACanvas, const TRect& R, int,
                                                     TuiPainterButtonState AState, TuiBorders ABorders) {
    DrawTabItemFrame(ACanvas, R, AState, ABorders);
    ACanvas->FillRect(R, DefaultFaceColor4());
}

void TuiCustomLookAndFeelPainter::DrawExpandChevronButton(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiPainterButtonState AState, bool AExpanded) {
    DrawGroupExpander(ACanvas, R, AExpanded, AState);
}

TRect TuiCustomLookAndFeelPainter::ItemContentMargins1() {
    return {};
}
TRect TuiCustomLookAndFeelPainter::ItemContentMargins2() {
    return {};
}
int TuiCustomLookAndFeelPainter::AreaMetric1() {
    return 0;
}
int TuiCustomLookAndFeelPainter::AreaMetric2() {
    return 1;
}
TuiBorders TuiCustomLookAndFeelPainter::ItemBorderSides() {
    return uiBordersAll;
}

// ---- Sorting triangles

void TuiCustomLookAndFeelPainter::DrawSortingTriangle(TuiCanvas* ACanvas, const TRect& R, TColor ADarkColor,
                                                      TColor ALightColor, bool AAscending) {
    const TSize extent = SortingMarkExtent();
    const int w = extent.cx, h = extent.cy;
    if (w <= 0 || h <= 0) return;
    const int s = AAscending ? 1 : -1;
    int cx = (R.left + R.right) / 2;
    if (w % 2 == 0) --cx;
    const int e = AAscending ? (R.top + R.bottom - h) / 2 : (R.top + R.bottom + h) / 2 - 1;
    const int half = w / 2;
    const int half2 = w % 2 == 0 ? half - 1 : half;
    TPen* pen = ACanvas->Pen();
    pen->SetColor(ALightColor);
    ACanvas->MoveTo(cx + half, e + (h - 2) * s);
    ACanvas->LineTo(cx + half - half2, e);
    ACanvas->MoveTo(cx + half, e + (h - 1) * s);
    ACanvas->LineTo(cx + half - half2, e);
    // The base line, light under an ascending mark and dark under a descending one.
    pen->SetColor(AAscending ? ALightColor : ADarkColor);
    ACanvas->MoveTo(cx + half, e + (h - 1) * s);
    ACanvas->LineTo(cx - half2, e + (h - 1) * s);
    pen->SetColor(ADarkColor);
    ACanvas->LineTo(cx, e);
    ACanvas->MoveTo(cx, e);
    ACanvas->LineTo(cx - half2, e + (h - (w % 2)) * s);
}

void TuiCustomLookAndFeelPainter::DrawBarredSortingTriangle(TuiCanvas* ACanvas, const TRect& R,
                                                            TColor ADarkColor, TColor ALightColor,
                                                            bool AAscending) {
    const TSize extent = SortingMarkExtent();
    const int w = extent.cx;
    int cx = (R.left + R.right) / 2;
    if (w % 2 == 0) --cx;
    const int half = w / 2;
    const int half2 = w % 2 == 0 ? half - 1 : half;
    ACanvas->Pen()->SetColor(ADarkColor);
    ACanvas->MoveTo(cx - half2, R.top);
    ACanvas->LineTo(cx + half + 1, R.top);
    if (ADarkColor != ALightColor) {
        ACanvas->Pen()->SetColor(ALightColor);
        ACanvas->MoveTo(cx - half2, R.top + 1);
        ACanvas->LineTo(cx + half + 1, R.top + 1);
    }
    TRect below = R;
    below.top += AAscending ? 2 : 1;
    DrawSortingTriangle(ACanvas, below, ADarkColor, ALightColor, AAscending);
}

// ---- Footers

int TuiCustomLookAndFeelPainter::FooterBorderWidth() {
    return 0;
}
int TuiCustomLookAndFeelPainter::FooterCellBorderWidth() {
    return 0;
}
int TuiCustomLookAndFeelPainter::FooterCellSpacing() {
    return 0;
}
bool TuiCustomLookAndFeelPainter::IsFooterCellDrawnFirst() {
    return true;
}
TColor TuiCustomLookAndFeelPainter::FooterSeparatorColor() {
    return clBtnShadow;
}
int TuiCustomLookAndFeelPainter::FooterSeparatorSize() {
    return 1;
}

void TuiCustomLookAndFeelPainter::DrawFooterCell(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz,
                                                 TVerticalAlignment AVert, bool AMultiLine,
                                                 const std::string& AText, TFont* AFont, TColor ATextColor,
                                                 TColor ABkColor,
                                                 const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawFooterCellFrame(ACanvas, R);
    DrawFooterCellContent(ACanvas, R, AHorz, AVert, AMultiLine, AText, AFont, ATextColor, ABkColor,
                          AOnDrawBackground);
}

void TuiCustomLookAndFeelPainter::DrawFooterCellContent(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz,
                                                        TVerticalAlignment AVert, bool AMultiLine,
                                                        const std::string& AText, TFont* AFont,
                                                        TColor ATextColor, TColor ABkColor,
                                                        const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawContentArea(ACanvas, FooterCellContentBounds(R), FooterCellTextBounds(R), cxbsDefault, AHorz, AVert,
                    AMultiLine, false, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, true);
}

void TuiCustomLookAndFeelPainter::DrawFooterFrame(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawFooterBorderWithSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                                TuiBorders) {
    const int size = FooterSeparatorSize();
    DrawFooterSeparator(ACanvas, TRect{R.left, R.top, R.right, R.top + size});
    TRect rest = R;
    rest.top += size;
    DrawFooterFrame(ACanvas, rest);
}

void TuiCustomLookAndFeelPainter::DrawFooterCellFrame(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawFooterBackground(TuiCanvas* ACanvas, const TRect& R,
                                                       const TuiViewParams& AParams) {
    if (!uiIsRectEmpty(R)) ACanvas->FillRectWithParams(R, AParams);
}

void TuiCustomLookAndFeelPainter::DrawFooterSeparator(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, FooterSeparatorColor());
}

// ---- Filter-row buttons

void TuiCustomLookAndFeelPainter::DrawFilterGlyph(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, bool AActive) {
    const TRect square = uiCentreRectIn(R, 6, 6);
    const int x = square.left, y = square.top;
    ACanvas->Pen()->SetColor(FilterGlyphColor(AState, AActive));
    static constexpr int Points[13][2] = {{0, 0}, {5, 0}, {5, 2}, {4, 2}, {4, 3}, {3, 3}, {3, 5},
                                          {2, 5}, {2, 3}, {1, 3}, {1, 2}, {0, 2}, {0, 0}};
    std::vector<TPoint> line;
    for (const auto& p : Points)
        line.push_back(TPoint{x + p[0], y + p[1]});
    ACanvas->Polyline(line);
}

void TuiCustomLookAndFeelPainter::DrawFilterGlyphButton(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState, bool AActive) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Pen()->SetColor(FilterGlyphColor(AState, AActive));
    ACanvas->Rectangle(R);
    DrawFilterGlyph(ACanvas, R, AState, AActive);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TuiCustomLookAndFeelPainter::DrawFilterCheckButton(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState, bool AChecked) {
    DrawCheckButton(ACanvas, R, AState, AChecked);
}

void TuiCustomLookAndFeelPainter::DrawFilterClearButton(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState) {
    DrawCloseButtonBackground(ACanvas, R, AState);
    DrawCloseCross(ACanvas, R, ButtonSignColor(AState, clDefault), ButtonGlyphState(AState));
}

void TuiCustomLookAndFeelPainter::DrawCloseCross(TuiCanvas* ACanvas, const TRect& R, TColor AColor,
                                                 TuiPainterButtonState AState) {
    int side = FilterClearButtonSize().cx / 2;
    if (side % 2 == 0) --side;
    ACanvas->Pen()->SetColor(AColor);
    int x = (R.left + R.right - side) / 2, y = (R.top + R.bottom - side) / 2;
    if (AState == cxbsPressed) {
        ++x;
        ++y;
    }
    for (int pass = 0; pass < 2; ++pass) {
        const int px = x + pass;
        ACanvas->MoveTo(px, y);
        ACanvas->LineTo(px + side, y + side);
        ACanvas->MoveTo(px, y + side - 1);
        ACanvas->LineTo(px + side, y - 1);
    }
}

void TuiCustomLookAndFeelPainter::DrawFilterComboButton(TuiCanvas*, const TRect&, TuiPainterButtonState,
                                                        bool) {}

void TuiCustomLookAndFeelPainter::DrawFilterPanelBackground(TuiCanvas* ACanvas, const TRect& R,
                                                            bool ATransparent, TColor AColor,
                                                            TBitmap* ABitmap) {
    DrawBackgroundArea(ACanvas, R, ATransparent, AColor, ABitmap);
}

TSize TuiCustomLookAndFeelPainter::FilterCheckButtonSize() {
    return TSize{13, 13};
}
TSize TuiCustomLookAndFeelPainter::FilterClearButtonSize() {
    return TSize{16, 14};
}
TSize TuiCustomLookAndFeelPainter::FilterGlyphButtonSize() {
    int width = 15;
    ovAdjustToTouchableSize(width);
    return TSize{width, 0};
}
TSize TuiCustomLookAndFeelPainter::FilterSmallGlyphSize() {
    return TSize{10, 10};
}

// ---- Tabs

void TuiCustomLookAndFeelPainter::DrawTab(TuiCanvas*, const TRect&, const TRect&, TuiPainterButtonState, int,
                                          bool, bool, const std::string&) {}
void TuiCustomLookAndFeelPainter::DrawTabFrame(TuiCanvas*, const TRect&, int, TuiBorders, bool) {}
void TuiCustomLookAndFeelPainter::DrawTabStripFrame(TuiCanvas*, const TRect&, TuiBorders, bool) {}
bool TuiCustomLookAndFeelPainter::HasOwnTabDrawing() {
    return false;
}
bool TuiCustomLookAndFeelPainter::AreTabsHotTracked() {
    return false;
}
int TuiCustomLookAndFeelPainter::TabBorderWidth(bool) {
    return 0;
}

// ---- Indicators

void TuiCustomLookAndFeelPainter::DrawIndicatorCustomizeMark(TuiCanvas* ACanvas, const TRect& R,
                                                             TColor AColor) {
    ACanvas->Pen()->SetColor(AColor);
    const int w = (R.right - R.left) - 6;
    const int y0 = (R.top + R.bottom - 9) / 2;
    for (int i = 0; i < 5; ++i) {
        const int y = y0 + 2 * i;
        ACanvas->MoveTo(R.left + 5, y);
        ACanvas->LineTo(R.left + 3 + w, y);
        if (i % 2 == 0) ACanvas->SetPixels(R.left + 3, y, AColor);
    }
}

void TuiCustomLookAndFeelPainter::DrawIndicatorGlyph(TuiCanvas* ACanvas, const TRect& R, int AKind) {
    TuiImageList* images = uiPainterIndicatorImages();
    if (AKind <= 0 || images == nullptr) return;
    const int x = (R.left + R.right - images->Width()) / 2, y = (R.top + R.bottom - images->Height()) / 2;
    // An index the list does not hold draws nothing.
    if (AKind - 1 < images->Count()) images->Draw(ACanvas->Canvas(), x, y, AKind - 1, true);
}

void TuiCustomLookAndFeelPainter::DrawIndicatorItem(TuiCanvas* ACanvas, const TRect& R, int AKind,
                                                    TColor ABkColor,
                                                    const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeader(ACanvas, R, R, TuiNeighbors{}, HeaderBorderSides(TuiNeighbors{nTop, nBottom}), cxbsNormal,
               taLeftJustify, taVerticalCenter, false, false, {}, nullptr, clNone, ABkColor,
               AOnDrawBackground);
    DrawIndicatorGlyph(ACanvas, R, AKind);
}

void TuiCustomLookAndFeelPainter::DrawIndicatorItemEx(TuiCanvas* ACanvas, const TRect& R, int AKind,
                                                      TColor ABkColor,
                                                      const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeaderEx(ACanvas, R, R, TuiNeighbors{}, uiBordersAll, cxbsNormal, taLeftJustify, taVerticalCenter,
                 false, false, {}, nullptr, clNone, ABkColor, AOnDrawBackground);
    DrawIndicatorGlyph(ACanvas, R, AKind);
}

bool TuiCustomLookAndFeelPainter::IndicatorFlag1() {
    return true;
}
