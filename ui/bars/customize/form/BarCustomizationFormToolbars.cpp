// The Toolbars page: new, rename, delete and reset of toolbars, and their visibility check boxes.
#include "ui/bars/customize/form/BarCustomizationForm.h"

void TovBarCustomCustomizationForm::aNewToolBarExecute(TObject*) {}
void TovBarCustomCustomizationForm::aRenameToolBarExecute(TObject*) {}
void TovBarCustomCustomizationForm::aDeleteToolBarExecute(TObject*) {}
void TovBarCustomCustomizationForm::aResetToolBarExecute(TObject*) {}
void TovBarCustomCustomizationForm::ToggleBarVisible(int) {}
bool TovBarCustomCustomizationForm::BarCanBeClosed(TovBar*) {
    return false;
}
void TovBarCustomCustomizationForm::UpdateToolbarActions() {}
TovBar* TovBarCustomCustomizationForm::GetBarFromList(int) const {
    return nullptr;
}
