#include "platform/rtl/List.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ListSort.h"

#include <algorithm>
#include <utility>

// A descendant's Notify is gone by the time this runs; it clears its items in its own destructor.
TList::~TList() = default;

void TList::Error(const std::string& Msg, int Data) {
    std::string text = Msg;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(Data));
    throw EListError(text);
}

void TList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) Error("List index out of bounds (%d)", Index);
}

int TList::Add(void* Item) {
    FList.push_back(Item);
    if (Item != nullptr) Notify(Item, lnAdded);
    return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
    if (Index < 0 || Index > Count()) Error("List index out of bounds (%d)", Index);
    FList.insert(FList.begin() + Index, Item);
    if (Item != nullptr) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
    CheckIndex(Index);
    void* item = FList[static_cast<std::size_t>(Index)];
    FList.erase(FList.begin() + Index);
    if (item != nullptr) Notify(item, lnDeleted);
}

int TList::Remove(void* Item) {
    const int index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item) {
    const int index = IndexOf(Item);
    if (index < 0) return nullptr;
    FList.erase(FList.begin() + index);
    if (Item != nullptr) Notify(Item, lnExtracted);
    return Item;
}

void TList::Clear() {
    SetCount(0);
    FList.shrink_to_fit();
}

void TList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = FList[static_cast<std::size_t>(CurIndex)];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, item);
}

void TList::Pack() {
    FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

void TList::Sort(const TListSortCompare& Compare) {
    if (Count() < 2) return;
    list_sort::QuickSort(
        0, Count() - 1,
        [&](int a, int b) {
            return Compare(FList[static_cast<std::size_t>(a)], FList[static_cast<std::size_t>(b)]);
        },
        [&](int a, int b) {
            std::swap(FList[static_cast<std::size_t>(a)], FList[static_cast<std::size_t>(b)]);
        });
}

int TList::IndexOf(void* Item) const {
    const auto it = std::find(FList.begin(), FList.end(), Item);
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

void* TList::First() const {
    return Items(0);
}

void* TList::Last() const {
    return Items(Count() - 1);
}

TList* TList::Expand() {
    if (FList.size() == FList.capacity()) FList.reserve(FList.capacity() < 4 ? 8 : FList.capacity() * 2);
    return this;
}

void TList::SetCount(int NewCount) {
    if (NewCount < 0) Error("List count out of bounds (%d)", NewCount);
    if (NewCount > Count()) {
        FList.resize(static_cast<std::size_t>(NewCount), nullptr);
        return;
    }
    // Delete one at a time so a descendant frees each item once, and an item's destructor that looks
    // at the list sees it consistent.
    while (Count() > NewCount)
        Delete(Count() - 1);
}

void TList::SetCapacity(int NewCapacity) {
    if (NewCapacity < Count()) Error("List capacity out of bounds (%d)", NewCapacity);
    if (NewCapacity > Capacity()) FList.reserve(static_cast<std::size_t>(NewCapacity));
}

void* TList::Items(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<std::size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
    CheckIndex(Index);
    void* old = FList[static_cast<std::size_t>(Index)];
    if (old == Item) return;
    FList[static_cast<std::size_t>(Index)] = Item;
    if (old != nullptr) Notify(old, lnDeleted);
    if (Item != nullptr) Notify(Item, lnAdded);
}
