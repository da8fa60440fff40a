#include "ui/bars/customize/form/BarCustomizationFormListHelpers.h"

#include "ui/bars/customize/form/BarCustomizationForm.h"

TovBarCustomizationFormListBoxHelper::TovBarCustomizationFormListBoxHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : FOwner(AOwner), FListBox(AListBox), FPrevWndProc(AListBox->WindowProc) {
    FListBox->WindowProc = [this](TMessage& Message) { WndProc(Message); };
}

TovBarCustomizationFormListBoxHelper::~TovBarCustomizationFormListBoxHelper() {
    FListBox->WindowProc = FPrevWndProc;
}

TovBarManager* TovBarCustomizationFormListBoxHelper::BarManager() const {
    return FOwner->BarManager();
}

void TovBarCustomizationFormListBoxHelper::WndProc(TMessage& Message) {
    FPrevWndProc(Message);
}

TovBarCustomizationFormBarListHelper::TovBarCustomizationFormBarListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {}
void TovBarCustomizationFormBarListHelper::WndProc(TMessage& Message) {
    CallPrevious(Message);
}

TovBarCustomizationFormCategoryListHelper::TovBarCustomizationFormCategoryListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {}
void TovBarCustomizationFormCategoryListHelper::WndProc(TMessage& Message) {
    CallPrevious(Message);
}

TovBarCustomizationFormItemsListHelper::TovBarCustomizationFormItemsListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {}
void TovBarCustomizationFormItemsListHelper::WndProc(TMessage& Message) {
    CallPrevious(Message);
}
