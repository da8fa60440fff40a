#include "ui/bars/customize/BarDesignController.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
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
#include "ui/bars/hooks/BarHooks.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/ResourceStrings.h"

#include <memory>

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
