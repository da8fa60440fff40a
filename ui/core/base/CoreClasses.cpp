#include "ui/core/base/CoreClasses.h"

#include <typeinfo>

bool TuiOwnedPersistent::IsOfMyClass(TPersistent* Source) const {
    return Source != nullptr && typeid(*Source) == typeid(*this);
}

void TuiOwnedPersistent::Assign(TPersistent* Source) {
    if (IsOfMyClass(Source))
        DoAssign(Source);
    else
        TPersistent::Assign(Source);
}

void TuiFreeNotificator::AddSender(TComponent* ASender) {
    if (ASender != nullptr) ASender->FreeNotification(this);
}

void TuiFreeNotificator::RemoveSender(TComponent* ASender) {
    if (ASender != nullptr) ASender->RemoveFreeNotification(this);
}

void TuiFreeNotificator::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && OnComponentFreed) OnComponentFreed(AComponent);
}

TuiObjectList::~TuiObjectList() {
    TuiObjectList::Clear();
}

void TuiObjectList::Clear() {
    if (OwnObjects)
        for (int i = 0; i < Count(); ++i) {
            TObject* item = Items(i);
            SetItems(i, nullptr);
            delete item;
        }
    TList::Clear();
}

void TuiObjectList::DeleteAndFree(int AIndex) {
    TObject* item = Items(AIndex);
    Delete(AIndex);
    delete item;
}

int TuiObjectList::RemoveAndFree(TObject* AItem) {
    const int index = IndexOf(AItem);
    if (index >= 0) DeleteAndFree(index);
    return index;
}
