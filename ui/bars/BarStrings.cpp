#include "ui/bars/BarStrings.h"

#define OV_BAR_STRING(AName, AText) TResStringRec AName{#AName, AText};
#include "ui/bars/BarStringTable.inc"
#undef OV_BAR_STRING

namespace {

void RegisterBarStrings(TovProductResourceStrings* AProduct) {
#define OV_BAR_STRING(AName, AText) AProduct->Add(#AName, &AName);
#include "ui/bars/BarStringTable.inc"
#undef OV_BAR_STRING
}

} // namespace

int ovBarStringCount() {
    int count = 0;
#define OV_BAR_STRING(AName, AText) ++count;
#include "ui/bars/BarStringTable.inc"
#undef OV_BAR_STRING
    return count;
}

void ovBarStringsStart() {
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->RegisterProduct(ovBarProductName, &RegisterBarStrings);
}

void ovBarStringsEnd() {
    if (TovResourceStringsRepository* repository = ovResourceStringsRepository())
        repository->UnRegisterProduct(ovBarProductName);
}
