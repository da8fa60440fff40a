#include "ui/ribbon/ribbon/DesignSelectionHelper.h"

#include "ui/bars/BarManager.h"
#include "ui/ribbon/ribbon/Ribbon.h"

#include <algorithm>

bool TovCustomDesignSelectionHelper::IsSelected() {
    return GetSelectionStatus() == 1;
}

int TovCustomDesignSelectionHelper::GetSelectionStatus() {
    TovBarManager* manager = GetBarManager();
    return manager != nullptr ? manager->DesignerSelectionStatus(FItem) : 0;
}

void TovCustomDesignSelectionHelper::Select(bool AAddToSelection) {
    if (TovBarManager* manager = GetBarManager())
        manager->DesignerSelect(FItem, AAddToSelection ? bsoAdd : bsoExclusive);
}

void TovCustomDesignSelectionHelper::Deselect() {
    if (TovBarManager* manager = GetBarManager()) manager->DesignerSelect(FItem, bsoRemove);
}

bool TovCustomDesignSelectionHelper::CanDelete(bool) {
    auto* component = dynamic_cast<TComponent*>(FItem);
    TovBarManager* manager = GetBarManager();
    if (component == nullptr || manager == nullptr) return true;
    return manager->DesignerCanDelete(component);
}

void TovCustomDesignSelectionHelper::DeleteSelection(bool ADestruction) {
    if (!CanDelete(ADestruction)) return;
    TPersistent* item = FItem;
    // The helper belongs to the item and goes with it: nothing of it is touched afterwards.
    item->Free();
}

TObject* TovCustomDesignSelectionHelper::GetSelectableParent() {
    return FParent;
}

void TovCustomDesignSelectionHelper::GetMasterObjects(std::vector<TPersistent*>& AList) {
    if (FParent != nullptr && std::find(AList.begin(), AList.end(), FParent) == AList.end())
        AList.push_back(FParent);
}

bool TovCustomDesignSelectionHelper::SelectParentComponent() {
    if (TovBarManager* manager = GetBarManager()) manager->DesignerSelect(FParent, bsoExclusive);
    return true;
}

TovBarManager* TovDesignSelectionHelper::GetBarManager() {
    return Ribbon() != nullptr ? Ribbon()->BarManager() : nullptr;
}

void TovDesignSelectionHelper::Invalidate() {
    if (Ribbon() != nullptr) Ribbon()->FullInvalidate();
}
