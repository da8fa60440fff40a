#include "ui/bars/customize/BarDesignController.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinStyles.h"
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
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarControlEditors.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarDesignHelpers.h"
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
    // Made now: its editors and design helpers are registered with the unit's start.
    BarDesignController();
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

TovBarDesignController::TovBarDesignController() : FInternalItems(std::make_unique<TovBarInternalItems>()) {
    RegisterDefaultEditorsAndHelpers();
}

void TovBarDesignController::RegisterDefaultEditorsAndHelpers() {
    RegisterBarControlEditor(ovAddSubItemEditor());
    RegisterBarControlEditor(ovAddButtonEditor());
    RegisterBarControlEditor(ovAddLargeButtonEditor());
    RegisterBarControlEditor(ovItemsEditorEx());
    RegisterBarControlDesignHelper(uiClassOf<TovBarControl>(), ovBarControlDesignHelper());
    RegisterBarControlDesignHelper(uiClassOf<TovBarSubMenuControl>(), ovBarSubMenuControlDesignHelper());
}

// ---- Design helpers and editors

void TovBarDesignController::RegisterBarControlDesignHelper(const TuiClassRef* AControlClass,
                                                            const TCustomovBarControlDesignHelper* AHelper) {
    if (AControlClass != nullptr && AHelper != nullptr) FHelpers.emplace_back(AControlClass, AHelper);
}

void TovBarDesignController::UnregisterBarControlDesignHelper(const TuiClassRef* AControlClass) {
    // The latest registration goes; an earlier one for the class answers again.
    for (auto it = FHelpers.rbegin(); it != FHelpers.rend(); ++it)
        if (it->first == AControlClass) {
            FHelpers.erase(std::next(it).base());
            return;
        }
}

const TCustomovBarControlDesignHelper*
TovBarDesignController::GetDesignHelper(const TCustomovBarControl* AControl) const {
    if (AControl != nullptr)
        for (auto it = FHelpers.rbegin(); it != FHelpers.rend(); ++it)
            if (it->first->IsInstance(AControl)) return it->second;
    return ovCustomBarControlDesignHelper();
}

void TovBarDesignController::RegisterBarControlEditor(const TovBarControlEditor* AEditor) {
    if (AEditor != nullptr && std::find(FEditors.begin(), FEditors.end(), AEditor) == FEditors.end())
        FEditors.push_back(AEditor);
}

void TovBarDesignController::UnregisterBarControlEditor(const TovBarControlEditor* AEditor) {
    std::erase(FEditors, AEditor);
}

// ---- The customizing link

TovBarItemLink* TovBarDesignController::CustomizingLink() const {
    return FPopup != nullptr ? FPopup->CustomizingLink() : nullptr;
}

TovBarItemLinks* TovBarDesignController::CustomizingLinks() const {
    TovBarItemLink* link = CustomizingLink();
    return link != nullptr ? dynamic_cast<TovBarItemLinks*>(link->Collection()) : nullptr;
}

bool TovBarDesignController::IsCustomizedObject(TPersistent* AObject) const {
    TovBarItemLink* link = CustomizingLink();
    return link != nullptr && AObject != nullptr &&
           (AObject == link || AObject == static_cast<TPersistent*>(link->Item()));
}

TovBarItemLink* TovBarDesignController::CreateItemAtCustomizingLink(const TuiClassRef* AItemClass) {
    TovBarItemLink* anchor = CustomizingLink();
    TovBarItemLinks* links = CustomizingLinks();
    TovBarManager* manager = links != nullptr ? links->BarManager() : nullptr;
    if (manager == nullptr || AItemClass == nullptr) return nullptr;
    TovBarItemLink* link = nullptr;
    manager->BeginUpdate();
    links->BeginUpdate();
    try {
        // Owned by the manager's owner like every item the designer makes.
        auto* item = dynamic_cast<TovBarItem*>(AItemClass->Create(manager->Owner()));
        if (item != nullptr) {
            // The built-in name of the category, never a product's replaced text.
            const int category = manager->Categories()->IndexOf(ovSBAR_DEFAULTCATEGORYNAME.Text);
            item->SetCategory(category >= 0 ? category : 0);
            item->SetName(manager->MakeUniqueItemName(AItemClass->ClassName()));
            item->SetCaption(item->GetDefaultCaption());
            link = links->AddItem(item);
            if (anchor != nullptr && anchor->Collection() == links)
                links->Move(link->Index(), anchor->Index() + 1);
        }
    } catch (...) {
        links->EndUpdate();
        manager->EndUpdate();
        throw;
    }
    links->EndUpdate();
    manager->EndUpdate();
    return link;
}

TovBarItemLink* TovBarDesignController::CreateItemByEditor(const TovBarControlEditor* AEditor,
                                                           const std::string& AClickedCaption) {
    if (AEditor == nullptr) return nullptr;
    TovBarItemLink* link = CreateItemAtCustomizingLink(AEditor->GetItemClass(AClickedCaption));
    if (link == nullptr) return nullptr;
    AEditor->InitializeItem(link, AClickedCaption);
    if (TovBarManager* manager = link->OwningBarManager()) {
        // The new link becomes the selection, in the bar and in the designer.
        manager->DesignerSelect(link, bsoExclusive);
        SelectLink(link, dsoExclusive);
        manager->DesignerModified();
    }
    return link;
}

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
    bar->SetAllowQuickCustomizing(false);
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

// Two readings of this question exist: "select only what is not selected yet" and "select only the last
// selected object". The first is the one built: at run time the last selected link already carries the
// solid frame of the default selection, so a click on it selects nothing again (and never turns it
// into the dotted frame of a secondary selection); any other link is selected by the click.
bool TovBarDesignController::WantsDefaultSelection(TovBarItemLink* ALink) {
    TovBarManager* manager = ALink != nullptr ? ALink->OwningBarManager() : nullptr;
    if (manager == nullptr) return false;
    if (!manager->IsDesigning()) return ALink != LastSelectedLink();
    if (!HasSingleSelection(manager)) return false;
    if (HasComplexSelection(manager)) return IsCustomizedObject(ALink) || IsCustomizedObject(ALink->Item());
    return true;
}

bool TovBarDesignController::HasSingleSelection(TovBarManager* AManager) const {
    if (AManager == nullptr) return false;
    std::vector<TPersistent*> selection;
    AManager->DesignerGetSelection(selection);
    return selection.size() == 1;
}

bool TovBarDesignController::HasComplexSelection(TovBarManager* AManager) const {
    if (AManager == nullptr) return false;
    std::vector<TPersistent*> selection;
    AManager->DesignerGetSelection(selection);
    for (TPersistent* object : selection) {
        TovBarItem* item = dynamic_cast<TovBarItem*>(object);
        if (auto* link = dynamic_cast<TovBarItemLink*>(object)) item = link->Item();
        if (item != nullptr && item->LinkCount() > 1) return true;
    }
    return false;
}

bool TovBarDesignController::CanShowSelectionPopup() {
    TovBarManager* manager = CustomizingManager();
    if (manager == nullptr || !manager->CanCustomize) return false;
    std::vector<TPersistent*> selection;
    manager->DesignerGetSelection(selection);
    if (!manager->IsDesigning()) {
        // At run time the selection is the last selected link.
        TovBarItemLink* last = LastSelectedLink();
        return last != nullptr && last->Control() != nullptr;
    }
    if (selection.empty()) return false;
    auto* link = dynamic_cast<TovBarItemLink*>(selection.front());
    return link != nullptr && link->Control() != nullptr;
}

// ---- Deleting

TovBarManager* TovBarDesignController::CustomizingManager() {
    if (LastSelectedLink() != nullptr) return FLastSelectedManager;
    return ovBarCustomizingManager();
}

namespace {

// What the designer deletes for a selected object in a kind: a link itself (kind 0) or its item (kind 1);
// a selected item is deleted as an item either way.
struct TovDesignDeletion {
    TPersistent* Object;
    TovBarItemLink* Link; // the link deleted, when only a link goes
    TovBarItem* Item;     // the item deleted, when the item goes
};

std::vector<TovDesignDeletion> DeletableSelection(TovBarManager* AManager, TovBarDeleteKind AKind) {
    std::vector<TPersistent*> selection;
    AManager->DesignerGetSelection(selection);
    std::vector<TovDesignDeletion> result;
    std::vector<TovBarItem*> items;
    for (TPersistent* object : selection) {
        TovDesignDeletion deletion{object, nullptr, nullptr};
        if (auto* link = dynamic_cast<TovBarItemLink*>(object)) {
            if (AKind == bdkLinks)
                deletion.Link = link;
            else
                deletion.Item = link->Item();
        } else if (auto* item = dynamic_cast<TovBarItem*>(object)) {
            deletion.Item = item;
        } else {
            continue; // not a bar object: the designer deletes it, not the bars
        }
        // An item goes only when the designer allows it (a component inherited from an ancestor form, for
        // instance, stays), and each item once however many of its links are selected.
        if (deletion.Item != nullptr) {
            if (!AManager->DesignerCanDelete(deletion.Item) ||
                std::find(items.begin(), items.end(), deletion.Item) != items.end())
                continue;
            items.push_back(deletion.Item);
        }
        result.push_back(deletion);
    }
    // A link whose item goes as well needs no deleting of its own.
    std::erase_if(result, [&items](const TovDesignDeletion& D) {
        return D.Link != nullptr && std::find(items.begin(), items.end(), D.Link->Item()) != items.end();
    });
    return result;
}

} // namespace

bool TovBarDesignController::DeleteDesignSelection(TovBarManager* AManager, TovBarDeleteKind AKind) {
    std::vector<TovDesignDeletion> doomed = DeletableSelection(AManager, AKind);
    if (doomed.empty()) return false;
    if (AKind == bdkLinks) {
        const bool complex = std::any_of(doomed.begin(), doomed.end(), [](const TovDesignDeletion& D) {
            return D.Item != nullptr && D.Item->LinkCount() > 1;
        });
        // Deleting an item with several links takes links from other bars as well: asked first.
        if (complex && Application()->MessageBox(ovSBAR_WANTTODELETECOMPLEXITEM.Text, Application()->Title(),
                                                 MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
    }
    // The link to select afterwards: the next one of the last deleted link's list that stays.
    auto stays = [&doomed](TovBarItemLink* ALink) {
        for (const TovDesignDeletion& D : doomed)
            if (D.Link == ALink || (D.Item != nullptr && ALink->Item() == D.Item)) return false;
        return true;
    };
    TovBarItemLink* next = nullptr;
    TovBarItemLink* lastLink = doomed.back().Link;
    if (lastLink == nullptr)
        if (auto* link = dynamic_cast<TovBarItemLink*>(doomed.back().Object)) lastLink = link;
    if (lastLink != nullptr)
        if (auto* links = dynamic_cast<TovBarItemLinks*>(lastLink->Collection()))
            for (int i = lastLink->Index() + 1; i < links->Count() && next == nullptr; ++i)
                if (stays(links->Items(i))) next = links->Items(i);
    ForgetLastSelected();
    AManager->BeginUpdate();
    try {
        for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
            if (it->Item != nullptr)
                delete it->Item;
            else
                delete it->Link;
        }
    } catch (...) {
        AManager->EndUpdate();
        throw;
    }
    AManager->EndUpdate();
    std::vector<TPersistent*> selection;
    if (next != nullptr) selection.push_back(next);
    AManager->DesignerSetSelection(selection);
    if (next != nullptr) SelectLink(next, dsoExclusive);
    AManager->DesignerModified();
    return true;
}

bool TovBarDesignController::CanDeleteSelection() {
    if (TovBarManager* manager = CustomizingManager(); manager != nullptr && manager->IsDesigning())
        return !DeletableSelection(manager, bdkLinks).empty();
    TovBarItemLink* last = LastSelectedLink();
    return last != nullptr && last->Control() != nullptr;
}

bool TovBarDesignController::DeleteSelectedObjects(TovBarDeleteKind AKind, bool AFromKeyboard) {
    TovBarManager* manager = CustomizingManager();
    if (manager == nullptr || !manager->IsCustomizingOrDesigning()) return false;
    if (AFromKeyboard) {
        TWinControl* owner = manager->OwnerWinControl();
        if (owner == nullptr || !owner->HandleAllocated()) return false;
        HWND focus = GetFocus();
        if (focus == nullptr || (focus != owner->Handle() && !IsChild(owner->Handle(), focus))) return false;
    }
    if (manager->IsDesigning()) return DeleteDesignSelection(manager, AKind);
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
    ClearInternalItems();
    std::unique_ptr<TovBarCustomizingPopup> popup(new TovBarCustomizingPopup(manager, ABarControl, ALink));
    // Open for the controller already while it is filled: the link is the customized one.
    FPopup = popup.get();
    if (!popup->Fill()) {
        FPopup = nullptr;
        return false;
    }
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

void TovBarDesignController::SetCustomizingPopupTopmost(bool AOn) {
    TovBarSubMenuControl* menu = FPopup != nullptr ? FPopup->GetSubMenuControl() : nullptr;
    if (menu == nullptr || menu->Handle() == nullptr) return;
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    // The chain of bar windows from the customizing link's bar up to its root.
    std::vector<TCustomovBarControl*> chain;
    if (TovBarItemLink* link = CustomizingLink(); link != nullptr && link->Control() != nullptr)
        for (TCustomovBarControl* bar = link->Control()->ParentBar(); bar != nullptr;
             bar = bar->ParentBarControl())
            // Docked toolbars stack with their dock; only windows of their own take part.
            if (bar->Handle() != nullptr && (::GetWindowLong(bar->Handle(), GWL_STYLE) & WS_CHILD) == 0)
                chain.push_back(bar);
    if (AOn) {
        ::SetWindowPos(menu->Handle(), HWND_TOPMOST, 0, 0, 0, 0, flags);
        HWND above = menu->Handle();
        for (TCustomovBarControl* bar : chain) {
            ::SetWindowPos(bar->Handle(), above, 0, 0, 0, 0, flags);
            above = bar->Handle();
        }
    } else {
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            if ((*it)->Handle() != nullptr)
                ::SetWindowPos((*it)->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, flags);
        ::SetWindowPos(menu->Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    }
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
