// The native painter's scroll bars, grips, close buttons, navigators, zoom and back buttons, group and
// check boxes, radio buttons, track bars, splitters, breadcrumb edits, drop-down lists, edges and its
// two own operations, the breadcrumb button part and themed text.
#include "ui/painters/lookandfeel/NativePainter.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Theme.h"
#include "platform/rtl/CodePages.h"
#include "platform/vcl/Font.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/WindowPainting.h"
#include "ui/painters/lookandfeel/NativeThemeCalls.h"

#include <algorithm>

using namespace native_theme;

namespace native_parts_detail {

// The thumb part of a track bar by its tick position (0 top or left, 1 bottom or right, 2 both).
int TrackBarThumbPart(bool AHorizontal, int AKind) {
    static constexpr int Horizontal[3] = {5, 4, 3}, Vertical[3] = {7, 8, 6};
    const int kind = std::clamp(AKind, 0, 2);
    return AHorizontal ? Horizontal[kind] : Vertical[kind];
}

} // namespace native_parts_detail

using namespace native_parts_detail;

// ---- Scroll bars, grips and close buttons

int TuiWinXPLookAndFeelPainter::ScrollBarMinimalThumbSize(bool AVertical) {
    HTHEME theme = OpenTheme(totScrollBar);
    const int part = AVertical ? 3 : 2;
    TSize size;
    if (!PartSize(theme, part, 1, size, SizeMin))
        return TuiStandardLookAndFeelPainter::ScrollBarMinimalThumbSize(AVertical);
    int result = AVertical ? size.cy : size.cx;
    TRect margins;
    if (IsWinVistaOrLater() && Margins(theme, part, 1, PropContentMargins, margins))
        result += AVertical ? margins.top + margins.bottom : margins.left + margins.right;
    return result;
}

void TuiWinXPLookAndFeelPainter::DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                      TuiScrollBarPart APart, TuiPainterButtonState AState) {
    if (uiIsRectEmpty(R)) return;
    HTHEME theme = OpenTheme(totScrollBar);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawScrollBarElement(ACanvas, AHorizontal, R, APart, AState);
        return;
    }
    const int state = 1 + StateOffset(AState);
    switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
        DrawArrowButton(ACanvas, R, AState, ScrollButtonArrowDirection(AHorizontal, APart));
        break;
    case sbpThumbnail: {
        DrawPart(theme, ACanvas, AHorizontal ? 2 : 3, state, R);
        // The gripper only where the thumb is long enough to hold it.
        const int gripper = AHorizontal ? 8 : 9;
        TSize size;
        if (PartSize(theme, gripper, state, size) &&
            (AHorizontal ? size.cx < uiWidthOfRect(R) : size.cy < uiHeightOfRect(R)))
            DrawPart(theme, ACanvas, gripper, state, R);
        break;
    }
    case sbpPageUp:
        DrawPart(theme, ACanvas, AHorizontal ? 4 : 6, state, R);
        break;
    case sbpPageDown:
        DrawPart(theme, ACanvas, AHorizontal ? 5 : 7, state, R);
        break;
    default:
        break;
    }
}

TSize TuiWinXPLookAndFeelPainter::SizeGripExtent() {
    TSize size;
    if (PartSize(OpenTheme(totScrollBar), 10, 1, size)) return size;
    return TuiStandardLookAndFeelPainter::SizeGripExtent();
}

void TuiWinXPLookAndFeelPainter::DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R) {
    if (!DrawPart(OpenTheme(totScrollBar), ACanvas, 10, 1, R))
        TuiStandardLookAndFeelPainter::DrawSizeGripCore(ACanvas, R);
}

TSize TuiWinXPLookAndFeelPainter::SmallCloseButtonExtent() {
    TSize size;
    if (!PartSize(OpenTheme(totWindow), 19, 1, size))
        return TuiStandardLookAndFeelPainter::SmallCloseButtonExtent();
    // Windows 8 themes report a glyph-sized button; it is drawn at the size of earlier systems.
    if (ovOSVersion().IsWin8OrLater && (size.cx < 10 || size.cy < 10)) return TSize{13, 13};
    return size;
}

void TuiWinXPLookAndFeelPainter::DrawCloseButtonBackground(TuiCanvas* ACanvas, const TRect& R,
                                                           TuiPainterButtonState AState) {
    DrawButton(ACanvas, R, {}, AState, true, clDefault, clDefault, false, false);
}

// ---- Navigation

void TuiWinXPLookAndFeelPainter::DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R,
                                                     const std::string& AText, TuiNeighbors ANeighbors,
                                                     const TuiViewParams& AParams, int AArrowFlags,
                                                     int ASideWidth,
                                                     const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeader(ACanvas, R, R, ANeighbors, uiBordersAll, cxbsNormal, taCenter, taVerticalCenter, false, false,
               AText, AParams.Font, AParams.TextColor, AParams.Color, AOnDrawBackground,
               !ANeighbors.Contains(nRight), false);
    DrawHeaderSideArrows(ACanvas, R, AArrowFlags, ASideWidth, clWindowText);
}

void TuiWinXPLookAndFeelPainter::DrawSchedulerEventProgressBar(TuiCanvas* ACanvas, const TRect& R,
                                                               const TRect& ABarRect,
                                                               const TuiViewParams& AParams, bool ASelected) {
    HTHEME theme = OpenTheme(totProgress);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawSchedulerEventProgressBar(ACanvas, R, ABarRect, AParams,
                                                                     ASelected);
        return;
    }
    DrawPart(theme, ACanvas, 1, 1, R);
    DrawPart(theme, ACanvas, 3, 1, ABarRect);
}

void TuiWinXPLookAndFeelPainter::DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R,
                                                     TuiPainterButtonState AState) {
    // A tool button at rest is drawn in its hot-checked state; hot in its hot state.
    static constexpr int States[] = {2, 5, 3, 4};
    if (!DrawPart(OpenTheme(totToolBar), ACanvas, 1, States[StateOffset(AState)], R))
        TuiStandardLookAndFeelPainter::DrawNavigatorButton(ACanvas, R, AState);
}

void TuiWinXPLookAndFeelPainter::DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R,
                                                    const TuiViewParams& AParams, bool AHorizontal) {
    TColor line;
    if (OpenTheme(totListView) == nullptr || !Color(OpenTheme(totComboBox), 1, 1, PropBorderColor, line)) {
        TuiStandardLookAndFeelPainter::DrawSplitterBorder(ACanvas, R, AParams, AHorizontal);
        return;
    }
    TRect inner = R;
    if (AHorizontal) {
        ACanvas->FillRect(TRect{R.left, R.top, R.right, R.top + 1}, line);
        ACanvas->FillRect(TRect{R.left, R.bottom - 1, R.right, R.bottom}, line);
        inner = uiGrowRectSides(R, 0, -1, 0, -1);
    } else {
        ACanvas->FillRect(TRect{R.left, R.top, R.left + 1, R.bottom}, line);
        ACanvas->FillRect(TRect{R.right - 1, R.top, R.right, R.bottom}, line);
        inner = uiGrowRectSides(R, -1, 0, -1, 0);
    }
    ACanvas->FillRectWithParams(inner, AParams);
}

TRect TuiWinXPLookAndFeelPainter::EventProgressMargins() {
    return TRect{3, 3, 3, 3};
}

// ---- Zoom and back buttons

TSize TuiWinXPLookAndFeelPainter::ZoomButtonSize(TuiBitmap32* AGlyph, bool AZoomIn) {
    TRect margins;
    HTHEME theme = OpenTheme(totButton);
    if (theme == nullptr || AGlyph == nullptr)
        return AZoomIn ? TuiStandardLookAndFeelPainter::ZoomInButtonSize()
                       : TuiStandardLookAndFeelPainter::ZoomOutButtonSize();
    Margins(theme, 1, 1, PropContentMargins, margins);
    return TSize{AGlyph->Width() + margins.left + margins.right,
                 AGlyph->Height() + margins.top + margins.bottom};
}

TSize TuiWinXPLookAndFeelPainter::ZoomInButtonSize() {
    return ZoomButtonSize(FZoomInGlyph.get(), true);
}
TSize TuiWinXPLookAndFeelPainter::ZoomOutButtonSize() {
    return ZoomButtonSize(FZoomOutGlyph.get(), false);
}

void TuiWinXPLookAndFeelPainter::DrawZoomButton(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState, TuiBitmap32* AGlyph,
                                                bool AZoomIn) {
    HTHEME theme = OpenTheme(totButton);
    if (theme == nullptr || AGlyph == nullptr) {
        if (AZoomIn)
            TuiStandardLookAndFeelPainter::DrawZoomInButton(ACanvas, R, AState);
        else
            TuiStandardLookAndFeelPainter::DrawZoomOutButton(ACanvas, R, AState);
        return;
    }
    DrawPart(theme, ACanvas, 1, PushButtonState(AState), R);
    const TRect glyph = uiCentreRectIn(R, AGlyph->Width(), AGlyph->Height());
    uiAlphaBlendBitmap(ACanvas->Handle(), AGlyph, glyph, 255, false, AGlyph->GetClientRect());
}

void TuiWinXPLookAndFeelPainter::DrawZoomInButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState) {
    DrawZoomButton(ACanvas, R, AState, FZoomInGlyph.get(), true);
}
void TuiWinXPLookAndFeelPainter::DrawZoomOutButton(TuiCanvas* ACanvas, const TRect& R,
                                                   TuiPainterButtonState AState) {
    DrawZoomButton(ACanvas, R, AState, FZoomOutGlyph.get(), false);
}

TSize TuiWinXPLookAndFeelPainter::BackButtonSize() {
    TSize size;
    if (PartSize(OpenTheme(totNavigation), 1, 0, size)) return size;
    return TuiStandardLookAndFeelPainter::BackButtonSize();
}

void TuiWinXPLookAndFeelPainter::DrawBackButton(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState) {
    if (!DrawPart(OpenTheme(totNavigation), ACanvas, 1, 1 + StateOffset(AState), R))
        TuiStandardLookAndFeelPainter::DrawBackButton(ACanvas, R, AState);
}

void TuiWinXPLookAndFeelPainter::DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) {
    if (!DrawPart(OpenTheme(totHeader), ACanvas, 2, 1, R))
        TuiStandardLookAndFeelPainter::DrawHeaderPanelBackground(ACanvas, R);
}

TSize TuiWinXPLookAndFeelPainter::GlyphButtonSpacing() {
    return TSize{0, 0};
}
TSize TuiWinXPLookAndFeelPainter::GlyphButtonSize() {
    return TSize{18, 19};
}

// ---- Group boxes, check boxes and radio buttons

void TuiWinXPLookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                    int AIgnored, TuiBorders ABorders) {
    if (!DrawPart(OpenTheme(totButton), ACanvas, 4, AEnabled ? 1 : 2, R))
        TuiStandardLookAndFeelPainter::DrawGroupBoxBorder(ACanvas, R, AEnabled, AIgnored, ABorders);
}

TColor TuiWinXPLookAndFeelPainter::GroupBoxTextColorByState(bool AEnabled, int AIgnored) {
    TColor colour;
    if (Color(OpenTheme(totButton), 4, AEnabled ? 1 : 2, PropTextColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::GroupBoxTextColorByState(AEnabled, AIgnored);
}

int TuiWinXPLookAndFeelPainter::CheckBoxBorderWidth() {
    return OpenTheme(totButton) != nullptr ? 0 : TuiStandardLookAndFeelPainter::CheckBoxBorderWidth();
}

TSize TuiWinXPLookAndFeelPainter::CheckBoxSize() {
    TSize size;
    if (PartSize(OpenTheme(totButton), 3, 5, size)) return size;
    return TuiStandardLookAndFeelPainter::CheckBoxSize();
}

void TuiWinXPLookAndFeelPainter::DrawCheck(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                           TuiPainterCheckState ACheckState, TColor AMarkColor) {
    // Unchecked 1..4, checked 5..8, grayed 9..12.
    if (!DrawPart(OpenTheme(totButton), ACanvas, 3, 1 + 4 * ACheckState + StateOffset(AState), R))
        TuiStandardLookAndFeelPainter::DrawCheck(ACanvas, R, AState, ACheckState, AMarkColor);
}

void TuiWinXPLookAndFeelPainter::DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R,
                                                   TuiPainterButtonState AState) {
    if (OpenTheme(totButton) == nullptr) TuiStandardLookAndFeelPainter::DrawCheckBoxFrame(ACanvas, R, AState);
}

void TuiWinXPLookAndFeelPainter::DrawRadioButton(TuiCanvas* ACanvas, int X, int Y,
                                                 TuiPainterButtonState AState, bool AChecked, bool AEmphasisB,
                                                 TColor ABkColor, bool AEmphasisA) {
    // Without the button theme the radio images of the Standard look are drawn, not nothing.
    HTHEME theme = OpenTheme(totButton);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawRadioButton(ACanvas, X, Y, AState, AChecked, AEmphasisB, ABkColor,
                                                       AEmphasisA);
        return;
    }
    const TSize size = RadioButtonExtent();
    DrawPart(theme, ACanvas, 2, 1 + 4 * (AChecked ? 1 : 0) + StateOffset(AState),
             uiRectOfBounds(X, Y, size.cx, size.cy));
}

TSize TuiWinXPLookAndFeelPainter::RadioButtonExtent() {
    TSize size;
    if (PartSize(OpenTheme(totButton), 2, 1, size)) return size;
    return TuiStandardLookAndFeelPainter::RadioButtonExtent();
}

void TuiWinXPLookAndFeelPainter::DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl* AControl,
                                                TColor AColor1, TColor) {
    if (AColor1 == clDefault)
        uiDrawTransparentControlBackground(AControl, ACanvas, R, true);
    else
        ACanvas->FillRect(R, AColor1);
}

// ---- Track bars and splitters

void TuiWinXPLookAndFeelPainter::TrackBarTrackContentBounds(TRect& R, bool AHorizontal, int AKind) {
    HTHEME theme = OpenTheme(totTrackBar);
    TSize size;
    if (!PartSize(theme, TrackBarThumbPart(AHorizontal, AKind), 1, size, SizeDraw, nullptr, &R)) {
        TuiStandardLookAndFeelPainter::TrackBarTrackContentBounds(R, AHorizontal, AKind);
        return;
    }
    // Halves rounded toward zero, whichever way the sizes differ.
    const int dx = (uiWidthOfRect(R) - size.cx) / 2, dy = (uiHeightOfRect(R) - size.cy) / 2;
    R = uiRectOfBounds(R.left + dx, R.top + dy, size.cx, size.cy);
}

void TuiWinXPLookAndFeelPainter::DrawTrackBarTrack(TuiCanvas* ACanvas, const TRect& R, int AIgnored1,
                                                   int AIgnored2, int AIgnored3, bool AHorizontal,
                                                   TColor AColor) {
    if (!DrawPart(OpenTheme(totTrackBar), ACanvas, AHorizontal ? 1 : 2, 1, R))
        TuiStandardLookAndFeelPainter::DrawTrackBarTrack(ACanvas, R, AIgnored1, AIgnored2, AIgnored3,
                                                         AHorizontal, AColor);
}

void TuiWinXPLookAndFeelPainter::DrawTrackBarThumb(TuiCanvas* ACanvas, const TRect& R,
                                                   TuiPainterButtonState AState, bool AHorizontal, int AKind,
                                                   TColor AColor) {
    static constexpr int States[] = {2, 1, 2, 3, 5};
    const int state = AState <= cxbsDisabled ? States[AState] : 1;
    if (!DrawPart(OpenTheme(totTrackBar), ACanvas, TrackBarThumbPart(AHorizontal, AKind), state, R))
        TuiStandardLookAndFeelPainter::DrawTrackBarThumb(ACanvas, R, AState, AHorizontal, AKind, AColor);
}

void TuiWinXPLookAndFeelPainter::DrawSplitterBar(TuiCanvas*, const TRect&, bool, int, bool) {}

// ---- Breadcrumb edit

TRect TuiWinXPLookAndFeelPainter::BreadcrumbEditBorderWidths() {
    return TRect{1, 1, 1, 1};
}

TRect TuiWinXPLookAndFeelPainter::BreadcrumbEditButtonContentMargins(bool AFirst, bool ALast) {
    TRect margins;
    if (Margins(OpenTheme(totButton), 1, 1, PropContentMargins, margins)) return margins;
    return TuiStandardLookAndFeelPainter::BreadcrumbEditButtonContentMargins(AFirst, ALast);
}

bool TuiWinXPLookAndFeelPainter::BreadcrumbEditFlag1() {
    return true;
}

TSize TuiWinXPLookAndFeelPainter::BreadcrumbEditProgressChunkSize() {
    TSize size;
    if (IsWinVistaOrLater() && PartSize(OpenTheme(totProgress), 8, 0, size)) return size;
    return TuiStandardLookAndFeelPainter::BreadcrumbEditProgressChunkSize();
}

TRect TuiWinXPLookAndFeelPainter::BreadcrumbEditProgressChunkOffsets() {
    return TRect{0, 0, 0, 0};
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiBorders ABorders, int AState) {
    HTHEME theme = OpenTheme(totEdit);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditBorder(ACanvas, R, ABorders, AState);
        return;
    }
    static constexpr int States[] = {1, 5, 2, 4};
    const int part = IsWinVistaOrLater() ? 6 : 1;
    const int state = States[AState & 3];
    if (ABorders == uiBordersAll) {
        DrawPart(theme, ACanvas, part, state, R);
        return;
    }
    // The sides outside the border set are pushed out of the clip by the part's sizing margins.
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(R);
    TRect margins, drawn = R;
    Margins(theme, part, state, PropSizingMargins, margins);
    if (!ABorders.Contains(bLeft)) drawn.left -= margins.left;
    if (!ABorders.Contains(bTop)) drawn.top -= margins.top;
    if (!ABorders.Contains(bRight)) drawn.right += margins.right;
    if (!ABorders.Contains(bBottom)) drawn.bottom += margins.bottom;
    DrawPart(theme, ACanvas, part, state, drawn);
    ACanvas->RestoreClipRegion();
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas*, const TRect&, int) {}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiPainterButtonState AState, bool AFirst,
                                                          bool ALast) {
    HTHEME theme = OpenTheme(totButton);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditButton(ACanvas, R, AState, AFirst, ALast);
        return;
    }
    if (AState == cxbsDefault || AState == cxbsDisabled || uiIsRectEmpty(R)) return;
    TRect grow = BreadcrumbEditButtonContentMargins(AFirst, ALast);
    grow.left = grow.right = 1;
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(R);
    DrawPart(theme, ACanvas, 1, PushButtonState(AState), uiGrowRectByMargins(R, grow));
    ACanvas->RestoreClipRegion();
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R,
                                                                  TuiPainterButtonState AState, bool) {
    DrawBreadcrumbEditButton(ACanvas, R, AState, true, true);
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditNode(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState, bool AFlag) {
    if (OpenTheme(totButton) == nullptr)
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditNode(ACanvas, R, AState, AFlag);
    else
        DrawBreadcrumbButtonPart(ACanvas, R, AState, AFlag ? 1 : 5);
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditScrollButton(TuiCanvas* ACanvas, const TRect& R,
                                                                TuiPainterButtonState AState) {
    if (OpenTheme(totButton) == nullptr)
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditScrollButton(ACanvas, R, AState);
    else
        DrawBreadcrumbButtonPart(ACanvas, R, AState, 5);
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiterGlyph(TuiCanvas* ACanvas, const TRect& R,
                                                                      TuiPainterButtonState AState) {
    DrawArrowShape(ACanvas, uiGrowRect(R, -1, -1), AState == cxbsPressed ? adDown : adRight,
                   BreadcrumbEditArrowColor(AState));
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditScrollArrow(TuiCanvas* ACanvas, const TRect& R,
                                                               TuiPainterButtonState AState) {
    DrawDoubleChevron(ACanvas, R, BreadcrumbEditArrowColor(AState), uiScaleToCurrentDPI(2));
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditProgressChunk(TuiCanvas* ACanvas, const TRect& R) {
    if (!DrawPart(OpenTheme(totProgress), ACanvas, 3, 1, R))
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditProgressChunk(ACanvas, R);
}

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbEditProgressFrame(TuiCanvas* ACanvas, const TRect& R) {
    if (!IsWinVistaOrLater() || !DrawPart(OpenTheme(totProgress), ACanvas, 8, 0, R))
        TuiStandardLookAndFeelPainter::DrawBreadcrumbEditProgressFrame(ACanvas, R);
}

// ---- Drop-down lists

void TuiWinXPLookAndFeelPainter::DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R,
                                                            bool ABordered) {
    if (!AreVisualStylesAvailable()) {
        TuiStandardLookAndFeelPainter::DrawDropDownListBackground(ACanvas, R, ABordered);
        return;
    }
    HTHEME theme = OpenTheme(totMenu);
    TRect r = R;
    if (ABordered) {
        TColor outer = clBtnShadow, inner = clBtnHighlight;
        Color(theme, 9, 0, PropEdgeLightColor, outer);
        Color(theme, 9, 0, PropEdgeHighlightColor, inner);
        ACanvas->FrameRect(r, outer);
        r = uiGrowRect(r, -1, -1);
        ACanvas->FrameRect(r, inner);
        r = uiGrowRect(r, -1, -1);
    }
    if (!DrawPart(theme, ACanvas, 9, 0, r)) ACanvas->FillRect(r, clWindow);
}

void TuiWinXPLookAndFeelPainter::DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) {
    if (!DrawPart(OpenTheme(totMenu), ACanvas, 13, 0, R))
        TuiStandardLookAndFeelPainter::DrawDropDownListGutter(ACanvas, R);
}

void TuiWinXPLookAndFeelPainter::DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int AIgnored) {
    if (!DrawPart(OpenTheme(totMenu), ACanvas, 14, 2, R))
        TuiStandardLookAndFeelPainter::DrawDropDownListSelection(ACanvas, R, AIgnored);
}

void TuiWinXPLookAndFeelPainter::DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                           const TRect& AGutterRect) {
    HTHEME theme = OpenTheme(totMenu);
    if (theme == nullptr) {
        TuiStandardLookAndFeelPainter::DrawDropDownListSeparator(ACanvas, R, AGutterRect);
        return;
    }
    const int height = DropDownListSeparatorHeight();
    const int top = R.top + (uiHeightOfRect(R) - height) / 2;
    DrawPart(theme, ACanvas, 15, 0, TRect{AGutterRect.right + 2, top, R.right, top + height});
}

TColor TuiWinXPLookAndFeelPainter::DropDownListItemTextColor(bool ASelected) {
    TColor colour;
    if (Color(OpenTheme(totMenu), 14, 1, PropTextColor, colour)) return colour;
    return TuiStandardLookAndFeelPainter::DropDownListItemTextColor(ASelected);
}

int TuiWinXPLookAndFeelPainter::DropDownListSeparatorHeight() {
    TSize size;
    if (PartSize(OpenTheme(totMenu), 15, 0, size)) return size.cy;
    return TuiStandardLookAndFeelPainter::DropDownListSeparatorHeight();
}

// ---- Small buttons and edges

int TuiWinXPLookAndFeelPainter::SmallButtonCornerRadius() {
    return 5;
}
TSize TuiWinXPLookAndFeelPainter::EdgeSize(int) {
    return TSize{6, 6};
}

void TuiWinXPLookAndFeelPainter::DrawEdgeBox(TuiCanvas* ACanvas, const TRect& R, TColor AOuter, TColor AInner,
                                             bool A3D) {
    if (!DrawPart(OpenTheme(totButton), ACanvas, 4, 1, R))
        TuiStandardLookAndFeelPainter::DrawEdgeBox(ACanvas, R, AOuter, AInner, A3D);
}

void TuiWinXPLookAndFeelPainter::DrawEdgeLine(TuiCanvas* ACanvas, const TRect& R, TColor AOuter,
                                              TColor AInner, bool AVertical) {
    if (!DrawPart(OpenTheme(totToolBar), ACanvas, AVertical ? 5 : 6, 1, R))
        TuiStandardLookAndFeelPainter::DrawEdgeLine(ACanvas, R, AOuter, AInner, AVertical);
}

// ---- Own operations

void TuiWinXPLookAndFeelPainter::DrawBreadcrumbButtonPart(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiPainterButtonState AState, int AKeptSides) {
    if (uiIsRectEmpty(R) || AState == cxbsDefault || AState == cxbsDisabled) return;
    HTHEME theme = OpenTheme(totButton);
    if (theme == nullptr) return;
    TRect margins = BreadcrumbEditButtonContentMargins(false, false);
    if ((AKeptSides & 1) != 0) margins.left = 1;
    if ((AKeptSides & 2) != 0) margins.top = 1;
    if ((AKeptSides & 4) != 0) margins.right = 1;
    if ((AKeptSides & 8) != 0) margins.bottom = 1;
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(R);
    DrawPart(theme, ACanvas, 1, PushButtonState(AState), uiGrowRectByMargins(R, margins));
    ACanvas->RestoreClipRegion();
}

void TuiWinXPLookAndFeelPainter::DrawThemedText(TuiCanvas* ACanvas, HTHEME ATheme, int APart, int AState,
                                                const TRect& R, TAlignment AHorz, TVerticalAlignment AVert,
                                                bool AMultiLine, bool AEndEllipsis, bool AShowPrefix,
                                                const std::string& AText, TFont* AFont, TColor ATextColor) {
    if (AText.empty()) return;
    if (AFont != nullptr) ACanvas->SetFont(AFont);
    if (ATextColor != clDefault) ACanvas->Font()->SetColor(ATextColor);
    TRect r = R;
    if (AMultiLine && AVert != taAlignTop)
        ACanvas->CentreTextBlockVertically(r, AText, AEndEllipsis, false, true, AShowPrefix, true,
                                           AVert == taAlignBottom ? tbpBottom : tbpCentre);
    DWORD flags = DT_EDITCONTROL;
    if (AHorz == taRightJustify) flags |= DT_RIGHT;
    if (AHorz == taCenter) flags |= DT_CENTER;
    if (AVert == taAlignBottom) flags |= DT_BOTTOM;
    if (AVert == taVerticalCenter) flags |= DT_VCENTER;
    if (AEndEllipsis) flags |= DT_END_ELLIPSIS;
    if (!AShowPrefix) flags |= DT_NOPREFIX;
    flags |= AMultiLine ? DT_WORDBREAK : DT_SINGLELINE;
    const std::u16string wide = Utf8ToUtf16(AText);
    const RECT rect = r;
    ovDrawThemeText(ATheme, ACanvas->Handle(), APart, AState, wide.c_str(), static_cast<int>(wide.size()),
                    flags, 0, &rect);
}
