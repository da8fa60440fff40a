#include "source/interim/InterimRecentLists.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "source/RecentFilesFile.h"

int TInterimPaneItems::IndexOfText(const std::string& Text) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Text() == Text) return static_cast<int>(i);
    return -1;
}

IRecentPaneItem& TInterimPaneItems::Insert(int Index) {
    if (Index < 0 || Index > Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    auto item = std::make_unique<TItem>(*this);
    TItem& inserted = *item;
    FItems.insert(FItems.begin() + Index, std::move(item));
    Changed();
    return inserted;
}

IRecentPaneItem& TInterimPaneItems::GetItem(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return *FItems[static_cast<std::size_t>(Index)];
}

void TInterimPaneItems::Delete(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    FItems.erase(FItems.begin() + Index);
    Changed();
}

void TInterimPaneItems::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

void TInterimPaneItems::Changed() {
    if (OnChange) OnChange();
}

void TInterimPaneItems::TItem::SetText(const std::string& Value) {
    if (Value == FText) return;
    FText = Value;
    FOwner.Changed();
}

int TInterimRecentFilesList::IndexOf(const std::string& Text) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (AnsiSameText(FItems[i], Text)) return static_cast<int>(i);
    return -1;
}

void TInterimRecentFilesList::AddItem(const std::string& Text) {
    const int index = IndexOf(Text);
    if (index >= 0) {
        std::string entry = std::move(FItems[static_cast<std::size_t>(index)]);
        FItems.erase(FItems.begin() + index);
        FItems.insert(FItems.begin(), std::move(entry));
    } else {
        FItems.insert(FItems.begin(), Text);
        if (static_cast<int>(FItems.size()) > MaxItemCount)
            FItems.resize(static_cast<std::size_t>(MaxItemCount));
    }
    Changed();
}

void TInterimRecentFilesList::RemoveItem(const std::string& Text) {
    const int index = IndexOf(Text);
    if (index < 0) return;
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TInterimRecentFilesList::Clear() {
    FItems.clear();
    Changed();
}

void TInterimRecentFilesList::LoadFromFile(const std::string& Path) {
    FItems = ReadRecentFilesFile(Path);
    Changed();
}

void TInterimRecentFilesList::SaveToFile(const std::string& Path) const {
    WriteRecentFilesFile(Path, FItems);
}

void TInterimRecentFilesList::Changed() {
    if (OnChange) OnChange();
}
