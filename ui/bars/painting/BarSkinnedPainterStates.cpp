// The skin states of item parts: which of the nine skin states a button, a part of a split button, an
// edit field, a combo or ellipsis button, a spin button or a menu entry is drawn in.
#include "ui/bars/painting/BarSkinnedPainter.h"

#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/skin/SkinPartKinds.h"

namespace skinned_states {

const TovBarButtonLikeControlDrawParams* ButtonParamsOf(const TovBarItemControlDrawParams* P) {
    return dynamic_cast<const TovBarButtonLikeControlDrawParams*>(P);
}

bool IsDown(const TovBarItemControlDrawParams* P) {
    const auto* button = ButtonParamsOf(P);
    return button != nullptr && button->Down;
}

bool IsSplit(const TovBarItemControlDrawParams* P) {
    const auto* button = ButtonParamsOf(P);
    return button != nullptr && button->Split;
}

// The hot parts that leave a spin button unlit: the field, its glyph, the inside of the item, none.
bool HotPartLeavesSpinButtons(int AHotPart) {
    return AHotPart == 1 || AHotPart == 2 || AHotPart == ovHotPartInside || AHotPart == ovNoHotPart;
}

} // namespace skinned_states
using namespace skinned_states;

int TovBarSkinnedPainter::GetItemPartState(const TovBarItemControlDrawParams* P, int APart) {
    if (APart == P->HotPartIndex && P->CanSelect) return ovSkinStateHot;
    if ((P->CanSelect && P->DrawSelected) || P->HotPartIndex != ovNoHotPart)
        return P->Enabled ? ovSkinStateHighlighted : ovSkinStateDisabledSelected;
    return P->Enabled ? ovSkinStateNormal : ovSkinStateDisabled;
}

int TovBarSkinnedPainter::GetItemState(TovBarItemControlDrawParams* P, int APart) {
    const bool down = IsDown(P);
    if (P->IsCustomizing) {
        if (down) return ovSkinStateChecked;
        return P->DroppedDown ? ovSkinStateDroppedDown : ovSkinStateNormal;
    }
    switch (APart) {
    case 0:
        if (P->IsPressed) return ovSkinStatePressed;
        if (down) {
            if (P->DroppedDown) return ovSkinStateHighlighted;
            if (P->HotPartIndex == 0 || (P->SelectedByKey && !P->IsDropDown)) return ovSkinStateCheckedHot;
            return ovSkinStateChecked;
        }
        if (P->DroppedDown)
            return P->IsDropDown && IsSplit(P) ? ovSkinStateHighlighted : ovSkinStateDroppedDown;
        return GetItemPartState(P, 0);
    case 1:
        if (P->DroppedDown) return ovSkinStateDroppedDown;
        if (down && P->HotPartIndex == ovNoHotPart && !P->SelectedByKey) return ovSkinStateChecked;
        return GetItemPartState(P, 1);
    default:
        return ovSkinStateNormal;
    }
}

int TovBarSkinnedPainter::GetEditPartState(const TovBarItemControlDrawParams* P, int APart) {
    if (P->IsCustomizing) return ovSkinStateNormal;
    const auto* edit = dynamic_cast<const TovBarEditLikeControlDrawParams*>(P);
    const bool focused = edit != nullptr && edit->Focused;
    switch (APart) {
    case 0:
        if (P->DroppedDown) return ovSkinStateDroppedDown;
        if (focused) return ovSkinStatePressed;
        return GetItemPartState(P, 0);
    case 3:
        if (P->DroppedDown) return ovSkinStateDroppedDown;
        if ((P->IsPressed && P->HotPartIndex == 3) || focused) return ovSkinStateHot;
        return GetItemPartState(P, 3);
    case 4:
        if (P->IsPressed) return ovSkinStatePressed;
        if (P->DroppedDown || focused) return ovSkinStateHot;
        return GetItemPartState(P, 4);
    default:
        return ovSkinStateNormal;
    }
}

int TovBarSkinnedPainter::GetSpinButtonState(const TovBarItemControlDrawParams* P, int APart) {
    if (P->IsCustomizing) return ovSkinStateNormal;
    const auto* spin = dynamic_cast<const TovBarSpinEditDrawParams*>(P);
    if (spin != nullptr && spin->ActiveButton == APart && P->HotPartIndex == APart)
        return ovSkinStateDroppedDown;
    const int state = GetItemPartState(P, APart);
    if (state == ovSkinStateHighlighted && HotPartLeavesSpinButtons(P->HotPartIndex))
        return ovSkinStateNormal;
    return state;
}

int TovBarSkinnedPainter::GetMenuButtonPartState(const TovBarItemControlDrawParams* P, int APart) {
    if (APart == 1 && P->DroppedDown) return ovSkinStateHot;
    if (APart == 0 && P->DrawSelected && P->ViewSize() != ivsLarge) return ovSkinStateHot;
    return GetItemPartState(P, APart);
}
