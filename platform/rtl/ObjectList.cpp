#include "platform/rtl/ObjectList.h"

TObjectList::~TObjectList() {
    Clear();
}

void TObjectList::Notify(void* Ptr, TListNotification Action) {
    if (FOwnsObjects && Action == lnDeleted) {
        auto* object = static_cast<TObject*>(Ptr);
        FreeAndNil(object);
    }
    TList::Notify(Ptr, Action);
}
