#include "platform/rtl/Persistent.h"

#include "platform/rtl/Exceptions.h"

void TPersistent::Assign(TPersistent* Source) {
    if (Source != nullptr)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    Dest->AssignError(this);
}

std::string TPersistent::GetNamePath() {
    return ClassName();
}

void TPersistent::AssignError(TPersistent* Source) {
    const std::string sourceName = Source != nullptr ? Source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}
