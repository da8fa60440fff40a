// Edit, combo, colour-combo and spin painting of the bar painter: part layout of window item controls,
// their colours, the frame, background, glyph and caption around the edit field, the field's text while
// the edit window is hidden, combo and spin buttons, the ellipsis button and the list items of combos.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/ItemStyleValues.h"
#include "ui/bars/painting/BarArrows.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarPainterInterfaces.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/office11/Office11Colors.h"

namespace {

// Parts of a window item control: the edit field, the glyph, the caption, the drop-down or up button, the
// custom-colour or down button.
constexpr int EditField = 0, GlyphPart = 1, CaptionPart = 2, ButtonPart = 3, SecondButtonPart = 4;

TRect PartOf(TovBarItemControl* AControl, int AIndex) {
    const auto& parts = AControl->Parts();
    return AIndex < static_cast<int>(parts.size()) ? parts[AIndex] : TRect{};
}

HBRUSH ParentBrushOf(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl->ParentBar();
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

// Where the caption goes: the edit-like params' layout (menus always put it before the field), else the
// link's.
TovBarItemViewLayout ViewLayoutOf(TovBarItemControlDrawParams* ADrawParams) {
    if (ADrawParams->PaintType == iptMenu) return ivlGlyphCaptionControl;
    if (auto* edit = dynamic_cast<TovBarEditLikeControlDrawParams*>(ADrawParams)) return edit->ViewLayout;
    TovBarItemLink* link = ADrawParams->BarItemControl->ItemLink();
    return link != nullptr ? link->ViewLayout : ivlGlyphCaptionControl;
}

TColor BrushColor(HBRUSH ABrush) {
    LOGBRUSH brush{};
    if (ABrush != nullptr && GetObject(ABrush, sizeof(brush), &brush) == sizeof(brush))
        return static_cast<TColor>(brush.lbColor);
    return clBtnFace;
}

} // namespace

// ---- Part layout

void TovBarPainter::EditCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                  const TRect& ABounds) {
    if (AParts.empty()) return;
    TRect offsets{};
    EditGetContentOffsets(ADrawParams->PaintType, offsets);
    AParts[EditField] = uiShrinkRectByMargins(ABounds, offsets);
}

namespace {

// The combo rule: the drop-down button ends at ARight and is the combo arrow's width; the field ends one
// indent before it.
void PlaceComboButton(TovBarPainter* APainter, TovBarItemControlDrawParams* ADrawParams,
                      std::vector<TRect>& AParts, TRect AButton) {
    TCustomovBarControl* parent = ADrawParams->BarItemControl->ParentBar();
    const int zero = ADrawParams->Canvas != nullptr ? ADrawParams->Canvas->TextWidth("0") : 7;
    AButton.left = AButton.right - APainter->GetComboBoxArrowWidth(parent, zero);
    AParts[ButtonPart] = AButton;
    AParts[EditField].right = AButton.left - APainter->ComboGetButtonIndent();
}

} // namespace

void TovBarPainter::ComboCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                   const TRect& R) {
    if (AParts.size() <= ButtonPart) return;
    TRect offsets{};
    ComboGetTextOffsets(ADrawParams->PaintType, offsets);
    PlaceComboButton(this, ADrawParams, AParts, uiShrinkRectByMargins(R, offsets));
}

void TovBarPainter::ColorComboCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                        const TRect& R) {
    if (AParts.size() <= SecondButtonPart) return;
    ColorComboGetButtonRect(ADrawParams, R, AParts[SecondButtonPart]);
    TRect textOffsets{}, buttonOffsets{};
    ComboGetTextOffsets(ADrawParams->PaintType, textOffsets);
    ColorComboGetButtonOffsets(buttonOffsets);
    const bool customButton = ColorComboHasCustomColorButton(ADrawParams);
    TRect button = uiShrinkRectByMargins(R, textOffsets);
    button.right = AParts[SecondButtonPart].left;
    if (customButton) button.right -= buttonOffsets.left;
    if (!ColorComboFrameIncludesButton() || !customButton) button.right -= textOffsets.right;
    PlaceComboButton(this, ADrawParams, AParts, button);
}

void TovBarPainter::SpinEditCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                      const TRect& R) {
    if (AParts.size() <= SecondButtonPart) return;
    SpinEditGetButtonRect(ADrawParams, R, AParts[ButtonPart], 0);
    SpinEditGetButtonRect(ADrawParams, R, AParts[SecondButtonPart], 1);
    TRect content{}, buttons{};
    EditGetContentOffsets(ADrawParams->PaintType, content);
    SpinEditGetButtonsOffsets(buttons);
    AParts[EditField].right = AParts[ButtonPart].left - content.right - buttons.left;
}

void TovBarPainter::EditGetInnerRect(TovBarItemPaintType APaintType, TRect& R) {
    TRect caption{};
    ItemCaptionOffsets(caption);
    int top = 0, bottom = 0;
    GetItemVerticalOffsets(top, bottom);
    R = TRect{R.left + caption.left, R.top + top, R.right - caption.right, R.bottom - bottom};
}

// ---- Colours

TColor TovBarPainter::EditGetDisabledBkColor(TovBarItemControl* AControl) {
    return BrushColor(ParentBrushOf(AControl));
}

TColor TovBarPainter::EditGetBkColor(TovBarItemControl* AControl) {
    if (!AControl->GetEnabled()) return EditGetDisabledBkColor(AControl);
    TovBarItemStyleValues style;
    if (ovBarItemStyleValues(AControl->Item(), 1, style) && style.HasColor && style.Color != clDefault)
        return style.Color;
    return EditGetDefaultBkColor();
}

TColor TovBarPainter::EditGetTextColor(TovBarItemControl* AControl) {
    if (!AControl->GetEnabled()) return EditGetDisabledTextColor();
    TovBarItemStyleValues style;
    if (ovBarItemStyleValues(AControl->Item(), 1, style) && style.HasTextColor &&
        style.TextColor != clDefault)
        return style.TextColor;
    return EditGetDefaultTextColor();
}

void TovBarPainter::EditGetColors(TovBarItemControl* AControl, TColor& ATextColor, TColor& ABkColor) {
    ATextColor = EditGetTextColor(AControl);
    ABkColor = EditGetBkColor(AControl);
}

HBRUSH TovBarPainter::EditGetBkBrush(TovBarItemControl* AControl) {
    // A selected edit in a menu has its caption drawn in the selected text colour: it goes on the
    // selection, as a selected command's does, to stay readable.
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    if (params != nullptr && params->PaintType == iptMenu && params->DrawSelected)
        return BarSelBrush(AControl->ParentBar());
    return ParentBrushOf(AControl);
}

bool TovBarPainter::EditIsSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->DrawSelected;
}

// ---- Drawing an edit

bool TovBarPainter::EditIsCaptionSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->PaintType == iptMenu &&
           (ADrawParams->DrawSelected || ADrawParams->BarItemControl->NonRecent());
}

bool TovBarPainter::EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) {
    return ADrawParams->DrawSelected;
}

void TovBarPainter::EditDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const bool direct = EditIsCaptionSelected(ADrawParams);
    HBRUSH brush = EditGetBkBrush(control);
    const bool caption = ADrawParams->ViewStructure.Contains(ivpCaption);
    const bool glyph = ADrawParams->ViewStructure.Contains(ivpGlyph);
    if (caption || (ADrawParams->PaintType == iptMenu && !glyph))
        FillItemBackground(control, dc, direct, brush, PartOf(control, CaptionPart));
    if (glyph && ADrawParams->PaintType != iptMenu)
        FillItemBackground(control, dc, direct, brush, PartOf(control, GlyphPart));
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(dc, saved, exists);
    const TRect field = PartOf(control, EditField);
    ExcludeClipRect(dc, field.left, field.top, field.right, field.bottom);
    FillItemBackground(control, dc, direct, brush, R);
    RestoreSavedClipRegion(dc, saved, exists);
}

void TovBarPainter::EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    const bool nonRecent = control->NonRecent();
    if (EditIsFrameSelected(ADrawParams))
        DrawEdge(dc, &R, BDR_SUNKENOUTER, BF_RECT);
    else
        FrameItemBackground(control, dc, nonRecent, ParentBrushOf(control), R);
    R = uiGrowRect(R, -1, -1);
    const bool indent = control->HasEditIndent();
    HBRUSH brush =
        ADrawParams->Enabled || indent ? ParentBrushOf(control) : GetSysColorBrush(COLOR_BTNHIGHLIGHT);
    const bool direct = nonRecent || ((ADrawParams->DrawSelected || !ADrawParams->Enabled) && !indent);
    FrameItemBackground(control, dc, direct, brush, R);
    R = uiGrowRect(R, -1, -1);
}

void TovBarPainter::EditGetPartOffsets(TovBarItemControlDrawParams* ADrawParams, int APart, TRect& R) {
    if (APart == CaptionPart) {
        R = TRect{EditGetCaptionLeftOffset(ADrawParams), 0, EditGetCaptionRightOffset(), 0};
        return;
    }
    if (ADrawParams->PaintType == iptMenu) {
        EditGetMenuGlyphOffsets(R);
        return;
    }
    TSize glyph{};
    ADrawParams->BarItemControl->GetGlyphSize(ADrawParams->ViewSize(), false, glyph);
    TRect caption{};
    GetButtonCaptionOffsets(caption);
    R = TRect{(ADrawParams->GlyphSize.cx - glyph.cx) / 2, 0, caption.left, 0};
}

int TovBarPainter::EditGetCaptionLeftOffset(TovBarItemControlDrawParams* ADrawParams) {
    if (!ADrawParams->ViewStructure.Contains(ivpGlyph)) return EditGetCaptionOffset();
    if (ADrawParams->PaintType == iptMenu) return EditGetMenuCaptionOffset(ADrawParams);
    return 0;
}

void TovBarPainter::EditDrawGlyph(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovItemGlyphArgs glyph;
    glyph.Area = R;
    glyph.PaintType = ADrawParams->PaintType;
    glyph.Border = false;
    glyph.Selected = EditIsGlyphSelected(ADrawParams);
    glyph.InMenu = ADrawParams->PaintType == iptMenu;
    if (ADrawParams->PaintType != iptMenu && ADrawParams->ViewSize() == ivsLarge) {
        TRect offsets{};
        EditGetPartOffsets(ADrawParams, GlyphPart, offsets);
        glyph.Area = uiShrinkRectByMargins(R, offsets);
    }
    DrawItemGlyph(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), glyph);
}

void TovBarPainter::EditDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TRect offsets{};
    EditGetPartOffsets(ADrawParams, CaptionPart, offsets);
    TRect text = R;
    int placement;
    if (ViewLayoutOf(ADrawParams) == ivlGlyphControlCaption) {
        text.left += offsets.left;
        placement = ovCaptionLeft;
    } else {
        text.right -= offsets.right;
        placement = ovCaptionRight;
    }
    DrawItemText(control, ADrawParams->Canvas, ADrawParams->Caption, text, placement, ADrawParams->Enabled,
                 ADrawParams->PaintType == iptMenu && ADrawParams->DrawSelected, false, false,
                 IsFlatTextStyle(), DT_SINGLELINE);
}

void TovBarPainter::EditDraw(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    auto* editControl = dynamic_cast<IovBarEditLikeControl*>(control);
    EditDrawBackground(ADrawParams, R);
    if (ADrawParams->DrawSelected && control->IsSelectionKept())
        EditDrawSelectionFrame(ADrawParams, ADrawParams->Canvas->Handle(), R);
    // The frame is drawn and kept out of the clip region, so that the glyph and caption stay off it.
    if (editControl != nullptr) editControl->ExcludeEditFrame();
    if (ADrawParams->ViewStructure.Contains(ivpGlyph)) EditDrawGlyph(ADrawParams, PartOf(control, GlyphPart));
    if (ADrawParams->ViewStructure.Contains(ivpCaption))
        EditDrawCaption(ADrawParams, PartOf(control, CaptionPart));
    if (editControl != nullptr) editControl->DrawTextField();
}

void TovBarPainter::EditDrawText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R,
                                 const std::string& AText) {
    TColor text = clDefault, back = clDefault;
    EditGetColors(AControl, text, back);
    ACanvas->Font()->SetColor(text);
    ACanvas->SetBrushColor(back);
    ACanvas->SaveClipRegion();
    ACanvas->IntersectClipRect(R);
    EditDrawInterior(AControl, ACanvas, R, AText);
    ACanvas->RestoreClipRegion();
}

void TovBarPainter::EditDrawInterior(TovBarItemControl* AControl, TuiCanvas* ACanvas, TRect R,
                                     const std::string& AText) {
    ACanvas->FillRect(R);
    EditGetInnerRect(AControl->GetPaintType(), R);
    HDC dc = TextDC(ACanvas);
    const int previous = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(ACanvas->Font()->Color()));
    DrawText(dc, AText.c_str(), static_cast<int>(AText.size()), &R, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetBkMode(dc, previous);
}

void TovBarPainter::EditSelectAll(HWND AWindow, bool ANotify) {
    if (AWindow == nullptr) return;
    if (ANotify)
        SendMessage(AWindow, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(AWindow));
    SendMessage(AWindow, EM_SETSEL, 0, -1);
}

// ---- Combos

void TovBarPainter::DrawEditButtonArrow(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                        TColor AColor, int ASize) {
    const TColor color = !IsFlatStyle() && !ADrawParams->Enabled ? clDefault : AColor;
    PaintTriangleArrow(ADrawParams->Canvas->Handle(), R, true, ASize, false, ADrawParams->Enabled,
                       IsFlatStyle(), color);
}

void TovBarPainter::DrawComboDropDownButton(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    HBRUSH brush = ComboGetButtonBrush(ADrawParams->BarItemControl);
    ComboDrawButtonBackground(ADrawParams, R, brush);
    int size = uiWidthOfRect(R) / 4;
    if (size % 2 == 0) ++size;
    DrawEditButtonArrow(ADrawParams, R, ComboGetArrowColor(ADrawParams), size);
}

void TovBarPainter::DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) {
    FrameRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
    const TRect inner = uiGrowRect(R, -1, -1);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    FrameRect(ADC, &inner, brush);
    DeleteObject(brush);
}

void TovBarPainter::ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                                      const TRect& R) {
    ACanvas->FillRect(R);
    HDC dc = TextDC(ACanvas);
    const int previous = SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(ACanvas->Font()->Color()));
    TextOut(dc, R.left + 2, R.top, AText.c_str(), static_cast<int>(AText.size()));
    SetBkMode(dc, previous);
}

// ---- Colour combo and ellipsis button

void TovBarPainter::ColorComboAdjustTextRect(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    if (!ColorComboFrameIncludesButton() || !ColorComboHasCustomColorButton(ADrawParams)) return;
    TRect offsets{};
    ColorComboGetButtonOffsets(offsets);
    R.right = PartOf(ADrawParams->BarItemControl, SecondButtonPart).right + offsets.right;
}

bool TovBarPainter::ColorComboHasCustomColorButton(TovBarItemControlDrawParams* ADrawParams) {
    return !uiIsRectEmpty(PartOf(ADrawParams->BarItemControl, SecondButtonPart));
}

int TovBarPainter::ColorComboGetButtonWidth(const TRect& R) {
    TRect offsets{};
    ColorComboGetButtonOffsets(offsets);
    return ((uiHeightOfRect(R) - 4) / 7) * 7 - offsets.left - offsets.right + 4;
}

void TovBarPainter::ColorComboGetButtonRect(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                            TRect& AButton) {
    TRect offsets{};
    ColorComboGetButtonOffsets(offsets);
    AButton = R;
    AButton.left = R.right - (ColorComboGetButtonWidth(R) + offsets.left + offsets.right);
    const TRect field = PartOf(ADrawParams->BarItemControl, EditField);
    auto* colorCombo = dynamic_cast<TovBarColorComboControlDrawParams*>(ADrawParams);
    const bool shown = colorCombo != nullptr && colorCombo->ShowCustomColorButton;
    if (!shown || 2 * uiWidthOfRect(AButton) >= uiWidthOfRect(field)) {
        AButton.left = AButton.right;
        return;
    }
    AButton = uiShrinkRectByMargins(AButton, offsets);
}

void TovBarPainter::ColorComboDrawSeparator(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    FrameItemBackground(control, dc, false, ParentBrushOf(control), R);
    FrameItemBackground(control, dc, false, ParentBrushOf(control), uiGrowRect(R, 0, -1));
}

void TovBarPainter::DrawEllipsisButton(TovBarItemControlDrawParams* ADrawParams, TRect R) {
    EditButtonDrawFrame(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), ADrawParams->IsPressed,
                        ADrawParams->DrawSelected, ADrawParams->Enabled, R);
    DrawEllipsis(ADrawParams, R);
}

void TovBarPainter::DrawEllipsis(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    const int a = uiWidthOfRect(R) / 7;
    TRect r = R;
    OffsetPressedRect(ADrawParams->IsPressed, r);
    const int x = r.left + (uiWidthOfRect(r) - 5 * a) / 2;
    const int y = r.bottom - a - ColorComboGetDotOffset(a);
    for (int dot = 0; dot < 3; ++dot)
        DrawEllipsisDot(ADrawParams, TRect{x + 2 * a * dot, y, x + 2 * a * dot + a, y + a});
}

void TovBarPainter::DrawEllipsisDot(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    HDC dc = ADrawParams->Canvas->Handle();
    if (!ADrawParams->Enabled) {
        PaintDisabledShadow(ADrawParams->BarItemControl, dc, R);
        return;
    }
    const int index = HighContrastIsWhite() && ADrawParams->DrawSelected ? COLOR_BTNFACE : COLOR_BTNTEXT;
    FillRect(dc, &R, GetSysColorBrush(index));
}

// ---- Spin edits

TSize TovBarPainter::SpinEditGetArrowSize(int AHeight) {
    const int a = ((AHeight / 2) - 2) / 2;
    return TSize{2 * a - 1, a};
}

int TovBarPainter::SpinEditGetButtonsWidth(TovBarItemPaintType APaintType, const TRect& R) {
    const TSize arrow = SpinEditGetArrowSize(uiHeightOfRect(R));
    TRect offsets{};
    SpinEditGetButtonsOffsets(offsets);
    return arrow.cx + 2 * arrow.cy - offsets.left - offsets.right + 4;
}

void TovBarPainter::SpinEditGetButtonRect(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                          TRect& AButton, int AButtonIndex) {
    TRect offsets{};
    SpinEditGetButtonsOffsets(offsets);
    AButton = R;
    AButton.left =
        R.right - (SpinEditGetButtonsWidth(ADrawParams->PaintType, R) + offsets.left + offsets.right);
    const TRect field = PartOf(ADrawParams->BarItemControl, EditField);
    if (2 * uiWidthOfRect(AButton) >= uiWidthOfRect(field)) {
        AButton = TRect{AButton.left, AButton.top, AButton.left, AButton.top};
        return;
    }
    AButton = uiShrinkRectByMargins(AButton, offsets);
    const int middle = (AButton.top + AButton.bottom) / 2;
    if (AButtonIndex == 0)
        AButton.bottom = middle;
    else
        AButton.top = middle;
}

void TovBarPainter::SpinEditAdjustTextRect(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
    TRect offsets{};
    SpinEditGetButtonsOffsets(offsets);
    R.right = PartOf(ADrawParams->BarItemControl, ButtonPart).left - offsets.left;
}

namespace {

// The spin arrow's size: the params' (the control asks the painter once per layout), else from the
// control's height.
TSize SpinArrowSizeOf(TovBarPainter* APainter, TovBarItemControlDrawParams* ADrawParams) {
    auto* spin = dynamic_cast<TovBarSpinEditDrawParams*>(ADrawParams);
    if (spin != nullptr && spin->ArrowSize.cx > 0) return spin->ArrowSize;
    return APainter->SpinEditGetArrowSize(uiHeightOfRect(ADrawParams->BarItemControl->GetBoundsRect()));
}

} // namespace

TPoint TovBarPainter::SpinEditGetArrowPos(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                          int AButton) {
    const int size = SpinArrowSizeOf(this, ADrawParams).cy;
    TPoint p{R.left + size, (R.top + R.bottom - size) / 2};
    if (AButton == 0) p.y += size - 1;
    return p;
}

bool TovBarPainter::SpinButtonIsActive(TovBarItemControlDrawParams* ADrawParams, int AButton) {
    // Without spin params the held button is the hot part while the control is pressed.
    auto* spin = dynamic_cast<TovBarSpinEditDrawParams*>(ADrawParams);
    const int active = spin != nullptr          ? spin->ActiveButton
                       : ADrawParams->IsPressed ? ADrawParams->HotPartIndex
                                                : -1;
    return active == ButtonPart + AButton;
}

int TovBarPainter::SpinEditButtonStateOf(TovBarItemControlDrawParams* ADrawParams, int AButton) {
    if (!ADrawParams->Enabled) return 4;
    if (SpinButtonIsActive(ADrawParams, AButton)) return 3;
    if (ADrawParams->HotPartIndex == ButtonPart + AButton) return 2;
    return 1;
}

std::vector<POINT> TovBarPainter::SpinArrowTriangle(TovBarItemControlDrawParams* ADrawParams,
                                                    const TPoint& APosition, int AButton) {
    const int width = SpinArrowSizeOf(this, ADrawParams).cx;
    const int half = width / 2;
    const int apexY = AButton == 0 ? APosition.y - half : APosition.y + half;
    return {{APosition.x, APosition.y}, {APosition.x + width - 1, APosition.y}, {APosition.x + half, apexY}};
}

void TovBarPainter::SpinEditDrawArrow(TovBarItemControlDrawParams* ADrawParams, const TPoint& APosition,
                                      int AButton) {
    const std::vector<POINT> points = SpinArrowTriangle(ADrawParams, APosition, AButton);
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->Enabled) {
        const auto color = static_cast<TColor>(GetSysColor(COLOR_BTNTEXT));
        FillPolygonWithColor(dc, points, color, color);
        return;
    }
    std::vector<POINT> shifted = points;
    for (POINT& p : shifted) {
        ++p.x;
        ++p.y;
    }
    const auto light = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
    const auto shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
    FillPolygonWithColor(dc, shifted, light, light);
    FillPolygonWithColor(dc, points, shadow, shadow);
}

void TovBarPainter::SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton) {
    const bool active = SpinButtonIsActive(ADrawParams, AButton);
    EditButtonDrawFrame(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), active,
                        ADrawParams->DrawSelected, ADrawParams->Enabled, R);
    TPoint p = SpinEditGetArrowPos(ADrawParams, R, AButton);
    if (active) {
        ++p.x;
        ++p.y;
    }
    SpinEditDrawArrow(ADrawParams, p, AButton);
}

void TovBarPainter::SpinEditDrawButtonsBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    FillItemBackground(ADrawParams->BarItemControl, ADrawParams->Canvas->Handle(), false,
                       ParentBrushOf(ADrawParams->BarItemControl), R);
}
