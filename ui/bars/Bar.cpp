#include "ui/bars/Bar.h"

#include "platform/win/WinUser.h"

#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/caption/BarCaptionButtons.h"
#include "ui/bars/merging/BarMergeData.h"
#include "ui/bars/painting/BarFonts.h"

TovBar::TovBar(TComponent* AOwner)
    : TuiComponentCollectionItem(AOwner), FCaptionButtons(std::make_unique<TovBarCaptionButtons>(this)),
      FMergeData(std::make_unique<TovBarMergeData>()), FFont(new TFont), FEditFont(new TFont) {
    FFont->OnChange = TNotifyEvent(this, &TovBar::FontChanged);
    FCaptionButtons->OnChange = TuiCollectionChangeEvent(
        [this](TuiOwnedInterfacedCollection*, TCollectionItem*) { CaptionButtonsChanged(); }, this);
}

TovBar::~TovBar() {
    FCaptionButtons->OnChange = nullptr;
    FCaptionButtons.reset();
    delete FItemLinks;
    FFont->OnChange = nullptr;
    delete FFont;
    delete FEditFont;
}

void TovBar::FontChanged(TObject*) {
    if (!FInternalFontChange) FUseOwnFont = true;
    AssignSystemFont(FFont, FEditFont, false);
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

void TovBar::SetFont(TFont* AValue) {
    FFont->Assign(AValue);
}

void TovBar::SetUseOwnFont(bool AValue) {
    if (FUseOwnFont == AValue) return;
    FUseOwnFont = AValue;
    if (!AValue) ManagerFontChanged();
}

void TovBar::ManagerFontChanged() {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr) return;
    if (FUseOwnFont) {
        AssignSystemFont(FFont, FEditFont, false);
        return;
    }
    FInternalFontChange = true;
    try {
        FFont->Assign(manager->Font());
    } catch (...) {
        FInternalFontChange = false;
        throw;
    }
    FInternalFontChange = false;
}

void TovBar::BeforeDestruction() {
    TovBarManager* manager = OwningBarManager();
    if (manager != nullptr && !manager->BeingDestroyed()) manager->OnBarDelete(manager, this);
    // A freed bar leaves the bar it is merged into, restoring nothing, and gives the bars merged into it
    // their visibility back.
    if (TovBar* target = MergeTarget()) target->UnMerge(this, false);
    if (!FMergeData->MergedBars.empty()) UnMerge(nullptr, true);
    FMergeData->ClearSavedBars();
    if (FItemLinks != nullptr) FItemLinks->FreeBarControl();
    if (IovBarDock* dock = GetRealDockControl()) dock->RemoveBar(this);
    if (manager != nullptr && manager->GetMainMenuBar() == this) manager->SetMainMenuBar(nullptr);
    if (manager != nullptr) {
        manager->RemoveWaitingBar(this);
        for (int i = 0; i < manager->ItemCount(); ++i)
            manager->Items(i)->BarNotification(this, 1);
    }
    TuiComponentCollectionItem::BeforeDestruction();
}

TovBarManager* TovBar::OwningBarManager() const {
    return dynamic_cast<TovBarManager*>(GetParentComponent());
}

TovBars* TovBar::GetManagerBars() const {
    TovBarManager* manager = OwningBarManager();
    return manager ? manager->Bars() : nullptr;
}

TovBarItemLinks* TovBar::ItemLinks() const {
    return FItemLinks;
}

IovBarControl* TovBar::GetControl() const {
    return FItemLinks ? FItemLinks->BarControl() : nullptr;
}

IovBarDock* TovBar::GetRealDockControl() const {
    if (FDockControl != nullptr) return FDockControl;
    TovBars* bars = GetManagerBars();
    return bars ? bars->DockControls(FDockingStyle) : nullptr;
}

TuiComponentCollection* TovBar::GetCollectionFromParent(TComponent* AParent) {
    auto* manager = dynamic_cast<TovBarManager*>(AParent);
    return manager ? manager->Bars() : nullptr;
}

void TovBar::SetCollection(TuiComponentCollection* AValue) {
    TuiComponentCollectionItem::SetCollection(AValue);
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr || FItemLinks != nullptr) return;
    FItemLinks = new TovBarControlItemLinks(manager, this);
    ManagerFontChanged();
    if (!manager->IsLoading()) {
        manager->OnBarAdd(manager, this);
        NotifyChanged();
    }
}

bool TovBar::IsStreaming() const {
    TovBarManager* manager = OwningBarManager();
    return manager != nullptr && manager->ComponentState().Contains(csLoading);
}

bool TovBar::CanContainItem(TovBarItem* AItem, std::string& AErrorText) {
    return AItem->CanBePlacedOn(bpToolbar, this, AErrorText);
}

IovBarControl* TovBar::CreateBarControl() {
    IovBarWindowFactory* factory = ovBarWindowFactory();
    return factory ? factory->CreateToolbarControl(this) : nullptr;
}

void TovBar::SetDockedDockControl(IovBarDock* AValue) {
    if (AValue != nullptr && AValue->BarManager() != OwningBarManager()) return;
    if (FDockedDockControl == AValue) return;
    FDockedDockControl = AValue;
    NotifyChanged();
}

TovBarDockingStyle TovBar::DockedDockingStyle() const {
    return FDockedDockControl != nullptr ? FDockedDockControl->DockingStyle() : FDockedDockingStyle;
}

void TovBar::SetCaptionButtons(TovBarCaptionButtons* AValue) {
    FCaptionButtons->Assign(AValue);
}

void TovBar::CaptionButtonsChanged() {
    if (IovBarControl* control = GetControl()) control->UpdateCaptionButtons();
}

void TovBar::SetCaption(const std::string& AValue) {
    if (FCaption == AValue) return;
    if (TovBarManager* manager = OwningBarManager())
        if (TovBar* other = manager->GetBarByCaption(AValue); other != nullptr && other != this) return;
    FCaption = AValue;
    if (IovBarControl* control = GetControl()) control->UpdateFrame();
    NotifyChanged();
}

void TovBar::SetDockControl(IovBarDock* AValue) {
    TovBarManager* manager = OwningBarManager();
    if (AValue != nullptr && AValue->BarManager() != manager) return;
    if (IsStreaming()) {
        FStreamedDockControl = AValue;
        return;
    }
    if (FDockControl == AValue) return;
    IovBarControl* control = GetControl();
    const bool hide = control != nullptr && !FChangingDockingStyle &&
                      ((AValue != nullptr && AValue != control->DockControl()) ||
                       (AValue == nullptr && FDockingStyle != dsNone && control->DockControl() != nullptr &&
                        !control->DockControl()->IsBuiltIn()));
    const bool wasVisible = FVisible;
    if (hide && wasVisible) SetVisible(false);
    FDockControl = AValue;
    if (FItemLinks) FItemLinks->RebuildLists();
    if (!FChangingDockingStyle) {
        FChangingDockingStyle = true;
        FDockingStyle = AValue ? AValue->DockingStyle() : FDockingStyle;
        FChangingDockingStyle = false;
    }
    if (hide && wasVisible) SetVisible(true);
    if (manager) manager->DoBarDockingStyleChange(this);
}

void TovBar::SetDockingStyle(TovBarDockingStyle AValue) {
    if (IsStreaming()) {
        FStreamedDockingStyle = AValue;
        FHasStreamedDockingStyle = true;
        return;
    }
    if (FDockingStyle == AValue) return;
    IovBarControl* control = GetControl();
    const bool hide = control != nullptr && control->DockingStyle() != AValue && !FChangingDockingStyle;
    const bool wasVisible = FVisible;
    if (hide && wasVisible) SetVisible(false);
    FDockingStyle = AValue;
    if (AValue != dsNone) FDockedDockingStyle = AValue;
    if (!FChangingDockingStyle) {
        FChangingDockingStyle = true;
        FDockControl = nullptr;
        FChangingDockingStyle = false;
    }
    if (FItemLinks) {
        FItemLinks->SetRecentItemCount(-1);
        FItemLinks->RebuildLists();
    }
    if (hide && wasVisible) SetVisible(true);
    if (TovBarManager* manager = OwningBarManager()) manager->DoBarDockingStyleChange(this);
}

void TovBar::ChangeDockingStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) {
    if (ADock != nullptr && ADock->IsBuiltIn()) ADock = nullptr;
    if (AStyle == FDockingStyle || (ADock != nullptr && ADock != FDockControl))
        SetDockControl(ADock);
    else
        SetDockingStyle(AStyle);
}

void TovBar::DockAt(TovBarDockingStyle AStyle, IovBarDock* ADock, int ARow, int AOffset) {
    TovBars* bars = GetManagerBars();
    if (bars == nullptr) return;
    IovBarDock* dock = ADock ? ADock : bars->DockControls(AStyle);
    if (dock == nullptr || dock->BarManager() != OwningBarManager()) return;
    const bool vertical = dock->DockingStyle() == dsLeft || dock->DockingStyle() == dsRight;
    const int offset = vertical ? FDockedTop : FDockedLeft;
    if (dock == GetRealDockControl() && Row() == ARow && offset == AOffset) return;
    const bool wasVisible = FVisible;
    const bool wasOneOnRow = FOneOnRow;
    SetVisible(false);
    if (dock->IsBuiltIn())
        SetDockingStyle(dock->DockingStyle());
    else
        SetDockControl(dock);
    if (ARow >= dock->RowCount()) dock->AddRow();
    if (vertical)
        SetDockedTop(AOffset);
    else
        SetDockedLeft(AOffset);
    SetRow(ARow);
    FOneOnRow = wasOneOnRow;
    SetVisible(wasVisible);
    dock->UpdateDock();
}

void TovBar::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBar*>(Source);
    if (source == nullptr) {
        TuiComponentCollectionItem::Assign(Source);
        return;
    }
    SetAllowClose(source->AllowClose());
    AllowCustomizing = source->AllowCustomizing;
    SetAllowQuickCustomizing(source->AllowQuickCustomizing());
    AllowReset = source->AllowReset;
    SetBorderStyle(source->BorderStyle());
    SetCaption(source->FCaption);
    SetCaptionButtons(source->CaptionButtons());
    SetDockedDockControl(source->FDockedDockControl);
    if (source->FDockedDockingStyle != dsNone) FDockedDockingStyle = source->FDockedDockingStyle;
    SetDockedLeft(source->FDockedLeft);
    SetDockedTop(source->FDockedTop);
    SetFloatLeft(source->FFloatLeft);
    SetFloatTop(source->FFloatTop);
    SetFloatClientWidth(source->FFloatClientWidth);
    SetFloatClientHeight(source->FFloatClientHeight);
    SetHidden(source->FHidden);
    SetIsMainMenu(source->FIsMainMenu);
    if (FItemLinks && source->FItemLinks) FItemLinks->Assign(source->FItemLinks);
    SetNotDocking(source->FNotDocking);
    OldName = source->OldName;
    FOneOnRow = source->FOneOnRow;
    SetRotateWhenVertical(source->RotateWhenVertical());
    SetRow(source->Row());
    SetShowMark(source->ShowMark());
    SetSizeGrip(source->SizeGrip());
    FWholeRow = source->FWholeRow;
    ChangeDockingStyle(source->FDockingStyle, source->FDockControl);
    SetUseRecentItems(source->UseRecentItems());
    SetUseRestSpace(source->UseRestSpace());
    SetColor(source->Color());
    SetFont(source->FFont);
    FUseOwnFont = source->FUseOwnFont;
    if (!FUseOwnFont) ManagerFontChanged();
    SetVisible(source->FVisible);
}

// ---- Appearance

namespace {

// The window of a bar floats.
bool IsFloatingWindow(IovBarControl* AControl) {
    return AControl != nullptr && AControl->DockingStyle() == dsNone;
}

} // namespace

void TovBar::SetAllowClose(bool AValue) {
    if (FAllowClose == AValue) return;
    FAllowClose = AValue;
    if (IovBarControl* control = GetControl(); IsFloatingWindow(control)) control->CaptionChanged();
    NotifyChanged();
}

void TovBar::SetAllowQuickCustomizing(bool AValue) {
    if (FAllowQuickCustomizing == AValue) return;
    FAllowQuickCustomizing = AValue;
    IovBarControl* control = GetControl();
    if (control == nullptr) return;
    if (IsFloatingWindow(control)) {
        control->CaptionChanged();
    } else if (TovBarManager* manager = OwningBarManager();
               manager != nullptr && manager->GetEffectiveStyle() != bmsStandard) {
        control->Rebuild();
    }
}

void TovBar::SetBorderStyle(TovBarBorderStyle AValue) {
    if (FBorderStyle == AValue) return;
    FBorderStyle = AValue;
    if (IovBarControl* control = GetControl()) control->UpdateFrame();
}

void TovBar::SetColor(TColor AValue) {
    if (FColor == AValue) return;
    FColor = AValue;
    if (IovBarControl* control = GetControl()) control->UpdateFrame();
}

void TovBar::SetRotateWhenVertical(bool AValue) {
    if (FRotateWhenVertical == AValue) return;
    FRotateWhenVertical = AValue;
    if (IovBarControl* control = GetControl()) control->FontChanged();
}

void TovBar::SetShowMark(bool AValue) {
    if (FShowMark == AValue) return;
    FShowMark = AValue;
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

void TovBar::SetSizeGrip(bool AValue) {
    if (FSizeGrip == AValue) return;
    FSizeGrip = AValue;
    if (IovBarControl* control = GetControl(); control != nullptr && IsStatusBarLike())
        control->UpdateFrame();
}

void TovBar::SetUseRestSpace(bool AValue) {
    if (FUseRestSpace == AValue) return;
    FUseRestSpace = AValue;
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

void TovBar::SetAlphaBlendValue(BYTE AValue) {
    if (FAlphaBlendValue == AValue) return;
    FAlphaBlendValue = AValue;
    if (IovBarControl* control = GetControl(); IsFloatingWindow(control)) control->UpdateTransparency();
}

void TovBar::SetDockedLeft(int AValue) {
    FDockedLeft = AValue < 0 ? 0 : AValue;
    NotifyChanged();
}

void TovBar::SetDockedTop(int AValue) {
    FDockedTop = AValue < 0 ? 0 : AValue;
    NotifyChanged();
}

void TovBar::SetFloatLeft(int AValue) {
    FFloatLeft = AValue;
    NotifyChanged();
}

void TovBar::SetFloatTop(int AValue) {
    FFloatTop = AValue;
    NotifyChanged();
}

void TovBar::SetFloatClientWidth(int AValue) {
    FFloatClientWidth = AValue;
    NotifyChanged();
}

void TovBar::SetFloatClientHeight(int AValue) {
    FFloatClientHeight = AValue;
    NotifyChanged();
}

int TovBar::Row() const {
    if (IovBarDock* dock = GetRealDockControl()) {
        const int row = dock->RowOf(this);
        if (row >= 0) return row;
    }
    return FRow;
}

void TovBar::SetRow(int AValue) {
    ApplyRow(AValue);
}

void TovBar::ApplyRow(int AValue) {
    if (AValue < 0) AValue = 0;
    IovBarDock* dock = GetRealDockControl();
    if (AValue == FRow && dock != nullptr && dock->RowOf(this) >= 0) return;
    FRow = AValue;
    if (dock != nullptr) {
        TovBarManager* manager = OwningBarManager();
        if (AValue >= dock->RowCount()) {
            const bool single =
                manager == nullptr || (!manager->IsUpdateLocked() && !manager->IsLoadingBars());
            if (single)
                dock->AddRow();
            else
                while (dock->RowCount() <= AValue)
                    dock->AddRow();
            dock->PutInRow(this, dock->RowCount() - 1);
        } else {
            dock->PutInRow(this, AValue);
        }
        NotifyChanged();
        dock->UpdateDock();
        return;
    }
    NotifyChanged();
}

void TovBar::SetIsMainMenu(bool AValue) {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr) {
        FIsMainMenu = AValue;
        return;
    }
    manager->BeginUpdate();
    try {
        if (TovBar* previous = manager->GetMainMenuBar(); AValue && previous != nullptr && previous != this)
            previous->SetIsMainMenu(false);
        FIsMainMenu = AValue;
        if (AValue) {
            manager->SetMainMenuBar(this);
            FWholeRow = true;
            FMultiLine = true;
        } else {
            if (manager->GetMainMenuBar() == this) manager->SetMainMenuBar(nullptr);
            FMultiLine = false;
            FWholeRow = false;
        }
        if (!IsStreaming()) {
            if (IovBarControl* control = GetControl()) control->Rebuild();
            NotifyChanged();
        }
    } catch (...) {
        manager->EndUpdate(true);
        throw;
    }
    manager->EndUpdate(true);
}

void TovBar::SetMultiLine(bool AValue) {
    if (!AValue && FIsMainMenu) return;
    if (FMultiLine == AValue) return;
    FMultiLine = AValue;
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

void TovBar::SetNotDocking(TovBarDockingStyles AValue) {
    FNotDocking = AValue;
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

void TovBar::SetHidden(bool AValue) {
    FHidden = AValue;
    NotifyChanged();
}

bool TovBar::UseRecentItems() const {
    return FItemLinks ? FItemLinks->UseRecentItems : true;
}

void TovBar::SetUseRecentItems(bool AValue) {
    if (FItemLinks == nullptr) return;
    FItemLinks->UseRecentItems = AValue;
    if (IovBarControl* control = GetControl()) control->Rebuild();
}

bool TovBar::CanDock() const {
    const TovBarDockingStyles all{dsNone, dsLeft, dsTop, dsRight, dsBottom};
    auto holdsAll = [&](TovBarDockingStyles AStyles) { return (all - AStyles).empty(); };
    if (holdsAll(FNotDocking)) return false;
    TovBarManager* manager = OwningBarManager();
    return manager == nullptr || !holdsAll(manager->NotDocking());
}

bool TovBar::CanClose() const {
    return FAllowClose && !FIsMainMenu;
}

void TovBar::ApplyStreamedValues() {
    IovBarDock* streamedDock = FStreamedDockControl;
    FStreamedDockControl = nullptr;
    SetDockControl(streamedDock);
    if (FDockControl == nullptr && FHasStreamedDockingStyle) SetDockingStyle(FStreamedDockingStyle);
    FHasStreamedDockingStyle = false;
    SetVisible(FStreamedVisible);
}

void TovBar::SetVisible(bool AValue) {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr || (AValue && manager->BeingDestroyed())) return;
    if (!AValue && !FVisible) manager->RemoveWaitingBar(this);
    if (IsStreaming()) {
        if (FStreamedVisible != AValue) FInternallyHidden = false;
        FStreamedVisible = AValue;
        return;
    }
    if (FVisible == AValue) return;
    FInternallyHidden = false;
    if (!AValue)
        if (IovBarControl* control = GetControl()) control->SavePosition();
    FVisible = AValue;
    if (AValue) manager->RemoveWaitingBar(this);
    if (AValue)
        ConnectWindow();
    else
        FreeWindow();
    NotifyChanged();
    manager->DoBarVisibleChange(this);
}

void TovBar::ConnectWindow() {
    if (FItemLinks == nullptr) return;
    FItemLinks->ConnectBarControl();
    UpdatePosition();
}

void TovBar::FreeWindow() {
    if (FItemLinks) FItemLinks->FreeBarControl();
}

void TovBar::UpdatePosition() {
    IovBarControl* control = GetControl();
    if (control == nullptr) return;
    if (TovBars* bars = GetManagerBars(); bars != nullptr && bars->Moving()) return;
    if (IovBarDock* dock = GetRealDockControl()) {
        control->ChangeStyle(dock->DockingStyle(), dock);
        const RECT bounds = dock->ScreenBounds();
        control->InsertAt(POINT{bounds.left + FDockedLeft, bounds.top + FDockedTop});
    } else {
        control->ChangeStyle(dsNone, nullptr);
        control->InsertAt(POINT{FFloatLeft, FFloatTop});
    }
    if (GetRealDockControl() != nullptr || FloatingWindowMayShow()) control->Show();
}

bool TovBar::FloatingWindowMayShow() const {
    TovBarManager* manager = OwningBarManager();
    TWinControl* owner = manager ? manager->OwnerWinControl() : nullptr;
    if (owner == nullptr || !owner->Visible()) return false;
    // Not while a window up the owner's parents is minimized.
    if (owner->HandleAllocated())
        for (HWND wnd = owner->Handle(); wnd != nullptr; wnd = GetParent(wnd))
            if (IsIconic(wnd)) return false;
    if (!manager->HideFloatingBarsWhenInactive || manager->IsCustomizing()) return true;
    TCustomForm* form = manager->GetParentForm();
    return form != nullptr && form->HandleAllocated() && GetActiveWindow() == form->Handle();
}

// ---- TovBars

TovBars::TovBars(TovBarManager* AManager)
    : TuiComponentCollection(AManager, TuiClassRef::Of<TovBar>()), FManager(AManager) {
    if (IovBarWindowFactory* factory = ovBarWindowFactory())
        for (TovBarDockingStyle style : {dsLeft, dsTop, dsRight, dsBottom})
            if (IovBarDock* dock = factory->CreateBuiltInDock(AManager, style)) {
                FDocks[style - 1] = dock;
                AManager->AddDockControl(dock);
            }
}

TovBars::~TovBars() {
    KillTimer(nullptr, FDockingWaitTimer);
    Clear();
    IovBarWindowFactory* factory = ovBarWindowFactory();
    for (IovBarDock*& dock : FDocks)
        if (dock != nullptr) {
            if (factory) factory->FreeDock(dock);
            dock = nullptr;
        }
}

IovBarDock* TovBars::DockControls(TovBarDockingStyle AStyle) const {
    if (AStyle < dsLeft || AStyle > dsBottom) return nullptr;
    return FDocks[AStyle - 1];
}

void TovBars::SetDockControl(TovBarDockingStyle AStyle, IovBarDock* ADock) {
    if (AStyle < dsLeft || AStyle > dsBottom) return;
    FDocks[AStyle - 1] = ADock;
    if (ADock != nullptr) FManager->AddDockControl(ADock);
}

void TovBars::RebuildAll() {
    for (int i = 0; i < Count(); ++i)
        if (IovBarControl* control = GetItem(i)->GetControl()) control->Rebuild();
}

void TovBars::SetItemName(TComponent* AComponent) {
    AComponent->SetName(FManager->MakeUniqueBarName(FManager->Name() + "Bar"));
}

void TovBars::Update(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) {
    TuiComponentCollection::Update(AItem, AAction);
    FManager->DesignerModified();
}
