// The native painter's identity, colours, arrows, borders, buttons, headers, footers, filter buttons,
// popups, screen tips and tabs; the remaining families are in NativePainterParts.cpp.
#include "ui/painters/lookandfeel/NativePainter.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Theme.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/platform/UxTheme.h"
#include "ui/painters/lookandfeel/NativeThemeCalls.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/office11/Office11Colors.h"

using namespace native_theme;

namespace native_painter_detail {

// 32-bit copies of the zoom glyphs; null when the resource is missing.
std::unique_ptr<TuiBitmap32> LoadGlyph(const char* AName) {
    auto glyph = std::make_unique<TuiBitmap32>();
    glyph->LoadFromResourceName(nullptr, AName);
    if (glyph->Empty()) return nullptr;
    return glyph;
}

} // namespace native_painter_detail

using namespace native_painter_detail;

TuiWinXPLookAndFeelPainter::TuiWinXPLookAndFeelPainter()
    : FZoomInGlyph(LoadGlyph("UI_ZOOMINBUTTONGLYPH")), FZoomOutGlyph(LoadGlyph("UI_ZOOMOUTBUTTONGLYPH")) {}

TuiWinXPLookAndFeelPainter::~TuiWinXPLookAndFeelPainter() = default;

int TuiWinXPLookAndFeelPainter::PushButtonState(TuiPainterButtonState AState) {
    static constexpr int States[] = {5, 1, 2, 3, 4};
    return AState <= cxbsDisabled ? States[AState] : 1;
}

// ---- Identity and colours

void TuiWinXPLookAndFeelPainter::DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R,
                                                               const TRect& AArrowRect, bool AIsNext,
                                                               TuiPainterButtonState AState) {
    HTHEME theme = OpenTheme(totTab);
    if (theme == nullptr || uiIsRectEmpty(R)) {
        TuiStandardLookAndFeelPainter::DrawSchedulerNavButtonContent(ACanvas, R, AArrowRect, AIsNext, AState);
        return;
    }
    // The tab part lies on its side: turned into the button, drawn, turned back.
    TuiBitmap32 bitmap(uiWidthOfRect(R), uiHeightOfRect(R));
    bitmap.Canvas()->CopyRect(bitmap.GetClientRect(), ACanvas->Canvas(), R);
    bitmap.Rotate(AIsNext ? raMinus90 : raPlus90);
    DrawPart(theme, bitmap.GetuiCanvas(), 1, 1 + StateOffset(AState), bitmap.GetClientRect());
    bitmap.Rotate(AIsNext ? raPlus90 : raMinus90);
    ACanvas->CopyRect(R, bitmap.Canvas(), bitmap.GetClientRect());
    DrawSchedulerNavButtonArrow(ACanvas, AArrowRect, AIsNext, ButtonSignColor(AState, clDefault));
}

std::string TuiWinXPLookAndFeelPainter::PainterStyleName() {
    return "Native";
}
TuiLookAndFeelStyle TuiWinXPLookAndFeelPainter::LookAndFeelStyle() {
    return lfsNative;
}
bool TuiWinXPLookAndFeelPainter::RedrawsOnResize() {
    return AreVisualStylesAvailable();
}

TColor TuiWinXPLookAndFeelPainter::DefaultSplitterBorderColor() {
    TColor colour;
    if (Color(OpenTheme(totComboBox), 1, 1, PropBorderColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::DefaultSplitterBorderColor();
}
TColor TuiWinXPLookAndFeelPainter::DefaultPaleYellowColor() {
    return static_cast<TColor>(0xD5FFFF);
}
TColor TuiWinXPLookAndFeelPainter::DefaultTabTextColorAt(int AIndex, TuiPainterButtonState AState) {
    if (OpenTheme(totTab) != nullptr) return DefaultTabTextColor(AState);
    return TuiStandardLookAndFeelPainter::DefaultTabTextColorAt(AIndex, AState);
}
TColor TuiWinXPLookAndFeelPainter::DefaultTabTextColor(TuiPainterButtonState AState) {
    if (OpenTheme(totTab) != nullptr) return clWindowText;
    return TuiStandardLookAndFeelPainter::DefaultTabTextColor(AState);
}
TColor TuiWinXPLookAndFeelPainter::DefaultFaceColor21() {
    return DefaultContentBackColor();
}

// ---- Arrows, borders and separators

void TuiWinXPLookAndFeelPainter::DrawArrowButton(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState,
                                                 TuiPainterArrowDirection ADirection, bool ABordered) {
    // Up 1..4, down 5..8, left 9..12, right 13..16.
    if (!DrawPart(OpenTheme(totScrollBar), ACanvas, 1, 1 + 4 * ADirection + StateOffset(AState), R))
        TuiStandardLookAndFeelPainter::DrawArrowButton(ACanvas, R, AState, ADirection, ABordered);
}

void TuiWinXPLookAndFeelPainter::DrawArrowFrame(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState) {
    if (!DrawPart(OpenTheme(totButton), ACanvas, 1, PushButtonState(AState), R))
        TuiStandardLookAndFeelPainter::DrawArrowFrame(ACanvas, R, AState);
}

int TuiWinXPLookAndFeelPainter::BorderThickness() {
    return OpenTheme(totListView) != nullptr ? 1 : TuiStandardLookAndFeelPainter::BorderThickness();
}
int TuiWinXPLookAndFeelPainter::SeparatorThickness() {
    return 6;
}

void TuiWinXPLookAndFeelPainter::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    HTHEME theme = OpenTheme(totListView);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawBorderFrame(ACanvas, R);
        return;
    }
    // The list-view frame part without its inside: a one-pixel themed frame.
    ACanvas->SaveDC();
    ACanvas->ExcludeClipRect(uiGrowRect(R, -1, -1));
    DrawPart(theme, ACanvas, 5, 0, R);
    ACanvas->RestoreDC();
}

void TuiWinXPLookAndFeelPainter::DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool AVertical) {
    if (!DrawPart(OpenTheme(totToolBar), ACanvas, AVertical ? 5 : 6, 1, R))
        TuiStandardLookAndFeelPainter::DrawSeparatorCore(ACanvas, R, AVertical);
}

// ---- Buttons

int TuiWinXPLookAndFeelPainter::ButtonBorderThickness(TuiPainterButtonState AState) {
    TRect content;
    if (ContentRect(OpenTheme(totButton), 1, PushButtonState(AState), TRect{0, 0, 100, 100}, content))
        return content.left;
    return TuiStandardLookAndFeelPainter::ButtonBorderThickness(cxbsNormal);
}

TColor TuiWinXPLookAndFeelPainter::ButtonFaceColor(TuiPainterButtonState AState) {
    TColor colour;
    if (Color(OpenTheme(totButton), 1, PushButtonState(AState), PropFillColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::ButtonFaceColor(AState);
}

TRect TuiWinXPLookAndFeelPainter::ButtonFocusBounds(TuiCanvas* ACanvas, const TRect& R) {
    TRect content;
    if (ContentRect(OpenTheme(totButton), 1, 1, R, content)) return content;
    return TuiStandardLookAndFeelPainter::ButtonFocusBounds(ACanvas, R);
}

TColor TuiWinXPLookAndFeelPainter::ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor) {
    TColor colour;
    if (Color(OpenTheme(totButton), 1, PushButtonState(AState), PropTextColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::ButtonSignColor(AState, ADefaultColor);
}

int TuiWinXPLookAndFeelPainter::ButtonTextIndent() {
    return 2;
}
int TuiWinXPLookAndFeelPainter::PressedButtonTextShift() {
    return 0;
}

void TuiWinXPLookAndFeelPainter::DrawButton(TuiCanvas* ACanvas, const TRect& R, const std::string& ACaption,
                                            TuiPainterButtonState AState, bool ADrawBorder, TColor AColor,
                                            TColor ATextColor, bool AWordWrap, bool AIsToolButton) {
    HTHEME theme = OpenTheme(AIsToolButton ? totToolBar : totButton);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawButton(ACanvas, R, ACaption, AState, ADrawBorder, AColor,
                                                  ATextColor, AWordWrap, AIsToolButton);
        return;
    }
    const int state = PushButtonState(AState);
    DrawPart(theme, ACanvas, 1, state, R);
    if (ACaption.empty()) return;
    const RECT r = R;
    DrawThemeTextAnsi(theme, ACanvas->Handle(), 1, state, ACaption, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0,
                      &r);
}

TColor TuiWinXPLookAndFeelPainter::ButtonCaptionColor(TuiPainterButtonState AState, TColor ADefaultColor) {
    TColor colour;
    if (IsWinVistaOrLater() && Color(OpenTheme(totButton), 6, PushButtonState(AState), PropTextColor, colour))
        return colour;
    return TuiStandardLookAndFeelPainter::ButtonCaptionColor(AState, ADefaultColor);
}

void TuiWinXPLookAndFeelPainter::DrawPlainButton(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState, TColor AColor) {
    if (IsWinVistaOrLater() && DrawPart(OpenTheme(totButton), ACanvas, 6, PushButtonState(AState), R)) return;
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    TuiCustomLookAndFeelPainter* flat = manager != nullptr ? manager->GetPainterByStyle(lfsFlat) : nullptr;
    if (flat == nullptr) flat = this;
    flat->DrawButton(ACanvas, R, {}, AState, AState == cxbsHot || AState == cxbsPressed, AColor, clDefault);
}

void TuiWinXPLookAndFeelPainter::DrawCommandLinkGlyph(TuiCanvas* ACanvas, const TPoint& AOrigin,
                                                      TuiPainterButtonState AState) {
    HTHEME theme = IsWinVistaOrLater() ? OpenTheme(totButton) : nullptr;
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawCommandLinkGlyph(ACanvas, AOrigin, AState);
        return;
    }
    const TSize size = CommandLinkGlyphSize();
    DrawPart(theme, ACanvas, 7, PushButtonState(AState), uiRectOfPointAndSize(AOrigin, size.cx, size.cy));
}

TSize TuiWinXPLookAndFeelPainter::CommandLinkGlyphSize() {
    TSize size;
    if (IsWinVistaOrLater() && PartSize(OpenTheme(totButton), 7, 0, size)) return size;
    return TuiStandardLookAndFeelPainter::CommandLinkGlyphSize();
}

TRect TuiWinXPLookAndFeelPainter::CommandLinkMargins() {
    TRect margins;
    if (IsWinVistaOrLater() && Margins(OpenTheme(totButton), 6, 1, PropContentMargins, margins))
        return margins;
    return TuiStandardLookAndFeelPainter::CommandLinkMargins();
}

void TuiWinXPLookAndFeelPainter::DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                               TColor AColor) {
    if (!DrawPart(OpenTheme(totTreeView), ACanvas, 2, AExpanded ? 2 : 1, R)) {
        TuiStandardLookAndFeelPainter::DrawExpandBox(ACanvas, R, AExpanded, AColor);
        return;
    }
    ACanvas->ExcludeClipRect(R);
}

bool TuiWinXPLookAndFeelPainter::IsExpandButtonDrawnFirst() {
    return false;
}

void TuiWinXPLookAndFeelPainter::DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                   TuiPainterButtonState AState) {
    // Disabled expanders look like normal ones.
    static constexpr int States[] = {1, 2, 3, 1};
    if (!DrawPart(OpenTheme(totExplorerBar), ACanvas, AExpanded ? 6 : 7, States[StateOffset(AState)], R))
        TuiStandardLookAndFeelPainter::DrawGroupExpander(ACanvas, R, AExpanded, AState);
}

void TuiWinXPLookAndFeelPainter::DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TColor, TColor AFillColor) {
    if (OpenTheme(totTreeView) != nullptr)
        DrawExpandBox(ACanvas, R, AExpanded, clDefault);
    else
        TuiCustomLookAndFeelPainter::DrawSmallExpandBox(ACanvas, R, AExpanded, AFillColor, clDefault);
}

int TuiWinXPLookAndFeelPainter::ExpandBoxSize() {
    TSize size;
    if (PartSize(OpenTheme(totTreeView), 2, 2, size)) return size.cx;
    return TuiStandardLookAndFeelPainter::ExpandBoxSize();
}

int TuiWinXPLookAndFeelPainter::GroupExpandButtonExtent() {
    TSize size;
    if (PartSize(OpenTheme(totExplorerBar), 7, 1, size)) return size.cx;
    return TuiStandardLookAndFeelPainter::GroupExpandButtonExtent();
}

bool TuiWinXPLookAndFeelPainter::ButtonHotTracks() {
    return true;
}

bool TuiWinXPLookAndFeelPainter::GroupExpandButtonHitTest(const TRect& R, const TPoint& P) {
    HTHEME theme = OpenTheme(totExplorerBar);
    if (theme == nullptr) return TuiStandardLookAndFeelPainter::GroupExpandButtonHitTest(R, P);
    const RECT r = R;
    HRGN region = nullptr;
    if (ovGetThemeBackgroundRegion(theme, nullptr, 7, 2, &r, &region) < 0 || region == nullptr) return false;
    const bool inside = PtInRegion(region, P.x, P.y) != FALSE;
    DeleteObject(region);
    return inside;
}

int TuiWinXPLookAndFeelPainter::SmallExpandBoxSize() {
    if (OpenTheme(totTreeView) != nullptr) return ExpandBoxSize();
    return TuiStandardLookAndFeelPainter::SmallExpandBoxSize();
}

// ---- Headers

void TuiWinXPLookAndFeelPainter::DrawHeader(
    TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, TuiNeighbors ANeighbors,
    TuiBorders ABorders, TuiPainterButtonState AState, TAlignment AHorz, TVerticalAlignment AVert,
    bool AMultiLine, bool AEndEllipsis, const std::string& AText, TFont* AFont, TColor ATextColor,
    TColor ABkColor, const TuiPainterBackgroundEvent& AOnDrawBackground, bool AIsLast, bool AIsGroup) {
    HTHEME theme = OpenTheme(totHeader);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawHeader(ACanvas, ABounds, ATextArea, ANeighbors, ABorders, AState,
                                                  AHorz, AVert, AMultiLine, AEndEllipsis, AText, AFont,
                                                  ATextColor, ABkColor, AOnDrawBackground, AIsLast, AIsGroup);
        return;
    }
    static constexpr int States[] = {1, 2, 3, 1};
    const int state = States[StateOffset(AState)];
    // The last cell of a blue or olive theme closes the row with the right-hand item part.
    const TovOffice11Scheme scheme = GetOffice11Scheme();
    const int part = AIsLast && state == 1 && (scheme == schBlue || scheme == schOlive) ? 3 : 1;
    DrawPart(theme, ACanvas, part, state, ABounds);
    const TRect textArea = AState == cxbsPressed ? uiShiftRect(ATextArea, 1, 1) : ATextArea;
    DrawThemedText(ACanvas, theme, part, state, textArea, AHorz, AVert, AMultiLine, AEndEllipsis, false,
                   AText, AFont, ATextColor);
}

void TuiWinXPLookAndFeelPainter::InvertHeaderArea(TuiCanvas*, const TRect&) {}

void TuiWinXPLookAndFeelPainter::DrawHeaderControlSection(
    TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, int, TuiBorders ABorders,
    TuiPainterButtonState AState, TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
    bool AEndEllipsis, const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
    ACanvas->FillRect(ABounds, clBtnFace);
    DrawHeader(ACanvas, ABounds, ATextAreaBounds, TuiNeighbors{nRight}, ABorders, AState, AHorz, AVert,
               AMultiLine, AEndEllipsis, AText, AFont, ATextColor, ABkColor, {}, false, false);
}

void TuiWinXPLookAndFeelPainter::DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawSortingTriangle(ACanvas, R, clBtnShadow, clBtnShadow, AAscending);
}
void TuiWinXPLookAndFeelPainter::DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawBarredSortingTriangle(ACanvas, R, clBtnShadow, clBtnShadow, AAscending);
}

int TuiWinXPLookAndFeelPainter::HeaderBorderWidth() {
    TRect content;
    if (ContentRect(OpenTheme(totHeader), 1, 1, TRect{0, 0, 100, 100}, content))
        return std::max(1, (content.left + content.top) / 2);
    return TuiStandardLookAndFeelPainter::HeaderBorderWidth();
}
int TuiWinXPLookAndFeelPainter::HeaderControlSectionBorderWidth(TuiPainterButtonState) {
    return HeaderBorderWidth();
}
TRect TuiWinXPLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& R,
                                                                    TuiPainterButtonState AState) {
    if (OpenTheme(totHeader) != nullptr) {
        const int w = HeaderBorderWidth();
        return uiGrowRect(R, -w, -w);
    }
    return TuiStandardLookAndFeelPainter::HeaderControlSectionContentBounds(R, AState);
}
bool TuiWinXPLookAndFeelPainter::HeaderFlag2() {
    return true;
}
TSize TuiWinXPLookAndFeelPainter::SortingMarkExtent() {
    return TSize{7, 8};
}

void TuiWinXPLookAndFeelPainter::DrawMenuItemBackground(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState, bool AIgnored) {
    const bool marked = AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled;
    if (marked && DrawPart(OpenTheme(totMenu), ACanvas, 14, AState == cxbsDisabled ? 4 : 2, R)) return;
    TuiStandardLookAndFeelPainter::DrawMenuItemBackground(ACanvas, R, AState, AIgnored);
}

void TuiWinXPLookAndFeelPainter::DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int AIgnored,
                                                       bool AFlag, TuiPainterButtonState AState) {
    DrawTabItemFrame(ACanvas, R, AState, uiBordersAll);
    if (OpenTheme(totTab) == nullptr) {
        TuiStandardLookAndFeelPainter::DrawTabItemBackground(ACanvas, R, AIgnored, AFlag, AState);
        return;
    }
    static constexpr int States[] = {1, 2, 3, 5};
    DrawThemedTab(ACanvas, R, States[StateOffset(AState)], uiBordersAll, AFlag, {});
}

// ---- Footers

int TuiWinXPLookAndFeelPainter::FooterBorderWidth() {
    return OpenTheme(totEdit) != nullptr ? 1 : TuiStandardLookAndFeelPainter::FooterBorderWidth();
}

int TuiWinXPLookAndFeelPainter::FooterCellBorderWidth() {
    TRect content;
    if (ContentRect(OpenTheme(totTrackBar), 1, 1, TRect{0, 0, 100, 100}, content)) return content.left;
    return TuiStandardLookAndFeelPainter::FooterCellBorderWidth();
}

int TuiWinXPLookAndFeelPainter::FooterCellSpacing() {
    return OpenTheme(totTrackBar) != nullptr ? 1 : TuiStandardLookAndFeelPainter::FooterCellSpacing();
}

bool TuiWinXPLookAndFeelPainter::IsFooterCellDrawnFirst() {
    return false;
}

void TuiWinXPLookAndFeelPainter::DrawFooterCell(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz,
                                                TVerticalAlignment AVert, bool AMultiLine,
                                                const std::string& AText, TFont* AFont, TColor ATextColor,
                                                TColor ABkColor,
                                                const TuiPainterBackgroundEvent& AOnDrawBackground) {
    HTHEME theme = OpenTheme(totTrackBar);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawFooterCell(ACanvas, R, AHorz, AVert, AMultiLine, AText, AFont,
                                                      ATextColor, ABkColor, AOnDrawBackground);
        return;
    }
    DrawPart(theme, ACanvas, 1, 1, R);
    DrawThemedText(ACanvas, theme, 1, 1, FooterCellTextBounds(R), AHorz, AVert, AMultiLine, false, false,
                   AText, AFont, ATextColor);
}

void TuiWinXPLookAndFeelPainter::DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) {
    HTHEME theme = OpenTheme(totEdit);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawFooterFrame(ACanvas, R);
        return;
    }
    const RECT r = R;
    ovDrawThemeEdge(theme, ACanvas->Handle(), 0, 0, &r, BDR_RAISEDINNER, BF_RECT, nullptr);
}

// ---- Filter buttons

void TuiWinXPLookAndFeelPainter::DrawFilterClearButton(TuiCanvas* ACanvas, const TRect& R,
                                                       TuiPainterButtonState AState) {
    if (!DrawPart(OpenTheme(totWindow), ACanvas, 19, 1 + StateOffset(AState), R))
        TuiStandardLookAndFeelPainter::DrawFilterClearButton(ACanvas, R, AState);
}

void TuiWinXPLookAndFeelPainter::DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R,
                                                       TuiPainterButtonState AState, bool AActive) {
    if (!DrawPart(OpenTheme(totComboBox), ACanvas, 1, 1 + StateOffset(AState), R))
        TuiStandardLookAndFeelPainter::DrawFilterComboButton(ACanvas, R, AState, AActive);
}

TSize TuiWinXPLookAndFeelPainter::FilterCheckButtonSize() {
    TSize size;
    if (PartSize(OpenTheme(totButton), 3, 5, size)) return size;
    return TuiStandardLookAndFeelPainter::FilterCheckButtonSize();
}

TSize TuiWinXPLookAndFeelPainter::FilterClearButtonSize() {
    if (OpenTheme(totWindow) == nullptr) return TuiStandardLookAndFeelPainter::FilterClearButtonSize();
    const TSize close = SmallCloseButtonExtent();
    return TSize{close.cx + 4, close.cy + 4};
}

// ---- Popups and screen tips

void TuiWinXPLookAndFeelPainter::DrawPopupFrame(TuiCanvas* ACanvas, TRect& R, TuiPopupBorderStyle, bool) {
    if (!IsWinVistaOrLater() || !DrawPart(OpenTheme(totListBox), ACanvas, 3, 3, R))
        ACanvas->FrameRect(R, clBtnText);
    R = uiGrowRect(R, -1, -1);
}

int TuiWinXPLookAndFeelPainter::PopupFrameWidth(TuiPopupBorderStyle) {
    return 1;
}
int TuiWinXPLookAndFeelPainter::PopupFrameInnerWidth(TuiPopupBorderStyle) {
    return 2;
}

TColor TuiWinXPLookAndFeelPainter::ScreenTipGetBorderColor() {
    if (OpenTheme(totToolTip) != nullptr) return clWindowFrame;
    return TuiStandardLookAndFeelPainter::ScreenTipGetBorderColor();
}

void TuiWinXPLookAndFeelPainter::ScreenTipDrawBackgroundFill(TuiCanvas* ACanvas, const TRect& R,
                                                             TColor AColor) {
    if (!DrawPart(OpenTheme(totToolTip), ACanvas, 1, 1, uiGrowRect(R, 4, 4)))
        TuiStandardLookAndFeelPainter::ScreenTipDrawBackgroundFill(ACanvas, R, AColor);
}

TColor TuiWinXPLookAndFeelPainter::ScreenTipGetTitleTextColor() {
    TColor colour;
    if (Color(OpenTheme(totToolTip), 1, 1, PropTextColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::ScreenTipGetTitleTextColor();
}

TColor TuiWinXPLookAndFeelPainter::ScreenTipGetDescriptionTextColor() {
    return ScreenTipGetTitleTextColor();
}

// ---- Tabs

void TuiWinXPLookAndFeelPainter::DrawThemedTab(TuiCanvas* ACanvas, const TRect& R, int ATabState,
                                               TuiBorders ABorders, bool AVertical,
                                               const std::string& AText) {
    HTHEME theme = OpenTheme(totTab);
    if (theme == nullptr || uiIsRectEmpty(R)) return;
    const bool selected = ATabState == 3;
    // Both rectangles in the coordinates the tab part is drawn in: the canvas's for a horizontal tab,
    // the turned bitmap's (the tab's right side at the bottom) for a vertical one.
    TRect place = AVertical ? TRect{0, 0, uiHeightOfRect(R), uiWidthOfRect(R)} : R;
    TRect clip = place, draw = place;
    const bool openStart = AVertical ? !ABorders.Contains(bTop) : !ABorders.Contains(bLeft);
    const bool openEnd = AVertical ? !ABorders.Contains(bBottom) : !ABorders.Contains(bRight);
    if (openStart) draw.left -= 2;
    if (openEnd) draw.right += 2;
    if (selected)
        ++draw.bottom;
    else
        --clip.bottom;
    TRect textRect = draw;
    if (AVertical) {
        TuiBitmap32 bitmap(uiWidthOfRect(R), uiHeightOfRect(R));
        bitmap.Canvas()->CopyRect(bitmap.GetClientRect(), ACanvas->Canvas(), R);
        bitmap.Rotate(raMinus90);
        DrawPart(theme, bitmap.GetuiCanvas(), 1, ATabState, draw, &clip);
        bitmap.Rotate(raPlus90);
        ACanvas->CopyRect(R, bitmap.Canvas(), bitmap.GetClientRect());
        // Back in the canvas: the turned bitmap's rows are the tab's columns.
        textRect = TRect{R.left + draw.top, R.top + draw.left, R.left + draw.bottom, R.top + draw.right};
        clip = TRect{R.left + clip.top, R.top + clip.left, R.left + clip.bottom, R.top + clip.right};
        if (selected) textRect.right -= 2;
    } else {
        DrawPart(theme, ACanvas, 1, ATabState, draw, &clip);
        if (selected) textRect.bottom -= 2;
    }
    if (AText.empty()) return;
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(clip);
    DrawThemedText(ACanvas, theme, 1, ATabState, textRect, taCenter, taVerticalCenter, false, false, true,
                   AText, nullptr, clDefault);
    ACanvas->RestoreClipRegion();
}

void TuiWinXPLookAndFeelPainter::DrawTab(TuiCanvas* ACanvas, const TRect& R, const TRect& ATextRect,
                                         TuiPainterButtonState AState, int ABorders, bool AFocused,
                                         bool AVertical, const std::string& AText) {
    if (OpenTheme(totTab) == nullptr) {
        TuiStandardLookAndFeelPainter::DrawTab(ACanvas, R, ATextRect, AState, ABorders, AFocused, AVertical,
                                               AText);
        return;
    }
    TuiBorders borders;
    for (TuiBorder side : {bLeft, bTop, bRight, bBottom})
        if ((ABorders & (1 << side)) != 0) borders.Include(side);
    DrawThemedTab(ACanvas, R, 1 + StateOffset(AState), borders, AVertical, AText);
}

void TuiWinXPLookAndFeelPainter::DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide,
                                              TuiBorders ABorders, bool AVertical) {
    if (OpenTheme(totTab) == nullptr)
        TuiStandardLookAndFeelPainter::DrawTabFrame(ACanvas, R, ASide, ABorders, AVertical);
}

void TuiWinXPLookAndFeelPainter::DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                                   bool AVertical) {
    HTHEME theme = OpenTheme(totTab);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawTabStripFrame(ACanvas, R, ABorders, AVertical);
        return;
    }
    // The pane part, larger than the strip so that only its edge shows through the strip's clip.
    TRect margins;
    Margins(theme, 9, 0, PropContentMargins, margins);
    TRect pane = R;
    if (AVertical) {
        pane.right += 10;
        pane.bottom += margins.bottom - margins.top;
    } else {
        pane.right += margins.right - margins.left;
        pane.bottom += 10;
    }
    DrawPart(theme, ACanvas, 9, 0, pane, &R);
}

bool TuiWinXPLookAndFeelPainter::HasOwnTabDrawing() {
    return OpenTheme(totTab) != nullptr || TuiStandardLookAndFeelPainter::HasOwnTabDrawing();
}
bool TuiWinXPLookAndFeelPainter::AreTabsHotTracked() {
    return OpenTheme(totTab) != nullptr || TuiStandardLookAndFeelPainter::AreTabsHotTracked();
}
int TuiWinXPLookAndFeelPainter::TabBorderWidth(bool AVertical) {
    return OpenTheme(totTab) != nullptr ? 1 : TuiStandardLookAndFeelPainter::TabBorderWidth(AVertical);
}

void TuiWinXPLookAndFeelPainter::DrawIndicatorItem(TuiCanvas* ACanvas, const TRect& R, int AKind,
                                                   TColor ABkColor,
                                                   const TuiPainterBackgroundEvent& AOnDrawBackground) {
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    if (TuiCustomLookAndFeelPainter* flat =
            manager != nullptr ? manager->GetPainterByStyle(lfsFlat) : nullptr)
        flat->DrawIndicatorItem(ACanvas, R, AKind, ABkColor, AOnDrawBackground);
    else
        TuiCustomLookAndFeelPainter::DrawIndicatorItem(ACanvas, R, AKind, ABkColor, AOnDrawBackground);
}
