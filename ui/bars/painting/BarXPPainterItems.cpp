// The themed look of item controls and menus: button faces and split buttons in the toolbar's states,
// menu entries, drop-down parts, combo and spin buttons, edit borders, progress bars, the date
// navigator's buttons, and the menus' frame, separators and begin-group bands.
#include "ui/bars/painting/BarXPPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/Numerics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarFonts.h"
#include "ui/bars/painting/BarXPThemeParts.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace xp = bar_xp_parts;

namespace {

TovBarButtonLikeControlDrawParams* XPButtonParams(TovBarItemControlDrawParams* ADrawParams) {
    return dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
}

bool XPIsDown(TovBarItemControlDrawParams* ADrawParams) {
    auto* button = XPButtonParams(ADrawParams);
    return button != nullptr && button->Down;
}

HBRUSH XPParentBackground(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH XPParentSelection(TovBarItemControl* AControl, TovBarPainter* APainter) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetSelBrush() : APainter->BarSelBrush(nullptr);
}

bool XPShowsNoGlyph(TovBarItemControlDrawParams* ADrawParams) {
    return !ADrawParams->BarItemControl->HasGlyph(ADrawParams->ViewSize()) ||
           !ADrawParams->ViewStructure.Contains(ivpGlyph);
}

void XPFillPart(HDC ADC, const TRect& R, HBRUSH ABrush) {
    if (!uiIsRectEmpty(R)) FillRect(ADC, &R, ABrush);
}

} // namespace

// ---- Button faces

void TovBarXPPainter::PaintThemedButtonFace(TovBarItemControl* AControl, HDC ADC, bool ASplit,
                                            bool ADroppedDown, bool ADropDownPressed, bool ADown,
                                            bool ASelected, bool ACheckMark, TovBarItemPaintType APaintType,
                                            const TRect& R, HBRUSH ABrush) {
    const bool inMenu = APaintType == iptMenu;
    const bool themed = !inMenu || !(ASelected || AControl->NonRecent()) || !ACheckMark || ADown;
    if (!themed || AControl->BackgroundBrush() != nullptr) {
        XPFillPart(ADC, R, ABrush);
        return;
    }
    FillItemBackground(AControl, ADC, false, ABrush, R);
    // A main-menu item is highlighted instead of pushed.
    if (IsSelectedWithoutPressShift(AControl) && !inMenu &&
        (ADropDownPressed || ASelected || ADown || ADroppedDown)) {
        XPFillPart(ADC, R, GetSysColorBrush(COLOR_HIGHLIGHT));
        return;
    }
    int state = 1;
    if (!AControl->GetEnabled())
        state = 4;
    else if (ADropDownPressed)
        state = 3;
    else if (ADown || (ADroppedDown && !ASplit))
        state = 5;
    else if (ASelected)
        state = 2;
    xp::DrawToolBarPart(ADC, ASplit ? xp::TP_SPLITBUTTON : xp::TP_BUTTON, state, R);
}

void TovBarXPPainter::PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                      const TovItemGlyphArgs& AArgs) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    auto* button = XPButtonParams(params);
    const bool split = button != nullptr && button->Split && params->IsDropDown;
    PaintThemedButtonFace(AControl, ADC, split, AArgs.DroppedDown, AArgs.Pressed, AArgs.Down, AArgs.Selected,
                          AArgs.NoGlyph, AArgs.PaintType, R, GetItemBackgroundBrush(AControl));
}

void TovBarXPPainter::PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) {
    BarFlatPainter()->PaintGlyphCheck(AControl, ADC, AFactor, Y, X);
}

bool TovBarXPPainter::IsSelectedWithoutPressShift(TovBarItemControl* AControl) {
    return AControl != nullptr && AControl->IsMainMenuItem();
}

int TovBarXPPainter::GetDownGlyphOffset(TovBarItemControl* AControl, bool AFlag) {
    TovBarItemControlDrawParams* params = AControl != nullptr ? AControl->DrawParams() : nullptr;
    auto* button = params != nullptr ? XPButtonParams(params) : nullptr;
    const bool pressed =
        params != nullptr && (params->IsPressed || (button != nullptr && button->DropDownPressed));
    return pressed ? 0 : 1;
}

HBRUSH TovBarXPPainter::GetItemBackgroundBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (params->PaintType == iptMenu && params->DrawSelected && !XPIsDown(params) && XPShowsNoGlyph(params))
        return XPParentSelection(AControl, this);
    return TovBarPainter::GetItemBackgroundBrush(AControl);
}

void TovBarXPPainter::DrawEllipsisDot(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    if (!ADrawParams->Enabled) {
        TovBarPainter::DrawEllipsisDot(ADrawParams, R);
        return;
    }
    FillRect(ADrawParams->Canvas->Handle(), &R, GetSysColorBrush(COLOR_BTNTEXT));
}

// ---- A button in a menu

void TovBarXPPainter::DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    HDC dc = ADrawParams->Canvas->Handle();
    const TRect icon = SubMenuControlItemGlyphRect(R, menu != nullptr ? menu->GetIconAreaSize()
                                                                      : control->GetIconAreaWidth());
    const bool selected = ADrawParams->DrawSelected;
    HBRUSH selection = XPParentSelection(control, this);
    HBRUSH background = XPParentBackground(control);
    HBRUSH column =
        XPShowsNoGlyph(ADrawParams) && selected && !XPIsDown(ADrawParams) ? selection : background;
    const bool direct = selected || control->NonRecent();
    FillItemBackground(control, dc, direct, column, TRect{icon.right, icon.top, icon.right + 1, icon.bottom});
    if (R.top < icon.top)
        FillItemBackground(control, dc, direct, column, TRect{icon.left, R.top, icon.right + 1, icon.top});
    if (icon.bottom < R.bottom)
        FillItemBackground(control, dc, direct, column,
                           TRect{icon.left, icon.bottom, icon.right + 1, R.bottom});
    FillItemBackground(control, dc, direct, selected ? selection : background,
                       TRect{icon.right + 1, R.top, R.right, R.bottom});
}

// ---- Drop-down parts and combos

void TovBarXPPainter::DrawDropDownButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    // Outside menus the themed drop-down part carries its own arrow.
    if (ADrawParams->PaintType == iptMenu) TovBarPainter::DrawDropDownButtonArrow(ADrawParams, R);
}

void TovBarXPPainter::DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                                   HBRUSH ABrush) {
    TovBarPainter::DrawDropDownButtonBackground(ADrawParams, R, ABrush);
    auto* button = XPButtonParams(ADrawParams);
    const bool inMenu = ADrawParams->PaintType == iptMenu;
    const bool dropDownEnabled = button == nullptr || button->DropDownEnabled;
    int state = 1;
    if (!ADrawParams->Enabled || !dropDownEnabled)
        state = 4;
    else if (ADrawParams->DroppedDown || (ADrawParams->IsPressed && !inMenu))
        state = 3;
    else if (XPIsDown(ADrawParams) && !inMenu)
        state = 5;
    else if (ADrawParams->DrawSelected)
        state = 2;
    xp::DrawToolBarPart(ADrawParams->Canvas->Handle(), inMenu ? xp::TP_BUTTON : xp::TP_SPLITBUTTONDROPDOWN,
                        state, R);
}

void TovBarXPPainter::DrawComboDropDownButton(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    HTHEME combo = OpenTheme(totComboBox);
    if (combo == nullptr) {
        TovBarPainter::DrawComboDropDownButton(ADrawParams, R);
        return;
    }
    int state = 1;
    if (!ADrawParams->Enabled)
        state = 4;
    else if (ADrawParams->DroppedDown)
        state = 3;
    else if (ADrawParams->DrawSelected)
        state = 2;
    HDC dc = ADrawParams->Canvas->Handle();
    if (ovIsThemeBackgroundPartiallyTransparent(combo, xp::CP_DROPDOWNBUTTON, state)) {
        HBRUSH field = CreateSolidBrush(ColorToRGB(EditGetBkColor(ADrawParams->BarItemControl)));
        XPFillPart(dc, R, field);
        DeleteObject(field);
    }
    ovDrawThemeBackground(combo, dc, xp::CP_DROPDOWNBUTTON, state, &R, nullptr);
}

void TovBarXPPainter::ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                                        const TRect& R) {
    BarFlatPainter()->ComboDrawListItem(ACanvas, AText, AInInterior, R);
}

// ---- Menus

void TovBarXPPainter::SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu,
                                                      TovBarItemControl* AControl, TRect& R,
                                                      const TRect& AItemRect) {
    R = TRect{AItemRect.left, AItemRect.top - SubMenuControlSeparatorHeight(), AItemRect.right,
              AItemRect.top};
}

void TovBarXPPainter::SubMenuControlAdjustDetachCaptionRect(TRect& R) {
    R = uiGrowRect(R, -2, -2);
}

void TovBarXPPainter::SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) {
    FrameRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
    if (!AMenu->HasDetachCaption()) return;
    TRect band = uiGrowRect(R, -1, -1);
    band.bottom = band.top + AMenu->GetDetachCaptionAreaHeight() + 1;
    FrameRect(ADC, &band, AMenu->GetFrameBrush());
    SubMenuControlDrawDetachCaption(AMenu, ADC, AMenu->GetDetachCaptionRect());
}

void TovBarXPPainter::SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush,
                                                    TRect R) {
    FrameRect(ADC, &R, AMenu->GetFrameBrush());
}

void TovBarXPPainter::SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                                   TRect R, HDC ADC) {
    const bool direct = AControl != nullptr && AControl->NonRecent() && !AControl->ChangeRecentGroup();
    FillItemBackground(AControl, ADC, direct, AMenu->GetBackgroundBrush(), R);
    SubMenuControlPaintSeparator(ADC, R);
}

void TovBarXPPainter::SubMenuControlPaintSeparator(HDC ADC, const TRect& R) {
    xp::DrawToolBarPart(ADC, xp::TP_SEPARATORVERT, 1, R);
}

HBRUSH TovBarXPPainter::SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) {
    return GetSysColorBrush(COLOR_MENU);
}

// ---- Edits

TColor TovBarXPPainter::EditGetDefaultBkColor() {
    return ThemedEditBackColor(OpenTheme(totEdit), 1);
}

TColor TovBarXPPainter::EditGetDisabledBkColor(TovBarItemControl* AControl) {
    return ThemedEditBackColor(OpenTheme(totEdit), 4);
}

TColor TovBarXPPainter::EditGetDefaultTextColor() {
    return ThemedEditForeColor(OpenTheme(totEdit), 1);
}

TColor TovBarXPPainter::EditGetDisabledTextColor() {
    return ThemedEditForeColor(OpenTheme(totEdit), 4);
}

void TovBarXPPainter::EditGetContentOffsets(TovBarItemPaintType APaintType, TRect& R) {
    R = ThemeMetrics().EditContentOffsets;
}

bool TovBarXPPainter::EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu &&
           (ADrawParams->DrawSelected || ADrawParams->BarItemControl->NonRecent());
}

void TovBarXPPainter::EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    HTHEME edit = OpenTheme(totEdit);
    if (edit == nullptr) {
        TovBarPainter::EditDrawFrame(ADrawParams, R);
        return;
    }
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const int state = ThemedEditStateOf(control);
    const TRect bounds = R;
    if (ovGetThemeBackgroundContentRect(edit, dc, xp::EP_EDITTEXT, state, &bounds, &R) != S_OK)
        R = uiShrinkRectByMargins(bounds, ThemeMetrics().EditContentOffsets);
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(dc, saved, exists);
    ExcludeClipRect(dc, R.left, R.top, R.right, R.bottom);
    // Toolbar edits show their themed border only while hot or disabled; menu edits always.
    const bool plain =
        ((ADrawParams->Enabled && ADrawParams->PaintType != iptMenu) || control->HasEditIndent()) &&
        !ADrawParams->DrawSelected;
    if (plain)
        FillItemBackground(control, dc, control->NonRecent(), XPParentBackground(control), bounds);
    else
        ovDrawThemeBackground(edit, dc, xp::EP_EDITTEXT, state, &bounds, nullptr);
    RestoreSavedClipRegion(dc, saved, exists);
}

// ---- Ellipsis buttons, colour combos, date navigator, spin edits

void TovBarXPPainter::DrawEllipsisButton(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    PaintThemedButtonFace(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), false, false,
                          ADrawParams->IsPressed, false, ADrawParams->DrawSelected, true, iptHorizontal, R,
                          XPParentBackground(ADrawParams->BarItemControl));
    DrawEllipsis(ADrawParams, R);
}

void TovBarXPPainter::ColorComboDrawSeparator(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    FrameItemBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), false,
                        XPParentBackground(ADrawParams->BarItemControl), R);
}

void TovBarXPPainter::DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R) {
    FillRect(ADC, &R, GetSysColorBrush(COLOR_WINDOW));
    xp::DrawToolBarPart(ADC, xp::TP_BUTTON, APressed ? 3 : 2, R);
    DrawButtonText(ADC, R, false, ACaption, APressed ? 1 : 0);
}

void TovBarXPPainter::SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton) {
    FillItemBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), false,
                       XPParentBackground(ADrawParams->BarItemControl), R);
    const int state = std::max(1, SpinEditButtonStateOf(ADrawParams, AButton));
    xp::DrawThemePart(totSpin, ADrawParams->Canvas->Handle(), AButton == 0 ? xp::SPNP_UP : xp::SPNP_DOWN,
                      state, R);
}

// ---- Progress bars

TColor TovBarXPPainter::ProgressGetBarColor() {
    COLORREF color = 0;
    HTHEME progress = OpenTheme(totProgress);
    if (progress != nullptr && ovGetThemeColor(progress, xp::PP_CHUNK, 0, xp::TMT_FILLCOLOR, &color) == S_OK)
        return static_cast<TColor>(color);
    return TovBarPainter::ProgressGetBarColor();
}

void TovBarXPPainter::ProgressDrawBackground(TovBarProgressControlDrawParams* ADrawParams, const TRect& R) {
    HTHEME progress = OpenTheme(totProgress);
    if (progress == nullptr) {
        TovBarPainter::ProgressDrawBackground(ADrawParams, R);
        return;
    }
    HDC dc = ADrawParams->Canvas->Handle();
    const int part = ADrawParams->PaintType == iptVertical ? xp::PP_BARVERT : xp::PP_BAR;
    if (ovIsThemeBackgroundPartiallyTransparent(progress, part, 0))
        FillItemBackground(ADrawParams->BarItemControl, dc, false,
                           XPParentBackground(ADrawParams->BarItemControl), R);
    ovDrawThemeBackground(progress, dc, part, 0, &R, nullptr);
}

void TovBarXPPainter::ProgressDraw(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                   TColor AColor) {
    HTHEME progress = OpenTheme(totProgress);
    if (progress == nullptr) {
        TovBarPainter::ProgressDraw(ADrawParams, R, AColor);
        return;
    }
    ProgressDrawBackground(ADrawParams, R);
    const bool vertical = ADrawParams->PaintType == iptVertical;
    TRect content = R;
    if (ovGetThemeBackgroundContentRect(progress, ADrawParams->Canvas->Handle(),
                                        vertical ? xp::PP_BARVERT : xp::PP_BAR, 0, &R, &content) != S_OK)
        content = R;
    ProgressDrawPosition(ADrawParams, content, AColor);
}

void TovBarXPPainter::ProgressDrawBlocks(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                         HBRUSH ABrush) {
    if (!xp::DrawThemePart(totProgress, ADrawParams->Canvas->Handle(),
                           ADrawParams->PaintType == iptVertical ? xp::PP_CHUNKVERT : xp::PP_CHUNK, 0, R))
        TovBarPainter::ProgressDrawBlocks(ADrawParams, R, ABrush);
}
