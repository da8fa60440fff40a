// The Office11 look of item controls: glyph areas filled with the button gradient and framed by the
// Office11 selection frame, a dropped-down item continuing its menu's owner-link gradient, menu entries on
// the icon band, drop-down parts, combo buttons, edit frames and buttons, and the date navigator.
#include "ui/bars/painting/BarOffice11Painter.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

namespace {

HBRUSH Office11ParentBackground(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

bool InOffice11QuickCustomizationPopup(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl->ParentBar();
    return parent != nullptr && parent->Kind() == bckQuickCustomization;
}

// A checked button (its item is down), as opposed to a pressed one or another kind of control.
bool IsOffice11CheckedButton(TovBarItemControl* AControl) {
    auto* button = dynamic_cast<TovBarButtonControl*>(AControl);
    return button != nullptr && button->ButtonItem() != nullptr && button->ButtonItem()->Down();
}

} // namespace

// ---- Glyph area

void TovBarOffice11Painter::PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                            const TovItemGlyphArgs& AArgs) {
    HBRUSH brush = GetItemBackgroundBrush(AControl);
    const bool inMenu = AArgs.PaintType == iptMenu;
    // A hot check box in a menu, and an item with a brush of its own, are filled and not framed.
    if ((AArgs.NoGlyph && inMenu && AArgs.Selected && !AArgs.Down) ||
        AControl->BackgroundBrush() != nullptr) {
        FillRect(ADC, &R, brush);
        return;
    }
    const bool anyState = AArgs.Down || AArgs.Selected || AArgs.Pressed || AArgs.DroppedDown;
    // A face of its own (a hot menu entry's) is painted directly; the bar's own face through the bar, so
    // that its gradient or icon band shows.
    const bool direct = anyState || brush != Office11ParentBackground(AControl);
    const bool linked = AArgs.DroppedDown && !AArgs.Down && !InOffice11QuickCustomizationPopup(AControl) &&
                        (dynamic_cast<TovBarSubItemControl*>(AControl) != nullptr ||
                         dynamic_cast<TovBarButtonControl*>(AControl) != nullptr);
    if (linked) {
        // The open item's face runs on into its menu through the owner link.
        TCustomovBarControl* parent = AControl->ParentBar();
        const bool vertical = parent != nullptr && parent->IsDockedVertically();
        FillGradientBand(ADC, R, Office11OwnerLinkColor1, Office11OwnerLinkColor2, vertical);
    } else if (!inMenu && (AArgs.Down || AArgs.Selected || AArgs.Pressed)) {
        FillButtonGradient(AControl, ADC, R, AArgs.Down, AArgs.Pressed, AArgs.Selected);
    } else {
        FillItemBackground(AControl, ADC, direct, brush, R);
    }
    if (AArgs.DroppedDown)
        DrawPopupBorder(AControl->ParentBar(), ADC, AControl->GetChildMenuControl(), AControl, R);
    else if ((AArgs.Selected && !inMenu) || (AArgs.Down && IsOffice11CheckedButton(AControl)))
        // A hot entry of a menu is framed as a whole; its glyph is not framed again.
        Office11FrameSelection(ADC, R);
    else if (AArgs.Down || (AArgs.Pressed && !inMenu))
        FrameRect(ADC, &R, Office11SelectedBorderBrush);
    // Without a state the ring is the face just filled: nothing more to draw.
}

void TovBarOffice11Painter::DrawButtonFrame(TovBarItemControl* AControl, HDC ADC, bool ADown, bool ASelected,
                                            TovBarItemPaintType APaintType, HBRUSH ABrush, const TRect& R) {
    const bool inMenu = APaintType == iptMenu;
    if (!inMenu && !ASelected && !ADown)
        FrameItemBackground(AControl, ADC, false, ABrush, R);
    else if (!inMenu || ASelected)
        Office11FrameSelection(ADC, R);
    else if (ADown)
        FrameRect(ADC, &R, Office11SeparatorBrush1);
}

// ---- A button in a menu

void TovBarOffice11Painter::DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams,
                                                       const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    HDC dc = ADrawParams->Canvas->Handle();
    const int iconArea = menu != nullptr ? menu->GetIconAreaSize() : control->GetIconAreaWidth();
    const bool selected = ADrawParams->DrawSelected;
    TCustomovBarControl* parent = control->ParentBar();
    // An unselected entry is painted through the menu as a whole (ring and parts alike), so the icon band
    // shows through it.
    if (!selected) {
        FillItemBackground(control, dc, false, Office11ParentBackground(control), R);
        return;
    }
    HBRUSH brush = BarSelBrush(parent);
    Office11FrameSelection(dc, R);
    const TRect inner = uiGrowRect(R, -1, -1);
    const TRect glyph = SubMenuControlItemGlyphRect(R, iconArea);
    const TRect parts[] = {TRect{glyph.right, inner.top, glyph.right + 2, inner.bottom},
                           TRect{glyph.left, inner.top, glyph.right, glyph.top},
                           TRect{glyph.left, glyph.bottom, glyph.right, inner.bottom},
                           TRect{glyph.right + 2, inner.top, inner.right, inner.bottom}};
    for (const TRect& part : parts)
        if (!uiIsRectEmpty(part)) FillItemBackground(control, dc, true, brush, part);
}

void TovBarOffice11Painter::SeparatorDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    // The caption band of a separator takes the dark end of the menu band.
    HBRUSH band = CreateSolidBrush(ColorToRGB(Office11MenuBandColor2));
    HBRUSH previous = FSeparatorCaptionBrush;
    FSeparatorCaptionBrush = band;
    TovBarFlatPainter::SeparatorDrawCaption(ADrawParams, R);
    FSeparatorCaptionBrush = previous;
    DeleteObject(band);
}

HBRUSH TovBarOffice11Painter::GetItemBackgroundBrush(TovBarItemControl* AControl) {
    if (FSeparatorCaptionBrush != nullptr) return FSeparatorCaptionBrush;
    return TovBarFlatPainter::GetItemBackgroundBrush(AControl);
}

// ---- Drop-down parts and combos

HBRUSH TovBarOffice11Painter::GetDropDownButtonBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (!params->Enabled) return GetSysColorBrush(COLOR_BTNFACE);
    TCustomovBarControl* parent = AControl->ParentBar();
    if (!params->DrawSelected) return Office11ParentBackground(AControl);
    return params->DroppedDown ? BarDownedSelBrush(parent) : BarSelBrush(parent);
}

HBRUSH TovBarOffice11Painter::ComboGetButtonBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    TCustomovBarControl* parent = AControl->ParentBar();
    if (params->DrawSelected) return BarSelBrush(parent);
    if (params->DroppedDown) return BarDownedSelBrush(parent);
    return GetDropDownButtonBrush(AControl);
}

TColor TovBarOffice11Painter::ComboGetArrowColor(TovBarItemControlDrawParams* ADrawParams) {
    if (!ADrawParams->Enabled) return Office11DisabledTextColor;
    if (!ADrawParams->DrawSelected) return Office11TextColor;
    if (HighContrastIsWhite()) return clWhite;
    if (ADrawParams->DroppedDown && !Office11SchemeColorsActive())
        return static_cast<TColor>(ColorToRGB(clHighlightText));
    return Office11TextColor;
}

void TovBarOffice11Painter::ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                                      HBRUSH ABrush) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->DrawSelected) {
        // The hot frame lies on the edit's frame ring, around the field and the button together.
        Office11FrameSelection(dc, uiGrowRect(R, 1, 1));
        FillButtonGradient(control, dc, R, false, ADrawParams->DroppedDown, true);
        R = uiGrowRect(R, -1, -1);
        return;
    }
    HBRUSH ring = ADrawParams->Enabled ? EditGetBkBrush(control) : ABrush;
    FrameRect(dc, &R, ring);
    FillPart(dc, TRect{R.left - 1, R.top, R.left, R.bottom}, ring);
    R = uiGrowRect(R, -1, -1);
    if (ADrawParams->Enabled && ADrawParams->PaintType == iptMenu)
        FillPart(dc, R, Office11CheckedBrush);
    else
        FillItemBackground(control, dc, !ADrawParams->Enabled, ABrush, R);
    if (ADrawParams->DroppedDown) R = uiShiftRect(R, 1, 1);
}

// ---- Edits

TColor TovBarOffice11Painter::EditGetDisabledBkColor(TovBarItemControl* AControl) {
    return static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
}

TColor TovBarOffice11Painter::EditGetDisabledTextColor() {
    return Office11DisabledTextColor;
}

bool TovBarOffice11Painter::EditIsCaptionSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu && ADrawParams->DrawSelected;
}

bool TovBarOffice11Painter::EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu && ADrawParams->DrawSelected;
}

bool TovBarOffice11Painter::EditIsButtonHot(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu;
}

int TovBarOffice11Painter::EditGetCaptionLeftOffset(TovBarItemControlDrawParams* ADrawParams) {
    if (ADrawParams->ViewStructure.Contains(ivpGlyph))
        return TovBarFlatPainter::EditGetCaptionLeftOffset(ADrawParams);
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = ADrawParams->PaintType == iptMenu ? control->ParentSubMenu() : nullptr;
    return menu != nullptr ? SubMenuControlItemCaptionIndent(menu) : control->GetTextIndent();
}

void TovBarOffice11Painter::EditGetPartOffsets(TovBarItemControlDrawParams* ADrawParams, int APart,
                                               TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control != nullptr ? control->ParentSubMenu() : nullptr;
    if (APart != 1 || ADrawParams->PaintType != iptMenu || menu == nullptr) {
        TovBarFlatPainter::EditGetPartOffsets(ADrawParams, APart, R);
        return;
    }
    // The glyph sits at the right end of the icon area, next to the caption.
    TSize glyph{};
    control->GetGlyphSize(ADrawParams->ViewSize(), false, glyph);
    R = TRect{menu->GetIconAreaSize() - glyph.cx, 0, 0, 0};
}

void TovBarOffice11Painter::EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const bool indent = control->HasEditIndent();
    if (ADrawParams->DrawSelected)
        Office11FrameSelection(dc, R);
    else if (!ADrawParams->Enabled && !indent)
        FrameRectWithColor(dc, R, Office11DisabledTextColor);
    else if (ADrawParams->PaintType != iptMenu || indent)
        FrameItemBackground(control, dc, false, Office11ParentBackground(control), R);
    else
        FrameRect(dc, &R, Office11CheckedBrush);
    R = uiGrowRect(R, -1, -1);
}

void TovBarOffice11Painter::EditDrawPartBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                                   int APart) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->PaintType == iptMenu)
        FillPart(dc, R, Office11CheckedBrush);
    else
        FillItemBackground(control, dc, control->NonRecent(), GetItemBackgroundBrush(control), R);
}

void TovBarOffice11Painter::EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed,
                                                bool ASelected, bool AEnabled, TRect& R) {
    TCustomovBarControl* parent = AControl->ParentBar();
    HBRUSH face;
    if (ASelected) {
        Office11FrameSelection(ADC, R);
        face = APressed ? BarDownedSelBrush(parent) : BarSelBrush(parent);
    } else if (AEnabled) {
        FrameRect(ADC, &R, Office11ParentBackground(AControl));
        face = Office11CheckedBrush;
    } else {
        FrameRectWithColor(ADC, R, Office11DisabledTextColor);
        face = GetSysColorBrush(COLOR_BTNFACE);
    }
    R = uiGrowRect(R, -1, -1);
    FillPart(ADC, R, face);
}

void TovBarOffice11Painter::DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption,
                                                    TRect R) {
    // With the manager's visual-theme flag the themed push button would be asked for; our platform runs
    // without visual styles, so the flat button stands.
    TovBarFlatPainter::DateNavigatorDrawButton(ADC, APressed, ACaption, R);
}
