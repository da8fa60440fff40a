#include "platform/vcl/ListBoxStrings.h"

#include <algorithm>

void TListBoxStrings::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
}

void TListBoxStrings::Changed(int Index, int Inserted) {
    if (FUpdating) {
        FChangedWhileUpdating = true;
        return;
    }
    if (OnItemsChanged) OnItemsChanged(Index, Inserted);
}

void TListBoxStrings::SetUpdateState(bool Updating) {
    FUpdating = Updating;
    if (!Updating && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        Changed(0, 0);
    }
}

std::string TListBoxStrings::Get(int Index) const {
    CheckIndex(Index);
    return FItems[Index].Text;
}

TObject* TListBoxStrings::GetObject(int Index) const {
    CheckIndex(Index);
    return FItems[Index].Object;
}

void TListBoxStrings::Put(int Index, const std::string& S) {
    CheckIndex(Index);
    FItems[Index].Text = S;
    Changed(Index, 0);
}

void TListBoxStrings::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    FItems[Index].Object = AObject;
}

int TListBoxStrings::Add(const std::string& S) {
    int index = GetCount();
    if (FSorted) {
        // After equal strings, so that items added in order stay in that order.
        auto it = std::upper_bound(
            FItems.begin(), FItems.end(), S,
            [this](const std::string& s, const TItem& item) { return CompareStrings(s, item.Text) < 0; });
        index = static_cast<int>(it - FItems.begin());
    }
    FItems.insert(FItems.begin() + index, TItem{S, nullptr, false});
    Changed(index, 1);
    return index;
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > GetCount()) IndexError(Index);
    FItems.insert(FItems.begin() + Index, TItem{S, nullptr, false});
    Changed(Index, 1);
}

void TListBoxStrings::Delete(int Index) {
    CheckIndex(Index);
    FItems.erase(FItems.begin() + Index);
    Changed(Index, -1);
}

void TListBoxStrings::Clear() {
    if (FItems.empty()) return;
    const int count = GetCount();
    FItems.clear();
    Changed(0, -count);
}

void TListBoxStrings::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FItems[Index1], FItems[Index2]);
    Changed(std::min(Index1, Index2), 0);
}

void TListBoxStrings::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (!Value) return;
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
    Changed(0, 0);
}

bool TListBoxStrings::ItemSelected(int Index) const {
    CheckIndex(Index);
    return FItems[Index].Selected;
}

void TListBoxStrings::SetItemSelected(int Index, bool Value) {
    CheckIndex(Index);
    FItems[Index].Selected = Value;
}

int TListBoxStrings::SelectedCount() const {
    return static_cast<int>(
        std::count_if(FItems.begin(), FItems.end(), [](const TItem& i) { return i.Selected; }));
}
