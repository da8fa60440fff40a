// Objects that can copy their state from one another: Assign asks the source to copy itself into the
// destination when the destination does not know the source's class, and fails with EConvertError when
// neither side knows the other.
#pragma once

#include "platform/rtl/Object.h"

#include <string>

class TPersistent : public TObject {
public:
    // Copies Source's state into this object. A class that knows some sources overrides it and calls
    // the inherited version for the others.
    virtual void Assign(TPersistent* Source);
    // Copies this object's state into Dest; the default raises the assignment error.
    virtual void AssignTo(TPersistent* Dest);
    // The object that owns this one (a collection item's collection, a collection's component).
    virtual TPersistent* GetOwner() { return nullptr; }
    virtual std::string GetNamePath();

protected:
    // Raises EConvertError "Cannot assign a <source class> to a <this class>".
    [[noreturn]] void AssignError(TPersistent* Source);
};
