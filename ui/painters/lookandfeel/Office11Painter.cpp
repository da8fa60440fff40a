#include "ui/painters/lookandfeel/Office11Painter.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/WindowPainting.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

// The palette's colours are computed and its brushes built only while it is referenced; without them the
// size grip's dots come out empty. Holding a reference for the painter's life keeps this look drawable
// wherever it is used, with or without a bar manager.
TuiOffice11LookAndFeelPainter::TuiOffice11LookAndFeelPainter() {
    ReferenceOffice11Colors();
}

TuiOffice11LookAndFeelPainter::~TuiOffice11LookAndFeelPainter() {
    ReleaseOffice11Palette();
}

TuiCustomLookAndFeelPainter* TuiOffice11LookAndFeelPainter::NativePainter() {
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    return manager != nullptr ? manager->GetPainterByStyle(lfsNative) : nullptr;
}

// ---- Added operations

TColor TuiOffice11LookAndFeelPainter::HeaderGradientColor() {
    return Office11ToolbarColor2;
}
TColor TuiOffice11LookAndFeelPainter::DarkLineColor() {
    return Office11SeparatorColor1;
}
TColor TuiOffice11LookAndFeelPainter::LightLineColor() {
    return Office11SeparatorColor2;
}
TColor TuiOffice11LookAndFeelPainter::HeaderFaceColor() {
    return BlendRGB(Office11ToolbarColor1, Office11ToolbarColor2, 50);
}

// ---- Identity and content

TColor TuiOffice11LookAndFeelPainter::DefaultAccentTextColor() {
    return clHighlightText;
}

void TuiOffice11LookAndFeelPainter::DrawContentArea(
    TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, int AState, TAlignment AHorz,
    TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis, const std::string& AText, TFont* AFont,
    TColor ATextColor, TColor, const TuiPainterBackgroundEvent& AOnDrawBackground, bool AIsFooter) {
    const bool hot = AState == cxbsHot;
    HDC dc = ACanvas->Handle();
    if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, ABounds)) {
        const TColor face = hot ? Office11ToolbarColor1 : HeaderFaceColor();
        const TColor gradient = hot ? Office11ToolbarColor1 : HeaderGradientColor();
        if (AIsFooter)
            FillRectWithColor(dc, ABounds, face);
        else {
            FillRectWithColor(dc, TRect{ABounds.left, ABounds.top, ABounds.right, ABounds.bottom - 3}, face);
            FillGradientBand(dc, TRect{ABounds.left, ABounds.bottom - 4, ABounds.right, ABounds.bottom}, face,
                             gradient, false);
        }
    }
    if (!AText.empty()) {
        ACanvas->Brush()->SetStyle(bsClear);
        if (AFont != nullptr) ACanvas->SetFont(AFont);
        ACanvas->Font()->SetColor(ATextColor);
        ACanvas->DrawText(AText, ATextArea, uiPainterTextFlags(AHorz, AVert, AMultiLine, AEndEllipsis), true);
        ACanvas->Brush()->SetStyle(bsSolid);
    }
    // The hot band reaches one pixel further left, over the neighbour's separator.
    if (hot)
        FillGradientBand(dc, TRect{ABounds.left - 1, ABounds.bottom - 2, ABounds.right, ABounds.bottom + 1},
                         Office11HotColor1, Office11HotColor2, false);
}

void TuiOffice11LookAndFeelPainter::DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R,
                                                                  const TRect& AArrowRect, bool AIsNext,
                                                                  TuiPainterButtonState AState) {
    TColor fill = Office11DockColor1;
    if (AState == cxbsHot) fill = Office11HotColor1;
    if (AState == cxbsPressed) fill = Office11PressedColor1;
    ACanvas->FillRect(R, fill);
    const TuiBorders sides = AIsNext ? TuiBorders{bLeft, bTop, bBottom} : TuiBorders{bTop, bRight, bBottom};
    ACanvas->FrameRect(R, Office11SplitterBorderColor, 1, sides);
    DrawSchedulerNavButtonArrow(ACanvas, AArrowRect, AIsNext, ButtonSignColor(AState, clDefault));
}

std::string TuiOffice11LookAndFeelPainter::PainterStyleName() {
    return "Office11";
}
TuiLookAndFeelStyle TuiOffice11LookAndFeelPainter::LookAndFeelStyle() {
    return lfsOffice11;
}
bool TuiOffice11LookAndFeelPainter::RedrawsOnResize() {
    return true;
}

// ---- Default colours

TColor TuiOffice11LookAndFeelPainter::DefaultShadowColor1() {
    return Office11FloatingBorderColor1;
}
TColor TuiOffice11LookAndFeelPainter::DefaultLightColor1() {
    return Office11FloatingCaptionTextColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor1() {
    return Office11DockColor1;
}
TColor TuiOffice11LookAndFeelPainter::DefaultButtonTextColor2() {
    return DefaultButtonTextColor4();
}
TColor TuiOffice11LookAndFeelPainter::DefaultShadowColor3() {
    return Office11ShadowColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor3() {
    return Office11ToolbarColor1;
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor4() {
    return Office11ItemFaceColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultShadowColor4() {
    return DefaultShadowColor3();
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor6() {
    return HeaderFaceColor();
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor10() {
    return Office11DockColor1;
}
TColor TuiOffice11LookAndFeelPainter::DefaultHighlightColor1() {
    return Office11HighlightColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultHighlightTextColor1() {
    return clWindowText;
}
TColor TuiOffice11LookAndFeelPainter::DefaultSplitterBorderColor() {
    return Office11SplitterBorderColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor11() {
    return Office11PanelFaceColor;
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor15() {
    return Office11DockColor2;
}
TColor TuiOffice11LookAndFeelPainter::DefaultWindowColor3() {
    return DefaultFaceColor15();
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor17() {
    return Office11DockColor1;
}
TColor TuiOffice11LookAndFeelPainter::DefaultWhiteColor2() {
    return DefaultFaceColor11();
}
TColor TuiOffice11LookAndFeelPainter::DefaultFaceColor21() {
    return HeaderFaceColor();
}

// ---- Borders and separators

int TuiOffice11LookAndFeelPainter::SeparatorThickness() {
    return 2;
}

void TuiOffice11LookAndFeelPainter::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, Office11ControlBorderColor);
}

void TuiOffice11LookAndFeelPainter::DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool) {
    const TRect dark{R.left, R.top, R.right - 1, R.bottom - 1};
    ACanvas->FillRect(dark, Office11SeparatorColor1);
    ACanvas->FillRect(uiShiftRect(dark, 1, 1), Office11SeparatorColor2);
}

// ---- Buttons

TColor TuiOffice11LookAndFeelPainter::ButtonFaceColor(TuiPainterButtonState AState) {
    switch (AState) {
    case cxbsHot:
        return Office11HotColor1;
    case cxbsPressed:
        return Office11PressedColor1;
    case cxbsDisabled:
        return clBtnFace;
    default:
        return Office11DockColor1;
    }
}

TColor TuiOffice11LookAndFeelPainter::ButtonSignColor(TuiPainterButtonState AState, TColor) {
    // Without a scheme the pressed face is the system highlight, so the sign takes its text colour.
    if (AState == cxbsPressed && !Office11SchemeColorsActive()) return clHighlightText;
    if (AState == cxbsDisabled) return Office11DisabledTextColor;
    return Office11TextColor;
}

void TuiOffice11LookAndFeelPainter::DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                    TuiPainterButtonState AState) {
    switch (AState) {
    case cxbsDefault:
        TuiUltraFlatLookAndFeelPainter::DrawButtonFrame(ACanvas, R, AState);
        break;
    case cxbsNormal:
        ACanvas->FrameRect(R, clBtnText);
        break;
    case cxbsDisabled:
        ACanvas->FrameRect(R, Office11DisabledTextColor);
        break;
    default:
        ACanvas->FrameRect(R, Office11SelectedBorderColor);
        break;
    }
}

void TuiOffice11LookAndFeelPainter::DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                  TColor) {
    TBitmap* source = AExpanded ? Office11ExpandButtonMinusBitmap : Office11ExpandButtonPlusBitmap;
    if (source == nullptr || source->Width() < 11 || source->Height() < 11) return;
    // The shared bitmap stays as it is: the corners are blended into this background on a copy.
    TBitmap box;
    box.Assign(source);
    TCanvas* target = ACanvas->Canvas();
    const TColor topLeft = target->Pixels(R.left, R.top);
    const TColor bottomRight = target->Pixels(R.right - 1, R.bottom - 1);
    TCanvas* pixels = box.Canvas();
    pixels->SetPixels(0, 0, BlendRGB(Office11ExpandButtonColor1, topLeft, 25));
    const TColor corner = BlendRGB(Office11ExpandButtonColor2, bottomRight, 25);
    pixels->SetPixels(10, 10, corner);
    pixels->SetPixels(0, 10, corner);
    pixels->SetPixels(10, 0, corner);
    ACanvas->Draw(R.left, R.top, &box);
}

bool TuiOffice11LookAndFeelPainter::IsExpandButtonDrawnFirst() {
    return false;
}

void TuiOffice11LookAndFeelPainter::DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TColor, TColor AFillColor) {
    DrawExpandBox(ACanvas, R, AExpanded, AFillColor);
}

int TuiOffice11LookAndFeelPainter::ExpandBoxSize() {
    return 11;
}
int TuiOffice11LookAndFeelPainter::SmallExpandBoxSize() {
    return ExpandBoxSize();
}

// ---- Headers

void TuiOffice11LookAndFeelPainter::DrawHeader(TuiCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextArea, TuiNeighbors ANeighbors,
                                               TuiBorders ABorders, TuiPainterButtonState AState,
                                               TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                               bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                               TColor ATextColor, TColor ABkColor,
                                               const TuiPainterBackgroundEvent&, bool AIsLast, bool) {
    TuiCustomLookAndFeelPainter::DrawHeader(ACanvas, ABounds, ATextArea, ANeighbors, ABorders, AState, AHorz,
                                            AVert, AMultiLine, AEndEllipsis, AText, AFont, ATextColor,
                                            ABkColor, {}, AIsLast, false);
}

void TuiOffice11LookAndFeelPainter::DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R,
                                                    TuiNeighbors ANeighbors, TuiBorders ABorders) {
    const TColor face = HeaderFaceColor(), gradient = HeaderGradientColor();
    auto pixel = [&](int X, int Y, TColor AColor) { ACanvas->FillRect(TRect{X, Y, X + 1, Y + 1}, AColor); };
    // Rows from AFirst up to (not including) ALast of column X.
    auto column = [&](int X, int AFirst, int ALast, TColor AColor) {
        ACanvas->FillRect(TRect{X, AFirst, X + 1, ALast}, AColor);
    };
    if (ABorders.Contains(bTop)) ACanvas->FillRect(TRect{R.left, R.top, R.right, R.top + 1}, face);
    if (ABorders.Contains(bBottom))
        ACanvas->FillRect(TRect{R.left, R.bottom - 1, R.right, R.bottom}, DarkLineColor());
    // Each side's line first, then the pixels that soften its ends.
    if (ABorders.Contains(bLeft)) {
        const int x = R.left;
        if (ANeighbors.Contains(nLeft)) {
            column(x, R.top + 2, R.bottom - 3, LightLineColor());
            pixel(x, R.top + 1, face);
            pixel(x, R.top + 2, face);
            pixel(x, R.bottom - 3, BlendRGB(face, gradient, 25));
            pixel(x, R.bottom - 2, gradient);
        } else {
            column(x, R.top + 1, R.bottom - 2, LightLineColor());
            pixel(x, R.top + 1, face);
            pixel(x, R.bottom - 2, gradient);
        }
    }
    if (ABorders.Contains(bRight)) {
        const int x = R.right - 1;
        if (ANeighbors.Contains(nRight)) {
            column(x, R.top + 2, R.bottom - 3, DarkLineColor());
            pixel(x, R.top + 1, face);
            pixel(x, R.top + 2, face);
            pixel(x, R.bottom - 3, BlendRGB(face, gradient, 25));
            pixel(x, R.bottom - 2, gradient);
        } else {
            column(x, R.top + 1, R.bottom - 2, DarkLineColor());
            pixel(x, R.top, BlendRGB(face, DarkLineColor(), 50));
            pixel(x, R.bottom - 2, BlendRGB(gradient, DarkLineColor(), 50));
        }
    }
}

void TuiOffice11LookAndFeelPainter::DrawHeaderControlSection(
    TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, int, TuiBorders ABorders,
    TuiPainterButtonState AState, TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
    bool AEndEllipsis, const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
    DrawHeader(ACanvas, ABounds, ATextAreaBounds, TuiNeighbors{nRight}, ABorders, AState, AHorz, AVert,
               AMultiLine, AEndEllipsis, AText, AFont, ATextColor, ABkColor, {}, false, false);
    if (AState == cxbsPressed) InvertHeaderArea(ACanvas, ABounds);
}

void TuiOffice11LookAndFeelPainter::DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) {
    DrawSortingTriangle(ACanvas, R, DarkLineColor(), LightLineColor(), AAscending);
}
void TuiOffice11LookAndFeelPainter::DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R,
                                                          bool AAscending) {
    DrawBarredSortingTriangle(ACanvas, R, DarkLineColor(), LightLineColor(), AAscending);
}
TuiBorders TuiOffice11LookAndFeelPainter::HeaderBorderSides(TuiNeighbors) {
    return uiBordersAll;
}
int TuiOffice11LookAndFeelPainter::HeaderBorderWidth() {
    return 1;
}
bool TuiOffice11LookAndFeelPainter::HeaderFlag2() {
    return true;
}
int TuiOffice11LookAndFeelPainter::AreaFlag1() {
    return 0;
}

void TuiOffice11LookAndFeelPainter::DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int, bool AFlag,
                                                          TuiPainterButtonState AState) {
    DrawTabItemFrame(ACanvas, R, AState, uiBordersAll);
    // With the flag the header's bottom gradient is drawn; without it the plain footer face.
    DrawContentArea(ACanvas, R, TRect{}, AState, taLeftJustify, taVerticalCenter, false, false, {}, nullptr,
                    clDefault, clDefault, {}, !AFlag);
}

TColor TuiOffice11LookAndFeelPainter::FooterSeparatorColor() {
    return DarkLineColor();
}

// ---- Scroll bars, grips, navigators

int TuiOffice11LookAndFeelPainter::ScrollBarMinimalThumbSize(bool AVertical) {
    if (TuiCustomLookAndFeelPainter* native = NativePainter())
        return native->ScrollBarMinimalThumbSize(AVertical);
    return TuiUltraFlatLookAndFeelPainter::ScrollBarMinimalThumbSize(AVertical);
}

void TuiOffice11LookAndFeelPainter::DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                         TuiScrollBarPart APart,
                                                         TuiPainterButtonState AState) {
    if (TuiCustomLookAndFeelPainter* native = NativePainter())
        native->DrawScrollBarElement(ACanvas, AHorizontal, R, APart, AState);
    else
        TuiUltraFlatLookAndFeelPainter::DrawScrollBarElement(ACanvas, AHorizontal, R, APart, AState);
}

void TuiOffice11LookAndFeelPainter::DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R) {
    Office11PaintSizeGrip(ACanvas->Handle(), R, clDefault, clDefault);
}

void TuiOffice11LookAndFeelPainter::DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R,
                                                        const std::string& AText, TuiNeighbors,
                                                        const TuiViewParams& AParams, int AArrowFlags,
                                                        int ASideWidth,
                                                        const TuiPainterBackgroundEvent& AOnDrawBackground) {
    const TRect inner = uiGrowRect(R, -1, -1);
    if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, inner)) ACanvas->FillRectWithParams(inner, AParams);
    if (!AText.empty()) {
        ACanvas->Brush()->SetStyle(bsClear);
        if (AParams.Font != nullptr) ACanvas->SetFont(AParams.Font);
        ACanvas->Font()->SetColor(AParams.TextColor);
        ACanvas->DrawText(AText, inner, 100, true);
        ACanvas->Brush()->SetStyle(bsSolid);
    }
    DrawHeaderSideArrows(ACanvas, R, AArrowFlags, ASideWidth, clWindowText);
}

void TuiOffice11LookAndFeelPainter::DrawContentBorder(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, DefaultSplitterBorderColor());
}

void TuiOffice11LookAndFeelPainter::DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R,
                                                        TuiPainterButtonState AState) {
    if (TuiCustomLookAndFeelPainter* native = NativePainter())
        native->DrawNavigatorButton(ACanvas, R, AState);
    else
        TuiUltraFlatLookAndFeelPainter::DrawNavigatorButton(ACanvas, R, AState);
}

void TuiOffice11LookAndFeelPainter::DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) {
    ACanvas->FillRect(R, DefaultFaceColor10());
}

int TuiOffice11LookAndFeelPainter::GlyphButtonBorderSize() {
    return 1;
}

// ---- Group boxes, check boxes, radio buttons, areas

void TuiOffice11LookAndFeelPainter::DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                       int AIgnored, TuiBorders ABorders) {
    TuiCustomLookAndFeelPainter* native = NativePainter();
    if (native != nullptr && AreVisualStylesAvailable({totButton}))
        native->DrawGroupBoxBorder(ACanvas, R, AEnabled, AIgnored, ABorders);
    else
        TuiUltraFlatLookAndFeelPainter::DrawGroupBoxBorder(ACanvas, R, AEnabled, AIgnored, ABorders);
}

TColor TuiOffice11LookAndFeelPainter::GroupBoxTextColorByState(bool AEnabled, int AIgnored) {
    TuiCustomLookAndFeelPainter* native = NativePainter();
    if (native != nullptr && AreVisualStylesAvailable({totButton}))
        return native->GroupBoxTextColorByState(AEnabled, AIgnored);
    return TuiCustomLookAndFeelPainter::GroupBoxTextColorByState(AEnabled, AIgnored);
}

TColor TuiOffice11LookAndFeelPainter::CheckBoxFaceColor(TuiPainterButtonState AState,
                                                        TuiPainterCheckState ACheckState) {
    if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled) return ButtonFaceColor(AState);
    return TuiCustomLookAndFeelPainter::CheckBoxFaceColor(AState, ACheckState);
}

TColor TuiOffice11LookAndFeelPainter::RadioButtonFillColor(TuiPainterButtonState AState) {
    return AState == cxbsNormal ? clWindow : ButtonFaceColor(AState);
}

void TuiOffice11LookAndFeelPainter::DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl* AControl,
                                                   TColor AColor1, TColor AColor2) {
    if (AColor1 == clDefault)
        uiDrawTransparentControlBackground(AControl, ACanvas, R, true);
    else if (AColor2 == clDefault)
        ACanvas->FillRect(R, AColor1);
    else
        FillGradientBand(ACanvas->Handle(), R, AColor1, AColor2, false);
}

// ---- Track bars and splitters

void TuiOffice11LookAndFeelPainter::DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clBtnText);
}

void TuiOffice11LookAndFeelPainter::DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight,
                                                           const TuiPolyline&, const TuiPolyline& AShadow) {
    ACanvas->Pen()->SetColor(clBtnText);
    ACanvas->Polyline(ALight);
    ACanvas->Polyline(AShadow);
}

void TuiOffice11LookAndFeelPainter::DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, clBtnText);
}

TColor TuiOffice11LookAndFeelPainter::SplitterInnerColor() {
    return Office11SeparatorColor2;
}

TColor TuiOffice11LookAndFeelPainter::SplitterOuterColor(bool AHighlighted) {
    return AHighlighted ? Office11SelectedBorderColor : Office11SeparatorColor1;
}

void TuiOffice11LookAndFeelPainter::FillWithFaceColor(TuiCanvas* ACanvas, const TRect& R) {
    FillGradientBand(ACanvas->Handle(), R, Office11ToolbarColor1, Office11ToolbarColor2, false);
}

// ---- Breadcrumb edit

void TuiOffice11LookAndFeelPainter::DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R,
                                                             TuiBorders ABorders, int) {
    ACanvas->FrameRect(R, Office11ControlBorderColor, 1, ABorders);
}

void TuiOffice11LookAndFeelPainter::DrawBreadcrumbEditButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                                                  TuiPainterButtonState AState,
                                                                  TuiBorders ABorders) {
    if (uiIsRectEmpty(R)) return;
    TColor top = HeaderFaceColor(), bottom = HeaderFaceColor();
    if (AState == cxbsNormal || AState == cxbsHot) {
        top = Office11HotColor1;
        bottom = AState == cxbsNormal ? Office11HotColor1 : Office11HotColor2;
    } else if (AState == cxbsPressed) {
        top = Office11CheckedHotColor;
        bottom = Office11HotColor1;
    }
    FillDoubleGradientRect(ACanvas->Handle(), R, top, bottom, false);
    ACanvas->FrameRect(R, Office11MenuBorderColor, 1, ABorders);
}

// ---- Drop-down lists

void TuiOffice11LookAndFeelPainter::DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R,
                                                               bool ABordered) {
    TRect r = R;
    if (ABordered) {
        ACanvas->FrameRect(r, Office11MenuBorderColor);
        r = uiGrowRect(r, -1, -1);
        ACanvas->FrameRect(r, Office11MenuInnerBorderColor);
        r = uiGrowRect(r, -1, -1);
    }
    ACanvas->FillRect(r, Office11MenuColor);
}

void TuiOffice11LookAndFeelPainter::DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) {
    FillDoubleGradientRect(ACanvas->Handle(), R, Office11MenuBandColor1, Office11MenuBandColor2, true);
}

void TuiOffice11LookAndFeelPainter::DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int) {
    ACanvas->FillRect(R, Office11HotColor1);
    Office11FrameSelection(ACanvas->Handle(), R);
}

void TuiOffice11LookAndFeelPainter::DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R,
                                                              const TRect& AGutterRect) {
    const int y = (R.top + R.bottom) / 2;
    ACanvas->FillRect(TRect{AGutterRect.right + 8, y, R.right, y + 1}, Office11SeparatorColor1);
}

// ---- Small buttons, edges, frames

void TuiOffice11LookAndFeelPainter::DrawSmallButtonBackground(TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->FrameRect(R, Office11ControlBorderColor);
    FillGradientBand(ACanvas->Handle(), uiGrowRect(R, -1, -1), Office11DockColor2, Office11DockColor1, false);
}

TSize TuiOffice11LookAndFeelPainter::EdgeSize(int) {
    return TSize{2, 2};
}

void TuiOffice11LookAndFeelPainter::EdgeColors(TColor& AOuter, TColor& AInner) {
    AOuter = Office11SeparatorColor1;
    AInner = Office11SeparatorColor2;
}

TColor TuiOffice11LookAndFeelPainter::FilterButtonFrameColor(TuiPainterButtonState AState) {
    return AState == cxbsNormal ? DarkLineColor() : Office11SelectedBorderColor;
}

TColor TuiOffice11LookAndFeelPainter::TabFrameColor() {
    return DarkLineColor();
}

TColor TuiOffice11LookAndFeelPainter::HighlightBorderColor() {
    return Office11SelectedBorderColor;
}
