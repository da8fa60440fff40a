// Keeping the Customize window's lists in step with the model and the designer selection.
#include "ui/bars/customize/form/BarCustomizationForm.h"

void TovBarCustomCustomizationForm::RefreshList(TCustomListBox*, TObject*, int) {}
void TovBarCustomCustomizationForm::RefreshListLater(TCustomListBox*) {}
void TovBarCustomCustomizationForm::PushSelection(TCustomListBox*) {}
void TovBarCustomCustomizationForm::TakeDesignerSelection(TCustomListBox*) {}
std::vector<TObject*> TovBarCustomCustomizationForm::SelectedObjects(TCustomListBox*) {
    return {};
}
