#include "ui/bars/BarLabels.h"

#include "ui/bars/BarStrings.h"

TovBarLabel::TovBarLabel(TComponent* AOwner) : TovBarItem(AOwner) {
    SetShowCaption(true);
}

bool TovBarSeparator::CanBePlacedOn(TovBarPlacement AKind, TovBar*, std::string& AErrorText) {
    if (AKind == bpMenu) {
        AErrorText.clear();
        return true;
    }
    AErrorText = uiGetResourceString(ovSBAR_CANTPLACESEPARATOR);
    return false;
}

std::string TovBarSeparator::GetDefaultCaption() const {
    return uiGetResourceString(ovSBAR_NEWSEPARATORCAPTION);
}

TovBarCustomizationActions TovBarSeparator::GetSupportedActions() const {
    return TovBarLabel::GetSupportedActions() - bcaMostRecentlyUsed;
}
