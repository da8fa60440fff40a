// The flat look of the Customize window's lists: window-coloured entries, the manager's selection
// colour and highlight frames instead of raised and sunken edges.
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/customize/form/CustomizationFormPainterParts.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"

using namespace custform_parts;

TColor TovBarCustomizationFormFlatPainter::FlatSelectionColor(TovBarItem* AItem) {
    if (AItem != nullptr && AItem->BarManager() != nullptr) return AItem->BarManager()->FlatToolbarSelColor();
    // The manager's selection brush is this blend mapped to the screen's colours.
    return GetNearestScreenColor(MixLightColor(-2, 30, 72));
}

TColor TovBarCustomizationFormFlatPainter::GetEntryColor(bool ASelected, TovBarItem* AItem) const {
    return ASelected ? FlatSelectionColor(AItem) : clWindow;
}

TColor TovBarCustomizationFormFlatPainter::GetTextColor(bool ASelected) const {
    return ASelected && HighContrastIsWhite() ? clBtnFace : clBtnText;
}

TColor TovBarCustomizationFormFlatPainter::GetGlyphColor(bool ASelected, TovBarItem* AItem) const {
    return ASelected ? GetEntryColor(true, AItem) : clBtnFace;
}

void TovBarCustomizationFormFlatPainter::DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool ASelected) const {
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(false, nullptr));
    if (ASelected)
        FrameHighlightRect(ACanvas->Handle(), ARect);
    else
        FrameWithColor(ACanvas->Handle(), ARect, clBtnShadow);
    ARect = uiGrowRect(ARect, -1, -1);
}

void TovBarCustomizationFormFlatPainter::DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect, bool ASelected,
                                                             TovBarItem* AItem,
                                                             const std::string& AText) const {
    ARect.right += 11;
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(ASelected, AItem));
    if (ASelected) FrameHighlightRect(ACanvas->Handle(), ARect);
    TRect text = ARect;
    text.left += 5;
    DrawEntryText(ACanvas, text, AText, GetTextColor(ASelected));
}

void TovBarCustomizationFormFlatPainter::DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect,
                                                          bool ASelected, TovBarItem* AItem) const {
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(false, AItem));
    if (ASelected)
        FrameHighlightRect(ACanvas->Handle(), ARect);
    else
        FrameWithColor(ACanvas->Handle(), ARect, clBtnShadow);
}

void TovBarCustomizationFormFlatPainter::DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect,
                                                        bool ASelected, TovBarItem* AItem) const {
    FillWithCanvasBrush(ACanvas, AGlyphRect, GetGlyphColor(ASelected, AItem));
    DrawEntryImage(ACanvas, AGlyphRect, ASelected, AItem);
}

void TovBarCustomizationFormFlatPainter::DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                         const std::string& ACaption,
                                                         TovBarItem* AItem) const {
    TovBarCustomizationFormPainter::DrawButtonEntry(ACanvas, ARect, ASelected, ACaption, AItem);
    if (ASelected) FrameHighlightRect(ACanvas->Handle(), ARect);
}

void TovBarCustomizationFormFlatPainter::DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                                         const TRect& ARect) const {
    if (!ASelected) {
        TovBarCustomizationFormPainter::DrawComboButton(ACanvas, AItem, ASelected, ARect);
        return;
    }
    TRect r = ARect;
    r.left += 1;
    r = uiGrowRect(r, 1, 1);
    FrameHighlightRect(ACanvas->Handle(), r);
    const TRect inside = uiGrowRect(r, -1, -1);
    FillWithCanvasBrush(ACanvas, inside, FlatSelectionColor(AItem));
    DrawComboArrow(ACanvas->Handle(), inside, HighContrastIsWhite() ? clWhite : clBtnText);
}

void TovBarCustomizationFormFlatPainter::DrawFocus(TCanvas*, const TRect&, TovBarItem*) const {
    // The selection frame already marks the focused entry.
}
