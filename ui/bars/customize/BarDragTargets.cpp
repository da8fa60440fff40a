#include "ui/bars/customize/BarDragTargets.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"

HWND ovBarDragCaptureWindow(TovBarManager* AManager) {
    TWinControl* owner = AManager->OwnerWinControl();
    return owner != nullptr ? owner->Handle() : nullptr;
}

bool ovBarDragOverCategories(TovBarManager*, TovBarItem*, const TPoint&, TovBarDraggingState&) {
    return false;
}

void ovBarDropOnCategories(TovBarManager*, TovBarItem*) {}

void ovBarEndCategoryDrag(TovBarManager*, TovBarItem*) {}

void ovBarDragOverEditors(const TPoint& AScreenPoint) {
    // Known by its class only: the editor lives with the Customize window's dialogs, above this layer.
    TWinControl* control = FindControl(WindowFromPoint(AScreenPoint));
    if (control == nullptr) return;
    TControl* editor = control->ClassName() == "TovBarSubMenuEditor" ? control : control->GetParentForm();
    if (editor != nullptr && editor->ClassName() == "TovBarSubMenuEditor") editor->Perform(CM_ACTIVATE, 0, 0);
}
