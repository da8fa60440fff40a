#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/DesignSelectionHelper.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonMergeData.h"
#include "ui/ribbon/ribbon/RibbonMergeHelper.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/tabs/RibbonTab.h"

const char* const ovRibbonToolbarIsQuickAccessToolbarText =
    "This toolbar is already used as the QuickAccessToolbar";
const char* const ovRibbonTabAlreadyHasToolbarText =
    "At least one group in this tab already contains this toolbar";

// ---- Group

TovRibbonTabGroup::TovRibbonTabGroup(TCollection* ACollection) : TuiInterfacedCollectionItem(ACollection) {
    RecreateDesignSelectionHelper();
}

TovRibbonTabGroup::~TovRibbonTabGroup() {
    UndockToolbar();
    FDesignSelectionHelper.reset();
}

TovRibbonTabGroups* TovRibbonTabGroup::Groups() const {
    return static_cast<TovRibbonTabGroups*>(Collection());
}

TovRibbonTab* TovRibbonTabGroup::Tab() const {
    return Groups() != nullptr ? Groups()->Tab() : nullptr;
}

TovCustomRibbon* TovRibbonTabGroup::Ribbon() const {
    return Tab() != nullptr ? Tab()->Ribbon() : nullptr;
}

IovBarSelectableItem* TovRibbonTabGroup::DesignSelectionHelper() const {
    return FDesignSelectionHelper.get();
}

void TovRibbonTabGroup::RecreateDesignSelectionHelper() {
    FDesignSelectionHelper = std::make_unique<TovDesignSelectionHelper>(Ribbon(), this, Tab());
}

std::string TovRibbonTabGroup::Caption() const {
    if (FAssignedValues.Contains(rtgavCaption)) return FCaption;
    return FToolBar != nullptr ? FToolBar->Caption() : std::string();
}

void TovRibbonTabGroup::SetCaption(const std::string& AValue) {
    FAssignedValues.Include(rtgavCaption);
    if (FCaption == AValue) return;
    FCaption = AValue;
    Changed(true);
}

void TovRibbonTabGroup::SetAssignedValues(TovRibbonTabGroupAssignedValues AValue) {
    FAssignedValues = AValue;
    Changed(true);
}

void TovRibbonTabGroup::SetRestriction(TovRibbonTabGroupRestriction AValue) {
    FRestriction = AValue;
    if (FToolBar != nullptr)
        if (IovBarControl* control = FToolBar->GetControl()) control->RecreateControls();
}

TovBar* TovRibbonTabGroup::ToolBar() const {
    // An inherited form's group finds its toolbar by name while its tab is being loaded.
    if (!FStreamedToolbarName.empty() && Tab() != nullptr && Ribbon() != nullptr &&
        Ribbon()->IsBarManagerValid()) {
        const TComponentState state = Tab()->ComponentState();
        if (state.Contains(csLoading) && state.Contains(csAncestor) && !state.Contains(csReading))
            return Ribbon()->BarManager()->GetBarByName(FStreamedToolbarName);
    }
    return FToolBar;
}

void TovRibbonTabGroup::CheckToolbar(TovBar* AValue) {
    TovCustomRibbon* ribbon = Ribbon();
    if (ribbon != nullptr && ribbon->QuickAccessToolbar()->Toolbar() == AValue)
        throw EovException(ovRibbonToolbarIsQuickAccessToolbarText);
    if (Groups() != nullptr && Groups()->ContainsToolbar(AValue))
        throw EovException(ovRibbonTabAlreadyHasToolbarText);
}

void TovRibbonTabGroup::SetToolBar(TovBar* AValue) {
    TovCustomRibbon* ribbon = Ribbon();
    const bool acceptable = AValue == nullptr || (ribbon != nullptr && ribbon->BarManager() != nullptr &&
                                                  AValue->OwningBarManager() == ribbon->BarManager());
    if (!acceptable || AValue == FToolBar) return;
    if (AValue == nullptr) {
        UndockToolbar();
        if (ribbon != nullptr && FToolBar != nullptr)
            ribbon->QuickAccessToolbar()->UpdateGroupButton(FToolBar, true);
        FToolBar = nullptr;
        // A group without a toolbar has nothing to show: it goes (the caller returns at once).
        Free();
        return;
    }
    // A refused toolbar leaves the group as it was, its toolbar still docked here.
    CheckToolbar(AValue);
    UndockToolbar();
    if (FToolBar != nullptr && ribbon != nullptr)
        ribbon->QuickAccessToolbar()->UpdateGroupButton(FToolBar, true);
    FToolBar = AValue;
    if (Tab() != nullptr) AValue->FreeNotification(Tab());
    DockToolbar(AValue);
}

void TovRibbonTabGroup::UndockToolbar() {
    TovBar* bar = FToolBar;
    // A toolbar being freed is asked nothing more.
    if (bar == nullptr || bar->ComponentState().Contains(csDestroying)) return;
    TovRibbonTab* tab = Tab();
    TovCustomRibbon* ribbon = Ribbon();
    if (ribbon != nullptr && tab != nullptr)
        if (TovRibbonTab* other = ribbon->FindTabBindingToolbar(bar, tab)) {
            PlaceToolbarInDock(bar, other->DockControl());
            return;
        }
    ::UndockToolbar(bar);
}

void TovRibbonTabGroup::DockToolbar(TovBar* ABar) {
    TovRibbonTab* tab = Tab();
    if (tab == nullptr || ABar == nullptr) return;
    // A toolbar several tabs show stays on the active one.
    if (!tab->Active())
        if (auto* dock = dynamic_cast<IovRibbonGroupsDock*>(ABar->DockControl()))
            if (dock->Tab() != nullptr && dock->Tab()->Ribbon() == tab->Ribbon() && dock->Tab()->Active())
                return;
    PlaceToolbarInDock(ABar, tab->DockControl());
}

void TovRibbonTabGroup::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonTabGroup*>(Source);
    if (source == nullptr) {
        TuiInterfacedCollectionItem::Assign(Source);
        return;
    }
    SetCaption(source->Caption());
    SetRestriction(source->Restriction());
    SetAssignedValues(source->AssignedValues());
    SetMergeOrder(source->MergeOrder());
    SetMergeKind(source->MergeKind());
    TovBar* bar = source->ToolBar();
    // An inherited form's group takes the toolbar of the same name of its own ribbon.
    if (bar != nullptr && Tab() != nullptr && Tab()->ComponentState().Contains(csUpdating) &&
        Ribbon() != nullptr && Ribbon()->IsBarManagerValid())
        bar = Ribbon()->BarManager()->GetBarByName(bar->Name());
    if (bar != nullptr) SetToolBar(bar);
}

bool TovRibbonTabGroup::IsCaptionStored() const {
    return FAssignedValues.Contains(rtgavCaption) && !FCaption.empty();
}

bool TovRibbonTabGroup::IsEmptyCaptionStored() const {
    return FAssignedValues.Contains(rtgavCaption) && FCaption.empty();
}

bool TovRibbonTabGroup::ToolbarNameToStore(const TovRibbonTabGroup* AAncestor, std::string& AName) const {
    TovBar* bar = ToolBar();
    AName = bar != nullptr ? bar->Name() : std::string();
    if (AAncestor == nullptr) return bar != nullptr;
    TovBar* ancestorBar = AAncestor->ToolBar();
    if ((bar == nullptr) != (ancestorBar == nullptr)) return true;
    return bar != nullptr && bar->Name() != ancestorBar->Name();
}

// ---- Merging

bool TovRibbonTabGroup::CanMerge() {
    TovBar* bar = ToolBar();
    if (bar == nullptr || !bar->Visible() || FMergeKind == rmkNone) return false;
    TovCustomRibbon* ribbon = Ribbon();
    return ribbon == nullptr || ribbon->FindTabBindingToolbar(bar, Tab()) == nullptr;
}

bool TovRibbonTabGroup::IsMerged() {
    TovBar* bar = ToolBar();
    return bar != nullptr && bar->IsMerged();
}

void TovRibbonTabGroup::Merge(TovRibbonTabGroup* ASource, unsigned AOptions) {
    TovRibbonMergeHelper::Merge(this, ASource, (AOptions & rmoCreateGroups) != 0);
}

void TovRibbonTabGroup::Unmerge(TovRibbonTabGroup* ASource) {
    TovRibbonMergeHelper::Unmerge(this, ASource);
}

// ---- Collection

TovRibbonTabGroups::TovRibbonTabGroups(TovRibbonTab* ATab)
    : TOwnedCollection(ATab, ATab->GetGroupClass()), FTab(ATab) {}

TovRibbonTabGroups::~TovRibbonTabGroups() {
    BeginUpdate(); // no notices while going
    Clear();
}

bool TovRibbonTabGroups::ContainsToolbar(const TovBar* ABar) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->ToolBar() == ABar) return true;
    return false;
}

void TovRibbonTabGroups::RemoveToolbar(TComponent* AComponent) {
    for (int i = Count() - 1; i >= 0; --i)
        if (i < Count() && Items(i)->ToolBar() == AComponent) Items(i)->SetToolBar(nullptr);
}

void TovRibbonTabGroups::ResolveLoadedToolbars() {
    TovCustomRibbon* ribbon = FTab->Ribbon();
    if (ribbon == nullptr || !ribbon->IsBarManagerValid()) return;
    for (int i = 0; i < Count(); ++i) {
        TovRibbonTabGroup* group = Items(i);
        if (group->StreamedToolbarName().empty()) continue;
        TovBar* bar = ribbon->BarManager()->GetBarByName(group->StreamedToolbarName());
        // While the form is still being built the toolbar may come later: the name waits for it.
        if (bar == nullptr && FTab->ComponentState().Contains(csReading)) continue;
        group->SetStreamedToolbarName({});
        if (bar != nullptr) group->SetToolBar(bar);
    }
}

void TovRibbonTabGroups::UnmergeGroup(TovRibbonTabGroup* ASource) {
    TovBar* sourceBar = ASource != nullptr ? ASource->ToolBar() : nullptr;
    for (int i = Count() - 1; i >= 0; --i) {
        if (i >= Count()) continue;
        TovRibbonTabGroup* group = Items(i);
        if (ASource == nullptr || TovRibbonMergeHelper::IsMergedWith(sourceBar, group->ToolBar()))
            group->Unmerge(ASource);
    }
}

void TovRibbonTabGroups::Notify(TCollectionItem* Item, TCollectionNotification Action) {
    TOwnedCollection::Notify(Item, Action);
    if (TovCustomRibbon* ribbon = FTab->Ribbon()) ribbon->Changed();
}

void TovRibbonTabGroups::Update(TCollectionItem* Item) {
    TOwnedCollection::Update(Item);
    TovCustomRibbon* ribbon = FTab->Ribbon();
    if (ribbon != nullptr) ribbon->Changed();
    if (FTab->Active())
        if (IovRibbonGroupsDock* dock = FTab->DockControl()) dock->Relayout();
}
