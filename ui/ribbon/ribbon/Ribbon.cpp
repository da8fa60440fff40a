#include "ui/ribbon/ribbon/Ribbon.h"

#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Registries.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/painters/effects/Fader.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonApplicationMenuInterface.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/ribbon/RibbonMergeData.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>

// While set, the designer is not told of modifications (inside the constructor and some tab changes).
class TovCustomRibbon::TNoDesignerNotification {
public:
    explicit TNoDesignerNotification(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {
        ++FRibbon->FNoDesignerNotification;
    }
    ~TNoDesignerNotification() { --FRibbon->FNoDesignerNotification; }
    TNoDesignerNotification(const TNoDesignerNotification&) = delete;
    TNoDesignerNotification& operator=(const TNoDesignerNotification&) = delete;

private:
    TovCustomRibbon* FRibbon;
};

// ---- Options fading

TovRibbonOptionsFading::TovRibbonOptionsFading() {
    for (auto& options : FOptions)
        options = std::make_unique<TovFadingOptions>();
}

TovRibbonOptionsFading::~TovRibbonOptionsFading() = default;

void TovRibbonOptionsFading::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonOptionsFading*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    for (int i = 0; i < 4; ++i)
        FOptions[i]->Assign(source->FOptions[i].get());
}

void TovRibbonOptionsFading::SetApplicationButton(TovFadingOptions* AValue) {
    FOptions[0]->Assign(AValue);
}

void TovRibbonOptionsFading::SetBarItems(TovFadingOptions* AValue) {
    FOptions[1]->Assign(AValue);
}

void TovRibbonOptionsFading::SetTabGroups(TovFadingOptions* AValue) {
    FOptions[2]->Assign(AValue);
}

void TovRibbonOptionsFading::SetTabs(TovFadingOptions* AValue) {
    FOptions[3]->Assign(AValue);
}

// ---- Creation and destruction

TovCustomRibbon::TovCustomRibbon(TComponent* AOwner) : TuiControl(AOwner) {
    SetDoubleBuffered(true);
}

void TovCustomRibbon::AfterConstruction() {
    FOptionsFading = std::make_unique<TovRibbonOptionsFading>();
    FPainter.reset(CreatePainter());
    FViewInfo.reset(CreateViewInfo());
    FGroupsDockControlSite = CreateGroupsDockControlSite();
    if (FGroupsDockControlSite != nullptr) FGroupsDockControlSite->SetParent(this);
    FBarPainter.reset(CreateBarPainter());
    FFonts = std::make_unique<TovRibbonFonts>(this);
    FContexts = std::make_unique<TovRibbonContexts>(this);
    FTabs = std::make_unique<TovRibbonTabCollection>(this);
    FMergeData = std::make_unique<TovRibbonMergeData>();
    SetAlign(alTop);
    FShowTabGroups = true;
    FShowTabHeaders = true;
    FEnableTabAero = true;
    FApplicationButton.reset(CreateApplicationButton());
    FHelpButton.reset(CreateHelpButton());
    FQuickAccessToolbar.reset(CreateQuickAccessToolbar());
    FQuickAccessToolbar->CreateDock();
    FController.reset(CreateController());
    FTouchModeHelper.reset(CreateTouchModeHelper());
    FPopupMenuItems = ovRibbonAllPopupMenuItems;
    FColorSchemeListeners = std::make_unique<TuiEventHandlerCollection>();
    {
        TNoDesignerNotification quiet(this);
        SelectFirstSkin();
        if (IovRibbonBarPainter* painter = RibbonBarPainter()) painter->CalculateCollapsedGroupProportion();
        if (IsDesigning()) {
            TovBarManager* manager = GetBarManagerOfComponent(OwnerForm());
            if (manager == nullptr && BarManagerList()->Count() > 0) manager = BarManagerList()->Managers(0);
            SetBarManager(manager);
            FTabs->Add();
        }
    }
    // Built inside its form's loading bracket the ribbon is being read: what a stored form reads first.
    if (ComponentState().Contains(csReading)) ReadState();
    FFadingEnabled = true;
    MinimizeOnTabDblClick = true;
    if (!IsDesigning())
        if (IovRibbonFormHost* form = dynamic_cast<IovRibbonFormHost*>(Owner())) form->SetRibbon(this);
    RibbonListAdd(this);
}

void TovCustomRibbon::ReadState() {
    // The design-time tab the constructor adds makes room for the tabs the form holds.
    if (FTabsClearedByStreaming) return;
    FTabsClearedByStreaming = true;
    FTabs->Clear();
}

void TovCustomRibbon::BeforeDestruction() {
    RibbonListRemove(this);
    TuiControl::BeforeDestruction();
}

TovCustomRibbon::~TovCustomRibbon() {
    RibbonListRemove(this);
    // A plain delete reaches here before the component marks itself: what goes below must see it going.
    Destroying();
    if (FTabs == nullptr) return; // never completed its construction
    SetSupportNonClientDrawing(false);
    if (IovRibbonFormHost* form = dynamic_cast<IovRibbonFormHost*>(Owner()))
        if (!Owner()->ComponentState().Contains(csDestroying)) form->SetRibbon(nullptr);
    FCaptionAreaExtensions.clear();
    FTabGroupsPopupWindow.reset();
    FController.reset();
    FColorSchemeListeners.reset();
    SetBarManager(nullptr);
    FDestroyingSubObjects = true;
    FHelpButton.reset();
    FApplicationButton.reset();
    FQuickAccessToolbar.reset();
    FMergeData.reset();
    FTabs->Clear();
    FTabs.reset();
    FContexts.reset();
    FViewInfo.reset();
    FTouchModeHelper.reset();
    FBarPainter.reset();
    FBarManagerListeners.clear();
    FPainter.reset();
    FOptionsFading.reset();
    FFonts.reset();
    ReleaseSkin();
    // The groups site is one of the ribbon's components; the control's destruction frees it.
}

IovRibbonBarPainter* TovCustomRibbon::RibbonBarPainter() const {
    return dynamic_cast<IovRibbonBarPainter*>(FBarPainter.get());
}

// ---- Sub-object setters

void TovCustomRibbon::SetApplicationButton(TovRibbonApplicationButton* AValue) {
    FApplicationButton->Assign(AValue);
}

void TovCustomRibbon::SetHelpButton(TovRibbonHelpButton* AValue) {
    FHelpButton->Assign(AValue);
}

TovScreenTip* TovCustomRibbon::HelpButtonScreenTip() const {
    return FHelpButton->ScreenTip();
}

void TovCustomRibbon::SetHelpButtonScreenTip(TovScreenTip* AValue) {
    FHelpButton->SetScreenTip(AValue);
}

void TovCustomRibbon::SetContexts(TovRibbonContexts* AValue) {
    FContexts->Assign(AValue);
}

void TovCustomRibbon::SetFonts(TovRibbonFonts* AValue) {
    FFonts->Assign(AValue);
}

void TovCustomRibbon::SetOptionsFading(TovRibbonOptionsFading* AValue) {
    FOptionsFading->Assign(AValue);
}

void TovCustomRibbon::SetQuickAccessToolbar(TovRibbonQuickAccessToolbar* AValue) {
    FQuickAccessToolbar->Assign(AValue);
}

void TovCustomRibbon::SetTabs(TovRibbonTabCollection* AValue) {
    FTabs->Assign(AValue);
}

void TovCustomRibbon::AddBarManagerListener(IovRibbonBarManagerListener* AListener) {
    if (std::find(FBarManagerListeners.begin(), FBarManagerListeners.end(), AListener) ==
        FBarManagerListeners.end())
        FBarManagerListeners.push_back(AListener);
}

void TovCustomRibbon::RemoveBarManagerListener(IovRibbonBarManagerListener* AListener) {
    std::erase(FBarManagerListeners, AListener);
}

int TovCustomRibbon::AddCaptionAreaExtension(IovRibbonCaptionAreaExtension* AExtension) {
    auto found = std::find(FCaptionAreaExtensions.begin(), FCaptionAreaExtensions.end(), AExtension);
    if (found != FCaptionAreaExtensions.end())
        return static_cast<int>(found - FCaptionAreaExtensions.begin());
    FCaptionAreaExtensions.push_back(AExtension);
    return static_cast<int>(FCaptionAreaExtensions.size()) - 1;
}

void TovCustomRibbon::RemoveCaptionAreaExtension(IovRibbonCaptionAreaExtension* AExtension) {
    std::erase(FCaptionAreaExtensions, AExtension);
}

// ---- Published values

void TovCustomRibbon::SetDocumentName(const std::string& AValue) {
    if (FDocumentName == AValue) return;
    FDocumentName = AValue;
    Changed();
}

void TovCustomRibbon::SetEnableTabAero(bool AValue) {
    if (FEnableTabAero == AValue) return;
    FEnableTabAero = AValue;
    if (IovRibbonFormHost* form = GetRibbonForm()) form->UpdateFrameStyle();
}

void TovCustomRibbon::SetPopupMenuItems(TovRibbonPopupMenuItems AValue) {
    if (FPopupMenuItems == AValue) return;
    FPopupMenuItems = AValue;
    Changed();
}

void TovCustomRibbon::SetShowTabGroups(bool AValue) {
    if (FShowTabGroups == AValue) return;
    FShowTabGroups = AValue;
    if (FTabGroupsPopupWindow) FTabGroupsPopupWindow->SetAnimationMark(false);
    CloseTabGroupsPopup(true);
    if (!AValue) {
        if (IovRibbonFormHost* form = GetRibbonForm()) form->SwitchAutoHideModeOff();
        if (TovRibbonTab* tab = ActiveTab())
            if (IovRibbonGroupsDock* dock = tab->DockControl()) dock->SetVisible(false);
    }
    DoMinimizedChanged();
    Changed();
}

void TovCustomRibbon::SetShowTabHeaders(bool AValue) {
    if (FShowTabHeaders == AValue) return;
    FShowTabHeaders = AValue;
    CloseTabGroupsPopup(true);
    UpdateColorScheme();
}

// ---- Active tab

TovRibbonTab* TovCustomRibbon::ActiveTab() const {
    return ComponentState().Contains(csLoading) ? FLoadedActiveTab : FActiveTab;
}

void TovCustomRibbon::SetActiveTab(TovRibbonTab* ATab) {
    if (IsLoading()) {
        FLoadedActiveTab = ATab;
        return;
    }
    if (ATab == FActiveTab || IsDestroying()) return;
    if (!IsDesigning()) {
        if (IsBarManagerValid()) TovBarManager::CloseActiveBarControl();
        if (TovFader* fader = ovFader()) {
            if (auto* fading = dynamic_cast<IovFadingObject*>(FActiveTab)) fader->Remove(fading, false);
            if (auto* fading = dynamic_cast<IovFadingObject*>(ATab)) fader->Remove(fading, false);
        }
        if (!DoTabChanging(ATab)) return;
    }
    CloseTabGroupsPopup(true);
    if (FActiveTab != nullptr) FActiveTab->Deactivate();
    FActiveTab = ATab;
    SetRedrawGroupsSite(false);
    {
        // The site draws again and the layout is made once more, whatever the handlers do.
        TovFinally finally([this] {
            Changed();
            SetRedrawGroupsSite(true);
        });
        if (FActiveTab != nullptr) FActiveTab->Activate();
        Changed();
        DoTabChanged();
    }
    DesignerModified();
}

TovRibbonTab* TovCustomRibbon::GetNextActiveTab(TovRibbonTab* ATab) const {
    if (IsDestroying() || FTabs == nullptr) return nullptr;
    int position = 0;
    if (ATab != nullptr)
        position = ATab->ComponentState().Contains(csDestroying) ? ATab->IndexAtDestruction() : ATab->Index();
    if (position < 0) position = 0;
    const int count = FTabs->Count();
    for (int i = position; i < count; ++i) {
        TovRibbonTab* tab = FTabs->Items(i);
        if (tab != ATab && tab->IsVisible() && !tab->ComponentState().Contains(csDestroying)) return tab;
    }
    for (int i = std::min(position, count) - 1; i >= 0; --i) {
        TovRibbonTab* tab = FTabs->Items(i);
        if (tab != ATab && tab->IsVisible() && !tab->ComponentState().Contains(csDestroying)) return tab;
    }
    return nullptr;
}

TovRibbonTab* TovCustomRibbon::GetVisibleTab(int AIndex) const {
    for (int i = 0; i < FTabs->Count(); ++i)
        if (FTabs->Items(i)->Visible() && AIndex-- == 0) return FTabs->Items(i);
    return nullptr;
}

int TovCustomRibbon::GetVisibleTabCount() const {
    int count = 0;
    for (int i = 0; i < FTabs->Count(); ++i)
        if (FTabs->Items(i)->Visible()) ++count;
    return count;
}

void TovCustomRibbon::TabAdded(TovRibbonTab* ATab) {
    ATab->SetRibbon(this);
    if (ActiveTab() == nullptr) SetActiveTab(ATab);
    Changed();
}

void TovCustomRibbon::TabRemoved(TovRibbonTab* ATab) {
    if (FBarManager != nullptr) FBarManager->LockDesignerModified(true, false);
    TovFinally finally([this] {
        if (FBarManager != nullptr) FBarManager->LockDesignerModified(false, false);
    });
    ATab->SetRibbon(nullptr);
    if (ATab == FActiveTab) {
        TNoDesignerNotification quiet(this);
        TovRibbonTab* next = GetNextActiveTab(ATab);
        SetActiveTab(next);
        // A change vetoed by a handler cannot keep a tab that is gone.
        if (FActiveTab == ATab) FActiveTab = nullptr;
    }
    if (FLoadedActiveTab == ATab) FLoadedActiveTab = nullptr;
    if (FActiveTab == ATab) FActiveTab = nullptr;
    Changed();
}

TovRibbonTab* TovCustomRibbon::FindTabBindingToolbar(TovBar* ABar, TovRibbonTab* AExcept) const {
    if (ABar == nullptr || FTabs == nullptr) return nullptr;
    for (int i = 0; i < FTabs->Count(); ++i) {
        TovRibbonTab* tab = FTabs->Items(i);
        if (tab != AExcept && !tab->ComponentState().Contains(csDestroying) &&
            tab->Groups()->ContainsToolbar(ABar))
            return tab;
    }
    return nullptr;
}

void TovCustomRibbon::TabVisibleChanged(TovRibbonTab* ATab) {
    if (ATab->ComponentState().Contains(csDestroying)) {
        TNoDesignerNotification quiet(this);
        SetActiveTab(GetNextActiveTab(ATab));
    } else {
        SetActiveTab(GetNextActiveTab(ATab));
    }
}

// ---- Update lock and recalculation

void TovCustomRibbon::SetRedrawGroupsSite(bool ARedraw) {
    if (FGroupsDockControlSite == nullptr || !FGroupsDockControlSite->HandleAllocated()) return;
    SendMessage(FGroupsDockControlSite->Handle(), WM_SETREDRAW, ARedraw ? 1 : 0, 0);
    if (ARedraw && FGroupsDockControlSite->Visible())
        RedrawWindow(FGroupsDockControlSite->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TovCustomRibbon::BeginUpdate() {
    ++FLockCount;
    SetRedrawGroupsSite(false);
}

void TovCustomRibbon::EndUpdate() {
    if (FLockCount == 0) return;
    if (--FLockCount > 0 || IsDestroying()) return;
    Changed();
    SetRedrawGroupsSite(true);
    if (FSupportNonClientDrawing) RedrawFormNonClientArea();
}

void TovCustomRibbon::EndUpdateSiteOnly() {
    if (FLockCount == 0) return;
    if (--FLockCount == 0) SetRedrawGroupsSite(true);
}

bool TovCustomRibbon::IsLocked() {
    if (FLockCount > 0 || IsLoading() || IsDestroying()) return true;
    // Without a window and without a parent to make one in there is nothing to lay out.
    return !HandleAllocated() && Parent() == nullptr && ParentWindow() == nullptr;
}

void TovCustomRibbon::Changed() {
    if (IsLocked()) return;
    if (!IsDesigning() && !FCaptionUpdating)
        if (TovFader* fader = ovFader()) fader->Clear();
    if (!FCaptionUpdating && FController) FController->HideHint();
    if (FFormCaptionHelper) FFormCaptionHelper->Calculate();
    if (FViewInfo) FViewInfo->Calculate();
    Invalidate();
}

void TovCustomRibbon::UpdateHeight() {
    if (IsLoading() || !FViewInfo) return;
    const int height =
        IsHidden() && !IsDesigning() ? FViewInfo->GetNonClientAreaHeight() : FViewInfo->GetRibbonHeight();
    TuiControl::SetBounds(Left(), Top(), Width(), height);
}

bool TovCustomRibbon::CanResize(int& NewWidth, int& NewHeight) {
    const bool result = TuiControl::CanResize(NewWidth, NewHeight);
    // The height is the layout's, never one given from outside.
    if (FViewInfo && !IsLoading())
        NewHeight =
            IsHidden() && !IsDesigning() ? FViewInfo->GetNonClientAreaHeight() : FViewInfo->GetRibbonHeight();
    return result;
}

void TovCustomRibbon::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (ComponentState().Contains(csReading)) FStreamedHeight = AHeight;
    TuiControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

// ---- State

bool TovCustomRibbon::IsBarManagerValid() const {
    return FBarManager != nullptr && !FBarManager->ComponentState().Contains(csDestroying);
}

IovRibbonFormHost* TovCustomRibbon::GetRibbonForm() const {
    TComponent* owner = Owner();
    if (owner == nullptr || owner->ComponentState().Contains(csDestroying)) return nullptr;
    return dynamic_cast<IovRibbonFormHost*>(owner);
}

TCustomForm* TovCustomRibbon::OwnerForm() const {
    return dynamic_cast<TCustomForm*>(Owner());
}

bool TovCustomRibbon::AreGroupsVisible() {
    return !IsHidden() && (FShowTabGroups || IsTabGroupsPopupVisible());
}

bool TovCustomRibbon::IsHidden() {
    return FViewInfo && FViewInfo->IsHidden();
}

void TovCustomRibbon::ShowTabGroupsPopup() {
    if (FShowTabGroups) return;
    if (!FTabGroupsPopupWindow) FTabGroupsPopupWindow.reset(CreateTabGroupsPopupWindow());
    if (!FTabGroupsPopupWindow) return;
    FTabGroupsPopupWindow->SetAnimationMark(Style() == rs2013);
    TRect bounds = BoundsRect();
    if (Parent() != nullptr) {
        const POINT topLeft = Parent()->ClientToScreen(POINT{bounds.left, bounds.top});
        bounds = {topLeft.x, topLeft.y, topLeft.x + Width(), topLeft.y + Height()};
    }
    FTabGroupsPopupWindow->Popup(bounds, Parent());
    if (HandleAllocated()) Invalidate();
}

void TovCustomRibbon::CloseTabGroupsPopup(bool AResetFlag) {
    if (!FTabGroupsPopupWindow || !FTabGroupsPopupWindow->IsVisible()) return;
    if (!AResetFlag) FTabGroupsPopupWindow->SetAnimationMark(false);
    FTabGroupsPopupWindow->ClosePopup();
}

bool TovCustomRibbon::IsTabGroupsPopupVisible() const {
    return FTabGroupsPopupWindow && FTabGroupsPopupWindow->IsVisible();
}

void TovCustomRibbon::SetApplicationMenuShown(bool AValue) {
    FApplicationMenuShown = AValue;
    if (IovRibbonFormHost* form = GetRibbonForm()) {
        if (AValue)
            form->HideRibbonUI();
        else
            form->UpdateNonClientArea();
    }
    Changed();
}

bool TovCustomRibbon::ShowApplicationMenu() {
    if (FApplicationMenuShown) return false;
    // The ribbon may be destroyed while its menu runs.
    TWeakLink<TovCustomRibbon> self(this);
    bool shown = false;
    bool handled = false;
    OnApplicationMenuClick(this, handled);
    if (self.Get() == nullptr) return false;
    if (!handled && FApplicationButton->Menu() != nullptr && FApplicationButton->CanShowMenu()) {
        SetApplicationMenuShown(true);
        bool closedByEscape = false;
        try {
            shown = FApplicationButton->PopupMenu(closedByEscape);
        } catch (...) {
            if (self.Get() != nullptr) SetApplicationMenuShown(false);
            throw;
        }
        if (self.Get() == nullptr) return shown;
        SetApplicationMenuShown(false);
    }
    if (self.Get() != nullptr && FController) FController->ClearPressedObject();
    return shown;
}

// ---- Metrics

int TovCustomRibbon::GetGroupRowHeight() {
    IovRibbonBarPainter* painter = RibbonBarPainter();
    return painter != nullptr ? painter->GetGroupRowHeight(16, FFonts->GetGroupFont()) : 0;
}

int TovCustomRibbon::GetGroupHeight() {
    const TRect offsets = GetContentOffsets(1);
    return offsets.top + offsets.bottom + GetGroupContentHeight();
}

int TovCustomRibbon::GetGroupCaptionHeight() {
    IovRibbonBarPainter* painter = RibbonBarPainter();
    return painter != nullptr ? painter->GetGroupCaptionHeight(FFonts->GetGroupHeaderFont()) : 0;
}

// ---- Bar manager

void TovCustomRibbon::SetBarManager(TovBarManager* AValue) {
    if (FBarManager == AValue) return;
    const std::vector<IovRibbonBarManagerListener*> listeners = FBarManagerListeners;
    for (IovRibbonBarManagerListener* listener : listeners)
        listener->BeforeBarManagerChange();
    TovFinally finally([this, listeners] {
        for (IovRibbonBarManagerListener* listener : listeners)
            listener->AfterBarManagerChange();
        Changed();
    });
    DetachBarManager();
    // The old manager holds its windows still while the tabs and the quick access toolbar let go of it.
    TovBarManager* oldManager = AValue == nullptr && IsBarManagerValid() ? FBarManager : nullptr;
    FBarManager = AValue;
    if (IsBarManagerValid()) {
        AttachBarManager();
        FFonts->UpdateFonts();
    }
    if (oldManager != nullptr) oldManager->BeginUpdate();
    TovFinally endUpdate([oldManager] {
        if (oldManager != nullptr) oldManager->EndUpdate(true);
    });
    if (FTabs) FTabs->SetBarManager(FBarManager);
    if (FQuickAccessToolbar && FQuickAccessToolbar->DockControl())
        FQuickAccessToolbar->DockControl()->SetBarManager(FBarManager);
}

void TovCustomRibbon::AttachBarManager() {
    FBarManager->FreeNotification(this);
    // The manager keeps its font handlers as plain callables it never gives back: the ribbon's reaches the
    // ribbon through a target it clears when it lets go of the manager.
    FFontHandlerTarget = std::make_shared<TovCustomRibbon*>(this);
    std::weak_ptr<TovCustomRibbon*> target = FFontHandlerTarget;
    FBarManager->SystemFontChangedHandlers.push_back([target](TovBarManager* AManager) {
        if (auto ribbon = target.lock(); ribbon && *ribbon) (*ribbon)->SystemFontChanged(AManager);
    });
    FBarManager->MDIStateChangedHandlers()->Add(
        TuiEventHandler(this, &TovCustomRibbon::BarManagerMDIStateChanged));
}

void TovCustomRibbon::DetachBarManager() {
    if (FBarManager == nullptr) return;
    if (FFontHandlerTarget) *FFontHandlerTarget = nullptr;
    FFontHandlerTarget.reset();
    if (!FBarManager->ComponentState().Contains(csDestroying))
        FBarManager->MDIStateChangedHandlers()->Remove(
            TuiEventHandler(this, &TovCustomRibbon::BarManagerMDIStateChanged));
    FBarManager->RemoveFreeNotification(this);
}

void TovCustomRibbon::SystemFontChanged(TovBarManager*) {
    FontChanged();
}

void TovCustomRibbon::BarManagerMDIStateChanged(TObject*, void* AData) {
    if (AData == nullptr) return;
    const auto* data = static_cast<const TovBarMDIStateChangedEventData*>(AData);
    MDIStateChanged(static_cast<int>(data->Change), data->Window);
}

// ---- Component life

void TovCustomRibbon::Notification(TComponent* AComponent, TOperation Operation) {
    TuiControl::Notification(AComponent, Operation);
    if (FApplicationButton) FApplicationButton->Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FBarManager) SetBarManager(nullptr);
    if (IsDestroying()) return;
    if (FHelpButton && AComponent == FHelpButton->ScreenTip()) FHelpButton->SetScreenTip(nullptr);
    if (FApplicationButton && AComponent == FApplicationButton->ScreenTip())
        FApplicationButton->SetScreenTip(nullptr);
    if (FQuickAccessToolbar && AComponent != nullptr &&
        (AComponent == FQuickAccessToolbar->Toolbar() || dynamic_cast<TovBarManager*>(AComponent) != nullptr))
        if (FQuickAccessToolbar->Toolbar() != nullptr &&
            (AComponent == FQuickAccessToolbar->Toolbar() || AComponent == FBarManager ||
             FQuickAccessToolbar->Toolbar()->OwningBarManager() == AComponent))
            FQuickAccessToolbar->SetToolbar(nullptr);
}

void TovCustomRibbon::Loaded() {
    BeginUpdate();
    {
        TovFinally finally([this] { EndUpdate(); });
        FTabs->SetBarManager(FBarManager);
        TuiControl::Loaded();
        SetActiveTab(FLoadedActiveTab);
        FLoadedActiveTab = nullptr;
        if (FActiveTab != nullptr) FActiveTab->DockToolbars();
        FTabs->RestoreOrder();
        FTabs->BindContexts();
    }
    // Groups bound while the form was read come in with their toolbars only now.
    if (FSupportNonClientDrawing && Parent() != nullptr) UpdateNonClientDrawing();
}

void TovCustomRibbon::SetParent(TWinControl* AParent) {
    // The ribbon lives at the top of the form that holds the parent it is given.
    TWinControl* parent = AParent != nullptr ? ::GetParentForm(AParent) : nullptr;
    TuiControl::SetParent(parent);
    SetTop(0);
    if (FSupportNonClientDrawing && !IsLoading() && AParent != nullptr) UpdateNonClientDrawing();
}

void TovCustomRibbon::CreateParams(TCreateParams& Params) {
    TuiControl::CreateParams(Params);
    Params.WindowClassStyle &= ~(CS_VREDRAW | CS_HREDRAW);
}

void TovCustomRibbon::CMVisibleChanged(TMessage& Message) {
    IovRibbonFormHost* form = FSupportNonClientDrawing ? GetRibbonForm() : nullptr;
    TCustomForm* ownerForm = form != nullptr ? OwnerForm() : nullptr;
    if (ownerForm == nullptr) {
        TuiControl::CMVisibleChanged(Message);
        return;
    }
    ownerForm->DisableAlign();
    {
        TovFinally finally([ownerForm] { ownerForm->EnableAlign(); });
        TuiControl::CMVisibleChanged(Message);
        UpdateNonClientDrawing();
    }
    form->RecalculateFrame();
}

void TovCustomRibbon::DoContextPopup(POINT MousePos, bool& Handled) {
    // At run time the ribbon shows its own menus.
    if (IsDesigning())
        TuiControl::DoContextPopup(MousePos, Handled);
    else
        Handled = true;
}

void TovCustomRibbon::BoundsChanged() {
    TuiControl::BoundsChanged();
    Changed();
}

void TovCustomRibbon::FontChanged() {
    TuiControl::FontChanged();
    BeginUpdate();
    TovFinally finally([this] { EndUpdate(); });
    if (FFonts) FFonts->UpdateFonts();
    if (TovRibbonTab* tab = ActiveTab()) tab->UpdateDockControl();
}

bool TovCustomRibbon::IsPointInClientArea(const TPoint& P) {
    return FViewInfo && FViewInfo->GetTabAtPos(P.x, P.y) != nullptr;
}

void TovCustomRibbon::DesignerModified() {
    if (FNoDesignerNotification > 0) return;
    TuiControl::DesignerModified();
}

void TovCustomRibbon::FullInvalidate() {
    if (IsDestroying() || !HandleAllocated() || !Visible()) return;
    if (FQuickAccessToolbar) FQuickAccessToolbar->Update();
    if (TovRibbonTab* tab = ActiveTab()) tab->RepaintDockControl();
    if (FGroupsDockControlSite != nullptr && FGroupsDockControlSite->HandleAllocated())
        FGroupsDockControlSite->Invalidate();
    Invalidate();
}

// ---- Key preview

void TovCustomRibbon::FormKeyDown(WORD& Key, TShiftState Shift) {
    if (!HandleAllocated() || IsDestroying()) return;
    if (FController) FController->HideHint();
    if (Key == VK_F1 && Shift == TShiftState{ssCtrl} && !IsTabGroupsPopupVisible()) {
        SetShowTabGroups(!FShowTabGroups);
        Key = 0;
    }
}

// ---- Events

void TovCustomRibbon::DoMinimizedChanged() {
    OnMinimizedChanged(this);
}

bool TovCustomRibbon::DoHideMinimizedByClick(HWND AWnd, TShiftState AShift, const TPoint& APos) {
    bool allow = true;
    OnHideMinimizedByClick(this, AWnd, AShift, APos, allow);
    return allow;
}

bool TovCustomRibbon::DoTabChanging(TovRibbonTab* ANewTab) {
    bool allow = true;
    OnTabChanging(this, ANewTab, allow);
    return allow;
}

void TovCustomRibbon::DoMoreCommandsExecute() {
    if (OnMoreCommandsExecute.Assigned())
        OnMoreCommandsExecute(this);
    else if (IsBarManagerValid())
        FBarManager->SetIsCustomizing(true);
}

void TovCustomRibbon::DoTabChanged() {
    OnTabChanged(this);
}

void TovCustomRibbon::DoTabGroupCollapsed(TovRibbonTab* ATab, TovRibbonTabGroup* AGroup) {
    OnTabGroupCollapsed(this, ATab, AGroup);
}

void TovCustomRibbon::DoTabGroupExpanded(TovRibbonTab* ATab, TovRibbonTabGroup* AGroup) {
    OnTabGroupExpanded(this, ATab, AGroup);
}

void TovCustomRibbon::DoHelpButtonClick() {
    OnHelpButtonClick(this);
}

// ---- Merging

TovRibbonContext* TovCustomRibbon::AddMergedContext(TovRibbonContext* ASource) {
    // A context made earlier for the same source is used again.
    for (int i = 0; i < FContexts->Count(); ++i) {
        TovRibbonContext* context = FContexts->Items(i);
        if (context->CreatedByMerging && context->MergeSource == ASource) return context;
    }
    int position = 0;
    for (int i = 0; i < FContexts->Count(); ++i)
        if (FContexts->Items(i)->MergeOrder() <= ASource->MergeOrder()) position = i + 1;
    TovRibbonContext* context = FContexts->Insert(position);
    context->CreatedByMerging = true;
    context->MergeSource = ASource;
    context->Assign(ASource);
    return context;
}

TovBar* TovCustomRibbon::AddToolbar() {
    return IsBarManagerValid() ? FBarManager->Bars()->Add() : nullptr;
}

// ---- The ribbon the program uses

TovRibbonPopupMenuItems TovCustomRibbon::GetPopupMenuItems() {
    TovRibbonPopupMenuItems items = FPopupMenuItems;
    if (!FQuickAccessToolbar->Visible() || FQuickAccessToolbar->Toolbar() == nullptr) {
        items.Exclude(rpmiQATPosition);
        items.Exclude(rpmiQATAddRemoveItem);
    }
    return items;
}
