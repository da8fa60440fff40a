// What makes a tab or a tab group selectable in the designer (or the customization form): a small object
// that answers the selection interface for its item and knows the item's parent (the ribbon for a tab,
// the tab for a group). The designer is the ribbon's bar manager's, asked anew on every call; without a
// bar manager nothing is selected.
#pragma once

#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarSelectableItem.h"

#include <vector>

class TObject;
class TPersistent;
class TovCustomRibbon;

class TovCustomDesignSelectionHelper : public IovBarSelectableItem {
public:
    TovCustomDesignSelectionHelper(TovCustomRibbon* ARibbon, TPersistent* AItem, TPersistent* AParent)
        : FRibbon(ARibbon), FItem(AItem), FParent(AParent) {}

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TPersistent* Item() const { return FItem; }
    TPersistent* Parent() const { return FParent; }

    // ---- IovBarSelectableItem
    bool IsSelected() override;
    void SelectionChanged() override { Invalidate(); }
    // Selects the item (added to the selection, or alone).
    void Select(bool AAddToSelection) override;
    void Deselect() override;
    bool CanDelete(bool ADestruction) override;
    // Frees the item when it can be deleted.
    void DeleteSelection(bool ADestruction) override;
    TObject* GetSelectableParent() override;
    TovBarManager* GetBarManager() override { return nullptr; }
    void Invalidate() override {}

    // 0 without a bar manager.
    int GetSelectionStatus();
    // The parent is added to the list unless it is there.
    void GetMasterObjects(std::vector<TPersistent*>& AList);
    // The designer selects the parent alone; always true.
    bool SelectParentComponent();

private:
    TovCustomRibbon* FRibbon;
    TPersistent* FItem;
    TPersistent* FParent;
};

class TovDesignSelectionHelper : public TovCustomDesignSelectionHelper {
public:
    using TovCustomDesignSelectionHelper::TovCustomDesignSelectionHelper;
    TovBarManager* GetBarManager() override;
    // The ribbon repaints everything.
    void Invalidate() override;
};
