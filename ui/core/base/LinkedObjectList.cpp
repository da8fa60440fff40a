#include "ui/core/base/LinkedObjectList.h"

TuiDoublyLinkedObjectList::~TuiDoublyLinkedObjectList() {
    Clear();
}

TuiDoublyLinkedObject* TuiDoublyLinkedObjectList::Add() {
    TuiDoublyLinkedObject* node = CreateLinkedObject();
    node->FPrevLink = FTail;
    if (FTail != nullptr) FTail->FNextLink = node;
    FTail = node;
    return node;
}

void TuiDoublyLinkedObjectList::Unlink(TuiDoublyLinkedObject* AObject) {
    if (AObject->FNextLink != nullptr)
        AObject->FNextLink->FPrevLink = AObject->FPrevLink;
    else if (FTail == AObject)
        FTail = AObject->FPrevLink;
    if (AObject->FPrevLink != nullptr) AObject->FPrevLink->FNextLink = AObject->FNextLink;
}

void TuiDoublyLinkedObjectList::Remove(TuiDoublyLinkedObject*& AObject) {
    if (AObject == nullptr) return;
    Unlink(AObject);
    delete AObject;
    AObject = nullptr;
}

void TuiDoublyLinkedObjectList::Clear() {
    while (FTail != nullptr) {
        TuiDoublyLinkedObject* doomed = FTail;
        FTail = doomed->FPrevLink;
        if (FTail != nullptr) FTail->FNextLink = nullptr;
        delete doomed;
    }
}
