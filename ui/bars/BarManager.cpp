#include "ui/bars/BarManager.h"
#include "ui/bars/popupmenus/PopupMenuLinks.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/customize/dialogs/BarNameDialog.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Registries.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/SystemPaletteNotifier.h"

#include <algorithm>

namespace {

TComponent* ResolveOwner(TComponent* AOwner) {
    if (AOwner == nullptr && Application() != nullptr) return Application()->MainForm();
    return AOwner;
}

// The owner checks run before the component exists, so a refused manager touches no list.
TComponent* CheckedOwner(TComponent* AOwner) {
    TComponent* owner = ResolveOwner(AOwner);
    if (dynamic_cast<TWinControl*>(owner) == nullptr)
        throw EovException(uiGetResourceString(ovSBAR_BARMANAGERBADOWNER));
    if (TovBarManagerList* list = BarManagerList())
        for (int i = 0; i < list->Count(); ++i)
            if (list->Managers(i)->Owner() == owner)
                throw EovException(uiGetResourceString(ovSBAR_BARMANAGERMORETHANONE));
    return owner;
}

} // namespace

TovBarManager::TovBarManager(TComponent* AOwner) : TuiCustomComponent(CheckedOwner(AOwner)) {
    FState &= ~bmsCreating;
    ovBarAddBarManager(this);
    FBackgrounds = new TovBarBackgrounds(this);
    FLookAndFeel = new TuiLookAndFeel(this);
    FLookAndFeel->OnChanged = TuiLookAndFeelChangedEvent(
        [this](TuiLookAndFeel*, TuiLookAndFeelValues) { RecreatePainter(); }, this);
    FStyle = bmsEnhanced;
    FItems = new TovBarComponentList;
    FCategories = new TovBarManagerCategories(this);
    FBars = new TovBars(this);
    FBarCaptionFont = new TFont;
    FEditFont = new TFont;
    FFont = new TFont;
    FFont->OnChange = TNotifyEvent(this, &TovBarManager::FontChanged);
    FGroups = new TovBarComponentList;
    FDockColor = clBtnFace;
    FMostRecentlyUsedUseCount = CalcMostRecentlyUsedUseCount();
    SetUseSystemFont(true);
    RecreateBrushes();
    uiReferenceOffice11Colors();
    FPaletteNotifier = std::make_unique<TuiSystemPaletteChangedNotifier>(false);
    FPaletteNotifier->OnSystemPaletteChanged = TEvent<>([this] { SystemColorsChanged(); }, this);
    FImageOptions = new TovBarImageOptions(this);
    FImageOptions->OnSizeChanged = TNotifyEvent(this, &TovBarManager::ImageOptionsSizeChanged);
    FImageOptions->OnAppearanceChanged = TNotifyEvent(this, &TovBarManager::ImageOptionsAppearanceChanged);
    FImageOptions->OnImageListChanged = TEvent<int>([this](int AIndex) { ImageListChanged(AIndex); }, this);
    CreateDefaultPainter();
    FReadIniFileHandlers = std::make_unique<TuiEventHandlerCollection>();
    FWriteIniFileHandlers = std::make_unique<TuiEventHandlerCollection>();
    FMDIStateChangedHandlers = std::make_unique<TuiEventHandlerCollection>();
    FMDIStateHelper = std::make_unique<TovBarManagerMDIStateHelper>(this);
    FPopupMenuLinks = std::make_unique<TovBarPopupMenuLinks>(this);
    // The designed layout, written after loading, is what resets go back to; a design environment has
    // no use for it.
    if (!IsDesigning()) FSavedState = std::make_unique<TMemIniFile>("");
}

TovBarManager::~TovBarManager() {
    // Whoever keeps items of this manager (the customizing's internal items) ends them while the manager
    // is whole: an item's end removes it from the manager's lists and its links from the bars.
    SendFreeNotifications();
    ovBarRemoveBarManager(this);
    FPaletteNotifier.reset();
    SetIsCustomizing(false);
    // The controls' context menus go back to their own before anything else of the manager goes.
    FPopupMenuLinks.reset();
    FBars->Clear();
    delete FImageOptions;
    FImageOptions = nullptr;
    FLookAndFeel->OnChanged = nullptr;
    delete FLookAndFeel;
    FLookAndFeel = nullptr;
    // Groups and items are the manager's to end, whoever owns them.
    while (FGroups->Count() > 0)
        delete FGroups->Components(FGroups->Count() - 1);
    delete FFont;
    delete FEditFont;
    delete FBarCaptionFont;
    delete FBars;
    FBars = nullptr;
    FSavedState.reset();
    // The system-menu items go before the items they sit among.
    FMDIStateHelper.reset();
    while (FItems->Count() > 0)
        delete FItems->Components(FItems->Count() - 1);
    delete FCategories;
    FCategories = nullptr;
    delete FItems;
    FItems = nullptr;
    delete FGroups;
    FGroups = nullptr;
    delete FBackgrounds;
    for (HBRUSH& brush : FFlatBrushes)
        if (brush != nullptr) {
            DeleteObject(brush);
            brush = nullptr;
        }
    uiReleaseOffice11Palette();
}

TWinControl* TovBarManager::OwnerWinControl() const {
    return dynamic_cast<TWinControl*>(Owner());
}

TCustomForm* TovBarManager::GetParentForm() const {
    return GetControlForm(OwnerWinControl(), fkNearest);
}

TCustomForm* TovBarManager::GetTopForm() const {
    return GetControlForm(OwnerWinControl(), fkOutermost);
}

TCustomForm* TovBarManager::GetMDIOrTopForm() const {
    return GetControlForm(OwnerWinControl(), fkMDIChild);
}

bool TovBarManager::IsLoading() const {
    return ComponentState().Contains(csLoading) || (FState & bmsInLoaded) != 0;
}

bool TovBarManager::IsDesigning() const {
    return ComponentState().Contains(csDesigning);
}

bool TovBarManager::BeingDestroyed() const {
    return ComponentState().Contains(csDestroying);
}

// ---- Items

int TovBarManager::ItemCount() const {
    return FItems ? FItems->Count() : 0;
}

TovBarItem* TovBarManager::Items(int AIndex) const {
    if (FItems == nullptr || AIndex < 0 || AIndex >= FItems->Count()) return nullptr;
    return static_cast<TovBarItem*>(FItems->Components(AIndex));
}

int TovBarManager::IndexOfItem(TovBarItem* AItem) const {
    return FItems ? FItems->IndexOf(AItem) : -1;
}

void TovBarManager::AddItem(TovBarItem* AItem) {
    if (FItems != nullptr && FItems->IndexOf(AItem) < 0) FItems->Add(AItem);
}

void TovBarManager::RemoveItem(TovBarItem* AItem) {
    if (FItems != nullptr) FItems->Remove(AItem);
}

TovBarItem* TovBarManager::GetItemByName(const std::string& AName) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (SameText(Items(i)->Name(), AName)) return Items(i);
    return nullptr;
}

void TovBarManager::GetItemsByCategory(int ACategory, std::vector<TovBarItem*>& AList) const {
    AList.clear();
    for (int i = 0; i < ItemCount(); ++i)
        if (Items(i)->Category() == ACategory) AList.push_back(Items(i));
}

void TovBarManager::GetVisibleItemsByCategory(int ACategory, std::vector<TovBarItem*>& AList) const {
    AList.clear();
    for (int i = 0; i < ItemCount(); ++i) {
        TovBarItem* item = Items(i);
        if (item->Category() != ACategory) continue;
        if (!IsDesigning() && item->Visible() == ivNever) continue;
        AList.push_back(item);
    }
}

void TovBarManager::MoveItem(int AFrom, int ATo) {
    if (AFrom == ATo || AFrom < 0 || ATo < 0 || AFrom >= ItemCount() || ATo >= ItemCount()) return;
    FItems->Move(AFrom, ATo);
}

void TovBarManager::SortItemsByCategory() {
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i + 1 < ItemCount(); ++i)
            if (Items(i)->Category() > Items(i + 1)->Category()) {
                FItems->Exchange(i, i + 1);
                DesignerModified();
                swapped = true;
            }
    }
}

std::string TovBarManager::MakeUniqueItemName(const std::string& AItemClassName) const {
    const std::string base = AItemClassName.size() > 1 ? AItemClassName.substr(1) : AItemClassName;
    if (IsDesigning() && FDesigner != nullptr) return FDesigner->UniqueName(base);
    for (int n = 1;; ++n) {
        const std::string name = base + std::to_string(n);
        if (GetItemByName(name) == nullptr) return name;
    }
}

// ---- Bars

TovBar* TovBarManager::GetBarByName(const std::string& AName) const {
    for (int i = 0; i < FBars->Count(); ++i)
        if (SameText(FBars->GetItem(i)->Name(), AName)) return FBars->GetItem(i);
    return nullptr;
}

TovBar* TovBarManager::GetBarByCaption(const std::string& ACaption) const {
    for (int i = 0; i < FBars->Count(); ++i)
        if (FBars->GetItem(i)->Caption() == ACaption) return FBars->GetItem(i);
    return nullptr;
}

std::string TovBarManager::MakeUniqueBarCaption(const std::string& ABase) const {
    for (int n = 1;; ++n) {
        const std::string caption = ABase + std::to_string(n);
        if (GetBarByCaption(caption) == nullptr) return caption;
    }
}

std::string TovBarManager::MakeUniqueBarName(const std::string& ABase) const {
    if (IsDesigning() && !IsLoading() && FDesigner != nullptr) return FDesigner->UniqueName(ABase);
    for (int n = 1;; ++n) {
        const std::string name = ABase + std::to_string(n);
        bool taken = GetBarByName(name) != nullptr;
        if (!taken && Owner() != nullptr) taken = Owner()->FindComponent(name) != nullptr;
        if (!taken) return name;
    }
}

TovBar* TovBarManager::AddToolbar(bool AAsMainMenu, bool AAskName) {
    std::string caption = MakeUniqueBarCaption(uiGetResourceString(ovSBAR_TOOLBARNEWNAME));
    if (AAskName && !ShowBarNameDialog(caption, bnkToolbar, bnmAdd, nullptr, this)) return nullptr;
    TovBar* bar = nullptr;
    BeginUpdate();
    FBars->BeginUpdate();
    try {
        bar = FBars->Add();
        bar->SetCaption(caption);
        TWinControl* owner = OwnerWinControl();
        const POINT corner{owner->Left(), owner->Top()};
        RECT work = Screen() ? Screen()->MonitorFromPoint(corner)->WorkareaRect() : RECT{};
        bar->SetFloatLeft(owner->Left() - 50 < work.left ? owner->Left() + owner->Width() + 10
                                                         : owner->Left() - 50);
        bar->SetFloatTop(owner->Top() < work.top ? work.top + 10 : owner->Top());
        bar->SetDockingStyle(dsTop);
        if (AAsMainMenu) {
            bar->SetRow(0);
            bar->SetIsMainMenu(true);
            bar->SetVisible(true);
        } else {
            IovBarDock* top = FBars->DockControls(dsTop);
            bar->SetRow(top ? top->RowCount() : 0);
            bar->SetOneOnRow(true);
            bar->SetVisible(true);
            bar->SetOneOnRow(false);
        }
    } catch (...) {
        FBars->EndUpdate();
        EndUpdate(true);
        throw;
    }
    FBars->EndUpdate();
    EndUpdate(true);
    return bar;
}

// ---- Groups

TovBarGroup* TovBarManager::CreateGroup() {
    auto* group = new TovBarGroup(Owner());
    AddGroup(group);
    return group;
}

TovBarGroup* TovBarManager::Groups(int AIndex) const {
    if (AIndex < 0 || AIndex >= FGroups->Count()) return nullptr;
    return static_cast<TovBarGroup*>(FGroups->Components(AIndex));
}

void TovBarManager::AddGroup(TovBarGroup* AGroup) {
    AGroup->AssignBarManager(this);
    if (FGroups->IndexOf(AGroup) < 0) FGroups->Add(AGroup);
}

void TovBarManager::RemoveGroupRef(TovBarGroup* AGroup) {
    if (FGroups != nullptr) FGroups->Remove(AGroup);
}

// ---- Dock controls

void TovBarManager::AddDockControl(IovBarDock* ADock) {
    if (ADock != nullptr &&
        std::find(FDockControls.begin(), FDockControls.end(), ADock) == FDockControls.end())
        FDockControls.push_back(ADock);
}

void TovBarManager::RemoveDockControl(IovBarDock* ADock) {
    for (int i = FBars->Count() - 1; i >= 0; --i) {
        TovBar* bar = FBars->GetItem(i);
        if (bar->GetRealDockControl() == ADock && bar->Visible()) bar->SetVisible(false);
        if (bar->DockControl() == ADock) bar->SetDockControl(nullptr);
        if (bar->DockedDockControl() == ADock) {
            bar->SetDockedDockingStyle(bar->DockedDockingStyle());
            bar->SetDockedDockControl(nullptr);
        }
    }
    std::erase(FDockControls, ADock);
    if (ADock->IsBuiltIn()) FBars->SetDockControl(ADock->DockingStyle(), nullptr);
}

IovBarDock* TovBarManager::DockControls(int AIndex) const {
    return AIndex >= 0 && AIndex < DockControlCount() ? FDockControls[AIndex] : nullptr;
}

// ---- Categories

TovBarItemVisible TovBarManager::GetCategoryItemsVisible(int AIndex) const {
    if (AIndex < 0 || AIndex >= FCategories->Count()) return ivNever;
    TovBarCategoryData* data = FCategories->Data(AIndex);
    return data ? data->ItemsVisible : ivAlways;
}

namespace {

bool BarHasShownLinks(TovBar* ABar) {
    return ABar->ItemLinks()->CanVisibleItemCount() > 0;
}

} // namespace

void TovBarManager::SetCategoryItemsVisible(int AIndex, TovBarItemVisible AValue) {
    TovBarCategoryData* data = FCategories->EnsureData(AIndex);
    if (data == nullptr) return;
    if (ComponentState().Contains(csLoading)) {
        data->StreamedItemsVisible = AValue;
        return;
    }
    const TovBarItemVisible previous = data->ItemsVisible;
    data->ItemsVisible = AValue;
    if (!IsDesigning()) {
        std::vector<bool> wasEmpty;
        for (int i = 0; i < FBars->Count(); ++i)
            wasEmpty.push_back(!BarHasShownLinks(FBars->GetItem(i)));
        BeginUpdate();
        try {
            std::vector<TovBarItem*> items;
            GetItemsByCategory(AIndex, items);
            if (AValue == ivAlways) std::reverse(items.begin(), items.end());
            for (TovBarItem* item : items)
                if (item->Visible() == previous) item->SetVisible(AValue);
            if (FAutoHideEmptyBars) {
                for (int i = 0; i < FBars->Count(); ++i) {
                    TovBar* bar = FBars->GetItem(i);
                    const bool empty = !BarHasShownLinks(bar);
                    if (AValue == ivNever && empty && !wasEmpty[i] && bar->Visible()) {
                        bar->SetVisible(false);
                        bar->SetInternallyHidden(true);
                    } else if (AValue == ivAlways && bar->InternallyHidden() && !empty) {
                        bar->SetVisible(true);
                    }
                }
            }
        } catch (...) {
            EndUpdate(true);
            throw;
        }
        EndUpdate(true);
    }
    if (previous != AValue) DesignerModified();
}

bool TovBarManager::GetCategoryVisible(int AIndex) const {
    TovBarCategoryData* data = FCategories->Data(AIndex);
    if (AIndex < 0 || AIndex >= FCategories->Count()) return false;
    return data ? data->Visible : true;
}

void TovBarManager::SetCategoryVisible(int AIndex, bool AValue) {
    if (TovBarCategoryData* data = FCategories->EnsureData(AIndex)) {
        data->Visible = AValue;
        DesignerModified();
    }
}

int TovBarManager::GetRealCategoryIndex(int AShownIndex) const {
    if (IsDesigning()) return AShownIndex;
    for (int i = 0; i < FCategories->Count(); ++i)
        if (GetCategoryVisible(i) && AShownIndex-- == 0) return i;
    return -1;
}

// ---- Update lock

void TovBarManager::LockUpdate(bool ASetRedraw) {
    if (++FLockUpdate == 1) RefreshAfterUpdate(true, false, ASetRedraw, false);
}

void TovBarManager::UnlockUpdate(bool ARebuild, bool ASetRedraw) {
    if (FLockUpdate == 0) return;
    if (--FLockUpdate == 0 && !BeingDestroyed()) RefreshAfterUpdate(false, ARebuild, ASetRedraw, false);
}

void TovBarManager::UnlockUpdateQuietly(bool ASetRedraw) {
    if (FLockUpdate == 0) return;
    if (--FLockUpdate == 0 && !BeingDestroyed()) RefreshAfterUpdate(false, false, ASetRedraw, true);
}

void TovBarManager::RefreshAfterUpdate(bool ALock, bool ARebuild, bool ASetRedraw, bool AQuiet) {
    // The changed marks are cleared whatever happens on the way, so a failed rebuild is not repeated
    // by every later update.
    struct TClearMarks {
        TovBars* Bars;
        ~TClearMarks() {
            for (int i = 0; i < Bars->Count(); ++i)
                Bars->GetItem(i)->SetChangedMark(false);
        }
    } clearMarks{FBars};
    if (ASetRedraw)
        for (IovBarDock* dock : FDockControls)
            if (dock->IsShownWithWindow()) dock->SetRedraw(!ALock);
    if (ALock || AQuiet) return;
    if (IovBarControl* subMenu = FChangedSubMenu) {
        FChangedSubMenu = nullptr;
        subMenu->Rebuild();
    }
    std::vector<TovBar*> rebuilt;
    if (ARebuild) {
        for (int i = 0; i < FBars->Count(); ++i) {
            TovBar* bar = FBars->GetItem(i);
            if (bar->Changed() && bar->GetControl() != nullptr) rebuilt.push_back(bar);
        }
        for (TovBar* bar : rebuilt)
            bar->GetControl()->RecreateControls();
        for (TovBar* bar : rebuilt)
            if (IovBarControl* control = bar->GetControl()) control->RebuildBar(false);
    }
    for (IovBarDock* dock : FDockControls) {
        dock->DropEmptyRows();
        if (dock->IsShownWithWindow()) {
            dock->UpdateDock();
            dock->NcPaint();
        }
    }
    for (int i = 0; i < FBars->Count(); ++i) {
        TovBar* bar = FBars->GetItem(i);
        IovBarControl* control = bar->GetControl();
        if (control == nullptr || std::find(rebuilt.begin(), rebuilt.end(), bar) != rebuilt.end()) continue;
        control->UpdateFrame();
        control->Repaint();
    }
}

void TovBarManager::ForEachItem(const std::function<void(TovBarItem*)>& AProc) {
    if (IsLoading() || BeingDestroyed()) return;
    BeginUpdate();
    try {
        for (int i = 0; i < ItemCount(); ++i)
            AProc(Items(i));
    } catch (...) {
        EndUpdate(true);
        throw;
    }
    EndUpdate(true);
}

// ---- Designer

bool TovBarManager::DesignerCanDelete(TComponent* AComponent) const {
    return FDesigner == nullptr || FDesigner->CanDeleteComponent(AComponent);
}

int TovBarManager::DesignerSelectionStatus(TPersistent* AObject) const {
    return FDesigner ? FDesigner->GetSelectionStatus(AObject) : 0;
}

void TovBarManager::DesignerSelect(TPersistent* AObject, TovBarSelectionOperation AOperation) const {
    if (FDesigner) FDesigner->SelectComponent(AObject, AOperation);
}

void TovBarManager::DesignerGetSelection(std::vector<TPersistent*>& ASelection) const {
    ASelection.clear();
    if (FDesigner) FDesigner->GetSelection(ASelection);
}

void TovBarManager::DesignerSetSelection(const std::vector<TPersistent*>& ASelection) const {
    if (FDesigner) FDesigner->SetSelection(ASelection);
}

void TovBarManager::DesignerShowDefaultEventHandler(TPersistent* AObject) const {
    if (FDesigner) FDesigner->ShowDefaultEventHandler(AObject);
}

std::vector<TPersistent*> TovBarManager::SelectedComponents() const {
    std::vector<TPersistent*> selection;
    DesignerGetSelection(selection);
    std::erase_if(selection, [this](TPersistent* AObject) { return DesignerSelectionStatus(AObject) != 1; });
    return selection;
}

void TovBarManager::DesignerModified() {
    if (IsLoading() || BeingDestroyed()) return;
    if (FLockDesignerModified == 0)
        FModified = true;
    else
        FDesignerModifiedDue = true;
}

void TovBarManager::LockDesignerModified(bool ALock, bool ANotify) {
    if (ALock) {
        if (FLockDesignerModified++ == 0) FDesignerModifiedDue = false;
        return;
    }
    if (FLockDesignerModified == 0) return;
    if (--FLockDesignerModified == 0 && ANotify && FDesignerModifiedDue) DesignerModified();
}

// ---- Selection

void TovBarManager::SetSelectedItem(TovBarItemControl* AValue) {
    if (FSelectedItem == AValue) return;
    if (FSelectedItem != nullptr && IsCustomizingOrDesigning()) {
        IovBarControl* oldParent = FSelectedItem->Parent();
        if (oldParent != nullptr && (AValue == nullptr || AValue->Parent() != oldParent))
            oldParent->ClearSelection();
    }
    FSelectedItem = AValue;
}

// ---- Waiting bars

void TovBarManager::BeginBarRestoring() {
    if (!FWaitingBars) FWaitingBars = std::make_unique<std::vector<TovBar*>>();
}

void TovBarManager::BarWindowDestroyed(TovBar* ABar) {
    if (!FWaitingBars || BeingDestroyed() || !ABar->Visible()) return;
    if (std::find(FWaitingBars->begin(), FWaitingBars->end(), ABar) == FWaitingBars->end())
        FWaitingBars->push_back(ABar);
    ABar->SetVisible(false);
}

bool TovBarManager::IsBarWaiting(const TovBar* ABar) const {
    return FWaitingBars && std::find(FWaitingBars->begin(), FWaitingBars->end(), ABar) != FWaitingBars->end();
}

void TovBarManager::RemoveWaitingBar(TovBar* ABar) {
    if (FWaitingBars) std::erase(*FWaitingBars, ABar);
}

void TovBarManager::ShowRestoringBars(IovBarDock* ADock) {
    if (!FWaitingBars) return;
    for (int i = static_cast<int>(FWaitingBars->size()) - 1; i >= 0; --i) {
        if (i >= static_cast<int>(FWaitingBars->size())) continue;
        TovBar* bar = (*FWaitingBars)[i];
        IovBarDock* dock = bar->GetRealDockControl();
        const bool show = ADock != nullptr ? bar->DockControl() == ADock && bar->DockingStyle() != dsNone
                                           : dock == nullptr || dock->HasWindow();
        if (show) bar->SetVisible(true); // showing takes it off the list
    }
}

void TovBarManager::EndBarRestoring() {
    if (FWaitingBars && FWaitingBars->empty()) FWaitingBars.reset();
}

// ---- Customizing

void TovBarManager::SetIsCustomizing(bool AValue) {
    if (FIsCustomizing == AValue) return;
    // One Customize window in the process: another manager's customization goes on undisturbed.
    if (AValue && IsBarCustomizingFormShown()) return;
    for (int i = FBars->Count() - 1; i >= 0; --i)
        if (IovBarControl* control = FBars->GetItem(i)->GetControl()) {
            control->CloseUp(bcrOther);
            control->DestroyControls();
        }
    FIsCustomizing = AValue;
    for (int i = 0; i < FBars->Count(); ++i) {
        TovBar* bar = FBars->GetItem(i);
        bar->ItemLinks()->RebuildLists();
        if (IovBarControl* control = bar->GetControl()) control->CreateControls();
    }
    for (int i = 0; i < ItemCount(); ++i)
        if (TovBarItemLinks* links = Items(i)->LinksOf()) links->RebuildLists();
    ShowBarCustomizingForm(this, AValue);
    for (int i = 0; i < FBars->Count(); ++i)
        if (IovBarControl* control = FBars->GetItem(i)->GetControl()) control->Rebuild();
}

bool TovBarManager::IsOtherManagerCustomizing() const {
    TovBarManagerList* list = BarManagerList();
    TovBarManager* customizing = list ? list->CustomizingManager() : nullptr;
    return customizing != nullptr && customizing != this;
}

void TovBarManager::CloseActiveBarControl() {
    if (IovBarControl* control = CurrentBarControl()) control->CloseUp(bcrOther);
}

// ---- Loading

void TovBarManager::Loaded() {
    TuiCustomComponent::Loaded();
    ++FReadStateCount;
    if (IsUpdateLocked()) return;
    FState |= bmsInLoaded;
    try {
        for (int i = 0; i < ItemCount(); ++i)
            if (TovBarItemLinks* links = Items(i)->LinksOf()) links->ResolveLoadedItems();
        for (int i = 0; i < FBars->Count(); ++i)
            FBars->GetItem(i)->ItemLinks()->ResolveLoadedItems();
        FState |= bmsLoadingBars;
        for (int i = 0; i < FBars->Count(); ++i) {
            TovBar* bar = FBars->GetItem(i);
            bar->SetPredefined(true);
            bar->ApplyStreamedValues();
        }
        // Neither the designed layout nor the stored one may keep the window from being made.
        try {
            SaveDesignState();
        } catch (const std::exception& error) {
            ovBarLayoutReport(std::string("the designed layout could not be kept for resets (") +
                              error.what() + ")");
        }
        if (!IsDesigning()) LoadStoredLayout();
        FState &= ~bmsLoadingBars;
        if (IsDesigning()) SortItemsByCategory();
        BeginUpdate();
        try {
            for (int i = 0; i < FCategories->Count(); ++i)
                if (TovBarCategoryData* data = FCategories->Data(i))
                    SetCategoryItemsVisible(i, data->StreamedItemsVisible);
        } catch (...) {
            EndUpdate(true);
            throw;
        }
        EndUpdate(true);
        for (IovBarDock* dock : FDockControls)
            dock->UpdateDock();
    } catch (...) {
        FState &= ~(bmsInLoaded | bmsLoadingBars);
        throw;
    }
    FState &= ~bmsInLoaded;
}

void TovBarManager::SetName(const std::string& NewName) {
    const std::string oldName = Name();
    TuiCustomComponent::SetName(NewName);
    if (!IsDesigning() || oldName.empty() || Owner() == nullptr) return;
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        auto* item = dynamic_cast<TovBarItem*>(Owner()->Components(i));
        if (item == nullptr || item->Name().size() <= oldName.size() ||
            !SameText(item->Name().substr(0, oldName.size()), oldName))
            continue;
        try {
            item->SetName(NewName + item->Name().substr(oldName.size()));
        } catch (const EComponentError&) {
            // A name taken already keeps the item's old one.
        }
    }
}

void TovBarManager::Notification(TComponent* AComponent, TOperation Operation) {
    TuiCustomComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FPopupMenuLinks) FPopupMenuLinks->RemoveComponent(AComponent);
}

void TovBarManager::SetPopupMenuLinks(TovBarPopupMenuLinks* AValue) {
    if (AValue != nullptr && AValue != FPopupMenuLinks.get()) FPopupMenuLinks->Assign(AValue);
}

void TovBarManager::AddPopupMenu(TovBarCustomPopupMenuComponent* AMenu) {
    if (AMenu != nullptr && std::find(FPopupMenus.begin(), FPopupMenus.end(), AMenu) == FPopupMenus.end())
        FPopupMenus.push_back(AMenu);
}

void TovBarManager::RemovePopupMenu(TovBarCustomPopupMenuComponent* AMenu) {
    FPopupMenus.erase(std::remove(FPopupMenus.begin(), FPopupMenus.end(), AMenu), FPopupMenus.end());
}

// ---- Properties

void TovBarManager::SetMostRecentItemsPercents(int AValue) {
    AValue = std::clamp(AValue, 0, 100);
    if (FMostRecentItemsPercents == AValue) return;
    FMostRecentItemsPercents = AValue;
    FMostRecentlyUsedUseCount = CalcMostRecentlyUsedUseCount();
}

int TovBarManager::CalcMostRecentlyUsedUseCount() const {
    if (FMostRecentItemsPercents >= 100) return 0;
    int n = 1;
    while (n * (100 - FMostRecentItemsPercents) / 100 <= 0)
        ++n;
    return n;
}

void TovBarManager::SetStyle(TovBarManagerStyle AValue) {
    if (FStyle == AValue) return;
    FStyle = AValue;
    RecreatePainter();
}

void TovBarManager::SetNotDocking(TovBarDockingStyles AValue) {
    FNotDocking = AValue;
    RecreatePainter();
}

void TovBarManager::SetAutoDockColor(bool AValue) {
    if (FAutoDockColor == AValue) return;
    FAutoDockColor = AValue;
    UpdateDockColors();
}

TColor TovBarManager::DockColor() const {
    if (FAutoDockColor)
        if (TWinControl* owner = OwnerWinControl()) return owner->Color();
    return FDockColor;
}

void TovBarManager::SetDockColor(TColor AValue) {
    FDockColor = AValue;
    FAutoDockColor = false;
    UpdateDockColors();
}

void TovBarManager::UpdateDockColors() {
    for (IovBarDock* dock : FDockControls)
        dock->UpdateColor();
}

void TovBarManager::SetAutoAlignBars(bool AValue) {
    if (FAutoAlignBars == AValue) return;
    FAutoAlignBars = AValue;
    RefreshAfterUpdate(false, false, true, false);
}

void TovBarManager::RebuildMainMenu() {
    if (FMainMenuBar != nullptr)
        if (IovBarControl* control = FMainMenuBar->GetControl()) control->Rebuild();
}

void TovBarManager::SetFlatCloseButton(bool AValue) {
    if (FFlatCloseButton == AValue) return;
    FFlatCloseButton = AValue;
    RebuildMainMenu();
}

void TovBarManager::SetShowCloseButton(bool AValue) {
    if (FShowCloseButton == AValue) return;
    FShowCloseButton = AValue;
    RebuildMainMenu();
}

void TovBarManager::SetAutoHideEmptyBars(bool AValue) {
    if (FAutoHideEmptyBars == AValue) return;
    FAutoHideEmptyBars = AValue;
    if (!AValue)
        for (int i = 0; i < FBars->Count(); ++i)
            FBars->GetItem(i)->SetInternallyHidden(false);
}

void TovBarManager::SetButtonArrowWidth(int AValue) {
    if (AValue <= 1 || AValue == FButtonArrowWidth) return;
    FButtonArrowWidth = AValue;
    RebuildToolbarWindows();
}

void TovBarManager::SetLargeButtonArrowWidth(int AValue) {
    if (AValue < 2 || AValue == FLargeButtonArrowWidth) return;
    FLargeButtonArrowWidth = AValue;
    RebuildToolbarWindows();
}

void TovBarManager::SetWaitForDockingTime(int AValue) {
    if (AValue >= 0) FWaitForDockingTime = AValue;
}

std::string TovBarManager::NormalizeRegistryPath(const std::string& APath) {
    if (APath.empty()) return APath;
    std::string result = APath;
    if (result.front() != '\\') result.insert(result.begin(), '\\');
    if (result.back() != '\\') result.push_back('\\');
    return result;
}

void TovBarManager::SetRegistryPath(const std::string& AValue) {
    FRegistryPath = NormalizeRegistryPath(AValue);
}

void TovBarManager::SetSunkenBorder(bool AValue) {
    if (FSunkenBorder == AValue) return;
    FSunkenBorder = AValue;
    for (IovBarDock* dock : FDockControls)
        dock->UpdateDock();
}

int TovBarManager::GetGlyphSize() const {
    return FImageOptions ? FImageOptions->GlyphSize() : 16;
}

TCustomImageList* TovBarManager::Images() const {
    return FImageOptions->Images();
}
void TovBarManager::SetImages(TCustomImageList* AValue) {
    FImageOptions->SetImages(AValue);
}
TCustomImageList* TovBarManager::LargeImages() const {
    return FImageOptions->LargeImages();
}
void TovBarManager::SetLargeImages(TCustomImageList* AValue) {
    FImageOptions->SetLargeImages(AValue);
}
TCustomImageList* TovBarManager::HotImages() const {
    return FImageOptions->HotImages();
}
void TovBarManager::SetHotImages(TCustomImageList* AValue) {
    FImageOptions->SetHotImages(AValue);
}
TCustomImageList* TovBarManager::DisabledImages() const {
    return FImageOptions->DisabledImages();
}
void TovBarManager::SetDisabledImages(TCustomImageList* AValue) {
    FImageOptions->SetDisabledImages(AValue);
}
TCustomImageList* TovBarManager::DisabledLargeImages() const {
    return FImageOptions->DisabledLargeImages();
}
void TovBarManager::SetDisabledLargeImages(TCustomImageList* AValue) {
    FImageOptions->SetDisabledLargeImages(AValue);
}
TColor TovBarManager::GetImageListBkColor() const {
    return FImageOptions->ImageListBkColor();
}
bool TovBarManager::LargeIcons() const {
    return FImageOptions->LargeIcons();
}
void TovBarManager::SetLargeIcons(bool AValue) {
    FImageOptions->SetLargeIcons(AValue);
}
bool TovBarManager::GetStretchGlyphs() const {
    return FImageOptions->StretchGlyphs;
}

void TovBarManager::RebuildToolbarWindows() {
    if (FBars != nullptr) FBars->RebuildAll();
}

// ---- Events

void TovBarManager::DoClickItem(TovBarItem* AItem) {
    OnClickItem(this, AItem);
}

bool TovBarManager::CanDock(TovBar* ABar, TovBarDockingStyle AStyle, IovBarDock* ADock) {
    bool result;
    if (ABar->NotDocking().Contains(AStyle))
        result = false;
    else if (ADock != nullptr && !ADock->IsBuiltIn())
        result = ADock->CanDocking(ABar, AStyle);
    else
        result = !FNotDocking.Contains(AStyle);
    OnDocking(ABar, AStyle, ADock, result);
    return result;
}

bool TovBarManager::DoBarReset(TovBar* ABar, bool& AShowConfirmation) {
    bool handled = false;
    OnBarReset(this, ABar, handled, AShowConfirmation);
    return handled;
}

void TovBarManager::DoBarVisibleChange(TovBar* ABar) {
    if (!BeingDestroyed()) OnBarVisibleChange(this, ABar);
}

void TovBarManager::DoBarDockingStyleChange(TovBar* ABar) {
    if ((FState & bmsLoadingBars) != 0) return;
    OnBarDockingStyleChange(this, ABar);
}

void TovBarManager::DoItemLinkAdd(TovBarItemLink* ALink) {
    if (!IsLoading()) OnItemLinkAdd(this, ALink);
}

void TovBarManager::DoItemLinkChange(TovBarItemLink* ALink) {
    if (!ComponentState().Contains(csLoading)) OnItemLinkChange(this, ALink);
}

void TovBarManager::DoItemLinkDelete(TovBarItemLink* ALink) {
    if (!BeingDestroyed()) OnItemLinkDelete(this, ALink);
}
