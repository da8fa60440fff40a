#include "ui/bars/popupcontrols/QuickCustItems.h"

#include "platform/rtl/Component.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemControlClasses.h"
#include "ui/bars/popupcontrols/QuickCustItemControls.h"

#include <algorithm>
#include <vector>

// ---- The list's menu

TovBarQuickAccessSubControl::TovBarQuickAccessSubControl(TovBarManager* AManager)
    : TovBarSubMenuControl(AManager) {
    FKind = bckQuickCustomization;
}

// ---- "&Add or Remove Buttons"

TovBarQuickAccessItem::TovBarQuickAccessItem(TComponent* AOwner) : TovBarSubItem(AOwner) {
    // The list is the popup's own business: no designer hears of its changes.
    ItemLinks()->NoDesignerNotification = true;
    OnPopup = TNotifyEvent([this](TObject*) { RefillList(); }, this);
}

TovBarQuickAccessItem::~TovBarQuickAccessItem() {
    ClearList();
}

void TovBarQuickAccessItem::SetToolbar(TovBarControl* AToolbar) {
    FToolbar = AToolbar;
}

IovBarControl* TovBarQuickAccessItem::CreateBarControl() {
    auto* menu = new TovBarQuickAccessSubControl(BarManager());
    menu->SetItemLinks(ItemLinks());
    return menu;
}

const TovBarItemControlClass* TovBarQuickAccessItem::GetControlClass(bool) const {
    return &ovBarSubItemControlClass;
}

void TovBarQuickAccessItem::ClearList() {
    TovBarItemLinks* links = ItemLinks();
    if (links == nullptr) return;
    std::vector<TovBarItem*> items;
    for (int i = 0; i < links->Count(); ++i)
        if (TovBarItem* item = links->Items(i)->Item();
            item != nullptr && std::find(items.begin(), items.end(), item) == items.end())
            items.push_back(item);
    links->Clear();
    for (TovBarItem* item : items)
        item->Free();
}

void TovBarQuickAccessItem::RefillList() {
    ClearList();
    if (TovBarControl* toolbar = FToolbar.Get()) toolbar->FillQuickCustomizationList(ItemLinks());
}

// ---- The entries of the list

TovBarQuickCustItem::TovBarQuickCustItem(TComponent* AOwner) : TovBarButton(AOwner) {}

const TovBarItemControlClass* TovBarQuickCustItem::GetControlClass(bool) const {
    return &ovBarQuickCustItemControlClass;
}

TovBarItemLink* TovBarQuickCustItem::StandsFor(const TovBarItemLink* AEntry) {
    if (AEntry == nullptr || AEntry->Links() == nullptr) return nullptr;
    auto* target = dynamic_cast<TovBarItemLink*>(AEntry->Data);
    auto* owner = dynamic_cast<TovBarQuickAccessItem*>(AEntry->Links()->OwnerObject());
    TovBarControl* toolbar = owner != nullptr ? owner->Toolbar() : nullptr;
    // Only a link the toolbar still has is trusted: the toolbar may have lost it meanwhile.
    if (target == nullptr || toolbar == nullptr || toolbar->ItemLinks() == nullptr ||
        toolbar->ItemLinks()->IndexOf(target) < 0)
        return nullptr;
    return target;
}

void TovBarQuickCustItem::ToggleStoodFor(TovBarItemLink* AEntry) {
    TovBarItemLink* target = StandsFor(AEntry);
    if (target == nullptr) return;
    target->SetVisible(!target->Visible());
    // A link's visibility alone does not lay its bar out again: the toolbar shows the change at once.
    if (TovBarItemLinks* links = target->Links(); links != nullptr && links->BarControl() != nullptr)
        links->BarControl()->RebuildBar(false);
    if (TovBarManager* manager = target->OwningBarManager()) manager->DesignerModified();
}

TovBarQuickCustExtButton::TovBarQuickCustExtButton(TComponent* AOwner) : TovBarButton(AOwner) {}

const TovBarItemControlClass* TovBarQuickCustExtButton::GetControlClass(bool) const {
    return &ovBarQuickCustExtButtonControlClass;
}
