#include "ui/bars/popupmenus/PopupComponent.h"

#include "platform/vcl/Font.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/core/base/CoreServices.h"

namespace {

// The item's own links (and those of its sub-items, however deep) hold ALinks.
bool PopupLinksContain(TovBarItemLinks* AOwnLinks, TovBarItemLinks* ALinks, int ADepth = 0) {
    if (AOwnLinks == nullptr || ADepth > 64) return false;
    if (AOwnLinks == ALinks) return true;
    for (int i = 0; i < AOwnLinks->Count(); ++i)
        if (TovBarItem* item = AOwnLinks->Items(i)->Item())
            if (PopupLinksContain(item->LinksOf(), ALinks, ADepth + 1)) return true;
    return false;
}

// A menu may outlive the manager it was bound to (both belong to the form).
bool ManagerAlive(TovBarManager* AManager) {
    TovBarManagerList* list = BarManagerList();
    for (int i = 0; list != nullptr && i < list->Count(); ++i)
        if (list->Managers(i) == AManager) return true;
    return false;
}

TovBarManager* ChoosePopupManager(TComponent* AOwner) {
    if (auto* manager = dynamic_cast<TovBarManager*>(AOwner)) return manager;
    if (TovBarManager* manager = GetBarManagerOfComponent(AOwner)) return manager;
    TovBarManagerList* list = BarManagerList();
    return list != nullptr && list->Count() > 0 ? list->Managers(0) : nullptr;
}

} // namespace

TovBarCustomPopupComponent::TovBarCustomPopupComponent(TComponent* AOwner) : TovBarComponent(AOwner) {
    TovBarManagerList* list = BarManagerList();
    if (list == nullptr || list->Count() == 0) throw EovException(uiGetResourceString(ovSBAR_NOBARMANAGERS));
    FBarManager = ChoosePopupManager(AOwner);
    InitItemLinks();
}

TovBarCustomPopupComponent::~TovBarCustomPopupComponent() {
    if (FItemLinks) FItemLinks->FreeBarControl();
    FItemLinks.reset();
}

std::unique_ptr<TovBarItemLinks> TovBarCustomPopupComponent::CreateItemLinks() {
    return std::make_unique<TovBarSubMenuControlItemLinks>(FBarManager, this);
}

TovBarSubMenuControl* TovBarCustomPopupComponent::CreateSubMenuControl() {
    return new TovBarSubMenuControl(FBarManager);
}

IovBarControl* TovBarCustomPopupComponent::CreateBarControl() {
    TovBarSubMenuControl* menu = CreateSubMenuControl();
    menu->SetItemLinks(FItemLinks.get());
    return menu;
}

void TovBarCustomPopupComponent::Loaded() {
    TovBarComponent::Loaded();
    if (FItemLinks) FItemLinks->ResolveLoadedItems();
}

bool TovBarCustomPopupComponent::CanContainItem(TovBarItem* AItem, std::string& AErrorText) {
    AErrorText.clear();
    if (AItem == nullptr || !AItem->CanBePlacedOn(bpMenu, nullptr, AErrorText)) return false;
    if (PopupLinksContain(AItem->LinksOf(), FItemLinks.get())) {
        AErrorText = uiGetResourceString(ovSBAR_RECURSIVEMENUS);
        return false;
    }
    return true;
}

// ---- Menu component

TovBarCustomPopupMenuComponent::TovBarCustomPopupMenuComponent(TComponent* AOwner)
    : TovBarCustomPopupComponent(AOwner), FFont(std::make_unique<TFont>()) {
    if (FBarManager != nullptr && FBarManager->Font() != nullptr) FFont->Assign(FBarManager->Font());
    FFont->OnChange = TNotifyEvent([this](TObject*) { FontChanged(); }, this);
    if (FBarManager != nullptr) FBarManager->AddPopupMenu(this);
}

TovBarCustomPopupMenuComponent::~TovBarCustomPopupMenuComponent() {
    FFont->OnChange = nullptr;
    if (FBarManager != nullptr && ManagerAlive(FBarManager)) FBarManager->RemovePopupMenu(this);
}

void TovBarCustomPopupMenuComponent::SetFont(TFont* AValue) {
    FFont->Assign(AValue);
}

void TovBarCustomPopupMenuComponent::FontChanged() {
    if (!FInternalFontChange) FUseOwnFont = true;
}

void TovBarCustomPopupMenuComponent::SetUseOwnFont(bool AValue) {
    if (FUseOwnFont == AValue) return;
    FUseOwnFont = AValue;
    FInternalFontChange = true;
    try {
        if (AValue)
            FontChanged();
        else if (FBarManager != nullptr && FBarManager->Font() != nullptr)
            FFont->Assign(FBarManager->Font());
    } catch (...) {
        FInternalFontChange = false;
        throw;
    }
    FInternalFontChange = false;
}

bool TovBarCustomPopupMenuComponent::IsShortCut(WORD AKey, LPARAM AKeyData) {
    return IsShortCut(GetShortCutFromKey(AKey, AKeyData));
}

bool TovBarCustomPopupMenuComponent::IsShortCut(TShortCut AShortCut) {
    return AShortCut != 0 && FItemLinks->IsShortCut(AShortCut);
}

void TovBarCustomPopupMenuComponent::AssignBarManager(TovBarManager* AValue) {
    if (AValue == nullptr || AValue == FBarManager) return;
    if (FBarManager != nullptr && ManagerAlive(FBarManager)) FBarManager->RemovePopupMenu(this);
    FBarManager = AValue;
    FBarManager->AddPopupMenu(this);
    FItemLinks->SetBarManager(AValue);
}
