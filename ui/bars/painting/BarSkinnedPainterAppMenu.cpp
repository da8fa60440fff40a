// The application menu and its extra pane in the skinned look: the command buttons on the skin's
// application-menu button part, their text colours, the content and button offsets, the pane's
// separators, text colours and pin buttons.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/BarItemControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace skinned_app_menu {

// Disabled, else selected, else normal: the states application-menu and pane entries are coloured by.
int EntryState(bool AEnabled, bool ASelected) {
    if (!AEnabled) return ovSkinStateDisabled;
    return ASelected ? ovSkinStateHot : ovSkinStateNormal;
}

} // namespace skinned_app_menu

void TovBarSkinnedPainter::ApplicationMenuGetButtonsOffsets(TRect& R) {
    if (IovSkin* skin = GetSkin())
        R = skin->GetContentOffsets(ovSkinPartApplicationMenuButton);
    else
        TovBarOffice11Painter::ApplicationMenuGetButtonsOffsets(R);
}

void TovBarSkinnedPainter::ApplicationMenuGetContentOffsets(TRect& R) {
    if (IovSkin* skin = GetSkin())
        R = skin->GetContentOffsets(ovSkinPartApplicationMenuContent);
    else
        TovBarOffice11Painter::ApplicationMenuGetContentOffsets(R);
}

void TovBarSkinnedPainter::ApplicationMenuDrawButton(TovBarItemControlDrawParams* P, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::ApplicationMenuDrawButton(P, R);
        return;
    }
    TovBarItemControl* control = P->BarItemControl;
    HDC dc = P->Canvas->Handle();
    FillItemBackground(control, dc, false, nullptr, R);
    skin->DrawBackground(dc, R, ovSkinPartApplicationMenuButton,
                         P->DrawSelected ? ovSkinStateHot : ovSkinStateNormal);
    // A button wider than its content keeps the content in the middle.
    TRect content = R;
    const auto* button = dynamic_cast<const TovBarApplicationMenuButtonControlDrawParams*>(P);
    if (button != nullptr && button->NaturalWidth > 0)
        content.left += std::max(0, (uiWidthOfRect(R) - button->NaturalWidth) / 2);
    TovItemGlyphArgs glyph;
    glyph.Area = content;
    glyph.ViewSize = P->ViewSize();
    glyph.ViewStructure = P->ViewStructure;
    glyph.PaintType = P->PaintType;
    glyph.Selected = P->DrawSelected;
    glyph.NoGlyph = !P->ViewStructure.Contains(ivpGlyph);
    glyph.Border = false;
    if (!glyph.NoGlyph) DrawItemGlyphRect(control, dc, glyph);
    DrawButtonCaptionOnly(P, content);
}

TColor TovBarSkinnedPainter::ApplicationMenuGetButtonTextColor(bool AEnabled, bool ASelected) {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorApplicationMenuButtonText,
                                  skinned_app_menu::EntryState(AEnabled, ASelected));
    return TovBarOffice11Painter::ApplicationMenuGetButtonTextColor(AEnabled, ASelected);
}

void TovBarSkinnedPainter::ExtraPaneDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    IovSkin* skin = GetSkin();
    if (skin == nullptr) {
        TovBarOffice11Painter::ExtraPaneDrawSeparator(ABarControl, ADC, R);
        return;
    }
    const bool horizontal = uiWidthOfRect(R) >= uiHeightOfRect(R);
    skin->DrawBackground(ADC, R, horizontal ? ovSkinPartItemSeparatorHorz : ovSkinPartItemSeparatorVert,
                         ovSkinStateNormal);
}

TColor TovBarSkinnedPainter::ExtraPaneGetItemTextColor(bool AEnabled, bool ASelected) {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorExtraPaneItemText,
                                  skinned_app_menu::EntryState(AEnabled, ASelected));
    return TovBarOffice11Painter::ExtraPaneGetItemTextColor(AEnabled, ASelected);
}

TColor TovBarSkinnedPainter::ExtraPaneGetHeaderTextColor() {
    if (IovSkin* skin = GetSkin())
        return skin->GetPartColor(ovSkinColorExtraPaneHeaderText, ovSkinStateNormal);
    return TovBarOffice11Painter::ExtraPaneGetHeaderTextColor();
}

int TovBarSkinnedPainter::ExtraPaneGetPinButtonWidth() {
    if (IovSkin* skin = GetSkin()) return skin->GetPartSize(ovSkinPartExtraPanePinButton);
    return TovBarOffice11Painter::ExtraPaneGetPinButtonWidth();
}
