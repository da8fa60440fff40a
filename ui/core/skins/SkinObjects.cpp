#include "ui/core/skins/SkinObjects.h"

#include "platform/rtl/StrUtils.h"
#include "ui/core/skins/SkinProperties.h"

#include <utility>

// ---- TovSkinChangeCollector

TovSkinChanges TovSkinChangeCollector::EndUpdate() {
    if (FLockCount > 0) --FLockCount;
    return FLockCount == 0 ? Collect(TovSkinChanges{}) : TovSkinChanges{};
}

TovSkinChanges TovSkinChangeCollector::Collect(TovSkinChanges AChanges) {
    FPending += AChanges;
    if (FLockCount > 0) return TovSkinChanges{};
    return std::exchange(FPending, TovSkinChanges{});
}

// ---- TovSkinCustomObject

void TovSkinCustomObject::SetName(const std::string& AValue) {
    if (AValue == FName) return;
    FName = AValue;
    Changed(ovSkinStructChange);
}

void TovSkinCustomObject::Changed(TovSkinChanges AChanges) {
    DoChange(AChanges);
}

void TovSkinCustomObject::DoChange(TovSkinChanges AChanges) {
    if (OnChange && !AChanges.empty()) OnChange(this, AChanges);
}

// ---- TovSkinCustomObjectList

TovSkinCustomObjectList::TovSkinCustomObjectList(TPersistent* AOwner) : TuiObjectList(true), FOwner(AOwner) {}

TovSkinCustomObjectList::TovSkinCustomObjectList(TPersistent* AOwner, TovSkinChangeNotify AOnChange)
    : TovSkinCustomObjectList(AOwner) {
    OnChange = std::move(AOnChange);
}

void TovSkinCustomObjectList::EndUpdate() {
    const TovSkinChanges changes = FChanges.EndUpdate();
    if (!changes.empty()) Changed(changes);
}

TovSkinCustomObject* TovSkinCustomObjectList::Add(const std::string& AName, TovSkinObjectClass AClass) {
    TovSkinCustomObject* item = AClass->Create(FOwner, AName);
    item->OnChange = ovSkinForwardChanges(this);
    TuiObjectList::Add(item);
    return item;
}

void TovSkinCustomObjectList::Sort() {
    TList::Sort([](void* A, void* B) {
        return AnsiCompareStr(static_cast<TovSkinCustomObject*>(A)->Name(),
                              static_cast<TovSkinCustomObject*>(B)->Name());
    });
    FSorted = true;
}

TovSkinCustomObject* TovSkinCustomObjectList::FindByName(const std::string& AName) {
    if (!FSorted) Sort();
    int low = 0, high = Count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        TovSkinCustomObject* item = Items(middle);
        const int order = AnsiCompareStr(item->Name(), AName);
        if (order < 0)
            low = middle + 1;
        else if (order > 0)
            high = middle - 1;
        else
            return item;
    }
    return nullptr;
}

void TovSkinCustomObjectList::Clear() {
    const bool hadItems = Count() > 0;
    TuiObjectList::Clear();
    if (hadItems) Changed(ovSkinStructChange);
}

void TovSkinCustomObjectList::Changed(TovSkinChanges AChanges) {
    FSorted = false;
    const TovSkinChanges changes = FChanges.Collect(AChanges);
    if (OnChange && !changes.empty()) OnChange(this, changes);
}

void TovSkinCustomObjectList::Notify(void* Ptr, TListNotification Action) {
    TuiObjectList::Notify(Ptr, Action);
    Changed(ovSkinStructChange);
}

// ---- TovSkinPersistent

TovSkinPersistent::TovSkinPersistent(TPersistent* AOwner, const std::string& AName)
    : TovSkinCustomObject(AOwner, AName),
      FProperties(std::make_unique<TovSkinProperties>(this, ovSkinForwardChanges(this))) {}

TovSkinPersistent::~TovSkinPersistent() {
    // The properties go silently: nobody hears of a change of an object that is going.
    FProperties->OnChange = nullptr;
}

void TovSkinPersistent::Assign(TPersistent* ASource) {
    ovSkinUpdate(this, [&] { DoAssign(ASource); });
}

void TovSkinPersistent::DoAssign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovSkinPersistent*>(ASource))
        FProperties->Assign(source->Properties());
    else
        TovSkinCustomObject::Assign(ASource);
}

void TovSkinPersistent::Changed(TovSkinChanges AChanges) {
    FModified = true;
    DoChange(FChanges.Collect(AChanges));
}

void TovSkinPersistent::EndUpdate() {
    const TovSkinChanges changes = FChanges.EndUpdate();
    if (!changes.empty()) Changed(changes);
}

bool TovSkinPersistent::LookupProperty(const std::string& AName, TovSkinProperty*& AProperty) {
    AProperty = FProperties->FindByName(AName);
    return AProperty != nullptr;
}

void TovSkinPersistent::Clear() {
    FProperties->Clear();
}

void TovSkinPersistent::DeleteProperty(TovSkinProperty* AProperty) {
    FProperties->RemoveAndFree(AProperty);
}

void TovSkinPersistent::Sort() {
    FProperties->Sort();
}
