#include "ui/bars/containers/ContainerItemControl.h"

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemControlClasses.h"

// ---- TContainerItemSubMenuControl

TContainerItemSubMenuControl::TContainerItemSubMenuControl(TovBarManager* AManager)
    : TovBarSubMenuControl(AManager), FLinkData(std::make_unique<TovBarContainerLinkData>()) {}

TContainerItemSubMenuControl::~TContainerItemSubMenuControl() {
    GiveLinksBack();
}

void TContainerItemSubMenuControl::SetContainerItem(TCustomovBarContainerItem* AItem) {
    FContainerItem = AItem;
    FLinkData->Item = AItem;
}

void TContainerItemSubMenuControl::GiveLinksBack() {
    TCustomovBarContainerItem* item = FContainerItem.Get();
    if (item == nullptr || FLinkData->Generated.empty()) return;
    // The selection may be one of the links that go.
    SetSelectedControl(nullptr);
    item->RemoveListItems(FLinkData.get());
}

void TContainerItemSubMenuControl::DoCloseUp() {
    GiveLinksBack();
    TovBarSubMenuControl::DoCloseUp();
}

// ---- TovBarContainerItemControl

TCustomovBarContainerItem* TovBarContainerItemControl::ContainerItem() const {
    return dynamic_cast<TCustomovBarContainerItem*>(Item());
}

bool TovBarContainerItemControl::ShowsOwnLink() const {
    return dynamic_cast<TovBarControl*>(ParentBar()) != nullptr;
}

bool TovBarContainerItemControl::CanOpenSubMenu() const {
    TovBarManager* manager = Item() != nullptr ? Item()->BarManager() : nullptr;
    return manager == nullptr || !manager->IsCustomizingOrDesigning();
}

void TovBarContainerItemControl::CreateSubMenuControl() {
    TCustomovBarContainerItem* item = ContainerItem();
    if (item == nullptr || !CanOpenSubMenu()) return;
    TovBarItemLinks* links = item->ItemLinks();
    if (links == nullptr) return;
    if (auto* existing = dynamic_cast<TContainerItemSubMenuControl*>(links->BarControl())) {
        existing->SetItemLinks(links);
        return;
    }
    links->FreeBarControl();
    auto* menu = new TContainerItemSubMenuControl(item->BarManager());
    links->SetBarControl(menu);
    menu->SetItemLinks(links);
    menu->SetContainerItem(item);
    menu->LinkData()->Link = ItemLink();
    item->FillItemLinks(links, menu->LinkData(), 0);
}

std::string TovBarContainerItemControl::GetCaption() const {
    const std::string caption = TovBarSubItemControl::GetCaption();
    if (ShowsOwnLink()) return caption;
    return "(" + caption + ")";
}

bool TovBarContainerItemControl::CanClick() const {
    return CanOpenSubMenu();
}

const TovBarItemControlClass ovBarContainerItemControlClass{"TovBarContainerItemControl",
                                                            &ovMakeItemControl<TovBarContainerItemControl>};
