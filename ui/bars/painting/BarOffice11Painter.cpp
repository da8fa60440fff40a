// The Office11 look's general operations: the palette reference it holds, its flags, text and caption
// colours, the palette's brushes, the selection frame and arrows, grip dots, the button gradient choice,
// and the painter class of the table.
#include "ui/bars/painting/BarOffice11Painter.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <memory>

TovBarOffice11Painter::TovBarOffice11Painter(TuiLookAndFeelPainterBase* ASkinPainter)
    : TovBarFlatPainter(ASkinPainter) {
    // The palette's colours and brushes must exist for as long as anything may ask this painter.
    ReferenceOffice11Colors();
}

TovBarOffice11Painter::~TovBarOffice11Painter() {
    ReleaseOffice11Palette();
}

// ---- Flags, text and caption colours

bool TovBarOffice11Painter::AllowTextSelection() {
    return !Office11SchemeColorsActive();
}

TuiCustomLookAndFeelPainter* TovBarOffice11Painter::GetLookAndFeelPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr
               ? dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsOffice11))
               : nullptr;
}

TColor TovBarOffice11Painter::GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) {
    if (!ASelected || AFlat) return Office11TextColor;
    return HighContrastIsWhite() ? clWhite : Office11SelectedTextColor;
}

void TovBarOffice11Painter::DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected,
                                                  TColor& ATextColor, TColor& AShadowColor, bool AFlat) {
    ATextColor = Office11DisabledTextColor;
    AShadowColor = Office11DisabledTextColor;
}

TColor TovBarOffice11Painter::BarCaptionColor(TovBarControl* ABarControl, bool AActive) {
    return Office11FloatingCaptionColor;
}

TColor TovBarOffice11Painter::BarCaptionTextColor(TovBarControl* ABarControl) {
    return Office11FloatingCaptionTextColor;
}

TColor TovBarOffice11Painter::BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState) {
    if (AMarkState == 1) return Office11FloatingButtonGlyphColors[0];
    if (AMarkState == 2) return Office11FloatingButtonGlyphColors[1];
    return Office11FloatingCaptionTextColor;
}

TColor TovBarOffice11Painter::GetBorderColor() {
    return Office11SeparatorColor1;
}

// ---- Brushes (all the palette's)

HBRUSH TovBarOffice11Painter::BarToolbarBrush(TCustomovBarControl* ABarControl) {
    return Office11MenuBrush;
}

HBRUSH TovBarOffice11Painter::BarToolbarBrushAlt(TCustomovBarControl* ABarControl) {
    return Office11MenuBrush;
}

HBRUSH TovBarOffice11Painter::SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) {
    return Office11MenuBrush;
}

HBRUSH TovBarOffice11Painter::BarDownedBrush(TCustomovBarControl* ABarControl) {
    return Office11CheckedHotBrush;
}

HBRUSH TovBarOffice11Painter::BarDownedSelBrush(TCustomovBarControl* ABarControl) {
    return Office11PressedBrush;
}

HBRUSH TovBarOffice11Painter::BarSelBrush(TCustomovBarControl* ABarControl) {
    return Office11SelectedBrush;
}

HBRUSH TovBarOffice11Painter::BarControlOwnerLinkBrush(TCustomovBarControl* ABarControl) {
    return Office11CheckedBrush;
}

HBRUSH TovBarOffice11Painter::GetFlatFaceBrush(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : BarToolbarBrush(nullptr);
}

HBRUSH TovBarOffice11Painter::GetShadowBrush(TovBarItemControl* AControl,
                                             TovBarStaticBorderStyle ABorderStyle) {
    return Office11MenuBorderBrush;
}

HBRUSH TovBarOffice11Painter::InPlaceSubItemGetBrush() {
    return Office11ShadowBrush;
}

TColor TovBarOffice11Painter::DateNavigatorGetHeaderColor() {
    return Office11PanelFaceColor;
}

// ---- Selection frame, arrows, grip dots

void TovBarOffice11Painter::FrameSelRect(HDC ADC, const TRect& R) {
    Office11FrameSelection(ADC, R);
}

void TovBarOffice11Painter::DrawDropDownArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat,
                                              bool ASelected, bool AEnabled, int ADirection) {
    Office11DrawArrowInRect(ADC, R, ADirection == 1, AEnabled, ASelected);
}

void TovBarOffice11Painter::DrawArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool AEnabled,
                                      bool ASelected, int ASize, int ADirection) {
    Office11DrawArrow(ADC, R, ADirection == 1, ASize, ASelected, AEnabled);
}

void TovBarOffice11Painter::DrawFingerElements(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R,
                                               bool AHorizontal) {
    // The dots run along the grip: down a horizontal bar's grip, across a vertical one's.
    Office11DrawGripDots(ADC, R, AHorizontal);
}

// ---- The button gradient

TovBarOffice11Painter::TButtonGradient
TovBarOffice11Painter::ButtonGradientColors(bool AInternalBar, bool ADown, bool APressed, bool AHot) {
    if (AInternalBar)
        return ADown || APressed ? TButtonGradient{Office11CheckedColor, Office11CheckedColor, true}
                                 : TButtonGradient{Office11HotColor1, Office11HotColor1, true};
    if (ADown || APressed) {
        if (AHot) return {Office11PressedColor2, Office11PressedColor1, false};
        if (ColorToRGB(Office11PressedColor1) == ColorToRGB(Office11PressedColor2))
            return {Office11CheckedHotColor, Office11CheckedHotColor, true};
        return {Office11PressedColor1, Office11PressedColor2, false};
    }
    return {Office11HotColor1, Office11HotColor2, false};
}

void TovBarOffice11Painter::FillButtonGradient(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                               bool ADown, bool APressed, bool AHot) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    const bool internal = parent != nullptr && parent->Kind() == bckQuickCustomization;
    const TButtonGradient gradient = ButtonGradientColors(internal, ADown, APressed, AHot);
    if (gradient.Solid) {
        FillRectWithColor(ADC, R, gradient.Color1);
        return;
    }
    // Across the bar: top to bottom, left to right on a vertically docked bar.
    const bool vertical = parent != nullptr && parent->IsDockedVertically();
    FillGradientBand(ADC, R, gradient.Color1, gradient.Color2, vertical);
}

// ---- The painter class

const TovBarPainterClass ovBarOffice11PainterClass{
    "TovBarOffice11Painter", [](TuiLookAndFeelPainterBase* ASkinPainter) -> std::unique_ptr<TovBarPainter> {
        return std::make_unique<TovBarOffice11Painter>(ASkinPainter);
    }};
