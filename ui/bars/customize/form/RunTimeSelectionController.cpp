#include "ui/bars/customize/form/RunTimeSelectionController.h"

#include "ui/bars/Bar.h"

#include <algorithm>

namespace {

bool IsBar(TPersistent* AObject) {
    return dynamic_cast<TovBar*>(AObject) != nullptr;
}

} // namespace

bool TovBarRunTimeSelectionController::IsSelected(TPersistent* AObject) const {
    return std::find(FSelection.begin(), FSelection.end(), AObject) != FSelection.end();
}

void TovBarRunTimeSelectionController::SelectComponent(TPersistent* AObject,
                                                       TovBarSelectionOperation AOperation) {
    if (AOperation == bsoRemove) return;
    if (AObject != nullptr && IsSelected(AObject)) return;
    Add(AObject);
    Changed();
}

void TovBarRunTimeSelectionController::Add(TPersistent* AObject) {
    if (AObject != nullptr && IsSelected(AObject)) return;
    // A bar replaces the selected bars, anything else the selected items; null clears the items.
    const bool bar = AObject != nullptr && IsBar(AObject);
    std::erase_if(FSelection, [bar](TPersistent* selected) { return IsBar(selected) == bar; });
    if (AObject != nullptr) FSelection.push_back(AObject);
}

void TovBarRunTimeSelectionController::SetSelection(const std::vector<TPersistent*>& ASelection) {
    ++FUpdateCount;
    for (TPersistent* object : ASelection)
        Add(object);
    --FUpdateCount;
    Changed();
}

void TovBarRunTimeSelectionController::Forget(TPersistent* AObject) {
    std::erase(FSelection, AObject);
}

void TovBarRunTimeSelectionController::Changed() {
    if (FUpdateCount > 0) return;
    OnSelectionChanged(nullptr);
}
