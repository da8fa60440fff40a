#include "ui/core/base/SortedCollection.h"

#include <algorithm>
#include <vector>

TuiOwnedInterfacedCollection::~TuiOwnedInterfacedCollection() {
    FDestroying = true;
}

void TuiOwnedInterfacedCollection::SetKeepSorted(bool AValue) {
    if (AValue == FKeepSorted) return;
    FKeepSorted = AValue;
    if (AValue) Sort();
}

int TuiOwnedInterfacedCollection::CompareItems(TCollectionItem* AItem1, TCollectionItem* AItem2) {
    const int d = AItem1->Index() - AItem2->Index();
    return d < 0 ? -1 : (d > 0 ? 1 : 0);
}

void TuiOwnedInterfacedCollection::Sort() {
    if (UpdateCount() > 0 || FSorting) return;
    FSorting = true;
    std::vector<TCollectionItem*> items;
    for (int i = 0; i < Count(); ++i)
        items.push_back(Items(i));
    // Stable, so items that compare equal keep their order.
    std::stable_sort(items.begin(), items.end(), [this](TCollectionItem* a, TCollectionItem* b) {
        return (OnCompare ? OnCompare(this, a, b) : CompareItems(a, b)) < 0;
    });
    BeginUpdate();
    try {
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            items[static_cast<size_t>(i)]->SetIndex(i);
    } catch (...) {
        EndUpdate();
        FSorting = false;
        throw;
    }
    EndUpdate();
    FSorting = false;
}

void TuiOwnedInterfacedCollection::Update(TCollectionItem* AItem) {
    if (FInUpdate) return;
    FInUpdate = true;
    try {
        // The sort's own end of update comes back here and returns at once: listeners hear once.
        if (FKeepSorted && AItem == nullptr) Sort();
        TCollection::Update(AItem);
        if (!FDestroying && OnChange) OnChange(this, AItem);
    } catch (...) {
        FInUpdate = false;
        throw;
    }
    FInUpdate = false;
}
