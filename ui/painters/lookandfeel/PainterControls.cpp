// Base drawing of the remaining control parts: navigation buttons and markers, the clock face, zoom and
// back buttons, glyph buttons, caption text, group boxes, line pairs, track bars, splitters, previews,
// the breadcrumb edit, drop-down lists, small buttons, item frames and edges.
#include "platform/gdi/Gdi.h"
#include "platform/rtl/DateTime.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextDrawing.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>
#include <cmath>

// ---- Navigation buttons and markers

void TuiCustomLookAndFeelPainter::NavigationButtonMetrics(bool AIsNext, TRect& ABorders, bool& AHasTextArea,
                                                          TSize& AArrowSize) {
    ABorders = AIsNext ? TRect{2, 6, 0, 6} : TRect{0, 6, 2, 6};
    AHasTextArea = true;
    AArrowSize = TSize{7, 7};
}

void TuiCustomLookAndFeelPainter::CalculateSchedulerNavigationButtonRects(bool AIsNext, bool AArrowOnly,
                                                                          const TSize& ATextSize1,
                                                                          const TSize& ATextSize2,
                                                                          TRect& ABounds, TRect& ATextRect,
                                                                          TRect& AArrowRect) {
    TRect borders;
    bool hasText = false;
    TSize arrow;
    NavigationButtonMetrics(AIsNext, borders, hasText, arrow);
    const int b = 3 * arrow.cy;
    if (AArrowOnly || !hasText) {
        ATextRect = TRect{};
        ABounds = uiCentreRectVert(ABounds, b + borders.top + borders.bottom);
        AArrowRect = uiCentreSizeIn(ABounds, arrow);
        return;
    }
    const TRect content = uiShrinkRectByMargins(ABounds, borders);
    AArrowRect = uiCentreSizeIn(TRect{content.left, content.top, content.right, content.top + b}, arrow);
    ATextRect = TRect{content.left, content.top + b + 5, content.right, content.bottom - 2 * arrow.cy};
    const int d = std::max(ATextSize1.cx, ATextSize2.cx) - (ATextRect.bottom - ATextRect.top);
    if (d >= 1) {
        AArrowRect = uiShiftRect(AArrowRect, 0, -d);
        ATextRect.top -= d;
        ATextRect.bottom += d;
        ABounds.top -= d;
        ABounds.bottom += d;
    }
}

void TuiCustomLookAndFeelPainter::DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R,
                                                                const TRect& AArrowRect, bool AIsNext,
                                                                TuiPainterButtonState AState) {
    ACanvas->FillRect(R, clBtnFace);
    const TuiBorders sides = AIsNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow, sides);
    TRect r = uiGrowRectSides(R, 0, -1, 0, -1);
    if (AIsNext)
        ++r.left;
    else
        --r.right;
    if (AState == cxbsPressed)
        ACanvas->DrawComplexFrame(r, clBtnShadow, clBtnHighlight, sides);
    else
        ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnFace, sides);
    DrawSchedulerNavButtonArrow(ACanvas, AArrowRect, AIsNext, ButtonSignColor(AState, clDefault));
}

void TuiCustomLookAndFeelPainter::DrawSchedulerNavButtonArrow(TuiCanvas* ACanvas, const TRect& R,
                                                              bool AIsNext, TColor AColor) {
    const int height = R.bottom - R.top;
    const int n = (height + 1) / 2;
    int x = AIsNext ? R.left : R.right - 2;
    const int step = AIsNext ? 1 : -1;
    int top = R.top, bottom = R.bottom - 1;
    for (int i = 0; i < n; ++i) {
        ACanvas->FillRect(TRect{x, top, x + 2, top + 1}, AColor);
        ACanvas->FillRect(TRect{x, bottom, x + 2, bottom + 1}, AColor);
        x += step;
        ++top;
        --bottom;
    }
    const int column = AIsNext ? R.right - 1 : R.left;
    ACanvas->FillRect(TRect{column, R.top, column + 1, R.bottom}, AColor);
}

void TuiCustomLookAndFeelPainter::DrawSchedulerNavigationButton(TuiCanvas* ACanvas, const TRect& R,
                                                                bool AIsNext, TuiPainterButtonState AState,
                                                                const std::string& AText,
                                                                const TRect& ATextRect,
                                                                const TRect& AArrowRect) {
    DrawSchedulerNavButtonContent(ACanvas, R, AArrowRect, AIsNext, AState);
    if (uiIsRectEmpty(ATextRect) || NavigationButtonTextColor(AIsNext, AState, clDefault) == clNone) return;
    const TColor colour = NavigationButtonTextColor(AIsNext, AState, ACanvas->Font()->Color());
    uiDrawRotatedText(ACanvas, AText, ATextRect, raPlus90, colour, 37);
}

void TuiCustomLookAndFeelPainter::DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R,
                                                      TuiPainterButtonState AState) {
    DrawButton(ACanvas, R, {}, AState);
}

void TuiCustomLookAndFeelPainter::DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R,
                                                      const std::string& AText, TuiNeighbors ANeighbors,
                                                      const TuiViewParams& AParams, int AArrowFlags,
                                                      int ASideWidth,
                                                      const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeader(ACanvas, R, R, ANeighbors, HeaderBorderSides(ANeighbors), cxbsNormal, taCenter,
               taVerticalCenter, false, false, AText, AParams.Font, AParams.TextColor, AParams.Color,
               AOnDrawBackground);
    DrawHeaderSideArrows(ACanvas, R, AArrowFlags, ASideWidth, clWindowText);
}

void TuiCustomLookAndFeelPainter::DrawHeaderSideArrows(TuiCanvas* ACanvas, const TRect& R, int AArrowFlags,
                                                       int, TColor AColor) {
    const int side = R.bottom - R.top;
    if ((AArrowFlags & 4) != 0)
        DrawArrowShape(ACanvas, TRect{R.left, R.top, R.left + side, R.bottom}, adLeft, AColor);
    if ((AArrowFlags & 8) != 0)
        DrawArrowShape(ACanvas, TRect{R.right - side, R.top, R.right, R.bottom}, adRight, AColor);
}

void TuiCustomLookAndFeelPainter::DrawContentBorder(TuiCanvas* ACanvas, const TRect& R) {
    DrawBorderFrame(ACanvas, R);
}

void TuiCustomLookAndFeelPainter::DrawSchedulerEventProgressBar(TuiCanvas* ACanvas, const TRect& R,
                                                                const TRect& ABarRect,
                                                                const TuiViewParams& AParams,
                                                                bool ASelected) {
    if (!ASelected) ACanvas->FillRectWithParams(uiGrowRect(R, -1, -1), AParams);
    ACanvas->FrameRect(R, static_cast<TColor>(0x808080));
    ACanvas->FillRect(ABarRect, clNavy);
}

TRect TuiCustomLookAndFeelPainter::EventProgressMargins() {
    return TRect{2, 2, 2, 2};
}

void TuiCustomLookAndFeelPainter::DrawNotchedMarker(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    const TRect r{R.left, R.top + 2, R.right - 1, R.bottom - 2};
    const int a = (r.bottom - r.top) / 2;
    ACanvas->SetBrushColor(AColor);
    ACanvas->Pen()->SetColor(clBlack);
    ACanvas->Polygon({TPoint{r.left, r.top}, TPoint{r.right, r.top}, TPoint{r.right, r.bottom},
                      TPoint{r.right - a, r.bottom - a}, TPoint{r.left + a, r.bottom - a},
                      TPoint{r.left, r.bottom}});
}

void TuiCustomLookAndFeelPainter::DrawCaptionCell(TuiCanvas* ACanvas, const TRect& R, TColor ABkColor,
                                                  const TuiPainterBackgroundEvent& AOnDrawBackground) {
    DrawHeader(ACanvas, R, R, TuiNeighbors{nLeft, nRight}, uiBordersAll, cxbsNormal, taLeftJustify,
               taVerticalCenter, false, false, {}, nullptr, clNone, ABkColor, AOnDrawBackground);
}

void TuiCustomLookAndFeelPainter::DrawDiamondMarker(TuiCanvas* ACanvas, const TRect& R) {
    int s = std::min(R.right - R.left, R.bottom - R.top);
    s -= s % 2;
    const TRect r = uiCentreRectIn(R, s, s);
    ACanvas->SetBrushColor(static_cast<TColor>(0x808080));
    ACanvas->Pen()->SetColor(clBlack);
    ACanvas->Polygon({TPoint{r.left, r.top + s / 2}, TPoint{r.left + s / 2, r.top},
                      TPoint{r.left + s, r.top + s / 2}, TPoint{r.left + s / 2, r.top + s}});
}

void TuiCustomLookAndFeelPainter::DrawSplitterBorder(TuiCanvas*, const TRect&, const TuiViewParams&, bool) {}

TColor TuiCustomLookAndFeelPainter::NavigationButtonTextColor(bool, TuiPainterButtonState AState,
                                                              TColor ADefaultColor) {
    return ButtonSignColor(AState, ADefaultColor);
}

// ---- Edit buttons

void TuiCustomLookAndFeelPainter::DrawEditButton(TuiCanvas*, const TRect&, TuiPainterButtonState) {}
void TuiCustomLookAndFeelPainter::DrawEditButtonGlyph(TuiCanvas*, const TRect&, TuiPainterButtonState) {}
int TuiCustomLookAndFeelPainter::EditButtonTextIndent() {
    return 0;
}
TSize TuiCustomLookAndFeelPainter::EditButtonExtent() {
    return TSize{0, 0};
}
TColor TuiCustomLookAndFeelPainter::EditButtonCaptionColor(TuiPainterButtonState) {
    return clDefault;
}

// ---- Clock, zoom and back buttons

TSize TuiCustomLookAndFeelPainter::ClockFaceSize() {
    return TSize{130, 130};
}

void TuiCustomLookAndFeelPainter::DrawClockFace(TuiCanvas* ACanvas, const TRect& R, double ATime,
                                                TColor ABkColor) {
    constexpr double Pi = 3.14159265358979323846;
    const double f = (R.right - R.left) / 2.0 - 2, e = (R.bottom - R.top) / 2.0 - 2;
    const double cx = (R.left + R.right) / 2.0, cy = (R.top + R.bottom) / 2.0;
    ACanvas->SaveClipRegion();
    for (int i = 0; i < 60; i += 5) {
        const double angle = i * 2 * Pi / 60;
        const int x = static_cast<int>(std::lround(cx + f * std::cos(angle)));
        const int y = static_cast<int>(std::lround(cy + e * std::sin(angle)));
        ACanvas->SetPixels(x, y, static_cast<TColor>(0x808000));
        ACanvas->FillRect(TRect{x - 1, y - 1, x + 1, y}, static_cast<TColor>(0xFFFF00));
        ACanvas->FillRect(TRect{x - 1, y, x, y + 1}, static_cast<TColor>(0xFFFF00));
        ACanvas->FillRect(TRect{x, y + 1, x + 2, y + 2}, clBtnText);
        ACanvas->FillRect(TRect{x + 1, y, x + 2, y + 1}, clBtnText);
        ACanvas->ExcludeClipRect(TRect{x - 1, y - 1, x + 2, y + 2});
    }
    ACanvas->FillRect(R, ABkColor);
    ACanvas->RestoreClipRegion();
    const double fraction = ATime - std::floor(ATime);
    const int totalSeconds = static_cast<int>(std::lround(fraction * 86400)) % 86400;
    const int hour = totalSeconds / 3600, minute = totalSeconds / 60 % 60, second = totalSeconds % 60;
    auto hand = [&](double AAngle, double AWidth, double ATip, double ATail) {
        auto at = [&](double AAngleOf, double AScaleX, double AScaleY) {
            return TPoint{static_cast<LONG>(std::lround(cx + AScaleX * std::cos(AAngleOf))),
                          static_cast<LONG>(std::lround(cy + AScaleY * std::sin(AAngleOf)))};
        };
        const TPoint tip = at(AAngle, f * ATip, e * ATip);
        const TPoint tail = at(AAngle + Pi, f * ATail, e * ATail);
        const TPoint side1 = at(AAngle + Pi / 2, AWidth / 2, AWidth / 2);
        const TPoint side2 = at(AAngle - Pi / 2, AWidth / 2, AWidth / 2);
        ACanvas->SetBrushColor(static_cast<TColor>(0x808000));
        ACanvas->Pen()->SetColor(static_cast<TColor>(0x808000));
        ACanvas->Polygon({tip, side1, tail, side2});
    };
    hand(((hour % 12) * 3600 + minute * 60 + second - 10800) * 2 * Pi / 43200, 9, 0.75, 0.15);
    hand((minute * 60 + second - 900) * 2 * Pi / 3600, 7, 0.85, 0.2);
    const double secondAngle = (second - 15) * 2 * Pi / 60;
    ACanvas->Pen()->SetColor(clRed);
    ACanvas->MoveTo(static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy)));
    ACanvas->LineTo(static_cast<int>(std::lround(cx + 0.9 * f * std::cos(secondAngle))),
                    static_cast<int>(std::lround(cy + 0.9 * e * std::sin(secondAngle))));
}

TSize TuiCustomLookAndFeelPainter::ZoomInButtonSize() {
    return TSize{15, 15};
}
TSize TuiCustomLookAndFeelPainter::ZoomOutButtonSize() {
    return TSize{15, 15};
}

void TuiCustomLookAndFeelPainter::DrawZoomOutButton(TuiCanvas* ACanvas, const TRect& R,
                                                    TuiPainterButtonState AState) {
    DrawButtonFrame(ACanvas, R, AState);
    ACanvas->FillRect(uiGrowRect(R, -1, -1), ButtonFaceColor(AState));
    ACanvas->Pen()->SetColor(AState == cxbsDisabled ? clBtnShadow : ButtonSignColor(AState, clDefault));
    const int y = (R.top + R.bottom) / 2;
    ACanvas->MoveTo(R.left + 3, y);
    ACanvas->LineTo(R.right - 3, y);
}

void TuiCustomLookAndFeelPainter::DrawZoomInButton(TuiCanvas* ACanvas, const TRect& R,
                                                   TuiPainterButtonState AState) {
    DrawZoomOutButton(ACanvas, R, AState);
    const int x = (R.left + R.right) / 2;
    ACanvas->MoveTo(x, R.top + 3);
    ACanvas->LineTo(x, R.bottom - 3);
}

TovSmartImage* TuiCustomLookAndFeelPainter::BackButtonImage() {
    if (!FBackButtonImage) {
        FBackButtonImage = std::make_unique<TovSmartImage>();
        FBackButtonImage->LoadFromResource(nullptr, "UI_BACKBUTTON", "PNG");
    }
    return FBackButtonImage.get();
}

TSize TuiCustomLookAndFeelPainter::BackButtonSize() {
    return TSize{BackButtonImage()->Width(), BackButtonImage()->Height() / 4};
}

void TuiCustomLookAndFeelPainter::DrawBackButton(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState) {
    int row = 0;
    if (AState == cxbsHot) row = 1;
    if (AState == cxbsPressed) row = 2;
    if (AState == cxbsDisabled) row = 3;
    const TSize size = BackButtonSize();
    BackButtonImage()->StretchDrawPart(ACanvas->Handle(), R, 255,
                                       TRect{0, row * size.cy, size.cx, (row + 1) * size.cy});
}

// ---- Header panels and glyph buttons

void TuiCustomLookAndFeelPainter::DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) {
    ACanvas->FillRect(R, DefaultFaceColor10());
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow);
    R = uiGrowRect(R, -1, -1);
}

void TuiCustomLookAndFeelPainter::DrawGlyphButtonFrame(TuiCanvas*, const TRect&, bool) {}

void TuiCustomLookAndFeelPainter::DrawGlyphButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, TColor) {
    DrawButton(ACanvas, R, {}, AState);
}

void TuiCustomLookAndFeelPainter::DrawGlyphButtonGlyph(TuiCanvas* ACanvas, TCustomImageList* AImages,
                                                       int AImageIndex, const TRect& R, bool AEnabled, int) {
    uiDrawImage(ACanvas->Handle(), R, R, nullptr, AImages, AImageIndex, AEnabled ? gdmNormal : gdmDisabled);
}

bool TuiCustomLookAndFeelPainter::IsGlyphButtonHotTrack() {
    return false;
}
int TuiCustomLookAndFeelPainter::GlyphButtonBorderSize() {
    return 0;
}
TRect TuiCustomLookAndFeelPainter::GlyphButtonGlyphMargins() {
    return TRect{3, 4, 3, 4};
}
TSize TuiCustomLookAndFeelPainter::GlyphButtonGlyphSize() {
    return TSize{11, 11};
}
TSize TuiCustomLookAndFeelPainter::GlyphButtonSpacing() {
    return TSize{1, 1};
}
TSize TuiCustomLookAndFeelPainter::GlyphButtonSize() {
    return TSize{17, 19};
}
void TuiCustomLookAndFeelPainter::DrawGlyphButtonArea1(TuiCanvas*, const TRect&) {}
void TuiCustomLookAndFeelPainter::DrawGlyphButtonArea2(TuiCanvas*, const TRect&) {}

// ---- Captions and group boxes

void TuiCustomLookAndFeelPainter::DrawCaptionText(TuiCanvas* ACanvas, bool AVertical, bool APlain,
                                                  const std::string& AText, const TRect& ATextRect, int,
                                                  const TRect& ABounds, TColor AColor) {
    ACanvas->SaveState();
    if (AVertical) ACanvas->SetFontAngle(270);
    if (AColor == clDefault || !APlain) AColor = CaptionTextColor();
    ACanvas->Brush()->SetStyle(bsClear);
    const int flags = uiTextLeft | uiTextTop | uiTextSingleLine | uiTextNoClip;
    if (APlain) {
        ACanvas->Font()->SetColor(AColor);
        ACanvas->DrawText(AText, ATextRect, flags);
    } else if (CaptionGlowColor(true) == clDefault) {
        // White text on black, inverted into the background: readable on any fill.
        TuiBitmap mask(ATextRect.right - ATextRect.left, ATextRect.bottom - ATextRect.top, pf32bit);
        TuiCanvas* canvas = mask.GetuiCanvas();
        canvas->FillRect(mask.GetClientRect(), clBlack);
        canvas->SetFont(ACanvas->Font());
        canvas->Font()->SetColor(clWhite);
        canvas->Brush()->SetStyle(bsClear);
        canvas->DrawText(AText, mask.GetClientRect(), flags);
        uiPaintBitmap(ACanvas->Handle(), &mask, ATextRect, SRCINVERT);
    } else {
        // A glowing caption: the text is laid in the glow's outer colour on a copy of the background where
        // it meets the bounds, the copy goes back, and the text is written over it in the inner colour.
        TRect area;
        if (uiIntersectRects(area, ATextRect, ABounds)) {
            TuiBitmap glow(area.right - area.left, area.bottom - area.top, pf24bit);
            TuiCanvas* canvas = glow.GetuiCanvas();
            BitBlt(canvas->Handle(), 0, 0, glow.Width(), glow.Height(), ACanvas->Handle(), area.left,
                   area.top, SRCCOPY);
            canvas->SetFont(ACanvas->Font());
            canvas->Font()->SetColor(CaptionGlowColor(false));
            canvas->Brush()->SetStyle(bsClear);
            canvas->DrawText(AText, uiShiftRect(ATextRect, -area.left, -area.top), flags);
            uiPaintBitmap(ACanvas->Handle(), &glow, area);
            ACanvas->SetClipRegion(new TuiRegion(area), roAdd);
        }
        ACanvas->Font()->SetColor(CaptionGlowColor(true));
        ACanvas->DrawText(AText, ATextRect, flags);
    }
    ACanvas->RestoreState();
}

TRect TuiCustomLookAndFeelPainter::CaptionTextPadding() {
    return {};
}
TColor TuiCustomLookAndFeelPainter::CaptionTextColor() {
    return CaptionGlowColor(false);
}
TColor TuiCustomLookAndFeelPainter::CaptionGlowColor(bool AGlow) {
    return AGlow ? clDefault : clWindowText;
}
void TuiCustomLookAndFeelPainter::DrawCaptionArea1(TuiCanvas*, const TRect&) {}
void TuiCustomLookAndFeelPainter::DrawCaptionArea2(TuiCanvas*, const TRect&) {}
void TuiCustomLookAndFeelPainter::DrawCaptionArea3(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawCaptionExpandButton(TuiCanvas* ACanvas, const TRect& R,
                                                          TuiPainterButtonState AState, bool AExpanded,
                                                          TuiRotationAngle ARotation) {
    DrawRotatedGroupExpandButton(ACanvas, R, AState, AExpanded, ARotation);
}

void TuiCustomLookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas*, const TRect&, bool, int, TuiBorders) {}
TRect TuiCustomLookAndFeelPainter::GroupBoxBorderWidths(int, int) {
    return {};
}
int TuiCustomLookAndFeelPainter::GroupBoxCaptionGap() {
    return 0;
}
TColor TuiCustomLookAndFeelPainter::GroupBoxTextColorByState(bool AEnabled, int) {
    return AEnabled ? clWindowText : clBtnShadow;
}
bool TuiCustomLookAndFeelPainter::IsGroupBoxCaptionOverBorder() {
    return true;
}
bool TuiCustomLookAndFeelPainter::GroupBoxIsTransparent() {
    return false;
}

// ---- Frames, areas and track bars

void TuiCustomLookAndFeelPainter::DrawSunkenFrame(TuiCanvas* ACanvas, const TRect& R, TColor ADarkColor,
                                                  TColor ALightColor, bool AVertical) {
    if (ADarkColor == clDefault) ADarkColor = clBtnShadow;
    if (ALightColor == clDefault) ALightColor = clBtnHighlight;
    ACanvas->DrawComplexFrame(R, ADarkColor, ALightColor,
                              AVertical ? TuiBorders{bLeft, bRight} : TuiBorders{bTop, bBottom});
}

int TuiCustomLookAndFeelPainter::SunkenFrameWidth() {
    return 2;
}
void TuiCustomLookAndFeelPainter::DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl*, TColor,
                                                 TColor) {
    DrawCaptionArea1(ACanvas, R);
}
void TuiCustomLookAndFeelPainter::DrawPanelFrame(TuiCanvas*, const TRect&) {}
void TuiCustomLookAndFeelPainter::DrawAreaFrame2(TuiCanvas* ACanvas, const TRect&) {
    DrawCaptionArea2(ACanvas, TRect{});
}
void TuiCustomLookAndFeelPainter::DrawFaceArea(TuiCanvas* ACanvas, const TRect& R, int) {
    ACanvas->FillRect(R, clBtnFace);
}
TRect TuiCustomLookAndFeelPainter::AreaMargins() {
    return {};
}
TColor TuiCustomLookAndFeelPainter::AreaTextColor() {
    return GroupBoxTextColorByState(true);
}

void TuiCustomLookAndFeelPainter::TrackBarTrackContentBounds(TRect& R, bool, int) {
    ++R.right;
    ++R.bottom;
}

void TuiCustomLookAndFeelPainter::DrawTrackBarTrack(TuiCanvas* ACanvas, const TRect& R, int, int, int, bool,
                                                    TColor AColor) {
    ACanvas->FillRect(R, AColor);
    DrawTrackBarTrackFrame(ACanvas, R);
}

void TuiCustomLookAndFeelPainter::DrawTrackBarTrackFrame(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawTrackBarThumb(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState,
                                                    bool AHorizontal, int AKind, TColor AColor) {
    ACanvas->SetBrushColor(AColor);
    ACanvas->Pen()->SetColor(AColor);
    if (AKind == 2) {
        ACanvas->FillRect(R);
        DrawTrackBarThumbFrame(ACanvas, R);
        return;
    }
    // A pentagon: the thumb with one end cut to a point half its width deep (kind 1 down or right,
    // kind 0 up or left). Points run clockwise from the top-left.
    const int L = R.left, T = R.top, Rr = R.right - 1, B = R.bottom - 1;
    std::vector<TPoint> shape;
    TuiPolyline light, dark, shadow;
    if (AHorizontal) {
        const int depth = (Rr - L + 1) / 2, mid = (L + Rr) / 2;
        if (AKind == 1) {
            shape = {{L, T}, {Rr, T}, {Rr, B - depth}, {mid, B}, {L, B - depth}};
            light = {{L, B - depth}, {L, T}, {Rr, T}};
            dark = {{Rr, T + 1}, {Rr, B - depth}, {mid, B}};
            shadow = {{mid, B}, {L, B - depth}};
        } else {
            shape = {{mid, T}, {Rr, T + depth}, {Rr, B}, {L, B}, {L, T + depth}};
            light = {{L, B}, {L, T + depth}, {mid, T}};
            dark = {{mid, T}, {Rr, T + depth}, {Rr, B}};
            shadow = {{Rr, B}, {L, B}};
        }
    } else {
        const int depth = (B - T + 1) / 2, mid = (T + B) / 2;
        if (AKind == 1) {
            shape = {{L, T}, {Rr - depth, T}, {Rr, mid}, {Rr - depth, B}, {L, B}};
            light = {{L, B}, {L, T}, {Rr - depth, T}};
            dark = {{Rr - depth, T}, {Rr, mid}};
            shadow = {{Rr, mid}, {Rr - depth, B}, {L, B}};
        } else {
            shape = {{L + depth, T}, {Rr, T}, {Rr, B}, {L + depth, B}, {L, mid}};
            light = {{L, mid}, {L + depth, T}, {Rr, T}};
            dark = {{Rr, T}, {Rr, B}};
            shadow = {{Rr, B}, {L + depth, B}, {L, mid}};
        }
    }
    ACanvas->Polygon(shape);
    DrawTrackBarThumbEdges(ACanvas, light, dark, shadow);
}

void TuiCustomLookAndFeelPainter::DrawTrackBarThumbEdges(TuiCanvas*, const TuiPolyline&, const TuiPolyline&,
                                                         const TuiPolyline&) {}
void TuiCustomLookAndFeelPainter::DrawTrackBarThumbFrame(TuiCanvas*, const TRect&) {}
TSize TuiCustomLookAndFeelPainter::TrackBarThumbSize() {
    return TSize{0, 0};
}
TColor TuiCustomLookAndFeelPainter::TrackBarThumbColor() {
    return clDefault;
}
int TuiCustomLookAndFeelPainter::TrackBarFlag1() {
    return 0;
}
TColor TuiCustomLookAndFeelPainter::SplitterInnerColor() {
    return clWhite;
}

// ---- Splitters and previews

TColor TuiCustomLookAndFeelPainter::SplitterOuterColor(bool) {
    return clBtnShadow;
}

void TuiCustomLookAndFeelPainter::DrawSplitterBar(TuiCanvas* ACanvas, const TRect& R, bool AHighlighted, int,
                                                  bool AHorizontal) {
    const TSize grip = SplitterGripSize(AHorizontal);
    const int thickness = AHorizontal ? grip.cy : grip.cx;
    // The centre line along the splitter in five segments with four one-pixel gaps around its middle.
    auto line = [&](int AOffset, TColor AColor) {
        const int start = AHorizontal ? R.left : R.top;
        const int end = AHorizontal ? R.right : R.bottom;
        const int across = (AHorizontal ? (R.top + R.bottom) / 2 : (R.left + R.right) / 2) + AOffset;
        const int centre = (start + end) / 2;
        auto segment = [&](int A, int B) {
            if (B <= A) return;
            ACanvas->FillRect(AHorizontal ? TRect{A + AOffset, across, B + AOffset, across + 1}
                                          : TRect{across, A + AOffset, across + 1, B + AOffset},
                              AColor);
        };
        int position = centre - 5;
        segment(start, position);
        for (int i = 0; i < 3; ++i) {
            segment(position + 1, position + 3);
            position += 3;
        }
        segment(position + 1, end);
    };
    line(0, SplitterOuterColor(AHighlighted));
    if (thickness > 1) line(1, SplitterInnerColor());
}

TSize TuiCustomLookAndFeelPainter::SplitterGripSize(bool AHorizontal) {
    return AHorizontal ? TSize{17, 2} : TSize{2, 17};
}
void TuiCustomLookAndFeelPainter::FillWithFaceColor(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, DefaultFaceColor19());
}
void TuiCustomLookAndFeelPainter::FillWithColor(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    ACanvas->FillRect(R, AColor);
}
TRect TuiCustomLookAndFeelPainter::ContentMargins() {
    return TRect{2, 2, 4, 4};
}
void TuiCustomLookAndFeelPainter::DrawPreviewBackground(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, clBtnShadow);
}

void TuiCustomLookAndFeelPainter::DrawPreviewPage(TuiCanvas* ACanvas, const TRect& R, const TRect& APageRect,
                                                  int AFrameKind, bool AWithBackground) {
    ACanvas->SaveClipRegion();
    if (AWithBackground) ACanvas->FillRect(APageRect, clWindow);
    TRect frame{R.left, R.top, R.right - 2, R.bottom - 2};
    if (AFrameKind == 0) frame = uiGrowRect(frame, -1, -1);
    ACanvas->ExcludeClipRect(APageRect);
    static const TColor Colours[] = {clWindowText, clHighlight, static_cast<TColor>(0x80)};
    ACanvas->FillRect(frame, Colours[std::clamp(AFrameKind, 0, 2)]);
    const TRect shadow = uiShiftRect(frame, 2, 2);
    ACanvas->ExcludeClipRect(frame);
    ACanvas->FillRect(shadow, clWindowText);
    ACanvas->RestoreClipRegion();
}

TColor TuiCustomLookAndFeelPainter::MarkerColorByIndex(int AIndex) {
    return static_cast<TColor>(AIndex <= 2 ? 0x80 : 0xFF);
}

void TuiCustomLookAndFeelPainter::DrawCaptionBox(TuiCanvas* ACanvas, const TRect& R, const std::string& AText,
                                                 TFont* AFont, TColor AColor) {
    ACanvas->FrameRect(R, DefaultShadowColor2(), 1, uiBordersAll, true);
    ACanvas->FillRect(R, AColor == clNone ? DefaultFaceColor4() : AColor);
    if (AFont != nullptr) ACanvas->SetFont(AFont);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->DrawText(AText, R, uiTextCentre | uiTextVCentre | uiTextSingleLine);
    ACanvas->Brush()->SetStyle(bsSolid);
}

// ---- Breadcrumb edit

TRect TuiCustomLookAndFeelPainter::BreadcrumbEditBorderWidths() {
    return TRect{1, 1, 1, 1};
}
int TuiCustomLookAndFeelPainter::BreadcrumbEditSeparatorWidth() {
    return 2;
}
TRect TuiCustomLookAndFeelPainter::BreadcrumbEditButtonContentMargins(bool, bool) {
    return uiGetRectCurrentDPI(TRect{3, 3, 3, 3});
}
int TuiCustomLookAndFeelPainter::BreadcrumbEditDropDownButtonBaseWidth() {
    return GetSystemMetrics(SM_CXVSCROLL);
}
int TuiCustomLookAndFeelPainter::BreadcrumbEditDropDownButtonWidth() {
    int width = BreadcrumbEditDropDownButtonBaseWidth();
    ovAdjustToTouchableSize(width);
    return width;
}
bool TuiCustomLookAndFeelPainter::BreadcrumbEditFlag1() {
    return false;
}
int TuiCustomLookAndFeelPainter::BreadcrumbEditNodeDelimiterSize() {
    return uiScaleToCurrentDPI(16);
}
TColor TuiCustomLookAndFeelPainter::BreadcrumbEditArrowColor(TuiPainterButtonState AState) {
    return AState == cxbsDisabled ? clBtnShadow : clBtnText;
}
TRect TuiCustomLookAndFeelPainter::BreadcrumbEditNodeTextOffsets() {
    return uiGetRectCurrentDPI(TRect{4, 4, 4, 4});
}
TSize TuiCustomLookAndFeelPainter::BreadcrumbEditProgressChunkSize() {
    return TSize{0, 0};
}
TRect TuiCustomLookAndFeelPainter::BreadcrumbEditProgressChunkOffsets() {
    return TRect{1, 1, 1, 1};
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R,
                                                           TuiBorders ABorders, int) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, ABorders);
}
void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas*, const TRect&, int) {}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R,
                                                           TuiPainterButtonState AState, bool, bool) {
    if (AState == cxbsDefault || AState == cxbsDisabled) return;
    DrawButton(ACanvas, R, {}, AState);
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R,
                                                                   TuiPainterButtonState AState,
                                                                   bool APressed) {
    if (APressed)
        DrawButton(ACanvas, R, {}, AState);
    else
        DrawBreadcrumbEditButton(ACanvas, R, AState, true, true);
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditDropDownArrow(TuiCanvas* ACanvas, const TRect& R,
                                                                  TuiPainterButtonState AState, int) {
    DrawButtonDropArrow(ACanvas, uiGrowRect(R, -2, -2), ButtonSignColor(AState));
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditNode(TuiCanvas* ACanvas, const TRect& R,
                                                         TuiPainterButtonState AState, bool AFlag) {
    DrawBreadcrumbEditButton(ACanvas, R, AState, AFlag, false);
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditScrollButton(TuiCanvas* ACanvas, const TRect& R,
                                                                 TuiPainterButtonState AState) {
    DrawBreadcrumbEditNode(ACanvas, R, AState, false);
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditNodeDelimiterGlyph(TuiCanvas* ACanvas, const TRect& R,
                                                                       TuiPainterButtonState AState) {
    DrawArrowShape(ACanvas, R, adDown, BreadcrumbEditArrowColor(AState));
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditScrollArrow(TuiCanvas* ACanvas, const TRect& R,
                                                                TuiPainterButtonState AState) {
    DrawArrowShape(ACanvas, R, adDown, BreadcrumbEditArrowColor(AState));
}

void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditProgressChunk(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, static_cast<TColor>(0xAAA8A4));
}
void TuiCustomLookAndFeelPainter::DrawBreadcrumbEditProgressFrame(TuiCanvas*, const TRect&) {}

// ---- Drop-down lists

void TuiCustomLookAndFeelPainter::DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R,
                                                             bool ABordered) {
    TRect r = R;
    if (ABordered) {
        ACanvas->DrawComplexFrame(r, cl3DLight, cl3DDkShadow);
        r = uiGrowRect(r, -1, -1);
        ACanvas->DrawComplexFrame(r, clBtnHighlight, clBtnShadow);
        r = uiGrowRect(r, -1, -1);
    }
    ACanvas->FillRect(r, clMenu);
}

void TuiCustomLookAndFeelPainter::DrawDropDownListGutter(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int) {
    ACanvas->FillRect(R, clMenuHighlight);
}

void TuiCustomLookAndFeelPainter::DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                            const TRect&) {
    const TRect band = uiCentreRectVert(R, 2);
    ACanvas->DrawComplexFrame(band, clBtnShadow, clBtnHighlight, TuiBorders{bTop, bBottom});
}

int TuiCustomLookAndFeelPainter::DropDownListBorderWidth() {
    return 3;
}
TRect TuiCustomLookAndFeelPainter::DropDownListItemImageMargins() {
    return uiGetRectCurrentDPI(TRect{5, 3, 5, 3});
}
TColor TuiCustomLookAndFeelPainter::DropDownListItemTextColor(bool ASelected) {
    return ASelected ? clHighlightText : clMenuText;
}
TRect TuiCustomLookAndFeelPainter::DropDownListItemTextMargins() {
    return uiGetRectCurrentDPI(TRect{5, 2, 5, 2});
}
int TuiCustomLookAndFeelPainter::DropDownListSeparatorHeight() {
    return uiScaleToCurrentDPI(8);
}

// ---- Small buttons

TRect TuiCustomLookAndFeelPainter::SmallButtonGlyphMargins() {
    return TRect{3, 3, 3, 3};
}
void TuiCustomLookAndFeelPainter::SmallButtonGlyphSize(int AKind, TSize& ASize) {
    if (AKind != 5) ASize = TSize{10, 10};
}
TRect TuiCustomLookAndFeelPainter::SmallButtonMargins() {
    return TRect{4, 4, 4, 4};
}
int TuiCustomLookAndFeelPainter::SmallButtonCornerRadius() {
    return 0;
}
TColor TuiCustomLookAndFeelPainter::SmallButtonGlyphColor() {
    return SmallButtonTextColor();
}
TColor TuiCustomLookAndFeelPainter::SmallButtonTextColor() {
    return clBtnText;
}

void TuiCustomLookAndFeelPainter::DrawSmallButtonBackground(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, clBtnFace);
    const int radius = SmallButtonCornerRadius();
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Canvas()->RoundRect(R.left, R.top, R.right, R.bottom, radius, radius);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TuiCustomLookAndFeelPainter::DrawSmallButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, int AKind, bool APressed) {
    if (APressed) AState = cxbsPressed;
    DrawButton(ACanvas, R, {}, AState);
    const TRect glyph = uiShrinkRectByMargins(R, SmallButtonGlyphMargins());
    const TColor colour = ButtonSignColor(AState, clDefault);
    switch (AKind) {
    case 0:
        DrawCloseCross(ACanvas, glyph, colour, AState);
        break;
    case 1:
        DrawPinGlyph(ACanvas, glyph, colour, APressed);
        break;
    case 2:
        DrawArrowShape(ACanvas, glyph, adDown, colour);
        break;
    case 3:
        DrawArrowShape(ACanvas, glyph, adLeft, colour);
        break;
    case 4:
        DrawArrowShape(ACanvas, glyph, adRight, colour);
        break;
    default:
        break;
    }
}

void TuiCustomLookAndFeelPainter::DrawPinGlyph(TuiCanvas* ACanvas, const TRect& R, TColor AColor,
                                               bool AUpright) {
    // Work upright in a rectangle whose width runs across the pin and whose height along it.
    const int width = AUpright ? R.right - R.left : R.bottom - R.top;
    const int length = AUpright ? R.bottom - R.top : R.right - R.left;
    auto odd = [](double AValue) { return 2 * static_cast<int>(AValue / 2) + 1; };
    const int headWidth = odd(width * 0.5), headLength = static_cast<int>(std::lround(length * 0.5));
    const int barWidth = odd(width * 0.9),
              barLength = std::max(1, static_cast<int>(std::lround(length * 0.1)));
    const int needleWidth = odd(width * 0.1), needleLength = length - headLength - barLength;
    // Part rectangles along the pin from its head: (offset along, length, width across).
    auto place = [&](int AAlong, int ALength, int AWidth) {
        const int across = (width - AWidth) / 2;
        if (AUpright)
            return TRect{R.left + across, R.top + AAlong, R.left + across + AWidth, R.top + AAlong + ALength};
        return TRect{R.right - AAlong - ALength, R.top + across, R.right - AAlong, R.top + across + AWidth};
    };
    const TRect head = place(0, headLength, headWidth);
    ACanvas->FrameRect(head, AColor);
    const TRect nearHalf = place(headLength / 2, headLength - headLength / 2, headWidth);
    ACanvas->FillRect(nearHalf, AColor);
    ACanvas->FillRect(place(headLength, barLength, barWidth), AColor);
    ACanvas->FillRect(place(headLength + barLength, needleLength, needleWidth), AColor);
}

void TuiCustomLookAndFeelPainter::DrawSmallButtonFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clBtnShadow);
}

// ---- Items

TRect TuiCustomLookAndFeelPainter::ItemMargins() {
    return TRect{7, 2, 7, 2};
}
TColor TuiCustomLookAndFeelPainter::ItemBackgroundColor() {
    return clDefault;
}
TColor TuiCustomLookAndFeelPainter::ItemTextColor() {
    return clWindowText;
}
TColor TuiCustomLookAndFeelPainter::ItemDisabledTextColor() {
    return clGrayText;
}
TColor TuiCustomLookAndFeelPainter::ItemFrameColor() {
    return clBtnShadow;
}
void TuiCustomLookAndFeelPainter::DrawItemBackground(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FillRect(R, static_cast<TColor>(0xFFFFFF));
}
void TuiCustomLookAndFeelPainter::DrawItemCaption(TuiCanvas* ACanvas, const TRect& R) {
    DrawHeader(ACanvas, R, R, TuiNeighbors{}, uiBordersAll, cxbsNormal, taLeftJustify, taVerticalCenter,
               false, false, {}, nullptr, clNone, DefaultFaceColor6());
}
int TuiCustomLookAndFeelPainter::ItemFlag1() {
    return 0;
}

void TuiCustomLookAndFeelPainter::DrawItemHighlightFrame(TuiCanvas* ACanvas, const TRect& R, bool AF1,
                                                         bool AF2, bool AF3, bool AF4) {
    const int alpha = AF1 ? (AF3 ? 128 : AF2 ? 96 : 16) : (AF3 ? 64 : AF2 ? 32 : 0);
    if (alpha != 0)
        ovGpFillRect(ACanvas->Handle(), R, static_cast<TColor>(0x582801), static_cast<std::uint8_t>(alpha));
    const TColor base = static_cast<TColor>(0xCEA27D);
    TColor frame = clNone;
    if (AF4)
        frame = base;
    else if (AF1)
        frame = uiAdjustColorBrightness(base, AF3 ? -20 : AF2 ? 10 : 80);
    else if (AF3)
        frame = uiAdjustColorBrightness(base, 20);
    else if (AF2)
        frame = static_cast<TColor>(0xFBD6B8);
    ACanvas->FrameRect(R, frame, 2);
}

void TuiCustomLookAndFeelPainter::DrawItemFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, ItemFrameColor());
}
TColor TuiCustomLookAndFeelPainter::ItemLightColor() {
    return static_cast<TColor>(0xE2E4E6);
}

void TuiCustomLookAndFeelPainter::DrawItemStateFrame(TuiCanvas* ACanvas, const TRect& R, bool, bool AG2,
                                                     bool AG3, bool AG4, bool AG5) {
    if (!AG2 && !AG3 && !AG4 && !AG5) return;
    TColor outer = static_cast<TColor>(0x3694F2);
    if (AG2)
        outer = static_cast<TColor>(0x1048EF);
    else if (AG4)
        outer = static_cast<TColor>(0x22EF);
    ACanvas->FrameRect(R, outer);
    ACanvas->FrameRect(uiGrowRect(R, -1, -1), static_cast<TColor>(0x94E2FF));
}

// ---- Edges

TSize TuiCustomLookAndFeelPainter::EdgeSize(int) {
    return TSize{2, 2};
}
void TuiCustomLookAndFeelPainter::EdgeColors(TColor& AOuter, TColor& AInner) {
    AOuter = clBtnShadow;
    AInner = clBtnHighlight;
}

void TuiCustomLookAndFeelPainter::DrawEdgeBox(TuiCanvas* ACanvas, const TRect& R, TColor AOuter,
                                              TColor AInner, bool A3D) {
    if (AInner == clNone)
        ACanvas->FrameRect(R, AOuter);
    else if (A3D)
        ACanvas->DrawComplexFrame(R, AOuter, AInner);
    else {
        ACanvas->FrameRect(TRect{R.left + 1, R.top + 1, R.right, R.bottom}, AInner);
        ACanvas->FrameRect(TRect{R.left, R.top, R.right - 1, R.bottom - 1}, AOuter);
    }
}

void TuiCustomLookAndFeelPainter::DrawEdgeLine(TuiCanvas* ACanvas, const TRect& R, TColor AOuter,
                                               TColor AInner, bool AVertical) {
    if (AInner == clNone)
        ACanvas->FillRect(R, AOuter);
    else
        ACanvas->DrawComplexFrame(R, AOuter, AInner,
                                  AVertical ? TuiBorders{bLeft, bRight} : TuiBorders{bTop, bBottom});
}

void TuiCustomLookAndFeelPainter::DrawEdgeByKind(TuiCanvas* ACanvas, const TRect& R, int AKind,
                                                 int AVariant) {
    const TSize size = EdgeSize(AKind);
    TColor outer, inner;
    EdgeColors(outer, inner);
    if (AVariant == 1) std::swap(outer, inner);
    if (outer == clNone) std::swap(outer, inner);
    switch (AKind) {
    case 1:
    case 2:
        DrawEdgeBox(ACanvas, R, outer, inner, AKind == 1);
        break;
    case 3:
        DrawEdgeLine(ACanvas, uiResizeRectHeight(R, size.cy), outer, inner, false);
        break;
    case 4:
        DrawEdgeLine(ACanvas, uiPlaceRectBottomHeight(R, R.bottom, size.cy), outer, inner, false);
        break;
    case 5:
        DrawEdgeLine(ACanvas, uiResizeRectWidth(R, size.cx), outer, inner, true);
        break;
    case 6:
        DrawEdgeLine(ACanvas, uiPlaceRectRightWidth(R, R.right, size.cx), outer, inner, true);
        break;
    case 7:
        DrawEdgeLine(ACanvas, uiCentreRectHorz(R, size.cx), outer, inner, true);
        break;
    case 8:
        DrawEdgeLine(ACanvas, uiCentreRectVert(R, size.cy), outer, inner, false);
        break;
    default:
        break;
    }
}
