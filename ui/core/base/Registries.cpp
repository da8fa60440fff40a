#include "ui/core/base/Registries.h"

#include "platform/rtl/ClassRegistry.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>

void TuiStringList::Sort() {
    if (OnCompare)
        CustomSort(OnCompare);
    else
        TStringList::Sort();
}

void TuiEventHandlerCollection::Add(const TuiEventHandler& AHandler) {
    if (IndexOf(AHandler) < 0) FHandlers.push_back(AHandler);
}

void TuiEventHandlerCollection::Remove(const TuiEventHandler& AHandler) {
    Delete(IndexOf(AHandler));
}

void TuiEventHandlerCollection::Delete(int AIndex) {
    if (AIndex < 0 || AIndex >= Count()) return;
    FHandlers.erase(FHandlers.begin() + AIndex);
}

int TuiEventHandlerCollection::IndexOf(const TuiEventHandler& AHandler) const {
    for (int i = 0; i < Count(); ++i)
        if (FHandlers[static_cast<size_t>(i)] == AHandler) return i;
    return -1;
}

void TuiEventHandlerCollection::CallEvents(TObject* ASender, void* AEventArgs) const {
    // A handler may change the collection; the ones present at the start are called.
    const std::vector<TuiEventHandler> handlers = FHandlers;
    for (const TuiEventHandler& handler : handlers)
        handler(ASender, AEventArgs);
}

// ---- TuiRegisteredClassList

TuiRegisteredClassList::~TuiRegisteredClassList() {
    Clear();
}

const TuiRegisteredClassListItemData& TuiRegisteredClassList::Items(int AIndex) const {
    return *static_cast<TuiRegisteredClassListItemData*>(FEntries.Items(AIndex));
}

bool TuiRegisteredClassList::Find(const TuiClassRef* AClass, int& AIndex) const {
    for (int i = Count() - 1; i >= 0; --i) {
        const TuiClassRef* itemClass = Items(i).ItemClass;
        if (AClass->InheritsFrom(itemClass)) {
            AIndex = i;
            return true;
        }
        if (itemClass->InheritsFrom(AClass)) AIndex = i;
    }
    return false;
}

void TuiRegisteredClassList::Register(const TuiClassRef* AItemClass, const TuiClassRef* ARegisteredClass) {
    int index = -1;
    const bool found = Find(AItemClass, index);
    auto* entry = new TuiRegisteredClassListItemData{AItemClass, ARegisteredClass};
    if (found)
        FEntries.Insert(index + 1, entry);
    else if (index >= 0)
        FEntries.Insert(index, entry);
    else
        FEntries.Add(entry);
}

void TuiRegisteredClassList::Unregister(const TuiClassRef* AItemClass, const TuiClassRef* ARegisteredClass) {
    for (int i = Count() - 1; i >= 0; --i) {
        auto* entry = static_cast<TuiRegisteredClassListItemData*>(FEntries.Items(i));
        if (entry->ItemClass == AItemClass && entry->RegisteredClass == ARegisteredClass) {
            FEntries.Delete(i);
            delete entry;
        }
    }
}

const TuiClassRef* TuiRegisteredClassList::FindClass(const TuiClassRef* AClass) const {
    int index = -1;
    return Find(AClass, index) ? Items(index).RegisteredClass : nullptr;
}

void TuiRegisteredClassList::Clear() {
    for (int i = 0; i < Count(); ++i)
        delete static_cast<TuiRegisteredClassListItemData*>(FEntries.Items(i));
    FEntries.Clear();
}

// ---- TuiRegisteredClasses

std::string ExtractDescription(const std::string& AText) {
    const auto bar = AText.find('|');
    return bar == std::string::npos ? AText : AText.substr(0, bar);
}

TuiRegisteredClasses::~TuiRegisteredClasses() = default;

void TuiRegisteredClasses::Register(const TuiClassRef* AClass, const std::string& ADescription) {
    if (IndexOf(AClass) >= 0) return;
    FEntries.push_back(Entry{ADescription, AClass});
    if (FKeepSorted) Sort();
    if (FRegistersClasses && AClass->CanCreate() && GetClass(AClass->ClassName()) == nullptr)
        RegisterClass(AClass->ClassName(), AClass->Type(),
                      [AClass](TComponent* AOwner) { return AClass->Create(AOwner); });
}

void TuiRegisteredClasses::Unregister(const TuiClassRef* AClass) {
    const int index = IndexOf(AClass);
    if (index >= 0) FEntries.erase(FEntries.begin() + index);
}

int TuiRegisteredClasses::IndexOf(const TuiClassRef* AClass) const {
    for (int i = 0; i < Count(); ++i)
        if (FEntries[static_cast<size_t>(i)].Class == AClass) return i;
    return -1;
}

const TuiClassRef* TuiRegisteredClasses::FindByClassName(const std::string& AName) const {
    for (const Entry& entry : FEntries)
        if (entry.Class->ClassName() == AName) return entry.Class;
    return nullptr;
}

std::string TuiRegisteredClasses::GetDescription(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(AIndex) + ")");
    return ExtractDescription(FEntries[static_cast<size_t>(AIndex)].Description);
}

const TuiClassRef* TuiRegisteredClasses::Items(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(AIndex) + ")");
    return FEntries[static_cast<size_t>(AIndex)].Class;
}

void TuiRegisteredClasses::Clear() {
    FEntries.clear();
}

void TuiRegisteredClasses::SetKeepSorted(bool AValue) {
    FKeepSorted = AValue;
    if (AValue) Sort();
}

int TuiRegisteredClasses::CompareItems(int AIndex1, int AIndex2) const {
    return AnsiCompareText(FEntries[static_cast<size_t>(AIndex1)].Description,
                           FEntries[static_cast<size_t>(AIndex2)].Description);
}

void TuiRegisteredClasses::Sort() {
    // Sort positions with CompareItems (which descendants may override), then reorder.
    std::vector<int> order(FEntries.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return CompareItems(a, b) < 0; });
    std::vector<Entry> sorted;
    sorted.reserve(FEntries.size());
    for (int i : order)
        sorted.push_back(FEntries[static_cast<size_t>(i)]);
    FEntries.swap(sorted);
}
