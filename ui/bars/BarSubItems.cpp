#include "ui/bars/BarSubItems.h"

#include "platform/rtl/StringList.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarWindows.h"

#include <algorithm>

namespace {

// Whether ALinks holds ASubItem directly or through the link lists of the items it holds.
bool ContainsItem(TovBarItemLinks* ALinks, const TovBarItem* ASubItem, int ADepth = 0) {
    if (ALinks == nullptr || ADepth > 64) return false;
    for (int i = 0; i < ALinks->Count(); ++i) {
        TovBarItem* item = ALinks->Items(i)->Item();
        if (item == nullptr) continue;
        if (item == ASubItem || ContainsItem(item->LinksOf(), ASubItem, ADepth + 1)) return true;
    }
    return false;
}

} // namespace

// ---- TCustomovBarSubItem

TCustomovBarSubItem::TCustomovBarSubItem(TComponent* AOwner)
    : TovBarButtonLikeItem(AOwner),
      FItemLinks(std::make_unique<TovBarSubMenuControlItemLinks>(FBarManager, this)) {
    SetShowCaption(true);
}

TCustomovBarSubItem::~TCustomovBarSubItem() {
    ClearLinks();
    FItemLinks.reset();
}

bool TCustomovBarSubItem::CanContainItem(TovBarItem* AItem, std::string& AErrorText) {
    if (!AItem->CanBePlacedOn(bpMenu, nullptr, AErrorText)) return false;
    if (AItem == this || ContainsItem(AItem->LinksOf(), this)) {
        AErrorText = uiGetResourceString(ovSBAR_RECURSIVEMENUS);
        return false;
    }
    return true;
}

IovBarControl* TCustomovBarSubItem::CreateBarControl() {
    IovBarWindowFactory* factory = ovBarWindowFactory();
    return factory ? factory->CreateSubMenuControl(FItemLinks.get()) : nullptr;
}

TovBarCustomizationActions TCustomovBarSubItem::GetSupportedActions() const {
    TovBarCustomizationActions actions = TovBarButtonLikeItem::GetSupportedActions();
    if (IsDesignState()) actions.Include(bcaButtonGroup);
    return actions;
}

bool TCustomovBarSubItem::CanMergeWith(TovBarItem* AItem) const {
    return dynamic_cast<TovBarSubItem*>(AItem) != nullptr;
}

void TCustomovBarSubItem::BarManagerChanged() {
    FItemLinks->SetBarManager(FBarManager);
}

void TCustomovBarSubItem::BarNotification(TovBar* ABar, int AKind) {
    if (AKind == 1 && ABar == FDetachingBar) FDetachingBar = nullptr;
}

int TCustomovBarSubItem::DetachingBar() const {
    if (FDetachingBar == nullptr || FBarManager == nullptr) return -1;
    TovBars* bars = FBarManager->Bars();
    for (int i = 0; i < bars->Count(); ++i)
        if (bars->GetItem(i) == FDetachingBar) return i;
    return -1;
}

void TCustomovBarSubItem::SetDetachingBar(int AValue) {
    TovBars* bars = FBarManager ? FBarManager->Bars() : nullptr;
    if (bars == nullptr || AValue < -1 || AValue >= bars->Count()) AValue = -1;
    FDetachingBar = AValue >= 0 ? bars->GetItem(AValue) : nullptr;
}

TovBarSubItem::TovBarSubItem(TComponent* AOwner) : TCustomovBarSubItem(AOwner) {}

std::string TovBarSubItem::GetDefaultCaption() const {
    return uiGetResourceString(ovSBAR_NEWSUBITEMCAPTION);
}

// ---- Container items

void TCustomovBarContainerItem::FillItemLinks(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData,
                                              int AIndex) {
    FPopulating = true;
    try {
        BeginPopulate();
        AddListItems(ALinks, ALinkData, AIndex);
    } catch (...) {
        FPopulating = false;
        throw;
    }
    FPopulating = false;
}

void TCustomovBarContainerItem::BeginPopulate() {
    if (FClearNeeded) ClearItemList();
    if (FPopulationCount == 0) OnGetData(this);
    ++FPopulationCount;
}

TovBarItemLink* TCustomovBarContainerItem::AddLink(TovBarItemLinks* ALinks,
                                                   TovBarContainerLinkData* ALinkData, TovBarItem* AItem,
                                                   int AIndex) {
    TovBarItemLink* link = ALinks->Add();
    link->SourceLink = ALinkData->Link;
    link->SetIndex(std::min(AIndex, ALinks->Count() - 1));
    if (ALinkData->Link != nullptr) {
        // The generated links share the usage data of the container's link.
        link->UseCount = ALinkData->Link->UseCount;
        link->SetRecentIndex(ALinkData->Link->RecentIndex());
    }
    link->SetItem(AItem);
    ALinkData->Generated.push_back(link);
    return link;
}

void TCustomovBarContainerItem::RemoveListItems(TovBarContainerLinkData* ALinkData) {
    if (FPopulationCount > 0) --FPopulationCount;
    for (auto it = ALinkData->Generated.rbegin(); it != ALinkData->Generated.rend(); ++it)
        delete *it;
    ALinkData->Generated.clear();
}

bool TCustomovBarContainerItem::CanUpdateLinks() const {
    return !FPopulating && !IsDesignState();
}

TovBarContainerItem::TovBarContainerItem(TComponent* AOwner) : TCustomovBarContainerItem(AOwner) {
    ItemLinks()->OnLinksChanged = TNotifyEvent(this, &TovBarContainerItem::OwnLinksChanged);
}

void TovBarContainerItem::OwnLinksChanged(TObject*) {
    if (CanUpdateLinks()) UpdateLinksVisibility();
}

bool TovBarContainerItem::HasVisibleItems() const {
    TovBarItemLinks* links = ItemLinks();
    if (links->Count() == 0) return false;
    bool anyItem = false;
    for (int i = 0; i < links->Count(); ++i)
        if (TovBarItem* item = links->Items(i)->Item()) {
            anyItem = true;
            if (item->IsShownAtRunTime()) return true;
        }
    return !anyItem;
}

bool TovBarContainerItem::CanBeVisible() const {
    return static_cast<bool>(OnGetData) || HasVisibleItems();
}

bool TovBarContainerItem::CanMergeWith(TovBarItem* AItem) const {
    return dynamic_cast<TovBarContainerItem*>(AItem) != nullptr;
}

void TovBarContainerItem::AddListItems(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData,
                                       int AIndex) {
    if (ALinks == ItemLinks()) return;
    TovBarItemLinks* own = ItemLinks();
    own->RebuildLists();
    ALinks->BeginUpdate();
    try {
        for (int i = 0; i < own->CanVisibleItemCount(); ++i) {
            TovBarItemLink* source = own->CanVisibleItems(i);
            TovBarItemLink* copy = AddLink(ALinks, ALinkData, source->Item(), AIndex + i);
            copy->Assign(source);
            copy->SetBeginGroup(i == 0 && FirstLinkBeginsGroup());
        }
    } catch (...) {
        ALinks->EndUpdate();
        throw;
    }
    ALinks->EndUpdate();
}

// ---- TovBarListItem

TovBarListItem::TovBarListItem(TComponent* AOwner)
    : TCustomovBarContainerItem(AOwner), FItems(new TStringList) {
    FItems->OnChange = TNotifyEvent(this, &TovBarListItem::ItemsChanged);
}

TovBarListItem::~TovBarListItem() {
    FItems->OnChange = nullptr;
    FreeButtons();
    delete FItems;
}

void TovBarListItem::ItemsChanged(TObject*) {
    if (CanUpdateLinks()) UpdateLinksVisibility();
}

bool TovBarListItem::CanBeVisible() const {
    return static_cast<bool>(OnGetData) || FItems->Count() > 0;
}

int TovBarListItem::DataIndex() const {
    if (ItemIndex < 0 || ItemIndex >= FItems->Count()) return -1;
    int count = 0;
    for (int i = 0; i <= ItemIndex; ++i)
        if (FItems->Strings(i) != "-") ++count;
    return count - 1;
}

void TovBarListItem::SetDataIndex(int AValue) {
    // A value beyond the last entry selects nothing: no index past the list is ever handed out.
    ItemIndex = -1;
    if (AValue < 0) return;
    for (int i = 0; i < FItems->Count(); ++i) {
        if (FItems->Strings(i) == "-") continue;
        if (AValue-- == 0) {
            ItemIndex = i;
            return;
        }
    }
}

void TovBarListItem::Click() {
    for (int i = 0; i < LinkCount(); ++i)
        if (Links(i)->Control() != nullptr && Links(i)->Control()->IsActive()) return;
    TCustomovBarContainerItem::Click();
}

std::string TovBarListItem::GetItemNumberText(int ANumber) const {
    if (!ShowNumbers) return {};
    if (ANumber < 9) return "&" + std::to_string(ANumber + 1) + " ";
    // Letters after the digits; there is no accelerator character after "Z".
    if (ANumber + 56 <= 'Z') return std::string("&") + static_cast<char>(ANumber + 56) + " ";
    return {};
}

std::string TovBarListItem::GetItemCaption(int AStringIndex) const {
    return GetDisplayText(FItems->Strings(AStringIndex));
}

TovBarButton* TovBarListItem::CreateListButton(int AStringIndex, int ANumber) {
    TComponent* owner = FBarManager ? FBarManager->Owner() : Owner();
    auto* button = new TovBarButton(owner);
    // Generated buttons are never among the manager's items.
    if (FBarManager) FBarManager->RemoveItem(button);
    button->SetAction(Action());
    if (ShowCheck && AStringIndex == ItemIndex) {
        button->SetButtonStyle(bsChecked);
        button->SetDown(true);
    }
    button->SetCaption(GetItemNumberText(ANumber) + GetItemCaption(AStringIndex));
    button->SetHint(GetItemHint(FItems->Strings(AStringIndex)));
    button->SetTag(AStringIndex);
    button->SetEnabled(Enabled());
    // The buttons belong to the form, which may free them first.
    button->FreeNotification(this);
    button->SetOnClick(TNotifyEvent(
        [this, button](TObject*) {
            ItemIndex = static_cast<int>(button->Tag());
            Click();
        },
        button));
    return button;
}

void TovBarListItem::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomovBarContainerItem::Notification(AComponent, Operation);
    if (Operation == opRemove)
        std::erase_if(FButtons, [AComponent](TovBarButton* AButton) {
            return static_cast<void*>(AButton) == static_cast<void*>(AComponent);
        });
}

void TovBarListItem::FreeButtons() {
    std::vector<TovBarButton*> buttons;
    buttons.swap(FButtons);
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it)
        delete *it;
}

void TovBarListItem::ClearItemList() {
    TCustomovBarContainerItem::ClearItemList();
    if (FButtons.empty() || FButtons.front()->LinkCount() == 0) FreeButtons();
}

void TovBarListItem::AddListItems(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData, int AIndex) {
    const bool generate = FButtons.empty();
    bool beginGroup = true;
    int number = 0;
    for (int i = 0; i < FItems->Count(); ++i) {
        if (FItems->Strings(i) == "-") {
            beginGroup = true;
            continue;
        }
        if (generate) FButtons.push_back(CreateListButton(i, number));
        TovBarItemLink* link = AddLink(ALinks, ALinkData, FButtons[number], AIndex + number);
        link->SetBeginGroup(beginGroup);
        beginGroup = false;
        ++number;
    }
}

void TovBarListItem::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TovBarListItem*>(Source)) {
        FItems->Assign(source->FItems);
        ShowCheck = source->ShowCheck;
        ShowNumbers = source->ShowNumbers;
    }
    TCustomovBarContainerItem::Assign(Source);
}
