// The Office11 look of the Customize window's lists: the menus' palette, the gradient icon band at the
// left of each entry and the palette's selection frame.
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/customize/form/CustomizationFormPainterParts.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

using namespace custform_parts;

namespace {

// The palette's brushes exist only while someone holds it; a list drawn without a live manager holds
// it for the call.
class TOffice11PaletteUse {
public:
    TOffice11PaletteUse() : FHeld(Office11PaletteReferenceCount() == 0) {
        if (FHeld) ReferenceOffice11Colors();
    }
    ~TOffice11PaletteUse() {
        if (FHeld) ReleaseOffice11Palette();
    }
    TOffice11PaletteUse(const TOffice11PaletteUse&) = delete;
    TOffice11PaletteUse& operator=(const TOffice11PaletteUse&) = delete;

private:
    bool FHeld;
};

void FillIconBand(HDC ADC, const TRect& R) {
    if (R.left < R.right)
        FillDoubleGradientRect(ADC, R, Office11MenuBandColor1, Office11MenuBandColor2, true);
}

} // namespace

TColor TovBarCustomizationFormOffice11Painter::GetEntryColor(bool ASelected, TovBarItem*) const {
    return ASelected ? Office11SelectedColor : Office11MenuColor;
}

TColor TovBarCustomizationFormOffice11Painter::GetTextColor(bool ASelected) const {
    return ASelected && HighContrastIsWhite() ? clBtnFace : Office11TextColor;
}

TColor TovBarCustomizationFormOffice11Painter::GetButtonFaceColor() const {
    return Office11CheckedColor;
}

void TovBarCustomizationFormOffice11Painter::DrawButtonBackground(TCanvas* ACanvas, TovBarItem* AItem,
                                                                  bool ASelected, const TRect& AArrowRect,
                                                                  const TRect& AEntryRect,
                                                                  const TRect& AGlyphRect) const {
    FillWithCanvasBrush(ACanvas, AEntryRect, GetEntryColor(ASelected, AItem));
    if (!ASelected) FillIconBand(ACanvas->Handle(), AGlyphRect);
    if (HasDropDownPart(AItem)) DrawDropDownPart(ACanvas, AArrowRect, ASelected, AItem);
}

void TovBarCustomizationFormOffice11Painter::DrawEditCaptionText(TCanvas* ACanvas, TRect& ARect,
                                                                 bool ASelected, TovBarItem* AItem,
                                                                 const std::string& AText) const {
    TOffice11PaletteUse palette;
    const int height = ARect.bottom - ARect.top;
    ARect.right += height + 11;
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(ASelected, AItem));
    if (ASelected)
        Office11FrameSelection(ACanvas->Handle(), ARect);
    else
        FillIconBand(ACanvas->Handle(), uiMakeRect(ARect.left, ARect.top, ARect.left + height, ARect.bottom));
    TRect text = ARect;
    text.left += height + 5;
    DrawEntryText(ACanvas, text, AText, GetTextColor(ASelected));
    // Later frames of the edit box are drawn in the canvas brush: leave it in the entry colour.
    ACanvas->Brush()->SetColor(GetEntryColor(ASelected, AItem));
}

void TovBarCustomizationFormOffice11Painter::DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect,
                                                              bool ASelected, TovBarItem* AItem) const {
    TOffice11PaletteUse palette;
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(ASelected, AItem));
    if (ASelected)
        Office11FrameSelection(ACanvas->Handle(), ARect);
    else
        FrameWithColor(ACanvas->Handle(), ARect, Office11SeparatorColor1);
}

void TovBarCustomizationFormOffice11Painter::DrawEditFrame(TCanvas* ACanvas, TRect& ARect,
                                                           bool ASelected) const {
    TOffice11PaletteUse palette;
    FillWithCanvasBrush(ACanvas, ARect, clWindow);
    if (ASelected)
        Office11FrameSelection(ACanvas->Handle(), ARect);
    else
        FrameWithColor(ACanvas->Handle(), ARect, Office11CheckedColor);
    ARect = uiGrowRect(ARect, -1, -1);
}

void TovBarCustomizationFormOffice11Painter::DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem,
                                                             bool ASelected, const TRect& ARect) const {
    TOffice11PaletteUse palette;
    HDC dc = ACanvas->Handle();
    TRect r = ARect;
    r.left += 1;
    if (ASelected) {
        r = uiGrowRect(r, 1, 1);
        Office11FrameSelection(dc, r);
    } else {
        FrameWithColor(dc, r, clWindow);
        FrameWithColor(dc, uiMakeRect(r.left - 1, r.top, r.left, r.bottom), clWindow);
    }
    const TRect inside = uiGrowRect(r, -1, -1);
    FillWithCanvasBrush(ACanvas, inside, ASelected ? Office11SelectedColor : Office11CheckedColor);
    DrawComboArrow(dc, inside, ASelected && HighContrastIsWhite() ? clWhite : clBtnText);
}

void TovBarCustomizationFormOffice11Painter::DrawButtonEntry(TCanvas* ACanvas, const TRect& ARect,
                                                             bool ASelected, const std::string& ACaption,
                                                             TovBarItem* AItem) const {
    TOffice11PaletteUse palette;
    TovBarCustomizationFormFlatPainter::DrawButtonEntry(ACanvas, ARect, ASelected, ACaption, AItem);
    if (ASelected) Office11FrameSelection(ACanvas->Handle(), ARect);
}

void TovBarCustomizationFormOffice11Painter::DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect,
                                                            bool ASelected, TovBarItem* AItem) const {
    // The band (or the selection) under the picture is already there.
    DrawEntryImage(ACanvas, AGlyphRect, ASelected, AItem);
}
