// Toolbar merging: a toolbar takes in the links (and caption buttons) of other toolbars, of its own
// manager or of another, and gives exactly those back when they are unmerged.

#include "platform/rtl/Format.h"
#include "platform/rtl/WeakLink.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/merging/BarMergeData.h"
#include "ui/core/base/CoreServices.h"

#include <algorithm>

namespace {

// The toolbar whose links the link lists are taking in, for the links' merge marks.
class TMergingToolbarScope {
public:
    explicit TMergingToolbarScope(TovBar* ABar) : FPrevious(TovBarItemLinks::MergingToolbar) {
        TovBarItemLinks::MergingToolbar = ABar;
    }
    ~TMergingToolbarScope() { TovBarItemLinks::MergingToolbar = FPrevious; }
    TMergingToolbarScope(const TMergingToolbarScope&) = delete;
    TMergingToolbarScope& operator=(const TMergingToolbarScope&) = delete;

private:
    TovBar* FPrevious;
};

} // namespace

bool TovBar::IsMerged() const {
    return FMergeData->MergedWith != nullptr || !FMergeData->MergedBars.empty();
}

TovBar* TovBar::MergeTarget() const {
    return FMergeData->MergedWith;
}

bool TovBar::CreatedByMerging() const {
    return FMergeData->CreatedByMerging;
}

void TovBar::Merge(TovBar* ABar, bool AKeepVisibility) {
    if (FMergeData->MergedWith != nullptr)
        throw EovException(uiGetResourceString(ovSBAR_CANTMERGEWITHMERGEDTOOLBAR));
    if (ABar == nullptr || ABar == this) throw EovException(uiGetResourceString(ovSBAR_CANTMERGETOOLBAR));
    if (ABar->MergeTarget() == this)
        throw EovException(
            Format(uiGetResourceString(ovSBAR_TOOLBARSALREADYMERGED), {ABar->Caption(), Caption()}));
    if (!ABar->FMergeData->MergedBars.empty())
        throw EovException(Format(uiGetResourceString(ovSBAR_TOOLBARHASMERGEDTOOLBARS), {ABar->Caption()}));
    const bool wasMerged = ABar->MergeTarget() != nullptr;
    if (TovBar* previous = ABar->MergeTarget()) previous->UnMerge(ABar, false);
    {
        TMergingToolbarScope merging(ABar);
        ABar->FMergeData->MergedWith = this;
        FMergeData->MergedBars.push_back(ABar);
        ovBarWithinUpdate(OwningBarManager(), [&] {
            FItemLinks->Merge(ABar->FItemLinks);
            FCaptionButtons->Merge(ABar->FCaptionButtons.get());
        });
    }
    if (!wasMerged && AKeepVisibility) ABar->FMergeData->VisibleBeforeMerging = ABar->Visible();
    ABar->SetVisible(false);
}

void TovBar::UnMerge(TovBar* ABar, bool ARestoreVisibility) {
    if (ABar == this) throw EovException(uiGetResourceString(ovSBAR_CANTUNMERGETOOLBAR));
    if (ABar != nullptr && ABar->MergeTarget() != this) {
        if (ABar->MergeTarget() == nullptr) return;
        throw EovException(
            Format(uiGetResourceString(ovSBAR_TOOLBARSARENOTMERGED), {ABar->Caption(), Caption()}));
    }
    TovBarManager* manager = OwningBarManager();
    if (!FMergeData->MergedBars.empty()) {
        ovBarWithinUpdate(manager, [&] {
            FItemLinks->Unmerge(ABar);
            FCaptionButtons->Unmerge(ABar ? ABar->FCaptionButtons.get() : nullptr);
        });
        std::vector<TovBar*> leaving;
        if (ABar != nullptr)
            leaving.push_back(ABar);
        else
            leaving.assign(FMergeData->MergedBars.rbegin(), FMergeData->MergedBars.rend());
        for (TovBar* bar : leaving) {
            bar->FMergeData->MergedWith = nullptr;
            std::erase(FMergeData->MergedBars, bar);
            if (ARestoreVisibility) bar->SetVisible(bar->FMergeData->VisibleBeforeMerging);
        }
    }
    if (IsMerged() || !FMergeData->CreatedByMerging) return;
    if (FMergeData->KeepWhenEmpty) {
        FMergeData->VisibleBeforeCustomization = Visible();
        SetVisible(false);
        SetHidden(true);
    } else if (!ComponentState().Contains(csDestroying) &&
               (manager == nullptr || !manager->BeingDestroyed())) {
        Free();
    }
}

void TovBar::UnMergeByManager(TovBarManager* AManager, bool ARestoreVisibility) {
    // The last unmerge frees a bar made for merging: stop once this bar is gone.
    TWeakLink<TovBar> self(this);
    const std::vector<TovBar*> merged = FMergeData->MergedBars;
    for (auto it = merged.rbegin(); it != merged.rend() && self; ++it)
        if (AManager == nullptr || (*it)->OwningBarManager() == AManager) UnMerge(*it, ARestoreVisibility);
}

void TovBar::RemergeSaved() {
    const std::vector<TovBar*> saved = FMergeData->SavedBars();
    FMergeData->ClearSavedBars();
    for (TovBar* bar : saved)
        Merge(bar, bar->OwningBarManager() == OwningBarManager());
}

// ---- The manager's part

TovBar* TovBarManager::CreateBarForMerging() {
    TovBar* bar = Bars()->Add();
    bar->MergeData()->CreatedByMerging = true;
    IovBarDock* top = Bars()->DockControls(dsTop);
    bar->DockAt(dsTop, top, top ? top->RowCount() : 0, 0);
    return bar;
}

void TovBarManager::PrepareMergedBarsForCustomizing() {
    std::vector<TovBar*> collected;
    for (int i = 0; i < Bars()->Count(); ++i) {
        TovBar* bar = Bars()->GetItem(i);
        if (TovBar* target = bar->MergeTarget(); target != nullptr && target->OwningBarManager() == this)
            collected.push_back(bar);
    }
    for (int i = Bars()->Count() - 1; i >= 0; --i) {
        if (i >= Bars()->Count()) continue;
        TWeakLink<TovBar> bar(Bars()->GetItem(i));
        TovBarMergeData* data = bar->MergeData();
        data->SaveMergedBars();
        if (data->CreatedByMerging) data->KeepWhenEmpty = true;
        bar->UnMerge(nullptr, false);
        if (bar) data->KeepWhenEmpty = false;
    }
    for (TovBar* bar : collected)
        bar->SetVisible(bar->MergeData()->VisibleBeforeMerging);
}

void TovBarManager::RestoreBarsAfterCustomizing() {
    std::vector<TovBar*> own, made;
    for (int i = 0; i < Bars()->Count(); ++i) {
        TovBar* bar = Bars()->GetItem(i);
        (bar->CreatedByMerging() ? made : own).push_back(bar);
    }
    for (TovBar* bar : own)
        bar->RemergeSaved();
    for (TovBar* bar : made) {
        bar->RemergeSaved();
        bar->SetHidden(false);
        bar->SetVisible(bar->MergeData()->VisibleBeforeCustomization);
    }
}

void TovBarManager::MergeChildMainMenu(TovBarManager* AChild) {
    TovBar* mainMenu = GetMainMenuBar();
    TovBar* childMenu = AChild ? AChild->GetMainMenuBar() : nullptr;
    if (mainMenu == nullptr || childMenu == nullptr) return;
    if (OnMenuMerge) {
        OnMenuMerge(this, AChild, true);
        TovBarMergeData* data = childMenu->MergeData();
        if (data->MergedWith == nullptr) {
            // The handler placed the items itself: the child's menu only counts as merged.
            data->MergedWith = mainMenu;
            mainMenu->MergeData()->MergedBars.push_back(childMenu);
            data->VisibleBeforeMerging = childMenu->Visible();
        }
        childMenu->SetVisible(false);
    } else {
        mainMenu->Merge(childMenu);
    }
    OnMerge(this, AChild, true);
}

void TovBarManager::UnmergeChildMainMenu(TovBarManager* AChild) {
    TovBar* mainMenu = GetMainMenuBar();
    if (mainMenu == nullptr || AChild == nullptr || AChild->GetMainMenuBar() == nullptr) return;
    const std::vector<TovBar*> merged = mainMenu->MergeData()->MergedBars;
    mainMenu->UnMerge(nullptr, false);
    OnMenuMerge(this, AChild, false);
    for (TovBar* bar : merged)
        bar->SetVisible(bar->MergeData()->VisibleBeforeMerging);
    OnMerge(this, AChild, false);
}

void TovBarManager::AddMergeOperationHandler(IovBarMergeOperationHandler* AHandler) {
    if (AHandler != nullptr && std::find(FMergeOperationHandlers.begin(), FMergeOperationHandlers.end(),
                                         AHandler) == FMergeOperationHandlers.end())
        FMergeOperationHandlers.push_back(AHandler);
}

void TovBarManager::RemoveMergeOperationHandler(IovBarMergeOperationHandler* AHandler) {
    std::erase(FMergeOperationHandlers, AHandler);
}

bool TovBarManager::CallMergeOperationHandlers(TovBarManager* AChild, TovBarMergeOperation AOperation) {
    const std::vector<IovBarMergeOperationHandler*> handlers = FMergeOperationHandlers;
    for (IovBarMergeOperationHandler* handler : handlers)
        if (handler->HandleMergeOperation(AChild, AOperation)) return true;
    return false;
}
