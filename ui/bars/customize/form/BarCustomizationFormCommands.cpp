// The Commands page: categories, their commands and the item actions.
#include "ui/bars/customize/form/BarCustomizationForm.h"

void TovBarCustomCustomizationForm::aAddItemExecute(TObject*) {}
void TovBarCustomCustomizationForm::aDeleteItemExecute(TObject*) {}
void TovBarCustomCustomizationForm::aSubMenuEditorExecute(TObject*) {}
void TovBarCustomCustomizationForm::aClearItemListExecute(TObject*) {}
void TovBarCustomCustomizationForm::aMoveItemExecute(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesAddClick(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesInsertClick(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesRenameClick(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesVisibleClick(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesItemsVisibleChange(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesDeleteClick(TObject*) {}
void TovBarCustomCustomizationForm::CategoriesPopupMenuPopup(TObject*) {}
void TovBarCustomCustomizationForm::CommandsPopupMenuPopup(TObject*) {}
void TovBarCustomCustomizationForm::CommandsAddClick(TObject*) {}
void TovBarCustomCustomizationForm::CommandsDeleteClick(TObject*) {}
void TovBarCustomCustomizationForm::CommandsClearClick(TObject*) {}
void TovBarCustomCustomizationForm::CommandsMoveUpClick(TObject*) {}
void TovBarCustomCustomizationForm::CommandsMoveDownClick(TObject*) {}
void TovBarCustomCustomizationForm::CommandsSubMenuEditorClick(TObject*) {}
int TovBarCustomCustomizationForm::SelectedCategory() const {
    return -1;
}
void TovBarCustomCustomizationForm::GetCategoryItems(int, std::vector<TovBarItem*>&) const {}
void TovBarCustomCustomizationForm::UpdateItemActions() {}
void TovBarCustomCustomizationForm::ItemsListChanged(TovBarItem*) {}
