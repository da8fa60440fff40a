#include "platform/rtl/WeakLink.h"

void TWeakLinkBase::Attach(TObject* target, void* typed) {
    Detach();
    FTarget = target;
    FTyped = typed;
    FPrev = nullptr;
    FNext = target->FWeakLinks;
    if (FNext != nullptr) FNext->FPrev = this;
    target->FWeakLinks = this;
}

void TWeakLinkBase::Detach() {
    if (FTarget == nullptr) return;
    if (FPrev != nullptr)
        FPrev->FNext = FNext;
    else
        FTarget->FWeakLinks = FNext;
    if (FNext != nullptr) FNext->FPrev = FPrev;
    FTarget = nullptr;
    FTyped = nullptr;
    FPrev = FNext = nullptr;
}
