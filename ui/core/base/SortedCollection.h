// A collection kept by an owner that can sort its items on demand (and after every change of the
// whole collection while KeepSorted is set) and reports changes through OnChange.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/rtl/ObjectEvent.h"

#include <functional>

class TuiOwnedInterfacedCollection;
using TuiCollectionCompareEvent =
    std::function<int(TuiOwnedInterfacedCollection*, TCollectionItem*, TCollectionItem*)>;
using TuiCollectionChangeEvent = TEvent<TuiOwnedInterfacedCollection*, TCollectionItem*>;

class TuiOwnedInterfacedCollection : public TCollection {
public:
    TuiOwnedInterfacedCollection(TPersistent* AOwner, TCollectionItemClass AItemClass)
        : TCollection(std::move(AItemClass)), FOwner(AOwner) {}
    ~TuiOwnedInterfacedCollection() override;
    TPersistent* GetOwner() override { return FOwner; }

    bool KeepSorted() const { return FKeepSorted; }
    void SetKeepSorted(bool AValue);
    // Orders the items by OnCompare (or CompareItems); nothing while updating or already sorting.
    virtual void Sort();

    TuiCollectionCompareEvent OnCompare;
    TuiCollectionChangeEvent OnChange;

protected:
    // The base keeps the current order.
    virtual int CompareItems(TCollectionItem* AItem1, TCollectionItem* AItem2);
    void Update(TCollectionItem* AItem) override;

private:
    TPersistent* FOwner;
    bool FKeepSorted = false;
    bool FDestroying = false;
    bool FInUpdate = false;
    bool FSorting = false;
};
