// The Toolbars page: new, rename, delete and reset of toolbars, and their visibility check boxes.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/rtl/Format.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSelectableItem.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/customize/dialogs/BarNameDialog.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TovBar*> SelectedBars(TCustomListBox* AList) {
    std::vector<TovBar*> bars;
    for (TObject* object : TovBarCustomCustomizationForm::SelectedObjects(AList))
        if (auto* bar = dynamic_cast<TovBar*>(object)) bars.push_back(bar);
    return bars;
}

bool BarAllowsDeletion(TovBarManager* AManager, TovBar* ABar) {
    if (auto* selectable = dynamic_cast<IovBarSelectableItem*>(ABar)) return selectable->CanDelete(false);
    return AManager->DesignerCanDelete(ABar);
}

} // namespace

TovBar* TovBarCustomCustomizationForm::GetBarFromList(int AIndex) const {
    TCustomListBox* list = GetBarsListBox();
    if (AIndex < 0 || AIndex >= list->Count()) return nullptr;
    return dynamic_cast<TovBar*>(list->Items()->Objects(AIndex));
}

bool TovBarCustomCustomizationForm::BarCanBeClosed(TovBar* ABar) {
    return ABar != nullptr && ABar->CanClose();
}

void TovBarCustomCustomizationForm::ToggleBarVisible(int AIndex) {
    TovBar* bar = GetBarFromList(AIndex);
    if (bar == nullptr) return;
    if (!BarCanBeClosed(bar)) {
        ::MessageBeep(0);
        return;
    }
    bar->SetVisible(!bar->Visible());
    GetBarsListBox()->Invalidate();
}

void TovBarCustomCustomizationForm::aNewToolBarExecute(TObject*) {
    TovBar* bar = FBarManager->AddToolbar(false, true);
    if (bar == nullptr) return;
    RefreshList(GetBarsListBox());
    FBarManager->DesignerSelect(bar, bsoExclusive);
}

void TovBarCustomCustomizationForm::aRenameToolBarExecute(TObject*) {
    TovBar* bar = GetBarFromList(GetBarsListBox()->ItemIndex());
    if (bar == nullptr || !aRenameToolBar->Enabled()) return;
    std::string name = bar->Caption();
    if (!ShowBarNameDialog(name, bnkToolbar, bnmToolbarRename, bar, FBarManager)) return;
    bar->SetCaption(name);
    const int index = GetBarsListBox()->Items()->IndexOfObject(bar);
    if (index >= 0) RefreshList(GetBarsListBox(), bar, index);
}

void TovBarCustomCustomizationForm::aDeleteToolBarExecute(TObject*) {
    TCustomListBox* list = GetBarsListBox();
    std::vector<TovBar*> bars = SelectedBars(list);
    if (bars.empty() || !aDeleteToolBar->Enabled()) return;
    const std::string question =
        bars.size() == 1 ? Format(uiGetResourceString(ovSBAR_WANTTODELETETOOLBAR), {bars[0]->Caption()})
                         : uiGetResourceString(ovSBAR_WANTTODELETETOOLBARS);
    const int answer =
        Application()->MessageBox(question, Application()->Title(), MB_OKCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDOK) {
        // The entry after the block (or else before it) is selected next.
        int first = list->Count(), last = -1;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) {
                first = std::min(first, i);
                last = i;
            }
        TObject* next = last + 1 < list->Count() ? list->Items()->Objects(last + 1)
                        : first > 0              ? list->Items()->Objects(first - 1)
                                                 : nullptr;
        FreeLastFirst(FBarManager->Bars(), bars);
        RefreshList(list);
        if (auto* bar = dynamic_cast<TovBar*>(next))
            FBarManager->DesignerSelect(bar, bsoExclusive);
        else
            FBarManager->DesignerSelect(nullptr, bsoExclusive);
        FBarManager->DesignerModified();
    }
    if (HandleAllocated()) BringToFront();
}

void TovBarCustomCustomizationForm::aResetToolBarExecute(TObject*) {
    TovBar* bar = GetBarFromList(GetBarsListBox()->ItemIndex());
    if (bar == nullptr || !aResetToolBar->Enabled()) return;
    bar->ResetWithConfirmation(true);
    if (HandleAllocated()) BringToFront();
}

void TovBarCustomCustomizationForm::UpdateToolbarActions() {
    TCustomListBox* list = GetBarsListBox();
    const std::vector<TovBar*> bars = SelectedBars(list);
    TovBar* focused = GetBarFromList(list->ItemIndex());
    TovBar* selected = focused != nullptr && list->Selected(list->ItemIndex()) ? focused : nullptr;
    aRenameToolBar->SetEnabled(selected != nullptr && (IsDesigning() || !selected->Predefined()));
    aResetToolBar->SetEnabled(selected != nullptr && selected->CanReset());
    aNewToolBar->SetEnabled(CanAddToOwner());
    bool deletable = !bars.empty();
    for (TovBar* bar : bars)
        deletable = deletable && BarAllowsDeletion(FBarManager, bar);
    aDeleteToolBar->SetEnabled(deletable);
}
