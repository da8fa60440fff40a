#include "platform/rtl/Collection.h"

#include "platform/rtl/Exceptions.h"

#include <algorithm>

namespace collection_detail {

[[noreturn]] void IndexError(int Index) {
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace collection_detail

// ---- TCollectionItem

// Joins the list without announcing: the derived part of the item does not exist yet.
TCollectionItem::TCollectionItem(TCollection* Collection) {
    if (Collection != nullptr) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection != nullptr) FCollection->RemoveItem(this);
}

void TCollectionItem::BeforeDestruction() {
    if (FCollection != nullptr) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (Value == FCollection) return;
    if (FCollection != nullptr) FCollection->RemoveItem(this);
    if (Value != nullptr) {
        Value->InsertItem(this);
        Value->Added(this);
    }
}

int TCollectionItem::Index() const {
    if (FCollection == nullptr) return -1;
    const auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    const int current = Index();
    if (current < 0 || current == Value) return;
    auto& items = FCollection->FItems;
    if (Value < 0 || Value >= static_cast<int>(items.size())) collection_detail::IndexError(Value);
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() {
    return FCollection;
}

std::string TCollectionItem::GetNamePath() {
    if (FCollection == nullptr) return ClassName();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection != nullptr && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

// ---- TCollection

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(std::move(ItemClass)) {}

TCollection::~TCollection() {
    FUpdateCount = 1; // a collection going away reports nothing
    while (!FItems.empty()) {
        TCollectionItem* item = FItems.back();
        FreeAndNil(item);
    }
}

TCollectionItem* TCollection::Add() {
    if (!FItemClass) throw EInvalidOperation("The collection has no item class");
    TCollectionItem* item = FItemClass(this);
    if (item->FCollection != this)
        item->SetCollection(this);
    else
        Added(item);
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    if (Index < 0 || Index > Count()) collection_detail::IndexError(Index);
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Added(TCollectionItem* Item) {
    if (Item == nullptr || Item->FCollection != this) return;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::Delete(int Index) {
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    FreeAndNil(item);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    try {
        while (!FItems.empty()) {
            TCollectionItem* item = FItems.back();
            FreeAndNil(item);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TCollection*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : source->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::EndUpdate() {
    if (FUpdateCount == 0) return;
    --FUpdateCount;
    Changed();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count()) collection_detail::IndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) {
    Items(Index)->Assign(Value);
}

std::string TCollection::GetNamePath() {
    TPersistent* owner = GetOwner();
    if (owner == nullptr) return ClassName();
    const std::string ownerPath = owner->GetNamePath();
    return ownerPath.empty() ? ClassName() : ownerPath + "." + ClassName();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    Notify(Item, cnExtracting);
    const auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it != FItems.end()) FItems.erase(it);
    Item->FCollection = nullptr;
    Changed();
}
