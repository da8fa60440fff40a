// The Commands page: categories, their commands and the item actions (delete, clear, move as a block).
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/rtl/Format.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/dialogs/BarItemAddEditor.h"
#include "ui/bars/customize/dialogs/BarNameDialog.h"
#include "ui/bars/customize/dialogs/BarSubMenuEditor.h"
#include "ui/bars/customize/form/BlockMove.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<TovBarItem*> SelectedItems(TCustomListBox* AList) {
    std::vector<TovBarItem*> items;
    for (TObject* object : TovBarCustomCustomizationForm::SelectedObjects(AList))
        if (auto* item = dynamic_cast<TovBarItem*>(object)) items.push_back(item);
    return items;
}

} // namespace

int TovBarCustomCustomizationForm::SelectedCategory() const {
    TCustomListBox* list = GetCategoriesListBox();
    const int index = list->ItemIndex();
    if (index < 0 || index >= list->Count()) return -1;
    return static_cast<int>(reinterpret_cast<std::intptr_t>(list->Items()->Objects(index)));
}

void TovBarCustomCustomizationForm::GetCategoryItems(int ACategory, std::vector<TovBarItem*>& AList) const {
    AList.clear();
    if (ACategory < 0) return;
    if (IsDesigning())
        FBarManager->GetItemsByCategory(ACategory, AList);
    else
        FBarManager->GetVisibleItemsByCategory(ACategory, AList);
}

void TovBarCustomCustomizationForm::ItemsListChanged(TovBarItem* AItem) {
    TCustomListBox* list = GetItemsListBox();
    const int index = AItem != nullptr ? list->Items()->IndexOfObject(AItem) : -1;
    if (index >= 0 && AItem->Category() == SelectedCategory())
        RefreshList(list, AItem, index);
    else
        RefreshList(list);
}

void TovBarCustomCustomizationForm::UpdateItemActions() {
    TCustomListBox* list = GetItemsListBox();
    const std::vector<TovBarItem*> selected = SelectedItems(list);
    TovBarItem* focused = list->ItemIndex() >= 0 && list->Selected(list->ItemIndex())
                              ? dynamic_cast<TovBarItem*>(list->Items()->Objects(list->ItemIndex()))
                              : nullptr;
    aSubMenuEditor->SetEnabled(dynamic_cast<TCustomovBarSubItem*>(focused) != nullptr);
    bool clearable = list->Count() > 0;
    for (int i = 0; i < list->Count() && clearable; ++i)
        clearable = FBarManager->DesignerCanDelete(dynamic_cast<TComponent*>(list->Items()->Objects(i)));
    aClearItemList->SetEnabled(clearable);
    aAddItem->SetEnabled(CanAddToOwner());
    bool deletable = !selected.empty();
    for (TovBarItem* item : selected)
        deletable = deletable && FBarManager->DesignerCanDelete(item);
    aDeleteItem->SetEnabled(deletable);
    // Up unless the selection is already the first n entries, down unless it is the last n.
    const int n = static_cast<int>(selected.size());
    bool firstN = n > 0, lastN = n > 0;
    for (int i = 0; i < n; ++i) {
        firstN = firstN && list->Selected(i);
        lastN = lastN && list->Selected(list->Count() - 1 - i);
    }
    aMoveUpItem->SetEnabled(n > 0 && !firstN);
    aMoveDownItem->SetEnabled(n > 0 && !lastN);
    SetDescriptionText(focused != nullptr ? focused->Description() : std::string());
}

void TovBarCustomCustomizationForm::aDeleteItemExecute(TObject*) {
    TCustomListBox* list = GetItemsListBox();
    const std::vector<TovBarItem*> items = SelectedItems(list);
    if (items.empty()) return;
    // The next selection: the first unselected entry after the focused one, else the nearest before.
    TObject* next = nullptr;
    const int focus = std::max(list->ItemIndex(), 0);
    for (int i = focus + 1; i < list->Count() && next == nullptr; ++i)
        if (!list->Selected(i)) next = list->Items()->Objects(i);
    for (int i = focus - 1; i >= 0 && next == nullptr; --i)
        if (!list->Selected(i)) next = list->Items()->Objects(i);
    FreeLastFirst(FBarManager->ItemList(), items);
    RefreshList(list);
    const int index = next != nullptr ? list->Items()->IndexOfObject(next) : -1;
    list->ClearSelection();
    if (index >= 0) list->SetItemIndex(index);
    PushSelection(list);
}

void TovBarCustomCustomizationForm::aClearItemListExecute(TObject*) {
    TCustomListBox* list = GetItemsListBox();
    if (list->Count() == 0) return;
    const int category = SelectedCategory();
    const std::string name = category >= 0 ? FBarManager->Categories()->Strings(category) : std::string();
    const std::string question = Format(uiGetResourceString(ovSBAR_WANTTOCLEARCOMMANDS), {name});
    if (Application()->MessageBox(question, Application()->Title(), MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    std::vector<TovBarItem*> items;
    for (int i = 0; i < list->Count(); ++i)
        if (auto* item = dynamic_cast<TovBarItem*>(list->Items()->Objects(i))) items.push_back(item);
    FreeLastFirst(FBarManager->ItemList(), items);
    RefreshList(list);
    PushSelection(list);
}

void TovBarCustomCustomizationForm::aMoveItemExecute(TObject* Sender) {
    auto* action = dynamic_cast<TComponent*>(Sender);
    if (action == nullptr) return;
    TCustomListBox* list = GetItemsListBox();
    std::vector<bool> selected(list->Count());
    std::vector<TovBarItem*> entries(list->Count());
    std::vector<int> slots;
    for (int i = 0; i < list->Count(); ++i) {
        selected[i] = list->Selected(i);
        entries[i] = static_cast<TovBarItem*>(list->Items()->Objects(i));
        slots.push_back(FBarManager->IndexOfItem(entries[i]));
    }
    std::sort(slots.begin(), slots.end());
    const std::vector<int> order = ovBarBlockMoveOrder(selected, ovBarMoveDirectionOfTag(action->Tag()));
    // The listed items keep the places they hold among the manager's items; only their order changes.
    FBarManager->ItemList()->BeginUpdate();
    try {
        ovBarApplyOrder(order, [this, &slots](int AFirst, int ASecond) {
            FBarManager->MoveItem(slots[ASecond], slots[AFirst]);
            FBarManager->MoveItem(slots[AFirst] + 1, slots[ASecond]);
        });
    } catch (...) {
        FBarManager->ItemList()->EndUpdate();
        throw;
    }
    FBarManager->ItemList()->EndUpdate();
    RefreshList(list);
    FBarManager->DesignerModified();
}

// Adding commands, the sub-menu editor and the category commands are reached at design time, through the
// form's own context menus.
void TovBarCustomCustomizationForm::aAddItemExecute(TObject*) {
    TovBarItem* item = ShowItemAddDialog(FBarManager, SelectedCategory());
    if (item == nullptr) return;
    // The dialog may have put the item in another category: the commands list then shows that one.
    if (item->Category() != SelectedCategory()) SelectCategoryEntry(item->Category());
    TCustomListBox* list = GetItemsListBox();
    RefreshList(list);
    const int index = list->Items()->IndexOfObject(item);
    list->ClearSelection();
    if (index >= 0) {
        list->SetItemIndex(index);
        list->SetSelected(index, true);
    }
    PushSelection(list);
}

void TovBarCustomCustomizationForm::aSubMenuEditorExecute(TObject*) {
    TCustomListBox* list = GetItemsListBox();
    const int index = list->ItemIndex();
    if (index < 0 || index >= list->Count() || !list->Selected(index)) return;
    if (auto* subItem = dynamic_cast<TCustomovBarSubItem*>(list->Items()->Objects(index)))
        ShowSubMenuEditor(subItem->ItemLinks());
}

void TovBarCustomCustomizationForm::SelectCategoryEntry(int ACategory) {
    TCustomListBox* categories = GetCategoriesListBox();
    const int entry =
        categories->Items()->IndexOfObject(reinterpret_cast<TObject*>(static_cast<std::intptr_t>(ACategory)));
    if (entry >= 0) categories->SetItemIndex(entry);
    RefreshList(GetItemsListBox());
}

bool TovBarCustomCustomizationForm::CanDeleteSelectedCategory() const {
    const int category = SelectedCategory();
    if (category < 0 || FBarManager->Categories()->Count() <= 1) return false;
    std::vector<TovBarItem*> items;
    FBarManager->GetItemsByCategory(category, items);
    return std::all_of(items.begin(), items.end(),
                       [this](TovBarItem* AItem) { return FBarManager->DesignerCanDelete(AItem); });
}

void TovBarCustomCustomizationForm::CategoriesAddClick(TObject*) {
    std::string name;
    if (!ShowBarNameDialog(name, bnkCategory, bnmAdd, nullptr, FBarManager)) return;
    const int category = FBarManager->Categories()->Add(name);
    RefreshList(GetCategoriesListBox());
    SelectCategoryEntry(category);
}

void TovBarCustomCustomizationForm::CategoriesInsertClick(TObject*) {
    const int category = SelectedCategory();
    if (category < 0) return;
    std::string name;
    if (!ShowBarNameDialog(name, bnkCategory, bnmInsert, nullptr, FBarManager)) return;
    FBarManager->Categories()->Insert(category, name);
    RefreshList(GetCategoriesListBox());
    SelectCategoryEntry(category);
}

void TovBarCustomCustomizationForm::CategoriesRenameClick(TObject*) {
    const int category = SelectedCategory();
    if (category < 0) return;
    std::string name = FBarManager->Categories()->Strings(category);
    if (!ShowBarNameDialog(name, bnkCategory, bnmRename, nullptr, FBarManager)) return;
    FBarManager->Categories()->SetStrings(category, name);
    RefreshList(GetCategoriesListBox());
    SelectCategoryEntry(category);
}

void TovBarCustomCustomizationForm::CategoriesVisibleClick(TObject*) {
    const int category = SelectedCategory();
    if (category < 0) return;
    FBarManager->SetCategoryVisible(category, !FBarManager->GetCategoryVisible(category));
}

void TovBarCustomCustomizationForm::CategoriesItemsVisibleChange(TObject*) {
    const int category = SelectedCategory();
    if (category < 0 || CategoriesItemsVisible == nullptr) return;
    const int value = CategoriesItemsVisible->ItemIndex();
    if (value < ivNever || value > ivAlways) return;
    FBarManager->SetCategoryItemsVisible(category, static_cast<TovBarItemVisible>(value));
}

void TovBarCustomCustomizationForm::CategoriesDeleteClick(TObject*) {
    // Checked here as well as in the menu: Del reaches the command whatever the menu showed.
    if (!CanDeleteSelectedCategory()) return;
    const int category = SelectedCategory();
    const std::string question = Format(uiGetResourceString(ovSBAR_WANTTODELETECATEGORY),
                                        {FBarManager->Categories()->Strings(category)});
    if (Application()->MessageBox(question, Application()->Title(), MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    // The items about to go must not stay selected in the designer.
    FBarManager->DesignerSelect(FBarManager, bsoExclusive);
    FBarManager->Categories()->Delete(category);
    RefreshList(GetCategoriesListBox());
    SelectCategoryEntry(std::min(category, FBarManager->Categories()->Count() - 1));
}

void TovBarCustomCustomizationForm::CategoriesPopupMenuPopup(TObject*) {
    const int category = SelectedCategory();
    const bool selected = category >= 0;
    if (CategoriesInsert != nullptr) CategoriesInsert->SetEnabled(selected);
    if (CategoriesRename != nullptr) CategoriesRename->SetEnabled(selected);
    if (CategoriesVisible != nullptr) {
        CategoriesVisible->SetEnabled(selected);
        CategoriesVisible->SetDown(selected && FBarManager->GetCategoryVisible(category));
    }
    if (CategoriesItemsVisible != nullptr) {
        CategoriesItemsVisible->SetEnabled(selected);
        CategoriesItemsVisible->SetItemIndex(
            selected ? static_cast<int>(FBarManager->GetCategoryItemsVisible(category)) : -1);
    }
    if (CategoriesDelete != nullptr) CategoriesDelete->SetEnabled(CanDeleteSelectedCategory());
}

void TovBarCustomCustomizationForm::CommandsPopupMenuPopup(TObject*) {
    // The menu's entries follow the item actions.
    UpdateItemActions();
    if (CommandsAdd != nullptr) CommandsAdd->SetEnabled(aAddItem->Enabled());
    if (CommandsDelete != nullptr) CommandsDelete->SetEnabled(aDeleteItem->Enabled());
    if (CommandsClear != nullptr) CommandsClear->SetEnabled(aClearItemList->Enabled());
    if (CommandsMoveUp != nullptr) CommandsMoveUp->SetEnabled(aMoveUpItem->Enabled());
    if (CommandsMoveDown != nullptr) CommandsMoveDown->SetEnabled(aMoveDownItem->Enabled());
    if (CommandsSubMenuEditor != nullptr) CommandsSubMenuEditor->SetEnabled(aSubMenuEditor->Enabled());
}
void TovBarCustomCustomizationForm::CommandsAddClick(TObject* Sender) {
    aAddItemExecute(Sender);
}
void TovBarCustomCustomizationForm::CommandsDeleteClick(TObject* Sender) {
    aDeleteItemExecute(Sender);
}
void TovBarCustomCustomizationForm::CommandsClearClick(TObject* Sender) {
    aClearItemListExecute(Sender);
}
void TovBarCustomCustomizationForm::CommandsMoveUpClick(TObject*) {
    aMoveItemExecute(aMoveUpItem);
}
void TovBarCustomCustomizationForm::CommandsMoveDownClick(TObject*) {
    aMoveItemExecute(aMoveDownItem);
}
void TovBarCustomCustomizationForm::CommandsSubMenuEditorClick(TObject* Sender) {
    aSubMenuEditorExecute(Sender);
}
