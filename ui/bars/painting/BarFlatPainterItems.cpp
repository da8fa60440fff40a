// The flat look of item controls: glyph backgrounds and frames (a dropped-down item's frame opens towards
// its menu), the check mark, menu entries on their icon column, drop-down parts, combo buttons, edit
// frames and buttons, spin buttons, static borders and the date navigator's buttons.
#include "ui/bars/painting/BarFlatPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/StaticControls.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Colors.h"

namespace {

TovBarButtonLikeControlDrawParams* AsButtonLike(TovBarItemControlDrawParams* ADrawParams) {
    return dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
}

bool IsDown(TovBarItemControlDrawParams* ADrawParams) {
    auto* button = AsButtonLike(ADrawParams);
    return button != nullptr && button->Down;
}

HBRUSH ParentBackground(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace

// ---- Glyph background, frame and check mark

HBRUSH TovBarFlatPainter::GetItemBackgroundBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    TCustomovBarControl* parent = AControl->ParentBar();
    const bool down = IsDown(params);
    if (params->DroppedDown) {
        if (down) return BarDownedSelBrush(parent);
        return parent != nullptr ? parent->GetOwnerBrush() : TovBarPainter::GetItemBackgroundBrush(AControl);
    }
    if (params->DrawSelected) {
        auto* button = AsButtonLike(params);
        const bool pressed = button != nullptr && button->DropDownPressed;
        return down || pressed ? BarDownedSelBrush(parent) : BarSelBrush(parent);
    }
    if (down) return BarDownedBrush(parent);
    // A glyph in a menu sits on the icon column.
    if (params->PaintType == iptMenu && dynamic_cast<TovBarCustomStaticControl*>(AControl) == nullptr)
        return GetFlatFaceBrush(AControl);
    return TovBarPainter::GetItemBackgroundBrush(AControl);
}

bool TovBarFlatPainter::UseGlyphBackgroundBrush(TovBarItemControl* AControl, bool ANoGlyph, bool ADown,
                                                bool APressed, bool ASelected) {
    if (TovBarPainter::UseGlyphBackgroundBrush(AControl, ANoGlyph, ADown, APressed, ASelected)) return true;
    return !ANoGlyph && (ADown || ASelected || APressed);
}

void TovBarFlatPainter::PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                        const TovItemGlyphArgs& AArgs) {
    if (AArgs.DroppedDown) {
        // The frame stays open where the menu the item opened meets it.
        DrawPopupBorder(AControl->ParentBar(), ADC, AControl->GetChildMenuControl(), AControl, R);
        return;
    }
    if (AArgs.Down || (AArgs.Selected && AArgs.PaintType != iptMenu)) {
        FrameSelRect(ADC, R);
        return;
    }
    if (!AArgs.Border) return;
    const bool direct =
        AArgs.Selected || AArgs.Pressed || AControl->NonRecent() || AControl->BackgroundBrush() != nullptr;
    FrameItemBackground(AControl, ADC, direct, GetItemBackgroundBrush(AControl), R);
}

void TovBarFlatPainter::PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) {
    const bool enabled = AControl == nullptr || AControl->GetEnabled();
    COLORREF color = GetSysColor(COLOR_BTNSHADOW);
    if (enabled)
        color = HighContrastIsWhite() || IsBlackFaceNonWhiteText() ? RGB(255, 255, 255) : RGB(0, 0, 0);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ previous = SelectObject(ADC, pen);
    const int f = AFactor;
    const int first = enabled ? 0 : 1;
    for (int k = first; k < first + 2 * f; ++k) {
        const POINT stroke[] = {{X + f, Y + k + 2 * f}, {X + 3 * f, Y + k + 4 * f}, {X + 8 * f, Y + k - f}};
        Polyline(ADC, stroke, 3);
    }
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

// ---- A button in a menu: its icon column and text area

void TovBarFlatPainter::DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    HDC dc = ADrawParams->Canvas->Handle();
    const int iconArea = menu != nullptr ? menu->GetIconAreaSize() : control->GetIconAreaWidth();
    const bool selected = ADrawParams->DrawSelected;
    const bool direct = selected || control->NonRecent();
    TCustomovBarControl* parent = control->ParentBar();
    HBRUSH face = GetFlatFaceBrush(control);
    // The icon column ends one pixel after the icon area.
    const int columnEnd = R.left + iconArea + 1;
    if (selected) {
        FrameSelRect(dc, R);
    } else {
        HBRUSH background = ParentBackground(control);
        const TRect columnRing[] = {TRect{R.left, R.top, columnEnd, R.top + 1},
                                    TRect{R.left, R.bottom - 1, columnEnd, R.bottom},
                                    TRect{R.left, R.top, R.left + 1, R.bottom}};
        for (const TRect& part : columnRing)
            FillItemBackground(control, dc, direct, face, part);
        const TRect textRing[] = {TRect{columnEnd, R.top, R.right, R.top + 1},
                                  TRect{columnEnd, R.bottom - 1, R.right, R.bottom},
                                  TRect{R.right - 1, R.top, R.right, R.bottom}};
        for (const TRect& part : textRing)
            FillItemBackground(control, dc, direct, background, part);
    }
    const TRect inner = uiGrowRect(R, -1, -1);
    const TRect glyph = SubMenuControlItemGlyphRect(R, iconArea);
    HBRUSH column = selected ? BarSelBrush(parent) : face;
    const TRect columnParts[] = {TRect{glyph.right, inner.top, glyph.right + 2, inner.bottom},
                                 TRect{glyph.left, inner.top, glyph.right, glyph.top},
                                 TRect{glyph.left, glyph.bottom, glyph.right, inner.bottom}};
    for (const TRect& part : columnParts)
        if (!uiIsRectEmpty(part)) FillItemBackground(control, dc, direct, column, part);
    const TRect text{glyph.right + 2, inner.top, inner.right, inner.bottom};
    if (!uiIsRectEmpty(text))
        FillItemBackground(control, dc, direct,
                           selected ? BarSelBrush(parent) : TovBarPainter::GetItemBackgroundBrush(control),
                           text);
}

// ---- Drop-down parts and combos

void TovBarFlatPainter::DrawButtonFrame(TovBarItemControl* AControl, HDC ADC, bool ADown, bool ASelected,
                                        TovBarItemPaintType APaintType, HBRUSH ABrush, const TRect& R) {
    const bool inMenu = APaintType == iptMenu;
    if (!ASelected && !inMenu && !ADown)
        FrameRect(ADC, &R, ParentBackground(AControl));
    else if (!inMenu || ASelected)
        FrameSelRect(ADC, R);
    else if (ADown)
        FrameRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TovBarFlatPainter::DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                                     HBRUSH ABrush) {
    TovBarPainter::DrawDropDownButtonBackground(ADrawParams, R, ABrush);
    const bool inMenu = ADrawParams->PaintType == iptMenu;
    // An open drop-down part is framed by its menu's border instead.
    if (!inMenu && ADrawParams->DroppedDown) return;
    // The base filled the part one pixel wider towards the button outside menus; the frame follows it.
    if (!inMenu) --R.left;
    DrawButtonFrame(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), IsDown(ADrawParams),
                    ADrawParams->DrawSelected, ADrawParams->PaintType, ABrush, R);
}

HBRUSH TovBarFlatPainter::GetDropDownButtonBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (!params->DrawSelected) return TovBarPainter::GetDropDownButtonBrush(AControl);
    TCustomovBarControl* parent = AControl->ParentBar();
    return params->DroppedDown || HighContrastIsWhite() ? BarDownedSelBrush(parent) : BarSelBrush(parent);
}

TColor TovBarFlatPainter::ComboGetArrowColor(TovBarItemControlDrawParams* ADrawParams) {
    if (ADrawParams->DrawSelected && (ADrawParams->DroppedDown || HighContrastIsWhite()))
        return clHighlightText;
    if (!ADrawParams->DrawSelected && !ADrawParams->Enabled) return clBtnShadow;
    return clBtnText;
}

HBRUSH TovBarFlatPainter::ComboGetButtonBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (params->PaintType == iptMenu && !params->DrawSelected) return ParentBackground(AControl);
    return TovBarPainter::ComboGetButtonBrush(AControl);
}

void TovBarFlatPainter::ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                                  HBRUSH ABrush) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->DrawSelected) {
        // The hot frame lies on the edit's frame ring, around the field and the button together.
        R = uiGrowRect(R, 1, 1);
        FrameSelRect(dc, R);
    } else {
        // The button's ring and the gap before it take the field's background.
        HBRUSH ring = ADrawParams->Enabled ? CreateSolidBrush(ColorToRGB(EditGetBkColor(control)))
                                           : ParentBackground(control);
        FrameRect(dc, &R, ring);
        FillPart(dc, TRect{R.left - 1, R.top, R.left, R.bottom}, ring);
        if (ADrawParams->Enabled) DeleteObject(ring);
    }
    R = uiGrowRect(R, -1, -1);
    FillPart(dc, R, ABrush);
}

void TovBarFlatPainter::ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                                          const TRect& R) {
    if (!AInInterior) {
        TovBarPainter::ComboDrawListItem(ACanvas, AText, AInInterior, R);
        return;
    }
    // In the combo's own field the text sits two pixels lower.
    ACanvas->FillRect(R);
    TovBarPainter::ComboDrawListItem(ACanvas, AText, AInInterior,
                                     TRect{R.left, R.top + 2, R.right, R.bottom});
}

// ---- Edits

bool TovBarFlatPainter::EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu &&
           (ADrawParams->DrawSelected || ADrawParams->BarItemControl->NonRecent());
}

bool TovBarFlatPainter::EditIsGlyphSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->DrawSelected && ADrawParams->PaintType == iptMenu;
}

int TovBarFlatPainter::EditGetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) {
    TovBarSubMenuControl* menu = ADrawParams->BarItemControl->ParentSubMenu();
    if (menu == nullptr) return TovBarPainter::EditGetMenuCaptionOffset(ADrawParams);
    return SubMenuControlItemCaptionIndent(menu) - menu->GetIconAreaSize();
}

void TovBarFlatPainter::EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const bool indent = control->HasEditIndent();
    if (ADrawParams->DrawSelected)
        FrameSelRect(dc, R);
    else if (ADrawParams->PaintType == iptMenu && !indent)
        FrameRect(dc, &R, ParentBackground(control));
    else if (ADrawParams->Enabled || indent)
        FrameItemBackground(control, dc, control->NonRecent() && indent, ParentBackground(control), R);
    else
        FrameRect(dc, &R, GetSysColorBrush(COLOR_BTNSHADOW));
    R = uiGrowRect(R, -1, -1);
}

void TovBarFlatPainter::EditDrawSelectionFrame(TovBarItemControlDrawParams* ADrawParams, HDC ADC,
                                               const TRect& R) {
    FrameSelRect(ADC, R);
    ClipOutFrameRing(ADC, R, uiGrowRect(R, -1, -1));
}

HBRUSH TovBarFlatPainter::EditGetBkBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (params->PaintType == iptMenu && params->DrawSelected) return BarSelBrush(AControl->ParentBar());
    return ParentBackground(AControl);
}

void TovBarFlatPainter::EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed,
                                            bool ASelected, bool AEnabled, TRect& R) {
    TCustomovBarControl* parent = AControl->ParentBar();
    HBRUSH face;
    if (ASelected) {
        FrameSelRect(ADC, R);
        face = APressed ? BarDownedSelBrush(parent) : BarSelBrush(parent);
    } else {
        face = ParentBackground(AControl);
        FrameRect(ADC, &R, face);
    }
    R = uiGrowRect(R, -1, -1);
    FillPart(ADC, R, face);
}

// ---- Spin edits

void TovBarFlatPainter::SpinEditCalcParts(TovBarItemControlDrawParams* ADrawParams,
                                          std::vector<TRect>& AParts, const TRect& R) {
    TovBarPainter::SpinEditCalcParts(ADrawParams, AParts, R);
    // The up button reaches one pixel into the down button, so that both show a frame line between them.
    if (AParts.size() > 3 && !uiIsRectEmpty(AParts[3])) ++AParts[3].bottom;
}

void TovBarFlatPainter::SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton) {
    EditButtonDrawFrame(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(),
                        SpinButtonIsActive(ADrawParams, AButton), ADrawParams->DrawSelected,
                        ADrawParams->Enabled, R);
    SpinEditDrawArrow(ADrawParams, SpinEditGetArrowPos(ADrawParams, R, AButton), AButton);
}

void TovBarFlatPainter::SpinEditDrawArrow(TovBarItemControlDrawParams* ADrawParams, const TPoint& APosition,
                                          int AButton) {
    int index = COLOR_BTNSHADOW;
    if (ADrawParams->Enabled)
        index = HighContrastIsWhite() && ADrawParams->DrawSelected ? COLOR_BTNFACE : COLOR_BTNTEXT;
    const auto color = static_cast<TColor>(GetSysColor(index));
    FillPolygonWithColor(ADrawParams->Canvas->Handle(), SpinArrowTriangle(ADrawParams, APosition, AButton),
                         color, color);
}

// ---- In-place sub-items, statics, date navigator

bool TovBarFlatPainter::InPlaceSubItemIsTextSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->DrawSelected && IsFlatTextStyle();
}

bool TovBarFlatPainter::InPlaceSubItemIsArrowSelected(TovBarItemControlDrawParams* ADrawParams) {
    return !ADrawParams->DrawSelected || HighContrastIsWhite();
}

void TovBarFlatPainter::StaticDrawBorder(TovBarStaticLikeControlDrawParams* ADrawParams, TRect& R) {
    if (ADrawParams->BorderStyle == sbsNone) return;
    HDC dc = ADrawParams->Canvas->Handle();
    const TRect inner = uiShrinkRectByMargins(R, ADrawParams->BorderSizes);
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(dc, saved, exists);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    FillRect(dc, &R, GetShadowBrush(ADrawParams->BarItemControl, ADrawParams->BorderStyle));
    RestoreSavedClipRegion(dc, saved, exists);
    R = inner;
}

void TovBarFlatPainter::DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption,
                                                TRect R) {
    // Pressed and released look alike.
    FrameRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
    const TRect inner = uiGrowRect(R, -1, -1);
    FrameRect(ADC, &inner, GetSysColorBrush(COLOR_BTNFACE));
    DrawButtonText(ADC, uiGrowRect(R, -2, -2), true, ACaption, 0);
}
