#include "ui/bars/BarItem.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/itemcontrols/ItemStylesData.h"
#include "ui/core/base/ObjectLinks.h"

#include <algorithm>

namespace {

TovBarManager* ManagerFor(TComponent* AOwner) {
    if (auto* manager = dynamic_cast<TovBarManager*>(AOwner)) return manager;
    if (TovBarManager* manager = GetBarManagerOfComponent(AOwner)) return manager;
    TovBarManagerList* list = BarManagerList();
    return list ? list->Managers(0) : nullptr;
}

} // namespace

TovBarItem::TovBarItem(TComponent* AOwner) : TovBarComponent(AOwner) {
    FBarManager = ManagerFor(AOwner);
    FGlyph = new TBitmap;
    FGlyph->OnChange = TNotifyEvent(this, &TovBarItem::GlyphBitmapChanged);
    FLargeGlyph = new TBitmap;
    FLargeGlyph->OnChange = TNotifyEvent(this, &TovBarItem::LargeGlyphBitmapChanged);
    if (FBarManager != nullptr) FBarManager->AddItem(this);
}

TovBarItem::~TovBarItem() {
    FStylesData.reset();
    ClearLinks();
    if (FBarManager != nullptr) FBarManager->RemoveItem(this);
    FActionLink.reset();
    delete FGlyph;
    delete FLargeGlyph;
    uiClearObjectLinks(this);
}

void TovBarItem::BeforeDestruction() {
    TovBarComponent::BeforeDestruction();
    OnDestroy(this);
    ClearLinks();
}

void TovBarItem::Loaded() {
    TovBarComponent::Loaded();
    if (Action() != nullptr) ActionChange(Action(), true);
    OnAfterLoad(this);
}

bool TovBarItem::IsDesignState() const {
    return ComponentState().Contains(csDesigning);
}

bool TovBarItem::IsItemLoading() const {
    return ComponentState().Contains(csLoading);
}

// ---- Action

TBasicAction* TovBarItem::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TovBarItem::SetAction(TBasicAction* AValue) {
    if (Action() == AValue) return;
    if (AValue == nullptr) {
        FActionLink.reset();
        return;
    }
    const bool actionLoading = AValue->ComponentState().Contains(csLoading);
    if (actionLoading && FBarManager) FBarManager->LockDesignerModified(true);
    try {
        if (!FActionLink) FActionLink = std::make_unique<TovBarItemActionLink>(this);
        FActionLink->SetAction(AValue);
        // The action's setters reach the item through the link's Set... calls, each only while that
        // property still follows; the class library's per-setter change notice is not a whole change.
        ActionChange(AValue, actionLoading);
        AValue->FreeNotification(this);
    } catch (...) {
        if (actionLoading && FBarManager) FBarManager->LockDesignerModified(false, false);
        throw;
    }
    if (actionLoading && FBarManager) FBarManager->LockDesignerModified(false, false);
}

void TovBarItem::ActionChanged(TObject*) {
    if (Action() != nullptr) ActionChange(Action(), false);
}

void TovBarItem::ActionChange(TObject* ASender, bool ACheckDefaults) {
    auto* action = dynamic_cast<TCustomAction*>(ASender);
    if (action == nullptr) return;
    if (!ACheckDefaults || FCaption.empty()) {
        FCheckDefaults = true;
        try {
            SetCaption(action->Caption());
        } catch (...) {
            FCheckDefaults = false;
            throw;
        }
        FCheckDefaults = false;
    }
    if (auto* button = dynamic_cast<TovBarButton*>(this))
        if (!ACheckDefaults || !button->Down()) button->SetDown(action->Checked());
    if (!ACheckDefaults || FEnabled) SetEnabled(action->Enabled());
    if (!ACheckDefaults || FHelpContext == 0) SetHelpContext(action->HelpContext());
    if (!ACheckDefaults || FHint.empty()) SetHint(action->Hint());
    if (!ACheckDefaults || GetCurImageIndex() == -1) SetCurImageIndex(action->ImageIndex());
    if (!ACheckDefaults || FShortCut == 0) SetShortCut(action->ShortCut());
    if (!ACheckDefaults || FVisible == ivAlways) SetVisible(action->Visible() ? ivAlways : ivNever);
    if (!ACheckDefaults || !FOnClick) FOnClick = action->OnExecute();
}

void TovBarItem::Notification(TComponent* AComponent, TOperation Operation) {
    TovBarComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
    if (FActionLink && static_cast<void*>(FActionLink->Action()) == static_cast<void*>(AComponent))
        FActionLink.reset();
    if (AComponent == FScreenTip) FScreenTip = nullptr;
}

void TovBarItem::SetScreenTip(TComponent* AValue) {
    if (FScreenTip == AValue) return;
    if (FScreenTip != nullptr) FScreenTip->RemoveFreeNotification(this);
    FScreenTip = AValue;
    if (FScreenTip != nullptr) FScreenTip->FreeNotification(this);
}

TComponent* TovBarItem::GetScreenTip() {
    TComponent* tip = FScreenTip;
    OnGetScreenTip(this, tip);
    return tip;
}

// ---- The click road

void TovBarItem::Click() {
    if (!GetEnabled()) return;
    try {
        if (FBarManager != nullptr) FBarManager->DoClickItem(this);
        DoClick();
    } catch (Exception& E) {
        if (Application() != nullptr) Application()->HandleException(this, &E);
    }
}

void TovBarItem::DoClick() {
    TBasicAction* action = Action();
    if (FOnClick && (action == nullptr || !(action->OnExecute() == FOnClick))) {
        FOnClick(this);
        return;
    }
    if (!IsDesignState() && FActionLink) FActionLink->Execute(this);
}

void TovBarItem::DirectClick() {
    if (IsShortCutSupported()) Click();
}

bool TovBarItem::IsShortCut(TShortCut AShortCut) {
    if (!GetEnabled()) return false;
    if (IsShortCutSupported() && AShortCut != 0 && AShortCut == FShortCut) {
        DirectClick();
        return true;
    }
    if (TovBarItemLinks* links = LinksOf()) return links->IsShortCut(AShortCut);
    return false;
}

// ---- Enabled and visible

bool TovBarItem::GetEnabled() const {
    if (FBarManager != nullptr && FBarManager->IsCustomizing() && !FBarManager->IsDesigning() &&
        FCategory >= 0)
        return true;
    return FEnabled;
}

void TovBarItem::SetEnabled(bool AValue) {
    if (FEnabled == AValue) return;
    FEnabled = AValue;
    if (!IsItemLoading()) EnabledChanged();
}

void TovBarItem::SetVisible(TovBarItemVisible AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    UpdateLinksVisibility();
}

bool TovBarItem::IsShownAtRunTime() const {
    const bool customizing = FBarManager != nullptr && FBarManager->IsCustomizingOrDesigning();
    if (FVisible == ivAlways) return CanBeVisible() || customizing;
    return FVisible == ivInCustomizing && customizing;
}

void TovBarItem::UpdateLinksVisibility() {
    if (IsDesignState() || ComponentState().Contains(csDestroying)) return;
    if (IsItemLoading() && FBarManager != nullptr && FBarManager->IsLoading()) return;
    ovBarWithinUpdate(FBarManager, [this] {
        const std::vector<TovBarItemLink*> links = FLinks;
        for (TovBarItemLink* link : links)
            link->ItemVisibleChanged();
    });
    NotifyChangeListeners(false);
}

TovBarCustomizationActions TovBarItem::GetSupportedActions() const {
    // At design time the full set only while the design controller customizes a link (its popup).
    if (IsDesignState())
        return BarDesignController()->HasCustomizedLink()
                   ? TovBarCustomizationActions{bcaReset,      bcaDelete,     bcaDeleteItem,
                                                bcaDeleteLink, bcaSelectLink, bcaCaption,
                                                bcaPosition,   bcaViewLevels, bcaDistributed,
                                                bcaBeginGroup, bcaVisible,    bcaMostRecentlyUsed}
                   : TovBarCustomizationActions{bcaDelete};
    return {bcaReset, bcaDeleteLink, bcaCaption, bcaBeginGroup};
}

bool TovBarItem::CanDelete(bool ADestruction) {
    if (!FLinks.empty() && !ADestruction) return true;
    return TovBarComponent::CanDelete(ADestruction);
}

void TovBarItem::DeleteSelectedObject(bool ADestruction) {
    if (!CanDelete(ADestruction)) return;
    if (ADestruction || FLinks.empty())
        delete this;
    else
        ClearLinks();
}

// ---- Properties

void TovBarItem::SetAlign(TovBarItemAlign AValue) {
    if (FAlign == AValue) return;
    FAlign = AValue;
    RefreshBarControls();
}

std::string TovBarItem::GetCaptionForHint(const std::string& ACaption) {
    std::string result = ACaption;
    if (auto pos = result.find('&'); pos != std::string::npos) result.erase(pos, 1);
    if (auto pos = result.find("..."); pos != std::string::npos) result.erase(pos, 3);
    return result;
}

bool TovBarItem::IsHintDefault() const {
    const std::string shortHint = FHint.substr(0, FHint.find('|'));
    return shortHint == GetCaptionForHint(FCaption);
}

void TovBarItem::SetCaption(const std::string& AValue) {
    if (FCaption == AValue) return;
    bool automaticHint = false;
    if (!FCheckDefaults && !IsSubItem()) automaticHint = FHint.empty() || IsHintDefault();
    FCaption = AValue;
    if (IsItemLoading()) return;
    if (automaticHint) {
        const std::string shortHint = GetCaptionForHint(AValue);
        const auto bar = FHint.find('|');
        FHint = bar != std::string::npos ? shortHint + "|" + FHint.substr(bar + 1) : shortHint;
    }
    CaptionChanged();
}

void TovBarItem::SetCategory(int AValue) {
    if (IsItemLoading()) {
        FCategory = AValue;
        return;
    }
    if (FBarManager == nullptr || FBarManager->IndexOfItem(this) < 0) return;
    if (AValue < 0 || AValue >= FBarManager->Categories()->Count()) return;
    // The item moves behind the last item of its new category.
    int last = -1;
    for (int i = 0; i < FBarManager->ItemCount(); ++i)
        if (FBarManager->Items(i) != this && FBarManager->Items(i)->Category() == AValue) last = i;
    if (last >= 0) {
        const int own = FBarManager->IndexOfItem(this);
        FBarManager->MoveItem(own, own > last ? last + 1 : last);
    }
    FCategory = AValue;
    NotifyChangeListeners(true);
}

void TovBarItem::SetDescription(const std::string& AValue) {
    if (FDescription == AValue) return;
    FDescription = AValue;
    NotifyChangeListeners(false);
}

void TovBarItem::SetName(const std::string& NewName) {
    TovBarComponent::SetName(NewName);
    if (!(IsDesignState() && NewName.empty())) NotifyChangeListeners(false);
}

void TovBarItem::SetGlyph(TBitmap* AValue) {
    FGlyph->Assign(AValue);
}

void TovBarItem::SetLargeGlyph(TBitmap* AValue) {
    FLargeGlyph->Assign(AValue);
}

void TovBarItem::GlyphBitmapChanged(TObject*) {
    GlyphChanged();
}

void TovBarItem::LargeGlyphBitmapChanged(TObject*) {
    LargeGlyphChanged();
}

void TovBarItem::SetImageIndex(int AValue) {
    if (FImageIndex == AValue) return;
    FImageIndex = AValue;
    GlyphChanged();
}

void TovBarItem::ApplyLargeImageIndex(int AValue) {
    if (FLargeImageIndex == AValue) return;
    FLargeImageIndex = AValue;
    LargeGlyphChanged();
}

void TovBarItem::SetPaintStyle(TovBarPaintStyle AValue) {
    if (FPaintStyle == AValue) return;
    FPaintStyle = AValue;
    if (!IsItemLoading()) PaintStyleChanged();
}

void TovBarItem::SetShortCut(TShortCut AValue) {
    if (FShortCut == AValue) return;
    FShortCut = AValue;
    if (!IsItemLoading()) ShortCutChanged();
}

void TovBarItem::SetShowCaption(bool AValue) {
    if (FShowCaption == AValue) return;
    FShowCaption = AValue;
    if (!IsItemLoading()) RefreshBarControls();
}

void TovBarItem::SetWidth(int AValue) {
    if (AValue < 0 || AValue == FWidth) return;
    FWidth = AValue;
    if (!IsItemLoading()) WidthChanged();
}

std::string TovBarItem::GetDefaultCaption() const {
    return uiGetResourceString(ovSBAR_NEWITEMCAPTION);
}

TCustomImageList* TovBarItem::ImageListOf() const {
    return FBarManager ? FBarManager->ImageOptions()->Images() : nullptr;
}

bool TovBarItem::CanBePlacedOn(TovBarPlacement, TovBar*, std::string& AErrorText) {
    AErrorText.clear();
    return true;
}

const TovBarItemControlClass* TovBarItem::GetControlClass(bool) const {
    TovBarItemList* list = BarItemList();
    return list ? list->ItemControlClassOf(typeid(*this)) : nullptr;
}

// ---- Links

TovBarItemLink* TovBarItem::Links(int AIndex) const {
    return AIndex >= 0 && AIndex < LinkCount() ? FLinks[AIndex] : nullptr;
}

TovBarItemLink* TovBarItem::GetActiveItemLink() const {
    for (TovBarItemLink* link : FLinks)
        if (link->Control() != nullptr && link->Control()->IsActive()) return link;
    return nullptr;
}

void TovBarItem::AddLinkRef(TovBarItemLink* ALink) {
    if (std::find(FLinks.begin(), FLinks.end(), ALink) == FLinks.end()) FLinks.push_back(ALink);
}

void TovBarItem::RemoveLinkRef(TovBarItemLink* ALink) {
    std::erase(FLinks, ALink);
}

void TovBarItem::ClearLinks() {
    if (FLinks.empty()) return;
    bool bracket = false;
    if (FBarManager != nullptr && !FBarManager->BeingDestroyed() && !FBarManager->IsUpdateLocked())
        for (TovBarItemLink* link : FLinks)
            if (IovBarControl* control = link->LinksBarControl(); control && control->Kind() == bckToolbar)
                bracket = true;
    auto work = [this] {
        while (!FLinks.empty())
            delete FLinks.back(); // the link leaves the list as it goes
    };
    if (bracket)
        ovBarWithinUpdate(FBarManager, work);
    else
        work();
}

// ---- Notifications

void TovBarItem::CaptionChanged() {
    for (TovBarItemLink* link : FLinks)
        if (link->Control() && !link->UserDefine().Contains(udCaption)) link->Control()->CaptionChanged();
    NotifyChangeListeners(false);
}

void TovBarItem::EnabledChanged() {
    for (TovBarItemLink* link : FLinks)
        if (TovBarItemControl* control = link->Control()) {
            control->ResetCachedValues(false);
            control->EnabledChanged();
        }
    NotifyChangeListeners(false);
}

void TovBarItem::GlyphChanged() {
    for (TovBarItemLink* link : FLinks)
        if (link->Control() && !link->UserDefine().Contains(udGlyph))
            link->Control()->ResetCachedValues(true);
    for (TovBarItemLink* link : FLinks)
        if (link->Control() && !link->UserDefine().Contains(udGlyph)) link->Control()->GlyphChanged();
    NotifyChangeListeners(false);
}

void TovBarItem::HotGlyphChanged() {
    for (TovBarItemLink* link : FLinks)
        if (TovBarItemControl* control = link->Control()) {
            control->ResetCachedValues(false);
            control->HotGlyphChanged();
        }
}

void TovBarItem::LargeGlyphChanged() {
    for (TovBarItemLink* link : FLinks)
        if (link->Control()) link->Control()->ResetCachedValues(true);
    for (TovBarItemLink* link : FLinks)
        if (link->Control()) link->Control()->LargeGlyphChanged();
    NotifyChangeListeners(false);
}

void TovBarItem::ShortCutChanged() {
    RefreshBarControls(TovBarControlKinds{bckSubMenu});
    NotifyChangeListeners(false);
}

void TovBarItem::WidthChanged() {
    for (TovBarItemLink* link : FLinks)
        if (link->Control() && !link->UserDefine().Contains(udWidth)) link->Control()->WidthChanged();
}

void TovBarItem::UpdateLinkControls() {
    for (TovBarItemLink* link : FLinks)
        if (TovBarItemControl* control = link->Control()) {
            control->CalcDrawParamsAndParts();
            control->Repaint();
        }
}

void TovBarItem::InvalidateLinks() {
    for (TovBarItemLink* link : FLinks) {
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        IovBarControl* parent = link->LinksBarControl();
        if (parent != nullptr && parent->IsActive() && parent->SelectedControl() == control) continue;
        control->Repaint();
    }
}

void TovBarItem::UpdateActionLink() {
    if (FActionLink) FActionLink->Update();
}

void TovBarItem::RefreshBarControls(TovBarControlKinds AKinds) {
    std::vector<IovBarControl*> done;
    for (TovBarItemLink* link : FLinks) {
        IovBarControl* parent = link->Control() ? link->LinksBarControl() : nullptr;
        if (parent == nullptr || !AKinds.Contains(parent->Kind())) continue;
        if (std::find(done.begin(), done.end(), parent) != done.end()) continue;
        done.push_back(parent);
        if (parent->SelectedControl() == link->Control() && parent->IsActive()) continue;
        parent->Rebuild();
    }
}

// ---- Styles

TuiStyle* TovBarItem::GetStyleByIndex(int AIndex) const {
    return FStylesData != nullptr ? FStylesData->GetStyle(AIndex) : nullptr;
}

void TovBarItem::SetStyleByIndex(int AIndex, TuiStyle* AValue) {
    if (FStylesData == nullptr) {
        if (AValue == nullptr) return;
        FStylesData = std::make_unique<TovBarItemStylesData>(GetStyleCount(), this);
        FStylesData->OnChange = TovBarItemStylesChangeEvent(this, &TovBarItem::StylesChanged);
    }
    FStylesData->SetStyle(AIndex, AValue);
}

void TovBarItem::StylesChanged(TovBarItemStylesChange AKind) {
    if (AKind == bscLayout) {
        // A new font changes the controls' sizes: they are made again and their bars laid out.
        for (TovBarItemLink* link : std::vector<TovBarItemLink*>(FLinks))
            link->RecreateControl();
        RefreshBarControls();
        return;
    }
    for (TovBarItemLink* link : FLinks)
        if (TovBarItemControl* control = link->Control()) control->UpdateStyles();
    InvalidateLinks();
}

// ---- Index and assignment

int TovBarItem::Index() const {
    return FBarManager ? FBarManager->IndexOfItem(const_cast<TovBarItem*>(this)) : -1;
}

void TovBarItem::SetIndex(int AValue) {
    const int current = Index();
    if (current >= 0 && AValue != current) FBarManager->MoveItem(current, AValue);
}

void TovBarItem::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBarItem*>(Source);
    if (source == nullptr) {
        TovBarComponent::Assign(Source);
        return;
    }
    SetAction(source->Action());
    SetAlign(source->FAlign);
    SetCaption(source->FCaption);
    SetCategory(source->FCategory);
    SetDescription(source->FDescription);
    SetEnabled(source->FEnabled);
    SetHelpContext(source->FHelpContext);
    SetHint(source->FHint);
    KeyTip = source->KeyTip;
    MergeKind = source->MergeKind;
    SetMergeOrder(source->FMergeOrder);
    SetStyle(source->Style());
    SetScreenTip(source->FScreenTip);
    SetVisible(source->FVisible);
    Data = source->Data;
    SetGlyph(source->FGlyph);
    SetImageIndex(source->FImageIndex);
    SetLargeGlyph(source->FLargeGlyph);
    ApplyLargeImageIndex(source->FLargeImageIndex);
    SetShortCut(source->FShortCut);
    FOnClick = source->FOnClick;
}

void TovBarItem::AssignTo(TPersistent* Dest) {
    auto* action = dynamic_cast<TCustomAction*>(Dest);
    if (action == nullptr) {
        TovBarComponent::AssignTo(Dest);
        return;
    }
    action->SetCaption(FCaption);
    if (auto* button = dynamic_cast<TovBarButton*>(this)) action->SetChecked(button->Down());
    action->SetEnabled(FEnabled);
    action->SetHelpContext(FHelpContext);
    action->SetHint(FHint);
    action->SetImageIndex(FImageIndex);
    action->SetShortCut(FShortCut);
    if (FVisible != ivInCustomizing) action->SetVisible(FVisible == ivAlways);
    action->SetOnExecute(FOnClick);
}

// ---- TovBarItemActionLink

TovBarItemActionLink::TovBarItemActionLink(TObject* AClient)
    : TActionLink(AClient), FItem(dynamic_cast<TovBarItem*>(AClient)) {
    if (FItem == nullptr) throw EInvalidCast("Invalid class typecast");
}

bool TovBarItemActionLink::IsCaptionLinked() {
    return TActionLink::IsCaptionLinked() && FItem->Caption() == CustomAction()->Caption();
}

bool TovBarItemActionLink::IsCheckedLinked() {
    auto* button = dynamic_cast<TovBarButton*>(FItem);
    return TActionLink::IsCheckedLinked() && button != nullptr && button->Down() == CustomAction()->Checked();
}

bool TovBarItemActionLink::IsEnabledLinked() {
    return TActionLink::IsEnabledLinked() && FItem->GetEnabled() == CustomAction()->Enabled();
}

bool TovBarItemActionLink::IsHelpContextLinked() {
    return TActionLink::IsHelpContextLinked() && FItem->HelpContext() == CustomAction()->HelpContext();
}

bool TovBarItemActionLink::IsHintLinked() {
    return TActionLink::IsHintLinked() &&
           (FItem->GetHint() == CustomAction()->Hint() || FItem->IsHintDefault());
}

bool TovBarItemActionLink::IsImageIndexLinked() {
    return TActionLink::IsImageIndexLinked() && FItem->GetCurImageIndex() == CustomAction()->ImageIndex();
}

bool TovBarItemActionLink::IsShortCutLinked() {
    return TActionLink::IsShortCutLinked() && FItem->ShortCut() == CustomAction()->ShortCut();
}

bool TovBarItemActionLink::IsVisibleLinked() {
    return TActionLink::IsVisibleLinked() &&
           FItem->Visible() == (CustomAction()->Visible() ? ivAlways : ivNever);
}

bool TovBarItemActionLink::IsOnExecuteLinked() {
    return FAction != nullptr && FItem->OnClick() == FAction->OnExecute();
}

void TovBarItemActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked()) FItem->SetCaption(Value);
}

void TovBarItemActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) static_cast<TovBarButton*>(FItem)->SetDown(Value);
}

void TovBarItemActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FItem->SetEnabled(Value);
}

void TovBarItemActionLink::SetHelpContext(int Value) {
    if (IsHelpContextLinked()) FItem->SetHelpContext(Value);
}

void TovBarItemActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked()) FItem->SetHint(Value);
}

void TovBarItemActionLink::SetImageIndex(int Value) {
    if (IsImageIndexLinked()) FItem->SetCurImageIndex(Value);
}

void TovBarItemActionLink::SetShortCut(TShortCut Value) {
    if (IsShortCutLinked()) FItem->SetShortCut(Value);
}

void TovBarItemActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FItem->SetVisible(Value ? ivAlways : ivNever);
}

void TovBarItemActionLink::SetOnExecute(const TNotifyEvent& Value) {
    if (IsOnExecuteLinked()) FItem->SetOnClick(Value);
}
