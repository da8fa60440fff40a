#include "ui/bars/painting/BarSelectables.h"

#include "platform/rtl/List.h"
#include "platform/rtl/Object.h"
#include "ui/bars/BarSelectableItem.h"

bool SupportsSelectableItem(TObject* AObject, IovBarSelectableItem*& AItem) {
    AItem = dynamic_cast<IovBarSelectableItem*>(AObject);
    return AItem != nullptr;
}

bool HasSelectableItemInterface(TObject* AObject) {
    IovBarSelectableItem* item = nullptr;
    return SupportsSelectableItem(AObject, item);
}

IovBarSelectableItem* SelectableItemOf(TObject* AObject) {
    IovBarSelectableItem* item = nullptr;
    SupportsSelectableItem(AObject, item);
    return item;
}

void PruneSelectableItems(TList* AList) {
    if (AList == nullptr) return;
    for (int i = AList->Count() - 1; i >= 0; --i)
        if (!HasSelectableItemInterface(static_cast<TObject*>(AList->Items(i)))) AList->Delete(i);
}
