#include "ui/ribbon/tabs/RibbonTab.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Control.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarStrings.h"
#include "ui/core/base/Finally.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/painters/effects/Fader.h"
#include "ui/ribbon/ribbon/DesignSelectionHelper.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonMergeData.h"
#include "ui/ribbon/ribbon/RibbonMergeHelper.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/ribbon/RibbonUpdate.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

namespace {

constexpr int GroupsScrollStep = 10;

} // namespace

// ---- Tab

TovRibbonTab::TovRibbonTab(TComponent* AOwner)
    : TuiComponentCollectionItem(AOwner), FGroups(std::make_unique<TovRibbonTabGroups>(this)),
      FMergeData(std::make_unique<TovRibbonTabMergeData>()) {}

TovRibbonTab::~TovRibbonTab() {
    // BeforeDestruction let go of everything; a plain delete of a tab still in a collection goes here.
    SetCollection(nullptr);
    FDesignSelectionHelper.reset();
    FGroups.reset();
    FDockControl.reset();
    FMergeData.reset();
}

void TovRibbonTab::BeforeDestruction() {
    if (FMergeData->MergeTarget != nullptr) FMergeData->MergeTarget->Unmerge(this);
    Unmerge(nullptr);
    SetContext(nullptr);
    FIndexAtDestruction = Index();
    if (TovFader* fader = ovFader())
        if (auto* fading = dynamic_cast<IovFadingObject*>(this)) fader->Remove(fading, true);
    // Marked destroying first: the groups that go move their toolbars to other tabs, never here.
    TComponent::Destroying();
    FGroups->Clear();
    TuiComponentCollectionItem::BeforeDestruction();
}

TuiComponentCollection* TovRibbonTab::GetCollectionFromParent(TComponent* AParent) {
    auto* ribbon = dynamic_cast<TovCustomRibbon*>(AParent);
    if (ribbon == nullptr) throw EInvalidOperation("A ribbon tab's parent must be a ribbon");
    return ribbon->Tabs();
}

TCollectionItemClass TovRibbonTab::GetGroupClass() {
    return CollectionItemClass<TovRibbonTabGroup>();
}

TovRibbonTabCollection* TovRibbonTab::Tabs() const {
    return static_cast<TovRibbonTabCollection*>(Collection());
}

void TovRibbonTab::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonTab*>(Source);
    if (source == nullptr) {
        TuiComponentCollectionItem::Assign(Source);
        return;
    }
    ovInRibbonUpdate(FRibbon, [&] {
        AssignCommonProperties(source);
        SetActive(source->Active());
        FGroups->Assign(source->Groups());
        SetVisible(source->Visible());
    });
}

void TovRibbonTab::AssignCommonProperties(TovRibbonTab* ASource) {
    ovInRibbonUpdate(FRibbon, [&] {
        SetKeyTip(ASource->KeyTip());
        SetCaption(ASource->Caption());
        SetMergeKind(ASource->MergeKind());
        SetMergeOrder(ASource->MergeOrder());
    });
}

std::string TovRibbonTab::GetDisplayName() const {
    return Name() + " - '" + FCaption + "'";
}

void TovRibbonTab::SetName(const std::string& NewName) {
    const std::string oldName = Name();
    TuiComponentCollectionItem::SetName(NewName);
    auto* ownerControl = dynamic_cast<TControl*>(Owner());
    const bool ownerLoading = ownerControl != nullptr && ownerControl->ComponentState().Contains(csLoading);
    if (!ComponentState().Contains(csLoading) && !ownerLoading && FCaption == oldName) SetCaption(NewName);
}

void TovRibbonTab::Loaded() {
    TuiComponentCollectionItem::Loaded();
    FGroups->ResolveLoadedToolbars();
}

void TovRibbonTab::Notification(TComponent* AComponent, TOperation Operation) {
    TuiComponentCollectionItem::Notification(AComponent, Operation);
    if (Operation == opRemove && FGroups) FGroups->RemoveToolbar(AComponent);
}

void TovRibbonTab::SetCaption(const std::string& AValue) {
    if (FCaption == AValue) return;
    FCaption = AValue;
    if (FRibbon != nullptr) FRibbon->Changed();
}

void TovRibbonTab::SetVisible(bool AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    if (FRibbon == nullptr) return;
    if (!AValue && FRibbon->ActiveTab() == this) FRibbon->TabVisibleChanged(this);
    FRibbon->Changed();
}

bool TovRibbonTab::Active() const {
    return FRibbon != nullptr && FRibbon->ActiveTab() == this;
}

void TovRibbonTab::SetActive(bool AValue) {
    if (AValue && FRibbon != nullptr) FRibbon->SetActiveTab(this);
}

int TovRibbonTab::VisibleIndex() const {
    if (!FVisible || Tabs() == nullptr) return -1;
    int index = 0;
    for (int i = 0; i < Tabs()->Count(); ++i) {
        TovRibbonTab* tab = Tabs()->Items(i);
        if (tab == this) return index;
        if (tab->Visible()) ++index;
    }
    return -1;
}

bool TovRibbonTab::IsVisible() const {
    return FVisible && (FContext == nullptr || FContext->Visible());
}

void TovRibbonTab::MakeVisible() {
    SetVisible(true);
    if (FRibbon != nullptr)
        if (TovRibbonViewInfo* viewInfo = ovRibbonViewInfo(FRibbon))
            viewInfo->TabsViewInfo()->MakeTabVisible(this);
}

IovBarSelectableItem* TovRibbonTab::DesignSelectionHelper() const {
    return FDesignSelectionHelper.get();
}

void TovRibbonTab::SetGroups(TovRibbonTabGroups* AValue) {
    FGroups->Assign(AValue);
}

void TovRibbonTab::SetContext(TovRibbonContext* AValue) {
    if (FContext == AValue) return;
    TovRibbonContext* previous = FContext;
    FContext = AValue;
    FLoadedContextIndex = AValue != nullptr ? AValue->Index() : -1;
    TovFinally finally([this, previous] {
        if (FRibbon == nullptr || !FRibbon->IsDestroying()) FreeContextMadeByMerging(previous);
    });
    if (FRibbon == nullptr) return;
    if (!Active() || IsVisible()) {
        FRibbon->Changed();
        if (TovRibbonTab* active = FRibbon->ActiveTab()) active->RepaintDockControl();
    } else {
        // The active tab's own context hid it.
        FRibbon->TabVisibleChanged(this);
    }
}

void TovRibbonTab::FreeContextMadeByMerging(TovRibbonContext* AContext) {
    if (AContext != nullptr && AContext->CreatedByMerging && AContext->GetTabCount() == 0) AContext->Free();
}

// ---- Stored values

int TovRibbonTab::IndexToStore() {
    FLoadedIndex = Index();
    return FLoadedIndex;
}

bool TovRibbonTab::IsContextIndexStored() {
    return FContext != nullptr;
}

int TovRibbonTab::ContextIndexToStore() {
    FLoadedContextIndex = FContext != nullptr ? FContext->Index() : -1;
    return FLoadedContextIndex;
}

// ---- Activation

void TovRibbonTab::Activate() {
    MakeVisible();
    if (FRibbon != nullptr && FRibbon->ShowTabGroups()) {
        UpdateDockControl();
        DockToolbars();
        if (FDockControl) FDockControl->SetVisible(true);
    } else {
        DockToolbars();
    }
}

void TovRibbonTab::Deactivate() {
    if (!ComponentState().Contains(csDestroying) && FDockControl) FDockControl->SetVisible(false);
}

void TovRibbonTab::DockToolbars() {
    // Without a groups row the toolbars stay where their groups put them.
    if (!FDockControl) return;
    for (int i = 0; i < FGroups->Count(); ++i)
        if (TovBar* bar = FGroups->Items(i)->ToolBar();
            bar != nullptr && bar->DockControl() != FDockControl.get())
            bar->SetDockControl(FDockControl.get());
}

void TovRibbonTab::UpdateDockControl() {
    if (FRibbon == nullptr || FRibbon->IsLocked() || !FDockControl) return;
    if (FDockControl->IsInPopup()) {
        FDockControl->UpdateInPopup();
        return;
    }
    const bool shown = FVisible && FRibbon->ShowTabGroups() && Active();
    if (shown) UpdateDockControlBounds();
    FDockControl->SetVisible(shown);
}

void TovRibbonTab::UpdateDockControlBounds() {
    if (FRibbon == nullptr || FRibbon->IsLocked() || !FDockControl) return;
    TRect bounds;
    GetDockControlBounds(bounds);
    FDockControl->CalculateLayout(bounds);
    FDockControl->SetBounds(bounds);
}

void TovRibbonTab::GetDockControlBounds(TRect& R) {
    R = {0, 0, 0, 0};
    TWinControl* site = FRibbon != nullptr ? FRibbon->GroupsDockControlSite() : nullptr;
    if (site == nullptr) return;
    R = {0, 0, site->Width(), site->Height()};
    if (IovRibbonViewInfo* viewInfo = FRibbon->ViewInfo()) {
        const TRect margins = viewInfo->GetGroupsDockControlSiteContentOffsets();
        R.left += margins.left;
        R.top += margins.top;
        R.right -= margins.right;
        R.bottom -= margins.bottom;
    }
}

void TovRibbonTab::RepaintDockControl() {
    if (FDockControl) FDockControl->RepaintAll();
}

// ---- Called by the ribbon and its parts

void TovRibbonTab::SetRibbon(TovCustomRibbon* ARibbon) {
    if (FRibbon == ARibbon) return;
    FRibbon = ARibbon;
    if (ARibbon == nullptr) return;
    FDesignSelectionHelper = std::make_unique<TovDesignSelectionHelper>(ARibbon, this, ARibbon);
    for (int i = 0; i < FGroups->Count(); ++i)
        FGroups->Items(i)->RecreateDesignSelectionHelper();
    // The groups row is the ribbon's kind of dock, made once the tab knows its ribbon.
    if (!FDockControl) FDockControl.reset(ARibbon->CreateGroupsDockControl(this));
    if (FDockControl) {
        FDockControl->SetVisible(false);
        FDockControl->SetBarManager(ARibbon->BarManager());
        FDockControl->SetParentSite(ARibbon->GroupsDockControlSite());
    }
}

void TovRibbonTab::SetBarManager(TovBarManager* AManager) {
    if (FDockControl) FDockControl->SetBarManager(AManager);
    FGroups->ResolveLoadedToolbars();
    for (int i = 0; i < FGroups->Count(); ++i)
        if (TovBar* bar = FGroups->Items(i)->ToolBar()) FGroups->Items(i)->DockToolbar(bar);
}

void TovRibbonTab::UpdateBarControlFonts() {
    if (FDockControl) FDockControl->BarControlsFontChanged();
}

void TovRibbonTab::ScrollDockControlGroups(bool ALeft) {
    if (!FDockControl || FRibbon == nullptr || FRibbon->GroupsDockControlSite() == nullptr) return;
    int width = FRibbon->GroupsDockControlSite()->Width();
    if (IovRibbonViewInfo* viewInfo = FRibbon->ViewInfo()) {
        const TRect margins = viewInfo->GetGroupsDockControlSiteContentOffsets();
        width -= margins.left + margins.right;
    }
    FDockControl->ScrollGroups(ALeft, width);
}

// ---- Merging

bool TovRibbonTab::CanMerge() {
    return FVisible && FMergeKind != rmkNone;
}

bool TovRibbonTab::IsMerged() {
    if (FMergeData->MergeTarget != nullptr || FMergeData->Children().Count() > 0) return true;
    for (int i = 0; i < FGroups->Count(); ++i)
        if (FGroups->Items(i)->IsMerged()) return true;
    return false;
}

void TovRibbonTab::Merge(TovRibbonTab* ATab, unsigned AOptions) {
    if (ATab == nullptr || ATab == this) TovRibbonMergeHelper::RaiseError(ovSBAR_RIBBONCANTMERGETAB);
    if (FRibbon == nullptr || ATab->Ribbon() == nullptr || !FRibbon->IsBarManagerValid() ||
        !ATab->Ribbon()->IsBarManagerValid())
        TovRibbonMergeHelper::RaiseError(ovSBAR_RIBBONCANTMERGEWITHOUTBARMANAGER);
    if (ATab->IsMerged()) TovRibbonMergeHelper::RaiseError(ovSBAR_RIBBONONEOFTABGROUPSALREADYMERGED);
    ovInRibbonUpdate(FRibbon, [&] {
        FMergeData->Children().Add(ATab);
        TovRibbonTabMergeData* data = ATab->MergeData();
        data->MergeTarget = this;
        data->VisibleBeforeMerging = ATab->Visible();
        ATab->SetVisible(false);
        TovRibbonTabGroups* sources = ATab->Groups();
        // A group of ATab merges into the first group here of the same kind and caption whose toolbar
        // no other tab shows.
        auto matching = [this](TovRibbonTabGroup* ASource) -> TovRibbonTabGroup* {
            for (int i = 0; i < FGroups->Count(); ++i) {
                TovRibbonTabGroup* group = FGroups->Items(i);
                if (group->MergeKind() != ASource->MergeKind() || group->Caption() != ASource->Caption())
                    continue;
                if (FRibbon->FindTabBindingToolbar(group->ToolBar(), this) != nullptr) continue;
                return group;
            }
            return nullptr;
        };
        for (int i = 0; i < sources->Count(); ++i) {
            TovRibbonTabGroup* source = sources->Items(i);
            if (!source->CanMerge() || source->MergeKind() != rmkMerge) continue;
            if (TovRibbonTabGroup* target = matching(source)) target->Merge(source, AOptions);
        }
        if ((AOptions & rmoCreateGroups) == 0) return;
        for (int i = 0; i < sources->Count(); ++i) {
            TovRibbonTabGroup* source = sources->Items(i);
            if (!source->CanMerge() || source->IsMerged()) continue;
            int position = 0;
            for (int j = 0; j < FGroups->Count(); ++j)
                if (FGroups->Items(j)->MergeOrder() <= source->MergeOrder()) position = j + 1;
            TovRibbonTabGroup* group = FGroups->Insert(position);
            group->SetCaption(source->Caption());
            group->SetMergeKind(source->MergeKind());
            group->SetMergeOrder(source->MergeOrder());
            group->Merge(source, AOptions);
        }
    });
}

void TovRibbonTab::Unmerge(TovRibbonTab* ATab) {
    if (ATab == this) TovRibbonMergeHelper::RaiseError(ovSBAR_RIBBONCANTUNMERGETAB);
    if (ATab != nullptr) {
        TovRibbonTab* target = ATab->MergeData()->MergeTarget;
        if (target == nullptr) return;
        if (target != this) TovRibbonMergeHelper::RaiseErrorFmt(ovSBAR_RIBBONTABSARENOTMERGED, this, ATab);
    }
    TuiComponentList& children = FMergeData->Children();
    if (children.Count() == 0) return;
    if (ATab != nullptr) {
        InternalUnmerge(ATab);
    } else {
        for (int i = children.Count() - 1; i >= 0; --i)
            if (i < children.Count()) InternalUnmerge(static_cast<TovRibbonTab*>(children.Items(i)));
    }
    if (Tabs() != nullptr && !ComponentState().Contains(csDestroying)) Tabs()->FreeEmptyMergedTabs();
}

bool TovRibbonTab::InternalUnmerge(TovRibbonTab* ATab) {
    if (ATab == nullptr || ATab->MergeData()->MergeTarget != this) return false;
    TovRibbonTabMergeData* data = ATab->MergeData();
    data->MergeTarget = nullptr;
    if (!ATab->ComponentState().Contains(csDestroying)) ATab->SetVisible(data->VisibleBeforeMerging);
    FMergeData->Children().Remove(ATab);
    for (int i = ATab->Groups()->Count() - 1; i >= 0; --i)
        if (i < ATab->Groups()->Count()) FGroups->UnmergeGroup(ATab->Groups()->Items(i));
    return true;
}

// ---- Collection

TovRibbonTabCollection::TovRibbonTabCollection(TovCustomRibbon* ARibbon)
    : TuiComponentCollection(ARibbon, uiClassOf<TovRibbonTab>()), FRibbon(ARibbon) {}

void TovRibbonTabCollection::Notify(TuiComponentCollectionItem* AItem,
                                    TuiComponentCollectionNotification AAction) {
    auto* tab = static_cast<TovRibbonTab*>(AItem);
    if (AAction == ccnAdded)
        FRibbon->TabAdded(tab);
    else if (AAction == ccnExtracted)
        FRibbon->TabRemoved(tab);
    TuiComponentCollection::Notify(AItem, AAction);
}

void TovRibbonTabCollection::Update(TuiComponentCollectionItem* AItem,
                                    TuiComponentCollectionNotification AAction) {
    TuiComponentCollection::Update(AItem, AAction);
    if (AItem == nullptr && !FRibbon->IsLocked()) FRibbon->Changed();
}

bool TovRibbonTabCollection::IsMerged() const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->IsMerged()) return true;
    return false;
}

void TovRibbonTabCollection::SetBarManager(TovBarManager* AManager) {
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetBarManager(AManager);
}

void TovRibbonTabCollection::BindContexts() {
    for (int i = 0; i < Count(); ++i) {
        TovRibbonTab* tab = Items(i);
        tab->SetContext(FRibbon->Contexts()->GetItemSafe(tab->LoadedContextIndex()));
    }
}

void TovRibbonTabCollection::RemoveContext(TCollectionItem* AContext) {
    BeginUpdate();
    TovFinally finally([this] { EndUpdate(true); });
    for (int i = 0; i < Count(); ++i) {
        TovRibbonTab* tab = Items(i);
        if (tab->FContext == nullptr || static_cast<TCollectionItem*>(tab->FContext) != AContext) continue;
        tab->FContext = nullptr;
        tab->FLoadedContextIndex = -1;
    }
}

void TovRibbonTabCollection::SaveContextIndexes() {
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetSavedContextIndex(Items(i)->LoadedContextIndex());
}

void TovRibbonTabCollection::RestoreContextIndexes() {
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetLoadedContextIndex(Items(i)->SavedContextIndex());
    BindContexts();
}

void TovRibbonTabCollection::RestoreOrder() {
    for (int i = 0; i < Count(); ++i)
        if (TovRibbonTab* tab = FindByLoadedIndex(i); tab != nullptr && tab->LoadedIndex() < Count())
            tab->SetIndex(tab->LoadedIndex());
}

void TovRibbonTabCollection::UnmergeTab(TovRibbonTab* ATab) {
    FRibbon->BeginUpdate();
    TovFinally finally([this] { FRibbon->EndUpdate(); });
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count()) Items(i)->InternalUnmerge(ATab);
    FreeEmptyMergedTabs();
}

void TovRibbonTabCollection::FreeEmptyMergedTabs() {
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count()) {
            TovRibbonTab* tab = Items(i);
            if (tab->MergeData()->CreatedByMerging && tab->Groups()->Count() == 0 &&
                !tab->ComponentState().Contains(csDestroying))
                tab->Free();
        }
}

TovRibbonTab* TovRibbonTabCollection::FindByLoadedIndex(int AIndex) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->LoadedIndex() == AIndex) return Items(i);
    return nullptr;
}
