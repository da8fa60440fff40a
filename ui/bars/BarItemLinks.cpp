#include "ui/bars/BarItemLinks.h"

#include "platform/rtl/Numerics.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarWindows.h"
#include "ui/core/base/CoreServices.h"

#include <algorithm>

namespace {

bool IsSeparatorItem(const TovBarItem* AItem) {
    return dynamic_cast<const TovBarSeparator*>(AItem) != nullptr;
}

bool Designing(const TovBarManager* AManager) {
    return AManager != nullptr && AManager->IsDesigning();
}

template <class T> int IndexIn(const std::vector<T*>& AList, const T* AValue) {
    auto it = std::find(AList.begin(), AList.end(), AValue);
    return it == AList.end() ? -1 : static_cast<int>(it - AList.begin());
}

} // namespace

char ovBarAccelChar(const std::string& ACaption) {
    char result = 0;
    for (std::size_t i = 0; i + 1 < ACaption.size(); ++i) {
        if (ACaption[i] != '&') continue;
        ++i;
        if (ACaption[i] != '&') result = ACaption[i];
    }
    return result;
}

// ---- TovBarItemLink

TovBarItemLink::TovBarItemLink(TCollection* ACollection) : TCollectionItem(ACollection) {
    FUserGlyph = new TBitmap;
    FUserGlyph->OnChange = TNotifyEvent(this, &TovBarItemLink::UserGlyphChanged);
    TovBarItemLinks* links = Links();
    if (links == nullptr) return;
    if (TovBarManager* manager = links->BarManager()) {
        UseCount = manager->MostRecentlyUsedUseCount();
        links->AddToRecent(this);
        manager->DoItemLinkAdd(this);
    } else {
        links->AddToRecent(this);
    }
}

TovBarItemLink::~TovBarItemLink() {
    TovBarItemLinks* links = Links();
    if (TovBarManager* manager = OwningBarManager()) {
        manager->DoItemLinkDelete(this);
        // A selected control goes with its link.
        if (FControl && manager->SelectedItem() == FControl.get()) manager->SetSelectedItem(nullptr);
    }
    FControl.reset();
    if (FItem != nullptr) FItem->RemoveLinkRef(this);
    delete FUserGlyph;
    if (links != nullptr) {
        links->RemoveFromRecent(this);
        std::erase(links->FAvailable, this);
        std::erase(links->FCanVisible, this);
        std::erase(links->FVisible, this);
    }
}

TovBarItemLinks* TovBarItemLink::Links() const {
    return static_cast<TovBarItemLinks*>(Collection());
}

TovBarManager* TovBarItemLink::OwningBarManager() const {
    return Links() ? Links()->BarManager() : nullptr;
}

IovBarControl* TovBarItemLink::LinksBarControl() const {
    return Links() ? Links()->BarControl() : nullptr;
}

void TovBarItemLink::SetItem(TovBarItem* AValue) {
    if (FItem == AValue) return;
    TovBarItemLinks* links = Links();
    links->BeginUpdate();
    bool stored = false;
    try {
        FreeControl();
        if (FItem != nullptr) FItem->RemoveLinkRef(this);
        FItem = nullptr;
        if (AValue == nullptr) {
            links->EndUpdate();
            delete this;
            return;
        }
        std::string error;
        if (!links->CanContainItem(AValue, error)) {
            // The link frees itself first, so the caller only sees the owner's message.
            links->EndUpdate();
            delete this;
            throw EovException(error);
        }
        FItem = AValue;
        stored = true;
        FItem->AddLinkRef(this);
        links->RebuildLists();
        if (auto* owner = dynamic_cast<TComponent*>(links->OwnerObject());
            owner != nullptr && !owner->ComponentState().Contains(csLoading))
            UpdateMostRecentlyUsed();
        CreateControl();
    } catch (...) {
        if (stored) {
            if (links->UpdateCount() == 1) links->BarManager()->DoItemLinkChange(this);
            links->EndUpdate();
        }
        throw;
    }
    if (links->UpdateCount() == 1 && links->BarManager()) links->BarManager()->DoItemLinkChange(this);
    links->EndUpdate();
}

void TovBarItemLink::SetBeginGroup(bool AValue) {
    if (FBeginGroup == AValue) return;
    FBeginGroup = AValue;
    if (FControl) FControl->BeginGroupChanged();
    Changed(false);
}

bool TovBarItemLink::BeginsGroupInEffect() const {
    if (FControl) {
        if (IovBarControl* parent = LinksBarControl(); parent != nullptr && !parent->ShowsGroups())
            return false;
    }
    TovBarItemLinks* links = Links();
    const int v = VisibleIndexOf();
    if (FBeginGroup && v != 0 && (v == -1 || !IsSeparatorItem(links->VisibleItems(v - 1)->Item())))
        return true;
    if (v <= 0) return false;
    // A hidden link between the previous visible link and this one passes its group start on.
    const int from = links->IndexOf(links->VisibleItems(v - 1));
    const int to = links->IndexOf(this);
    for (int i = from + 1; i < to; ++i) {
        TovBarItemLink* hidden = links->Items(i);
        if (hidden->VisibleIndexOf() < 0 && hidden->BeginsGroupInEffect()) return true;
    }
    return false;
}

bool TovBarItemLink::IsShown() const {
    return FItem != nullptr && FItem->IsShownAtRunTime() && FVisible;
}

void TovBarItemLink::SetVisible(bool AValue) {
    TovBarManager* manager = OwningBarManager();
    if ((manager != nullptr && manager->IsLoading()) || (Links() != nullptr && Links()->FAssigning)) {
        FLoadedVisible = AValue;
        return;
    }
    if (FVisible == AValue) return;
    FVisible = AValue;
    if (!Designing(manager)) ItemVisibleChanged();
    Changed(false);
}

void TovBarItemLink::ItemVisibleChanged() {
    TovBarItemLinks* links = Links();
    links->RebuildLists();
    if (IsShown()) {
        MarkAsRecentlyUsed(false);
        if (links->BarControl() != nullptr) {
            if (!links->BarControl()->IsDestroying()) CreateControl();
            if (FControl) FControl->VisibleChanged();
        }
    } else {
        links->MoveToRecentEnd(this);
        if (FControl) {
            FControl->VisibleChanged();
            FreeControl();
        }
    }
}

void TovBarItemLink::SetMostRecentlyUsed(bool AValue) {
    if (FMostRecentlyUsed == AValue) return;
    FMostRecentlyUsed = AValue;
    UpdateMostRecentlyUsed();
    if (IovBarControl* control = LinksBarControl()) control->Rebuild();
    Changed(false);
}

void TovBarItemLink::UpdateMostRecentlyUsed() {
    TovBarManager* manager = OwningBarManager();
    if (FMostRecentlyUsed) {
        UseCount = manager ? manager->MostRecentlyUsedUseCount() : 0;
        MarkAsRecentlyUsed(false);
    } else {
        UseCount = 0;
        Links()->MoveToRecentEnd(this);
    }
}

void TovBarItemLink::MarkAsRecentlyUsed(bool ACountUse) {
    if (!IsShown()) return;
    TovBarItemLinks* links = Links();
    if (!links->CanUseRecentItems()) return;
    const bool wasVisible = VisibleIndexOf() >= 0;
    links->MoveToRecentFront(this);
    if (ACountUse) ++UseCount;
    if (CanVisibleIndexOf() < 0) return;
    if (!wasVisible && links->BarControl() != nullptr && links->BarManager() != nullptr)
        links->BarManager()->SetChangedSubMenu(links->BarControl());
    // In a sub-menu the use counts for the entry that opened it too, and so on up the menus.
    if (auto* owner = dynamic_cast<TovBarItem*>(links->OwnerObject()); owner != nullptr && links->IsMenu())
        if (TovBarItemLink* opener = owner->GetActiveItemLink())
            opener->GetSourceItemLink()->MarkAsRecentlyUsed(ACountUse);
}

int TovBarItemLink::VisibleIndexOf() const {
    return Links() ? IndexIn(Links()->FVisible, this) : -1;
}

int TovBarItemLink::CanVisibleIndexOf() const {
    return Links() ? IndexIn(Links()->FCanVisible, this) : -1;
}

int TovBarItemLink::RecentIndex() const {
    return Links() ? IndexIn(Links()->FRecent, this) : FPendingRecentIndex;
}

void TovBarItemLink::SetRecentIndex(int AValue) {
    TovBarItemLinks* links = Links();
    if (links == nullptr) {
        FPendingRecentIndex = AValue;
        return;
    }
    AValue = std::min(AValue, links->RecentCount() - 1);
    if (AValue < 0 || AValue == RecentIndex()) return;
    links->MoveInRecent(this, AValue);
    links->RebuildLists();
}

void TovBarItemLink::CreateControl() {
    if (FControl || FItem == nullptr) return;
    IovBarControl* parent = LinksBarControl();
    if (parent == nullptr || parent->IsDestroying()) return;
    if (const TovBarItemControlClass* cls = FItem->GetControlClass()) FControl.reset(cls->Create(this));
}

void TovBarItemLink::RecreateControl() {
    if (OwningBarManager() != nullptr && OwningBarManager()->IsUpdateLocked()) return;
    FreeControl();
    CreateControl();
}

void TovBarItemLink::FreeControl() {
    if (TovBarManager* manager = OwningBarManager();
        manager && FControl && manager->SelectedItem() == FControl.get())
        manager->SetSelectedItem(nullptr);
    FControl.reset();
}

void TovBarItemLink::SetItemRect(const RECT& ARect) {
    if (ItemRect.left == ARect.left && ItemRect.top == ARect.top && ItemRect.right == ARect.right &&
        ItemRect.bottom == ARect.bottom)
        return;
    ItemRect = ARect;
    if (Links()->RectLock() == 0 && FControl) FControl->CalcDrawParamsAndParts();
}

std::string TovBarItemLink::EffectiveCaption() const {
    if (FUserDefine.Contains(udCaption)) return FUserCaption;
    return FItem ? FItem->Caption() : std::string();
}

TovBarPaintStyle TovBarItemLink::EffectivePaintStyle() const {
    if (FUserDefine.Contains(udPaintStyle) || FItem == nullptr) return FUserPaintStyle;
    return FItem->PaintStyle();
}

int TovBarItemLink::EffectiveWidth() const {
    if (FUserDefine.Contains(udWidth)) return FUserWidth;
    return FItem ? FItem->Width() : 0;
}

void TovBarItemLink::NotifyControl(TovBarUserDefine AWhat) {
    if (!FControl) return;
    switch (AWhat) {
    case udCaption:
        FControl->CaptionChanged();
        break;
    case udGlyph:
        FControl->GlyphChanged();
        break;
    case udPaintStyle:
        FControl->PaintStyleChanged();
        break;
    case udWidth:
        FControl->WidthChanged();
        break;
    }
}

void TovBarItemLink::ApplyUserDefine(TovBarUserDefines AValue) {
    for (TovBarUserDefine flag : {udCaption, udGlyph, udPaintStyle, udWidth}) {
        const bool had = FUserDefine.Contains(flag), has = AValue.Contains(flag);
        if (had && !has) {
            switch (flag) {
            case udCaption:
                FUserCaption.clear();
                break;
            case udGlyph: {
                const TNotifyEvent saved = FUserGlyph->OnChange;
                FUserGlyph->OnChange = nullptr;
                FUserGlyph->SetSize(0, 0);
                FUserGlyph->OnChange = saved;
                break;
            }
            case udPaintStyle:
                FUserPaintStyle = psStandard;
                break;
            case udWidth:
                FUserWidth = 0;
                break;
            }
            FUserDefine.Exclude(flag);
            NotifyControl(flag);
        } else if (!had && has) {
            FUserDefine.Include(flag);
            NotifyControl(flag);
        }
    }
    Changed(false);
}

void TovBarItemLink::SetUserCaption(const std::string& AValue) {
    FUserCaption = AValue;
    FUserDefine.Exclude(udCaption);
    ApplyUserDefine(FUserDefine + udCaption);
}

void TovBarItemLink::SetUserPaintStyle(TovBarPaintStyle AValue) {
    if (!FUserDefine.Contains(udPaintStyle) && AValue == EffectivePaintStyle()) return;
    FUserPaintStyle = AValue;
    FUserDefine.Exclude(udPaintStyle);
    ApplyUserDefine(FUserDefine + udPaintStyle);
}

void TovBarItemLink::SetUserWidth(int AValue) {
    if (!FUserDefine.Contains(udWidth) && AValue == EffectiveWidth()) return;
    FUserWidth = AValue;
    FUserDefine.Exclude(udWidth);
    ApplyUserDefine(FUserDefine + udWidth);
}

void TovBarItemLink::SetUserGlyph(TBitmap* AValue) {
    const TNotifyEvent saved = FUserGlyph->OnChange;
    FUserGlyph->OnChange = nullptr;
    FUserGlyph->Assign(AValue);
    FUserGlyph->OnChange = saved;
    FUserDefine.Exclude(udGlyph);
    ApplyUserDefine(FUserDefine + udGlyph);
}

void TovBarItemLink::UserGlyphChanged(TObject*) {
    if (FControl) FControl->GlyphChanged();
}

void TovBarItemLink::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBarItemLink*>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    Data = source->Data;
    FUserCaption = source->FUserCaption;
    FUserGlyph->Assign(source->FUserGlyph);
    FUserPaintStyle = source->FUserPaintStyle;
    FUserWidth = source->FUserWidth;
    SetItem(source->FItem);
    FUserDefine = source->FUserDefine;
    SetBeginGroup(source->BeginsGroupInEffect());
    ButtonGroup = source->ButtonGroup;
    Distributed = source->Distributed;
    Position = source->Position;
    ViewLayout = source->ViewLayout;
    ViewLevels = source->ViewLevels;
    SetVisible(source->FVisible);
    MergedWith = TovBarItemLinks::MergingToolbar;
}

void TovBarItemLink::ExecuteCustomizationAction(TovBarCustomizationAction AAction,
                                                TovBarItemLink* ACustomizingLink) {
    if (AAction == bcaReset) {
        ApplyUserDefine({});
        return;
    }
    if (ACustomizingLink == nullptr) return;
    switch (AAction) {
    case bcaCaption:
        if (FItem) FItem->SetCaption(ACustomizingLink->EffectiveCaption());
        break;
    case bcaPaintStyle:
        SetUserPaintStyle(ACustomizingLink->UserPaintStyle());
        break;
    case bcaPosition:
        Position = ACustomizingLink->Position;
        Changed(true);
        break;
    case bcaViewLevels:
        ViewLevels = ACustomizingLink->ViewLevels;
        Changed(true);
        break;
    case bcaButtonGroup:
        ButtonGroup = ACustomizingLink->ButtonGroup;
        Changed(true);
        break;
    case bcaDistributed:
        Distributed = ACustomizingLink->Distributed;
        Changed(true);
        break;
    case bcaBeginGroup:
        SetBeginGroup(ACustomizingLink->BeginsGroupInEffect());
        break;
    case bcaVisible:
        SetVisible(ACustomizingLink->Visible());
        break;
    case bcaMostRecentlyUsed:
        SetMostRecentlyUsed(ACustomizingLink->MostRecentlyUsed());
        break;
    default:
        break;
    }
}

TovBarCustomizationActions TovBarItemLink::GetSupportedActions() const {
    return FItem ? FItem->GetSupportedActions() : TovBarCustomizationActions{};
}

// ---- TovBarItemOptions

bool TovBarItemOptions::ShowDescriptions() const {
    return AssignedValues.Contains(ioShowDescriptions) ? FShowDescriptions : false;
}

void TovBarItemOptions::SetShowDescriptions(bool AValue) {
    FShowDescriptions = AValue;
    AssignedValues.Include(ioShowDescriptions);
}

bool TovBarItemOptions::ShowShortCuts() const {
    return AssignedValues.Contains(ioShowShortCuts) ? FShowShortCuts : true;
}

void TovBarItemOptions::SetShowShortCuts(bool AValue) {
    FShowShortCuts = AValue;
    AssignedValues.Include(ioShowShortCuts);
}

TovBarMenuItemSize TovBarItemOptions::Size() const {
    return AssignedValues.Contains(ioSize) ? FSize : misNormal;
}

void TovBarItemOptions::SetSize(TovBarMenuItemSize AValue) {
    FSize = AValue;
    AssignedValues.Include(ioSize);
}

void TovBarItemOptions::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TovBarItemOptions*>(Source)) {
        AssignedValues = source->AssignedValues;
        FShowDescriptions = source->FShowDescriptions;
        FShowShortCuts = source->FShowShortCuts;
        FSize = source->FSize;
    } else {
        TPersistent::Assign(Source);
    }
}

// ---- TovBarItemLinks

TovBarItemLinks::TovBarItemLinks(TovBarManager* AManager, IovBarLinksOwner* AOwner)
    : TCollection(CollectionItemClass<TovBarItemLink>()), FManager(AManager), FOwner(AOwner),
      FItemOptions(std::make_unique<TovBarItemOptions>(this)) {}

TovBarItemLinks::~TovBarItemLinks() {
    FreeBarControl();
    BeginUpdate();
    Clear();
}

TovBarInternalItemLinks::TovBarInternalItemLinks(TovBarManager* AManager, IovBarControl* ABarControl,
                                                 TObject* AOwnerObject)
    : TovBarItemLinks(AManager, &FOwnerFace), FOwnerFace(this, AOwnerObject) {
    NoDesignerNotification = true;
    SetBarControl(ABarControl);
}

TovBarInternalItemLinks::~TovBarInternalItemLinks() {
    // The window belongs to whoever made these links: only its item controls go.
    SetBarControl(nullptr);
}

void TovBarItemLinks::ConnectBarControl() {
    if (FBarControl != nullptr || FOwner == nullptr) return;
    SetBarControl(FOwner->CreateBarControl());
}

void TovBarItemLinks::SetBarControl(IovBarControl* AControl) {
    FBarControl = AControl;
    if (AControl == nullptr) {
        for (int i = 0; i < Count(); ++i)
            Items(i)->FreeControl();
        return;
    }
    RebuildLists();
    for (TovBarItemLink* link : FVisible)
        link->CreateControl();
}

void TovBarItemLinks::FreeBarControl() {
    IovBarControl* control = FBarControl;
    if (control == nullptr) return;
    SetBarControl(nullptr);
    if (IovBarWindowFactory* factory = ovBarWindowFactory())
        factory->FreeBarControl(control);
    else
        delete control;
}

TovBarItemLink* TovBarItemLinks::AddItem(TovBarItem* AItem) {
    BeginUpdate();
    TovBarItemLink* link = nullptr;
    try {
        link = Add();
        link->SetItem(AItem);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return link;
}

TovBarItemLink* TovBarItemLinks::AddItemByClass(const TuiClassRef* AItemClass) {
    if (FManager == nullptr || AItemClass == nullptr) return nullptr;
    auto* item = dynamic_cast<TovBarItem*>(AItemClass->Create(FManager->Owner()));
    if (item == nullptr) return nullptr;
    const int category = FManager->Categories()->IndexOf(uiGetResourceString(ovSBAR_DEFAULTCATEGORYNAME));
    item->SetCategory(category >= 0 ? category : 0);
    try {
        return AddItem(item);
    } catch (...) {
        delete item;
        throw;
    }
}

void TovBarItemLinks::EmptyItemRects() {
    BeginCalcItemRects();
    for (int i = 0; i < Count(); ++i)
        Items(i)->SetItemRect(RECT{});
    EndCalcItemRects();
}

void TovBarItemLinks::Move(int AFromIndex, int AToIndex) {
    if (AFromIndex == AToIndex || AFromIndex < 0 || AToIndex < 0 || AFromIndex >= Count() ||
        AToIndex >= Count())
        return;
    BeginUpdate();
    try {
        Items(AFromIndex)->SetIndex(AToIndex);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (FBarControl) FBarControl->Rebuild();
}

int TovBarItemLinks::IndexOf(const TovBarItemLink* ALink) const {
    return ALink != nullptr && ALink->Collection() == this ? ALink->Index() : -1;
}

int TovBarItemLinks::IndexOfItemName(const std::string& AName) const {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Item() && Items(i)->Item()->Name() == AName) return i;
    return -1;
}

bool TovBarItemLinks::IsMenu() const {
    return dynamic_cast<TovBar*>(OwnerObject()) == nullptr;
}

bool TovBarItemLinks::CanContainItem(TovBarItem* AItem, std::string& AErrorText) {
    if (FOwner == nullptr) return true;
    return FOwner->CanContainItem(AItem, AErrorText);
}

bool TovBarItemLinks::GetOptionValue(TovBarItemOption AOption) const {
    if (FItemOptions->AssignedValues.Contains(AOption) || ParentLinks == nullptr) {
        switch (AOption) {
        case ioShowDescriptions:
            return FItemOptions->ShowDescriptions();
        case ioShowShortCuts:
            return FItemOptions->ShowShortCuts();
        case ioSize:
            return FItemOptions->Size() == misLarge;
        }
    }
    return ParentLinks->GetOptionValue(AOption);
}

void TovBarItemLinks::Update(TCollectionItem* AItem) {
    if (AItem == nullptr) RebuildLists();
    if (auto* owner = dynamic_cast<TComponent*>(OwnerObject());
        owner != nullptr && owner->ComponentState().Contains(csDestroying))
        return;
    TCollection::Update(AItem);
    if (!NoDesignerNotification && FManager) FManager->DesignerModified();
    if (AItem != nullptr) {
        if (FManager) FManager->DoItemLinkChange(static_cast<TovBarItemLink*>(AItem));
    } else {
        if (FBarControl) FBarControl->Rebuild();
        OnLinksChanged(this);
    }
}

void TovBarItemLinks::RebuildLists() {
    if (FDeferLists > 0) {
        FListsDirty = true;
        return;
    }
    FListsDirty = false;
    FAvailable.clear();
    FCanVisible.clear();
    FVisible.clear();
    const bool designing = Designing(FManager);
    for (int i = 0; i < Count(); ++i) {
        TovBarItemLink* link = Items(i);
        if (link->Item() == nullptr || !(designing || link->Item()->IsShownAtRunTime())) continue;
        FAvailable.push_back(link);
        if (designing || link->Visible()) {
            FCanVisible.push_back(link);
            if (designing || FRecentItemCount == -1) FVisible.push_back(link);
        }
    }
    if (!designing && FRecentItemCount > 0) {
        for (TovBarItemLink* link : FRecent) {
            if (static_cast<int>(FVisible.size()) >= FRecentItemCount) break;
            if (IndexIn(FCanVisible, link) >= 0) FVisible.push_back(link);
        }
        std::sort(FVisible.begin(), FVisible.end(), [this](TovBarItemLink* A, TovBarItemLink* B) {
            return IndexIn(FCanVisible, A) < IndexIn(FCanVisible, B);
        });
    }
}

void TovBarItemLinks::Rebuild() {
    RebuildLists();
    if (FManager == nullptr || FManager->IsCustomizingOrDesigning() || UpdateCount() > 0) return;
    // A separator item is dropped when the entry after it, or the end of the list, is a separator too.
    bool nextIsSeparator = true;
    for (int i = static_cast<int>(FVisible.size()) - 1; i >= 0; --i) {
        TovBarItemLink* link = FVisible[i];
        const bool separator = IsSeparatorItem(link->Item());
        if (separator && nextIsSeparator) {
            FVisible.erase(FVisible.begin() + i);
            std::erase(FCanVisible, link);
            continue;
        }
        nextIsSeparator = separator;
    }
}

bool TovBarItemLinks::CanUseRecentItems() const {
    if (FManager == nullptr || !FManager->IsRecentItemsStyle() || !UseRecentItems) return false;
    return ParentLinks == nullptr || ParentLinks->CanUseRecentItems();
}

int TovBarItemLinks::CalcRecentItemCount() const {
    if (!CanUseRecentItems() || FCanVisible.empty()) return -1;
    int minCount = FCanVisible.front()->UseCount, maxCount = minCount;
    for (TovBarItemLink* link : FCanVisible) {
        minCount = std::min(minCount, link->UseCount);
        maxCount = std::max(maxCount, link->UseCount);
    }
    const int threshold =
        minCount + MulDiv(maxCount - minCount, 100 - FManager->MostRecentItemsPercents(), 100);
    int count = 0;
    const int last = std::min(static_cast<int>(FCanVisible.size()), static_cast<int>(FRecent.size())) - 1;
    for (int i = last; i >= 0; --i)
        if (FRecent[i]->UseCount >= threshold) {
            count = i + 1;
            break;
        }
    return count == static_cast<int>(FCanVisible.size()) ? -1 : count;
}

void TovBarItemLinks::SetRecentItemCount(int ACount) {
    if (!CanUseRecentItems()) ACount = -1;
    FPrevRecentItemCount = FRecentItemCount;
    if (FRecentItemCount == ACount) return;
    FRecentItemCount = ACount;
    RebuildLists();
}

void TovBarItemLinks::RestoreRecentItemCount() {
    FRecentItemCount = FPrevRecentItemCount;
    RebuildLists();
}

void TovBarItemLinks::RemoveFromRecent(TovBarItemLink* ALink) {
    std::erase(FRecent, ALink);
}

void TovBarItemLinks::MoveToRecentFront(TovBarItemLink* ALink) {
    MoveInRecent(ALink, 0);
    RebuildLists();
}

void TovBarItemLinks::MoveToRecentEnd(TovBarItemLink* ALink) {
    MoveInRecent(ALink, RecentCount() - 1);
}

void TovBarItemLinks::MoveInRecent(TovBarItemLink* ALink, int AIndex) {
    auto it = std::find(FRecent.begin(), FRecent.end(), ALink);
    if (it == FRecent.end()) return;
    FRecent.erase(it);
    AIndex = std::clamp(AIndex, 0, static_cast<int>(FRecent.size()));
    FRecent.insert(FRecent.begin() + AIndex, ALink);
}

void TovBarItemLinks::EndCalcItemRects() {
    if (FRectLock > 0 && --FRectLock == 0)
        for (int i = 0; i < Count(); ++i)
            if (TovBarItemControl* control = Items(i)->Control()) control->CalcDrawParamsAndParts();
}

// ---- Navigation

int TovBarItemLinks::GetFittingItemCount() const {
    if (IsMenu() || FBarControl == nullptr) return VisibleItemCount();
    const RECT client = FBarControl->ClientBounds();
    int count = 0;
    for (TovBarItemLink* link : FVisible) {
        const RECT& r = link->ItemRect;
        if (r.right <= r.left || r.bottom <= r.top) break;
        if (r.left < client.left || r.top < client.top || r.right > client.right || r.bottom > client.bottom)
            break;
        ++count;
    }
    return count;
}

TovBarItemLink* TovBarItemLinks::CycleSelectable(TovBarItemLink* ALink, bool AAnyLink, bool AForward) const {
    const int count = GetFittingItemCount();
    if (count == 0) return nullptr;
    int start = ALink ? IndexIn(FVisible, ALink) : -1;
    if (start >= count) start = -1;
    int i = start < 0 ? (AForward ? -1 : count) : start;
    for (int step = 0; step < count; ++step) {
        i = AForward ? (i + 1) % count : (i - 1 + count) % count;
        if (i == start) break;
        TovBarItemLink* candidate = FVisible[i];
        if (AAnyLink || (candidate->Control() && candidate->Control()->CanSelect())) return candidate;
    }
    return nullptr;
}

TovBarItemLink* TovBarItemLinks::GetFirstSelectableLink() const {
    return CycleSelectable(nullptr, false, true);
}

TovBarItemLink* TovBarItemLinks::GetLastSelectableLink() const {
    return CycleSelectable(nullptr, false, false);
}

TovBarItemLink* TovBarItemLinks::GetNextSelectableLink(TovBarItemLink* ALink, bool AAnyLink) const {
    return CycleSelectable(ALink, AAnyLink, true);
}

TovBarItemLink* TovBarItemLinks::GetPrevSelectableLink(TovBarItemLink* ALink, bool AAnyLink) const {
    return CycleSelectable(ALink, AAnyLink, false);
}

bool TovBarItemLinks::LinkAccelMatches(TovBarItemLink* ALink, WORD AKey, TShiftState AShift) const {
    if (AShift.Contains(ssCtrl)) return false;
    const char accel = ovBarAccelChar(ALink->EffectiveCaption());
    if (accel == 0) return false;
    BYTE state[256] = {};
    GetKeyboardState(state);
    WORD chars[2] = {};
    // One character only: a dead key (two characters) is not taken for an accelerator.
    if (ToAsciiEx(AKey, MapVirtualKey(AKey, 0), state, chars, 0, nullptr) != 1) return false;
    return AnsiUpperCase(std::string(1, static_cast<char>(chars[0]))) == AnsiUpperCase(std::string(1, accel));
}

TovBarItemLink* TovBarItemLinks::InternalFindItemWithAccel(WORD AKey, TShiftState AShift,
                                                           TovBarItemLink* AStartLink) {
    const int count = CanVisibleItemCount();
    if (count == 0) return nullptr;
    const int start = AStartLink ? IndexIn(FCanVisible, AStartLink) : -1;
    for (int step = 1; step <= count; ++step) {
        TovBarItemLink* link = FCanVisible[(start + step + count) % count];
        if (link->Item()->CanClick(link) && LinkAccelMatches(link, AKey, AShift)) return link;
    }
    return nullptr;
}

TovBarItemLink* TovBarItemLinks::FindItemWithAccel(WORD AKey, TShiftState AShift,
                                                   TovBarItemLink* AStartLink) {
    AShift.Exclude(ssAlt);
    return InternalFindItemWithAccel(AKey, AShift, AStartLink);
}

TovBarItemLink* TovBarControlItemLinks::InternalFindItemWithAccel(WORD AKey, TShiftState AShift,
                                                                  TovBarItemLink* AStartLink) {
    if (BarControl() == nullptr || !BarControl()->IsVisible()) return nullptr;
    TovBarItemLink* first = GetNextSelectableLink(AStartLink, false);
    for (TovBarItemLink* link = first; link != nullptr;) {
        if (link->Item()->CanClick(link) && LinkAccelMatches(link, AKey, AShift)) return link;
        link = GetNextSelectableLink(link, false);
        if (link == first) break;
    }
    return nullptr;
}

void TovBarItemLinks::ResolveLoadedItems() {
    BeginUpdate();
    try {
        for (int i = Count() - 1; i >= 0; --i) {
            TovBarItemLink* link = Items(i);
            if (link->LoadedItemName.empty()) continue;
            TovBarItem* item = FManager ? FManager->GetItemByName(link->LoadedItemName) : nullptr;
            link->LoadedItemName.clear();
            // A name the manager does not hold leaves no link.
            if (item == nullptr)
                delete link;
            else
                link->SetItem(item);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    ApplyLoadedUsageData(true);
}

void TovBarItemLinks::ApplyLoadedUsageData(bool ARestoreVisible) {
    BeginDeferLists();
    try {
        for (int i = Count() - 1; i >= 0; --i)
            if (Items(i)->Item() != nullptr) Items(i)->UpdateMostRecentlyUsed();
        // Applied directly: this runs while the manager still counts as loading.
        if (ARestoreVisible)
            for (int i = 0; i < Count(); ++i)
                Items(i)->FVisible = Items(i)->FLoadedVisible;
        // Recent positions from the first up, links of the same position in list order.
        std::vector<std::pair<int, TovBarItemLink*>> placed;
        for (int i = 0; i < Count(); ++i)
            if (const int position = Items(i)->LoadedRecentIndex; position >= 0 && position < Count())
                placed.emplace_back(position, Items(i));
        std::stable_sort(placed.begin(), placed.end(),
                         [](const auto& A, const auto& B) { return A.first < B.first; });
        for (const auto& [position, link] : placed) {
            link->UseCount = link->LoadedUseCount;
            link->SetRecentIndex(position);
            link->LoadedRecentIndex = -1;
        }
    } catch (...) {
        EndDeferLists();
        throw;
    }
    EndDeferLists();
    RebuildLists();
    if (FBarControl) FBarControl->Rebuild();
}

void TovBarItemLinks::BeginDeferLists() {
    ++FDeferLists;
}

void TovBarItemLinks::EndDeferLists() {
    if (FDeferLists == 0 || --FDeferLists > 0 || !FListsDirty) return;
    RebuildLists();
}

void TovBarItemLinks::UpdateItemActions() {
    for (int i = 0; i < Count(); ++i)
        if (TovBarItem* item = Items(i)->Item()) item->UpdateActionLink();
}

bool TovBarItemLinks::IsShortCut(TShortCut AShortCut) {
    if (AShortCut == 0) return false;
    UpdateItemActions();
    const std::vector<TovBarItemLink*> available = FAvailable;
    for (TovBarItemLink* link : available)
        if (link->Item() && link->Item()->IsShortCut(AShortCut)) return true;
    return false;
}

TovBar* TovBarItemLinks::MergingToolbar = nullptr;

void TovBarItemLinks::Merge(TovBarItemLinks* ASourceLinks) {
    for (int s = 0; s < ASourceLinks->Count(); ++s) {
        TovBarItemLink* source = ASourceLinks->Items(s);
        TovBarItem* item = source->Item();
        if (item == nullptr) continue;
        TovBarItemMergeKind kind = item->MergeKind;
        int index = -1;
        if (kind != mkNone) {
            for (int i = 0; i < Count(); ++i) {
                TovBarItem* target = Items(i)->Item();
                if (target != nullptr && target->MergeKind == mkMergeByCaption && kind == mkMergeByCaption &&
                    Items(i)->EffectiveCaption() == source->EffectiveCaption() &&
                    target->CanMergeWith(item) && item->CanMergeWith(target))
                    index = i;
            }
            if (index >= 0) {
                kind = mkMergeByCaption;
            } else {
                int best = -1;
                for (int i = 0; i < Count(); ++i) {
                    TovBarItem* target = Items(i)->Item();
                    if (target == nullptr || target->MergeOrder() > item->MergeOrder()) continue;
                    if (best < 0 || target->MergeOrder() >= Items(best)->Item()->MergeOrder()) best = i;
                }
                index = best + 1;
                kind = mkAdd;
            }
        }
        if (FManager != nullptr && FManager->OnMergeItemLink)
            FManager->OnMergeItemLink(FManager, this, ASourceLinks, source, kind, index);
        // The choice is checked before anything is done with it.
        std::string error;
        if (index < 0) kind = mkNone;
        if (kind == mkMergeByCaption &&
            (index >= Count() || Items(index)->Item() == nullptr ||
             !Items(index)->Item()->CanMergeWith(item) || !item->CanMergeWith(Items(index)->Item())))
            kind = mkNone;
        if (kind == mkAdd && index > Count()) kind = mkNone;
        if (kind != mkNone && !CanContainItem(item, error)) kind = mkNone;
        if (kind == mkMergeByCaption) {
            TovBarItemLinks* targetLinks = Items(index)->Item()->LinksOf();
            if (targetLinks != nullptr && item->LinksOf() != nullptr) targetLinks->Merge(item->LinksOf());
        } else if (kind == mkAdd) {
            Insert(index)->Assign(source);
        }
    }
}

void TovBarItemLinks::Unmerge(TovBar* AToolbar) {
    for (int i = Count() - 1; i >= 0; --i) {
        TovBarItemLink* link = Items(i);
        if (link->MergedWith != nullptr && (AToolbar == nullptr || link->MergedWith == AToolbar)) {
            delete link;
            continue;
        }
        if (TovBarItem* item = link->Item())
            if (TovBarItemLinks* nested = item->LinksOf()) nested->Unmerge(AToolbar);
    }
}

void TovBarItemLinks::Assign(TPersistent* Source) {
    FAssigning = true;
    try {
        TCollection::Assign(Source);
    } catch (...) {
        FAssigning = false;
        throw;
    }
    FAssigning = false;
}
