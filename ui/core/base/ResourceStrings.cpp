#include "ui/core/base/ResourceStrings.h"

#include <algorithm>

TovProductResourceStrings::TovProductResourceStrings(const std::string& AProductName,
                                                     TovRegistrationProc ARegistrationProc)
    : FProductName(AProductName), FNames(new TStringList), FRegistrationProc(std::move(ARegistrationProc)) {
    FNames->SetSorted(true);
    if (FRegistrationProc) FRegistrationProc(this);
}

TovProductResourceStrings::~TovProductResourceStrings() {
    delete FNames;
}

void TovProductResourceStrings::Add(const std::string& AIdentifier, TResStringRec* AString) {
    FNames->AddObject(AIdentifier, reinterpret_cast<TObject*>(AString));
}

TResStringRec* TovProductResourceStrings::Find(const std::string& AIdentifier) const {
    const int index = FNames->IndexOf(AIdentifier);
    return index < 0 ? nullptr : reinterpret_cast<TResStringRec*>(FNames->Objects(index));
}

TovResourceStringsRepository::TovResourceStringsRepository() : FProductList(new TObjectList(true)) {}

TovResourceStringsRepository::~TovResourceStringsRepository() {
    delete FProductList;
}

void TovResourceStringsRepository::RegisterProduct(const std::string& AProductName,
                                                   TovRegistrationProc ARegistrationProc) {
    FProductList->Add(new TovProductResourceStrings(AProductName, std::move(ARegistrationProc)));
}

void TovResourceStringsRepository::UnRegisterProduct(const std::string& AProductName) {
    const int index = IndexOfProduct(AProductName);
    if (index >= 0) FProductList->Delete(index);
}

int TovResourceStringsRepository::IndexOfProduct(const std::string& AProductName) const {
    for (int i = 0; i < FProductList->Count(); ++i)
        if (Products(i)->ProductName() == AProductName) return i;
    return -1;
}

TovProductResourceStrings* TovResourceStringsRepository::Products(int AIndex) const {
    return static_cast<TovProductResourceStrings*>(FProductList->Items(AIndex));
}

void TovResourceStringsRepository::AddListener(IovResourceStringsListener* AListener) {
    if (std::find(FListenerRefs.begin(), FListenerRefs.end(), AListener) == FListenerRefs.end())
        FListenerRefs.push_back(AListener);
}

void TovResourceStringsRepository::RemoveListener(IovResourceStringsListener* AListener) {
    const auto it = std::find(FListenerRefs.begin(), FListenerRefs.end(), AListener);
    if (it != FListenerRefs.end()) FListenerRefs.erase(it);
}

void TovResourceStringsRepository::NotifyListeners() {
    // A listener may remove itself while it is told.
    const auto listeners = FListenerRefs;
    for (IovResourceStringsListener* listener : listeners)
        if (std::find(FListenerRefs.begin(), FListenerRefs.end(), listener) != FListenerRefs.end())
            listener->ResourceStringsChanged();
}

namespace resource_strings_detail {
TovResourceStringsRepository* Instance = nullptr;
bool Finalized = false;
} // namespace resource_strings_detail

TovResourceStringsRepository* ovResourceStringsRepository() {
    using namespace resource_strings_detail;
    if (Instance == nullptr && !Finalized) Instance = new TovResourceStringsRepository;
    return Instance;
}

void ovFreeResourceStringsRepository() {
    using namespace resource_strings_detail;
    Finalized = true;
    delete Instance;
    Instance = nullptr;
}

void ovAllowResourceStringsRepository() {
    resource_strings_detail::Finalized = false;
}
