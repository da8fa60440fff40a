#include "platform/rtl/ObjectList.h"

TObjectList::~TObjectList() {
    Clear();
}

void TObjectList::Notify(void* Ptr, TListNotification Action) {
    if (FOwnsObjects && Action == lnDeleted) delete static_cast<TObject*>(Ptr);
    TList::Notify(Ptr, Action);
}
