#include "ui/ribbon/ribbon/RibbonContexts.h"

#include "ui/core/base/Finally.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonMergeData.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/tabs/RibbonTab.h"

// ---- Context

TovRibbonContext::TovRibbonContext(TCollection* ACollection) : TCollectionItem(ACollection) {}

TovCustomRibbon* TovRibbonContext::Ribbon() const {
    auto* contexts = static_cast<TovRibbonContexts*>(Collection());
    return contexts != nullptr ? contexts->Ribbon() : nullptr;
}

std::string TovRibbonContext::GetDisplayName() const {
    return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption;
}

void TovRibbonContext::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonContext*>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    FCaption = source->FCaption;
    FColor = source->FColor;
    FMergeOrder = source->FMergeOrder;
    FVisible = source->FVisible;
}

void TovRibbonContext::SetCaption(const std::string& AValue) {
    if (FCaption == AValue) return;
    FCaption = AValue;
    Changed(false);
}

void TovRibbonContext::SetColor(TColor AValue) {
    if (FColor == AValue) return;
    FColor = AValue;
    Changed(false);
    // The tinted groups area behind the active tab of this context is drawn again at once.
    if (TovCustomRibbon* ribbon = Ribbon())
        if (TovRibbonTab* tab = ribbon->ActiveTab(); tab != nullptr && tab->Context() == this)
            if (IovRibbonGroupsDock* dock = tab->DockControl()) dock->FullRedraw();
}

void TovRibbonContext::SetVisible(bool AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    // The visibility follows into the ribbon this context's tabs are merged into.
    if (TovRibbonTab* first = GetTab(0))
        if (TovRibbonTab* target = first->MergeData()->MergeTarget;
            target != nullptr && target->Context() != nullptr)
            target->Context()->SetVisible(AValue);
    TovCustomRibbon* ribbon = Ribbon();
    if (!AValue && ribbon != nullptr && ribbon->ActiveTab() != nullptr &&
        ribbon->ActiveTab()->Context() == this) {
        ribbon->SetActiveTab(ribbon->GetNextActiveTab(nullptr));
        return;
    }
    Changed(false);
}

void TovRibbonContext::Activate(bool AForceActivate) {
    if (GetTabCount() == 0) return;
    if (!FVisible) {
        TovCustomRibbon* ribbon = Ribbon();
        ribbon->BeginUpdate();
        TovFinally finally([ribbon] { ribbon->EndUpdate(); });
        SetVisible(true);
        GetTab(0)->SetActive(true);
    } else if (AForceActivate) {
        GetTab(0)->SetActive(true);
    }
}

TovRibbonTab* TovRibbonContext::GetTab(int AIndex) const {
    TovCustomRibbon* ribbon = Ribbon();
    if (AIndex < 0 || ribbon == nullptr || ribbon->Tabs() == nullptr) return nullptr;
    for (int i = 0; i < ribbon->Tabs()->Count(); ++i) {
        TovRibbonTab* tab = ribbon->Tabs()->Items(i);
        if (tab->Context() == this && AIndex-- == 0) return tab;
    }
    return nullptr;
}

int TovRibbonContext::GetTabCount() const {
    TovCustomRibbon* ribbon = Ribbon();
    if (ribbon == nullptr || ribbon->Tabs() == nullptr) return 0;
    int count = 0;
    for (int i = 0; i < ribbon->Tabs()->Count(); ++i)
        if (ribbon->Tabs()->Items(i)->Context() == this) ++count;
    return count;
}

// ---- Collection

TovRibbonContexts::TovRibbonContexts(TovCustomRibbon* ARibbon)
    : TOwnedCollection(ARibbon, CollectionItemClass<TovRibbonContext>()), FRibbon(ARibbon) {}

TovRibbonContexts::~TovRibbonContexts() {
    BeginUpdate(); // no notices while going
    Clear();
}

TovRibbonContext* TovRibbonContexts::GetItemSafe(int AIndex) const {
    return AIndex >= 0 && AIndex < Count() ? Items(AIndex) : nullptr;
}

void TovRibbonContexts::Notify(TCollectionItem* Item, TCollectionNotification Action) {
    TOwnedCollection::Notify(Item, Action);
    if (Action == cnExtracting && !FRibbon->IsDestroying() && FRibbon->Tabs() != nullptr)
        FRibbon->Tabs()->RemoveContext(Item);
}

void TovRibbonContexts::Update(TCollectionItem*) {
    FRibbon->Changed();
}
