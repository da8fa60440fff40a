#include "ui/bars/customize/BarDragTargets.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"

namespace {

// The Customize window's category list while the manager's items are designed there; at design time it
// holds every category, so an entry's index is the category's.
TListBox* DesignCategoryList(TovBarManager* AManager) {
    TovBarCustomCustomizationForm* form = BarCustomizingForm();
    if (form == nullptr || form->BarManager() != AManager || !AManager->IsDesigning()) return nullptr;
    TListBox* list = form->GetCategoriesListBox();
    return list != nullptr && list->HandleAllocated() ? list : nullptr;
}

void ShowItemCategory(TListBox* AList, TovBarItem* AItem) {
    if (AList->ItemIndex() != AItem->Category()) AList->SetItemIndex(AItem->Category());
}

} // namespace

HWND ovBarDragCaptureWindow(TovBarManager* AManager) {
    if (TovBarCustomCustomizationForm* form = BarCustomizingForm();
        form != nullptr && form->BarManager() == AManager && AManager->IsCustomizing())
        return form->Handle();
    TWinControl* owner = AManager->OwnerWinControl();
    return owner != nullptr ? owner->Handle() : nullptr;
}

bool ovBarDragOverCategories(TovBarManager* AManager, TovBarItem* AItem, const TPoint& AScreenPoint,
                             TovBarDraggingState& AState) {
    TListBox* list = AItem != nullptr ? DesignCategoryList(AManager) : nullptr;
    if (list == nullptr) return false;
    if (WindowFromPoint(AScreenPoint) != list->Handle()) {
        ShowItemCategory(list, AItem);
        return false;
    }
    POINT client = AScreenPoint;
    ScreenToClient(list->Handle(), &client);
    const int index = list->ItemAtPos(client, true);
    if (index >= 0) {
        if (list->ItemIndex() != index) list->SetItemIndex(index);
        AState = bdsCategory;
    } else {
        ShowItemCategory(list, AItem);
        AState = bdsNoDrop;
    }
    return true;
}

void ovBarDropOnCategories(TovBarManager* AManager, TovBarItem* AItem) {
    TListBox* list = AItem != nullptr ? DesignCategoryList(AManager) : nullptr;
    if (list == nullptr || list->ItemIndex() < 0 || list->ItemIndex() == AItem->Category()) return;
    AItem->SetCategory(list->ItemIndex());
    AManager->DesignerModified();
}

void ovBarEndCategoryDrag(TovBarManager* AManager, TovBarItem* AItem) {
    if (TListBox* list = DesignCategoryList(AManager)) ShowItemCategory(list, AItem);
}

void ovBarDragOverEditors(const TPoint& AScreenPoint) {
    // Known by its class only: the editor lives with the Customize window's dialogs, above this layer.
    TWinControl* control = FindControl(WindowFromPoint(AScreenPoint));
    if (control == nullptr) return;
    TControl* editor = control->ClassName() == "TovBarSubMenuEditor" ? control : control->GetParentForm();
    if (editor != nullptr && editor->ClassName() == "TovBarSubMenuEditor") editor->Perform(CM_ACTIVATE, 0, 0);
}
