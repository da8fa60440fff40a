// Keeping the Customize window's lists in step with the model and the designer selection: a list is
// refilled (or one entry renamed) through the private messages its helper answers, a click pushes the
// list's selection to the designer, and a designer change makes the lists take the selection again.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"

namespace {

void ScrollFirstSelectedIntoView(TCustomListBox* AList) {
    for (int i = 0; i < AList->Count(); ++i)
        if (AList->Selected(i)) {
            AList->MakeVisible(i);
            return;
        }
}

} // namespace

void TovBarCustomCustomizationForm::RefreshList(TCustomListBox* AList, TObject* AObject, int AIndex) {
    if (AList == nullptr || FBarManager->BeingDestroyed() || FDestroying) return;
    if (AObject != nullptr && AIndex >= 0 && AIndex < AList->Count()) {
        const bool selected = AList->Selected(AIndex);
        AList->Perform(WM_OVBAR_CF_REFILL, reinterpret_cast<WPARAM>(AObject), AIndex);
        if (selected) AList->SetSelected(AIndex, true);
        AList->Perform(WM_OVBAR_CF_UPDATEACTIONS, 0, 0);
    } else {
        const int top = AList->TopIndex();
        AList->Clear();
        AList->Perform(WM_OVBAR_CF_REFILL, 0, 0);
        AList->Perform(WM_OVBAR_CF_TAKESELECTION, 0, 0);
        AList->SetTopIndex(top);
    }
    ScrollFirstSelectedIntoView(AList);
}

void TovBarCustomCustomizationForm::RefreshListLater(TCustomListBox* AList) {
    if (HandleAllocated())
        ::PostMessage(Handle(), WM_OVBAR_CF_REFRESHLATER, reinterpret_cast<WPARAM>(AList), 0);
}

std::vector<TObject*> TovBarCustomCustomizationForm::SelectedObjects(TCustomListBox* AList) {
    std::vector<TObject*> objects;
    for (int i = 0; i < AList->Count(); ++i)
        if (AList->Selected(i)) objects.push_back(AList->Items()->Objects(i));
    return objects;
}

void TovBarCustomCustomizationForm::PushSelection(TCustomListBox* AList) {
    if (FBarManager->BeingDestroyed() || FDestroying) return;
    TCustomListBox* previous = FPushingList;
    FPushingList = AList;
    try {
        std::vector<TPersistent*> selection;
        for (TObject* object : SelectedObjects(AList))
            if (auto* persistent = dynamic_cast<TPersistent*>(object)) selection.push_back(persistent);
        if (selection.empty())
            FBarManager->DesignerSelect(FBarManager, bsoExclusive);
        else
            FBarManager->DesignerSetSelection(selection);
    } catch (...) {
        FPushingList = previous;
        throw;
    }
    FPushingList = previous;
    AList->Perform(WM_OVBAR_CF_UPDATEACTIONS, 0, 0);
}

void TovBarCustomCustomizationForm::TakeDesignerSelection(TCustomListBox* AList) {
    if (AList == FPushingList) return;
    if (AList->MultiSelect()) {
        for (int i = 0; i < AList->Count(); ++i) {
            auto* object = dynamic_cast<TPersistent*>(AList->Items()->Objects(i));
            AList->SetSelected(i, object != nullptr && FBarManager->DesignerSelectionStatus(object) == 1);
        }
    } else {
        int index = -1;
        for (int i = 0; i < AList->Count() && index < 0; ++i) {
            auto* object = dynamic_cast<TPersistent*>(AList->Items()->Objects(i));
            if (object != nullptr && FBarManager->DesignerSelectionStatus(object) == 1) index = i;
        }
        // Without a selected object the list keeps its entry (a list of commands keeps its place).
        if (index >= 0 || AList->ItemIndex() >= AList->Count()) AList->SetItemIndex(index);
    }
    AList->Perform(WM_OVBAR_CF_UPDATEACTIONS, 0, 0);
}
