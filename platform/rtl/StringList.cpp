#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/ListSort.h"
#include "platform/rtl/StrUtils.h"

#include <utility>

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (TStringItem& item : FList)
            FreeAndNil(item.FObject);
}

int TStringList::Add(const std::string& S) {
    return AddObject(S, nullptr);
}

int TStringList::AddObject(const std::string& S, TObject* AObject) {
    int index;
    if (!FSorted) {
        index = GetCount();
    } else if (Find(S, index)) {
        switch (FDuplicates) {
        case dupIgnore:
            return index;
        case dupError:
            Error("String list does not allow duplicates", 0);
        case dupAccept:
            break;
        }
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Changed() {
    if (UpdateCount() == 0) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0) OnChanging(this);
}

void TStringList::Clear() {
    if (FList.empty()) return;
    Changing();
    std::vector<TStringItem> doomed;
    doomed.swap(FList);
    if (FOwnsObjects)
        for (TStringItem& item : doomed)
            FreeAndNil(item.FObject);
    Changed();
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    TObject* object = FList[static_cast<std::size_t>(Index)].FObject;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects) FreeAndNil(object);
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    CheckUnsorted();
    Changing();
    std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
    Changed();
}

void TStringList::Insert(int Index, const std::string& S) {
    InsertObject(Index, S, nullptr);
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
    CheckUnsorted();
    if (Index < 0 || Index > GetCount()) IndexError(Index);
    InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
    Changing();
    FList.insert(FList.begin() + Index, TStringItem{S, AObject});
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    CheckUnsorted();
    Changing();
    TStringItem item = std::move(FList[static_cast<std::size_t>(CurIndex)]);
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, std::move(item));
    Changed();
}

TObject* TStringList::ExtractObject(int Index) {
    CheckIndex(Index);
    Changing();
    TObject* object = FList[static_cast<std::size_t>(Index)].FObject;
    FList.erase(FList.begin() + Index);
    Changed();
    return object;
}

bool TStringList::Find(const std::string& S, int& Index) const {
    if (!FSorted) {
        Index = TStrings::IndexOf(S);
        if (Index >= 0) return true;
        Index = GetCount();
        return false;
    }
    bool found = false;
    int low = 0, high = GetCount() - 1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const int c = CompareStrings(FList[static_cast<std::size_t>(mid)].FString, S);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept) low = mid;
            }
        }
    }
    Index = low;
    return found;
}

int TStringList::IndexOf(const std::string& S) const {
    if (!FSorted) return TStrings::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

void TStringList::Sort() {
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->FList[static_cast<std::size_t>(a)].FString,
                                    list->FList[static_cast<std::size_t>(b)].FString);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
    if (FSorted || GetCount() <= 1) return;
    Changing();
    list_sort::QuickSort(
        0, GetCount() - 1, [&](int a, int b) { return Compare(this, a, b); },
        [&](int a, int b) {
            std::swap(FList[static_cast<std::size_t>(a)], FList[static_cast<std::size_t>(b)]);
        });
    Changed();
}

void TStringList::SetCapacity(int NewCapacity) {
    if (NewCapacity < GetCount()) Error("List capacity out of bounds (%d)", NewCapacity);
    FList.reserve(static_cast<std::size_t>(NewCapacity));
}

void TStringList::SetSorted(bool Value) {
    if (FSorted == Value) return;
    if (Value) Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (FCaseSensitive == Value) return;
    FCaseSensitive = Value;
    if (FSorted) {
        FSorted = false;
        Sort();
        FSorted = true;
    }
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const {
    if (!FCaseSensitive) return TStrings::CompareStrings(S1, S2);
    return AnsiCompareStr(S1, S2);
}

std::string TStringList::Get(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<std::size_t>(Index)].FString;
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<std::size_t>(Index)].FObject;
}

void TStringList::Put(int Index, const std::string& S) {
    CheckUnsorted();
    CheckIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].FString = S;
    Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].FObject = AObject;
    Changed();
}

void TStringList::SetUpdateState(bool Updating) {
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
}

void TStringList::CheckUnsorted() const {
    if (FSorted) Error("Operation not allowed on sorted list", 0);
}
