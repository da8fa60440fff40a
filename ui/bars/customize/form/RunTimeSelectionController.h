// The designer a bar manager talks to at run time while the Customize window is open: it keeps the
// selected toolbar and the selected items, so that the form's lists and the bars agree on what is
// selected, and tells the form whenever the selection changes.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "ui/bars/BarDesigner.h"

#include <vector>

class TovBarRunTimeSelectionController : public IovBarDesigner {
public:
    TovBarRunTimeSelectionController() = default;
    TovBarRunTimeSelectionController(const TovBarRunTimeSelectionController&) = delete;
    TovBarRunTimeSelectionController& operator=(const TovBarRunTimeSelectionController&) = delete;

    // Anything may be deleted at run time.
    bool CanDeleteComponent(TComponent* AComponent) override { return true; }
    void GetSelection(std::vector<TPersistent*>& ASelection) override { ASelection = FSelection; }
    int GetSelectionStatus(TPersistent* AObject) override { return IsSelected(AObject) ? 1 : 0; }
    bool IsSelected(TPersistent* AObject) const;
    // Adding (bsoAdd, bsoExclusive) replaces the selected objects of the same kind (a bar the bars,
    // anything else the items); null only clears that kind. Removing is not a run-time operation.
    void SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) override;
    // The objects in turn, told once.
    void SetSelection(const std::vector<TPersistent*>& ASelection) override;
    void ShowDefaultEventHandler(TPersistent* AObject) override {}
    std::string UniqueName(const std::string& ABaseName) override { return {}; }

    const std::vector<TPersistent*>& Selection() const { return FSelection; }
    // An object about to be freed leaves the selection (quietly: the lists refill after the change).
    void Forget(TPersistent* AObject);
    TNotifyEvent OnSelectionChanged;

private:
    void Add(TPersistent* AObject);
    void Changed();

    std::vector<TPersistent*> FSelection;
    int FUpdateCount = 0;
};
