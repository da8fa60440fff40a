#include "ui/bars/customize/BarDesignController.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarToolbarsPopup.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/ResourceStrings.h"

#include <algorithm>
#include <memory>
#include <vector>

// The controller's own list of internal items. It owns them as components, and watches the managers
// they were made for: a manager that goes takes its internal items along before they could ask it for
// anything (the notification arrives while the manager's memory still exists, but nothing of it is
// usable, so the watched pointers are compared, never asked).
class TovBarInternalItems : public TComponent {
public:
    TovBarInternalItems() : TComponent(nullptr) {}
    ~TovBarInternalItems() override { DestroyComponents(); }

    void Take(TovBarItem* AItem) {
        if (AItem->Owner() != this) {
            if (AItem->Owner() != nullptr) AItem->Owner()->RemoveComponent(AItem);
            InsertComponent(AItem);
        }
        if (TovBarManager* manager = AItem->BarManager();
            manager != nullptr && std::find(FManagers.begin(), FManagers.end(), manager) == FManagers.end()) {
            FManagers.push_back(manager);
            FreeNotification(manager);
        }
    }
    void Clear() {
        DestroyComponents();
        for (TComponent* manager : FManagers)
            RemoveFreeNotification(manager);
        FManagers.clear();
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        auto watched = std::find(FManagers.begin(), FManagers.end(), AComponent);
        if (watched == FManagers.end()) return;
        FManagers.erase(watched);
        for (int i = ComponentCount() - 1; i >= 0; --i) {
            if (i >= ComponentCount()) continue;
            auto* item = static_cast<TovBarItem*>(Components(i));
            if (static_cast<TComponent*>(item->BarManager()) != AComponent) continue;
            item->BeforeDestruction();
            delete item;
        }
    }

private:
    std::vector<TComponent*> FManagers;
};

namespace {

std::unique_ptr<TovBarDesignController>& DesignControllerInstance() {
    static std::unique_ptr<TovBarDesignController> instance;
    return instance;
}

bool DesignIsLiveManager(const TovBarManager* AManager) {
    TovBarManagerList* list = BarManagerList();
    if (AManager == nullptr || list == nullptr) return false;
    for (int i = 0; i < list->Count(); ++i)
        if (list->Managers(i) == AManager) return true;
    return false;
}

} // namespace

TovBarDesignController* BarDesignController() {
    if (!DesignControllerInstance()) DesignControllerInstance() = std::make_unique<TovBarDesignController>();
    return DesignControllerInstance().get();
}

void ovBarDesignControllerStart() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.CancelCustomizingOperation = [](TovBarManager* AManager) {
        return BarDesignController()->CancelCustomizingOperation(AManager);
    };
    points.DeleteSelectedObjects = [](TovBarManager*, bool ACtrlDown) {
        return BarDesignController()->DeleteSelectedObjects(ACtrlDown ? bdkItems : bdkLinks, true);
    };
}

void ovBarDesignControllerEnd() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.CancelCustomizingOperation = nullptr;
    points.DeleteSelectedObjects = nullptr;
    DesignControllerInstance().reset();
}

TovBarDesignController::TovBarDesignController() : FInternalItems(std::make_unique<TovBarInternalItems>()) {}

TovBarDesignController::~TovBarDesignController() = default;

// ---- Internal items

void TovBarDesignController::RemoveFromManagerItems(TovBarItem* AItem) {
    if (AItem != nullptr && AItem->BarManager() != nullptr) AItem->BarManager()->RemoveItem(AItem);
}

void TovBarDesignController::RegisterInternalItem(TovBarItem* AItem, TComponent* AOwner) {
    if (AItem == nullptr) return;
    RemoveFromManagerItems(AItem);
    if (AOwner == nullptr) {
        FInternalItems->Take(AItem);
    } else if (AItem->Owner() != AOwner) {
        if (AItem->Owner() != nullptr) AItem->Owner()->RemoveComponent(AItem);
        AOwner->InsertComponent(AItem);
    }
}

void TovBarDesignController::ClearInternalItems() {
    FInternalItems->Clear();
}

int TovBarDesignController::InternalItemCount() const {
    return FInternalItems->ComponentCount();
}

TovBarItemLink* TovBarDesignController::AddInternalItem(TovBarItemLinks* ALinks, TovBarItem* AItem,
                                                        bool ABeginGroup, int ATag,
                                                        const TNotifyEvent& AOnClick,
                                                        const std::string& ACaption) {
    if (ALinks == nullptr || AItem == nullptr) return nullptr;
    RegisterInternalItem(AItem);
    if (!ACaption.empty()) AItem->SetCaption(ACaption);
    AItem->SetOnClick(AOnClick);
    AItem->SetTag(ATag);
    TovBarItemLink* link = ALinks->AddItem(AItem);
    link->SetBeginGroup(ABeginGroup);
    return link;
}

TovBarItemLink* TovBarDesignController::AddInternalItem(TovBarItemLinks* ALinks,
                                                        const TuiClassRef* AItemClass, bool ABeginGroup,
                                                        int ATag, const TNotifyEvent& AOnClick,
                                                        const std::string& ACaption) {
    if (ALinks == nullptr || ALinks->BarManager() == nullptr || AItemClass == nullptr) return nullptr;
    // Made for the links' manager (an item finds its manager through its owner), then taken over.
    auto* item = dynamic_cast<TovBarItem*>(AItemClass->Create(ALinks->BarManager()));
    if (item == nullptr) return nullptr;
    return AddInternalItem(ALinks, item, ABeginGroup, ATag, AOnClick, ACaption);
}

TovBarItemLink* TovBarDesignController::AddCustomizeItem(TovBarItemLinks* ALinks,
                                                         const TuiClassRef* AItemClass, bool ABeginGroup) {
    TovBarManager* manager = ALinks != nullptr ? ALinks->BarManager() : nullptr;
    if (manager == nullptr || !manager->CanCustomize) return nullptr;
    TovBarItemLink* link = AddInternalItem(ALinks, AItemClass, ABeginGroup, 0,
                                           TNotifyEvent(
                                               [manager](TObject*) {
                                                   if (DesignIsLiveManager(manager))
                                                       manager->SetIsCustomizing(true);
                                               },
                                               this),
                                           uiGetResourceString(ovSBAR_CUSTOMIZE));
    // One Customize window at a time, whichever manager opened it.
    if (link != nullptr)
        link->Item()->SetEnabled(!manager->IsCustomizing() && !manager->IsOtherManagerCustomizing());
    return link;
}

TovBar* TovBarDesignController::CreateInternalBar(TovBarManager* AManager) {
    if (AManager == nullptr) return nullptr;
    TovBar* bar = AManager->Bars()->Add();
    bar->AllowQuickCustomizing = false;
    bar->SetHidden(true);
    return bar;
}

// ---- Selection

bool TovBarDesignController::IsLinkOfManager(const TovBarItemLink* ALink, TovBarManager* AManager) const {
    // Only pointers are compared: the link may already be freed.
    for (int i = 0; i < AManager->ItemCount(); ++i) {
        TovBarItem* item = AManager->Items(i);
        for (int j = 0; j < item->LinkCount(); ++j)
            if (item->Links(j) == ALink) return true;
    }
    return false;
}

void TovBarDesignController::RepaintLink(TovBarItemLink* ALink) {
    if (ALink != nullptr && ALink->Control() != nullptr) ALink->Control()->Repaint();
}

TovBarItemLink* TovBarDesignController::LastSelectedLink() {
    if (FLastSelected == nullptr) return nullptr;
    // A customization that ended takes its selection along: a Delete typed afterwards is the
    // application's, never a bar's.
    if (!DesignIsLiveManager(FLastSelectedManager) || !FLastSelectedManager->IsCustomizingOrDesigning() ||
        !IsLinkOfManager(FLastSelected, FLastSelectedManager)) {
        FLastSelected = nullptr;
        FLastSelectedManager = nullptr;
    }
    return FLastSelected;
}

void TovBarDesignController::SetLastSelected(TovBarItemLink* ALink, TovBarManager* AManager) {
    TovBarItemLink* previous = LastSelectedLink();
    if (previous == ALink) return;
    FLastSelected = ALink;
    FLastSelectedManager = ALink != nullptr ? AManager : nullptr;
    RepaintLink(previous);
    RepaintLink(ALink);
}

void TovBarDesignController::ForgetLastSelected() {
    SetLastSelected(nullptr, nullptr);
}

void TovBarDesignController::SelectLink(TovBarItemLink* ALink, TovBarDesignSelectOperation AOperation) {
    switch (AOperation) {
    case dsoAdd:
    case dsoExclusive: {
        TovBarManager* manager = ALink != nullptr ? ALink->OwningBarManager() : nullptr;
        if (manager != nullptr && !manager->IsCustomizingOrDesigning()) return;
        SetLastSelected(ALink, manager);
        if (manager != nullptr && ALink->Control() != nullptr) manager->SetSelectedItem(ALink->Control());
        break;
    }
    case dsoReexamine:
        if (TovBarItemLink* last = LastSelectedLink();
            last != nullptr && (last->Control() == nullptr || !ovBarApplicationIsActive()))
            ForgetLastSelected();
        break;
    }
}

bool TovBarDesignController::WantsDefaultSelection(TovBarItemLink* ALink) {
    TovBarManager* manager = ALink != nullptr ? ALink->OwningBarManager() : nullptr;
    if (manager == nullptr) return false;
    if (!manager->IsDesigning()) return ALink != LastSelectedLink();
    std::vector<TPersistent*> selection;
    manager->DesignerGetSelection(selection);
    return selection.size() == 1;
}

// ---- Deleting

TovBarManager* TovBarDesignController::CustomizingManager() {
    if (LastSelectedLink() != nullptr) return FLastSelectedManager;
    return ovBarCustomizingManager();
}

bool TovBarDesignController::CanDeleteSelection() {
    TovBarItemLink* last = LastSelectedLink();
    return last != nullptr && last->Control() != nullptr;
}

bool TovBarDesignController::DeleteSelectedObjects(TovBarDeleteKind, bool AFromKeyboard) {
    TovBarManager* manager = CustomizingManager();
    if (manager == nullptr || !manager->IsCustomizingOrDesigning()) return false;
    if (AFromKeyboard) {
        TWinControl* owner = manager->OwnerWinControl();
        if (owner == nullptr || !owner->HandleAllocated()) return false;
        HWND focus = GetFocus();
        if (focus == nullptr || (focus != owner->Handle() && !IsChild(owner->Handle(), focus))) return false;
    }
    if (!CanDeleteSelection()) return false;
    TovBarItemLink* link = FLastSelected;
    FLastSelected = nullptr;
    FLastSelectedManager = nullptr;
    // Freeing the link takes it off its bar; the bar lays itself out again.
    delete link;
    manager->DesignerModified();
    return true;
}

bool TovBarDesignController::CancelCustomizingOperation(TovBarManager* AManager) {
    // An open customizing popup is the operation Escape ends first (its menu is a bar of the customizing
    // manager, so the key reaches here rather than the menu).
    if (FPopup != nullptr) {
        if (TovBarSubMenuControl* menu = FPopup->GetSubMenuControl()) {
            menu->CloseUp(bcrEscape);
            return true;
        }
    }
    TovBarItemLink* last = LastSelectedLink();
    if (last == nullptr || FLastSelectedManager != AManager) return false;
    if (AManager->SelectedItem() == last->Control()) AManager->SetSelectedItem(nullptr);
    ForgetLastSelected();
    return true;
}

// ---- The customizing popup

bool TovBarDesignController::ShowLinkCustomizingPopup(TCustomovBarControl* ABarControl,
                                                      TovBarItemLink* ALink) {
    if (ABarControl == nullptr || ALink == nullptr || FPopup != nullptr) return false;
    TovBarManager* manager = ABarControl->GetBarManager();
    if (manager == nullptr || !manager->IsCustomizingOrDesigning()) return false;
    SelectLink(ALink, dsoExclusive);
    // The manager owns the popup while it is open; it goes as soon as it closed.
    std::unique_ptr<TovBarCustomizingPopup> popup(new TovBarCustomizingPopup(manager, ABarControl, ALink));
    if (!popup->Fill()) return false;
    FPopup = popup.get();
    popup->OnPopup = TNotifyEvent(
        [this](TObject*) {
            if (OnCustomizingPopup) OnCustomizingPopup(FPopup);
        },
        this);
    popup->PopupFromCursorPos();
    FPopup = nullptr;
    const bool blankName = popup->NameWasBlank();
    popup.reset();
    if (blankName)
        Application()->MessageBox(uiGetResourceString(ovSBAR_COMMANDNAMECANNOTBEBLANK),
                                  Application()->Title(), MB_OK | MB_ICONERROR);
    return true;
}

// ---- The toolbars popup

bool TovBarDesignController::ShowToolbarsPopup(TovBarManager* AManager, TovBarPainter* APainter) {
    if (AManager == nullptr || AManager->IsCustomizingOrDesigning() || FToolbarsPopup != nullptr)
        return false;
    ClearInternalItems();
    std::unique_ptr<TovBarToolbarsPopup> popup(new TovBarToolbarsPopup(AManager, APainter));
    if (!popup->Fill()) {
        popup.reset();
        ClearInternalItems();
        return false;
    }
    TovBarManager::CloseActiveBarControl();
    FToolbarsPopup = popup.get();
    popup->OnPopup = TNotifyEvent(
        [this](TObject*) {
            if (OnToolbarsPopup) OnToolbarsPopup(FToolbarsPopup);
        },
        this);
    TWeakLink<TovBarToolbarsPopup> alive(popup.get());
    popup->PopupFromCursorPos();
    FToolbarsPopup = nullptr;
    // The manager (the popup's owner) may have gone with a click in the loop; the popup went with it.
    if (!alive) popup.release();
    popup.reset();
    ClearInternalItems();
    return true;
}

// ---- Groups

bool TovBarDesignController::AddGroupMember(TovBarGroup* AGroup, TovBarComponent* AMember) {
    if (AGroup == nullptr) return false;
    try {
        AGroup->Add(AMember);
    } catch (const EovException& E) {
        Application()->MessageBox(E.Message(), Application()->Title(), MB_OK | MB_ICONERROR);
        return false;
    }
    return AMember != nullptr;
}
