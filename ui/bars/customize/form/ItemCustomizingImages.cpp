// How each kind of item draws its entry in the Customize window's commands list: button-like items
// (buttons, sub-items, containers, labels) as a button entry, edits and combos as an edit entry — all
// through the look chosen for the item's manager, with the caption's accelerator marks removed.
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"

void TovBarItem::DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected) {
    ovCustomizationFormPainterFor(BarManager())
        ->DrawButtonEntry(ACanvas, ARect, ASelected, RemoveAccelChars(Caption()), this);
}

void TovBarItem::DrawCustomizingImageContent(TCanvas* ACanvas, const TRect& ARect, bool) {
    ACanvas->Brush()->SetColor(clWindow);
    ACanvas->FillRect(ARect);
}

void TovCustomBarEdit::DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected) {
    ovCustomizationFormPainterFor(BarManager())->DrawEditEntry(ACanvas, ARect, false, ASelected, this);
}

void TCustomovBarCombo::DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected) {
    ovCustomizationFormPainterFor(BarManager())->DrawEditEntry(ACanvas, ARect, true, ASelected, this);
}
