// Buttons in the skinned look: the button background by view size and button group (DrawButtonParts),
// drop-down glyphs and menu arrows, two-line captions of large buttons with the arrow after the text,
// check parts of menu entries and the text colours the skin answers.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/StringList.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextDrawing.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>
#include <cmath>

namespace skinned_buttons {

const TovBarButtonLikeControlDrawParams* ButtonParams(const TovBarItemControlDrawParams* P) {
    return dynamic_cast<const TovBarButtonLikeControlDrawParams*>(P);
}

int GroupPlaceOf(const TovBarItemControlDrawParams* P) {
    const auto* button = ButtonParams(P);
    return button != nullptr ? int(button->ButtonGroupPlace) : int(bgpNoGroup);
}

bool IsSplitDropDown(const TovBarItemControlDrawParams* P) {
    const auto* button = ButtonParams(P);
    return button != nullptr && button->Split && P->IsDropDown;
}

// The width of the arrow area at the right of a drop-down button.
int ArrowAreaWidth(const TovBarItemControlDrawParams* P, int ADefault) {
    const auto* button = ButtonParams(P);
    return button != nullptr && button->ArrowSize.cx > 0 ? button->ArrowSize.cx : ADefault;
}

TRect ArrowAreaOf(const TovBarItemControlDrawParams* P, const TRect& R, int ADefault) {
    return TRect{std::max<int>(R.left, R.right - ArrowAreaWidth(P, ADefault)), R.top, R.right, R.bottom};
}

// Part I of the control, or R when the control has no such part.
TRect PartOrBounds(const TovBarItemControlDrawParams* P, std::size_t I, const TRect& R) {
    const std::vector<TRect>& parts = P->BarItemControl->Parts();
    return I < parts.size() ? parts[I] : R;
}

constexpr int ovArrowRight = 3;

} // namespace skinned_buttons
using namespace skinned_buttons;

// ---- The button background

void TovBarSkinnedPainter::DrawButtonParts(TovBarItemControlDrawParams* P) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) return;
    const TRect bounds = P->BarItemControl->GetBoundsRect();
    int whole = ovSkinPartButton, main = ovSkinPartButtonMainPart, dropDown = ovSkinPartButtonDropDown;
    if (P->ViewSize() != ivsSmall) {
        whole = ovSkinPartLargeButton;
        main = ovSkinPartLargeButtonMainPart;
        dropDown = ovSkinPartLargeButtonDropDown;
    } else if (GroupPlaceOf(P) != bgpNoGroup) {
        whole = ovSkinPartButtonGroupButton;
        main = ovSkinPartButtonGroupButtonMainPart;
        dropDown = ovSkinPartButtonGroupButtonDropDown;
    }
    const int place = GroupPlaceOf(P);
    if (!IsSplitDropDown(P)) {
        DrawButtonSegment(P, skin, bounds, 0, whole, place, false);
        return;
    }
    // The halves of a split button sit in the group as two buttons: the main half never ends the group
    // on its right, the drop-down half never starts it on its left.
    const int mainPlace = place == bgpLast ? bgpInner : place == bgpSingle ? bgpFirst : place;
    const int dropPlace = place == bgpFirst ? bgpInner : place == bgpSingle ? bgpLast : place;
    DrawButtonSegment(P, skin, PartOrBounds(P, 0, bounds), 0, main, mainPlace, true);
    DrawButtonSegment(P, skin, PartOrBounds(P, 1, bounds), 1, dropDown, dropPlace, true);
}

void TovBarSkinnedPainter::DrawButtonSegment(TovBarItemControlDrawParams* P, IovSkin* ASkin, const TRect& R,
                                             int APart, int AKind, int APlace, bool ASplit) {
    const int state = GetItemState(P, APart);
    TRect r = R;
    TRect left{}, right{}, split{}, column{};
    if (APlace != bgpNoGroup) {
        const int leftWidth = ASkin->GetPartSize(ovSkinPartButtonGroupBorderLeft);
        const int rightWidth = ASkin->GetPartSize(ovSkinPartButtonGroupBorderRight);
        const int splitWidth = ASkin->GetPartSize(ovSkinPartButtonGroupSplitButtonSeparator);
        left = TRect{r.left, r.top, r.left + leftWidth, r.bottom};
        right = TRect{r.right - rightWidth, r.top, r.right, r.bottom};
        split = TRect{r.left - splitWidth / 2, r.top, r.left - splitWidth / 2 + splitWidth, r.bottom};
        column = TRect{r.right - 1, r.top, r.right, r.bottom};
        switch (APlace) {
        case bgpFirst:
            right = TRect{};
            r.left += 1;
            break;
        case bgpInner:
            left = right = TRect{};
            break;
        case bgpLast:
            left = column = TRect{};
            r.right -= 1;
            break;
        case bgpSingle:
            column = TRect{};
            r.left += 1;
            r.right -= 1;
            break;
        default:
            break;
        }
    }
    HDC dc = P->Canvas->Handle();
    auto draw = [&](const TRect& ARect, int AKindToDraw, int AState) {
        if (!uiIsRectEmpty(ARect)) ASkin->DrawBackground(dc, ARect, AKindToDraw, AState);
    };
    draw(r, AKind, state);
    draw(left, ovSkinPartButtonGroupBorderLeft, ovSkinStateNormal);
    draw(right, ovSkinPartButtonGroupBorderRight, ovSkinStateNormal);
    if (!ASplit) {
        draw(column, ovSkinPartButtonGroupSeparator, state);
    } else if (APart == 1) {
        draw(split, ovSkinPartButtonGroupSplitButtonSeparator, state);
        draw(column, ovSkinPartButtonGroupSeparator, state);
    }
}

// ---- Drawing a button

void TovBarSkinnedPainter::DrawButton(TovBarItemControlDrawParams* P, TRect R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DrawButton(P, R);
        return;
    }
    if (P->PaintType == iptMenu) {
        TovBarPainter::DrawButton(P, R);
        return;
    }
    TovBarItemControl* control = P->BarItemControl;
    HDC dc = P->Canvas->Handle();
    IovFader* fader = control->GetFader();
    if (fader == nullptr || !fader->DrawFadeStep(control, dc, R)) DrawButtonParts(P);
    if (P->PaintType == iptVertical) {
        // Turned text and glyph placement as every look lays them out on a vertical bar, over the part.
        TovBarPainter::DrawButton(P, R);
        return;
    }
    const auto* button = ButtonParams(P);
    TRect content = button != nullptr ? uiShrinkRectByMargins(R, button->Margins) : R;
    TovItemGlyphArgs glyph;
    glyph.ViewSize = P->ViewSize();
    glyph.ViewStructure = P->ViewStructure;
    glyph.PaintType = P->PaintType;
    glyph.DroppedDown = P->DroppedDown;
    glyph.Down = button != nullptr && button->Down;
    glyph.Selected = P->DrawSelected;
    glyph.NoGlyph = !P->ViewStructure.Contains(ivpGlyph);
    glyph.Border = false;
    if (P->ViewSize() == ivsLarge) {
        // The glyph above two caption lines; the arrow of a drop-down follows the last line's text.
        TRect caption{};
        CalcCaptionRect(P, caption);
        const int captionHeight = uiHeightOfRect(caption);
        glyph.Area = TRect{content.left, content.top, content.right, content.bottom - captionHeight};
        if (glyph.Area.bottom > glyph.Area.top) DrawItemGlyphRect(control, dc, glyph);
        if (P->ViewStructure.Contains(ivpCaption)) {
            const TRect text{content.left, content.bottom - 1 - captionHeight, content.right,
                             content.bottom - 1};
            DrawCaption(P, text, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS, ovCaptionCentre);
        }
        return;
    }
    glyph.Area = R;
    if (IsSplitDropDown(P))
        content.right = PartOrBounds(P, 0, content).right;
    else if (P->IsDropDown && !(button != nullptr && button->IsMainMenuItem))
        content.right -= ArrowAreaWidth(P, GetButtonArrowWidth(nullptr));
    if (P->ViewStructure.Contains(ivpGlyph)) DrawItemGlyphRect(control, dc, glyph);
    DrawButtonCaptionOnly(P, content);
    if (!P->IsDropDown || (button != nullptr && button->IsMainMenuItem)) return;
    if (IsSplitDropDown(P))
        DrawDropDownButton(P, R);
    else
        DrawButtonArrow(P, R);
}

void TovBarSkinnedPainter::DrawButtonInMenuBackground(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DrawButtonInMenuBackground(P, R);
        return;
    }
    HDC dc = P->Canvas->Handle();
    FillItemBackground(P->BarItemControl, dc, false, nullptr, R);
    if (!P->DrawSelected) return;
    if (IsSplitDropDown(P)) {
        skin->DrawBackground(dc, PartOrBounds(P, 0, R), ovSkinPartMenuItemButtonMainPart,
                             GetMenuButtonPartState(P, 0));
        skin->DrawBackground(dc, PartOrBounds(P, 1, R), ovSkinPartMenuItemButtonDropDown,
                             GetMenuButtonPartState(P, 1));
    } else {
        skin->DrawBackground(dc, PartOrBounds(P, 0, R), ovSkinPartMenuItemButton,
                             GetMenuButtonPartState(P, 0));
    }
}

// ---- Arrows

void TovBarSkinnedPainter::DrawDropDownGlyph(HDC ADC, const TRect& R, int AState) {
    if (IovSkin* skin = GetSkin())
        skin->DrawBackground(ADC, uiCentreSizeIn(R, GetMarkArrowSize()), ovSkinPartArrowDown, AState);
}

void TovBarSkinnedPainter::DrawMenuArrow(TovBarItemControlDrawParams* P, int ADirection, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) return;
    TCustomovBarControl* parent = P->BarItemControl->ParentBar();
    const double ratio = parent != nullptr ? parent->GetRatio() : 1.0;
    const int longSide = static_cast<int>(std::trunc(7 * ratio));
    const int shortSide = static_cast<int>(std::lround(4 * ratio));
    const bool right = ADirection == ovArrowRight;
    const TSize size = right ? TSize{shortSide, longSide} : TSize{longSide, shortSide};
    const TRect area = ArrowAreaOf(P, R, uiWidthOfRect(R));
    skin->DrawBackground(P->Canvas->Handle(), uiCentreSizeIn(area, size),
                         right ? ovSkinPartMenuArrowRight : ovSkinPartMenuArrowDown, ovSkinStateNormal);
}

void TovBarSkinnedPainter::DrawDropDownButtonArrow(TovBarItemControlDrawParams* P, TRect R) {
    if (!HasSkin()) {
        TovBarOffice11Painter::DrawDropDownButtonArrow(P, R);
        return;
    }
    if (P->PaintType == iptMenu) {
        DrawMenuArrow(P, ovArrowRight, R);
        return;
    }
    // A large button's arrow goes with its caption.
    if (P->ViewSize() == ivsLarge) return;
    DrawDropDownGlyph(P->Canvas->Handle(), ArrowAreaOf(P, R, GetButtonArrowWidth(nullptr)),
                      GetItemState(P, 1));
}

void TovBarSkinnedPainter::DrawDropDownButton(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DrawDropDownButton(P, R);
        return;
    }
    DrawDropDownButtonArrow(P, R);
    if (P->PaintType != iptMenu || P->ViewSize() == ivsLarge || P->DrawSelected) return;
    // An unselected split entry of a menu shows where its drop-down part begins.
    TRect area = ArrowAreaOf(P, R, GetButtonArrowWidth(nullptr));
    const int f = std::max(uiHeightOfRect(area) / GetBaseTextSize(), 1);
    const int inset = static_cast<int>(std::lround((uiHeightOfRect(area) - 14.0 * f) / 2));
    area.top += inset;
    area.bottom -= inset;
    FillRectWithColor(P->Canvas->Handle(), TRect{area.left, area.top, area.left + 1, area.bottom},
                      skin->GetPartColor(ovSkinColorMenuSplitLine, ovSkinStateNormal));
}

void TovBarSkinnedPainter::DrawButtonArrow(TovBarItemControlDrawParams* P, TRect R) {
    if (!HasSkin()) {
        TovBarOffice11Painter::DrawButtonArrow(P, R);
        return;
    }
    DrawDropDownButtonArrow(P, R);
}

// ---- Captions

std::string TovBarSkinnedPainter::GetArrowPlaceholder(TovBarItemControlDrawParams* P) {
    if (!P->IsDropDown || P->Canvas == nullptr) return {};
    const int needed = GetMarkArrowSize().cx;
    std::string dots;
    do
        dots += '.';
    while (P->Canvas->TextWidth(dots) < needed);
    return " " + dots;
}

void TovBarSkinnedPainter::CalcCaptionRect(TovBarItemControlDrawParams* P, TRect& R) {
    if (!HasSkin() || P->ViewSize() != ivsLarge || P->PaintType != iptHorizontal) {
        TovBarOffice11Painter::CalcCaptionRect(P, R);
        return;
    }
    // Two rows, however short the caption (large buttons of a row keep their glyphs level), as narrow as a
    // break at one space allows, the arrow's placeholder after the last row's text.
    TuiCanvas* canvas = P->Canvas;
    const int rowHeight = canvas->TextHeight("Wg");
    const std::string& caption = P->Caption;
    const std::string placeholder = GetArrowPlaceholder(P);
    int width = canvas->TextWidth(caption + placeholder);
    for (std::size_t space = caption.find(' '); space != std::string::npos;
         space = caption.find(' ', space + 1))
        width = std::min(width, std::max(canvas->TextWidth(caption.substr(0, space)),
                                         canvas->TextWidth(caption.substr(space + 1) + placeholder)));
    R = TRect{0, 0, width, 2 * rowHeight};
}

TovBarGlyphLayout TovBarSkinnedPainter::GetGlyphLayout(TovBarItemControlDrawParams* P) {
    // Vertical bars keep the layout their items were sized for.
    if (!HasSkin() || P->PaintType == iptVertical) return TovBarOffice11Painter::GetGlyphLayout(P);
    return P->ViewSize() == ivsLarge ? glTop : glLeft;
}

void TovBarSkinnedPainter::DrawCaption(TovBarItemControlDrawParams* P, const TRect& R, UINT AFormat,
                                       int AAlignment) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::DrawCaption(P, R, AFormat, AAlignment);
        return;
    }
    TovBarItemControl* control = P->BarItemControl;
    const TColor color = control != nullptr ? GetTextColor(control, P->DrawSelected, false)
                                            : skin->GetPartColor(ovSkinColorItemText, GetItemPartState(P, 0));
    // Text goes out in the canvas's font, whatever the DC held before.
    HDC dc = TextDC(P->Canvas);
    if (P->PaintType == iptVertical) {
        TovBarOffice11Painter::DrawCaption(P, R, AFormat, AAlignment);
        return;
    }
    if (P->ViewSize() != ivsLarge) {
        // One line, centred on the button's height.
        RECT r = R;
        const UINT align = AAlignment == ovCaptionCentre  ? DT_CENTER
                           : AAlignment == ovCaptionRight ? DT_RIGHT
                                                          : DT_LEFT;
        uiDrawText(dc, P->Caption, r, TRANSPARENT, color, -1, AFormat | align | DT_VCENTER);
        return;
    }
    TStringList lines;
    uiSplitTextToLines(P->Caption, P->Canvas, R, &lines);
    while (lines.Count() < 2)
        lines.Add("");
    const int rowHeight = P->Canvas->TextHeight("Wg");
    TRect line{R.left, R.top, R.right, R.top + rowHeight};
    const UINT format = (AFormat & ~UINT(DT_LEFT | DT_RIGHT)) | DT_CENTER | DT_SINGLELINE;
    for (int index = 0; index < lines.Count(); ++index) {
        std::string text = lines.Strings(index);
        if (index == lines.Count() - 1 && P->IsDropDown) {
            const std::string placeholder = GetArrowPlaceholder(P);
            const int textWidth = text.empty() ? 0 : P->Canvas->TextWidth(text);
            const int fullWidth = textWidth + P->Canvas->TextWidth(placeholder);
            const TRect centred = uiCentreRectHorz(line, fullWidth);
            TRect arrow = text.empty() ? line
                                       : TRect{centred.right - GetMarkArrowSize().cx, line.top, centred.right,
                                               line.bottom};
            DrawDropDownGlyph(dc, arrow, GetItemState(P, 1));
            if (!text.empty()) {
                RECT r{centred.left, line.top, centred.left + textWidth, line.bottom};
                uiDrawText(dc, text, r, TRANSPARENT, color, -1, format);
            }
        } else if (!text.empty()) {
            RECT r = line;
            uiDrawText(dc, text, r, TRANSPARENT, color, -1, format);
        }
        line = uiShiftRectVert(line, rowHeight);
    }
}

// ---- Glyphs and colours

void TovBarSkinnedPainter::PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                           const TovItemGlyphArgs& AArgs) {
    // The skin's button part is the frame; a glyph gets no border of its own.
    if (!HasSkin()) TovBarOffice11Painter::PaintGlyphFrame(AControl, ADC, R, AArgs);
}

void TovBarSkinnedPainter::DrawItemGlyphImage(TovBarItemControl* AControl, HDC ADC,
                                              const TovItemGlyphArgs& AArgs, const TRect& AGlyphRect,
                                              const TSize& AGlyphSize, TCustomImageList* AImages,
                                              int AImageIndex, TBitmap* AGlyph) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || AArgs.PaintType != iptMenu || !AArgs.Down) {
        if (skin == nullptr || !AArgs.NoGlyph)
            TovBarOffice11Painter::DrawItemGlyphImage(AControl, ADC, AArgs, AGlyphRect, AGlyphSize, AImages,
                                                      AImageIndex, AGlyph);
        return;
    }
    // A checked menu entry: the check mark instead of a missing glyph, or a frame behind the glyph.
    const TRect area = AArgs.Area;
    const int side = std::min(uiWidthOfRect(area), uiHeightOfRect(area));
    const TRect square = uiGrowRect(uiCentreRectIn(area, side, side), -1, -1);
    const int state = !AControl->GetEnabled() ? ovSkinStateDisabled
                      : AArgs.Selected        ? ovSkinStateHot
                                              : ovSkinStateNormal;
    skin->DrawBackground(ADC, square, AArgs.NoGlyph ? ovSkinPartMenuCheckMark : ovSkinPartMenuCheck, state);
    if (AArgs.NoGlyph) return;
    TovItemGlyphArgs plain = AArgs;
    plain.Down = false;
    plain.Selected = false;
    TovBarOffice11Painter::DrawItemGlyphImage(AControl, ADC, plain, AGlyphRect, AGlyphSize, AImages,
                                              AImageIndex, AGlyph);
}

TColor TovBarSkinnedPainter::GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr || AControl == nullptr || AControl->DrawParams() == nullptr)
        return TovBarOffice11Painter::GetTextColor(AControl, ASelected, AFlat);
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    const int key = params->PaintType == iptMenu ? ovSkinColorMenuText : ovSkinColorItemText;
    return skin->GetPartColor(key, GetItemPartState(params, 0));
}

void TovBarSkinnedPainter::DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected,
                                                 TColor& ATextColor, TColor& AShadowColor, bool AFlat) {
    if (!HasSkin()) {
        TovBarOffice11Painter::DisabledTextColorPair(AControl, ASelected, ATextColor, AShadowColor, AFlat);
        return;
    }
    ATextColor = GetTextColor(AControl, ASelected, AFlat);
    AShadowColor = ATextColor;
}

// ---- Pin buttons of the application menu's extra pane

void TovBarSkinnedPainter::DrawPinButtonPart(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) return;
    // A pinned entry is a checked one; its pin is hot while the mouse is on the pin part (1).
    const auto* button = ButtonParams(P);
    const bool pinned = button != nullptr && button->Down;
    const bool hot = P->DrawSelected && P->HotPartIndex == 1;
    const int state = hot ? (pinned ? ovSkinStateCheckedHot : ovSkinStateHot)
                          : (pinned ? ovSkinStateChecked : ovSkinStateNormal);
    skin->DrawBackground(P->Canvas->Handle(), R, ovSkinPartExtraPanePinButton, state);
}
