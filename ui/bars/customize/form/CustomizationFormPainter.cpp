// The base look of the Customize window's lists (the classic one: system colours, raised and sunken
// edges) and the choice of a look for a manager.
#include "ui/bars/customize/form/CustomizationFormPainter.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/form/CustomizationFormPainterParts.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/bars/painting/BarOffice11Painter.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/painters/office11/Office11Colors.h"

#include <typeinfo>

using namespace custform_parts;

namespace {

// The arrow part a drop-down button's entry keeps at its right.
constexpr int DropDownPartWidth = 13;
// Space between the glyph square and the caption.
constexpr int TextIndent = 5;

} // namespace

// 1
void TovBarCustomizationFormPainter::DrawEditCaption(TCanvas* ACanvas, TRect& ARect, bool ASelected,
                                                     TovBarItem* AItem) const {
    const std::string text = AItem != nullptr ? RemoveAccelChars(AItem->Caption()) : std::string();
    TRect part = ARect;
    part.right = part.left + ACanvas->TextWidth(text);
    DrawEditCaptionText(ACanvas, part, ASelected, AItem, text);
    ARect.left = part.right;
}

// 2
void TovBarCustomizationFormPainter::DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const {
    if (ASelected) {
        RECT r = ARect;
        DrawEdge(ACanvas->Handle(), &r, BDR_SUNKENOUTER, BF_RECT);
    } else {
        ACanvas->FrameRect(ARect);
    }
    ARect = uiGrowRect(ARect, -1, -1);
    // The ring in the caption's fill keeps the edit box one pixel away from its edge.
    ACanvas->FrameRect(ARect);
    ARect = uiGrowRect(ARect, -1, -1);
}

// 3
void TovBarCustomizationFormPainter::DrawEditContent(TCanvas* ACanvas, const TRect& ARect, bool AIsCombo,
                                                     bool ASelected, TovBarItem* AItem) const {
    TRect interior = ARect;
    if (AIsCombo) {
        TRect button = ARect;
        button.left = std::max(ARect.left, ARect.right - GetComboButtonWidth());
        interior.right = button.left;
        DrawComboButton(ACanvas, AItem, ASelected, button);
    }
    if (interior.left < interior.right) DrawEditInterior(ACanvas, interior, ASelected, AItem);
}

// 4
void TovBarCustomizationFormPainter::DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect, bool ASelected,
                                                         TovBarItem* AItem, const std::string& AText) const {
    ARect.right += 7;
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(ASelected, AItem));
    TRect text = ARect;
    text.left += 2;
    DrawEntryText(ACanvas, text, AText, GetTextColor(ASelected));
}

// 5
void TovBarCustomizationFormPainter::DrawEditInterior(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                      TovBarItem* AItem) const {
    ACanvas->Font()->SetColor(GetTextColor(false));
    if (AItem != nullptr) AItem->DrawCustomizingImageContent(ACanvas, ARect, ASelected);
}

// 6
void TovBarCustomizationFormPainter::CalcButtonRects(TovBarItem* AItem, const TRect& ARect, TRect& AArrowRect,
                                                     TRect& ATextRect, TRect& AGlyphRect) const {
    AGlyphRect = ARect;
    AGlyphRect.right = std::min(ARect.right, ARect.left + (ARect.bottom - ARect.top));
    ATextRect = ARect;
    ATextRect.left = std::min(ARect.right, AGlyphRect.right + TextIndent);
    // Without a drop-down part the arrow part is empty at the entry's right edge (where a sub-menu
    // arrow is placed from).
    AArrowRect = ARect;
    AArrowRect.left = ARect.right;
    if (HasDropDownPart(AItem)) {
        ATextRect.right = std::max(ATextRect.left, ARect.right - DropDownPartWidth);
        AArrowRect.left = ATextRect.right;
    }
}

// 7
void TovBarCustomizationFormPainter::DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                      TovBarItem* AItem) const {
    RECT r = ARect;
    DrawEdge(ACanvas->Handle(), &r, ASelected ? BDR_RAISEDINNER : EDGE_ETCHED,
             (ASelected ? BF_RECT : BF_LEFT) | BF_ADJUST);
    FillWithCanvasBrush(ACanvas, r, GetEntryColor(false, AItem));
}

// 8
void TovBarCustomizationFormPainter::DrawButtonBackground(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                                          const TRect& AArrowRect, const TRect& AEntryRect,
                                                          const TRect& AGlyphRect) const {
    FillWithCanvasBrush(ACanvas, AEntryRect, GetEntryColor(ASelected, AItem));
    // A picture sits on the plain face (raised when selected); an empty square shares the selection.
    FillWithCanvasBrush(ACanvas, AGlyphRect, GetGlyphColor(ASelected && !EntryHasImage(AItem), AItem));
    if (HasDropDownPart(AItem)) DrawDropDownPart(ACanvas, AArrowRect, ASelected, AItem);
}

// 9
void TovBarCustomizationFormPainter::DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected,
                                                    TovBarItem* AItem) const {
    if (ASelected) {
        RECT r = AGlyphRect;
        DrawEdge(ACanvas->Handle(), &r, BDR_RAISEDINNER, BF_RECT);
    }
    DrawEntryImage(ACanvas, AGlyphRect, ASelected, AItem);
}

// 10
void TovBarCustomizationFormPainter::DrawSubItemArrow(TCanvas* ACanvas, int X, bool ASelected, int Y) const {
    const TColor color = ASelected && HighContrastIsWhite() ? clWhite : ACanvas->Font()->Color();
    HDC dc = ACanvas->Handle();
    const POINT points[3] = {{X, Y}, {X, Y + 6}, {X + 3, Y + 3}};
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(color));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

// 11
void TovBarCustomizationFormPainter::DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                     const std::string& ACaption, TovBarItem* AItem) const {
    TRect arrowRect, textRect, glyphRect;
    CalcButtonRects(AItem, ARect, arrowRect, textRect, glyphRect);
    DrawButtonBackground(ACanvas, AItem, ASelected, arrowRect, ARect, glyphRect);
    if (EntryHasImage(AItem)) DrawEntryGlyph(ACanvas, glyphRect, ASelected, AItem);

    std::string caption = ACaption;
    bool arrow = HasDropDownPart(AItem);
    if (auto* container = dynamic_cast<TCustomovBarContainerItem*>(AItem)) {
        // A container stands for the links it puts in its place, not for a menu of its own.
        if (container->FirstLinkBeginsGroup())
            caption = "(" + caption + ")";
        else
            arrow = true;
    } else if (dynamic_cast<TCustomovBarSubItem*>(AItem) != nullptr) {
        arrow = true;
    }
    DrawEntryText(ACanvas, textRect, caption, GetTextColor(ASelected));
    if (arrow) {
        // The arrow of a drop-down part stands on that part's own (unselected) fill.
        const bool onPart = HasDropDownPart(AItem);
        ACanvas->Font()->SetColor(GetTextColor(ASelected && !onPart));
        DrawSubItemArrow(ACanvas, arrowRect.right - 9, ASelected, ARect.top + (GetEntryHeight() - 7) / 2);
    }
}

// 12
void TovBarCustomizationFormPainter::DrawCheckBox(TCanvas* ACanvas, const TRect& ARect, bool AEnabled,
                                                  bool AChecked) const {
    RECT r = uiGrowRect(ARect, -1, -1);
    UINT state = DFCS_BUTTONCHECK;
    if (AChecked) state |= DFCS_CHECKED;
    if (!AEnabled) state |= DFCS_INACTIVE;
    DrawFrameControl(ACanvas->Handle(), &r, DFC_BUTTON, state);
}

// 13
void TovBarCustomizationFormPainter::DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                                     const TRect& ARect) const {
    HDC dc = ACanvas->Handle();
    TRect r = ARect;
    r.left += 1;
    if (ASelected) {
        RECT edge = r;
        DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
    } else {
        FrameWithColor(dc, r, clBtnHighlight);
        FrameWithColor(dc, uiMakeRect(r.left - 1, r.top, r.left, r.bottom), clBtnShadow);
    }
    const TRect inside = uiGrowRect(r, -1, -1);
    FillWithCanvasBrush(ACanvas, inside, GetEntryColor(false, AItem));
    DrawComboArrow(dc, inside, clBtnText);
}

// 14
void TovBarCustomizationFormPainter::DrawEditEntry(TCanvas* ACanvas, const TRect& ARect, bool AIsCombo,
                                                   bool ASelected, TovBarItem* AItem) const {
    TRect r = ARect;
    DrawEditCaption(ACanvas, r, ASelected, AItem);
    if (r.left >= r.right) return;
    DrawEditFrame(ACanvas, r, ASelected);
    if (r.left >= r.right) return;
    DrawEditContent(ACanvas, r, AIsCombo, ASelected, AItem);
}

// 15
void TovBarCustomizationFormPainter::DrawFocus(TCanvas* ACanvas, const TRect& ARect,
                                               TovBarItem* AItem) const {
    HDC dc = ACanvas->Handle();
    const COLORREF oldText = SetTextColor(dc, ColorToRGB(GetTextColor(true)));
    const COLORREF oldBack = SetBkColor(dc, ColorToRGB(GetEntryColor(true, AItem)));
    RECT r = ARect;
    DrawFocusRect(dc, &r);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

// 16 - 21
TColor TovBarCustomizationFormPainter::GetEntryColor(bool ASelected, TovBarItem*) const {
    return ASelected ? clHighlight : clBtnFace;
}

TColor TovBarCustomizationFormPainter::GetTextColor(bool ASelected) const {
    return ASelected ? clHighlightText : clBtnText;
}

TColor TovBarCustomizationFormPainter::GetButtonFaceColor() const {
    return clBtnFace;
}

TColor TovBarCustomizationFormPainter::GetGlyphColor(bool ASelected, TovBarItem* AItem) const {
    return GetEntryColor(ASelected, AItem);
}

int TovBarCustomizationFormPainter::GetEntryHeight() const {
    return 22;
}

int TovBarCustomizationFormPainter::GetComboButtonWidth() const {
    return 12;
}

// ---- Standard

void TovBarCustomizationFormStandardPainter::DrawFocus(TCanvas* ACanvas, const TRect& ARect,
                                                       TovBarItem* AItem) const {
    TovBarCustomizationFormPainter::DrawFocus(ACanvas, uiGrowRect(ARect, -2, -2), AItem);
}

// ---- The looks and the choice

const TovBarCustomizationFormPainter* ovCustomizationFormStandardPainter() {
    static const TovBarCustomizationFormStandardPainter painter;
    return &painter;
}

const TovBarCustomizationFormPainter* ovCustomizationFormFlatPainter() {
    static const TovBarCustomizationFormFlatPainter painter;
    return &painter;
}

const TovBarCustomizationFormPainter* ovCustomizationFormOffice11Painter() {
    static const TovBarCustomizationFormOffice11Painter painter;
    return &painter;
}

const TovBarCustomizationFormPainter* ovCustomizationFormXPPainter() {
    static const TovBarCustomizationFormXPPainter painter;
    return &painter;
}

const TovBarCustomizationFormPainter* ovCustomizationFormPainterFor(TovBarManager* AManager) {
    TovBarPainter* painter = AManager != nullptr ? AManager->DefaultPainter() : nullptr;
    if (painter == nullptr) return ovCustomizationFormStandardPainter();
    // The exact class decides: the skinned painter descends from the Office11 one but draws its own
    // elements, so its lists keep the Standard look.
    const std::type_info& type = typeid(*painter);
    if (type == typeid(TovBarFlatPainter)) return ovCustomizationFormFlatPainter();
    if (type == typeid(TovBarOffice11Painter)) return ovCustomizationFormOffice11Painter();
    if (type == typeid(TovBarXPPainter)) return ovCustomizationFormXPPainter();
    return ovCustomizationFormStandardPainter();
}
