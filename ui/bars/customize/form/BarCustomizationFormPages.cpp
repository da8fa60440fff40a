// The concrete Customize window's pages: texts and visibility, the active page and the help button.
#include "ui/bars/customize/form/BarCustomizationForm.h"

void TovBarCustomizationForm::ItemsListChanged(TovBarItem* AItem) {
    TovBarCustomCustomizationForm::ItemsListChanged(AItem);
}
void TovBarCustomizationForm::RefreshLists() {}
void TovBarCustomizationForm::InitializeControls() {}
void TovBarCustomizationForm::SetDescriptionText(const std::string&) {}
void TovBarCustomizationForm::SynchronizeListsWithSelection() {}
void TovBarCustomizationForm::SetActivePageIndex(int) {}
void TovBarCustomizationForm::ShowCommandsPage() {}
void TovBarCustomizationForm::UpdateHelpButton() {}
void TovBarCustomizationForm::BCloseClick(TObject*) {
    Close();
}
void TovBarCustomizationForm::BHelpClick(TObject*) {
    HelpButtonClick();
}
void TovBarCustomizationForm::lbItemsDrawItem(TWinControl*, int, RECT, TOwnerDrawState) {}
