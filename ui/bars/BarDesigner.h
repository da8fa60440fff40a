// The designer a bar manager talks to: a design environment's, or at run time the customization form's
// selection controller while that form is open. Without one the manager's wrappers answer neutrally.
#pragma once

#include <string>
#include <vector>

class TPersistent;
class TComponent;

// Selection operations.
enum TovBarSelectionOperation { bsoAdd, bsoRemove, bsoExclusive };

class IovBarDesigner {
public:
    virtual ~IovBarDesigner() = default;
    virtual bool CanDeleteComponent(TComponent* AComponent) = 0;
    virtual void GetSelection(std::vector<TPersistent*>& ASelection) = 0;
    // 1 means selected.
    virtual int GetSelectionStatus(TPersistent* AObject) = 0;
    virtual void SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) = 0;
    virtual void SetSelection(const std::vector<TPersistent*>& ASelection) = 0;
    virtual void ShowDefaultEventHandler(TPersistent* AObject) = 0;
    virtual std::string UniqueName(const std::string& ABaseName) = 0;
};
