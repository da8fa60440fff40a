#include "ui/core/base/ComponentCollection.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"

#include <climits>

// ---- Item

TuiComponentCollectionItem::~TuiComponentCollectionItem() {
    SetCollection(nullptr);
}

void TuiComponentCollectionItem::BeforeDestruction() {
    TComponent::BeforeDestruction();
    // Leave while the whole item still exists, so the collection's notices see a complete object.
    SetCollection(nullptr);
}

int TuiComponentCollectionItem::Index() const {
    return FOwnerCollection != nullptr
               ? FOwnerCollection->FEntries.IndexOf(const_cast<TuiComponentCollectionItem*>(this))
               : -1;
}

void TuiComponentCollectionItem::SetIndex(int AValue) {
    const int current = Index();
    if (current < 0 || current == AValue) return;
    FOwnerCollection->MoveItem(current, AValue);
    Changed(true);
}

void TuiComponentCollectionItem::SetCollection(TuiComponentCollection* AValue) {
    if (AValue == FOwnerCollection) return;
    if (FOwnerCollection != nullptr) FOwnerCollection->RemoveItem(this);
    if (AValue != nullptr) AValue->InsertItem(this);
}

TComponent* TuiComponentCollectionItem::GetParentComponent() const {
    return FOwnerCollection != nullptr ? FOwnerCollection->ParentComponent() : nullptr;
}

void TuiComponentCollectionItem::SetParentComponent(TComponent* AParent) {
    SetCollection(AParent != nullptr ? GetCollectionFromParent(AParent) : nullptr);
}

void TuiComponentCollectionItem::Changed(bool AAllItems) {
    if (ComponentState().Contains(csDestroying) || FOwnerCollection == nullptr) return;
    FOwnerCollection->Changed(AAllItems ? nullptr : this, ccnChanged);
}

// ---- Collection

TuiComponentCollection::TuiComponentCollection(TComponent* AParentComponent, const TuiClassRef* AItemClass)
    : FOwnerComponent(AParentComponent), FItemClassRef(AItemClass) {}

TuiComponentCollection::~TuiComponentCollection() {
    FUpdateLevel = 1; // no notices while going
    Clear();
}

TuiComponentCollectionItem* TuiComponentCollection::Items(int AIndex) const {
    return static_cast<TuiComponentCollectionItem*>(FEntries.Items(AIndex));
}

TuiComponentCollectionItem* TuiComponentCollection::Add() {
    TComponent* owner = FOwnerComponent != nullptr ? FOwnerComponent->Owner() : nullptr;
    auto* item = dynamic_cast<TuiComponentCollectionItem*>(FItemClassRef->Create(owner));
    if (item == nullptr)
        throw EInvalidOperation("Cannot create an item of class " + FItemClassRef->ClassName());
    try {
        item->SetParentComponent(FOwnerComponent);
        SetItemName(item);
    } catch (...) {
        item->Free();
        throw;
    }
    return item;
}

TuiComponentCollectionItem* TuiComponentCollection::Insert(int AIndex) {
    TuiComponentCollectionItem* item = Add();
    item->SetIndex(AIndex);
    return item;
}

void TuiComponentCollection::Clear() {
    if (Count() == 0) return;
    BeginUpdate();
    while (Count() > 0)
        Items(Count() - 1)->Free(); // each item leaves the collection as it goes
    EndUpdate(true);
}

void TuiComponentCollection::EndUpdate(bool AForceUpdate) {
    --FUpdateLevel;
    if (AForceUpdate) Changed(nullptr, ccnChanged);
}

void TuiComponentCollection::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiComponentCollection*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (int i = 0; i < source->Count(); ++i)
            Add()->Assign(source->Items(i));
    } catch (...) {
        EndUpdate(true);
        throw;
    }
    EndUpdate(true);
}

void TuiComponentCollection::SetItemName(TComponent* AComponent) {
    TComponent* form = nullptr;
    if (TControl* control = GetOwnerControl()) form = GetParentForm(control);
    if (form == nullptr) form = FindOuterOwnerForm(FOwnerComponent);
    // Without a form the names must still be unique where the item lives: in its owner's tree, whose
    // root is the application for everything a program makes.
    if (form == nullptr) form = GetRootOwner(FOwnerComponent);
    if (form == nullptr) form = Application();
    AComponent->SetName(uiGenerateComponentName(form, FOwnerComponent, AComponent, -1, GetItemSuffixName(),
                                                GetItemPrefixName()));
}

void TuiComponentCollection::Update(TuiComponentCollectionItem* AItem,
                                    TuiComponentCollectionNotification AAction) {
    if (OnChange) OnChange(this, AItem, AAction);
}

void TuiComponentCollection::Changed(TuiComponentCollectionItem* AItem,
                                     TuiComponentCollectionNotification AAction) {
    if (FUpdateLevel == 0) Update(AItem, AAction);
}

void TuiComponentCollection::InsertItem(TuiComponentCollectionItem* AItem) {
    if (!FItemClassRef->IsInstance(AItem)) return;
    FEntries.Add(AItem);
    AItem->FOwnerCollection = this;
    AItem->FID = FNextItemId++;
    Notify(AItem, ccnAdded);
    Changed(AItem, ccnAdded);
}

void TuiComponentCollection::RemoveItem(TuiComponentCollectionItem* AItem) {
    Notify(AItem, ccnExtracting);
    FEntries.Remove(AItem);
    AItem->FOwnerCollection = nullptr;
    Notify(AItem, ccnExtracted);
    Changed(AItem, ccnExtracted);
}

void TuiComponentCollection::MoveItem(int ACurIndex, int ANewIndex) {
    if (ANewIndex < 0) ANewIndex = 0;
    if (ANewIndex >= Count()) ANewIndex = Count() - 1;
    FEntries.Move(ACurIndex, ANewIndex);
}

// ---- Holder

TuiComponentHolder::~TuiComponentHolder() {
    if (FWatchedComponent != nullptr) FWatchedComponent->RemoveFreeNotification(this);
}

void TuiComponentHolder::SetComponent(TComponent* AValue) {
    if (AValue == FWatchedComponent) return;
    if (OnComponentChanging) OnComponentChanging(this);
    if (FWatchedComponent != nullptr) FWatchedComponent->RemoveFreeNotification(this);
    FWatchedComponent = AValue;
    if (AValue != nullptr) AValue->FreeNotification(this);
    if (OnComponentChanged) OnComponentChanged(this);
}

void TuiComponentHolder::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FWatchedComponent) SetComponent(nullptr);
}

// ---- Names

TComponent* GetRootOwner(TComponent* AComponent) {
    TComponent* root = AComponent;
    while (root != nullptr && root->Owner() != nullptr)
        root = root->Owner();
    return root;
}

TComponent* FindOuterOwnerForm(TComponent* AComponent) {
    TComponent* form = nullptr;
    for (TComponent* c = AComponent; c != nullptr; c = c->Owner())
        if (dynamic_cast<TCustomForm*>(c) != nullptr) form = c;
    return form;
}

namespace component_names_detail {
bool NameTaken(TComponent* ARoot, const std::string& AName, TComponent* AExcept) {
    for (int i = 0; i < ARoot->ComponentCount(); ++i) {
        TComponent* c = ARoot->Components(i);
        if (c != AExcept && SameText(c->Name(), AName)) return true;
        if (NameTaken(c, AName, AExcept)) return true;
    }
    return false;
}

std::string IdentifierPart(const std::string& AText) {
    std::string out;
    for (char ch : AText) {
        const auto c = static_cast<unsigned char>(ch);
        // Bytes of multi-byte characters are all >= 0x80: such a character goes whole.
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') out += ch;
    }
    return out;
}
} // namespace component_names_detail

std::string uiGenerateComponentName(TComponent* AForm, TComponent* AParentComponent, TComponent* AComponent,
                                    int AStartNumber, const std::string& ASuffix,
                                    const std::string& APrefix) {
    using namespace component_names_detail;
    TComponent* form = AForm != nullptr ? AForm : GetRootOwner(AComponent);
    if (AStartNumber < 0) AStartNumber = ASuffix.empty() ? 1 : 0;
    std::string base = IdentifierPart(ASuffix);
    const std::string className = AComponent != nullptr ? AComponent->ClassName() : std::string();
    if ((base.empty() || (base[0] >= '0' && base[0] <= '9')) && !className.empty()) {
        std::string stem;
        if (!APrefix.empty() && className.size() >= APrefix.size() &&
            SameText(className.substr(0, APrefix.size()), APrefix))
            stem = className.substr(APrefix.size());
        else
            stem = className[0] == 'T' ? className.substr(1) : className;
        base = stem + base;
    }
    const std::string head = (AParentComponent != nullptr ? AParentComponent->Name() : std::string()) + base;
    for (long long n = AStartNumber; n <= INT_MAX; ++n) {
        const std::string candidate = n > 0 ? head + std::to_string(n) : head;
        if (form == nullptr || !NameTaken(form, candidate, AComponent)) return candidate;
    }
    return head;
}
